// Object base and document: names, lookup, layers, locks, requests.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"

#include <gtest/gtest.h>

namespace {

struct Umgebung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};

    ~Umgebung() { analysator.Angehalten = true; }

    // A named, logged figure appended to the document.
    TObjekt *neu(const QString &klasse)
    {
        auto o = klassen.ObjektErzeugen(klasse);
        o->NamenVergeben();
        o->ErzeugungProtokollieren();
        return dokument.TeilAnhaengen(std::move(o));
    }

    QStringList log() const
    {
        QStringList texte;
        for (const auto &a : analysator.Protokoll())
            texte << a->AnzeigeText();
        return texte;
    }
};

} // namespace

TEST(Namen, ZaehlerWerdenNieWiederverwendet)
{
    Umgebung u;
    TObjekt *re0 = u.neu(QStringLiteral("RECHTECK"));
    u.neu(QStringLiteral("RECHTECK"));
    EXPECT_EQ(re0->Name, QStringLiteral("re0"));
    u.dokument.TeilEntfernen(re0).reset(); // freed: logs its release
    TObjekt *dritte = u.neu(QStringLiteral("RECHTECK"));
    EXPECT_EQ(dritte->Name, QStringLiteral("re2"));
    EXPECT_EQ(u.neu(QStringLiteral("ELLIPSE"))->Name, QStringLiteral("el0"));
    EXPECT_EQ(u.neu(QStringLiteral("TEXTFELD"))->Name, QStringLiteral("tf0"));
    EXPECT_EQ(u.log(), (QStringList{QStringLiteral("re0:RECHTECK"), QStringLiteral("re1:RECHTECK"),
                                    QStringLiteral("re0.freigeben()"), QStringLiteral("re2:RECHTECK"),
                                    QStringLiteral("el0:ELLIPSE"), QStringLiteral("tf0:TEXTFELD")}));
    u.klassen.ZaehlerZuruecksetzen();
    EXPECT_EQ(u.neu(QStringLiteral("RECHTECK"))->Name, QStringLiteral("re0"));
}

TEST(Namen, GruppeBenenntIhreTeile)
{
    Umgebung u;
    auto gruppe = u.klassen.ObjektErzeugen(QStringLiteral("GRUPPE"));
    gruppe->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK")));
    gruppe->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("LINIE")));
    gruppe->NamenVergeben();
    EXPECT_EQ(gruppe->Name, QStringLiteral("gr0"));
    EXPECT_EQ(gruppe->Teile[0]->Name, QStringLiteral("re0"));
    EXPECT_EQ(gruppe->Teile[1]->Name, QStringLiteral("li0"));
    EXPECT_EQ(gruppe->Teile[0]->Besitzer, gruppe.get());
    u.analysator.Angehalten = true;
}

TEST(FindeObjekt, TiefensucheOhneGrossKlein)
{
    Umgebung u;
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("DOKUMENT1")), &u.dokument);
    auto gruppe = u.klassen.ObjektErzeugen(QStringLiteral("GRUPPE"));
    gruppe->Name = QStringLiteral("gr0");
    auto innen = u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
    innen->Name = QStringLiteral("doppelt");
    TObjekt *innenRoh = gruppe->TeilAnhaengen(std::move(innen));
    u.dokument.TeilAnhaengen(std::move(gruppe));
    auto aussen = u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
    aussen->Name = QStringLiteral("Doppelt");
    u.dokument.TeilAnhaengen(std::move(aussen));
    // Depth first: the member inside the earlier group wins.
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("DOPPELT")), innenRoh);
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("fehlt")), nullptr);
    EXPECT_TRUE(u.dokument.EnthaeltKlasse(KlasseRechteck));
    EXPECT_FALSE(u.dokument.EnthaeltKlasse(KlasseEllipse));
    EXPECT_TRUE(u.dokument.Teile[0]->EnthaeltKlasse(KlasseRechteck));
    u.analysator.Angehalten = true;
}

