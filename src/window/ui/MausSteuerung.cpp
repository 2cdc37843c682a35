#include "window/ui/MausSteuerung.h"
#include "figures/Griff.h"
#include "figures/UZeichenObjekte.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "surface/Zeichenflaeche.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace {

const TFarbe Gelb = TFarbe::Echt(FarbWert(255, 255, 0));

bool istLinienzug(const TObjekt *o)
{
    return o && o->KlassenId == KlasseLinienZug;
}

} // namespace

TMauszeiger ZeigerFuerCursorArt(TCursorArt art)
{
    switch (art) {
    case TCursorArt::GroesseHorizontal:
        return TMauszeiger::GroesseHorizontal;
    case TCursorArt::GroesseDiagonalSteigend:
        return TMauszeiger::GroesseDiagonalSteigend;
    case TCursorArt::GroesseVertikal:
        return TMauszeiger::GroesseVertikal;
    case TCursorArt::GroesseDiagonalFallend:
        return TMauszeiger::GroesseDiagonalFallend;
    case TCursorArt::Drehen:
        return TMauszeiger::Drehen;
    case TCursorArt::PunktVerschieben:
        return TMauszeiger::PunktVerschieben;
    case TCursorArt::LinienAbschnitt:
        return TMauszeiger::LinienAbschnitt;
    case TCursorArt::Pfeil:
        break;
    }
    return TMauszeiger::Standard;
}

TMausSteuerung::TMausSteuerung(TFensterKontext *kontext) : Bereichsrahmen(kontext), k_(kontext) {}

TMausSteuerung::~TMausSteuerung() = default;

double TMausSteuerung::xWelt(int x) const
{
    return k_->Flaeche()->XWelt(x);
}

double TMausSteuerung::yWelt(int y) const
{
    return k_->Flaeche()->YWelt(y);
}

bool TMausSteuerung::istGewaehlt(const TZeichenObjekt *figur) const
{
    const auto &a = k_->Auswahl();
    return std::find(a.begin(), a.end(), figur) != a.end();
}

void TMausSteuerung::auswahlLeeren()
{
    k_->Auswahl().clear();
}

TZeichenObjekt *TMausSteuerung::NeueFigur() const
{
    return aufziehen_ ? aufziehen_->Figur() : nullptr;
}

int TMausSteuerung::AusgewaehlteSperre() const
{
    const auto &a = k_->Auswahl();
    if (a.empty())
        return 2;
    const std::uint8_t erste = a.front()->MausGesperrt;
    for (const TZeichenObjekt *f : a)
        if (f->MausGesperrt != erste)
            return 2;
    return erste ? 1 : 0;
}

bool TMausSteuerung::Erlaubt() const
{
    return k_->Lehrermodus() || AusgewaehlteSperre() == 0;
}

void TMausSteuerung::ZustandSetzen(TMauszustand zustand)
{
    Mauszustand = zustand;
    if (zustand == TMauszustand::GriffGedrueckt)
        k_->HinweisSetzen(QStringLiteral("Probiere die Wirkung der Shift- und Strg-Taste beim Ziehen aus!"));
}

// --- hover -------------------------------------------------------------------

void TMausSteuerung::UeberpruefeMausposition(int px, int py)
{
    LetzteMausPixel = QPoint(px, py);
    Mauszustand = TMauszustand::Frei;
    AktuellesObjekt = nullptr;
    AktuellerGriff = nullptr;
    TZeichenflaeche *zf = k_->Flaeche();
    const double x = xWelt(px), y = yWelt(py);
    auto &teile = k_->Dokument()->Teile;

    // Handles of all figures come before any figure body; front first.
    bool griffGefunden = false;
    for (auto it = teile.rbegin(); it != teile.rend() && !griffGefunden; ++it) {
        auto *figur = dynamic_cast<TZeichenObjekt *>(it->get());
        if (!figur)
            continue;
        TGriff *griff = figur->GriffAnStelle(zf, x, y);
        if (!griff)
            continue;
        griffGefunden = true;
        if (!k_->Lehrermodus() && figur->MausGesperrt) {
            // A locked figure shows a lock mark instead of handles: the
            // mouse is over the figure, which may be selected, not changed.
            AktuellesObjekt = figur;
            k_->ZeigerSetzen(TMauszeiger::Hand);
            Mauszustand = TMauszustand::UeberObjekt;
            break;
        }
        AktuellerGriff = griff;
        Mauszustand = TMauszustand::UeberGriff;
        k_->ZeigerSetzen(ZeigerFuerCursorArt(griff->CursorArt()));
    }
    if (!griffGefunden) {
        for (auto it = teile.rbegin(); it != teile.rend(); ++it) {
            auto *figur = dynamic_cast<TZeichenObjekt *>(it->get());
            if (!figur || !figur->Getroffen(zf, x, y))
                continue;
            AktuellesObjekt = figur;
            k_->ZeigerSetzen(k_->Lehrermodus() || !figur->MausGesperrt ? TMauszeiger::Verschieben
                                                                        : TMauszeiger::Hand);
            Mauszustand = TMauszustand::UeberObjekt;
            break;
        }
    }
    if (Mauszustand == TMauszustand::Frei)
        k_->ZeigerSetzen(TMauszeiger::Standard);
}

