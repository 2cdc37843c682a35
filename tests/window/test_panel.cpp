// The attribute panels: common values of the selection, enabling, choices
// applied through the figures' logged setters, the text panel's commands.
// Driven by real mouse events on the picker buttons and cells.
#include "panel_hilfen.h"
#include "window/Attributanzeige.h"

using namespace paneltest;

namespace {

struct AttributPanels : ::testing::Test {
    PanelUmgebung u;
    TAttributPanels &p = *u.panels;
};
using TextPanel = AttributPanels;

} // namespace

TEST_F(AttributPanels, AufbauUndAnfangswerte)
{
    // Place, hint, picture and colour bar of the five buttons; all disabled
    // while nothing is selected.
    const struct {
        TAuswahlButton *knopf;
        QWidget *panel;
        QPoint pos;
        const char *hinweis;
        bool balken;
    } knoepfe[] = {{p.SBFuellfarbe, u.pFuellung, {4, 4}, "Füllfarbe", true},
                   {p.SBLinienfarbe, u.pLinien, {4, 4}, "Linienfarbe", true},
                   {p.SBLinienart, u.pLinien, {28, 4}, "Linienart", false},
                   {p.SBLinienstaerke, u.pLinien, {52, 4}, "Linienstärke", false},
                   {p.SBSchriftfarbe, u.pText, {188, 4}, "Schriftfarbe", true}};
    for (int i = 0; i < 5; ++i) {
        const auto &k = knoepfe[i];
        SCOPED_TRACE(k.hinweis);
        EXPECT_EQ(k.knopf->parentWidget(), k.panel);
        EXPECT_EQ(k.knopf->pos(), k.pos);
        EXPECT_EQ(k.knopf->toolTip(), QString::fromUtf8(k.hinweis));
        EXPECT_EQ(k.knopf->Bildindex, i);
        EXPECT_EQ(k.knopf->MitFarbbalken, k.balken);
        EXPECT_FALSE(k.knopf->isEnabled());
    }
    for (QToolButton *k : {u.sbSchriftart, u.ausrichtung[0], u.sbTextBearbeiten})
        EXPECT_FALSE(k->isEnabled());

    // The values for the next figure.
    EXPECT_EQ(p.Fuellfarbe(), TFarbe::Echt(Gelb));
    EXPECT_EQ(p.Linienfarbe(), TFarbe::Echt(0));
    EXPECT_EQ(p.Linienart(), 1);
    EXPECT_DOUBLE_EQ(p.Linienstaerke(), 0.01);
    EXPECT_EQ(p.Schriftfarbe(), TFarbe::Echt(0));
    EXPECT_EQ(p.SBFuellfarbe->Anzeigefarbe, TFarbe::Echt(Gelb));
    EXPECT_EQ(p.FuellfarbPicker->GedrueckteZelle(), p.FuellfarbPicker->Zelle(30)); // gelb
    EXPECT_EQ(p.LinienArtPicker->GedrueckteZelle(), p.LinienArtPicker->Zelle(1));
    EXPECT_EQ(p.LinienStaerkePicker->GedrueckteZelle(), p.LinienStaerkePicker->Zelle(0));
}

