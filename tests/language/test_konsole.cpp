// The console runner figuro-konsole: its output contract and exit status,
// run as a separate program.
#include "persistence/Dokumentdatei.h"
#include "sprach_hilfen.h"

#include <QtCore>

namespace
{

struct TLauf {
    int Status = -1;
    QByteArray Ausgabe;
    QByteArray Fehler;
};

TLauf starten(const QStringList &argumente, const QByteArray &eingabe = QByteArray(),
              const QProcessEnvironment &umgebung = QProcessEnvironment::systemEnvironment())
{
    QProcess prozess;
    prozess.setProgram(QStringLiteral(FIGURO_BINARY_DIR "/src/figuro-konsole"));
    prozess.setArguments(argumente);
    prozess.setProcessEnvironment(umgebung);
    prozess.start();
    EXPECT_TRUE(prozess.waitForStarted(10000));
    prozess.write(eingabe);
    prozess.closeWriteChannel();
    EXPECT_TRUE(prozess.waitForFinished(60000));
    TLauf lauf;
    lauf.Status = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    lauf.Ausgabe = prozess.readAllStandardOutput();
    lauf.Fehler = prozess.readAllStandardError();
    return lauf;
}

class KonsoleTest : public ::testing::Test
{
  protected:
    QString skript(const QByteArray &inhalt, const QString &name = QStringLiteral("skript.txt"))
    {
        const QString pfad = verzeichnis.filePath(name);
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        return pfad;
    }
    QTemporaryDir verzeichnis;
};

TEST_F(KonsoleTest, GoodAndBadLinesWithLineNumbersAndNesting)
{
    const QString pfad = skript("# Ein Skript\n"
                                "dokument1.hintergrundfarbeSetzen(gelb)\n"
                                "\n"
                                "dokument1.hintergrundfarbeSetzen(lila)\r\n"
                                "   dokument1.zeichnen()\n"
                                "  # eingerueckter Kommentar\n"
                                "re0.verschieben(1,1)\n"
                                "dokument1.einfügen()\n"
                                "dokument1. zeichnen()\n"
                                "dokument1.");
    const TLauf lauf = starten({pfad});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(QString::fromUtf8(lauf.Ausgabe),
              QStringLiteral("dokument1.hintergrundfarbeSetzen( gelb )\n"
                             "Zeile 4, Zeichen 34-38: Es gibt keine Farbe lila.\n"
                             "dokument1.zeichnen(  )\n"
                             "Zeile 7, Zeichen 1-3: re0 ist kein Bezeichner eines Objekts.\n"
                             "dokument1.einfügen(  )\n"
                             "Zeile 9, Zeichen 11-11: Methodenbezeichner erwartet. Ein Methodenbezeichner "
                             "beginnt mit einem Buchstaben oder _!\n"
                             "Zeile 10, Zeichen 11-11: Methodenbezeichner erwartet.\n"));
}

// Every line runs: status 0, from standard input or a file, in any encoding.
TEST_F(KonsoleTest, ReadsStandardInputAndWindows1252Scripts)
{
    // "weiß" in Windows-1252: ß is the single byte 0xDF.
    const QByteArray zeile("dokument1.hintergrundfarbeSetzen(wei\xdf)\n");
    const QByteArray weiss("dokument1.hintergrundfarbeSetzen( weiß )\n");
    const auto pruefen = [](const TLauf &lauf, const QByteArray &ausgabe) {
        EXPECT_EQ(std::tuple(lauf.Status, lauf.Ausgabe), std::tuple(0, ausgabe));
    };
    pruefen(starten({}, zeile), weiss);
    pruefen(starten({QStringLiteral("-")}, "\n" + zeile), weiss);
    pruefen(starten({skript("# Gr\xfc\xdf"
                            "e\n" +
                            zeile)}),
            weiss);
    // A UTF-8 script with a byte order mark; names in any case.
    pruefen(starten({skript("\xef\xbb\xbf"
                            "dokument1.hintergrundfarbeSetzen(weiß)\nDOKUMENT1.ZEICHNEN()\n")}),
            weiss + "dokument1.zeichnen(  )\n");
}

// Usage errors and files that cannot be opened or saved: status 2, a
// message on the error channel, nothing on the output.
TEST_F(KonsoleTest, UsageAndFileErrorsGiveStatusTwo)
{
    const QString kaputt = skript("<DOKUMENT", QStringLiteral("kaputt.fgo"));
    const struct {
        QStringList argumente;
        const char *fehler;
    } faelle[] = {
        {{QStringLiteral("--unbekannt")}, "Unbekannte Option: --unbekannt"},
        {{QStringLiteral("--unbekannt")}, "Aufruf: figuro-konsole"},
        {{QStringLiteral("-o")}, "Nach -o fehlt der Dateiname."},
        {{QStringLiteral("a.txt"), QStringLiteral("b.txt")}, ""},
        {{verzeichnis.filePath(QStringLiteral("fehlt.txt"))}, "kann nicht geöffnet werden."},
        {{QStringLiteral("-o"), verzeichnis.filePath(QStringLiteral("fehlt.fgo"))}, "kann nicht geöffnet werden"},
        {{QStringLiteral("-o"), kaputt}, ""},
        {{QStringLiteral("-s"), verzeichnis.filePath(QStringLiteral("gibtsnicht/x.fgo"))},
         "kann nicht gespeichert werden"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.argumente.join(u' ').toStdString());
        const TLauf lauf = starten(f.argumente);
        EXPECT_EQ(lauf.Status, 2);
        EXPECT_TRUE(lauf.Ausgabe.isEmpty());
        EXPECT_TRUE(QString::fromUtf8(lauf.Fehler).contains(QString::fromUtf8(f.fehler)));
    }
    const TLauf hilfe = starten({QStringLiteral("--help")});
    EXPECT_TRUE(hilfe.Status == 0 && hilfe.Ausgabe.startsWith("Aufruf: figuro-konsole"));
}

// Without XDG_RUNTIME_DIR Qt warns, but the output holds only the runner's lines
// and the error channel stays empty, unless FIGURO_QT_MELDUNGEN is set.
TEST_F(KonsoleTest, OutputHoldsOnlyTheRunnersOwnLines)
{
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    umgebung.remove(QStringLiteral("FIGURO_QT_MELDUNGEN"));
    const QStringList argumente = {QStringLiteral("--export"), verzeichnis.filePath(QStringLiteral("bild.svg"))};
    const QByteArray eingabe("dokument1.zeichnen()\nre0.verschieben(1,1)\n");
    const QByteArray eigeneZeilen("dokument1.zeichnen(  )\n"
                                  "Zeile 2, Zeichen 1-3: re0 ist kein Bezeichner eines Objekts.\n");
    TLauf lauf = starten(argumente, eingabe, umgebung);
    EXPECT_EQ(std::tuple(lauf.Status, lauf.Ausgabe, lauf.Fehler), std::tuple(1, eigeneZeilen, QByteArray()));
    QFile svg(verzeichnis.filePath(QStringLiteral("bild.svg"))); // the sheet in real centimetres, as vectors
    const QByteArray bild = svg.open(QIODevice::ReadOnly) ? svg.readAll() : QByteArray();
    EXPECT_TRUE(bild.contains("width=\"20.500cm\"") && !bild.contains("<image")) << bild.left(300).toStdString();

    umgebung.insert(QStringLiteral("FIGURO_QT_MELDUNGEN"), QStringLiteral("1"));
    lauf = starten(argumente, eingabe, umgebung);
    EXPECT_EQ(lauf.Ausgabe, eigeneZeilen);
    EXPECT_TRUE(lauf.Fehler.contains("XDG_RUNTIME_DIR not set")) << lauf.Fehler.toStdString();
}

// A drawing with re0 (locked against typed calls) and re1, saved to a file.
QString zeichnungSpeichern(const QString &pfad, const QString &passwort = QString())
{
    TArbeitsbereich ws;
    sprachtest::figurAnlegen(ws, QStringLiteral("RECHTECK"))->TastaturGesperrt = 1;
    sprachtest::figurAnlegen(ws, QStringLiteral("RECHTECK"));
    ws.Dokument().Passwort = passwort;
    QString meldung;
    EXPECT_TRUE(DokumentSpeichern(pfad, ws.Dokument(), ws.Klassen(), meldung)) << meldung.toStdString();
    return pfad;
}

TEST_F(KonsoleTest, OpensRunsAndSavesADocument)
{
    const QString quelle = zeichnungSpeichern(verzeichnis.filePath(QStringLiteral("a.fgo")));
    const QString ziel = verzeichnis.filePath(QStringLiteral("b.fgo"));
    const QString pfad = skript("re1.verschieben(2 cm, 0)\n"
                                "re0.verschieben(1,1)\n"
                                "re1.kopieren()\n"
                                "dokument1.einfügen()\n"
                                "re1.freigeben()\n");
    TLauf lauf = starten({QStringLiteral("-o"), quelle, QStringLiteral("-s"), ziel, pfad});
    EXPECT_EQ(lauf.Status, 1) << lauf.Fehler.toStdString();
    EXPECT_EQ(QString::fromUtf8(lauf.Ausgabe),
              QStringLiteral("re1.verschieben( 2.00 cm, 0.00 mm )\n"
                             "Zeile 2: Fehler beim Ausführen der Methode: Das Bearbeiten mit der Tastatur ist für "
                             "dieses Objekt gesperrt.\n"
                             "re1.kopieren(  )\n"
                             "dokument1.einfügen(  )\n"
                             "re2:RECHTECK\n"
                             "re1.freigeben()\n"));

    // The saved drawing holds the untouched re0 and the pasted re2.
    TArbeitsbereich ws;
    QString meldung;
    ASSERT_TRUE(DokumentOeffnen(ziel, ws.Dokument(), ws.Klassen(), meldung)) << meldung.toStdString();
    ASSERT_EQ(ws.Dokument().Teile.size(), 2u);
    EXPECT_EQ(ws.Dokument().Teile[0]->Name + ws.Dokument().Teile[1]->Name, QStringLiteral("re0re2"));
    EXPECT_EQ(ws.Dokument().Teile[0]->TastaturGesperrt, 1);

    // In teacher mode the lock does not apply.
    lauf = starten({QStringLiteral("--lehrermodus"), QStringLiteral("-o"), quelle}, "re0.verschieben(1,1)\n");
    EXPECT_EQ(std::tuple(lauf.Status, lauf.Ausgabe),
              std::tuple(0, QByteArray("re0.verschieben( 1.00 mm, 1.00 mm )\n")));
}

TEST_F(KonsoleTest, TeacherModeOfAProtectedDocumentNeedsThePassword)
{
    const QString quelle = zeichnungSpeichern(verzeichnis.filePath(QStringLiteral("p.fgo")), QStringLiteral("geheim"));
    TLauf lauf = starten({QStringLiteral("--lehrermodus"), QStringLiteral("-o"), quelle}, "re0.verschieben(1,1)\n");
    EXPECT_EQ(lauf.Status, 2);
    EXPECT_TRUE(lauf.Ausgabe.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(lauf.Fehler).contains(QStringLiteral("ist mit einem Passwort geschützt")));

    qputenv("FIGURO_PASSWORT", "geheim");
    lauf = starten({QStringLiteral("--lehrermodus"), QStringLiteral("-o"), quelle}, "re0.verschieben(1,1)\n");
    qunsetenv("FIGURO_PASSWORT");
    EXPECT_EQ(std::tuple(lauf.Status, lauf.Ausgabe),
              std::tuple(0, QByteArray("re0.verschieben( 1.00 mm, 1.00 mm )\n")));

    // Without teacher mode no password is needed; the lock applies.
    lauf = starten({QStringLiteral("-o"), quelle}, "re1.verschieben(1,1)\n");
    EXPECT_EQ(lauf.Status, 0);
}

} // namespace