// --- mouse down ----------------------------------------------------------------

void TMausSteuerung::MausRunter(const TMausEreignis &m)
{
    k_->PickerSchliessen();
    k_->VervollstaendigungVerbergen();
    if (Mauszustand == TMauszustand::Frei || Mauszustand == TMauszustand::UeberObjekt ||
        Mauszustand == TMauszustand::UeberGriff)
        UeberpruefeMausposition(m.X, m.Y);
    k_->FlaecheFokussieren();
    // A gesture is one step; the selection before the click is the one
    // undo gives back.
    if (!GesteLaeuft())
        k_->SchrittBeginnen();
    const double x = xWelt(m.X), y = yWelt(m.Y);
    if (m.Taste == Qt::LeftButton)
        linksRunter(m, x, y);
    else if (m.Taste == Qt::RightButton)
        rechtsRunter(x, y);
    k_->OberflaecheAktualisieren();
}

void TMausSteuerung::linksRunter(const TMausEreignis &m, double x, double y)
{
    switch (Mauszustand) {
    case TMauszustand::Frei:
        if (!m.Shift) {
            AlleGriffeEntfernen();
            auswahlLeeren();
            k_->AnalysatorFokusSetzen(k_->Dokument());
            k_->Neuzeichnen();
            k_->HinweisSetzen(QString());
        }
        Bereichsrahmen.RahmenBeginnen(x, y);
        Mauszustand = TMauszustand::RahmenZiehen;
        k_->AttributanzeigeAktualisieren();
        k_->AnalysatorDiagrammZeichnen();
        break;

    case TMauszustand::UeberObjekt: {
        TZeichenObjekt *o = AktuellesObjekt;
        if (m.Shift) {
            auto &a = k_->Auswahl();
            if (istGewaehlt(o)) {
                a.erase(std::find(a.begin(), a.end(), o));
                GreifPunkt = {x, y};
                GriffeNeuErzeugen();
                k_->Neuzeichnen();
            } else {
                a.push_back(o);
                LetzterPunkt = GreifPunkt = {x, y};
                o->GriffeErzeugen(k_->Flaeche());
                k_->Neuzeichnen();
                if (Erlaubt())
                    Mauszustand = TMauszustand::ObjektGedrueckt;
                else
                    k_->HinweisSetzen(GesperrtHinweis());
            }
            k_->AttributanzeigeAktualisieren();
            k_->OberflaecheAktualisieren();
        } else {
            if (!istGewaehlt(o)) {
                auswahlLeeren();
                AlleGriffeEntfernen();
                k_->Auswahl().push_back(o);
                k_->AnalysatorFokusSetzen(o);
                o->GriffeErzeugen(k_->Flaeche());
                k_->Neuzeichnen();
                k_->AttributanzeigeAktualisieren();
                k_->OberflaecheAktualisieren();
                if (istLinienzug(o))
                    TippZeigen(0);
            }
            if (Erlaubt()) {
                LetzterPunkt = GreifPunkt = {x, y};
                Mauszustand = TMauszustand::ObjektGedrueckt;
            } else {
                k_->HinweisSetzen(GesperrtHinweis());
            }
        }
        k_->AnalysatorDiagrammZeichnen();
        break;
    }

    case TMauszustand::UeberGriff: {
        TGriff *g = AktuellerGriff;
        if (g && (k_->Lehrermodus() || !g->Figur->MausGesperrt)) {
            k_->ZeigerSetzen(TMauszeiger::Standard);
            griffZiehen_ = std::make_unique<TGriffZiehen>(k_, g);
            griffZiehen_->Beginnen(m.Shift, m.Strg, x, y);
            ZustandSetzen(TMauszustand::GriffGedrueckt);
        } else if (g) {
            k_->HinweisSetzen(GesperrtHinweis());
        }
        break;
    }

    case TMauszustand::WerkzeugBereit: {
        AlleGriffeEntfernen();
        k_->Neuzeichnen();
        if (!aufziehen_)
            break;
        aufziehen_->Beginnen(x, y);
        Mauszustand = TMauszustand::AufziehenBegonnen;
        k_->AnalysatorDiagrammZeichnen();
        switch (aufziehen_->Figur()->KlassenId) {
        case KlasseRechteck:
            TippZeigen(4);
            break;
        case KlasseEllipse:
            TippZeigen(5);
            break;
        case KlasseLinie:
            TippZeigen(6);
            break;
        case KlasseVielEck:
            TippZeigen(7);
            break;
        case KlasseLinienZug:
            Mauszustand = TMauszustand::FigurAufziehen;
            TippZeigen(2);
            break;
        default:
            break;
        }
        break;
    }

    case TMauszustand::FigurAufziehen:
        if (TLinienZug *n = neuerLinienzug()) {
            aufziehen_->Aufziehen(m.Shift, m.Strg, x, y);
            bool fertig = false;
            aufziehen_->MitVorschau([&](TZeichenflaeche *zf) { fertig = n->PunktAnklicken(zf); });
            if (fertig)
                AufziehenAbschliessen();
        }
        break;

    default:
        GesteAbbrechen();
        break;
    }
}

