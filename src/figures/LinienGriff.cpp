#include "figures/LinienGriff.h"
#include "figures/Linie.h"
#include "model/MethodenAufruf.h"
#include "surface/Zeichenflaeche.h"

#include <cmath>

namespace {
// End point n (1 or 2) of a line.
TWeltPunkt endpunkt(const TLinie &l, int n)
{
    return n == 1 ? TWeltPunkt{l.Punkt1X, l.Punkt1Y} : TWeltPunkt{l.Punkt2X, l.Punkt2Y};
}

void endpunktSetzen(TLinie &l, int n, const TWeltPunkt &p)
{
    if (n == 1) {
        l.Punkt1X = p.X;
        l.Punkt1Y = p.Y;
    } else {
        l.Punkt2X = p.X;
        l.Punkt2Y = p.Y;
    }
}
} // namespace

TLinienGriff::TLinienGriff(TLinie *figur, double posX, double posY, double bezugX, double bezugY,
                           int punktNummer)
    : TGriff(GriffEcke, figur, 0.0, posX, posY, bezugX, bezugY), PunktNummer(punktNummer)
{
}

void TLinienGriff::ZielBerechnen(bool shift, bool ctrl, double x, double y)
{
    auto *kopie = static_cast<TLinie *>(VorschauKopie.get());
    auto *f = static_cast<TLinie *>(Figur);
    if (!kopie || !f)
        return;
    const int n = PunktNummer == 2 ? 2 : 1;
    const int m = 3 - n;
    const TWeltPunkt a = ctrl ? TWeltPunkt{f->MitteX, f->MitteY} : endpunkt(*f, m);
    double theta = VektorWinkel(x - a.X, y - a.Y);
    const double d = std::hypot(x - a.X, y - a.Y);
    if (shift) {
        const TWeltPunkt alt = endpunkt(*f, n);
        const double theta0 = VektorWinkel(alt.X - a.X, alt.Y - a.Y);
        const double schritt = M_PI / 12.0;
        theta = theta0 + RundenGerade((theta - theta0) / schritt) * schritt;
    }
    const TWeltPunkt neu{a.X + d * std::cos(theta), a.Y + d * std::sin(theta)};
    endpunktSetzen(*kopie, n, neu);
    if (ctrl)
        endpunktSetzen(*kopie, m, {2.0 * a.X - neu.X, 2.0 * a.Y - neu.Y});
    else
        endpunktSetzen(*kopie, m, endpunkt(*f, m));
    kopie->GeometrieBerechnen();
}

void TLinienGriff::ZiehenBeenden()
{
    auto *kopie = static_cast<TLinie *>(VorschauKopie.get());
    auto *f = static_cast<TLinie *>(Figur);
    if (kopie && f) {
        // The line's point setters do not log; the drag records them here.
        for (int n = 1; n <= 2; ++n) {
            const TWeltPunkt alt = endpunkt(*f, n), neu = endpunkt(*kopie, n);
            if (std::fabs(alt.X - neu.X) > 0.001 || std::fabs(alt.Y - neu.Y) > 0.001) {
                auto aufruf = f->Aufruf(n == 1 ? MPunkt1Setzen : MPunkt2Setzen);
                aufruf->LaengeHinzufuegen(neu.X).LaengeHinzufuegen(neu.Y);
                f->Protokolliere(std::move(aufruf));
            }
        }
        // The end points themselves, whatever else the line takes over below.
        endpunktSetzen(*f, 1, endpunkt(*kopie, 1));
        endpunktSetzen(*f, 2, endpunkt(*kopie, 2));
    }
    TGriff::ZiehenBeenden();
}
