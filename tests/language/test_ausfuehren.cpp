// Running typed calls through the workspace: locks, results and messages, the
// typed release, copy, cut and paste, deleting a list.
#include "sprach_hilfen.h"


using namespace sprachtest;

namespace
{

class AusfuehrenTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        re0 = neu("RECHTECK");
        ws.DokumentGeaendert = [this] { ++dokumentMeldungen; };
        ws.AnalysatorZuruecksetzen = [this](TObjekt *o) { freigegeben.push_back(o); };
    }

    TAufrufErgebnis ausfuehren(const QString &text) { return ws.AufrufAusfuehren(text, int(text.size()), nullptr); }
    QStringList protokoll() const { return baum(ws.Analysator()); }
    TObjekt *neu(const char *klasse, TObjekt *besitzer = nullptr)
    {
        return figurAnlegen(ws, QString::fromLatin1(klasse), besitzer);
    }
    TZeichenObjekt *figur(TObjekt *o) const { return dynamic_cast<TZeichenObjekt *>(o); }

    TArbeitsbereich ws;
    TObjekt *re0 = nullptr;
    int dokumentMeldungen = 0;
    std::vector<TObjekt *> freigegeben;
};

// One typed call with re0 and a group gr0 holding el0: its result (A executed,
// N repaint, M message shown), the message (or the error with its range), the log.
TEST(Ausfuehren, ErgebnisseJeAufruf)
{
    const QString gesperrt = QStringLiteral("Das Bearbeiten mit der Tastatur ist für dieses Objekt gesperrt.");
    const QString teil = QStringLiteral("Das Objekt el0 ist Teil einer Gruppe und kann nicht einzeln %1 werden.");
    const struct {
        const char *text, *sperre; // T keyboard lock, M mouse lock, L teacher mode
        const char *ergebnis;
        QString meldung;
        const char *log;
        double mitteX = 0; // of re0 afterwards
    } faelle[] = {
        {"re0.verschieben(2, 1 cm)", "", "AN", "", "re0.verschieben( 2.00 mm, 10.00 mm )", 0.2},
        {"re0.verschieben(2 zoll, 1)", "", "", "zoll ist keine Längeneinheit. 17-23", ""},
        {"re0.verschieben(1, 1)", "T", "ANM", gesperrt, ""},
        // Teacher mode lifts the keyboard lock; the mouse lock does not concern typed calls.
        {"re0.verschieben(1, 1)", "TL", "AN", "", "re0.verschieben( 1.00 mm, 1.00 mm )", 0.1},
        {"re0.verschieben(1, 1)", "M", "AN", "", "re0.verschieben( 1.00 mm, 1.00 mm )", 0.1},
        // Drawing and copying need no repaint and show no message.
        {"re0.zeichnen()", "", "A", "Kein Neuzeichnen", "re0.zeichnen(  )"},
        {"re0.kopieren()", "", "A", "Kein Neuzeichnen", "re0.kopieren(  )"},
        {"dokument1.einfügen()", "", "AN", "", "dokument1.einfügen(  )"}, // nothing to paste
        // A group member can be neither released nor cut on its own.
        {"el0.freigeben()", "", "ANM", teil.arg(u"freigegeben"), ""},
        {"el0.ausschneiden()", "", "ANM", teil.arg(u"ausgeschnitten"), ""},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.text);
        TArbeitsbereich ws;
        TObjekt *re0 = figurAnlegen(ws, QStringLiteral("RECHTECK"));
        figurAnlegen(ws, QStringLiteral("ELLIPSE"), figurAnlegen(ws, QStringLiteral("GRUPPE")));
        const QString sperre = QString::fromLatin1(f.sperre);
        re0->TastaturGesperrt = sperre.contains(u'T');
        re0->MausGesperrt = sperre.contains(u'M');
        ws.Lehrermodus = sperre.contains(u'L');
        const QString text = QString::fromUtf8(f.text);
        const TAufrufErgebnis e = ws.AufrufAusfuehren(text, int(text.size()), nullptr);
        EXPECT_EQ(QString(e.Ausgefuehrt ? "A" : "") + (e.Neuzeichnen ? "N" : "") + (e.MeldungAnzeigen() ? "M" : ""),
                  QString::fromLatin1(f.ergebnis));
        const QString fehler = QStringLiteral("%1 %2-%3").arg(e.Fehlermeldung).arg(e.FehlerAnfang).arg(e.FehlerEnde);
        EXPECT_EQ(e.Ausgefuehrt ? e.Meldung : fehler, f.meldung);
        EXPECT_TRUE(!e.Ausgefuehrt || e.Fehlermeldung.isEmpty());
        EXPECT_EQ(baum(ws.Analysator()).join(u'|'), QString::fromUtf8(f.log));
        EXPECT_EQ(ws.Dokument().Teile.size(), 2u);
        EXPECT_EQ(ws.Zwischenablage.size(), text == QStringLiteral("re0.kopieren()") ? 1u : 0u);
        EXPECT_NEAR(dynamic_cast<TZeichenObjekt *>(re0)->MitteX, f.mitteX, 1e-12);
    }
}

