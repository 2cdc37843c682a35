// Text fields: the word list, line breaking with the four alignments, the
// text methods and their log entries, rendering at 0 and 90 degrees.
#include "test_figuren2_hilfen.h"

#include <gtest/gtest.h>

using namespace figuren2;

namespace {
constexpr double Eps = 1e-9;
const QChar CR(13);
const QChar LF(10);

// The test font: every character 0.2 cm wide, a carriage return 0; spaces
// 0.1 cm, lines 0.5 cm; lines 2 cm wide starting at (0, 10).
double testbreite(const QString &wort)
{
    return 0.2 * QString(wort).remove(CR).size();
}

TTextMasse testmasse(double nutzbreite = 2.0)
{
    TTextMasse m;
    m.Zeilenhoehe = 0.5;
    m.Leerzeichenbreite = 0.1;
    m.Nutzbreite = nutzbreite;
    m.Links = 0.0;
    m.Oben = 10.0;
    return m;
}

std::vector<TGesetztesWort> setzen(const QString &text, std::uint8_t ausrichtung,
                                   double nutzbreite = 2.0)
{
    return TextUmbrechen(WortlisteBilden(text), ausrichtung, testmasse(nutzbreite), testbreite);
}

enum { Links = 0, Rechts = 1, Zentriert = 2, Blocksatz = 3 };

TDataListe wert(const TData &d)
{
    TDataListe l;
    l.push_back(std::make_unique<TData>(d));
    return l;
}
} // namespace

TEST(TextFeldWortliste, LeerzeichenUndUmbrueche)
{
    TWortliste l = WortlisteBilden(QStringLiteral("  ab c   de  "));
    ASSERT_EQ(l.Woerter.size(), 3u);
    EXPECT_EQ(l.Woerter[0].Text, QStringLiteral("ab"));
    EXPECT_EQ(l.Woerter[0].Leerzeichen, 2);
    EXPECT_EQ(l.Woerter[1].Leerzeichen, 1);
    EXPECT_EQ(l.Woerter[2].Text, QStringLiteral("de"));
    EXPECT_EQ(l.Woerter[2].Leerzeichen, 3);
    EXPECT_EQ(l.Nachleerzeichen, 2);

    // Line feeds vanish; a carriage return ends its word and stays with it.
    l = WortlisteBilden(QStringLiteral("ab") + LF + CR + QStringLiteral("cd ") + CR + CR);
    ASSERT_EQ(l.Woerter.size(), 4u);
    EXPECT_EQ(l.Woerter[0].Text, QStringLiteral("ab") + CR);
    EXPECT_EQ(l.Woerter[1].Text, QStringLiteral("cd"));
    EXPECT_EQ(l.Woerter[1].Leerzeichen, 0);
    EXPECT_EQ(l.Woerter[2].Text, QString(CR));
    EXPECT_EQ(l.Woerter[2].Leerzeichen, 1);
    EXPECT_EQ(l.Woerter[3].Text, QString(CR));
    EXPECT_EQ(l.Nachleerzeichen, 0);
    EXPECT_TRUE(WortlisteBilden(QStringLiteral("   ")).Woerter.empty());
    EXPECT_EQ(WortlisteBilden(QStringLiteral("   ")).Nachleerzeichen, 3);
}

TEST(TextFeldUmbruch, ZweiLeerzeichenBleibenErhalten)
{
    const auto s = setzen(QStringLiteral("ab  cd"), Links);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_NEAR(s[0].X, 0.0, Eps);
    EXPECT_NEAR(s[1].X, 0.4 + 0.2, Eps);
    EXPECT_EQ(s[1].Zeile, 0);
    EXPECT_NEAR(s[1].Y, 10.0, Eps);
}

TEST(TextFeldUmbruch, BlocksatzDehntAlleZeilenAusserDerLetzten)
{
    const auto s = setzen(QStringLiteral("aaaa bbbb cccc dddd"), Blocksatz);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[1].Zeile, 0);
    EXPECT_EQ(s[2].Zeile, 1);
    // First line: gap g = (2 - 1.8 + 0.1) / 1 = 0.3.
    EXPECT_NEAR(s[0].X, 0.0, Eps);
    EXPECT_NEAR(s[1].X, 0.8 + 0.3, Eps);
    // Last line: normal word spacing.
    EXPECT_NEAR(s[2].X, 0.0, Eps);
    EXPECT_NEAR(s[3].X, 0.8 + 0.1, Eps);
    EXPECT_NEAR(s[3].Y, 9.5, Eps);
}

