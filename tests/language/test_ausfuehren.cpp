// Running typed calls through the workspace: lock check, dispatch, the
// typed-call marker, nested records, recomputing the outermost figure and the
// deferred requests (ungroup, copy, cut, delete).
#include "Sprachhilfen.h"

#include <gtest/gtest.h>

using namespace sprachtest;

namespace {

// Figures that count how often they recompute their geometry.
class TZaehlRechteck : public TRechteck
{
public:
    using TRechteck::TRechteck;
    void GeometrieBerechnen() override { ++Berechnungen; }
    int Berechnungen = 0;
};

class TZaehlGruppe : public TGruppe
{
public:
    using TGruppe::TGruppe;
    void GeometrieBerechnen() override { ++Berechnungen; }
    int Berechnungen = 0;
};

class AusfuehrenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        re0 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
        ws.AuswahlGeaendert = [this] { ++auswahlMeldungen; };
        ws.DokumentGeaendert = [this] { ++dokumentMeldungen; };
        ws.AnalysatorZuruecksetzen = [this](TObjekt *o) { freigegeben.push_back(o); };
    }

    TAufrufErgebnis ausfuehren(const QString &text)
    {
        return ws.AufrufAusfuehren(text, int(text.size()), nullptr);
    }
    QStringList protokoll() const { return protokollZeilen(ws.Analysator()); }
    TZeichenObjekt *figur(TObjekt *o) const { return dynamic_cast<TZeichenObjekt *>(o); }

    TArbeitsbereich ws;
    TObjekt *re0 = nullptr;
    int auswahlMeldungen = 0;
    int dokumentMeldungen = 0;
    std::vector<TObjekt *> freigegeben;
};

TEST_F(AusfuehrenTest, ValidCallRunsIsLoggedWithTheMarkerAndMarksTheDocument)
{
    const TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.verschieben(2, 1 cm)"));
    EXPECT_TRUE(e.Ausgefuehrt);
    EXPECT_EQ(e.Fehlermeldung, QString());
    EXPECT_EQ(e.Meldung, QString());
    EXPECT_TRUE(e.Neuzeichnen);
    EXPECT_FALSE(e.MeldungAnzeigen());
    EXPECT_TRUE(ws.Geaendert);
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.verschieben( 2.00 mm, 10.00 mm )")});
    EXPECT_TRUE(ws.Analysator().Protokoll().back()->AusEingabefeld);
    // The marker is cleared afterwards: calls made by other means are unmarked.
    EXPECT_FALSE(ws.Analysator().AusEingabefeld);
    figur(re0)->verschieben(1, 1);
    EXPECT_FALSE(ws.Analysator().Protokoll().back()->AusEingabefeld);
}

TEST_F(AusfuehrenTest, RejectedTextRunsNothing)
{
    const TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.verschieben(2 zoll, 1)"));
    EXPECT_FALSE(e.Ausgefuehrt);
    EXPECT_EQ(e.Fehlermeldung, QStringLiteral("zoll ist keine Längeneinheit."));
    EXPECT_EQ(e.FehlerAnfang, 17);
    EXPECT_EQ(e.FehlerEnde, 23);
    EXPECT_FALSE(e.Neuzeichnen);
    EXPECT_FALSE(ws.Geaendert);
    EXPECT_TRUE(ws.Analysator().Protokoll().empty());

    const TAufrufErgebnis leer = ausfuehren(QString());
    EXPECT_EQ(leer.Fehlermeldung, QStringLiteral(" "));
    EXPECT_EQ(leer.FehlerAnfang, -1);
}

