#include "window/ui/FMain.h"
#include "analyser/ui/FAnalysator.h"
#include "persistence/ui/DateiBefehle.h"
#include "window/ui/Aktionen.h"
#include "dialogs/ui/FAnleitung.h"
#include "dialogs/ui/FInformation.h"
#include "figures/ZeichenObjekt.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "language/ui/EingabeFeld.h"
#include "language/ui/FCodeComplete.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/Dokumentdatei.h"
#include "window/ui/AnalysatorFensterAnschluss.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/Glyphen.h"
#include "window/ui/MyScrollBox.h"
#include "window/ui/ProgrammCursor.h"
#include "teacher/ui/LehrerBedienung.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget *panel(QWidget *eltern, const char *name, int x, int y, int b, int h)
{
    auto *w = new QWidget(eltern);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(x, y, b, h);
    return w;
}

QToolButton *knopf(QWidget *eltern, const char *name, int x, int y, int b, int h,
                   const QString &hinweis = {})
{
    auto *k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setGeometry(x, y, b, h);
    k->setAutoRaise(true); // flat
    k->setFocusPolicy(Qt::NoFocus);
    if (!hinweis.isEmpty())
        k->setToolTip(hinweis);
    return k;
}

} // namespace

QString TFMain::LehrermodusHinweis()
{
    return QStringLiteral("Lehrermodus ist an: Die Sperren gelten nicht; die Knöpfe oben sperren die Auswahl.");
}

QString TFMain::StartHinweis()
{
    return QStringLiteral(
        "Zeichne eine Figur, dann werden die Schaltflächen zum Bearbeiten der Attribute aktiv.");
}

TFMain::TFMain(bool mitSplash, QWidget *eltern) : QMainWindow(eltern), mitSplash_(mitSplash)
{
    if (qEnvironmentVariableIsSet("FIGURO_OHNE_SPLASH"))
        mitSplash_ = false;
    setObjectName(QStringLiteral("FMain"));
    // "MS Sans Serif" where it exists, else a font of Arial's metrics.
    QFont schrift;
    schrift.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Arial")});
    schrift.setPointSize(8);
    setFont(schrift);
    setAttribute(Qt::WA_DeleteOnClose, false);

    // FormCreate, in its order.
    // 1. Losing the application's focus cancels a running gesture.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive && Steuerung)
            GesteAbbrechen();
    });
    // 2. (The corner-count submenu comes with the editing commands.)
    // 3. The program cursors.
    TProgrammCursor::Registrieren();
    // 4. Placement.
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        const QSize g = s->size();
        setGeometry(0, 0, g.width() / 2 + 20, g.height() * 4 / 5);
        move(0, 0);
    }
    // 5./6. Panels (the picker buttons come with their own part) and the
    // drawing area with the zoom box.
    komponentenBauen();
    menuesBauen();
    // 7. Call log, document and class registry (the workspace makes them in
    // this order), the paint handler.
    Arbeitsbereich = std::make_unique<TArbeitsbereich>();
    Zeichenbereich->OnZeichnen = [this](TZeichenflaeche *zf) { OnDokumentPaint(zf); };
    Arbeitsbereich->AuswahlGeaendert = [this] {
        if (Steuerung)
            GriffeNeuErzeugen();
    };
    Arbeitsbereich->DokumentGeaendert = [this] {
        if (Steuerung && !Steuerung->GesteLaeuft())
            Steuerung->MausNeuBewerten();
        Neuzeichnen();
        AnalysatorNeuAufbauen();
    };
    Arbeitsbereich->AnalysatorZuruecksetzen = [this](TObjekt *o) {
        if (Steuerung)
            Steuerung->ObjektVergessen(o);
        if (analysator_fenster_ && analysator_fenster_->FokusObjekt() == o)
            analysator_fenster_->FokusSetzen(Dokument());
    };
    // The undo history reads and restores the document as file bytes.
    VerlaufAnschliessen(*Arbeitsbereich);
    Arbeitsbereich->VerlaufGeaendert = [this] {
        if (Aktionen)
            Aktionen->VerlaufAktualisieren();
        if (analysatorFensterAnschluss_ && analysatorFensterAnschluss_->Fenster())
            analysatorFensterAnschluss_->Fenster()->ProtokollNeuAufbauen();
        TitelAktualisieren();
    };
    // 8. Selection, rubber band and the mouse state machine.
    Steuerung = std::make_unique<TMausSteuerung>(this);
    Zeichenbereich->OnVorschauenNachzeichnen = [this](TZeichenflaeche *zf) {
        if (Steuerung)
            Steuerung->VorschauenNachzeichnen(zf);
    };
    Zeichenbereich->OnZoomGeaendert = [this] {
        Dokument()->AlleGeometrienBerechnen();
        // Handle positions depend on the zoom: make them anew.
        GriffeNeuErzeugen();
        Neuzeichnen();
    };
    // 9. The sheet's mouse events.
    Zeichenbereich->OnMausRunter = [this](const TMausEreignis &m) { Steuerung->MausRunter(m); };
    Zeichenbereich->OnMausBewegung = [this](const TMausEreignis &m) { Steuerung->MausBewegung(m); };
    Zeichenbereich->OnMausHoch = [this](const TMausEreignis &m) { Steuerung->MausHoch(m); };
    Zeichenbereich->OnDoppelklick = [this](const TMausEreignis &m) {
        return Steuerung->Doppelklick(m);
    };
    // 10. The input field: its analysis drives the hint bar and the execute
    // button, Enter and the button run the call.
    {
        auto *feld = new TEingabeFeld(PMethodenEingabe, Dokument());
        EingabefeldEinsetzen(feld);
        connect(feld, &TEingabeFeld::Aenderung, this, [this](const QString &meldung, bool fehlerfrei) {
            HinweisSetzen(meldung);
            SBMethodeAusfuehren->setEnabled(fehlerfrei);
        });
        connect(feld, &TEingabeFeld::Ausfuehren, this, &TFMain::OnEingabeFeldEnter);
        connect(this, &TFMain::methodeAusfuehrenAngefordert, this, &TFMain::OnEingabeFeldEnter);
        connect(this, &TFMain::vervollstaendigungVerbergenAngefordert, feld->CodeComplete(),
                &QWidget::hide);
    }
    // 5. (with the workspace it applies choices to) The picker buttons and
    // popups, the text panel's commands and the text dialog.
    Attributpanels = AttributPanelsAnschliessen(*this);
    // 11. Teacher mode: its menu, the lock buttons and the dialogs.
    Lehrer = new TLehrerBedienung(this);
    // 11. The editing and file commands with their menus.
    Aktionen = new TAktionen(this);
    DateiBefehle = new TDateiBefehle(this);
    // 12./13.
    OberflaecheAktualisieren();
    Arbeitsbereich->NeuBegonnen();
    Arbeitsbereich->Dateiname.clear();
    TitelAktualisieren();
    HinweisSetzen(StartHinweis());

    TimerSplash = new QTimer(this);
    TimerSplash->setObjectName(QStringLiteral("TimerSplash"));
    TimerSplash->setInterval(3000);
    TimerSplash->setSingleShot(true);
    connect(TimerSplash, &QTimer::timeout, this, &TFMain::TimerSplashTimer);
    FInformation = new TFInformation(this);
    FInformation->hide();
    // The about box points at what is installed: the guide window and the
    // examples.
    FInformation->LabelAnleitung->Oeffnen = [this](const QString &) {
        FInformation->hide();
        AnleitungZeigen();
    };
    FInformation->LabelBeispiele->Oeffnen = [this](const QString &) {
        FInformation->hide();
        if (QAction *beispiele = findChild<QAction *>(QStringLiteral("ABeispieleOeffnen")))
            beispiele->trigger();
    };

    // The window sees keys before its controls.
    qApp->installEventFilter(this);
    Neuzeichnen();
}

