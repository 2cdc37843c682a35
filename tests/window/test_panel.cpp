// The attribute panels of the main window: common values of the selection,
// enabling, choices applied through the figures' logged setters, values for
// the next figure, the text panel's commands and the text dialog. Driven by
// real mouse and key events on the buttons, picker cells and the sheet.
#include "common/TestHilfen.h"
#include "FensterTest.h"
#include "dialogs/ui/TextBearbeiten.h"
#include "model/MethodenAufruf.h"
#include "window/Attributanzeige.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/ColorPicker.h"
#include "window/ui/LinienArtPicker.h"
#include "window/ui/LinienStaerkePicker.h"

#include <QDir>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

constexpr std::uint32_t Rot = FarbWert(255, 0, 0), Blau = FarbWert(0, 0, 255),
                        Gelb = FarbWert(255, 255, 0), Gruen = FarbWert(0, 128, 0);

// The main window's attribute panels; their hooks still reach the window
// and are counted on the way.
struct AttributPanels : Fenster {
    TAttributPanels *p = nullptr;
    QToolButton *ausrichtung[4] = {};
    int neuzeichnen = 0, fokuskarten = 0, werte = 0, abbrechen = 0, mausNeu = 0;

    void SetUp() override
    {
        Fenster::SetUp();
        p = f->Attributpanels;
        QToolButton *k[4] = {f->SBLinksbuendig, f->SBRechtsbuendig, f->SBZentriert, f->SBBlocksatz};
        std::copy(std::begin(k), std::end(k), ausrichtung);
        for (auto [haken, zaehler] : {std::pair{&p->Neuzeichnen, &neuzeichnen},
                                      {&p->FokuskartenNeuZeichnen, &fokuskarten},
                                      {&p->WerteGeaendert, &werte},
                                      {&p->AllesAbbrechen, &abbrechen},
                                      {&p->MausNeuBewerten, &mausNeu}})
            *haken = [alt = *haken, z = zaehler] {
                ++*z;
                alt();
            };
    }

    // A figure of the class with its box 3..7 x 4..6, black 0.1 mm solid
    // outline and the fill colour.
    template <class T> T *farbig(const char *klasse, std::uint32_t fuellung)
    {
        T *o = figur<T>(QString::fromUtf8(klasse), 3, 4, 4, 2);
        o->Füllfarbe = TFarbe::Echt(fuellung);
        o->Linienfarbe = TFarbe::Echt(0);
        o->Linienstärke = 0.01;
        o->Linienart = 1;
        return o;
    }
    TRechteck *neuesRechteck(std::uint32_t fuellung = Gelb) { return farbig<TRechteck>("RECHTECK", fuellung); }
    TEllipse *neueEllipse() { return farbig<TEllipse>("ELLIPSE", Gelb); }
    TTextFeld *neuesTextfeld(const QString &text)
    {
        TTextFeld *t = farbig<TTextFeld>("TEXTFELD", Gelb);
        t->Text = text;
        return t;
    }
    TLinie *neueLinie()
    {
        TLinie *l = farbig<TLinie>("LINIE", Gelb);
        l->Punkt1X = 1;
        l->Punkt1Y = 1;
        l->Punkt2X = 4;
        l->Punkt2Y = 3;
        l->GeometrieBerechnen();
        return l;
    }
    TGruppe *neueGruppe(const std::vector<TZeichenObjekt *> &mitglieder)
    {
        std::unique_ptr<TObjekt> o = ab().Klassen().ObjektErzeugen(QStringLiteral("GRUPPE"));
        o->NamenVergeben();
        return TGruppe::Gruppieren(std::unique_ptr<TGruppe>(static_cast<TGruppe *>(o.release())), mitglieder);
    }