TEST_F(AusfuehrenTest, KeyboardLockRefusesOutsideTeacherMode)
{
    re0->TastaturGesperrt = 1;
    TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.verschieben(1, 1)"));
    EXPECT_TRUE(e.Ausgefuehrt);
    EXPECT_EQ(e.Meldung, QStringLiteral("Das Bearbeiten mit der Tastatur ist für dieses Objekt gesperrt."));
    EXPECT_TRUE(e.MeldungAnzeigen());
    EXPECT_TRUE(e.Neuzeichnen);
    EXPECT_TRUE(ws.Analysator().Protokoll().empty());
    EXPECT_DOUBLE_EQ(figur(re0)->MitteX, 0.0);

    ws.Lehrermodus = true;
    e = ausfuehren(QStringLiteral("re0.verschieben(1, 1)"));
    EXPECT_EQ(e.Meldung, QString());
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.verschieben( 1.00 mm, 1.00 mm )")});
    EXPECT_NEAR(figur(re0)->MitteX, 0.1, 1e-12);

    // The mouse lock does not concern typed calls.
    ws.Lehrermodus = false;
    re0->TastaturGesperrt = 0;
    re0->MausGesperrt = 1;
    e = ausfuehren(QStringLiteral("re0.verschieben(1, 1)"));
    EXPECT_EQ(e.Meldung, QString());
    EXPECT_EQ(ws.Analysator().Protokoll().size(), 2u);
}

