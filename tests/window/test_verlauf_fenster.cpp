// Undo and redo in the main window with real key events; in the analyser the
// grey entries of undone steps and "Bis hierher zurücknehmen".
#include "fenster_hilfen.h"
#include "analyser/ui/AufrufGitter.h"
#include "analyser/ui/FAnalysator.h"
#include "persistence/ui/DateiBefehle.h"

#include <QContextMenuEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QTreeWidget>

// Readable texts in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

struct VerlaufFenster : Fenster {
    QString texte() const
    {
        return akt().ARueckgaengig->text() + (akt().ARueckgaengig->isEnabled() ? " an" : " aus") + " | " +
               akt().AWiederherstellen->text() + (akt().AWiederherstellen->isEnabled() ? " an" : " aus");
    }
};

} // namespace

TEST_F(VerlaufFenster, TastenMenueUndBeschriftungen)
{
    TRechteck *re0 = kasten(2, 2);
    EXPECT_EQ(f->MenuBearbeiten->actions().mid(0, 2), (QList<QAction *>{akt().ARueckgaengig, akt().AWiederherstellen}));
    EXPECT_EQ(texte().toStdString(), "&Rückgängig aus | &Wiederherstellen aus");

    // A typed call, undone with Strg+Z while the input field has the focus.
    tippen(QStringLiteral("re0.verschieben(20, 10)"));
    EXPECT_DOUBLE_EQ(re0->MitteX, 5);
    EXPECT_EQ(texte().toStdString(), "&Rückgängig: re0.verschieben( 2.00 cm, 10.00 mm ) an | &Wiederherstellen aus");
    ASSERT_TRUE(feld()->hasFocus());
    QTest::keyClick(feld(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    re0 = static_cast<TRechteck *>(dok()->Teile[0].get());
    EXPECT_DOUBLE_EQ(re0->MitteX, 3);
    EXPECT_EQ(feld()->Text(), QStringLiteral("re0.verschieben(20, 10)")) << "the field's text is not touched";
    EXPECT_EQ(texte().toStdString(), "&Rückgängig aus | &Wiederherstellen: re0.verschieben( 2.00 cm, 10.00 mm ) an");
    EXPECT_FALSE(ab().Geaendert);

    // Strg+Y in the drawing does it again, Strg+Umschalt+Z too.
    f->FlaecheFokussieren();
    QTest::keyClick(seite, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(static_cast<TRechteck *>(dok()->Teile[0].get())->MitteX, 5);
    EXPECT_TRUE(ab().Geaendert);
    QTest::keyClick(seite, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(seite, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    re0 = static_cast<TRechteck *>(dok()->Teile[0].get());
    EXPECT_DOUBLE_EQ(re0->MitteX, 5);

    waehlen({re0});
    // During a running drag Strg+Z first ends the gesture, as Escape does.
    ziehenBis(px(5, 3.5), px(9, 6));
    ASSERT_EQ(zustand(), TMauszustand::ObjekteZiehen);
    QTest::keyClick(seite, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(zustand(), TMauszustand::ObjekteZiehen);
    loslassen(px(9, 6));
    re0 = static_cast<TRechteck *>(dok()->Teile[0].get());
    EXPECT_DOUBLE_EQ(re0->MitteX, 3) << "the drag is gone and the step before it undone";
}

TEST_F(VerlaufFenster, GraueEintraegeUndBisHierherZuruecknehmen)
{
    TFAnalysator fenster(f->Analysator(), f->Dokument(), f->Klassen());
    f->AnalysatorFensterAnschliessen(&fenster);
    fenster.show();
    fenster.SBMethodenaufrufeListenansichtClick();
    kasten(2, 2);
    tippen(QStringLiteral("re0.verschieben(1, 0)"));
    tippen(QStringLiteral("re0.drehen(30)"));
    tippen(QStringLiteral("re0.verschieben(0, 1)"));
    TAufrufGitter *liste = fenster.Aufrufliste();
    ASSERT_EQ(liste->ZeilenAnzahl(), 4);
    f->FlaecheFokussieren();
    QTest::keyClick(seite, Qt::Key_Z, Qt::ControlModifier);

    // Row 3 is grey: light grey text, nothing dark; row 2 keeps its colours.
    liste->viewport()->repaint();
    const QImage bild = liste->viewport()->grab().toImage();
    auto zeile = [&](int z) {
        int grau = 0, dunkel = 0;
        const int h = liste->ZeilenHoehe();
        for (int y = z * h; y < (z + 1) * h; ++y)
            for (int x = liste->SpaltenBreite(0); x < std::min(bild.width(), 300); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c.red() < 100 && c.green() < 100 && c.blue() < 100)
                    ++dunkel;
                else if (c.red() == c.green() && c.green() == c.blue() && c.red() < 230)
                    ++grau;
            }
        return std::pair(grau > 0, dunkel > 0);
    };
    EXPECT_EQ(zeile(3), std::pair(true, false));
    EXPECT_EQ(zeile(2).second, true);
    QTreeWidget *baum = fenster.Aufrufbaum();
    ASSERT_EQ(baum->topLevelItemCount(), 4);
    EXPECT_EQ(baum->topLevelItem(3)->foreground(0).color(), QColor(150, 150, 150));

    // "Bis hierher zurücknehmen" on the first typed call undoes the turn.
    const QPoint zeile1(liste->SpaltenBreite(0) + 20, liste->ZeilenHoehe() + 3);
    QContextMenuEvent menueEreignis(QContextMenuEvent::Mouse, zeile1, liste->viewport()->mapToGlobal(zeile1));
    QApplication::sendEvent(liste->viewport(), &menueEreignis);
    QMenu *m = fenster.AufrufMenue();
    ASSERT_TRUE(m->isVisible());
    ASSERT_EQ(m->actions().size(), 1);
    EXPECT_EQ(m->actions()[0]->text(), QStringLiteral("Bis hierher zurücknehmen"));
    m->actions()[0]->trigger();
    m->hide();
    EXPECT_EQ(ab().ErledigteSchritte(), 1);
    EXPECT_EQ(static_cast<TRechteck *>(dok()->Teile[0].get())->Winkel, 0);
    EXPECT_EQ(baum->topLevelItem(2)->foreground(0).color(), QColor(150, 150, 150));

    // A new step removes the grey entries from the list and the tree.
    tippen(QStringLiteral("re0.verschieben(3, 0)"));
    EXPECT_EQ(protokoll(), (QStringList{"re0:RECHTECK", "re0.verschieben( 1.00 mm, 0.00 mm )",
                                        "re0.verschieben( 3.00 mm, 0.00 mm )"}));
    EXPECT_EQ(liste->ZeilenAnzahl(), 3);
    ASSERT_EQ(baum->topLevelItemCount(), 3);
    EXPECT_EQ(baum->topLevelItem(2)->text(0), QStringLiteral("re0.verschieben( 3.00 mm, 0.00 mm )"));
    EXPECT_NE(baum->topLevelItem(2)->foreground(0).color(), QColor(150, 150, 150));

    // The tree follows the newest entry while it shows the end, like the
    // list; scrolled back, it stays.
    fenster.SBMethodenaufrufeBaumClick();
    for (int i = 0; i < 60; ++i)
        ab().AufrufAusfuehren(QStringLiteral("re0.drehen(1)"), 13, zf());
    QApplication::processEvents();
    QScrollBar *leiste = baum->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 0);
    EXPECT_EQ(leiste->value(), leiste->maximum());
    leiste->setValue(0);
    ab().AufrufAusfuehren(QStringLiteral("re0.drehen(1)"), 13, zf());
    QApplication::processEvents();
    EXPECT_EQ(leiste->value(), 0);

    // "Neu" starts a fresh log: no `freigeben()` for the old figure.
    f->DateiBefehle->Rueckfrage = [](const QString &) { return QMessageBox::No; };
    f->DateiBefehle->ANeuExecute();
    EXPECT_TRUE(protokoll().isEmpty());
    EXPECT_EQ(liste->ZeilenAnzahl(), 0);
    EXPECT_EQ(baum->topLevelItemCount(), 0);
    EXPECT_FALSE(akt().ARueckgaengig->isEnabled());
    fenster.Trennen();
}
