// The analyser window: call tree and call list, magnifier, object tree with
// its clicks, zoom and orientation, focus cards, renaming, freed objects,
// the class registry page, its place beside the main window.
#include "analyser_hilfen.h"
#include "analyser/AufrufDarstellung.h"
#include "analyser/Fensterlage.h"
#include "analyser/Karten.h"
#include "analyser/ui/AufrufGitter.h"
#include "analyser/ui/DiagrammScrollBox.h"
#include "analyser/ui/FAnalysator.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct FAnalysatorTest : ::testing::Test {
    TAnalyserUmgebung u;
    std::unique_ptr<TFAnalysator> fenster;
    QStringList meldungen;

    void SetUp() override
    {
        fenster = std::make_unique<TFAnalysator>(&u.Analysator, &u.Dokument, &u.Klassen);
        fenster->FehlerMelden = [this](const QString &titel, const QString &text) {
            meldungen << titel + QLatin1Char('|') + text;
        };
        fenster->resize(800, 700);
        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
    }

    template <typename T>
    T *teil(const char *name)
    {
        T *w = fenster->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char *label) { return teil<QLabel>(label)->text(); }
    void knopf(const char *name) { QTest::mouseClick(teil<QToolButton>(name), Qt::LeftButton); }
    // Rebuilds and shows the object tree page.
    void zumObjektbaum()
    {
        fenster->Aktualisieren();
        teil<QTabWidget>("PCAnalysator")->setCurrentIndex(1);
    }
    void aufruf(const QString &objekt, bool getippt = false)
    {
        u.Analysator.Protokollieren(std::make_unique<TMethodenAufruf>(MZeichnen, objekt, false, getippt));
    }
    double kartenHoehe(TDiagrammScrollBox *karte) { return karte->Flaeche().DiagrammHoehe; }
    TKartenMasse masse(const TObjekt &klasse)
    {
        TDiagrammFlaeche probe;
        return KartenMasse(probe, KlassenKartenZeilen(klasse));
    }

    // Clicks a point of the diagram (cm), or the middle of an object's card.
    void klicken(const QPointF &cm)
    {
        const TDiagrammFlaeche &f = fenster->Diagramm()->Flaeche();
        QTest::mouseClick(fenster->Diagramm()->Seite(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(f.XPixel(cm.x()), f.YPixel(cm.y())));
    }
    void karteKlicken(const TObjekt *o)
    {
        const TObjektKnoten *k = fenster->Objektbaum()->KnotenZuObjekt(o);
        ASSERT_NE(k, nullptr);
        klicken(k->Bildrechteck().center());
    }
    // Types into the rename box with real keys and presses Enter.
    void umbenennen(const QString &name)
    {
        auto *e = teil<QLineEdit>("EObjektUmbenennen");
        e->clear();
        QTest::keyClicks(e, name);
        QTest::keyClick(e, Qt::Key_Return);
    }
    void zoomTippen(QComboBox *zoom, const QString &text)
    {
        zoom->lineEdit()->selectAll();
        QTest::keyClicks(zoom->lineEdit(), text);
        QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
    }
};

QStringList eintraege(const QComboBox *cb)
{
    QStringList t;
    for (int i = 0; i < cb->count(); ++i)
        t << cb->itemText(i);
    return t;
}

} // namespace

