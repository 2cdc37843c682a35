// Values, colours and the Windows-1252 codec.
#include "model/Codec1252.h"
#include "model/Data.h"
#include "model/Farbe.h"

#include <gtest/gtest.h>

TEST(Codec1252, JedesByteHinUndZurueckUndNichtDarstellbares)
{
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(char(b));
    const QString text = Codec1252::Dekodieren(alle);
    ASSERT_EQ(text.size(), 256);
    QByteArray zurueck;
    ASSERT_TRUE(Codec1252::Kodieren(text, zurueck));
    EXPECT_EQ(zurueck, alle);
    // A few well-known mappings.
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0xE4], QChar(u'ä'));
    EXPECT_EQ(text[0xDF], QChar(u'ß'));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081));

    // Characters outside the code page are reported, and nothing is kept.
    QByteArray bytes = "alt";
    qsizetype fehler = 0;
    EXPECT_FALSE(Codec1252::Kodieren(QStringLiteral("ab\u0100c"), bytes, &fehler));
    EXPECT_EQ(fehler, 2);
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_EQ(Codec1252::ErstesNichtDarstellbares(QStringLiteral("Grüße €")), -1);
    EXPECT_EQ(Codec1252::ErstesNichtDarstellbares(QString::fromUtf8("x\xF0\x9F\x98\x80")), 1);
    EXPECT_FALSE(Codec1252::Darstellbar(QChar(0x3A9)));
}

// How a value shows in the log: lengths switch from mm to cm above 1 cm.
// (One value of every other kind is shown in the call record test.)
TEST(AnzeigeText, JeWertart)
{
    const std::pair<TData, const char *> faelle[] = {
        {TData(-0.3, ArtLaenge), "-3.00 mm"},
        {TData(0.0, ArtLaenge), "0.00 mm"},
        {TData(1.01, ArtLaenge), "1.01 cm"},
        {TData(1.0, ArtLaenge), "10.00 mm"},
        {TData(-1.5, ArtLaenge), "-1.50 cm"},
        {TData(std::uint8_t(0), ArtWahrheitswert), "falsch"},
        {TData(std::uint8_t(3), ArtAusrichtung), "Blocksatz"},
        {TData(std::int32_t(-42)), "-42"},
        {TData(static_cast<TObjekt *>(nullptr)), ""},
        {TData(TFarbe::Echt(FarbWert(255, 0, 0))), "rot"},
    };
    for (const auto &[wert, text] : faelle)
        EXPECT_EQ(wert.AnzeigeText(), text);
}

TEST(AnzeigeText, PraezisionUndWissenschaftlicheSchreibweise)
{
    // Rounded to 5 significant digits, then 2 decimals.
    EXPECT_EQ(ZahlFormatieren(1234.567, 5, 2), "1234.60");
    EXPECT_EQ(ZahlFormatieren(12345.0, 5, 2), "12345.00");
    // More integer digits than the precision: scientific notation.
    const QString gross = ZahlFormatieren(123456.0, 5, 2);
    EXPECT_TRUE(gross.contains(QLatin1Char('E'))) << gross.toStdString();
    EXPECT_TRUE(gross.startsWith(QStringLiteral("1.2346"))) << gross.toStdString();
    // Rounding that carries into a sixth digit also switches.
    EXPECT_TRUE(ZahlFormatieren(99999.9, 5, 2).contains(QLatin1Char('E')));
    EXPECT_EQ(TData(123456.0, ArtLaenge).AnzeigeText(), gross + QStringLiteral(" cm"));
    // Factors have precision 6: 12345.6 % stays fixed, 1234567 % does not.
    EXPECT_EQ(TData(123.456, ArtFaktor).AnzeigeText(), "12345.600 %");
    EXPECT_TRUE(TData(12345.67, ArtFaktor).AnzeigeText().contains(QLatin1Char('E')));
    // No negative zero.
    EXPECT_EQ(ZahlFormatieren(-0.0001, 5, 2), "0.00");
}

TEST(Farbe, NamenUndTabellenIndex)
{
    const struct {
        TFarbe farbe;
        const char *name;
        std::optional<int> index;
    } faelle[] = {{TFarbe(), "nicht_einheitlich", 0},
                  {TFarbe::Unsichtbar(), "unsichtbar", 0},
                  {TFarbe::Echt(FarbWert(1, 2, 3)), "", std::nullopt},
                  {TFarbe::Echt(FarbWert(255, 255, 255)), "weiß", 6},
                  {TFarbe::Echt(FarbWert(204, 153, 255)), "lavendel", 41}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.farbe.FarbName(), QString::fromUtf8(f.name));
        EXPECT_EQ(f.farbe.TabellenIndex(), f.index);
    }
    EXPECT_EQ(TFarbe().Wert, 0u);
    // Red lives in the lowest byte.
    EXPECT_EQ(FarbWert(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(TFarbe::Echt(FarbWert(255, 102, 0)).AlsQColor(), QColor(255, 102, 0));
    TFarbe ziel;
    ziel.Zuweisen(nullptr);
    EXPECT_EQ(ziel.FarbArt, FarbArtNichtEinheitlich);
    const TFarbe quelle = TFarbe::Echt(7);
    ziel.Zuweisen(&quelle);
    EXPECT_EQ(ziel, quelle);
}
