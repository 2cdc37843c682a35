#include "window/ui/Bereichsmesser.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>
#include <cmath>

namespace {

class TMessEngine : public QPaintEngine
{
public:
    TMessEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QRectF Bereich;
    bool Grosszuegig = false;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &zustand) override
    {
        if (zustand.state() & QPaintEngine::DirtyTransform)
            trafo_ = zustand.transform();
        if (zustand.state() & QPaintEngine::DirtyPen) {
            const QPen stift = zustand.pen();
            stiftBreite_ = stift.style() == Qt::NoPen ? 0.0 : std::max<qreal>(1.0, stift.widthF());
            kosmetisch_ = stift.isCosmetic();
        }
    }

    void drawPath(const QPainterPath &pfad) override { hinzu(pfad.controlPointRect()); }
    void drawPolygon(const QPointF *punkte, int anzahl, PolygonDrawMode) override
    {
        hinzu(QPolygonF(QList<QPointF>(punkte, punkte + anzahl)).boundingRect());
    }
    void drawPolygon(const QPoint *punkte, int anzahl, PolygonDrawMode) override
    {
        QPolygonF poly;
        for (int i = 0; i < anzahl; ++i)
            poly << QPointF(punkte[i]);
        hinzu(poly.boundingRect());
    }
    void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override { hinzu(r, false); }
    void drawImage(const QRectF &r, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        hinzu(r, false);
    }
    void drawTiledPixmap(const QRectF &r, const QPixmap &, const QPointF &) override { hinzu(r, false); }
    void drawTextItem(const QPointF &p, const QTextItem &text) override
    {
        hinzu(QRectF(p.x(), p.y() - text.ascent(), text.width(), text.ascent() + text.descent()),
              false);
    }

private:
    void hinzu(const QRectF &r, bool mitStift = true)
    {
        const qreal skala = std::sqrt(std::fabs(trafo_.determinant()));
        qreal rand = Grosszuegig ? 2.0 : 1.0;
        if (mitStift)
            rand += stiftBreite_ * (Grosszuegig ? 2.0 : 0.5) * (kosmetisch_ ? 1.0 : std::max<qreal>(skala, 1.0));
        const QRectF abgebildet =
            trafo_.mapRect(r.normalized()).adjusted(-rand, -rand, rand, rand);
        Bereich = Bereich.isNull() ? abgebildet : Bereich.united(abgebildet);
    }

    QTransform trafo_;
    qreal stiftBreite_ = 1.0;
    bool kosmetisch_ = false;
};

class TMessGeraet : public QPaintDevice
{
public:
    explicit TMessGeraet(QSize groesse) : groesse_(groesse) {}
    ~TMessGeraet() override = default;

    QPaintEngine *paintEngine() const override { return &engine_; }
    QRectF Bereich() const { return engine_.Bereich; }
    void GrosszuegigSetzen() { engine_.Grosszuegig = true; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return groesse_.width();
        case PdmHeight:
            return groesse_.height();
        case PdmWidthMM:
            return int(groesse_.width() * 25.4 / 96.0);
        case PdmHeightMM:
            return int(groesse_.height() * 25.4 / 96.0);
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QSize groesse_;
    mutable TMessEngine engine_;
};

} // namespace

namespace {
QRect ganzePixel(const QRectF &b)
{
    if (b.isNull() || b.isEmpty())
        return {};
    return QRect(QPoint(int(std::floor(b.left())), int(std::floor(b.top()))),
                 QPoint(int(std::ceil(b.right())), int(std::ceil(b.bottom()))));
}
} // namespace

QRect TBereichsmesser::Messen(QPicture &bild, QSize geraet)
{
    TMessGeraet messgeraet(geraet);
    {
        QPainter maler(&messgeraet);
        bild.play(&maler);
    }
    return ganzePixel(messgeraet.Bereich());
}

QRect TBereichsmesser::MessenGrosszuegig(QSize geraet, const std::function<void(QPainter &)> &malen)
{
    TMessGeraet messgeraet(geraet);
    messgeraet.GrosszuegigSetzen();
    {
        QPainter maler(&messgeraet);
        malen(maler);
    }
    return ganzePixel(messgeraet.Bereich());
}