TEST_F(AttributPanels, Freigaben)
{
    TRechteck *r1 = u.rechteck();
    TRechteck *r2 = u.rechteck();
    TLinie *l = u.linie();
    TTextFeld *t = u.textfeld(QStringLiteral("Hallo"));

    u.waehlen({r1});
    EXPECT_TRUE(p.SBFuellfarbe->isEnabled());
    EXPECT_TRUE(p.SBLinienfarbe->isEnabled());
    EXPECT_TRUE(p.SBLinienart->isEnabled());
    EXPECT_TRUE(p.SBLinienstaerke->isEnabled());
    EXPECT_FALSE(p.SBSchriftfarbe->isEnabled());
    EXPECT_FALSE(u.sbTextBearbeiten->isEnabled());

    u.waehlen({l});
    EXPECT_FALSE(p.SBFuellfarbe->isEnabled());
    EXPECT_TRUE(p.SBLinienfarbe->isEnabled());

    u.waehlen({t});
    EXPECT_TRUE(p.SBSchriftfarbe->isEnabled());
    EXPECT_TRUE(p.SBFuellfarbe->isEnabled());
    for (QToolButton *k : {u.sbSchriftart, u.ausrichtung[0], u.ausrichtung[1], u.ausrichtung[2],
                           u.ausrichtung[3], u.sbTextBearbeiten})
        EXPECT_TRUE(k->isEnabled());

    u.waehlen({t, r1});
    EXPECT_FALSE(p.SBSchriftfarbe->isEnabled());
    EXPECT_FALSE(u.sbTextBearbeiten->isEnabled());

    // The fill button is disabled as soon as a selected group contains a line.
    TGruppe *innen = u.gruppe({r2, l});
    TGruppe *aussen = u.gruppe({innen, r1});
    u.waehlen({aussen});
    EXPECT_FALSE(p.SBFuellfarbe->isEnabled());
    EXPECT_TRUE(p.SBLinienart->isEnabled());
    EXPECT_EQ(FreigabenBerechnen(u.ws.Auswahl, false).Fuellung, false);
    EXPECT_TRUE(FreigabenBerechnen(u.ws.Auswahl, false).Sperren);

    // A real click on the disabled button opens nothing.
    PanelUmgebung::klick(p.SBFuellfarbe);
    EXPECT_FALSE(p.FuellfarbPicker->isVisible());
    EXPECT_EQ(u.abbrechen, 0);

    // A mouse-locked text field offers no text commands outside teacher mode.
    t->MausGesperrt = 1;
    u.waehlen({t});
    EXPECT_FALSE(u.sbTextBearbeiten->isEnabled());
    EXPECT_FALSE(p.SBSchriftfarbe->isEnabled());
    u.ws.Lehrermodus = true;
    p.FreigabenAktualisieren();
    EXPECT_TRUE(u.sbTextBearbeiten->isEnabled());

    u.waehlen({});
    EXPECT_FALSE(p.SBLinienfarbe->isEnabled());
    EXPECT_FALSE(p.SBFuellfarbe->isEnabled());
}

// The buttons show the selection's common colour (their bars are drawn from
// it, see the picker tests) and the popups mark its cell: none for a mixed
// selection or a colour outside the table, "Unsichtbar" for no fill.
TEST_F(AttributPanels, AnzeigefarbeUndMarkierteZelle)
{
    TRechteck *rot = u.rechteck(Rot);
    TRechteck *blau = u.rechteck(Blau);
    u.waehlen({rot});
    EXPECT_EQ(p.SBFuellfarbe->Anzeigefarbe, TFarbe::Echt(Rot));
    EXPECT_EQ(p.FuellfarbPicker->GedrueckteZelle(), p.FuellfarbPicker->Zelle(21));

    u.waehlen({rot, blau});
    EXPECT_EQ(p.SBFuellfarbe->Anzeigefarbe.FarbArt, FarbArtNichtEinheitlich);
    EXPECT_EQ(p.FuellfarbPicker->GedrueckteZelle(), nullptr);
    // The line colour is common: it stays black.
    EXPECT_EQ(p.SBLinienfarbe->Anzeigefarbe, TFarbe::Echt(0));
    EXPECT_EQ(p.LinienfarbPicker->GedrueckteZelle(), p.LinienfarbPicker->Zelle(7));
    // Opening the popup for the mixed selection marks no cell either.
    PanelUmgebung::klick(p.SBFuellfarbe);
    ASSERT_TRUE(p.FuellfarbPicker->isVisible());
    EXPECT_EQ(p.FuellfarbPicker->GedrueckteZelle(), nullptr);
    // Deselecting keeps the last values: they are the next figure's.
    u.waehlen({});
    EXPECT_EQ(p.Fuellfarbe().FarbArt, FarbArtNichtEinheitlich);

    rot->Füllfarbe = TFarbe::Unsichtbar();
    u.waehlen({rot});
    EXPECT_EQ(p.SBFuellfarbe->Anzeigefarbe.FarbArt, FarbArtUnsichtbar);
    EXPECT_EQ(p.FuellfarbPicker->GedrueckteZelle(), p.FuellfarbPicker->ZelleUnsichtbar);
    // A colour outside the table (as a document file may hold).
    rot->FüllfarbeSetzen(TFarbe::Echt(FarbWert(1, 2, 3)));
    u.waehlen({rot});
    EXPECT_EQ(p.SBFuellfarbe->Anzeigefarbe, TFarbe::Echt(FarbWert(1, 2, 3)));
    EXPECT_EQ(p.FuellfarbPicker->GedrueckteZelle(), nullptr);
}