// The tree keeps the newest 500 calls, the list the newest 2000 and draws
// only the rows in view, the last one at the bottom.
TEST_F(FAnalysatorTest, BaumFuenfhundertListeZweitausendAufrufeNurSichtbareZeilenGezeichnet)
{
    for (int i = 0; i < 2100; ++i)
        aufruf(QStringLiteral("re%1").arg(i));
    QTreeWidget *tv = fenster->Aufrufbaum();
    ASSERT_EQ(tv->topLevelItemCount(), 500);
    EXPECT_EQ(tv->topLevelItem(0)->text(0) + tv->topLevelItem(499)->text(0),
              QStringLiteral("re1600.zeichnen(  )re2099.zeichnen(  )"));
    TAufrufGitter *dg = fenster->Aufrufliste();
    const int h = dg->ZeilenHoehe();
    EXPECT_EQ(dg->ZeilenAnzahl(), 2000);
    ASSERT_GT(dg->SichtbareZeilen(), 3);
    EXPECT_EQ(dg->ObersteZeile(), 2000 - dg->SichtbareZeilen());
    const QImage bild = dg->viewport()->grab().toImage();
    EXPECT_LE(dg->ZuletztGezeichneteZeilen(), dg->SichtbareZeilen() + 1);
    const int yLetzte = (1999 - dg->ObersteZeile()) * h;
    EXPECT_GT(tintenPixel(bild, QRect(14, yLetzte, 300, h)), 30);
    EXPECT_EQ(tintenPixel(bild, QRect(14, yLetzte + h, 300, h)), 0);
    dg->ObersteZeileSetzen(700);
    dg->viewport()->grab();
    EXPECT_GT(dg->ZuletztGezeichneteZeilen(), 3);
    EXPECT_LE(dg->ZuletztGezeichneteZeilen(), dg->SichtbareZeilen() + 1);
}

// Sub-calls nest in the tree; a big group's entry gets its sub-nodes when
// expanded; the tree never shows entries the log dropped to stay within its
// bound. Column 0 of the list shows the mouse image for a call made with the
// mouse, the keyboard image for a typed one, 1 pixel from the left.
TEST_F(FAnalysatorTest, BaumMitUnteraufrufenUndSymbolenNurWasDasProtokollHaelt)
{
    auto gruppe = [this](int mitglieder, bool getippt) {
        u.Analysator.Oeffnen(std::make_unique<TMethodenAufruf>(MZeichnen, QStringLiteral("gr0"), false, getippt));
        for (int i = 0; i < mitglieder; ++i)
            aufruf(QStringLiteral("re%1").arg(i), getippt);
        u.Analysator.Schliessen();
    };
    aufruf(QStringLiteral("el0"));
    gruppe(2, true);
    QTreeWidget *tv = fenster->Aufrufbaum();
    ASSERT_EQ(tv->topLevelItemCount(), 2);
    EXPECT_EQ(tv->topLevelItem(1)->text(0), QStringLiteral("gr0.zeichnen(  )"));
    ASSERT_EQ(tv->topLevelItem(1)->childCount(), 2);
    EXPECT_EQ(tv->topLevelItem(1)->child(1)->text(0), QStringLiteral("re1.zeichnen(  )"));
    TAufrufGitter *dg = fenster->Aufrufliste();
    const int h = dg->ZeilenHoehe();
    const QImage bild = dg->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    for (bool getippt : {false, true}) {
        const QImage symbol = AufrufDarstellung::Symbol(getippt).convertToFormat(QImage::Format_ARGB32);
        QImage erwartet(12, h, QImage::Format_ARGB32);
        erwartet.fill(Qt::white);
        QPainter(&erwartet).drawImage(1, (h - symbol.height()) / 2, symbol);
        EXPECT_EQ(bild.copy(0, getippt * h, 12, h), erwartet) << getippt;
    }
    EXPECT_NE(AufrufDarstellung::Symbol(false), AufrufDarstellung::Symbol(true));

    gruppe(300, false);
    QTreeWidgetItem *gross = tv->topLevelItem(2);
    EXPECT_EQ(std::tuple(gross->childCount(), gross->childIndicatorPolicy()), std::tuple(0, QTreeWidgetItem::ShowIndicator));
    knopf("SBMethodenaufrufeBaum");
    gross->setExpanded(true);
    ASSERT_EQ(gross->childCount(), 300);
    EXPECT_EQ(gross->child(299)->text(0), QStringLiteral("re299.zeichnen(  )"));
    const int bleiben = int(TAnalysator::MaximaleAufrufe / 301);
    for (int i = 0; i < bleiben; ++i)
        gruppe(300, false);
    EXPECT_EQ(std::tuple(int(u.Analysator.Protokoll().size()), tv->topLevelItemCount(), dg->ZeilenAnzahl()),
              std::tuple(bleiben, bleiben, bleiben));
}

