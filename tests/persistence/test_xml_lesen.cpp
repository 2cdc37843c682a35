// The reader of Figuro's XML subset: character rules, escapes, every syntax
// message, and that a failed load leaves no tree behind.
#include "persistence/XMLDOM.h"

#include "druck_hilfen.h"
#include <QTemporaryDir>

#include <gtest/gtest.h>

#define KOPF "<?xml version = \"1.0\" ?>\r\n"

namespace
{

const QByteArray Kopf = KOPF;

// A tree as text: Name{attribute=value,...}(child child ...).
QString Text(const TXMLKnoten &k)
{
    QStringList attribute, kinder;
    for (int i = 0; i < k.AttributAnzahl(); ++i)
        attribute << k.Attribut(i)->Name + QLatin1Char('=') + k.Attribut(i)->Wert;
    for (int i = 0; i < k.KindAnzahl(); ++i)
        kinder << Text(*k.Kind(i));
    QString s = k.Name;
    if (!attribute.isEmpty())
        s += QLatin1Char('{') + attribute.join(QLatin1Char(',')) + QLatin1Char('}');
    if (!kinder.isEmpty())
        s += QLatin1Char('(') + kinder.join(QLatin1Char(' ')) + QLatin1Char(')');
    return s;
}

// Loads the bytes: the tree as text, or "Fehler: " and the message, in which
// case neither root nor declaration may be left behind.
QString Lesen(const QByteArray &bytes, TXMLDOM &&dom = TXMLDOM())
{
    QString fehler = QStringLiteral("unberührt");
    if (!dom.LadenAusBytes(bytes, fehler)) {
        EXPECT_EQ(dom.Wurzel(), nullptr);
        EXPECT_EQ(dom.Kopf().AttributAnzahl(), 0);
        return QStringLiteral("Fehler: ") + fehler;
    }
    EXPECT_TRUE(fehler.isEmpty());
    return dom.Wurzel() ? Text(*dom.Wurzel()) : QStringLiteral("<keine Wurzel>");
}

} // namespace

TEST(XMLLesen, FormenDerElementeUndWerte)
{
    const struct {
        QByteArray datei;
        const char *baum;
    } faelle[] = {
        // A file as Figuro writes it; names in Windows-1252 (ä is the byte E4).
        {KOPF "<DOKUMENT Name = \"dokument1\" >\r\n<RECHTECK Name = \"re0\" Breite = \"2\" "
              ">\r\n</RECHTECK>\r\n<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"1\" "
              ">\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n",
         "DOKUMENT{Name=dokument1}(RECHTECK{Name=re0,Breite=2} "
         "KLASSENVERZEICHNIS{RECHTECKzähler=1})"},
        // Line ends separate like blanks, before the declaration too.
        {"\r\n  <?xml\nversion\r\n=\n\"1.0\"\n?>\n<A\r\nb\n=\n\"1\"\n>\n<B\n/>\n</A\n>", "A{b=1}(B)"},
        // Blanks before a tag name are skipped like before any word; a tab
        // is an ordinary character.
        {KOPF "< A ></ A >", "A"},
        {KOPF "<a\tb ></a\tb>", "a\tb"},
        // Self-closing elements have no children.
        {KOPF "<A ><B x = \"1\" /><C/><D ?></A>", "A(B{x=1} C D)"},
        {KOPF "<A/>", "A"},
        // Everything after the root is not read.
        {KOPF "<A ></A> <<< Unsinn \"", "A"},
        {KOPF "<A x = \"1\" x = \"2\" ></A>", "A{x=1,x=2}"},
        // An escape is the code modulo 256 in Windows-1252 (not Latin-1); the blank after the
        // digits is consumed, a second one kept; a raw line end reads as blanks, a tab stays.
        {KOPF "<X a = \"#65 \" ></X>", "X{a=A}"},
        {KOPF "<X a = \"#321 \" ></X>", "X{a=A}"},
        {KOPF "<X a = \"x#65 y\" ></X>", "X{a=xAy}"},
        {KOPF "<X a = \"#13 #10 \" ></X>", "X{a=\r\n}"},
        {KOPF "<X a = \"#34 #35 \" ></X>", "X{a=\"#}"},
        {KOPF "<X a = \"#228 \" ></X>", "X{a=ä}"},
        {KOPF "<X a = \"#128 \" ></X>", "X{a=€}"},
        {KOPF "<X a = \"#66  z\" ></X>", "X{a=B z}"},
        {KOPF "<X a = \"a<b>c&d'e=f/g?h\" ></X>", "X{a=a<b>c&d'e=f/g?h}"},
        {KOPF "<X a = \"\" ></X>", "X{a=}"},
        {KOPF "<X a = \"\xe4\xf6\xfc\xdf\x80\" ></X>", "X{a=äöüß€}"},
        {KOPF "<X a = \"x\r\ny\tz\" ></X>", "X{a=x  y\tz}"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.datei.constData());
        EXPECT_EQ(Lesen(f.datei), QString::fromUtf8(f.baum));
    }
    EXPECT_EQ(Lesen(Kopf + "<X a = \"#0 \" ></X>"), QStringLiteral("X{a=") + QChar(0) + u'}');
    // Of two attributes with one name the first is found.
    TXMLDOM dom;
    QString fehler;
    ASSERT_TRUE(dom.LadenAusBytes(faelle[7].datei, fehler));
    EXPECT_EQ(dom.Wurzel()->AttributSuchen(QStringLiteral("x"))->Wert, QStringLiteral("1"));
}

