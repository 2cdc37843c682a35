#include "window/ui/LinienStaerkePicker.h"

#include "window/Attributanzeige.h"

TFLinienStaerkePicker::TFLinienStaerkePicker(QWidget *eltern) : TPickerFenster(eltern)
{
    setObjectName(QStringLiteral("TFLinienStaerkePicker"));
    setFixedSize(104, 153);
    for (int i = 0; i < int(StaerkeZellen.size()); ++i) {
        TColorPanel *z = zelleAnlegen(this, ZelleStaerke, 0, i,
                                      QRect(6, 18 * i + 5, width() - 12, 16), StaerkeText(i));
        z->Beschriftung = StaerkeText(i);
        z->Zellendicke = StaerkeZellen[std::size_t(i)].Dicke;
    }
}

void TFLinienStaerkePicker::waehlen(int tag)
{
    if (tag >= 0 && tag < int(StaerkeZellen.size()))
        Staerkewahl = StaerkeZellen[std::size_t(tag)].Breite;
    alleLoesen();
    melden();
}

void TFLinienStaerkePicker::ZellenMarkieren()
{
    alleLoesen();
    if (const auto zelle = StaerkezelleFuer(Staerkewahl))
        if (TColorPanel *z = Zelle(*zelle))
            z->SetDown(true);
}
