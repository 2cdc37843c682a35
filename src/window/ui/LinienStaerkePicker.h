#pragma once
#include "window/ui/PickerFenster.h"

// The line-width picker popup: eight widths from 0.1 mm to 5.0 mm, each with
// its caption and a sample of rows.
class TFLinienStaerkePicker : public TPickerFenster
{
    Q_OBJECT
public:
    explicit TFLinienStaerkePicker(QWidget *eltern);

    double Staerkewahl = 0.01; // cm; -1.0 for a mixed selection

    void ZellenMarkieren() override;

protected:
    void waehlen(int tag) override;
};
