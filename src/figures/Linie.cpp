#include "figures/Linie.h"
#include "figures/Griff.h"
#include "figures/LinienGriff.h"
#include "surface/Zeichenflaeche.h"

#include <algorithm>
#include <cmath>

TLinie::TLinie(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TZeichenObjekt(dokument, analysator, klasse)
{
    // A line has no fill.
    Füllfarbe.FarbArt = FarbArtUnsichtbar;
    if (IstKlasse) {
        MethodeEintragen(MPunkt1Setzen)
            .ParameterHinzufuegen(QStringLiteral("X-Koordinate"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Y-Koordinate"), ArtLaenge);
        MethodeEintragen(MPunkt2Setzen)
            .ParameterHinzufuegen(QStringLiteral("X-Koordinate"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Y-Koordinate"), ArtLaenge);
        AttributEintragen(APunkt1X);
        AttributEintragen(APunkt1Y);
        AttributEintragen(APunkt2X);
        AttributEintragen(APunkt2Y);
    }
}

std::unique_ptr<TObjekt> TLinie::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TLinie>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TLinie::Uebernehmen(const TObjekt &quelle)
{
    TZeichenObjekt::Uebernehmen(quelle);
    if (const auto *q = dynamic_cast<const TLinie *>(&quelle)) {
        Punkt1X = q->Punkt1X;
        Punkt1Y = q->Punkt1Y;
        Punkt2X = q->Punkt2X;
        Punkt2Y = q->Punkt2Y;
    }
    GeometrieBerechnen();
}

std::unique_ptr<TData> TLinie::AttributWert(int attributId) const
{
    switch (attributId) {
    case APunkt1X:
        return std::make_unique<TData>(Punkt1X, ArtLaenge);
    case APunkt1Y:
        return std::make_unique<TData>(Punkt1Y, ArtLaenge);
    case APunkt2X:
        return std::make_unique<TData>(Punkt2X, ArtLaenge);
    case APunkt2Y:
        return std::make_unique<TData>(Punkt2Y, ArtLaenge);
    default:
        return TZeichenObjekt::AttributWert(attributId);
    }
}

void TLinie::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                               TZeichenflaeche *zf)
{
    meldung.clear();
    auto zahl = [&p](std::size_t i) { return i < p.size() ? p[i]->Zahl() : 0.0; };
    switch (methodenId) {
    case MPunkt1Setzen:
        punkt1Setzen(zahl(0), zahl(1));
        break;
    case MPunkt2Setzen:
        punkt2Setzen(zahl(0), zahl(1));
        break;
    default:
        TZeichenObjekt::MethodeAusfuehren(methodenId, p, meldung, zf);
    }
    GeometrieBerechnen();
}

void TLinie::punkt1Setzen(double x, double y)
{
    Punkt1X = x;
    Punkt1Y = y;
    GeometrieBerechnen();
}

void TLinie::punkt2Setzen(double x, double y)
{
    Punkt2X = x;
    Punkt2Y = y;
    GeometrieBerechnen();
}

void TLinie::GeometrieBerechnen()
{
    Umgebungsrechteck.Links = std::min(Punkt1X, Punkt2X);
    Umgebungsrechteck.Rechts = std::max(Punkt1X, Punkt2X);
    Umgebungsrechteck.Unten = std::min(Punkt1Y, Punkt2Y);
    Umgebungsrechteck.Oben = std::max(Punkt1Y, Punkt2Y);
    MitteX = (Umgebungsrechteck.Links + Umgebungsrechteck.Rechts) / 2;
    MitteY = (Umgebungsrechteck.Unten + Umgebungsrechteck.Oben) / 2;
}

void TLinie::verschieben(double dx, double dy)
{
    TZeichenObjekt::verschieben(dx, dy);
    Punkt1X += dx;
    Punkt1Y += dy;
    Punkt2X += dx;
    Punkt2Y += dy;
    GeometrieBerechnen();
}

void TLinie::streckenMitZentrum(double zx, double zy, double faktor)
{
    TZeichenObjekt::streckenMitZentrum(zx, zy, faktor);
    Punkt1X = (Punkt1X - zx) * faktor + zx;
    Punkt1Y = (Punkt1Y - zy) * faktor + zy;
    Punkt2X = (Punkt2X - zx) * faktor + zx;
    Punkt2Y = (Punkt2Y - zy) * faktor + zy;
    GeometrieBerechnen();
}

void TLinie::strecken(double faktor)
{
    // Logged as streckenMitZentrum about the centre.
    streckenMitZentrum(MitteX, MitteY, faktor);
}

void TLinie::drehenUm(double px, double py, double winkel)
{
    TZeichenObjekt::drehenUm(px, py, winkel);
    const TWeltPunkt p1 = PunktDrehen(Punkt1X, Punkt1Y, px, py, winkel);
    const TWeltPunkt p2 = PunktDrehen(Punkt2X, Punkt2Y, px, py, winkel);
    Punkt1X = p1.X;
    Punkt1Y = p1.Y;
    Punkt2X = p2.X;
    Punkt2Y = p2.Y;
    GeometrieBerechnen();
}

void TLinie::drehen(double winkel)
{
    // Logged as drehenUm about the centre.
    drehenUm(MitteX, MitteY, winkel);
}

void TLinie::spiegelnAnVertikalerAchse(double x0)
{
    Punkt1X = Spiegelwert(x0, Punkt1X);
    Punkt2X = Spiegelwert(x0, Punkt2X);
    GeometrieBerechnen();
}

void TLinie::spiegelnAnHorizontalerAchse(double y0)
{
    Punkt1Y = Spiegelwert(y0, Punkt1Y);
    Punkt2Y = Spiegelwert(y0, Punkt2Y);
    GeometrieBerechnen();
}

void TLinie::Zeichnen(TZeichenflaeche *zf)
{
    if (!zf || !zf->Leinwand)
        return;
    StiftUndPinselEinstellen(zf);
    Bildpunkte[0] = QPoint(zf->XPixel(Punkt1X), zf->YPixel(Punkt1Y));
    Bildpunkte[1] = QPoint(zf->XPixel(Punkt2X), zf->YPixel(Punkt2Y));
    if (Vorschau)
        zf->LinieZeichnen(Bildpunkte[0], Bildpunkte[1]);
    else
        zf->LinienZugZeichnen({Bildpunkte[0], Bildpunkte[1]}, Linienart, false, Linienstärke);
}

bool TLinie::Getroffen(TZeichenflaeche *zf, double x, double y)
{
    const double t = std::max(Linienstärke / 2, PixelInCm(zf, 2.0));
    const double dx = Punkt2X - Punkt1X, dy = Punkt2Y - Punkt1Y;
    const double laenge = std::hypot(dx, dy);
    // A line of length 0 is hit within the tolerance of its point.
    if (!(laenge > 0.0))
        return std::hypot(x - Punkt1X, y - Punkt1Y) < t;
    const double d = std::fabs(dy * (x - Punkt1X) - dx * (y - Punkt1Y)) / laenge;
    if (!(d < t))
        return false;
    if (std::fabs(dx) > t && ((x > Punkt1X && x > Punkt2X) || (x < Punkt1X && x < Punkt2X)))
        return false;
    if (std::fabs(dy) > t && ((y > Punkt1Y && y > Punkt2Y) || (y < Punkt1Y && y < Punkt2Y)))
        return false;
    return true;
}

std::vector<TGriffPlatz> TLinie::GriffPlaetze(const TZeichenflaeche *zf) const
{
    const double h = std::hypot(Punkt2X - Punkt1X, Punkt2Y - Punkt1Y) / 2;
    const double r = std::max(h, PixelInCm(zf, 10.0));
    std::vector<TGriffPlatz> plaetze;
    const double punkte[2][2] = {{Punkt1X, Punkt1Y}, {Punkt2X, Punkt2Y}};
    for (int i = 0; i < 2; ++i) {
        TGriffPlatz g;
        g.GriffArt = 1;
        g.PunktNummer = i + 1;
        g.BezugX = punkte[i][0];
        g.BezugY = punkte[i][1];
        if (h > 0.0) {
            g.PosX = MitteX + (punkte[i][0] - MitteX) * r / h;
            g.PosY = MitteY + (punkte[i][1] - MitteY) * r / h;
        } else {
            // No direction: the first end 10 pixels left, the second right.
            g.PosX = MitteX + (i == 0 ? -r : r);
            g.PosY = MitteY;
        }
        plaetze.push_back(g);
    }
    return plaetze;
}

void TLinie::GriffeErzeugen(TZeichenflaeche *zf)
{
    GriffeFreigeben();
    for (const TGriffPlatz &g : GriffPlaetze(zf))
        Griffe.push_back(
            std::make_unique<TLinienGriff>(this, g.PosX, g.PosY, g.BezugX, g.BezugY, g.PunktNummer));
}

void TLinie::AufziehenBeginnen(TZeichenflaeche *zf, double x, double y)
{
    Punkt1X = Punkt2X = x;
    Punkt1Y = Punkt2Y = y;
    TZeichenObjekt::AufziehenBeginnen(zf, x, y);
}

void TLinie::Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                       double y)
{
    Zeichnen(zf); // erases the previous inverted line
    const double dx = x - AnkerX, dy = y - AnkerY;
    const double d = std::hypot(dx, dy);
    double theta = VektorWinkel(dx, dy);
    if (quadratisch)
        theta = std::nearbyint(theta / (M_PI / 12)) * (M_PI / 12);
    Punkt2X = AnkerX + d * std::cos(theta);
    Punkt2Y = AnkerY + d * std::sin(theta);
    if (ausDerMitte) {
        Punkt1X = 2 * AnkerX - Punkt2X;
        Punkt1Y = 2 * AnkerY - Punkt2Y;
    } else {
        Punkt1X = AnkerX;
        Punkt1Y = AnkerY;
    }
    GeometrieBerechnen();
    Zeichnen(zf);
}
