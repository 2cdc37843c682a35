#include "window/ui/Aktionen.h"

#include "figures/Gruppe.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "window/ui/FMain.h"
#include "window/ui/MausSteuerung.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

TAktionen::TAktionen(TFMain *fenster) : QObject(fenster), f_(fenster)
{
    setObjectName(QStringLiteral("ActionList1"));
    const QString bearbeiten = QStringLiteral("Bearbeiten"), gruppieren = QStringLiteral("Gruppieren"),
                  reihenfolge = QStringLiteral("Reihenfolge"), ausrichten = QStringLiteral("Ausrichten"),
                  spiegeln = QStringLiteral("SpiegelnKippen"), punkte = QStringLiteral("Punkte_bearbeiten");

    aktion(AKopieren, "AKopieren", QStringLiteral("&Kopieren"), bearbeiten);
    AKopieren->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    AKopieren->setToolTip(QStringLiteral("Kopieren"));
    AKopieren->setStatusTip(QStringLiteral("Markiertes Objekt in die Zwischenablage kopieren"));
    aktion(AAusschneiden, "AAusschneiden", QStringLiteral("&Ausschneiden"), bearbeiten);
    AAusschneiden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    AAusschneiden->setToolTip(QStringLiteral("Ausschneiden"));
    AAusschneiden->setStatusTip(QStringLiteral("Markiertes Objekt in die Zwischenablage verschieben"));
    aktion(AEinfuegen, "AEinfuegen", QStringLiteral("&Einfügen"), bearbeiten);
    AEinfuegen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    AEinfuegen->setToolTip(QStringLiteral("Einfügen"));
    AEinfuegen->setStatusTip(QStringLiteral("Inhalt der Zwischenablage einfügen"));
    connect(AKopieren, &QAction::triggered, this, &TAktionen::AKopierenExecute);
    connect(AAusschneiden, &QAction::triggered, this, &TAktionen::AAusschneidenExecute);
    connect(AEinfuegen, &QAction::triggered, this, &TAktionen::AEinfuegenExecute);

    aktion(AGruppieren, "AGruppieren", QStringLiteral("&Gruppieren"), gruppieren);
    aktion(AGruppierungAufheben, "AGruppierungAufheben", QStringLiteral("Gruppierung Auf&heben"), gruppieren);
    connect(AGruppieren, &QAction::triggered, this, &TAktionen::AGruppierenExecute);
    connect(AGruppierungAufheben, &QAction::triggered, this, &TAktionen::AGruppierungAufhebenExecute);

    struct R {
        QAction *&a;
        const char *name;
        const char *text;
        TReihenfolge art;
    };
    for (const R &r : {R{AInDenVordergrund, "AInDenVordergrund", "In den Vordergrund", TReihenfolge::Vordergrund},
                       R{AInDenHintergrund, "AInDenHintergrund", "In den Hintergrund", TReihenfolge::Hintergrund},
                       R{AEineEbeneNachVorne, "AEineEbeneNachVorne", "Eine Ebene nach vorne",
                         TReihenfolge::EineEbeneNachVorne},
                       R{AEineEbeneNachHinten, "AEineEbeneNachHinten", "Eine Ebene nach hinten",
                         TReihenfolge::EineEbeneNachHinten}}) {
        aktion(r.a, r.name, QString::fromUtf8(r.text), reihenfolge);
        const TReihenfolge art = r.art;
        connect(r.a, &QAction::triggered, this, [this, art] { Reihenfolge(art); });
    }

    struct A {
        QAction *&a;
        const char *name;
        const char *text;
        TAusrichtenArt art;
    };
    for (const A &r : {A{ALinksbuendig, "ALinksbuendig", "&Linksbündig", TAusrichtenArt::Links},
                       A{ARechtsbuendig, "ARechtsbuendig", "&Rechtsbündig", TAusrichtenArt::Rechts},
                       A{AObenbuendig, "AObenbuendig", "&Oben bündig", TAusrichtenArt::Oben},
                       A{AUntenbuendig, "AUntenbuendig", "&Unten bündig", TAusrichtenArt::Unten},
                       A{AHorizontalZentrieren, "AHorizontalZentrieren", "&Horizontal zentrieren",
                         TAusrichtenArt::HorizontalZentrieren},
                       A{AVertikalZentrieren, "AVertikalZentrieren", "&Vertikal zentrieren",
                         TAusrichtenArt::VertikalZentrieren}}) {
        aktion(r.a, r.name, QString::fromUtf8(r.text), ausrichten);
        const TAusrichtenArt art = r.art;
        connect(r.a, &QAction::triggered, this, [this, art] { Ausrichten(art); });
    }
    aktion(AHorizontalVerteilen, "AHorizontalVerteilen", QStringLiteral("Horizontal verteilen"), ausrichten);
    aktion(AVertikalVerteilen, "AVertikalVerteilen", QStringLiteral("Vertikal verteilen"), ausrichten);
    connect(AHorizontalVerteilen, &QAction::triggered, this, [this] { Verteilen(true); });
    connect(AVertikalVerteilen, &QAction::triggered, this, [this] { Verteilen(false); });

    aktion(AHorizontalSpiegeln, "AHorizontalSpiegeln", QStringLiteral("Horizontal Spiegeln"), spiegeln);
    aktion(AVertikalSpiegeln, "AVertikalSpiegeln", QStringLiteral("Vertikal Spiegeln"), spiegeln);
    aktion(AKippenNachLinks, "AKippenNachLinks", QStringLiteral("Kippen 90° nach Links"), spiegeln);
    aktion(AKippenNachRechts, "AKippenNachRechts", QStringLiteral("Kippen 90° nach Rechts"), spiegeln);
    AKippenNachLinks->setData(1);
    AKippenNachRechts->setData(-1);
    connect(AHorizontalSpiegeln, &QAction::triggered, this, [this] { Spiegeln(true); });
    connect(AVertikalSpiegeln, &QAction::triggered, this, [this] { Spiegeln(false); });
    for (QAction *a : {AKippenNachLinks, AKippenNachRechts})
        connect(a, &QAction::triggered, this, [this, a] { AKippenNachLinksExecute(a->data().toInt()); });

    struct P {
        QAction *&a;
        const char *name;
        const char *text;
        TPunktBefehl befehl;
    };
    for (const P &r :
         {P{AIn_Kurve_verwandeln, "AIn_Kurve_verwandeln", "Linienabschnitt in Bogen verwandeln", TPunktBefehl::InKurve},
          P{AIn_Gerade_verwandeln, "AIn_Gerade_verwandeln", "Bogenstück in gerade Strecke verwandeln",
            TPunktBefehl::InGerade},
          P{APunktLoeschen, "APunktLoeschen", "Punkt löschen", TPunktBefehl::PunktLoeschen},
          P{ALinienZugOeffnen, "ALinienZugOeffnen", "Linienzug Öffnen", TPunktBefehl::Oeffnen},
          P{ALinienZugSchliessen, "ALinienZugSchliessen", "Linienzug Schließen", TPunktBefehl::Schliessen}}) {
        aktion(r.a, r.name, QString::fromUtf8(r.text), punkte);
        const TPunktBefehl befehl = r.befehl;
        connect(r.a, &QAction::triggered, this, [this, befehl] { PunktBefehl(befehl); });
    }
    // The item is a caption for the attribute panels; it carries no command.
    aktion(AAttributeBearbeiten, "AAttributeBearbeiten", QStringLiteral("&Attribute bearbeiten"),
           QStringLiteral("AttributeBearbeiten"));
    AAttributeBearbeiten->setEnabled(false);

    menuesBauen();
    connect(f_, &TFMain::oberflaecheAktualisiert, this, &TAktionen::Aktualisieren);
    Aktualisieren();
}

