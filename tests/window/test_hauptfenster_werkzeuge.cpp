// Drawing with the tools, handle drags and polylines through real events.
#include "common/gemeinsame_hilfen.h"
#include "fenster_hilfen.h"
#include "dialogs/ui/TextBearbeiten.h"
#include "window/ui/AttributPanels.h"

#include <QPushButton>
#include <QTimer>

using Werkzeuge = Fenster;
// Every tool takes the pickers' values, missing ones replaced; the drawing is
// saved as hauptfenster.png when FIGURO_SCREENSHOTS names a folder.
TEST_F(Werkzeuge, JedesWerkzeugNimmtDiePickerwerte)
{
    f->resize(820, 700);
    QTest::qWait(20);
    const TFarbe gelb = TFarbe::Echt(FarbWert(255, 255, 0)), schwarz = TFarbe::Echt(0),
                 blau = TFarbe::Echt(FarbWert(0, 160, 255)), rot = TFarbe::Echt(FarbWert(255, 80, 80)),
                 gruen = TFarbe::Echt(FarbWert(0, 128, 0));
    const struct {
        QToolButton *knopf;
        QPoint von, nach;
        TFarbe fuellung, linie;
        double staerke;
        std::uint8_t art;
        TFarbe sollFuellung, sollLinie;
        double sollStaerke;
        std::uint8_t sollArt;
    } zuege[] = {
        {f->SBRechteck, px(1.2, 28.4), px(6.2, 25), gelb, schwarz, 0.01, 1, gelb, schwarz, 0.01, 1},
        {f->SBEllipse, px(7.8, 28.4), px(13, 25), blau, schwarz, 0.05, 1, blau, schwarz, 0.05, 1},
        {f->SBVieleck, px(14.3, 28.6), px(18.7, 24.4), rot, schwarz, 0.05, 2, rot, schwarz, 0.05, 2},
        {f->SBLinie, px(1.5, 17.5), px(6.5, 22.5), schwarz, gruen, 0.1, 1, schwarz, gruen, 0.1, 1},
        {f->SBEllipse, px(4, 12), px(10, 8), TFarbe::Unsichtbar(), schwarz, 0.01, 1, gelb, schwarz, 0.01, 1},
        {f->SBVieleck, px(12, 12), px(16, 8), TFarbe(), TFarbe(), 0, 0, gelb, gelb, 0.01, 1},
    };
    const auto zeichnen = [&](const auto &z) {
        std::tie(f->Picker.Fuellfarbe, f->Picker.Linienfarbe, f->Picker.Linienstaerke, f->Picker.Linienart) =
            std::tuple(z.fuellung, z.linie, z.staerke, z.art);
        werkzeug(z.knopf);
        const int vorher = anzahl();
        ziehen(z.von, z.nach, z.knopf == f->SBVieleck ? Qt::ShiftModifier : Qt::NoModifier);
        auto *fig = static_cast<TZeichenObjekt *>(dok()->Teile.back().get());
        SCOPED_TRACE(fig->Name.toStdString());
        const QStringList neu = neueEintraege(vorher);
        if (z.knopf == f->SBLinie) {
            EXPECT_EQ(neu.front(), QStringLiteral("li0:LINIE"));
            EXPECT_EQ(neu.filter(QStringLiteral("FüllfarbeSetzen")), QStringList());
            EXPECT_TRUE(neu.contains(QStringLiteral("li0.LinienfarbeSetzen( grün )")));
        } else {
            EXPECT_EQ(fig->Füllfarbe, z.sollFuellung);
        }
        EXPECT_EQ(std::tuple(fig->Linienfarbe, fig->Linienstärke, fig->Linienart),
                  std::tuple(z.sollLinie, z.sollStaerke, z.sollArt));
    };
    for (int i = 0; i < 4; ++i)
        zeichnen(zuege[i]);
    std::tie(f->Picker.Fuellfarbe, f->Picker.Linienfarbe, f->Picker.Linienstaerke) =
        std::tuple(TFarbe::Echt(FarbWert(200, 255, 200)), TFarbe::Echt(0), 0.025);
    werkzeug(f->SBKurvenZug);
    for (const QPoint &p : {px(9, 22.5), px(13, 23), px(16.5, 20.5), px(13.5, 17.5), px(10, 18.5), px(9, 22.5)})
        klicken(p); // the last click closes the curve
    ASSERT_EQ(dok()->Teile.size(), 5u);
    auto *vieleck = static_cast<TVielEck *>(dok()->Teile[2].get());
    EXPECT_TRUE(nahe(std::fabs(vieleck->Länge), std::fabs(vieleck->Breite))); // Shift: a square box
    EXPECT_EQ(static_cast<TZeichenObjekt *>(dok()->Teile[4].get())->Füllfarbe, TFarbe::Echt(FarbWert(200, 255, 200)));
    klicken(px(10.4, 26.7)); // the ellipse selected, the mouse resting on it
    bewegen(px(10.9, 27.0));
    EXPECT_EQ(namen(auswahl()), QStringList{QStringLiteral("el0")});
    EXPECT_TRUE(testhilfe::bildschirmfotoSichern(f->grab().toImage(), QStringLiteral("hauptfenster.png")));
    zeichnen(zuege[4]);
    zeichnen(zuege[5]);
}