TFMain::~TFMain()
{
    // FormDestroy: nothing that is freed now may record anything.
    qApp->removeEventFilter(this);
    if (analysatorFensterAnschluss_ && analysatorFensterAnschluss_->Fenster())
        analysatorFensterAnschluss_->Fenster()->Trennen();
    analysator_fenster_ = nullptr;
    Zeichenbereich->OnZeichnen = nullptr;
    Zeichenbereich->OnVorschauenNachzeichnen = nullptr;
    Zeichenbereich->OnMausRunter = nullptr;
    Zeichenbereich->OnMausBewegung = nullptr;
    Zeichenbereich->OnMausHoch = nullptr;
    Zeichenbereich->OnDoppelklick = nullptr;
    Zeichenbereich->OnZoomGeaendert = nullptr;
    Arbeitsbereich->Analysator().Angehalten = true;
    Steuerung.reset();
    Arbeitsbereich->AuswahlGeaendert = nullptr;
    Arbeitsbereich->DokumentGeaendert = nullptr;
    Arbeitsbereich->AnalysatorZuruecksetzen = nullptr;
    Arbeitsbereich->VerlaufGeaendert = nullptr;
    Arbeitsbereich.reset(); // clipboard, document, registry, call log
}

TAnalysator *TFMain::Analysator()
{
    return &Arbeitsbereich->Analysator();
}

TDokument *TFMain::Dokument()
{
    return &Arbeitsbereich->Dokument();
}

TKlassenObjekte *TFMain::Klassen()
{
    return &Arbeitsbereich->Klassen();
}

std::vector<TZeichenObjekt *> &TFMain::Auswahl()
{
    return Arbeitsbereich->Auswahl;
}

bool TFMain::Lehrermodus() const
{
    return Arbeitsbereich->Lehrermodus;
}

void TFMain::SchrittBeginnen()
{
    Arbeitsbereich->SchrittBeginnen();
}

void TFMain::GeaendertSetzen()
{
    Arbeitsbereich->SchrittAbschliessen();
}

void TFMain::VerlaufGehen(int schritte)
{
    TArbeitsbereich &ab = *Arbeitsbereich;
    if (Steuerung->GesteLaeuft())
        Steuerung->GesteAbbrechen();
    schritte = std::clamp(schritte, 0, ab.SchrittAnzahl());
    if (schritte == ab.ErledigteSchritte())
        return;
    // Every figure is replaced: nothing may keep pointing at one.
    const std::vector<int> fokusPfad =
        analysator_fenster_ ? ab.Pfad(analysator_fenster_->FokusObjekt()) : std::vector<int>{};
    AnalysatorFokusSetzen(Dokument());
    AlleGriffeEntfernen();
    Steuerung->AktuellesObjekt = nullptr;
    Steuerung->AktuellerGriff = nullptr;
    Steuerung->KontextGriff = nullptr;
    ab.ZuSchritt(schritte);
    TObjekt *fokus = ab.ObjektAnPfad(fokusPfad);
    AnalysatorFokusSetzen(fokus ? fokus : Dokument());
    AttributanzeigeAktualisieren();
    AnalysatorNeuAufbauen();
    OberflaecheAktualisieren();
}

