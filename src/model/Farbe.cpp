#include "model/Farbe.h"
#include "model/Grossschreibung.h"

const std::array<TBenannteFarbe, 42> BenannteFarben = {{
    {u"grau1", 51, 51, 51},          {u"grau2", 90, 90, 90},
    {u"grau3", 128, 128, 128},       {u"grau4", 153, 153, 153},
    {u"grau5", 192, 192, 192},       {u"grau6", 224, 224, 224},
    {u"weiß", 255, 255, 255},        {u"schwarz", 0, 0, 0},
    {u"braun", 153, 51, 0},          {u"dunkelolivgrün", 51, 51, 0},
    {u"dunkelgrün", 0, 51, 0},       {u"dunkelblaugrün", 0, 51, 102},
    {u"dunkelblau", 0, 0, 128},      {u"indigoblau", 51, 51, 153},
    {u"dunkelrot", 128, 0, 0},       {u"hellrot", 255, 102, 0},
    {u"olivgrün", 128, 128, 0},      {u"grün", 0, 128, 0},
    {u"blaugrün", 0, 128, 128},      {u"blau", 0, 0, 255},
    {u"blaugrau", 102, 102, 153},    {u"rot", 255, 0, 0},
    {u"orange", 255, 153, 0},        {u"gelbgrün", 153, 204, 0},
    {u"meeresgrün", 51, 153, 102},   {u"aquamarin", 51, 204, 204},
    {u"hellblau", 51, 102, 255},     {u"violett", 128, 0, 128},
    {u"dunkelrosa", 255, 0, 255},    {u"gold", 255, 204, 0},
    {u"gelb", 255, 255, 0},          {u"grellgrün", 0, 255, 0},
    {u"türkis", 0, 255, 255},        {u"himmelblau", 0, 204, 255},
    {u"pflaume", 153, 51, 102},      {u"rosarot", 255, 153, 204},
    {u"hellorange", 255, 204, 153},  {u"hellgelb", 255, 255, 153},
    {u"hellgrün", 204, 255, 204},    {u"helltürkis", 204, 255, 255},
    {u"weißblau", 153, 204, 255},    {u"lavendel", 204, 153, 255},
}};

void TFarbe::Zuweisen(const TFarbe *quelle)
{
    if (!quelle)
        return;
    FarbArt = quelle->FarbArt;
    Wert = quelle->Wert;
}

std::optional<int> TFarbe::TabellenIndex() const
{
    if (FarbArt != FarbArtFarbe)
        return 0;
    for (int i = 0; i < int(BenannteFarben.size()); ++i) {
        const auto &f = BenannteFarben[i];
        if (FarbWert(f.Rot, f.Gruen, f.Blau) == Wert)
            return i;
    }
    return std::nullopt;
}

QString TFarbe::FarbName() const
{
    if (FarbArt == FarbArtUnsichtbar)
        return QStringLiteral("unsichtbar");
    if (FarbArt == FarbArtNichtEinheitlich)
        return QStringLiteral("nicht_einheitlich");
    const auto index = TabellenIndex();
    if (!index)
        return QString();
    return QString::fromUtf16(BenannteFarben[*index].Name);
}

QColor TFarbe::AlsQColor() const
{
    return QColor(int(Wert & 0xFF), int((Wert >> 8) & 0xFF), int((Wert >> 16) & 0xFF));
}

std::uint32_t TFarbe::WertAus(const QColor &farbe)
{
    return FarbWert(std::uint8_t(farbe.red()), std::uint8_t(farbe.green()),
                    std::uint8_t(farbe.blue()));
}

int FarbIndexZuName(const QString &name)
{
    for (int i = 0; i < int(BenannteFarben.size()); ++i)
        if (GleichOhneGross(QString::fromUtf16(BenannteFarben[i].Name), name))
            return i;
    return -1;
}
