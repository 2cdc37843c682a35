// Groups: compound log entries for every forwarded operation, mirroring with
// nested entries, grouping, ungrouping, swallowing, copies, rendering and
// the common values of a list of figures (selection panels, groups).
#include "figuren_hilfen.h"
#include "figures/Gemeinsamkeitsfinder.h"

namespace {

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
// The common values of the figures as texts: fill and line colour (name and
// value, "-" when not found), line kind, line width, mouse and keyboard lock.
QStringList gemeinsam(const std::vector<TZeichenObjekt *> &figuren)
{
    TGemeinsamkeitsfinder f;
    f.GemeinsameWerte(figuren);
    auto farbe = [](const std::optional<TFarbe> &c) {
        return c ? c->FarbName() + QLatin1Char('/') + QString::number(c->Wert) : QStringLiteral("-");
    };
    return {farbe(f.Füllfarbe),          farbe(f.Linienfarbe),           QString::number(f.Linienart),
            QString::number(f.Linienstärke), QString::number(f.MausGesperrt), QString::number(f.TastaturGesperrt)};
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
    EXPECT_EQ(g->NurProportional, 1);
    EXPECT_EQ(u.anzahl(), 0); // grouping itself logs nothing

    // Figures outside the document are passed over.
    auto lose = u.lose<TRechteck>("RECHTECK");
    TGruppe *h = gruppieren(u, {r[0], lose.get(), r[2]});
    EXPECT_EQ(h->MitgliedAnzahl(), 2);
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

TEST_F(GruppeStruktur, GemeinsamkeitsfinderGleicheUndVerschiedeneWerte)
{
    // Nothing in common in an empty list.
    EXPECT_EQ(gemeinsam({}), QStringList({"nicht_einheitlich/0", "nicht_einheitlich/0", "0", "-1", "2", "2"}));
    TRechteck *a = u.rechteck(1, 1, 1, 1);
    TRechteck *b = u.rechteck(3, 1, 1, 1);
    TRechteck *c = u.rechteck(5, 1, 1, 1);
    b->Linienstärke = 0.01 + 0.00005; // within the tolerance
    c->MausGesperrt = 1;
    EXPECT_EQ(gemeinsam({a, b}), QStringList({"rot/255", "schwarz/0", "1", "0.01", "0", "0"}));

    c->Füllfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    c->Linienfarbe = TFarbe::Unsichtbar();
    c->Linienart = 2;
    c->Linienstärke = 0.2;
    // A differing colour is "mixed" and keeps the first figure's value.
    EXPECT_EQ(gemeinsam({a, b, c}),
              QStringList({"nicht_einheitlich/255", "nicht_einheitlich/0", "0", "-1", "2", "0"}));

    // Same value, different kind: invisible against a real colour.
    a->Füllfarbe = TFarbe::Unsichtbar();
    b->Füllfarbe = TFarbe(FarbArtFarbe, 0);
    EXPECT_EQ(gemeinsam({a, b})[0], "nicht_einheitlich/0");
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
    EXPECT_EQ(teile(u.d), (Objekte{vorne, zweiter, a, b, c, hinten}));
    EXPECT_EQ(auswahl, (std::vector<TZeichenObjekt *>{vorne, c, b, a}));
    frei.reset(); // the members are gone: only the group's release is logged
    EXPECT_EQ(u.protokoll(), QStringList{"gr0.freigeben()"});

    // Inside another group the members go to that group.
    Verschachtelt v(u, 1, 3, 5);
    auswahl = {v.aussen};
    ASSERT_EQ(v.innen->GruppierungAufloesen(auswahl).get(), v.innen);
    EXPECT_EQ(teile(*v.aussen), (Objekte{v.a, v.b, v.c}));
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
    EXPECT_EQ(g->Linienart, 0);    // the members now differ
    EXPECT_EQ(g->MausGesperrt, 1); // locks are left alone
    ausfuehren(g, MSchlucken, Werte({TData(static_cast<TObjekt *>(hinten))}));
    EXPECT_EQ(teile(*g), (Objekte{hinten, a, b, vorne}));
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
    EXPECT_NEAR(v.innen->MitteX, 4.5, Eps);
    EXPECT_EQ(u.a.OffeneAnzahl(), 0);
}

// A big group's entries hold a sub-call per member: the log drops its
// oldest entries to stay within its bound on all records, and keeps the
// newest entries whole.
TEST_F(GruppeProtokoll, GrosseGruppeHaeltDieSchrankeDesProtokolls)
{
    std::vector<TZeichenObjekt *> figuren;
    for (int i = 0; i < 1000; ++i)
        figuren.push_back(u.rechteck(i % 40, i / 40, 0.5, 0.5));
    TGruppe *g = gruppieren(u, figuren);
    for (int i = 0; i < 250; ++i)
        ausfuehren(g, MVerschieben, Werte({Laenge(0.1), Laenge(0)}));
    const auto &p = u.a.Protokoll();
    ASSERT_EQ(p.size(), std::size_t(TAnalysator::MaximaleAufrufe / 1001));
    long long summe = 0;
    for (const auto &eintrag : p) {
        SCOPED_TRACE(summe);
        EXPECT_EQ(eintrag->AnzeigeText(), "gr0.verschieben( 1.00 mm, 0.00 mm )");
        ASSERT_EQ(eintrag->Unteraufrufe.size(), 1000u);
        summe += eintrag->AnzahlMitUnteraufrufen();
    }
    EXPECT_EQ(summe, u.a.AufrufAnzahl());
    EXPECT_LE(u.a.AufrufAnzahl(), TAnalysator::MaximaleAufrufe);
    EXPECT_EQ(unteraufrufe(u.letzter()).back(), "re999.verschieben( 1.00 mm, 0.00 mm )");
    EXPECT_NEAR(figuren.back()->MitteX, 39 + 25.0, Eps);
    EXPECT_NEAR(g->Umgebungsrechteck.Rechts, 39.25 + 25.0, Eps);
    // Small entries after it are kept as usual, the big ones give way.
    for (int i = 0; i < 2000; ++i)
        ausfuehren(figuren[0], MVerschieben, Werte({Laenge(0), Laenge(0.1)}));
    EXPECT_EQ(u.anzahl(), 2000);
    EXPECT_EQ(u.a.AufrufAnzahl(), 2000);
    EXPECT_EQ(u.zuletzt(), "re0.verschieben( 0.00 mm, 1.00 mm )");
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

TEST_F(GruppeProtokoll, DuplizierenBenenntGruppeUndMitglieder)
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
    // The copy is independent of the source.
    k->verschieben(10, 0);
    EXPECT_NEAR(v.a->Punkt(0)->X, 0.0, Eps);

    // Taking over values reaches every member.
    k->Uebernehmen(*v.aussen);
    auto *kopieVonA = static_cast<TLinienZug *>(static_cast<TGruppe *>(k->Mitglied(0))->Mitglied(0));
    EXPECT_NEAR(kopieVonA->Punkt(0)->X, 0.0, Eps);
    EXPECT_TRUE(v.aussen->Duplizieren(false)->Name.isEmpty());
}

TEST_F(GruppeProtokoll, ZeichnenDerMitgliederInIhrerReihenfolge)
{
    Bild b;
    TLinienZug *a = u.linienZug({{1, 1}, {5, 1}, {5, 5}, {1, 5}}, 0, true);
    TLinienZug *c = u.linienZug({{3, 3}, {7, 3}, {7, 7}, {3, 7}}, 0, true);
    a->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    c->Füllfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    gruppieren(u, {a, c});
    u.d.Zeichnen(&b.zf);
    b.fertig();
    EXPECT_EQ(b.bei(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(b.bei(4, 4), QColor(0, 0, 255)); // the later member lies in front
    EXPECT_EQ(b.bei(6, 2), QColor(Qt::white));
    EXPECT_EQ(b.bei(1, 3), QColor(Qt::black)); // outline
}

} // namespace