TEST(TextFeldUmbruch, ErzwungenerUmbruchBeendetBlocksatzzeileNormal)
{
    const auto s = setzen(QStringLiteral("aa bb") + CR + QStringLiteral("cc dd ee"), Blocksatz);
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(s[1].Text, QStringLiteral("bb")); // the break is not drawn
    EXPECT_EQ(s[1].Zeile, 0);
    EXPECT_NEAR(s[1].X, 0.4 + 0.1, Eps);
    EXPECT_EQ(s[2].Zeile, 1);
    // "cc dd ee": 3 * 0.5 = 1.5 < 2, the last line of the text.
    EXPECT_NEAR(s[4].X, 0.8 + 0.2, Eps);
}

TEST(TextFeldUmbruch, ZuLangesWortStehtAllein)
{
    const auto s = setzen(QStringLiteral("a sehrlangeswort b"), Links);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].Zeile, 0);
    EXPECT_EQ(s[1].Zeile, 1);
    EXPECT_NEAR(s[1].X, 0.0, Eps);
    EXPECT_EQ(s[2].Zeile, 2);
    EXPECT_NEAR(s[2].Y, 9.0, Eps);
}

TEST(TextFeldUmbruch, Ausrichtungen)
{
    auto s = setzen(QStringLiteral("ab cd"), Rechts);
    EXPECT_NEAR(s[0].X, 2.0 - 0.9, Eps);
    EXPECT_NEAR(s[1].X, 2.0 - 0.4, Eps);
    // Trailing spaces keep their room at the right edge.
    s = setzen(QStringLiteral("ab  "), Rechts);
    EXPECT_NEAR(s[0].X, 2.0 - 0.4 - 0.2, Eps);
    s = setzen(QStringLiteral("ab"), Zentriert);
    EXPECT_NEAR(s[0].X, 0.8, Eps);
    // Right-aligned lines broken at several spaces: all but one of them stay
    // at the right end of the line.
    s = setzen(QStringLiteral("aaaa bbbb   cc"), Rechts);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[2].Zeile, 1);
    EXPECT_NEAR(s[0].X, 2.0 - 1.7 - 0.2, Eps);
}

TEST(TextFeldUmbruch, WagenruecklaeufeGebenLeereZeilen)
{
    // A final break adds no line; two breaks in a row leave an empty one.
    auto s = setzen(QStringLiteral("abc") + CR, Links);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].Text, QStringLiteral("abc"));
    s = setzen(QStringLiteral("a") + CR + CR + QStringLiteral("b"), Links);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_TRUE(s[1].Text.isEmpty());
    EXPECT_EQ(s[2].Zeile, 2);
    EXPECT_NEAR(s[2].Y, 9.0, Eps);
}

TEST(TextFeldMethoden, ZeileHinzufuegenAufLeeremText)
{
    Umgebung u;
    auto *tf = u.imDokument<TTextFeld>("TEXTFELD");
    QString meldung;
    tf->MethodeAusfuehren(MZeileHinzufuegen, wert(TData(QStringLiteral("Hallo"))), meldung, nullptr);
    EXPECT_EQ(tf->Text, QString(LF) + CR + QStringLiteral("Hallo"));
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("tf0.zeilehinzufügen( \"Hallo\" )"));
    // It draws as a first line holding only the break.
    const auto s = TextUmbrechen(WortlisteBilden(tf->Text), Links, testmasse(), testbreite);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(s[0].Text.isEmpty());
    EXPECT_EQ(s[1].Text, QStringLiteral("Hallo"));
    EXPECT_EQ(s[1].Zeile, 1);
}

