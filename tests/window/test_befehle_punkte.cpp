// The point commands of polylines on the handle under the mouse, and the
// endings of a right-button drag.
#include "BefehlHilfen.h"

using namespace befehlhilfe;

namespace {

TLinienZug *linienzug(Fenster &w, std::initializer_list<TWeltPunkt> punkte, std::uint8_t art = 0)
{
    auto o = w.ab.Klassen().ObjektErzeugen(QStringLiteral("LINIENZUG"));
    auto *lz = static_cast<TLinienZug *>(o.get());
    for (const TWeltPunkt &p : punkte)
        lz->PunktAnhaengen(p.X, p.Y, art);
    o->NamenVergeben();
    o->ErzeugungProtokollieren();
    w.ab.Dokument().TeilAnhaengen(std::move(o));
    lz->GeometrieBerechnen();
    lz->RahmenZuruecksetzen();
    return lz;
}

QStringList sichtbarePunktbefehle(Fenster &w)
{
    QStringList t;
    for (QAction *a : {w.akt.AIn_Gerade_verwandeln, w.akt.AIn_Kurve_verwandeln, w.akt.APunktLoeschen,
                       w.akt.ALinienZugOeffnen, w.akt.ALinienZugSchliessen})
        if (a->isVisible())
            t << a->text();
    return t;
}

} // namespace

TEST(Punktbefehle, ZweiPunkteLassenSichWederLoeschenNochSchliessen)
{
    Fenster w;
    TLinienZug *lz = linienzug(w, {{2, 2}, {8, 5}});
    w.waehlen({lz});
    const std::size_t vorher = w.protokollGroesse();

    QMenu *m = w.kontextmenue(2, 2); // on the first vertex
    EXPECT_EQ(sichtbarePunktbefehle(w), (QStringList{"Punkt löschen", "Linienzug Schließen"}));
    EXPECT_TRUE(w.akt.TrennerPunkte->isVisible());
    Fenster::klicken(m, w.akt.APunktLoeschen);
    EXPECT_EQ(lz->PunktAnzahl(), 2);
    m = w.kontextmenue(2, 2);
    Fenster::klicken(m, w.akt.ALinienZugSchliessen);
    EXPECT_EQ(lz->Geschlossen, 0);
    EXPECT_EQ(w.protokollGroesse(), vorher);
    EXPECT_FALSE(w.ab.Geaendert);
}

TEST(Punktbefehle, DreiPunkte_LoeschenSchliessenBogenUndGerade)
{
    Fenster w;
    TLinienZug *lz = linienzug(w, {{2, 2}, {8, 2}, {8, 8}, {2, 8}});
    w.waehlen({lz});
    const std::size_t vorher = w.protokollGroesse();

    // The segment handle between the first two points.
    QMenu *m = w.kontextmenue(5, 2);
    EXPECT_EQ(sichtbarePunktbefehle(w), (QStringList{"Linienabschnitt in Bogen verwandeln", "Linienzug Schließen"}));
    Fenster::klicken(m, w.akt.AIn_Kurve_verwandeln);
    EXPECT_EQ(lz->Punkt(0)->AbschnittArt, 1);
    EXPECT_EQ(lz->Punkt(1)->AbschnittArt, 0);
    // The bow now bulges; its handle is found again on the curve's middle
    // only approximately, so take the command from the vertex instead.
    m = w.kontextmenue(8, 8);
    EXPECT_EQ(sichtbarePunktbefehle(w), (QStringList{"Punkt löschen", "Linienzug Schließen"}));
    Fenster::klicken(m, w.akt.APunktLoeschen);
    ASSERT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_TRUE(nahe(lz->Punkt(2)->X, 2));
    EXPECT_TRUE(nahe(lz->Punkt(2)->Y, 8));
    m = w.kontextmenue(2, 8);
    Fenster::klicken(m, w.akt.ALinienZugSchliessen);
    EXPECT_EQ(lz->Geschlossen, 1);
    m = w.kontextmenue(8, 2);
    EXPECT_EQ(sichtbarePunktbefehle(w), (QStringList{"Punkt löschen", "Linienzug Öffnen"}));
    Fenster::klicken(m, w.akt.ALinienZugOeffnen);
    EXPECT_EQ(lz->Geschlossen, 0);
    // The frame follows the vertices.
    EXPECT_TRUE(nahe(lz->Winkel, 0));
    // Nothing recorded, nothing modified.
    EXPECT_EQ(w.protokollGroesse(), vorher);
    EXPECT_FALSE(w.ab.Geaendert);

    // Back to straight on the curved segment, found where the mouse is.
    lz->Punkt(1)->AbschnittArt = 1;
    lz->Punkt(0)->AbschnittArt = 0;
    lz->GeometrieBerechnen();
    w.fenster.GriffeNeuErzeugen();
    m = w.kontextmenue(5, 2);
    // point 1 -> 2 is curved now, but 0 -> 1 is straight and under the mouse
    EXPECT_TRUE(w.akt.AIn_Kurve_verwandeln->isVisible());
    EXPECT_FALSE(w.akt.AIn_Gerade_verwandeln->isVisible());
    m->hide();
}