TEST_F(AusfuehrenTest, DrawingCallNeedsNoRepaintAndNestsTheParts)
{
    TObjekt *gr0 = figurAnlegen(ws, QStringLiteral("GRUPPE"));
    figurAnlegen(ws, QStringLiteral("RECHTECK"), gr0);
    figurAnlegen(ws, QStringLiteral("ELLIPSE"), gr0);

    TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.zeichnen()"));
    EXPECT_EQ(e.Meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_FALSE(e.Neuzeichnen);
    EXPECT_FALSE(e.MeldungAnzeigen());
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.zeichnen(  )")});

    ausfuehren(QStringLiteral("gr0.zeichnen()"));
    const auto &gruppenEintrag = *ws.Analysator().Protokoll().back();
    ASSERT_EQ(gruppenEintrag.Unteraufrufe.size(), 2u);
    EXPECT_TRUE(gruppenEintrag.AusEingabefeld);
    EXPECT_TRUE(gruppenEintrag.Unteraufrufe[0]->AusEingabefeld);
    EXPECT_TRUE(gruppenEintrag.Unteraufrufe[1]->AusEingabefeld);

    ausfuehren(QStringLiteral("dokument1.zeichnen()"));
    EXPECT_EQ(protokoll(), (QStringList{
                               QStringLiteral("re0.zeichnen(  )"),
                               QStringLiteral("gr0.zeichnen(  )"),
                               QStringLiteral("  re1.zeichnen(  )"),
                               QStringLiteral("  el0.zeichnen(  )"),
                               QStringLiteral("dokument1.zeichnen(  )"),
                               QStringLiteral("  re0.zeichnen(  )"),
                               QStringLiteral("  gr0.zeichnen(  )"),
                               QStringLiteral("    re1.zeichnen(  )"),
                               QStringLiteral("    el0.zeichnen(  )"),
                           }));
    EXPECT_EQ(ws.Analysator().OffeneAnzahl(), 0);
}

TEST_F(AusfuehrenTest, MovingAGroupNestsTheMembersMoves)
{
    TObjekt *gr0 = figurAnlegen(ws, QStringLiteral("GRUPPE"));
    figurAnlegen(ws, QStringLiteral("RECHTECK"), gr0);
    figurAnlegen(ws, QStringLiteral("ELLIPSE"), gr0);
    ausfuehren(QStringLiteral("gr0.verschieben(1 cm, -2)"));
    EXPECT_EQ(protokoll(), (QStringList{QStringLiteral("gr0.verschieben( 10.00 mm, -2.00 mm )"),
                                        QStringLiteral("  re1.verschieben( 10.00 mm, -2.00 mm )"),
                                        QStringLiteral("  el0.verschieben( 10.00 mm, -2.00 mm )")}));
    const auto &eintrag = *ws.Analysator().Protokoll().back();
    EXPECT_TRUE(eintrag.AusEingabefeld);
    EXPECT_TRUE(eintrag.Unteraufrufe[1]->AusEingabefeld);

    // A preview copy (as dragged with the mouse) records nothing.
    const auto vorher = ws.Analysator().Protokoll().size();
    std::unique_ptr<TObjekt> kopie = gr0->Duplizieren(false);
    auto *vorschau = dynamic_cast<TZeichenObjekt *>(kopie.get());
    vorschau->VorschauSetzen(true);
    vorschau->verschieben(1, 1);
    kopie.reset();
    EXPECT_EQ(ws.Analysator().Protokoll().size(), vorher);
}

TEST_F(AusfuehrenTest, OutermostFigureRecomputesAfterACall)
{
    TKlassenObjekte &k = ws.Klassen();
    auto gruppe = std::make_unique<TZaehlGruppe>(&ws.Dokument(), &ws.Analysator(), k.GRUPPE);
    gruppe->NamenVergeben();
    auto *aussen = static_cast<TZaehlGruppe *>(ws.Dokument().TeilAnhaengen(std::move(gruppe)));
    auto innen = std::make_unique<TZaehlGruppe>(&ws.Dokument(), &ws.Analysator(), k.GRUPPE);
    innen->NamenVergeben();
    auto *mitte = static_cast<TZaehlGruppe *>(aussen->TeilAnhaengen(std::move(innen)));
    auto rechteck = std::make_unique<TZaehlRechteck>(&ws.Dokument(), &ws.Analysator(), k.RECHTECK);
    rechteck->NamenVergeben();
    auto *glied = static_cast<TZaehlRechteck *>(mitte->TeilAnhaengen(std::move(rechteck)));
    ASSERT_EQ(aussen->Name, QStringLiteral("gr0"));
    ASSERT_EQ(mitte->Name, QStringLiteral("gr1"));
    ASSERT_EQ(glied->Name, QStringLiteral("re1"));

    ausfuehren(QStringLiteral("re1.verschieben(1, 1)"));
    // The member's own operation recomputes it once; the executor then
    // recomputes only the outermost group.
    EXPECT_EQ(aussen->Berechnungen, 1);
    EXPECT_EQ(mitte->Berechnungen, 0);
    EXPECT_EQ(glied->Berechnungen, 1);

    // A top-level figure recomputes itself.
    auto frei = std::make_unique<TZaehlRechteck>(&ws.Dokument(), &ws.Analysator(), k.RECHTECK);
    frei->NamenVergeben();
    auto *einzeln = static_cast<TZaehlRechteck *>(ws.Dokument().TeilAnhaengen(std::move(frei)));
    ausfuehren(QStringLiteral("re2.drehen(10)"));
    EXPECT_EQ(einzeln->Berechnungen, 2); // the operation itself, then the executor

    // Not after "Kein Neuzeichnen", a lock message or a refused text.
    ausfuehren(QStringLiteral("re2.zeichnen()"));
    einzeln->TastaturGesperrt = 1;
    ausfuehren(QStringLiteral("re2.drehen(10)"));
    ausfuehren(QStringLiteral("re2.drehen(x)"));
    EXPECT_EQ(einzeln->Berechnungen, 2);
}

TEST_F(AusfuehrenTest, TypedReleaseOfATopLevelFigureDeletesIt)
{
    ws.Auswahl.push_back(figur(re0));
    TObjekt *re1 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    const TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.freigeben()"));
    EXPECT_EQ(e.Meldung, QString());
    EXPECT_TRUE(e.Neuzeichnen);
    ASSERT_EQ(ws.Dokument().Teile.size(), 1u);
    EXPECT_EQ(ws.Dokument().Teile[0].get(), re1);
    EXPECT_TRUE(ws.Auswahl.empty());
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re0});
    EXPECT_GE(auswahlMeldungen, 1);
    EXPECT_GE(dokumentMeldungen, 1);
    // The figure logs its own release once, as part of the typed call.
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.freigeben()")});
    EXPECT_TRUE(ws.Analysator().Protokoll().back()->AusEingabefeld);
    EXPECT_TRUE(ws.Dokument().Wuensche.Leer());
}