TEST_F(AttributPanels, DreiFigurenGestricheltLogtDreiAufrufe)
{
    TRechteck *r = u.rechteck();
    TEllipse *e = u.ellipse();
    TLinie *l = u.linie();
    u.waehlen({e, l, r}); // selection order, not drawing order
    const int ab = u.logAnfang();
    u.waehleIn(p.SBLinienart, 2);

    EXPECT_EQ(u.log(ab), (QStringList{QStringLiteral("el0.LinienartSetzen( gestrichelt )"),
                                      QStringLiteral("li0.LinienartSetzen( gestrichelt )"),
                                      QStringLiteral("re0.LinienartSetzen( gestrichelt )")}));
    for (TZeichenObjekt *f : {static_cast<TZeichenObjekt *>(r), static_cast<TZeichenObjekt *>(e),
                              static_cast<TZeichenObjekt *>(l)})
        EXPECT_EQ(f->Linienart, 2);
    EXPECT_FALSE(p.LinienArtPicker->isVisible());
    EXPECT_FALSE(p.SBLinienart->Festgedrueckt);
    EXPECT_TRUE(u.ws.Geaendert);
    EXPECT_EQ(u.neuzeichnen, 1);
    EXPECT_EQ(u.fokuskarten, 1);
    EXPECT_EQ(p.Linienart(), 2);
    // The chosen cell marks the value when the popup opens again.
    EXPECT_EQ(p.LinienArtPicker->GedrueckteZelle(), p.LinienArtPicker->Zelle(2));
}

TEST_F(AttributPanels, UnsichtbarImFuellpicker)
{
    TRechteck *r = u.rechteck();
    TEllipse *e = u.ellipse();
    u.waehlen({r, e});
    const int ab = u.logAnfang();
    u.waehleIn(p.SBFuellfarbe, FarbzelleUnsichtbar);

    EXPECT_EQ(u.log(ab), (QStringList{QStringLiteral("re0.FüllfarbeSetzen( unsichtbar )"),
                                      QStringLiteral("el0.FüllfarbeSetzen( unsichtbar )")}));
    EXPECT_EQ(r->Füllfarbe.FarbArt, FarbArtUnsichtbar);
    EXPECT_EQ(e->Füllfarbe.FarbArt, FarbArtUnsichtbar);
    EXPECT_EQ(p.Fuellfarbe().FarbArt, FarbArtUnsichtbar);
    EXPECT_EQ(p.SBFuellfarbe->Anzeigefarbe.FarbArt, FarbArtUnsichtbar);
    EXPECT_FALSE(p.FuellfarbPicker->isVisible());
    EXPECT_FALSE(p.SBFuellfarbe->Festgedrueckt);
    // Reopened, the popup marks "Unsichtbar".
    PanelUmgebung::klick(p.SBFuellfarbe);
    EXPECT_EQ(p.FuellfarbPicker->GedrueckteZelle(), p.FuellfarbPicker->ZelleUnsichtbar);
}

