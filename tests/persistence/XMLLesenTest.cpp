// The reader of Figuro's XML subset: character rules, escapes, every syntax
// message, and that a failed load leaves no tree behind.
#include "persistence/XMLDOM.h"

#include <QTemporaryDir>
#include "Drucken.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Kopf = "<?xml version = \"1.0\" ?>\r\n";

struct Ergebnis {
    bool ok;
    QString fehler;
};

Ergebnis Laden(TXMLDOM &dom, const QByteArray &bytes)
{
    QString fehler = QStringLiteral("unberührt");
    const bool ok = dom.LadenAusBytes(bytes, fehler);
    return {ok, fehler};
}

// Loads the declaration plus body and returns the error text.
QString Fehler(const QByteArray &body)
{
    TXMLDOM dom;
    const Ergebnis e = Laden(dom, Kopf + body);
    EXPECT_FALSE(e.ok) << body.constData();
    EXPECT_EQ(dom.Wurzel(), nullptr) << body.constData();
    return e.fehler;
}

// Loads a root with one attribute "a" and returns its value.
QString WertVon(const QByteArray &wertImFile)
{
    TXMLDOM dom;
    const Ergebnis e = Laden(dom, Kopf + "<X a = \"" + wertImFile + "\" ></X>");
    EXPECT_TRUE(e.ok) << e.fehler.toStdString();
    if (!dom.Wurzel() || !dom.Wurzel()->AttributSuchen(QStringLiteral("a")))
        return QStringLiteral("<fehlt>");
    return dom.Wurzel()->AttributSuchen(QStringLiteral("a"))->Wert;
}

} // namespace

TEST(XMLLesen, LiestDenBaumMitKopfUndAttributen)
{
    TXMLDOM dom;
    const Ergebnis e = Laden(dom, Kopf +
                                      "<DOKUMENT Name = \"dokument1\" >\r\n"
                                      "<RECHTECK Name = \"re0\" Breite = \"2\" >\r\n"
                                      "</RECHTECK>\r\n"
                                      "<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"1\" >\r\n"
                                      "</KLASSENVERZEICHNIS>\r\n"
                                      "</DOKUMENT>\r\n");
    ASSERT_TRUE(e.ok);
    EXPECT_TRUE(e.fehler.isEmpty());
    EXPECT_EQ(dom.Kopf().Name, QStringLiteral("xml"));
    ASSERT_EQ(dom.Kopf().AttributAnzahl(), 1);
    EXPECT_EQ(dom.Kopf().Attribut(0)->Name, QStringLiteral("version"));
    EXPECT_EQ(dom.Kopf().Attribut(0)->Wert, QStringLiteral("1.0"));

    TXMLKnoten *w = dom.Wurzel();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Name, QStringLiteral("DOKUMENT"));
    ASSERT_EQ(w->KindAnzahl(), 2);
    EXPECT_EQ(w->Kind(0)->Name, QStringLiteral("RECHTECK"));
    EXPECT_EQ(w->Kind(0)->AttributAnzahl(), 2);
    EXPECT_EQ(w->Kind(0)->Attribut(1)->Name, QStringLiteral("Breite"));
    EXPECT_EQ(w->Kind(0)->Attribut(1)->Wert, QStringLiteral("2"));
    // Windows-1252: the ä of "zähler" is the byte E4.
    TXMLKnoten *kv = w->KindSuchen(QStringLiteral("KLASSENVERZEICHNIS"));
    ASSERT_NE(kv, nullptr);
    EXPECT_NE(kv->AttributSuchen(QStringLiteral("RECHTECKzähler")), nullptr);
    EXPECT_EQ(w->KindSuchen(QStringLiteral("rechteck")), nullptr); // case-sensitive
}

TEST(XMLLesen, EscapesLiefernDenCodeModulo256)
{
    EXPECT_EQ(WertVon("#65 "), QStringLiteral("A"));
    EXPECT_EQ(WertVon("#321 "), QStringLiteral("A"));
    EXPECT_EQ(WertVon("x#65 y"), QStringLiteral("xAy"));
    EXPECT_EQ(WertVon("#13 #10 "), QStringLiteral("\r\n"));
    EXPECT_EQ(WertVon("#34 #35 "), QStringLiteral("\"#"));
    EXPECT_EQ(WertVon("#228 "), QStringLiteral("ä"));
    EXPECT_EQ(WertVon("#128 "), QStringLiteral("€")); // Windows-1252, not Latin-1
    EXPECT_EQ(WertVon("#0 "), QString(QChar(0)));
    // The blank after the digits is consumed, a second one is kept.
    EXPECT_EQ(WertVon("#66  z"), QStringLiteral("B z"));
}

