#include "window/ui/AttributPanels.h"

#include "dialogs/ui/TextBearbeiten.h"
#include "figures/TextFeld.h"
#include "language/Arbeitsbereich.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/ColorPicker.h"
#include "window/ui/LinienArtPicker.h"
#include "window/ui/LinienStaerkePicker.h"
#include "window/ui/PickerBilder.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontDialog>
#include <QMessageBox>
#include <QWidget>
#include <cmath>

namespace {

std::optional<TSchriftwahl> schriftdialog(QWidget *eltern, const TSchriftwahl &vorgabe)
{
    QFont schrift(vorgabe.Name, vorgabe.Groesse);
    schrift.setBold(vorgabe.Fett);
    schrift.setItalic(vorgabe.Kursiv);
    bool ok = false;
    const QFont wahl = QFontDialog::getFont(&ok, schrift, eltern, QStringLiteral("Schriftart"));
    if (!ok)
        return std::nullopt;
    TSchriftwahl s;
    s.Name = wahl.family();
    s.Groesse = wahl.pointSizeF() > 0 ? int(std::lround(wahl.pointSizeF())) : vorgabe.Groesse;
    s.Fett = wahl.bold();
    s.Kursiv = wahl.italic();
    return s;
}

} // namespace

TAttributPanels::TAttributPanels(TArbeitsbereich &ws, QWidget *fenster, QWidget *pLinienAttribute,
                                 QWidget *pFuellungsAttribute, QWidget *pTextFeldAttribute,
                                 const TTextKnoepfe &textKnoepfe)
    : QObject(fenster), Text(textKnoepfe), ws_(ws), fenster_(fenster)
{
    SchriftWaehlen = [this](const TSchriftwahl &vorgabe) { return schriftdialog(fenster_, vorgabe); };

    SBFuellfarbe = knopfAnlegen(pFuellungsAttribute, 4, 4, 0, QStringLiteral("Füllfarbe"), true);
    SBLinienfarbe = knopfAnlegen(pLinienAttribute, 4, 4, 1, QStringLiteral("Linienfarbe"), true);
    SBLinienart = knopfAnlegen(pLinienAttribute, 28, 4, 2, QStringLiteral("Linienart"), false);
    SBLinienstaerke = knopfAnlegen(pLinienAttribute, 52, 4, 3, QStringLiteral("Linienstärke"), false);
    SBSchriftfarbe = knopfAnlegen(pTextFeldAttribute, 188, 4, 4, QStringLiteral("Schriftfarbe"), true);
    SBFuellfarbe->setObjectName(QStringLiteral("SBFuellfarbe"));
    SBLinienfarbe->setObjectName(QStringLiteral("SBLinienfarbe"));
    SBLinienart->setObjectName(QStringLiteral("SBLinienart"));
    SBLinienstaerke->setObjectName(QStringLiteral("SBLinienstaerke"));
    SBSchriftfarbe->setObjectName(QStringLiteral("SBSchriftfarbe"));

    FuellfarbPicker = new TFColorPicker(fenster);
    FuellfarbPicker->Farbwahl = TFarbe::Echt(FarbWert(255, 255, 0));
    LinienfarbPicker = new TFColorPicker(fenster);
    LinienfarbPicker->Farbwahl = TFarbe::Echt(FarbWert(0, 0, 0));
    LinienArtPicker = new TFLinienArt(fenster);
    LinienArtPicker->Artwahl = 1;
    LinienStaerkePicker = new TFLinienStaerkePicker(fenster);
    LinienStaerkePicker->Staerkewahl = 0.01;
    SchriftfarbPicker = new TFColorPicker(fenster);
    SchriftfarbPicker->Farbwahl = TFarbe::Echt(FarbWert(0, 0, 0));
    for (TPickerFenster *p : {static_cast<TPickerFenster *>(FuellfarbPicker),
                              static_cast<TPickerFenster *>(LinienfarbPicker),
                              static_cast<TPickerFenster *>(LinienArtPicker),
                              static_cast<TPickerFenster *>(LinienStaerkePicker),
                              static_cast<TPickerFenster *>(SchriftfarbPicker)})
        p->ZellenMarkieren();

    SBFuellfarbe->Anzeigefarbe = FuellfarbPicker->Farbwahl;
    SBLinienfarbe->Anzeigefarbe = LinienfarbPicker->Farbwahl;
    SBSchriftfarbe->Anzeigefarbe = SchriftfarbPicker->Farbwahl;

    SBFuellfarbe->Geklickt = [this] { pickerOeffnen(SBFuellfarbe, FuellfarbPicker); };
    SBLinienfarbe->Geklickt = [this] { pickerOeffnen(SBLinienfarbe, LinienfarbPicker); };
    SBLinienart->Geklickt = [this] { pickerOeffnen(SBLinienart, LinienArtPicker); };
    SBLinienstaerke->Geklickt = [this] { pickerOeffnen(SBLinienstaerke, LinienStaerkePicker); };
    SBSchriftfarbe->Geklickt = [this] { pickerOeffnen(SBSchriftfarbe, SchriftfarbPicker); };

    FuellfarbPicker->Gewaehlt = [this] { fuellfarbeGewaehlt(); };
    LinienfarbPicker->Gewaehlt = [this] { linienfarbeGewaehlt(); };
    LinienArtPicker->Gewaehlt = [this] { linienartGewaehlt(); };
    LinienStaerkePicker->Gewaehlt = [this] { linienstaerkeGewaehlt(); };
    SchriftfarbPicker->Gewaehlt = [this] { schriftfarbeGewaehlt(); };

    FTextBearbeiten = new TFTextBearbeiten(fenster);
    FTextBearbeiten->Neuzeichnen = [this] { melde(Neuzeichnen); };

    if (Text.SBSchriftart)
        connect(Text.SBSchriftart, &QAbstractButton::clicked, this,
                &TAttributPanels::SBSchriftartClick);
    QAbstractButton *ausrichtung[4] = {Text.SBLinksbuendig, Text.SBRechtsbuendig, Text.SBZentriert,
                                       Text.SBBlocksatz};
    for (int tag = 0; tag < 4; ++tag)
        if (ausrichtung[tag])
            connect(ausrichtung[tag], &QAbstractButton::clicked, this,
                    [this, tag] { OnTextAusrichtungChange(tag); });

    Schrift = QFont(QStringLiteral("Arial"), 12);
    FreigabenAktualisieren();
    if (fenster_)
        fenster_->installEventFilter(this);
}