// Ctrl keeps the centre at the anchor, at once, previews only; Escape while
// drawing or a click without a drag creates nothing.
TEST_F(Werkzeuge, StrgHaeltDieMitteFestEscapeVerwirft)
{
    werkzeug(f->SBRechteck);
    const QPoint a = px(6, 20), b = a + QPoint(60, 40);
    ziehenBis(a, b, Qt::LeftButton, 20);
    TZeichenObjekt *n = f->Steuerung->NeueFigur();
    ASSERT_NE(n, nullptr);
    const double ax = zf()->XWelt(a.x()), ay = zf()->YWelt(a.y()), bx = zf()->XWelt(b.x()), by = zf()->YWelt(b.y());
    EXPECT_TRUE(nahe(n->MitteX, (ax + bx) / 2));
    const int vorAufbau = aufbauten();
    const QImage vorher = puffer();
    QTest::keyPress(seite, Qt::Key_Control);
    EXPECT_TRUE(nahe(n->MitteX, ax) && nahe(n->MitteY, ay));
    EXPECT_NE(puffer(), vorher);
    EXPECT_EQ(aufbauten(), vorAufbau);
    QTest::keyRelease(seite, Qt::Key_Control);
    EXPECT_TRUE(nahe(n->MitteX, (ax + bx) / 2));
    QTest::keyPress(seite, Qt::Key_Control);
    loslassen(b, Qt::LeftButton, Qt::ControlModifier);
    QTest::keyRelease(seite, Qt::Key_Control);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *r = static_cast<TRechteck *>(dok()->Teile[0].get());
    EXPECT_TRUE(nahe(r->MitteX, ax) && nahe(r->MitteY, ay));
    EXPECT_TRUE(nahe(r->Länge, 2 * (bx - ax)) && nahe(r->Breite, 2 * (ay - by)));

    klicken(px(15, 5)); // nothing selected
    werkzeug(f->SBEllipse);
    const QPoint e = px(12, 22);
    const QImage leer = puffer();
    ziehenBis(e, e + QPoint(30, 30), Qt::LeftButton, 1);
    ASSERT_EQ(zustand(), TMauszustand::FigurAufziehen);
    EXPECT_NE(puffer(), leer); // the inverted outline shows
    const int eintraege = anzahl();
    QTest::keyClick(seite, Qt::Key_Escape);
    EXPECT_EQ(puffer(), leer); // and is gone again
    EXPECT_EQ(f->Steuerung->NeueFigur(), nullptr);
    loslassen(e + QPoint(30, 30));
    EXPECT_EQ(dok()->Teile.size(), 1u);
    EXPECT_EQ(anzahl(), eintraege);
    EXPECT_FALSE(f->SBEllipse->isChecked());
    // A click without a drag creates nothing and puts the tool up.
    werkzeug(f->SBEllipse);
    klicken(e);
    EXPECT_EQ(std::tuple(dok()->Teile.size(), anzahl(), f->SBEllipse->isChecked()), std::tuple(1ul, eintraege, false));
}

