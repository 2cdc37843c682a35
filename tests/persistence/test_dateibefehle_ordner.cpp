// Where the open and save dialogs start, and a failed "Speichern unter ..."
// that must leave the document's name and caption alone.
#include "language/Arbeitsbereich.h"
#include "persistence/ui/DateiBefehle.h"
#include "window/ui/FMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DateiDialogOrdner, OrdnerDesDokumentsSonstEinVorhandenerOrdner)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString datei = ordner.filePath(QStringLiteral("haus.fgo"));
    EXPECT_EQ(TDateiBefehle::DialogOrdner(datei), QDir(ordner.path()).absolutePath());

    // A document whose folder has gone, or none at all: a folder that exists.
    const QString weg = ordner.filePath(QStringLiteral("fehlt/haus.fgo"));
    for (const QString &name : {weg, QString()}) {
        const QString start = TDateiBefehle::DialogOrdner(name);
        EXPECT_NE(start, QDir(ordner.filePath(QStringLiteral("fehlt"))).absolutePath());
        EXPECT_TRUE(QDir(start).exists()) << start.toStdString();
    }
}

TEST(DateiDialogOrdner, FehlgeschlagenesSpeichernBehaeltNamenUndTitel)
{
    TFMain fenster(false);
    TArbeitsbereich &ab = *fenster.Arbeitsbereich;
    TDateiBefehle &db = *fenster.DateiBefehle;
    QTemporaryDir ordner;
    QStringList meldungen;
    QString ziel = ordner.filePath(QStringLiteral("fehlt/zeichnung.fgo"));
    db.SpeichernDialog = [&ziel] { return ziel; };
    db.Melden = [&meldungen](const QString &titel, const QString &) { meldungen << titel; };
    ab.Geaendert = true;

    EXPECT_FALSE(db.DokumentSpeichern(true));
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Fehler:")});
    EXPECT_TRUE(ab.Dateiname.isEmpty());
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Figuro 1.4"));
    EXPECT_TRUE(ab.Geaendert);

    // The next try into a folder that exists succeeds and names the window.
    ziel = ordner.filePath(QStringLiteral("zeichnung.fgo"));
    EXPECT_TRUE(db.DokumentSpeichern(true));
    EXPECT_EQ(ab.Dateiname, ziel);
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Figuro 1.4: zeichnung.fgo"));
    EXPECT_FALSE(ab.Geaendert);
    EXPECT_TRUE(QFile::exists(ziel));
}
