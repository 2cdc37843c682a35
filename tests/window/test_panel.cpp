// The attribute panels of the main window, driven by real mouse events.
#include "fenster_hilfen.h"
#include "model/MethodenAufruf.h"
#include "window/Attributanzeige.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/ColorPicker.h"
#include "window/ui/LinienArtPicker.h"
#include "window/ui/LinienStaerkePicker.h"

#include <functional>

namespace {

constexpr std::uint32_t Rot = FarbWert(255, 0, 0), Blau = FarbWert(0, 0, 255), Gelb = FarbWert(255, 255, 0),
                        Gruen = FarbWert(0, 128, 0);

// The main window's attribute panels; their hooks still reach the window
// and are counted on the way.
struct AttributPanels : Fenster {
    TAttributPanels *p = nullptr;
    QToolButton *ausrichtung[4] = {};
    int neuzeichnen = 0, fokuskarten = 0, werte = 0, mausNeu = 0;

    void SetUp() override
    {
        Fenster::SetUp();
        p = f->Attributpanels;
        std::tie(ausrichtung[0], ausrichtung[1], ausrichtung[2], ausrichtung[3]) =
            std::tuple(f->SBLinksbuendig, f->SBRechtsbuendig, f->SBZentriert, f->SBBlocksatz);
        for (auto [haken, zaehler] : {std::pair{&p->Neuzeichnen, &neuzeichnen}, {&p->FokuskartenNeuZeichnen, &fokuskarten},
                                      {&p->WerteGeaendert, &werte}, {&p->MausNeuBewerten, &mausNeu}})
            *haken = [alt = *haken, z = zaehler] { ++*z, alt(); };
    }
    // A figure of the class with its box 3..7 x 4..6, black 0.1 mm solid
    // outline and the fill colour.
    template <class T> T *farbig(const char *klasse, std::uint32_t fuellung = Gelb)
    {
        T *o = figur<T>(QString::fromUtf8(klasse), 3, 4, 4, 2);
        std::tie(o->Füllfarbe, o->Linienfarbe, o->Linienstärke, o->Linienart) =
            std::tuple(TFarbe::Echt(fuellung), TFarbe::Echt(0), 0.01, 1);
        return o;
    }
    TRechteck *neuesRechteck(std::uint32_t fuellung = Gelb) { return farbig<TRechteck>("RECHTECK", fuellung); }
    TTextFeld *neuesTextfeld(const QString &text)
    {
        TTextFeld *t = farbig<TTextFeld>("TEXTFELD");
        t->Text = text;
        return t;
    }
    TLinie *neueLinie()
    {
        TLinie *l = farbig<TLinie>("LINIE");
        std::tie(l->Punkt1X, l->Punkt1Y, l->Punkt2X, l->Punkt2Y) = std::tuple(1, 1, 4, 3);
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
    // Opens the picker with its button, clicks the cell with the tag and
    // gives the log entries it made.
    QStringList wahl(TAuswahlButton *knopf, int tag)
    {
        const int start = anzahl();
        klick(knopf);
        TPickerFenster *popup = p->PopupVon(knopf);
        EXPECT_TRUE(popup->isVisible());
        if (popup->Zelle(tag))
            klick(popup->Zelle(tag));
        return log(start);
    }
};

} // namespace
// A choice applies to each selected figure in selection order, one logged
// setter each; mouse-locked figures only in teacher mode.
TEST_F(AttributPanels, WahlGiltFuerJedeGewaehlteFigur)
{
    TRechteck *r = neuesRechteck();
    auto *e = farbig<TEllipse>("ELLIPSE");
    TLinie *l = neueLinie();
    EXPECT_EQ(QStringList({p->SBFuellfarbe->toolTip(), p->SBLinienfarbe->toolTip(), p->SBLinienart->toolTip(),
                           p->SBLinienstaerke->toolTip(), p->SBSchriftfarbe->toolTip()}),
              QStringList({"Füllfarbe", "Linienfarbe", "Linienart", "Linienstärke", "Schriftfarbe"}));
    EXPECT_EQ(p->FuellfarbPicker->Zelle(6)->toolTip() + u'|' + p->LinienArtPicker->Zelle(3)->toolTip() + u'|' +
                  p->LinienStaerkePicker->Zelle(4)->toolTip() + u'|' + p->FuellfarbPicker->ZelleUnsichtbar->Beschriftung,
              QStringLiteral("weiß|breitgestrichelt|1.0 mm|Unsichtbar"));
    waehlen({e, l, r}); // selection order, not drawing order
    EXPECT_EQ(wahl(p->SBLinienart, 2), (QStringList{"el0.LinienartSetzen( gestrichelt )",
                                                    "li0.LinienartSetzen( gestrichelt )",
                                                    "re0.LinienartSetzen( gestrichelt )"}));
    EXPECT_EQ(std::tuple(r->Linienart, e->Linienart, l->Linienart), std::tuple(2, 2, 2));
    EXPECT_EQ(std::tuple(p->LinienArtPicker->isVisible(), p->SBLinienart->Festgedrueckt), std::tuple(false, false));
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(std::tuple(neuzeichnen, fokuskarten, p->Linienart()), std::tuple(1, 1, 2));
    EXPECT_EQ(p->LinienArtPicker->GedrueckteZelle(), p->LinienArtPicker->Zelle(2));

    // "Unsichtbar" in the fill picker; reopened, the popup marks it.
    waehlen({r});
    EXPECT_EQ(wahl(p->SBFuellfarbe, FarbzelleUnsichtbar), QStringList{"re0.FüllfarbeSetzen( unsichtbar )"});
    EXPECT_EQ(std::tuple(p->Fuellfarbe().FarbArt, p->SBFuellfarbe->Anzeigefarbe.FarbArt),
              std::tuple(FarbArtUnsichtbar, FarbArtUnsichtbar));
    klick(p->SBFuellfarbe);
    EXPECT_EQ(p->FuellfarbPicker->GedrueckteZelle(), p->FuellfarbPicker->ZelleUnsichtbar);
    klick(p->SBFuellfarbe); // its own button closes it again
    EXPECT_EQ(std::tuple(p->FuellfarbPicker->isVisible(), p->SBFuellfarbe->Festgedrueckt), std::tuple(false, false));

    TRechteck *r1 = neuesRechteck(), *r2 = neuesRechteck();
    waehlen({neueGruppe({r1, r2})});
    EXPECT_EQ(wahl(p->SBLinienfarbe, 21), (QStringList{"gr0.LinienfarbeSetzen( rot )", "  re1.LinienfarbeSetzen( rot )",
                                                       "  re2.LinienfarbeSetzen( rot )"}));
    EXPECT_EQ(p->SBLinienfarbe->Anzeigefarbe, TFarbe::Echt(Rot));
    EXPECT_EQ(wahl(p->SBLinienstaerke, 4).value(0), QStringLiteral("gr0.LinienstärkeSetzen( 1.00 mm )"));
    EXPECT_EQ(std::tuple(r2->Linienstärke, p->Linienstaerke()), std::tuple(0.1, 0.1));
    waehlen({r, r2}); // mixed widths: no cell marked
    EXPECT_EQ(p->LinienStaerkePicker->GedrueckteZelle(), nullptr);

    TRechteck *gesperrt = neuesRechteck();
    gesperrt->MausGesperrt = 1;
    waehlen({r, gesperrt});
    EXPECT_EQ(wahl(p->SBLinienart, 5), QStringList{"re0.LinienartSetzen( gestrichpunktelt )"});
    EXPECT_EQ(gesperrt->Linienart, 1);
    ab().Lehrermodus = true;
    EXPECT_EQ(wahl(p->SBLinienart, 4).size(), 2);
    EXPECT_EQ(gesperrt->Linienart, 4);
}

// A choice without a target changes only the value and the bar.
TEST_F(AttributPanels, WahlOhneZielAendertNurDenWert)
{
    TTextFeld *t1 = neuesTextfeld(QStringLiteral("eins")), *t2 = neuesTextfeld(QStringLiteral("zwei"));
    for (bool schrift : {false, true}) {
        SCOPED_TRACE(schrift ? "Schriftfarbe, zwei Textfelder" : "Füllfarbe, nichts gewählt");
        waehlen(schrift ? std::vector<TZeichenObjekt *>{t1, t2} : std::vector<TZeichenObjekt *>{});
        TAuswahlButton *knopf = schrift ? p->SBSchriftfarbe : p->SBFuellfarbe;
        EXPECT_FALSE(knopf->isEnabled());
        TFColorPicker *picker = schrift ? p->SchriftfarbPicker : p->FuellfarbPicker;
        picker->Zeigen(QPoint(0, 0));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(picker));
        const int start = anzahl();
        klick(picker->Zelle(19));
        EXPECT_TRUE(log(start).isEmpty());
        EXPECT_FALSE(ab().Geaendert);
        EXPECT_EQ(std::tuple(schrift ? p->Schriftfarbe() : p->Fuellfarbe(), knopf->Anzeigefarbe),
                  std::tuple(TFarbe::Echt(Blau), TFarbe::Echt(Blau)));
    }
    EXPECT_EQ(std::tuple(t1->Füllfarbe, t2->Schriftfarbe, werte > 0),
              std::tuple(TFarbe::Echt(Gelb), TFarbe::Echt(0), true));
    EXPECT_FALSE(SchriftfarbeAnwenden(ab(), TFarbe::Echt(Rot)));
}

