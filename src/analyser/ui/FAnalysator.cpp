#include "analyser/ui/FAnalysator.h"
#include "analyser/AufrufDarstellung.h"
#include "analyser/Fensterlage.h"
#include "analyser/Karten.h"
#include "analyser/Umbenennen.h"
#include "analyser/ui/AufrufGitter.h"
#include "analyser/ui/DiagrammScrollBox.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int MaximaleBaumEintraege = 500;
// Entries with more records than this build their sub-nodes when expanded.
constexpr int SofortAufgebauteAufrufe = 200;
constexpr int GroessteDiagrammPixel = 30000;
constexpr int KleinsteListenschrift = 10;
constexpr int GroessteListenschrift = 24;

// A 16 x 16 button image painted by `malen`.
QIcon symbol(const std::function<void(QPainter &)> &malen)
{
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    malen(p);
    return QIcon(bild);
}

void kaestchen(QPainter &p, int x, int y, int b, int h)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(x, y, b, h);
}

QIcon baumSymbol(bool vertikal)
{
    return symbol([vertikal](QPainter &p) {
        p.setPen(Qt::black);
        if (vertikal) {
            p.drawLine(5, 7, 9, 7);
            p.drawLine(8, 2, 8, 12);
            kaestchen(p, 0, 5, 5, 4);
            kaestchen(p, 10, 0, 5, 4);
            kaestchen(p, 10, 10, 5, 4);
        } else {
            p.drawLine(7, 5, 7, 9);
            p.drawLine(2, 8, 12, 8);
            kaestchen(p, 5, 0, 4, 5);
            kaestchen(p, 0, 10, 4, 5);
            kaestchen(p, 10, 10, 4, 5);
        }
    });
}

QIcon lupenSymbol(bool plus)
{
    return symbol([plus](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(230, 240, 255));
        p.drawEllipse(QRectF(1, 1, 10, 10));
        p.setPen(QPen(Qt::black, 2.5));
        p.drawLine(QPointF(10, 10), QPointF(15, 15));
        p.setPen(QPen(Qt::black, 1.2));
        p.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
        if (plus)
            p.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
    });
}

QIcon listenSymbol(bool baum)
{
    return symbol([baum](QPainter &p) {
        p.setPen(Qt::black);
        for (int i = 0; i < 4; ++i) {
            const int y = 2 + 4 * i;
            const int x = baum && (i == 1 || i == 2) ? 6 : 1;
            p.drawLine(x, y, 14, y);
        }
    });
}

QToolButton *knopf(QWidget *eltern, const QString &name, const QString &hinweis, const QIcon &bild,
                   const QString &text = QString())
{
    auto *b = new QToolButton(eltern);
    b->setObjectName(name);
    b->setToolTip(hinweis);
    b->setAutoRaise(true);
    if (!bild.isNull())
        b->setIcon(bild);
    if (!text.isEmpty()) {
        b->setText(text);
        b->setToolButtonStyle(bild.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
    }
    return b;
}

// A heading bar as the focus panel has them.
QLabel *kopfleiste(QWidget *eltern, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setMargin(2);
    return l;
}

bool enthaeltZeiger(const TObjekt &wurzel, const TObjekt *gesucht)
{
    if (&wurzel == gesucht)
        return true;
    for (const auto &teil : wurzel.Teile)
        if (enthaeltZeiger(*teil, gesucht))
            return true;
    return false;
}

} // namespace

