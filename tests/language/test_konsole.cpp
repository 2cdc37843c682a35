// The console runner figuro-konsole: its output contract and exit status,
// run as a separate program.
#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct TLauf {
    int Status = -1;
    QByteArray Ausgabe;
    QByteArray Fehler;
};

TLauf starten(const QStringList &argumente, const QByteArray &eingabe = QByteArray())
{
    QProcess prozess;
    prozess.setProgram(QStringLiteral(FIGURO_BINARY_DIR "/src/figuro-konsole"));
    prozess.setArguments(argumente);
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

TEST_F(KonsoleTest, AllLinesRunGivesStatusZero)
{
    const TLauf lauf = starten({skript("dokument1.hintergrundfarbeSetzen(weiß)\nDOKUMENT1.ZEICHNEN()\n")});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Ausgabe, QByteArray("dokument1.hintergrundfarbeSetzen( weiß )\n"
                                       "dokument1.zeichnen(  )\n"));
}

TEST_F(KonsoleTest, ReadsStandardInputAndWindows1252Scripts)
{
    // "weiß" in Windows-1252: ß is the single byte 0xDF.
    const QByteArray zeile("dokument1.hintergrundfarbeSetzen(wei\xdf)\n");
    TLauf lauf = starten({}, zeile);
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Ausgabe, QByteArray("dokument1.hintergrundfarbeSetzen( weiß )\n"));

    lauf = starten({QStringLiteral("-")}, QByteArray("\n") + zeile);
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Ausgabe, QByteArray("dokument1.hintergrundfarbeSetzen( weiß )\n"));

    lauf = starten({skript(QByteArray("# Gr\xfc\xdf" "e\n") + zeile)});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Ausgabe, QByteArray("dokument1.hintergrundfarbeSetzen( weiß )\n"));

    // A UTF-8 script with a byte order mark.
    lauf = starten({skript("\xef\xbb\xbf" "dokument1.hintergrundfarbeSetzen(weiß)\n")});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Ausgabe, QByteArray("dokument1.hintergrundfarbeSetzen( weiß )\n"));
}

TEST_F(KonsoleTest, UsageErrorsAndMissingFilesGiveStatusTwo)
{
    TLauf lauf = starten({QStringLiteral("--unbekannt")});
    EXPECT_EQ(lauf.Status, 2);
    EXPECT_TRUE(lauf.Ausgabe.isEmpty());
    EXPECT_TRUE(lauf.Fehler.contains("Unbekannte Option: --unbekannt"));
    EXPECT_TRUE(lauf.Fehler.contains("Aufruf: figuro-konsole"));

    lauf = starten({QStringLiteral("-o")});
    EXPECT_EQ(lauf.Status, 2);
    EXPECT_TRUE(lauf.Fehler.contains("Nach -o fehlt der Dateiname."));

    lauf = starten({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    EXPECT_EQ(lauf.Status, 2);

    lauf = starten({verzeichnis.filePath(QStringLiteral("fehlt.txt"))});
    EXPECT_EQ(lauf.Status, 2);
    EXPECT_TRUE(QString::fromUtf8(lauf.Fehler).contains(QStringLiteral("kann nicht geöffnet werden.")));
    EXPECT_TRUE(lauf.Ausgabe.isEmpty());

    lauf = starten({QStringLiteral("--help")});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_TRUE(lauf.Ausgabe.startsWith("Aufruf: figuro-konsole"));
}

} // namespace