// The font colour only for one text field; the alignment buttons record a
// change (the button already down: nothing new).
TEST_F(AttributPanels, SchriftfarbeUndAusrichtung)
{
    TTextFeld *t = neuesTextfeld(QStringLiteral("eins"));
    t->Schriftfarbe = TFarbe::Echt(Gruen);
    t->Ausrichtung = 3;
    waehlen({t});
    EXPECT_EQ(p->SBSchriftfarbe->Anzeigefarbe, TFarbe::Echt(Gruen));
    EXPECT_EQ(p->SchriftfarbPicker->GedrueckteZelle(), p->SchriftfarbPicker->Zelle(17));
    EXPECT_EQ(wahl(p->SBSchriftfarbe, 21), QStringList{"tf0.schriftfarbeSetzen( rot )"});
    EXPECT_EQ(t->Schriftfarbe, TFarbe::Echt(Rot));
    EXPECT_EQ(std::tuple(ausrichtung[3]->isChecked(), ausrichtung[0]->isChecked()), std::tuple(true, false));

    ab().Gespeichert();
    std::tie(neuzeichnen, mausNeu) = std::tuple(0, 0);
    const int start = anzahl();
    klick(ausrichtung[2]);
    EXPECT_EQ(log(start), QStringList{"tf0.ausrichtungSetzen( zentriert )"});
    EXPECT_EQ(std::tuple(int(t->Ausrichtung), ausrichtung[2]->isChecked(), neuzeichnen, mausNeu, ab().Geaendert),
              std::tuple(2, true, 1, 1, true));
    klick(ausrichtung[2]);
    EXPECT_EQ(log(start).size(), 1);
    klick(ausrichtung[0]);
    EXPECT_EQ(log(start).value(1), QStringLiteral("tf0.ausrichtungSetzen( linksbündig )"));
}

