#include "AnalyserHilfen.h"
#include "analyser/AufrufDarstellung.h"
#include "analyser/Fensterlage.h"
#include "analyser/Karten.h"
#include "analyser/ui/AufrufGitter.h"
#include "analyser/ui/DiagrammScrollBox.h"
#include "analyser/ui/FAnalysator.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Column 0 of a row of the call list as it must look: the keyboard image
// for a typed call, the mouse image otherwise, 1 pixel from the left.
QImage symbolSpalte(bool getippt, const TAufrufGitter *dg)
{
    const int h = dg->ZeilenHoehe();
    const QImage symbol = AufrufDarstellung::Symbol(getippt).convertToFormat(QImage::Format_ARGB32);
    QImage erwartet(12, h, QImage::Format_ARGB32);
    erwartet.fill(Qt::white);
    QPainter p(&erwartet);
    p.drawImage(1, (h - symbol.height()) / 2, symbol);
    p.end();
    return erwartet;
}

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

    static QStringList eintraege(const QComboBox *cb)
    {
        QStringList t;
        for (int i = 0; i < cb->count(); ++i)
            t << cb->itemText(i);
        return t;
    }

    void zumObjektbaum() { teil<QTabWidget>("PCAnalysator")->setCurrentIndex(1); }

    void aufruf(const QString &objekt, std::uint8_t id = MZeichnen, bool getippt = false)
    {
        u.Analysator.Protokollieren(std::make_unique<TMethodenAufruf>(id, objekt, false, getippt));
    }

    // Clicks the middle of an object's card in the diagram.
    void karteKlicken(const TObjekt *o, QPointF verschiebungCm = {})
    {
        const TObjektKnoten *k = fenster->Objektbaum()->KnotenZuObjekt(o);
        ASSERT_NE(k, nullptr);
        const QPointF mitte = k->Bildrechteck().center() + verschiebungCm;
        klicken(mitte);
    }
    void klicken(const QPointF &cm)
    {
        const TDiagrammFlaeche &f = fenster->Diagramm()->Flaeche();
        QTest::mouseClick(fenster->Diagramm()->Seite(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(f.XPixel(cm.x()), f.YPixel(cm.y())));
    }

    void umbenennen(const QString &name)
    {
        auto *e = teil<QLineEdit>("EObjektUmbenennen");
        e->clear();
        QTest::keyClicks(e, name);
        QTest::keyClick(e, Qt::Key_Return);
    }
};

} // namespace

