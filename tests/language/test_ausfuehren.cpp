// Running typed calls through the workspace: lock check, dispatch, the
// typed-call marker, recomputing the outermost figure and the deferred
// requests (ungroup, copy, cut, delete).
#include "sprach_hilfen.h"

#include <gtest/gtest.h>

using namespace sprachtest;

namespace {

// Figures that count how often they recompute their geometry.
template <class Basis>
class TZaehler : public Basis
{
public:
    using Basis::Basis;
    void GeometrieBerechnen() override { ++Berechnungen; }
    int Berechnungen = 0;
};

class AusfuehrenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        re0 = neu("RECHTECK");
        ws.AuswahlGeaendert = [this] { ++auswahlMeldungen; };
        ws.DokumentGeaendert = [this] { ++dokumentMeldungen; };
        ws.AnalysatorZuruecksetzen = [this](TObjekt *o) { freigegeben.push_back(o); };
    }

    TAufrufErgebnis ausfuehren(const QString &text) { return ws.AufrufAusfuehren(text, int(text.size()), nullptr); }
    QStringList protokoll() const { return protokollZeilen(ws.Analysator()); }
    TObjekt *neu(const char *klasse, TObjekt *besitzer = nullptr)
    {
        return figurAnlegen(ws, QString::fromLatin1(klasse), besitzer);
    }
    TZeichenObjekt *figur(TObjekt *o) const { return dynamic_cast<TZeichenObjekt *>(o); }
    // gr0 holding the given classes.
    TObjekt *gruppeMit(std::initializer_list<const char *> klassen)
    {
        TObjekt *gr = neu("GRUPPE");
        for (const char *k : klassen)
            neu(k, gr);
        return gr;
    }
    // A counting figure of the class, named, appended to `besitzer`.
    template <class T>
    TZaehler<T> *zaehler(TObjekt *besitzer, TObjekt *klasse)
    {
        auto o = std::make_unique<TZaehler<T>>(&ws.Dokument(), &ws.Analysator(), klasse);
        o->NamenVergeben();
        return static_cast<TZaehler<T> *>(besitzer->TeilAnhaengen(std::move(o)));
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

// What one typed call gives back and logs, with re0 and a group gr0 holding
// el0: executed, repaint, message shown, the message (or the scanner's error
// with its range), the log.
TEST(Ausfuehren, ErgebnisseJeAufruf)
{
    const QString gesperrt = QStringLiteral("Das Bearbeiten mit der Tastatur ist für dieses Objekt gesperrt.");
    const QString gruppenteil = QStringLiteral("Das Objekt el0 ist Teil einer Gruppe und kann nicht einzeln %1 werden.");
    const struct {
        const char *text;
        int tastatur, maus; // locks of re0
        bool lehrer;
        bool ausgefuehrt, neuzeichnen, anzeigen;
        QString meldung;
        QStringList log;
        double mitteX = 0; // of re0 afterwards
    } faelle[] = {
        {"re0.verschieben(2, 1 cm)", 0, 0, false, true, true, false, "", {"re0.verschieben( 2.00 mm, 10.00 mm )"}, 0.2},
        {"re0.verschieben(2 zoll, 1)", 0, 0, false, false, false, false, "zoll ist keine Längeneinheit. 17-23", {}},
        {"re0.verschieben(1, 1)", 1, 0, false, true, true, true, gesperrt, {}},
        // Teacher mode lifts the keyboard lock; the mouse lock does not concern typed calls.
        {"re0.verschieben(1, 1)", 1, 0, true, true, true, false, "", {"re0.verschieben( 1.00 mm, 1.00 mm )"}, 0.1},
        {"re0.verschieben(1, 1)", 0, 1, false, true, true, false, "", {"re0.verschieben( 1.00 mm, 1.00 mm )"}, 0.1},
        // Drawing and copying need no repaint and show no message.
        {"re0.zeichnen()", 0, 0, false, true, false, false, "Kein Neuzeichnen", {"re0.zeichnen(  )"}},
        {"re0.kopieren()", 0, 0, false, true, false, false, "Kein Neuzeichnen", {"re0.kopieren(  )"}},
        {"dokument1.einfügen()", 0, 0, false, true, true, false, "", {"dokument1.einfügen(  )"}}, // nothing to paste
        // A group member can be neither released nor cut on its own.
        {"el0.freigeben()", 0, 0, false, true, true, true, gruppenteil.arg(u"freigegeben"), {}},
        {"el0.ausschneiden()", 0, 0, false, true, true, true, gruppenteil.arg(u"ausgeschnitten"), {}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.text);
        TArbeitsbereich ws;
        TObjekt *re0 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
        figurAnlegen(ws, QStringLiteral("ELLIPSE"), figurAnlegen(ws, QStringLiteral("GRUPPE")));
        std::tie(re0->TastaturGesperrt, re0->MausGesperrt, ws.Lehrermodus) = std::tuple(f.tastatur, f.maus, f.lehrer);
        const QString text = QString::fromUtf8(f.text);
        const TAufrufErgebnis e = ws.AufrufAusfuehren(text, int(text.size()), nullptr);
        EXPECT_EQ(std::tuple(e.Ausgefuehrt, e.Neuzeichnen, e.MeldungAnzeigen()),
                  std::tuple(f.ausgefuehrt, f.neuzeichnen, f.anzeigen));
        const QString fehler = QStringLiteral("%1 %2-%3").arg(e.Fehlermeldung).arg(e.FehlerAnfang).arg(e.FehlerEnde);
        EXPECT_EQ(e.Ausgefuehrt ? e.Meldung : fehler, f.meldung);
        EXPECT_TRUE(!e.Ausgefuehrt || e.Fehlermeldung.isEmpty());
        EXPECT_EQ(protokollZeilen(ws.Analysator()), f.log);
        EXPECT_EQ(ws.Dokument().Teile.size(), 2u);
        EXPECT_EQ(ws.Zwischenablage.size(), text == QStringLiteral("re0.kopieren()") ? 1u : 0u);
        EXPECT_NEAR(dynamic_cast<TZeichenObjekt *>(re0)->MitteX, f.mitteX, 1e-12);
    }
}

// The marker is set on the typed call and its nested records, and cleared
// afterwards: calls made by other means are unmarked. A valid call marks the
// document as changed, a refused text does not.
TEST_F(AusfuehrenTest, MarkerUndGeaendert)
{
    ausfuehren(QStringLiteral("re0.verschieben(2 zoll, 1)"));
    EXPECT_FALSE(ws.Geaendert);
    gruppeMit({"RECHTECK", "ELLIPSE"});
    ausfuehren(QStringLiteral("gr0.verschieben(1 cm, -2)"));
    EXPECT_TRUE(ws.Geaendert);
    const auto &eintrag = *ws.Analysator().Protokoll().back();
    ASSERT_EQ(eintrag.Unteraufrufe.size(), 2u); // the members' records (their texts: group tests)
    EXPECT_TRUE(eintrag.AusEingabefeld && eintrag.Unteraufrufe[0]->AusEingabefeld &&
                eintrag.Unteraufrufe[1]->AusEingabefeld);
    EXPECT_EQ(ws.Analysator().OffeneAnzahl(), 0);
    EXPECT_FALSE(ws.Analysator().AusEingabefeld);
    figur(re0)->verschieben(1, 1);
    EXPECT_FALSE(ws.Analysator().Protokoll().back()->AusEingabefeld);
}

TEST_F(AusfuehrenTest, OutermostFigureRecomputesAfterACall)
{
    TKlassenObjekte &k = ws.Klassen();
    auto *aussen = zaehler<TGruppe>(&ws.Dokument(), k.GRUPPE);
    auto *mitte = zaehler<TGruppe>(aussen, k.GRUPPE);
    auto *glied = zaehler<TRechteck>(mitte, k.RECHTECK);
    ASSERT_EQ(glied->Name, QStringLiteral("re1"));
    ausfuehren(QStringLiteral("re1.verschieben(1, 1)"));
    // The member's own operation recomputes it once; the executor then
    // recomputes only the outermost group.
    EXPECT_EQ(std::tuple(aussen->Berechnungen, mitte->Berechnungen, glied->Berechnungen), std::tuple(1, 0, 1));

    // A top-level figure recomputes itself: the operation, then the executor.
    auto *einzeln = zaehler<TRechteck>(&ws.Dokument(), k.RECHTECK);
    ausfuehren(QStringLiteral("re2.drehen(10)"));
    EXPECT_EQ(einzeln->Berechnungen, 2);
    // Not after "Kein Neuzeichnen", a lock message or a refused text.
    ausfuehren(QStringLiteral("re2.zeichnen()"));
    einzeln->TastaturGesperrt = 1;
    ausfuehren(QStringLiteral("re2.drehen(10)"));
    ausfuehren(QStringLiteral("re2.drehen(x)"));
    EXPECT_EQ(einzeln->Berechnungen, 2);
}

// A typed release deletes a top-level figure (it logs its own release once,
// as part of the typed call) and removes a vertex while more than two remain.
TEST_F(AusfuehrenTest, TypedReleaseOfAFigureAndOfAVertex)
{
    ws.Auswahl.push_back(figur(re0));
    TObjekt *re1 = neu("RECHTECK");
    TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.freigeben()"));
    EXPECT_EQ(std::tuple(e.Meldung, e.Neuzeichnen), std::tuple(QString(), true));
    EXPECT_EQ(teile(ws.Dokument()), std::vector<TObjekt *>{re1});
    EXPECT_EQ(std::tuple(ws.Auswahl.empty(), freigegeben), std::tuple(true, std::vector<TObjekt *>{re0}));
    EXPECT_TRUE(auswahlMeldungen >= 1 && dokumentMeldungen >= 1);
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.freigeben()")});
    EXPECT_TRUE(ws.Analysator().Protokoll().back()->AusEingabefeld && ws.Dokument().Wuensche.Leer());

    TObjekt *lz0 = neu("LINIENZUG");
    for (int i = 0; i < 3; ++i)
        neu("PUNKT", lz0);
    TObjekt *lp1 = lz0->Teile[1].get();
    EXPECT_EQ(ausfuehren(QStringLiteral("lp1.freigeben()")).Meldung, QString());
    ASSERT_EQ(lz0->Teile.size(), 2u);
    EXPECT_EQ(lz0->Teile[0]->Name + lz0->Teile[1]->Name, QStringLiteral("lp0lp2"));
    EXPECT_EQ(freigegeben.back(), lp1);
    EXPECT_FALSE(ws.Dokument().Wuensche.LoeschenEigen);
    // With two vertices left nothing changes.
    ausfuehren(QStringLiteral("lp0.freigeben()"));
    EXPECT_EQ(std::tuple(lz0->Teile.size(), freigegeben.size()), std::tuple(2u, 2u));
}

// Typed copy, cut and paste log their own records around what the
// clipboard commands do (offsets, selection and the silent moves of the
// copies are checked with the window's commands). A group member can be
// copied; its copy is pasted into the document.
TEST_F(AusfuehrenTest, TypedCopyCutAndPaste)
{
    TObjekt *gr0 = gruppeMit({"ELLIPSE"});
    ausfuehren(QStringLiteral("re0.kopieren()"));
    ASSERT_EQ(ws.Zwischenablage.size(), 1u);
    EXPECT_EQ(ws.Zwischenablage[0]->KlassenId, KlasseRechteck);
    EXPECT_EQ(ausfuehren(QStringLiteral("dokument1.einfügen()")).Meldung, QString());
    ASSERT_EQ(ws.Dokument().Teile.size(), 3u);
    EXPECT_EQ(std::tuple(ws.Dokument().Teile[2]->Name, ws.Dokument().Teile[2]->Besitzer),
              std::tuple(QStringLiteral("re1"), static_cast<TObjekt *>(&ws.Dokument())));
    EXPECT_EQ(protokoll().mid(1), (QStringList{"dokument1.einfügen(  )", "re1:RECHTECK"}));

    ws.Auswahl = {figur(re0)};
    EXPECT_EQ(ausfuehren(QStringLiteral("re0.ausschneiden()")).Meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_EQ(std::tuple(ws.Dokument().Teile.size(), ws.Auswahl.size(), ws.Zwischenablage.size()), std::tuple(2u, 0u, 1u));
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re0});
    EXPECT_EQ(protokoll().mid(3), (QStringList{"re0.ausschneiden(  )", "re0.freigeben()"}));
    EXPECT_GE(dokumentMeldungen, 1);

    ausfuehren(QStringLiteral("el0.kopieren()"));
    ausfuehren(QStringLiteral("dokument1.einfügen()"));
    EXPECT_EQ(std::tuple(ws.Dokument().Teile.back()->Name, gr0->Teile.size()), std::tuple(QStringLiteral("el1"), 1u));
}

