// The scanner: argument conversion, messages with their ranges, display texts
// typed back, "Meintest du ...?", the colour classes and drawing of call texts.
#include "language/Namensvorschlag.h"
#include "language/Scanner.h"
#include "sprach_hilfen.h"

#include <QPainter>

using namespace sprachtest;

namespace
{

// A converted value equals the expected one: numbers within the tolerance,
// everything else exactly.
void gleicherWert(const TData &ist, const TData &soll, double toleranz)
{
    ASSERT_EQ(ist.Art(), soll.Art());
    EXPECT_NEAR(ist.Zahl(), soll.Zahl(), toleranz);
    EXPECT_EQ(
        std::tuple(ist.Farbe().FarbArt, ist.Farbe().Wert, ist.Code(), ist.Ganzzahl(), ist.Text(), ist.Objekt()),
        std::tuple(soll.Farbe().FarbArt, soll.Farbe().Wert, soll.Code(), soll.Ganzzahl(), soll.Text(), soll.Objekt()));
}

class ScannerTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        re0 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
        ve0 = figurAnlegen(ws, QStringLiteral("VIELECK"));
        tf0 = figurAnlegen(ws, QStringLiteral("TEXTFELD"));
        li0 = figurAnlegen(ws, QStringLiteral("LINIE"));
        gr0 = figurAnlegen(ws, QStringLiteral("GRUPPE"));
        el0 = figurAnlegen(ws, QStringLiteral("ELLIPSE"), gr0);
        lz0 = figurAnlegen(ws, QStringLiteral("LINIENZUG"));
        lp0 = figurAnlegen(ws, QStringLiteral("PUNKT"), lz0);
    }

    // Analyses with the caret at the end (marke < 0) or after `marke` characters.
    void analysieren(const QString &text, int marke = -1)
    {
        s.Analysieren(text, marke < 0 ? int(text.size()) : marke, &ws.Dokument());
    }

    TArbeitsbereich ws;
    TScanner s;
    TObjekt *re0 = nullptr, *ve0 = nullptr, *tf0 = nullptr, *li0 = nullptr, *gr0 = nullptr, *el0 = nullptr,
            *lz0 = nullptr, *lp0 = nullptr;
};

