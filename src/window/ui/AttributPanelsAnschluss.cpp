// Connects the attribute panels to the main window: its panels and text
// buttons, its hooks and signals, and the picker values it reads when a new
// figure is finished.
#include "language/Arbeitsbereich.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/FMain.h"
#include "window/ui/MyScrollBox.h"
#include "surface/Zeichenflaeche.h"
#include "figures/ZeichenObjekt.h"

#include <QToolButton>

TAttributPanels *AttributPanelsAnschliessen(TFMain &f)
{
    TTextKnoepfe t;
    t.SBSchriftart = f.SBSchriftart;
    t.SBLinksbuendig = f.SBLinksbuendig;
    t.SBRechtsbuendig = f.SBRechtsbuendig;
    t.SBZentriert = f.SBZentriert;
    t.SBBlocksatz = f.SBBlocksatz;
    t.SBTextBearbeiten = f.SBTextBearbeiten;
    auto *p = new TAttributPanels(*f.Arbeitsbereich, &f, f.PLinienAttribute,
                                  f.PFuellungsAttribute, f.PTextFeldAttribute, t);
    p->AllesAbbrechen = [&f] { f.AllesAbbrechen(); };
    p->Neuzeichnen = [&f] { f.Neuzeichnen(); };
    p->FokuskartenNeuZeichnen = [&f] { f.AnalysatorAktualisieren(); };
    p->MausNeuBewerten = [&f] { f.MausNeuBewerten(); };
    p->WerteGeaendert = [&f, p] {
        f.Picker.Fuellfarbe = p->Fuellfarbe();
        f.Picker.Linienfarbe = p->Linienfarbe();
        f.Picker.Linienart = p->Linienart();
        f.Picker.Linienstaerke = p->Linienstaerke();
        f.Picker.Schriftfarbe = p->Schriftfarbe();
    };
    p->WerteGeaendert();
    p->BildschirmRechteck = [&f](const TZeichenObjekt *o) {
        const TUmgebungsrechteck &u = o->Umgebungsrechteck;
        const TZeichenflaeche *zf = f.Flaeche();
        const QRect r = QRect(QPoint(zf->XPixel(u.Links), zf->YPixel(u.Oben)),
                              QPoint(zf->XPixel(u.Rechts), zf->YPixel(u.Unten)))
                            .normalized();
        return QRect(f.Zeichenbereich->Seite->mapToGlobal(r.topLeft()), r.size());
    };
    QObject::connect(&f, &TFMain::pickerSchliessenAngefordert, p, &TAttributPanels::PickerSchliessen);
    QObject::connect(&f, &TFMain::attributanzeigeAktualisiert, p,
                     &TAttributPanels::AttributanzeigeAktualisieren);
    QObject::connect(&f, &TFMain::oberflaecheAktualisiert, p,
                     &TAttributPanels::FreigabenAktualisieren);
    QObject::connect(&f, &TFMain::textBearbeitenAngefordert, p,
                     &TAttributPanels::SBTextBearbeitenClick);
    return p;
}
