#include "figures/RechteckArt.h"
#include "figures/RechteckArtGriff.h"
#include "model/MethodenAufruf.h"
#include "surface/Zeichenflaeche.h"

#include <cmath>

double WinkelNormalisieren(double winkel)
{
    if (!std::isfinite(winkel))
        return winkel;
    if (winkel >= 0.0 && winkel < 360.0)
        return winkel;
    double w = std::fmod(winkel, 360.0);
    if (w < 0.0)
        w += 360.0;
    if (w >= 360.0) // -1e-20 + 360 rounds to 360
        w -= 360.0;
    return w;
}

TRechteckArt::TRechteckArt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse,
                           bool nurProportional)
    : TZeichenObjekt(dokument, analysator, klasse), NurProportional(nurProportional ? 1 : 0)
{
    if (IstKlasse) {
        MethodeEintragen(MFuellfarbeSetzen)
            .ParameterHinzufuegen(QStringLiteral("Füllfarbe"), ArtFarbwert);
        MethodeEintragen(MWinkelSetzen).ParameterHinzufuegen(QStringLiteral("Winkel"), ArtWinkel);
        AttributEintragen(AFuellfarbe);
        AttributEintragen(AWinkel);
        if (!NurProportional)
            MethodeEintragen(MStreckenLaengeBreite)
                .ParameterHinzufuegen(QStringLiteral("FaktorLänge"), ArtFaktor)
                .ParameterHinzufuegen(QStringLiteral("FaktorBreite"), ArtFaktor);
    }
}

void TRechteckArt::Uebernehmen(const TObjekt &quelle)
{
    TZeichenObjekt::Uebernehmen(quelle);
    if (const auto *q = dynamic_cast<const TRechteckArt *>(&quelle)) {
        MitteX = q->MitteX;
        MitteY = q->MitteY;
        Breite = q->Breite;
        Länge = q->Länge;
        Winkel = q->Winkel;
        Zusatzwinkel = q->Zusatzwinkel;
        Griffabstand = q->Griffabstand;
    }
}

std::unique_ptr<TData> TRechteckArt::AttributWert(int attributId) const
{
    switch (attributId) {
    case ABreite:
        return std::make_unique<TData>(Breite, ArtLaenge);
    case ALaenge:
        return std::make_unique<TData>(Länge, ArtLaenge);
    case ADiagonalenschnittpunktX:
        return std::make_unique<TData>(MitteX, ArtLaenge);
    case ADiagonalenschnittpunktY:
        return std::make_unique<TData>(MitteY, ArtLaenge);
    case AWinkel:
        return std::make_unique<TData>(Winkel, ArtWinkel);
    default:
        return TZeichenObjekt::AttributWert(attributId);
    }
}

void TRechteckArt::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                     TZeichenflaeche *zf)
{
    meldung.clear();
    auto zahl = [&p](std::size_t i) { return i < p.size() ? p[i]->Zahl() : 0.0; };
    switch (methodenId) {
    case MStreckenLaengeBreite:
        streckenMitZentrumLB(MitteX, MitteY, zahl(0), zahl(1));
        return;
    case MDiagonalenschnittpunktSetzen:
        DiagonalenschnittpunktSetzen(zahl(0), zahl(1));
        return;
    case MLaengeSetzen:
        LängeSetzen(zahl(0));
        return;
    case MBreiteSetzen:
        BreiteSetzen(zahl(0));
        return;
    case MWinkelSetzen:
        winkelSetzen(zahl(0));
        return;
    default:
        TZeichenObjekt::MethodeAusfuehren(methodenId, p, meldung, zf);
    }
}

void TRechteckArt::verschieben(double dx, double dy)
{
    TZeichenObjekt::verschieben(dx, dy);
    GeometrieBerechnen();
}

void TRechteckArt::strecken(double faktor)
{
    TZeichenObjekt::strecken(faktor);
    Breite *= std::fabs(faktor);
    Länge *= std::fabs(faktor);
    GeometrieBerechnen();
}