TEST(Ebenen, ProtokolliertNurWennSichEtwasBewegt)
{
    Umgebung u;
    TObjekt *a = u.neu(QStringLiteral("RECHTECK"));
    TObjekt *b = u.neu(QStringLiteral("RECHTECK"));
    TObjekt *c = u.neu(QStringLiteral("RECHTECK"));
    const int vorher = int(u.analysator.Protokoll().size());
    QString meldung;
    // The frontmost one cannot go further forward: nothing logged.
    c->MethodeAusfuehren(MEineEbeneNachVorneSetzen, {}, meldung, nullptr);
    a->MethodeAusfuehren(MEineEbeneNachHintenSetzen, {}, meldung, nullptr);
    EXPECT_EQ(int(u.analysator.Protokoll().size()), vorher);
    // "To the front" logs even when already in front.
    c->MethodeAusfuehren(MInDenVordergrundSetzen, {}, meldung, nullptr);
    EXPECT_EQ(u.log().last(), QStringLiteral("re2.inDenVordergrundSetzen(  )"));
    a->MethodeAusfuehren(MEineEbeneNachVorneSetzen, {}, meldung, nullptr);
    EXPECT_EQ(u.dokument.TeilIndex(a), 1);
    EXPECT_EQ(u.log().last(), QStringLiteral("re0.eineEbeneNachVorneSetzen(  )"));
    c->MethodeAusfuehren(MInDenHintergrundSetzen, {}, meldung, nullptr);
    EXPECT_EQ(u.dokument.TeilIndex(c), 0);
    EXPECT_EQ(u.dokument.TeilIndex(b), 1);
    EXPECT_EQ(u.dokument.TeilIndex(a), 2);
    EXPECT_EQ(u.log().last(), QStringLiteral("re2.inDenHintergrundSetzen(  )"));
    EXPECT_TRUE(meldung.isEmpty());
}

TEST(Sperren, WerdenRekursivGesetzt)
{
    Umgebung u;
    auto gruppe = u.klassen.ObjektErzeugen(QStringLiteral("GRUPPE"));
    auto zug = u.klassen.ObjektErzeugen(QStringLiteral("LINIENZUG"));
    zug->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("PUNKT")));
    TObjekt *zugRoh = gruppe->TeilAnhaengen(std::move(zug));
    gruppe->MausSperreSetzen(true);
    EXPECT_EQ(zugRoh->MausGesperrt, 1);
    EXPECT_EQ(zugRoh->Teile[0]->MausGesperrt, 1);
    EXPECT_EQ(zugRoh->TastaturGesperrt, 0);
    gruppe->TastaturSperreSetzen(true);
    gruppe->MausSperreSetzen(false);
    EXPECT_EQ(zugRoh->Teile[0]->MausGesperrt, 0);
    EXPECT_EQ(zugRoh->Teile[0]->TastaturGesperrt, 1);
    u.analysator.Angehalten = true;
}

TEST(Dokument, HintergrundfarbeUndEinfuegen)
{
    Umgebung u;
    EXPECT_EQ(u.dokument.Hintergrundfarbe, TFarbe::Echt(FarbWert(255, 255, 255)));
    auto wert = u.dokument.AttributWert(AHintergrundfarbe);
    ASSERT_NE(wert, nullptr);
    EXPECT_EQ(wert->Art(), ArtFarbwert);
    // A copy: the document stays as it was.
    EXPECT_EQ(wert->AnzeigeText(), QStringLiteral("weiß"));
    EXPECT_EQ(u.dokument.AttributWert(AWinkel), nullptr);

    TDataListe param;
    param.push_back(std::make_unique<TData>(TFarbe::Echt(FarbWert(255, 255, 0))));
    QString meldung = QStringLiteral("alt");
    u.dokument.MethodeAusfuehren(MHintergrundfarbeSetzen, param, meldung, nullptr);
    EXPECT_TRUE(meldung.isEmpty());
    EXPECT_EQ(u.dokument.Hintergrundfarbe.Wert, FarbWert(255, 255, 0));
    EXPECT_EQ(u.log().last(), QStringLiteral("dokument1.hintergrundfarbeSetzen( gelb )"));

    int eingefuegt = 0;
    u.dokument.EinfuegenAktion = [&eingefuegt] { ++eingefuegt; };
    u.dokument.MethodeAusfuehren(MEinfuegen, {}, meldung, nullptr);
    EXPECT_EQ(eingefuegt, 1);
    EXPECT_EQ(u.log().last(), QStringLiteral("dokument1.einfügen(  )"));
}

