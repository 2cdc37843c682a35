// The about box: its lines, the version label, its two modes and its two
// links; where the guide and the examples installed with the program are.
#include "dialogs/Anleitung.h"
#include "dialogs/ui/FInformation.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

// Shown as a splash without a frame, centred on the main window, or as a
// window with one and its two links; its lines all fit into the box.
TEST(Information, ZeilenVersionSplashFensterUndLinks)
{
    QWidget haupt;
    haupt.setGeometry(100, 100, 800, 600);
    haupt.show();
    TFInformation info;
    const auto zustand = [&] {
        return std::tuple(info.isVisible(), info.IstSplash(), info.windowFlags().testFlag(Qt::FramelessWindowHint));
    };
    info.SplashZeigen(&haupt);
    EXPECT_EQ(zustand(), std::tuple(true, true, true));
    EXPECT_TRUE(info.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
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
    // No web address that does not exist.
    EXPECT_TRUE(t.filter(QRegularExpression(QStringLiteral("http|Homepage"))).isEmpty()) << t.join(u'|').toStdString();
    EXPECT_EQ(info.LabelVersion->text(), QStringLiteral("Version 1.4 vom 1. Juli 2025"));
    EXPECT_EQ(TFInformation::DatumDeutsch(QDate(2025, 3, 9)), QStringLiteral("9. März 2025"));
    EXPECT_EQ(TFInformation::DatumDeutsch(QDate()), QString());
    EXPECT_EQ(info.windowTitle() + u'|' + info.SBSchliessen->text(), QStringLiteral("Information|Schließen"));
    EXPECT_EQ(info.palette().color(QPalette::Window), QColor(192, 192, 192));

    info.FensterZeigen(&haupt);
    EXPECT_EQ(zustand(), std::tuple(true, false, false));

    // The links turn blue under the mouse and run what the main window
    // gave them; they name the guide and the examples folder on this computer.
    QStringList geoeffnet;
    for (TLinkLabel *l : {info.LabelAnleitung, info.LabelBeispiele})
        l->Oeffnen = [&](const QString &a) { geoeffnet << a; };
    EXPECT_EQ(info.LabelAnleitung->text() + u'|' + info.LabelBeispiele->text(),
              QStringLiteral("Anleitung (F1)|Beispiele öffnen ..."));
    EXPECT_FALSE(info.LabelAnleitung->geometry().intersects(info.LabelBeispiele->geometry()));
    EXPECT_EQ(info.LabelAnleitung->Textfarbe(), QColor(Qt::black));
    QEnterEvent rein(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(info.LabelAnleitung, &rein);
    EXPECT_EQ(info.LabelAnleitung->Textfarbe(), QColor(0, 0, 255));
    QEvent raus(QEvent::Leave);
    QCoreApplication::sendEvent(info.LabelAnleitung, &raus);
    EXPECT_EQ(info.LabelAnleitung->Textfarbe(), QColor(Qt::black));
    QTest::mouseClick(info.LabelAnleitung, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(info.LabelBeispiele, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(geoeffnet.size(), 2);
    EXPECT_TRUE(geoeffnet[0].endsWith(QStringLiteral("/anleitung.html")));
    EXPECT_TRUE(QFile::exists(QUrl(geoeffnet[0]).toLocalFile())) << geoeffnet[0].toStdString();
    EXPECT_TRUE(QFile::exists(QUrl(geoeffnet[1]).toLocalFile() + QStringLiteral("/haus.fgo")));
    QTest::mouseClick(info.SBSchliessen, Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());
}

// The guide and the examples are looked for beside the program
// (share/doc/figuro and share/figuro/beispiele next to bin), otherwise the
// copies in the source tree are taken.
TEST(Anleitung, NebenDemProgrammSonstImQuellbaum)
{
    QTemporaryDir wurzel;
    const auto ordner = [&](const char *pfad) {
        EXPECT_TRUE(QDir(wurzel.path()).mkpath(QString::fromLatin1(pfad)));
        return QDir::cleanPath(wurzel.filePath(QString::fromLatin1(pfad)));
    };
    const QString bin = ordner("bin"), quelle = QStringLiteral(FIGURO_SOURCE_DIR);
    EXPECT_EQ(AnleitungPfad(bin), QDir::cleanPath(quelle + QStringLiteral("/docs/anleitung.html")));
    QFile html(AnleitungPfad(bin));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(html.readAll()).contains(QStringLiteral("<h1>Figuro – Anleitung</h1>")));

    QFile datei(ordner("share/doc/figuro") + QStringLiteral("/anleitung.html"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    EXPECT_EQ(AnleitungPfad(bin), datei.fileName());

    const QString quellBeispiele = QDir::cleanPath(quelle + QStringLiteral("/beispiele"));
    EXPECT_EQ(BeispielOrdner(bin), quellBeispiele);
    EXPECT_TRUE(ImBeispielOrdner(quellBeispiele + QStringLiteral("/haus.fgo"), bin));
    EXPECT_TRUE(ImBeispielOrdner(quellBeispiele + QStringLiteral("/../beispiele/neu.fgo"), bin));
    EXPECT_FALSE(ImBeispielOrdner(quelle + QStringLiteral("/docs/x.fgo"), bin));
    EXPECT_FALSE(ImBeispielOrdner(QString(), bin));
    const QString installiert = ordner("share/figuro/beispiele");
    EXPECT_EQ(BeispielOrdner(bin), installiert);
    EXPECT_TRUE(ImBeispielOrdner(installiert + QStringLiteral("/x.fgo"), bin));
    EXPECT_FALSE(ImBeispielOrdner(quellBeispiele + QStringLiteral("/haus.fgo"), bin));
}