void TRechteckArt::streckenMitZentrum(double zx, double zy, double faktor)
{
    TZeichenObjekt::streckenMitZentrum(zx, zy, faktor);
    MitteX = (MitteX - zx) * faktor + zx;
    MitteY = (MitteY - zy) * faktor + zy;
    Breite *= std::fabs(faktor);
    Länge *= std::fabs(faktor);
    GeometrieBerechnen();
}

void TRechteckArt::drehen(double winkel)
{
    TZeichenObjekt::drehen(winkel);
    Winkel = WinkelNormalisieren(Winkel + winkel);
    GeometrieBerechnen();
}

void TRechteckArt::drehenUm(double px, double py, double winkel)
{
    TZeichenObjekt::drehenUm(px, py, winkel);
    Winkel = WinkelNormalisieren(Winkel + winkel);
    const TWeltPunkt m = PunktDrehen(MitteX, MitteY, px, py, winkel);
    MitteX = m.X;
    MitteY = m.Y;
    GeometrieBerechnen();
}

void TRechteckArt::spiegelnAnVertikalerAchse(double x0)
{
    Winkel = 360.0 - Winkel;
    MitteX = Spiegelwert(x0, MitteX);
    GeometrieBerechnen();
}

void TRechteckArt::spiegelnAnHorizontalerAchse(double y0)
{
    Winkel = Winkel < 180.0 ? 180.0 - Winkel : 540.0 - Winkel;
    MitteY = Spiegelwert(y0, MitteY);
    GeometrieBerechnen();
}

bool TRechteckArt::Flach() const
{
    return !(std::fabs(Länge) > 0.0 && std::fabs(Breite) > 0.0);
}

void TRechteckArt::BreiteSetzen(double breite)
{
    Breite = breite;
    GeometrieBerechnen();
    Protokolliere(MBreiteSetzen, &TMethodenAufruf::LaengeHinzufuegen, breite);
}

void TRechteckArt::LängeSetzen(double laenge)
{
    Länge = laenge;
    GeometrieBerechnen();
    Protokolliere(MLaengeSetzen, &TMethodenAufruf::LaengeHinzufuegen, laenge);
}

void TRechteckArt::DiagonalenschnittpunktSetzen(double x, double y)
{
    MitteX = x;
    MitteY = y;
    GeometrieBerechnen();
    Protokolliere(MDiagonalenschnittpunktSetzen, &TMethodenAufruf::LaengeHinzufuegen, x, y);
}

void TRechteckArt::winkelSetzen(double winkel)
{
    Winkel = winkel;
    GeometrieBerechnen();
    Protokolliere(MWinkelSetzen, &TMethodenAufruf::WinkelHinzufuegen, winkel);
}

void TRechteckArt::streckenMitZentrumLB(double zx, double zy, double faktorLaenge,
                                        double faktorBreite)
{
    // Logged under its own name with all four values, so that the log shows
    // what really happened.
    auto a = Aufruf(MStreckenMitZentrumLB);
    a->LaengeHinzufuegen(zx).LaengeHinzufuegen(zy).FaktorHinzufuegen(faktorLaenge).FaktorHinzufuegen(
        faktorBreite);
    Protokolliere(std::move(a));

    const double cx = MitteX, cy = MitteY;
    const TWeltPunkt z = PunktDrehen(zx, zy, cx, cy, -Winkel);
    const double mx = (MitteX - z.X) * faktorLaenge + z.X;
    const double my = (MitteY - z.Y) * faktorBreite + z.Y;
    const TWeltPunkt m = PunktDrehen(mx, my, cx, cy, Winkel);
    MitteX = m.X;
    MitteY = m.Y;
    Breite *= std::fabs(faktorBreite);
    Länge *= std::fabs(faktorLaenge);
    GeometrieBerechnen();
}

void TRechteckArt::AufziehenBeginnen(TZeichenflaeche *zf, double x, double y)
{
    // A click without dragging leaves the empty box where it was made.
    MitteX = x;
    MitteY = y;
    Länge = Breite = 0.0;
    TZeichenObjekt::AufziehenBeginnen(zf, x, y);
}