void TFMain::komponentenBauen()
{
    auto *zentral = new QWidget(this);
    zentral->setObjectName(QStringLiteral("Client"));
    auto *spalte = new QVBoxLayout(zentral);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    setCentralWidget(zentral);

    // --- PMain ---
    PMain = new QWidget(zentral);
    PMain->setObjectName(QStringLiteral("PMain"));
    PMain->setFixedHeight(73);
    spalte->addWidget(PMain);

    PLinienAttribute = panel(PMain, "PLinienAttribute", 0, 0, 129, 33);
    PAnzeige = panel(PMain, "PAnzeige", 132, 0, 121, 33);
    LabelZoom = new QLabel(QStringLiteral("Zoom:"), PAnzeige);
    LabelZoom->move(8, 10);
    LabelZoom->adjustSize();
    CBZoom = new QComboBox(PAnzeige);
    CBZoom->setObjectName(QStringLiteral("CBZoom"));
    CBZoom->setGeometry(40, 6, 73, 21);
    CBZoom->setEditable(true); // a zoom may also be typed
    CBZoom->setInsertPolicy(QComboBox::NoInsert);
    CBZoom->setCompleter(nullptr);
    CBZoom->setFocusPolicy(Qt::ClickFocus); // no tab stop

    Panel1 = panel(PMain, "Panel1", 256, 0, 193, 33);
    struct TWerkzeugKnopf {
        const char *Name;
        const char16_t *Hinweis;
        TWerkzeug Werkzeug;
    };
    const TWerkzeugKnopf werkzeuge[WerkzeugAnzahl] = {
        {"SBRechteck", u"Rechteck zeichnen", TWerkzeug::Rechteck},
        {"SBEllipse", u"Ellipse zeichnen", TWerkzeug::Ellipse},
        {"SBLinie", u"Linie zeichnen", TWerkzeug::Linie},
        {"SBLinienzug", u"Linienzug zeichnen", TWerkzeug::Linienzug},
        {"SBKurvenZug", u"Kurvenzug zeichnen", TWerkzeug::Kurvenzug},
        {"SBVieleck", u"Regelmäßiges Vieleck zeichnen", TWerkzeug::Vieleck},
        {"SBTextFeld", u"Textfeld zeichnen", TWerkzeug::TextFeld},
    };
    for (int i = 0; i < WerkzeugAnzahl; ++i) {
        const TWerkzeugKnopf &w = werkzeuge[i];
        QToolButton *k = knopf(Panel1, w.Name, 4 + 26 * i, 4, 24, 24, QString::fromUtf16(w.Hinweis));
        k->setCheckable(true);
        k->setIcon(Glyphen::Werkzeug(w.Werkzeug));
        k->setIconSize(QSize(20, 20));
        const TWerkzeug werkzeug = w.Werkzeug;
        connect(k, &QToolButton::clicked, this, [this, werkzeug] { WerkzeugGewaehlt(werkzeug); });
        Werkzeugknoepfe[std::size_t(i)] = k;
    }
    SBRechteck = Werkzeugknoepfe[0];
    SBEllipse = Werkzeugknoepfe[1];
    SBLinie = Werkzeugknoepfe[2];
    SBLinienzug = Werkzeugknoepfe[3];
    SBKurvenZug = Werkzeugknoepfe[4];
    SBVieleck = Werkzeugknoepfe[5];
    SBTextFeld = Werkzeugknoepfe[6];

    Panel4 = panel(PMain, "Panel4", 452, 0, 41, 33);
    SBAnalysatorfenster = knopf(Panel4, "SBAnalysatorfenster", 2, 2, 36, 29,
                                QStringLiteral("Analysatorfenster öffnen"));
    SBAnalysatorfenster->setIcon(Glyphen::Analysator(false));
    SBAnalysatorfenster->setIconSize(QSize(30, 22));
    SBAnalysatorfenster->hide();
    SBAnalysatorfensterSchliessen =
        knopf(Panel4, "SBAnalysatorfensterSchliessen", 2, 2, 36, 29,
              QStringLiteral("Analysatorfenster schließen"));
    SBAnalysatorfensterSchliessen->setIcon(Glyphen::Analysator(true));
    SBAnalysatorfensterSchliessen->setIconSize(QSize(30, 22));
    connect(SBAnalysatorfenster, &QToolButton::clicked, this, &TFMain::SBAnalysatorfensterClick);
    connect(SBAnalysatorfensterSchliessen, &QToolButton::clicked, this,
            &TFMain::SBAnalysatorfensterSchliessenClick);

    PFuellungsAttribute = panel(PMain, "PFuellungsAttribute", 0, 36, 89, 33);
    PTextFeldAttribute = panel(PMain, "PTextFeldAttribute", 92, 36, 329, 33);
    SBSchriftart = knopf(PTextFeldAttribute, "SBSchriftart", 4, 4, 69, 24);
    SBSchriftart->setText(QStringLiteral("Schriftart ..."));
    const char *ausrichtung[] = {"SBLinksbuendig", "SBRechtsbuendig", "SBZentriert", "SBBlocksatz"};
    const char16_t *ausrichtungHinweis[] = {u"Ausrichtung linksbündig", u"Ausrichtung rechtsbündig",
                                            u"Ausrichtung zentriert", u"Ausrichtung Blocksatz"};
    QToolButton *ausr[4];
    for (int i = 0; i < 4; ++i) {
        ausr[i] = knopf(PTextFeldAttribute, ausrichtung[i], 84 + 26 * i, 4, 24, 24,
                        QString::fromUtf16(ausrichtungHinweis[i]));
        ausr[i]->setCheckable(true);
        ausr[i]->setAutoExclusive(true);
        ausr[i]->setIcon(Glyphen::Ausrichtung(i));
    }
    SBLinksbuendig = ausr[0];
    SBRechtsbuendig = ausr[1];
    SBZentriert = ausr[2];
    SBBlocksatz = ausr[3];
    SBLinksbuendig->setChecked(true);
    SBTextBearbeiten = knopf(PTextFeldAttribute, "SBTextBearbeiten", 220, 4, 101, 24);
    SBTextBearbeiten->setText(QStringLiteral("Text bearbeiten ..."));
    connect(SBTextBearbeiten, &QToolButton::clicked, this, [this] { Q_EMIT textBearbeitenAngefordert(); });
    for (QToolButton *k : {SBSchriftart, SBLinksbuendig, SBRechtsbuendig, SBZentriert, SBBlocksatz,
                           SBTextBearbeiten})
        k->setEnabled(false); // active when exactly one text field is selected

    PBearbeitenSperren = panel(PMain, "PBearbeitenSperren", 428, 36, 58, 33);
    PBearbeitenSperren->hide();

    // --- the drawing area ---
    Zeichenbereich = new TMyScrollBox(zentral, CBZoom);
    spalte->addWidget(Zeichenbereich, 1);
    // The zoom box is as wide as its longest entry ("Seitenbreite"); the
    // panels right of it move along.
    {
        CBZoom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        const int mehr = std::max(0, CBZoom->sizeHint().width() - CBZoom->width());
        CBZoom->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
        CBZoom->setGeometry(40, 6, 73 + mehr, 21);
        PAnzeige->resize(PAnzeige->width() + mehr, PAnzeige->height());
        for (QWidget *w : {Panel1, Panel4})
            w->move(w->x() + mehr, w->y());
    }

    // --- PanelUnten ---
    PanelUnten = new QWidget(zentral);
    PanelUnten->setObjectName(QStringLiteral("PanelUnten"));
    PanelUnten->setFixedHeight(52);
    spalte->addWidget(PanelUnten);
    auto *unten = new QVBoxLayout(PanelUnten);
    unten->setContentsMargins(0, 0, 0, 0);
    unten->setSpacing(0);

    Panel2 = new QWidget(PanelUnten);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(24);
    unten->addWidget(Panel2);
    auto *p2 = new QHBoxLayout(Panel2);
    p2->setContentsMargins(0, 0, 0, 0);
    PMethodenEingabe = new QWidget(Panel2);
    PMethodenEingabe->setObjectName(QStringLiteral("PMethodenEingabe"));
    p2->addWidget(PMethodenEingabe);
    auto *eingabe = new QHBoxLayout(PMethodenEingabe);
    eingabe->setContentsMargins(0, 0, 0, 0);
    eingabe->setSpacing(0);
    Eingabefeld = new QWidget(PMethodenEingabe);
    Eingabefeld->setObjectName(QStringLiteral("EingabefeldPlatz"));
    Eingabefeld->setAutoFillBackground(true);
    {
        QPalette pal = Eingabefeld->palette();
        pal.setColor(QPalette::Window, Qt::white);
        Eingabefeld->setPalette(pal);
    }
    eingabe->addWidget(Eingabefeld, 1);
    PanelButtonGo = new QWidget(PMethodenEingabe);
    PanelButtonGo->setObjectName(QStringLiteral("PanelButtonGo"));
    PanelButtonGo->setFixedWidth(23);
    eingabe->addWidget(PanelButtonGo);
    SBMethodeAusfuehren = knopf(PanelButtonGo, "SBMethodeAusfuehren", 0, 2, 23, 20,
                                QStringLiteral("Methodenaufruf ausführen"));
    SBMethodeAusfuehren->setIcon(Glyphen::Ausfuehren());
    SBMethodeAusfuehren->setEnabled(false);
    connect(SBMethodeAusfuehren, &QToolButton::clicked, this,
            [this] { Q_EMIT methodeAusfuehrenAngefordert(); });

    Panel3 = new QWidget(PanelUnten);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setAutoFillBackground(true);
    {
        QPalette pal = Panel3->palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
        pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
        Panel3->setPalette(pal);
    }
    unten->addWidget(Panel3, 1);
    auto *p3 = new QHBoxLayout(Panel3);
    p3->setContentsMargins(0, 0, 0, 0);
    p3->setSpacing(0);
    Panel5 = new QWidget(Panel3);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFixedWidth(25);
    p3->addWidget(Panel5);
    auto *p5 = new QHBoxLayout(Panel5);
    p5->setContentsMargins(0, 0, 0, 0);
    ImageGluehbirne = new QLabel(Panel5);
    ImageGluehbirne->setObjectName(QStringLiteral("ImageGluehbirne"));
    ImageGluehbirne->setPixmap(Glyphen::Gluehbirne());
    ImageGluehbirne->setAlignment(Qt::AlignCenter);
    p5->addWidget(ImageGluehbirne);
    PanelHilfstext = new QLabel(Panel3);
    PanelHilfstext->setObjectName(QStringLiteral("PanelHilfstext"));
    PanelHilfstext->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    p3->addWidget(PanelHilfstext, 1);
}

