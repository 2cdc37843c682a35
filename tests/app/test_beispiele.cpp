// Every example drawing loads, is stored as Figuro writes it, and its script
// of method calls runs through figuro-konsole without an error line.
#include "figures/KlassenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "persistence/Dokumentdatei.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString pfad(const QString &name) { return QStringLiteral(FIGURO_SOURCE_DIR "/beispiele/") + name; }

QStringList beispiele() { return QDir(pfad({})).entryList({QStringLiteral("*.fgo")}, QDir::Files, QDir::Name); }

// A drawing opened without recording anything.
struct Geoeffnet {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};
    explicit Geoeffnet(const QString &datei)
    {
        analysator.Angehalten = true;
        QString meldung;
        EXPECT_TRUE(DokumentOeffnen(pfad(datei), dokument, klassen, meldung)) << meldung.toStdString();
    }
};

} // namespace

// At least six, each with its script; every script changes something, so the log is not empty.
TEST(Beispiele, SkripteLaufenOhneFehler)
{
    const QString konsole = QStringLiteral(FIGURO_BINARY_DIR "/src/figuro-konsole");
    ASSERT_TRUE(QFile::exists(konsole));
    EXPECT_GE(beispiele().size(), 6);
    for (const QString &datei : beispiele()) {
        SCOPED_TRACE(datei.toStdString());
        const QString skript = pfad(datei.chopped(4) + QStringLiteral(".txt"));
        EXPECT_TRUE(QFile::exists(skript));
        QProcess prozess;
        prozess.start(konsole, {QStringLiteral("-o"), pfad(datei), skript});
        ASSERT_TRUE(prozess.waitForFinished(30000));
        const QString ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
        EXPECT_EQ(prozess.exitCode(), 0) << ausgabe.toStdString() << prozess.readAllStandardError().toStdString();
        EXPECT_FALSE(ausgabe.contains(QStringLiteral("Zeile "))) << ausgabe.toStdString();
        EXPECT_FALSE(ausgabe.trimmed().isEmpty());
    }
}
// The examples are written as Figuro writes them: opening one and saving it
// unchanged gives the same bytes.
TEST(Beispiele, OeffnenUndUnveraendertSpeichernGibtDieselbenBytes)
{
    for (const QString &datei : beispiele()) {
        SCOPED_TRACE(datei.toStdString());
        QFile f(pfad(datei));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        Geoeffnet g(datei);
        const QByteArray gespeichert = DokumentAlsBytes(g.dokument, g.klassen);
        EXPECT_TRUE(gespeichert == bytes)
            << "first difference at byte "
            << std::mismatch(bytes.begin(), bytes.end(), gespeichert.begin(), gespeichert.end()).first - bytes.begin();
    }
}
