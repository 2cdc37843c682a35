#include "window/ui/Geste.h"
#include "figures/Griff.h"
#include "figures/ZeichenObjekt.h"
#include "surface/Zeichenflaeche.h"
#include "window/ui/FensterKontext.h"

TObjekteZiehen::TObjekteZiehen(TFensterKontext *kontext) : TGeste(kontext)
{
    for (TZeichenObjekt *figur : kontext_->Auswahl()) {
        std::unique_ptr<TObjekt> kopie = figur->Duplizieren(false);
        auto *zo = dynamic_cast<TZeichenObjekt *>(kopie.get());
        if (!zo)
            continue;
        kopie.release();
        std::unique_ptr<TZeichenObjekt> k(zo);
        k->VorschauSetzen(true);
        kopien_.push_back(std::move(k));
    }
}

TObjekteZiehen::~TObjekteZiehen() = default;

void TObjekteZiehen::Schritt(double greifX, double greifY, double letzterX, double letzterY,
                             double neuX, double neuY)
{
    kontext_->VorschauMalen([&](TZeichenflaeche *zf) {
        for (auto &k : kopien_) {
            if (gezeichnet_)
                k->Zeichnen(zf); // erases it
            k->verschieben(greifX - letzterX, greifY - letzterY);
            k->verschieben(neuX - greifX, neuY - greifY);
            k->Zeichnen(zf);
        }
    });
    gezeichnet_ = true;
}

void TObjekteZiehen::Nachzeichnen(TZeichenflaeche *zf)
{
    if (!gezeichnet_)
        return;
    for (auto &k : kopien_)
        k->Zeichnen(zf);
}

// ---------------------------------------------------------------------------

TFigurAufziehen::TFigurAufziehen(TFensterKontext *kontext, std::unique_ptr<TZeichenObjekt> figur)
    : TGeste(kontext), figur_(std::move(figur))
{
}

TFigurAufziehen::~TFigurAufziehen() = default;

void TFigurAufziehen::Beginnen(double x, double y)
{
    MitVorschau([&](TZeichenflaeche *zf) { figur_->AufziehenBeginnen(zf, x, y); });
    begonnen_ = true;
}

void TFigurAufziehen::Aufziehen(bool quadratisch, bool ausDerMitte, double x, double y)
{
    MitVorschau(
        [&](TZeichenflaeche *zf) { figur_->Aufziehen(zf, quadratisch, ausDerMitte, x, y); });
}

void TFigurAufziehen::MitVorschau(const std::function<void(TZeichenflaeche *)> &schritt)
{
    if (figur_)
        kontext_->VorschauMalen(schritt);
}

std::unique_ptr<TZeichenObjekt> TFigurAufziehen::Abgeben()
{
    begonnen_ = false;
    return std::move(figur_);
}

void TFigurAufziehen::Nachzeichnen(TZeichenflaeche *zf)
{
    if (begonnen_ && figur_)
        figur_->Zeichnen(zf);
}

// ---------------------------------------------------------------------------

TGriffZiehen::TGriffZiehen(TFensterKontext *kontext, TGriff *griff) : TGeste(kontext), griff_(griff)
{
}

TGriffZiehen::~TGriffZiehen()
{
    // Cancelled: the copy goes, the figure stays untouched.
    if (griff_ && griff_->ZiehtGerade())
        griff_->ZiehenAbbrechen();
}

void TGriffZiehen::Beginnen(bool shift, bool strg, double x, double y)
{
    kontext_->VorschauMalen([&](TZeichenflaeche *zf) {
        griff_->ZiehenBeginnen(zf, x, y);
        griff_->Ziehen(shift, strg, x, y, zf);
    });
}

void TGriffZiehen::Ziehen(bool shift, bool strg, double x, double y)
{
    if (griff_->ZiehtGerade())
        kontext_->VorschauMalen([&](TZeichenflaeche *zf) { griff_->Ziehen(shift, strg, x, y, zf); });
}

void TGriffZiehen::Beenden()
{
    TGriff *g = griff_;
    griff_ = nullptr;
    if (g && g->ZiehtGerade())
        g->ZiehenBeenden();
}

void TGriffZiehen::Nachzeichnen(TZeichenflaeche *zf)
{
    if (griff_ && griff_->VorschauKopie)
        griff_->VorschauKopie->Zeichnen(zf);
}
