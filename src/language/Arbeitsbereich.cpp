#include "language/Arbeitsbereich.h"
#include "figures/Gruppe.h"
#include "figures/ZeichenObjekt.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "surface/Zeichenflaeche.h"

#include <QPainter>
#include <QUndoStack>
#include <algorithm>

// One step of the history: the document before and after it (pieces shared
// with the neighbouring steps), the bytes it added to the history, the
// selection before and after (index paths from the document), and the
// running numbers of the log entries it made. The change has already
// happened when the step is pushed, so its first redo does nothing.
class TSchritt : public QUndoCommand
{
public:
    TSchritt(TArbeitsbereich &ab, TZustand vorher, TZustand nachher, std::size_t kosten,
             std::vector<std::vector<int>> auswahlVorher, std::vector<std::vector<int>> auswahlNachher, long long von,
             long long bis, const QString &text)
        : ab_(ab), Vorher(std::move(vorher)), Nachher(std::move(nachher)), Kosten(kosten),
          AuswahlVorher(std::move(auswahlVorher)), AuswahlNachher(std::move(auswahlNachher)), Von(von), Bis(bis)
    {
        setText(text);
    }
    void undo() override
    {
        if (!ab_.umbau_)
            ab_.zustandVormerken(&Vorher, &AuswahlVorher);
    }
    void redo() override
    {
        if (erstes_) {
            erstes_ = false;
            return;
        }
        if (!ab_.umbau_)
            ab_.zustandVormerken(&Nachher, &AuswahlNachher);
    }

    TArbeitsbereich &ab_;
    TZustand Vorher, Nachher;
    std::size_t Kosten;
    std::vector<std::vector<int>> AuswahlVorher, AuswahlNachher;
    long long Von, Bis; // log entries von..bis-1
    bool erstes_ = true;
};

QByteArray TZustand::Bytes() const
{
    QByteArray bytes;
    bytes.reserve(qsizetype(Groesse()));
    for (const QByteArray &stueck : Stuecke)
        bytes += stueck;
    return bytes;
}

std::size_t TZustand::Groesse() const
{
    std::size_t summe = 0;
    for (const QByteArray &stueck : Stuecke)
        summe += std::size_t(stueck.size());
    return summe;
}

std::size_t TZustand::EigeneGroesse(const TZustand &neben) const
{
    // Compared place by place: a piece that moved (a figure brought to the
    // front) counts as new, which only makes the bound act a little early.
    std::size_t summe = Stuecke.constData() == neben.Stuecke.constData() ? 0 : Stuecke.size() * sizeof(QByteArray);
    for (qsizetype i = 0; i < Stuecke.size(); ++i)
        if (i >= neben.Stuecke.size() || Stuecke.at(i).constData() != neben.Stuecke.at(i).constData())
            summe += std::size_t(Stuecke.at(i).size());
    return summe;
}

void TZustand::Teilen(const TZustand &alt)
{
    if (Stuecke.size() != alt.Stuecke.size())
        return;
    for (qsizetype i = 0; i < Stuecke.size(); ++i)
        if (Stuecke.at(i).constData() != alt.Stuecke.at(i).constData() && Stuecke.at(i) == alt.Stuecke.at(i))
            Stuecke[i] = alt.Stuecke.at(i);
}

bool TZustand::operator==(const TZustand &o) const
{
    if (Stuecke.size() != o.Stuecke.size())
        return false;
    if (Stuecke.constData() == o.Stuecke.constData())
        return true;
    for (qsizetype i = 0; i < Stuecke.size(); ++i)
        if (Stuecke.at(i).constData() != o.Stuecke.at(i).constData() && Stuecke.at(i) != o.Stuecke.at(i))
            return false;
    return true;
}

namespace {

const TSchritt *schrittAn(const QUndoStack &s, int i)
{
    return static_cast<const TSchritt *>(s.command(i));
}

} // namespace

namespace {

// The place of an object known to be alive and in the document.
std::vector<int> besitzerPfad(const TObjekt *objekt)
{
    std::vector<int> pfad;
    for (const TObjekt *o = objekt; o && o->Besitzer; o = o->Besitzer)
        pfad.insert(pfad.begin(), o->Besitzer->TeilIndex(o));
    return pfad;
}

bool suchen(const TObjekt &in, const TObjekt *gesucht, std::vector<int> &pfad)
{
    for (std::size_t i = 0; i < in.Teile.size(); ++i) {
        pfad.push_back(int(i));
        if (in.Teile[i].get() == gesucht || suchen(*in.Teile[i], gesucht, pfad))
            return true;
        pfad.pop_back();
    }
    return false;
}

} // namespace

