// Groups: compound log entries for every forwarded operation, mirroring with
// nested entries, grouping, ungrouping, swallowing, copies and rendering.
#include "figuren_hilfen.h"

namespace {

// A new named group made from the figures, as the main window does it.
TGruppe *gruppieren(Umgebung &u, const std::vector<TZeichenObjekt *> &figuren)
{
    auto g = u.lose<TGruppe>("GRUPPE");
    g->NamenVergeben();
    return TGruppe::Gruppieren(std::move(g), figuren);
}

// A unit square polyline with its lower left corner at (x, y).
TLinienZug *quadrat(Umgebung &u, double x, double y)
{
    return u.linienZug({{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}}, 0, true);
}

// The parts of a document or group, in drawing order.
std::vector<TObjekt *> teile(const TObjekt &o)
{
    std::vector<TObjekt *> l;
    for (const auto &t : o.Teile)
        l.push_back(t.get());
    return l;
}
using Objekte = std::vector<TObjekt *>;

// Squares lz0, lz1 and lz2 at (xa, 0), (xb, 0) and (xc, 0); the first two
// grouped as gr0, which is grouped with the third as gr1.
struct Verschachtelt {
    TLinienZug *a, *b, *c;
    TGruppe *innen, *aussen;
    Verschachtelt(Umgebung &u, double xa, double xb, double xc)
        : a(quadrat(u, xa, 0)), b(quadrat(u, xb, 0)), c(quadrat(u, xc, 0)),
          innen(gruppieren(u, {a, b})), aussen(gruppieren(u, {innen, c}))
    {
    }
};

using GruppeStruktur = Figuren;

TEST_F(GruppeStruktur, GruppierenDesZweitenUndViertenVonFuenf)
{
    std::vector<TRechteck *> r;
    for (int i = 0; i < 5; ++i)
        r.push_back(u.rechteck(i * 2 + 1, 1, 1, 1));
    TGruppe *g = gruppieren(u, {r[3], r[1]});
    EXPECT_EQ(teile(u.d), (Objekte{r[0], g, r[2], r[4]}));
    EXPECT_EQ(teile(*g), (Objekte{r[1], r[3]})); // drawing order kept
    EXPECT_EQ(r[1]->Besitzer, g);
    EXPECT_EQ(g->Besitzer, &u.d);
    EXPECT_EQ(g->Name, "gr0");
    EXPECT_EQ(g->NurProportional, 1);
    EXPECT_EQ(u.anzahl(), 0); // grouping itself logs nothing

    // Figures outside the document are passed over.
    auto lose = u.lose<TRechteck>("RECHTECK");
    TGruppe *h = gruppieren(u, {r[0], lose.get(), r[2]});
    EXPECT_EQ(h->MitgliedAnzahl(), 2);
    EXPECT_EQ(lose->Besitzer, nullptr);
    EXPECT_EQ(u.d.Teile.size(), 3u);
    EXPECT_BOX(h, 3, 1, 5, 1);
}

TEST_F(GruppeStruktur, GruppeErbtGemeinsameWerte)
{
    TRechteck *a = u.rechteck(1, 1, 1, 1);
    TRechteck *b = u.rechteck(3, 1, 1, 1);
    b->Füllfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    a->MausGesperrt = b->MausGesperrt = 1;
    TGruppe *g = gruppieren(u, {a, b});
    EXPECT_EQ(attributTexte(g, {AFuellfarbe, ALinienfarbe, ALinienart, ALinienstaerke}),
              QStringList({"nicht_einheitlich", "schwarz", "durchgezogen", "0.10 mm"}));
    EXPECT_EQ(g->MausGesperrt, 1);
    EXPECT_EQ(g->TastaturGesperrt, 0);
}

TEST_F(GruppeStruktur, AufloesenSetztMitgliederAnDieStelleDerGruppe)
{
    TRechteck *vorne = u.rechteck(1, 1, 1, 1);
    TRechteck *zweiter = u.rechteck(1, 3, 1, 1);
    TLinienZug *a = quadrat(u, 1, 1);
    TLinienZug *b = quadrat(u, 3, 1);
    TLinienZug *c = quadrat(u, 5, 1);
    TRechteck *hinten = u.rechteck(9, 1, 1, 1);
    TGruppe *g = gruppieren(u, {a, b, c});
    ASSERT_EQ(u.d.TeilIndex(g), 2);
    std::vector<TZeichenObjekt *> auswahl{vorne, g};
    std::unique_ptr<TObjekt> frei = g->GruppierungAufloesen(auswahl);
    ASSERT_EQ(frei.get(), g);
    EXPECT_EQ(g->MitgliedAnzahl(), 0);
    EXPECT_EQ(teile(u.d), (Objekte{vorne, zweiter, a, b, c, hinten}));
    EXPECT_EQ(a->Besitzer, &u.d);
    EXPECT_EQ(auswahl, (std::vector<TZeichenObjekt *>{vorne, c, b, a}));
    frei.reset(); // the members are gone: only the group's release is logged
    EXPECT_EQ(u.protokoll(), QStringList{"gr0.freigeben()"});

    // Inside another group the members go to that group.
    Verschachtelt v(u, 1, 3, 5);
    auswahl = {v.aussen};
    ASSERT_EQ(v.innen->GruppierungAufloesen(auswahl).get(), v.innen);
    EXPECT_EQ(teile(*v.aussen), (Objekte{v.a, v.b, v.c}));
    EXPECT_EQ(v.a->Besitzer, v.aussen);
    EXPECT_EQ(auswahl, std::vector<TZeichenObjekt *>{v.aussen});
}

TEST_F(GruppeStruktur, SchluckenVorneUndHinten)
{
    TLinienZug *hinten = quadrat(u, 1, 1);
    TLinienZug *a = quadrat(u, 3, 1);
    TLinienZug *b = quadrat(u, 5, 1);
    TLinienZug *vorne = quadrat(u, 7, 1);
    vorne->Linienart = 3;
    TGruppe *g = gruppieren(u, {a, b});
    g->MausGesperrt = 1;
    EXPECT_EQ(ausfuehren(g, MSchlucken, Werte({TData(static_cast<TObjekt *>(vorne))})), "");
    EXPECT_EQ(teile(*g), (Objekte{a, b, vorne})); // stays in front of the other members
    EXPECT_EQ(vorne->Besitzer, g);
    EXPECT_EQ(g->Linienart, 0);    // the members now differ
    EXPECT_EQ(g->MausGesperrt, 1); // locks are left alone
    EXPECT_NEAR(g->Umgebungsrechteck.Rechts, 8.0, Eps);
    ausfuehren(g, MSchlucken, Werte({TData(static_cast<TObjekt *>(hinten))}));
    EXPECT_EQ(teile(*g), (Objekte{hinten, a, b, vorne}));
    EXPECT_EQ(u.d.Teile.size(), 1u);
    EXPECT_NEAR(g->Länge, 7.0, Eps);
    EXPECT_EQ(u.anzahl(), 0);
}

TEST_F(GruppeStruktur, SchluckenVerweigertUngeeigneteObjekteOhneAenderung)
{
    TLinienZug *a = quadrat(u, 1, 1);
    TLinienZug *b = quadrat(u, 3, 1);
    TLinienZug *c = quadrat(u, 5, 1);
    TLinienZug *d = quadrat(u, 7, 1);
    TGruppe *g = gruppieren(u, {a, b});
    TGruppe *andere = gruppieren(u, {c});
    TGruppe *aussen = gruppieren(u, {andere, d});
    auto schlucken = [&](TGruppe *gruppe, TObjekt *o) {
        return ausfuehren(gruppe, MSchlucken, Werte({TData(o)}));
    };
    EXPECT_EQ(schlucken(g, g), "Eine Gruppe kann sich nicht selbst schlucken.");
    EXPECT_EQ(schlucken(g, c), "Das Objekt lz2 ist bereits in einer anderen Gruppe enthalten.");
    EXPECT_EQ(schlucken(g, a), "Das Objekt lz0 ist bereits in dieser Gruppe enthalten.");
    EXPECT_EQ(schlucken(g, a->Punkt(0)),
              "Das Objekt lp0 liegt nicht direkt im Dokument und kann nicht geschluckt werden.");
    EXPECT_EQ(schlucken(g, &u.d),
              "Das Objekt dokument1 liegt nicht direkt im Dokument und kann nicht geschluckt werden.");
    // A group inside another cannot swallow the group that holds it.
    EXPECT_EQ(schlucken(andere, aussen),
              "Eine Gruppe kann keine Gruppe schlucken, in der sie selbst enthalten ist.");
    EXPECT_EQ(g->MitgliedAnzahl(), 2);
    EXPECT_EQ(andere->MitgliedAnzahl(), 1);
    EXPECT_EQ(u.d.Teile.size(), 2u);
}

TEST_F(GruppeStruktur, GruppierungAufhebenHinterlaesstEinenWunsch)
{
    TGruppe *g = gruppieren(u, {quadrat(u, 1, 1), quadrat(u, 3, 1)});
    EXPECT_EQ(ausfuehren(g, MGruppierungAufheben), "");
    EXPECT_EQ(u.d.Wuensche.GruppierungAufheben, g);
    EXPECT_EQ(u.zuletzt(), "gr0.gruppierungAufheben(  )");
    EXPECT_EQ(g->MitgliedAnzahl(), 2);
}

TEST_F(GruppeStruktur, PunktmethodeImLinienzugEinerGruppeAktualisiertDieGruppe)
{
    Verschachtelt v(u, 0, 3, 6);
    ausfuehren(v.a->Punkt(0), MKoordinatenSetzen, Werte({Laenge(-2), Laenge(-1)}));
    EXPECT_PUNKT(v.aussen->Umgebungsrechteck.Links, v.aussen->Umgebungsrechteck.Unten, -2.0, -1.0);
    EXPECT_NEAR(v.innen->Länge, 6.0, Eps);
    EXPECT_NEAR(v.a->Länge, 3.0, Eps);
}

// ---------------------------------------------------------------- log entries

using GruppeProtokoll = Figuren;

TEST_F(GruppeProtokoll, VerschiebenSchachteltDieAufrufeDerMitglieder)
{
    Verschachtelt v(u, 1, 3, 5);
    ausfuehren(v.aussen, MVerschieben, Werte({Laenge(2), Laenge(0.5)}));
    EXPECT_EQ(u.baum(), QStringList({"gr1.verschieben( 2.00 cm, 5.00 mm )", "  gr0.verschieben( 2.00 cm, 5.00 mm )",
                                     "    lz0.verschieben( 2.00 cm, 5.00 mm )",
                                     "    lz1.verschieben( 2.00 cm, 5.00 mm )",
                                     "  lz2.verschieben( 2.00 cm, 5.00 mm )"}));
    EXPECT_PUNKT(v.a->Punkt(0)->X, v.a->Punkt(0)->Y, 3.0, 0.5);
    EXPECT_NEAR(v.aussen->Umgebungsrechteck.Links, 3.0, Eps);
    EXPECT_NEAR(v.aussen->MitteX, 5.5, Eps);
    EXPECT_NEAR(v.innen->MitteX, 4.5, Eps);
    EXPECT_EQ(u.a.OffeneAnzahl(), 0);
}

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
    EXPECT_EQ(u.baum(u.anzahl() - 1), QStringList({"gr0.drehenUm( 0.00 mm, 0.00 mm, 10.00° )",
                                                   "  lz0.drehenUm( 0.00 mm, 0.00 mm, 10.00° )",
                                                   "  lz1.drehenUm( 0.00 mm, 0.00 mm, 10.00° )"}));
}

