#include "figures/Rechteck.h"
#include "surface/Zeichenflaeche.h"

#include <algorithm>
#include <cmath>

TRechteck::TRechteck(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MDiagonalenschnittpunktSetzen)
            .ParameterHinzufuegen(QStringLiteral("x"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("y"), ArtLaenge);
        MethodeEintragen(MLaengeSetzen).ParameterHinzufuegen(QStringLiteral("Länge"), ArtLaenge);
        MethodeEintragen(MBreiteSetzen).ParameterHinzufuegen(QStringLiteral("Breite"), ArtLaenge);
        AttributEintragen(ALaenge);
        AttributEintragen(ABreite);
        AttributEintragen(ADiagonalenschnittpunktX);
        AttributEintragen(ADiagonalenschnittpunktY);
    }
}

std::unique_ptr<TObjekt> TRechteck::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TRechteck>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

QVector<TWeltPunkt> TRechteck::Umriss() const
{
    return QVector<TWeltPunkt>(Ecken.begin(), Ecken.end());
}

void TRechteck::GeometrieBerechnen()
{
    const double l = Länge / 2, b = Breite / 2;
    const TWeltPunkt box[4] = {{l, b}, {-l, b}, {-l, -b}, {l, -b}};
    // The rotation of PunktDrehen, with sine and cosine taken once.
    const double a = M_PI * Winkel / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    for (int i = 0; i < 4; ++i) {
        const double dx = (MitteX + box[i].X) - MitteX, dy = (MitteY + box[i].Y) - MitteY;
        Ecken[i] = {MitteX + dx * c - dy * s, MitteY + dx * s + dy * c};
    }
    // The box starts at the first corner, so figures far out (beyond
    // +-10000 cm) still get their true bounding box.
    Umgebungsrechteck = {Ecken[0].X, Ecken[0].X, Ecken[0].Y, Ecken[0].Y};
    for (const TWeltPunkt &e : Ecken) {
        Umgebungsrechteck.Links = std::min(Umgebungsrechteck.Links, e.X);
        Umgebungsrechteck.Rechts = std::max(Umgebungsrechteck.Rechts, e.X);
        Umgebungsrechteck.Unten = std::min(Umgebungsrechteck.Unten, e.Y);
        Umgebungsrechteck.Oben = std::max(Umgebungsrechteck.Oben, e.Y);
    }
    BildpunkteBerechnen();
}

void TRechteck::BildpunkteBerechnen()
{
    bildpunkteFuer(TZeichenflaeche::Aktuell());
}

void TRechteck::bildpunkteFuer(const TZeichenflaeche *zf)
{
    for (int i = 0; i < 4; ++i)
        Bildpunkte[i] = QPoint(zf->XPixel(Ecken[i].X), zf->YPixel(Ecken[i].Y));
}

void TRechteck::Zeichnen(TZeichenflaeche *zf)
{
    if (!zf || !zf->Leinwand)
        return;
    StiftUndPinselEinstellen(zf);
    bildpunkteFuer(zf);
    const QVector<QPoint> punkte(Bildpunkte.begin(), Bildpunkte.end());
    if (Vorschau)
        zf->PolygonZeichnen(punkte, true);
    else
        zf->LinienZugZeichnen(punkte, Linienart, true, Linienstärke);
}

bool TRechteck::Getroffen(TZeichenflaeche *zf, double x, double y)
{
    const TUmgebungsrechteck &u = Umgebungsrechteck;
    const double s = Linienstärke;
    // A flat figure has no area: it is hit along its outline.
    if (Flach())
        return PunktNahAnUmriss(zf, Umriss(), x, y, s);
    if (x < u.Links - s || x > u.Rechts + s || y < u.Unten - s || y > u.Oben + s)
        return false;
    // A text field is hit anywhere inside, whatever its fill.
    if (Füllfarbe.FarbArt == FarbArtUnsichtbar && KlassenId != KlasseTextFeld) {
        if (!(u.Links <= x && x <= u.Rechts && u.Unten <= y && y <= u.Oben))
            return false;
        return PunktNahAnUmriss(zf, Umriss(), x, y, s);
    }
    return PunktInPolygon(Umriss(), x, y);
}

void TRechteck::AufziehenBeenden(TZeichenflaeche *zf)
{
    TRechteckArt::AufziehenBeenden(zf);
    DiagonalenschnittpunktSetzen(MitteX, MitteY);
    BreiteSetzen(Breite);
    LängeSetzen(Länge);
    Zeichnen(zf);
}