// A new text field opens the modal text dialog for it at once.
TEST_F(Werkzeuge, TextfeldOeffnetDenTextdialog)
{
    int angefordert = 0;
    QObject::connect(f.get(), &TFMain::textBearbeitenAngefordert, [&] { ++angefordert; });
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
    EXPECT_EQ(std::tuple(angefordert, gezeigt), std::tuple(1, true));
    EXPECT_EQ(dialog->TextFeld, dok()->Teile[0].get());
    EXPECT_TRUE(f->SBTextBearbeiten->isEnabled());
}
// Shift on a dragged corner or the rotation handle acts at once, Escape then
// cancels; a side handle stretches, with previews until the release.
TEST_F(Werkzeuge, GriffZiehenMitShiftEscapeUndStrecken)
{
    TRechteck *r = rechteck(6, 20, 4, 2); // 4..8
    klicken(px(6, 20));
    TGriff *ecke = griff(r, GriffEcke);
    ASSERT_NE(ecke, nullptr);
    QPoint g = px(ecke->PosX, ecke->PosY);
    ziehenBis(g, g + QPoint(40, 10));
    auto *k = static_cast<TRechteck *>(ecke->VorschauKopie.get());
    ASSERT_NE(k, nullptr);
    EXPECT_GT(std::fabs(k->Länge / k->Breite - 2.0), 1e-3);
    QTest::keyPress(seite, Qt::Key_Shift);
    EXPECT_TRUE(nahe(k->Länge / k->Breite, 2.0, 1e-6));
    QTest::keyRelease(seite, Qt::Key_Shift);
    int vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_Escape);
    loslassen(g + QPoint(40, 10));
    EXPECT_DOUBLE_EQ(r->Länge, 4.0);

    TGriff *drehen = griff(r, GriffDrehung);
    ASSERT_NE(drehen, nullptr);
    g = px(drehen->PosX, drehen->PosY);
    bewegen(g);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Drehen);
    ziehenBis(g, g + QPoint(0, 30));
    QTest::keyClick(seite, Qt::Key_Escape);
    loslassen(g + QPoint(0, 30));
    EXPECT_DOUBLE_EQ(r->Winkel, 0.0);
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_EQ(f->Steuerung->GriffGeste(), nullptr);

    // The right side handle: hovered, with its double-arrow pointer.
    TGriff *rechts = nullptr;
    for (auto &gr : r->Griffe)
        if (gr->GriffArt == GriffSeite && gr->PosX > r->MitteX + 1)
            rechts = gr.get();
    ASSERT_NE(rechts, nullptr);
    g = px(rechts->PosX, rechts->PosY);
    bewegen(g);
    EXPECT_EQ(std::tuple(zustand(), f->Zeiger()), std::tuple(TMauszustand::UeberGriff, TMauszeiger::GroesseHorizontal));
    vorher = anzahl();
    const int vorAufbau = aufbauten();
    const int schritt = int(std::lround(4.0 * zf()->SkalaX)); // the own length
    druecken(g);
    EXPECT_EQ(zustand(), TMauszustand::GriffGedrueckt);
    EXPECT_EQ(f->Hinweistext, QStringLiteral("Probiere die Wirkung der Shift- und Strg-Taste beim Ziehen aus!"));
    for (int i = 1; i <= 10; ++i)
        ziehenNach(g + QPoint(schritt * i / 10, 0));
    EXPECT_EQ(zustand(), TMauszustand::GriffZiehen);
    EXPECT_EQ(aufbauten(), vorAufbau);
    EXPECT_DOUBLE_EQ(r->Länge, 4.0); // unchanged until the release
    loslassen(g + QPoint(schritt, 0));
    EXPECT_TRUE(nahe(r->Länge, 4.0 + schritt / zf()->SkalaX, 1e-6) && nahe(r->Umgebungsrechteck.Links, 4.0, 1e-6));
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 3);
    EXPECT_TRUE(neu[0].startsWith(QStringLiteral("re0.verschieben(")));
    EXPECT_TRUE(neu[1].startsWith(QStringLiteral("re0.BreiteSetzen(")));
    EXPECT_TRUE(neu[2].startsWith(QStringLiteral("re0.LängeSetzen(")));
    EXPECT_FALSE(r->Griffe.empty()); // made anew
    EXPECT_TRUE(ab().Geaendert);
}

// A polyline drawn click by click, then its vertex and segment handles: the
// pointers, a right click, a double click, a click inserting a point.
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
    EXPECT_EQ(std::tuple(lz->PunktAnzahl(), int(lz->Geschlossen)), std::tuple(3, 0));
    EXPECT_TRUE(nahe(lz->Punkt(2)->Y, zf()->YWelt(px(9, 18).y())));
    EXPECT_EQ(neueEintraege(vorher).value(0), QStringLiteral("lz0:LINIENZUG"));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{lz});
    EXPECT_FALSE(f->SBLinienzug->isChecked());

    bewegen(px(3, 22));
    EXPECT_EQ(std::tuple(zustand(), f->Zeiger()), std::tuple(TMauszustand::UeberGriff, TMauszeiger::PunktVerschieben));
    bewegen(px(6, 22));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::LinienAbschnitt);
    EXPECT_EQ(ZeigerFuerCursorArt(TCursorArt::Pfeil), TMauszeiger::Standard);
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
    EXPECT_EQ(std::tuple(lz->PunktAnzahl(), dok()->Teile.size(), anzahl()), std::tuple(3, 1u, vorher));
    klicken(px(6, 22));
    EXPECT_EQ(lz->PunktAnzahl(), 4);
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 1);
    EXPECT_TRUE(neu[0].endsWith(QStringLiteral(":PUNKT"))) << neu[0].toStdString();
}