TFAnalysator::TFAnalysator(TAnalysator *analysator, TDokument *dokument, TKlassenObjekte *klassen,
                           QWidget *eltern)
    : QWidget(eltern, Qt::Window), analysator_(analysator), dokument_(dokument), klassen_(klassen)
{
    // Signals carry object pointers, also through queued connections and spies.
    qRegisterMetaType<TObjekt *>("TObjekt*");
    setObjectName(QStringLiteral("FAnalysator"));
    setWindowTitle(QStringLiteral("Analysator-Fenster"));
    // The program ends when the main window closes, even while this window
    // is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    IstAusgewaehlt = [](const TObjekt *) { return false; };
    FehlerMelden = [this](const QString &titel, const QString &text) {
        QMessageBox box(QMessageBox::Critical, titel, text, QMessageBox::Ok, this);
        box.exec();
    };

    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    hauptteiler_ = new QSplitter(Qt::Vertical, this);
    hauptteiler_->setObjectName(QStringLiteral("Splitter"));
    aussen->addWidget(hauptteiler_);

    pcAnalysator_ = new QTabWidget(hauptteiler_);
    pcAnalysator_->setObjectName(QStringLiteral("PCAnalysator"));

    // --- "Methodenaufrufe" ---
    auto *tsAufrufe = new QWidget;
    tsAufrufe->setObjectName(QStringLiteral("Methodenaufrufe"));
    {
        auto *spalte = new QVBoxLayout(tsAufrufe);
        spalte->setContentsMargins(2, 2, 2, 2);
        auto *zeile = new QHBoxLayout;
        sbListe_ = knopf(tsAufrufe, QStringLiteral("SBMethodenaufrufeListenansicht"),
                         QStringLiteral("Methodenaufrufe als Liste"), listenSymbol(false));
        sbBaum_ = knopf(tsAufrufe, QStringLiteral("SBMethodenaufrufeBaum"),
                        QStringLiteral("Methodenaufrufe als Baum"), listenSymbol(true));
        sbListe_->setCheckable(true);
        sbBaum_->setCheckable(true);
        sbListe_->setChecked(true);
        auto *gruppe = new QButtonGroup(tsAufrufe);
        gruppe->addButton(sbListe_);
        gruppe->addButton(sbBaum_);
        gruppe->setExclusive(true);
        sbLupePlus_ = knopf(tsAufrufe, QStringLiteral("SBMethodenaufrufeLupePlus"),
                            QStringLiteral("Schrift vergrößern"), lupenSymbol(true));
        sbLupeMinus_ = knopf(tsAufrufe, QStringLiteral("SBMethodenaufrufeLupeMinus"),
                             QStringLiteral("Schrift verkleinern"), lupenSymbol(false));
        for (QToolButton *b : {sbListe_, sbBaum_, sbLupePlus_, sbLupeMinus_})
            zeile->addWidget(b);
        zeile->addStretch(1);
        spalte->addLayout(zeile);

        dg_ = new TAufrufGitter(tsAufrufe);
        dg_->setObjectName(QStringLiteral("DG"));
        tv_ = new QTreeWidget(tsAufrufe);
        tv_->setObjectName(QStringLiteral("TVMethodenAufrufe"));
        tv_->setHeaderHidden(true);
        tv_->setColumnCount(1);
        tv_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tv_->setUniformRowHeights(true);
        tv_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tv_->header()->setStretchLastSection(false);
        QFont baumSchrift(QStringLiteral("Arial"));
        baumSchrift.setPointSize(baumSchriftgroesse_);
        tv_->setFont(baumSchrift);
        tv_->hide();
        spalte->addWidget(dg_, 1);
        spalte->addWidget(tv_, 1);
    }
    pcAnalysator_->addTab(tsAufrufe, QStringLiteral("Methodenaufrufe"));

    // --- "Objektbaum" ---
    tsBaum_ = new QWidget;
    tsBaum_->setObjectName(QStringLiteral("TSBaum"));
    {
        auto *spalte = new QVBoxLayout(tsBaum_);
        spalte->setContentsMargins(2, 2, 2, 2);
        auto *zeile = new QHBoxLayout;
        auto *lUmbenennen = new QLabel(QStringLiteral("Objekt umbenennen:"), tsBaum_);
        eObjektUmbenennen_ = new QLineEdit(tsBaum_);
        eObjektUmbenennen_->setObjectName(QStringLiteral("EObjektUmbenennen"));
        lUmbenennen->setBuddy(eObjektUmbenennen_);
        sbUebernehmen_ = knopf(tsBaum_, QStringLiteral("SBUebernehmen"),
                               QStringLiteral("Neuen Namen übernehmen"), QIcon(),
                               QStringLiteral("Übernehmen"));
        sbHorizontal_ = knopf(tsBaum_, QStringLiteral("SBObjektDiagrammHorizontal"),
                              QStringLiteral("Objektbaum von oben nach unten"), baumSymbol(false));
        sbVertikal_ = knopf(tsBaum_, QStringLiteral("SBObjektdiagrammVertikal"),
                            QStringLiteral("Objektbaum von links nach rechts"), baumSymbol(true));
        sbHorizontal_->setCheckable(true);
        sbVertikal_->setCheckable(true);
        sbHorizontal_->setChecked(true);
        auto *gruppe = new QButtonGroup(tsBaum_);
        gruppe->addButton(sbHorizontal_);
        gruppe->addButton(sbVertikal_);
        gruppe->setExclusive(true);
        cbZoom_ = new QComboBox(tsBaum_);
        cbZoom_->setObjectName(QStringLiteral("CBObjektdiagrammZoom"));
        cbZoom_->setToolTip(QStringLiteral("Zoomfaktor des Objektbaums"));
        zeile->addWidget(lUmbenennen);
        zeile->addWidget(eObjektUmbenennen_, 1);
        zeile->addWidget(sbUebernehmen_);
        zeile->addSpacing(12);
        zeile->addWidget(sbHorizontal_);
        zeile->addWidget(sbVertikal_);
        zeile->addWidget(cbZoom_);
        spalte->addLayout(zeile);

        diagramm_ = new TDiagrammScrollBox(tsBaum_, cbZoom_);
        diagramm_->setObjectName(QStringLiteral("Diagramm"));
        lZuGross1_ = new QLabel(QStringLiteral("Der Objektbaum ist zu groß."), tsBaum_);
        lZuGross2_ = new QLabel(QStringLiteral("Versuche einen kleineren Zoomfaktor!"), tsBaum_);
        lZuGross1_->setObjectName(QStringLiteral("LZuGross"));
        lZuGross2_->setObjectName(QStringLiteral("LKleinererZoom"));
        for (QLabel *l : {lZuGross1_, lZuGross2_}) {
            QFont f = l->font();
            f.setPointSize(14);
            l->setFont(f);
            l->setAlignment(Qt::AlignCenter);
            l->hide();
        }
        spalte->addWidget(diagramm_, 1);
        spalte->addStretch(0);
        spalte->addWidget(lZuGross1_);
        spalte->addWidget(lZuGross2_);
    }
    pcAnalysator_->addTab(tsBaum_, QStringLiteral("Objektbaum"));

    // --- "Klassenkarte" ---
    auto *tsKlasse = new QWidget;
    tsKlasse->setObjectName(QStringLiteral("TSNurKlassenKarte"));
    {
        auto *spalte = new QVBoxLayout(tsKlasse);
        spalte->setContentsMargins(2, 2, 2, 2);
        tabklasse_ = new TDiagrammScrollBox(tsKlasse);
        tabklasse_->setObjectName(QStringLiteral("Tabklasse"));
        spalte->addWidget(tabklasse_);
    }
    pcAnalysator_->addTab(tsKlasse, QStringLiteral("Klassenkarte"));

    // --- "Klassenkartenverzeichnis" ---
    auto *tsVerzeichnis = new QWidget;
    tsVerzeichnis->setObjectName(QStringLiteral("TSKlassendiagramm"));
    {
        auto *spalte = new QVBoxLayout(tsVerzeichnis);
        spalte->setContentsMargins(2, 2, 2, 2);
        auto *zeile = new QHBoxLayout;
        auto *lKlasse = new QLabel(QStringLiteral("Klasse:"), tsVerzeichnis);
        cbKlassenAuswahl_ = new QComboBox(tsVerzeichnis);
        cbKlassenAuswahl_->setObjectName(QStringLiteral("CBKlassenAuswahl"));
        for (int id : {KlasseDokument, KlasseRechteck, KlasseEllipse, KlasseLinie, KlasseLinienZug,
                       KlasseVielEck, KlassePunkt, KlasseGruppe, KlasseTextFeld})
            cbKlassenAuswahl_->addItem(KlassenNameZuId(id));
        cbKlassenAuswahl_->setCurrentIndex(0);
        lKlasse->setBuddy(cbKlassenAuswahl_);
        zeile->addWidget(lKlasse);
        zeile->addWidget(cbKlassenAuswahl_);
        zeile->addStretch(1);
        spalte->addLayout(zeile);
        verzeichniskarte_ = new TDiagrammScrollBox(tsVerzeichnis);
        verzeichniskarte_->setObjectName(QStringLiteral("Verzeichniskarte"));
        spalte->addWidget(verzeichniskarte_, 1);
    }
    pcAnalysator_->addTab(tsVerzeichnis, QStringLiteral("Klassenkartenverzeichnis"));

    // --- the focus panel ---
    auto *pFokus = new QSplitter(Qt::Horizontal, hauptteiler_);
    pFokus->setObjectName(QStringLiteral("PObjektImFokus"));
    {
        auto *links = new QWidget(pFokus);
        auto *spalte = new QVBoxLayout(links);
        spalte->setContentsMargins(0, 0, 0, 0);
        spalte->setSpacing(0);
        linksOben_ = kopfleiste(links, QStringLiteral("ObjektImFokusLinksOben"), QStringLiteral("ObjektKarte"));
        fokusobjekt_ = new TDiagrammScrollBox(links);
        fokusobjekt_->setObjectName(QStringLiteral("Fokusobjekt"));
        spalte->addWidget(linksOben_);
        spalte->addWidget(fokusobjekt_, 1);

        auto *rechts = new QWidget(pFokus);
        auto *spalteR = new QVBoxLayout(rechts);
        spalteR->setContentsMargins(0, 0, 0, 0);
        spalteR->setSpacing(0);
        rechtsOben_ = kopfleiste(rechts, QStringLiteral("PObjektImFokusRechtsOben"),
                                 QStringLiteral("Klassenkarte:"));
        fokusklasse_ = new TDiagrammScrollBox(rechts);
        fokusklasse_->setObjectName(QStringLiteral("Fokusklasse"));
        spalteR->addWidget(rechtsOben_);
        spalteR->addWidget(fokusklasse_, 1);
    }
    hauptteiler_->setStretchFactor(0, 3);
    hauptteiler_->setStretchFactor(1, 2);

    // --- behaviour ---
    connect(sbListe_, &QToolButton::clicked, this, &TFAnalysator::SBMethodenaufrufeListenansichtClick);
    connect(sbBaum_, &QToolButton::clicked, this, &TFAnalysator::SBMethodenaufrufeBaumClick);
    connect(sbLupePlus_, &QToolButton::clicked, this, &TFAnalysator::SBMethodenaufrufeLupePlusClick);
    connect(tv_, &QTreeWidget::itemExpanded, this, &TFAnalysator::baumKnotenAufgeklappt);
    connect(sbLupeMinus_, &QToolButton::clicked, this, &TFAnalysator::SBMethodenaufrufeLupeMinusClick);
    connect(sbUebernehmen_, &QToolButton::clicked, this, &TFAnalysator::SBUebernehmenClick);
    connect(eObjektUmbenennen_, &QLineEdit::returnPressed, this, &TFAnalysator::SBUebernehmenClick);
    connect(sbHorizontal_, &QToolButton::clicked, this, [this] { AusrichtungWaehlen(AusrichtungHorizontal); });
    connect(sbVertikal_, &QToolButton::clicked, this, [this] { AusrichtungWaehlen(AusrichtungVertikal); });
    connect(diagramm_, &TDiagrammScrollBox::ZoomGeaendert, this, [this] { aktualisieren(true); });
    connect(pcAnalysator_, &QTabWidget::currentChanged, this, [this] { Q_EMIT ZeichnungNeuZeichnen(); });
    connect(cbKlassenAuswahl_, &QComboBox::currentIndexChanged, this, [this] {
        kartenVorbereiten();
        verzeichniskarte_->Neuzeichnen();
    });

    dg_->ZelleZeichnen = [this](QPainter &p, int spalte, int zeile, const QRect &zelle) {
        if (!analysator_ || zeile < 0 || zeile >= int(analysator_->Protokoll().size()))
            return;
        const TMethodenAufruf &aufruf = *analysator_->Protokoll()[std::size_t(zeile)];
        // Entries of undone steps: grey, plain text, a faint icon.
        const bool zurueckgenommen = grau(EintragsNummer(zeile));
        if (spalte == 0) {
            const QImage &bild = AufrufDarstellung::Symbol(aufruf.AusEingabefeld);
            if (zurueckgenommen)
                p.setOpacity(0.35);
            p.drawImage(zelle.left() + 1, zelle.top() + (zelle.height() - bild.height()) / 2, bild);
        } else if (zurueckgenommen) {
            p.setPen(QColor(150, 150, 150));
            p.drawText(zelle.left() + 2, zelle.top() + 2 + p.fontMetrics().ascent(), aufruf.AnzeigeText());
        } else {
            AufrufDarstellung::TextZeichnen(p, aufruf, zelle, zelle.left() + 2, zelle.top() + 2);
        }
    };
    aufrufMenue_ = new QMenu(this);
    aufrufMenue_->setObjectName(QStringLiteral("PopupMenuAufrufe"));
    dg_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(dg_, &QWidget::customContextMenuRequested, this, &TFAnalysator::aufrufMenueZeigen);

    connect(dg_, &TAufrufGitter::ZeileMitStrgGeklickt, this, [this](int zeile) {
        if (analysator_ && zeile >= 0 && zeile < int(analysator_->Protokoll().size()))
            Q_EMIT AufrufUebernehmen(analysator_->Protokoll()[std::size_t(zeile)]->EingabeText());
    });

    objektbaum_ = std::make_unique<TObjektBaum>(dokument_, AusrichtungHorizontal, &diagramm_->Flaeche());
    diagramm_->OnZeichnen = [this](TDiagrammFlaeche &, const QRect &sichtbar) {
        if (objektbaum_->Dokument && objektbaum_->Veraltet())
            objektbaum_->Aufbauen();
        objektbaum_->Zeichnen(ObjektImFokus(), IstAusgewaehlt, sichtbar);
    };
    diagramm_->OnMausUnten = [this](QMouseEvent *e) { diagrammGeklickt(e->position().toPoint()); };

    fokusobjekt_->OnZeichnen = [this](TDiagrammFlaeche &f, const QRect &) {
        TObjekt *o = ObjektImFokus();
        if (!o || !ObjektKarteZeichnen(f, *o))
            f.HintergrundZeichnen(Qt::white);
    };
    auto klassenkarte = [this](TDiagrammFlaeche &f, const QRect &) {
        TObjekt *k = klasseFuerKarten();
        if (!k || !KlassenKarteZeichnen(f, *k))
            f.HintergrundZeichnen(Qt::white);
    };
    fokusklasse_->OnZeichnen = klassenkarte;
    tabklasse_->OnZeichnen = klassenkarte;
    verzeichniskarte_->OnZeichnen = [this](TDiagrammFlaeche &f, const QRect &) {
        TObjekt *k = klassen_ ? klassen_->KlasseZuName(cbKlassenAuswahl_->currentText()) : nullptr;
        if (!k || !KlassenKarteZeichnen(f, *k))
            f.HintergrundZeichnen(Qt::white);
    };

    listenSchriftAnwenden();
    if (analysator_) {
        beobachter_ = analysator_->BeobachterAnmelden(
            [this](const TMethodenAufruf &aufruf) { aufrufHinzugefuegt(aufruf); });
        // An object in focus that is freed (even after it left the tree, as
        // a vertex or an ungrouped group) is forgotten at once, so that a
        // later object at the same address never takes its place.
        freigabeBeobachter_ = analysator_->FreigabeBeobachterAnmelden([this](const TObjekt *o) {
            if (o && o == objektImFokus_)
                objektImFokus_ = o == dokument_ ? nullptr : dokument_;
        });
        // Entries logged before the window existed.
        const auto &protokoll = analysator_->Protokoll();
        const std::size_t ab = protokoll.size() > std::size_t(MaximaleBaumEintraege)
                                   ? protokoll.size() - MaximaleBaumEintraege
                                   : 0;
        for (std::size_t i = ab; i < protokoll.size(); ++i)
            tv_->addTopLevelItem(obersterBaumKnoten(*protokoll[i]));
        dg_->ZeilenAnzahlSetzen(int(protokoll.size()));
        dg_->ZumEndeScrollen();
    }
    Aktualisieren();
    FokuskartenNeuZeichnen();
    resize(700, 700);
}

