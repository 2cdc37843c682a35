#include "figures/LinienZug.h"
#include "figures/LinienZugPunkt.h"
#include "figures/LinienZugPunktGriff.h"
#include "figures/LinienZugSegmentGriff.h"
#include "model/MethodenAufruf.h"
#include "surface/Zeichenflaeche.h"

#include <QPainter>
#include <cmath>

namespace {
// Number of outline points of a curved segment with the given chord.
int bogenpunktAnzahl(double sehne, double proCm)
{
    const double m = std::round(sehne * proCm);
    if (!std::isfinite(m) || m < 1.0)
        return 1;
    return int(std::min(m, double(TLinienZug::MaximaleBogenpunkte)));
}

} // namespace

TLinienZug::TLinienZug(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse)
{
    ObjektdiagrammZusammengefaltet = true;
    Geschlossen = 0;
    NurProportional = 0;
    Griffabstand = 10;
    if (IstKlasse) {
        MethodeEintragen(MSchliessen);
        MethodeEintragen(MOeffnen);
        AttributEintragen(AGeschlossen);
    } else if (auto *k = dynamic_cast<TLinienZug *>(klasse)) {
        PunktKlasse = k->PunktKlasse;
    }
}

TLinienZugPunkt *TLinienZug::Punkt(int index) const
{
    if (index < 0 || index >= int(Teile.size()))
        return nullptr;
    return static_cast<TLinienZugPunkt *>(Teile[index].get());
}

TLinienZugPunkt *TLinienZug::PunktEinfuegen(int index, double x, double y,
                                            std::uint8_t abschnittArt)
{
    TObjekt *klasse = PunktKlasse;
    if (!klasse && !Teile.empty())
        klasse = Teile.front()->Klasse;
    if (!klasse)
        return nullptr;
    auto punkt = std::make_unique<TLinienZugPunkt>(Dokument, Analysator, klasse);
    punkt->PositionSetzen(x, y);
    punkt->AbschnittArt = abschnittArt;
    return static_cast<TLinienZugPunkt *>(TeilEinfuegen(index, std::move(punkt)));
}

TLinienZugPunkt *TLinienZug::PunktAnhaengen(double x, double y, std::uint8_t abschnittArt)
{
    return PunktEinfuegen(PunktAnzahl(), x, y, abschnittArt);
}

bool TLinienZug::PunktLoeschen(int index)
{
    if (PunktAnzahl() <= 2 || !Punkt(index))
        return false;
    Teile.erase(Teile.begin() + index);
    return true;
}

// ---------------------------------------------------------------- geometry

void TLinienZug::RahmenZuruecksetzen()
{
    Länge = Umgebungsrechteck.Rechts - Umgebungsrechteck.Links;
    Breite = Umgebungsrechteck.Oben - Umgebungsrechteck.Unten;
    MitteX = (Umgebungsrechteck.Links + Umgebungsrechteck.Rechts) / 2.0;
    MitteY = (Umgebungsrechteck.Unten + Umgebungsrechteck.Oben) / 2.0;
    Winkel = 0.0;
}

void TLinienZug::TangentenBerechnen()
{
    const int n = PunktAnzahl();
    if (n <= 2)
        return;
    for (int i = 0; i < n; ++i) {
        TLinienZugPunkt *p = Punkt(i);
        const TLinienZugPunkt *vor = Punkt((i + n - 1) % n);
        const TLinienZugPunkt *nach = Punkt((i + 1) % n);
        double tx = nach->X - vor->X, ty = nach->Y - vor->Y;
        if (p->AbschnittArt == 0) {
            tx = nach->X - p->X;
            ty = nach->Y - p->Y;
        }
        if (vor->AbschnittArt == 0) {
            tx = p->X - vor->X;
            ty = p->Y - vor->Y;
        }
        if (std::hypot(tx, ty) > 0.00001) {
            tx /= 6.0;
            ty /= 6.0;
        }
        p->VorTangenteX = p->X - tx;
        p->VorTangenteY = p->Y - ty;
        p->NachTangenteX = p->X + tx;
        p->NachTangenteY = p->Y + ty;
    }
    if (Geschlossen)
        return;
    // An open curve ends symmetrically: each end gets its neighbour's
    // tangent mirrored at the perpendicular of the end chord.
    auto spiegeln = [](double vx, double vy, double ux, double uy, double &rx, double &ry) {
        const double l = std::hypot(ux, uy);
        if (l > 0.000001) {
            ux /= l;
            uy /= l;
        }
        const double vu = vx * ux + vy * uy;
        rx = vx - 2.0 * vu * ux;
        ry = vy - 2.0 * vu * uy;
    };
    TLinienZugPunkt *p0 = Punkt(0), *p1 = Punkt(1);
    double rx, ry;
    spiegeln(p1->VorTangenteX - p1->X, p1->VorTangenteY - p1->Y, p1->X - p0->X, p1->Y - p0->Y,
             rx, ry);
    p0->NachTangenteX = p0->X + rx;
    p0->NachTangenteY = p0->Y + ry;
    TLinienZugPunkt *pl = Punkt(n - 1), *pv = Punkt(n - 2);
    spiegeln(pv->NachTangenteX - pv->X, pv->NachTangenteY - pv->Y, pv->X - pl->X, pv->Y - pl->Y,
             rx, ry);
    pl->VorTangenteX = pl->X + rx;
    pl->VorTangenteY = pl->Y + ry;
}