TEST_F(AusfuehrenTest, TypedReleaseOfAGroupMemberIsRefused)
{
    TObjekt *gr0 = figurAnlegen(ws, QStringLiteral("GRUPPE"));
    figurAnlegen(ws, QStringLiteral("ELLIPSE"), gr0);
    const TAufrufErgebnis e = ausfuehren(QStringLiteral("el0.freigeben()"));
    EXPECT_EQ(e.Meldung,
              QStringLiteral("Das Objekt el0 ist Teil einer Gruppe und kann nicht einzeln freigegeben werden."));
    EXPECT_TRUE(e.MeldungAnzeigen());
    EXPECT_EQ(gr0->Teile.size(), 1u);
    EXPECT_TRUE(ws.Analysator().Protokoll().empty());
    EXPECT_TRUE(freigegeben.empty());
}

TEST_F(AusfuehrenTest, TypedReleaseOfAVertexRemovesItWhileMoreThanTwoRemain)
{
    TObjekt *lz0 = figurAnlegen(ws, QStringLiteral("LINIENZUG"));
    for (int i = 0; i < 3; ++i)
        figurAnlegen(ws, QStringLiteral("PUNKT"), lz0);
    TObjekt *lp1 = lz0->Teile[1].get();
    ASSERT_EQ(lp1->Name, QStringLiteral("lp1"));

    TAufrufErgebnis e = ausfuehren(QStringLiteral("lp1.freigeben()"));
    EXPECT_EQ(e.Meldung, QString());
    ASSERT_EQ(lz0->Teile.size(), 2u);
    EXPECT_EQ(lz0->Teile[0]->Name, QStringLiteral("lp0"));
    EXPECT_EQ(lz0->Teile[1]->Name, QStringLiteral("lp2"));
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{lp1});
    EXPECT_FALSE(ws.Dokument().Wuensche.LoeschenEigen);

    // With two vertices left nothing changes.
    e = ausfuehren(QStringLiteral("lp0.freigeben()"));
    EXPECT_EQ(lz0->Teile.size(), 2u);
    EXPECT_EQ(freigegeben.size(), 1u);
}