TEST(XMLLesen, UngueltigeEscapesMeldenDieZahl)
{
    EXPECT_EQ(Fehler("<X a = \"#6x5 \" ></X>"), QStringLiteral("Ungültige Zahl: 6x5"));
    EXPECT_EQ(Fehler("<X a = \"# \" ></X>"), QStringLiteral("Ungültige Zahl: "));
    // No blank before the closing quote: the quote belongs to the digits.
    EXPECT_EQ(Fehler("<X a = \"#65\" ></X>"), QStringLiteral("Ungültige Zahl: 65\""));
    EXPECT_EQ(Fehler("<X a = \"#99999999999 \" ></X>"), QStringLiteral("Ungültige Zahl: 99999999999"));
    // End of input inside an escape.
    EXPECT_EQ(Fehler("<X a = \"#65"), QStringLiteral("Unerwartetes Dateiende."));
}

TEST(XMLLesen, SonderzeichenImWertBleibenErhalten)
{
    EXPECT_EQ(WertVon("a<b>c&d'e=f/g?h"), QStringLiteral("a<b>c&d'e=f/g?h"));
    EXPECT_EQ(WertVon(""), QString());
    EXPECT_EQ(WertVon("\xe4\xf6\xfc\xdf\x80"), QStringLiteral("äöüß€"));
    // A raw line end inside a value reads as blanks; a tab stays a tab.
    EXPECT_EQ(WertVon("x\r\ny\tz"), QStringLiteral("x  y\tz"));
}

TEST(XMLLesen, ZeilenendenTrennenWieLeerzeichen)
{
    TXMLDOM dom;
    const Ergebnis e = Laden(dom, "\r\n  <?xml\nversion\r\n=\n\"1.0\"\n?>\n<A\r\nb\n=\n\"1\"\n>\n<B\n/>\n</A\n>");
    ASSERT_TRUE(e.ok) << e.fehler.toStdString();
    EXPECT_EQ(dom.Wurzel()->Name, QStringLiteral("A"));
    EXPECT_EQ(dom.Wurzel()->AttributSuchen(QStringLiteral("b"))->Wert, QStringLiteral("1"));
    ASSERT_EQ(dom.Wurzel()->KindAnzahl(), 1);
    EXPECT_EQ(dom.Wurzel()->Kind(0)->Name, QStringLiteral("B"));
}

TEST(XMLLesen, TabulatorIstEinGewoehnlichesZeichen)
{
    TXMLDOM dom;
    // Blanks before a tag name are skipped like before any word.
    ASSERT_TRUE(Laden(dom, Kopf + "< A ></ A >").ok);
    EXPECT_EQ(dom.Wurzel()->Name, QStringLiteral("A"));
    ASSERT_TRUE(Laden(dom, Kopf + "<a\tb ></a\tb>").ok);
    EXPECT_EQ(dom.Wurzel()->Name, QStringLiteral("a\tb"));
}

TEST(XMLLesen, SelbstschliessendeElementeHabenKeineKinder)
{
    TXMLDOM dom;
    ASSERT_TRUE(Laden(dom, Kopf + "<A ><B x = \"1\" /><C/><D ?></A>").ok);
    ASSERT_EQ(dom.Wurzel()->KindAnzahl(), 3);
    EXPECT_EQ(dom.Wurzel()->Kind(0)->AttributAnzahl(), 1);
    EXPECT_EQ(dom.Wurzel()->Kind(0)->KindAnzahl(), 0);
    EXPECT_EQ(dom.Wurzel()->Kind(1)->Name, QStringLiteral("C"));
    EXPECT_EQ(dom.Wurzel()->Kind(2)->Name, QStringLiteral("D"));

    ASSERT_TRUE(Laden(dom, Kopf + "<A/>").ok);
    EXPECT_EQ(dom.Wurzel()->KindAnzahl(), 0);
}

TEST(XMLLesen, AllesNachDerWurzelWirdNichtGelesen)
{
    TXMLDOM dom;
    ASSERT_TRUE(Laden(dom, Kopf + "<A ></A> <<< Unsinn \"").ok);
    EXPECT_EQ(dom.Wurzel()->Name, QStringLiteral("A"));
}