void TMausSteuerung::rechtsRunter(double x, double y)
{
    switch (Mauszustand) {
    case TMauszustand::Frei:
        AlleGriffeEntfernen();
        auswahlLeeren();
        k_->AnalysatorFokusSetzen(k_->Dokument());
        k_->Neuzeichnen();
        k_->HinweisSetzen(QString());
        break;
    case TMauszustand::UeberObjekt: {
        TZeichenObjekt *o = AktuellesObjekt;
        if (!istGewaehlt(o)) {
            auswahlLeeren();
            AlleGriffeEntfernen();
            k_->Auswahl().push_back(o);
            o->GriffeErzeugen(k_->Flaeche());
            k_->Neuzeichnen();
        }
        LetzterPunkt = GreifPunkt = {x, y};
        if (Erlaubt())
            Mauszustand = TMauszustand::ObjektGedrueckt;
        else
            k_->HinweisSetzen(GesperrtHinweis());
        break;
    }
    default:
        break;
    }
}

// --- mouse move ----------------------------------------------------------------

void TMausSteuerung::verschiebungBegrenzen(double &x, double &y, bool shift) const
{
    if (!shift)
        return;
    if (std::fabs(x - GreifPunkt.X) > std::fabs(y - GreifPunkt.Y))
        y = GreifPunkt.Y;
    else
        x = GreifPunkt.X;
}

void TMausSteuerung::MausBewegung(const TMausEreignis &m)
{
    LetzteMausPixel = QPoint(m.X, m.Y);
    double x = xWelt(m.X), y = yWelt(m.Y);
    switch (Mauszustand) {
    case TMauszustand::Frei:
    case TMauszustand::UeberObjekt:
    case TMauszustand::UeberGriff:
        UeberpruefeMausposition(m.X, m.Y);
        break;

    case TMauszustand::RahmenZiehen:
        Bereichsrahmen.RahmenAktualisieren(x, y);
        TippZeigen(1);
        break;

    case TMauszustand::ObjektGedrueckt: {
        // Measured in pixels: the drag starts only beyond 3 pixels.
        const double skala = k_->Flaeche()->SkalaX;
        const double abstand =
            std::hypot(x - LetzterPunkt.X, y - LetzterPunkt.Y) * skala;
        if (abstand <= 3.0 + 1e-6)
            break;
        ziehen_ = std::make_unique<TObjekteZiehen>(k_);
        verschiebungBegrenzen(x, y, m.Shift);
        ziehen_->Schritt(GreifPunkt.X, GreifPunkt.Y, LetzterPunkt.X, LetzterPunkt.Y, x, y);
        LetzterPunkt = {x, y};
        Mauszustand = TMauszustand::ObjekteZiehen;
        const QString shiftTipp =
            QStringLiteral("Probiere die Wirkung der Shift-Taste (=Hochstelltaste) während des Ziehens aus!");
        if (m.Gehalten.testFlag(Qt::RightButton) || QRandomGenerator::global()->bounded(2) == 0)
            k_->HinweisSetzen(shiftTipp);
        else
            k_->HinweisSetzen(QStringLiteral(
                "Was passiert, wenn Du ein Objekt mit der RECHTEN Maustaste ziehst? (Ausprobieren!)"));
        break;
    }

    case TMauszustand::ObjekteZiehen:
        if (!ziehen_)
            break;
        verschiebungBegrenzen(x, y, m.Shift);
        ziehen_->Schritt(GreifPunkt.X, GreifPunkt.Y, LetzterPunkt.X, LetzterPunkt.Y, x, y);
        LetzterPunkt = {x, y};
        break;

    case TMauszustand::GriffGedrueckt:
    case TMauszustand::GriffZiehen:
        if (!griffZiehen_)
            break;
        griffZiehen_->Ziehen(m.Shift, m.Strg, x, y);
        Mauszustand = TMauszustand::GriffZiehen;
        break;

    case TMauszustand::AufziehenBegonnen:
    case TMauszustand::FigurAufziehen:
        if (!aufziehen_)
            break;
        Mauszustand = TMauszustand::FigurAufziehen;
        aufziehen_->Aufziehen(m.Shift, m.Strg, x, y);
        if (neuerLinienzug())
            linienzugZeigerSetzen(x, y);
        break;

    default:
        break;
    }
}