    // The log from entry `start` on as lines, sub-calls indented by two
    // blanks per level.
    QStringList log(int start) const
    {
        QStringList zeilen;
        std::function<void(const TMethodenAufruf &, int)> sammeln = [&](const TMethodenAufruf &a, int tiefe) {
            zeilen << QString(2 * tiefe, QLatin1Char(' ')) + a.AnzeigeText();
            for (const auto &u : a.Unteraufrufe)
                sammeln(*u, tiefe + 1);
        };
        const auto &pr = f->Analysator()->Protokoll();
        for (std::size_t i = std::size_t(start); i < pr.size(); ++i)
            sammeln(*pr[i], 0);
        return zeilen;
    }
    // Opens a picker with its button and clicks the cell with the tag.
    void waehleIn(TAuswahlButton *knopf, int tag)
    {
        klick(knopf);
        TPickerFenster *popup = p->PopupVon(knopf);
        ASSERT_TRUE(popup->isVisible());
        ASSERT_NE(popup->Zelle(tag), nullptr);
        klick(popup->Zelle(tag));
    }
};
using TextPanel = AttributPanels;
using PanelsImFenster = AttributPanels;

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
    } knoepfe[] = {{p->SBFuellfarbe, f->PFuellungsAttribute, {4, 4}, "Füllfarbe", true},
                   {p->SBLinienfarbe, f->PLinienAttribute, {4, 4}, "Linienfarbe", true},
                   {p->SBLinienart, f->PLinienAttribute, {28, 4}, "Linienart", false},
                   {p->SBLinienstaerke, f->PLinienAttribute, {52, 4}, "Linienstärke", false},
                   {p->SBSchriftfarbe, f->PTextFeldAttribute, {188, 4}, "Schriftfarbe", true}};
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
    for (QToolButton *k : {f->SBSchriftart, ausrichtung[0], f->SBTextBearbeiten})
        EXPECT_FALSE(k->isEnabled());

    // The values for the next figure.
    EXPECT_EQ(p->Fuellfarbe(), TFarbe::Echt(Gelb));
    EXPECT_EQ(p->Linienfarbe(), TFarbe::Echt(0));
    EXPECT_EQ(p->Linienart(), 1);
    EXPECT_DOUBLE_EQ(p->Linienstaerke(), 0.01);
    EXPECT_EQ(p->Schriftfarbe(), TFarbe::Echt(0));
    EXPECT_EQ(p->SBFuellfarbe->Anzeigefarbe, TFarbe::Echt(Gelb));
    EXPECT_EQ(p->FuellfarbPicker->GedrueckteZelle(), p->FuellfarbPicker->Zelle(30)); // gelb
    EXPECT_EQ(p->LinienArtPicker->GedrueckteZelle(), p->LinienArtPicker->Zelle(1));
    EXPECT_EQ(p->LinienStaerkePicker->GedrueckteZelle(), p->LinienStaerkePicker->Zelle(0));
}

