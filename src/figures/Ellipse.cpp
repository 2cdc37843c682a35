#include "figures/Ellipse.h"
#include "model/MethodenAufruf.h"
#include "surface/Zeichenflaeche.h"

#include <QPaintEngine>

#include <algorithm>
#include <cmath>

QVector<QPoint> BildpunkteAus(const TZeichenflaeche *zf, const QVector<TWeltPunkt> &punkte)
{
    QVector<QPoint> bild;
    bild.reserve(punkte.size());
    for (const TWeltPunkt &p : punkte)
        bild.append(QPoint(zf->XPixel(p.X), zf->YPixel(p.Y)));
    return bild;
}

TUmgebungsrechteck UmgebungAus(const QVector<TWeltPunkt> &punkte)
{
    if (punkte.isEmpty())
        return {};
    TUmgebungsrechteck u{punkte[0].X, punkte[0].X, punkte[0].Y, punkte[0].Y};
    for (const TWeltPunkt &p : punkte) {
        u.Links = std::min(u.Links, p.X);
        u.Rechts = std::max(u.Rechts, p.X);
        u.Unten = std::min(u.Unten, p.Y);
        u.Oben = std::max(u.Oben, p.Y);
    }
    return u;
}

TEllipse::TEllipse(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MRadiusXSetzen).ParameterHinzufuegen(QStringLiteral("RadiusX"), ArtLaenge);
        MethodeEintragen(MRadiusYSetzen).ParameterHinzufuegen(QStringLiteral("RadiusY"), ArtLaenge);
        MethodeEintragen(MMittelpunktSetzen)
            .ParameterHinzufuegen(QStringLiteral("X-Koordinate"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Y-Koordinate"), ArtLaenge);
        AttributEintragen(ARadiusX);
        AttributEintragen(ARadiusY);
        AttributEintragen(AMittelpunktX);
        AttributEintragen(AMittelpunktY);
    }
}

std::unique_ptr<TObjekt> TEllipse::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TEllipse>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

std::unique_ptr<TData> TEllipse::AttributWert(int attributId) const
{
    switch (attributId) {
    case ARadiusX:
        return std::make_unique<TData>(Länge / 2, ArtLaenge);
    case ARadiusY:
        return std::make_unique<TData>(Breite / 2, ArtLaenge);
    case AMittelpunktX:
        return std::make_unique<TData>(MitteX, ArtLaenge);
    case AMittelpunktY:
        return std::make_unique<TData>(MitteY, ArtLaenge);
    default:
        return TRechteckArt::AttributWert(attributId);
    }
}

void TEllipse::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                 TZeichenflaeche *zf)
{
    meldung.clear();
    auto zahl = [&p](std::size_t i) { return i < p.size() ? p[i]->Zahl() : 0.0; };
    switch (methodenId) {
    case MRadiusXSetzen:
        radiusXSetzen(zahl(0));
        return;
    case MRadiusYSetzen:
        radiusYSetzen(zahl(0));
        return;
    case MMittelpunktSetzen:
        mittelpunktSetzen(zahl(0), zahl(1));
        return;
    default:
        TRechteckArt::MethodeAusfuehren(methodenId, p, meldung, zf);
    }
}

void TEllipse::radiusXSetzen(double r)
{
    Länge = 2 * r;
    GeometrieBerechnen();
    Protokolliere(MRadiusXSetzen, &TMethodenAufruf::LaengeHinzufuegen, r);
}

void TEllipse::radiusYSetzen(double r)
{
    Breite = 2 * r;
    GeometrieBerechnen();
    Protokolliere(MRadiusYSetzen, &TMethodenAufruf::LaengeHinzufuegen, r);
}

void TEllipse::mittelpunktSetzen(double x, double y)
{
    MitteX = x;
    MitteY = y;
    GeometrieBerechnen();
    Protokolliere(MMittelpunktSetzen, &TMethodenAufruf::LaengeHinzufuegen, x, y);
}

int TEllipse::Punktzahl(const TZeichenflaeche *zf, double radius)
{
    const double s = std::nearbyint(zf->SkalaXAktuell());
    // A PDF keeps every point it is given: there they lie 0.3 mm apart
    // (1200 dpi: 14 pixels), where a chord strays from the curve by less
    // than 0.005 mm on a 2.5 mm radius.
    QPaintEngine *geraet = zf->Leinwand ? zf->Leinwand->paintEngine() : nullptr;
    const bool pdf = geraet && geraet->type() == QPaintEngine::Pdf;
    const double schritt = zf->Drucken ? (pdf ? std::max(3.0, 0.03 * s) : 3.0) : 10.0;
    const double hoechstens = zf->Drucken ? 3000.0 : 500.0;
    const double n = std::nearbyint(s * 2.0 * M_PI * std::fabs(radius) / schritt);
    if (!(n >= 4.0)) // also NaN
        return 4;
    return int(std::min(n, hoechstens));
}

