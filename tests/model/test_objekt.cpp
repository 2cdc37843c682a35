// Object base and document: names, lookup, layers, requests.
#include "modell_hilfen.h"

TEST(Namen, ZaehlerWerdenNieWiederverwendetUndLeerenGibtFrei)
{
    Umgebung u;
    TObjekt *re0 = u.neu("RECHTECK");
    u.neu("RECHTECK");
    u.dokument.TeilEntfernen(re0).reset(); // freed: logs its release
    TObjekt *dritte = u.neu("RECHTECK");
    u.neu("ELLIPSE");
    u.neu("TEXTFELD");
    EXPECT_EQ(u.log(), namen("re0:RECHTECK re1:RECHTECK re0.freigeben() re2:RECHTECK el0:ELLIPSE tf0:TEXTFELD"));
    EXPECT_EQ(u.analysator.Protokoll()[0]->MethodenId, MErzeugung);
    // Renaming later does not change the record.
    dritte->Name = QStringLiteral("haus");
    EXPECT_EQ(u.log()[3], "re2:RECHTECK");
    u.klassen.ZaehlerZuruecksetzen();
    EXPECT_EQ(u.neu("RECHTECK")->Name, "re0");
    // Emptying the document releases every figure, in drawing order.
    u.dokument.Leeren();
    EXPECT_TRUE(u.dokument.Teile.empty());
    EXPECT_EQ(u.log().mid(7), namen("re1.freigeben() haus.freigeben() el0.freigeben() tf0.freigeben() re0.freigeben()"));
}

// A name given in the analyser is skipped by the generator: before, the
// next rectangle was a second "re2" that typed calls could not reach.
TEST(Namen, UmbenanntesObjektUndDerNaechsteErzeugteName)
{
    Umgebung u;
    u.neu("RECHTECK");
    u.neu("RECHTECK")->Name = QStringLiteral("RE2");
    TObjekt *neu = u.neu("RECHTECK");
    EXPECT_EQ(neu->Name, QStringLiteral("re3"));
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("re3")), neu);
    EXPECT_EQ(u.klassen.RECHTECK->Zaehler, 4);
}

TEST(FindeObjekt, TiefensucheOhneGrossKlein)
{
    Umgebung u;
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("DOKUMENT1")), &u.dokument);
    auto benannt = [&u](const char *klasse, const char *name) {
        auto o = u.klassen.ObjektErzeugen(QString::fromUtf8(klasse));
        o->Name = QString::fromUtf8(name);
        return o;
    };
    auto gruppe = benannt("GRUPPE", "gr0");
    TObjekt *innenRoh = gruppe->TeilAnhaengen(benannt("RECHTECK", "doppelt"));
    u.dokument.TeilAnhaengen(std::move(gruppe));
    u.dokument.TeilAnhaengen(benannt("RECHTECK", "Doppelt"));
    // Depth first: the member inside the earlier group wins.
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("DOPPELT")), innenRoh);
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("fehlt")), nullptr);
    EXPECT_EQ(std::tuple(u.dokument.EnthaeltKlasse(KlasseRechteck), u.dokument.EnthaeltKlasse(KlasseEllipse),
                         u.dokument.Teile[0]->EnthaeltKlasse(KlasseRechteck)), std::tuple(true, false, true));
}

TEST(Ebenen, ProtokolliertNurWennSichEtwasBewegt)
{
    Umgebung u;
    TObjekt *a = u.neu("RECHTECK");
    TObjekt *b = u.neu("RECHTECK");
    TObjekt *c = u.neu("RECHTECK");
    // The frontmost one cannot go further forward, the backmost one not further back: nothing logged.
    EXPECT_EQ(ausfuehren(c, MEineEbeneNachVorneSetzen), "");
    EXPECT_EQ(ausfuehren(a, MEineEbeneNachHintenSetzen), "");
    EXPECT_EQ(u.log().size(), 3);
    // "To the front" logs even when already in front.
    EXPECT_EQ(ausfuehren(c, MInDenVordergrundSetzen), "");
    EXPECT_EQ(u.log().last(), "re2.inDenVordergrundSetzen(  )");
    EXPECT_EQ(ausfuehren(a, MEineEbeneNachVorneSetzen), "");
    EXPECT_EQ(u.dokument.TeilIndex(a), 1);
    EXPECT_EQ(u.log().last(), "re0.eineEbeneNachVorneSetzen(  )");
    EXPECT_EQ(ausfuehren(c, MInDenHintergrundSetzen), "");
    EXPECT_EQ(u.dokument.TeilIndex(c), 0);
    EXPECT_EQ(u.dokument.TeilIndex(b), 1);
    EXPECT_EQ(u.dokument.TeilIndex(a), 2);
    EXPECT_EQ(u.log().last(), "re2.inDenHintergrundSetzen(  )");
}

TEST(Dokument, HintergrundfarbeUndEinfuegen)
{
    Umgebung u;
    auto wert = u.dokument.AttributWert(AHintergrundfarbe);
    ASSERT_NE(wert, nullptr);
    EXPECT_EQ(std::tuple(wert->Art(), wert->AnzeigeText()), std::tuple(std::uint8_t(ArtFarbwert), QStringLiteral("weiß")));
    EXPECT_EQ(u.dokument.AttributWert(AWinkel), nullptr);

    EXPECT_EQ(ausfuehren(&u.dokument, MHintergrundfarbeSetzen, {TData(TFarbe::Echt(FarbWert(255, 255, 0)))}), "");
    EXPECT_EQ(u.dokument.Hintergrundfarbe.Wert, FarbWert(255, 255, 0));
    EXPECT_EQ(u.log().last(), "dokument1.hintergrundfarbeSetzen( gelb )");

    int eingefuegt = 0;
    u.dokument.EinfuegenAktion = [&eingefuegt] { ++eingefuegt; };
    EXPECT_EQ(ausfuehren(&u.dokument, MEinfuegen), "");
    EXPECT_EQ(eingefuegt, 1);
    EXPECT_EQ(u.log().last(), "dokument1.einfügen(  )");
}

TEST(Zeichnen, GruppeBenenntIhreTeileUndProtokolliertVerschachtelt)
{
    Umgebung u;
    auto gruppe = u.klassen.ObjektErzeugen(QStringLiteral("GRUPPE"));
    gruppe->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK")));
    gruppe->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("ELLIPSE")));
    gruppe->NamenVergeben();
    TObjekt *g = u.dokument.TeilAnhaengen(std::move(gruppe));
    EXPECT_EQ(g->Teile[0]->Besitzer, g);
    EXPECT_EQ(ausfuehren(g, MZeichnen), "Kein Neuzeichnen");
    // The document's own zeichnen nests every figure.
    EXPECT_EQ(ausfuehren(&u.dokument, MZeichnen), "Kein Neuzeichnen");
    EXPECT_EQ(u.log(), QStringList({"gr0.zeichnen(  )", "  re0.zeichnen(  )", "  el0.zeichnen(  )",
                                    "dokument1.zeichnen(  )", "  gr0.zeichnen(  )", "    re0.zeichnen(  )",
                                    "    el0.zeichnen(  )"}));
    EXPECT_EQ(u.analysator.Protokoll().back()->AnzahlMitUnteraufrufen(), 4);
    EXPECT_EQ(u.analysator.OffeneAnzahl(), 0);
}