TEST_F(AttributPanels, FarbeLinienstaerkeUndGruppe)
{
    TRechteck *r1 = u.rechteck();
    TRechteck *r2 = u.rechteck();
    TGruppe *g = u.gruppe({r1, r2});
    u.waehlen({g});
    int ab = u.logAnfang();
    u.waehleIn(p.SBLinienfarbe, 21);
    // A group records one compound entry with its members' entries.
    EXPECT_EQ(u.log(ab), (QStringList{QStringLiteral("gr0.LinienfarbeSetzen( rot )"),
                                      QStringLiteral("  re0.LinienfarbeSetzen( rot )"),
                                      QStringLiteral("  re1.LinienfarbeSetzen( rot )")}));
    EXPECT_EQ(u.ws.Analysator().Protokoll().size() - std::size_t(ab), 1u);
    EXPECT_EQ(p.SBLinienfarbe->Anzeigefarbe, TFarbe::Echt(Rot));

    ab = u.logAnfang();
    u.waehleIn(p.SBLinienstaerke, 4);
    EXPECT_EQ(u.log(ab).value(0), QStringLiteral("gr0.LinienstärkeSetzen( 1.00 mm )"));
    EXPECT_DOUBLE_EQ(r2->Linienstärke, 0.1);
    EXPECT_DOUBLE_EQ(p.Linienstaerke(), 0.1);
}

TEST_F(AttributPanels, LinienstaerkeMarkiertGemeinsameZelle)
{
    TRechteck *a = u.rechteck();
    TRechteck *b = u.rechteck();
    a->Linienstärke = 0.05;
    b->Linienstärke = 0.05;
    u.waehlen({a, b});
    EXPECT_EQ(p.LinienStaerkePicker->GedrueckteZelle(), p.LinienStaerkePicker->Zelle(2));
    EXPECT_EQ(p.LinienStaerkePicker->Zelle(2)->Beschriftung, QStringLiteral("0.5 mm"));
    b->Linienstärke = 0.1;
    b->Linienart = 3;
    u.waehlen({a, b});
    EXPECT_EQ(p.LinienStaerkePicker->GedrueckteZelle(), nullptr);
    EXPECT_DOUBLE_EQ(p.Linienstaerke(), -1.0);
    EXPECT_EQ(p.LinienArtPicker->GedrueckteZelle(), nullptr);
    EXPECT_EQ(p.Linienart(), 0);
}

TEST_F(AttributPanels, WahlOhneAuswahlAendertNurDenWert)
{
    u.rechteck();
    // The line buttons are disabled without a selection, but an open popup
    // can still be chosen from (it was opened while something was selected).
    p.FuellfarbPicker->Zeigen(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p.FuellfarbPicker));
    const int ab = u.logAnfang();
    PanelUmgebung::klick(p.FuellfarbPicker->Zelle(19));
    EXPECT_TRUE(u.log(ab).isEmpty());
    EXPECT_FALSE(u.ws.Geaendert);
    EXPECT_EQ(p.Fuellfarbe(), TFarbe::Echt(Blau));
    EXPECT_EQ(p.SBFuellfarbe->Anzeigefarbe, TFarbe::Echt(Blau));
    EXPECT_GE(u.werte, 1);
}

TEST_F(AttributPanels, GesperrteFigurenBleibenUnveraendert)
{
    TRechteck *frei = u.rechteck();
    TRechteck *gesperrt = u.rechteck();
    gesperrt->MausGesperrt = 1;
    u.waehlen({frei, gesperrt});
    int ab = u.logAnfang();
    u.waehleIn(p.SBLinienart, 5);
    EXPECT_EQ(u.log(ab), QStringList{QStringLiteral("re0.LinienartSetzen( gestrichpunktelt )")});
    EXPECT_EQ(gesperrt->Linienart, 1);

    // In teacher mode the locks do not apply.
    u.ws.Lehrermodus = true;
    ab = u.logAnfang();
    u.waehleIn(p.SBLinienart, 4);
    EXPECT_EQ(u.log(ab).size(), 2);
    EXPECT_EQ(gesperrt->Linienart, 4);
}