TEST_F(AttributPanels, Freigaben)
{
    TRechteck *r1 = neuesRechteck();
    TRechteck *r2 = neuesRechteck();
    TLinie *l = neueLinie();
    TTextFeld *t = neuesTextfeld(QStringLiteral("Hallo"));

    // Which buttons a selection enables: fill, the three line buttons, font
    // colour, the text commands.
    const struct {
        const char *name;
        std::vector<TZeichenObjekt *> wahl;
        bool fuellung, linie, schrift, text;
    } faelle[] = {{"Rechteck", {r1}, true, true, false, false},
                  {"Linie", {l}, false, true, false, false},
                  {"Textfeld", {t}, true, true, true, true},
                  {"Textfeld und Rechteck", {t, r1}, true, true, false, false},
                  {"nichts", {}, false, false, false, false}};
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.name);
        waehlen(fall.wahl);
        EXPECT_EQ(p->SBFuellfarbe->isEnabled(), fall.fuellung);
        for (QWidget *k : std::initializer_list<QWidget *>{p->SBLinienfarbe, p->SBLinienart, p->SBLinienstaerke})
            EXPECT_EQ(k->isEnabled(), fall.linie);
        EXPECT_EQ(p->SBSchriftfarbe->isEnabled(), fall.schrift);
        for (QToolButton *k : {f->SBSchriftart, ausrichtung[0], ausrichtung[1], ausrichtung[2],
                               ausrichtung[3], f->SBTextBearbeiten})
            EXPECT_EQ(k->isEnabled(), fall.text);
    }

    // The fill button is disabled as soon as a selected group contains a line.
    TGruppe *innen = neueGruppe({r2, l});
    TGruppe *aussen = neueGruppe({innen, r1});
    waehlen({aussen});
    EXPECT_FALSE(p->SBFuellfarbe->isEnabled());
    EXPECT_TRUE(p->SBLinienart->isEnabled());
    EXPECT_EQ(FreigabenBerechnen(ab().Auswahl, false).Fuellung, false);
    EXPECT_TRUE(FreigabenBerechnen(ab().Auswahl, false).Sperren);

    // A real click on the disabled button opens nothing.
    klick(p->SBFuellfarbe);
    EXPECT_FALSE(p->FuellfarbPicker->isVisible());
    EXPECT_EQ(abbrechen, 0);

    // A mouse-locked text field offers no text commands outside teacher mode.
    t->MausGesperrt = 1;
    waehlen({t});
    EXPECT_FALSE(f->SBTextBearbeiten->isEnabled());
    EXPECT_FALSE(p->SBSchriftfarbe->isEnabled());
    ab().Lehrermodus = true;
    p->FreigabenAktualisieren();
    EXPECT_TRUE(f->SBTextBearbeiten->isEnabled());
}

// The buttons show the selection's common values (their bars are drawn from
// them, see the picker tests) and the popups mark their cells, none for a
// mixed selection (which values are common and which cell a value has is
// checked in the figure and picker cell tests).
TEST_F(AttributPanels, AnzeigefarbeUndMarkierteZelle)
{
    TRechteck *rot = neuesRechteck(Rot);
    TRechteck *blau = neuesRechteck(Blau);
    waehlen({rot});
    EXPECT_EQ(p->SBFuellfarbe->Anzeigefarbe, TFarbe::Echt(Rot));
    EXPECT_EQ(p->FuellfarbPicker->GedrueckteZelle(), p->FuellfarbPicker->Zelle(21));

    waehlen({rot, blau});
    EXPECT_EQ(p->SBFuellfarbe->Anzeigefarbe.FarbArt, FarbArtNichtEinheitlich);
    EXPECT_EQ(p->FuellfarbPicker->GedrueckteZelle(), nullptr);
    // The line colour is common: it stays black.
    EXPECT_EQ(p->SBLinienfarbe->Anzeigefarbe, TFarbe::Echt(0));
    EXPECT_EQ(p->LinienfarbPicker->GedrueckteZelle(), p->LinienfarbPicker->Zelle(7));
    // Opening the popup for the mixed selection marks no cell either.
    klick(p->SBFuellfarbe);
    ASSERT_TRUE(p->FuellfarbPicker->isVisible());
    EXPECT_EQ(p->FuellfarbPicker->GedrueckteZelle(), nullptr);
    // Deselecting keeps the last values: they are the next figure's.
    waehlen({});
    EXPECT_EQ(p->Fuellfarbe().FarbArt, FarbArtNichtEinheitlich);

    // Mixed widths and styles mark no cell either.
    blau->Linienstärke = 0.1;
    blau->Linienart = 3;
    waehlen({rot, blau});
    EXPECT_EQ(p->LinienStaerkePicker->GedrueckteZelle(), nullptr);
    EXPECT_EQ(p->LinienArtPicker->GedrueckteZelle(), nullptr);
}