void TMausSteuerung::mausBewegungOhneTasten(int x, int y)
{
    TMausEreignis m;
    m.X = x;
    m.Y = y;
    MausBewegung(m);
}

// --- mouse up ------------------------------------------------------------------

void TMausSteuerung::MausHoch(const TMausEreignis &m)
{
    k_->PickerSchliessen();
    double x = xWelt(m.X), y = yWelt(m.Y);

    if (m.Taste == Qt::RightButton) {
        if (!k_->Lehrermodus() && AusgewaehlteSperre() != 0 && Mauszustand != TMauszustand::Frei) {
            // a locked selection opens no menu
        } else if (Mauszustand == TMauszustand::ObjekteZiehen) {
            verschiebungBegrenzen(x, y, m.Shift);
            AblagePunkt = {x, y};
            AblagePixel = QPoint(m.X, m.Y);
            k_->VerschiebenMenueZeigen(k_->GlobalePosition(m.X, m.Y));
        } else {
            if (Mauszustand == TMauszustand::Frei) {
                AlleGriffeEntfernen();
                auswahlLeeren();
                k_->AnalysatorFokusSetzen(k_->Dokument());
                k_->Neuzeichnen();
                k_->HinweisSetzen(QString());
            } else if (Mauszustand == TMauszustand::ObjektGedrueckt) {
                // A right click without a drag: the press is over.
                Mauszustand = TMauszustand::UeberObjekt;
            }
            LetzteMausPixel = QPoint(m.X, m.Y);
            k_->ObjektMenueZeigen(k_->GlobalePosition(m.X, m.Y));
        }
    } else if (m.Taste == Qt::LeftButton) {
        switch (Mauszustand) {
        case TMauszustand::GriffGedrueckt:
        case TMauszustand::GriffZiehen:
            if (griffZiehen_) {
                griffZiehen_->Beenden();
                griffZiehen_.reset();
            }
            AktuellerGriff = nullptr;
            GriffeNeuErzeugen();
            k_->Neuzeichnen();
            Mauszustand = TMauszustand::Frei;
            mausBewegungOhneTasten(m.X, m.Y);
            k_->AnalysatorAktualisieren();
            k_->GeaendertSetzen();
            break;

        case TMauszustand::RahmenZiehen:
            Bereichsrahmen.RahmenBeenden(m.Shift, false);
            k_->AttributanzeigeAktualisieren();
            GriffeNeuErzeugen();
            k_->AnalysatorDiagrammZeichnen();
            k_->Neuzeichnen();
            Mauszustand = TMauszustand::Frei;
            mausBewegungOhneTasten(m.X, m.Y);
            break;

        case TMauszustand::ObjektGedrueckt:
            Mauszustand = TMauszustand::UeberObjekt;
            break;

        case TMauszustand::ObjekteZiehen: {
            ziehen_.reset();
            verschiebungBegrenzen(x, y, m.Shift);
            const double dx = x - GreifPunkt.X, dy = y - GreifPunkt.Y;
            const std::vector<TZeichenObjekt *> auswahl = k_->Auswahl();
            for (TZeichenObjekt *f : auswahl)
                f->verschieben(dx, dy);
            GriffeNeuErzeugen();
            k_->Neuzeichnen();
            Mauszustand = TMauszustand::Frei;
            mausBewegungOhneTasten(m.X, m.Y);
            k_->AnalysatorAktualisieren();
            k_->GeaendertSetzen();
            break;
        }

        case TMauszustand::FigurAufziehen: {
            bool fertig = true;
            if (TLinienZug *n = neuerLinienzug()) {
                aufziehen_->Aufziehen(m.Shift, m.Strg, x, y);
                aufziehen_->MitVorschau([&](TZeichenflaeche *zf) { fertig = n->PunktAnklicken(zf); });
            }
            if (fertig) {
                AufziehenAbschliessen();
                k_->AttributanzeigeAktualisieren();
                const auto &a = k_->Auswahl();
                if (a.size() == 1 && a.front()->KlassenId == KlasseTextFeld)
                    k_->TextBearbeitenKlicken();
            }
            break;
        }

        default:
            GesteAbbrechen();
            Mauszustand = TMauszustand::Frei;
            mausBewegungOhneTasten(m.X, m.Y);
            break;
        }
    }
    k_->OberflaecheAktualisieren();
}