// Requests run in the order copy, cut, delete and are cleared: the
// clipboard holds the cut figure.
TEST_F(AusfuehrenTest, RequestsRunInOrderAndAreCleared)
{
    TObjekt *re1 = neu("RECHTECK");
    TObjekt *re2 = neu("RECHTECK");
    THandlungswuensche &w = ws.Dokument().Wuensche;
    std::tie(w.Kopieren, w.Ausschneiden, w.Loeschen) = std::tuple(re0, re1, re2);
    EXPECT_EQ(ws.WuenscheAusfuehren(), QString());
    EXPECT_EQ(std::tuple(w.Leer(), ws.Zwischenablage.size()), std::tuple(true, 1u));
    EXPECT_EQ(teile(ws.Dokument()), std::vector<TObjekt *>{re0});
    EXPECT_EQ(protokoll(), (QStringList{"re1.freigeben()", "re2.freigeben()"}));
    ws.EinfuegenAusfuehren();
    EXPECT_EQ(ws.Dokument().Teile.back()->Name, QStringLiteral("re3"));
}

// The members take the group's place in the drawing order and become the
// selection; only the group itself is released.
TEST_F(AusfuehrenTest, TypedUngroupPutsTheMembersInPlaceAndSelectsThem)
{
    TObjekt *re1 = neu("RECHTECK");
    TObjekt *gr0 = gruppeMit({"ELLIPSE", "LINIE"});
    TObjekt *el0 = gr0->Teile[0].get(), *li0 = gr0->Teile[1].get();
    TObjekt *re2 = neu("RECHTECK");
    ws.Auswahl.push_back(figur(gr0));
    const TAufrufErgebnis e = ausfuehren(QStringLiteral("gr0.gruppierungAufheben()"));
    EXPECT_EQ(std::tuple(e.Meldung, e.Neuzeichnen), std::tuple(QString(), true));
    EXPECT_EQ(teile(ws.Dokument()), (std::vector<TObjekt *>{re0, re1, el0, li0, re2}));
    EXPECT_TRUE(ws.Auswahl.size() == 2u && ws.IstAusgewaehlt(el0) && ws.IstAusgewaehlt(li0));
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{gr0});
    EXPECT_EQ(protokoll(), (QStringList{"gr0.gruppierungAufheben(  )", "gr0.freigeben()"}));
    for (const auto &eintrag : ws.Analysator().Protokoll())
        EXPECT_TRUE(eintrag->AusEingabefeld);
    EXPECT_TRUE(ws.Dokument().Wuensche.Leer());
}

