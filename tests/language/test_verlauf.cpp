// The workspace's undo history, headless: every kind of step is undone and
// redone to the exact file bytes before and after it; the memory bound.
#include "figures/Griff.h"
#include "persistence/Dokumentdatei.h"
#include "persistence/XMLKnoten.h"
#include "sprach_hilfen.h"
#include "surface/Zeichenflaeche.h"
#include "window/Attributanzeige.h"
#include "window/Befehle.h"

#include <QRandomGenerator>
#include <QUndoStack>

using namespace sprachtest;

namespace
{

class Verlauf : public ::testing::Test
{
  public:
    void SetUp() override
    {
        VerlaufAnschliessen(ws);
        ws.InhaltGeaendert = [this] { ++inhaltMeldungen; };
    }

    QByteArray bytes() const { return DokumentAlsBytes(ws.Dokument(), ws.Klassen()); }
    // The pieces the history keeps (unchanged figures are not written again)
    // are the document's exact bytes, as held and as read now.
    void stueckePruefen() const
    {
        XMLWerte::TExakteZahlen exakt;
        EXPECT_EQ(QString::fromLatin1(ws.Zustand().Bytes()), QString::fromLatin1(bytes()));
        EXPECT_EQ(QString::fromLatin1(ws.ZustandLesen().Bytes()), QString::fromLatin1(bytes()));
    }
    // A figure drawn with the mouse: one step, its creation logged.
    template <class T = TRechteck> T *zeichnen(const char *klasse, double x, double y)
    {
        ws.SchrittBeginnen();
        auto o = ws.Klassen().ObjektErzeugen(QString::fromLatin1(klasse));
        auto *f = static_cast<T *>(o.get());
        f->MitteX = x;
        f->MitteY = y;
        o->NamenVergeben();
        o->ErzeugungProtokollieren();
        ws.Dokument().TeilAnhaengen(std::move(o));
        f->GeometrieBerechnen();
        EXPECT_TRUE(ws.SchrittAbschliessen());
        return f;
    }
    TZeichenObjekt *figur(const char *name) const
    {
        return dynamic_cast<TZeichenObjekt *>(ws.Dokument().FindeObjekt(QString::fromLatin1(name)));
    }
    QStringList auswahlNamen() const
    {
        QStringList n;
        for (const TZeichenObjekt *f : ws.Auswahl)
            n << f->Name;
        return n;
    }
    TArbeitsbereich ws;
    int inhaltMeldungen = 0;
};

// A figure as the drawing tools make it: colours, line, size.
TZeichenObjekt *gestaltet(TObjekt *o, double x, double y)
{
    auto *f = static_cast<TZeichenObjekt *>(o);
    const auto &orange = BenannteFarben[5];
    f->Füllfarbe = TFarbe::Echt(FarbWert(orange.Rot, orange.Gruen, orange.Blau));
    f->Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
    f->Linienstärke = 0.05;
    f->Linienart = 1;
    f->MitteX = x;
    f->MitteY = y;
    if (auto *r = dynamic_cast<TRechteckArt *>(f)) {
        r->Breite = 2;
        r->Länge = 3;
    }
    if (auto *l = dynamic_cast<TLinie *>(f)) {
        l->Punkt1X = x;
        l->Punkt1Y = y;
        l->Punkt2X = x + 2;
        l->Punkt2Y = y + 1;
    }
    return f;
}

// A drawing of five figures: re0, el0, a group gr0 of re1 and li0, a
// pentagon ve0, a polyline lz0; the history starts after it.
void Zeichnung(TArbeitsbereich &ws)
{
    gestaltet(figurAnlegen(ws, QStringLiteral("RECHTECK")), 3, 2);
    gestaltet(figurAnlegen(ws, QStringLiteral("ELLIPSE")), 8, 2);
    TObjekt *gr = figurAnlegen(ws, QStringLiteral("GRUPPE"));
    gestaltet(figurAnlegen(ws, QStringLiteral("RECHTECK"), gr), 3, 8);
    gestaltet(figurAnlegen(ws, QStringLiteral("LINIE"), gr), 5, 9);
    static_cast<TVielEck *>(gestaltet(figurAnlegen(ws, QStringLiteral("VIELECK")), 12, 4))->Eckenzahl = 5;
    auto *lz = static_cast<TLinienZug *>(gestaltet(figurAnlegen(ws, QStringLiteral("LINIENZUG")), 0, 0));
    lz->PunktAnhaengen(1, 1, 0);
    lz->PunktAnhaengen(5, 1, 0);
    lz->PunktAnhaengen(5, 4, 0);
    for (auto &punkt : lz->Teile)
        punkt->NamenVergeben();
    for (auto &teil : ws.Dokument().Teile)
        teil->GeometrieBerechnen();
    lz->RahmenZuruecksetzen();
    ws.VerlaufLeeren();
}

void tippenIn(TArbeitsbereich &ws, const QString &text)
{
    ws.AufrufAusfuehren(text, int(text.size()), nullptr);
}

// A step that types one call.
std::function<void(Verlauf &, TArbeitsbereich &)> getippt(const char *aufruf)
{
    return [aufruf](Verlauf &, TArbeitsbereich &ws) { tippenIn(ws, QString::fromUtf8(aufruf)); };
}

struct TSchrittArt {
    const char *name;
    std::vector<const char *> auswahl; // selected before the step
    std::function<void(Verlauf &, TArbeitsbereich &)> ausfuehren;
    const char *text; // the step's name (undo caption)
};

} // namespace