bool TMausSteuerung::Doppelklick(const TMausEreignis &)
{
    TLinienZug *n = Mauszustand == TMauszustand::FigurAufziehen ? neuerLinienzug() : nullptr;
    if (!n) {
        // The second press of a double click starts nothing: the first
        // click has selected, and a press on the handles the figure has
        // just got would insert a vertex into a polyline. A double click
        // on a text field opens "Text bearbeiten" for it.
        const auto &a = k_->Auswahl();
        if (Mauszustand == TMauszustand::UeberObjekt && AktuellesObjekt &&
            AktuellesObjekt->KlassenId == KlasseTextFeld && a.size() == 1 && a.front() == AktuellesObjekt) {
            if (Erlaubt())
                k_->TextBearbeitenKlicken();
            else
                k_->HinweisSetzen(GesperrtHinweis());
        }
        return true;
    }
    bool fertig = false;
    aufziehen_->MitVorschau([&](TZeichenflaeche *zf) { fertig = n->LinienzugAbschliessen(zf); });
    if (fertig)
        AufziehenAbschliessen();
    else
        GesteAbbrechen();
    return true;
}

TLinienZug *TMausSteuerung::neuerLinienzug() const
{
    TZeichenObjekt *n = NeueFigur();
    return istLinienzug(n) ? static_cast<TLinienZug *>(n) : nullptr;
}

void TMausSteuerung::linienzugZeigerSetzen(double x, double y)
{
    TLinienZug *n = neuerLinienzug();
    if (!n || n->PunktAnzahl() < 1)
        return;
    const TLinienZugPunkt *erster = n->Punkt(0);
    const double abstand = std::hypot(x - erster->X, y - erster->Y) * k_->Flaeche()->SkalaX;
    k_->ZeigerSetzen(abstand < 3.0 ? TMauszeiger::Schliessen : TMauszeiger::Kreuz);
}

// --- tools -----------------------------------------------------------------------

std::unique_ptr<TZeichenObjekt> TMausSteuerung::neueFigur(TWerkzeug werkzeug) const
{
    TDokument *dok = k_->Dokument();
    TAnalysator *an = k_->Analysator();
    TKlassenObjekte *kl = k_->Klassen();
    std::unique_ptr<TZeichenObjekt> figur;
    switch (werkzeug) {
    case TWerkzeug::Rechteck:
        figur = std::make_unique<TRechteck>(dok, an, kl->RECHTECK);
        break;
    case TWerkzeug::Ellipse:
        figur = std::make_unique<TEllipse>(dok, an, kl->ELLIPSE);
        break;
    case TWerkzeug::Linie:
        figur = std::make_unique<TLinie>(dok, an, kl->LINIE);
        break;
    case TWerkzeug::Linienzug:
    case TWerkzeug::Kurvenzug: {
        auto lz = std::make_unique<TLinienZug>(dok, an, kl->LINIENZUG);
        lz->NeueAbschnittArt = werkzeug == TWerkzeug::Kurvenzug ? 1 : 0;
        figur = std::move(lz);
        break;
    }
    case TWerkzeug::Vieleck:
        figur = std::make_unique<TVielEck>(dok, an, kl->VIELECK);
        break;
    case TWerkzeug::TextFeld:
        figur = std::make_unique<TTextFeld>(dok, an, kl->TEXTFELD);
        break;
    }
    figur->Name = QStringLiteral("test");
    return figur;
}

void TMausSteuerung::WerkzeugWaehlen(TWerkzeug werkzeug)
{
    // The caller has already cancelled everything and pressed the button.
    k_->ZeigerSetzen(TMauszeiger::Kreuz);
    aufziehen_ = std::make_unique<TFigurAufziehen>(k_, neueFigur(werkzeug));
    AktuellesObjekt = aufziehen_->Figur();
    Mauszustand = TMauszustand::WerkzeugBereit;
}

