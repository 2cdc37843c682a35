#pragma once
#include "window/ui/AnalysatorAnschluss.h"

#include <QPointer>

class TFAnalysator;
class QWidget;

// Connects the analyser window (TFAnalysator) to the main window through
// TAnalysatorAnschluss. Does nothing once the window is gone.
class TAnalysatorFensterAnschluss : public TAnalysatorAnschluss
{
public:
    TAnalysatorFensterAnschluss(TFAnalysator *fenster, QWidget *hauptfenster);

    TFAnalysator *Fenster() const;

    void FokusSetzen(TObjekt *objekt) override;
    void Aktualisieren() override;
    void DiagrammZeichnen() override;
    void FokusKartenZeichnen() override;
    TObjekt *FokusObjekt() const override;
    TObjekt *MarkiertesObjekt() const override;
    void Zeigen() override;
    void Schliessen() override;

private:
    QPointer<TFAnalysator> fenster_;
    QWidget *hauptfenster_;
};