TEST_F(GruppeProtokoll, AttributeWerdenWeitergegeben)
{
    TGruppe *g = gruppieren(u, {quadrat(u, 0, 0), u.rechteck(5, 5, 1, 1)});
    ausfuehren(g, MFuellfarbeSetzen, Werte({TData(TFarbe::Echt(FarbWert(0, 0, 255)))}));
    g->LinienfarbeSetzen(TFarbe::Echt(FarbWert(255, 0, 0)));
    g->LinienstärkeSetzen(0.2);
    g->LinienartSetzen(2);
    for (const TZeichenObjekt *o : {static_cast<TZeichenObjekt *>(g), g->Mitglied(1)})
        EXPECT_EQ(attributTexte(o, {AFuellfarbe, ALinienfarbe, ALinienstaerke, ALinienart}),
                  QStringList({"blau", "rot", "2.00 mm", "gestrichelt"}));
    EXPECT_EQ(u.baum().mid(0, 4), QStringList({"gr0.FüllfarbeSetzen( blau )", "  lz0.FüllfarbeSetzen( blau )",
                                               "  re0.FüllfarbeSetzen( blau )", "gr0.LinienfarbeSetzen( rot )"}));
    EXPECT_EQ(u.protokoll().mid(2), QStringList({"gr0.LinienstärkeSetzen( 2.00 mm )",
                                                 "gr0.LinienartSetzen( gestrichelt )"}));
}