// The tree keeps the newest 500 calls, the list the newest 2000 and draws
// only the rows in view, the last one at the bottom.
TEST_F(FAnalysatorTest, BaumFuenfhundertListeZweitausendAufrufeNurSichtbareZeilenGezeichnet)
{
    for (int i = 0; i < 2100; ++i)
        aufruf(QStringLiteral("re%1").arg(i));
    QTreeWidget *tv = fenster->Aufrufbaum();
    ASSERT_EQ(tv->topLevelItemCount(), 500);
    EXPECT_EQ(tv->topLevelItem(0)->text(0), QStringLiteral("re1600.zeichnen(  )"));
    EXPECT_EQ(tv->topLevelItem(499)->text(0), QStringLiteral("re2099.zeichnen(  )"));
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

TEST_F(FAnalysatorTest, BaumZeigtUnteraufrufeUndSymboleNachArt)
{
    aufruf(QStringLiteral("re0"), MZeichnen, false);
    u.Analysator.Oeffnen(std::make_unique<TMethodenAufruf>(MZeichnen, QStringLiteral("gr0"), false, true));
    aufruf(QStringLiteral("re1"), MZeichnen, true);
    aufruf(QStringLiteral("re2"), MZeichnen, true);
    u.Analysator.Schliessen();
    QTreeWidget *tv = fenster->Aufrufbaum();
    ASSERT_EQ(tv->topLevelItemCount(), 2);
    QTreeWidgetItem *gruppe = tv->topLevelItem(1);
    EXPECT_EQ(gruppe->text(0), QStringLiteral("gr0.zeichnen(  )"));
    ASSERT_EQ(gruppe->childCount(), 2);
    EXPECT_EQ(gruppe->child(1)->text(0), QStringLiteral("re2.zeichnen(  )"));

    // Column 0 of the list: the mouse image for the first call, the
    // keyboard image for the typed one, 1 pixel from the left.
    TAufrufGitter *dg = fenster->Aufrufliste();
    ASSERT_EQ(dg->ZeilenAnzahl(), 2);
    const QImage bild = dg->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    for (int zeile = 0; zeile < 2; ++zeile)
        EXPECT_EQ(bild.copy(0, zeile * dg->ZeilenHoehe(), 12, dg->ZeilenHoehe()), symbolSpalte(zeile == 1, dg)) << zeile;
    EXPECT_NE(AufrufDarstellung::Symbol(false), AufrufDarstellung::Symbol(true));
}

TEST_F(FAnalysatorTest, LupeBleibtZwischenZehnUndVierundzwanzig)
{
    TAufrufGitter *dg = fenster->Aufrufliste();
    auto *plus = teil<QToolButton>("SBMethodenaufrufeLupePlus");
    auto *minus = teil<QToolButton>("SBMethodenaufrufeLupeMinus");
    // Minus at 10, then plus nine times: two points a step, up to 24.
    QList<int> groessen{fenster->ListenSchriftgroesse()};
    for (QToolButton *knopf : {minus, plus, plus, plus, plus, plus, plus, plus, plus}) {
        QTest::mouseClick(knopf, Qt::LeftButton);
        groessen << fenster->ListenSchriftgroesse();
    }
    EXPECT_EQ(groessen, (QList<int>{10, 10, 12, 14, 16, 18, 20, 22, 24, 24}));
    // The rows and the text column follow the font.
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(24);
    const QFontMetrics fm(f, dg);
    EXPECT_EQ(dg->ZeilenHoehe(), int(std::lround(1.1 * fm.height())));
    EXPECT_EQ(dg->SpaltenBreite(1), fm.horizontalAdvance(QString(40, QLatin1Char('H'))));

    // With the tree showing, the buttons change the tree's font.
    EXPECT_EQ(fenster->Aufrufbaum()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(fenster->Aufrufbaum()->font().pointSize(), 10);
    QTest::mouseClick(teil<QToolButton>("SBMethodenaufrufeBaum"), Qt::LeftButton);
    EXPECT_TRUE(fenster->Aufrufbaum()->isVisible());
    EXPECT_FALSE(dg->isVisible());
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(fenster->BaumSchriftgroesse(), 12);
    EXPECT_EQ(fenster->Aufrufbaum()->font().pointSize(), 12);
    EXPECT_EQ(fenster->ListenSchriftgroesse(), 24);
    QTest::mouseClick(teil<QToolButton>("SBMethodenaufrufeListenansicht"), Qt::LeftButton);
    EXPECT_TRUE(dg->isVisible());
    EXPECT_FALSE(fenster->Aufrufbaum()->isVisible());
}

TEST_F(FAnalysatorTest, KlickAufPunktkarteFokussiertOhneAuswahlZuAendern)
{
    TObjekt *lz = u.linienzug(3);
    lz->ObjektdiagrammZusammengefaltet = false;
    TObjekt *g = u.gruppe(2);
    fenster->Aktualisieren();
    zumObjektbaum();
    QSignalSpy auswahl(fenster.get(), &TFAnalysator::AuswahlErsetzen);
    QSignalSpy neuzeichnen(fenster.get(), &TFAnalysator::ZeichnungNeuZeichnen);

    karteKlicken(lz->Teile[1].get());
    EXPECT_EQ(fenster->ObjektImFokus(), lz->Teile[1].get());
    EXPECT_EQ(auswahl.count(), 0);
    EXPECT_EQ(neuzeichnen.count(), 1);
    EXPECT_EQ(teil<QLabel>("ObjektImFokusLinksOben")->text(), QStringLiteral("lp1"));
    EXPECT_EQ(fenster->FokusrahmenObjekt(), lz->Teile[1].get());

    // A group member selects its top-level group.
    karteKlicken(g->Teile[0].get());
    EXPECT_EQ(fenster->ObjektImFokus(), g->Teile[0].get());
    ASSERT_EQ(auswahl.count(), 1);
    EXPECT_EQ(auswahl.at(0).at(0).value<TObjekt *>(), g);

    // The document is focused but not selected.
    karteKlicken(&u.Dokument);
    EXPECT_EQ(fenster->ObjektImFokus(), &u.Dokument);
    EXPECT_EQ(auswahl.count(), 1);
    EXPECT_EQ(fenster->FokusrahmenObjekt(), nullptr);

    // Empty space changes nothing.
    klicken(QPointF(0.2, 0.2));
    EXPECT_EQ(fenster->ObjektImFokus(), &u.Dokument);
    EXPECT_EQ(neuzeichnen.count(), 3);
}

TEST_F(FAnalysatorTest, KlickAufMarkeKlapptDenLinienzugAuf)
{
    TObjekt *lz = u.linienzug(2);
    fenster->Aktualisieren();
    zumObjektbaum();
    const TObjektKnoten *k = fenster->Objektbaum()->KnotenZuObjekt(lz);
    ASSERT_NE(k, nullptr);
    ASSERT_TRUE(k->Kinder.empty());
    klicken(QPointF(k->MarkeY, k->MarkeX)); // downwards: depth is the y axis
    EXPECT_FALSE(lz->ObjektdiagrammZusammengefaltet);
    EXPECT_NE(fenster->Objektbaum()->KnotenZuObjekt(lz->Teile[0].get()), nullptr);
    EXPECT_EQ(fenster->ObjektImFokus(), lz);
}

// Every check and its message is tested on the core; here a refused name
// reaches the error box and a good one renames, rebuilds and is reported.
TEST_F(FAnalysatorTest, UmbenennenMeldetFehlerUndUebernimmt)
{
    TObjekt *r = u.neu("RECHTECK");
    fenster->Aktualisieren();
    zumObjektbaum();
    QSignalSpy umbenannt(fenster.get(), &TFAnalysator::Umbenannt);

    // Without an object in focus nothing happens.
    umbenennen(QStringLiteral("haus"));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(r->Name, QStringLiteral("re0"));

    fenster->FokusSetzen(r);
    umbenennen(QStringLiteral("rechteck"));
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Fehler:|Es gibt schon eine Klasse rechteck, daher ist dieser "
                                                    "Name als Objektbezeichner unzulässig.")});
    EXPECT_EQ(r->Name, QStringLiteral("re0"));
    EXPECT_EQ(umbenannt.count(), 0);

    const double breiteVorher = fenster->Objektbaum()->KnotenZuObjekt(r)->Hoehe;
    umbenennen(QStringLiteral("Fensterrahmen"));
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_EQ(r->Name, QStringLiteral("Fensterrahmen"));
    ASSERT_EQ(umbenannt.count(), 1);
    EXPECT_EQ(umbenannt.at(0).at(0).value<TObjekt *>(), r);
    // The diagram was rebuilt with the longer name, the heading follows.
    EXPECT_GT(fenster->Objektbaum()->KnotenZuObjekt(r)->Hoehe, breiteVorher + 0.5);
    EXPECT_EQ(teil<QLabel>("ObjektImFokusLinksOben")->text(), QStringLiteral("Fensterrahmen"));
    // Through the button as well.
    teil<QLineEdit>("EObjektUmbenennen")->setText(QStringLiteral("fensterRAHMEN"));
    QTest::mouseClick(teil<QToolButton>("SBUebernehmen"), Qt::LeftButton);
    EXPECT_EQ(meldungen.back(), QStringLiteral("Fehler:|Ein Objekt mit dem Bezeichner fensterRAHMEN gibt es schon."));
    EXPECT_FALSE(teil<QToolButton>("SBUebernehmen")->isDown());
}

