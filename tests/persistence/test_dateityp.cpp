// Registering .fgo files with the desktop for the current user.
#include "persistence/Dateityp.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Dateityp, SchreibtNurWasFehltOderAbweichtFehlerWerdenIgnoriert)
{
    QTemporaryDir ordner;
    const QString programm = QStringLiteral("/opt/figuro/bin/figuro");
    const QStringList erstes = DateitypRegistrieren(ordner.path(), programm, false);
    ASSERT_EQ(erstes.size(), 2);
    QFile eintrag(ordner.filePath(QStringLiteral("applications/figuro.desktop")));
    ASSERT_TRUE(eintrag.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(eintrag.readAll());
    eintrag.close();
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=/opt/figuro/bin/figuro %f\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("MimeType=application/x-figuro;")));
    QFile mime(ordner.filePath(QStringLiteral("mime/packages/figuro.xml")));
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    EXPECT_TRUE(mime.readAll().contains("<glob pattern=\"*.fgo\"/>"));
    mime.close();

    // Unchanged: nothing is written again.
    EXPECT_TRUE(DateitypRegistrieren(ordner.path(), programm, false).isEmpty());
    // Another program path: only the desktop entry is rewritten.
    const QStringList anders = DateitypRegistrieren(ordner.path(), QStringLiteral("/usr/bin/figuro"), false);
    ASSERT_EQ(anders.size(), 1);
    EXPECT_TRUE(anders[0].endsWith(QStringLiteral("figuro.desktop")));

    // A file where the folder should be: nothing can be written, nothing fails.
    QTemporaryDir leer;
    QFile sperre(leer.filePath(QStringLiteral("applications")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    const QStringList geschrieben = DateitypRegistrieren(leer.path(), QStringLiteral("/x/figuro"), false);
    EXPECT_EQ(geschrieben.size(), 1); // only the MIME type
    EXPECT_TRUE(DateitypRegistrieren(QString(), QStringLiteral("/x/figuro"), false).isEmpty());
}
