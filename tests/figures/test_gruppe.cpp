// Groups: compound log entries for every forwarded operation, mirroring with
// nested entries, grouping, ungrouping, swallowing, copies and rendering.
#include "test_figuren2_hilfen.h"

#include <gtest/gtest.h>

using namespace figuren2;

namespace {
constexpr double Eps = 1e-9;

TDataListe werte(std::initializer_list<TData> liste)
{
    TDataListe l;
    for (const TData &d : liste)
        l.push_back(std::make_unique<TData>(d));
    return l;
}

// A new named group made from the figures, as the main window does it.
TGruppe *gruppieren(Umgebung &u, const std::vector<TZeichenObjekt *> &figuren)
{
    auto g = u.neu<TGruppe>("GRUPPE");
    g->NamenVergeben();
    return TGruppe::Gruppieren(std::move(g), figuren);
}

// A unit square polyline with its lower left corner at (x, y).
TLinienZug *quadrat(Umgebung &u, double x, double y)
{
    return u.linienZug({{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}}, 0, true);
}
} // namespace

TEST(GruppeStruktur, GruppierenDesZweitenUndViertenVonFuenf)
{
    Umgebung u;
    std::vector<TRechteck *> r;
    for (int i = 0; i < 5; ++i)
        r.push_back(u.rechteck(i * 2 + 1, 1, 1, 1));
    const int vorher = u.eintraege();
    TGruppe *g = gruppieren(u, {r[3], r[1]});
    ASSERT_EQ(u.d.Teile.size(), 4u);
    EXPECT_EQ(u.d.Teile[0].get(), r[0]);
    EXPECT_EQ(u.d.Teile[1].get(), g);
    EXPECT_EQ(u.d.Teile[2].get(), r[2]);
    EXPECT_EQ(u.d.Teile[3].get(), r[4]);
    ASSERT_EQ(g->MitgliedAnzahl(), 2);
    EXPECT_EQ(g->Mitglied(0), r[1]); // drawing order kept
    EXPECT_EQ(g->Mitglied(1), r[3]);
    EXPECT_EQ(r[1]->Besitzer, g);
    EXPECT_EQ(g->Besitzer, &u.d);
    EXPECT_EQ(g->Name, QStringLiteral("gr0"));
    EXPECT_EQ(g->NurProportional, 1);
    EXPECT_EQ(u.eintraege(), vorher); // grouping itself logs nothing
}

TEST(GruppeStruktur, GruppeErbtGemeinsameWerte)
{
    Umgebung u;
    TRechteck *a = u.rechteck(1, 1, 1, 1);
    TRechteck *b = u.rechteck(3, 1, 1, 1);
    b->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    a->MausGesperrt = b->MausGesperrt = 1;
    TGruppe *g = gruppieren(u, {a, b});
    EXPECT_EQ(g->Füllfarbe.FarbArt, FarbArtNichtEinheitlich);
    EXPECT_EQ(g->Linienfarbe, TFarbe::Echt(0));
    EXPECT_EQ(g->Linienart, 1);
    EXPECT_DOUBLE_EQ(g->Linienstärke, 0.01);
    EXPECT_EQ(g->MausGesperrt, 1);
    EXPECT_EQ(g->TastaturGesperrt, 0);
}

