// The scanner: parsing, messages with their ranges, the caret word and the
// conversion of every argument kind.
#include "Sprachhilfen.h"
#include "language/Scanner.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace sprachtest;

namespace {

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

    // Analyses with the caret at the end.
    void analysieren(const QString &text) { s.Analysieren(text, int(text.size()), &ws.Dokument()); }
    void analysieren(const QString &text, int marke) { s.Analysieren(text, marke, &ws.Dokument()); }

    void erwarteFehler(const QString &text, const QString &meldung, int anfang, int ende)
    {
        analysieren(text);
        EXPECT_EQ(s.Fehlermeldung, meldung) << text.toStdString();
        EXPECT_EQ(s.FehlerAnfang, anfang) << text.toStdString();
        EXPECT_EQ(s.FehlerEnde, ende) << text.toStdString();
    }

    double zahl(int i) const { return s.Parameter.at(std::size_t(i))->Zahl(); }

    TArbeitsbereich ws;
    TScanner s;
    TObjekt *re0 = nullptr, *ve0 = nullptr, *tf0 = nullptr, *li0 = nullptr, *gr0 = nullptr,
            *el0 = nullptr, *lz0 = nullptr, *lp0 = nullptr;
};

TEST_F(ScannerTest, ValidCallFindsObjectMethodAndConvertsLengths)
{
    analysieren(QStringLiteral("re0.verschieben(2, 1 cm)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.FehlerAnfang, -1);
    EXPECT_EQ(s.FehlerEnde, -1);
    EXPECT_EQ(s.Objekt, re0);
    EXPECT_EQ(s.ObjektName, QStringLiteral("re0"));
    ASSERT_NE(s.Methode, nullptr);
    EXPECT_EQ(s.Methode->Id, MVerschieben);
    ASSERT_EQ(s.Parameter.size(), 2u);
    EXPECT_EQ(s.Parameter[0]->Art(), ArtLaenge);
    EXPECT_NEAR(zahl(0), 0.2, 1e-12); // without unit: millimetres
    EXPECT_NEAR(zahl(1), 1.0, 1e-12);

    analysieren(QStringLiteral("re0.verschieben(2cm,-1.5 mm)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_NEAR(zahl(0), 2.0, 1e-12);
    EXPECT_NEAR(zahl(1), -0.15, 1e-12);
}

TEST_F(ScannerTest, LengthUnitsInAnyCase)
{
    const struct {
        const char16_t *wort;
        double cm;
    } faelle[] = {{u"3 um", 0.0003}, {u"3 MM", 0.3},     {u"3 cm", 3.0},        {u"3 Dm", 30.0},
                  {u"3 m", 300.0},   {u"3km", 300000.0}, {u"1.5e2 mm", 15.0},   {u"2E-1cm", 0.2},
                  {u"-.5 cm", -0.5}, {u"  7  ", 0.7},    {u"1e-999 cm", 0.0}};
    for (const auto &f : faelle) {
        analysieren(QStringLiteral("re0.LinienstärkeSetzen(") + QString::fromUtf16(f.wort) + QStringLiteral(")"));
        ASSERT_EQ(s.Fehlermeldung, QString()) << QString::fromUtf16(f.wort).toStdString();
        EXPECT_NEAR(zahl(0), f.cm, 1e-12) << QString::fromUtf16(f.wort).toStdString();
    }
}

TEST_F(ScannerTest, UnknownUnitsAreNamedAsTyped)
{
    // The word "2 zoll" is 17..22; the range covers it and the comma after it.
    erwarteFehler(QStringLiteral("re0.verschieben(2 zoll, 1)"), QStringLiteral("zoll ist keine Längeneinheit."),
                  17, 23);
    erwarteFehler(QStringLiteral("re0.drehen(30 grad)"), QStringLiteral("GRAD ist keine Winkeleinheit."), 12, 19);
    erwarteFehler(QStringLiteral("re0.drehen(30°x)"), QStringLiteral("°X ist keine Winkeleinheit."), 12, 16);
    // A dot without digits is no part of the number.
    erwarteFehler(QStringLiteral("re0.LinienstärkeSetzen(5.)"), QStringLiteral(". ist keine Längeneinheit."), 24,
                  26);
}

TEST_F(ScannerTest, AnglesAndFactors)
{
    analysieren(QStringLiteral("re0.drehen(30°)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Parameter[0]->Art(), ArtWinkel);
    EXPECT_DOUBLE_EQ(zahl(0), 30.0);
    analysieren(QStringLiteral("re0.drehen( -45 ° )"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_DOUBLE_EQ(zahl(0), -45.0);

    // Whatever follows a factor is ignored.
    analysieren(QStringLiteral("re0.strecken(1.5xyz)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Parameter[0]->Art(), ArtFaktor);
    EXPECT_DOUBLE_EQ(zahl(0), 1.5);
    analysieren(QStringLiteral("re0.strecken(.5)"));
    EXPECT_DOUBLE_EQ(zahl(0), 0.5);
    analysieren(QStringLiteral("re0.strecken(5.)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_DOUBLE_EQ(zahl(0), 5.0);

    // A percent sign means what the log shows: 150 % is 1.5.
    analysieren(QStringLiteral("re0.strecken(150.000 %)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_DOUBLE_EQ(zahl(0), 1.5);
    analysieren(QStringLiteral("re0.streckenMitZentrum(1 cm, 2 cm, 50%)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_DOUBLE_EQ(zahl(2), 0.5);
}

TEST_F(ScannerTest, NumberErrors)
{
    erwarteFehler(QStringLiteral("re0.strecken(-)"), QStringLiteral("Zahl erwartet."), 14, 15);
    erwarteFehler(QStringLiteral("re0.strecken(+2)"), QStringLiteral("Zahl erwartet."), 14, 16);
    erwarteFehler(QStringLiteral("re0.strecken()"), QStringLiteral("Zahl erwartet."), 14, 14);
    erwarteFehler(QStringLiteral("re0.strecken(e5)"), QStringLiteral("Zahl erwartet."), 14, 16);
    // Values that are not finite are refused for every number kind.
    erwarteFehler(QStringLiteral("re0.strecken(1e999)"), QStringLiteral("Diese Zahl ist zu groß."), 14, 19);
    erwarteFehler(QStringLiteral("re0.drehen(-1e999)"), QStringLiteral("Diese Zahl ist zu groß."), 12, 18);
    erwarteFehler(QStringLiteral("re0.verschieben(1e999 mm, 1)"), QStringLiteral("Diese Zahl ist zu groß."), 17, 25);
    // ... also when the unit pushes a finite number beyond the range.
    erwarteFehler(QStringLiteral("re0.verschieben(1e307 km, 1)"), QStringLiteral("Diese Zahl ist zu groß."), 17, 25);
}

TEST_F(ScannerTest, IntegersTakeUpToEightDigits)
{
    analysieren(QStringLiteral("ve0.eckenzahlSetzen(12345678)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Parameter[0]->Art(), ArtGanzzahl);
    EXPECT_EQ(s.Parameter[0]->Ganzzahl(), 12345678);
    erwarteFehler(QStringLiteral("ve0.eckenzahlSetzen(123456789)"), QStringLiteral("Diese Zahl ist zu lang."), 21, 30);
    analysieren(QStringLiteral("ve0.eckenzahlSetzen(12abc)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Parameter[0]->Ganzzahl(), 12);
    erwarteFehler(QStringLiteral("ve0.eckenzahlSetzen(-5)"), QStringLiteral("Zahl erwartet."), 21, 23);
    erwarteFehler(QStringLiteral("ve0.eckenzahlSetzen(x)"), QStringLiteral("Zahl erwartet."), 21, 22);
}

TEST_F(ScannerTest, PunctuationErrorsArePlacedAtTheCharacter)
{
    erwarteFehler(QStringLiteral("re0 .verschieben(1,1)"), QStringLiteral(". erwartet."), 4, 4);
    erwarteFehler(QStringLiteral("re0"), QStringLiteral(". erwartet."), 4, 4);
    erwarteFehler(QStringLiteral("re0.kopieren( )"), QStringLiteral(") erwartet."), 14, 14);
    erwarteFehler(QStringLiteral("re0.kopieren("), QStringLiteral(") erwartet."), 14, 14);
    erwarteFehler(QStringLiteral("re0.kopieren"), QStringLiteral("( erwartet."), 13, 13);
    erwarteFehler(QStringLiteral("re0.kopieren  x"), QStringLiteral("( erwartet."), 15, 15);
    erwarteFehler(QStringLiteral("re0.verschieben(1)"), QStringLiteral(", erwartet."), 18, 18);
    erwarteFehler(QStringLiteral("re0.verschieben(1,2"), QStringLiteral(") erwartet."), 20, 20);

    analysieren(QStringLiteral("re0.kopieren()xyz"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    analysieren(QStringLiteral("  re0.kopieren  ()"));
    EXPECT_EQ(s.Fehlermeldung, QString());
}

TEST_F(ScannerTest, NameErrors)
{
    analysieren(QString());
    EXPECT_EQ(s.Fehlermeldung, QStringLiteral(" "));
    EXPECT_EQ(s.FehlerAnfang, -1);
    EXPECT_EQ(s.FehlerEnde, -1);
    EXPECT_EQ(s.Zustand, 0);

    const QString objektErwartet =
        QStringLiteral("Objektbezeichner erwartet. Ein Objektbezeichner beginnt mit einem Buchstaben oder _!");
    erwarteFehler(QStringLiteral("1abc.x()"), objektErwartet, 1, 4);
    erwarteFehler(QStringLiteral("  1a"), objektErwartet, 3, 4);
    // An empty run marks nothing: the range is empty.
    erwarteFehler(QStringLiteral(".abc"), objektErwartet, 1, 0);
    erwarteFehler(QStringLiteral("   "), objektErwartet, 4, 3);

    erwarteFehler(QStringLiteral("  xy7.zeichnen()"), QStringLiteral("xy7 ist kein Bezeichner eines Objekts."), 3, 5);
    erwarteFehler(QStringLiteral("re0."), QStringLiteral("Methodenbezeichner erwartet."), 5, 5);
    erwarteFehler(QStringLiteral("re0.9x()"),
                  QStringLiteral("Methodenbezeichner erwartet. Ein Methodenbezeichner beginnt mit einem "
                                 "Buchstaben oder _!"),
                  5, 6);
    erwarteFehler(QStringLiteral("re0. zeichnen()"),
                  QStringLiteral("Methodenbezeichner erwartet. Ein Methodenbezeichner beginnt mit einem "
                                 "Buchstaben oder _!"),
                  5, 4);
    erwarteFehler(QStringLiteral("li0.drehn(1)"), QStringLiteral("Objekte der Klasse LINIE haben keine Methode drehn."),
                  5, 9);
    // Methods of other classes are not accepted.
    erwarteFehler(QStringLiteral("li0.FüllfarbeSetzen(rot)"),
                  QStringLiteral("Objekte der Klasse LINIE haben keine Methode FüllfarbeSetzen."), 5, 19);
}

TEST_F(ScannerTest, NamesAreCaseInsensitive)
{
    analysieren(QStringLiteral("RE0.VERSCHIEBEN(1,1)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Objekt, re0);
    EXPECT_EQ(s.ObjektName, QStringLiteral("RE0"));
    analysieren(QStringLiteral("DOKUMENT1.HINTERGRUNDFARBESETZEN(WEIß)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Objekt, &ws.Dokument());
    // Umlauts follow the upper-casing rule: ü and Ü are the same letter.
    analysieren(QStringLiteral("re0.FÜLLFARBESETZEN(grün)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    // Group members and vertices are found too.
    analysieren(QStringLiteral("EL0.zeichnen()"));
    EXPECT_EQ(s.Objekt, el0);
    analysieren(QStringLiteral("lp0.koordinatenSetzen(1,2)"));
    EXPECT_EQ(s.Objekt, lp0);
}

TEST_F(ScannerTest, QuotedTextKeepsCommasAndNeedsItsParenthesis)
{
    analysieren(QStringLiteral("tf0.textSetzen(\"a,b\")"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    ASSERT_EQ(s.Parameter.size(), 1u);
    EXPECT_EQ(s.Parameter[0]->Art(), ArtText);
    EXPECT_EQ(s.Parameter[0]->Text(), QStringLiteral("a,b"));

    analysieren(QStringLiteral("tf0.textSetzen(\"a)b\")"));
    EXPECT_EQ(s.Parameter[0]->Text(), QStringLiteral("a)b"));
    analysieren(QStringLiteral("tf0.textSetzen(\"\")"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Parameter[0]->Text(), QString());

    erwarteFehler(QStringLiteral("tf0.textSetzen(\"abc\" )"), QStringLiteral(") erwartet."), 21, 21);
    const QString textErwartet = QStringLiteral("in \"\" eingeschlossene Zeichenkette erwartet.");
    erwarteFehler(QStringLiteral("tf0.textSetzen(abc)"), textErwartet, 16, 19);
    // An unclosed quote takes the rest of the line.
    erwarteFehler(QStringLiteral("tf0.textSetzen(\"abc)"), textErwartet, 16, 21);
    erwarteFehler(QStringLiteral("tf0.textSetzen(\")"), textErwartet, 16, 18);
    // Figuro stores texts as Windows-1252.
    erwarteFehler(QStringLiteral("tf0.textSetzen(\"Grüße €\")"), QString(), -1, -1);
    erwarteFehler(QStringLiteral("tf0.textSetzen(\"日本\")"), QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."),
                  16, 20);
}

TEST_F(ScannerTest, ColourWords)
{
    analysieren(QStringLiteral("re0.FüllfarbeSetzen(ROT)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Parameter[0]->Art(), ArtFarbwert);
    EXPECT_EQ(s.Parameter[0]->Farbe().FarbArt, FarbArtFarbe);
    EXPECT_EQ(s.Parameter[0]->Farbe().Wert, FarbWert(255, 0, 0));
    analysieren(QStringLiteral("re0.FüllfarbeSetzen( Unsichtbar )"));
    EXPECT_EQ(s.Parameter[0]->Farbe().FarbArt, FarbArtUnsichtbar);
    EXPECT_EQ(s.Parameter[0]->Farbe().Wert, 0u);
    analysieren(QStringLiteral("re0.FüllfarbeSetzen(lavendel)"));
    EXPECT_EQ(s.Parameter[0]->Farbe().Wert, FarbWert(204, 153, 255));

    erwarteFehler(QStringLiteral("re0.FüllfarbeSetzen(nicht_einheitlich)"),
                  QStringLiteral("Es ist nicht möglich, das Attribut Farbe auf nicht_einheitlich zu setzen."), 21, 38);
    erwarteFehler(QStringLiteral("re0.FüllfarbeSetzen( )"), QStringLiteral("Farbe erwartet."), 22, 22);
    // ß has no upper-case partner: WEISS does not name weiß.
    erwarteFehler(QStringLiteral("re0.FüllfarbeSetzen(WEISS)"), QStringLiteral("Es gibt keine Farbe WEISS."), 21, 26);
}

TEST_F(ScannerTest, LineStylesTruthValuesSegmentsAndAlignments)
{
    analysieren(QStringLiteral("re0.LinienartSetzen(Gestrichelt)"));
    EXPECT_EQ(s.Parameter[0]->Art(), ArtLinienart);
    EXPECT_EQ(s.Parameter[0]->Code(), 2);
    erwarteFehler(QStringLiteral("re0.LinienartSetzen(Nicht_Einheitlich)"),
                  QStringLiteral("Es ist nicht möglich, das Attribut Linienart auf Nicht_Einheitlich zu setzen."),
                  21, 38);
    erwarteFehler(QStringLiteral("re0.LinienartSetzen(dick)"), QStringLiteral("dick ist keine Linienart."), 21, 25);

    analysieren(QStringLiteral("tf0.fettSetzen(WAHR)"));
    EXPECT_EQ(s.Parameter[0]->Art(), ArtWahrheitswert);
    EXPECT_EQ(s.Parameter[0]->Code(), 1);
    analysieren(QStringLiteral("tf0.kursivSetzen(falsch)"));
    EXPECT_EQ(s.Parameter[0]->Code(), 0);
    erwarteFehler(QStringLiteral("tf0.fettSetzen(ja)"), QStringLiteral(" wahr oder falsch erwartet."), 16, 18);

    analysieren(QStringLiteral("lp0.abschnittArtSetzen(GEKRÜMMT)"));
    EXPECT_EQ(s.Parameter[0]->Art(), ArtAbschnittArt);
    EXPECT_EQ(s.Parameter[0]->Code(), 1);
    erwarteFehler(QStringLiteral("lp0.abschnittArtSetzen(krumm)"),
                  QStringLiteral("krumm ist keine LinienAbschnittart."), 24, 29);

    analysieren(QStringLiteral("tf0.ausrichtungSetzen(blocksatz)"));
    EXPECT_EQ(s.Parameter[0]->Art(), ArtAusrichtung);
    EXPECT_EQ(s.Parameter[0]->Code(), 3);
    erwarteFehler(QStringLiteral("tf0.ausrichtungSetzen(mittig)"), QStringLiteral("mittig ist keine Ausrichtung."),
                  23, 29);
}

TEST_F(ScannerTest, ObjectReferencesMustLieDirectlyInTheDocument)
{
    analysieren(QStringLiteral("gr0.schlucken(RE0)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Parameter[0]->Art(), ArtObjektverweis);
    EXPECT_EQ(s.Parameter[0]->Objekt(), re0);
    // The group's own rule decides about swallowing itself.
    analysieren(QStringLiteral("gr0.schlucken(gr0)"));
    EXPECT_EQ(s.Fehlermeldung, QString());
    EXPECT_EQ(s.Parameter[0]->Objekt(), gr0);

    erwarteFehler(QStringLiteral("gr0.schlucken(dokument1)"),
                  QStringLiteral("Das Objekt dokument1 ist bereits in einer anderen Gruppe enthalten."), 15, 24);
    erwarteFehler(QStringLiteral("gr0.schlucken(el0)"),
                  QStringLiteral("Das Objekt el0 ist bereits in einer anderen Gruppe enthalten."), 15, 18);
    erwarteFehler(QStringLiteral("gr0.schlucken(lp0)"),
                  QStringLiteral("Das Objekt lp0 ist bereits in einer anderen Gruppe enthalten."), 15, 18);
    erwarteFehler(QStringLiteral("gr0.schlucken(xy)"), QStringLiteral("Ein Objekt mit dem Bezeichner xy gibt es nicht."),
                  15, 17);
}

TEST_F(ScannerTest, CaretWordOfObjectAndMethod)
{
    analysieren(QStringLiteral("re"), 2);
    EXPECT_EQ(s.Zustand, 1);
    EXPECT_EQ(s.Praefix, QStringLiteral("re"));
    EXPECT_EQ(s.Wort, QStringLiteral("re"));
    EXPECT_EQ(s.WortAnfang, 1);
    EXPECT_EQ(s.WortEnde, 3);
    EXPECT_EQ(s.Fehlermeldung, QStringLiteral("re ist kein Bezeichner eines Objekts."));

    analysieren(QStringLiteral("re0.verschieben(1,1)"), 2);
    EXPECT_EQ(s.Zustand, 1);
    EXPECT_EQ(s.Praefix, QStringLiteral("re"));
    EXPECT_EQ(s.Wort, QStringLiteral("re0"));
    EXPECT_EQ(s.Fehlermeldung, QString());

    // A caret before leading blanks gives an empty prefix.
    analysieren(QStringLiteral("  re0"), 0);
    EXPECT_EQ(s.Zustand, 1);
    EXPECT_EQ(s.Praefix, QString());
    EXPECT_EQ(s.WortAnfang, 3);

    // After the trailing dot the method word is empty, whatever the caret.
    analysieren(QStringLiteral("re0."), 1);
    EXPECT_EQ(s.Zustand, 2);
    EXPECT_EQ(s.Praefix, QString());
    EXPECT_EQ(s.Wort, QString());
    EXPECT_EQ(s.WortAnfang, 5);
    EXPECT_EQ(s.WortEnde, 5);
    EXPECT_EQ(s.Objekt, re0);

    analysieren(QStringLiteral("re0.versch"));
    EXPECT_EQ(s.Zustand, 2);
    EXPECT_EQ(s.Praefix, QStringLiteral("versch"));
    EXPECT_EQ(s.WortAnfang, 5);
    EXPECT_EQ(s.WortEnde, 11);
    EXPECT_EQ(s.Fehlermeldung, QStringLiteral("Objekte der Klasse RECHTECK haben keine Methode versch."));
    EXPECT_EQ(s.FehlerAnfang, 5);
    EXPECT_EQ(s.FehlerEnde, 10);

    analysieren(QStringLiteral("re0.verschieben(1,1)"), 7);
    EXPECT_EQ(s.Zustand, 2);
    EXPECT_EQ(s.Praefix, QStringLiteral("ver"));
    EXPECT_EQ(s.Wort, QStringLiteral("verschieben"));

    // Between the words the caret stands in none.
    analysieren(QStringLiteral("re0.kopieren()"), 13);
    EXPECT_EQ(s.Zustand, 0);
}

TEST_F(ScannerTest, CaretWordOfParameters)
{
    analysieren(QStringLiteral("re0.verschieben(2 cm, 1 c"));
    EXPECT_EQ(s.Zustand, 3);
    EXPECT_EQ(s.ParameterIndex, 1);
    EXPECT_EQ(s.ParameterArt, ArtLaenge);
    EXPECT_EQ(s.Wort, QStringLiteral("1 c"));
    EXPECT_EQ(s.Praefix, QStringLiteral("1 c"));
    EXPECT_EQ(s.WortAnfang, 23);
    EXPECT_EQ(s.WortEnde, 26);
    EXPECT_EQ(s.Fehlermeldung, QStringLiteral("c ist keine Längeneinheit."));
    EXPECT_EQ(s.FehlerAnfang, 23);
    EXPECT_EQ(s.FehlerEnde, 26);

    analysieren(QStringLiteral("re0.verschieben(2 cm, 1 cm)"), 18);
    EXPECT_EQ(s.Zustand, 3);
    EXPECT_EQ(s.ParameterIndex, 0);
    EXPECT_EQ(s.Wort, QStringLiteral("2 cm"));
    EXPECT_EQ(s.Praefix, QStringLiteral("2 "));
    EXPECT_EQ(s.Fehlermeldung, QString());

    // Right after the parenthesis: an empty word offers every colour.
    analysieren(QStringLiteral("re0.LinienfarbeSetzen("));
    EXPECT_EQ(s.Zustand, 3);
    EXPECT_EQ(s.ParameterArt, ArtFarbwert);
    EXPECT_EQ(s.Wort, QString());
    EXPECT_EQ(s.WortAnfang, 23);
    EXPECT_EQ(s.WortEnde, 23);
    EXPECT_EQ(s.Fehlermeldung, QStringLiteral("Farbe erwartet."));

    analysieren(QStringLiteral("re0.FüllfarbeSetzen(gr"));
    EXPECT_EQ(s.Zustand, 3);
    EXPECT_EQ(s.Praefix, QStringLiteral("gr"));
    EXPECT_EQ(s.ParameterArt, ArtFarbwert);

    analysieren(QStringLiteral("tf0.textSetzen(\"Hallo Welt\")"), 20);
    EXPECT_EQ(s.Zustand, 3);
    EXPECT_EQ(s.Wort, QStringLiteral("\"Hallo Welt\""));
    EXPECT_EQ(s.Praefix, QStringLiteral("\"Hall"));
}

TEST_F(ScannerTest, ParameterListIsReplacedByEachAnalysis)
{
    analysieren(QStringLiteral("re0.verschieben(1,2)"));
    ASSERT_EQ(s.Parameter.size(), 2u);
    analysieren(QStringLiteral("re0.strecken(3)"));
    ASSERT_EQ(s.Parameter.size(), 1u);
    EXPECT_DOUBLE_EQ(zahl(0), 3.0);
    // A failing argument leaves the values converted before it.
    analysieren(QStringLiteral("re0.verschieben(1,x)"));
    EXPECT_EQ(s.Parameter.size(), 1u);
    EXPECT_EQ(s.Methode->Id, MVerschieben);
    // An error before the parenthesis resets object and method.
    analysieren(QStringLiteral("zz.verschieben(1,2)"));
    EXPECT_EQ(s.Objekt, nullptr);
    EXPECT_EQ(s.Methode, nullptr);
}

TEST_F(ScannerTest, ConversionWithoutParsing)
{
    s.Dokument = &ws.Dokument();
    auto wert = s.KonvertiereParameter(ArtLaenge, QStringLiteral("  4 dm  "));
    ASSERT_TRUE(wert);
    EXPECT_DOUBLE_EQ(wert->Zahl(), 40.0);
    EXPECT_FALSE(s.KonvertiereParameter(ArtWinkel, QStringLiteral("abc")));
    EXPECT_EQ(s.Fehlermeldung, QStringLiteral("Zahl erwartet."));
    auto text = s.KonvertiereParameter(ArtText, QStringLiteral(" \"x y\" "));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Text(), QStringLiteral("x y"));
    auto objekt = s.KonvertiereParameter(ArtObjektverweis, QStringLiteral("Ve0"));
    ASSERT_TRUE(objekt);
    EXPECT_EQ(objekt->Objekt(), ve0);
}

// ----------------------------------------------------------------- colouring

TEST(Farbklassen, ClassesOfSampleTexts)
{
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("re0.LinienfarbeSetzen(rot)")),
              QStringLiteral("3333") + QString(17, QLatin1Char('2')) + QStringLiteral("31113"));
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("re0.verschieben(-2.5 cm, 3e2 mm)")),
              QStringLiteral("3333") + QStringLiteral("22222222222") + QStringLiteral("3") +
                  QStringLiteral("0000311") + QStringLiteral("33") + QStringLiteral("000311") + QStringLiteral("3"));
    // (Blanks below stand for class 3 too, for readability.)
    // Value words: invisible, line styles, segment kinds, colours, units;
    // truth values and alignments stay plain.
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("unsichtbar gerade Gekrümmt gepunktelt grün KM wahr zentriert")),
              QStringLiteral("1111111111 111111 11111111 1111111111 1111 11 3333 333333333").replace(QLatin1Char(' '), QLatin1Char('3')));
    // Vocabulary: class, method and attribute names in any case.
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("RECHTECK länge dokument1 zeichnen X")),
              QStringLiteral("22222222 22222 333333333 22222222 2").replace(QLatin1Char(' '), QLatin1Char('3')));
    // A sign before a number is part of it; a dot or e without digits is not.
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("a-1 5. 2e 7E3")), QStringLiteral("300 03 03 000").replace(QLatin1Char(' '), QLatin1Char('3')));
    EXPECT_EQ(TScanner::Farbklassen(QStringLiteral("_x1 ÄÖ 1.5.2")), QStringLiteral("333 33 00030").replace(QLatin1Char(' '), QLatin1Char('3')));
    EXPECT_EQ(TScanner::Farbklassen(QString()), QString());
}

} // namespace