void TLinienZug::bogenpunkteSpeichern()
{
    const int n = PunktAnzahl();
    Umrisspunkte.clear();
    if (n == 0)
        return;
    const bool bogenErlaubt = n > 2;
    auto gekruemmt = [&](int i) { return bogenErlaubt && Punkt(i)->AbschnittArt == 1; };
    auto sehne = [&](int i) {
        const TLinienZugPunkt *a = Punkt(i), *b = Punkt((i + 1) % n);
        return std::hypot(b->X - a->X, b->Y - a->Y);
    };

    // First pass: the outline index range of every segment.
    int c = 1;
    for (int i = 0; i < n; ++i) {
        TLinienZugPunkt *p = Punkt(i);
        const bool schliessend = i == n - 1;
        if (schliessend && !Geschlossen) {
            p->ErsterUmrissIndex = p->LetzterUmrissIndex = -1;
            continue;
        }
        p->ErsterUmrissIndex = c - 1;
        c += gekruemmt(i) ? bogenpunktAnzahl(sehne(i), BogenpunkteProCm) : 1;
        if (schliessend)
            c -= 1;
        p->LetzterUmrissIndex = c - 1;
    }
    Umrisspunkte.reserve(c);

    // Second pass: the points.
    Umrisspunkte.append({Punkt(0)->X, Punkt(0)->Y});
    for (int i = 0; i < n; ++i) {
        const bool schliessend = i == n - 1;
        if (schliessend && !Geschlossen)
            break;
        const TLinienZugPunkt *a = Punkt(i), *b = Punkt((i + 1) % n);
        if (gekruemmt(i)) {
            const int m = bogenpunktAnzahl(sehne(i), BogenpunkteProCm);
            // The closing segment stops short of the first point, which the
            // closed outline joins anyway.
            const int letztes = schliessend ? m - 1 : m;
            const double c3x = 3.0 * (a->NachTangenteX - a->X);
            const double c3y = 3.0 * (a->NachTangenteY - a->Y);
            const double b3x = 3.0 * (b->VorTangenteX - a->NachTangenteX) - c3x;
            const double b3y = 3.0 * (b->VorTangenteY - a->NachTangenteY) - c3y;
            const double a3x = b->X - a->X - c3x - b3x;
            const double a3y = b->Y - a->Y - c3y - b3y;
            for (int s = 1; s <= letztes; ++s) {
                const double t = double(s) / m;
                Umrisspunkte.append({((a3x * t + b3x) * t + c3x) * t + a->X,
                                     ((a3y * t + b3y) * t + c3y) * t + a->Y});
            }
        } else if (!schliessend) {
            Umrisspunkte.append({b->X, b->Y});
        }
    }
}

void TLinienZug::GeometrieBerechnen()
{
    TangentenBerechnen();
    bogenpunkteSpeichern();
    if (Umrisspunkte.isEmpty())
        return;
    TUmgebungsrechteck r{Umrisspunkte[0].X, Umrisspunkte[0].X, Umrisspunkte[0].Y,
                         Umrisspunkte[0].Y};
    for (const TWeltPunkt &u : Umrisspunkte) {
        r.Links = std::min(r.Links, u.X);
        r.Rechts = std::max(r.Rechts, u.X);
        r.Unten = std::min(r.Unten, u.Y);
        r.Oben = std::max(r.Oben, u.Y);
    }
    Umgebungsrechteck = r;
}

void TLinienZug::dichteAnpassen(const TZeichenflaeche *zf)
{
    if (!zf)
        return;
    const double dichte = zf->Drucken ? zf->DruckerPixelProCmX / 2.0 : zf->SkalaX / 5.0;
    if (dichte > 0 && std::isfinite(dichte))
        BogenpunkteProCm = dichte;
}

