#include "window/ui/ColorPicker.h"

#include "window/Attributanzeige.h"

TFColorPicker::TFColorPicker(QWidget *eltern) : TPickerFenster(eltern)
{
    setObjectName(QStringLiteral("TFColorPicker"));
    PFarben = new QWidget(this);
    PFarben->setObjectName(QStringLiteral("PFarben"));
    PFarben->setGeometry(3, 20, 114, 98);
    setFixedSize(114 + 6, 98 + 24);
    for (int i = 0; i < int(BenannteFarben.size()); ++i) {
        const int zeile = i / 7, spalte = i % 7;
        const TBenannteFarbe &f = BenannteFarben[std::size_t(i)];
        zelleAnlegen(PFarben, ZelleFarbe, FarbWert(f.Rot, f.Gruen, f.Blau), i,
                     QRect(16 * spalte + 2, 16 * zeile + 1, 15, 15), QString::fromUtf16(f.Name));
    }
    ZelleUnsichtbar = zelleAnlegen(this, ZelleFarbe, 0, FarbzelleUnsichtbar,
                                   QRect(4, 3, width() - 8, 16), QStringLiteral("Unsichtbar"));
    ZelleUnsichtbar->Beschriftung = QStringLiteral("Unsichtbar");
}

void TFColorPicker::waehlen(int tag)
{
    Farbwahl = FarbeDerZelle(tag);
    melden();
    alleLoesen();
}

void TFColorPicker::ZellenMarkieren()
{
    alleLoesen();
    if (const auto zelle = FarbzelleFuer(Farbwahl))
        if (TColorPanel *z = Zelle(*zelle))
            z->SetDown(true);
}
