// The recovery copy as a pupil meets it: figuro, driven through the input
// plugin in tests/app/treiber, is killed with SIGKILL after a change, and the
// next start restores the drawing (or drops it).
#include "language/Arbeitsbereich.h"
#include "persistence/Dokumentdatei.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Aenderung = QStringLiteral("re2.drehen(45)");
const QString Haus = QStringLiteral(FIGURO_SOURCE_DIR "/beispiele/haus.fgo");

QByteArray lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes saving haus.fgo after the change would write.
QByteArray geaendert()
{
    TArbeitsbereich ab;
    QString meldung;
    EXPECT_TRUE(DokumentOeffnen(Haus, ab.Dokument(), ab.Klassen(), meldung)) << meldung.toStdString();
    EXPECT_TRUE(ab.AufrufAusfuehren(Aenderung, int(Aenderung.size()), nullptr).Ausgefuehrt);
    return DokumentAlsBytes(ab.Dokument(), ab.Klassen());
}

struct Wiederherstellung : ::testing::Test {
    QTemporaryDir tmp;
    QString daten = tmp.filePath(QStringLiteral("daten")), haus = tmp.filePath(QStringLiteral("haus.fgo"));
    QString kopien = daten + QStringLiteral("/Figuro/wiederherstellung");
    const QByteArray erwartet = geaendert();

    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(Haus, haus));
        QFile::setPermissions(haus, QFile::ReadOwner | QFile::WriteOwner);
    }
    // The program with an empty data folder of this test, no splash, the
    // answer to the start question and the driver's steps.
    std::unique_ptr<QProcess> starten(const QString &antwort, const QString &schritte, const QStringList &argumente)
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const auto &[name, wert] : {std::pair{"QT_QPA_PLATFORM", QStringLiteral("offscreen")},
                                         {"XDG_DATA_HOME", daten},
                                         {"FIGURO_OHNE_SPLASH", QStringLiteral("1")},
                                         {"QT_PLUGIN_PATH", QStringLiteral(FIGURO_TREIBER_PFAD)},
                                         {"QT_QPA_GENERIC_PLUGINS", QStringLiteral("figurotreiber")},
                                         {"FIGURO_TREIBER", schritte},
                                         {"FIGURO_WIEDERHERSTELLEN", antwort}})
            umgebung.insert(QString::fromLatin1(name), wert);
        p->setProcessEnvironment(umgebung);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(QStringLiteral(FIGURO_BINARY_DIR "/src/figuro"), argumente);
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }
    QStringList kopieListe() const { return QDir(kopien).entryList({QStringLiteral("*.fgo")}, QDir::Files); }

    // Waits until there is one copy, with exactly the bytes given (if any).
    bool kopieAbwarten(const QByteArray &bytes)
    {
        for (QDeadlineTimer frist(30000); !frist.hasExpired(); QTest::qWait(100)) {
            const QStringList liste = kopieListe();
            if (liste.size() == 1 && (bytes.isEmpty() || lesen(kopien + QLatin1Char('/') + liste[0]) == bytes))
                return true;
        }
        return false;
    }
    // Started on haus.fgo and changed by a typed call, killed once the copy
    // holds the change.
    void aendernUndAbschiessen(const QByteArray &bytes)
    {
        auto p = starten(QStringLiteral("nein"), QStringLiteral("tippen:") + Aenderung, {haus});
        ASSERT_TRUE(kopieAbwarten(bytes)) << p->readAll().toStdString();
        p->kill();
        ASSERT_TRUE(p->waitForFinished(10000));
    }
    void laufenBisEnde(const QString &antwort, const QString &schritte, const QStringList &argumente = {})
    {
        auto p = starten(antwort, schritte, argumente);
        ASSERT_TRUE(p->waitForFinished(30000)) << p->readAll().toStdString();
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << p->readAll().toStdString();
    }
};

} // namespace

TEST_F(Wiederherstellung, NachSigkillJaSpeichertDieAenderungNeinVerwirftSie)
{
    const QByteArray vorher = lesen(haus);
    ASSERT_NE(vorher, erwartet);
    aendernUndAbschiessen(erwartet);
    EXPECT_EQ(lesen(haus), vorher); // the copy never touches the pupil's file

    // "Ja": the drawing comes back under its own name, so "Speichern" writes
    // haus.fgo. Another file on the command line is not opened over it.
    laufenBisEnde(QStringLiteral("ja"), QStringLiteral("ASpeichern;beenden"),
                  {QStringLiteral(FIGURO_SOURCE_DIR "/beispiele/baum.fgo")});
    EXPECT_EQ(lesen(haus), erwartet);
    EXPECT_TRUE(kopieListe().isEmpty()) << kopieListe().join(u' ').toStdString();

    // "Nein": the copy is gone and the file stays as it was.
    aendernUndAbschiessen({});
    const QByteArray gespeichert = lesen(haus);
    laufenBisEnde(QStringLiteral("nein"), QStringLiteral("beenden"));
    EXPECT_TRUE(kopieListe().isEmpty()) << kopieListe().join(u' ').toStdString();
    EXPECT_EQ(lesen(haus), gespeichert);
}