void TLinienZug::bildpunkteBerechnen(const TZeichenflaeche *zf)
{
    Bildpunkte.clear();
    if (!zf)
        return;
    Bildpunkte.reserve(Umrisspunkte.size());
    for (const TWeltPunkt &u : Umrisspunkte)
        Bildpunkte.append(QPoint(zf->XPixel(u.X), zf->YPixel(u.Y)));
}

bool TLinienZug::ImWeitenRahmen(TZeichenflaeche *zf, double x, double y) const
{
    // Widened by the tolerance of the segment test, so that a straight
    // horizontal or vertical polyline (a box without height or width) can
    // be hit at every zoom.
    const double t = std::max(Linienstärke, PixelInCm(zf, 2.0));
    const TUmgebungsrechteck &r = Umgebungsrechteck;
    return !(x < r.Links - t || x > r.Rechts + t || y < r.Unten - t || y > r.Oben + t);
}

int TLinienZug::AbschnittAnStelle(TZeichenflaeche *zf, double x, double y) const
{
    if (!ImWeitenRahmen(zf, x, y))
        return -1;
    const int anzahl = int(Umrisspunkte.size());
    if (anzahl < 2)
        return -1;
    const int kanten = Geschlossen ? anzahl : anzahl - 1;
    int j = -1;
    for (int k = 0; k < kanten; ++k) {
        const TWeltPunkt &a = Umrisspunkte[k];
        const TWeltPunkt &b = Umrisspunkte[(k + 1) % anzahl];
        if (PunktNahAnStrecke(zf, x, y, Linienstärke, a.X, a.Y, b.X, b.Y)) {
            j = k;
            break;
        }
    }
    if (j < 0)
        return -1;
    const int n = PunktAnzahl();
    for (int i = 0; i < n; ++i) {
        const TLinienZugPunkt *p = Punkt(i);
        if (p->ErsterUmrissIndex <= j && j < p->LetzterUmrissIndex)
            return i;
    }
    if (n > 0 && j <= Punkt(n - 1)->LetzterUmrissIndex)
        return n - 1;
    return -1;
}

bool TLinienZug::Getroffen(TZeichenflaeche *zf, double x, double y)
{
    if (!ImWeitenRahmen(zf, x, y))
        return false;
    if (Füllfarbe.FarbArt != FarbArtUnsichtbar && Geschlossen)
        return PunktInPolygon(Umrisspunkte, x, y);
    return AbschnittAnStelle(zf, x, y) >= 0;
}

// ---------------------------------------------------------------- drawing

void TLinienZug::Zeichnen(TZeichenflaeche *zf)
{
    if (!zf || !zf->Leinwand)
        return;
    QPainter &p = *zf->Leinwand;
    StiftUndPinselEinstellen(zf);
    if (!Geschlossen)
        p.setBrush(Qt::NoBrush);
    dichteAnpassen(zf);
    GeometrieBerechnen();
    bildpunkteBerechnen(zf);
    if (Bildpunkte.size() < 2)
        return;
    if (Vorschau) {
        zf->PolygonZeichnen(Bildpunkte, Geschlossen != 0);
        return;
    }
    zf->LinienZugZeichnen(Bildpunkte, Linienart, Geschlossen != 0, Linienstärke);
}

// ---------------------------------------------------------------- copies

std::unique_ptr<TObjekt> TLinienZug::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TLinienZug>(Dokument, Analysator, Klasse);
    neu->Uebernehmen(*this);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
        for (auto &punkt : neu->Teile)
            punkt->ErzeugungProtokollieren();
    }
    return neu;
}

void TLinienZug::Uebernehmen(const TObjekt &quelle)
{
    if (const auto *q = dynamic_cast<const TLinienZug *>(&quelle)) {
        Teile.clear();
        for (const auto &qp : q->Teile) {
            auto punkt = std::make_unique<TLinienZugPunkt>(Dokument, Analysator, qp->Klasse);
            punkt->Uebernehmen(*qp);
            TeilAnhaengen(std::move(punkt));
        }
        Geschlossen = q->Geschlossen;
        NeueAbschnittArt = q->NeueAbschnittArt;
        if (q->PunktKlasse)
            PunktKlasse = q->PunktKlasse;
        BogenpunkteProCm = q->BogenpunkteProCm;
        Drehung = q->Drehung;
    }
    TRechteckArt::Uebernehmen(quelle);
}

std::unique_ptr<TData> TLinienZug::AttributWert(int attributId) const
{
    if (attributId == AGeschlossen)
        return std::make_unique<TData>(std::uint8_t(Geschlossen ? 1 : 0), ArtWahrheitswert);
    if (attributId == AWinkel)
        return std::make_unique<TData>(Drehung, ArtWinkel);
    return TRechteckArt::AttributWert(attributId);
}

