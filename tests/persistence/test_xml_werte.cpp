// How numbers, truth values, colours and the value words are spelled in
// files, and how lenient reading is.
#include "persistence/XMLKnoten.h"

#include "model/Farbe.h"

#include "druck_hilfen.h"

#include <gtest/gtest.h>
#include <limits>

using namespace XMLWerte;

namespace
{
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

TEST(XMLWerte, ZahlenSchreibenUndLesen)
{
    // At most 15 significant digits without trailing zeros, an exponent only
    // for very small and large magnitudes, 0 for what is not finite.
    constexpr double unendlich = std::numeric_limits<double>::infinity();
    constexpr double winzig = std::numeric_limits<double>::denorm_min();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double zahl;
        const char *text;
    } faelle[] = {{0, "0"},
                  {-0.0, "0"},
                  {1, "1"},
                  {100, "100"},
                  {1.5, "1.5"},
                  {-2.25, "-2.25"},
                  {0.1, "0.1"},
                  {0.05, "0.05"},
                  {0.1 + 0.2, "0.3"},
                  {1.0 / 3.0, "0.333333333333333"},
                  {2.0 / 3.0, "0.666666666666667"},
                  {-1234.5678, "-1234.5678"},
                  {123456789012345.0, "123456789012345"},
                  {0.00001, "0.00001"},
                  {0.000015, "0.000015"},
                  {1e15, "1E15"},
                  {1234567890123456.0, "1.23456789012346E15"},
                  {2.5e20, "2.5E20"},
                  {0.000001, "1E-6"},
                  {-1.25e-10, "-1.25E-10"},
                  {1e300, "1E300"},
                  {winzig, "4.94065645841247E-324"},
                  {nan, "0"},
                  {unendlich, "0"},
                  {-unendlich, "0"}};
    for (const auto &f : faelle)
        EXPECT_EQ(ZahlAlsText(f.zahl), QString::fromLatin1(f.text)) << f.text;

    // A comma reads as a point.
    const std::pair<const char *, double> gut[] = {{"1.5", 1.5}, {"1,5", 1.5},   {"-0,25", -0.25},   {"+3", 3.0},
                                                   {" 2 ", 2.0}, {"1E15", 1e15}, {"1.5e-7", 1.5e-7}, {"2E+3", 2000.0},
                                                   {".5", 0.5},  {"5.", 5.0}};
    for (const auto &[text, zahl] : gut)
        EXPECT_EQ(Lies(QString::fromUtf8(text)), zahl) << text;
    for (const char *falsch : {"", " ", "abc", "1.2.3", "1,2,3", "--1", "+-1", "1e", "e5", "1 2", "0x10", "inf", "-inf",
                               "nan", "NaN", "1e999", "-1e400", "½", "١"})
        EXPECT_EQ(Lies(QString::fromUtf8(falsch)), std::nullopt) << falsch;

    const std::pair<const char *, std::int32_t> ganz[] = {{"42", 42},
                                                          {"-7", -7},
                                                          {"+5", 5},
                                                          {" 12 ", 12},
                                                          {"2147483647", 2147483647},
                                                          {"-2147483648", std::numeric_limits<std::int32_t>::min()}};
    for (const auto &[text, zahl] : ganz)
        EXPECT_EQ(LiesGanz(QString::fromUtf8(text)), zahl) << text;
    for (const char *falsch : {"", "2147483648", "-2147483649", "1.0", "1,0", "1e3", "x", "12a", "--3", "+-3", "0x1F"})
        EXPECT_EQ(LiesGanz(QString::fromUtf8(falsch)), std::nullopt) << falsch;
}

TEST(XMLWerte, FarbenUndWoerter)
{
    // Known names; an unknown one keeps the old value; a capital N means not uniform; anything
    // else is invisible, the value kept.
    const std::pair<const char *, TFarbe> faelle[] = {{"Farbe blau", TFarbe::Echt(FarbWert(0, 0, 255))},
                                                      {"Farbe türkis", TFarbe::Echt(FarbWert(0, 255, 255))},
                                                      {"Farbe lila", TFarbe::Echt(FarbWert(1, 2, 3))},
                                                      {"Nix", TFarbe(FarbArtNichtEinheitlich, FarbWert(1, 2, 3))},
                                                      {"farbe rot", TFarbe(FarbArtUnsichtbar, FarbWert(1, 2, 3))}};
    for (const auto &[text, erwartet] : faelle) {
        // Start from another kind than the expected one, value 1, 2, 3.
        TFarbe f(erwartet.FarbArt == FarbArtUnsichtbar ? FarbArtFarbe : FarbArtUnsichtbar, FarbWert(1, 2, 3));
        TextAlsFarbe(QString::fromUtf8(text), f);
        EXPECT_EQ(f, erwartet) << text;
    }
    // What has no name, and the value words, as files spell them.
    EXPECT_EQ(FarbeAlsText(TFarbe::Echt(FarbWert(1, 2, 3))), QStringLiteral("Farbe "));
    EXPECT_EQ(FarbeAlsText(TFarbe(FarbArtNichtEinheitlich, 0)), QStringLiteral("NichtEinheitlich"));
    const std::pair<QString (*)(std::uint8_t), QStringList> woerter[] = {
        {LinienartAlsText,
         {"nicht_einheitlich", "durchgezogen", "gestrichelt", "breitgestrichelt", "gepunktelt", "gestrichpunktelt"}},
        {AusrichtungAlsText, {"linksbündig", "rechtsbündig", "zentriert", "Blocksatz"}},
        {SperrzustandAlsText, {"erlaubt", "nicht_erlaubt", "nicht_einheitlich"}},
        {AbschnittArtAlsText, {"gerade", "gekrümmt"}},
    };
    for (const auto &[alsText, liste] : woerter)
        for (int i = 0; i < liste.size(); ++i)
            EXPECT_EQ(alsText(std::uint8_t(i)), liste[i]);
}
