// Polylines and curves: tangents, flattening, segments under the mouse,
// operations on the vertices, the vertices' own methods, copies, drawing
// point by point and rendering.
#include "figuren_hilfen.h"

namespace
{

using LinienZugTangenten = Figuren;

TEST_F(LinienZugTangenten, FlaechenpunkteBegrenztUndNachZoomUndDrucker)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {1e6, 0}, {1e6, 1e6}}, 1, false);
    EXPECT_EQ(lz->Umrisspunkte.size(), 1 + 2 * TLinienZug::MaximaleBogenpunkte);
    // A non-finite coordinate yields one point per segment, never a hang.
    lz->Punkt(1)->PositionSetzen(std::numeric_limits<double>::infinity(), 0);
    lz->GeometrieBerechnen();
    EXPECT_LE(lz->Umrisspunkte.size(), 1 + 2 * TLinienZug::MaximaleBogenpunkte);

    Bild b;
    TLinienZug *klein = u.linienZug({{1, 1}, {3, 1}, {3, 3}}, 1, false);
    b.zf.ZoomSetzen(2.0);
    klein->Zeichnen(&b.zf);
    // 2 cm chords at 75.6 px/cm: one point per 5 pixels, 30 per segment.
    EXPECT_EQ(klein->Umrisspunkte.size(), 1 + 30 + 30);
    EXPECT_EQ(klein->Bildpunkte.size(), klein->Umrisspunkte.size());
    // Printing: one point per 2 printer pixels (236.22 px/cm): 236 per segment.
    b.zf.Drucken = true;
    klein->Zeichnen(&b.zf);
    EXPECT_EQ(klein->Umrisspunkte.size(), 1 + 236 + 236);
}

TEST_F(LinienZugTangenten, AbschnittAnStelleNenntDenAbschnitt)
{
    TLinienZug *lz = u.linienZug({{1, 1}, {5, 1}, {5, 4}}, 0, false);
    TLinienZug *kurve = u.linienZug({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 1, true);
    // Within 2 pixels, not outside the box; curved segments by their outline's index range.
    const struct {
        TLinienZug *lz;
        double x, y;
        int abschnitt;
    } faelle[] = {{lz, 3, 1, 0},        {lz, 3, 1.04, 0},     {lz, 5, 2.5, 1},     {lz, 3, 2.5, -1},
                  {lz, 9, 1, -1},       {kurve, 1, -0.24, 0}, {kurve, 2.24, 1, 1}, {kurve, 1, 2.24, 2},
                  {kurve, -0.24, 1, 3}, {kurve, 1, 1, -1}};
    for (const auto &f : faelle)
        EXPECT_EQ(f.lz->AbschnittAnStelle(&zf, f.x, f.y), f.abschnitt) << f.x << " " << f.y;
    lz->Geschlossen = 1;
    lz->GeometrieBerechnen();
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 3, 2.5), 2); // the closing segment
}

using LinienZugOperationen = Figuren;

TEST_F(LinienZugOperationen, LaengeBreiteUndWinkelSetzenUmDieRahmenmitte)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    lz->LängeSetzen(4.0);
    EXPECT_PUNKT(lz->Punkt(0)->X, lz->Punkt(1)->X, -1.0, 3.0);
    lz->BreiteSetzen(3.0);
    EXPECT_PUNKT(lz->Punkt(0)->Y, lz->Punkt(2)->Y, -1.0, 2.0);
    // A line without height cannot be given one by scaling.
    TLinienZug *flach = u.linienZug({{0, 1}, {2, 1}}, 0, false);
    flach->BreiteSetzen(2.0);
    EXPECT_NEAR(flach->Punkt(0)->Y, 1.0, Eps);

    TLinienZug *w = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    const int vorher = u.anzahl();
    EXPECT_EQ(ausfuehren(w, MWinkelSetzen, Werte({Winkel(90)})), "");
    EXPECT_EQ(u.protokoll(vorher), QStringList{"lz2.winkelSetzen( 90.00° )"});
    EXPECT_PUNKT(w->Punkt(0)->X, w->Punkt(0)->Y, 1.5, -0.5);
    EXPECT_PUNKT(w->Punkt(2)->X, w->Punkt(2)->Y, 0.5, 1.5);
    EXPECT_NEAR(w->Winkel, 0.0, Eps); // the frame
    EXPECT_BOX(w, 1, 0.5, 1, 2);
    // "Set", not "add": the same call again turns nothing; the attribute
    // shows the angle, which turning adds to.
    EXPECT_EQ(ausfuehren(w, MWinkelSetzen, Werte({Winkel(90)})), "");
    EXPECT_PUNKT(w->Punkt(0)->X, w->Punkt(0)->Y, 1.5, -0.5);
    EXPECT_EQ(attributTexte(w, {AWinkel}), QStringList{"90.00°"});
    ausfuehren(w, MDrehen, Werte({Winkel(-100)}));
    EXPECT_EQ(attributTexte(w, {AWinkel}), QStringList{"350.00°"});
    const TWeltPunkt p0{w->Punkt(0)->X, w->Punkt(0)->Y};
    EXPECT_EQ(ausfuehren(w, MWinkelSetzen, Werte({Winkel(350)})), "");
    EXPECT_PUNKT(w->Punkt(0)->X, w->Punkt(0)->Y, p0.X, p0.Y);
}