QAction *TAktionen::aktion(QAction *&ziel, const char *name, const QString &text, const QString &kategorie)
{
    ziel = new QAction(text, f_);
    ziel->setObjectName(QString::fromLatin1(name));
    ziel->setProperty("kategorie", kategorie);
    // Shortcuts work wherever the main window has the focus.
    f_->addAction(ziel);
    return ziel;
}

void TAktionen::menuesBauen()
{
    f_->MenuBearbeiten->addAction(AKopieren);
    f_->MenuBearbeiten->addAction(AAusschneiden);
    f_->MenuBearbeiten->addAction(AEinfuegen);

    QMenu *m = f_->MenuAusrichten;
    m->addAction(AHorizontalVerteilen);
    m->addAction(AVertikalVerteilen);
    m->addSeparator();
    for (QAction *a : {ALinksbuendig, ARechtsbuendig, AObenbuendig, AUntenbuendig})
        m->addAction(a);
    m->addSeparator();
    m->addAction(AHorizontalZentrieren);
    m->addAction(AVertikalZentrieren);

    QMenu *p = f_->PopupMenuObjekt;
    p->addAction(AGruppieren);
    AGruppieren->setText(QStringLiteral("&Gruppieren"));
    p->addAction(AGruppierungAufheben);
    p->addSeparator();
    for (QAction *a : {AIn_Gerade_verwandeln, AIn_Kurve_verwandeln, APunktLoeschen, ALinienZugOeffnen,
                       ALinienZugSchliessen})
        p->addAction(a);
    p->addSeparator();
    MenuEckenzahl = p->addMenu(QStringLiteral("Eckenzahl setzen ..."));
    MenuEckenzahl->setObjectName(QStringLiteral("MenuEckenzahl"));
    for (int n = 3; n <= 12; ++n) {
        QAction *a = MenuEckenzahl->addAction(QString::number(n) + QStringLiteral("-Eck"));
        a->setData(n);
        connect(a, &QAction::triggered, this, [this, n] { EckenzahlGewaehlt(n); });
        Eckenzahlen.push_back(a);
    }
    TrennerPunkte = p->addSeparator();
    p->addAction(AKopieren);
    p->addAction(AAusschneiden);
    p->addAction(AEinfuegen);
    p->addSeparator();
    MenuReihenfolge = p->addMenu(QStringLiteral("Reihenfolge ..."));
    MenuReihenfolge->setObjectName(QStringLiteral("MenuReihenfolge"));
    MenuReihenfolge->addAction(AInDenVordergrund);
    MenuReihenfolge->addAction(AInDenHintergrund);
    MenuReihenfolge->addSeparator();
    MenuReihenfolge->addAction(AEineEbeneNachVorne);
    MenuReihenfolge->addAction(AEineEbeneNachHinten);
    MenuAusrichtenPopup = p->addMenu(QStringLiteral("Ausrichten ..."));
    MenuAusrichtenPopup->setObjectName(QStringLiteral("MenuAusrichtenPopup"));
    MenuAusrichtenPopup->addActions(m->actions());
    MenuSpiegelnKippen = p->addMenu(QStringLiteral("Spiegeln, Kippen ..."));
    MenuSpiegelnKippen->setObjectName(QStringLiteral("MenuSpiegelnKippen"));
    for (QAction *a : {AHorizontalSpiegeln, AVertikalSpiegeln, AKippenNachLinks, AKippenNachRechts})
        MenuSpiegelnKippen->addAction(a);
    p->addSeparator();
    p->addAction(AAttributeBearbeiten);
    connect(p, &QMenu::aboutToShow, this, &TAktionen::Aktualisieren);
}

