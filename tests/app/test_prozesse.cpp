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

QByteArray lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes saving haus.fgo after the change would write.
QByteArray geaendert(const QString &haus)
{
    TArbeitsbereich ab;
    QString meldung;
    EXPECT_TRUE(DokumentOeffnen(haus, ab.Dokument(), ab.Klassen(), meldung)) << meldung.toStdString();
    EXPECT_TRUE(ab.AufrufAusfuehren(Aenderung, int(Aenderung.size()), nullptr).Ausgefuehrt);
    return DokumentAlsBytes(ab.Dokument(), ab.Klassen());
}

struct Wiederherstellung : ::testing::Test {
    QTemporaryDir tmp;
    QString daten, haus, kopien;

    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        daten = tmp.filePath(QStringLiteral("daten"));
        haus = tmp.filePath(QStringLiteral("haus.fgo"));
        kopien = daten + QStringLiteral("/Figuro/wiederherstellung");
        ASSERT_TRUE(QFile::copy(QStringLiteral(FIGURO_SOURCE_DIR "/beispiele/haus.fgo"), haus));
        QFile::setPermissions(haus, QFile::ReadOwner | QFile::WriteOwner);
    }

    // The program with an empty data folder of this test, no splash, the
    // answer to the start question and the driver's steps.
    std::unique_ptr<QProcess> starten(const QString &antwort, const QString &schritte, const QStringList &argumente)
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), daten);
        umgebung.insert(QStringLiteral("FIGURO_OHNE_SPLASH"), QStringLiteral("1"));
        umgebung.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(FIGURO_TREIBER_PFAD));
        umgebung.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("figurotreiber"));
        umgebung.insert(QStringLiteral("FIGURO_TREIBER"), schritte);
        umgebung.insert(QStringLiteral("FIGURO_WIEDERHERSTELLEN"), antwort);
        p->setProcessEnvironment(umgebung);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(QStringLiteral(FIGURO_BINARY_DIR "/src/figuro"), argumente);
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }

    QStringList kopieListe() const
    {
        return QDir(kopien).entryList({QStringLiteral("*.fgo")}, QDir::Files);
    }

    // Waits until `anzahl` copies exist, each with exactly the bytes given
    // (when given).
    bool kopienAbwarten(qsizetype anzahl, const QByteArray &bytes = {})
    {
        QDeadlineTimer frist(30000);
        while (!frist.hasExpired()) {
            const QStringList liste = kopieListe();
            bool fertig = liste.size() == anzahl;
            for (const QString &k : liste)
                fertig = fertig && (bytes.isEmpty() || lesen(kopien + QLatin1Char('/') + k) == bytes);
            if (fertig)
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    // Started on haus.fgo, changed by a typed call, killed once its copy
    // holds the change.
    void aendernUndAbschiessen(const QByteArray &erwartet)
    {
        auto p = starten(QStringLiteral("nein"), QStringLiteral("tippen:") + Aenderung, {haus});
        ASSERT_TRUE(kopienAbwarten(1, erwartet)) << p->readAll().toStdString();
        p->kill();
        ASSERT_TRUE(p->waitForFinished(10000));
    }

    void laufenBisEnde(QProcess &p)
    {
        ASSERT_TRUE(p.waitForFinished(30000)) << p.readAll().toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
    }
};

} // namespace

TEST_F(Wiederherstellung, NachSigkillJaSpeichertDieAenderungNeinVerwirftSie)
{
    const QByteArray vorher = lesen(haus), erwartet = geaendert(haus);
    ASSERT_NE(vorher, erwartet);
    aendernUndAbschiessen(erwartet);
    EXPECT_EQ(lesen(haus), vorher); // the copy never touches the pupil's file

    // "Ja": the drawing comes back under its own name, so "Speichern" writes
    // haus.fgo. Another file on the command line is not opened over it.
    {
        auto p = starten(QStringLiteral("ja"), QStringLiteral("ASpeichern;beenden"),
                         {QStringLiteral(FIGURO_SOURCE_DIR "/beispiele/baum.fgo")});
        laufenBisEnde(*p);
    }
    EXPECT_EQ(lesen(haus), erwartet);
    EXPECT_TRUE(kopieListe().isEmpty()) << kopieListe().join(u' ').toStdString();

    // "Nein": the copy is gone and the file stays as it was.
    aendernUndAbschiessen({});
    const QByteArray gespeichert = lesen(haus);
    {
        auto p = starten(QStringLiteral("nein"), QStringLiteral("beenden"), {});
        laufenBisEnde(*p);
    }
    EXPECT_TRUE(kopieListe().isEmpty()) << kopieListe().join(u' ').toStdString();
    EXPECT_EQ(lesen(haus), gespeichert);
}