std::vector<int> TArbeitsbereich::Pfad(const TObjekt *objekt) const
{
    // Searched from the document: the pointer may belong to an object that
    // is gone, so it is only compared, never read.
    std::vector<int> pfad;
    if (!objekt || !suchen(*dokument_, objekt, pfad))
        pfad.clear();
    return pfad;
}

TObjekt *TArbeitsbereich::ObjektAnPfad(const std::vector<int> &pfad) const
{
    TObjekt *o = dokument_.get();
    for (int i : pfad) {
        if (i < 0 || i >= int(o->Teile.size()))
            return nullptr;
        o = o->Teile[std::size_t(i)].get();
    }
    return o;
}

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
    verlauf_ = std::make_unique<QUndoStack>();
    verlauf_->setUndoLimit(MaximaleSchritte);
    QObject::connect(verlauf_.get(), &QUndoStack::cleanChanged, [this] { geaendertAktualisieren(); });
}

TArbeitsbereich::~TArbeitsbereich()
{
    // Nothing freed at exit is logged: the recorder stops first.
    analysator_->Angehalten = true;
    umbau_ = true;
    QObject::disconnect(verlauf_.get(), nullptr, nullptr, nullptr);
    verlauf_.reset();
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

    // The figures the call can change, for the reading of its step.
    genannte_.clear();
    genannteGueltig_ = !schrittBegonnen_ && scanner_.Objekt;
    auto nennen = [this](const TObjekt *o) {
        while (o && o->Besitzer && o->Besitzer != dokument_.get())
            o = o->Besitzer;
        if (!o || o->Besitzer != dokument_.get())
            genannteGueltig_ = false; // the document, a class, a free object
        else
            genannte_.push_back(o);
    };
    nennen(scanner_.Objekt);
    for (const auto &wert : scanner_.Parameter)
        if (wert && wert->Objekt())
            nennen(wert->Objekt());

    SchrittBeginnen();
    analysator_->AusEingabefeld = true;

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
    // A call refused by a lock, one that only draws or reports an error
    // changes nothing and is no step.
    SchrittAbschliessen();
    genannteGueltig_ = false;

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

// ------------------------------------------------------------- history

std::vector<std::vector<int>> TArbeitsbereich::auswahlPfade() const
{
    std::vector<std::vector<int>> pfade;
    pfade.reserve(Auswahl.size());
    for (const TZeichenObjekt *figur : Auswahl)
        pfade.push_back(besitzerPfad(figur));
    return pfade;
}

void TArbeitsbereich::SchrittBeginnen()
{
    schrittBegonnen_ = true;
    schrittBeginn_ = analysator_->GesamtAnzahl();
    auswahlVorher_ = auswahlPfade();
    // The document is not read here: the step starts from the state after
    // the last step (or undo, redo, opening, saving), which every change
    // outside a step renews (AenderungOhneSchritt).
}

bool TArbeitsbereich::SchrittAbschliessen(const QString &ersatzText)
{
    const bool begonnen = schrittBegonnen_;
    schrittBegonnen_ = false;
    const long long bis = analysator_->GesamtAnzahl();
    long long von = std::min(begonnen ? schrittBeginn_ : letztesEnde_, bis);
    letztesEnde_ = bis;
    if (!ZustandLesen) {
        // No history: every finished step counts as a change.
        Geaendert = true;
        if (InhaltGeaendert)
            InhaltGeaendert();
        return true;
    }
    TZustand vorher = zustand_;
    TZustand nachher = ZustandLesen();
    nachher.Teilen(vorher);
    if (nachher == vorher) {
        // Nothing changed: no step; the entries logged meanwhile (a
        // `kopieren`, a drawing) belong to none.
        zustand_ = std::move(nachher);
        return false;
    }
    std::vector<std::vector<int>> auswahlNachher = auswahlPfade();
    std::vector<std::vector<int>> auswahlVorher = begonnen ? std::move(auswahlVorher_) : auswahlNachher;
    auswahlVorher_.clear();

    // The steps that could have been redone go, and their log entries with
    // them (they all lie before this step's entries).
    long long entfernt = 0;
    for (int i = verlauf_->count() - 1; i >= verlauf_->index(); --i) {
        const TSchritt *s = schrittAn(*verlauf_, i);
        const long long vorher = analysator_->GesamtAnzahl();
        analysator_->EintraegeEntfernen(s->Von, s->Bis);
        entfernt += vorher - analysator_->GesamtAnzahl();
    }
    von = std::max(von - entfernt, 0LL);
    const long long neuBis = bis - entfernt;
    letztesEnde_ = neuBis;

    QString text = ersatzText;
    const auto &protokoll = analysator_->Protokoll();
    const long long erste = analysator_->GesamtAnzahl() - static_cast<long long>(protokoll.size());
    if (von < neuBis && von >= erste)
        text = protokoll[std::size_t(von - erste)]->AnzeigeText();
    if (text.isEmpty())
        text = QStringLiteral("Änderung");

    // What the step adds: the pieces it changed. The state before is
    // usually the one after the last step; when not (the first step, or
    // a change outside any step), it is counted too.
    std::size_t kosten = nachher.EigeneGroesse(vorher);
    const TSchritt *letzter = verlauf_->index() > 0 ? schrittAn(*verlauf_, verlauf_->index() - 1) : nullptr;
    if (!letzter || !(letzter->Nachher == vorher))
        kosten += vorher.Groesse();
    verlaufBegrenzen(kosten);
    auto *schritt = new TSchritt(*this, std::move(vorher), nachher, kosten, std::move(auswahlVorher),
                                 std::move(auswahlNachher), von, neuBis, text);
    zustand_ = std::move(nachher);
    verlauf_->push(schritt); // the first redo does nothing
    geaendertAktualisieren();
    melden(VerlaufGeaendert);
    melden(InhaltGeaendert);
    return true;
}

std::size_t TArbeitsbereich::VerlaufSpeicher() const
{
    // Each step counts the pieces it added when it was made.
    std::size_t summe = 0;
    for (int i = 0; i < verlauf_->count(); ++i) {
        const TSchritt *s = schrittAn(*verlauf_, i);
        summe += s->Kosten;
        summe += (s->AuswahlVorher.size() + s->AuswahlNachher.size()) * sizeof(std::vector<int>);
    }
    return summe;
}

void TArbeitsbereich::verlaufBegrenzen(std::size_t neu)
{
    // The undo limit drops the oldest step by itself; the memory bound
    // is ours. QUndoStack cannot drop its bottom commands, so the history
    // is rebuilt without the oldest quarter of what it holds.
    const std::size_t speicher = VerlaufSpeicher();
    const int anzahl = verlauf_->index(); // the undone steps go at the push
    if (anzahl == 0 || speicher + neu <= MaximalerVerlaufSpeicher)
        return;
    struct TDaten {
        TZustand vorher, nachher;
        std::size_t kosten;
        std::vector<std::vector<int>> av, an;
        long long von, bis;
        QString text;
    };
    std::vector<TDaten> daten;
    for (int i = 0; i < anzahl; ++i) {
        const TSchritt *s = schrittAn(*verlauf_, i);
        daten.push_back(
            {s->Vorher, s->Nachher, s->Kosten, s->AuswahlVorher, s->AuswahlNachher, s->Von, s->Bis, s->text()});
    }
    // Drop from the bottom until the rest and the new state fit, and at
    // least a quarter, so that rebuilding stays rare.
    std::size_t rest = speicher + neu;
    int weg = 0;
    while (weg < anzahl && (rest > MaximalerVerlaufSpeicher || weg < anzahl / 4)) {
        rest -= daten[std::size_t(weg)].kosten;
        ++weg;
    }
    const int sauber = verlauf_->cleanIndex();
    umbau_ = true;
    verlauf_->clear();
    if (sauber != weg)
        verlauf_->resetClean();
    for (int i = weg; i < anzahl; ++i) {
        TDaten &d = daten[std::size_t(i)];
        // The new bottom step holds its whole state before.
        const std::size_t kosten = i == weg ? d.kosten + d.vorher.Groesse() : d.kosten;
        verlauf_->push(
            new TSchritt(*this, d.vorher, d.nachher, kosten, std::move(d.av), std::move(d.an), d.von, d.bis, d.text));
        if (i + 1 == sauber)
            verlauf_->setClean();
    }
    umbau_ = false;
    geaendertAktualisieren();
}

bool TArbeitsbereich::KannRueckgaengig() const
{
    return verlauf_->canUndo();
}

bool TArbeitsbereich::KannWiederherstellen() const
{
    return verlauf_->canRedo();
}

QString TArbeitsbereich::RueckgaengigText() const
{
    return verlauf_->canUndo() ? verlauf_->undoText() : QString();
}

QString TArbeitsbereich::WiederherstellenText() const
{
    return verlauf_->canRedo() ? verlauf_->redoText() : QString();
}

int TArbeitsbereich::SchrittAnzahl() const
{
    return verlauf_->count();
}

int TArbeitsbereich::ErledigteSchritte() const
{
    return verlauf_->index();
}

bool TArbeitsbereich::Rueckgaengig()
{
    if (!verlauf_->canUndo())
        return false;
    ZuSchritt(verlauf_->index() - 1);
    return true;
}

bool TArbeitsbereich::Wiederherstellen()
{
    if (!verlauf_->canRedo())
        return false;
    ZuSchritt(verlauf_->index() + 1);
    return true;
}

void TArbeitsbereich::ZuSchritt(int schritte)
{
    schritte = std::clamp(schritte, 0, verlauf_->count());
    if (schritte == verlauf_->index())
        return;
    schrittBegonnen_ = false;
    vorgemerkt_ = nullptr;
    vorgemerkteAuswahl_ = nullptr;
    verlauf_->setIndex(schritte);
    vorgemerktenZustandAnwenden();
    letztesEnde_ = analysator_->GesamtAnzahl();
    geaendertAktualisieren();
    melden(VerlaufGeaendert);
    melden(InhaltGeaendert);
}

void TArbeitsbereich::zustandVormerken(const TZustand *zustand, const std::vector<std::vector<int>> *auswahl)
{
    // setIndex walks step by step: only the last state counts.
    vorgemerkt_ = zustand;
    vorgemerkteAuswahl_ = auswahl;
}

void TArbeitsbereich::vorgemerktenZustandAnwenden()
{
    if (!vorgemerkt_ || !ZustandSchreiben)
        return;
    const TZustand zustand = *vorgemerkt_;
    const std::vector<std::vector<int>> pfade = *vorgemerkteAuswahl_;
    vorgemerkt_ = nullptr;
    vorgemerkteAuswahl_ = nullptr;

    // The caller has let go of every figure (views, handles, gestures):
    // all of them are replaced.
    AuswahlLeeren();
    // Undo and redo are no method calls: nothing is logged, not even the
    // release of the figures replaced.
    const bool angehalten = analysator_->Angehalten;
    analysator_->Angehalten = true;
    zustand_ = zustand;
    ZustandSchreiben(zustand_.Bytes());
    analysator_->Angehalten = angehalten;

    for (const auto &pfad : pfade)
        if (auto *figur = dynamic_cast<TZeichenObjekt *>(ObjektAnPfad(pfad)))
            Auswahl.push_back(figur);
    melden(AuswahlGeaendert);
    melden(DokumentGeaendert);
}

void TArbeitsbereich::geaendertAktualisieren()
{
    Geaendert = basisGeaendert_ || !verlauf_->isClean();
}

void TArbeitsbereich::VerlaufLeeren()
{
    const bool geaendert = Geaendert;
    umbau_ = true;
    verlauf_->clear();
    umbau_ = false;
    basisGeaendert_ = geaendert;
    schrittBegonnen_ = false;
    letztesEnde_ = analysator_->GesamtAnzahl();
    if (ZustandLesen)
        zustand_ = ZustandLesen();
    geaendertAktualisieren();
    melden(VerlaufGeaendert);
}

void TArbeitsbereich::AenderungOhneSchritt()
{
    VerlaufLeeren();
    basisGeaendert_ = true;
    geaendertAktualisieren();
    melden(InhaltGeaendert);
}

void TArbeitsbereich::NeuBegonnen()
{
    analysator_->Leeren();
    Geaendert = false;
    VerlaufLeeren();
    melden(InhaltGeaendert);
}

void TArbeitsbereich::Gespeichert()
{
    basisGeaendert_ = false;
    if (ZustandLesen)
        zustand_ = ZustandLesen();
    verlauf_->setClean();
    geaendertAktualisieren();
}

bool TArbeitsbereich::EintragZurueckgenommen(long long nummer) const
{
    for (int i = verlauf_->index(); i < verlauf_->count(); ++i) {
        const TSchritt *s = schrittAn(*verlauf_, i);
        if (nummer >= s->Von && nummer < s->Bis)
            return true;
    }
    return false;
}

int TArbeitsbereich::SchrittBisEintrag(long long nummer) const
{
    int schritte = 0;
    for (int i = 0; i < verlauf_->count(); ++i) {
        const TSchritt *s = schrittAn(*verlauf_, i);
        if (s->Von > nummer)
            break;
        schritte = i + 1;
    }
    return schritte;
}
