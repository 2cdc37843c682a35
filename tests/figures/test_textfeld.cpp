// Text fields: the word list, line breaking with the four alignments, the
// text methods and their log entries, rendering at 0 and 90 degrees.
#include "figuren_hilfen.h"

namespace
{
const QChar CR(13);
const QChar LF(10);

// The test font: every character 0.2 cm wide, a carriage return 0; spaces
// 0.1 cm, lines 0.5 cm; lines 2 cm wide starting at (0, 10).
double testbreite(const QString &wort)
{
    return 0.2 * QString(wort).remove(CR).size();
}

std::vector<TGesetztesWort> setzen(const QString &text, std::uint8_t ausrichtung)
{
    TTextMasse m;
    m.Zeilenhoehe = 0.5;
    m.Leerzeichenbreite = 0.1;
    m.Nutzbreite = 2.0;
    m.Links = 0.0;
    m.Oben = 10.0;
    return TextUmbrechen(WortlisteBilden(text), ausrichtung, m, testbreite);
}

enum { Links = 0, Rechts = 1, Zentriert = 2, Blocksatz = 3 };
} // namespace

// Every placed word of a text in the test font: its drawn text, its line,
// its left edge; lines 0.5 cm apart from the top at 10.
using TextFeldUmbruch = Figuren;