void TRechteckArt::Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                             double y)
{
    Zeichnen(zf); // erases the previous inverted outline
    double w = std::fabs(x - AnkerX), h = std::fabs(y - AnkerY);
    MitteX = (x + AnkerX) / 2.0;
    MitteY = (y + AnkerY) / 2.0;
    if (ausDerMitte) {
        w *= 2.0;
        h *= 2.0;
        MitteX = AnkerX;
        MitteY = AnkerY;
    }
    if (quadratisch || NurProportional) {
        w = h = std::max(w, h);
        if (!ausDerMitte) {
            MitteX = x - AnkerX > 0 ? AnkerX + w / 2.0 : AnkerX - w / 2.0;
            MitteY = y - AnkerY > 0 ? AnkerY + h / 2.0 : AnkerY - h / 2.0;
        }
    }
    Breite = h;
    Länge = w;
    GeometrieBerechnen();
    Zeichnen(zf);
}

std::vector<TGriffPlatz> TRechteckArt::GriffPlaetze(const TZeichenflaeche *zf) const
{
    if (!zf)
        zf = TZeichenflaeche::Aktuell();
    const double px = PixelInCm(zf, 1.0);
    const double l2 = std::max(Länge + Griffabstand * px, 20.0 * px) / 2.0;
    const double b2 = std::max(Breite + Griffabstand * px, 20.0 * px) / 2.0;
    std::vector<TGriffPlatz> plaetze;
    auto platz = [&](std::uint8_t art, std::uint8_t richtung, double u, double v, double bu,
                     double bv, double drehung) {
        const TWeltPunkt pos = PunktDrehen(MitteX + u, MitteY + v, MitteX, MitteY, drehung);
        const TWeltPunkt bezug = PunktDrehen(MitteX + bu, MitteY + bv, MitteX, MitteY, drehung);
        TGriffPlatz g;
        g.GriffArt = art;
        g.Richtung = richtung;
        g.PosX = pos.X;
        g.PosY = pos.Y;
        g.BezugX = bezug.X;
        g.BezugY = bezug.Y;
        g.Winkel = Winkel;
        plaetze.push_back(g);
    };
    if (!NurProportional) {
        platz(0, 1, l2, 0, Länge / 2, 0, Winkel);
        platz(0, 0, 0, b2, 0, Breite / 2, Winkel);
        platz(0, 1, -l2, 0, -Länge / 2, 0, Winkel);
        platz(0, 0, 0, -b2, 0, -Breite / 2, Winkel);
    }
    platz(1, 2, l2, b2, Länge / 2, Breite / 2, Winkel);
    platz(1, 2, -l2, b2, -Länge / 2, Breite / 2, Winkel);
    platz(1, 2, -l2, -b2, -Länge / 2, -Breite / 2, Winkel);
    platz(1, 2, l2, -b2, Länge / 2, -Breite / 2, Winkel);

    // The rotation handle above the box, or below it when above would leave
    // the page.
    const double dreh = Winkel + Zusatzwinkel;
    const double abstand = Breite / 2 + 1.0;
    const TWeltPunkt oben = PunktDrehen(MitteX, MitteY + abstand, MitteX, MitteY, dreh);
    const bool ausserhalb = oben.X < 0 || oben.X > zf->SeitenBreiteCm - 0.5 || oben.Y < 0 ||
                            oben.Y > zf->SeitenHoeheCm - 0.5;
    const double v = ausserhalb ? -abstand : abstand;
    platz(2, 3, 0, v, 0, v, dreh);
    return plaetze;
}

void TRechteckArt::GriffeErzeugen(TZeichenflaeche *zf)
{
    GriffeFreigeben();
    for (const TGriffPlatz &g : GriffPlaetze(zf))
        Griffe.push_back(std::make_unique<TRechteckArtGriff>(g.GriffArt, this, g.Winkel, g.PosX, g.PosY,
                                                              g.BezugX, g.BezugY, g.Richtung));
}