TEST(GruppeStruktur, AufloesenSetztMitgliederAnDieStelleDerGruppe)
{
    Umgebung u;
    TRechteck *vorne = u.rechteck(1, 1, 1, 1);
    TRechteck *zweiter = u.rechteck(1, 3, 1, 1);
    TLinienZug *a = quadrat(u, 1, 1);
    TLinienZug *b = quadrat(u, 3, 1);
    TLinienZug *c = quadrat(u, 5, 1);
    TRechteck *hinten = u.rechteck(9, 1, 1, 1);
    TGruppe *g = gruppieren(u, {a, b, c});
    ASSERT_EQ(u.d.TeilIndex(g), 2);
    std::vector<TZeichenObjekt *> auswahl{vorne, g};
    const int vorher = u.eintraege();
    std::unique_ptr<TObjekt> frei = g->GruppierungAufloesen(auswahl);
    ASSERT_EQ(frei.get(), g);
    EXPECT_EQ(g->MitgliedAnzahl(), 0);
    ASSERT_EQ(u.d.Teile.size(), 6u);
    EXPECT_EQ(u.d.Teile[0].get(), vorne);
    EXPECT_EQ(u.d.Teile[1].get(), zweiter);
    EXPECT_EQ(u.d.Teile[2].get(), a);
    EXPECT_EQ(u.d.Teile[3].get(), b);
    EXPECT_EQ(u.d.Teile[4].get(), c);
    EXPECT_EQ(u.d.Teile[5].get(), hinten);
    EXPECT_EQ(a->Besitzer, &u.d);
    EXPECT_EQ(auswahl, (std::vector<TZeichenObjekt *>{vorne, c, b, a}));
    frei.reset(); // the members are gone: only the group's release is logged
    EXPECT_EQ(u.protokoll(vorher), QStringList{QStringLiteral("gr0.freigeben()")});
}

TEST(GruppeStruktur, AufloesenInnerhalbEinerGruppe)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 1, 1);
    TLinienZug *b = quadrat(u, 3, 1);
    TLinienZug *c = quadrat(u, 5, 1);
    TGruppe *innen = gruppieren(u, {a, b});
    TGruppe *aussen = gruppieren(u, {innen, c});
    std::vector<TZeichenObjekt *> auswahl{aussen};
    auto frei = innen->GruppierungAufloesen(auswahl);
    ASSERT_EQ(frei.get(), innen);
    ASSERT_EQ(aussen->MitgliedAnzahl(), 3);
    EXPECT_EQ(aussen->Mitglied(0), a);
    EXPECT_EQ(aussen->Mitglied(1), b);
    EXPECT_EQ(a->Besitzer, aussen);
    EXPECT_EQ(auswahl, std::vector<TZeichenObjekt *>{aussen});
}

TEST(GruppeStruktur, SchluckenVorneUndHinten)
{
    Umgebung u;
    TLinienZug *hinten = quadrat(u, 1, 1);
    TLinienZug *a = quadrat(u, 3, 1);
    TLinienZug *b = quadrat(u, 5, 1);
    TLinienZug *vorne = quadrat(u, 7, 1);
    vorne->Linienart = 3;
    TGruppe *g = gruppieren(u, {a, b});
    g->MausGesperrt = 1;
    const int vorher = u.eintraege();
    QString meldung;
    g->MethodeAusfuehren(MSchlucken, werte({TData(static_cast<TObjekt *>(vorne))}), meldung, nullptr);
    EXPECT_TRUE(meldung.isEmpty());
    ASSERT_EQ(g->MitgliedAnzahl(), 3);
    EXPECT_EQ(g->Mitglied(2), vorne); // stays in front of the other members
    EXPECT_EQ(vorne->Besitzer, g);
    EXPECT_EQ(g->Linienart, 0);       // the members now differ
    EXPECT_EQ(g->MausGesperrt, 1);    // locks are left alone
    EXPECT_NEAR(g->Umgebungsrechteck.Rechts, 8.0, Eps);
    g->MethodeAusfuehren(MSchlucken, werte({TData(static_cast<TObjekt *>(hinten))}), meldung, nullptr);
    EXPECT_EQ(g->Mitglied(0), hinten);
    EXPECT_EQ(u.d.Teile.size(), 1u);
    EXPECT_NEAR(g->Länge, 7.0, Eps);
    EXPECT_EQ(u.eintraege(), vorher);
}