TEST(XMLLesen, JedeSyntaxmeldungWoertlich)
{
    const struct {
        QByteArray datei;
        const char *meldung;
    } faelle[] = {
        {"", "Unerwartetes Dateiende."},
        {" \r\n ", "Unerwartetes Dateiende."},
        {"x", "Falsches Zeichen: < erwartet."},
        {"<x", "? erwartet."},
        {"<?xmi ?>", "xml erwartet."},
        {"<?XML ?>", "xml erwartet."},
        {"<?xml", "Unerwartetes Dateiende."},
        {KOPF, "Unerwartetes Dateiende."},
        {KOPF "x", "< erwartet."},
        {KOPF "<>", "Bezeichner erwartet."},
        {KOPF "< >", "Bezeichner erwartet."},
        {KOPF "<A ></>", "Bezeichner erwartet."},
        {KOPF "<A b = 1 ></A>", "\" erwartet."},
        {KOPF "<A b 1 ></A>", "= erwartet."},
        {KOPF "<A b=\"1\" ></A>", "= erwartet."}, // "=" glued to the name
        {KOPF "<A b =\"1\" ></A>", "= erwartet."},
        {KOPF "<A / >", "> erwartet."},
        {KOPF "<A ? >", "> erwartet."},
        {KOPF "<A ></A x>", "> erwartet."},
        {KOPF "<A ></B>", "Anfangstag(A) und Ende-Tag(B) stimmen nicht überein."},
        {KOPF "<A ><B ></A></B>", "Anfangstag(B) und Ende-Tag(A) stimmen nicht überein."},
        {KOPF "</A>", "Unerwartetes Dateiende."}, // end tag as root
        {KOPF "<A b = \"1\" <", "Unerwartetes Dateiende."},
        {KOPF "<A b = \"1", "Unerwartetes Dateiende."},
        {KOPF "<A >", "Unerwartetes Dateiende."},
        {KOPF "<A ><B >", "Unerwartetes Dateiende."},
        {QByteArray(KOPF "<A x = \"a\0b\" ></A>", sizeof(KOPF "<A x = \"a\0b\" ></A>") - 1),
         "Unerwartetes Dateiende."}, // NUL ends the input
        // Escapes that are no number; without a blank before the closing
        // quote the quote belongs to the digits.
        {KOPF "<X a = \"#6x5 \" ></X>", "Ungültige Zahl: 6x5"},
        {KOPF "<X a = \"# \" ></X>", "Ungültige Zahl: "},
        {KOPF "<X a = \"#65\" ></X>", "Ungültige Zahl: 65\""},
        {KOPF "<X a = \"#99999999999 \" ></X>", "Ungültige Zahl: 99999999999"},
        {KOPF "<X a = \"#65", "Unerwartetes Dateiende."},
        // Nested too deep (the deepest file allowed is read by the document file tests); a
        // hostile file with a million open tags neither overflows the stack nor is read to its end.
        {Kopf + QByteArray("<G >").repeated(TXMLDOM::MaxTiefe + 1) + QByteArray("</G>").repeated(TXMLDOM::MaxTiefe + 1),
         "Die Datei ist zu tief verschachtelt."},
        {Kopf + QByteArray("<G >").repeated(1000000), "Die Datei ist zu tief verschachtelt."},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.datei.constData());
        EXPECT_EQ(Lesen(f.datei), QStringLiteral("Fehler: ") + QString::fromUtf8(f.meldung));
    }
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

    // A successful load replaces the old tree, a failed one leaves none.
    dom.NeueWurzel()->Name = QStringLiteral("ALT");
    EXPECT_TRUE(dom.LadenAusBytes(Kopf + "<A ></A>", fehler));
    EXPECT_EQ(dom.FehlerZeile(), 0);
    EXPECT_EQ(Text(*dom.Wurzel()), QStringLiteral("A"));
    EXPECT_EQ(Lesen(Kopf + "<NEU >", std::move(dom)), QStringLiteral("Fehler: Unerwartetes Dateiende."));
}

