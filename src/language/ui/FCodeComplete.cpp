#include "language/ui/FCodeComplete.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int VorschlagRolle = Qt::UserRole + 1;

// Draws the entries through the core's entry drawing, 18 pixels high.
class TVorschlagDelegate : public QStyledItemDelegate
{
public:
    explicit TVorschlagDelegate(const std::vector<const TVorschlag *> &gelistet, QObject *eltern)
        : QStyledItemDelegate(eltern), gelistet_(gelistet)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const int i = index.data(VorschlagRolle).toInt();
        if (i < 0 || i >= int(gelistet_.size()))
            return;
        const bool gewaehlt = option.state & QStyle::State_Selected;
        TVorschlagStil stil;
        stil.Schrift = option.font;
        stil.Textfarbe = option.palette.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text);
        stil.Hintergrund = option.palette.color(gewaehlt ? QPalette::Highlight : QPalette::Base);
        VorschlagZeichnen(*painter, option.rect, *gelistet_[i], stil);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return QSize(option.rect.width(), VorschlagZeilenhoehe);
    }

private:
    const std::vector<const TVorschlag *> &gelistet_;
};

} // namespace

TFCodeComplete::TFCodeComplete(QWidget *besitzer)
    : QFrame(besitzer, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("FCodeComplete"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFont(QApplication::font());

    listBox_ = new QListWidget(this);
    listBox_->setObjectName(QStringLiteral("ListBox"));
    listBox_->setFocusPolicy(Qt::NoFocus);
    listBox_->setFrameShape(QFrame::NoFrame);
    listBox_->setUniformItemSizes(true);
    listBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    listBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listBox_->setItemDelegate(new TVorschlagDelegate(gelistet_, listBox_));
    connect(listBox_, &QListWidget::itemClicked, this, [this](QListWidgetItem *) {
        if (klick_)
            klick_();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(listBox_);
    resize(StandardBreite + 2, StandardHoehe + 2);
}

TFCodeComplete::~TFCodeComplete() = default;

void TFCodeComplete::VorschlaegeLoeschen()
{
    listBox_->clear();
    gelistet_.clear();
    vorschlaege_.VorschlaegeLoeschen();
}

void TFCodeComplete::VorschlaegeErzeugen(const TScanner &scanner, const TDokument *dokument)
{
    VorschlaegeLoeschen(); // the list must not point into the old proposals
    ::VorschlaegeErzeugen(vorschlaege_, scanner, dokument);
}

bool TFCodeComplete::ListeFuellen(const QString &praefix, const QString &wort, const QString &zuerst)
{
    listBox_->clear();
    gelistet_ = vorschlaege_.Filtern(praefix, wort, zuerst);
    for (std::size_t i = 0; i < gelistet_.size(); ++i) {
        auto *eintrag = new QListWidgetItem(gelistet_[i]->Text, listBox_);
        eintrag->setData(VorschlagRolle, int(i));
        eintrag->setSizeHint(QSize(0, VorschlagZeilenhoehe));
    }
    if (!gelistet_.empty())
        listBox_->setCurrentRow(0);
    // Never narrower than the longest entry (with room for the scroll bar).
    TVorschlagStil stil;
    stil.Schrift = listBox_->font();
    int breite = StandardBreite;
    const int leiste = listBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, listBox_);
    for (const TVorschlag *v : gelistet_)
        breite = std::max(breite, VorschlagBreite(*v, stil) + 6 + leiste);
    if (breite + 2 != width())
        resize(breite + 2, height());
    return !gelistet_.empty();
}

int TFCodeComplete::GewaehlterIndex() const
{
    const int zeile = listBox_->currentRow();
    if (zeile < 0 || !listBox_->item(zeile) || !listBox_->item(zeile)->isSelected())
        return -1;
    return zeile;
}

void TFCodeComplete::NaechsterVorschlag()
{
    const int zeile = GewaehlterIndex();
    if (zeile >= 0 && zeile + 1 < listBox_->count())
        listBox_->setCurrentRow(zeile + 1);
}

void TFCodeComplete::VorherigerVorschlag()
{
    const int zeile = GewaehlterIndex();
    if (zeile > 0)
        listBox_->setCurrentRow(zeile - 1);
}

const TVorschlag *TFCodeComplete::GewaehlterVorschlag() const
{
    const int zeile = GewaehlterIndex();
    if (zeile < 0 || zeile >= int(gelistet_.size()))
        return nullptr;
    return gelistet_[std::size_t(zeile)];
}

void TFCodeComplete::KlickBehandlerSetzen(std::function<void()> behandler)
{
    klick_ = std::move(behandler);
}
