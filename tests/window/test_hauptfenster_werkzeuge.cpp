// Drawing with the tools, handle drags and polylines through real events.
#include "FensterTest.h"
#include "dialogs/ui/TextBearbeiten.h"
#include "window/ui/AttributPanels.h"

#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using Werkzeuge = Fenster;

TEST_F(Werkzeuge, KlickOhneZiehenErzeugtNichts)
{
    werkzeug(f->SBRechteck);
    EXPECT_TRUE(f->SBRechteck->isChecked());
    EXPECT_EQ(zustand(), TMauszustand::WerkzeugBereit);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Kreuz);
    const int vorher = anzahl();
    klicken(px(5, 20));
    EXPECT_TRUE(dok()->Teile.empty());
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_FALSE(f->SBRechteck->isChecked());
    EXPECT_EQ(zustand(), TMauszustand::Frei);
    EXPECT_EQ(f->Steuerung->NeueFigur(), nullptr);
}

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
    EXPECT_NEAR(r->MitteX, (x1 + x2) / 2, 1e-9);
    EXPECT_NEAR(r->MitteY, (y1 + y2) / 2, 1e-9);
    EXPECT_NEAR(r->Länge, x2 - x1, 1e-9);
    EXPECT_NEAR(r->Breite, y1 - y2, 1e-9);

    const QStringList neu = neueEintraege(vorher);
    ASSERT_GE(neu.size(), 8);
    EXPECT_EQ(neu[0], QStringLiteral("re0:RECHTECK"));
    EXPECT_TRUE(neu[1].startsWith(QStringLiteral("re0.DiagonalenschnittpunktSetzen( ")));
    EXPECT_TRUE(neu[2].startsWith(QStringLiteral("re0.BreiteSetzen( ")));
    EXPECT_TRUE(neu[3].startsWith(QStringLiteral("re0.LängeSetzen( ")));
    EXPECT_EQ(neu.mid(neu.size() - 4),
              QStringList({QStringLiteral("re0.FüllfarbeSetzen( gelb )"),
                           QStringLiteral("re0.LinienfarbeSetzen( schwarz )"),
                           QStringLiteral("re0.LinienstärkeSetzen( 0.10 mm )"),
                           QStringLiteral("re0.LinienartSetzen( durchgezogen )")}));

    // The new figure is selected, focused, has its handles; the tool is up.
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    EXPECT_EQ(analysator.Fokus, r);
    EXPECT_GT(analysator.Aufbauten, 0);
    EXPECT_FALSE(r->Griffe.empty());
    EXPECT_FALSE(f->SBRechteck->isChecked());
    EXPECT_TRUE(f->Arbeitsbereich->Geaendert);
    EXPECT_TRUE(TMausSteuerung::Tipps(4).contains(f->Hinweistext));
}

TEST_F(Werkzeuge, UnsichtbareFuellfarbeWirdGelb)
{
    f->Picker.Fuellfarbe = TFarbe::Unsichtbar();
    f->Picker.Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    f->Picker.Linienstaerke = 0.05;
    f->Picker.Linienart = 2;
    werkzeug(f->SBEllipse);
    ziehen(px(4, 22), px(10, 18));
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *e = dynamic_cast<TEllipse *>(dok()->Teile[0].get());
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Füllfarbe, TFarbe::Echt(FarbWert(255, 255, 0)));
    EXPECT_EQ(e->Linienfarbe, TFarbe::Echt(FarbWert(0, 0, 255)));
    EXPECT_DOUBLE_EQ(e->Linienstärke, 0.05);
    EXPECT_EQ(e->Linienart, 2);
    // A picker without a uniform colour gives yellow too; a width of 0 and
    // a line style of 0 fall back to 0.1 mm and "durchgezogen".
    f->Picker.Linienfarbe = TFarbe();
    f->Picker.Linienstaerke = 0;
    f->Picker.Linienart = 0;
    werkzeug(f->SBVieleck);
    ziehen(px(12, 22), px(16, 18));
    ASSERT_EQ(dok()->Teile.size(), 2u);
    auto *v = static_cast<TZeichenObjekt *>(dok()->Teile[1].get());
    EXPECT_EQ(v->Linienfarbe, TFarbe::Echt(FarbWert(255, 255, 0)));
    EXPECT_DOUBLE_EQ(v->Linienstärke, 0.01);
    EXPECT_EQ(v->Linienart, 1);
}