TEST_F(AusfuehrenTest, TypedCopyFillsTheClipboardAndPasteOffsetsEachTime)
{
    figur(re0)->verschieben(3, 4);
    const auto vorher = ws.Analysator().Protokoll().size();
    TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.kopieren()"));
    EXPECT_EQ(e.Meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_FALSE(e.Neuzeichnen);
    ASSERT_EQ(ws.Zwischenablage.size(), 1u);
    EXPECT_TRUE(ws.Zwischenablage[0]->Vorschau);
    EXPECT_EQ(ws.Zwischenablage[0]->KlassenId, KlasseRechteck);
    EXPECT_EQ(ws.Dokument().Teile.size(), 1u);
    ASSERT_EQ(ws.Analysator().Protokoll().size(), vorher + 1);
    EXPECT_EQ(ws.Analysator().Protokoll().back()->AnzeigeText(), QStringLiteral("re0.kopieren(  )"));

    e = ausfuehren(QStringLiteral("dokument1.einfügen()"));
    EXPECT_EQ(e.Meldung, QString());
    ASSERT_EQ(ws.Dokument().Teile.size(), 2u);
    auto *re1 = figur(ws.Dokument().Teile[1].get());
    ASSERT_NE(re1, nullptr);
    EXPECT_EQ(re1->Name, QStringLiteral("re1"));
    EXPECT_EQ(re1->Besitzer, &ws.Dokument());
    EXPECT_FALSE(re1->Vorschau);
    EXPECT_NEAR(re1->MitteX, 3.1, 1e-12);
    EXPECT_NEAR(re1->MitteY, 4.1, 1e-12);
    EXPECT_EQ(ws.Auswahl, std::vector<TZeichenObjekt *>{re1});

    ausfuehren(QStringLiteral("dokument1.einfügen()"));
    ASSERT_EQ(ws.Dokument().Teile.size(), 3u);
    auto *re2 = figur(ws.Dokument().Teile[2].get());
    EXPECT_EQ(re2->Name, QStringLiteral("re2"));
    EXPECT_NEAR(re2->MitteX, 3.2, 1e-12);
    EXPECT_NEAR(re2->MitteY, 4.2, 1e-12);
    EXPECT_EQ(ws.Auswahl, std::vector<TZeichenObjekt *>{re2});

    // Only the paste calls and the creations are recorded, not the moves of
    // the clipboard copies.
    const QStringList zeilen = protokoll();
    EXPECT_EQ(zeilen.mid(zeilen.size() - 4),
              (QStringList{QStringLiteral("dokument1.einfügen(  )"), QStringLiteral("re1:RECHTECK"),
                           QStringLiteral("dokument1.einfügen(  )"), QStringLiteral("re2:RECHTECK")}));
}

TEST_F(AusfuehrenTest, ClipboardHoldsIndependentCopies)
{
    ausfuehren(QStringLiteral("re0.kopieren()"));
    ausfuehren(QStringLiteral("re0.freigeben()"));
    EXPECT_TRUE(ws.Dokument().Teile.empty());
    ausfuehren(QStringLiteral("dokument1.einfügen()"));
    ASSERT_EQ(ws.Dokument().Teile.size(), 1u);
    EXPECT_EQ(ws.Dokument().Teile[0]->Name, QStringLiteral("re1"));
}

TEST_F(AusfuehrenTest, TypedCutCopiesAndDeletes)
{
    ws.Auswahl.push_back(figur(re0));
    const TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.ausschneiden()"));
    EXPECT_EQ(e.Meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_TRUE(ws.Dokument().Teile.empty());
    EXPECT_TRUE(ws.Auswahl.empty());
    ASSERT_EQ(ws.Zwischenablage.size(), 1u);
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re0});
    EXPECT_EQ(protokoll(), (QStringList{QStringLiteral("re0.ausschneiden(  )"), QStringLiteral("re0.freigeben()")}));
    EXPECT_GE(dokumentMeldungen, 1);

    ausfuehren(QStringLiteral("dokument1.einfügen()"));
    ASSERT_EQ(ws.Dokument().Teile.size(), 1u);
    EXPECT_EQ(ws.Dokument().Teile[0]->Name, QStringLiteral("re1"));
}

TEST_F(AusfuehrenTest, CuttingAGroupMemberIsRefused)
{
    TObjekt *gr0 = figurAnlegen(ws, QStringLiteral("GRUPPE"));
    figurAnlegen(ws, QStringLiteral("ELLIPSE"), gr0);
    const TAufrufErgebnis e = ausfuehren(QStringLiteral("el0.ausschneiden()"));
    EXPECT_EQ(e.Meldung,
              QStringLiteral("Das Objekt el0 ist Teil einer Gruppe und kann nicht einzeln ausgeschnitten werden."));
    EXPECT_TRUE(e.MeldungAnzeigen());
    EXPECT_EQ(gr0->Teile.size(), 1u);
    EXPECT_TRUE(ws.Zwischenablage.empty());
    EXPECT_TRUE(ws.Analysator().Protokoll().empty()); // refused before anything is logged

    // A member can be copied; its copy is pasted into the document.
    ausfuehren(QStringLiteral("el0.kopieren()"));
    ASSERT_EQ(ws.Zwischenablage.size(), 1u);
    ausfuehren(QStringLiteral("dokument1.einfügen()"));
    EXPECT_EQ(ws.Dokument().Teile.back()->Name, QStringLiteral("el1"));
    EXPECT_EQ(gr0->Teile.size(), 1u);
}

