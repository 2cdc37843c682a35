#include "surface/Zeichenflaeche.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

int RundenGerade(double wert)
{
    if (std::isnan(wert))
        return 0;
    const double begrenzt = std::clamp(wert, -1.0e9, 1.0e9);
    return int(std::nearbyint(begrenzt)); // default rounding mode: halves to even
}

namespace {

TZeichenflaeche *aktuelleFlaeche = nullptr;

// Liang-Barsky: the part [t0, t1] of the segment a + t(b - a), 0 <= t <= 1,
// that lies inside r; false when none does.
bool StreckeKappen(const QPointF &a, const QPointF &b, const QRectF &r, double &t0, double &t1)
{
    t0 = 0.0;
    t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
    }
    return t0 <= t1;
}

// Sutherland-Hodgman clipping of a polygon against an axis-parallel
// rectangle. The edges it adds run along the rectangle, which lies outside
// the device, so the visible fill is unchanged.
QPolygonF PolygonKappen(const QPolygonF &polygon, const QRectF &r)
{
    QPolygonF ein = polygon;
    for (int kante = 0; kante < 4 && !ein.isEmpty(); ++kante) {
        auto innen = [&](const QPointF &p) {
            switch (kante) {
            case 0: return p.x() >= r.left();
            case 1: return p.x() <= r.right();
            case 2: return p.y() >= r.top();
            default: return p.y() <= r.bottom();
            }
        };
        auto schnitt = [&](const QPointF &a, const QPointF &b) {
            double t;
            switch (kante) {
            case 0: t = (r.left() - a.x()) / (b.x() - a.x()); break;
            case 1: t = (r.right() - a.x()) / (b.x() - a.x()); break;
            case 2: t = (r.top() - a.y()) / (b.y() - a.y()); break;
            default: t = (r.bottom() - a.y()) / (b.y() - a.y()); break;
            }
            return a + (b - a) * t;
        };
        QPolygonF aus;
        aus.reserve(ein.size() + 4);
        for (int i = 0; i < ein.size(); ++i) {
            const QPointF &cur = ein[i];
            const QPointF &prev = ein[(i + ein.size() - 1) % ein.size()];
            const bool ci = innen(cur), pi = innen(prev);
            if (ci) {
                if (!pi)
                    aus.append(schnitt(prev, cur));
                aus.append(cur);
            } else if (pi) {
                aus.append(schnitt(prev, cur));
            }
        }
        ein = std::move(aus);
    }
    return ein;
}

bool AlleInnen(const QVector<QPoint> &punkte, const QRectF &r)
{
    return std::all_of(punkte.begin(), punkte.end(), [&r](const QPoint &p) {
        return p.x() >= r.left() && p.x() <= r.right() && p.y() >= r.top() && p.y() <= r.bottom();
    });
}

QPoint Gerundet(const QPointF &p)
{
    return QPoint(int(std::lround(p.x())), int(std::lround(p.y())));
}

// Collects the drawn parts of a path as polylines: a run grows as long as
// the pen stays down, so one stroke is one Qt primitive (joins stay clean,
// and the inverting pen touches every pixel of a run once).
class TLaeufe
{
public:
    // In a PDF every primitive repeats the whole pen state: there the runs of
    // one outline are collected into one path of separate strokes, which
    // looks the same (opaque colours, the same caps and joins per run).
    explicit TLaeufe(QPainter &p)
        : p_(p), sammeln_(p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Pdf)
    {
    }
    ~TLaeufe()
    {
        Absetzen();
        if (!pfad_.isEmpty()) {
            const QBrush pinsel = p_.brush();
            p_.setBrush(Qt::NoBrush);
            p_.drawPath(pfad_);
            p_.setBrush(pinsel);
        }
    }
    void Aufsetzen(const QPoint &p)
    {
        if (lauf_.isEmpty())
            lauf_.append(p);
    }
    void Ziehen(const QPoint &p)
    {
        if (lauf_.isEmpty() || lauf_.last() != p)
            lauf_.append(p);
        else if (lauf_.size() == 1)
            lauf_.append(p); // a dot still gets drawn
    }
    bool Aktiv() const { return !lauf_.isEmpty(); }
    void Absetzen()
    {
        if (lauf_.size() >= 2) {
            if (sammeln_) {
                pfad_.moveTo(lauf_.front());
                for (qsizetype i = 1; i < lauf_.size(); ++i)
                    pfad_.lineTo(lauf_[i]);
            } else {
                p_.drawPolyline(lauf_.constData(), int(lauf_.size()));
            }
        }
        lauf_.clear();
    }

private:
    QPainter &p_;
    bool sammeln_;
    QPainterPath pfad_;
    QVector<QPoint> lauf_;
};

} // namespace