void TMausSteuerung::AufziehenAbschliessen()
{
    if (!aufziehen_ || !aufziehen_->Figur())
        return;
    std::unique_ptr<TZeichenObjekt> neu = aufziehen_->Abgeben();
    aufziehen_.reset();
    TZeichenObjekt *n = neu.get();
    TZeichenflaeche *zf = k_->Flaeche();
    const TPickerWerte &picker = k_->PickerWerte();

    n->NamenVergeben();
    n->AufziehenBeenden(zf);
    auto sichtbar = [](const TFarbe &f) { return f.FarbArt == FarbArtFarbe ? f : Gelb; };
    if (n->KlassenId != KlasseLinie)
        n->FüllfarbeSetzen(sichtbar(picker.Fuellfarbe));
    n->LinienfarbeSetzen(sichtbar(picker.Linienfarbe));
    n->LinienstärkeSetzen(picker.Linienstaerke > 0 ? picker.Linienstaerke : 0.01);
    n->LinienartSetzen(picker.Linienart != 0 ? picker.Linienart : 1);

    k_->Dokument()->TeilAnhaengen(std::move(neu));
    auswahlLeeren();
    k_->Auswahl().push_back(n);
    k_->AnalysatorFokusSetzen(n);
    n->GriffeErzeugen(zf);
    n->GeometrieBerechnen();
    AktuellesObjekt = nullptr;
    k_->Neuzeichnen();
    MausNeuBewerten();
    k_->WerkzeugeLoesen();
    k_->AnalysatorNeuAufbauen();
    k_->GeaendertSetzen();
}

// --- cancelling and re-evaluating ----------------------------------------------

void TMausSteuerung::GesteAbbrechen()
{
    k_->WerkzeugeLoesen();
    bool neuzeichnen = false;
    if (AktuellerGriff && !GriffGueltig(AktuellerGriff))
        AktuellerGriff = nullptr;
    if (AktuellerGriff) {
        if (AktuellerGriff->ZiehtGerade())
            AktuellerGriff->ZiehenAbbrechen();
        neuzeichnen = true;
    }
    griffZiehen_.reset();
    if (Mauszustand == TMauszustand::WerkzeugBereit ||
        Mauszustand == TMauszustand::AufziehenBegonnen ||
        Mauszustand == TMauszustand::FigurAufziehen) {
        aufziehen_.reset();
        AktuellesObjekt = nullptr;
        // The selection that was there keeps showing its handles.
        if (Mauszustand != TMauszustand::WerkzeugBereit)
            GriffeNeuErzeugen();
        neuzeichnen = true;
    }
    Bereichsrahmen.RahmenBeenden(false, true);
    if (Mauszustand != TMauszustand::Frei && Mauszustand != TMauszustand::UeberObjekt &&
        Mauszustand != TMauszustand::UeberGriff)
        neuzeichnen = true;
    ziehen_.reset();
    // Whatever the state said, no gesture survives a cancel.
    aufziehen_.reset();
    if (neuzeichnen)
        k_->Neuzeichnen();
    Mauszustand = TMauszustand::Frei;
    k_->ZeigerSetzen(TMauszeiger::Standard);
    k_->VervollstaendigungVerbergen();
}

void TMausSteuerung::MausNeuBewerten()
{
    Mauszustand = TMauszustand::Frei;
    mausBewegungOhneTasten(LetzteMausPixel.x(), LetzteMausPixel.y());
}

void TMausSteuerung::AlleGriffeEntfernen()
{
    // A handle drag cannot outlive its handle.
    griffZiehen_.reset();
    for (auto &teil : k_->Dokument()->Teile)
        if (auto *figur = dynamic_cast<TZeichenObjekt *>(teil.get()))
            figur->GriffeFreigeben();
    // No handle survives this; never keep a reference to one.
    AktuellerGriff = nullptr;
    KontextGriff = nullptr;
}

void TMausSteuerung::GriffeNeuErzeugen()
{
    AlleGriffeEntfernen();
    for (TZeichenObjekt *f : k_->Auswahl())
        f->GriffeErzeugen(k_->Flaeche());
}

void TMausSteuerung::ObjektVergessen(const TObjekt *objekt)
{
    if (AktuellesObjekt == objekt)
        AktuellesObjekt = nullptr;
    if (AktuellerGriff && AktuellerGriff->Figur == objekt)
        AktuellerGriff = nullptr;
    if (KontextGriff && KontextGriff->Figur == objekt)
        KontextGriff = nullptr;
}