TEST_F(FAnalysatorTest, LupeBleibtZwischenZehnUndVierundzwanzig)
{
    TAufrufGitter *dg = fenster->Aufrufliste();
    // Minus at 10, then plus nine times: two points a step, up to 24.
    QList<int> groessen{fenster->ListenSchriftgroesse()};
    for (int i = 0; i < 10; ++i) {
        knopf(i == 0 ? "SBMethodenaufrufeLupeMinus" : "SBMethodenaufrufeLupePlus");
        groessen << fenster->ListenSchriftgroesse();
    }
    EXPECT_EQ(groessen, (QList<int>{10, 10, 12, 14, 16, 18, 20, 22, 24, 24, 24}));
    // The rows and the text column follow the font.
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(24);
    const QFontMetrics fm(f, dg);
    EXPECT_EQ(dg->ZeilenHoehe(), int(std::lround(1.1 * fm.height())));
    EXPECT_EQ(dg->SpaltenBreite(1), fm.horizontalAdvance(QString(40, QLatin1Char('H'))));

    // With the tree showing, the buttons change the tree's font.
    const auto zustand = [&] {
        return std::tuple(fenster->Aufrufbaum()->isVisible(), dg->isVisible(), fenster->Aufrufbaum()->font().pointSize(),
                          fenster->BaumSchriftgroesse(), fenster->ListenSchriftgroesse());
    };
    EXPECT_EQ(fenster->Aufrufbaum()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(zustand(), std::tuple(false, true, 10, 10, 24));
    knopf("SBMethodenaufrufeBaum");
    knopf("SBMethodenaufrufeLupePlus");
    EXPECT_EQ(zustand(), std::tuple(true, false, 12, 12, 24));
    knopf("SBMethodenaufrufeListenansicht");
    EXPECT_EQ(zustand(), std::tuple(false, true, 12, 12, 24));
}

// A vertex card is focused without changing the selection; a group member
// selects its top-level group; the document is focused, not selected; empty
// space changes nothing; a click on a fold marker unfolds the polyline.
TEST_F(FAnalysatorTest, KlickAufKartenUndMarken)
{
    TObjekt *lz = u.linienzug(3);
    lz->ObjektdiagrammZusammengefaltet = false;
    TObjekt *g = u.gruppe(2);
    TObjekt *zu = u.linienzug(2);
    zumObjektbaum();
    QSignalSpy auswahl(fenster.get(), &TFAnalysator::AuswahlErsetzen);
    QSignalSpy neuzeichnen(fenster.get(), &TFAnalysator::ZeichnungNeuZeichnen);

    const auto zustand = [&] {
        return std::tuple(fenster->ObjektImFokus(), fenster->FokusrahmenObjekt(), int(auswahl.count()),
                          int(neuzeichnen.count()));
    };
    TObjekt *lp1 = lz->Teile[1].get(), *re0 = g->Teile[0].get();
    karteKlicken(lp1);
    EXPECT_EQ(zustand(), std::tuple(lp1, lp1, 0, 1));
    EXPECT_EQ(text("ObjektImFokusLinksOben"), QStringLiteral("lp1"));
    karteKlicken(re0);
    EXPECT_EQ(zustand(), std::tuple(re0, re0, 1, 2));
    EXPECT_EQ(auswahl.at(0).at(0).value<TObjekt *>(), g);
    karteKlicken(&u.Dokument);
    EXPECT_EQ(zustand(), std::tuple(&u.Dokument, nullptr, 1, 3));
    klicken(QPointF(0.2, 0.2));
    EXPECT_EQ(zustand(), std::tuple(&u.Dokument, nullptr, 1, 3));

    const TObjektKnoten *k = fenster->Objektbaum()->KnotenZuObjekt(zu);
    ASSERT_TRUE(k && k->Kinder.empty());
    klicken(QPointF(k->MarkeY, k->MarkeX)); // downwards: depth is the y axis
    EXPECT_FALSE(zu->ObjektdiagrammZusammengefaltet);
    EXPECT_TRUE(fenster->Objektbaum()->KnotenZuObjekt(zu->Teile[0].get()) && fenster->ObjektImFokus() == zu);
}

// Every check and its message is tested on the core; here a refused name
// reaches the error box and a good one renames, rebuilds and is reported.
TEST_F(FAnalysatorTest, UmbenennenMeldetFehlerUndUebernimmt)
{
    TObjekt *r = u.neu("RECHTECK");
    zumObjektbaum();
    QSignalSpy umbenannt(fenster.get(), &TFAnalysator::Umbenannt);
    umbenennen(QStringLiteral("haus")); // without an object in focus nothing happens
    EXPECT_EQ(std::tuple(meldungen, r->Name), std::tuple(QStringList(), QStringLiteral("re0")));

    fenster->FokusSetzen(r);
    umbenennen(QStringLiteral("rechteck"));
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Fehler:|Es gibt schon eine Klasse rechteck, daher ist dieser "
                                                    "Name als Objektbezeichner unzulässig.")});
    EXPECT_EQ(std::tuple(r->Name, int(umbenannt.count())), std::tuple(QStringLiteral("re0"), 0));

    const double hoeheVorher = fenster->Objektbaum()->KnotenZuObjekt(r)->Hoehe;
    umbenennen(QStringLiteral("Fensterrahmen"));
    EXPECT_EQ(std::tuple(r->Name, int(meldungen.size())), std::tuple(QStringLiteral("Fensterrahmen"), 1));
    ASSERT_EQ(umbenannt.count(), 1);
    EXPECT_EQ(umbenannt.at(0).at(0).value<TObjekt *>(), r);
    // The diagram was rebuilt with the longer name, the heading follows.
    EXPECT_GT(fenster->Objektbaum()->KnotenZuObjekt(r)->Hoehe, hoeheVorher + 0.5);
    EXPECT_EQ(text("ObjektImFokusLinksOben"), QStringLiteral("Fensterrahmen"));
    // Through the button as well.
    teil<QLineEdit>("EObjektUmbenennen")->setText(QStringLiteral("fensterRAHMEN"));
    knopf("SBUebernehmen");
    EXPECT_EQ(meldungen.back(), QStringLiteral("Fehler:|Ein Objekt mit dem Bezeichner fensterRAHMEN gibt es schon."));
    EXPECT_FALSE(teil<QToolButton>("SBUebernehmen")->isDown());
}

