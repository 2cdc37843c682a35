// The about box; where the guide and the examples installed with the
// program are.
#include "dialogs/Anleitung.h"
#include "dialogs/Uebersetzung.h"
#include "dialogs/ui/FInformation.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

// Shown as a splash without a frame, centred on the main window, or as a
// window with its two links; its lines all fit into the box.
TEST(Information, ZeilenVersionSplashFensterUndLinks)
{
    QWidget haupt;
    haupt.setGeometry(100, 100, 800, 600);
    haupt.show();
    TFInformation info;
    info.SplashZeigen(&haupt);
    EXPECT_TRUE(info.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    EXPECT_EQ(info.size(), QSize(526, 293));
    EXPECT_LE((info.geometry().center() - haupt.frameGeometry().center()).manhattanLength(), 2);
    QStringList t;
    for (const QLabel *l : info.findChildren<QLabel *>()) {
        t << l->text();
        EXPECT_TRUE(l->geometry().right() < TFInformation::Breite && l->geometry().bottom() < TFInformation::Hoehe)
            << l->text().toStdString();
    }
    for (const char *zeile : {"zur Einführung in die Objektorientierung", "Beispielzeichnungen und eine Anleitung sind",
                              "mit dem Programm installiert:", "Das Programm wird laufend weiterentwickelt."})
        EXPECT_TRUE(t.contains(QString::fromUtf8(zeile))) << zeile;
    EXPECT_EQ(info.LabelVersion->text(), QStringLiteral("Version 1.4 vom 1. Juli 2025"));
    EXPECT_EQ(TFInformation::DatumDeutsch(QDate()), QString());
    EXPECT_EQ(info.windowTitle() + u'|' + info.SBSchliessen->text(), QStringLiteral("Information|Schließen"));

    // As a window; a link turns blue under the mouse, runs what it was given.
    info.FensterZeigen(&haupt);
    EXPECT_EQ(info.LabelAnleitung->text() + u'|' + info.LabelBeispiele->text(),
              QStringLiteral("Anleitung (F1)|Beispiele öffnen ..."));
    QEnterEvent rein(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(info.LabelBeispiele, &rein);
    EXPECT_EQ(info.LabelBeispiele->Textfarbe(), QColor(0, 0, 255));
    QEvent raus(QEvent::Leave);
    QCoreApplication::sendEvent(info.LabelBeispiele, &raus);
    EXPECT_EQ(info.LabelBeispiele->Textfarbe(), QColor(Qt::black));
    QString geoeffnet;
    info.LabelBeispiele->Oeffnen = [&](const QString &a) { geoeffnet = a; };
    QTest::mouseClick(info.LabelBeispiele, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(QFile::exists(QUrl(geoeffnet).toLocalFile() + QStringLiteral("/haus.fgo"))) << geoeffnet.toStdString();
    QTest::mouseClick(info.SBSchliessen, Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());

    // Qt's own buttons speak German once its translation is loaded.
    const auto deutsch = QtUebersetzungLaden();
    const QDialogButtonBox knoepfe(QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Yes)->text() + u'|' + knoepfe.button(QDialogButtonBox::No)->text(),
              QStringLiteral("&Ja|&Nein"));
}

// The guide and the examples are looked for beside the program, else in the source tree.
TEST(Anleitung, NebenDemProgrammSonstImQuellbaum)
{
    QTemporaryDir wurzel;
    const QString bin = wurzel.filePath(QStringLiteral("bin")), quelle = QStringLiteral(FIGURO_SOURCE_DIR);
    ASSERT_TRUE(QDir(wurzel.path()).mkpath(QStringLiteral("bin")));
    EXPECT_EQ(AnleitungPfad(bin), QDir::cleanPath(quelle + QStringLiteral("/docs/anleitung.html")));
    EXPECT_FALSE(ImBeispielOrdner(QString(), bin));
    ASSERT_TRUE(QDir(wurzel.path()).mkpath(QStringLiteral("share/figuro/beispiele")));
    EXPECT_EQ(BeispielOrdner(bin), wurzel.filePath(QStringLiteral("share/figuro/beispiele")));
    EXPECT_FALSE(ImBeispielOrdner(quelle + QStringLiteral("/beispiele/haus.fgo"), bin));
}