TEST_F(AttributPanels, OeffnenSchliessenUndUmschalten)
{
    TRechteck *r = u.rechteck();
    u.waehlen({r});

    PanelUmgebung::klick(p.SBLinienfarbe);
    ASSERT_TRUE(p.LinienfarbPicker->isVisible());
    EXPECT_TRUE(p.SBLinienfarbe->Festgedrueckt);
    EXPECT_EQ(u.abbrechen, 1);
    const QPoint soll = u.pLinien->mapToGlobal(QPoint(4 + 2, 4 + 24 - 2));
    EXPECT_EQ(p.LinienfarbPicker->pos(), soll);

    // Another picker closes the first.
    PanelUmgebung::klick(p.SBLinienstaerke);
    EXPECT_FALSE(p.LinienfarbPicker->isVisible());
    EXPECT_FALSE(p.SBLinienfarbe->Festgedrueckt);
    EXPECT_TRUE(p.LinienStaerkePicker->isVisible());
    EXPECT_TRUE(p.SBLinienstaerke->Festgedrueckt);
    EXPECT_EQ(p.LinienStaerkePicker->pos(), u.pLinien->mapToGlobal(QPoint(54, 26)));

    // Its own button closes it again without cancelling anything.
    PanelUmgebung::klick(p.SBLinienstaerke);
    EXPECT_FALSE(p.LinienStaerkePicker->isVisible());
    EXPECT_FALSE(p.SBLinienstaerke->Festgedrueckt);
    EXPECT_EQ(u.abbrechen, 2);

    PanelUmgebung::klick(p.SBFuellfarbe);
    ASSERT_TRUE(p.FuellfarbPicker->isVisible());
    p.PickerSchliessen();
    EXPECT_FALSE(p.FuellfarbPicker->isVisible());
    EXPECT_FALSE(p.SBFuellfarbe->Festgedrueckt);

    // Moving or resizing the window closes an open popup.
    PanelUmgebung::klick(p.SBLinienfarbe);
    ASSERT_TRUE(p.LinienfarbPicker->isVisible());
    u.fenster.move(u.fenster.pos() + QPoint(30, 10));
    QApplication::processEvents();
    EXPECT_FALSE(p.LinienfarbPicker->isVisible());
    EXPECT_FALSE(p.SBLinienfarbe->Festgedrueckt);
    PanelUmgebung::klick(p.SBLinienfarbe);
    ASSERT_TRUE(p.LinienfarbPicker->isVisible());
    u.fenster.resize(u.fenster.width() + 20, u.fenster.height());
    QApplication::processEvents();
    EXPECT_FALSE(p.LinienfarbPicker->isVisible());

    // A popup whose button is disabled closes.
    PanelUmgebung::klick(p.SBLinienart);
    ASSERT_TRUE(p.LinienArtPicker->isVisible());
    u.waehlen({});
    EXPECT_FALSE(p.LinienArtPicker->isVisible());
    EXPECT_FALSE(p.SBLinienart->Festgedrueckt);
    // Nothing was recorded by opening and closing.
    EXPECT_FALSE(u.ws.Geaendert);
}

// --- the text panel ---------------------------------------------------------------

TEST_F(TextPanel, SchriftfarbeNurFuerEinTextfeld)
{
    TTextFeld *t1 = u.textfeld(QStringLiteral("eins"));
    TTextFeld *t2 = u.textfeld(QStringLiteral("zwei"));
    t1->Schriftfarbe = TFarbe::Echt(Gruen);
    u.waehlen({t1});
    EXPECT_EQ(p.SBSchriftfarbe->Anzeigefarbe, TFarbe::Echt(Gruen));
    EXPECT_EQ(p.SchriftfarbPicker->GedrueckteZelle(), p.SchriftfarbPicker->Zelle(17));
    int ab = u.logAnfang();
    u.waehleIn(p.SBSchriftfarbe, 21);
    EXPECT_EQ(u.log(ab), QStringList{QStringLiteral("tf0.schriftfarbeSetzen( rot )")});
    EXPECT_EQ(t1->Schriftfarbe, TFarbe::Echt(Rot));

    // Two text fields: neither changes, nothing is recorded, only the bar.
    u.waehlen({t1, t2});
    EXPECT_FALSE(p.SBSchriftfarbe->isEnabled());
    p.SchriftfarbPicker->Zeigen(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p.SchriftfarbPicker));
    ab = u.logAnfang();
    u.ws.Geaendert = false;
    PanelUmgebung::klick(p.SchriftfarbPicker->Zelle(19));
    EXPECT_TRUE(u.log(ab).isEmpty());
    EXPECT_EQ(t1->Schriftfarbe, TFarbe::Echt(Rot));
    EXPECT_EQ(t2->Schriftfarbe, TFarbe::Echt(0));
    EXPECT_EQ(p.SBSchriftfarbe->Anzeigefarbe, TFarbe::Echt(Blau));
    EXPECT_FALSE(u.ws.Geaendert);
    EXPECT_FALSE(SchriftfarbeAnwenden(u.ws, TFarbe::Echt(Rot)));
}