// A choice in a picker is applied to each selected figure in selection
// order, one logged setter call each; the popup closes and marks the value.
TEST_F(AttributPanels, WahlGiltFuerJedeGewaehlteFigur)
{
    TRechteck *r = neuesRechteck();
    TEllipse *e = neueEllipse();
    TLinie *l = neueLinie();
    waehlen({e, l, r}); // selection order, not drawing order
    int start = anzahl();
    waehleIn(p->SBLinienart, 2);
    EXPECT_EQ(log(start), (QStringList{QStringLiteral("el0.LinienartSetzen( gestrichelt )"),
                                       QStringLiteral("li0.LinienartSetzen( gestrichelt )"),
                                       QStringLiteral("re0.LinienartSetzen( gestrichelt )")}));
    for (TZeichenObjekt *fig : std::initializer_list<TZeichenObjekt *>{r, e, l})
        EXPECT_EQ(fig->Linienart, 2);
    EXPECT_FALSE(p->LinienArtPicker->isVisible());
    EXPECT_FALSE(p->SBLinienart->Festgedrueckt);
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(neuzeichnen, 1);
    EXPECT_EQ(fokuskarten, 1);
    EXPECT_EQ(p->Linienart(), 2);
    EXPECT_EQ(p->LinienArtPicker->GedrueckteZelle(), p->LinienArtPicker->Zelle(2));

    // "Unsichtbar" in the fill picker; reopened, the popup marks it.
    waehlen({r});
    start = anzahl();
    waehleIn(p->SBFuellfarbe, FarbzelleUnsichtbar);
    EXPECT_EQ(log(start), QStringList{QStringLiteral("re0.FüllfarbeSetzen( unsichtbar )")});
    EXPECT_EQ(p->Fuellfarbe().FarbArt, FarbArtUnsichtbar);
    EXPECT_EQ(p->SBFuellfarbe->Anzeigefarbe.FarbArt, FarbArtUnsichtbar);
    klick(p->SBFuellfarbe);
    EXPECT_EQ(p->FuellfarbPicker->GedrueckteZelle(), p->FuellfarbPicker->ZelleUnsichtbar);
}

TEST_F(AttributPanels, FarbeLinienstaerkeUndGruppe)
{
    TRechteck *r1 = neuesRechteck();
    TRechteck *r2 = neuesRechteck();
    TGruppe *g = neueGruppe({r1, r2});
    waehlen({g});
    int start = anzahl();
    waehleIn(p->SBLinienfarbe, 21);
    // A group records one compound entry with its members' entries.
    EXPECT_EQ(log(start), (QStringList{QStringLiteral("gr0.LinienfarbeSetzen( rot )"),
                                      QStringLiteral("  re0.LinienfarbeSetzen( rot )"),
                                      QStringLiteral("  re1.LinienfarbeSetzen( rot )")}));
    EXPECT_EQ(p->SBLinienfarbe->Anzeigefarbe, TFarbe::Echt(Rot));

    start = anzahl();
    waehleIn(p->SBLinienstaerke, 4);
    EXPECT_EQ(log(start).value(0), QStringLiteral("gr0.LinienstärkeSetzen( 1.00 mm )"));
    EXPECT_DOUBLE_EQ(r2->Linienstärke, 0.1);
    EXPECT_DOUBLE_EQ(p->Linienstaerke(), 0.1);
}

