#include "model/MethodenAufruf.h"
#include "model/Analysator.h"
#include "model/Objekt.h"

TMethodenAufruf::TMethodenAufruf(std::uint8_t methodenId, const TObjekt &objekt)
    : MethodenId(methodenId), ObjektName(objekt.Name), Unterdrueckt(objekt.Vorschau),
      AusEingabefeld(objekt.Analysator && objekt.Analysator->AusEingabefeld)
{
}

TMethodenAufruf::TMethodenAufruf(std::uint8_t methodenId, const QString &objektName,
                                 bool unterdrueckt, bool ausEingabefeld)
    : MethodenId(methodenId), ObjektName(objektName), Unterdrueckt(unterdrueckt),
      AusEingabefeld(ausEingabefeld)
{
}

TMethodenAufruf &TMethodenAufruf::FarbeHinzufuegen(const TFarbe &farbe)
{
    Parameter.emplace_back(farbe);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::LaengeHinzufuegen(double cm)
{
    if (Parameter.empty())
        Parameter.reserve(2); // lengths come in pairs (moves, points)
    Parameter.emplace_back(cm, ArtLaenge);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::WinkelHinzufuegen(double grad)
{
    Parameter.emplace_back(grad, ArtWinkel);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::LinienartHinzufuegen(std::uint8_t code)
{
    Parameter.emplace_back(code, ArtLinienart);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::WahrheitswertHinzufuegen(bool wert)
{
    Parameter.emplace_back(std::uint8_t(wert ? 1 : 0), ArtWahrheitswert);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::TextHinzufuegen(const QString &text)
{
    Parameter.emplace_back(text);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::GanzzahlHinzufuegen(std::int32_t wert)
{
    Parameter.emplace_back(wert);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::FaktorHinzufuegen(double faktor)
{
    Parameter.emplace_back(faktor, ArtFaktor);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::ObjektHinzufuegen(TObjekt *objekt)
{
    Parameter.emplace_back(objekt);
    // The creation entry shows the class name; keep it so that the text does
    // not depend on the object staying alive.
    if (objekt && Parameter.size() == 1)
        Parameter.back().text_ = objekt->KlassenName();
    return *this;
}
TMethodenAufruf &TMethodenAufruf::AbschnittArtHinzufuegen(std::uint8_t code)
{
    Parameter.emplace_back(code, ArtAbschnittArt);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::AusrichtungHinzufuegen(std::uint8_t code)
{
    Parameter.emplace_back(code, ArtAusrichtung);
    return *this;
}
TMethodenAufruf &TMethodenAufruf::WertHinzufuegen(const TData &wert)
{
    if (wert.Art() == ArtObjektverweis)
        return ObjektHinzufuegen(wert.Objekt());
    Parameter.push_back(wert);
    return *this;
}

void TMethodenAufruf::UnteraufrufHinzufuegen(std::unique_ptr<TMethodenAufruf> aufruf)
{
    Unteraufrufe.push_back(std::move(aufruf));
}

QString TMethodenAufruf::AnzeigeText() const
{
    QString text;
    AnzeigeTextAnhaengen(text);
    return text;
}

void TMethodenAufruf::AnzeigeTextAnhaengen(QString &ziel) const
{
    ziel += ObjektName;
    if (MethodenId == MErzeugung) {
        ziel += QLatin1Char(':');
        if (!Parameter.empty())
            ziel += Parameter.front().Text();
        return;
    }
    if (MethodenId == MFreigeben) {
        ziel += QLatin1String(".freigeben()");
        return;
    }
    ziel += QLatin1Char('.');
    ziel += MethodenName(MethodenId);
    ziel += QLatin1String("( ");
    for (std::size_t i = 0; i < Parameter.size(); ++i) {
        if (i > 0)
            ziel += QLatin1String(", ");
        ziel += Parameter[i].AnzeigeText();
    }
    ziel += QLatin1String(" )");
}

QString TMethodenAufruf::EingabeText() const
{
    if (MethodenId == MErzeugung || MethodenId == MFreigeben)
        return AnzeigeText();
    QString text = ObjektName + QLatin1Char('.') + MethodenName(MethodenId) + QStringLiteral("( ");
    for (std::size_t i = 0; i < Parameter.size(); ++i) {
        if (i > 0)
            text += QStringLiteral(", ");
        const TData &wert = Parameter[i];
        text += wert.Art() == ArtText ? QLatin1Char('"') + wert.Text() + QLatin1Char('"') : wert.AnzeigeText();
    }
    // The scanner wants ")" directly after the closing quote of a text.
    if (!Parameter.empty() && Parameter.back().Art() == ArtText)
        return text + QLatin1Char(')');
    text += QStringLiteral(" )");
    return text;
}

int TMethodenAufruf::AnzahlMitUnteraufrufen() const
{
    int n = 1;
    for (const auto &u : Unteraufrufe)
        n += u->AnzahlMitUnteraufrufen();
    return n;
}