// Opening, closing and the vertices' methods change the polyline without a
// log entry; a vertex is freed only when more than two remain.
TEST_F(LinienZugOperationen, MethodenDesLinienzugsUndSeinerPunkte)
{
    TLinienZug *zwei = u.linienZug({{0, 0}, {2, 0}}, 0, false);
    ausfuehren(zwei, MSchliessen);
    EXPECT_EQ(zwei->Geschlossen, 1); // even with 2 points
    EXPECT_EQ(zwei->AttributWert(AGeschlossen)->AnzeigeText(), "wahr");
    ausfuehren(zwei, MOeffnen);
    EXPECT_EQ(zwei->Geschlossen, 0);
    ausfuehren(zwei->Punkt(1), MFreigeben);
    EXPECT_EQ(zwei->PunktAnzahl(), 2);
    EXPECT_TRUE(u.d.Wuensche.Leer());

    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    TLinienZugPunkt *p = lz->Punkt(2);
    EXPECT_EQ(p->Name, "lp4");
    EXPECT_EQ(p->Besitzer, lz);
    ausfuehren(p, MKoordinatenSetzen, Werte({Laenge(4), Laenge(3)}));
    EXPECT_BOX(lz, 2, 1.5, 4, 3);
    ausfuehren(p, MAbschnittArtSetzen, Werte({TData(std::uint8_t(1), ArtAbschnittArt)}));
    EXPECT_EQ(attributTexte(p, {AAbschnittArt, AX}), QStringList({"gekrümmt", "4.00 cm"}));
    EXPECT_EQ(u.anzahl(), 0);
    // The vertex is taken out at once and handed over for deletion.
    ausfuehren(p, MFreigeben);
    EXPECT_EQ(lz->PunktAnzahl(), 2);
    EXPECT_EQ(u.d.Wuensche.Loeschen, p);
    EXPECT_EQ(u.d.Wuensche.LoeschenEigen.get(), p);
    EXPECT_EQ(p->Besitzer, nullptr);
    EXPECT_NEAR(lz->Breite, 0.0, Eps); // outline and frame follow at once
    EXPECT_FALSE(lz->PunktLoeschen(0));
}

TEST_F(LinienZugOperationen, DuplizierenBenenntUndProtokolliertPunkte)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 1, true);
    auto kopie = lz->Duplizieren(true);
    auto *k = static_cast<TLinienZug *>(kopie.get());
    EXPECT_EQ(k->Name, "lz1");
    ASSERT_EQ(k->PunktAnzahl(), 3);
    EXPECT_EQ(k->Punkt(0)->Besitzer, k);
    EXPECT_EQ(k->Geschlossen, 1);
    EXPECT_EQ(k->Punkt(1)->AbschnittArt, 1);
    EXPECT_EQ(u.protokoll(), QStringList({"lz1:LINIENZUG", "lp3:PUNKT", "lp4:PUNKT", "lp5:PUNKT"}));
    auto ohneNamen = lz->Duplizieren(false);
    EXPECT_TRUE(ohneNamen->Name.isEmpty());
    EXPECT_TRUE(ohneNamen->Teile[0]->Name.isEmpty());
    EXPECT_EQ(u.anzahl(), 4);
    EXPECT_EQ(lz->Punkt(0)->Name, "lp0"); // the source stays
}

// A polyline being drawn with the mouse, as the main window starts it.
struct LinienZugAufziehen : Figuren {
    std::vector<std::unique_ptr<TLinienZug>> halter;
    TLinienZug *neuerZug(std::uint8_t art)
    {
        halter.push_back(u.lose<TLinienZug>("LINIENZUG"));
        TLinienZug *lz = halter.back().get();
        lz->NeueAbschnittArt = art;
        lz->Linienfarbe = TFarbe::Echt(0);
        lz->Füllfarbe = TFarbe::Unsichtbar();
        lz->Linienart = 1;
        lz->AufziehenBeginnen(&zf, 1, 1);
        return lz;
    }
};

TEST_F(LinienZugAufziehen, ShiftRundetAuf15GradDoppelklickBeendet)
{
    TLinienZug *lz = neuerZug(0);
    lz->Aufziehen(&zf, true, false, 3, 1.3);
    const double d = std::hypot(2.0, 0.3);
    EXPECT_PUNKT(lz->Punkt(1)->X, lz->Punkt(1)->Y, 1 + d * std::cos(M_PI / 12), 1 + d * std::sin(M_PI / 12));
    lz->Aufziehen(&zf, true, false, 1.1, 3);
    EXPECT_PUNKT(lz->Punkt(1)->X, lz->Punkt(1)->Y, 1.0, 1 + std::hypot(0.1, 2.0));

    lz->Aufziehen(&zf, false, false, 4, 2);
    lz->PunktAnklicken(&zf);
    lz->PunktAnklicken(&zf); // the double click's second click: no new point
    ASSERT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_TRUE(lz->LinienzugAbschliessen(&zf));
    EXPECT_EQ(lz->PunktAnzahl(), 2);
    EXPECT_FALSE(lz->Vorschau);
    EXPECT_NEAR(lz->Länge, 3.0, Eps);
    EXPECT_NEAR(lz->MitteY, 1.5, Eps);
    lz->NamenVergeben();
    lz->AufziehenBeenden(&zf);
    EXPECT_EQ(u.protokoll(), QStringList{"lz0:LINIENZUG"});
    EXPECT_EQ(lz->Punkt(1)->Name, "lp1");
    // A double click right at the start leaves too few points.
    EXPECT_FALSE(neuerZug(0)->LinienzugAbschliessen(&zf));
}

} // namespace