TEST(XMLLesen, DoppelteAttributeFindenDasErste)
{
    TXMLDOM dom;
    ASSERT_TRUE(Laden(dom, Kopf + "<A x = \"1\" x = \"2\" ></A>").ok);
    EXPECT_EQ(dom.Wurzel()->AttributAnzahl(), 2);
    EXPECT_EQ(dom.Wurzel()->AttributSuchen(QStringLiteral("x"))->Wert, QStringLiteral("1"));
}

TEST(XMLLesen, JedeSyntaxmeldungWoertlich)
{
    TXMLDOM dom;
    EXPECT_EQ(Laden(dom, "").fehler, QStringLiteral("Unerwartetes Dateiende."));
    EXPECT_EQ(Laden(dom, " \r\n ").fehler, QStringLiteral("Unerwartetes Dateiende."));
    EXPECT_EQ(Laden(dom, "x").fehler, QStringLiteral("Falsches Zeichen: < erwartet."));
    EXPECT_EQ(Laden(dom, "<x").fehler, QStringLiteral("? erwartet."));
    EXPECT_EQ(Laden(dom, "<?xmi ?>").fehler, QStringLiteral("xml erwartet."));
    EXPECT_EQ(Laden(dom, "<?XML ?>").fehler, QStringLiteral("xml erwartet."));
    EXPECT_EQ(Laden(dom, "<?xml").fehler, QStringLiteral("Unerwartetes Dateiende."));
    EXPECT_EQ(Laden(dom, Kopf).fehler, QStringLiteral("Unerwartetes Dateiende."));

    EXPECT_EQ(Fehler("x"), QStringLiteral("< erwartet."));
    EXPECT_EQ(Fehler("<>"), QStringLiteral("Bezeichner erwartet."));
    EXPECT_EQ(Fehler("< >"), QStringLiteral("Bezeichner erwartet."));
    EXPECT_EQ(Fehler("<A ></>"), QStringLiteral("Bezeichner erwartet."));
    EXPECT_EQ(Fehler("<A b = 1 ></A>"), QStringLiteral("\" erwartet."));
    EXPECT_EQ(Fehler("<A b 1 ></A>"), QStringLiteral("= erwartet."));
    EXPECT_EQ(Fehler("<A b=\"1\" ></A>"), QStringLiteral("= erwartet.")); // "=" glued to the name
    EXPECT_EQ(Fehler("<A b =\"1\" ></A>"), QStringLiteral("= erwartet."));
    EXPECT_EQ(Fehler("<A / >"), QStringLiteral("> erwartet."));
    EXPECT_EQ(Fehler("<A ? >"), QStringLiteral("> erwartet."));
    EXPECT_EQ(Fehler("<A ></A x>"), QStringLiteral("> erwartet."));
    EXPECT_EQ(Fehler("<A ></B>"), QStringLiteral("Anfangstag(A) und Ende-Tag(B) stimmen nicht überein."));
    EXPECT_EQ(Fehler("<A ><B ></A></B>"), QStringLiteral("Anfangstag(B) und Ende-Tag(A) stimmen nicht überein."));
    EXPECT_EQ(Fehler("</A>"), QStringLiteral("Unerwartetes Dateiende.")); // end tag as root
    EXPECT_EQ(Fehler("<A b = \"1\" <"), QStringLiteral("Unerwartetes Dateiende."));
    EXPECT_EQ(Fehler("<A b = \"1"), QStringLiteral("Unerwartetes Dateiende."));
    EXPECT_EQ(Fehler("<A >"), QStringLiteral("Unerwartetes Dateiende."));
    EXPECT_EQ(Fehler("<A ><B >"), QStringLiteral("Unerwartetes Dateiende."));
}

TEST(XMLLesen, AbgeschnitteneDateienScheiternOhneSchleife)
{
    const QByteArray voll = Kopf +
                            "<DOKUMENT Name = \"dokument1\" Hintergrundfarbe = \"Farbe weiß\" >\r\n"
                            "<GRUPPE Name = \"gr0\" >\r\n"
                            "<RECHTECK Name = \"re0\" Text = \"a#13 #10 b\" >\r\n"
                            "</RECHTECK>\r\n"
                            "</GRUPPE>\r\n"
                            "</DOKUMENT>\r\n";
    const qsizetype ende = voll.lastIndexOf('>') + 1;
    for (qsizetype n = 0; n < ende; ++n) {
        TXMLDOM dom;
        const Ergebnis e = Laden(dom, voll.left(n));
        EXPECT_FALSE(e.ok) << n;
        EXPECT_FALSE(e.fehler.isEmpty()) << n;
        EXPECT_EQ(dom.Wurzel(), nullptr) << n;
        EXPECT_EQ(dom.Kopf().AttributAnzahl(), 0) << n;
        // Cut after a complete line inside the root: the end of the file.
        if (n > Kopf.size() && voll.at(n - 1) == '\n') {
            EXPECT_EQ(e.fehler, QStringLiteral("Unerwartetes Dateiende.")) << n;
        }
    }
    TXMLDOM dom;
    EXPECT_TRUE(Laden(dom, voll.left(ende)).ok);
}