TEST(GruppeStruktur, SchluckenVerweigertUngeeigneteObjekteOhneAenderung)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 1, 1);
    TLinienZug *b = quadrat(u, 3, 1);
    TLinienZug *c = quadrat(u, 5, 1);
    TLinienZug *d = quadrat(u, 7, 1);
    TGruppe *g = gruppieren(u, {a, b});
    TGruppe *andere = gruppieren(u, {c});
    TGruppe *aussen = gruppieren(u, {andere, d});
    auto schlucken = [&](TGruppe *gruppe, TObjekt *o) {
        QString meldung;
        gruppe->MethodeAusfuehren(MSchlucken, werte({TData(o)}), meldung, nullptr);
        return meldung;
    };
    EXPECT_EQ(schlucken(g, g), QStringLiteral("Eine Gruppe kann sich nicht selbst schlucken."));
    EXPECT_EQ(schlucken(g, c),
              QStringLiteral("Das Objekt lz2 ist bereits in einer anderen Gruppe enthalten."));
    EXPECT_EQ(schlucken(g, a), QStringLiteral("Das Objekt lz0 ist bereits in dieser Gruppe enthalten."));
    EXPECT_EQ(schlucken(g, a->Punkt(0)),
              QStringLiteral("Das Objekt lp0 liegt nicht direkt im Dokument und kann nicht geschluckt werden."));
    EXPECT_EQ(schlucken(g, &u.d),
              QStringLiteral("Das Objekt dokument1 liegt nicht direkt im Dokument und kann nicht geschluckt werden."));
    // A group inside another cannot swallow the group that holds it.
    EXPECT_EQ(schlucken(andere, aussen),
              QStringLiteral("Eine Gruppe kann keine Gruppe schlucken, in der sie selbst enthalten ist."));
    EXPECT_EQ(g->MitgliedAnzahl(), 2);
    EXPECT_EQ(andere->MitgliedAnzahl(), 1);
    EXPECT_EQ(u.d.Teile.size(), 2u);
}

TEST(GruppeStruktur, GruppierungAufhebenHinterlaesstEinenWunsch)
{
    Umgebung u;
    TGruppe *g = gruppieren(u, {quadrat(u, 1, 1), quadrat(u, 3, 1)});
    QString meldung;
    g->MethodeAusfuehren(MGruppierungAufheben, {}, meldung, nullptr);
    EXPECT_TRUE(meldung.isEmpty());
    EXPECT_EQ(u.d.Wuensche.GruppierungAufheben, g);
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("gr0.gruppierungAufheben(  )"));
    EXPECT_EQ(g->MitgliedAnzahl(), 2);
}

// ---------------------------------------------------------------- log entries

TEST(GruppeProtokoll, VerschiebenSchachteltDieAufrufeDerMitglieder)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 1, 1);
    TLinienZug *b = quadrat(u, 3, 1);
    TLinienZug *c = quadrat(u, 5, 1);
    TGruppe *innen = gruppieren(u, {a, b});
    TGruppe *aussen = gruppieren(u, {innen, c});
    const int vorher = u.eintraege();
    QString meldung;
    aussen->MethodeAusfuehren(MVerschieben, werte({TData(2.0, ArtLaenge), TData(0.5, ArtLaenge)}),
                              meldung, nullptr);
    ASSERT_EQ(u.eintraege(), vorher + 1);
    const TMethodenAufruf &m = u.letzter();
    EXPECT_EQ(m.AnzeigeText(), QStringLiteral("gr1.verschieben( 2.00 cm, 5.00 mm )"));
    EXPECT_EQ(unteraufrufe(m), (QStringList{QStringLiteral("gr0.verschieben( 2.00 cm, 5.00 mm )"),
                                            QStringLiteral("lz2.verschieben( 2.00 cm, 5.00 mm )")}));
    EXPECT_EQ(unteraufrufe(*m.Unteraufrufe[0]),
              (QStringList{QStringLiteral("lz0.verschieben( 2.00 cm, 5.00 mm )"),
                           QStringLiteral("lz1.verschieben( 2.00 cm, 5.00 mm )")}));
    EXPECT_NEAR(a->Punkt(0)->X, 3.0, Eps);
    EXPECT_NEAR(aussen->Umgebungsrechteck.Links, 3.0, Eps);
    EXPECT_NEAR(aussen->MitteX, 5.5, Eps);
    EXPECT_NEAR(innen->MitteX, 4.5, Eps);
    EXPECT_EQ(u.a.OffeneAnzahl(), 0);
}

