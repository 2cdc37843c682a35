#include "language/Arbeitsbereich.h"
#include "figures/Gruppe.h"
#include "figures/ZeichenObjekt.h"
#include "language/Analysator.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "window/Zeichenflaeche.h"

#include <QPainter>
#include <algorithm>

bool TAufrufErgebnis::MeldungAnzeigen() const
{
    return Ausgefuehrt && !Meldung.isEmpty() && Meldung != TArbeitsbereich::KeinNeuzeichnen();
}

QString TArbeitsbereich::KeinNeuzeichnen()
{
    return QStringLiteral("Kein Neuzeichnen");
}

TArbeitsbereich::TArbeitsbereich()
    : analysator_(std::make_unique<TAnalysator>()),
      dokument_(std::make_unique<TDokument>(analysator_.get())),
      klassen_(std::make_unique<TKlassenObjekte>(analysator_.get(), dokument_.get()))
{
    dokument_->EinfuegenAktion = [this] { EinfuegenAusfuehren(); };
}

TArbeitsbereich::~TArbeitsbereich()
{
    // Nothing freed at exit is logged: the recorder stops first.
    analysator_->Angehalten = true;
    dokument_->EinfuegenAktion = nullptr;
    Auswahl.clear();
    Zwischenablage.clear();
    scanner_.Parameter.clear();
    scanner_.Objekt = nullptr;
    dokument_->Wuensche.LoeschenEigen.reset();
    dokument_->Leeren();
    klassen_.reset();
    dokument_.reset();
    analysator_.reset();
}

TAufrufErgebnis TArbeitsbereich::AufrufAusfuehren(const QString &text, int einfuegemarke,
                                                  TZeichenflaeche *zf)
{
    TAufrufErgebnis ergebnis;
    scanner_.Analysieren(text, einfuegemarke, dokument_.get());
    if (!scanner_.Fehlermeldung.isEmpty()) {
        ergebnis.Fehlermeldung = scanner_.Fehlermeldung;
        ergebnis.FehlerAnfang = scanner_.FehlerAnfang;
        ergebnis.FehlerEnde = scanner_.FehlerEnde;
        return ergebnis;
    }

    analysator_->AusEingabefeld = true;
    Geaendert = true;

    // Without a drawing area, `zeichnen` draws onto a small off-screen image.
    QPainter ersatzMaler;
    if (!zf) {
        if (!ersatzFlaeche_) {
            ersatzFlaeche_ = std::make_unique<TZeichenflaeche>();
            ersatzBild_ = QImage(256, 256, QImage::Format_ARGB32_Premultiplied);
        }
        zf = ersatzFlaeche_.get();
        ersatzMaler.begin(&ersatzBild_);
        zf->Leinwand = &ersatzMaler;
    }

    QString meldung;
    scanner_.Ausfuehren(zf, Lehrermodus, meldung);
    // The call is done with the scanner's references; some of them may be
    // freed by the requests below.
    scanner_.Objekt = nullptr;
    scanner_.Methode = nullptr;
    scanner_.Parameter.clear();

    const QString wunschMeldung = WuenscheAusfuehren();
    if (!wunschMeldung.isEmpty())
        meldung = wunschMeldung;

    if (ersatzMaler.isActive()) {
        ersatzMaler.end();
        zf->Leinwand = nullptr;
    }
    analysator_->AusEingabefeld = false;

    ergebnis.Ausgefuehrt = true;
    ergebnis.Meldung = meldung;
    ergebnis.Neuzeichnen = meldung != KeinNeuzeichnen();
    return ergebnis;
}

QString TArbeitsbereich::WuenscheAusfuehren()
{
    THandlungswuensche &w = dokument_->Wuensche;
    QString meldung;
    auto merken = [&meldung](const QString &m) {
        if (meldung.isEmpty())
            meldung = m;
    };
    if (TObjekt *g = w.GruppierungAufheben) {
        w.GruppierungAufheben = nullptr;
        if (auto *gruppe = dynamic_cast<TGruppe *>(g))
            merken(GruppeAufloesen(gruppe));
    }
    if (TObjekt *o = w.Kopieren) {
        w.Kopieren = nullptr;
        KopierWunschAusfuehren(o);
    }
    if (TObjekt *o = w.Ausschneiden) {
        w.Ausschneiden = nullptr;
        merken(AusschneideWunschAusfuehren(o));
    }
    if (TObjekt *o = w.Loeschen) {
        w.Loeschen = nullptr;
        merken(loeschWunschAusfuehren(o));
    }
    return meldung;
}

QString TArbeitsbereich::loeschWunschAusfuehren(TObjekt *objekt)
{
    THandlungswuensche &w = dokument_->Wuensche;
    if (w.LoeschenEigen && w.LoeschenEigen.get() == objekt) {
        // A vertex that has already left its polyline.
        freigabeMelden(objekt);
        w.LoeschenEigen.reset();
        melden(DokumentGeaendert);
        return {};
    }
    w.LoeschenEigen.reset();
    auto *figur = dynamic_cast<TZeichenObjekt *>(objekt);
    if (!figur || figur->Besitzer != dokument_.get())
        return {};
    ObjekteLoeschen({figur});
    return {};
}

// ------------------------------------------------------------- clipboard