void TFMain::menuesBauen()
{
    QMenuBar *leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    MenuDatei = leiste->addMenu(QStringLiteral("&Datei"));
    MenuBearbeiten = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    MenuAusrichten = leiste->addMenu(QStringLiteral("&Ausrichten"));
    MenuInformation = leiste->addMenu(QStringLiteral("&Information"));
    MenuFuerLehrer = leiste->addMenu(QStringLiteral("Für &Lehrer"));
    connect(MenuDatei, &QMenu::aboutToShow, this, &TFMain::AllesAbbrechen);
    connect(MenuBearbeiten, &QMenu::aboutToShow, this, &TFMain::AllesAbbrechen);
    AAnleitung = MenuInformation->addAction(QStringLiteral("Anleitung"));
    AAnleitung->setObjectName(QStringLiteral("AAnleitung"));
    AAnleitung->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(AAnleitung); // F1 wherever the main window has the focus
    connect(AAnleitung, &QAction::triggered, this, &TFMain::AnleitungZeigen);
    AUeberDasProgramm = MenuInformation->addAction(QStringLiteral("Über das Programm ..."));
    connect(AUeberDasProgramm, &QAction::triggered, this, [this] { FInformation->FensterZeigen(this); });

    PopupMenuObjekt = new QMenu(this);
    PopupMenuObjekt->setObjectName(QStringLiteral("PopupMenuObjekt"));

    PopupMenuVerschieben = new QMenu(this);
    PopupMenuVerschieben->setObjectName(QStringLiteral("PopupMenuVerschieben"));
    AHierherVerschieben = PopupMenuVerschieben->addAction(QStringLiteral("Hierhin verschieben"));
    AHierherKopieren = PopupMenuVerschieben->addAction(QStringLiteral("Hierher kopieren"));
    AAbrechen = PopupMenuVerschieben->addAction(QStringLiteral("Abbrechen"));
    connect(AHierherVerschieben, &QAction::triggered, this, [this] {
        verschiebenGewaehlt_ = true;
        Steuerung->HierhinVerschieben();
        OberflaecheAktualisieren();
    });
    connect(AHierherKopieren, &QAction::triggered, this, [this] {
        verschiebenGewaehlt_ = true;
        Steuerung->HierherKopieren();
        OberflaecheAktualisieren();
    });
    connect(AAbrechen, &QAction::triggered, this, [this] {
        verschiebenGewaehlt_ = true;
        GesteAbbrechen();
    });
    // Closing the menu without a choice (Escape, a click elsewhere) is
    // the same as "Abbrechen": the copies do not stay on the paper.
    connect(PopupMenuVerschieben, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (!verschiebenGewaehlt_ && Steuerung &&
                Steuerung->Mauszustand == TMauszustand::ObjekteZiehen)
                GesteAbbrechen();
        });
    });
}

