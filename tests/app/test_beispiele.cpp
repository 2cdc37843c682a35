// Every example drawing loads, is stored as Figuro writes it, and its script
// of method calls runs through figuro-konsole without an error line.
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/Dokumentdatei.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QStringList beispiele()
{
    QDir ordner(QStringLiteral(FIGURO_SOURCE_DIR "/beispiele"));
    return ordner.entryList({QStringLiteral("*.fgo")}, QDir::Files, QDir::Name);
}

QString pfad(const QString &name)
{
    return QStringLiteral(FIGURO_SOURCE_DIR "/beispiele/") + name;
}

} // namespace

TEST(Beispiele, MindestensSechsMitSkript)
{
    const QStringList dateien = beispiele();
    EXPECT_GE(dateien.size(), 6);
    for (const QString &datei : dateien) {
        const QString skript = pfad(datei.chopped(4) + QStringLiteral(".txt"));
        EXPECT_TRUE(QFile::exists(skript)) << skript.toStdString();
    }
}

TEST(Beispiele, SkripteLaufenOhneFehler)
{
    const QString konsole = QStringLiteral(FIGURO_BINARY_DIR "/src/figuro-konsole");
    ASSERT_TRUE(QFile::exists(konsole));
    for (const QString &datei : beispiele()) {
        QProcess prozess;
        prozess.start(konsole, {QStringLiteral("-o"), pfad(datei),
                                pfad(datei.chopped(4) + QStringLiteral(".txt"))});
        ASSERT_TRUE(prozess.waitForFinished(30000)) << datei.toStdString();
        const QString ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
        EXPECT_EQ(prozess.exitCode(), 0) << datei.toStdString() << "\n"
                                         << ausgabe.toStdString()
                                         << prozess.readAllStandardError().toStdString();
        EXPECT_FALSE(ausgabe.contains(QStringLiteral("Zeile "))) << ausgabe.toStdString();
        // Every script changes something, so the log is not empty.
        EXPECT_FALSE(ausgabe.trimmed().isEmpty()) << datei.toStdString();
    }
}

TEST(Beispiele, GesperrteObjekteBleibenGesperrt)
{
    TAnalysator analysator;
    TDokument dokument(&analysator);
    TKlassenObjekte klassen(&analysator, &dokument);
    analysator.Angehalten = true;
    QString meldung;
    bool mitPasswort = true;
    ASSERT_TRUE(DokumentOeffnen(pfad(QStringLiteral("gesperrt.fgo")), dokument, klassen, meldung,
                                &mitPasswort))
        << meldung.toStdString();
    TObjekt *rahmen = dokument.FindeObjekt(QStringLiteral("re0"));
    ASSERT_NE(rahmen, nullptr);
    EXPECT_EQ(rahmen->MausGesperrt, 1);
    EXPECT_EQ(rahmen->TastaturGesperrt, 1);
    EXPECT_EQ(dokument.FindeObjekt(QStringLiteral("el0"))->MausGesperrt, 0);
    EXPECT_TRUE(dokument.Passwort.isEmpty());
    EXPECT_FALSE(mitPasswort);
    EXPECT_EQ(klassen.RECHTECK->Zaehler, 2);
}

// The examples are written as Figuro writes them: opening one and saving it
// unchanged gives the same bytes.
TEST(Beispiele, OeffnenUndUnveraendertSpeichernGibtDieselbenBytes)
{
    for (const QString &datei : beispiele()) {
        SCOPED_TRACE(datei.toStdString());
        TAnalysator analysator;
        TDokument dokument(&analysator);
        TKlassenObjekte klassen(&analysator, &dokument);
        analysator.Angehalten = true;
        QFile f(pfad(datei));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QString meldung;
        ASSERT_TRUE(DokumentOeffnen(pfad(datei), dokument, klassen, meldung, nullptr)) << meldung.toStdString();
        const QByteArray gespeichert = DokumentAlsBytes(dokument, klassen);
        EXPECT_EQ(gespeichert.size(), bytes.size());
        EXPECT_TRUE(gespeichert == bytes) << "first difference at byte "
                                          << std::distance(bytes.begin(),
                                                           std::mismatch(bytes.begin(), bytes.end(),
                                                                         gespeichert.begin(), gespeichert.end())
                                                               .first);
    }
}
