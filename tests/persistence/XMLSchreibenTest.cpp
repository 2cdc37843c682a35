// The writer's exact bytes and the round trip through a file.
#include "persistence/XMLDOM.h"

#include "model/Farbe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "Drucken.h"

#include <gtest/gtest.h>

namespace {
const QByteArray Kopf = "<?xml version = \"1.0\" ?>\r\n";

QByteArray Lesen(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return "<nicht lesbar>";
    return f.readAll();
}
} // namespace

TEST(XMLSchreiben, OhneWurzelNurDieDeklarationLeereWurzelInZweiZeilen)
{
    TXMLDOM dom;
    EXPECT_EQ(dom.AlsBytes(), Kopf);
    dom.NeueWurzel()->Name = QStringLiteral("DOKUMENT");
    EXPECT_EQ(dom.AlsBytes(), Kopf + "<DOKUMENT >\r\n</DOKUMENT>\r\n");
}

TEST(XMLSchreiben, AttributeUndKinderInEinfuegereihenfolge)
{
    TXMLDOM dom;
    TXMLKnoten *w = dom.NeueWurzel();
    w->Name = QStringLiteral("DOKUMENT");
    w->TextHinzufuegen(QStringLiteral("Name"), QStringLiteral("dokument1"));
    TXMLKnoten *k = dom.NeuesKind(w);
    k->Name = QStringLiteral("RECHTECK");
    k->FarbeHinzufuegen(QStringLiteral("Füllfarbe"), TFarbe::Echt(FarbWert(255, 0, 0)));
    k->ZahlHinzufuegen(QStringLiteral("Linienstärke"), 0.05);
    k->GanzzahlHinzufuegen(QStringLiteral("Eckenanzahl"), -5);
    TXMLKnoten *leer = dom.NeuesKind(w);
    leer->Name = QStringLiteral("KLASSENVERZEICHNIS");
    // Attributes added after the children are still written first.
    w->WahrheitswertHinzufuegen(QStringLiteral("ObjektdiagrammZusammengefaltet"), false);

    const QByteArray erwartet = Kopf +
                                "<DOKUMENT Name = \"dokument1\" ObjektdiagrammZusammengefaltet = \"falsch\" >\r\n"
                                "<RECHTECK F\xfcllfarbe = \"Farbe rot\" Linienst\xe4rke = \"0.05\" Eckenanzahl = \"-5\" >\r\n"
                                "</RECHTECK>\r\n"
                                "<KLASSENVERZEICHNIS >\r\n"
                                "</KLASSENVERZEICHNIS>\r\n"
                                "</DOKUMENT>\r\n";
    EXPECT_EQ(dom.AlsBytes(), erwartet);
}

TEST(XMLSchreiben, WerteWerdenMaskiert)
{
    TXMLDOM dom;
    TXMLKnoten *w = dom.NeueWurzel();
    w->Name = QStringLiteral("T");
    w->TextHinzufuegen(QStringLiteral("Text"), QStringLiteral("a\r\nb\"c#d<e>f&g'h"));
    w->TextHinzufuegen(QStringLiteral("U"), QStringLiteral("Grüße €"));
    EXPECT_EQ(dom.AlsBytes(), Kopf + "<T Text = \"a#13 #10 b#34 c#35 d<e>f&g'h\" U = \"Gr\xfc\xdf"
                                     "e \x80\" >\r\n</T>\r\n");
}