TEST_F(TextFeldUmbruch, ZeilenUndPositionenJeAusrichtung)
{
    struct Wort {
        const char *text;
        int zeile;
        double x;
    };
    struct Fall {
        const char *name, *text;
        std::uint8_t ausrichtung;
        std::vector<Wort> woerter;
    };
    const Fall faelle[] = {
        {"two spaces stay", "ab  cd", Links, {{"ab", 0, 0}, {"cd", 0, 0.4 + 0.2}}},
        // First line: gap (2 - 1.8 + 0.1) / 1 = 0.3; the last line keeps the normal gap.
        {"justified but the last line",
         "aaaa bbbb cccc dddd",
         Blocksatz,
         {{"aaaa", 0, 0}, {"bbbb", 0, 0.8 + 0.3}, {"cccc", 1, 0}, {"dddd", 1, 0.8 + 0.1}}},
        // A forced break ends a justified line normally and is not drawn.
        {"forced break in justified text",
         "aa bb\rcc dd ee",
         Blocksatz,
         {{"aa", 0, 0}, {"bb", 0, 0.5}, {"cc", 1, 0}, {"dd", 1, 0.5}, {"ee", 1, 0.8 + 0.2}}},
        {"a word too long stands alone",
         "a sehrlangeswort b",
         Links,
         {{"a", 0, 0}, {"sehrlangeswort", 1, 0}, {"b", 2, 0}}},
        {"right-aligned", "ab cd", Rechts, {{"ab", 0, 2.0 - 0.9}, {"cd", 0, 2.0 - 0.4}}},
        // Trailing spaces keep their room at the right edge.
        {"trailing spaces right-aligned", "ab  ", Rechts, {{"ab", 0, 2.0 - 0.4 - 0.2}}},
        {"centred", "ab", Zentriert, {{"ab", 0, 0.8}}},
        // Broken at several spaces: all but one stay at the right end of the line.
        {"right-aligned break at several spaces",
         "aaaa bbbb   cc",
         Rechts,
         {{"aaaa", 0, 2.0 - 1.7 - 0.2}, {"bbbb", 0, 2.0 - 0.8 - 0.2}, {"cc", 1, 2.0 - 0.4}}},
        // A final break adds no line; two breaks in a row leave an empty one.
        {"final break", "abc\r", Links, {{"abc", 0, 0}}},
        {"empty line between breaks", "a\r\rb", Links, {{"a", 0, 0}, {"", 1, 0}, {"b", 2, 0}}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        const auto s = setzen(QString::fromUtf8(f.text), f.ausrichtung);
        ASSERT_EQ(s.size(), f.woerter.size());
        for (std::size_t i = 0; i < s.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(s[i].Text, f.woerter[i].text);
            EXPECT_EQ(s[i].Zeile, f.woerter[i].zeile);
            EXPECT_NEAR(s[i].X, f.woerter[i].x, Eps);
            EXPECT_NEAR(s[i].Y, 10.0 - 0.5 * f.woerter[i].zeile, Eps);
        }
    }
}

using TextFeldMethoden = Figuren;

TEST_F(TextFeldMethoden, SetzerUndZeileHinzufuegenProtokollierenIhreWerte)
{
    auto *tf = u.neu<TTextFeld>("TEXTFELD");
    EXPECT_EQ(tf->Schriftart, "Arial");
    EXPECT_EQ(tf->Schriftgröße, 12);
    EXPECT_EQ(tf->Ausrichtung, 3);
    struct Setzer {
        int methode;
        TData wert;
        const char *log;
        int attribut;
        const char *anzeige;
    };
    const Setzer setzer[] = {
        {MTextSetzen, TData(QStringLiteral("Guten Tag")), "tf0.textSetzen( \"Guten Tag\" )", AText, "\"Guten Tag\""},
        {MAusrichtungSetzen, TData(std::uint8_t(2), ArtAusrichtung), "tf0.ausrichtungSetzen( zentriert )", AAusrichtung,
         "zentriert"},
        {MSchriftfarbeSetzen, TData(TFarbe::Echt(FarbWert(255, 0, 0))), "tf0.schriftfarbeSetzen( rot )", ASchriftfarbe,
         "rot"},
        {MSchriftartSetzen, TData(QStringLiteral("Courier")), "tf0.schriftartSetzen( \"Courier\" )", ASchriftart,
         "\"Courier\""},
        {MSchriftgroesseSetzen, TData(std::int32_t(20)), "tf0.schriftgroesseSetzen( 20 )", ASchriftgroesse, "20"},
        {MFettSetzen, TData(std::uint8_t(1), ArtWahrheitswert), "tf0.fettSetzen( wahr )", AFett, "wahr"},
        {MKursivSetzen, TData(std::uint8_t(0), ArtWahrheitswert), "tf0.kursivSetzen( falsch )", AKursiv, "falsch"},
    };
    for (const Setzer &s : setzer) {
        SCOPED_TRACE(s.log);
        EXPECT_EQ(ausfuehren(tf, s.methode, Werte({s.wert})), "");
        EXPECT_EQ(u.zuletzt(), s.log);
        EXPECT_EQ(tf->AttributWert(s.attribut)->AnzeigeText(), s.anzeige);
    }
    EXPECT_EQ(u.anzahl(), 7);
    // The size only from 1 to 1000.
    auto groesse = [&](std::int32_t g) { return ausfuehren(tf, MSchriftgroesseSetzen, Werte({TData(g)})); };
    for (std::int32_t falsch : {0, 1001, 99999999}) {
        EXPECT_EQ(groesse(falsch), "Die Schriftgröße muss zwischen 1 und 1000 liegen.");
        EXPECT_EQ(tf->Schriftgröße, 20);
    }
    EXPECT_EQ(u.anzahl(), 7);
    EXPECT_EQ(groesse(1000), "");
    EXPECT_EQ(groesse(1), "");
    EXPECT_EQ(tf->Schriftgröße, 1);
    // A copy takes every text value.
    tf->Länge = 4;
    tf->Kursiv = 1;
    auto kopie = tf->Duplizieren(true);
    EXPECT_EQ(kopie->Name, "tf1");
    EXPECT_EQ(u.zuletzt(), "tf1:TEXTFELD");
    for (int attribut : {AText, ASchriftart, ASchriftgroesse, ASchriftfarbe, AAusrichtung, AFett, AKursiv, ALaenge})
        EXPECT_EQ(kopie->AttributWert(attribut)->AnzeigeText(), tf->AttributWert(attribut)->AnzeigeText()) << attribut;

    // A line added to an empty text draws as a first line holding only the break.
    tf = u.neu<TTextFeld>("TEXTFELD");
    ausfuehren(tf, MZeileHinzufuegen, Werte({TData(QStringLiteral("Hallo"))}));
    EXPECT_EQ(tf->Text, QString(LF) + CR + QStringLiteral("Hallo"));
    EXPECT_EQ(u.zuletzt(), "tf2.zeilehinzufügen( \"Hallo\" )");
    const auto s = setzen(tf->Text, Links);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(s[0].Text.isEmpty());
    EXPECT_EQ(s[1].Text, "Hallo");
    EXPECT_EQ(s[1].Zeile, 1);
}

namespace
{
// Bounding box (pixels) of the dark pixels of an image; empty when none.
QRect dunkleFlaeche(const QImage &bild)
{
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < 128)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

TTextFeld *textfeld(Umgebung &u, double winkel)
{
    auto *tf = u.box<TTextFeld>("TEXTFELD", 5, 5, 6, 3, winkel);
    tf->Füllfarbe = TFarbe::Unsichtbar();
    tf->Linienfarbe = TFarbe::Unsichtbar();
    tf->Text = QStringLiteral("Der Igel und der Hase laufen um die Wette über den Acker");
    tf->Ausrichtung = 3;
    tf->GeometrieBerechnen();
    return tf;
}
} // namespace

using TextFeldZeichnen = Figuren;

TEST_F(TextFeldZeichnen, BlocksatzBeiNullGradUnsichtbarNichts)
{
    Bild b;
    TTextFeld *tf = textfeld(u, 0);
    const auto satz = tf->Textsatz(&b.zf);
    ASSERT_GE(satz.size(), 4u);
    ASSERT_GE(satz.back().Zeile, 1);
    tf->Zeichnen(&b.zf);
    b.fertig();
    const QRect dunkel = dunkleFlaeche(b.bild);
    ASSERT_FALSE(dunkel.isEmpty());
    // The text starts at the left margin inside the box, below its top edge.
    EXPECT_GE(dunkel.left(), b.pixelSpalte(2.0));
    EXPECT_LE(dunkel.left(), b.pixelSpalte(2.4));
    EXPECT_GE(dunkel.top(), b.pixelZeile(6.5));
    EXPECT_LE(dunkel.top(), b.pixelZeile(6.1));
    EXPECT_LE(dunkel.right(), b.pixelSpalte(8.0));
    // The justified first line reaches the right margin: the dark pixels of
    // its rows run almost to the right edge, while the last line is shorter.
    int rechtsErsteZeile = -1;
    const int zeilenOben = b.pixelZeile(6.4), zeilenUnten = b.pixelZeile(6.0);
    for (int y = zeilenOben; y <= zeilenUnten; ++y)
        for (int x = 0; x < b.bild.width(); ++x)
            if (qGray(b.bild.pixel(x, y)) < 128)
                rechtsErsteZeile = std::max(rechtsErsteZeile, x);
    EXPECT_GE(rechtsErsteZeile, b.pixelSpalte(7.4));
    // In an invisible colour the text leaves the image blank.
    Bild leer;
    tf->Schriftfarbe = TFarbe::Unsichtbar();
    tf->Zeichnen(&leer.zf);
    leer.fertig();
    EXPECT_TRUE(dunkleFlaeche(leer.bild).isEmpty());
}