// --- showing, closing ------------------------------------------------------------

void TFMain::showEvent(QShowEvent *ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (!gezeigt_) {
        gezeigt_ = true;
        formShow();
    }
}

void TFMain::formShow()
{
    // The file named on the command line is opened first: the caption names
    // it at once, and the analyser builds its views only once, when shown.
    if (BeimErstenZeigen)
        BeimErstenZeigen();
    if (analysator_fenster_) {
        analysator_fenster_->Zeigen();
        SBAnalysatorfenster->hide();
        SBAnalysatorfensterSchliessen->show();
    }
    if (mitSplash_) {
        FInformation->SplashZeigen(this);
        TimerSplash->start();
    }
}

void TFMain::TimerSplashTimer()
{
    TimerSplash->stop();
    // Only the splash closes itself: an about box opened from the menu in
    // the meantime stays until it is closed.
    if (FInformation->IstSplash())
        FInformation->hide();
}

void TFMain::AnleitungZeigen()
{
    if (!FAnleitung)
        FAnleitung = new TFAnleitung(this);
    FAnleitung->Zeigen();
}

void TFMain::closeEvent(QCloseEvent *ereignis)
{
    AllesAbbrechen();
    if (SchliessenErlaubt && !SchliessenErlaubt()) {
        ereignis->ignore();
        return;
    }
    FInformation->hide();
    // The program ends with its main window: the analyser goes too.
    if (analysator_fenster_)
        analysator_fenster_->Schliessen();
    ereignis->accept();
}

// --- painting ----------------------------------------------------------------------

TZeichenflaeche *TFMain::Flaeche()
{
    return &Zeichenbereich->Flaeche;
}

