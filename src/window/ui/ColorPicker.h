#pragma once
#include "model/Farbe.h"
#include "window/ui/PickerFenster.h"

// The colour picker popup: the 42 named colours in 6 rows of 7 and, above
// them, the cell "Unsichtbar".
class TFColorPicker : public TPickerFenster
{
    Q_OBJECT
public:
    explicit TFColorPicker(QWidget *eltern);

    TFarbe Farbwahl; // the chosen colour
    QWidget *PFarben = nullptr;
    TColorPanel *ZelleUnsichtbar = nullptr;

    void ZellenMarkieren() override;

protected:
    void waehlen(int tag) override;
};
