#include "analyser/DiagrammFlaeche.h"
#include "surface/Zeichenflaeche.h" // RundenGerade

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// Widgets cannot be larger than this; a diagram beyond it is never shown
// (the window shows its "too large" labels long before).
constexpr int GroesstePixelzahl = 16'000'000;
}

TDiagrammFlaeche::TDiagrammFlaeche()
{
    schrift_.setFamily(QStringLiteral("Arial"));
    schriftAnwenden();
}

void TDiagrammFlaeche::LeinwandSetzen(QPainter *leinwand)
{
    Leinwand = leinwand;
    if (Leinwand)
        Leinwand->setFont(schrift_);
}

void TDiagrammFlaeche::BildschirmAufloesungSetzen(double pixelProZoll)
{
    if (pixelProZoll > 0)
        BildschirmPixelProCm = pixelProZoll / 2.54;
    schriftAnwenden();
}

bool TDiagrammFlaeche::ZoomSetzen(double zoom)
{
    // The list offers 25 % to 400 %; typed values reach up to 999 %.
    if (!(zoom > 0.01 && zoom < 10.0))
        return false;
    Zoom = zoom;
    schriftAnwenden();
    if (Einrichten)
        Einrichten();
    return true;
}

void TDiagrammFlaeche::DiagrammGroesseSetzen(double breite, double hoehe)
{
    DiagrammBreite = std::max(0.0, breite);
    DiagrammHoehe = std::max(0.0, hoehe);
    if (Einrichten)
        Einrichten();
}

int TDiagrammFlaeche::BreitePixel() const
{
    return std::clamp(RundenGerade(DiagrammBreite * Skala()), 0, GroesstePixelzahl);
}

int TDiagrammFlaeche::HoehePixel() const
{
    return std::clamp(RundenGerade(DiagrammHoehe * Skala()), 0, GroesstePixelzahl);
}

int TDiagrammFlaeche::XPixel(double x) const
{
    return RundenGerade(x * Skala());
}

int TDiagrammFlaeche::YPixel(double y) const
{
    return RundenGerade(y * Skala());
}

void TDiagrammFlaeche::SchriftgroesseSetzen(int punkte)
{
    Schriftgroesse = punkte;
    schriftAnwenden();
}

void TDiagrammFlaeche::schriftAnwenden()
{
    // Points on the canvas, then pixels as the screen resolution gives them
    // (so that layout does not depend on the device being painted on).
    const int punkte = std::max(1, RundenGerade(Schriftgroesse * Zoom));
    const int pixel = std::max(1, RundenGerade(punkte * BildschirmPixelProCm * 2.54 / 72.0));
    schrift_.setPixelSize(pixel);
    if (Leinwand)
        Leinwand->setFont(schrift_);
}

double TDiagrammFlaeche::TextBreite(const QString &text) const
{
    return QFontMetrics(schrift_).horizontalAdvance(text) / Skala();
}

double TDiagrammFlaeche::TextHoehe(const QString &) const
{
    const QFontMetrics fm(schrift_);
    return (fm.ascent() + fm.descent()) / Skala();
}

void TDiagrammFlaeche::StiftbreiteSetzen(double breiteCm)
{
    if (!Leinwand)
        return;
    QPen stift = Leinwand->pen();
    stift.setWidth(std::max(1, RundenGerade(breiteCm * Skala())));
    Leinwand->setPen(stift);
}

void TDiagrammFlaeche::Linie(double x1, double y1, double x2, double y2)
{
    if (Leinwand)
        Leinwand->drawLine(XPixel(x1), YPixel(y1), XPixel(x2), YPixel(y2));
}

void TDiagrammFlaeche::Rechteck(double x1, double y1, double x2, double y2)
{
    if (!Leinwand)
        return;
    const int l = XPixel(std::min(x1, x2)), r = XPixel(std::max(x1, x2));
    const int o = YPixel(std::min(y1, y2)), u = YPixel(std::max(y1, y2));
    const QPoint ecken[4] = {{l, o}, {r, o}, {r, u}, {l, u}};
    Leinwand->drawPolygon(ecken, 4);
}

void TDiagrammFlaeche::Text(const QString &text, double x, double y)
{
    if (!Leinwand)
        return;
    const QFontMetrics fm(Leinwand->font());
    Leinwand->drawText(QPoint(XPixel(x), YPixel(y) + fm.ascent()), text);
}

QPolygon RundRechteckPunkte(int links, int oben, int rechts, int unten, double radiusPixel)
{
    if (rechts < links)
        std::swap(links, rechts);
    if (unten < oben)
        std::swap(oben, unten);
    // A radius larger than half the box would turn the arcs inside out.
    const double r = std::clamp(radiusPixel, 0.0, std::min(rechts - links, unten - oben) / 2.0);
    const int n = std::max(0, RundenGerade(r));
    QPolygon punkte;
    punkte.reserve(4 * (n + 1));
    // Arc centres clockwise from the top-left corner; each arc runs through
    // 90 degrees, starting where the previous straight side ends.
    const double mx[4] = {links + r, rechts - r, rechts - r, links + r};
    const double my[4] = {oben + r, oben + r, unten - r, unten - r};
    const double start[4] = {180.0, 270.0, 0.0, 90.0};
    for (int ecke = 0; ecke < 4; ++ecke) {
        for (int i = 0; i <= n; ++i) {
            const double grad = start[ecke] + (n > 0 ? 90.0 * i / n : 0.0);
            const double bogen = grad * std::numbers::pi / 180.0;
            punkte.append(QPoint(RundenGerade(mx[ecke] + r * std::cos(bogen)),
                                 RundenGerade(my[ecke] + r * std::sin(bogen))));
        }
    }
    return punkte;
}

void TDiagrammFlaeche::RundRechteck(double r, double x1, double y1, double x2, double y2)
{
    if (!Leinwand)
        return;
    const QPolygon punkte =
        RundRechteckPunkte(XPixel(x1), YPixel(y1), XPixel(x2), YPixel(y2), LaengePixel(r));
    Leinwand->drawPolygon(punkte);
}

void TDiagrammFlaeche::HintergrundZeichnen(const QColor &farbe)
{
    if (!Leinwand)
        return;
    Leinwand->save();
    Leinwand->setPen(QPen(Qt::black, 1));
    Leinwand->setBrush(farbe);
    Leinwand->drawRect(QRect(0, 0, std::max(0, BreitePixel() - 1), std::max(0, HoehePixel() - 1)));
    Leinwand->restore();
}