TEST(XMLSchreiben, UndLesenErgibtDenselbenBaum)
{
    TXMLDOM dom;
    TXMLKnoten *w = dom.NeueWurzel();
    w->Name = QStringLiteral("DOKUMENT");
    const QString heikel = QStringLiteral("Zeile 1\r\nZeile 2\n\"zitiert\" #3 <b> \t Ende");
    w->TextHinzufuegen(QStringLiteral("Text"), heikel);
    QString alles;
    for (int c = 1; c < 256; ++c)
        alles.append(QChar(c >= 0x80 && c <= 0x9F ? QChar(u'x') : QChar(c)));
    w->TextHinzufuegen(QStringLiteral("Alles"), alles);
    w->TextHinzufuegen(QStringLiteral("Null"), QString(QChar(0)) + QStringLiteral("x"));
    TXMLKnoten *g = dom.NeuesKind(w);
    g->Name = QStringLiteral("GRUPPE");
    TXMLKnoten *r = dom.NeuesKind(g);
    r->Name = QStringLiteral("RECHTECK");
    r->ZahlHinzufuegen(QStringLiteral("MitteX"), -1.0 / 3.0);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath(QStringLiteral("rund.fgo"));
    QString fehler = QStringLiteral("x");
    ASSERT_TRUE(dom.SpeichernInDatei(pfad, fehler));
    EXPECT_TRUE(fehler.isEmpty());
    const QByteArray bytes = Lesen(pfad);
    EXPECT_EQ(bytes, dom.AlsBytes());
    EXPECT_FALSE(bytes.contains('\0'));
    // No raw line break inside the value: exactly one CR LF per line.
    EXPECT_EQ(bytes.count("\r\n"), 1 + 2 * 3);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));

    TXMLDOM zurueck;
    ASSERT_TRUE(zurueck.LadenAusDatei(pfad, fehler)) << fehler.toStdString();
    TXMLKnoten *w2 = zurueck.Wurzel();
    EXPECT_EQ(w2->AttributSuchen(QStringLiteral("Text"))->Wert, heikel);
    EXPECT_EQ(w2->AttributSuchen(QStringLiteral("Alles"))->Wert, alles);
    EXPECT_EQ(w2->AttributSuchen(QStringLiteral("Null"))->Wert, QString(QChar(0)) + QStringLiteral("x"));
    ASSERT_EQ(w2->KindAnzahl(), 1);
    ASSERT_EQ(w2->Kind(0)->KindAnzahl(), 1);
    EXPECT_EQ(w2->Kind(0)->Kind(0)->AttributSuchen(QStringLiteral("MitteX"))->AlsZahl(), -0.333333333333333);
}

TEST(XMLSchreiben, SpeichernErsetztDieAlteDateiOhneReste)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath(QStringLiteral("z.fgo"));
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alter Inhalt, viel laenger als der neue ..................................");
    }
    TXMLDOM dom;
    dom.NeueWurzel()->Name = QStringLiteral("A");
    QString fehler;
    ASSERT_TRUE(dom.SpeichernInDatei(pfad, fehler));
    EXPECT_EQ(Lesen(pfad), Kopf + "<A >\r\n</A>\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("z.fgo")});
}

TEST(XMLSchreiben, FehlerBeimSchreibenLaesstAllesStehen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TXMLDOM dom;
    dom.NeueWurzel()->Name = QStringLiteral("A");
    QString fehler;

    EXPECT_FALSE(dom.SpeichernInDatei(QString(), fehler));
    EXPECT_EQ(fehler, QStringLiteral("Fehler beim Öffnend er Datei."));

    EXPECT_FALSE(dom.SpeichernInDatei(dir.filePath(QStringLiteral("fehlt/x.fgo")), fehler));
    EXPECT_EQ(fehler, QStringLiteral("Fehler beim Öffnend er Datei."));

    // A folder in the way of the file stays a folder with its content.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("ordner.fgo/inhalt")));
    fehler.clear();
    EXPECT_FALSE(dom.SpeichernInDatei(dir.filePath(QStringLiteral("ordner.fgo")), fehler));
    EXPECT_EQ(fehler, QStringLiteral("Fehler beim Öffnend er Datei."));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("ordner.fgo/inhalt"))).exists());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("ordner.fgo")});
}

// A null attribute is ignored, the first of two equal names is found, a
// second root replaces the first.
TEST(XMLSchreiben, KnotenVerwaltung)
{
    TXMLKnoten k(QStringLiteral("K"));
    k.AttributHinzufuegen(nullptr);
    k.TextHinzufuegen(QStringLiteral("A"), QStringLiteral("2"));
    k.KindHinzufuegen(std::make_unique<TXMLKnoten>(QStringLiteral("x")));
    k.KindHinzufuegen(std::make_unique<TXMLKnoten>(QStringLiteral("x")));
    EXPECT_EQ(k.AttributAnzahl(), 1);
    EXPECT_EQ(k.KindSuchen(QStringLiteral("x")), k.Kind(0));
    k.Leeren();
    EXPECT_EQ(k.AttributAnzahl() + k.KindAnzahl(), 0);
    EXPECT_EQ(k.Name, QStringLiteral("K"));

    TXMLDOM dom;
    dom.NeueWurzel()->Name = QStringLiteral("erste");
    TXMLKnoten *zweite = dom.NeueWurzel();
    EXPECT_EQ(dom.Wurzel(), zweite);
    EXPECT_TRUE(zweite->Name.isEmpty());
}