TEST_F(AusfuehrenTest, RequestsRunInOrderAndAreCleared)
{
    TObjekt *re1 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    TObjekt *re2 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    THandlungswuensche &w = ws.Dokument().Wuensche;
    w.Kopieren = re0;
    w.Ausschneiden = re1;
    w.Loeschen = re2;
    EXPECT_EQ(ws.WuenscheAusfuehren(), QString());
    EXPECT_TRUE(w.Leer());
    // The cut came after the copy: the clipboard holds the cut figure.
    ASSERT_EQ(ws.Zwischenablage.size(), 1u);
    ASSERT_EQ(ws.Dokument().Teile.size(), 1u);
    EXPECT_EQ(ws.Dokument().Teile[0].get(), re0);
    EXPECT_EQ(protokoll(), (QStringList{QStringLiteral("re1.freigeben()"), QStringLiteral("re2.freigeben()")}));
    ws.EinfuegenAusfuehren();
    EXPECT_EQ(ws.Dokument().Teile.back()->Name, QStringLiteral("re3"));
}

TEST_F(AusfuehrenTest, UngroupPutsTheMembersInPlaceAndSelectsThem)
{
    TObjekt *re1 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    TObjekt *gr0 = figurAnlegen(ws, QStringLiteral("GRUPPE"));
    TObjekt *el0 = figurAnlegen(ws, QStringLiteral("ELLIPSE"), gr0);
    TObjekt *li0 = figurAnlegen(ws, QStringLiteral("LINIE"), gr0);
    TObjekt *re2 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    ws.Auswahl.push_back(figur(gr0));

    ws.Dokument().Wuensche.GruppierungAufheben = gr0;
    EXPECT_EQ(ws.WuenscheAusfuehren(), QString());
    std::vector<TObjekt *> reihenfolge;
    for (auto &t : ws.Dokument().Teile)
        reihenfolge.push_back(t.get());
    EXPECT_EQ(reihenfolge, (std::vector<TObjekt *>{re0, re1, el0, li0, re2}));
    EXPECT_EQ(el0->Besitzer, &ws.Dokument());
    EXPECT_EQ(li0->Besitzer, &ws.Dokument());
    EXPECT_EQ(ws.Auswahl.size(), 2u);
    EXPECT_TRUE(ws.IstAusgewaehlt(el0));
    EXPECT_TRUE(ws.IstAusgewaehlt(li0));
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{gr0});
    // Only the group itself is released.
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("gr0.freigeben()")});
    EXPECT_TRUE(ws.Geaendert);
}

TEST_F(AusfuehrenTest, TypedUngroupDissolvesTheGroup)
{
    TObjekt *gr0 = figurAnlegen(ws, QStringLiteral("GRUPPE"));
    TObjekt *el0 = figurAnlegen(ws, QStringLiteral("ELLIPSE"), gr0);
    TObjekt *li0 = figurAnlegen(ws, QStringLiteral("LINIE"), gr0);
    const TAufrufErgebnis e = ausfuehren(QStringLiteral("gr0.gruppierungAufheben()"));
    EXPECT_EQ(e.Meldung, QString());
    EXPECT_TRUE(e.Neuzeichnen);
    ASSERT_EQ(ws.Dokument().Teile.size(), 3u);
    EXPECT_EQ(ws.Dokument().Teile[1].get(), el0);
    EXPECT_EQ(ws.Dokument().Teile[2].get(), li0);
    EXPECT_TRUE(ws.IstAusgewaehlt(el0));
    EXPECT_TRUE(ws.IstAusgewaehlt(li0));
    EXPECT_EQ(protokoll(), (QStringList{QStringLiteral("gr0.gruppierungAufheben(  )"), QStringLiteral("gr0.freigeben()")}));
    for (const auto &eintrag : ws.Analysator().Protokoll())
        EXPECT_TRUE(eintrag->AusEingabefeld);
    EXPECT_TRUE(ws.Dokument().Wuensche.Leer());
}

TEST_F(AusfuehrenTest, NestedGroupGivesItsMembersToTheOuterGroup)
{
    TObjekt *gr0 = figurAnlegen(ws, QStringLiteral("GRUPPE"));
    TObjekt *re1 = figurAnlegen(ws, QStringLiteral("RECHTECK"), gr0);
    auto *gr1 = dynamic_cast<TGruppe *>(figurAnlegen(ws, QStringLiteral("GRUPPE"), gr0));
    TObjekt *el0 = figurAnlegen(ws, QStringLiteral("ELLIPSE"), gr1);
    EXPECT_EQ(ws.GruppeAufloesen(gr1), QString());
    ASSERT_EQ(gr0->Teile.size(), 2u);
    EXPECT_EQ(gr0->Teile[0].get(), re1);
    EXPECT_EQ(gr0->Teile[1].get(), el0);
    EXPECT_EQ(el0->Besitzer, gr0);
    // Members of a group are never selected on their own.
    EXPECT_TRUE(ws.Auswahl.empty());
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{gr1});
}

