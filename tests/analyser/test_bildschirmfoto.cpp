// A click on an object card focuses the object and selects its outermost
// group in the main window. The scene is the documentation's picture
// analysator.png (main window and analyser side by side), saved when
// FIGURO_SCREENSHOTS names a folder.
#include "analyser_hilfen.h"
#include "analyser/ui/DiagrammScrollBox.h"
#include "analyser/ui/FAnalysator.h"
#include "common/gemeinsame_hilfen.h"
#include "figures/LinienZug.h"
#include "persistence/Dokumentdatei.h"
#include "window/ui/FMain.h"
#include "window/ui/MyScrollBox.h"

#include <QPainter>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

TEST(Bildschirmfoto, AnalysatorNebenDemHauptfenster)
{
    TFMain haupt(false);
    TFAnalysator analysator(haupt.Analysator(), haupt.Dokument(), haupt.Klassen());
    haupt.AnalysatorFensterAnschliessen(&analysator);
    haupt.resize(820, 700);
    haupt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt));
    ASSERT_TRUE(analysator.isVisible());

    // Two trees (groups of trunk and crown) and a curved polyline.
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

    // A click on the crown of the first tree: the group is selected in the
    // main window, the crown is in focus and framed green on the drawing.
    analysator.findChild<QTabWidget *>(QStringLiteral("PCAnalysator"))->setCurrentIndex(1);
    TObjekt *krone = haupt.Dokument()->Teile[0]->Teile[1].get();
    const TDiagrammFlaeche &f = analysator.Diagramm()->Flaeche();
    const QPointF mitte = analysator.Objektbaum()->KnotenZuObjekt(krone)->Bildrechteck().center();
    QTest::mouseClick(analysator.Diagramm()->Seite(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(f.XPixel(mitte.x()), f.YPixel(mitte.y())));
    ASSERT_EQ(analysator.ObjektImFokus(), krone);
    EXPECT_EQ(haupt.Auswahl(), std::vector<TZeichenObjekt *>{dynamic_cast<TZeichenObjekt *>(haupt.Dokument()->Teile[0].get())});
    analysator.resize(1060, 700);
    // The trees lie in the lower half of the sheet.
    haupt.Zeichenbereich->verticalScrollBar()->setValue(400);
    QTest::qWait(50);

    const QPixmap links = haupt.grab();
    const QPixmap rechts = analysator.grab();
    QPixmap bild(links.width() + 8 + rechts.width(), std::max(links.height(), rechts.height()));
    bild.fill(QColor(90, 90, 90));
    {
        QPainter p(&bild);
        p.drawPixmap(0, 0, links);
        p.drawPixmap(links.width() + 8, 0, rechts);
    }
    EXPECT_TRUE(testhilfe::bildschirmfotoSichern(bild.toImage(), QStringLiteral("analysator.png")));
}