TEST_F(Werkzeuge, LinieBekommtKeineFuellfarbe)
{
    werkzeug(f->SBLinie);
    const int vorher = anzahl();
    ziehen(px(4, 22), px(10, 18));
    ASSERT_EQ(dok()->Teile.size(), 1u);
    const QStringList neu = neueEintraege(vorher);
    EXPECT_EQ(neu.front(), QStringLiteral("li0:LINIE"));
    for (const QString &e : neu)
        EXPECT_FALSE(e.contains(QStringLiteral("FüllfarbeSetzen"))) << e.toStdString();
    EXPECT_TRUE(neu.contains(QStringLiteral("li0.LinienfarbeSetzen( schwarz )")));
}

TEST_F(Werkzeuge, StrgWaehrendDesAufziehensHaeltDieMitteFest)
{
    werkzeug(f->SBRechteck);
    const QPoint a = px(6, 20), b = a + QPoint(60, 40);
    bewegen(a);
    druecken(a);
    for (int i = 1; i <= 20; ++i)
        ziehenNach(a + (b - a) * i / 20);
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
}

TEST_F(Werkzeuge, ShiftGibtEinQuadrat)
{
    werkzeug(f->SBRechteck);
    ziehen(px(4, 22), px(4, 22) + QPoint(80, 30), Qt::ShiftModifier);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *r = static_cast<TRechteck *>(dok()->Teile[0].get());
    EXPECT_NEAR(std::fabs(r->Länge), std::fabs(r->Breite), 1e-9);
}

TEST_F(Werkzeuge, EscapeUndWerkzeugwechselVerwerfenDieNeueFigur)
{
    werkzeug(f->SBEllipse);
    const QPoint a = px(4, 22);
    bewegen(a);
    druecken(a);
    ziehenNach(a + QPoint(30, 30));
    ASSERT_EQ(zustand(), TMauszustand::FigurAufziehen);
    const int vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_Escape);
    loslassen(a + QPoint(30, 30));
    EXPECT_TRUE(dok()->Teile.empty());
    EXPECT_EQ(anzahl(), vorher);
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

TEST_F(Werkzeuge, LinienzugPunktFuerPunktMitDoppelklick)
{
    werkzeug(f->SBLinienzug);
    const QPoint p0 = px(3, 22), p1 = px(8, 24), p2 = px(12, 20);
    const int vorher = anzahl();
    klicken(p0);
    EXPECT_EQ(zustand(), TMauszustand::FigurAufziehen);
    EXPECT_TRUE(TMausSteuerung::Tipps(2).contains(f->Hinweistext));
    bewegen(p1);
    klicken(p1);
    bewegen(p2);
    doppelklicken(p2);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *lz = dynamic_cast<TLinienZug *>(dok()->Teile[0].get());
    ASSERT_NE(lz, nullptr);
    EXPECT_EQ(lz->Name, QStringLiteral("lz0"));
    EXPECT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_EQ(lz->Geschlossen, 0);
    EXPECT_FALSE(lz->Vorschau);
    EXPECT_NEAR(lz->Punkt(2)->X, zf()->XWelt(p2.x()), 1e-9);
    EXPECT_EQ(neueEintraege(vorher).value(0), QStringLiteral("lz0:LINIENZUG"));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{lz});
    EXPECT_FALSE(f->SBLinienzug->isChecked());
    EXPECT_NE(zustand(), TMauszustand::FigurAufziehen);
}

