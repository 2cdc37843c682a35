// Drawing with the tools, handle drags and polylines through real events.
#include "common/TestHilfen.h"
#include "FensterTest.h"
#include "dialogs/ui/TextBearbeiten.h"
#include "window/ui/AttributPanels.h"

#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using Werkzeuge = Fenster;

TEST_F(Werkzeuge, RechteckZeichnenProtokolliertErzeugungUndSetzer)
{
    werkzeug(f->SBRechteck);
    const QPoint a = px(4, 22), b = px(10, 18);
    const int vorher = anzahl();
    ziehen(a, b);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *r = dynamic_cast<TRechteck *>(dok()->Teile[0].get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Name, QStringLiteral("re0"));
    EXPECT_FALSE(r->Vorschau);
    const double x1 = zf()->XWelt(a.x()), y1 = zf()->YWelt(a.y());
    const double x2 = zf()->XWelt(b.x()), y2 = zf()->YWelt(b.y());
    EXPECT_TRUE(nahe(r->Umgebungsrechteck.Links, x1) && nahe(r->Umgebungsrechteck.Rechts, x2));
    EXPECT_TRUE(nahe(r->Umgebungsrechteck.Unten, y2) && nahe(r->Umgebungsrechteck.Oben, y1));

    // The creation is recorded with the setters of its values (the picker
    // values are checked for every tool below).
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 8);
    EXPECT_EQ(neu[0], QStringLiteral("re0:RECHTECK"));
    EXPECT_EQ(neu[7], QStringLiteral("re0.LinienartSetzen( durchgezogen )"));

    // The new figure is selected, focused, has its handles; the tool is up.
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    EXPECT_EQ(analysator.Fokus, r);
    EXPECT_GT(analysator.Aufbauten, 0);
    EXPECT_FALSE(r->Griffe.empty());
    EXPECT_FALSE(f->SBRechteck->isChecked());
    EXPECT_TRUE(f->Arbeitsbereich->Geaendert);
    EXPECT_TRUE(TMausSteuerung::Tipps(4).contains(f->Hinweistext));
}

