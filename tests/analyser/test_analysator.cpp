// The analyser window: call tree and list, magnifier, object tree, focus
// cards, renaming, the class registry and the documentation's screenshot.
#include "analyser/AufrufDarstellung.h"
#include "analyser/Karten.h"
#include "analyser/Umbenennen.h"
#include "analyser/ui/AufrufGitter.h"
#include "analyser/ui/DiagrammScrollBox.h"
#include "analyser/ui/FAnalysator.h"
#include "analyser_hilfen.h"
#include "common/gemeinsame_hilfen.h"
#include "persistence/Dokumentdatei.h"
#include "window/ui/FMain.h"
#include "window/ui/MyScrollBox.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

namespace
{

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

    template <typename T> T *teil(const char *name)
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

    // Clicks a point of the diagram (cm) or the middle of an object's card.
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

// Sub-calls nest (a big group's only when expanded), dropped entries leave the
// tree; column 0 of the list shows the mouse or the keyboard image.
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
    EXPECT_EQ(std::tuple(gross->childCount(), gross->childIndicatorPolicy()),
              std::tuple(0, QTreeWidgetItem::ShowIndicator));
    knopf("SBMethodenaufrufeBaum");
    gross->setExpanded(true);
    ASSERT_EQ(gross->childCount(), 300);
    EXPECT_EQ(gross->child(299)->text(0), QStringLiteral("re299.zeichnen(  )"));
    const int bleiben = int(TAnalysator::MaximaleAufrufe / 301);
    for (int i = 0; i < bleiben; ++i)
        gruppe(300, false);
    EXPECT_EQ(std::tuple(int(u.Analysator.Protokoll().size()), tv->topLevelItemCount(), dg->ZeilenAnzahl(),
                         u.Analysator.Protokoll().back()->AnzahlMitUnteraufrufen()),
              std::tuple(bleiben, bleiben, bleiben, 301)); // the newest entry kept whole
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