TEST_F(Werkzeuge, KurvenzugSchliesstSichAmAnfangspunkt)
{
    werkzeug(f->SBKurvenZug);
    const QPoint p[] = {px(3, 22), px(8, 25), px(12, 21), px(7, 17)};
    for (const QPoint &q : p) {
        bewegen(q);
        klicken(q);
    }
    // Near the first point the pointer says "close".
    bewegen(p[0] + QPoint(1, 1));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Schliessen);
    bewegen(p[0] + QPoint(10, 10));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Kreuz);
    bewegen(p[0]);
    klicken(p[0]);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *lz = static_cast<TLinienZug *>(dok()->Teile[0].get());
    EXPECT_EQ(lz->Geschlossen, 1);
    EXPECT_EQ(lz->PunktAnzahl(), 4);
    EXPECT_EQ(lz->Punkt(1)->AbschnittArt, 1); // curved segments
}

TEST_F(Werkzeuge, DoppelklickAufVorhandenenLinienzugAendertNichts)
{
    werkzeug(f->SBLinienzug);
    klicken(px(3, 22));
    bewegen(px(9, 22));
    doppelklicken(px(9, 22));
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *lz = static_cast<TLinienZug *>(dok()->Teile[0].get());
    const int punkte = lz->PunktAnzahl();
    klicken(px(15, 10)); // nothing selected
    const int vorher = anzahl();
    // The two clicks select it; the double click itself does nothing.
    bewegen(px(6, 22));
    doppelklicken(px(6, 22));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{lz});
    EXPECT_EQ(lz->PunktAnzahl(), punkte);
    EXPECT_EQ(dok()->Teile.size(), 1u);
    EXPECT_EQ(anzahl(), vorher);
}

TEST_F(Werkzeuge, GriffZiehenStrecktDieFigur)
{
    TRechteck *r = rechteck(6, 20, 4, 2); // 4..8
    klicken(px(6, 20));
    ASSERT_FALSE(r->Griffe.empty());
    // The right side handle: hovered, with its double-arrow pointer.
    TGriff *rechts = nullptr;
    for (auto &g : r->Griffe)
        if (g->GriffArt == GriffSeite && g->PosX > r->MitteX + 1)
            rechts = g.get();
    ASSERT_NE(rechts, nullptr);
    const QPoint griff = px(rechts->PosX, rechts->PosY);
    bewegen(griff);
    EXPECT_EQ(zustand(), TMauszustand::UeberGriff);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::GroesseHorizontal);

    const int vorher = anzahl();
    const int aufbauten = f->Zeichenbereich->Neuaufbauten();
    druecken(griff);
    EXPECT_EQ(zustand(), TMauszustand::GriffGedrueckt);
    EXPECT_EQ(f->Hinweistext,
              QStringLiteral("Probiere die Wirkung der Shift- und Strg-Taste beim Ziehen aus!"));
    const int schritt = int(std::lround(4.0 * zf()->SkalaX)); // the own length
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

TEST_F(Werkzeuge, GriffZiehenMitEscapeAbgebrochen)
{
    TRechteck *r = rechteck(6, 20, 4, 2);
    klicken(px(6, 20));
    TGriff *drehen = nullptr;
    for (auto &g : r->Griffe)
        if (g->GriffArt == GriffDrehung)
            drehen = g.get();
    ASSERT_NE(drehen, nullptr);
    const QPoint griff = px(drehen->PosX, drehen->PosY);
    bewegen(griff);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Drehen);
    druecken(griff);
    for (int i = 1; i <= 10; ++i)
        ziehenNach(griff + QPoint(0, 3 * i));
    const int vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_Escape);
    loslassen(griff + QPoint(0, 30));
    EXPECT_DOUBLE_EQ(r->Winkel, 0.0);
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_EQ(f->Steuerung->GriffGeste(), nullptr);
}