void TFMain::OnDokumentPaint(TZeichenflaeche *zf)
{
    if (!Arbeitsbereich)
        return;
    TDokument *dok = Dokument();
    if (zf->Drucken) {
        // Paper shows the drawing only: no handles, no focus frame.
        zf->HintergrundZeichnen(dok->Hintergrundfarbe);
        for (auto &teil : dok->Teile)
            teil->Zeichnen(zf);
        return;
    }
    // Outside teacher mode a mouse-locked figure shows a lock mark instead
    // of its handles.
    zf->SperrenWirksam = !Lehrermodus();
    dok->Zeichnen(zf);
    if (analysator_fenster_) {
        TObjekt *markiert = analysator_fenster_->MarkiertesObjekt();
        if (markiert && markiert->KlassenId != KlasseDokument)
            markiert->FokusrahmenZeichnen(zf);
    }
}

void TFMain::Neuzeichnen()
{
    Zeichenbereich->Neuzeichnen();
}

void TFMain::VorschauMalen(const std::function<void(TZeichenflaeche *)> &malen)
{
    Zeichenbereich->VorschauMalen(malen);
}

bool TFMain::Drucken(QPrinter &drucker)
{
    AllesAbbrechen();
    const int kopien = drucker.supportsMultipleCopies() ? 1 : drucker.copyCount();
    return Zeichenbereich->DruckenAusfuehren(drucker, kopien);
}

bool TFMain::DruckenMitDialog()
{
    AllesAbbrechen();
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return Drucken(drucker);
}

// --- hints, cursor, focus ------------------------------------------------------------

void TFMain::HinweisSetzen(const QString &text_)
{
    // While teacher mode is on, an empty hint bar says so.
    const QString text = text_.isEmpty() && Arbeitsbereich && Lehrermodus() ? LehrermodusHinweis() : text_;
    Hinweistext = text;
    PanelHilfstext->setText(text);
    ImageGluehbirne->setVisible(!text.isEmpty());
}

void TFMain::ZeigerSetzen(TMauszeiger zeiger)
{
    zeiger_ = zeiger;
    Zeichenbereich->Seite->setCursor(TProgrammCursor::Cursor(zeiger));
}

void TFMain::FlaecheFokussieren()
{
    Zeichenbereich->Seite->setFocus(Qt::MouseFocusReason);
}

QPoint TFMain::GlobalePosition(int x, int y) const
{
    return Zeichenbereich->Seite->mapToGlobal(QPoint(x, y));
}

bool TFMain::EingabefeldHatFokus() const
{
    QWidget *fokus = QApplication::focusWidget();
    if (!fokus)
        return false;
    if (fokus == PMethodenEingabe || PMethodenEingabe->isAncestorOf(fokus))
        return true;
    // Typing a zoom: its keys belong to the zoom box.
    return fokus == CBZoom || CBZoom->isAncestorOf(fokus);
}

void TFMain::EingabefeldEinsetzen(QWidget *feld)
{
    if (!feld || feld == Eingabefeld)
        return;
    auto *layout = qobject_cast<QHBoxLayout *>(PMethodenEingabe->layout());
    feld->setParent(PMethodenEingabe);
    QWidget *alt = Eingabefeld;
    delete layout->replaceWidget(alt, feld); // the old layout item is ours
    Eingabefeld = feld;
    feld->show();
    if (alt) {
        alt->hide();
        alt->deleteLater();
    }
}

void TFMain::OnEingabeFeldEnter()
{
    auto *feld = qobject_cast<TEingabeFeld *>(Eingabefeld);
    if (!feld)
        return;
    // An error stops here: the hint bar already shows its message.
    const TAufrufErgebnis ergebnis =
        Arbeitsbereich->AufrufAusfuehren(feld->Text(), feld->Einfuegemarke(), Flaeche());
    if (!ergebnis.Ausgefuehrt)
        return;
    feld->VerlaufMerken(feld->Text()); // Up brings it back
    // A figure the call took into a group (`schlucken`) is no longer a
    // figure of the drawing's top level: it leaves the selection, so that
    // the keys and handles work on the group only.
    const std::vector<TZeichenObjekt *> gewaehlt = Auswahl();
    for (TZeichenObjekt *figur : gewaehlt)
        if (figur->Besitzer != Dokument())
            Arbeitsbereich->AusAuswahlEntfernen(figur);
    if (ergebnis.Neuzeichnen) {
        if (ergebnis.MeldungAnzeigen())
            QMessageBox::critical(this, QStringLiteral("Fehler beim Ausführen der Methode:"),
                                  ergebnis.Meldung);
        GriffeNeuErzeugen();
        AttributanzeigeAktualisieren();
        AnalysatorNeuAufbauen();
        Neuzeichnen();
    }
    // Enabling follows the command (a typed copy fills the clipboard).
    OberflaecheAktualisieren();
    // The call may have removed or renamed its object: the button and the
    // hint bar follow the drawing as it is now.
    feld->Pruefen();
}

// --- tools and gestures ------------------------------------------------------------

void TFMain::WerkzeugGewaehlt(TWerkzeug werkzeug)
{
    AllesAbbrechen();
    Werkzeugknoepfe[std::size_t(werkzeug)]->setChecked(true);
    Steuerung->WerkzeugWaehlen(werkzeug);
}

void TFMain::WerkzeugeLoesen()
{
    for (QToolButton *k : Werkzeugknoepfe)
        if (k)
            k->setChecked(false);
}

void TFMain::GesteAbbrechen()
{
    Steuerung->GesteAbbrechen();
}