TEST(XMLLesen, NullbyteBeendetDieEingabe)
{
    TXMLDOM dom;
    EXPECT_EQ(Laden(dom, Kopf + QByteArray("<A x = \"a\0b\" ></A>", 19)).fehler, QStringLiteral("Unerwartetes Dateiende."));
}

TEST(XMLLesen, TiefeVerschachtelungWirdAbgewiesen)
{
    const auto verschachtelt = [](int tiefe) {
        QByteArray b = Kopf;
        for (int i = 0; i < tiefe; ++i)
            b += "<G >";
        for (int i = 0; i < tiefe; ++i)
            b += "</G>";
        return b;
    };
    TXMLDOM dom;
    const Ergebnis erlaubt = Laden(dom, verschachtelt(TXMLDOM::MaxTiefe));
    EXPECT_TRUE(erlaubt.ok) << erlaubt.fehler.toStdString();
    int tiefe = 0;
    for (TXMLKnoten *k = dom.Wurzel(); k; k = k->KindAnzahl() ? k->Kind(0) : nullptr)
        ++tiefe;
    EXPECT_EQ(tiefe, TXMLDOM::MaxTiefe);

    EXPECT_EQ(Laden(dom, verschachtelt(TXMLDOM::MaxTiefe + 1)).fehler, QStringLiteral("Die Datei ist zu tief verschachtelt."));
    EXPECT_EQ(dom.Wurzel(), nullptr);

    // A hostile file with a million open tags neither overflows the stack
    // nor is read to its end.
    QByteArray boese = Kopf;
    boese.reserve(boese.size() + 4 * 1000000);
    for (int i = 0; i < 1000000; ++i)
        boese += "<G >";
    EXPECT_EQ(Laden(dom, boese).fehler, QStringLiteral("Die Datei ist zu tief verschachtelt."));
}

TEST(XMLLesen, FehlerpositionNenntZeileUndSpalte)
{
    TXMLDOM dom;
    QString fehler;
    EXPECT_FALSE(dom.LadenAusBytes(Kopf + "<A >\r\n<B x = 1 >\r\n</B></A>", fehler));
    EXPECT_EQ(fehler, QStringLiteral("\" erwartet."));
    EXPECT_EQ(dom.FehlerZeile(), 3);
    EXPECT_EQ(dom.FehlerSpalte(), 8);
    EXPECT_EQ(dom.FehlerMitPosition(fehler), QStringLiteral("\" erwartet. (Zeile 3, Spalte 8)"));

    EXPECT_TRUE(dom.LadenAusBytes(Kopf + "<A ></A>", fehler));
    EXPECT_EQ(dom.FehlerZeile(), 0);
}

TEST(XMLLesen, ErfolgreichesLadenErsetztDenAltenBaum)
{
    TXMLDOM dom;
    dom.NeueWurzel()->Name = QStringLiteral("ALT");
    ASSERT_TRUE(Laden(dom, Kopf + "<NEU ></NEU>").ok);
    EXPECT_EQ(dom.Wurzel()->Name, QStringLiteral("NEU"));
    EXPECT_FALSE(Laden(dom, Kopf + "<NEU >").ok);
    EXPECT_EQ(dom.Wurzel(), nullptr);
}

TEST(XMLLesen, DateifehlerAlsText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TXMLDOM dom;
    QString fehler;
    EXPECT_FALSE(dom.LadenAusDatei(dir.filePath(QStringLiteral("gibtsnicht.fgo")), fehler));
    EXPECT_EQ(fehler, QStringLiteral("Fehler beim Öffnen der Datei."));
    EXPECT_FALSE(dom.LadenAusDatei(QString(), fehler));
    EXPECT_EQ(fehler, QStringLiteral("Fehler beim Öffnen der Datei."));
    EXPECT_FALSE(dom.LadenAusDatei(dir.path(), fehler)); // a folder
    EXPECT_EQ(fehler, QStringLiteral("Fehler beim Öffnen der Datei."));
}