TEST_F(FAnalysatorTest, ZuGrosserBaumZeigtHinweiseBisEinKleinererZoomGewaehltIst)
{
    for (int i = 0; i < 100; ++i)
        u.neu("RECHTECK");
    fenster->Aktualisieren();
    zumObjektbaum();
    auto *zoom = teil<QComboBox>("CBObjektdiagrammZoom");
    EXPECT_EQ(eintraege(zoom), (QStringList{"25%", "50%", "75%", "100%", "200%", "400%"}));
    EXPECT_EQ(zoom->currentText(), QStringLiteral("100%"));
    EXPECT_FALSE(fenster->ZuGross());

    zoom->setCurrentIndex(5);
    Q_EMIT zoom->activated(5);
    EXPECT_DOUBLE_EQ(fenster->Diagramm()->Flaeche().Zoom, 4.0);
    EXPECT_TRUE(fenster->ZuGross());
    EXPECT_TRUE(teil<QLabel>("LZuGross")->isVisible());
    EXPECT_EQ(teil<QLabel>("LZuGross")->text(), QStringLiteral("Der Objektbaum ist zu groß."));
    EXPECT_EQ(teil<QLabel>("LKleinererZoom")->text(), QStringLiteral("Versuche einen kleineren Zoomfaktor!"));
    EXPECT_TRUE(teil<QLabel>("LKleinererZoom")->isVisible());
    EXPECT_FALSE(fenster->Diagramm()->isVisible());

    zoom->setCurrentIndex(0);
    Q_EMIT zoom->activated(0);
    EXPECT_FALSE(fenster->ZuGross());
    EXPECT_TRUE(fenster->Diagramm()->isVisible());
    EXPECT_FALSE(teil<QLabel>("LZuGross")->isVisible());
    EXPECT_LT(fenster->Diagramm()->Flaeche().BreitePixel(), 30001);

    // A typed percentage with Enter.
    zoom->lineEdit()->setText(QStringLiteral("150 %"));
    QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(fenster->Diagramm()->Flaeche().Zoom, 1.5);
    EXPECT_EQ(zoom->currentText(), QStringLiteral("150%"));
    EXPECT_EQ(fenster->Diagramm()->Flaeche().Schrift().pixelSize(), 20); // 15 pt
    zoom->lineEdit()->setText(QStringLiteral("5"));
    QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(fenster->Diagramm()->Flaeche().Zoom, 1.5);
}