void TFMain::AllesAbbrechen()
{
    PickerSchliessen();
    Steuerung->GesteAbbrechen();
    FlaecheFokussieren();
}

void TFMain::MausNeuBewerten()
{
    Steuerung->MausNeuBewerten();
}

void TFMain::GriffeNeuErzeugen()
{
    Steuerung->GriffeNeuErzeugen();
}

void TFMain::AlleGriffeEntfernen()
{
    Steuerung->AlleGriffeEntfernen();
}

void TFMain::PickerSchliessen()
{
    Q_EMIT pickerSchliessenAngefordert();
}

void TFMain::VervollstaendigungVerbergen()
{
    Q_EMIT vervollstaendigungVerbergenAngefordert();
}

void TFMain::TextBearbeitenKlicken()
{
    OberflaecheAktualisieren();
    if (SBTextBearbeiten->isEnabled())
        SBTextBearbeiten->click();
}

void TFMain::OberflaecheAktualisieren()
{
    const auto &auswahl = Auswahl();
    const bool einTextfeld = auswahl.size() == 1 && auswahl.front()->KlassenId == KlasseTextFeld;
    for (QToolButton *k : {SBSchriftart, SBLinksbuendig, SBRechtsbuendig, SBZentriert, SBBlocksatz,
                           SBTextBearbeiten})
        k->setEnabled(einTextfeld);
    // Teacher mode switched (by its menu, "Neu" or opening a protected
    // drawing): the hint bar says it, the lock marks follow.
    if (Lehrermodus() != lehrermodusGezeigt_) {
        lehrermodusGezeigt_ = Lehrermodus();
        if (lehrermodusGezeigt_)
            HinweisSetzen(LehrermodusHinweis());
        else if (Hinweistext == LehrermodusHinweis())
            HinweisSetzen(QString());
        Neuzeichnen();
    }
    // A vertex or segment handle under the mouse is what the point
    // commands of the context menu work on.
    TGriff *g = Steuerung ? Steuerung->AktuellerGriff : nullptr;
    if (g && Steuerung->Mauszustand == TMauszustand::UeberGriff && Steuerung->GriffGueltig(g) &&
        (g->GriffArt == GriffPunkt || g->GriffArt == GriffSegment))
        Steuerung->KontextGriff = g;
    Q_EMIT oberflaecheAktualisiert();
}

void TFMain::AttributanzeigeAktualisieren()
{
    Q_EMIT attributanzeigeAktualisiert();
}

void TFMain::TitelAktualisieren()
{
    QString titel = QStringLiteral("Figuro 1.4");
    const QString &datei = Arbeitsbereich->Dateiname;
    if (!datei.isEmpty()) {
        const int schnitt = std::max(datei.lastIndexOf(QLatin1Char('/')),
                                     datei.lastIndexOf(QLatin1Char('\\')));
        titel += QStringLiteral(": ") + datei.mid(schnitt + 1);
    }
    setWindowTitle(titel);
}

void TFMain::VerschiebenMenueZeigen(QPoint global)
{
    verschiebenGewaehlt_ = false;
    PopupMenuVerschieben->popup(global);
}

void TFMain::ObjektMenueZeigen(QPoint global)
{
    if (!PopupMenuObjekt->actions().isEmpty())
        PopupMenuObjekt->popup(global);
}

void TFMain::ObjekteLoeschen(std::vector<TZeichenObjekt *> liste)
{
    // Nothing that is deleted may stay part of a running gesture.
    if (Steuerung->GesteLaeuft())
        Steuerung->GesteAbbrechen();
    // One step of the history.
    Arbeitsbereich->SchrittBeginnen();
    Arbeitsbereich->ObjekteLoeschen(liste);
    Arbeitsbereich->SchrittAbschliessen();
    AttributanzeigeAktualisieren();
    OberflaecheAktualisieren();
}

// --- the analyser window -------------------------------------------------------------

void TFMain::AnalysatorAnschliessen(TAnalysatorAnschluss *anschluss)
{
    analysator_fenster_ = anschluss;
}

void TFMain::AnalysatorFensterAnschliessen(TFAnalysator *fenster)
{
    analysatorFensterAnschluss_ = std::make_unique<TAnalysatorFensterAnschluss>(fenster, this);
    AnalysatorAnschliessen(analysatorFensterAnschluss_.get());
    if (!fenster)
        return;
    fenster->IstAusgewaehlt = [this](const TObjekt *o) {
        const auto &a = Auswahl();
        return std::find(a.begin(), a.end(), o) != a.end();
    };
    connect(fenster, &TFAnalysator::AuswahlErsetzen, this, &TFMain::AuswahlErsetzen);
    connect(fenster, &TFAnalysator::ZeichnungNeuZeichnen, this, &TFMain::Neuzeichnen);
    connect(fenster, &TFAnalysator::Umbenannt, this,
            [this](TObjekt *) { Arbeitsbereich->SchrittAbschliessen(QStringLiteral("Umbenennen")); });
    fenster->EintragZurueckgenommen = [this](long long nummer) {
        return Arbeitsbereich->EintragZurueckgenommen(nummer);
    };
    connect(fenster, &TFAnalysator::BisHierher, this,
            [this](long long nummer) { VerlaufGehen(Arbeitsbereich->SchrittBisEintrag(nummer)); });
    connect(fenster, &TFAnalysator::Geschlossen, this, &TFMain::AnalysatorGeschlossen);
    connect(fenster, &TFAnalysator::AufrufUebernehmen, this, [this](const QString &aufruf) {
        if (auto *feld = qobject_cast<TEingabeFeld *>(Eingabefeld))
            feld->AufrufUebernehmen(aufruf);
    });
}