TFAnalysator::TFAnalysator(TArbeitsbereich &arbeitsbereich, QWidget *eltern)
    : TFAnalysator(&arbeitsbereich.Analysator(), &arbeitsbereich.Dokument(), &arbeitsbereich.Klassen(),
                   eltern)
{
    TArbeitsbereich *ab = &arbeitsbereich;
    IstAusgewaehlt = [ab](const TObjekt *o) { return ab->IstAusgewaehlt(o); };
}

TFAnalysator::~TFAnalysator()
{
    Trennen();
}

void TFAnalysator::Trennen()
{
    if (analysator_ && beobachter_)
        analysator_->BeobachterAbmelden(beobachter_);
    if (analysator_ && freigabeBeobachter_)
        analysator_->FreigabeBeobachterAbmelden(freigabeBeobachter_);
    beobachter_ = 0;
    freigabeBeobachter_ = 0;
    IstAusgewaehlt = [](const TObjekt *) { return false; };
    analysator_ = nullptr;
    dokument_ = nullptr;
    klassen_ = nullptr;
    objektImFokus_ = nullptr;
    if (objektbaum_) {
        objektbaum_->Dokument = nullptr;
        objektbaum_->Wurzel.reset();
    }
    if (dg_)
        dg_->ZeilenAnzahlSetzen(0);
}