TZeichenflaeche *TZeichenflaeche::Aktuell()
{
    if (aktuelleFlaeche)
        return aktuelleFlaeche;
    static TZeichenflaeche standard;
    return &standard;
}

void TZeichenflaeche::AktuellSetzen(TZeichenflaeche *zf)
{
    aktuelleFlaeche = zf;
}

TZeichenflaeche::TZeichenflaeche()
{
    referenzEinrichten();
    SeiteEinrichten();
}

void TZeichenflaeche::referenzEinrichten()
{
    if (referenz_.isNull())
        referenz_ = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    const int punkteProMeter = int(std::lround(BildschirmPixelProCm * 100.0));
    referenz_.setDotsPerMeterX(punkteProMeter);
    referenz_.setDotsPerMeterY(punkteProMeter);
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
    if (!(pixelProZoll > 0) || !std::isfinite(pixelProZoll))
        return;
    BildschirmPixelProCm = pixelProZoll / 2.54;
    SkalaX = SkalaY = BildschirmPixelProCm * Zoom;
    referenzEinrichten();
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
    return RundenGerade(x * SkalaXAktuell());
}

int TZeichenflaeche::YPixel(double y) const
{
    return RundenGerade(hoeheAktuell() - y * SkalaYAktuell());
}

double TZeichenflaeche::LaengePixel(double laenge) const
{
    return laenge * SkalaXAktuell();
}

double TZeichenflaeche::XWelt(double spalte) const
{
    return spalte / SkalaX;
}

double TZeichenflaeche::YWelt(double zeile) const
{
    return (SeitenHoehePixel() - zeile) / SkalaY;
}

QRectF TZeichenflaeche::SichtbarerBereich(double rand) const
{
    if (!Leinwand || !Leinwand->isActive() || !Leinwand->device())
        return {};
    const QPaintDevice *geraet = Leinwand->device();
    bool umkehrbar = false;
    const QTransform zurueck = Leinwand->combinedTransform().inverted(&umkehrbar);
    if (!umkehrbar)
        return {};
    QRectF bereich = zurueck.mapRect(QRectF(0, 0, geraet->width(), geraet->height()));
    if (Leinwand->hasClipping())
        bereich = bereich.intersected(Leinwand->clipBoundingRect());
    if (bereich.isEmpty())
        return {};
    return bereich.adjusted(-rand, -rand, rand, rand);
}

void TZeichenflaeche::StiftbreiteSetzen(double linienstaerkeCm)
{
    if (!Leinwand)
        return;
    QPen stift = Leinwand->pen();
    stift.setWidth(std::clamp(RundenGerade(linienstaerkeCm * SkalaXAktuell()), 1, MaximaleStiftbreite));
    Leinwand->setPen(stift);
}

void TZeichenflaeche::RundRechteck(double x1, double y1, double x2, double y2, double rundung)
{
    if (!Leinwand)
        return;
    const double rp = std::clamp(LaengePixel(rundung) / 2.0, 0.0, 1.0e6);
    const double rand = rp + Leinwand->pen().widthF() + 4.0;
    const QRectF sicht = SichtbarerBereich(rand);
    if (sicht.isEmpty())
        return;
    double l = std::min(XPixel(x1), XPixel(x2)), r = std::max(XPixel(x1), XPixel(x2));
    double o = std::min(YPixel(y1), YPixel(y2)), u = std::max(YPixel(y1), YPixel(y2));
    if (r < sicht.left() || l > sicht.right() || u < sicht.top() || o > sicht.bottom())
        return;
    // Sides far outside are pulled to the edge of the enlarged view; their
    // rounded corners then lie outside the device as before.
    l = std::max(l, sicht.left());
    r = std::min(r, sicht.right());
    o = std::max(o, sicht.top());
    u = std::min(u, sicht.bottom());
    const QRectF rechteck(QPointF(l, o), QPointF(r, u));
    if (rp <= 0.0)
        Leinwand->drawRect(rechteck);
    else
        Leinwand->drawRoundedRect(rechteck, rp, rp);
}

