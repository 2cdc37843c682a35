// How numbers, truth values, colours and the value words are spelled in
// files, and how lenient reading is.
#include "persistence/XMLKnoten.h"

#include "model/Farbe.h"

#include <QRandomGenerator>
#include <cmath>
#include "druck_hilfen.h"

#include <gtest/gtest.h>
#include <limits>

using namespace XMLWerte;

namespace {
QString Z(double d) { return ZahlAlsText(d); }
std::optional<double> Lies(const QString &t)
{
    double d = -12345;
    if (!TextAlsZahl(t, d))
        return std::nullopt;
    return d;
}
std::optional<std::int32_t> LiesGanz(const QString &t)
{
    std::int32_t i = -12345;
    if (!TextAlsGanzzahl(t, i))
        return std::nullopt;
    return i;
}
} // namespace

TEST(XMLWerte, ZahlenSchreiben)
{
    // At most 15 significant digits without trailing zeros, an exponent only
    // for very small and large magnitudes, 0 for what is not finite.
    constexpr double unendlich = std::numeric_limits<double>::infinity();
    const struct {
        double zahl;
        const char *text;
    } faelle[] = {
        {0, "0"}, {-0.0, "0"}, {1, "1"}, {100, "100"}, {1.5, "1.5"}, {-2.25, "-2.25"}, {0.1, "0.1"}, {0.05, "0.05"},
        {0.1 + 0.2, "0.3"}, {1.0 / 3.0, "0.333333333333333"}, {2.0 / 3.0, "0.666666666666667"},
        {-1234.5678, "-1234.5678"}, {123456789012345.0, "123456789012345"}, {0.00001, "0.00001"},
        {0.000015, "0.000015"}, {1e15, "1E15"}, {1234567890123456.0, "1.23456789012346E15"}, {2.5e20, "2.5E20"},
        {0.000001, "1E-6"}, {-1.25e-10, "-1.25E-10"}, {1e300, "1E300"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::quiet_NaN(), "0"}, {unendlich, "0"}, {-unendlich, "0"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(Z(f.zahl), QString::fromLatin1(f.text)) << f.text;
}

TEST(XMLWerte, ZahlenLesen)
{
    // A comma reads as a point.
    const std::pair<const char *, double> gut[] = {{"1.5", 1.5}, {"1,5", 1.5},   {"-0,25", -0.25}, {"+3", 3.0},
                                                   {" 2 ", 2.0}, {"1E15", 1e15}, {"1.5e-7", 1.5e-7}, {"2E+3", 2000.0},
                                                   {".5", 0.5},  {"5.", 5.0}};
    for (const auto &[text, zahl] : gut)
        EXPECT_EQ(Lies(QString::fromUtf8(text)), zahl) << text;
    for (const char *falsch : {"", " ", "abc", "1.2.3", "1,2,3", "--1", "+-1", "1e", "e5", "1 2", "0x10", "inf", "-inf",
                               "nan", "NaN", "1e999", "-1e400", "½", "١"})
        EXPECT_EQ(Lies(QString::fromUtf8(falsch)), std::nullopt) << falsch;
}

TEST(XMLWerte, GanzzahlenLesen)
{
    const std::pair<const char *, std::int32_t> gut[] = {
        {"42", 42}, {"-7", -7}, {"+5", 5}, {" 12 ", 12}, {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()}};
    for (const auto &[text, zahl] : gut)
        EXPECT_EQ(LiesGanz(QString::fromUtf8(text)), zahl) << text;
    for (const char *falsch : {"", "2147483648", "-2147483649", "1.0", "1,0", "1e3", "x", "12a", "--3", "+-3", "0x1F"})
        EXPECT_EQ(LiesGanz(QString::fromUtf8(falsch)), std::nullopt) << falsch;
}

TEST(XMLWerte, ZahlenUeberlebenSchreibenUndLesen)
{
    QRandomGenerator zufall(4711);
    for (int i = 0; i < 20000; ++i) {
        const double mantisse = zufall.generateDouble() * 2 - 1;
        const double d = std::ldexp(mantisse, zufall.bounded(-60, 60));
        const auto zurueck = Lies(Z(d));
        ASSERT_TRUE(zurueck.has_value()) << Z(d).toStdString();
        EXPECT_NEAR(*zurueck, d, std::abs(d) * 1e-14) << Z(d).toStdString();
    }
    // Values with few digits come back exactly.
    for (double d : {0.1, 2.54, -17.3, 29.7, 21.0, 1e-6, 12345.678})
        EXPECT_EQ(Lies(Z(d)), d);
}

TEST(XMLWerte, WahrheitswerteInJederSchreibweise)
{
    EXPECT_EQ(WahrheitswertAlsText(true), QStringLiteral("wahr"));
    EXPECT_EQ(WahrheitswertAlsText(false), QStringLiteral("falsch"));
    for (const char *wahr : {"wahr", "WAHR", "Wahr", "wAhR"})
        EXPECT_TRUE(TextAlsWahrheitswert(QString::fromUtf8(wahr))) << wahr;
    for (const char *falsch : {"falsch", "", "ja", "1", "true", "wahr ", " wahr", "wahrr", "wah"})
        EXPECT_FALSE(TextAlsWahrheitswert(QString::fromUtf8(falsch))) << falsch;
}

// Named colours are written with a document file; here what has no name.
TEST(XMLWerte, FarbenSchreiben)
{
    EXPECT_EQ(FarbeAlsText(TFarbe::Echt(FarbWert(1, 2, 3))), QStringLiteral("Farbe "));
    EXPECT_EQ(FarbeAlsText(TFarbe::Unsichtbar()), QStringLiteral("Unsichtbar"));
    EXPECT_EQ(FarbeAlsText(TFarbe(FarbArtNichtEinheitlich, 0)), QStringLiteral("NichtEinheitlich"));
}

TEST(XMLWerte, FarbenLesen)
{
    const std::pair<const char *, TFarbe> faelle[] = {
        {"Farbe blau", TFarbe::Echt(FarbWert(0, 0, 255))},
        {"Farbe türkis", TFarbe::Echt(FarbWert(0, 255, 255))},
        // The seventh character on is the name, whatever the sixth is.
        {"Farbe_rot", TFarbe::Echt(FarbWert(255, 0, 0))},
        // Unknown or differently cased names: kind colour, old value kept.
        {"Farbe lila", TFarbe::Echt(FarbWert(1, 2, 3))},
        {"Farbe Blau", TFarbe::Echt(FarbWert(1, 2, 3))},
        {"Farbe ", TFarbe::Echt(FarbWert(1, 2, 3))},
        {"Farbe", TFarbe::Echt(FarbWert(1, 2, 3))},
        // Anything starting with a capital N: not uniform.
        {"NichtEinheitlich", TFarbe(FarbArtNichtEinheitlich, FarbWert(1, 2, 3))},
        {"Nix", TFarbe(FarbArtNichtEinheitlich, FarbWert(1, 2, 3))},
        // Everything else, the empty text too: invisible, value kept.
        {"", TFarbe(FarbArtUnsichtbar, FarbWert(1, 2, 3))},
        {"Unsichtbar", TFarbe(FarbArtUnsichtbar, FarbWert(1, 2, 3))},
        {"nichtEinheitlich", TFarbe(FarbArtUnsichtbar, FarbWert(1, 2, 3))},
        {"farbe rot", TFarbe(FarbArtUnsichtbar, FarbWert(1, 2, 3))},
    };
    for (const auto &[text, erwartet] : faelle) {
        // Start from another kind than the expected one, value 1, 2, 3.
        TFarbe f(erwartet.FarbArt == FarbArtUnsichtbar ? FarbArtFarbe : FarbArtUnsichtbar, FarbWert(1, 2, 3));
        TextAlsFarbe(QString::fromUtf8(text), f);
        EXPECT_EQ(f, erwartet) << text;
    }
}

// Every word both ways; another case or spelling reads as the first value.
TEST(XMLWerte, AufzaehlungenExaktUndMitGrossschreibung)
{
    const struct {
        QString (*alsText)(std::uint8_t);
        std::uint8_t (*lesen)(const QString &);
        QStringList woerter;
    } arten[] = {
        {LinienartAlsText, TextAlsLinienart,
         {"nicht_einheitlich", "durchgezogen", "gestrichelt", "breitgestrichelt", "gepunktelt", "gestrichpunktelt"}},
        {AusrichtungAlsText, TextAlsAusrichtung, {"linksbündig", "rechtsbündig", "zentriert", "Blocksatz"}},
        {SperrzustandAlsText, TextAlsSperrzustand, {"erlaubt", "nicht_erlaubt", "nicht_einheitlich"}},
        {AbschnittArtAlsText, TextAlsAbschnittArt, {"gerade", "gekrümmt"}},
    };
    for (const auto &art : arten) {
        for (int i = 0; i < art.woerter.size(); ++i) {
            const QString &w = art.woerter[i];
            EXPECT_EQ(art.alsText(std::uint8_t(i)), w);
            EXPECT_EQ(art.lesen(w), i) << w.toStdString();
            EXPECT_EQ(art.lesen(w.toUpper()), 0) << w.toStdString();
            EXPECT_EQ(art.lesen(w.left(1).toUpper() + w.mid(1)), w[0].isUpper() ? i : 0) << w.toStdString();
        }
        EXPECT_EQ(art.lesen(QString()), 0);
    }
    EXPECT_EQ(TextAlsAusrichtung(QStringLiteral("blocksatz")), 0);
    EXPECT_EQ(TextAlsAbschnittArt(QStringLiteral("gekruemmt")), 0);
}

// The typed readers behind every figure's loading: a missing attribute
// leaves the target alone, a value that is not a number raises the
// conversion error with its text.
TEST(XMLWerte, TypisierteLeser)
{
    TXMLKnoten k(QStringLiteral("K"));
    k.ZahlHinzufuegen(QStringLiteral("z"), 2.5);
    k.TextHinzufuegen(QStringLiteral("kaputt"), QStringLiteral("1.5cm"));
    double bleibt = 7;
    EXPECT_FALSE(k.ZahlLesen(QStringLiteral("fehlt"), bleibt));
    EXPECT_EQ(bleibt, 7);
    try {
        k.ZahlLesen(QStringLiteral("kaputt"), bleibt);
        FAIL() << "keine Ausnahme";
    } catch (const EKonvertierungsFehler &e) {
        EXPECT_EQ(e.Meldung, QStringLiteral("Ungültige Zahl: 1.5cm"));
    }
    EXPECT_EQ(bleibt, 7);
    EXPECT_THROW(k.Attribut(0)->AlsGanzzahl(), EKonvertierungsFehler); // "2.5"
}