TEST(RechtsZiehen, HierherKopierenLaesstDieKopienGewaehlt)
{
    Fenster w;
    TRechteck *a = w.rechteck(1, 1), *b = w.rechteck(4, 1), *c = w.rechteck(7, 1);
    w.rechteck(1, 10); // not selected
    w.waehlen({c, a, b});
    const std::size_t vorher = w.protokollGroesse();

    const QPoint start = w.pixel(2, 1.5), ziel = w.pixel(2, 5.5);
    QTest::mouseMove(w.seite(), start);
    QTest::mousePress(w.seite(), Qt::RightButton, {}, start);
    for (int i = 1; i <= 10; ++i) {
        QMouseEvent bewegung(QEvent::MouseMove, start + (ziel - start) * i / 10,
                             w.seite()->mapToGlobal(start + (ziel - start) * i / 10), Qt::NoButton,
                             Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(w.seite(), &bewegung);
    }
    QTest::mouseRelease(w.seite(), Qt::RightButton, {}, ziel);
    QApplication::processEvents();
    QMenu *m = w.fenster.PopupMenuVerschieben;
    ASSERT_TRUE(m->isVisible());
    Fenster::klicken(m, w.fenster.AHierherKopieren);

    // The copies replace their sources in the selection, in front of all.
    ASSERT_EQ(w.ab.Dokument().Teile.size(), 7u);
    ASSERT_EQ(w.ab.Auswahl.size(), 3u);
    const double dy = w.zf().YWelt(ziel.y()) - w.zf().YWelt(start.y());
    EXPECT_NEAR(dy, 4.0, 0.05);
    for (int i = 0; i < 3; ++i) {
        TZeichenObjekt *kopie = w.ab.Auswahl[std::size_t(i)];
        TZeichenObjekt *quelle = std::vector<TZeichenObjekt *>{c, a, b}[std::size_t(i)];
        EXPECT_NE(kopie, quelle);
        EXPECT_TRUE(nahe(kopie->Umgebungsrechteck.Links, quelle->Umgebungsrechteck.Links, 1e-6));
        EXPECT_TRUE(nahe(kopie->Umgebungsrechteck.Unten, quelle->Umgebungsrechteck.Unten + dy, 1e-6));
        EXPECT_TRUE(nahe(quelle->Umgebungsrechteck.Unten, 1.0)) << "the source stays";
    }
    // In drawing order the copies keep their sources' order (a, b, c).
    EXPECT_EQ(w.ab.Dokument().Teile[4]->Name, QStringLiteral("re4"));
    EXPECT_EQ(w.ab.Auswahl[1]->Name, QStringLiteral("re4"));
    EXPECT_EQ(w.ab.Auswahl[2]->Name, QStringLiteral("re5"));
    EXPECT_EQ(w.ab.Auswahl[0]->Name, QStringLiteral("re6"));
    EXPECT_EQ(w.protokollAb(vorher).size(), 6) << "three creations, three moves";
    EXPECT_TRUE(w.ab.Geaendert);
}