    // With the tree showing, the buttons change the tree's font.
    const auto zustand = [&] {
        return std::tuple(fenster->Aufrufbaum()->isVisible(), dg->isVisible(),
                          fenster->Aufrufbaum()->font().pointSize(), fenster->BaumSchriftgroesse(),
                          fenster->ListenSchriftgroesse());
    };
    EXPECT_EQ(fenster->Aufrufbaum()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(zustand(), std::tuple(false, true, 10, 10, 24));
    knopf("SBMethodenaufrufeBaum");
    knopf("SBMethodenaufrufeLupePlus");
    EXPECT_EQ(zustand(), std::tuple(true, false, 12, 12, 24));
    knopf("SBMethodenaufrufeListenansicht");
    EXPECT_EQ(zustand(), std::tuple(false, true, 12, 12, 24));
}

// A vertex is focused without selecting, a group member selects its group, the
// document is not selected, empty space does nothing, a marker unfolds.
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

// Every check of a new name with its message (any case; a class name wins; only
// names one can type); in the window the error box, renaming, rebuilding.
TEST_F(FAnalysatorTest, UmbenennenMeldetFehlerUndUebernimmt)
{
    TObjekt *r = u.neu("RECHTECK");
    u.gruppe(2)->Teile.back()->Name = QStringLiteral("tür"); // gr0 with re1 and tür
    u.neu("RECHTECK")->Name = QStringLiteral("gruppe");
    enum Art { Frei, Vergeben, Klasse, Zeichen, Leer };
    const struct {
        const char *name;
        Art art;
    } faelle[] = {
        {"RE0", Vergeben},  {"re0", Vergeben},  {"Re1", Vergeben}, {"DOKUMENT1", Vergeben}, {"TÜR", Vergeben},
        {"haus", Frei},     {"_dach2", Frei},   {"Straße", Frei},  {"Ärger", Frei},         {"rechteck", Klasse},
        {"Punkt", Klasse},  {"GRUPPE", Klasse}, {"", Leer},        {"3haus", Zeichen},      {"mein haus", Zeichen},
        {"re0.x", Zeichen}, {"haus€", Zeichen}, {"łódź", Zeichen}, // not in Windows-1252
    };
    for (const auto &f : faelle) {
        const QString name = QString::fromUtf8(f.name);
        const QString texte[] = {
            QString(),
            QStringLiteral("Ein Objekt mit dem Bezeichner %1 gibt es schon.").arg(name),
            QStringLiteral("Es gibt schon eine Klasse %1, daher ist dieser Name als "
                           "Objektbezeichner unzulässig.")
                .arg(name),
            QStringLiteral("Der Objektbezeichner muss mit einem Buchstaben oder _ beginnen und "
                           "darf nur Buchstaben, "
                           "Ziffern und _ enthalten."),
            QStringLiteral("Der Objektbezeichner muss mindestens 1 Zeichen lang sein."),
        };
        EXPECT_EQ(UmbenennenPruefen(u.Dokument, name), texte[f.art]) << f.name;
    }

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
    EXPECT_GT(fenster->Objektbaum()->KnotenZuObjekt(r)->Hoehe, hoeheVorher + 0.5);
    EXPECT_EQ(text("ObjektImFokusLinksOben"), QStringLiteral("Fensterrahmen"));
    teil<QLineEdit>("EObjektUmbenennen")->setText(QStringLiteral("fensterRAHMEN"));
    knopf("SBUebernehmen");
    EXPECT_EQ(meldungen.back(), QStringLiteral("Fehler:|Ein Objekt mit dem Bezeichner fensterRAHMEN gibt es schon."));
    EXPECT_FALSE(teil<QToolButton>("SBUebernehmen")->isDown());
}

// The orientation buttons turn the tree; a tree too big for its zoom shows two
// hints instead; typed percentages apply up to 999 %, refused ones do nothing.
TEST_F(FAnalysatorTest, ZoomUndZuGrosserBaum)
{
    for (int i = 0; i < 100; ++i)
        u.neu("RECHTECK");
    zumObjektbaum();
    const TDiagrammFlaeche &f = fenster->Diagramm()->Flaeche();
    EXPECT_GT(f.DiagrammBreite, f.DiagrammHoehe); // side by side
    knopf("SBObjektdiagrammVertikal");
    EXPECT_EQ(fenster->Objektbaum()->Ausrichtung, AusrichtungVertikal);
    EXPECT_GT(f.DiagrammHoehe, f.DiagrammBreite);
    EXPECT_EQ(fenster->Diagramm()->Seite()->size(), QSize(f.BreitePixel(), f.HoehePixel()));
    knopf("SBObjektDiagrammHorizontal");
    EXPECT_EQ(fenster->Objektbaum()->Ausrichtung, AusrichtungHorizontal);
    auto *zoom = teil<QComboBox>("CBObjektdiagrammZoom");
    EXPECT_EQ(eintraege(zoom), (QStringList{"25%", "50%", "75%", "100%", "200%", "400%"}));
    EXPECT_EQ(std::tuple(zoom->currentText(), fenster->ZuGross()), std::tuple(QStringLiteral("100%"), false));
    const auto hinweiseSichtbar = [&] {
        return std::tuple(fenster->Diagramm()->Flaeche().Zoom, fenster->ZuGross(),
                          teil<QLabel>("LZuGross")->isVisible(), teil<QLabel>("LKleinererZoom")->isVisible(),
                          fenster->Diagramm()->isVisible());
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
    const std::pair<const char *, double> faelle[] = {{"5", 1.5},    {"500", 5.0}, {"999 %", 9.99}, {"640%", 6.4},
                                                      {"1000", 6.4}, {"10", 6.4},  {"11", 0.11}};
    for (const auto &[eingabe, faktor] : faelle) {
        SCOPED_TRACE(eingabe);
        zoomTippen(zoom, QString::fromUtf8(eingabe));
        EXPECT_DOUBLE_EQ(fenster->Diagramm()->Flaeche().Zoom, faktor);
    }
}

// The focus frame shows only on the tree page; a focused object freed behind
// the window's back hands the focus to the document, the diagram rebuilds.
TEST_F(FAnalysatorTest, FokuskartenUndEntferntesObjektImFokus)
{
    TObjekt *r = u.neu("RECHTECK");
    u.neu("ELLIPSE");
    EXPECT_EQ(text("ObjektImFokusLinksOben") + text("PObjektImFokusRechtsOben"),
              QStringLiteral("ObjektKarteKlassenkarte:"));
    fenster->FokusSetzen(r);
    EXPECT_EQ(text("ObjektImFokusLinksOben"), QStringLiteral("re0"));
    EXPECT_NEAR(kartenHoehe(fenster->Fokusklasse()), masse(*u.Klassen.RECHTECK).Hoehe + 1.0, 1e-9);
    EXPECT_EQ(fenster->FokusrahmenObjekt(), nullptr); // call list showing
    zumObjektbaum();
    EXPECT_EQ(fenster->FokusrahmenObjekt(), r);
    u.Dokument.TeilEntfernen(r).reset();
    EXPECT_EQ(std::tuple(fenster->ObjektImFokus(), fenster->FokusrahmenObjekt()), std::tuple(&u.Dokument, nullptr));
    fenster->FokuskartenNeuZeichnen();
    fenster->Fokusobjekt()->Seite()->grab();
    EXPECT_TRUE(fenster->Objektbaum()->Veraltet());
    fenster->Diagramm()->Seite()->grab();
    EXPECT_FALSE(fenster->Objektbaum()->Veraltet());
    EXPECT_EQ(fenster->Objektbaum()->KnotenAnzahl(), 2);
}

TEST_F(FAnalysatorTest, KlassenverzeichnisUndTrennen)
{
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Analysator-Fenster"));
    auto *cb = teil<QComboBox>("CBKlassenAuswahl");
    EXPECT_EQ(eintraege(cb), (QStringList{"DOKUMENT", "RECHTECK", "ELLIPSE", "LINIE", "LINIENZUG", "VIELECK", "PUNKT",
                                          "GRUPPE", "TEXTFELD"}));
    cb->setCurrentIndex(8);
    EXPECT_NEAR(kartenHoehe(fenster->Verzeichniskarte()), masse(*u.Klassen.TEXTFELD).Hoehe + 1.0, 1e-9);
    EXPECT_EQ(fenster->Verzeichniskarte()->Seite()->height(), fenster->Verzeichniskarte()->Flaeche().HoehePixel());

    // Detached, the window keeps no references.
    u.neu("RECHTECK");
    fenster->Trennen();
    aufruf(QStringLiteral("re0")); // no longer observed
    EXPECT_EQ(std::tuple(fenster->Aufrufbaum()->topLevelItemCount(), fenster->Aufrufliste()->ZeilenAnzahl(),
                         fenster->ObjektImFokus()),
              std::tuple(0, 0, nullptr));
    fenster->Aktualisieren();
    fenster->Diagramm()->Seite()->grab();
    umbenennen(QStringLiteral("x"));
    EXPECT_TRUE(meldungen.isEmpty());
}

// A card click selects the outermost group in the main window; the scene is
// analysator.png, saved when FIGURO_SCREENSHOTS names a folder.
TEST(Bildschirmfoto, AnalysatorNebenDemHauptfenster)
{
    TFMain haupt(false);
    TFAnalysator analysator(haupt.Analysator(), haupt.Dokument(), haupt.Klassen());
    haupt.AnalysatorFensterAnschliessen(&analysator);
    haupt.resize(820, 700);
    haupt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt));
    ASSERT_TRUE(analysator.isVisible());