// Every percentage the box takes applies, up to 999 %, typed with real keys;
// what the box refuses leaves the zoom alone.
TEST_F(FAnalysatorTest, GetippterZoomGiltBis999Prozent)
{
    u.neu("RECHTECK");
    fenster->Aktualisieren();
    zumObjektbaum();
    auto *zoom = teil<QComboBox>("CBObjektdiagrammZoom");
    const std::pair<const char *, double> faelle[] = {
        {"500", 5.0}, {"999 %", 9.99}, {"640%", 6.4}, {"1000", 6.4}, {"10", 6.4}, {"11", 0.11}};
    for (const auto &[text, zoomFaktor] : faelle) {
        SCOPED_TRACE(text);
        zoom->lineEdit()->selectAll();
        QTest::keyClicks(zoom->lineEdit(), QString::fromUtf8(text));
        QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
        EXPECT_DOUBLE_EQ(fenster->Diagramm()->Flaeche().Zoom, zoomFaktor);
    }
}

TEST_F(FAnalysatorTest, AusrichtungsknoepfeDrehenDenBaum)
{
    u.neu("RECHTECK");
    u.neu("RECHTECK");
    fenster->Aktualisieren();
    zumObjektbaum();
    const TDiagrammFlaeche &f = fenster->Diagramm()->Flaeche();
    EXPECT_GT(f.DiagrammBreite, f.DiagrammHoehe); // side by side
    QTest::mouseClick(teil<QToolButton>("SBObjektdiagrammVertikal"), Qt::LeftButton);
    EXPECT_EQ(fenster->Objektbaum()->Ausrichtung, AusrichtungVertikal);
    EXPECT_GT(f.DiagrammBreite, 2 * 2.0); // document, gap, rectangles
    EXPECT_EQ(fenster->Diagramm()->Seite()->width(), f.BreitePixel());
    EXPECT_EQ(fenster->Diagramm()->Seite()->height(), f.HoehePixel());
    QTest::mouseClick(teil<QToolButton>("SBObjektDiagrammHorizontal"), Qt::LeftButton);
    EXPECT_EQ(fenster->Objektbaum()->Ausrichtung, AusrichtungHorizontal);
}