TEST_F(Verlauf, JedeArtVonSchrittWirdGenauZurueckgenommenUndWiederholt)
{
    const TSchrittArt arten[] = {
        {"typed call", {}, getippt("re0.verschieben(2, 1)"), "re0.verschieben( 2.00 mm, 1.00 mm )"},
        {"typed call on a group", {}, getippt("gr0.drehen(45)"), nullptr},
        {"typed call on a group member", {}, getippt("re1.verschieben(1, 1)"), "re1.verschieben( 1.00 mm, 1.00 mm )"},
        {"typed call on a vertex", {}, getippt("lp1.koordinatenSetzen(2, 3)"), nullptr},
        {"typed call naming another figure", {}, getippt("gr0.schlucken(el0)"), nullptr},
        {"a card folded before a typed call",
         {},
         [](Verlauf &t, TArbeitsbereich &ws) {
             t.figur("lz0")->FaltungUmschalten();
             tippenIn(ws, QStringLiteral("re0.verschieben(2, 1)"));
         },
         nullptr},
        {"typed background colour", {}, getippt("dokument1.hintergrundfarbeSetzen(gelb)"), nullptr},
        {"typed freigeben of a group", {}, getippt("gr0.freigeben()"), "gr0.freigeben()"},
        {"typed ungroup", {}, getippt("gr0.gruppierungAufheben()"), nullptr},
        {"paste of several",
         {"re0", "gr0"},
         [](Verlauf &, TArbeitsbereich &ws) {
             ws.Kopieren();
             ws.SchrittBeginnen();
             ws.EinfuegenAusfuehren();
             ws.SchrittAbschliessen();
         },
         "re2:RECHTECK"},
        {"cut",
         {"el0"},
         [](Verlauf &, TArbeitsbereich &ws) {
             ws.SchrittBeginnen();
             ws.Ausschneiden();
             ws.SchrittAbschliessen();
         },
         "el0.freigeben()"},
        {"group",
         {"re0", "el0"},
         [](Verlauf &t, TArbeitsbereich &ws) {
             ws.SchrittBeginnen();
             befehle::Gruppieren(ws, t.figur("re0"));
             ws.SchrittAbschliessen();
         },
         nullptr},
        {"ungroup",
         {"gr0"},
         [](Verlauf &t, TArbeitsbereich &ws) {
             ws.SchrittBeginnen();
             ws.GruppeAufloesen(static_cast<TGruppe *>(t.figur("gr0")));
             ws.SchrittAbschliessen();
         },
         "gr0.freigeben()"},
        {"delete a group",
         {"gr0", "re0"},
         [](Verlauf &, TArbeitsbereich &ws) {
             ws.SchrittBeginnen();
             ws.ObjekteLoeschen(ws.Auswahl);
             ws.SchrittAbschliessen();
         },
         "gr0.freigeben()"},
        {"vertex insertion",
         {"lz0"},
         [](Verlauf &t, TArbeitsbereich &ws) {
             auto *lz = static_cast<TLinienZug *>(t.figur("lz0"));
             ws.SchrittBeginnen();
             lz->GriffeErzeugen(TZeichenflaeche::Aktuell());
             TGriff *segment = nullptr;
             for (auto &g : lz->Griffe)
                 if (g->GriffArt == GriffSegment)
                     segment = g.get();
             ASSERT_NE(segment, nullptr);
             segment->ZiehenBeginnen(TZeichenflaeche::Aktuell(), 3, 1);
             segment->Ziehen(false, false, 3, 0, TZeichenflaeche::Aktuell());
             segment->ZiehenBeenden();
             lz->GriffeFreigeben();
             ws.SchrittAbschliessen();
         },
         nullptr},
        {"order, mirror, quarter turn, alignment",
         {"re0", "lz0"},
         [](Verlauf &, TArbeitsbereich &ws) {
             ws.SchrittBeginnen();
             befehle::ReihenfolgeAendern(ws, TReihenfolge::Vordergrund);
             befehle::Spiegeln(ws.Auswahl, true);
             befehle::Kippen(ws.Auswahl, 1);
             befehle::Ausrichten(ws.Auswahl, TAusrichtenArt::Links);
             ws.SchrittAbschliessen(QStringLiteral("Ausrichten"));
         },
         nullptr},
        {"drawing a figure",
         {},
         [](Verlauf &t, TArbeitsbereich &) { t.zeichnen<TEllipse>("ELLIPSE", 12, 12); },
         "el1:ELLIPSE"},
        {"corner count and distribution",
         {"ve0", "re0", "el0"},
         [](Verlauf &t, TArbeitsbereich &ws) {
             ws.SchrittBeginnen();
             befehle::EckenzahlSetzen({t.figur("ve0")}, 7);
             befehle::Verteilen(ws.Auswahl, true);
             ws.SchrittAbschliessen();
         },
         "ve0.eckenzahlSetzen( 7 )"},
        {"picker choice",
         {"re0", "el0"},
         [](Verlauf &, TArbeitsbereich &ws) {
             const auto &blau = BenannteFarben[12];
             EXPECT_EQ(FuellfarbeAnwenden(ws, TFarbe::Echt(FarbWert(blau.Rot, blau.Gruen, blau.Blau))), 2);
         },
         nullptr},
        {"renaming (no log entry)",
         {},
         [](Verlauf &t, TArbeitsbereich &ws) {
             t.figur("el0")->Name = QStringLiteral("kreis");
             ws.SchrittAbschliessen(QStringLiteral("Umbenennen"));
         },
         "Umbenennen"},
    };
    for (const TSchrittArt &art : arten) {
        SCOPED_TRACE(art.name);
        Zeichnung(ws);
        ws.AuswahlLeeren();
        for (const char *n : art.auswahl)
            ws.Auswahl.push_back(figur(n));
        const QStringList auswahlVorher = auswahlNamen();
        const QByteArray vorher = bytes();
        const int eintraegeVorher = int(ws.Analysator().Protokoll().size());
        const int meldungen = inhaltMeldungen;
        art.ausfuehren(*this, ws);
        stueckePruefen();
        const QByteArray nachher = bytes();
        const QStringList auswahlNachher = auswahlNamen();
        ASSERT_NE(nachher, vorher) << "the step changed the drawing";
        ASSERT_EQ(ws.SchrittAnzahl(), 1);
        EXPECT_TRUE(ws.Geaendert);
        EXPECT_EQ(inhaltMeldungen, meldungen + 1);
        if (art.text)
            EXPECT_EQ(ws.RueckgaengigText(), QString::fromUtf8(art.text));
        else
            EXPECT_FALSE(ws.RueckgaengigText().isEmpty());

        const std::size_t eintraegeNachher = ws.Analysator().Protokoll().size();
        ASSERT_TRUE(ws.Rueckgaengig());
        EXPECT_EQ(ws.Analysator().Protokoll().size(), eintraegeNachher) << "undo logs nothing";
        EXPECT_EQ(QString::fromLatin1(bytes()), QString::fromLatin1(vorher));
        EXPECT_EQ(auswahlNamen(), auswahlVorher) << "the selection as it was";
        EXPECT_FALSE(ws.Geaendert) << "back at the state the history started from";
        EXPECT_EQ(inhaltMeldungen, meldungen + 2);
        stueckePruefen();
        ASSERT_TRUE(ws.Wiederherstellen());
        EXPECT_EQ(QString::fromLatin1(bytes()), QString::fromLatin1(nachher));
        stueckePruefen();
        EXPECT_EQ(auswahlNamen(), auswahlNachher);
        EXPECT_TRUE(ws.Geaendert);
        for (TZeichenObjekt *f : ws.Auswahl)
            EXPECT_EQ(f->Besitzer, &ws.Dokument()) << "the selection points at the new figures";
        EXPECT_EQ(ws.Analysator().Protokoll().size(), eintraegeNachher) << "redo logs nothing";
        EXPECT_GE(int(eintraegeNachher), eintraegeVorher);
        ws.NeuBegonnen();
        ws.AuswahlLeeren();
        {
            // The next case starts from an empty drawing.
            const bool alt = ws.Analysator().Angehalten;
            ws.Analysator().Angehalten = true;
            ws.Dokument().Leeren();
            ws.Klassen().ZaehlerZuruecksetzen();
            ws.Dokument().Hintergrundfarbe.Wert = FarbWert(255, 255, 255);
            ws.Analysator().Angehalten = alt;
        }
    }
}