// A popup still open when its choice has no target (nothing selected, or
// two text fields for the font colour) changes only the value and the bar:
// nothing is recorded, no figure changes.
TEST_F(AttributPanels, WahlOhneZielAendertNurDenWert)
{
    TTextFeld *t1 = neuesTextfeld(QStringLiteral("eins")), *t2 = neuesTextfeld(QStringLiteral("zwei"));
    for (bool schrift : {false, true}) {
        SCOPED_TRACE(schrift ? "Schriftfarbe, zwei Textfelder" : "Füllfarbe, nichts gewählt");
        waehlen(schrift ? std::vector<TZeichenObjekt *>{t1, t2} : std::vector<TZeichenObjekt *>{});
        EXPECT_FALSE((schrift ? p->SBSchriftfarbe : p->SBFuellfarbe)->isEnabled());
        TFColorPicker *picker = schrift ? p->SchriftfarbPicker : p->FuellfarbPicker;
        picker->Zeigen(QPoint(0, 0));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(picker));
        const int start = anzahl();
        klick(picker->Zelle(19));
        EXPECT_TRUE(log(start).isEmpty());
        EXPECT_FALSE(ab().Geaendert);
        EXPECT_EQ(schrift ? p->Schriftfarbe() : p->Fuellfarbe(), TFarbe::Echt(Blau));
        EXPECT_EQ((schrift ? p->SBSchriftfarbe : p->SBFuellfarbe)->Anzeigefarbe, TFarbe::Echt(Blau));
    }
    for (TTextFeld *t : {t1, t2}) {
        EXPECT_EQ(t->Füllfarbe, TFarbe::Echt(Gelb));
        EXPECT_EQ(t->Schriftfarbe, TFarbe::Echt(0));
    }
    EXPECT_GE(werte, 1);
    EXPECT_FALSE(SchriftfarbeAnwenden(ab(), TFarbe::Echt(Rot)));
}

TEST_F(AttributPanels, GesperrteFigurenBleibenUnveraendert)
{
    TRechteck *frei = neuesRechteck();
    TRechteck *gesperrt = neuesRechteck();
    gesperrt->MausGesperrt = 1;
    waehlen({frei, gesperrt});
    int start = anzahl();
    waehleIn(p->SBLinienart, 5);
    EXPECT_EQ(log(start), QStringList{QStringLiteral("re0.LinienartSetzen( gestrichpunktelt )")});
    EXPECT_EQ(gesperrt->Linienart, 1);

    // In teacher mode the locks do not apply.
    ab().Lehrermodus = true;
    start = anzahl();
    waehleIn(p->SBLinienart, 4);
    EXPECT_EQ(log(start).size(), 2);
    EXPECT_EQ(gesperrt->Linienart, 4);
}

TEST_F(AttributPanels, OeffnenSchliessenUndUmschalten)
{
    TRechteck *r = neuesRechteck();
    waehlen({r});

    klick(p->SBLinienfarbe);
    ASSERT_TRUE(p->LinienfarbPicker->isVisible());
    EXPECT_TRUE(p->SBLinienfarbe->Festgedrueckt);
    EXPECT_EQ(abbrechen, 1);
    // It hangs below its button, 2 pixels in.
    EXPECT_EQ(p->LinienfarbPicker->pos(), f->PLinienAttribute->mapToGlobal(QPoint(4 + 2, 4 + 24 - 2)));

    // Another picker closes the first.
    klick(p->SBLinienstaerke);
    EXPECT_FALSE(p->LinienfarbPicker->isVisible());
    EXPECT_FALSE(p->SBLinienfarbe->Festgedrueckt);
    EXPECT_TRUE(p->LinienStaerkePicker->isVisible());
    EXPECT_TRUE(p->SBLinienstaerke->Festgedrueckt);

    // Its own button closes it again without cancelling anything.
    klick(p->SBLinienstaerke);
    EXPECT_FALSE(p->LinienStaerkePicker->isVisible());
    EXPECT_FALSE(p->SBLinienstaerke->Festgedrueckt);
    EXPECT_EQ(abbrechen, 2);

    // Moving or resizing the window closes an open popup.
    klick(p->SBLinienfarbe);
    ASSERT_TRUE(p->LinienfarbPicker->isVisible());
    f->move(f->pos() + QPoint(30, 10));
    QApplication::processEvents();
    EXPECT_FALSE(p->LinienfarbPicker->isVisible());
    EXPECT_FALSE(p->SBLinienfarbe->Festgedrueckt);
    klick(p->SBLinienfarbe);
    ASSERT_TRUE(p->LinienfarbPicker->isVisible());
    f->resize(f->width() + 20, f->height());
    QApplication::processEvents();
    EXPECT_FALSE(p->LinienfarbPicker->isVisible());

    // Escape closes an open popup, the selection stays; with the focus in
    // the input field as well.
    klick(p->SBFuellfarbe);
    ASSERT_TRUE(p->FuellfarbPicker->isVisible());
    QTest::keyClick(seite, Qt::Key_Escape);
    EXPECT_FALSE(p->FuellfarbPicker->isVisible());
    EXPECT_FALSE(p->SBFuellfarbe->Festgedrueckt);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    klick(p->SBLinienfarbe);
    ASSERT_TRUE(p->LinienfarbPicker->isVisible());
    f->Eingabefeld->setFocus();
    QTest::keyClick(f->Eingabefeld, Qt::Key_Escape);
    EXPECT_FALSE(p->LinienfarbPicker->isVisible());

    // A popup whose button is disabled closes.
    klick(p->SBLinienart);
    ASSERT_TRUE(p->LinienArtPicker->isVisible());
    waehlen({});
    EXPECT_FALSE(p->LinienArtPicker->isVisible());
    EXPECT_FALSE(p->SBLinienart->Festgedrueckt);
    // Nothing was recorded by opening and closing.
    EXPECT_FALSE(ab().Geaendert);
}