// ---------------------------------------------------------------------------
// Focus

TObjekt *TFAnalysator::gueltig(TObjekt *objekt) const
{
    if (!objekt || !dokument_)
        return nullptr;
    // Only the pointer is compared: an object freed since it was focused is
    // never read.
    return enthaeltZeiger(*dokument_, objekt) ? objekt : dokument_;
}

TObjekt *TFAnalysator::ObjektImFokus() const
{
    return gueltig(objektImFokus_);
}

TObjekt *TFAnalysator::klasseFuerKarten() const
{
    TObjekt *o = ObjektImFokus();
    if (!o)
        return dokument_;
    return o->Klasse ? o->Klasse : o;
}

void TFAnalysator::FokusSetzen(TObjekt *objekt)
{
    objektImFokus_ = objekt;
    FokuskartenNeuZeichnen();
    DiagrammNeuZeichnen();
}

void TFAnalysator::kartenVorbereiten()
{
    // Without a painter the card functions only bring the areas to the
    // card's size, so that the first paint already draws.
    if (TObjekt *o = ObjektImFokus())
        ObjektKarteZeichnen(fokusobjekt_->Flaeche(), *o);
    if (TObjekt *k = klasseFuerKarten()) {
        KlassenKarteZeichnen(fokusklasse_->Flaeche(), *k);
        KlassenKarteZeichnen(tabklasse_->Flaeche(), *k);
    }
    if (klassen_)
        if (TObjekt *k = klassen_->KlasseZuName(cbKlassenAuswahl_->currentText()))
            KlassenKarteZeichnen(verzeichniskarte_->Flaeche(), *k);
}