// Every argument kind converts to its stored value: numbers in cm, degrees
// or factors, codes of the value words, colours, texts and object references.
TEST_F(ScannerTest, ArgumentsOfEveryKind)
{
    const auto code = [](int wert, std::uint8_t art) { return TData(std::uint8_t(wert), art); };
    const auto laenge = [](double cm) { return TData(cm, ArtLaenge); };
    const struct {
        const char16_t *text;
        int index;
        TData wert;
    } faelle[] = {
        {u"re0.verschieben(2, 1 cm)", 0, laenge(0.2)}, // without unit: millimetres
        {u"re0.verschieben(2cm,-1.5 mm)", 1, laenge(-0.15)},
        // Length units in any case.
        {u"re0.LängeSetzen(3 um)", 0, laenge(0.0003)},
        {u"re0.LängeSetzen(3 Dm)", 0, laenge(30.0)},
        {u"re0.LängeSetzen(3km)", 0, laenge(300000.0)},
        {u"re0.LängeSetzen(1.5e2 mm)", 0, laenge(15.0)},
        {u"re0.LängeSetzen(2E-1cm)", 0, laenge(0.2)},
        {u"re0.LängeSetzen(-.5 cm)", 0, laenge(-0.5)},
        {u"re0.LängeSetzen(  7  )", 0, laenge(0.7)},
        {u"re0.LängeSetzen(1e-999 cm)", 0, laenge(0.0)},
        {u"re0.drehen( -45 ° )", 0, TData(-45.0, ArtWinkel)},
        // Whatever follows a factor is ignored; 50 % is 0.5.
        {u"re0.strecken(1.5xyz)", 0, TData(1.5, ArtFaktor)},
        {u"re0.strecken(.5)", 0, TData(0.5, ArtFaktor)},
        {u"re0.strecken(5.)", 0, TData(5.0, ArtFaktor)},
        {u"re0.streckenMitZentrum(1 cm, 2 cm, 50%)", 2, TData(0.5, ArtFaktor)},
        // What follows an integer is ignored.
        {u"ve0.eckenzahlSetzen(12abc)", 0, TData(std::int32_t(12))},
        {u"re0.LinienartSetzen(Gestrichelt)", 0, code(2, ArtLinienart)},
        {u"tf0.fettSetzen(WAHR)", 0, code(1, ArtWahrheitswert)},
        {u"re0.FüllfarbeSetzen( Unsichtbar )", 0, TData(TFarbe::Unsichtbar())},
        // Quoted text keeps commas and parentheses.
        {u"tf0.textSetzen(\"a,b\")", 0, TData(QStringLiteral("a,b"))},
        {u"tf0.textSetzen(\"a)b\")", 0, TData(QStringLiteral("a)b"))},
        // The group's own rule decides about swallowing itself.
        {u"gr0.schlucken(RE0)", 0, TData(re0)},
        {u"gr0.schlucken(gr0)", 0, TData(gr0)},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(QString::fromUtf16(f.text).toStdString() + " #" + std::to_string(f.index));
        analysieren(QString::fromUtf16(f.text));
        ASSERT_EQ(s.Fehlermeldung, QString());
        gleicherWert(*s.Parameter.at(std::size_t(f.index)), f.wert, 1e-12);
    }
    s.Dokument = &ws.Dokument(); // a single value converts without a call around it
    EXPECT_DOUBLE_EQ(s.KonvertiereParameter(ArtLaenge, QStringLiteral("  4 dm  "))->Zahl(), 40.0);
    EXPECT_EQ(s.KonvertiereParameter(ArtObjektverweis, QStringLiteral("Ve0"))->Objekt(), ve0);
}