TGriff *TAktionen::KontextGriff() const
{
    return f_->Steuerung ? f_->Steuerung->KontextGriff : nullptr;
}

void TAktionen::Aktualisieren()
{
    if (!f_->Arbeitsbereich || !f_->Steuerung)
        return;
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    TMausSteuerung &s = *f_->Steuerung;
    // The handle under the mouse becomes the context handle of the point
    // commands.
    if (s.Mauszustand == TMauszustand::UeberGriff && befehle::KontextLinienzug(s.AktuellerGriff))
        s.KontextGriff = s.AktuellerGriff;
    const std::size_t sel = ab.Auswahl.size();
    AKopieren->setEnabled(sel >= 1);
    // Cutting leaves figures locked against the mouse alone, as Delete does.
    AAusschneiden->setEnabled(sel >= 1 && s.Erlaubt());
    AEinfuegen->setEnabled(!ab.Zwischenablage.empty());
    AGruppieren->setEnabled(befehle::GruppierenMoeglich(ab, s.AktuellesObjekt));
    AGruppierungAufheben->setEnabled(befehle::AufloesenMoeglich(ab, s.AktuellesObjekt));
    for (QAction *a : {AInDenVordergrund, AInDenHintergrund, AHorizontalSpiegeln, AVertikalSpiegeln,
                       AKippenNachLinks, AKippenNachRechts})
        a->setEnabled(sel >= 1);
    AEineEbeneNachVorne->setEnabled(sel == 1);
    AEineEbeneNachHinten->setEnabled(sel == 1);
    for (QAction *a : {ALinksbuendig, ARechtsbuendig, AObenbuendig, AUntenbuendig, AHorizontalZentrieren,
                       AVertikalZentrieren})
        a->setEnabled(sel >= 2);
    AHorizontalVerteilen->setEnabled(sel >= 3);
    AVertikalVerteilen->setEnabled(sel >= 3);

    // Point commands: only while the mouse rests on a vertex or segment
    // handle of a polyline (the context handle is reset whenever the
    // handles are rebuilt).
    TGriff *griff = (s.Mauszustand == TMauszustand::UeberGriff && s.AktuellerGriff == s.KontextGriff)
                        ? s.KontextGriff
                        : nullptr;
    const bool punkte = befehle::KontextLinienzug(griff) != nullptr;
    const std::pair<QAction *, TPunktBefehl> punktBefehle[] = {
        {AIn_Kurve_verwandeln, TPunktBefehl::InKurve},   {AIn_Gerade_verwandeln, TPunktBefehl::InGerade},
        {APunktLoeschen, TPunktBefehl::PunktLoeschen},   {ALinienZugOeffnen, TPunktBefehl::Oeffnen},
        {ALinienZugSchliessen, TPunktBefehl::Schliessen}};
    for (const auto &[a, befehl] : punktBefehle)
        a->setVisible(punkte && befehle::PunktBefehlSichtbar(griff, befehl));
    TrennerPunkte->setVisible(punkte);

    MenuEckenzahl->menuAction()->setVisible(befehle::EckenzahlSichtbar(ab.Auswahl));
    MenuReihenfolge->menuAction()->setEnabled(sel >= 1);
    MenuAusrichtenPopup->menuAction()->setVisible(sel >= 2);
    MenuSpiegelnKippen->menuAction()->setVisible(sel >= 1);
}