bool TMausSteuerung::GriffGueltig(const TGriff *griff) const
{
    if (!griff)
        return false;
    for (const auto &teil : k_->Dokument()->Teile)
        if (const auto *figur = dynamic_cast<const TZeichenObjekt *>(teil.get()))
            for (const auto &g : figur->Griffe)
                if (g.get() == griff)
                    return true;
    return false;
}

bool TMausSteuerung::GesteLaeuft() const
{
    return Mauszustand != TMauszustand::Frei && Mauszustand != TMauszustand::UeberObjekt &&
           Mauszustand != TMauszustand::UeberGriff;
}

// --- keyboard ------------------------------------------------------------------

bool TMausSteuerung::TasteRunter(int taste, bool shift, bool strg)
{
    if (k_->EingabefeldHatFokus())
        return false;
    bool behandelt = false;
    const double s = 1.0 / k_->Flaeche()->SkalaX;
    switch (taste) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
        if (taste != LetzteTaste &&
            (Mauszustand == TMauszustand::ObjekteZiehen || Mauszustand == TMauszustand::GriffZiehen ||
             Mauszustand == TMauszustand::FigurAufziehen)) {
            TMausEreignis m;
            m.Shift = shift;
            m.Strg = strg;
            m.X = LetzteMausPixel.x();
            m.Y = LetzteMausPixel.y();
            MausBewegung(m);
        }
        break;
    case Qt::Key_Escape:
        GesteAbbrechen();
        behandelt = true;
        break;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        AuswahlLoeschen();
        behandelt = true;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        const double dx = taste == Qt::Key_Left ? -s : taste == Qt::Key_Right ? s : 0.0;
        const double dy = taste == Qt::Key_Down ? -s : taste == Qt::Key_Up ? s : 0.0;
        if (Erlaubt())
            AuswahlVerschieben(dx, dy);
        else if (!k_->Auswahl().empty())
            k_->HinweisSetzen(GesperrtHinweis());
        behandelt = true;
        break;
    }
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // The window keeps Tab for itself: it neither moves the focus nor
        // does anything on the drawing.
        behandelt = true;
        break;
    default:
        break;
    }
    LetzteTaste = taste;
    return behandelt;
}

void TMausSteuerung::TasteHoch(int taste, bool shift, bool strg)
{
    if (taste == LetzteTaste)
        LetzteTaste = 0;
    if (Mauszustand == TMauszustand::ObjekteZiehen || Mauszustand == TMauszustand::GriffZiehen ||
        Mauszustand == TMauszustand::FigurAufziehen) {
        TMausEreignis m;
        m.Shift = shift;
        m.Strg = strg;
        m.X = LetzteMausPixel.x();
        m.Y = LetzteMausPixel.y();
        MausBewegung(m);
    }
}

QString TMausSteuerung::GesperrtHinweis()
{
    return QStringLiteral("Dieses Objekt ist gesperrt: Nur im Lehrermodus lässt es sich mit Maus "
                          "und Tasten ändern.");
}

void TMausSteuerung::AuswahlLoeschen()
{
    if (k_->Auswahl().empty())
        return;
    if (!Erlaubt()) {
        k_->HinweisSetzen(GesperrtHinweis());
        return;
    }
    k_->ObjekteLoeschen(k_->Auswahl());
}

void TMausSteuerung::AllesAuswaehlen()
{
    if (GesteLaeuft())
        GesteAbbrechen();
    auto &auswahl = k_->Auswahl();
    auswahl.clear();
    for (auto &teil : k_->Dokument()->Teile)
        if (auto *figur = dynamic_cast<TZeichenObjekt *>(teil.get()))
            auswahl.push_back(figur);
    GriffeNeuErzeugen();
    k_->Neuzeichnen();
    k_->AttributanzeigeAktualisieren();
    k_->AnalysatorDiagrammZeichnen();
    MausNeuBewerten();
}

void TMausSteuerung::AuswahlVerschieben(double dx, double dy)
{
    const std::vector<TZeichenObjekt *> auswahl = k_->Auswahl();
    if (auswahl.empty())
        return;
    k_->SchrittBeginnen();
    for (TZeichenObjekt *f : auswahl)
        f->verschieben(dx, dy);
    GriffeNeuErzeugen();
    k_->Neuzeichnen();
    k_->GeaendertSetzen();
}

// --- the endings of a right-button drag ----------------------------------------

void TMausSteuerung::HierhinVerschieben()
{
    ziehen_.reset();
    const double dx = AblagePunkt.X - GreifPunkt.X, dy = AblagePunkt.Y - GreifPunkt.Y;
    const std::vector<TZeichenObjekt *> auswahl = k_->Auswahl();
    for (TZeichenObjekt *f : auswahl)
        f->verschieben(dx, dy);
    GriffeNeuErzeugen();
    k_->Neuzeichnen();
    Mauszustand = TMauszustand::Frei;
    mausBewegungOhneTasten(AblagePixel.x(), AblagePixel.y());
    k_->AnalysatorAktualisieren();
    k_->GeaendertSetzen();
}

