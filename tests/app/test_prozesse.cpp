// The real programs as processes. The recovery copy as a pupil meets it:
// figuro is killed with SIGKILL after a change, and the next start restores
// the drawing (or drops it); figuro is driven through the input plugin in
// tests/app/treiber with real key events and its own actions. And saving as
// an unprivileged user into a teacher's share (figuro-konsole -s).
#include "language/Arbeitsbereich.h"
#include "persistence/Dokumentdatei.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

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

    // Waits until `anzahl` copies exist, each with exactly the bytes given
    // (when given).
    bool kopienAbwarten(qsizetype anzahl, const QByteArray &bytes = {})
    {
        for (QDeadlineTimer frist(30000); !frist.hasExpired(); QTest::qWait(100)) {
            const QStringList liste = kopieListe();
            if (liste.size() == anzahl && std::all_of(liste.begin(), liste.end(), [&](const QString &k) {
                    return bytes.isEmpty() || lesen(kopien + QLatin1Char('/') + k) == bytes;
                }))
                return true;
        }
        return false;
    }
    // Started on haus.fgo and changed by a typed call (`anzahl` times at
    // once), killed once the copies hold the change.
    void aendernUndAbschiessen(const QByteArray &bytes, int anzahl = 1)
    {
        std::vector<std::unique_ptr<QProcess>> laeufe;
        for (int i = 0; i < anzahl; ++i)
            laeufe.push_back(starten(QStringLiteral("nein"), QStringLiteral("tippen:") + Aenderung, {haus}));
        ASSERT_TRUE(kopienAbwarten(anzahl, bytes)) << laeufe.front()->readAll().toStdString();
        for (auto &p : laeufe) {
            p->kill();
            ASSERT_TRUE(p->waitForFinished(10000));
        }
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

// Two running programs keep two copies; each start offers (and here drops)
// one copy left behind.
TEST_F(Wiederherstellung, ZweiLaufendeFigurosHabenZweiKopien)
{
    aendernUndAbschiessen(erwartet, 2);
    for (qsizetype uebrig : {1, 0}) {
        laufenBisEnde(QStringLiteral("nein"), QStringLiteral("beenden"));
        EXPECT_EQ(kopieListe().size(), uebrig);
    }
}

TEST(Speichern, InDenOrdnerEinerLehrkraftAlsSchueler)
{
    // As root every folder is writable: the saving program then runs as the
    // user "nobody".
    const QString konsole = QStringLiteral(FIGURO_BINARY_DIR "/src/figuro-konsole");
    QStringList vorne;
    const bool root = ::geteuid() == 0;
    if (root) {
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            GTEST_SKIP() << "Der Test läuft als root, und setpriv fehlt, um als nobody zu speichern.";
        vorne = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                 konsole};
    }
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QFile::setPermissions(tmp.path(), QFileDevice::Permissions(0x7555)); // everyone may look in
    QFile skript(tmp.filePath(QStringLiteral("skript.txt")));
    ASSERT_TRUE(skript.open(QIODevice::WriteOnly));
    skript.write(Aenderung.toUtf8() + "\n");
    skript.close();
    const QByteArray vorher = lesen(Haus), erwartet = geaendert();
    using P = QFileDevice;
    const auto nurLesen = P::ReadOwner | P::ReadGroup | P::ReadOther;
    const auto rw = nurLesen | P::WriteOwner | P::WriteGroup | P::WriteOther;
    const auto ordnerLesen = nurLesen | P::ExeOwner | P::ExeGroup | P::ExeOther;
    const auto ordnerAlle = ordnerLesen | P::WriteOwner | P::WriteGroup | P::WriteOther;

    const struct {
        const char *fall;
        QFileDevice::Permissions ordner, datei;
        bool zweiterLink, gelingt;
    } faelle[] = {
        // Before, the temporary file could not be made: "Fehler beim Öffnend er Datei."
        {"schreibgeschützter Ordner, beschreibbare Datei", ordnerLesen, rw, false, true},
        // Before, the rename cut the second link off (and made the saver the owner).
        {"Datei mit zweitem harten Link, fremder Besitzer", ordnerAlle, rw, true, true},
        {"schreibgeschützter Ordner und Datei", ordnerLesen, nurLesen, false, false},
    };
    int nr = 0;
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.fall);
        const QString ordner = tmp.filePath(QString::number(++nr));
        const QString datei = ordner + QStringLiteral("/haus.fgo"), link = ordner + QStringLiteral("/link.fgo");
        ASSERT_TRUE(QDir().mkpath(ordner) && QFile::copy(Haus, datei) && QFile::setPermissions(datei, f.datei));
        ASSERT_TRUE(!f.zweiterLink || ::link(QFile::encodeName(datei).constData(), QFile::encodeName(link).constData()) == 0);
        ASSERT_TRUE(QFile::setPermissions(ordner, f.ordner));
        struct stat alt {}, neu {};
        ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &alt), 0);

        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(root ? QStringLiteral("setpriv") : konsole,
                vorne + QStringList{QStringLiteral("-o"), datei, QStringLiteral("-s"), datei, skript.fileName()});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString ausgabe = QString::fromUtf8(p.readAll());
        QFile::setPermissions(ordner, ordnerAlle); // so that the folder can be removed
        EXPECT_EQ(p.exitCode() == 0, f.gelingt) << ausgabe.toStdString();
        EXPECT_EQ(ausgabe.contains(QStringLiteral("Fehler beim Öffnend er Datei.")), !f.gelingt)
            << ausgabe.toStdString();
        EXPECT_EQ(lesen(datei), f.gelingt ? erwartet : vorher);
        // The same file, overwritten in place: links, owner and rights stay.
        ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &neu), 0);
        EXPECT_EQ(std::tuple(neu.st_ino, neu.st_uid, neu.st_mode), std::tuple(alt.st_ino, alt.st_uid, alt.st_mode));
        EXPECT_TRUE(!f.zweiterLink || lesen(link) == erwartet);
    }
}