// ------------------------------------------------------------------ handlers

void TAktionen::nachAenderung()
{
    f_->OberflaecheAktualisieren();
}

void TAktionen::AKopierenExecute()
{
    // Like cut: nothing selected keeps the clipboard, and a running gesture
    // is cancelled first (its outline would stay on the sheet).
    if (f_->Arbeitsbereich->Auswahl.empty())
        return;
    if (f_->Steuerung->GesteLaeuft())
        f_->GesteAbbrechen();
    f_->Arbeitsbereich->Kopieren();
    f_->MausNeuBewerten();
    nachAenderung();
}

void TAktionen::AAusschneidenExecute()
{
    if (f_->Arbeitsbereich->Auswahl.empty() || !f_->Steuerung->Erlaubt())
        return;
    if (f_->Steuerung->GesteLaeuft())
        f_->GesteAbbrechen();
    f_->Arbeitsbereich->Ausschneiden();
    nachAenderung();
}

void TAktionen::AEinfuegenExecute()
{
    if (f_->Arbeitsbereich->Zwischenablage.empty())
        return;
    if (f_->Steuerung->GesteLaeuft())
        f_->GesteAbbrechen();
    f_->AlleGriffeEntfernen();
    f_->Arbeitsbereich->EinfuegenAusfuehren();
    f_->AttributanzeigeAktualisieren();
    nachAenderung();
}

