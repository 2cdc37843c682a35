#include "figures/RechteckArtGriff.h"
#include "figures/RechteckArt.h"
#include "surface/Zeichenflaeche.h"

#include <cmath>

TRechteckArtGriff::TRechteckArtGriff(std::uint8_t griffArt, TRechteckArt *figur, double winkel,
                                     double posX, double posY, double bezugX, double bezugY,
                                     std::uint8_t richtung)
    : TGriff(griffArt, figur, winkel, posX, posY, bezugX, bezugY), Richtung(richtung)
{
}

TRechteckArt *TRechteckArtGriff::box() const
{
    return static_cast<TRechteckArt *>(Figur);
}

void TRechteckArtGriff::ZielBerechnen(bool shift, bool ctrl, double x, double y)
{
    auto *kopie = static_cast<TRechteckArt *>(VorschauKopie.get());
    TRechteckArt *f = box();
    if (!kopie || !f)
        return;
    const double cx = f->MitteX, cy = f->MitteY, alpha = f->Winkel;
    // The handle follows the mouse by the distance moved since the drag began.
    const double px = PosX + x - MausStartX, py = PosY + y - MausStartY;
    kopie->Uebernehmen(*f);

    if (Richtung == Drehung) {
        const double a0 = VektorWinkel(PosX - cx, PosY - cy);
        const double a1 = VektorWinkel(px - cx, py - cy);
        // Both angles lie in 0 ... 2 pi; their difference is taken as it is
        // (a turn across the zero direction gives e.g. 240.63, not -119.37:
        // the same shape).
        double grad = (a1 - a0) * 180.0 / M_PI;
        if (shift) {
            // Float noise must not decide a tie such as 22.5 degrees.
            const double stufen = std::round(grad / 15.0 * 1e9) / 1e9;
            grad = 15.0 * RundenGerade(stufen);
        }
        Drehwinkel = grad;
        kopie->drehenUm(cx, cy, Drehwinkel);
        return;
    }

    // Both points in the figure's unturned frame.
    const TWeltPunkt h0 = PunktDrehen(PosX, PosY, cx, cy, -alpha);
    const TWeltPunkt p1 = PunktDrehen(px, py, cx, cy, -alpha);
    if (ctrl) {
        FixX = cx;
        FixY = cy;
    } else {
        FixX = 2.0 * cx - BezugX;
        FixY = 2.0 * cy - BezugY;
    }
    const TWeltPunkt u = PunktDrehen(FixX, FixY, cx, cy, -alpha);
    auto faktor = [](double ziel, double start, double fix) {
        const double nenner = start - fix;
        return std::fabs(nenner) < 1e-12 ? 1.0 : (ziel - fix) / nenner;
    };

    switch (Richtung) {
    case ObenUnten:
        FaktorLänge = 1.0;
        FaktorBreite = faktor(p1.Y, h0.Y, u.Y);
        if (shift)
            FaktorLänge = FaktorBreite;
        kopie->streckenMitZentrumLB(FixX, FixY, FaktorLänge, FaktorBreite);
        break;
    case LinksRechts:
        FaktorLänge = faktor(p1.X, h0.X, u.X);
        FaktorBreite = 1.0;
        if (shift)
            FaktorBreite = FaktorLänge;
        kopie->streckenMitZentrumLB(FixX, FixY, FaktorLänge, FaktorBreite);
        break;
    case Ecke:
    default:
        FaktorLänge = faktor(p1.X, h0.X, u.X);
        FaktorBreite = faktor(p1.Y, h0.Y, u.Y);
        if (shift || f->NurProportional) {
            const double s = std::max(FaktorLänge, FaktorBreite);
            FaktorLänge = FaktorBreite = s;
            kopie->streckenMitZentrum(FixX, FixY, s);
        } else {
            kopie->streckenMitZentrumLB(FixX, FixY, FaktorLänge, FaktorBreite);
        }
        break;
    }
}

void TRechteckArtGriff::ZiehenBeenden()
{
    auto *kopie = static_cast<TRechteckArt *>(VorschauKopie.get());
    TRechteckArt *f = box();
    if (!kopie || !f) {
        VorschauKopie.reset();
        return;
    }
    const bool gespiegelt = std::min(FaktorLänge, FaktorBreite) < 0.0 &&
                            std::fabs(FaktorLänge - FaktorBreite) >= 0.000001;
    if (Richtung == Drehung) {
        f->drehen(Drehwinkel);
    } else if (gespiegelt && f->KlassenId == KlasseLinienZug) {
        // Dragged past the opposite side: a polyline is mirrored, which
        // setting its extents cannot express; the stretch itself is logged.
        f->streckenMitZentrumLB(FixX, FixY, FaktorLänge, FaktorBreite);
    } else {
        kopie->GeometrieBerechnen();
        f->GeometrieBerechnen();
        const double dx = kopie->MitteX - f->MitteX, dy = kopie->MitteY - f->MitteY;
        if (std::fabs(dx) + std::fabs(dy) > 0.000001)
            f->verschieben(dx, dy);
        if (std::fabs(FaktorLänge - FaktorBreite) < 0.000001) {
            f->strecken(FaktorLänge);
        } else {
            const double breite = kopie->Breite, laenge = kopie->Länge;
            f->BreiteSetzen(breite);
            f->LängeSetzen(laenge);
        }
    }
    f->GeometrieBerechnen();
    VorschauKopie.reset();
}