void TLinienZug::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                   TZeichenflaeche *zf)
{
    meldung.clear();
    switch (methodenId) {
    case MOeffnen:
        Geschlossen = 0;
        break;
    case MSchliessen:
        Geschlossen = 1;
        break;
    case MWinkelSetzen: {
        // The points turn about the frame's centre by the difference to the
        // angle turned so far, so that setting the same angle twice equals
        // setting it once; the frame is reset below.
        const double w = p.empty() ? 0.0 : p[0]->Zahl();
        const double dreh = w - Drehung;
        const double cx = MitteX, cy = MitteY;
        punkteAbbilden([&](double &x, double &y) {
            const TWeltPunkt q = PunktDrehen(x, y, cx, cy, dreh);
            x = q.X;
            y = q.Y;
        });
        winkelSetzen(w);
        Drehung = w;
        break;
    }
    default:
        TRechteckArt::MethodeAusfuehren(methodenId, p, meldung, zf);
        break;
    }
    GeometrieBerechnen();
    RahmenZuruecksetzen();
}

// ---------------------------------------------------------------- operations

template <typename F> void TLinienZug::punkteAbbilden(F f)
{
    for (auto &teil : Teile) {
        auto *p = static_cast<TLinienZugPunkt *>(teil.get());
        double x = p->X, y = p->Y;
        f(x, y);
        p->PositionSetzen(x, y);
    }
}

void TLinienZug::verschieben(double dx, double dy)
{
    punkteAbbilden([&](double &x, double &y) {
        x += dx;
        y += dy;
    });
    TRechteckArt::verschieben(dx, dy);
}

void TLinienZug::strecken(double faktor)
{
    const double cx = MitteX, cy = MitteY;
    punkteAbbilden([&](double &x, double &y) {
        x = (x - cx) * faktor + cx;
        y = (y - cy) * faktor + cy;
    });
    TRechteckArt::strecken(faktor);
}

void TLinienZug::streckenMitZentrum(double zx, double zy, double faktor)
{
    punkteAbbilden([&](double &x, double &y) {
        x = (x - zx) * faktor + zx;
        y = (y - zy) * faktor + zy;
    });
    TRechteckArt::streckenMitZentrum(zx, zy, faktor);
}

void TLinienZug::drehen(double winkel)
{
    const double cx = MitteX, cy = MitteY;
    punkteAbbilden([&](double &x, double &y) {
        const TWeltPunkt q = PunktDrehen(x, y, cx, cy, winkel);
        x = q.X;
        y = q.Y;
    });
    TRechteckArt::drehen(winkel);
    Drehung = WinkelNormalisieren(Drehung + winkel);
}

void TLinienZug::drehenUm(double px, double py, double winkel)
{
    punkteAbbilden([&](double &x, double &y) {
        const TWeltPunkt q = PunktDrehen(x, y, px, py, winkel);
        x = q.X;
        y = q.Y;
    });
    TRechteckArt::drehenUm(px, py, winkel);
    Drehung = WinkelNormalisieren(Drehung + winkel);
}

void TLinienZug::spiegelnAnVertikalerAchse(double x0)
{
    punkteAbbilden([&](double &x, double &) { x = Spiegelwert(x0, x); });
    TRechteckArt::spiegelnAnVertikalerAchse(x0);
}

void TLinienZug::spiegelnAnHorizontalerAchse(double y0)
{
    punkteAbbilden([&](double &, double &y) { y = Spiegelwert(y0, y); });
    TRechteckArt::spiegelnAnHorizontalerAchse(y0);
}

void TLinienZug::streckenMitZentrumLB(double zx, double zy, double faktorLaenge,
                                      double faktorBreite)
{
    const double w = Winkel;
    punkteAbbilden([&](double &x, double &y) {
        TWeltPunkt q = PunktDrehen(x, y, zx, zy, -w);
        q.X = (q.X - zx) * faktorLaenge + zx;
        q.Y = (q.Y - zy) * faktorBreite + zy;
        q = PunktDrehen(q.X, q.Y, zx, zy, w);
        x = q.X;
        y = q.Y;
    });
    TRechteckArt::streckenMitZentrumLB(zx, zy, faktorLaenge, faktorBreite);
}

void TLinienZug::LängeSetzen(double laenge)
{
    if (Länge > 0.00001) {
        const double f = laenge / Länge, w = Winkel, cx = MitteX, cy = MitteY;
        punkteAbbilden([&](double &x, double &y) {
            TWeltPunkt q = PunktDrehen(x, y, cx, cy, -w);
            q.X = (q.X - cx) * f + cx;
            q = PunktDrehen(q.X, q.Y, cx, cy, w);
            x = q.X;
            y = q.Y;
        });
    }
    TRechteckArt::LängeSetzen(laenge);
}