TEST(Dokument, LeerenGibtAlleFigurenFrei)
{
    Umgebung u;
    u.neu(QStringLiteral("RECHTECK"));
    u.neu(QStringLiteral("ELLIPSE"));
    u.dokument.Leeren();
    EXPECT_TRUE(u.dokument.Teile.empty());
    EXPECT_EQ(u.log().mid(2), (QStringList{QStringLiteral("re0.freigeben()"),
                                           QStringLiteral("el0.freigeben()")}));
}

TEST(Punkt, FreigebenNurBeiMehrAlsZweiPunkten)
{
    Umgebung u;
    auto zug = u.klassen.ObjektErzeugen(QStringLiteral("LINIENZUG"));
    for (int i = 0; i < 2; ++i)
        zug->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("PUNKT")));
    TObjekt *zugRoh = u.dokument.TeilAnhaengen(std::move(zug));
    zugRoh->NamenVergeben();
    QString meldung;
    TObjekt *erster = zugRoh->Teile[0].get();
    erster->MethodeAusfuehren(MFreigeben, {}, meldung, nullptr);
    EXPECT_EQ(zugRoh->Teile.size(), 2u);
    EXPECT_TRUE(u.dokument.Wuensche.Leer());

    zugRoh->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("PUNKT")));
    erster->MethodeAusfuehren(MFreigeben, {}, meldung, nullptr);
    EXPECT_EQ(zugRoh->Teile.size(), 2u);
    EXPECT_EQ(u.dokument.Wuensche.Loeschen, erster);
    EXPECT_EQ(u.dokument.Wuensche.LoeschenEigen.get(), erster);
    EXPECT_EQ(erster->Besitzer, nullptr);
}

TEST(Zeichnen, ProtokolliertVerschachtelt)
{
    Umgebung u;
    auto gruppe = u.klassen.ObjektErzeugen(QStringLiteral("GRUPPE"));
    gruppe->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK")));
    gruppe->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("ELLIPSE")));
    gruppe->NamenVergeben();
    TObjekt *g = u.dokument.TeilAnhaengen(std::move(gruppe));
    QString meldung;
    g->MethodeAusfuehren(MZeichnen, {}, meldung, nullptr);
    EXPECT_EQ(meldung, QStringLiteral("Kein Neuzeichnen"));
    ASSERT_EQ(u.analysator.Protokoll().size(), 1u);
    const auto &eintrag = *u.analysator.Protokoll()[0];
    EXPECT_EQ(eintrag.AnzeigeText(), QStringLiteral("gr0.zeichnen(  )"));
    ASSERT_EQ(eintrag.Unteraufrufe.size(), 2u);
    EXPECT_EQ(eintrag.Unteraufrufe[0]->AnzeigeText(), QStringLiteral("re0.zeichnen(  )"));
    EXPECT_EQ(eintrag.Unteraufrufe[1]->AnzeigeText(), QStringLiteral("el0.zeichnen(  )"));
    EXPECT_EQ(u.analysator.OffeneAnzahl(), 0);

    // The document's own zeichnen nests every figure.
    u.dokument.MethodeAusfuehren(MZeichnen, {}, meldung, nullptr);
    EXPECT_EQ(u.analysator.Protokoll().back()->AnzeigeText(), QStringLiteral("dokument1.zeichnen(  )"));
    EXPECT_EQ(u.analysator.Protokoll().back()->AnzahlMitUnteraufrufen(), 4);
}