TEST_F(TextPanel, AusrichtungsKnoepfe)
{
    TTextFeld *t = u.textfeld(QStringLiteral("Text"));
    t->Ausrichtung = 3;
    u.waehlen({t});
    EXPECT_TRUE(u.ausrichtung[3]->isChecked());
    EXPECT_FALSE(u.ausrichtung[0]->isChecked());

    int ab = u.logAnfang();
    PanelUmgebung::klick(u.ausrichtung[2]);
    EXPECT_EQ(u.log(ab), QStringList{QStringLiteral("tf0.ausrichtungSetzen( zentriert )")});
    EXPECT_EQ(t->Ausrichtung, 2);
    EXPECT_TRUE(u.ausrichtung[2]->isChecked());
    EXPECT_EQ(u.neuzeichnen, 1);
    EXPECT_EQ(u.mausNeu, 1);
    EXPECT_TRUE(u.ws.Geaendert);

    // The button already down: nothing new.
    ab = u.logAnfang();
    PanelUmgebung::klick(u.ausrichtung[2]);
    EXPECT_TRUE(u.log(ab).isEmpty());

    PanelUmgebung::klick(u.ausrichtung[0]);
    EXPECT_EQ(u.log(ab), QStringList{QStringLiteral("tf0.ausrichtungSetzen( linksbündig )")});
}

TEST_F(TextPanel, SchriftdialogVorbelegtUndNurUnterschiede)
{
    TTextFeld *t = u.textfeld(QStringLiteral("Text"));
    t->Schriftart = QStringLiteral("Arial");
    t->Schriftgröße = 14;
    t->Fett = 1;
    u.waehlen({t});
    EXPECT_EQ(p.Schrift.family(), QStringLiteral("Arial"));
    EXPECT_EQ(p.Schrift.pointSize(), 14);

    std::optional<TSchriftwahl> antwort;
    TSchriftwahl vorgabe;
    int gefragt = 0;
    p.SchriftWaehlen = [&](const TSchriftwahl &v) {
        ++gefragt;
        vorgabe = v;
        return antwort ? antwort : std::optional<TSchriftwahl>();
    };

    // Cancelled: nothing.
    int ab = u.logAnfang();
    PanelUmgebung::klick(u.sbSchriftart);
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(vorgabe.Name, QStringLiteral("Arial"));
    EXPECT_EQ(vorgabe.Groesse, 14);
    EXPECT_TRUE(vorgabe.Fett); // preset with the field's style too
    EXPECT_FALSE(vorgabe.Kursiv);
    EXPECT_TRUE(u.log(ab).isEmpty());

    // Confirmed without changes: nothing is recorded.
    antwort = vorgabe;
    PanelUmgebung::klick(u.sbSchriftart);
    EXPECT_TRUE(u.log(ab).isEmpty());
    EXPECT_FALSE(u.ws.Geaendert);

    // Name and size changed, italic switched on, bold off.
    antwort = TSchriftwahl{QStringLiteral("Courier New"), 20, false, true};
    PanelUmgebung::klick(u.sbSchriftart);
    EXPECT_EQ(u.log(ab), (QStringList{QStringLiteral("tf0.schriftartSetzen( \"Courier New\" )"),
                                      QStringLiteral("tf0.schriftgroesseSetzen( 20 )"),
                                      QStringLiteral("tf0.fettSetzen( falsch )"),
                                      QStringLiteral("tf0.kursivSetzen( wahr )")}));
    EXPECT_EQ(t->Schriftart, QStringLiteral("Courier New"));
    EXPECT_EQ(t->Schriftgröße, 20);
    EXPECT_EQ(t->Fett, 0);
    EXPECT_EQ(t->Kursiv, 1);
    EXPECT_TRUE(u.ws.Geaendert);
    EXPECT_EQ(p.Schrift.pointSize(), 20);
}