// Every tool takes the pickers' current values (Shift gives the polygon a
// square box). When FIGURO_SCREENSHOTS names a folder the drawing is saved
// there as hauptfenster.png.
TEST_F(Werkzeuge, JedesWerkzeugNimmtDiePickerwerte)
{
    f->resize(820, 700);
    QTest::qWait(20);
    const struct {
        QToolButton *knopf;
        QPoint von, nach;
        std::uint32_t fuellung, linie;
        double staerke;
        std::uint8_t art;
    } zuege[] = {
        {f->SBRechteck, px(1.2, 28.4), px(6.2, 25), FarbWert(255, 255, 0), 0, 0.01, 1},
        {f->SBEllipse, px(7.8, 28.4), px(13, 25), FarbWert(0, 160, 255), 0, 0.05, 1},
        {f->SBVieleck, px(14.3, 28.6), px(18.7, 24.4), FarbWert(255, 80, 80), 0, 0.05, 2},
        {f->SBLinie, px(1.5, 17.5), px(6.5, 22.5), 0, FarbWert(0, 128, 0), 0.1, 1},
    };
    for (const auto &z : zuege) {
        f->Picker.Fuellfarbe = TFarbe::Echt(z.fuellung);
        f->Picker.Linienfarbe = TFarbe::Echt(z.linie);
        f->Picker.Linienstaerke = z.staerke;
        f->Picker.Linienart = z.art;
        werkzeug(z.knopf);
        const int vorher = anzahl();
        ziehen(z.von, z.nach, z.knopf == f->SBVieleck ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_FALSE(dok()->Teile.empty());
        auto *fig = static_cast<TZeichenObjekt *>(dok()->Teile.back().get());
        SCOPED_TRACE(fig->Name.toStdString());
        const QStringList neu = neueEintraege(vorher);
        if (z.knopf != f->SBLinie) {
            EXPECT_EQ(fig->Füllfarbe, TFarbe::Echt(z.fuellung));
        } else { // a line gets no fill colour at all
            EXPECT_EQ(neu.front(), QStringLiteral("li0:LINIE"));
            EXPECT_EQ(neu.filter(QStringLiteral("FüllfarbeSetzen")), QStringList());
            EXPECT_TRUE(neu.contains(QStringLiteral("li0.LinienfarbeSetzen( grün )")));
        }
        EXPECT_EQ(fig->Linienfarbe, TFarbe::Echt(z.linie));
        EXPECT_DOUBLE_EQ(fig->Linienstärke, z.staerke);
        EXPECT_EQ(fig->Linienart, z.art);
    }
    f->Picker.Fuellfarbe = TFarbe::Echt(FarbWert(200, 255, 200));
    f->Picker.Linienfarbe = TFarbe::Echt(0);
    f->Picker.Linienstaerke = 0.025;
    werkzeug(f->SBKurvenZug);
    for (const QPoint &p : {px(9, 22.5), px(13, 23), px(16.5, 20.5), px(13.5, 17.5), px(10, 18.5), px(9, 22.5)})
        klicken(p); // the last click closes the curve
    ASSERT_EQ(dok()->Teile.size(), 5u);
    auto *vieleck = static_cast<TVielEck *>(dok()->Teile[2].get());
    EXPECT_NEAR(std::fabs(vieleck->Länge), std::fabs(vieleck->Breite), 1e-9); // Shift: a square box
    EXPECT_EQ(static_cast<TZeichenObjekt *>(dok()->Teile[4].get())->Füllfarbe,
              TFarbe::Echt(FarbWert(200, 255, 200)));
    EXPECT_EQ(dok()->Teile[2]->Name, QStringLiteral("ve0"));

    klicken(px(10.4, 26.7)); // the ellipse selected, the mouse resting on it
    bewegen(px(10.9, 27.0));
    ASSERT_EQ(auswahl().size(), 1u);
    EXPECT_EQ(auswahl().front()->Name, QStringLiteral("el0"));
    EXPECT_TRUE(testhilfe::bildschirmfotoSichern(f->grab().toImage(), QStringLiteral("hauptfenster.png")));
}

// An invisible or mixed fill colour gives yellow, a mixed line colour too; a
// width of 0 and a line style of 0 fall back to 0.1 mm and "durchgezogen".
TEST_F(Werkzeuge, FehlendePickerwerteWerdenErsetzt)
{
    f->Picker.Fuellfarbe = TFarbe::Unsichtbar();
    werkzeug(f->SBEllipse);
    ziehen(px(4, 22), px(10, 18));
    f->Picker.Fuellfarbe = TFarbe();
    f->Picker.Linienfarbe = TFarbe();
    f->Picker.Linienstaerke = 0;
    f->Picker.Linienart = 0;
    werkzeug(f->SBVieleck);
    ziehen(px(12, 22), px(16, 18));
    ASSERT_EQ(dok()->Teile.size(), 2u);
    auto *e = static_cast<TZeichenObjekt *>(dok()->Teile[0].get());
    auto *v = static_cast<TZeichenObjekt *>(dok()->Teile[1].get());
    EXPECT_EQ(e->Füllfarbe, TFarbe::Echt(FarbWert(255, 255, 0)));
    EXPECT_EQ(v->Füllfarbe, TFarbe::Echt(FarbWert(255, 255, 0)));
    EXPECT_EQ(v->Linienfarbe, TFarbe::Echt(FarbWert(255, 255, 0)));
    EXPECT_DOUBLE_EQ(v->Linienstärke, 0.01);
    EXPECT_EQ(v->Linienart, 1);
}

TEST_F(Werkzeuge, StrgHaeltDieMitteFestEscapeVerwirft)
{
    werkzeug(f->SBRechteck);
    const QPoint a = px(6, 20), b = a + QPoint(60, 40);
    ziehenBis(a, b, Qt::LeftButton, 20);
    TZeichenObjekt *n = f->Steuerung->NeueFigur();
    ASSERT_NE(n, nullptr);
    const double ax = zf()->XWelt(a.x()), ay = zf()->YWelt(a.y());
    const double bx = zf()->XWelt(b.x()), by = zf()->YWelt(b.y());
    EXPECT_NEAR(n->MitteX, (ax + bx) / 2, 1e-9);
    const int aufbauten = f->Zeichenbereich->Neuaufbauten();
    const QImage vorher = f->Zeichenbereich->Puffer().copy();

    // Ctrl without moving the mouse: the preview is centred on the anchor.
    QTest::keyPress(seite, Qt::Key_Control);
    EXPECT_NEAR(n->MitteX, ax, 1e-9);
    EXPECT_NEAR(n->MitteY, ay, 1e-9);
    EXPECT_NE(f->Zeichenbereich->Puffer(), vorher);
    EXPECT_EQ(f->Zeichenbereich->Neuaufbauten(), aufbauten);
    // Releasing Ctrl goes back at once as well.
    QTest::keyRelease(seite, Qt::Key_Control);
    EXPECT_NEAR(n->MitteX, (ax + bx) / 2, 1e-9);
    QTest::keyPress(seite, Qt::Key_Control);
    loslassen(b, Qt::LeftButton, Qt::ControlModifier);
    QTest::keyRelease(seite, Qt::Key_Control);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *r = static_cast<TRechteck *>(dok()->Teile[0].get());
    EXPECT_NEAR(r->MitteX, ax, 1e-9);
    EXPECT_NEAR(r->MitteY, ay, 1e-9);
    EXPECT_NEAR(r->Länge, 2 * (bx - ax), 1e-9);
    EXPECT_NEAR(r->Breite, 2 * (ay - by), 1e-9);

    // Escape while drawing throws the new figure away; so does another tool.
    klicken(px(15, 5)); // nothing selected
    werkzeug(f->SBEllipse);
    const QPoint e = px(12, 22);
    const QImage leer = f->Zeichenbereich->Puffer().copy();
    ziehenBis(e, e + QPoint(30, 30), Qt::LeftButton, 1);
    ASSERT_EQ(zustand(), TMauszustand::FigurAufziehen);
    EXPECT_NE(f->Zeichenbereich->Puffer(), leer); // the inverted outline shows
    const int eintraege = anzahl();
    QTest::keyClick(seite, Qt::Key_Escape);
    EXPECT_EQ(f->Zeichenbereich->Puffer(), leer); // and is gone again
    EXPECT_EQ(f->Steuerung->NeueFigur(), nullptr);
    loslassen(e + QPoint(30, 30));
    EXPECT_EQ(dok()->Teile.size(), 1u);
    EXPECT_EQ(anzahl(), eintraege);
    EXPECT_FALSE(f->SBEllipse->isChecked());

    werkzeug(f->SBLinie);
    werkzeug(f->SBTextFeld);
    EXPECT_FALSE(f->SBLinie->isChecked());
    EXPECT_TRUE(f->SBTextFeld->isChecked());
    EXPECT_EQ(f->Steuerung->NeueFigur()->KlassenId, KlasseTextFeld);
}

TEST_F(Werkzeuge, TextfeldOeffnetDenTextdialog)
{
    int angefordert = 0;
    QObject::connect(f.get(), &TFMain::textBearbeitenAngefordert, [&] { ++angefordert; });
    // The text dialog is modal: cancel it as soon as it shows.
    TFTextBearbeiten *dialog = f->Attributpanels->FTextBearbeiten;
    bool gezeigt = false;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        if (dialog->isVisible()) {
            gezeigt = true;
            dialog->SBAbbrechen->click();
        }
    });
    wache.start(5);
    werkzeug(f->SBTextFeld);
    ziehen(px(4, 22), px(10, 18));
    ASSERT_EQ(dok()->Teile.size(), 1u);
    EXPECT_EQ(dok()->Teile[0]->KlassenId, KlasseTextFeld);
    EXPECT_EQ(angefordert, 1);
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(dialog->TextFeld, dok()->Teile[0].get());
    EXPECT_TRUE(f->SBTextBearbeiten->isEnabled());
}