TEST(TextFeldMethoden, SetzerProtokollierenIhreWerte)
{
    Umgebung u;
    auto *tf = u.imDokument<TTextFeld>("TEXTFELD");
    EXPECT_EQ(tf->Schriftart, QStringLiteral("Arial"));
    EXPECT_EQ(tf->Schriftgröße, 12);
    EXPECT_EQ(tf->Ausrichtung, 3);
    QString meldung;
    tf->MethodeAusfuehren(MTextSetzen, wert(TData(QStringLiteral("Guten Tag"))), meldung, nullptr);
    tf->MethodeAusfuehren(MAusrichtungSetzen, wert(TData(std::uint8_t(2), ArtAusrichtung)), meldung,
                          nullptr);
    tf->MethodeAusfuehren(MSchriftfarbeSetzen, wert(TData(TFarbe::Echt(FarbWert(255, 0, 0)))),
                          meldung, nullptr);
    tf->MethodeAusfuehren(MSchriftartSetzen, wert(TData(QStringLiteral("Courier"))), meldung,
                          nullptr);
    tf->MethodeAusfuehren(MSchriftgroesseSetzen, wert(TData(std::int32_t(20))), meldung, nullptr);
    tf->MethodeAusfuehren(MFettSetzen, wert(TData(std::uint8_t(1), ArtWahrheitswert)), meldung,
                          nullptr);
    tf->MethodeAusfuehren(MKursivSetzen, wert(TData(std::uint8_t(0), ArtWahrheitswert)), meldung,
                          nullptr);
    EXPECT_TRUE(meldung.isEmpty());
    EXPECT_EQ(u.protokoll(), (QStringList{QStringLiteral("tf0.textSetzen( \"Guten Tag\" )"),
                                          QStringLiteral("tf0.ausrichtungSetzen( zentriert )"),
                                          QStringLiteral("tf0.schriftfarbeSetzen( rot )"),
                                          QStringLiteral("tf0.schriftartSetzen( \"Courier\" )"),
                                          QStringLiteral("tf0.schriftgroesseSetzen( 20 )"),
                                          QStringLiteral("tf0.fettSetzen( wahr )"),
                                          QStringLiteral("tf0.kursivSetzen( falsch )")}));
    EXPECT_EQ(tf->AttributWert(AText)->AnzeigeText(), QStringLiteral("\"Guten Tag\""));
    EXPECT_EQ(tf->AttributWert(ASchriftgroesse)->AnzeigeText(), QStringLiteral("20"));
    EXPECT_EQ(tf->AttributWert(AAusrichtung)->AnzeigeText(), QStringLiteral("zentriert"));
    EXPECT_EQ(tf->AttributWert(ASchriftfarbe)->AnzeigeText(), QStringLiteral("rot"));
    EXPECT_EQ(tf->AttributWert(AFett)->AnzeigeText(), QStringLiteral("wahr"));
    EXPECT_EQ(tf->AttributWert(ASchriftart)->AnzeigeText(), QStringLiteral("\"Courier\""));
}

TEST(TextFeldMethoden, SchriftgroesseNurVonEinsBisTausend)
{
    Umgebung u;
    auto *tf = u.imDokument<TTextFeld>("TEXTFELD");
    QString meldung;
    for (std::int32_t falsch : {0, 1001, 99999999}) {
        tf->MethodeAusfuehren(MSchriftgroesseSetzen, wert(TData(falsch)), meldung, nullptr);
        EXPECT_EQ(meldung, QStringLiteral("Die Schriftgröße muss zwischen 1 und 1000 liegen."));
        EXPECT_EQ(tf->Schriftgröße, 12);
    }
    EXPECT_EQ(u.eintraege(), 0);
    tf->MethodeAusfuehren(MSchriftgroesseSetzen, wert(TData(std::int32_t(1000))), meldung, nullptr);
    EXPECT_TRUE(meldung.isEmpty());
    EXPECT_EQ(tf->Schriftgröße, 1000);
    tf->MethodeAusfuehren(MSchriftgroesseSetzen, wert(TData(std::int32_t(1))), meldung, nullptr);
    EXPECT_EQ(tf->Schriftgröße, 1);
}