void TFAnalysator::FokuskartenNeuZeichnen()
{
    TObjekt *o = ObjektImFokus();
    linksOben_->setText(o ? o->Name : QStringLiteral("ObjektKarte"));
    kartenVorbereiten();
    fokusobjekt_->Neuzeichnen();
    fokusklasse_->Neuzeichnen();
    tabklasse_->Neuzeichnen();
}

TObjekt *TFAnalysator::FokusrahmenObjekt() const
{
    if (!isVisible() || pcAnalysator_->currentWidget() != tsBaum_)
        return nullptr;
    TObjekt *o = ObjektImFokus();
    return o && o->KlassenId != KlasseDokument ? o : nullptr;
}

// ---------------------------------------------------------------------------
// Object diagram

void TFAnalysator::Aktualisieren()
{
    aktualisieren(false);
}

void TFAnalysator::aktualisieren(bool erzwingen)
{
    if (!dokument_) {
        diagramm_->Neuzeichnen();
        return;
    }
    if (!isVisible()) {
        // Nobody sees the diagram: building it is left to showEvent.
        diagrammVeraltet_ = true;
        return;
    }
    diagrammVeraltet_ = false;
    // A move or a new colour leaves the cards as they are: only repainted.
    if (erzwingen || objektbaum_->Veraltet())
        objektbaum_->Aufbauen();
    const TDiagrammFlaeche &f = diagramm_->Flaeche();
    const bool passt = f.BreitePixel() <= GroessteDiagrammPixel && f.HoehePixel() <= GroessteDiagrammPixel;
    lZuGross1_->setVisible(!passt);
    lZuGross2_->setVisible(!passt);
    diagramm_->setVisible(passt);
    if (passt)
        diagramm_->Neuzeichnen();
    FokuskartenNeuZeichnen();
}