void TLinienZug::BreiteSetzen(double breite)
{
    if (Breite > 0.0001) {
        const double f = breite / Breite, w = Winkel, cx = MitteX, cy = MitteY;
        punkteAbbilden([&](double &x, double &y) {
            TWeltPunkt q = PunktDrehen(x, y, cx, cy, -w);
            q.Y = (q.Y - cy) * f + cy;
            q = PunktDrehen(q.X, q.Y, cx, cy, w);
            x = q.X;
            y = q.Y;
        });
    }
    TRechteckArt::BreiteSetzen(breite);
}

// ---------------------------------------------------------------- mouse

void TLinienZug::AufziehenBeginnen(TZeichenflaeche *zf, double x, double y)
{
    PunktAnhaengen(x, y, NeueAbschnittArt);
    PunktAnhaengen(x, y, NeueAbschnittArt);
    TRechteckArt::AufziehenBeginnen(zf, x, y);
}

void TLinienZug::Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool, double x, double y)
{
    const int n = PunktAnzahl();
    if (n < 2)
        return;
    Zeichnen(zf);
    TLinienZugPunkt *letzter = Punkt(n - 1);
    const TLinienZugPunkt *vorletzter = Punkt(n - 2);
    if (quadratisch) {
        const double dx = x - vorletzter->X, dy = y - vorletzter->Y;
        const double d = std::hypot(dx, dy);
        const double schritt = M_PI / 12.0;
        const double a = RundenGerade(std::atan2(dy, dx) / schritt) * schritt;
        x = vorletzter->X + d * std::cos(a);
        y = vorletzter->Y + d * std::sin(a);
    }
    letzter->PositionSetzen(x, y);
    GeometrieBerechnen();
    Zeichnen(zf);
}

bool TLinienZug::PunktAnklicken(TZeichenflaeche *zf)
{
    const int n = PunktAnzahl();
    if (n < 2)
        return Geschlossen != 0;
    Zeichnen(zf);
    const double skala = zf ? zf->SkalaX : 96.0 / 2.54;
    const TLinienZugPunkt *letzter = Punkt(n - 1);
    const TLinienZugPunkt *vorletzter = Punkt(n - 2);
    const TLinienZugPunkt *erster = Punkt(0);
    const double bisVorletzten = std::hypot(letzter->X - vorletzter->X, letzter->Y - vorletzter->Y);
    if (bisVorletzten * skala > 1.0) {
        const double bisErsten = std::hypot(letzter->X - erster->X, letzter->Y - erster->Y);
        if (bisErsten * skala <= 3.0) {
            if (n >= 4) {
                Teile.pop_back();
                Geschlossen = 1;
                VorschauSetzen(false);
                GeometrieBerechnen();
                RahmenZuruecksetzen();
            }
        } else {
            PunktAnhaengen(letzter->X, letzter->Y, NeueAbschnittArt);
        }
    }
    Zeichnen(zf);
    return Geschlossen != 0;
}

bool TLinienZug::LinienzugAbschliessen(TZeichenflaeche *zf)
{
    int n = PunktAnzahl();
    if (n < 2)
        return false;
    const double skala = zf ? zf->SkalaX : 96.0 / 2.54;
    const TLinienZugPunkt *letzter = Punkt(n - 1);
    const TLinienZugPunkt *vorletzter = Punkt(n - 2);
    if (std::hypot(letzter->X - vorletzter->X, letzter->Y - vorletzter->Y) * skala <= 2.0) {
        Teile.pop_back();
        --n;
    }
    if (n < 2)
        return false;
    GeometrieBerechnen();
    RahmenZuruecksetzen();
    Zeichnen(zf); // erases the inverted preview
    VorschauSetzen(false);
    Zeichnen(zf);
    return true;
}

void TLinienZug::GriffeErzeugen(TZeichenflaeche *zf)
{
    // The frame's handles (10 pixels further out), then one per vertex, and
    // the invisible segment handle last, so that the others win over it.
    TRechteckArt::GriffeErzeugen(zf);
    const int n = PunktAnzahl();
    for (int i = 0; i < n; ++i) {
        const TLinienZugPunkt *p = Punkt(i);
        Griffe.push_back(std::make_unique<TLinienZugPunktGriff>(this, p->X, p->Y, i));
    }
    Griffe.push_back(std::make_unique<TLinienZugSegmentGriff>(this));
}