// --- the text panel ---------------------------------------------------------------

TEST_F(TextPanel, SchriftfarbeNurFuerEinTextfeld)
{
    TTextFeld *t1 = neuesTextfeld(QStringLiteral("eins"));
    t1->Schriftfarbe = TFarbe::Echt(Gruen);
    waehlen({t1});
    EXPECT_EQ(p->SBSchriftfarbe->Anzeigefarbe, TFarbe::Echt(Gruen));
    EXPECT_EQ(p->SchriftfarbPicker->GedrueckteZelle(), p->SchriftfarbPicker->Zelle(17));
    int start = anzahl();
    waehleIn(p->SBSchriftfarbe, 21);
    EXPECT_EQ(log(start), QStringList{QStringLiteral("tf0.schriftfarbeSetzen( rot )")});
    EXPECT_EQ(t1->Schriftfarbe, TFarbe::Echt(Rot));
}

TEST_F(TextPanel, AusrichtungsKnoepfe)
{
    TTextFeld *t = neuesTextfeld(QStringLiteral("Text"));
    t->Ausrichtung = 3;
    waehlen({t});
    EXPECT_TRUE(ausrichtung[3]->isChecked());
    EXPECT_FALSE(ausrichtung[0]->isChecked());

    int start = anzahl();
    klick(ausrichtung[2]);
    EXPECT_EQ(log(start), QStringList{QStringLiteral("tf0.ausrichtungSetzen( zentriert )")});
    EXPECT_EQ(t->Ausrichtung, 2);
    EXPECT_TRUE(ausrichtung[2]->isChecked());
    EXPECT_EQ(neuzeichnen, 1);
    EXPECT_EQ(mausNeu, 1);
    EXPECT_TRUE(ab().Geaendert);

    // The button already down: nothing new.
    start = anzahl();
    klick(ausrichtung[2]);
    EXPECT_TRUE(log(start).isEmpty());

    klick(ausrichtung[0]);
    EXPECT_EQ(log(start), QStringList{QStringLiteral("tf0.ausrichtungSetzen( linksbündig )")});
}