// Every message with the range it marks (1-based, inclusive); an empty
// message with -1, -1 means the text is a valid call.
TEST_F(ScannerTest, MessagesAndTheirRanges)
{
    const QString objektErwartet =
        QStringLiteral("Objektbezeichner erwartet. Ein Objektbezeichner beginnt mit einem Buchstaben oder _!");
    const QString methodeErwartet =
        QStringLiteral("Methodenbezeichner erwartet. Ein Methodenbezeichner beginnt mit einem Buchstaben oder _!");
    const QString zahlErwartet = QStringLiteral("Zahl erwartet.");
    const QString zuGross = QStringLiteral("Diese Zahl ist zu groß.");
    const QString textErwartet = QStringLiteral("in \"\" eingeschlossene Zeichenkette erwartet.");
    const QString andereGruppe = QStringLiteral("Das Objekt %1 ist bereits in einer anderen Gruppe enthalten.");
    const struct {
        const char16_t *text;
        QString meldung;
        int anfang, ende;
    } faelle[] = {
        {u"", QStringLiteral(" "), -1, -1},
        // Unknown units are named as typed; the range covers the word and the
        // comma after it. A dot without digits is no part of the number.
        {u"re0.verschieben(2 zoll, 1)", QStringLiteral("zoll ist keine Längeneinheit."), 17, 23},
        {u"re0.drehen(30 grad)", QStringLiteral("GRAD ist keine Winkeleinheit."), 12, 19},
        {u"re0.drehen(30°x)", QStringLiteral("°X ist keine Winkeleinheit."), 12, 16},
        {u"re0.LinienstärkeSetzen(5.)", QStringLiteral(". ist keine Längeneinheit."), 24, 26},
        {u"re0.verschieben(2 cm, 1 c", QStringLiteral("c ist keine Längeneinheit."), 23, 26},
        {u"re0.strecken(-)", zahlErwartet, 14, 15},
        {u"re0.strecken(+2)", zahlErwartet, 14, 16},
        {u"re0.strecken()", zahlErwartet, 14, 14},
        {u"re0.strecken(e5)", zahlErwartet, 14, 16},
        // Values that are not finite are refused for every number kind, also
        // when the unit pushes a finite number beyond the range.
        {u"re0.strecken(1e999)", zuGross, 14, 19},
        {u"re0.drehen(-1e999)", zuGross, 12, 18},
        {u"re0.verschieben(1e999 mm, 1)", zuGross, 17, 25},
        {u"re0.verschieben(1e307 km, 1)", zuGross, 17, 25},
        {u"ve0.eckenzahlSetzen(123456789)", QStringLiteral("Diese Zahl ist zu lang."), 21, 30},
        {u"ve0.eckenzahlSetzen(-5)", zahlErwartet, 21, 23},
        {u"ve0.eckenzahlSetzen(x)", zahlErwartet, 21, 22},
        // Punctuation errors are placed at the character.
        {u"re0 .verschieben(1,1)", QStringLiteral(". erwartet."), 4, 4},
        {u"re0", QStringLiteral(". erwartet."), 4, 4},
        {u"re0.kopieren( )", QStringLiteral(") erwartet."), 14, 14},
        {u"re0.kopieren(", QStringLiteral(") erwartet."), 14, 14},
        {u"re0.kopieren", QStringLiteral("( erwartet."), 13, 13},
        {u"re0.kopieren  x", QStringLiteral("( erwartet."), 15, 15},
        {u"re0.verschieben(1)", QStringLiteral(", erwartet."), 18, 18},
        {u"re0.verschieben(1,2", QStringLiteral(") erwartet."), 20, 20},
        {u"re0.kopieren()xyz", QString(), -1, -1},
        {u"  re0.kopieren  ()", QString(), -1, -1},
        // Names; an empty run marks nothing (the range is empty).
        {u"1abc.x()", objektErwartet, 1, 4},
        {u"  1a", objektErwartet, 3, 4},
        {u".abc", objektErwartet, 1, 0},
        {u"   ", objektErwartet, 4, 3},
        {u"  xy7.zeichnen()", QStringLiteral("xy7 ist kein Bezeichner eines Objekts."), 3, 5},
        {u"re", QStringLiteral("re ist kein Bezeichner eines Objekts."), 1, 2},
        {u"re0.", QStringLiteral("Methodenbezeichner erwartet."), 5, 5},
        {u"re0.9x()", methodeErwartet, 5, 6},
        {u"re0. zeichnen()", methodeErwartet, 5, 4},
        {u"re0.versch", QStringLiteral("Objekte der Klasse RECHTECK haben keine Methode versch."), 5, 10},
        {u"li0.drehn(1)", QStringLiteral("Objekte der Klasse LINIE haben keine Methode drehn."), 5, 9},
        // Methods of other classes are not accepted.
        {u"li0.FüllfarbeSetzen(rot)", QStringLiteral("Objekte der Klasse LINIE haben keine Methode FüllfarbeSetzen."),
         5, 19},
        // Quoted text: an unclosed quote takes the rest of the line; Figuro
        // stores texts as Windows-1252.
        {u"tf0.textSetzen(\"abc\" )", QStringLiteral(") erwartet."), 21, 21},
        {u"tf0.textSetzen(abc)", textErwartet, 16, 19},
        {u"tf0.textSetzen(\"abc)", textErwartet, 16, 21},
        {u"tf0.textSetzen(\")", textErwartet, 16, 18},
        {u"tf0.textSetzen(\"Grüße €\")", QString(), -1, -1},
        {u"tf0.textSetzen(\"日本\")", QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."), 16, 20},
        // Colours and the other value words; ß has no upper-case partner:
        // WEISS does not name weiß.
        {u"re0.FüllfarbeSetzen(nicht_einheitlich)",
         QStringLiteral("Es ist nicht möglich, das Attribut Farbe auf nicht_einheitlich zu setzen."), 21, 38},
        {u"re0.FüllfarbeSetzen( )", QStringLiteral("Farbe erwartet."), 22, 22},
        {u"re0.LinienfarbeSetzen(", QStringLiteral("Farbe erwartet."), 23, 23},
        {u"re0.FüllfarbeSetzen(WEISS)", QStringLiteral("Es gibt keine Farbe WEISS."), 21, 26},
        {u"re0.LinienartSetzen(Nicht_Einheitlich)",
         QStringLiteral("Es ist nicht möglich, das Attribut Linienart auf Nicht_Einheitlich zu setzen."), 21, 38},
        {u"re0.LinienartSetzen(dick)", QStringLiteral("dick ist keine Linienart."), 21, 25},
        {u"tf0.fettSetzen(ja)", QStringLiteral(" wahr oder falsch erwartet."), 16, 18},
        {u"lp0.abschnittArtSetzen(krumm)", QStringLiteral("krumm ist keine LinienAbschnittart."), 24, 29},
        {u"tf0.ausrichtungSetzen(mittig)", QStringLiteral("mittig ist keine Ausrichtung."), 23, 29},
        // Object references must lie directly in the document.
        {u"gr0.schlucken(dokument1)", andereGruppe.arg(u"dokument1"), 15, 24},
        {u"gr0.schlucken(el0)", andereGruppe.arg(u"el0"), 15, 18},
        {u"gr0.schlucken(lp0)", andereGruppe.arg(u"lp0"), 15, 18},
        {u"gr0.schlucken(xy)", QStringLiteral("Ein Objekt mit dem Bezeichner xy gibt es nicht."), 15, 17},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(QString::fromUtf16(f.text).toStdString());
        analysieren(QString::fromUtf16(f.text));
        EXPECT_EQ(s.Fehlermeldung, f.meldung);
        EXPECT_EQ(s.FehlerAnfang, f.anfang);
        EXPECT_EQ(s.FehlerEnde, f.ende);
    }
}

// The text of a logged value, typed back as an argument, means the same value:
// shown again it reads the same; numbers within half a unit of the last digit.
TEST_F(ScannerTest, DisplayTextsOfEveryKindScanBackToTheirValue)
{
    const QString lang = QStringLiteral("Vierzig Zeichen, Umlaute äöü und (Klammern)!");
    const struct {
        const char *objekt;
        std::uint8_t methode;
        TData wert;
        const char16_t *anzeige; // the value as the log shows it
        double toleranz = 0.0;   // numbers: half a unit of the last digit shown
    } faelle[] = {
        {"re0", MFuellfarbeSetzen, TData(TFarbe::Echt(FarbWert(255, 0, 0))), u"rot"},
        {"re0", MFuellfarbeSetzen, TData(TFarbe::Unsichtbar()), u"unsichtbar"},
        {"re0", MLinienstaerkeSetzen, TData(2.5, ArtLaenge), u"2.50 cm", 0.005},
        {"re0", MLinienstaerkeSetzen, TData(1.234e-7, ArtLaenge), u"0.00 mm", 0.0005},
        {"re0", MLinienstaerkeSetzen, TData(123456.0, ArtLaenge), u"1.2346E+05 cm", 5.0},
        {"re0", MLinienstaerkeSetzen, TData(-9.87654e12, ArtLaenge), u"-9.8765E+12 cm", 5e7},
        {"re0", MDrehen, TData(45.0, ArtWinkel), u"45.00°", 0.005},
        {"re0", MDrehen, TData(-720.126, ArtWinkel), u"-720.13°", 0.005},
        {"re0", MDrehen, TData(1.5e8, ArtWinkel), u"1.5000E+08°", 5e3},
        {"re0", MStrecken, TData(1.5, ArtFaktor), u"150.000 %", 5e-6},
        {"re0", MStrecken, TData(12345.678, ArtFaktor), u"1.23457E+06 %", 0.05},
        {"re0", MLinienartSetzen, TData(std::uint8_t(3), std::uint8_t(ArtLinienart)), u"breitgestrichelt"},
        {"tf0", MFettSetzen, TData(std::uint8_t(1), std::uint8_t(ArtWahrheitswert)), u"wahr"},
        {"tf0", MTextSetzen, TData(QStringLiteral("Grüße, (a)")), u"\"Grüße, (a)\""},
        // The log shortens a long text; the text typed back is the whole one.
        {"tf0", MTextSetzen, TData(lang), u"\"Vierzig Zeichen, Umlaute äöü und (K ...\""},
        // The log shows a line break as ¶; typed back it is the line break.
        {"tf0", MTextSetzen, TData(QStringLiteral("Zeile 1\r\nZeile 2")), u"\"Zeile 1¶Zeile 2\""},
        {"ve0", MEckenzahlSetzen, TData(std::int32_t(12345678)), u"12345678"},
        {"lp0", MAbschnittArtSetzen, TData(std::uint8_t(1), std::uint8_t(ArtAbschnittArt)), u"gekrümmt"},
        {"tf0", MAusrichtungSetzen, TData(std::uint8_t(3), std::uint8_t(ArtAusrichtung)), u"Blocksatz"},
    };
    for (const auto &f : faelle) {
        const QString anzeige = f.wert.AnzeigeText();
        SCOPED_TRACE(anzeige.toStdString());
        EXPECT_EQ(anzeige, QString::fromUtf16(f.anzeige));
        TMethodenAufruf aufruf(f.methode, QString::fromLatin1(f.objekt));
        aufruf.WertHinzufuegen(f.wert);
        analysieren(aufruf.EingabeText());
        ASSERT_EQ(s.Fehlermeldung, QString());
        ASSERT_EQ(s.Parameter.size(), 1u);
        EXPECT_EQ(s.Parameter[0]->AnzeigeText(), anzeige);
        gleicherWert(*s.Parameter[0], f.wert, f.toleranz);
    }
    // "+" belongs only to the exponent: a leading one stays refused.
    analysieren(QStringLiteral("re0.drehen(+5)"));
    EXPECT_EQ(s.Fehlermeldung, QStringLiteral("Zahl erwartet."));
    analysieren(QStringLiteral("re0.drehen(5E+)"));
    EXPECT_EQ(s.Fehlermeldung, QStringLiteral("E+ ist keine Winkeleinheit."));
}

// The hint adds the nearest existing name (at most two edits, any case, ties
// by list order) to the message; the completion lists it first.
TEST_F(ScannerTest, MeintestDuNenntDenNaechstenNamen)
{
    const struct {
        const char16_t *text;
        const char16_t *vorschlag; // nullptr: the message stands alone
    } faelle[] = {
        {u"rr0.zeichnen()", u"re0"},
        // re0, ve0, li0 and el0 are one edit away: the first one wins.
        {u"LE0.drehen(1)", u"re0"},
        {u"xyz.zeichnen()", nullptr},
        {u"li0.drehn(1)", u"drehen"},
        {u"re0.VERSCHEIBEN(1, 1)", u"verschieben"},
        {u"re0.FüllfarbeSetzen(WEISS)", u"weiß"},
        {u"re0.FüllfarbeSetzen(xyzzy)", nullptr},
        {u"re0.LinienartSetzen(gestrichlt)", u"gestrichelt"},
        {u"re0.LinienartSetzen(dick)", nullptr},
        {u"re0.verschieben(2 cn, 1)", u"cm"},
        {u"re0.verschieben(2 xm, 1)", u"um"}, // six units one edit away
        {u"re0.verschieben(2 zoll, 1)", nullptr},
        {u"lp0.abschnittArtSetzen(grade)", u"gerade"},
        {u"gr0.schlucken(ve9)", u"ve0"},
        // Only objects lying directly in the document can be swallowed.
        {u"gr0.schlucken(el9)", nullptr},
        // Angle units, numbers and other errors get no proposal.
        {u"re0.drehen(30 grd)", nullptr},
        {u"tf0.fettSetzen(wahrr)", nullptr},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(QString::fromUtf16(f.text).toStdString());
        analysieren(QString::fromUtf16(f.text));
        ASSERT_FALSE(s.Fehlermeldung.isEmpty());
        const QString vorschlag = f.vorschlag ? QString::fromUtf16(f.vorschlag) : QString();
        EXPECT_EQ(MeintestDu(s), vorschlag);
        EXPECT_EQ(Hinweistext(s), f.vorschlag
                                      ? s.Fehlermeldung + QStringLiteral(" Meintest du ") + vorschlag + QLatin1Char('?')
                                      : s.Fehlermeldung);
    }
    EXPECT_EQ(NaechsterName(QString(), {QStringLiteral("a")}), QString());

    // First in the completion list while the caret is in the word.
    auto zuerst = [&](const QString &text, int marke) {
        analysieren(text, marke);
        TVorschlagListe liste;
        VorschlaegeErzeugen(liste, s, &ws.Dokument());
        return vorschlagTexte(liste.Filtern(s.Praefix, s.Wort, ZuerstAnbieten(s)));
    };
    EXPECT_EQ(zuerst(QStringLiteral("rr0.zeichnen()"), 3), QStringList{QStringLiteral("re0")});
    EXPECT_EQ(zuerst(QStringLiteral("rr0.zeichnen()"), 14), QStringList());
    // Inside hellgrau: hellblau (two edits, before hellgrün) moves to the top.
    EXPECT_EQ(zuerst(QStringLiteral("re0.FüllfarbeSetzen(hellgrau)"), 24),
              namen("hellblau hellrot hellorange hellgelb hellgrün helltürkis"));
    // A word that begins a name is still being typed: no guess.
    analysieren(QStringLiteral("re0.FüllfarbeSetzen(gel"));
    EXPECT_EQ(Hinweistext(s), QStringLiteral("Es gibt keine Farbe gel."));
}

// ----------------------------------------------------------------- colouring

TEST(Farbklassen, ClassesOfSampleTexts)
{
    // Blanks in the expected classes stand for class 3 too, for readability.
    const auto klassen = [](QString k) { return k.replace(QLatin1Char(' '), QLatin1Char('3')); };
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("re0.LinienfarbeSetzen(rot)")),
              klassen(QStringLiteral("3333") + QString(17, QLatin1Char('2')) + QStringLiteral("31113")));
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("re0.verschieben(-2.5 cm, 3e2 mm)")),
              QStringLiteral("3333 22222222222 3 0000311 33 000311 3").remove(QLatin1Char(' ')));
    // Value words: invisible, line styles, segment kinds, colours, units;
    // truth values and alignments stay plain.
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("unsichtbar gerade Gekrümmt gepunktelt grün KM wahr zentriert")),
              klassen(QStringLiteral("1111111111 111111 11111111 1111111111 1111 11 3333 333333333")));
    // Vocabulary: class, method and attribute names in any case.
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("RECHTECK länge dokument1 zeichnen X")),
              klassen(QStringLiteral("22222222 22222 333333333 22222222 2")));
    // A sign before a number is part of it; a dot or e without digits is not.
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("a-1 5. 2e 7E3")), klassen(QStringLiteral("300 03 03 000")));
    // A signed exponent belongs to the number, as the scanner reads it.
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("1.2346E+05 cm 2e-3 4e+")),
              klassen(QStringLiteral("0000000000 11 0000 033")));
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("_x1 ÄÖ 1.5.2")), klassen(QStringLiteral("333 33 00030")));
    EXPECT_EQ(TScanner::Farbklassen(QString()), QString());
}

} // namespace