void TAktionen::AGruppierenExecute()
{
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    f_->AlleGriffeEntfernen();
    QString meldung;
    TGruppe *g = befehle::Gruppieren(ab, f_->Steuerung->AktuellesObjekt, &meldung);
    if (!g) {
        if (!meldung.isEmpty()) {
            f_->GriffeNeuErzeugen();
            f_->HinweisSetzen(meldung);
        }
        return;
    }
    f_->AnalysatorFokusSetzen(g);
    f_->GriffeNeuErzeugen();
    f_->Neuzeichnen();
    f_->MausNeuBewerten();
    f_->AnalysatorNeuAufbauen();
    f_->AttributanzeigeAktualisieren();
    nachAenderung();
}

void TAktionen::AGruppierungAufhebenExecute()
{
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    TZeichenObjekt *aktuell = f_->Steuerung->AktuellesObjekt;
    if (!befehle::AufloesenMoeglich(ab, aktuell))
        return;
    f_->Steuerung->AktuellesObjekt = nullptr;
    ab.GruppeAufloesen(static_cast<TGruppe *>(aktuell));
    f_->GriffeNeuErzeugen();
    f_->AttributanzeigeAktualisieren();
    nachAenderung();
}

void TAktionen::Reihenfolge(TReihenfolge art)
{
    befehle::ReihenfolgeAendern(*f_->Arbeitsbereich, art);
    f_->MausNeuBewerten();
    f_->Neuzeichnen();
    f_->AnalysatorNeuAufbauen();
    nachAenderung();
}

void TAktionen::Ausrichten(TAusrichtenArt art)
{
    befehle::Ausrichten(f_->Arbeitsbereich->Auswahl, art, !f_->Arbeitsbereich->Lehrermodus);
    AusrichtenNachbereiten();
}

void TAktionen::Verteilen(bool horizontal)
{
    if (f_->Arbeitsbereich->Auswahl.size() < 3)
        return;
    befehle::Verteilen(f_->Arbeitsbereich->Auswahl, horizontal, !f_->Arbeitsbereich->Lehrermodus);
    AusrichtenNachbereiten();
}

void TAktionen::AusrichtenNachbereiten()
{
    f_->GriffeNeuErzeugen();
    f_->Neuzeichnen();
    f_->AnalysatorAktualisieren();
    f_->AnalysatorNeuAufbauen();
    f_->MausNeuBewerten();
    nachAenderung();
}

void TAktionen::Spiegeln(bool horizontal)
{
    befehle::Spiegeln(f_->Arbeitsbereich->Auswahl, horizontal);
    f_->GriffeNeuErzeugen();
    f_->Neuzeichnen();
    f_->MausNeuBewerten();
    f_->AnalysatorNeuAufbauen();
    nachAenderung();
}

void TAktionen::AKippenNachLinksExecute(int richtung)
{
    befehle::Kippen(f_->Arbeitsbereich->Auswahl, richtung);
    f_->GriffeNeuErzeugen();
    f_->Neuzeichnen();
    f_->MausNeuBewerten();
    f_->AnalysatorNeuAufbauen();
    nachAenderung();
}

void TAktionen::PunktBefehl(TPunktBefehl befehl)
{
    TGriff *griff = KontextGriff();
    if (!griff)
        return;
    if (!befehle::PunktBefehlAusfuehren(*f_->Arbeitsbereich, griff, befehl))
        return;
    // The handles (and the context handle with them) are made anew.
    f_->GriffeNeuErzeugen();
    f_->Neuzeichnen();
    if (befehl == TPunktBefehl::InKurve || befehl == TPunktBefehl::InGerade)
        f_->MausNeuBewerten();
    else
        f_->AnalysatorNeuAufbauen();
    nachAenderung();
}

void TAktionen::EckenzahlGewaehlt(int eckenzahl)
{
    befehle::EckenzahlSetzen(f_->Arbeitsbereich->Auswahl, eckenzahl);
    f_->MausNeuBewerten();
    f_->GriffeNeuErzeugen();
    f_->AnalysatorAktualisieren();
    f_->Neuzeichnen();
    nachAenderung();
}