// A typed release deletes a top-level figure (logged once, as part of the
// typed call) and removes a vertex while more than two remain.
TEST_F(AusfuehrenTest, TypedReleaseOfAFigureAndOfAVertex)
{
    ws.Auswahl.push_back(figur(re0));
    TObjekt *re1 = neu("RECHTECK");
    TAufrufErgebnis e = ausfuehren(QStringLiteral("re0.freigeben()"));
    EXPECT_EQ(std::tuple(e.Meldung, e.Neuzeichnen, ws.Auswahl.empty(), freigegeben),
              std::tuple(QString(), true, true, std::vector<TObjekt *>{re0}));
    EXPECT_EQ(std::tuple(ws.Dokument().Teile.size(), ws.Dokument().Teile[0].get()), std::tuple(1u, re1));
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re0.freigeben()")});
    EXPECT_TRUE(ws.Analysator().Protokoll().back()->AusEingabefeld && dokumentMeldungen >= 1);

    TObjekt *lz0 = neu("LINIENZUG");
    for (int i = 0; i < 3; ++i)
        neu("PUNKT", lz0);
    TObjekt *lp1 = lz0->Teile[1].get();
    EXPECT_EQ(ausfuehren(QStringLiteral("lp1.freigeben()")).Meldung, QString());
    ASSERT_EQ(lz0->Teile.size(), 2u);
    EXPECT_EQ(lz0->Teile[0]->Name + lz0->Teile[1]->Name, QStringLiteral("lp0lp2"));
    EXPECT_EQ(freigegeben.back(), lp1);
    ausfuehren(QStringLiteral("lp0.freigeben()")); // two left: nothing changes
    EXPECT_EQ(std::tuple(lz0->Teile.size(), freigegeben.size()), std::tuple(2u, 2u));
}

// Typed copy, cut and paste log their own records around what the clipboard
// commands do; a group member's copy is pasted into the document.
TEST_F(AusfuehrenTest, TypedCopyCutAndPaste)
{
    TObjekt *gr0 = neu("GRUPPE");
    neu("ELLIPSE", gr0);
    ausfuehren(QStringLiteral("re0.kopieren()"));
    EXPECT_EQ(ausfuehren(QStringLiteral("dokument1.einfügen()")).Meldung, QString());
    ASSERT_EQ(ws.Dokument().Teile.size(), 3u);
    EXPECT_EQ(ws.Dokument().Teile[2]->Name, QStringLiteral("re1"));
    EXPECT_EQ(protokoll().mid(1), (QStringList{"dokument1.einfügen(  )", "re1:RECHTECK"}));

    ws.Auswahl = {figur(re0)};
    EXPECT_EQ(ausfuehren(QStringLiteral("re0.ausschneiden()")).Meldung, QStringLiteral("Kein Neuzeichnen"));
    EXPECT_EQ(std::tuple(ws.Dokument().Teile.size(), ws.Auswahl.size(), ws.Zwischenablage.size()),
              std::tuple(2u, 0u, 1u));
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re0});
    EXPECT_EQ(protokoll().mid(3), (QStringList{"re0.ausschneiden(  )", "re0.freigeben()"}));

    ausfuehren(QStringLiteral("el0.kopieren()"));
    ausfuehren(QStringLiteral("dokument1.einfügen()"));
    EXPECT_EQ(std::tuple(ws.Dokument().Teile.back()->Name, gr0->Teile.size()), std::tuple(QStringLiteral("el1"), 1u));
}

// Deleting a list that is not the selection keeps the other selected
// figures; a figure listed twice is freed once.
TEST_F(AusfuehrenTest, DeletingAListWithADuplicate)
{
    TObjekt *re1 = neu("RECHTECK");
    ws.Auswahl = {figur(re0), figur(re1)};
    ws.ObjekteLoeschen({figur(re1), figur(re1)});
    EXPECT_EQ(std::tuple(ws.Auswahl.size(), ws.Auswahl[0], ws.Dokument().Teile.size()), std::tuple(1u, figur(re0), 1u));
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("re1.freigeben()")});
    EXPECT_EQ(freigegeben, std::vector<TObjekt *>{re1});
}

} // namespace