void TFMain::AuswahlErsetzen(TObjekt *figur)
{
    auto *zo = dynamic_cast<TZeichenObjekt *>(figur);
    if (!zo || zo->Besitzer != Dokument())
        return;
    if (Steuerung->GesteLaeuft())
        Steuerung->GesteAbbrechen();
    Auswahl().clear();
    Auswahl().push_back(zo);
    GriffeNeuErzeugen();
    AttributanzeigeAktualisieren();
    OberflaecheAktualisieren();
    Neuzeichnen();
    MausNeuBewerten();
}

void TFMain::SBAnalysatorfensterClick()
{
    if (analysator_fenster_)
        analysator_fenster_->Zeigen();
    SBAnalysatorfenster->hide();
    SBAnalysatorfensterSchliessen->show();
}

void TFMain::SBAnalysatorfensterSchliessenClick()
{
    if (analysator_fenster_)
        analysator_fenster_->Schliessen();
    AnalysatorGeschlossen();
}

void TFMain::AnalysatorGeschlossen()
{
    SBAnalysatorfenster->show();
    SBAnalysatorfensterSchliessen->hide();
}

void TFMain::AnalysatorFokusSetzen(TObjekt *objekt)
{
    if (analysator_fenster_)
        analysator_fenster_->FokusSetzen(objekt);
}

void TFMain::AnalysatorNeuAufbauen()
{
    if (analysator_fenster_)
        analysator_fenster_->Aktualisieren();
}

void TFMain::AnalysatorDiagrammZeichnen()
{
    if (analysator_fenster_)
        analysator_fenster_->DiagrammZeichnen();
}

void TFMain::AnalysatorAktualisieren()
{
    if (analysator_fenster_)
        analysator_fenster_->FokusKartenZeichnen();
}

// --- keyboard ----------------------------------------------------------------------

bool TFMain::tasteBehandeln(QKeyEvent *ereignis, bool gedrueckt)
{
    // The modifier state including the key that just changed.
    bool shift = ereignis->modifiers().testFlag(Qt::ShiftModifier);
    bool strg = ereignis->modifiers().testFlag(Qt::ControlModifier);
    if (ereignis->key() == Qt::Key_Shift)
        shift = gedrueckt;
    if (ereignis->key() == Qt::Key_Control)
        strg = gedrueckt;
    // Escape closes an open picker as well, wherever the focus is: the
    // popups never take the focus themselves.
    if (gedrueckt && ereignis->key() == Qt::Key_Escape)
        PickerSchliessen();
    if (gedrueckt)
        return Steuerung->TasteRunter(ereignis->key(), shift, strg);
    if (!ereignis->isAutoRepeat())
        Steuerung->TasteHoch(ereignis->key(), shift, strg);
    return false;
}

bool TFMain::tasteInsEingabefeld(QObject *ziel, QKeyEvent *ereignis)
{
    // Only typing: a printable character without Strg or Alt (AltGr
    // characters such as "@" or "{" count as typing), and only while the
    // drawing, not another control, has the focus.
    const QString text = ereignis->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    const Qt::KeyboardModifiers mod = ereignis->modifiers();
    const bool altGr = mod.testFlag(Qt::ControlModifier) && mod.testFlag(Qt::AltModifier);
    if (!altGr && (mod.testFlag(Qt::ControlModifier) || mod.testFlag(Qt::AltModifier) ||
                   mod.testFlag(Qt::MetaModifier)))
        return false;
    auto *w = static_cast<QWidget *>(ziel);
    if (w != this && w != Zeichenbereich && !Zeichenbereich->isAncestorOf(w))
        return false;
    if (!Eingabefeld || !Eingabefeld->isEnabled() || !Eingabefeld->isVisible())
        return false;
    if (!isActiveWindow())
        activateWindow(); // an inactive window would not pass the focus on
    Eingabefeld->setFocus(Qt::OtherFocusReason);
    QKeyEvent weiter(ereignis->type(), ereignis->key(), mod, text, ereignis->isAutoRepeat(),
                     ushort(ereignis->count()));
    QApplication::sendEvent(Eingabefeld, &weiter);
    return true;
}

bool TFMain::eventFilter(QObject *ziel, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    if ((typ == QEvent::KeyPress || typ == QEvent::KeyRelease || typ == QEvent::ShortcutOverride) &&
        ziel->isWidgetType()) {
        auto *w = static_cast<QWidget *>(ziel);
        if (w->window() == this && Steuerung) {
            auto *taste = static_cast<QKeyEvent *>(ereignis);
            if (typ == QEvent::ShortcutOverride)
                return false;
            if (tasteBehandeln(taste, typ == QEvent::KeyPress))
                return true;
            // Typing on the drawing is meant for the input field.
            if (typ == QEvent::KeyPress && !EingabefeldHatFokus() && tasteInsEingabefeld(ziel, taste))
                return true;
        }
    }
    return QMainWindow::eventFilter(ziel, ereignis);
}