// The font dialog is preset with the field's font and style; cancelled or
// confirmed unchanged nothing is recorded; otherwise only the differences.
TEST_F(AttributPanels, SchriftdialogVorbelegtUndNurUnterschiede)
{
    TTextFeld *t = neuesTextfeld(QStringLiteral("Text"));
    std::tie(t->Schriftart, t->Schriftgröße, t->Fett) = std::tuple(QStringLiteral("Arial"), 14, 1);
    waehlen({t});
    EXPECT_EQ(std::tuple(p->Schrift.family(), p->Schrift.pointSize()), std::tuple(QStringLiteral("Arial"), 14));
    std::optional<TSchriftwahl> antwort;
    TSchriftwahl vorgabe;
    int gefragt = 0;
    p->SchriftWaehlen = [&](const TSchriftwahl &v) {
        ++gefragt;
        vorgabe = v;
        return antwort;
    };
    const int start = anzahl();
    klick(f->SBSchriftart);
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(std::tuple(vorgabe.Name, vorgabe.Groesse, vorgabe.Fett, vorgabe.Kursiv),
              std::tuple(QStringLiteral("Arial"), 14, true, false));
    EXPECT_TRUE(log(start).isEmpty());
    antwort = vorgabe;
    klick(f->SBSchriftart);
    EXPECT_TRUE(log(start).isEmpty());
    EXPECT_FALSE(ab().Geaendert);

    antwort = TSchriftwahl{QStringLiteral("Courier New"), 20, false, true};
    klick(f->SBSchriftart);
    EXPECT_EQ(log(start), (QStringList{"tf0.schriftartSetzen( \"Courier New\" )", "tf0.schriftgroesseSetzen( 20 )",
                                       "tf0.fettSetzen( falsch )", "tf0.kursivSetzen( wahr )"}));
    EXPECT_EQ(std::tuple(t->Schriftart, t->Schriftgröße, t->Fett, t->Kursiv),
              std::tuple(QStringLiteral("Courier New"), 20, 0, 1));
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(p->Schrift.pointSize(), 20);
}