void TMausSteuerung::HierherKopieren()
{
    ziehen_.reset();
    const double dx = AblagePunkt.X - GreifPunkt.X, dy = AblagePunkt.Y - GreifPunkt.Y;
    TDokument *dok = k_->Dokument();
    auto &auswahl = k_->Auswahl();
    // Only the figures present before the command, in drawing order.
    std::vector<TObjekt *> vorher;
    for (auto &teil : dok->Teile)
        vorher.push_back(teil.get());
    for (TObjekt *o : vorher) {
        auto stelle = std::find(auswahl.begin(), auswahl.end(), o);
        if (stelle == auswahl.end())
            continue;
        std::unique_ptr<TObjekt> kopie = o->Duplizieren(true);
        auto *c = dynamic_cast<TZeichenObjekt *>(kopie.get());
        if (!c)
            continue;
        c->verschieben(dx, dy);
        dok->TeilAnhaengen(std::move(kopie));
        *stelle = c;
    }
    if (auswahl.size() == 1)
        k_->AnalysatorFokusSetzen(auswahl.front());
    GriffeNeuErzeugen();
    k_->Neuzeichnen();
    Mauszustand = TMauszustand::Frei;
    mausBewegungOhneTasten(AblagePixel.x(), AblagePixel.y());
    k_->AnalysatorAktualisieren();
    k_->AnalysatorNeuAufbauen();
    k_->GeaendertSetzen();
}

// --- previews and hints --------------------------------------------------------

void TMausSteuerung::VorschauenNachzeichnen(TZeichenflaeche *zf)
{
    if (Bereichsrahmen.Sichtbar)
        Bereichsrahmen.Malen(zf);
    if (ziehen_)
        ziehen_->Nachzeichnen(zf);
    if (aufziehen_)
        aufziehen_->Nachzeichnen(zf);
    if (griffZiehen_)
        griffZiehen_->Nachzeichnen(zf);
}

QStringList TMausSteuerung::Tipps(int situation)
{
    switch (situation) {
    case 0:
        return {QStringLiteral("Klicke mit Links auf ein Liniensegment, um einen neuen Punkt zu erzeugen!"),
                QStringLiteral("Klicke mit Rechts auf ein Liniensegment, um es gerade/gebogen zu machen!"),
                QStringLiteral("Du kannst die Eckpunkte des Liniensegments verziehen."),
                QStringLiteral("Klicke mit rechts auf ein Liniensegment, um den Linienzug zu öffnen/schließen!")};
    case 1:
        return {QStringLiteral("Alle Objekte innerhalb des gezogenen Rahmens werden markiert.")};
    case 2:
        return {QStringLiteral("Klicke am Ende Auf den Anfangspunkt, um den Linienzug zu schließen!"),
                QStringLiteral("Probiere die Shift-Taste während des Ziehens aus!"),
                QStringLiteral("Du kannst später aus einem geraden Segment einen Bogen machen (Rechtsklick darauf, ...)!)"),
                QStringLiteral("Du kannst später aus einem gebogenen Segment ein gerades machen (Rechtsklick darauf, ...)!)")};
    case 4:
        return {QStringLiteral("Du erhältst ein Quadrat, wenn Du während des Aufziehens die Shift-Taste gedrückt hältst!"),
                QStringLiteral("Durch Drücken der Strg-Taste während des Aufziehens wird der Diagonalenschnittpunkt festgehalten.")};
    case 5:
        return {QStringLiteral("Du erhältst einen Kreis, wenn Du während des Aufziehens die Shift-Taste gedrückt hältst!"),
                QStringLiteral("Durch Drücken der Strg-Taste während des Aufziehens wird der Mittelpunkt festgehalten.")};
    case 7:
        return {QStringLiteral("Du erhältst eine regelmäßiges Vieleck, wenn Du während des Aufziehens die Shift-Taste gedrückt hältst!"),
                QStringLiteral("Durch Drücken der Strg-Taste während des Aufziehens wird der Mittelpunkt festgehalten.")};
    default:
        return {};
    }
}

void TMausSteuerung::TippZeigen(int situation)
{
    const QStringList tipps = Tipps(situation);
    if (tipps.isEmpty())
        return;
    k_->HinweisSetzen(tipps.at(int(QRandomGenerator::global()->bounded(tipps.size()))));
}