TEST_F(Werkzeuge, KurvenzugSchliesstSichAmAnfangspunkt)
{
    werkzeug(f->SBKurvenZug);
    const QPoint p[] = {px(3, 22), px(8, 25), px(12, 21), px(7, 17)};
    for (const QPoint &q : p)
        klicken(q);
    // Near the first point the pointer says "close".
    bewegen(p[0] + QPoint(1, 1));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Schliessen);
    bewegen(p[0] + QPoint(10, 10));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Kreuz);
    klicken(p[0]);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *lz = static_cast<TLinienZug *>(dok()->Teile[0].get());
    EXPECT_EQ(lz->Geschlossen, 1);
    EXPECT_EQ(lz->PunktAnzahl(), 4);
    EXPECT_EQ(lz->Punkt(1)->AbschnittArt, 1); // curved segments
}

// Shift pressed while a corner is dragged makes the preview proportional at
// once; Escape then cancels: nothing changes, nothing is recorded. The same
// for the rotation handle. A side handle dragged and released stretches the
// figure, with previews only until the release.
TEST_F(Werkzeuge, GriffZiehenMitShiftEscapeUndStrecken)
{
    TRechteck *r = rechteck(6, 20, 4, 2); // 4..8
    klicken(px(6, 20));
    ASSERT_FALSE(r->Griffe.empty());
    TGriff *ecke = Fenster::griff(r, GriffEcke);
    ASSERT_NE(ecke, nullptr);
    QPoint griff = px(ecke->PosX, ecke->PosY);
    ziehenBis(griff, griff + QPoint(40, 10));
    auto *k = static_cast<TRechteck *>(ecke->VorschauKopie.get());
    ASSERT_NE(k, nullptr);
    EXPECT_GT(std::fabs(k->Länge / k->Breite - 2.0), 1e-3);
    QTest::keyPress(seite, Qt::Key_Shift);
    EXPECT_NEAR(k->Länge / k->Breite, 2.0, 1e-6);
    QTest::keyRelease(seite, Qt::Key_Shift);
    int vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_Escape);
    loslassen(griff + QPoint(40, 10));
    EXPECT_DOUBLE_EQ(r->Länge, 4.0);

    TGriff *drehen = Fenster::griff(r, GriffDrehung);
    ASSERT_NE(drehen, nullptr);
    griff = px(drehen->PosX, drehen->PosY);
    bewegen(griff);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Drehen);
    ziehenBis(griff, griff + QPoint(0, 30));
    QTest::keyClick(seite, Qt::Key_Escape);
    loslassen(griff + QPoint(0, 30));
    EXPECT_DOUBLE_EQ(r->Winkel, 0.0);
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_EQ(f->Steuerung->GriffGeste(), nullptr);

    // The right side handle: hovered, with its double-arrow pointer.
    TGriff *rechts = nullptr;
    for (auto &g : r->Griffe)
        if (g->GriffArt == GriffSeite && g->PosX > r->MitteX + 1)
            rechts = g.get();
    ASSERT_NE(rechts, nullptr);
    griff = px(rechts->PosX, rechts->PosY);
    bewegen(griff);
    EXPECT_EQ(zustand(), TMauszustand::UeberGriff);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::GroesseHorizontal);

    vorher = anzahl();
    const int aufbauten = f->Zeichenbereich->Neuaufbauten();
    const int schritt = int(std::lround(4.0 * zf()->SkalaX)); // the own length
    druecken(griff);
    EXPECT_EQ(zustand(), TMauszustand::GriffGedrueckt);
    EXPECT_EQ(f->Hinweistext,
              QStringLiteral("Probiere die Wirkung der Shift- und Strg-Taste beim Ziehen aus!"));
    for (int i = 1; i <= 10; ++i)
        ziehenNach(griff + QPoint(schritt * i / 10, 0));
    EXPECT_EQ(zustand(), TMauszustand::GriffZiehen);
    EXPECT_EQ(f->Zeichenbereich->Neuaufbauten(), aufbauten);
    EXPECT_DOUBLE_EQ(r->Länge, 4.0); // unchanged until the release
    loslassen(griff + QPoint(schritt, 0));
    EXPECT_NEAR(r->Länge, 4.0 + schritt / zf()->SkalaX, 1e-6);
    EXPECT_NEAR(r->Umgebungsrechteck.Links, 4.0, 1e-6);
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 3);
    EXPECT_TRUE(neu[0].startsWith(QStringLiteral("re0.verschieben(")));
    EXPECT_TRUE(neu[1].startsWith(QStringLiteral("re0.BreiteSetzen(")));
    EXPECT_TRUE(neu[2].startsWith(QStringLiteral("re0.LängeSetzen(")));
    EXPECT_FALSE(r->Griffe.empty()); // made anew
    EXPECT_TRUE(f->Arbeitsbereich->Geaendert);
}

