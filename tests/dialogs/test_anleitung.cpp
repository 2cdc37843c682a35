// The about box opens the guide that is installed with the program.
#include "dialogs/Anleitung.h"
#include "dialogs/ui/FInformation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

TEST(Anleitung, WirdNebenDemProgrammGefunden)
{
    QTemporaryDir wurzel;
    ASSERT_TRUE(QDir(wurzel.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(wurzel.path()).mkpath(QStringLiteral("share/doc/figuro")));
    const QString ziel = wurzel.filePath(QStringLiteral("share/doc/figuro/anleitung.html"));
    QFile datei(ziel);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("<html></html>");
    datei.close();
    EXPECT_EQ(AnleitungPfad(wurzel.filePath(QStringLiteral("bin"))), QDir::cleanPath(ziel));
}

TEST(Anleitung, SonstDieKopieImQuellbaum)
{
    QTemporaryDir leer;
    const QString pfad = AnleitungPfad(leer.path());
    EXPECT_EQ(pfad, QDir::cleanPath(QStringLiteral(FIGURO_SOURCE_DIR "/docs/anleitung.html")));
    QFile html(pfad);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QString inhalt = QString::fromUtf8(html.readAll());
    EXPECT_TRUE(inhalt.contains(QStringLiteral("<h1>Figuro – Anleitung</h1>")));
    EXPECT_TRUE(inhalt.contains(QStringLiteral("Der Lehrermodus")));
}

TEST(Anleitung, LinkImInformationsfensterOeffnetSie)
{
    TFInformation info;
    info.show();
    ASSERT_NE(info.LabelAnleitung, nullptr);
    EXPECT_EQ(info.LabelAnleitung->text(), QStringLiteral("Anleitung auf diesem Rechner öffnen"));
    QString geoeffnet;
    info.LabelAnleitung->Oeffnen = [&](const QString &a) { geoeffnet = a; };
    QTest::mouseClick(info.LabelAnleitung, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(geoeffnet.startsWith(QStringLiteral("file://"))) << geoeffnet.toStdString();
    EXPECT_TRUE(QFile::exists(QUrl(geoeffnet).toLocalFile()));
}