TEST_F(Verlauf, IstBegrenzt)
{
    // At least 200 small steps are kept.
    zeichnen("RECHTECK", 1, 1);
    for (int i = 0; i < 210; ++i)
        tippenIn(ws, QStringLiteral("re0.verschieben(0.1, 0)"));
    EXPECT_EQ(ws.SchrittAnzahl(), 211);
    EXPECT_EQ(ws.Verlauf().undoLimit(), TArbeitsbereich::MaximaleSchritte);

    // Big steps (about 2.5 MB each): the oldest go before the history passes
    // 64 MB, and the rest still undoes exactly.
    auto *t = zeichnen<TTextFeld>("TEXTFELD", 5, 5);
    const QString schieben = t->Name + QStringLiteral(".verschieben(0.1, 0)");
    QRandomGenerator zufall(7);
    t->Text.resize(2500 * 1000);
    for (QChar &c : t->Text)
        c = QChar(u'a' + zufall.bounded(26));
    ws.VerlaufLeeren();
    std::vector<QByteArray> staende;
    for (int i = 0; i < 60; ++i) {
        tippenIn(ws, schieben);
        staende.push_back(bytes());
        ASSERT_LE(ws.VerlaufSpeicher(), TArbeitsbereich::MaximalerVerlaufSpeicher);
    }
    const int anzahl = ws.SchrittAnzahl();
    EXPECT_LT(anzahl, 60);
    EXPECT_GT(anzahl, 20);
    ws.ZuSchritt(0);
    EXPECT_EQ(bytes(), staende[std::size_t(60 - anzahl - 1)]) << "the oldest step kept";
    EXPECT_TRUE(ws.Geaendert);
}