TEST_F(TextPanel, SchriftdialogVorbelegtUndNurUnterschiede)
{
    TTextFeld *t = neuesTextfeld(QStringLiteral("Text"));
    t->Schriftart = QStringLiteral("Arial");
    t->Schriftgröße = 14;
    t->Fett = 1;
    waehlen({t});
    EXPECT_EQ(p->Schrift.family(), QStringLiteral("Arial"));
    EXPECT_EQ(p->Schrift.pointSize(), 14);

    std::optional<TSchriftwahl> antwort;
    TSchriftwahl vorgabe;
    int gefragt = 0;
    p->SchriftWaehlen = [&](const TSchriftwahl &v) {
        ++gefragt;
        vorgabe = v;
        return antwort ? antwort : std::optional<TSchriftwahl>();
    };

    // Cancelled: nothing.
    int start = anzahl();
    klick(f->SBSchriftart);
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(vorgabe.Name, QStringLiteral("Arial"));
    EXPECT_EQ(vorgabe.Groesse, 14);
    EXPECT_TRUE(vorgabe.Fett); // preset with the field's style too
    EXPECT_FALSE(vorgabe.Kursiv);
    EXPECT_TRUE(log(start).isEmpty());

    // Confirmed without changes: nothing is recorded.
    antwort = vorgabe;
    klick(f->SBSchriftart);
    EXPECT_TRUE(log(start).isEmpty());
    EXPECT_FALSE(ab().Geaendert);

    // Name and size changed, italic switched on, bold off.
    antwort = TSchriftwahl{QStringLiteral("Courier New"), 20, false, true};
    klick(f->SBSchriftart);
    EXPECT_EQ(log(start), (QStringList{QStringLiteral("tf0.schriftartSetzen( \"Courier New\" )"),
                                      QStringLiteral("tf0.schriftgroesseSetzen( 20 )"),
                                      QStringLiteral("tf0.fettSetzen( falsch )"),
                                      QStringLiteral("tf0.kursivSetzen( wahr )")}));
    EXPECT_EQ(t->Schriftart, QStringLiteral("Courier New"));
    EXPECT_EQ(t->Schriftgröße, 20);
    EXPECT_EQ(t->Fett, 0);
    EXPECT_EQ(t->Kursiv, 1);
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(p->Schrift.pointSize(), 20);
}

// --- with the window's sheet and tools ------------------------------------

TEST_F(PanelsImFenster, GewaehlteWerteGeltenFuerDieNaechsteFigur)
{
    TRechteck *r = rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    waehleIn(p->SBFuellfarbe, 19); // blau
    waehleIn(p->SBLinienart, 3);   // breitgestrichelt
    EXPECT_EQ(r->Linienart, 3);

    // A press on the sheet closes an open picker without recording anything.
    klick(p->SBLinienfarbe);
    ASSERT_TRUE(p->LinienfarbPicker->isVisible());
    int vorher = anzahl();
    klicken(px(5, 20));
    EXPECT_FALSE(p->LinienfarbPicker->isVisible());
    EXPECT_FALSE(p->SBLinienfarbe->Festgedrueckt);
    EXPECT_EQ(anzahl(), vorher);

    // Deselect, draw a new rectangle: it takes the pickers' values.
    klicken(px(15, 5));
    EXPECT_TRUE(auswahl().empty());
    werkzeug(f->SBRechteck);
    vorher = anzahl();
    ziehen(px(4, 12), px(9, 9));
    ASSERT_EQ(dok()->Teile.size(), 2u);
    const QStringList neu = neueEintraege(vorher);
    EXPECT_TRUE(neu.contains(QStringLiteral("re1.FüllfarbeSetzen( blau )")));
    EXPECT_TRUE(neu.contains(QStringLiteral("re1.LinienartSetzen( breitgestrichelt )")));

    // A line drawn: the fill button goes grey, the line buttons stay.
    werkzeug(f->SBLinie);
    ziehen(px(4, 22), px(10, 18));
    ASSERT_EQ(dok()->Teile.size(), 3u);
    EXPECT_FALSE(p->SBFuellfarbe->isEnabled());
    EXPECT_TRUE(p->SBLinienfarbe->isEnabled());
}