TEST_F(FAnalysatorTest, FokusrahmenNurAufDerObjektbaumSeiteUndTabwechselZeichnetNeu)
{
    TObjekt *r = u.neu("RECHTECK");
    fenster->FokusSetzen(r);
    QSignalSpy neuzeichnen(fenster.get(), &TFAnalysator::ZeichnungNeuZeichnen);
    EXPECT_EQ(fenster->FokusrahmenObjekt(), nullptr); // call list showing
    zumObjektbaum();
    EXPECT_EQ(neuzeichnen.count(), 1);
    EXPECT_EQ(fenster->FokusrahmenObjekt(), r);
    fenster->hide();
    EXPECT_EQ(fenster->FokusrahmenObjekt(), nullptr);
}

TEST_F(FAnalysatorTest, FokuskartenFolgenDemObjekt)
{
    TObjekt *r = u.neu("RECHTECK");
    EXPECT_EQ(teil<QLabel>("ObjektImFokusLinksOben")->text(), QStringLiteral("ObjektKarte"));
    EXPECT_EQ(teil<QLabel>("PObjektImFokusRechtsOben")->text(), QStringLiteral("Klassenkarte:"));
    TDiagrammFlaeche probe;
    const TKartenMasse dokument = KartenMasse(probe, KlassenKartenZeilen(u.Dokument));
    EXPECT_NEAR(fenster->Fokusklasse()->Flaeche().DiagrammHoehe, dokument.Hoehe + 1.0, 1e-9);

    fenster->FokusSetzen(r);
    EXPECT_EQ(teil<QLabel>("ObjektImFokusLinksOben")->text(), QStringLiteral("re0"));
    const TKartenMasse rechteck = KartenMasse(probe, KlassenKartenZeilen(*u.Klassen.RECHTECK));
    EXPECT_NEAR(fenster->Fokusklasse()->Flaeche().DiagrammHoehe, rechteck.Hoehe + 1.0, 1e-9);
    EXPECT_NEAR(fenster->Tabklasse()->Flaeche().DiagrammBreite, rechteck.Breite + 1.0, 1e-9);
}

TEST_F(FAnalysatorTest, EntferntesObjektImFokusWirdZumDokument)
{
    TObjekt *r = u.neu("RECHTECK");
    u.neu("ELLIPSE");
    fenster->Aktualisieren();
    zumObjektbaum();
    fenster->FokusSetzen(r);
    u.Dokument.TeilEntfernen(r).reset(); // freed without telling the window
    EXPECT_EQ(fenster->ObjektImFokus(), &u.Dokument);
    EXPECT_EQ(fenster->FokusrahmenObjekt(), nullptr);
    fenster->FokuskartenNeuZeichnen();
    fenster->Fokusobjekt()->Seite()->grab();
    // The stale diagram rebuilds itself before painting.
    EXPECT_TRUE(fenster->Objektbaum()->Veraltet());
    fenster->Diagramm()->Seite()->grab();
    EXPECT_FALSE(fenster->Objektbaum()->Veraltet());
    EXPECT_EQ(fenster->Objektbaum()->KnotenAnzahl(), 2);
}

