#include "window/ui/AnalysatorFensterAnschluss.h"
#include "analyser/ui/FAnalysator.h"

TAnalysatorFensterAnschluss::TAnalysatorFensterAnschluss(TFAnalysator *fenster, QWidget *hauptfenster)
    : fenster_(fenster), hauptfenster_(hauptfenster)
{
}

TFAnalysator *TAnalysatorFensterAnschluss::Fenster() const
{
    return fenster_.data();
}

void TAnalysatorFensterAnschluss::FokusSetzen(TObjekt *objekt)
{
    if (fenster_)
        fenster_->FokusSetzen(objekt);
}

void TAnalysatorFensterAnschluss::Aktualisieren()
{
    if (fenster_)
        fenster_->Aktualisieren();
}

void TAnalysatorFensterAnschluss::DiagrammZeichnen()
{
    if (fenster_)
        fenster_->DiagrammNeuZeichnen();
}

void TAnalysatorFensterAnschluss::FokusKartenZeichnen()
{
    if (fenster_)
        fenster_->FokuskartenNeuZeichnen();
}

TObjekt *TAnalysatorFensterAnschluss::FokusObjekt() const
{
    return fenster_ ? fenster_->ObjektImFokus() : nullptr;
}

TObjekt *TAnalysatorFensterAnschluss::MarkiertesObjekt() const
{
    return fenster_ ? fenster_->FokusrahmenObjekt() : nullptr;
}

void TAnalysatorFensterAnschluss::Zeigen()
{
    if (!fenster_)
        return;
    if (hauptfenster_)
        fenster_->Platzieren(hauptfenster_->frameGeometry());
    fenster_->show();
}

void TAnalysatorFensterAnschluss::Schliessen()
{
    if (fenster_)
        fenster_->hide();
}
