#include "window/ui/LinienArtPicker.h"

#include "model/Werte.h"

TFLinienArt::TFLinienArt(QWidget *eltern) : TPickerFenster(eltern)
{
    setObjectName(QStringLiteral("TFLinienArt"));
    setFixedSize(104, 99);
    for (int art = 1; art <= 5; ++art) {
        TColorPanel *z = zelleAnlegen(this, ZelleLinienart, 0, art,
                                      QRect(5, 18 * (art - 1) + 5, width() - 10, 16),
                                      Werte::Linienarten().value(art));
        z->ZellenLinienart = std::uint8_t(art);
    }
}

void TFLinienArt::waehlen(int tag)
{
    Artwahl = std::uint8_t(tag);
    alleLoesen();
    melden();
}

void TFLinienArt::ZellenMarkieren()
{
    alleLoesen();
    if (Artwahl != 0)
        if (TColorPanel *z = Zelle(Artwahl))
            z->SetDown(true);
}