// A tree too big for its zoom shows two hints instead until a smaller zoom
// is chosen; every percentage the box takes applies, up to 999 %, typed
// with real keys; what the box refuses leaves the zoom alone.
TEST_F(FAnalysatorTest, ZoomUndZuGrosserBaum)
{
    for (int i = 0; i < 100; ++i)
        u.neu("RECHTECK");
    zumObjektbaum();
    auto *zoom = teil<QComboBox>("CBObjektdiagrammZoom");
    EXPECT_EQ(eintraege(zoom), (QStringList{"25%", "50%", "75%", "100%", "200%", "400%"}));
    EXPECT_EQ(std::tuple(zoom->currentText(), fenster->ZuGross()), std::tuple(QStringLiteral("100%"), false));
    const auto hinweiseSichtbar = [&] {
        return std::tuple(fenster->Diagramm()->Flaeche().Zoom, fenster->ZuGross(), teil<QLabel>("LZuGross")->isVisible(),
                          teil<QLabel>("LKleinererZoom")->isVisible(), fenster->Diagramm()->isVisible());
    };
    for (int index : {5, 0}) {
        zoom->setCurrentIndex(index);
        Q_EMIT zoom->activated(index);
        const bool gross = index == 5;
        EXPECT_EQ(hinweiseSichtbar(), std::tuple(gross ? 4.0 : 0.25, gross, gross, gross, !gross));
    }
    EXPECT_EQ(text("LZuGross"), QStringLiteral("Der Objektbaum ist zu groß."));
    EXPECT_EQ(text("LKleinererZoom"), QStringLiteral("Versuche einen kleineren Zoomfaktor!"));
    EXPECT_LT(fenster->Diagramm()->Flaeche().BreitePixel(), 30001);

    zoomTippen(zoom, QStringLiteral("150 %")); // 15 pt
    EXPECT_EQ(std::tuple(zoom->currentText(), fenster->Diagramm()->Flaeche().Schrift().pixelSize()),
              std::tuple(QStringLiteral("150%"), 20));
    const std::pair<const char *, double> faelle[] = {{"5", 1.5},   {"500", 5.0},  {"999 %", 9.99}, {"640%", 6.4},
                                                      {"1000", 6.4}, {"10", 6.4}, {"11", 0.11}};
    for (const auto &[eingabe, faktor] : faelle) {
        SCOPED_TRACE(eingabe);
        zoomTippen(zoom, QString::fromUtf8(eingabe));
        EXPECT_DOUBLE_EQ(fenster->Diagramm()->Flaeche().Zoom, faktor);
    }
}