TEST(TextFeldMethoden, KopieUebernimmtDieTextwerte)
{
    Umgebung u;
    auto *tf = u.imDokument<TTextFeld>("TEXTFELD");
    tf->Text = QStringLiteral("abc");
    tf->Schriftart = QStringLiteral("Courier");
    tf->Schriftgröße = 30;
    tf->Schriftfarbe = TFarbe::Unsichtbar();
    tf->Ausrichtung = 1;
    tf->Fett = 1;
    tf->Kursiv = 1;
    tf->Länge = 4;
    auto kopie = tf->Duplizieren(true);
    auto *k = static_cast<TTextFeld *>(kopie.get());
    EXPECT_EQ(k->Name, QStringLiteral("tf1"));
    EXPECT_EQ(k->Text, QStringLiteral("abc"));
    EXPECT_EQ(k->Schriftart, QStringLiteral("Courier"));
    EXPECT_EQ(k->Schriftgröße, 30);
    EXPECT_EQ(k->Schriftfarbe.FarbArt, FarbArtUnsichtbar);
    EXPECT_EQ(k->Ausrichtung, 1);
    EXPECT_EQ(k->Fett, 1);
    EXPECT_EQ(k->Kursiv, 1);
    EXPECT_NEAR(k->Länge, 4.0, Eps);
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("tf1:TEXTFELD"));
}

// ---------------------------------------------------------------- rendering

namespace {
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
    auto *tf = u.imDokument<TTextFeld>("TEXTFELD");
    tf->MitteX = 5;
    tf->MitteY = 5;
    tf->Länge = 6;
    tf->Breite = 3;
    tf->Winkel = winkel;
    tf->Füllfarbe = TFarbe::Unsichtbar();
    tf->Linienfarbe = TFarbe::Unsichtbar();
    tf->Linienstärke = 0.01;
    tf->Text = QStringLiteral("Der Igel und der Hase laufen um die Wette über den Acker");
    tf->Ausrichtung = 3;
    tf->GeometrieBerechnen();
    return tf;
}
} // namespace

TEST(TextFeldZeichnen, BlocksatzBeiNullGrad)
{
    Umgebung u;
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
    // Words of one line share their top; lines are 1.05 text heights apart.
    for (const TGesetztesWort &w : satz) {
        if (w.Zeile == 0) {
            EXPECT_NEAR(w.Y, satz.front().Y, Eps);
        }
    }
}

TEST(TextFeldZeichnen, NeunzigGradLaufenDieZeilenNachOben)
{
    Umgebung u0, u90;
    Bild b0, b90;
    textfeld(u0, 0)->Zeichnen(&b0.zf);
    textfeld(u90, 90)->Zeichnen(&b90.zf);
    b0.fertig();
    b90.fertig();
    if (qEnvironmentVariableIsSet("FIGURO_BILDER_SPEICHERN")) {
        b0.bild.save(QStringLiteral("textfeld0.png"));
        b90.bild.save(QStringLiteral("textfeld90.png"));
    }
    const QRect d0 = dunkleFlaeche(b0.bild);
    const QRect d90 = dunkleFlaeche(b90.bild);
    ASSERT_FALSE(d0.isEmpty());
    ASSERT_FALSE(d90.isEmpty());
    // The text at 90 degrees is the text at 0 degrees turned about the
    // centre of the box: its dark area is the turned dark area, give or take
    // the glyphs' rendering.
    const QPointF c(b0.zf.XPixel(5), b0.zf.YPixel(5));
    QTransform drehung;
    drehung.translate(c.x(), c.y());
    drehung.rotate(-90);
    drehung.translate(-c.x(), -c.y());
    const QRect erwartet = drehung.mapRect(QRectF(d0)).toAlignedRect();
    EXPECT_NEAR(d90.left(), erwartet.left(), 3);
    EXPECT_NEAR(d90.right(), erwartet.right(), 3);
    EXPECT_NEAR(d90.top(), erwartet.top(), 3);
    EXPECT_NEAR(d90.bottom(), erwartet.bottom(), 3);
    EXPECT_GT(d90.height(), d90.width());
}

TEST(TextFeldZeichnen, UnsichtbareSchriftZeigtNurDenKasten)
{
    Umgebung u;
    Bild b;
    TTextFeld *tf = textfeld(u, 0);
    tf->Schriftfarbe = TFarbe::Unsichtbar();
    tf->Zeichnen(&b.zf);
    b.fertig();
    EXPECT_TRUE(dunkleFlaeche(b.bild).isEmpty());
}