std::unique_ptr<TZeichenObjekt> TArbeitsbereich::vorschauKopie(TObjekt *figur) const
{
    std::unique_ptr<TObjekt> kopie = figur->Duplizieren(false);
    auto *zeichen = dynamic_cast<TZeichenObjekt *>(kopie.get());
    if (!zeichen)
        return nullptr;
    kopie.release();
    std::unique_ptr<TZeichenObjekt> ergebnis(zeichen);
    ergebnis->Besitzer = nullptr;
    ergebnis->VorschauSetzen(true);
    return ergebnis;
}

void TArbeitsbereich::InZwischenablageKopieren(const std::vector<TZeichenObjekt *> &figuren)
{
    const std::vector<TZeichenObjekt *> liste = figuren; // may be Auswahl itself
    Zwischenablage.clear();
    for (TZeichenObjekt *figur : liste)
        if (auto kopie = vorschauKopie(figur))
            Zwischenablage.push_back(std::move(kopie));
}

void TArbeitsbereich::Kopieren()
{
    InZwischenablageKopieren(Auswahl);
}

void TArbeitsbereich::Ausschneiden()
{
    Zwischenablage.clear();
    InZwischenablageKopieren(Auswahl);
    ObjekteLoeschen(Auswahl);
}

void TArbeitsbereich::EinfuegenAusfuehren()
{
    AuswahlLeeren();
    for (auto &kopie : Zwischenablage) {
        // The clipboard copy itself moves (a preview: nothing is recorded),
        // so each further paste lands another 0.1 cm to the right and up.
        kopie->verschieben(0.1, 0.1);
        std::unique_ptr<TObjekt> neu = kopie->Duplizieren(true);
        auto *figur = dynamic_cast<TZeichenObjekt *>(neu.get());
        if (!figur)
            continue;
        if (figur->Vorschau)
            figur->VorschauSetzen(false);
        dokument_->TeilAnhaengen(std::move(neu));
        figur->GeometrieBerechnen();
        Auswahl.push_back(figur);
    }
    if (!Zwischenablage.empty())
        Geaendert = true;
    melden(AuswahlGeaendert);
    melden(DokumentGeaendert);
}

void TArbeitsbereich::ObjekteLoeschen(const std::vector<TZeichenObjekt *> &figuren)
{
    const bool istAuswahl = &figuren == &Auswahl;
    const std::vector<TZeichenObjekt *> liste = figuren;
    for (TZeichenObjekt *figur : liste) {
        if (dokument_->TeilIndex(figur) < 0) {
            // Not (or no longer) a figure of the drawing: never touched.
            std::erase(Auswahl, figur);
            continue;
        }
        if (!istAuswahl)
            AusAuswahlEntfernen(figur);
        freigabeMelden(figur);
        figur->GriffeFreigeben();
        std::unique_ptr<TObjekt> eigen = dokument_->TeilEntfernen(figur);
        eigen.reset(); // records `freigeben` (a group also for its members)
    }
    if (istAuswahl)
        Auswahl.clear();
    Geaendert = true;
    melden(AuswahlGeaendert);
    melden(DokumentGeaendert);
}

QString TArbeitsbereich::GruppeAufloesen(TGruppe *gruppe)
{
    if (!gruppe || !gruppe->Besitzer)
        return {};
    for (TZeichenObjekt *figur : Auswahl)
        figur->GriffeFreigeben();
    // The members take the group's place (in a group inside another group
    // they stay in that one); members placed in the document join the
    // selection.
    std::unique_ptr<TObjekt> eigen = gruppe->GruppierungAufloesen(Auswahl);
    if (!eigen)
        return {};
    freigabeMelden(gruppe);
    eigen.reset(); // records `freigeben` for the group only: it has no members left
    Geaendert = true;
    melden(AuswahlGeaendert);
    melden(DokumentGeaendert);
    return {};
}

void TArbeitsbereich::KopierWunschAusfuehren(TObjekt *objekt)
{
    Zwischenablage.clear();
    // Any figure may be copied, a group member too: its copy is pasted into
    // the document like any other.
    if (objekt && objekt->Dokument == dokument_.get() && objekt->Besitzer)
        if (auto kopie = vorschauKopie(objekt))
            Zwischenablage.push_back(std::move(kopie));
}

QString TArbeitsbereich::AusschneideWunschAusfuehren(TObjekt *objekt)
{
    auto *figur = dynamic_cast<TZeichenObjekt *>(objekt);
    if (!figur)
        return {};
    if (figur->Besitzer != dokument_.get())
        return QStringLiteral("Das Objekt ") + figur->Name +
               QStringLiteral(" ist Teil einer Gruppe und kann nicht einzeln ausgeschnitten werden.");
    KopierWunschAusfuehren(figur);
    ObjekteLoeschen({figur});
    return {};
}

// ------------------------------------------------------------- selection

bool TArbeitsbereich::IstAusgewaehlt(const TObjekt *objekt) const
{
    return std::find(Auswahl.begin(), Auswahl.end(), objekt) != Auswahl.end();
}

void TArbeitsbereich::AusAuswahlEntfernen(const TObjekt *objekt)
{
    auto it = std::find(Auswahl.begin(), Auswahl.end(), objekt);
    if (it == Auswahl.end())
        return;
    (*it)->GriffeFreigeben();
    Auswahl.erase(it);
}

void TArbeitsbereich::AuswahlLeeren()
{
    for (TZeichenObjekt *figur : Auswahl)
        figur->GriffeFreigeben();
    Auswahl.clear();
}
