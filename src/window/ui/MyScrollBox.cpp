#include "window/ui/MyScrollBox.h"
#include "window/ui/Bereichsmesser.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {

// The installed printer's resolution and printable page, looked up once.
struct TDruckerDaten {
    bool Vorhanden = false;
    double PixelProCmX = 0, PixelProCmY = 0;
    int Breite = 0, Hoehe = 0;
};

const TDruckerDaten &installierterDrucker()
{
    static const TDruckerDaten daten = [] {
        TDruckerDaten d;
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            const auto alle = QPrinterInfo::availablePrinters();
            if (alle.isEmpty())
                return d;
            info = alle.first();
        }
        QPrinter drucker(info, QPrinter::HighResolution);
        if (drucker.logicalDpiX() <= 0 || drucker.width() <= 0 || drucker.height() <= 0)
            return d;
        d.Vorhanden = true;
        d.PixelProCmX = drucker.logicalDpiX() / 2.54;
        d.PixelProCmY = drucker.logicalDpiY() / 2.54;
        d.Breite = drucker.width();
        d.Hoehe = drucker.height();
        return d;
    }();
    return daten;
}

QWidget *flaechenStreifen(QWidget *eltern, const QColor &farbe)
{
    auto *w = new QWidget(eltern);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, farbe);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    return w;
}

} // namespace

// ---------------------------------------------------------------------------