TEST_F(Werkzeuge, ShiftWaehrendDesGriffziehensOhneMausbewegung)
{
    TRechteck *r = rechteck(6, 20, 4, 2);
    klicken(px(6, 20));
    TGriff *ecke = nullptr;
    for (auto &g : r->Griffe)
        if (g->GriffArt == GriffEcke)
            ecke = g.get();
    ASSERT_NE(ecke, nullptr);
    const QPoint griff = px(ecke->PosX, ecke->PosY);
    bewegen(griff);
    druecken(griff);
    for (int i = 1; i <= 10; ++i)
        ziehenNach(griff + QPoint(4 * i, i));
    TZeichenObjekt *kopie = ecke->VorschauKopie.get();
    ASSERT_NE(kopie, nullptr);
    auto *k = static_cast<TRechteck *>(kopie);
    const double verhaeltnisVorher = k->Länge / k->Breite;
    QTest::keyPress(seite, Qt::Key_Shift);
    // Proportional now: the copy keeps the figure's proportions.
    EXPECT_NEAR(k->Länge / k->Breite, 2.0, 1e-6);
    EXPECT_GT(std::fabs(verhaeltnisVorher - 2.0), 1e-3);
    QTest::keyRelease(seite, Qt::Key_Shift);
    QTest::keyClick(seite, Qt::Key_Escape);
    loslassen(griff + QPoint(40, 10));
}

TEST_F(Werkzeuge, LinienzugGriffeZeigerUndKontextgriff)
{
    werkzeug(f->SBLinienzug);
    klicken(px(3, 22));
    bewegen(px(9, 22));
    doppelklicken(px(9, 22));
    ASSERT_EQ(dok()->Teile.size(), 1u);
    auto *lz = static_cast<TLinienZug *>(dok()->Teile[0].get());
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{lz});

    // Over a vertex: the point-moving pointer; over the segment: insert.
    bewegen(px(3, 22));
    EXPECT_EQ(zustand(), TMauszustand::UeberGriff);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::PunktVerschieben);
    bewegen(px(6, 22));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::LinienAbschnitt);

    // A right click there keeps the segment handle for the point commands.
    druecken(px(6, 22), Qt::RightButton);
    loslassen(px(6, 22), Qt::RightButton);
    ASSERT_NE(f->Steuerung->KontextGriff, nullptr);
    EXPECT_EQ(f->Steuerung->KontextGriff->GriffArt, GriffSegment);
    EXPECT_EQ(f->Steuerung->KontextGriff->Figur, lz);
    // Rebuilding the handles forgets it.
    f->GriffeNeuErzeugen();
    EXPECT_EQ(f->Steuerung->KontextGriff, nullptr);
}

TEST_F(Werkzeuge, KlickAufSegmentFuegtEinenPunktEin)
{
    werkzeug(f->SBLinienzug);
    klicken(px(3, 22));
    bewegen(px(9, 22));
    doppelklicken(px(9, 22));
    auto *lz = static_cast<TLinienZug *>(dok()->Teile[0].get());
    ASSERT_EQ(lz->PunktAnzahl(), 2);
    const int vorher = anzahl();
    klicken(px(6, 22));
    EXPECT_EQ(lz->PunktAnzahl(), 3);
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 1);
    EXPECT_TRUE(neu[0].endsWith(QStringLiteral(":PUNKT"))) << neu[0].toStdString();
}

TEST_F(Werkzeuge, AbgebrochenesAufziehenZeigtDieAlteAuswahlWieder)
{
    TRechteck *r = rechteck(6, 20, 4, 2);
    klicken(px(6, 20));
    ASSERT_FALSE(r->Griffe.empty());
    werkzeug(f->SBEllipse);
    // Pressing with the tool takes the handles away while drawing...
    bewegen(px(12, 10));
    druecken(px(12, 10));
    EXPECT_TRUE(r->Griffe.empty());
    // ...and a release without a drag creates nothing and brings them back.
    loslassen(px(12, 10));
    EXPECT_EQ(dok()->Teile.size(), 1u);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    EXPECT_FALSE(r->Griffe.empty());
}