// Deleting a list that is not the selection keeps the other selected
// figures; a figure listed twice is freed once.
TEST_F(AusfuehrenTest, DeletingAListWithADuplicate)
{
    TObjekt *re1 = neu("RECHTECK");
    ws.Auswahl = {figur(re0), figur(re1)};
    ws.ObjekteLoeschen({figur(re1), figur(re1)});
    EXPECT_EQ(std::tuple(ws.Auswahl, teile(ws.Dokument())),
              std::tuple(std::vector<TZeichenObjekt *>{figur(re0)}, std::vector<TObjekt *>{re0}));
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re1.freigeben()")});
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re1});
}

TEST(Arbeitsbereich, ClosingLogsNothing)
{
    int eintraege = 0;
    auto ws = std::make_unique<TArbeitsbereich>();
    TObjekt *gr0 = figurAnlegen(*ws, QStringLiteral("GRUPPE"));
    figurAnlegen(*ws, QStringLiteral("RECHTECK"), gr0);
    figurAnlegen(*ws, QStringLiteral("RECHTECK"));
    ws->Auswahl.push_back(dynamic_cast<TZeichenObjekt *>(gr0));
    ws->Kopieren();
    ws->Analysator().BeobachterAnmelden([&eintraege](const TMethodenAufruf &) { ++eintraege; });
    ws.reset();
    EXPECT_EQ(eintraege, 0);
}

} // namespace