TEST_F(Wiederherstellung, ZweiLaufendeFigurosHabenZweiKopien)
{
    std::vector<std::unique_ptr<QProcess>> laeufe;
    for (int i = 0; i < 2; ++i)
        laeufe.push_back(starten(QStringLiteral("nein"), QStringLiteral("tippen:") + Aenderung, {haus}));
    const QByteArray erwartet = geaendert(haus);
    ASSERT_TRUE(kopienAbwarten(2, erwartet));
    for (auto &p : laeufe) {
        p->kill();
        ASSERT_TRUE(p->waitForFinished(10000));
    }
    // Each start offers (and here drops) one copy left behind.
    for (qsizetype uebrig : {1, 0}) {
        auto p = starten(QStringLiteral("nein"), QStringLiteral("beenden"), {});
        laufenBisEnde(*p);
        EXPECT_EQ(kopieListe().size(), uebrig);
    }
}

TEST(Speichern, InDenOrdnerEinerLehrkraftAlsSchueler)
{
    // As root every folder is writable: the saving program then runs as the
    // user "nobody".
    QStringList vorne;
    const bool root = ::geteuid() == 0;
    if (root) {
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            GTEST_SKIP() << "Der Test läuft als root, und setpriv fehlt, um als nobody zu speichern.";
        vorne = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                 QStringLiteral(FIGURO_BINARY_DIR "/src/figuro-konsole")};
    }
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QFile::setPermissions(tmp.path(), QFileDevice::Permissions(0x7555)); // everyone may look in
    const QString skript = tmp.filePath(QStringLiteral("skript.txt"));
    {
        QFile f(skript);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Aenderung.toUtf8() + "\n");
    }
    const QString vorlage = QStringLiteral(FIGURO_SOURCE_DIR "/beispiele/haus.fgo");
    const QByteArray vorher = lesen(vorlage), erwartet = geaendert(vorlage);
    const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                    QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    const auto nurLesen = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto ordnerLesen = nurLesen | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const auto ordnerAlle = ordnerLesen | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

    const struct {
        const char *fall;
        QFileDevice::Permissions ordner, datei;
        bool zweiterLink;
        bool gelingt;
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
        ASSERT_TRUE(QDir().mkpath(ordner));
        const QString datei = ordner + QStringLiteral("/haus.fgo"), link = ordner + QStringLiteral("/link.fgo");
        ASSERT_TRUE(QFile::copy(vorlage, datei));
        ASSERT_TRUE(QFile::setPermissions(datei, f.datei));
        if (f.zweiterLink) {
            ASSERT_EQ(::link(QFile::encodeName(datei).constData(), QFile::encodeName(link).constData()), 0);
        }
        ASSERT_TRUE(QFile::setPermissions(ordner, f.ordner));
        struct stat alt {};
        ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &alt), 0);

        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        const QStringList argumente = vorne + QStringList{QStringLiteral("-o"), datei, QStringLiteral("-s"), datei, skript};
        p.start(root ? QStringLiteral("setpriv") : QStringLiteral(FIGURO_BINARY_DIR "/src/figuro-konsole"),
                argumente);
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString ausgabe = QString::fromUtf8(p.readAll());
        QFile::setPermissions(ordner, ordnerAlle); // so that the folder can be removed
        EXPECT_EQ(p.exitCode() == 0, f.gelingt) << ausgabe.toStdString();
        EXPECT_EQ(ausgabe.contains(QStringLiteral("Fehler beim Öffnend er Datei.")), !f.gelingt)
            << ausgabe.toStdString();
        EXPECT_EQ(lesen(datei), f.gelingt ? erwartet : vorher);
        struct stat neu {};
        ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &neu), 0);
        // The same file, overwritten in place: links, owner and rights stay.
        EXPECT_EQ(neu.st_ino, alt.st_ino);
        EXPECT_EQ(neu.st_uid, alt.st_uid);
        EXPECT_EQ(neu.st_mode, alt.st_mode);
        if (f.zweiterLink) {
            EXPECT_EQ(lesen(link), erwartet);
        }
    }
}