TEST(GruppeProtokoll, DrehenUndStreckenUmDieGruppenmitte)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 0, 0);
    TLinienZug *b = quadrat(u, 3, 0);
    TGruppe *g = gruppieren(u, {a, b}); // box 0..4 x 0..1, centre (2, 0.5)
    const int vorher = u.eintraege();
    g->drehen(30);
    g->drehen(30);
    EXPECT_NEAR(g->Winkel, 0.0, Eps);
    EXPECT_NEAR(g->Zusatzwinkel, 60.0, Eps);
    ASSERT_EQ(u.eintraege(), vorher + 2);
    EXPECT_EQ(u.protokoll(vorher)[0], QStringLiteral("gr0.drehen( 30.00° )"));
    EXPECT_EQ(unteraufrufe(*u.a.Protokoll()[vorher]),
              (QStringList{QStringLiteral("lz0.drehenUm( 2.00 cm, 5.00 mm, 30.00° )"),
                           QStringLiteral("lz1.drehenUm( 2.00 cm, 5.00 mm, 30.00° )")}));
    // The second turn is about the centre of the box after the first.
    const TMethodenAufruf &zweiter = *u.a.Protokoll()[vorher + 1];
    const double cx = zweiter.Unteraufrufe[0]->Parameter[0]->Zahl();
    EXPECT_NEAR(cx, 2.0, 1e-6); // symmetric members: the centre stays
    TWeltPunkt p = PunktDrehen(0, 0, 2, 0.5, 60);
    EXPECT_NEAR(a->Punkt(0)->X, p.X, 1e-9);
    EXPECT_NEAR(a->Punkt(0)->Y, p.Y, 1e-9);

    g->strecken(2);
    const TMethodenAufruf &s = u.letzter();
    EXPECT_EQ(s.AnzeigeText(), QStringLiteral("gr0.strecken( 200.000 % )"));
    ASSERT_EQ(s.Unteraufrufe.size(), 2u);
    EXPECT_EQ(s.Unteraufrufe[0]->MethodenId, MStreckenMitZentrum);
    g->drehenUm(0, 0, 10);
    EXPECT_NEAR(g->Zusatzwinkel, 70.0, Eps);
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("gr0.drehenUm( 0.00 mm, 0.00 mm, 10.00° )"));
    EXPECT_EQ(unteraufrufe(u.letzter())[1], QStringLiteral("lz1.drehenUm( 0.00 mm, 0.00 mm, 10.00° )"));
}

TEST(GruppeProtokoll, AttributeWerdenWeitergegeben)
{
    Umgebung u;
    TGruppe *g = gruppieren(u, {quadrat(u, 0, 0), u.rechteck(5, 5, 1, 1)});
    const int vorher = u.eintraege();
    QString meldung;
    g->MethodeAusfuehren(MFuellfarbeSetzen, werte({TData(TFarbe::Echt(FarbWert(0, 0, 255)))}),
                         meldung, nullptr);
    g->LinienfarbeSetzen(TFarbe::Echt(FarbWert(255, 0, 0)));
    g->LinienstärkeSetzen(0.2);
    g->LinienartSetzen(2);
    EXPECT_EQ(g->Füllfarbe, TFarbe::Echt(FarbWert(0, 0, 255)));
    EXPECT_EQ(g->Linienfarbe, TFarbe::Echt(FarbWert(255, 0, 0)));
    EXPECT_DOUBLE_EQ(g->Linienstärke, 0.2);
    EXPECT_EQ(g->Linienart, 2);
    EXPECT_EQ(g->Mitglied(1)->Linienart, 2);
    EXPECT_EQ(u.protokoll(vorher), (QStringList{QStringLiteral("gr0.FüllfarbeSetzen( blau )"),
                                                QStringLiteral("gr0.LinienfarbeSetzen( rot )"),
                                                QStringLiteral("gr0.LinienstärkeSetzen( 2.00 mm )"),
                                                QStringLiteral("gr0.LinienartSetzen( gestrichelt )")}));
    EXPECT_EQ(unteraufrufe(*u.a.Protokoll()[vorher]),
              (QStringList{QStringLiteral("lz0.FüllfarbeSetzen( blau )"),
                           QStringLiteral("re0.FüllfarbeSetzen( blau )")}));
}