bool TFAnalysator::ZuGross() const
{
    return !lZuGross1_->isHidden();
}

void TFAnalysator::DiagrammNeuZeichnen()
{
    diagramm_->Neuzeichnen();
}

void TFAnalysator::AusrichtungWaehlen(std::uint8_t ausrichtung)
{
    sbHorizontal_->setChecked(ausrichtung == AusrichtungHorizontal);
    sbVertikal_->setChecked(ausrichtung == AusrichtungVertikal);
    objektbaum_->Ausrichtung = ausrichtung == AusrichtungVertikal ? AusrichtungVertikal : AusrichtungHorizontal;
    aktualisieren(true);
}

void TFAnalysator::diagrammGeklickt(const QPoint &pixel)
{
    if (!dokument_)
        return;
    if (objektbaum_->Veraltet())
        Aktualisieren();
    const TDiagrammFlaeche &f = diagramm_->Flaeche();
    bool gefaltet = false;
    TObjekt *o = objektbaum_->KnotenSuchen(f.PixelZuCm(pixel.x()), f.PixelZuCm(pixel.y()), gefaltet);
    if (o) {
        FokusSetzen(o);
        if (o->KlassenId != KlasseDokument && o->KlassenId != KlassePunkt) {
            TObjekt *figur = o;
            while (figur->Besitzer && figur->Besitzer != dokument_)
                figur = figur->Besitzer;
            if (figur->Besitzer == dokument_)
                Q_EMIT AuswahlErsetzen(figur);
        }
        Q_EMIT ZeichnungNeuZeichnen();
    }
    if (gefaltet)
        Aktualisieren();
    DiagrammNeuZeichnen();
}

// ---------------------------------------------------------------------------
// Renaming

void TFAnalysator::SBUebernehmenClick()
{
    sbUebernehmen_->setDown(false);
    TObjekt *o = ObjektImFokus();
    if (!o || !dokument_)
        return;
    const QString name = eObjektUmbenennen_->text();
    const QString meldung = UmbenennenPruefen(*dokument_, name);
    if (!meldung.isEmpty()) {
        FehlerMelden(QStringLiteral("Fehler:"), meldung);
        return;
    }
    o->Name = name;
    Aktualisieren();
    FokuskartenNeuZeichnen();
    Q_EMIT Umbenannt(o);
}

// ---------------------------------------------------------------------------
// Call log

QTreeWidgetItem *TFAnalysator::baumKnoten(const TMethodenAufruf &aufruf) const
{
    static const QIcon maus(QPixmap::fromImage(AufrufDarstellung::Symbol(false)));
    static const QIcon tastatur(QPixmap::fromImage(AufrufDarstellung::Symbol(true)));
    auto *knoten = new QTreeWidgetItem(QStringList{aufruf.AnzeigeText()});
    knoten->setIcon(0, aufruf.AusEingabefeld ? tastatur : maus);
    if (aufruf.AnzahlMitUnteraufrufen() > SofortAufgebauteAufrufe) {
        // A big group's entry: its sub-calls get nodes when it is expanded.
        knoten->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        return knoten;
    }
    for (const auto &unter : aufruf.Unteraufrufe)
        knoten->addChild(baumKnoten(*unter));
    return knoten;
}