std::optional<std::array<double, 4>> TZeichenflaeche::Strichmuster(std::uint8_t linienart)
{
    switch (linienart) {
    case 2: // gestrichelt
        return std::array<double, 4>{0.2, 0.1, 0.2, 0.1};
    case 3: // breitgestrichelt
        return std::array<double, 4>{0.4, 0.2, 0.4, 0.2};
    case 4: // gepunktelt
        return std::array<double, 4>{0.05, 0.05, 0.05, 0.05};
    case 5: // gestrichpunktelt
        return std::array<double, 4>{0.3, 0.1, 0.05, 0.1};
    default:
        return std::nullopt;
    }
}

void TZeichenflaeche::PolygonZeichnen(const QVector<QPoint> &punkte, bool geschlossen)
{
    if (!Leinwand || punkte.size() < 2)
        return;
    QPainter &p = *Leinwand;
    const double rand = p.pen().style() == Qt::NoPen ? 2.0 : p.pen().widthF() / 2.0 + 4.0;
    const QRectF sicht = SichtbarerBereich(rand);
    if (sicht.isEmpty())
        return;
    if (AlleInnen(punkte, sicht)) {
        if (geschlossen)
            p.drawPolygon(punkte.constData(), int(punkte.size()));
        else
            p.drawPolyline(punkte.constData(), int(punkte.size()));
        return;
    }
    if (geschlossen && p.brush().style() != Qt::NoBrush) {
        const QPen stift = p.pen();
        p.setPen(Qt::NoPen);
        QPolygonF polygon;
        for (const QPoint &pt : punkte)
            polygon.append(QPointF(pt));
        const QPolygonF gekappt = PolygonKappen(polygon, sicht);
        if (gekappt.size() >= 3)
            p.drawPolygon(gekappt);
        p.setPen(stift);
    }
    if (p.pen().style() == Qt::NoPen)
        return;
    TLaeufe laeufe(p);
    const int n = int(punkte.size());
    const int kanten = geschlossen ? n : n - 1;
    for (int i = 0; i < kanten; ++i) {
        const QPointF a = punkte[i], b = punkte[(i + 1) % n];
        double t0, t1;
        if (!StreckeKappen(a, b, sicht, t0, t1)) {
            laeufe.Absetzen();
            continue;
        }
        if (t0 > 0.0)
            laeufe.Absetzen();
        laeufe.Aufsetzen(Gerundet(a + (b - a) * t0));
        laeufe.Ziehen(Gerundet(a + (b - a) * t1));
        if (t1 < 1.0)
            laeufe.Absetzen();
    }
}

void TZeichenflaeche::LinieZeichnen(QPoint a, QPoint b)
{
    PolygonZeichnen({a, b}, false);
}

namespace {

// Walks a path in pixels with a dash pattern of four pieces (drawn,
// skipped, drawn, skipped). Only the part of the path inside the view is
// walked step by step; outside it the pattern's phase is advanced by
// arithmetic, so the work is bounded by the visible length.
class TStrichGaenger
{
public:
    TStrichGaenger(QPainter &p, const std::array<double, 4> &stuecke, const QRectF &sicht)
        : laeufe_(p), stuecke_(stuecke), sicht_(sicht)
    {
        zyklus_ = stuecke_[0] + stuecke_[1] + stuecke_[2] + stuecke_[3];
        rest_ = stuecke_[0];
    }

