// Running typed calls through the workspace: lock check, dispatch, the
// typed-call marker, recomputing the outermost figure and the deferred
// requests (ungroup, copy, cut, delete).
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
    // gr0 holding the given classes.
    TObjekt *gruppeMit(std::initializer_list<const char *> klassen)
    {
        TObjekt *gr = figurAnlegen(ws, QStringLiteral("GRUPPE"));
        for (const char *k : klassen)
            figurAnlegen(ws, QString::fromLatin1(k), gr);
        return gr;
    }
    // A counting figure of the class, named, appended to `besitzer`.
    template <class T>
    T *zaehler(TObjekt *besitzer, TObjekt *klasse)
    {
        auto o = std::make_unique<T>(&ws.Dokument(), &ws.Analysator(), klasse);
        o->NamenVergeben();
        return static_cast<T *>(besitzer->TeilAnhaengen(std::move(o)));
    }
    std::vector<TObjekt *> teile(const TObjekt &o) const
    {
        std::vector<TObjekt *> t;
        for (const auto &teil : o.Teile)
            t.push_back(teil.get());
        return t;
    }

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

// The marker reaches the nested records of a typed group call; a drawing
// call asks for no repaint and shows no message.
TEST_F(AusfuehrenTest, DrawingNeedsNoRepaintAndNestedRecordsCarryTheMarker)
{
    gruppeMit({"RECHTECK", "ELLIPSE"});
    TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.zeichnen()"));
    EXPECT_EQ(e.Meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_FALSE(e.Neuzeichnen);
    EXPECT_FALSE(e.MeldungAnzeigen());
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.zeichnen(  )")});

    ausfuehren(QStringLiteral("gr0.verschieben(1 cm, -2)"));
    const auto &eintrag = *ws.Analysator().Protokoll().back();
    ASSERT_EQ(eintrag.Unteraufrufe.size(), 2u); // the members' records (their texts: group tests)
    EXPECT_TRUE(eintrag.AusEingabefeld);
    EXPECT_TRUE(eintrag.Unteraufrufe[0]->AusEingabefeld);
    EXPECT_TRUE(eintrag.Unteraufrufe[1]->AusEingabefeld);
    EXPECT_EQ(ws.Analysator().OffeneAnzahl(), 0);
}

TEST_F(AusfuehrenTest, OutermostFigureRecomputesAfterACall)
{
    TKlassenObjekte &k = ws.Klassen();
    auto *aussen = zaehler<TZaehlGruppe>(&ws.Dokument(), k.GRUPPE);
    auto *mitte = zaehler<TZaehlGruppe>(aussen, k.GRUPPE);
    auto *glied = zaehler<TZaehlRechteck>(mitte, k.RECHTECK);
    ASSERT_EQ(glied->Name, QStringLiteral("re1"));

    ausfuehren(QStringLiteral("re1.verschieben(1, 1)"));
    // The member's own operation recomputes it once; the executor then
    // recomputes only the outermost group.
    EXPECT_EQ(aussen->Berechnungen, 1);
    EXPECT_EQ(mitte->Berechnungen, 0);
    EXPECT_EQ(glied->Berechnungen, 1);

    // A top-level figure recomputes itself.
    auto *einzeln = zaehler<TZaehlRechteck>(&ws.Dokument(), k.RECHTECK);
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
    EXPECT_EQ(teile(ws.Dokument()), std::vector<TObjekt *>{re1});
    EXPECT_TRUE(ws.Auswahl.empty());
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re0});
    EXPECT_GE(auswahlMeldungen, 1);
    EXPECT_GE(dokumentMeldungen, 1);
    // The figure logs its own release once, as part of the typed call.
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.freigeben()")});
    EXPECT_TRUE(ws.Analysator().Protokoll().back()->AusEingabefeld);
    EXPECT_TRUE(ws.Dokument().Wuensche.Leer());
}

// A group member can be neither released nor cut on its own: refused before
// anything is logged or put on the clipboard.
TEST_F(AusfuehrenTest, ReleaseAndCutOfAGroupMemberAreRefused)
{
    TObjekt *gr0 = gruppeMit({"ELLIPSE"});
    const struct {
        const char *aufruf, *meldung;
    } faelle[] = {
        {"el0.freigeben()", "Das Objekt el0 ist Teil einer Gruppe und kann nicht einzeln freigegeben werden."},
        {"el0.ausschneiden()", "Das Objekt el0 ist Teil einer Gruppe und kann nicht einzeln ausgeschnitten werden."},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.aufruf);
        const TAufrufErgebnis e = ausfuehren(QString::fromLatin1(f.aufruf));
        EXPECT_EQ(e.Meldung, QString::fromLatin1(f.meldung));
        EXPECT_TRUE(e.MeldungAnzeigen());
        EXPECT_EQ(gr0->Teile.size(), 1u);
        EXPECT_TRUE(ws.Analysator().Protokoll().empty());
        EXPECT_TRUE(ws.Zwischenablage.empty());
        EXPECT_TRUE(freigegeben.empty());
    }
    // A member can be copied; its copy is pasted into the document.
    ausfuehren(QStringLiteral("el0.kopieren()"));
    ausfuehren(QStringLiteral("dokument1.einfügen()"));
    EXPECT_EQ(ws.Dokument().Teile.back()->Name, QStringLiteral("el1"));
    EXPECT_EQ(gr0->Teile.size(), 1u);
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