QTreeWidgetItem *TFAnalysator::obersterBaumKnoten(const TMethodenAufruf &aufruf) const
{
    QTreeWidgetItem *knoten = baumKnoten(aufruf);
    // Only compared with the log's entries, never read unless still there.
    knoten->setData(0, Qt::UserRole, QVariant::fromValue(quintptr(&aufruf)));
    return knoten;
}

void TFAnalysator::baumKnotenAufgeklappt(QTreeWidgetItem *knoten)
{
    if (!analysator_ || knoten->childCount() > 0 ||
        knoten->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator)
        return;
    // The way down from the top-level node, then the log entry it shows.
    std::vector<int> weg;
    QTreeWidgetItem *oben = knoten;
    for (; oben->parent(); oben = oben->parent())
        weg.push_back(oben->parent()->indexOfChild(oben));
    const quintptr zeiger = oben->data(0, Qt::UserRole).value<quintptr>();
    const TMethodenAufruf *aufruf = nullptr;
    for (const auto &eintrag : analysator_->Protokoll())
        if (quintptr(eintrag.get()) == zeiger)
            aufruf = eintrag.get();
    for (auto i = weg.rbegin(); aufruf && i != weg.rend(); ++i)
        aufruf = std::size_t(*i) < aufruf->Unteraufrufe.size() ? aufruf->Unteraufrufe[std::size_t(*i)].get()
                                                               : nullptr;
    knoten->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    if (!aufruf)
        return; // dropped from the log meanwhile
    QList<QTreeWidgetItem *> kinder;
    for (const auto &unter : aufruf->Unteraufrufe)
        kinder << baumKnoten(*unter);
    knoten->addChildren(kinder);
}

void TFAnalysator::aufrufHinzugefuegt(const TMethodenAufruf &aufruf)
{
    if (!analysator_)
        return;
    const int eintraege = int(analysator_->Protokoll().size());
    dg_->ZeilenAnzahlSetzen(eintraege);
    dg_->ZumEndeScrollen();
    // The tree follows the newest entry when it showed the end, like the
    // list; scrolled back, it stays where the pupil is reading.
    QScrollBar *leiste = tv_->verticalScrollBar();
    const bool amEnde = leiste->value() >= leiste->maximum();
    tv_->addTopLevelItem(obersterBaumKnoten(aufruf));
    // The tree shows no entry that the log dropped to stay within its bound.
    while (tv_->topLevelItemCount() > std::min(MaximaleBaumEintraege, eintraege))
        delete tv_->takeTopLevelItem(0);
    if (amEnde)
        tv_->scrollToBottom();
}

long long TFAnalysator::EintragsNummer(int zeile) const
{
    if (!analysator_)
        return -1;
    return analysator_->GesamtAnzahl() - static_cast<long long>(analysator_->Protokoll().size()) + zeile;
}

void TFAnalysator::ProtokollNeuAufbauen()
{
    if (!analysator_)
        return;
    const auto &protokoll = analysator_->Protokoll();
    if (std::size_t(tv_->topLevelItemCount()) != std::min(protokoll.size(), std::size_t(MaximaleBaumEintraege))) {
        // Entries were removed: the tree is built anew (texts only).
        QScrollBar *leiste = tv_->verticalScrollBar();
        const bool amEnde = leiste->value() >= leiste->maximum();
        tv_->clear();
        const std::size_t ab = protokoll.size() > std::size_t(MaximaleBaumEintraege)
                                   ? protokoll.size() - MaximaleBaumEintraege
                                   : 0;
        for (std::size_t i = ab; i < protokoll.size(); ++i)
            tv_->addTopLevelItem(obersterBaumKnoten(*protokoll[i]));
        if (amEnde)
            tv_->scrollToBottom();
    }
    baumFarbenSetzen();
    dg_->ZeilenAnzahlSetzen(int(protokoll.size()));
    dg_->viewport()->update();
}

void TFAnalysator::baumFarbenSetzen()
{
    const int anzahl = tv_->topLevelItemCount();
    const int zeilen = int(analysator_->Protokoll().size());
    const QBrush grauerText(QColor(150, 150, 150));
    for (int k = 0; k < anzahl; ++k) {
        QTreeWidgetItem *knoten = tv_->topLevelItem(k);
        const bool g = grau(EintragsNummer(zeilen - anzahl + k));
        // The entry and its sub-calls.
        std::vector<QTreeWidgetItem *> offen{knoten};
        while (!offen.empty()) {
            QTreeWidgetItem *e = offen.back();
            offen.pop_back();
            e->setData(0, Qt::ForegroundRole, g ? QVariant(grauerText) : QVariant());
            for (int c = 0; c < e->childCount(); ++c)
                offen.push_back(e->child(c));
        }
    }
}

