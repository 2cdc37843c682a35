#pragma once
#include "window/ui/PickerFenster.h"

#include <cstdint>

// The line-style picker popup: one drawn sample for each of the five line
// styles.
class TFLinienArt : public TPickerFenster
{
    Q_OBJECT
public:
    explicit TFLinienArt(QWidget *eltern);

    std::uint8_t Artwahl = 1; // line-style id, 0 = none (a mixed selection)

    void ZellenMarkieren() override;

protected:
    void waehlen(int tag) override;
};