TEST_F(FAnalysatorTest, AusrichtungsknoepfeDrehenDenBaum)
{
    u.neu("RECHTECK");
    u.neu("RECHTECK");
    zumObjektbaum();
    const TDiagrammFlaeche &f = fenster->Diagramm()->Flaeche();
    EXPECT_GT(f.DiagrammBreite, f.DiagrammHoehe); // side by side
    knopf("SBObjektdiagrammVertikal");
    EXPECT_EQ(fenster->Objektbaum()->Ausrichtung, AusrichtungVertikal);
    EXPECT_GT(f.DiagrammBreite, 2 * 2.0); // document, gap, rectangles
    EXPECT_EQ(fenster->Diagramm()->Seite()->size(), QSize(f.BreitePixel(), f.HoehePixel()));
    knopf("SBObjektDiagrammHorizontal");
    EXPECT_EQ(fenster->Objektbaum()->Ausrichtung, AusrichtungHorizontal);
}

// The focus cards follow the object; the focus frame shows only on the
// object tree page (switching to it repaints the drawing) and not while the
// window is hidden. Hidden, the window builds no cards; shown, it catches up.
TEST_F(FAnalysatorTest, FokuskartenUndFokusrahmen)
{
    TObjekt *r = u.neu("RECHTECK");
    EXPECT_EQ(text("ObjektImFokusLinksOben") + text("PObjektImFokusRechtsOben"), QStringLiteral("ObjektKarteKlassenkarte:"));
    EXPECT_NEAR(kartenHoehe(fenster->Fokusklasse()), masse(u.Dokument).Hoehe + 1.0, 1e-9);
    fenster->FokusSetzen(r);
    EXPECT_EQ(text("ObjektImFokusLinksOben"), QStringLiteral("re0"));
    EXPECT_NEAR(kartenHoehe(fenster->Fokusklasse()), masse(*u.Klassen.RECHTECK).Hoehe + 1.0, 1e-9);
    EXPECT_NEAR(fenster->Tabklasse()->Flaeche().DiagrammBreite, masse(*u.Klassen.RECHTECK).Breite + 1.0, 1e-9);

    QSignalSpy neuzeichnen(fenster.get(), &TFAnalysator::ZeichnungNeuZeichnen);
    EXPECT_EQ(fenster->FokusrahmenObjekt(), nullptr); // call list showing
    zumObjektbaum();
    EXPECT_EQ(std::tuple(int(neuzeichnen.count()), fenster->FokusrahmenObjekt()), std::tuple(1, r));
    fenster->hide();
    EXPECT_EQ(fenster->FokusrahmenObjekt(), nullptr);
    TObjekt *e = u.neu("ELLIPSE");
    fenster->Aktualisieren();
    EXPECT_EQ(fenster->Objektbaum()->KnotenZuObjekt(e), nullptr);
    fenster->show();
    QTest::qWait(1);
    EXPECT_NE(fenster->Objektbaum()->KnotenZuObjekt(e), nullptr);
    EXPECT_EQ(fenster->Objektbaum()->KnotenAnzahl(), 3);
}

