#include "analyser/ui/DiagrammScrollBox.h"
#include "surface/Zeichenflaeche.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

TDiagrammSeite::TDiagrammSeite(TDiagrammScrollBox *box) : QWidget(nullptr), box_(box)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDiagrammSeite::paintEvent(QPaintEvent *ereignis)
{
    QPainter p(this);
    TDiagrammFlaeche &f = box_->flaeche_;
    box_->imZeichnen_ = true;
    f.LeinwandSetzen(&p);
    if (box_->OnZeichnen)
        box_->OnZeichnen(f, ereignis->rect());
    else
        f.HintergrundZeichnen(Qt::white);
    f.LeinwandSetzen(nullptr);
    box_->imZeichnen_ = false;
}

void TDiagrammSeite::mousePressEvent(QMouseEvent *ereignis)
{
    if (box_->OnMausUnten)
        box_->OnMausUnten(ereignis);
}

TDiagrammScrollBox::TDiagrammScrollBox(QWidget *eltern, QComboBox *zoomAuswahl)
    : QScrollArea(eltern), seite_(new TDiagrammSeite(this)), zoomAuswahl_(zoomAuswahl)
{
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::StyledPanel);
    // The filler right of and below the surface.
    viewport()->setBackgroundRole(QPalette::Button);
    viewport()->setAutoFillBackground(true);
    setWidget(seite_);
    flaeche_.BildschirmAufloesungSetzen(logicalDpiX() > 0 ? logicalDpiX() : 96);
    flaeche_.Einrichten = [this] { Einrichten(); };

    if (zoomAuswahl_) {
        zoomAuswahl_->clear();
        zoomAuswahl_->setEditable(true);
        zoomAuswahl_->setInsertPolicy(QComboBox::NoInsert);
        for (const TZoomfaktor &z : TZeichenflaeche::ZoomListe()) {
            if (z.Art != TZoomfaktor::Fest)
                continue; // no whole-page entries for diagrams
            zoomAuswahl_->addItem(z.Text);
            zoomFaktoren_.push_back(z.Faktor);
        }
        zoomAuswahl_->setCurrentIndex(zoomAuswahl_->findText(QStringLiteral("100%")));
        connect(zoomAuswahl_, &QComboBox::activated, this, &TDiagrammScrollBox::ZoomGewaehlt);
        connect(zoomAuswahl_->lineEdit(), &QLineEdit::returnPressed, this,
                &TDiagrammScrollBox::ZoomEingegeben);
    }
    Einrichten();
}

void TDiagrammScrollBox::Einrichten()
{
    if (imZeichnen_) {
        QTimer::singleShot(0, this, [this] { Einrichten(); });
        return;
    }
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    seite_->resize(std::max(1, flaeche_.BreitePixel()), std::max(1, flaeche_.HoehePixel()));
    horizontalScrollBar()->setValue(h);
    verticalScrollBar()->setValue(v);
    seite_->update();
}

void TDiagrammScrollBox::Neuzeichnen()
{
    seite_->update();
}

void TDiagrammScrollBox::ZoomGewaehlt(int index)
{
    if (index < 0 || index >= int(zoomFaktoren_.size()))
        return;
    // The typed text of an editable box can differ from the entry; the
    // entry decides.
    if (zoomAuswahl_ && zoomAuswahl_->currentText() != zoomAuswahl_->itemText(index))
        zoomAuswahl_->setEditText(zoomAuswahl_->itemText(index));
    const double faktor = zoomFaktoren_[std::size_t(index)];
    if (faktor == flaeche_.Zoom)
        return;
    if (!flaeche_.ZoomSetzen(faktor))
        return;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    Q_EMIT ZoomGeaendert();
}

void TDiagrammScrollBox::ZoomEingegeben()
{
    if (!zoomAuswahl_)
        return;
    QString ziffern;
    for (QChar c : zoomAuswahl_->currentText())
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ziffern += c;
    bool ok = false;
    const long long n = ziffern.left(9).toLongLong(&ok);
    if (ok && n > 10 && n < 1000) {
        zoomAuswahl_->setEditText(QString::number(n) + QLatin1Char('%'));
        if (flaeche_.ZoomSetzen(double(n) / 100.0)) {
            horizontalScrollBar()->setValue(0);
            verticalScrollBar()->setValue(0);
            Q_EMIT ZoomGeaendert();
        }
        return;
    }
    Einrichten();
}