// "Text bearbeiten ...": cancelling restores the old text and records
// nothing; "Übernehmen" records one textSetzen. Both show the text live.
TEST_F(PanelsImFenster, TextBearbeitenUeberDenKnopf)
{
    auto *feld = figur<TTextFeld>(QStringLiteral("TEXTFELD"), 3, 18.5, 6, 3);
    feld->Text = QStringLiteral("Hallo");
    feld->Füllfarbe = TFarbe::Unsichtbar();
    f->Neuzeichnen();
    klicken(px(6, 20));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{feld});
    ASSERT_TRUE(f->SBTextBearbeiten->isEnabled());
    EXPECT_TRUE(f->Attributpanels->SBSchriftfarbe->isEnabled());

    TFTextBearbeiten *d = f->Attributpanels->FTextBearbeiten;
    const int vorher = anzahl();
    ab().Geaendert = false;
    for (QPushButton *knopf : {d->SBAbbrechen, d->SBUebernehmen}) {
        SCOPED_TRACE(knopf->text().toStdString());
        bool erledigt = false;
        QString live;
        QTimer wache;
        QObject::connect(&wache, &QTimer::timeout, [&] {
            if (!d->isVisible() || erledigt)
                return;
            erledigt = true;
            QTest::keyClicks(d->MText, QStringLiteral(" Welt"));
            live = feld->Text;
            QTest::mouseClick(knopf, Qt::LeftButton);
        });
        wache.start(5);
        klick(f->SBTextBearbeiten);
        EXPECT_TRUE(erledigt);
        EXPECT_EQ(live, QStringLiteral("Hallo Welt"));
        if (knopf == d->SBAbbrechen) {
            EXPECT_EQ(feld->Text, QStringLiteral("Hallo"));
            EXPECT_EQ(anzahl(), vorher);
            EXPECT_FALSE(ab().Geaendert);
        }
    }
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("tf0.textSetzen( \"Hallo Welt\" )")});
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_GT(analysator.Karten, 0);
}

// Builds docs/screenshots/picker.png (the README's picture) when
// FIGURO_SCREENSHOTS names a folder: the open fill picker with the selected
// rectangle's colour marked.
TEST_F(PanelsImFenster, BildschirmfotoMitOffenemPicker)
{
    f->resize(760, 560);
    QApplication::processEvents();
    TRechteck *r = rechteck(5, 24, 6, 3);
    r->Füllfarbe = TFarbe::Echt(FarbWert(51, 102, 255)); // hellblau
    auto *e = figur<TEllipse>(QStringLiteral("ELLIPSE"), 8.5, 21.25, 5, 3.5);
    e->Füllfarbe = TFarbe::Echt(FarbWert(255, 204, 0)); // gold
    e->Linienfarbe = TFarbe::Echt(0);
    e->Linienstärke = 0.05;
    e->Linienart = 2;
    f->Neuzeichnen();
    klicken(px(5, 24));
    klick(p->SBFuellfarbe);
    TFColorPicker *popup = p->FuellfarbPicker;
    ASSERT_EQ(popup->GedrueckteZelle(), popup->Zelle(26)); // hellblau
    QTest::mouseMove(popup->Zelle(19));
    QApplication::processEvents();
    QImage bild = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint versatz = popup->mapToGlobal(QPoint(0, 0)) - f->mapToGlobal(QPoint(0, 0));
    QPainter(&bild).drawImage(versatz, popup->grab().toImage());
    // The popup hangs below the fill button, its light-blue cell is pressed.
    const QPoint knopf = p->SBFuellfarbe->mapTo(f.get(), QPoint(2, p->SBFuellfarbe->height() - 2));
    EXPECT_EQ(versatz, knopf);
    const TColorPanel *hellblau = popup->Zelle(26);
    EXPECT_EQ(bild.pixelColor(versatz + hellblau->mapTo(popup, hellblau->rect().center())),
              QColor(51, 102, 255));
    EXPECT_TRUE(testhilfe::bildschirmfotoSichern(bild, QStringLiteral("picker.png")));
}