void TEllipse::GeometrieBerechnen()
{
    umrissBerechnen(TZeichenflaeche::Aktuell());
    BildpunkteBerechnen();
    Umgebungsrechteck = UmgebungAus(Umrisspunkte);
}

void TEllipse::umrissBerechnen(const TZeichenflaeche *zf)
{
    const double rx = Länge / 2, ry = Breite / 2;
    const int n = Punktzahl(zf, std::max(std::fabs(rx), std::fabs(ry)));
    Umrisspunkte.resize(n);
    const double a = M_PI * Winkel / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    // cos and sin of i * 2 pi / n by repeated turning by one step (exact
    // enough for the at most 3000 points; far cheaper than the functions).
    const double schrittC = std::cos(2.0 * M_PI / n), schrittS = std::sin(2.0 * M_PI / n);
    double ct = 1.0, st = 0.0;
    for (int i = 0; i < n; ++i) {
        const double ux = rx * ct, uy = ry * st;
        // The point turned by Winkel about the centre.
        Umrisspunkte[i] = {MitteX + ux * c - uy * s, MitteY + ux * s + uy * c};
        const double neuC = ct * schrittC - st * schrittS;
        st = st * schrittC + ct * schrittS;
        ct = neuC;
    }
}

void TEllipse::BildpunkteBerechnen()
{
    Bildpunkte = BildpunkteAus(TZeichenflaeche::Aktuell(), Umrisspunkte);
}

void TEllipse::Zeichnen(TZeichenflaeche *zf)
{
    if (!zf || !zf->Leinwand)
        return;
    StiftUndPinselEinstellen(zf);
    // The point density follows the surface drawn on (zoom, printer).
    const int n = Punktzahl(zf, std::max(std::fabs(Länge), std::fabs(Breite)) / 2);
    if (n != Umrisspunkte.size())
        umrissBerechnen(zf);
    GeschlossenenUmrissZeichnen(zf, *this, Umrisspunkte, Bildpunkte);
}

void GeschlossenenUmrissZeichnen(TZeichenflaeche *zf, const TZeichenObjekt &figur,
                                 const QVector<TWeltPunkt> &umriss, QVector<QPoint> &bildpunkte)
{
    bildpunkte = BildpunkteAus(zf, umriss);
    if (figur.Vorschau)
        zf->LinienZugZeichnen(bildpunkte, 2, true, 1.0 / zf->SkalaXAktuell());
    else
        zf->LinienZugZeichnen(bildpunkte, figur.Linienart, true, figur.Linienstärke);
}

std::optional<bool> UmrissVortest(TZeichenflaeche *zf, const TRechteckArt &figur,
                                  const QVector<TWeltPunkt> &umriss, double x, double y)
{
    const TUmgebungsrechteck &u = figur.Umgebungsrechteck;
    const double s = figur.Linienstärke;
    // A flat figure has no area: it is hit along its outline.
    if (figur.Flach())
        return PunktNahAnUmriss(zf, umriss, x, y, s);
    if (x < u.Links - s || x > u.Rechts + s || y < u.Unten - s || y > u.Oben + s)
        return false;
    if (figur.Füllfarbe.FarbArt == FarbArtUnsichtbar) {
        if (!(u.Links <= x && x <= u.Rechts && u.Unten <= y && y <= u.Oben))
            return false;
        return PunktNahAnUmriss(zf, umriss, x, y, s);
    }
    return std::nullopt;
}

bool TEllipse::Getroffen(TZeichenflaeche *zf, double x, double y)
{
    if (const auto entschieden = UmrissVortest(zf, *this, Umrisspunkte, x, y))
        return *entschieden;
    const double rx = Länge / 2, ry = Breite / 2;
    const TWeltPunkt p = PunktDrehen(x, y, MitteX, MitteY, -Winkel);
    const double dx = (p.X - MitteX) / rx, dy = (p.Y - MitteY) / ry;
    return std::sqrt(dx * dx + dy * dy) <= 1.0;
}

void TEllipse::AufziehenBeenden(TZeichenflaeche *zf)
{
    TRechteckArt::AufziehenBeenden(zf);
    mittelpunktSetzen(MitteX, MitteY);
    radiusXSetzen(Länge / 2);
    radiusYSetzen(Breite / 2);
    Zeichnen(zf);
}
