#include "window/ui/PickerFenster.h"

#include <QPainter>

TPickerFenster::TPickerFenster(QWidget *eltern)
    : QWidget(eltern, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);
    setAutoFillBackground(true);
}

void TPickerFenster::Zeigen(const QPoint &global)
{
    move(global);
    show();
}

void TPickerFenster::Verbergen()
{
    hide();
}

TColorPanel *TPickerFenster::Zelle(int tag) const
{
    for (TColorPanel *z : zellen_)
        if (z->Tag == tag)
            return z;
    return nullptr;
}

TColorPanel *TPickerFenster::GedrueckteZelle() const
{
    for (TColorPanel *z : zellen_)
        if (z->Festgedrueckt)
            return z;
    return nullptr;
}

TColorPanel *TPickerFenster::zelleAnlegen(QWidget *besitzer, std::uint8_t art, std::uint32_t farbe,
                                          int tag, const QRect &lage, const QString &hinweis)
{
    auto *z = new TColorPanel(besitzer, art, farbe);
    z->Tag = tag;
    z->setGeometry(lage);
    z->setToolTip(hinweis);
    z->Geklickt = [this](TColorPanel *zelle) { waehlen(zelle->Tag); };
    zellen_.push_back(z);
    return z;
}

void TPickerFenster::alleLoesen()
{
    for (TColorPanel *z : zellen_)
        z->SetDown(false);
}

void TPickerFenster::melden()
{
    if (Gewaehlt)
        Gewaehlt();
}

void TPickerFenster::paintEvent(QPaintEvent *)
{
    // A raised frame: the popup has no window border of its own.
    QPainter p(this);
    Knopfmalen::Rahmen(p, rect(), ZustandErhaben, palette());
}