TEST_F(AusfuehrenTest, CopyCutAndDeleteCommandsOnTheSelection)
{
    TObjekt *re1 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    figurAnlegen(ws, QStringLiteral("RECHTECK"));
    ws.Auswahl = {figur(re1), figur(re0)};
    ws.Kopieren();
    ASSERT_EQ(ws.Zwischenablage.size(), 2u);
    EXPECT_TRUE(ws.Analysator().Protokoll().empty());
    EXPECT_FALSE(ws.Geaendert);

    ws.Ausschneiden();
    EXPECT_TRUE(ws.Auswahl.empty());
    EXPECT_EQ(ws.Zwischenablage.size(), 2u);
    EXPECT_EQ(protokoll(), (QStringList{QStringLiteral("re1.freigeben()"), QStringLiteral("re0.freigeben()")}));
    EXPECT_TRUE(ws.Geaendert);

    ws.EinfuegenAusfuehren();
    ASSERT_EQ(ws.Dokument().Teile.size(), 3u);
    EXPECT_EQ(ws.Auswahl.size(), 2u);
    EXPECT_EQ(ws.Auswahl[0]->Name, QStringLiteral("re3"));
    EXPECT_EQ(ws.Auswahl[1]->Name, QStringLiteral("re4"));

    // Deleting a list that is not the selection keeps the other selected
    // figures; a figure listed twice is freed once.
    TZeichenObjekt *re3 = ws.Auswahl[0];
    ws.ObjekteLoeschen({re3, re3});
    EXPECT_EQ(ws.Auswahl.size(), 1u);
    EXPECT_EQ(ws.Dokument().Teile.size(), 2u);
    EXPECT_EQ(protokoll().back(), QStringLiteral("re3.freigeben()"));
}

TEST(Arbeitsbereich, ClosingLogsNothing)
{
    int eintraege = 0;
    {
        auto ws = std::make_unique<TArbeitsbereich>();
        TObjekt *gr0 = figurAnlegen(*ws, QStringLiteral("GRUPPE"));
        figurAnlegen(*ws, QStringLiteral("RECHTECK"), gr0);
        figurAnlegen(*ws, QStringLiteral("RECHTECK"));
        ws->Auswahl.push_back(dynamic_cast<TZeichenObjekt *>(gr0));
        ws->Kopieren();
        ws->Analysator().BeobachterAnmelden([&eintraege](const TMethodenAufruf &) { ++eintraege; });
        ws.reset();
    }
    EXPECT_EQ(eintraege, 0);
}

TEST(Arbeitsbereich, CreationOrderAndPasteHook)
{
    TArbeitsbereich ws;
    EXPECT_EQ(ws.Dokument().Name, QStringLiteral("dokument1"));
    EXPECT_EQ(ws.Dokument().Analysator, &ws.Analysator());
    EXPECT_EQ(ws.Klassen().Dokument, &ws.Dokument());
    EXPECT_EQ(ws.Klassen().Klassen().size(), 9u);
    EXPECT_TRUE(ws.Dokument().EinfuegenAktion);
    EXPECT_FALSE(ws.Lehrermodus);
    EXPECT_FALSE(ws.Geaendert);
    EXPECT_TRUE(ws.Dateiname.isEmpty());
    // Pasting an empty clipboard changes nothing.
    const TAufrufErgebnis e = ws.AufrufAusfuehren(QStringLiteral("dokument1.einfügen()"), 0, nullptr);
    EXPECT_EQ(e.Meldung, QString());
    EXPECT_TRUE(ws.Dokument().Teile.empty());
}

} // namespace
