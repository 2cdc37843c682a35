#include "window/Zeichenflaeche.h"

#include <cmath>

int RundenGerade(double wert)
{
    if (!std::isfinite(wert))
        return wert > 0 ? INT32_MAX / 2 : -INT32_MAX / 2;
    const double begrenzt = std::clamp(wert, -1.0e9, 1.0e9);
    return int(std::nearbyint(begrenzt)); // default rounding mode: halves to even
}

TZeichenflaeche::TZeichenflaeche()
{
    SeiteEinrichten();
}

void TZeichenflaeche::SeiteEinrichten(double druckerPixelProCmX, double druckerPixelProCmY,
                                      int papierBreitePixel, int papierHoehePixel)
{
    if (druckerPixelProCmX > 0 && druckerPixelProCmY > 0 && papierBreitePixel > 0 &&
        papierHoehePixel > 0) {
        DruckerPixelProCmX = druckerPixelProCmX;
        DruckerPixelProCmY = druckerPixelProCmY;
        PapierBreitePixel = papierBreitePixel;
        PapierHoehePixel = papierHoehePixel;
    } else {
        DruckerPixelProCmX = DruckerPixelProCmY = StandardDruckerPixelProCm;
        PapierBreitePixel = RundenGerade(20.5 * StandardDruckerPixelProCm);
        PapierHoehePixel = RundenGerade(29.2 * StandardDruckerPixelProCm);
    }
    SeitenBreiteCm = PapierBreitePixel / DruckerPixelProCmX;
    SeitenHoeheCm = PapierHoehePixel / DruckerPixelProCmY;
    SkalaX = SkalaY = BildschirmPixelProCm * Zoom;
}

void TZeichenflaeche::BildschirmAufloesungSetzen(double pixelProZoll)
{
    BildschirmPixelProCm = pixelProZoll / 2.54;
    SkalaX = SkalaY = BildschirmPixelProCm * Zoom;
}

void TZeichenflaeche::ZoomSetzen(double zoom)
{
    Zoom = zoom;
    SkalaX = SkalaY = BildschirmPixelProCm * Zoom;
}

int TZeichenflaeche::SeitenBreitePixel() const
{
    return RundenGerade(SeitenBreiteCm * SkalaX);
}

int TZeichenflaeche::SeitenHoehePixel() const
{
    return RundenGerade(SeitenHoeheCm * SkalaY);
}

double TZeichenflaeche::hoeheAktuell() const
{
    return Drucken ? PapierHoehePixel : SeitenHoehePixel();
}

int TZeichenflaeche::XPixel(double x) const
{
    return RundenGerade(x * skalaXAktuell());
}

int TZeichenflaeche::YPixel(double y) const
{
    return RundenGerade(hoeheAktuell() - y * skalaYAktuell());
}

double TZeichenflaeche::LaengePixel(double laenge) const
{
    return laenge * skalaXAktuell();
}

double TZeichenflaeche::XWelt(double spalte) const
{
    return spalte / SkalaX;
}

double TZeichenflaeche::YWelt(double zeile) const
{
    return (SeitenHoehePixel() - zeile) / SkalaY;
}

void TZeichenflaeche::StiftbreiteSetzen(double linienstaerkeCm)
{
    if (!Leinwand)
        return;
    QPen stift = Leinwand->pen();
    stift.setWidth(std::max(1, RundenGerade(linienstaerkeCm * skalaXAktuell())));
    Leinwand->setPen(stift);
}

void TZeichenflaeche::RundRechteck(double x1, double y1, double x2, double y2, double rundung)
{
    if (!Leinwand)
        return;
    const QRect r = QRect(QPoint(XPixel(x1), YPixel(y1)), QPoint(XPixel(x2), YPixel(y2))).normalized();
    const double rp = LaengePixel(rundung) / 2.0;
    Leinwand->drawRoundedRect(r, rp, rp);
}

void TZeichenflaeche::LinienZugZeichnen(const QVector<QPoint> &punkte, std::uint8_t,
                                        bool geschlossen, double linienstaerkeCm)
{
    // Provisional: solid outline only. The dash walk replaces this.
    if (!Leinwand || punkte.size() < 2)
        return;
    StiftbreiteSetzen(linienstaerkeCm);
    if (geschlossen)
        Leinwand->drawPolygon(punkte.constData(), int(punkte.size()));
    else
        Leinwand->drawPolyline(punkte.constData(), int(punkte.size()));
}

void TZeichenflaeche::SchriftAnpassen(double groessePunkte)
{
    if (!Leinwand)
        return;
    QFont f = Leinwand->font();
    f.setPointSizeF(std::max(1.0, groessePunkte * (Drucken ? 1.0 : Zoom)));
    Leinwand->setFont(f);
}

void TZeichenflaeche::HintergrundZeichnen(const TFarbe &farbe)
{
    if (!Leinwand)
        return;
    Leinwand->save();
    Leinwand->setPen(QPen(Qt::white, 1));
    Leinwand->setBrush(farbe.AlsQColor());
    Leinwand->drawRect(QRect(0, 0, Drucken ? PapierBreitePixel : SeitenBreitePixel(),
                             Drucken ? PapierHoehePixel : SeitenHoehePixel()));
    Leinwand->restore();
}

QVector<TZoomfaktor> TZeichenflaeche::ZoomListe()
{
    return {
        {0.25, TZoomfaktor::Fest, QStringLiteral("25%")},
        {0.5, TZoomfaktor::Fest, QStringLiteral("50%")},
        {0.75, TZoomfaktor::Fest, QStringLiteral("75%")},
        {1.0, TZoomfaktor::Fest, QStringLiteral("100%")},
        {2.0, TZoomfaktor::Fest, QStringLiteral("200%")},
        {4.0, TZoomfaktor::Fest, QStringLiteral("400%")},
        {0.0, TZoomfaktor::GanzeSeite, QStringLiteral("Ganze Seite")},
        {0.0, TZoomfaktor::Seitenbreite, QStringLiteral("Seitenbreite")},
    };
}

double TZeichenflaeche::SeitenbreiteZoom(int clientBreite) const
{
    return clientBreite / BildschirmPixelProCm / (60.0 / BildschirmPixelProCm + SeitenBreiteCm);
}

double TZeichenflaeche::GanzeSeiteZoom(int clientBreite, int clientHoehe) const
{
    const double zx = SeitenbreiteZoom(clientBreite);
    const double zy = clientHoehe / BildschirmPixelProCm / (60.0 / BildschirmPixelProCm + SeitenHoeheCm);
    return std::min(zx, zy);
}