    void Strecke(const QPointF &a, const QPointF &b)
    {
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double laenge = std::sqrt(dx * dx + dy * dy);
        if (!(laenge > 0.0))
            return;
        const QPointF richtung = (b - a) / laenge;
        double t0, t1;
        if (!StreckeKappen(a, b, sicht_, t0, t1)) {
            springen(laenge);
            return;
        }
        if (t0 > 0.0)
            springen(t0 * laenge);
        gehen(a, richtung, t0 * laenge, t1 * laenge);
        if (t1 < 1.0)
            springen((1.0 - t1) * laenge);
    }

private:
    bool zeichnet() const { return index_ % 2 == 0; }
    void naechstes()
    {
        index_ = (index_ + 1) % 4;
        rest_ = stuecke_[index_];
    }

    // Advances the pattern by a distance that is not drawn step by step.
    void springen(double strecke)
    {
        laeufe_.Absetzen();
        if (strecke < rest_) {
            rest_ -= strecke;
            return;
        }
        strecke -= rest_;
        naechstes();
        strecke = std::fmod(strecke, zyklus_);
        for (int i = 0; i < 8 && strecke >= rest_; ++i) {
            strecke -= rest_;
            naechstes();
        }
        rest_ = std::max(0.0, rest_ - strecke);
    }

    // Walks the visible part [s0, s1] of a segment from a in direction r.
    void gehen(const QPointF &a, const QPointF &r, double s0, double s1)
    {
        double s = s0;
        if (zeichnet())
            laeufe_.Aufsetzen(Gerundet(a + r * s));
        while (rest_ <= s1 - s) {
            s += rest_;
            const QPoint punkt = Gerundet(a + r * s);
            if (zeichnet()) {
                laeufe_.Ziehen(punkt);
                laeufe_.Absetzen();
            }
            naechstes();
            if (zeichnet())
                laeufe_.Aufsetzen(punkt);
        }
        rest_ -= s1 - s;
        if (zeichnet())
            laeufe_.Ziehen(Gerundet(a + r * s1));
    }

    TLaeufe laeufe_;
    std::array<double, 4> stuecke_;
    QRectF sicht_;
    double zyklus_ = 0.0;
    int index_ = 0;
    double rest_ = 0.0;
};

} // namespace

void TZeichenflaeche::LinienZugZeichnen(const QVector<QPoint> &punkte, std::uint8_t linienart,
                                        bool geschlossen, double linienstaerkeCm)
{
    if (!Leinwand || punkte.size() < 2)
        return;
    QPainter &p = *Leinwand;
    // 1. The fill, without outline.
    if (p.brush().style() != Qt::NoBrush) {
        const QPen stift = p.pen();
        p.setPen(Qt::NoPen);
        PolygonZeichnen(punkte, true);
        p.setPen(stift);
    }
    // 2. No outline when the caller switched the pen off.
    if (p.pen().style() == Qt::NoPen)
        return;
    QPen stift = p.pen();
    stift.setStyle(Qt::SolidLine);
    p.setPen(stift);
    StiftbreiteSetzen(linienstaerkeCm);

    const auto muster = Strichmuster(linienart);
    std::array<double, 4> stuecke{};
    bool gestrichelt = false;
    if (muster) {
        double zyklus = 0.0;
        for (int i = 0; i < 4; ++i) {
            // Gaps grow with the line width so that thick lines keep visible gaps.
            const double cm = (*muster)[i] + (i % 2 == 1 ? linienstaerkeCm : 0.0);
            stuecke[i] = std::max(0.0, LaengePixel(cm));
            zyklus += stuecke[i];
        }
        // A pattern shorter than two pixels cannot be seen: draw it solid.
        gestrichelt = std::isfinite(zyklus) && zyklus >= 2.0;
    }
    const QBrush pinsel = p.brush();
    p.setBrush(Qt::NoBrush);
    if (!gestrichelt) {
        PolygonZeichnen(punkte, geschlossen);
    } else {
        const QRectF sicht = SichtbarerBereich(p.pen().widthF() / 2.0 + 4.0);
        if (!sicht.isEmpty()) {
            TStrichGaenger gaenger(p, stuecke, sicht);
            const int n = int(punkte.size());
            for (int i = 0; i + 1 < n; ++i)
                gaenger.Strecke(punkte[i], punkte[i + 1]);
            if (geschlossen)
                gaenger.Strecke(punkte[n - 1], punkte[0]);
        }
    }
    p.setBrush(pinsel);
}