TMyPaintBox::TMyPaintBox(TMyScrollBox *box, QWidget *eltern) : QWidget(eltern), box_(box)
{
    setObjectName(QStringLiteral("Seite"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TMyPaintBox::paintEvent(QPaintEvent *ereignis)
{
    QPainter maler(this);
    box_->SeiteMalen(maler, ereignis->rect());
}

void TMyPaintBox::mousePressEvent(QMouseEvent *ereignis)
{
    box_->MausWeitergeben(ereignis, 0);
}

void TMyPaintBox::mouseMoveEvent(QMouseEvent *ereignis)
{
    box_->MausWeitergeben(ereignis, 1);
}

void TMyPaintBox::mouseReleaseEvent(QMouseEvent *ereignis)
{
    box_->MausWeitergeben(ereignis, 2);
}

void TMyPaintBox::mouseDoubleClickEvent(QMouseEvent *ereignis)
{
    box_->MausWeitergeben(ereignis, 3);
}

void TMyPaintBox::wheelEvent(QWheelEvent *ereignis)
{
    if (!ereignis->modifiers().testFlag(Qt::ControlModifier)) {
        ereignis->ignore(); // the drawing area scrolls
        return;
    }
    // One notch, one step of the zoom list.
    const int delta = ereignis->angleDelta().y();
    if (delta != 0)
        box_->ZoomSchritt(delta > 0 ? 1 : -1);
    ereignis->accept();
}

// ---------------------------------------------------------------------------

TMyScrollBox::TMyScrollBox(QWidget *eltern, QComboBox *zoomAuswahl)
    : QScrollArea(eltern), ZoomAuswahl(zoomAuswahl)
{
    setObjectName(QStringLiteral("Zeichenbereich"));
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    viewport()->setAutoFillBackground(true);
    viewport()->setPalette(pal);

    ruheBild_ = QImage(4, 4, QImage::Format_RGB32);
    ruheBild_.fill(Qt::white);
    ruheMaler_ = std::make_unique<QPainter>(&ruheBild_);
    Flaeche.Leinwand = ruheMaler_.get();
    // Figures compute their screen points with this surface.
    TZeichenflaeche::AktuellSetzen(&Flaeche);

    inhalt_ = new QWidget;
    inhalt_->setObjectName(QStringLiteral("Blattbereich"));
    const QColor knopf = palette().color(QPalette::Button);
    RandOben = flaechenStreifen(inhalt_, knopf);
    RandUnten = flaechenStreifen(inhalt_, knopf);
    RandLinks = flaechenStreifen(inhalt_, knopf);
    RandRechts = flaechenStreifen(inhalt_, knopf);
    Seite = new TMyPaintBox(this, inhalt_);
    SchattenOben = flaechenStreifen(inhalt_, Qt::black);
    SchattenRechts = flaechenStreifen(inhalt_, Qt::black);
    SchattenOben->raise();
    SchattenRechts->raise();
    setWidget(inhalt_);

    for (const TZoomfaktor &z : TZeichenflaeche::ZoomListe())
        ZoomListe.push_back(z);
    if (ZoomAuswahl) {
        ZoomAuswahl->clear();
        for (const TZoomfaktor &z : ZoomListe)
            ZoomAuswahl->addItem(z.Text);
        ZoomAuswahl->setCurrentIndex(3); // "100%"
        connect(ZoomAuswahl, qOverload<int>(&QComboBox::activated), this,
                [this](int index) { ZoomGewaehlt(index); });
        if (ZoomAuswahl->lineEdit())
            connect(ZoomAuswahl->lineEdit(), &QLineEdit::returnPressed, this,
                    [this] { ZoomEingegeben(); });
    }
    Flaeche.ZoomSetzen(1.0);

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { Seite->update(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Seite->update(); });

    SeiteEinrichten();
    imAufbau_ = false;
}

TMyScrollBox::~TMyScrollBox()
{
    Flaeche.Leinwand = nullptr;
    if (TZeichenflaeche::Aktuell() == &Flaeche)
        TZeichenflaeche::AktuellSetzen(nullptr);
}

void TMyScrollBox::bandsSetzen(QWidget *w, int x, int y, int b, int h)
{
    w->setGeometry(x, y, std::max(0, b), std::max(0, h));
}

void TMyScrollBox::SeiteEinrichten()
{
    const TDruckerDaten &drucker = installierterDrucker();
    double dpi = 96.0;
    if (QScreen *s = screen())
        dpi = s->logicalDotsPerInchX();
    Flaeche.BildschirmAufloesungSetzen(dpi);
    if (drucker.Vorhanden)
        Flaeche.SeiteEinrichten(drucker.PixelProCmX, drucker.PixelProCmY, drucker.Breite,
                                drucker.Hoehe);
    else
        Flaeche.SeiteEinrichten();

    const int b = Flaeche.SeitenBreitePixel();
    const int h = Flaeche.SeitenHoehePixel();
    Seite->setGeometry(Rand, Rand, b, h);

    int breite = b + 2 * Rand;
    int hoehe = Rand + h - 1 + Rand;
    const QSize sicht = viewport()->size();
    int rechterRand = Rand;
    int untererRand = Rand;
    if (!imAufbau_) {
        if (sicht.width() > breite) {
            rechterRand += sicht.width() - breite;
            breite = sicht.width();
        }
        if (sicht.height() > hoehe) {
            untererRand += sicht.height() - hoehe;
            hoehe = sicht.height();
        }
    }
    bandsSetzen(RandOben, 0, 0, breite, Rand);
    bandsSetzen(RandUnten, 0, Rand + h - 1, breite, untererRand);
    bandsSetzen(RandLinks, 0, Rand - 1, Rand, h + 2);
    bandsSetzen(RandRechts, Rand + b, Rand - 1, rechterRand, h + 2);
    bandsSetzen(SchattenOben, Rand + 4, Rand - 4, b + 1, 4);
    bandsSetzen(SchattenRechts, Rand + b, Rand, 5, h - 4);
    inhalt_->resize(breite, hoehe);
    pufferBereich_ = QRect();
    Seite->update();
}

QRect TMyScrollBox::SichtbarerTeil() const
{
    const int x = std::max(0, horizontalScrollBar()->value() - Rand);
    const int y = std::max(0, verticalScrollBar()->value() - Rand);
    const int b = std::min(Flaeche.SeitenBreitePixel() - x, viewport()->width());
    const int h = std::min(Flaeche.SeitenHoehePixel() - y, viewport()->height());
    if (b <= 0 || h <= 0)
        return QRect(x, y, 0, 0);
    return QRect(x, y, b, h);
}

void TMyScrollBox::flaecheAufPuffer(QPainter &maler, const QRect &sicht)
{
    maler.translate(-sicht.x(), -sicht.y());
    Flaeche.Leinwand = &maler;
    Flaeche.Gepuffert = true;
    Flaeche.SichtX = sicht.x();
    Flaeche.SichtY = sicht.y();
    Flaeche.SichtBreite = sicht.width();
    Flaeche.SichtHoehe = sicht.height();
}

void TMyScrollBox::flaecheZurueck()
{
    Flaeche.Gepuffert = false;
    Flaeche.SichtX = Flaeche.SichtY = 0;
    Flaeche.Leinwand = ruheMaler_.get();
}

void TMyScrollBox::pufferAufbauen(const QRect &nur)
{
    const QRect sicht = SichtbarerTeil();
    pufferBereich_ = sicht;
    if (sicht.isEmpty())
        return;
    // The cached image grows to the visible part; it never shrinks.
    const int b = std::max({puffer_.width(), sicht.width(), viewport()->width(), 1});
    const int h = std::max({puffer_.height(), sicht.height(), viewport()->height(), 1});
    if (b != puffer_.width() || h != puffer_.height()) {
        puffer_ = QImage(b, h, QImage::Format_RGB32);
        puffer_.fill(Qt::white);
    }

    // A part is painted exactly as the whole: the same surface and view,
    // only clipped (the surface leaves out what lies outside the clip).
    QPainter maler(&puffer_);
    flaecheAufPuffer(maler, sicht);
    maler.setClipRect(nur.isNull() ? sicht : nur & sicht);
    maler.save();
    if (OnZeichnen)
        OnZeichnen(&Flaeche);
    else
        maler.fillRect(sicht, Qt::white);
    maler.restore();
    if (!Flaeche.Drucken) {
        maler.save();
        maler.setCompositionMode(QPainter::CompositionMode_SourceOver);
        maler.setRenderHint(QPainter::Antialiasing, false);
        maler.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(0, 0, Flaeche.SeitenBreitePixel() - 1, Flaeche.SeitenHoehePixel() - 1);
        maler.restore();
    }
    if (OnVorschauenNachzeichnen) {
        maler.save();
        OnVorschauenNachzeichnen(&Flaeche);
        maler.restore();
    }
    flaecheZurueck();
    if (nur.isNull())
        ++neuaufbauten_;
    else
        ++teilaufbauten_;
}

void TMyScrollBox::Neuzeichnen()
{
    if (aufschieben_) {
        pufferBereich_ = QRect();
        Seite->update();
        return;
    }
    pufferAufbauen();
    Seite->update(pufferBereich_);
}

void TMyScrollBox::TeilNeuzeichnen(const QRect &bereich)
{
    if (!pufferBereich_.isValid() || pufferBereich_ != SichtbarerTeil() || pufferBereich_.isEmpty()) {
        Neuzeichnen();
        return;
    }
    const QRect teil = bereich & pufferBereich_;
    if (teil.isEmpty())
        return;
    pufferAufbauen(teil);
    Seite->update(teil);
}

QRect TMyScrollBox::Ausdehnung(const std::function<void(TZeichenflaeche *)> &malen)
{
    const QRect sicht = SichtbarerTeil();
    if (!pufferBereich_.isValid() || pufferBereich_ != sicht || sicht.isEmpty())
        return sicht;
    const QRect r = TBereichsmesser::MessenGrosszuegig(puffer_.size(), [&](QPainter &maler) {
        flaecheAufPuffer(maler, sicht);
        maler.setClipRect(sicht);
        malen(&Flaeche);
        flaecheZurueck();
    });
    return r.translated(sicht.topLeft()) & sicht;
}

QRect TMyScrollBox::VorschauMalen(const std::function<void(TZeichenflaeche *)> &malen)
{
    if (!pufferBereich_.isValid() || pufferBereich_ != SichtbarerTeil())
        pufferAufbauen();
    // Recorded first, on a device of the cached image's size and with its
    // mapping, so that the figures clip exactly as on the image itself;
    // then measured, then played onto the image.
    const QSize geraet = pufferBereich_.isEmpty() ? QSize(1, 1) : puffer_.size();
    QPicture bild;
    bild.setBoundingRect(QRect(QPoint(0, 0), geraet));
    {
        QPainter aufnahme(&bild);
        aufnahme.setRenderHint(QPainter::Antialiasing, false);
        aufnahme.translate(-pufferBereich_.x(), -pufferBereich_.y());
        Flaeche.Leinwand = &aufnahme;
        malen(&Flaeche);
        Flaeche.Leinwand = ruheMaler_.get();
    }
    if (pufferBereich_.isEmpty())
        return {};
    QRect bereich = TBereichsmesser::Messen(bild, geraet);
    if (bereich.isEmpty())
        return {};
    {
        QPainter maler(&puffer_);
        bild.play(&maler);
    }
    bereich = bereich.translated(pufferBereich_.topLeft()).adjusted(-1, -1, 1, 1);
    const QRect sichtbar = bereich & pufferBereich_;
    if (!sichtbar.isEmpty())
        Seite->update(sichtbar);
    return bereich;
}

void TMyScrollBox::SeiteMalen(QPainter &maler, const QRect &bereich)
{
    if (!pufferBereich_.isValid() || pufferBereich_ != SichtbarerTeil())
        pufferAufbauen();
    const QRect ausPuffer = bereich & pufferBereich_;
    if (!ausPuffer.isEmpty())
        maler.drawImage(ausPuffer.topLeft(), puffer_,
                        ausPuffer.translated(-pufferBereich_.topLeft()));
    const QRegion rest = QRegion(bereich) - QRegion(pufferBereich_);
    if (rest.isEmpty())
        return;
    // Outside the cached part (a grab of the whole sheet): paint directly.
    maler.save();
    maler.setClipRegion(rest);
    maler.fillRect(bereich, Qt::white);
    QPainter *alt = Flaeche.Leinwand;
    Flaeche.Leinwand = &maler;
    if (OnZeichnen)
        OnZeichnen(&Flaeche);
    Flaeche.Leinwand = alt;
    maler.restore();
    maler.save();
    maler.setClipRegion(rest);
    maler.setCompositionMode(QPainter::CompositionMode_SourceOver);
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(0, 0, Flaeche.SeitenBreitePixel() - 1, Flaeche.SeitenHoehePixel() - 1);
    maler.restore();
}

void TMyScrollBox::MausWeitergeben(QMouseEvent *ereignis, int art)
{
    TMausEreignis m;
    m.Taste = ereignis->button();
    m.Gehalten = ereignis->buttons();
    m.Shift = ereignis->modifiers().testFlag(Qt::ShiftModifier);
    m.Strg = ereignis->modifiers().testFlag(Qt::ControlModifier);
    const QPoint p = ereignis->position().toPoint();
    m.X = p.x();
    m.Y = p.y();
    switch (art) {
    case 0:
        if (OnMausRunter)
            OnMausRunter(m);
        break;
    case 1:
        if (OnMausBewegung)
            OnMausBewegung(m);
        break;
    case 2:
        if (OnMausHoch)
            OnMausHoch(m);
        break;
    default:
        if (OnDoppelklick && OnDoppelklick(m))
            break;
        if (OnMausRunter)
            OnMausRunter(m);
        break;
    }
}

void TMyScrollBox::resizeEvent(QResizeEvent *ereignis)
{
    QScrollArea::resizeEvent(ereignis);
    if (imAufbau_)
        return;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    SeiteEinrichten();
}

void TMyScrollBox::zoomUebernehmen(double zoom)
{
    Flaeche.ZoomSetzen(zoom);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    SeiteEinrichten();
    if (OnZoomGeaendert)
        OnZoomGeaendert();
    else
        Neuzeichnen();
}

void TMyScrollBox::zoomFokusZurueckgeben()
{
    // Once a zoom is applied the keys belong to the drawing again (the
    // arrows move the selection instead of choosing the next zoom).
    if (ZoomAuswahl && (ZoomAuswahl->hasFocus() || ZoomAuswahl->isAncestorOf(QApplication::focusWidget())))
        Seite->setFocus(Qt::OtherFocusReason);
}

void TMyScrollBox::ZoomGewaehlt(int index)
{
    if (index < 0 || index >= int(ZoomListe.size()))
        return;
    const TZoomfaktor &z = ZoomListe[std::size_t(index)];
    const QSize client = viewport()->size();
    double kandidat = Flaeche.Zoom;
    switch (z.Art) {
    case TZoomfaktor::GanzeSeite:
        kandidat = Flaeche.GanzeSeiteZoom(client.width(), client.height());
        break;
    case TZoomfaktor::Seitenbreite:
        kandidat = Flaeche.SeitenbreiteZoom(client.width());
        break;
    default:
        kandidat = z.Faktor;
        break;
    }
    zoomUebernehmen(kandidat > 0.01 && kandidat < 5.0 ? kandidat : Flaeche.Zoom);
    // The narrow box shows the start of a long choice ("Ganze Seite"), not
    // its end.
    if (ZoomAuswahl && ZoomAuswahl->lineEdit())
        ZoomAuswahl->lineEdit()->setCursorPosition(0);
    zoomFokusZurueckgeben();
}

void TMyScrollBox::ZoomSchritt(int richtung)
{
    // The fixed entry that follows the current zoom in that direction.
    int ziel = -1;
    for (int i = 0; i < int(ZoomListe.size()); ++i) {
        const TZoomfaktor &z = ZoomListe[std::size_t(i)];
        if (z.Art != TZoomfaktor::Fest)
            continue;
        const bool passt = richtung > 0 ? z.Faktor > Flaeche.Zoom + 1e-9 : z.Faktor < Flaeche.Zoom - 1e-9;
        if (!passt)
            continue;
        if (ziel < 0 || (richtung > 0 ? z.Faktor < ZoomListe[std::size_t(ziel)].Faktor
                                      : z.Faktor > ZoomListe[std::size_t(ziel)].Faktor))
            ziel = i;
    }
    if (ziel < 0)
        return;
    if (ZoomAuswahl)
        ZoomAuswahl->setCurrentIndex(ziel);
    ZoomGewaehlt(ziel);
}

void TMyScrollBox::BereichZeigen(const QRect &seitenPixel)
{
    if (!seitenPixel.isValid())
        return;
    constexpr int marge = 10;
    const QRect r = seitenPixel.translated(Seite->pos());
    auto achse = [](QScrollBar *leiste, int anfang, int laenge, int sicht) {
        int wert = leiste->value();
        if (laenge + 2 * marge > sicht)
            wert = anfang + laenge / 2 - sicht / 2; // too big: its middle
        else if (anfang - marge < wert)
            wert = anfang - marge;
        else if (anfang + laenge + marge > wert + sicht)
            wert = anfang + laenge + marge - sicht;
        leiste->setValue(std::clamp(wert, leiste->minimum(), leiste->maximum()));
    };
    achse(horizontalScrollBar(), r.left(), r.width(), viewport()->width());
    achse(verticalScrollBar(), r.top(), r.height(), viewport()->height());
    Neuzeichnen();
}

void TMyScrollBox::ZoomEingegeben()
{
    if (!ZoomAuswahl)
        return;
    const QString text = ZoomAuswahl->currentText();
    QString ziffern;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ziffern += c;
    // Only digits are kept; a number that long is out of range anyway.
    const double n = ziffern.isEmpty() ? 0.0 : ziffern.left(9).toDouble();
    if (n > 10 && n < 1000) {
        const QString neu = QString::number(int(n)) + QLatin1Char('%');
        ZoomAuswahl->setEditText(neu);
        zoomUebernehmen(n / 100.0);
        ZoomAuswahl->setEditText(neu);
        zoomFokusZurueckgeben();
        return;
    }
    SeiteEinrichten();
}

bool TMyScrollBox::DruckenAusfuehren(QPrinter &drucker, int kopien)
{
    TZeichenflaeche &zf = Flaeche;
    const double altX = zf.DruckerPixelProCmX, altY = zf.DruckerPixelProCmY;
    const int altB = zf.PapierBreitePixel, altH = zf.PapierHoehePixel;
    // The printer chosen in the dialog decides the resolution and the
    // printable page, so that 1 cm in the model is 1 cm on its paper.
    zf.DruckerPixelProCmX = drucker.logicalDpiX() / 2.54;
    zf.DruckerPixelProCmY = drucker.logicalDpiY() / 2.54;
    zf.PapierBreitePixel = drucker.width();
    zf.PapierHoehePixel = drucker.height();
    QPainter maler;
    bool ok = maler.begin(&drucker);
    if (ok) {
        zf.Drucken = true;
        for (int i = 0; i < std::max(1, kopien); ++i) {
            if (i > 0)
                drucker.newPage();
            maler.save();
            zf.Leinwand = &maler;
            if (OnZeichnen)
                OnZeichnen(&zf);
            maler.restore();
        }
        maler.end();
        zf.Drucken = false;
    }
    zf.Leinwand = ruheMaler_.get();
    zf.DruckerPixelProCmX = altX;
    zf.DruckerPixelProCmY = altY;
    zf.PapierBreitePixel = altB;
    zf.PapierHoehePixel = altH;
    return ok;
}