bool TAttributPanels::eventFilter(QObject *ziel, QEvent *ereignis)
{
    if (ziel == fenster_) {
        switch (ereignis->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            PickerSchliessen();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(ziel, ereignis);
}

TAttributPanels::~TAttributPanels() = default;

TAuswahlButton *TAttributPanels::knopfAnlegen(QWidget *panel, int x, int y, int bildindex,
                                              const QString &hinweis, bool mitFarbbalken)
{
    auto *k = new TAuswahlButton(panel, panel->palette().color(QPalette::Button));
    k->move(x, y);
    k->Bildindex = bildindex;
    k->Bild = PickerBilder::Bild(bildindex);
    k->MitFarbbalken = mitFarbbalken;
    k->setToolTip(hinweis);
    return k;
}

// --- the values for the next figure ---

TFarbe TAttributPanels::Fuellfarbe() const { return FuellfarbPicker->Farbwahl; }
TFarbe TAttributPanels::Linienfarbe() const { return LinienfarbPicker->Farbwahl; }
std::uint8_t TAttributPanels::Linienart() const { return LinienArtPicker->Artwahl; }
double TAttributPanels::Linienstaerke() const { return LinienStaerkePicker->Staerkewahl; }
TFarbe TAttributPanels::Schriftfarbe() const { return SchriftfarbPicker->Farbwahl; }

TPickerFenster *TAttributPanels::PopupVon(const TAuswahlButton *knopf) const
{
    if (knopf == SBFuellfarbe)
        return FuellfarbPicker;
    if (knopf == SBLinienfarbe)
        return LinienfarbPicker;
    if (knopf == SBLinienart)
        return LinienArtPicker;
    if (knopf == SBLinienstaerke)
        return LinienStaerkePicker;
    if (knopf == SBSchriftfarbe)
        return SchriftfarbPicker;
    return nullptr;
}

// --- opening and closing ---

void TAttributPanels::pickerOeffnen(TAuswahlButton *knopf, TPickerFenster *popup)
{
    // Runs before the button toggles: when the popup is open the click
    // closes it, otherwise everything else is cancelled and it opens.
    if (popup->isVisible()) {
        popup->Verbergen();
        return;
    }
    PickerSchliessen();
    melde(AllesAbbrechen);
    QWidget *panel = knopf->parentWidget();
    const QPoint ecke(knopf->x() + 2, knopf->y() + knopf->height() - 2);
    popup->Zeigen(panel->mapToGlobal(ecke));
}

void TAttributPanels::schliessen(TAuswahlButton *knopf, TPickerFenster *popup)
{
    popup->Verbergen();
    knopf->SetDown(false);
}

void TAttributPanels::PickerSchliessen()
{
    for (TAuswahlButton *k : {SBFuellfarbe, SBLinienfarbe, SBLinienart, SBLinienstaerke, SBSchriftfarbe})
        schliessen(k, PopupVon(k));
}

// --- choosing ---

void TAttributPanels::nachWahl()
{
    melde(Neuzeichnen);
    melde(FokuskartenNeuZeichnen);
    melde(WerteGeaendert);
}

void TAttributPanels::fuellfarbeGewaehlt()
{
    SBFuellfarbe->AnzeigefarbeSetzen(FuellfarbPicker->Farbwahl);
    schliessen(SBFuellfarbe, FuellfarbPicker);
    FuellfarbeAnwenden(ws_, FuellfarbPicker->Farbwahl);
    nachWahl();
}

void TAttributPanels::linienfarbeGewaehlt()
{
    SBLinienfarbe->AnzeigefarbeSetzen(LinienfarbPicker->Farbwahl);
    schliessen(SBLinienfarbe, LinienfarbPicker);
    LinienfarbeAnwenden(ws_, LinienfarbPicker->Farbwahl);
    nachWahl();
}

void TAttributPanels::linienartGewaehlt()
{
    schliessen(SBLinienart, LinienArtPicker);
    LinienartAnwenden(ws_, LinienArtPicker->Artwahl);
    nachWahl();
}

void TAttributPanels::linienstaerkeGewaehlt()
{
    schliessen(SBLinienstaerke, LinienStaerkePicker);
    LinienstaerkeAnwenden(ws_, LinienStaerkePicker->Staerkewahl);
    nachWahl();
}

void TAttributPanels::schriftfarbeGewaehlt()
{
    SBSchriftfarbe->AnzeigefarbeSetzen(SchriftfarbPicker->Farbwahl);
    schliessen(SBSchriftfarbe, SchriftfarbPicker);
    SchriftfarbeAnwenden(ws_, SchriftfarbPicker->Farbwahl);
    nachWahl();
}

// --- showing the selection ---

void TAttributPanels::AttributanzeigeAktualisieren()
{
    const TAttributanzeige a = AttributanzeigeBerechnen(ws_.Auswahl);
    if (a.MitAuswahl) {
        FuellfarbPicker->Farbwahl = a.Fuellfarbe;
        FuellfarbPicker->ZellenMarkieren();
        SBFuellfarbe->AnzeigefarbeSetzen(a.Fuellfarbe);
        LinienfarbPicker->Farbwahl = a.Linienfarbe;
        LinienfarbPicker->ZellenMarkieren();
        SBLinienfarbe->AnzeigefarbeSetzen(a.Linienfarbe);
        LinienArtPicker->Artwahl = a.Linienart;
        LinienArtPicker->ZellenMarkieren();
        LinienStaerkePicker->Staerkewahl = a.Linienstaerke;
        LinienStaerkePicker->ZellenMarkieren();
    }
    if (a.TextFeld) {
        ausrichtungZeigen(a.TextFeld->Ausrichtung);
        SchriftfarbPicker->Farbwahl = a.TextFeld->Schriftfarbe;
        SchriftfarbPicker->ZellenMarkieren();
        SBSchriftfarbe->AnzeigefarbeSetzen(a.TextFeld->Schriftfarbe);
        Schrift = QFont(a.TextFeld->Schriftart, a.TextFeld->Schriftgröße);
    }
    if (a.MitAuswahl)
        melde(WerteGeaendert);
}

void TAttributPanels::ausrichtungZeigen(int ausrichtung)
{
    QAbstractButton *knoepfe[4] = {Text.SBLinksbuendig, Text.SBRechtsbuendig, Text.SBZentriert,
                                   Text.SBBlocksatz};
    if (ausrichtung >= 0 && ausrichtung < 4 && knoepfe[ausrichtung])
        knoepfe[ausrichtung]->setChecked(true);
}

void TAttributPanels::FreigabenAktualisieren()
{
    const TFreigaben f = FreigabenBerechnen(ws_.Auswahl, ws_.Lehrermodus);
    const auto freigeben = [this](TAuswahlButton *k, bool an) {
        // A popup whose button goes grey closes with it.
        if (!an && k->Festgedrueckt)
            schliessen(k, PopupVon(k));
        k->SetEnabled(an);
    };
    freigeben(SBLinienfarbe, f.Linie);
    freigeben(SBLinienart, f.Linie);
    freigeben(SBLinienstaerke, f.Linie);
    freigeben(SBFuellfarbe, f.Fuellung);
    freigeben(SBSchriftfarbe, f.Text);
    for (QAbstractButton *k : {Text.SBSchriftart, Text.SBLinksbuendig, Text.SBRechtsbuendig,
                               Text.SBZentriert, Text.SBBlocksatz, Text.SBTextBearbeiten})
        if (k)
            k->setEnabled(f.Text);
}

// --- text commands ---

void TAttributPanels::OnTextAusrichtungChange(int tag)
{
    TTextFeld *feld = TextfeldFuerBefehle(ws_);
    if (!feld)
        return;
    if (AusrichtungAnwenden(ws_, std::uint8_t(tag))) {
        melde(FokuskartenNeuZeichnen);
        melde(Neuzeichnen);
        melde(MausNeuBewerten);
    }
    ausrichtungZeigen(feld->Ausrichtung);
}

void TAttributPanels::SBSchriftartClick()
{
    TTextFeld *feld = TextfeldFuerBefehle(ws_);
    if (!feld || !SchriftWaehlen)
        return;
    const std::optional<TSchriftwahl> wahl = SchriftWaehlen(SchriftDesTextfelds(*feld));
    if (!wahl)
        return;
    QString meldung;
    SchriftAnwenden(ws_, *wahl, &meldung);
    Schrift = QFont(feld->Schriftart, feld->Schriftgröße);
    melde(FokuskartenNeuZeichnen);
    melde(Neuzeichnen);
    if (!meldung.isEmpty())
        QMessageBox::warning(fenster_, QStringLiteral("Fehler:"), meldung);
}

void TAttributPanels::SBTextBearbeitenClick()
{
    TTextFeld *feld = TextfeldFuerBefehle(ws_);
    if (!feld)
        return;
    PickerSchliessen();
    FTextBearbeiten->Meiden = BildschirmRechteck ? BildschirmRechteck(feld) : QRect();
    const bool ok = FTextBearbeiten->Bearbeiten(feld);
    TextBearbeitungAbschliessen(ws_, *feld, ok, FTextBearbeiten->AlterText);
    melde(FokuskartenNeuZeichnen);
    melde(Neuzeichnen);
}
