#pragma once
#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// Colour kinds.
enum TFarbArt : std::uint8_t {
    FarbArtFarbe = 0,            // a real colour
    FarbArtUnsichtbar = 1,       // no paint
    FarbArtNichtEinheitlich = 2, // the objects of a selection differ
};

struct TBenannteFarbe {
    const char16_t *Name;
    std::uint8_t Rot, Gruen, Blau;
};

// The 42 named colours in table order (the index is the colour's code in the
// colour picker and in completion lists).
extern const std::array<TBenannteFarbe, 42> BenannteFarben;

// A colour value: red in the lowest byte, then green, then blue.
constexpr std::uint32_t FarbWert(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}

class TFarbe
{
public:
    std::uint8_t FarbArt = FarbArtNichtEinheitlich;
    std::uint32_t Wert = 0;

    TFarbe() = default;
    TFarbe(std::uint8_t art, std::uint32_t wert) : FarbArt(art), Wert(wert) {}
    static TFarbe Echt(std::uint32_t wert) { return TFarbe(FarbArtFarbe, wert); }
    static TFarbe Unsichtbar() { return TFarbe(FarbArtUnsichtbar, 0); }

    // Copies kind and value; does nothing for nullptr.
    void Zuweisen(const TFarbe *quelle);

    // 0 for kinds Unsichtbar and NichtEinheitlich; for real colours the first
    // table index with this value, or nothing when the colour is not named.
    std::optional<int> TabellenIndex() const;

    // "unsichtbar", "nicht_einheitlich", the table name, or "" when unnamed.
    QString FarbName() const;

    // The value as a Qt colour (the kind is not consulted).
    QColor AlsQColor() const;
    static std::uint32_t WertAus(const QColor &farbe);

    bool operator==(const TFarbe &o) const { return FarbArt == o.FarbArt && Wert == o.Wert; }
    bool operator!=(const TFarbe &o) const { return !(*this == o); }
};

// Index of a named colour word (compared through Grossschreibung), or -1.
int FarbIndexZuName(const QString &name);