TEST_F(FAnalysatorTest, KlassenverzeichnisListetNeunKlassen)
{
    auto *cb = teil<QComboBox>("CBKlassenAuswahl");
    EXPECT_EQ(eintraege(cb), (QStringList{"DOKUMENT", "RECHTECK", "ELLIPSE", "LINIE", "LINIENZUG", "VIELECK",
                                  "PUNKT", "GRUPPE", "TEXTFELD"}));
    EXPECT_EQ(cb->currentText(), QStringLiteral("DOKUMENT"));
    const double hoeheDokument = fenster->Verzeichniskarte()->Flaeche().DiagrammHoehe;
    cb->setCurrentIndex(8);
    TDiagrammFlaeche probe;
    const TKartenMasse textfeld = KartenMasse(probe, KlassenKartenZeilen(*u.Klassen.TEXTFELD));
    EXPECT_NEAR(fenster->Verzeichniskarte()->Flaeche().DiagrammHoehe, textfeld.Hoehe + 1.0, 1e-9);
    EXPECT_GT(fenster->Verzeichniskarte()->Flaeche().DiagrammHoehe, hoeheDokument);
    EXPECT_EQ(fenster->Verzeichniskarte()->Seite()->height(), fenster->Verzeichniskarte()->Flaeche().HoehePixel());
}

TEST_F(FAnalysatorTest, TrennenLaesstKeineVerweiseZurueck)
{
    u.neu("RECHTECK");
    fenster->Trennen();
    aufruf(QStringLiteral("re0")); // no longer observed
    EXPECT_EQ(fenster->Aufrufbaum()->topLevelItemCount(), 0);
    EXPECT_EQ(fenster->Aufrufliste()->ZeilenAnzahl(), 0);
    EXPECT_EQ(fenster->ObjektImFokus(), nullptr);
    fenster->Aktualisieren();
    fenster->Diagramm()->Seite()->grab();
    umbenennen(QStringLiteral("x"));
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST(Fensterlage, RechtsNebenDemHauptfenster)
{
    const TFensterlage lage = AnalysatorFensterlage(QRect(0, 0, 800, 600), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(lage.Rahmen, QRect(800, 0, 1120, 1050));
    EXPECT_EQ(lage.UnteresFeldHoehe, 432);
    const TFensterlage versetzt = AnalysatorFensterlage(QRect(100, 50, 800, 600), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(versetzt.Rahmen, QRect(900, 50, 1020, 1000));
    // A main window across the whole screen leaves no room: the window
    // keeps a usable width at the right edge.
    const TFensterlage voll = AnalysatorFensterlage(QRect(0, 0, 1920, 1050), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(voll.Rahmen, QRect(1920 - AnalysatorMindestBreite, 0, AnalysatorMindestBreite, 1050));
}

// The window takes the frame and lower field height the layout computes
// (checked in numbers above), and its caption.
TEST_F(FAnalysatorTest, PlatzierenRechtsNebenDemHauptfenster)
{
    const QRect bildschirm = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect haupt(bildschirm.left(), bildschirm.top(), bildschirm.width() / 3, bildschirm.height() / 2);
    fenster->Platzieren(haupt);
    const TFensterlage lage = AnalysatorFensterlage(haupt, bildschirm);
    EXPECT_EQ(fenster->frameGeometry(), lage.Rahmen);
    auto *teiler = teil<QSplitter>("Splitter");
    ASSERT_EQ(teiler->sizes().size(), 2);
    EXPECT_NEAR(teiler->sizes()[1], lage.UnteresFeldHoehe, 2);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Analysator-Fenster"));
}

TEST_F(FAnalysatorTest, OffenesAnalysatorfensterHaeltDasProgrammNichtAm)
{
    // The event loop ends when the main window closes although the analyser
    // window is still open.
    const bool vorher = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(true);
    QWidget haupt;
    haupt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt));
    ASSERT_TRUE(fenster->isVisible());
    bool vonHand = false;
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [&] {
        vonHand = true;
        QCoreApplication::quit();
    });
    notbremse.start(3000);
    QTimer::singleShot(0, &haupt, [&] { haupt.close(); });
    QCoreApplication::exec();
    EXPECT_FALSE(vonHand);
    QGuiApplication::setQuitOnLastWindowClosed(vorher);
}