    QString meldung;
    ASSERT_TRUE(DokumentOeffnen(testhilfe::quellPfad(QStringLiteral("beispiele/baeume.fgo")), *haupt.Dokument(),
                                *haupt.Klassen(), meldung));
    auto neu = haupt.Klassen()->ObjektErzeugen(QStringLiteral("LINIENZUG"));
    auto *zug = static_cast<TLinienZug *>(neu.get());
    for (const QPointF &p : {QPointF(2, 16.5), QPointF(6, 19.5), QPointF(10, 16), QPointF(15, 19)})
        zug->PunktAnhaengen(p.x(), p.y(), 1);
    std::tie(zug->Linienfarbe, zug->Linienstärke, zug->ObjektdiagrammZusammengefaltet) =
        std::tuple(TFarbe::Echt(FarbWert(0, 0, 255)), 0.1, false);
    zug->NamenVergeben();
    zug->GeometrieBerechnen();
    haupt.Dokument()->TeilAnhaengen(std::move(neu));
    haupt.Neuzeichnen();
    analysator.Aktualisieren();

    // A click on the crown of the first tree.
    analysator.findChild<QTabWidget *>(QStringLiteral("PCAnalysator"))->setCurrentIndex(1);
    TObjekt *krone = haupt.Dokument()->Teile[0]->Teile[1].get();
    const TDiagrammFlaeche &f = analysator.Diagramm()->Flaeche();
    const QPointF mitte = analysator.Objektbaum()->KnotenZuObjekt(krone)->Bildrechteck().center();
    QTest::mouseClick(analysator.Diagramm()->Seite(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(f.XPixel(mitte.x()), f.YPixel(mitte.y())));
    ASSERT_EQ(analysator.ObjektImFokus(), krone);
    EXPECT_EQ(haupt.Auswahl(),
              std::vector<TZeichenObjekt *>{dynamic_cast<TZeichenObjekt *>(haupt.Dokument()->Teile[0].get())});
    analysator.resize(1060, 700);
    haupt.Zeichenbereich->verticalScrollBar()->setValue(400);
    QTest::qWait(50);

    const QPixmap links = haupt.grab();
    const QPixmap rechts = analysator.grab();
    QPixmap bild(links.width() + 8 + rechts.width(), std::max(links.height(), rechts.height()));
    bild.fill(QColor(90, 90, 90));
    QPainter p(&bild);
    p.drawPixmap(0, 0, links);
    p.drawPixmap(links.width() + 8, 0, rechts);
    p.end();
    EXPECT_TRUE(testhilfe::bildschirmfotoSichern(bild.toImage(), QStringLiteral("analysator.png")));
}