TEST(GruppeProtokoll, VertikalSpiegelnMitGruppeInDerGruppe)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 0, 0);
    TLinienZug *b = quadrat(u, 2, 0);
    TLinienZug *c = quadrat(u, 5, 0);
    TGruppe *innen = gruppieren(u, {a, b});
    TGruppe *aussen = gruppieren(u, {innen, c}); // box 0..6, centre x = 3
    const int vorher = u.eintraege();
    aussen->vertikalSpiegeln();
    ASSERT_EQ(u.eintraege(), vorher + 1);
    const TMethodenAufruf &m = u.letzter();
    EXPECT_EQ(m.AnzeigeText(), QStringLiteral("gr1.spiegelnVertikal(  )"));
    EXPECT_EQ(unteraufrufe(m),
              (QStringList{QStringLiteral("gr0.spiegelnAnVertikalerAchse( 3.00 cm )"),
                           QStringLiteral("lz2.spiegelnAnVertikalerAchse( 3.00 cm )")}));
    EXPECT_EQ(unteraufrufe(*m.Unteraufrufe[0]),
              (QStringList{QStringLiteral("lz0.spiegelnAnVertikalerAchse( 3.00 cm )"),
                           QStringLiteral("lz1.spiegelnAnVertikalerAchse( 3.00 cm )")}));
    EXPECT_NEAR(c->Punkt(0)->X, 1.0, Eps);
    EXPECT_NEAR(a->Punkt(0)->X, 6.0, Eps);
    EXPECT_NEAR(aussen->MitteX, 3.0, Eps);
    EXPECT_NEAR(innen->MitteX, 4.5, Eps);

    aussen->horizontalSpiegeln();
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("gr1.spiegelnHorizontal(  )"));
    EXPECT_EQ(unteraufrufe(u.letzter())[1], QStringLiteral("lz2.spiegelnAnHorizontalerAchse( 5.00 mm )"));
    EXPECT_EQ(u.a.OffeneAnzahl(), 0);
}

TEST(GruppeProtokoll, SpiegelnAnAchseProtokolliertJedesMitglied)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 0, 0);
    TLinienZug *b = quadrat(u, 2, 0);
    TGruppe *g = gruppieren(u, {a, b});
    const int vorher = u.eintraege();
    g->spiegelnAnVertikalerAchse(0);
    EXPECT_EQ(u.protokoll(vorher), (QStringList{QStringLiteral("lz0.spiegelnAnVertikalerAchse( 0.00 mm )"),
                                                QStringLiteral("lz1.spiegelnAnVertikalerAchse( 0.00 mm )")}));
    EXPECT_NEAR(g->Umgebungsrechteck.Links, -3.0, Eps);
}

TEST(GruppeProtokoll, WinkelSetzenDrehtDieMitglieder)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 0, 0);
    TGruppe *g = gruppieren(u, {a, quadrat(u, 3, 0)});
    QString meldung;
    g->MethodeAusfuehren(MWinkelSetzen, werte({TData(90.0, ArtWinkel)}), meldung, nullptr);
    g->MethodeAusfuehren(MWinkelSetzen, werte({TData(90.0, ArtWinkel)}), meldung, nullptr);
    EXPECT_NEAR(g->Zusatzwinkel, 90.0, Eps);
    EXPECT_NEAR(g->Winkel, 0.0, Eps);
    EXPECT_NEAR(g->Länge, 1.0, Eps); // turned once, not twice
    EXPECT_NEAR(g->Breite, 4.0, Eps);
    EXPECT_EQ(u.protokoll(u.eintraege() - 1),
              QStringList{QStringLiteral("gr0.winkelSetzen( 90.00° )")});
    EXPECT_EQ(unteraufrufe(u.letzter())[0], QStringLiteral("lz0.drehenUm( 2.00 cm, 5.00 mm, 0.00° )"));
}

TEST(GruppeProtokoll, ZeichnenLogtVerschachtelt)
{
    Umgebung u;
    TGruppe *g = gruppieren(u, {quadrat(u, 0, 0), quadrat(u, 3, 0)});
    QString meldung;
    g->MethodeAusfuehren(MZeichnen, {}, meldung, nullptr);
    EXPECT_EQ(meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("gr0.zeichnen(  )"));
    EXPECT_EQ(unteraufrufe(u.letzter()),
              (QStringList{QStringLiteral("lz0.zeichnen(  )"), QStringLiteral("lz1.zeichnen(  )")}));
}