// A polyline drawn click by click and finished with a double click, then
// selected: pointers over its vertex and segment, a right click keeping the
// segment handle for the point commands, a double click on it changing
// nothing, a click on the segment inserting a point.
TEST_F(Werkzeuge, LinienzugZeichnenUndSeineGriffe)
{
    werkzeug(f->SBLinienzug);
    int vorher = anzahl();
    klicken(px(3, 22));
    EXPECT_EQ(zustand(), TMauszustand::FigurAufziehen);
    EXPECT_TRUE(TMausSteuerung::Tipps(2).contains(f->Hinweistext));
    klicken(px(9, 22));
    bewegen(px(9, 18));
    doppelklicken(px(9, 18));
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *lz = dynamic_cast<TLinienZug *>(dok()->Teile[0].get());
    ASSERT_NE(lz, nullptr);
    EXPECT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_EQ(lz->Geschlossen, 0);
    EXPECT_NEAR(lz->Punkt(2)->Y, zf()->YWelt(px(9, 18).y()), 1e-9);
    EXPECT_EQ(neueEintraege(vorher).value(0), QStringLiteral("lz0:LINIENZUG"));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{lz});
    EXPECT_FALSE(f->SBLinienzug->isChecked());
    EXPECT_NE(zustand(), TMauszustand::FigurAufziehen);

    bewegen(px(3, 22));
    EXPECT_EQ(zustand(), TMauszustand::UeberGriff);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::PunktVerschieben);
    bewegen(px(6, 22));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::LinienAbschnitt);

    druecken(px(6, 22), Qt::RightButton);
    loslassen(px(6, 22), Qt::RightButton);
    ASSERT_NE(f->Steuerung->KontextGriff, nullptr);
    EXPECT_EQ(f->Steuerung->KontextGriff->GriffArt, GriffSegment);
    EXPECT_EQ(f->Steuerung->KontextGriff->Figur, lz);
    f->GriffeNeuErzeugen(); // rebuilding the handles forgets it
    EXPECT_EQ(f->Steuerung->KontextGriff, nullptr);

    // Not selected: the two clicks of a double click select it, the double
    // click itself does nothing.
    klicken(px(15, 10));
    vorher = anzahl();
    bewegen(px(6, 22));
    doppelklicken(px(6, 22));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{lz});
    EXPECT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_EQ(dok()->Teile.size(), 1u);
    EXPECT_EQ(anzahl(), vorher);

    klicken(px(6, 22));
    EXPECT_EQ(lz->PunktAnzahl(), 4);
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 1);
    EXPECT_TRUE(neu[0].endsWith(QStringLiteral(":PUNKT"))) << neu[0].toStdString();
}

// A press and release with a tool but no drag creates and records nothing,
// puts the tool up and brings back the handles hidden while drawing.
TEST_F(Werkzeuge, KlickOhneZiehenErzeugtNichtsUndZeigtDieAlteAuswahl)
{
    TRechteck *r = rechteck(6, 20, 4, 2);
    klicken(px(6, 20));
    ASSERT_FALSE(r->Griffe.empty());
    werkzeug(f->SBEllipse);
    EXPECT_TRUE(f->SBEllipse->isChecked());
    EXPECT_EQ(zustand(), TMauszustand::WerkzeugBereit);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Kreuz);
    const int vorher = anzahl();
    bewegen(px(12, 10));
    druecken(px(12, 10));
    EXPECT_TRUE(r->Griffe.empty());
    loslassen(px(12, 10));
    EXPECT_EQ(dok()->Teile.size(), 1u);
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_FALSE(f->SBEllipse->isChecked());
    EXPECT_EQ(zustand(), TMauszustand::Frei);
    EXPECT_EQ(f->Steuerung->NeueFigur(), nullptr);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    EXPECT_FALSE(r->Griffe.empty());
}