// A focused object freed without telling the window: the document takes the
// focus and the stale diagram rebuilds itself before painting.
TEST_F(FAnalysatorTest, EntferntesObjektImFokusWirdZumDokument)
{
    TObjekt *r = u.neu("RECHTECK");
    u.neu("ELLIPSE");
    zumObjektbaum();
    fenster->FokusSetzen(r);
    u.Dokument.TeilEntfernen(r).reset();
    EXPECT_EQ(std::tuple(fenster->ObjektImFokus(), fenster->FokusrahmenObjekt()), std::tuple(&u.Dokument, nullptr));
    fenster->FokuskartenNeuZeichnen();
    fenster->Fokusobjekt()->Seite()->grab();
    EXPECT_TRUE(fenster->Objektbaum()->Veraltet());
    fenster->Diagramm()->Seite()->grab();
    EXPECT_FALSE(fenster->Objektbaum()->Veraltet());
    EXPECT_EQ(fenster->Objektbaum()->KnotenAnzahl(), 2);
}

// An object freed after it has left the tree (a vertex taken out of its
// polyline, a group emptied by ungrouping) is reported by the recorder, and
// the window forgets it at once: a new object that the allocator places at
// the same address does not become the focus. Previews are not reported.
TEST_F(FAnalysatorTest, AusDemBaumGenommenesObjektWirdBeimFreigebenVergessen)
{
    std::vector<const TObjekt *> freigegeben;
    const int kennung =
        u.Analysator.FreigabeBeobachterAnmelden([&](const TObjekt *o) { freigegeben.push_back(o); });
    auto *lz = u.linienzug(3);
    auto *g = static_cast<TGruppe *>(u.gruppe(2));
    fenster->Aktualisieren();
    for (TObjekt *alt : {lz->Teile[1].get(), static_cast<TObjekt *>(g)}) {
        SCOPED_TRACE(alt->Name.toStdString());
        fenster->FokusSetzen(alt);
        ASSERT_EQ(fenster->ObjektImFokus(), alt);
        std::vector<TZeichenObjekt *> auswahl{g};
        std::unique_ptr<TObjekt> draussen =
            alt == g ? g->GruppierungAufloesen(auswahl) : alt->Besitzer->TeilHerausloesen(alt);
        ASSERT_TRUE(draussen);
        freigegeben.clear();
        draussen.reset();
        EXPECT_EQ(freigegeben, std::vector<const TObjekt *>{alt});
        TObjekt *neu = alt == g ? u.neu("GRUPPE") : u.neu("PUNKT", lz);
        fenster->Aktualisieren();
        EXPECT_TRUE(neu != alt || fenster->ObjektImFokus() == &u.Dokument);
        EXPECT_NE(fenster->ObjektImFokus(), neu);
    }
    freigegeben.clear();
    auto kopie = u.neu("RECHTECK")->Duplizieren(false);
    static_cast<TZeichenObjekt *>(kopie.get())->VorschauSetzen(true);
    kopie.reset();
    EXPECT_TRUE(freigegeben.empty());
    u.Analysator.FreigabeBeobachterAbmelden(kennung);
}

