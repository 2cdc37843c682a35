#pragma once
#include "model/Farbe.h"

#include <cstdint>
#include <optional>
#include <vector>

class TZeichenObjekt;

// The values a list of figures has in common: the attribute panels show
// them for the selection, and groups take them from their members. An
// attribute on which the figures differ gets its "mixed" value: a colour of
// kind NichtEinheitlich (its value is the first figure's), line style 0,
// line width -1.0, lock state 2.
class TGemeinsamkeitsfinder
{
public:
    static constexpr std::uint8_t SperreUneinheitlich = 2;

    std::optional<TFarbe> Füllfarbe; // absent until the first search
    std::optional<TFarbe> Linienfarbe;
    std::uint8_t Linienart = 0;
    double Linienstärke = -1.0;
    std::uint8_t MausGesperrt = SperreUneinheitlich;
    std::uint8_t TastaturGesperrt = SperreUneinheitlich;

    void GemeinsameWerte(const std::vector<TZeichenObjekt *> &figuren);
};