TEST(GruppeProtokoll, VorschauGruppeProtokolliertNichts)
{
    Umgebung u;
    TGruppe *g = gruppieren(u, {quadrat(u, 0, 0), quadrat(u, 3, 0)});
    g->VorschauSetzen(true);
    EXPECT_TRUE(g->Mitglied(1)->Vorschau);
    const int vorher = u.eintraege();
    g->verschieben(1, 1);
    g->vertikalSpiegeln();
    g->drehen(10);
    EXPECT_EQ(u.eintraege(), vorher);
    EXPECT_EQ(u.a.OffeneAnzahl(), 0);
    g->VorschauSetzen(false);
    EXPECT_FALSE(g->Mitglied(0)->Vorschau);
}

// ---------------------------------------------------------------- copies, hits, drawing

TEST(GruppeKopie, DuplizierenBenenntGruppeUndMitglieder)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 0, 0);
    TGruppe *innen = gruppieren(u, {a, quadrat(u, 2, 0)});
    TGruppe *g = gruppieren(u, {innen, quadrat(u, 5, 0)});
    g->Zusatzwinkel = 15;
    const int vorher = u.eintraege();
    auto kopie = g->Duplizieren(true);
    auto *k = static_cast<TGruppe *>(kopie.get());
    EXPECT_EQ(k->Name, QStringLiteral("gr2"));
    EXPECT_NEAR(k->Zusatzwinkel, 15.0, Eps);
    ASSERT_EQ(k->MitgliedAnzahl(), 2);
    EXPECT_EQ(k->Mitglied(0)->Besitzer, k);
    EXPECT_EQ(u.protokoll(vorher).mid(0, 3),
              (QStringList{QStringLiteral("gr2:GRUPPE"), QStringLiteral("gr3:GRUPPE"),
                           QStringLiteral("lz3:LINIENZUG")}));
    EXPECT_NEAR(k->Länge, 6.0, Eps);
    // The copy is independent of the source.
    k->verschieben(10, 0);
    EXPECT_NEAR(a->Punkt(0)->X, 0.0, Eps);

    // Taking over values reaches every member.
    auto vorschau = g->Duplizieren(false);
    k->Uebernehmen(*g);
    EXPECT_NEAR(static_cast<TLinienZug *>(static_cast<TGruppe *>(k->Mitglied(0))->Mitglied(0))
                    ->Punkt(0)->X,
                0.0, Eps);
    EXPECT_TRUE(vorschau->Name.isEmpty());
}

TEST(GruppeTreffer, EinMitgliedGenuegt)
{
    Umgebung u;
    TZeichenflaeche zf;
    TLinienZug *a = quadrat(u, 0, 0);
    a->Füllfarbe = TFarbe::Echt(0);
    TGruppe *g = gruppieren(u, {a, quadrat(u, 3, 0)});
    EXPECT_TRUE(g->Getroffen(&zf, 0.5, 0.5));  // inside the filled square
    EXPECT_FALSE(g->Getroffen(&zf, 3.5, 0.5)); // inside the unfilled one
    EXPECT_TRUE(g->Getroffen(&zf, 3.5, 0.0));  // on its outline
    EXPECT_FALSE(g->Getroffen(&zf, 2.0, 0.5)); // between them
}