TEST_F(FAnalysatorTest, KlassenverzeichnisListetNeunKlassen)
{
    auto *cb = teil<QComboBox>("CBKlassenAuswahl");
    EXPECT_EQ(eintraege(cb), (QStringList{"DOKUMENT", "RECHTECK", "ELLIPSE", "LINIE", "LINIENZUG", "VIELECK",
                                          "PUNKT", "GRUPPE", "TEXTFELD"}));
    EXPECT_EQ(cb->currentText(), QStringLiteral("DOKUMENT"));
    const double hoeheDokument = kartenHoehe(fenster->Verzeichniskarte());
    cb->setCurrentIndex(8);
    EXPECT_NEAR(kartenHoehe(fenster->Verzeichniskarte()), masse(*u.Klassen.TEXTFELD).Hoehe + 1.0, 1e-9);
    EXPECT_GT(kartenHoehe(fenster->Verzeichniskarte()), hoeheDokument);
    EXPECT_EQ(fenster->Verzeichniskarte()->Seite()->height(), fenster->Verzeichniskarte()->Flaeche().HoehePixel());
}

TEST_F(FAnalysatorTest, TrennenLaesstKeineVerweiseZurueck)
{
    u.neu("RECHTECK");
    fenster->Trennen();
    aufruf(QStringLiteral("re0")); // no longer observed
    EXPECT_EQ(std::tuple(fenster->Aufrufbaum()->topLevelItemCount(), fenster->Aufrufliste()->ZeilenAnzahl(),
                         fenster->ObjektImFokus()), std::tuple(0, 0, nullptr));
    fenster->Aktualisieren();
    fenster->Diagramm()->Seite()->grab();
    umbenennen(QStringLiteral("x"));
    EXPECT_TRUE(meldungen.isEmpty());
}

// The analyser window's place: right of the main window; a main window
// across the whole screen leaves no room, so the window keeps a usable width
// at the right edge. The window takes the frame and lower field height the
// layout computes, and its caption.
TEST_F(FAnalysatorTest, PlatzierenRechtsNebenDemHauptfenster)
{
    const QRect voll(0, 0, 1920, 1080);
    const TFensterlage lage = AnalysatorFensterlage(QRect(0, 0, 800, 600), voll);
    EXPECT_EQ(std::tuple(lage.Rahmen, lage.UnteresFeldHoehe), std::tuple(QRect(800, 0, 1120, 1050), 432));
    EXPECT_EQ(AnalysatorFensterlage(QRect(100, 50, 800, 600), voll).Rahmen, QRect(900, 50, 1020, 1000));
    EXPECT_EQ(AnalysatorFensterlage(QRect(0, 0, 1920, 1050), voll).Rahmen,
              QRect(1920 - AnalysatorMindestBreite, 0, AnalysatorMindestBreite, 1050));

    const QRect bildschirm = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect haupt(bildschirm.left(), bildschirm.top(), bildschirm.width() / 3, bildschirm.height() / 2);
    fenster->Platzieren(haupt);
    EXPECT_EQ(fenster->frameGeometry(), AnalysatorFensterlage(haupt, bildschirm).Rahmen);
    auto *teiler = teil<QSplitter>("Splitter");
    ASSERT_EQ(teiler->sizes().size(), 2);
    EXPECT_NEAR(teiler->sizes()[1], AnalysatorFensterlage(haupt, bildschirm).UnteresFeldHoehe, 2);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Analysator-Fenster"));
}

// The event loop ends when the main window closes although the analyser
// window is still open.
TEST_F(FAnalysatorTest, OffenesAnalysatorfensterHaeltDasProgrammNichtAm)
{
    const bool vorher = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(true);
    QWidget haupt;
    haupt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt));
    ASSERT_TRUE(fenster->isVisible());
    bool vonHand = false;
    QTimer::singleShot(3000, &haupt, [&] {
        vonHand = true;
        QCoreApplication::quit();
    });
    QTimer::singleShot(0, &haupt, [&] { haupt.close(); });
    QCoreApplication::exec();
    EXPECT_FALSE(vonHand);
    QGuiApplication::setQuitOnLastWindowClosed(vorher);
}