TEST_F(GruppeProtokoll, SpiegelnMitGruppeInDerGruppeUndAnEinerAchse)
{
    Verschachtelt v(u, 0, 2, 5); // box 0..6, centre x = 3
    v.aussen->vertikalSpiegeln();
    EXPECT_EQ(u.baum(), QStringList({"gr1.spiegelnVertikal(  )", "  gr0.spiegelnAnVertikalerAchse( 3.00 cm )",
                                     "    lz0.spiegelnAnVertikalerAchse( 3.00 cm )",
                                     "    lz1.spiegelnAnVertikalerAchse( 3.00 cm )",
                                     "  lz2.spiegelnAnVertikalerAchse( 3.00 cm )"}));
    EXPECT_NEAR(v.c->Punkt(0)->X, 1.0, Eps);
    EXPECT_NEAR(v.a->Punkt(0)->X, 6.0, Eps);
    EXPECT_NEAR(v.aussen->MitteX, 3.0, Eps);
    EXPECT_NEAR(v.innen->MitteX, 4.5, Eps);

    v.aussen->horizontalSpiegeln();
    EXPECT_EQ(u.zuletzt(), "gr1.spiegelnHorizontal(  )");
    EXPECT_EQ(unteraufrufe(u.letzter())[1], "lz2.spiegelnAnHorizontalerAchse( 5.00 mm )");
    EXPECT_EQ(u.a.OffeneAnzahl(), 0);

    // Mirrored at a given axis, each member logs on its own.
    v.innen->spiegelnAnVertikalerAchse(0);
    EXPECT_EQ(u.protokoll(2), QStringList({"lz0.spiegelnAnVertikalerAchse( 0.00 mm )",
                                           "lz1.spiegelnAnVertikalerAchse( 0.00 mm )"}));
    EXPECT_NEAR(v.innen->Umgebungsrechteck.Rechts, -3.0, Eps);
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

TEST_F(GruppeProtokoll, DrehenEinerGruppeInDerGruppe)
{
    TRechteck *a = u.rechteck(1, 1, 2, 2);
    TRechteck *c = u.rechteck(9, 1, 2, 2);
    TGruppe *innen = gruppieren(u, {a, u.rechteck(5, 1, 2, 2)});
    TGruppe *aussen = gruppieren(u, {innen, c}); // box 0..10 x 0..2, centre (5, 1)
    ausfuehren(aussen, MDrehen, Werte({Winkel(90)}));
    EXPECT_EQ(u.baum(), QStringList({"gr1.drehen( 90.00° )", "  gr0.drehenUm( 5.00 cm, 10.00 mm, 90.00° )",
                                     "    re0.drehenUm( 5.00 cm, 10.00 mm, 90.00° )",
                                     "    re2.drehenUm( 5.00 cm, 10.00 mm, 90.00° )",
                                     "  re1.drehenUm( 5.00 cm, 10.00 mm, 90.00° )"}));
    // Members turned about the outer centre; their own angles follow.
    EXPECT_PUNKT(a->MitteX, a->MitteY, 5.0, -3.0);
    EXPECT_NEAR(a->Winkel, 90.0, Eps);
    EXPECT_NEAR(c->MitteY, 5.0, Eps);
    EXPECT_NEAR(innen->Zusatzwinkel, 90.0, Eps);
    EXPECT_NEAR(innen->Winkel, 0.0, Eps);
    EXPECT_BOX(aussen, 5, 1, 2, 10);
}

TEST_F(GruppeProtokoll, VorschauGruppeProtokolliertNichts)
{
    TGruppe *g = gruppieren(u, {quadrat(u, 0, 0), quadrat(u, 3, 0)});
    g->VorschauSetzen(true);
    EXPECT_TRUE(g->Mitglied(1)->Vorschau);
    g->verschieben(1, 1);
    g->vertikalSpiegeln();
    g->drehen(10);
    EXPECT_EQ(u.anzahl(), 0);
    EXPECT_EQ(u.a.OffeneAnzahl(), 0);
    g->VorschauSetzen(false);
    EXPECT_FALSE(g->Mitglied(0)->Vorschau);
    g->VorschauSetzen(true);
    u.d.Leeren(); // a preview logs no release either
    EXPECT_EQ(u.anzahl(), 0);
}

// ---------------------------------------------------------------- copies, hits, drawing

using GruppeKopie = Figuren;

TEST_F(GruppeKopie, DuplizierenBenenntGruppeUndMitglieder)
{
    Verschachtelt v(u, 0, 2, 5);
    v.aussen->Zusatzwinkel = 15;
    auto kopie = v.aussen->Duplizieren(true);
    auto *k = static_cast<TGruppe *>(kopie.get());
    EXPECT_EQ(k->Name, "gr2");
    EXPECT_NEAR(k->Zusatzwinkel, 15.0, Eps);
    ASSERT_EQ(k->MitgliedAnzahl(), 2);
    EXPECT_EQ(k->Mitglied(0)->Besitzer, k);
    EXPECT_EQ(u.protokoll().mid(0, 3), QStringList({"gr2:GRUPPE", "gr3:GRUPPE", "lz3:LINIENZUG"}));
    EXPECT_NEAR(k->Länge, 6.0, Eps);
    // The copy is independent of the source.
    k->verschieben(10, 0);
    EXPECT_NEAR(v.a->Punkt(0)->X, 0.0, Eps);

    // Taking over values reaches every member.
    k->Uebernehmen(*v.aussen);
    auto *kopieVonA = static_cast<TLinienZug *>(static_cast<TGruppe *>(k->Mitglied(0))->Mitglied(0));
    EXPECT_NEAR(kopieVonA->Punkt(0)->X, 0.0, Eps);
    EXPECT_TRUE(v.aussen->Duplizieren(false)->Name.isEmpty());
}

using GruppeTreffer = Figuren;

TEST_F(GruppeTreffer, EinMitgliedGenuegt)
{
    TLinienZug *a = quadrat(u, 0, 0);
    a->Füllfarbe = TFarbe::Echt(0);
    TGruppe *g = gruppieren(u, {a, quadrat(u, 3, 0)});
    EXPECT_TRUE(g->Getroffen(&zf, 0.5, 0.5));  // inside the filled square
    EXPECT_FALSE(g->Getroffen(&zf, 3.5, 0.5)); // inside the unfilled one
    EXPECT_TRUE(g->Getroffen(&zf, 3.5, 0.0));  // on its outline
    EXPECT_FALSE(g->Getroffen(&zf, 2.0, 0.5)); // between them
}

using GruppeZeichnen = Figuren;

TEST_F(GruppeZeichnen, MitgliederInIhrerReihenfolge)
{
    Bild b;
    TLinienZug *a = u.linienZug({{1, 1}, {5, 1}, {5, 5}, {1, 5}}, 0, true);
    TLinienZug *c = u.linienZug({{3, 3}, {7, 3}, {7, 7}, {3, 7}}, 0, true);
    a->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    c->Füllfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    TGruppe *g = gruppieren(u, {a, c});
    u.d.Zeichnen(&b.zf);
    b.fertig();
    EXPECT_EQ(b.bei(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(b.bei(4, 4), QColor(0, 0, 255)); // the later member lies in front
    EXPECT_EQ(b.bei(6, 6), QColor(0, 0, 255));
    EXPECT_EQ(b.bei(6, 2), QColor(Qt::white));
    EXPECT_EQ(b.bei(1, 3), QColor(Qt::black)); // outline
    EXPECT_NEAR(g->Länge, 6.0, Eps);
}

} // namespace
