#include "figures/VielEck.h"
#include "figures/Ellipse.h"
#include "model/MethodenAufruf.h"
#include "surface/Zeichenflaeche.h"

#include <cmath>

TVielEck::TVielEck(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MLaengeSetzen).ParameterHinzufuegen(QStringLiteral("Länge"), ArtLaenge);
        MethodeEintragen(MBreiteSetzen).ParameterHinzufuegen(QStringLiteral("Breite"), ArtLaenge);
        MethodeEintragen(MEckenzahlSetzen)
            .ParameterHinzufuegen(QStringLiteral("Eckenzahl"), ArtGanzzahl);
        AttributEintragen(ABreite);
        AttributEintragen(ALaenge);
        AttributEintragen(AMittelpunktX);
        AttributEintragen(AMittelpunktY);
        AttributEintragen(AEckenzahl);
    }
}

std::unique_ptr<TObjekt> TVielEck::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TVielEck>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TVielEck::Uebernehmen(const TObjekt &quelle)
{
    TRechteckArt::Uebernehmen(quelle);
    if (const auto *q = dynamic_cast<const TVielEck *>(&quelle))
        Eckenzahl = q->Eckenzahl;
}

std::unique_ptr<TData> TVielEck::AttributWert(int attributId) const
{
    switch (attributId) {
    case AMittelpunktX:
        return std::make_unique<TData>(MitteX, ArtLaenge);
    case AMittelpunktY:
        return std::make_unique<TData>(MitteY, ArtLaenge);
    case AEckenzahl:
        return std::make_unique<TData>(std::int32_t(Eckenzahl));
    default:
        return TRechteckArt::AttributWert(attributId);
    }
}

void TVielEck::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                 TZeichenflaeche *zf)
{
    meldung.clear();
    switch (methodenId) {
    case MMittelpunktSetzen:
        mittelpunktSetzen(p.size() > 0 ? p[0]->Zahl() : 0.0, p.size() > 1 ? p[1]->Zahl() : 0.0);
        return;
    case MEckenzahlSetzen:
        if (!p.empty())
            meldung = eckenzahlSetzen(p[0]->Ganzzahl());
        return;
    default:
        TRechteckArt::MethodeAusfuehren(methodenId, p, meldung, zf);
    }
}

void TVielEck::mittelpunktSetzen(double x, double y)
{
    MitteX = x;
    MitteY = y;
    GeometrieBerechnen();
    Protokolliere(MMittelpunktSetzen, &TMethodenAufruf::LaengeHinzufuegen, x, y);
}

QString TVielEck::eckenzahlSetzen(std::int32_t n)
{
    if (n < MinimaleEckenzahl || n > MaximaleEckenzahl)
        return QStringLiteral("Ein Vieleck muss zwischen 3 und 1000 Ecken haben.");
    Eckenzahl = n;
    GeometrieBerechnen();
    Protokolliere(MEckenzahlSetzen, &TMethodenAufruf::GanzzahlHinzufuegen, n);
    return {};
}

// A polygon with an odd number of corners is not the same shape turned by
// 180 degrees: mirroring it at a vertical line turns it to 180 - Winkel and
// mirroring at a horizontal line to 360 - Winkel, the box formulas swapped.
void TVielEck::spiegelnAnVertikalerAchse(double x0)
{
    if (Eckenzahl % 2 == 0) {
        TRechteckArt::spiegelnAnVertikalerAchse(x0);
        return;
    }
    Winkel = Winkel < 180.0 ? 180.0 - Winkel : 540.0 - Winkel;
    MitteX = Spiegelwert(x0, MitteX);
    GeometrieBerechnen();
}

void TVielEck::spiegelnAnHorizontalerAchse(double y0)
{
    if (Eckenzahl % 2 == 0) {
        TRechteckArt::spiegelnAnHorizontalerAchse(y0);
        return;
    }
    Winkel = 360.0 - Winkel;
    MitteY = Spiegelwert(y0, MitteY);
    GeometrieBerechnen();
}

void TVielEck::GeometrieBerechnen()
{
    // A count from a damaged file is kept within what can be drawn.
    const int n = std::clamp<int>(Eckenzahl, MinimaleEckenzahl, MaximaleEckenzahl);
    Umrisspunkte.resize(n);
    const double a = M_PI * Winkel / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    for (int i = 0; i < n; ++i) {
        const double t = i * 2.0 * M_PI / n;
        const double ux = Länge / 2 * std::cos(t), uy = Breite / 2 * std::sin(t);
        Umrisspunkte[i] = {MitteX + ux * c - uy * s, MitteY + ux * s + uy * c};
    }
    BildpunkteBerechnen();
    Umgebungsrechteck = UmgebungAus(Umrisspunkte);
}

void TVielEck::BildpunkteBerechnen()
{
    Bildpunkte = BildpunkteAus(TZeichenflaeche::Aktuell(), Umrisspunkte);
}

void TVielEck::Zeichnen(TZeichenflaeche *zf)
{
    if (!zf || !zf->Leinwand)
        return;
    StiftUndPinselEinstellen(zf);
    GeschlossenenUmrissZeichnen(zf, *this, Umrisspunkte, Bildpunkte);
}

bool TVielEck::Getroffen(TZeichenflaeche *zf, double x, double y)
{
    if (const auto entschieden = UmrissVortest(zf, *this, Umrisspunkte, x, y))
        return *entschieden;
    return PunktInPolygon(Umrisspunkte, x, y);
}

void TVielEck::AufziehenBeenden(TZeichenflaeche *zf)
{
    TRechteckArt::AufziehenBeenden(zf);
    mittelpunktSetzen(MitteX, MitteY);
    LängeSetzen(Länge);
    BreiteSetzen(Breite);
    eckenzahlSetzen(Eckenzahl);
    Zeichnen(zf);
}