void TZeichenflaeche::SchriftAnpassen(double groessePunkte)
{
    if (!Leinwand || !Leinwand->device())
        return;
    static const QString probe = QStringLiteral("Abcdefg");
    double s = std::isfinite(groessePunkte) ? std::clamp(groessePunkte, 1.0, 5000.0) : 12.0;
    QFont schrift = Leinwand->font();
    schrift.setPointSizeF(s);
    const double referenz =
        QFontMetricsF(schrift, &referenz_).horizontalAdvance(probe) / BildschirmPixelProCm;
    if (!Drucken)
        s *= Zoom;
    const double proCm = LaengePixel(1.0);
    int groesse = std::clamp(RundenGerade(s), 1, 20000);
    auto messen = [&](int g) {
        schrift.setPointSize(g);
        return QFontMetricsF(schrift, Leinwand->device()).horizontalAdvance(probe) / proCm;
    };
    if (proCm > 0.0 && std::isfinite(proCm)) {
        double breite = messen(groesse);
        // Each loop is bounded: sizes move by one point per step.
        for (int i = 0; i < 400 && breite - referenz > 0.0001 && groesse > 1; ++i)
            breite = messen(--groesse);
        for (int i = 0; i < 400 && referenz - breite > 0.0001 && groesse < 20000; ++i)
            breite = messen(++groesse);
    }
    schrift.setPointSize(groesse);
    Leinwand->setFont(schrift);
}

void TZeichenflaeche::HintergrundZeichnen(const TFarbe &farbe)
{
    if (!Leinwand)
        return;
    QRect bereich;
    if (Drucken)
        bereich = QRect(0, 0, PapierBreitePixel, PapierHoehePixel);
    else if (Gepuffert)
        bereich = QRect(SichtX, SichtY, SichtBreite, SichtHoehe);
    else
        bereich = QRect(0, 0, SeitenBreitePixel(), SeitenHoehePixel());
    if (bereich.isEmpty())
        return;
    Leinwand->save();
    Leinwand->setCompositionMode(QPainter::CompositionMode_SourceOver);
    Leinwand->setPen(QPen(Qt::white, 1));
    Leinwand->setBrush(farbe.AlsQColor());
    // A 1-pixel pen outlines the last column and row inside the area.
    Leinwand->drawRect(bereich.adjusted(0, 0, -1, -1));
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

// The zoom at which the sheet plus its two 30-pixel margins (which do not
// scale) just fills the client area.
double TZeichenflaeche::SeitenbreiteZoom(int clientBreite) const
{
    return (clientBreite - 60.0) / (BildschirmPixelProCm * SeitenBreiteCm);
}

double TZeichenflaeche::GanzeSeiteZoom(int clientBreite, int clientHoehe) const
{
    const double zx = SeitenbreiteZoom(clientBreite);
    const double zy = (clientHoehe - 60.0) / (BildschirmPixelProCm * SeitenHoeheCm);
    return std::min(zx, zy);
}

double TZeichenflaeche::ZoomKandidat(const TZoomfaktor &eintrag, int clientBreite,
                                     int clientHoehe) const
{
    switch (eintrag.Art) {
    case TZoomfaktor::GanzeSeite:
        return GanzeSeiteZoom(clientBreite, clientHoehe);
    case TZoomfaktor::Seitenbreite:
        return SeitenbreiteZoom(clientBreite);
    default:
        return eintrag.Faktor;
    }
}

bool TZeichenflaeche::ZoomUebernehmen(double kandidat)
{
    if (!(kandidat > 0.01 && kandidat < 5.0))
        return false;
    ZoomSetzen(kandidat);
    return true;
}

std::optional<int> TZeichenflaeche::ZoomEingabeLesen(const QString &text)
{
    long long zahl = 0;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            zahl = zahl * 10 + (c.unicode() - '0');
            if (zahl > 1000000)
                return std::nullopt; // far out of range; stop before it overflows
        }
    }
    if (zahl > 10 && zahl < 1000)
        return int(zahl);
    return std::nullopt;
}