void TFAnalysator::aufrufMenueZeigen(const QPoint &pos)
{
    if (!analysator_ || !EintragZurueckgenommen)
        return;
    const int zeile = dg_->ObersteZeile() + pos.y() / dg_->ZeilenHoehe();
    if (zeile < 0 || zeile >= int(analysator_->Protokoll().size()))
        return;
    const long long nummer = EintragsNummer(zeile);
    aufrufMenue_->clear();
    QAction *a = aufrufMenue_->addAction(grau(nummer) ? QStringLiteral("Bis hierher wiederherstellen")
                                                      : QStringLiteral("Bis hierher zurücknehmen"));
    connect(a, &QAction::triggered, this, [this, nummer] { Q_EMIT BisHierher(nummer); });
    aufrufMenue_->popup(dg_->viewport()->mapToGlobal(pos));
}

void TFAnalysator::SBMethodenaufrufeListenansichtClick()
{
    sbListe_->setChecked(true);
    tv_->hide();
    dg_->show();
}

void TFAnalysator::SBMethodenaufrufeBaumClick()
{
    sbBaum_->setChecked(true);
    dg_->hide();
    tv_->show();
}

void TFAnalysator::listenSchriftAnwenden()
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(listenSchriftgroesse_);
    dg_->setFont(schrift);
    const QFontMetrics fm(schrift, dg_);
    dg_->ZeilenHoeheSetzen(int(std::lround(1.1 * fm.height())));
    dg_->SpaltenBreiteSetzen(1, fm.horizontalAdvance(QString(40, QLatin1Char('H'))));
    dg_->ZumEndeScrollen();
    dg_->viewport()->update();
}

void TFAnalysator::SBMethodenaufrufeLupePlusClick()
{
    sbLupePlus_->setDown(false);
    if (sbListe_->isChecked()) {
        if (listenSchriftgroesse_ + 2 > GroessteListenschrift)
            return;
        listenSchriftgroesse_ += 2;
        listenSchriftAnwenden();
    } else if (baumSchriftgroesse_ < 23) {
        baumSchriftgroesse_ += 2;
        QFont f = tv_->font();
        f.setPointSize(baumSchriftgroesse_);
        tv_->setFont(f);
    }
}

void TFAnalysator::SBMethodenaufrufeLupeMinusClick()
{
    sbLupeMinus_->setDown(false);
    if (sbListe_->isChecked()) {
        if (listenSchriftgroesse_ - 2 < KleinsteListenschrift)
            return;
        listenSchriftgroesse_ -= 2;
        listenSchriftAnwenden();
    } else if (baumSchriftgroesse_ >= 10) {
        baumSchriftgroesse_ -= 2;
        QFont f = tv_->font();
        f.setPointSize(baumSchriftgroesse_);
        tv_->setFont(f);
    }
}

// ---------------------------------------------------------------------------
// Window

void TFAnalysator::Platzieren(const QRect &hauptfensterRahmen)
{
    QScreen *bildschirm = QGuiApplication::screenAt(hauptfensterRahmen.center());
    if (!bildschirm)
        bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    const TFensterlage lage = AnalysatorFensterlage(hauptfensterRahmen, bildschirm->availableGeometry());
    // The frame (window decoration) counts: known once the window was shown.
    const QSize rand = frameGeometry().size() - geometry().size();
    move(lage.Rahmen.topLeft());
    resize(lage.Rahmen.size() - rand);
    if (layout())
        layout()->activate();
    const int oben = hauptteiler_->height() - hauptteiler_->handleWidth() - lage.UnteresFeldHoehe;
    hauptteiler_->setSizes({std::max(50, oben), lage.UnteresFeldHoehe});
}

void TFAnalysator::resizeEvent(QResizeEvent *ereignis)
{
    QWidget::resizeEvent(ereignis);
    dg_->SpaltenBreiteSetzen(0, 12);
    dg_->SpaltenBreiteSetzen(1, 600);
}

void TFAnalysator::showEvent(QShowEvent *ereignis)
{
    QWidget::showEvent(ereignis);
    // After the events already waiting (the main window's caption and
    // drawing at start); a paint that comes first builds the cards itself.
    if (diagrammVeraltet_)
        QTimer::singleShot(0, this, [this] {
            if (diagrammVeraltet_ && isVisible())
                aktualisieren(false);
        });
}

void TFAnalysator::closeEvent(QCloseEvent *ereignis)
{
    ereignis->accept();
    Q_EMIT Geschlossen();
}
