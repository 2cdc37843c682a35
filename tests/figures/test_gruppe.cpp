// Groups: compound log entries for forwarded operations, mirroring with
// nested entries, ungrouping and swallowing.
#include "figuren_hilfen.h"

namespace
{

// A unit square polyline with its lower left corner at (x, y).
TLinienZug *quadrat(Umgebung &u, double x, double y)
{
    return u.linienZug({{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}}, 0, true);
}


// Squares lz0, lz1 and lz2 at (xa, 0), (xb, 0) and (xc, 0); the first two
// grouped as gr0, which is grouped with the third as gr1.
struct Verschachtelt {
    TLinienZug *a, *b, *c;
    TGruppe *innen, *aussen;
    Verschachtelt(Umgebung &u, double xa, double xb, double xc)
        : a(quadrat(u, xa, 0)), b(quadrat(u, xb, 0)), c(quadrat(u, xc, 0)), innen(gruppieren(u, {a, b})),
          aussen(gruppieren(u, {innen, c}))
    {
    }
};

using GruppeStruktur = Figuren;

TEST_F(GruppeStruktur, SchluckenVerweigertUngeeigneteObjekteOhneAenderung)
{
    TLinienZug *a = quadrat(u, 1, 1);
    TLinienZug *b = quadrat(u, 3, 1);
    TLinienZug *c = quadrat(u, 5, 1);
    TLinienZug *d = quadrat(u, 7, 1);
    TGruppe *g = gruppieren(u, {a, b});
    TGruppe *andere = gruppieren(u, {c});
    TGruppe *aussen = gruppieren(u, {andere, d});
    auto schlucken = [&](TGruppe *gruppe, TObjekt *o) { return ausfuehren(gruppe, MSchlucken, Werte({TData(o)})); };
    EXPECT_EQ(schlucken(g, g), "Eine Gruppe kann sich nicht selbst schlucken.");
    EXPECT_EQ(schlucken(g, c), "Das Objekt lz2 ist bereits in einer anderen Gruppe enthalten.");
    EXPECT_EQ(schlucken(g, a), "Das Objekt lz0 ist bereits in dieser Gruppe enthalten.");
    EXPECT_EQ(schlucken(g, a->Punkt(0)),
              "Das Objekt lp0 liegt nicht direkt im Dokument und kann nicht geschluckt werden.");
    EXPECT_EQ(schlucken(g, &u.d),
              "Das Objekt dokument1 liegt nicht direkt im Dokument und kann nicht geschluckt werden.");
    // A group inside another cannot swallow the group that holds it.
    EXPECT_EQ(schlucken(andere, aussen), "Eine Gruppe kann keine Gruppe schlucken, in der sie selbst enthalten ist.");
    EXPECT_EQ(g->MitgliedAnzahl(), 2);
    EXPECT_EQ(u.d.Teile.size(), 2u);

    // "gruppierungAufheben" leaves a wish for the window and changes nothing yet.
    EXPECT_EQ(ausfuehren(g, MGruppierungAufheben), "");
    EXPECT_EQ(u.d.Wuensche.GruppierungAufheben, g);
    EXPECT_EQ(u.zuletzt(), "gr0.gruppierungAufheben(  )");
    // A vertex method inside a group's polyline updates the groups around it.
    ausfuehren(c->Punkt(0), MKoordinatenSetzen, Werte({Laenge(-2), Laenge(-1)}));
    EXPECT_PUNKT(aussen->Umgebungsrechteck.Links, aussen->Umgebungsrechteck.Unten, -2.0, -1.0);
    EXPECT_NEAR(andere->Länge, 8.0, Eps);
}

using GruppeProtokoll = Figuren;

TEST_F(GruppeProtokoll, DrehenUndStreckenUmDieGruppenmitte)
{
    TLinienZug *a = quadrat(u, 0, 0);
    TGruppe *g = gruppieren(u, {a, quadrat(u, 3, 0)}); // box 0..4 x 0..1, centre (2, 0.5)
    g->drehen(30);
    g->drehen(30);
    EXPECT_NEAR(g->Winkel, 0.0, Eps);
    EXPECT_NEAR(g->Zusatzwinkel, 60.0, Eps);
    // The second turn is about the centre of the box after the first
    // (symmetric members: the centre stays).
    EXPECT_EQ(u.baum(), QStringList({"gr0.drehen( 30.00° )", "  lz0.drehenUm( 2.00 cm, 5.00 mm, 30.00° )",
                                     "  lz1.drehenUm( 2.00 cm, 5.00 mm, 30.00° )", "gr0.drehen( 30.00° )",
                                     "  lz0.drehenUm( 2.00 cm, 5.00 mm, 30.00° )",
                                     "  lz1.drehenUm( 2.00 cm, 5.00 mm, 30.00° )"}));
    const TWeltPunkt p = PunktDrehen(0, 0, 2, 0.5, 60);
    EXPECT_PUNKT(a->Punkt(0)->X, a->Punkt(0)->Y, p.X, p.Y);

    g->strecken(2);
    EXPECT_EQ(u.zuletzt(), "gr0.strecken( 200.000 % )");
    ASSERT_EQ(u.letzter().Unteraufrufe.size(), 2u);
    EXPECT_EQ(u.letzter().Unteraufrufe[0]->MethodenId, MStreckenMitZentrum);
    g->drehenUm(0, 0, 10);
    EXPECT_NEAR(g->Zusatzwinkel, 70.0, Eps);
    // The angle the group shows is normalised, as a box figure's.
    g->drehen(-100);
    EXPECT_EQ(attributTexte(g, {AWinkel}), QStringList{"330.00°"});
    g->drehenUm(0, 0, 10);
    EXPECT_EQ(u.baum(u.anzahl() - 1),
              QStringList({"gr0.drehenUm( 0.00 mm, 0.00 mm, 10.00° )", "  lz0.drehenUm( 0.00 mm, 0.00 mm, 10.00° )",
                           "  lz1.drehenUm( 0.00 mm, 0.00 mm, 10.00° )"}));
}

TEST_F(GruppeProtokoll, AttributeWerdenWeitergegeben)
{
    TGruppe *g = gruppieren(u, {quadrat(u, 0, 0), u.rechteck(5, 5, 1, 1)});
    EXPECT_EQ(attributTexte(g, {AFuellfarbe, ALinienfarbe, ALinienart, ALinienstaerke}),
              QStringList({"nicht_einheitlich", "schwarz", "durchgezogen", "0.10 mm"}));
    ausfuehren(g, MFuellfarbeSetzen, Werte({TData(TFarbe::Echt(FarbWert(0, 0, 255)))}));
    g->LinienfarbeSetzen(TFarbe::Echt(FarbWert(255, 0, 0)));
    g->LinienstärkeSetzen(0.2);
    g->LinienartSetzen(2);
    for (const TZeichenObjekt *o : {static_cast<TZeichenObjekt *>(g), g->Mitglied(1)})
        EXPECT_EQ(attributTexte(o, {AFuellfarbe, ALinienfarbe, ALinienstaerke, ALinienart}),
                  QStringList({"blau", "rot", "2.00 mm", "gestrichelt"}));
    EXPECT_EQ(u.baum().mid(0, 4), QStringList({"gr0.FüllfarbeSetzen( blau )", "  lz0.FüllfarbeSetzen( blau )",
                                               "  re0.FüllfarbeSetzen( blau )", "gr0.LinienfarbeSetzen( rot )"}));
    EXPECT_EQ(u.protokoll().mid(2),
              QStringList({"gr0.LinienstärkeSetzen( 2.00 mm )", "gr0.LinienartSetzen( gestrichelt )"}));
}

TEST_F(GruppeProtokoll, SpiegelnUndVerschiebenMitGruppeInDerGruppe)
{
    Verschachtelt v(u, 0, 2, 5); // box 0..6, centre x = 3
    v.aussen->vertikalSpiegeln();
    EXPECT_EQ(u.baum(), QStringList({"gr1.spiegelnVertikal(  )", "  gr0.spiegelnAnVertikalerAchse( 3.00 cm )",
                                     "    lz0.spiegelnAnVertikalerAchse( 3.00 cm )",
                                     "    lz1.spiegelnAnVertikalerAchse( 3.00 cm )",
                                     "  lz2.spiegelnAnVertikalerAchse( 3.00 cm )"}));
    EXPECT_NEAR(v.c->Punkt(0)->X, 1.0, Eps);
    EXPECT_NEAR(v.a->Punkt(0)->X, 6.0, Eps);
    EXPECT_NEAR(v.innen->MitteX, 4.5, Eps);

    v.aussen->horizontalSpiegeln();
    EXPECT_EQ(u.zuletzt(), "gr1.spiegelnHorizontal(  )");
    EXPECT_EQ(unteraufrufe(u.letzter())[1], "lz2.spiegelnAnHorizontalerAchse( 5.00 mm )");
    EXPECT_EQ(u.a.OffeneAnzahl(), 0);

    // Mirrored at a given axis, each member logs on its own.
    v.innen->spiegelnAnVertikalerAchse(0);
    EXPECT_EQ(u.protokoll(2),
              QStringList({"lz0.spiegelnAnVertikalerAchse( 0.00 mm )", "lz1.spiegelnAnVertikalerAchse( 0.00 mm )"}));
    EXPECT_NEAR(v.innen->Umgebungsrechteck.Rechts, -3.0, Eps);
    ausfuehren(v.aussen, MVerschieben, Werte({Laenge(2), Laenge(0.5)}));
    EXPECT_EQ(u.baum(u.anzahl() - 1),
              QStringList({"gr1.verschieben( 2.00 cm, 5.00 mm )", "  gr0.verschieben( 2.00 cm, 5.00 mm )",
                           "    lz0.verschieben( 2.00 cm, 5.00 mm )", "    lz1.verschieben( 2.00 cm, 5.00 mm )",
                           "  lz2.verschieben( 2.00 cm, 5.00 mm )"}));
}

TEST_F(GruppeProtokoll, WinkelSetzenDrehtDieMitgliederEinmal)
{
    TGruppe *g = gruppieren(u, {quadrat(u, 0, 0), quadrat(u, 3, 0)});
    ausfuehren(g, MWinkelSetzen, Werte({Winkel(90)}));
    ausfuehren(g, MWinkelSetzen, Werte({Winkel(90)}));
    EXPECT_NEAR(g->Zusatzwinkel, 90.0, Eps);
    EXPECT_NEAR(g->Winkel, 0.0, Eps);
    EXPECT_BOX(g, 2, 0.5, 1, 4); // turned once, not twice
    EXPECT_EQ(u.zuletzt(), "gr0.winkelSetzen( 90.00° )");
    EXPECT_EQ(unteraufrufe(u.letzter())[0], "lz0.drehenUm( 2.00 cm, 5.00 mm, 0.00° )");
}

} // namespace