TEST(GruppeZeichnen, MitgliederInIhrerReihenfolge)
{
    Umgebung u;
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

TEST(GruppeProtokoll, DrehenEinerGruppeInDerGruppe)
{
    Umgebung u;
    TRechteck *a = u.rechteck(1, 1, 2, 2);
    TRechteck *b = u.rechteck(5, 1, 2, 2);
    TRechteck *c = u.rechteck(9, 1, 2, 2);
    TGruppe *innen = gruppieren(u, {a, b});
    TGruppe *aussen = gruppieren(u, {innen, c}); // box 0..10 x 0..2, centre (5, 1)
    const int vorher = u.eintraege();
    QString meldung;
    aussen->MethodeAusfuehren(MDrehen, werte({TData(90.0, ArtWinkel)}), meldung, nullptr);
    ASSERT_EQ(u.eintraege(), vorher + 1);
    const TMethodenAufruf &m = u.letzter();
    EXPECT_EQ(m.AnzeigeText(), QStringLiteral("gr1.drehen( 90.00° )"));
    EXPECT_EQ(unteraufrufe(m), (QStringList{QStringLiteral("gr0.drehenUm( 5.00 cm, 10.00 mm, 90.00° )"),
                                            QStringLiteral("re2.drehenUm( 5.00 cm, 10.00 mm, 90.00° )")}));
    EXPECT_EQ(unteraufrufe(*m.Unteraufrufe[0]),
              (QStringList{QStringLiteral("re0.drehenUm( 5.00 cm, 10.00 mm, 90.00° )"),
                           QStringLiteral("re1.drehenUm( 5.00 cm, 10.00 mm, 90.00° )")}));
    // Members turned about the outer centre; their own angles follow.
    EXPECT_NEAR(a->MitteX, 5.0, 1e-9);
    EXPECT_NEAR(a->MitteY, -3.0, 1e-9);
    EXPECT_NEAR(a->Winkel, 90.0, 1e-9);
    EXPECT_NEAR(c->MitteY, 5.0, 1e-9);
    EXPECT_NEAR(innen->Zusatzwinkel, 90.0, Eps);
    EXPECT_NEAR(innen->Winkel, 0.0, Eps);
    EXPECT_NEAR(aussen->Länge, 2.0, 1e-9);
    EXPECT_NEAR(aussen->Breite, 10.0, 1e-9);
}

TEST(GruppeProtokoll, SpiegelnBewegtRechteckeUndIhreWinkel)
{
    Umgebung u;
    TRechteck *a = u.rechteck(2, 5, 2, 2);
    TRechteck *b = u.rechteck(6, 5, 2, 2);
    TGruppe *g = gruppieren(u, {a, b}); // centre x = 4
    g->vertikalSpiegeln();
    EXPECT_NEAR(a->MitteX, 6.0, Eps);
    EXPECT_NEAR(b->MitteX, 2.0, Eps);
    EXPECT_NEAR(a->Winkel, 360.0, Eps);
    EXPECT_NEAR(g->MitteX, 4.0, Eps);
    g->horizontalSpiegeln();
    EXPECT_NEAR(a->MitteY, 5.0, Eps);
    EXPECT_NEAR(a->Winkel, 180.0, Eps); // 540 - 360
}

TEST(GruppeStruktur, GruppierenUebergehtFigurenAusserhalbDesDokuments)
{
    Umgebung u;
    TRechteck *a = u.rechteck(1, 1, 1, 1);
    TRechteck *b = u.rechteck(3, 1, 1, 1);
    auto lose = u.neu<TRechteck>("RECHTECK");
    TGruppe *g = gruppieren(u, {a, lose.get(), b});
    EXPECT_EQ(g->MitgliedAnzahl(), 2);
    EXPECT_EQ(lose->Besitzer, nullptr);
    EXPECT_EQ(u.d.Teile.size(), 1u);
    EXPECT_NEAR(g->Länge, 3.0, Eps);
    EXPECT_NEAR(g->MitteX, 2.0, Eps);
}

TEST(GruppeStruktur, PunktmethodeImLinienzugEinerGruppeAktualisiertDieGruppe)
{
    Umgebung u;
    TLinienZug *a = quadrat(u, 0, 0);
    TGruppe *innen = gruppieren(u, {a, quadrat(u, 3, 0)});
    TGruppe *aussen = gruppieren(u, {innen, quadrat(u, 6, 0)});
    QString meldung;
    a->Punkt(0)->MethodeAusfuehren(MKoordinatenSetzen,
                                   werte({TData(-2.0, ArtLaenge), TData(-1.0, ArtLaenge)}), meldung,
                                   nullptr);
    EXPECT_NEAR(aussen->Umgebungsrechteck.Links, -2.0, Eps);
    EXPECT_NEAR(aussen->Umgebungsrechteck.Unten, -1.0, Eps);
    EXPECT_NEAR(innen->Länge, 6.0, Eps);
    EXPECT_NEAR(a->Länge, 3.0, Eps);
}