// Typed copy, cut and paste log their own records around what the
// clipboard commands do (offsets, selection and the silent moves of the
// copies are checked with the window's commands).
TEST_F(AusfuehrenTest, TypedCopyCutAndPaste)
{
    TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.kopieren()"));
    EXPECT_EQ(e.Meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_FALSE(e.Neuzeichnen);
    ASSERT_EQ(ws.Zwischenablage.size(), 1u);
    EXPECT_EQ(ws.Zwischenablage[0]->KlassenId, KlasseRechteck);
    EXPECT_EQ(ws.Dokument().Teile.size(), 1u);
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.kopieren(  )")});

    e = ausfuehren(QStringLiteral("dokument1.einfügen()"));
    EXPECT_EQ(e.Meldung, QString());
    ASSERT_EQ(ws.Dokument().Teile.size(), 2u);
    EXPECT_EQ(ws.Dokument().Teile[1]->Name, QStringLiteral("re1"));
    EXPECT_EQ(ws.Dokument().Teile[1]->Besitzer, &ws.Dokument());
    EXPECT_EQ(protokoll().mid(1),
              (QStringList{QStringLiteral("dokument1.einfügen(  )"), QStringLiteral("re1:RECHTECK")}));

    ws.Auswahl = {figur(re0)};
    e = ausfuehren(QStringLiteral("re0.ausschneiden()"));
    EXPECT_EQ(e.Meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_EQ(ws.Dokument().Teile.size(), 1u);
    EXPECT_TRUE(ws.Auswahl.empty());
    EXPECT_EQ(ws.Zwischenablage.size(), 1u);
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re0});
    EXPECT_EQ(protokoll().mid(3), (QStringList{QStringLiteral("re0.ausschneiden(  )"), QStringLiteral("re0.freigeben()")}));
    EXPECT_GE(dokumentMeldungen, 1);
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
    EXPECT_EQ(teile(ws.Dokument()), std::vector<TObjekt *>{re0});
    EXPECT_EQ(protokoll(), (QStringList{QStringLiteral("re1.freigeben()"), QStringLiteral("re2.freigeben()")}));
    ws.EinfuegenAusfuehren();
    EXPECT_EQ(ws.Dokument().Teile.back()->Name, QStringLiteral("re3"));
}

// The members take the group's place in the drawing order and become the
// selection; only the group itself is released.
TEST_F(AusfuehrenTest, TypedUngroupPutsTheMembersInPlaceAndSelectsThem)
{
    TObjekt *re1 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    TObjekt *gr0 = gruppeMit({"ELLIPSE", "LINIE"});
    TObjekt *el0 = gr0->Teile[0].get(), *li0 = gr0->Teile[1].get();
    TObjekt *re2 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    ws.Auswahl.push_back(figur(gr0));

    const TAufrufErgebnis e = ausfuehren(QStringLiteral("gr0.gruppierungAufheben()"));
    EXPECT_EQ(e.Meldung, QString());
    EXPECT_TRUE(e.Neuzeichnen);
    EXPECT_EQ(teile(ws.Dokument()), (std::vector<TObjekt *>{re0, re1, el0, li0, re2}));
    EXPECT_EQ(ws.Auswahl.size(), 2u);
    EXPECT_TRUE(ws.IstAusgewaehlt(el0) && ws.IstAusgewaehlt(li0));
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{gr0});
    EXPECT_EQ(protokoll(), (QStringList{QStringLiteral("gr0.gruppierungAufheben(  )"), QStringLiteral("gr0.freigeben()")}));
    for (const auto &eintrag : ws.Analysator().Protokoll())
        EXPECT_TRUE(eintrag->AusEingabefeld);
    EXPECT_TRUE(ws.Dokument().Wuensche.Leer());
    EXPECT_TRUE(ws.Geaendert);
}

// Deleting a list that is not the selection keeps the other selected
// figures; a figure listed twice is freed once.
TEST_F(AusfuehrenTest, DeletingAListWithADuplicate)
{
    TObjekt *re1 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
    ws.Auswahl = {figur(re0), figur(re1)};
    ws.ObjekteLoeschen({figur(re1), figur(re1)});
    EXPECT_EQ(ws.Auswahl, std::vector<TZeichenObjekt *>{figur(re0)});
    EXPECT_EQ(teile(ws.Dokument()), std::vector<TObjekt *>{re0});
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re1.freigeben()")});
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re1});
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

TEST(Arbeitsbereich, PastingAnEmptyClipboardChangesNothing)
{
    TArbeitsbereich ws;
    const TAufrufErgebnis e = ws.AufrufAusfuehren(QStringLiteral("dokument1.einfügen()"), 0, nullptr);
    EXPECT_EQ(e.Meldung, QString());
    EXPECT_TRUE(ws.Dokument().Teile.empty());
}

} // namespace
