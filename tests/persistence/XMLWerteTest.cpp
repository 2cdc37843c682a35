// How numbers, truth values, colours and the value words are spelled in
// files, and how lenient reading is.
#include "persistence/XMLKnoten.h"

#include "model/Farbe.h"

#include <QRandomGenerator>
#include <cmath>
#include "Drucken.h"

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

TEST(XMLWerte, ZahlenMitHoechstens15StellenOhneNullenAmEnde)
{
    EXPECT_EQ(Z(0), QStringLiteral("0"));
    EXPECT_EQ(Z(-0.0), QStringLiteral("0"));
    EXPECT_EQ(Z(1), QStringLiteral("1"));
    EXPECT_EQ(Z(100), QStringLiteral("100"));
    EXPECT_EQ(Z(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(Z(-2.25), QStringLiteral("-2.25"));
    EXPECT_EQ(Z(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(Z(0.05), QStringLiteral("0.05"));
    EXPECT_EQ(Z(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(Z(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(Z(2.0 / 3.0), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(Z(-1234.5678), QStringLiteral("-1234.5678"));
    EXPECT_EQ(Z(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(Z(0.00001), QStringLiteral("0.00001"));
    EXPECT_EQ(Z(0.000015), QStringLiteral("0.000015"));
}

TEST(XMLWerte, ExponentNurBeiSehrKleinenUndGrossenBetraegen)
{
    EXPECT_EQ(Z(1e15), QStringLiteral("1E15"));
    EXPECT_EQ(Z(1234567890123456.0), QStringLiteral("1.23456789012346E15"));
    EXPECT_EQ(Z(2.5e20), QStringLiteral("2.5E20"));
    EXPECT_EQ(Z(0.000001), QStringLiteral("1E-6"));
    EXPECT_EQ(Z(-1.25e-10), QStringLiteral("-1.25E-10"));
    EXPECT_EQ(Z(1e300), QStringLiteral("1E300"));
    EXPECT_EQ(Z(std::numeric_limits<double>::denorm_min()), QStringLiteral("4.94065645841247E-324"));
}

TEST(XMLWerte, NichtEndlicheZahlenWerdenAlsNullGeschrieben)
{
    EXPECT_EQ(Z(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("0"));
    EXPECT_EQ(Z(std::numeric_limits<double>::infinity()), QStringLiteral("0"));
    EXPECT_EQ(Z(-std::numeric_limits<double>::infinity()), QStringLiteral("0"));
}

TEST(XMLWerte, ZahlenLesen)
{
    EXPECT_EQ(Lies(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(Lies(QStringLiteral("1,5")), 1.5); // comma read as point
    EXPECT_EQ(Lies(QStringLiteral("-0,25")), -0.25);
    EXPECT_EQ(Lies(QStringLiteral("+3")), 3.0);
    EXPECT_EQ(Lies(QStringLiteral(" 2 ")), 2.0);
    EXPECT_EQ(Lies(QStringLiteral("1E15")), 1e15);
    EXPECT_EQ(Lies(QStringLiteral("1.5e-7")), 1.5e-7);
    EXPECT_EQ(Lies(QStringLiteral("2E+3")), 2000.0);
    EXPECT_EQ(Lies(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(Lies(QStringLiteral("5.")), 5.0);

    for (const char *falsch : {"", " ", "abc", "1.2.3", "1,2,3", "--1", "+-1", "1e", "e5", "1 2", "0x10", "inf", "-inf",
                               "nan", "NaN", "1e999", "-1e400", "½", "١"})
        EXPECT_EQ(Lies(QString::fromUtf8(falsch)), std::nullopt) << falsch;
}

TEST(XMLWerte, GanzzahlenLesen)
{
    EXPECT_EQ(LiesGanz(QStringLiteral("42")), 42);
    EXPECT_EQ(LiesGanz(QStringLiteral("-7")), -7);
    EXPECT_EQ(LiesGanz(QStringLiteral("+5")), 5);
    EXPECT_EQ(LiesGanz(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(LiesGanz(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(LiesGanz(QStringLiteral("-2147483648")), std::numeric_limits<std::int32_t>::min());
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

TEST(XMLWerte, FarbenSchreiben)
{
    EXPECT_EQ(FarbeAlsText(TFarbe::Echt(FarbWert(255, 0, 0))), QStringLiteral("Farbe rot"));
    EXPECT_EQ(FarbeAlsText(TFarbe::Echt(FarbWert(255, 255, 255))), QStringLiteral("Farbe weiß"));
    EXPECT_EQ(FarbeAlsText(TFarbe::Echt(FarbWert(51, 51, 0))), QStringLiteral("Farbe dunkelolivgrün"));
    EXPECT_EQ(FarbeAlsText(TFarbe::Echt(FarbWert(1, 2, 3))), QStringLiteral("Farbe "));
    EXPECT_EQ(FarbeAlsText(TFarbe::Unsichtbar()), QStringLiteral("Unsichtbar"));
    EXPECT_EQ(FarbeAlsText(TFarbe(FarbArtNichtEinheitlich, 0)), QStringLiteral("NichtEinheitlich"));
}

TEST(XMLWerte, FarbenLesen)
{
    const TFarbe alt(FarbArtUnsichtbar, FarbWert(1, 2, 3));
    const auto lies = [&](const QString &t) {
        TFarbe f = alt;
        TextAlsFarbe(t, f);
        return f;
    };
    EXPECT_EQ(lies(QStringLiteral("Farbe blau")), TFarbe::Echt(FarbWert(0, 0, 255)));
    EXPECT_EQ(lies(QStringLiteral("Farbe türkis")), TFarbe::Echt(FarbWert(0, 255, 255)));
    // The seventh character on is the name, whatever the sixth is.
    EXPECT_EQ(lies(QStringLiteral("Farbe_rot")), TFarbe::Echt(FarbWert(255, 0, 0)));
    // Unknown or differently cased names: kind colour, old value kept.
    EXPECT_EQ(lies(QStringLiteral("Farbe lila")), TFarbe::Echt(FarbWert(1, 2, 3)));
    EXPECT_EQ(lies(QStringLiteral("Farbe Blau")), TFarbe::Echt(FarbWert(1, 2, 3)));
    EXPECT_EQ(lies(QStringLiteral("Farbe ")), TFarbe::Echt(FarbWert(1, 2, 3)));
    EXPECT_EQ(lies(QStringLiteral("Farbe")), TFarbe::Echt(FarbWert(1, 2, 3)));
    // Anything starting with a capital N: not uniform.
    EXPECT_EQ(lies(QStringLiteral("NichtEinheitlich")).FarbArt, FarbArtNichtEinheitlich);
    EXPECT_EQ(lies(QStringLiteral("Nix")).FarbArt, FarbArtNichtEinheitlich);
    // Everything else, the empty text too: invisible.
    TFarbe f = TFarbe::Echt(FarbWert(9, 9, 9));
    TextAlsFarbe(QString(), f);
    EXPECT_EQ(f, TFarbe(FarbArtUnsichtbar, FarbWert(9, 9, 9)));
    for (const char *t : {"Unsichtbar", "nichtEinheitlich", "farbe rot", "xyz"}) {
        TFarbe g = TFarbe::Echt(0);
        TextAlsFarbe(QString::fromUtf8(t), g);
        EXPECT_EQ(g.FarbArt, FarbArtUnsichtbar) << t;
    }
}

TEST(XMLWerte, AufzaehlungenExaktUndMitGrossschreibung)
{
    EXPECT_EQ(LinienartAlsText(0), QStringLiteral("nicht_einheitlich"));
    EXPECT_EQ(LinienartAlsText(1), QStringLiteral("durchgezogen"));
    EXPECT_EQ(LinienartAlsText(5), QStringLiteral("gestrichpunktelt"));
    EXPECT_EQ(TextAlsLinienart(QStringLiteral("gepunktelt")), 4);
    EXPECT_EQ(TextAlsLinienart(QStringLiteral("Gepunktelt")), 0);
    EXPECT_EQ(TextAlsLinienart(QStringLiteral("")), 0);

    EXPECT_EQ(AusrichtungAlsText(1), QStringLiteral("rechtsbündig"));
    EXPECT_EQ(AusrichtungAlsText(3), QStringLiteral("Blocksatz"));
    EXPECT_EQ(TextAlsAusrichtung(QStringLiteral("zentriert")), 2);
    EXPECT_EQ(TextAlsAusrichtung(QStringLiteral("blocksatz")), 0);
    EXPECT_EQ(TextAlsAusrichtung(QStringLiteral("Blocksatz")), 3);

    EXPECT_EQ(SperrzustandAlsText(0), QStringLiteral("erlaubt"));
    EXPECT_EQ(SperrzustandAlsText(1), QStringLiteral("nicht_erlaubt"));
    EXPECT_EQ(SperrzustandAlsText(2), QStringLiteral("nicht_einheitlich"));
    EXPECT_EQ(TextAlsSperrzustand(QStringLiteral("nicht_erlaubt")), 1);
    EXPECT_EQ(TextAlsSperrzustand(QStringLiteral("NICHT_ERLAUBT")), 0);

    EXPECT_EQ(AbschnittArtAlsText(0), QStringLiteral("gerade"));
    EXPECT_EQ(AbschnittArtAlsText(1), QStringLiteral("gekrümmt"));
    EXPECT_EQ(TextAlsAbschnittArt(QStringLiteral("gekrümmt")), 1);
    EXPECT_EQ(TextAlsAbschnittArt(QStringLiteral("Gekrümmt")), 0);
    EXPECT_EQ(TextAlsAbschnittArt(QStringLiteral("gekruemmt")), 0);
}

TEST(XMLWerte, TypisierteLeserUndAnhaenger)
{
    TXMLKnoten k(QStringLiteral("K"));
    k.GanzzahlHinzufuegen(QStringLiteral("i"), 12);
    k.ZahlHinzufuegen(QStringLiteral("z"), 2.5);
    k.WahrheitswertHinzufuegen(QStringLiteral("w"), true);
    k.FarbeHinzufuegen(QStringLiteral("f"), TFarbe::Echt(FarbWert(0, 128, 0)));
    k.LinienartHinzufuegen(QStringLiteral("l"), 3);
    k.AusrichtungHinzufuegen(QStringLiteral("a"), 2);
    k.SperrzustandHinzufuegen(QStringLiteral("s"), 1);
    k.AbschnittArtHinzufuegen(QStringLiteral("ab"), 1);
    k.TextHinzufuegen(QStringLiteral("kaputt"), QStringLiteral("1.5cm"));

    QStringList werte;
    for (int i = 0; i < k.AttributAnzahl(); ++i)
        werte << k.Attribut(i)->Wert;
    EXPECT_EQ(werte, (QStringList{QStringLiteral("12"), QStringLiteral("2.5"), QStringLiteral("wahr"),
                                  QStringLiteral("Farbe grün"), QStringLiteral("breitgestrichelt"),
                                  QStringLiteral("zentriert"), QStringLiteral("nicht_erlaubt"), QStringLiteral("gekrümmt"),
                                  QStringLiteral("1.5cm")}));

    std::int32_t i = 0;
    double z = 0;
    bool w = false;
    TFarbe f;
    std::uint8_t l = 0, a = 0, s = 0, ab = 0;
    EXPECT_TRUE(k.GanzzahlLesen(QStringLiteral("i"), i));
    EXPECT_TRUE(k.ZahlLesen(QStringLiteral("z"), z));
    EXPECT_TRUE(k.WahrheitswertLesen(QStringLiteral("w"), w));
    EXPECT_TRUE(k.FarbeLesen(QStringLiteral("f"), f));
    EXPECT_TRUE(k.LinienartLesen(QStringLiteral("l"), l));
    EXPECT_TRUE(k.AusrichtungLesen(QStringLiteral("a"), a));
    EXPECT_TRUE(k.SperrzustandLesen(QStringLiteral("s"), s));
    EXPECT_TRUE(k.AbschnittArtLesen(QStringLiteral("ab"), ab));
    EXPECT_EQ(i, 12);
    EXPECT_EQ(z, 2.5);
    EXPECT_TRUE(w);
    EXPECT_EQ(f, TFarbe::Echt(FarbWert(0, 128, 0)));
    EXPECT_EQ(l, 3);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(ab, 1);

    // A missing attribute leaves the target alone.
    double bleibt = 7;
    EXPECT_FALSE(k.ZahlLesen(QStringLiteral("fehlt"), bleibt));
    EXPECT_EQ(bleibt, 7);

    // A value that is not a number raises the conversion error with its text.
    try {
        k.ZahlLesen(QStringLiteral("kaputt"), bleibt);
        FAIL() << "keine Ausnahme";
    } catch (const EKonvertierungsFehler &e) {
        EXPECT_EQ(e.Meldung, QStringLiteral("Ungültige Zahl: 1.5cm"));
    }
    EXPECT_EQ(bleibt, 7);
    EXPECT_THROW(k.Attribut(8)->AlsGanzzahl(), EKonvertierungsFehler);
    EXPECT_THROW(k.Attribut(1)->AlsGanzzahl(), EKonvertierungsFehler); // "2.5"
}
