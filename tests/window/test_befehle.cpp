// The editing commands of the main window, driven through the context menu,
// the menu bar and the keyboard shortcuts with real events; the point
// commands of polylines on the handle under the mouse.
#include "FensterTest.h"

#include <QMenuBar>

struct Befehle : Fenster {
    TLinienZug *linienzug(std::initializer_list<TWeltPunkt> punkte)
    {
        auto o = ab().Klassen().ObjektErzeugen(QStringLiteral("LINIENZUG"));
        auto *lz = static_cast<TLinienZug *>(o.get());
        for (const TWeltPunkt &p : punkte)
            lz->PunktAnhaengen(p.X, p.Y, 0);
        o->NamenVergeben();
        o->ErzeugungProtokollieren();
        dok()->TeilAnhaengen(std::move(o));
        lz->GeometrieBerechnen();
        lz->RahmenZuruecksetzen();
        return lz;
    }
    QStringList sichtbarePunktbefehle() const
    {
        QStringList t;
        for (QAction *a : {akt().AIn_Gerade_verwandeln, akt().AIn_Kurve_verwandeln, akt().APunktLoeschen,
                           akt().ALinienZugOeffnen, akt().ALinienZugSchliessen})
            if (a->isVisible())
                t << a->text();
        return t;
    }
};
using Zwischenablage = Befehle;
using Reihenfolge = Befehle;
using Ausrichten = Befehle;
using SpiegelnKippen = Befehle;
using Gruppieren = Befehle;
using Kontextmenue = Befehle;
using Punktbefehle = Befehle;
using Sperren = Befehle;

TEST_F(Zwischenablage, ZweimalEinfuegenVersetztUmEinUndZweiMillimeterUndProtokolliertNurErzeugungen)
{
    TRechteck *re0 = kasten(1, 1);
    waehlen({re0});
    f->FlaecheFokussieren();
    const int vorher = anzahl();

    QTest::keyClick(seite, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(ab().Zwischenablage.size(), 1u);
    EXPECT_TRUE(ab().Zwischenablage.front()->Vorschau);
    EXPECT_EQ(anzahl(), vorher) << "copying records nothing";
    EXPECT_FALSE(ab().Geaendert) << "copying does not modify";
    EXPECT_TRUE(akt().AEinfuegen->isEnabled());

    QTest::keyClick(seite, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(seite, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(dok()->Teile.size(), 3u);
    for (int i = 1; i <= 2; ++i) {
        auto *kopie = static_cast<TZeichenObjekt *>(dok()->Teile[std::size_t(i)].get());
        EXPECT_EQ(kopie->Name, QStringLiteral("re%1").arg(i));
        EXPECT_TRUE(nahe(kopie->Umgebungsrechteck.Links, 1 + 0.1 * i));
        EXPECT_TRUE(nahe(kopie->Umgebungsrechteck.Unten, 1 + 0.1 * i));
        EXPECT_FALSE(kopie->Vorschau);
    }
    EXPECT_TRUE(nahe(re0->Umgebungsrechteck.Links, 1.0)) << "the source stays";
    // Only the two creations are recorded: the clipboard copy moves silently.
    EXPECT_EQ(neueEintraege(vorher), (QStringList{"re1:RECHTECK", "re2:RECHTECK"}));
    EXPECT_EQ(namen(auswahl()), QStringList{QStringLiteral("re2")});
    EXPECT_TRUE(ab().Geaendert);

    // The clipboard holds independent copies: deleting the source does not
    // stop pasting.
    waehlen({re0});
    QTest::keyClick(seite, Qt::Key_Delete);
    // Copy needs a selection: after Delete its item is off, and copying
    // nothing keeps the clipboard (before, Strg+C emptied it).
    EXPECT_FALSE(akt().AKopieren->isEnabled());
    QTest::keyClick(seite, Qt::Key_C, Qt::ControlModifier);
    akt().AKopierenExecute();
    ASSERT_EQ(ab().Zwischenablage.size(), 1u);
    QTest::keyClick(seite, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dokumentNamen(), (QStringList{"re1", "re2", "re3"}));
}

// Strg+C during a drag or while a new figure is dragged open cancels the
// gesture first, as cut and paste do: no outline stays on the sheet.
TEST_F(Zwischenablage, StrgCBrichtEinenLaufendenZugAb)
{
    TRechteck *re0 = kasten(2, 20); // in view: previews draw onto the cached image
    for (const bool werkzeug : {false, true}) {
        SCOPED_TRACE(werkzeug ? "neue Figur" : "Figur ziehen");
        waehlen({re0});
        f->Neuzeichnen();
        const QImage vorher = f->Zeichenbereich->Puffer().copy();
        if (werkzeug)
            QTest::mouseClick(f->SBEllipse, Qt::LeftButton);
        const QPoint start = werkzeug ? px(8, 18) : px(3, 20.5);
        mausZiehenBis(seite, start, start + QPoint(60, 40));
        ASSERT_EQ(zustand(), werkzeug ? TMauszustand::FigurAufziehen : TMauszustand::ObjekteZiehen);
        ASSERT_NE(f->Zeichenbereich->Puffer(), vorher);
        QTest::keyClick(seite, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f->Zeichenbereich->Puffer(), vorher);
        EXPECT_FALSE(f->Steuerung->GesteLaeuft());
        ASSERT_EQ(ab().Zwischenablage.size(), 1u);
        EXPECT_EQ(ab().Zwischenablage.front()->KlassenId, KlasseRechteck);
        QTest::mouseRelease(seite, Qt::LeftButton, {}, start + QPoint(60, 40));
        EXPECT_EQ(dokumentNamen(), QStringList{QStringLiteral("re0")});
        EXPECT_DOUBLE_EQ(re0->Umgebungsrechteck.Links, 2.0);
        EXPECT_DOUBLE_EQ(re0->Umgebungsrechteck.Unten, 20.0);
    }
}

TEST_F(Zwischenablage, ZweiAusschneidenUndEinfuegenWaehltBeide)
{
    TRechteck *a = kasten(1, 1);
    kasten(4, 1);
    TRechteck *c = kasten(7, 1);
    waehlen({c, a});
    const int vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(dokumentNamen(), QStringList{QStringLiteral("re1")});
    EXPECT_EQ(neueEintraege(vorher), (QStringList{"re2.freigeben()", "re0.freigeben()"}));
    EXPECT_TRUE(auswahl().empty());
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_FALSE(akt().AKopieren->isEnabled());
    EXPECT_TRUE(akt().AEinfuegen->isEnabled());

    ab().Geaendert = false;
    const int nachSchnitt = anzahl();
    // Paste through the context menu on the empty sheet.
    QMenu *m = kontextmenue(15, 20);
    menueKlicken(m, akt().AEinfuegen);
    EXPECT_EQ(namen(auswahl()), (QStringList{"re3", "re4"}));
    EXPECT_EQ(neueEintraege(nachSchnitt).size(), 2);
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_TRUE(nahe(auswahl()[0]->Umgebungsrechteck.Links, 7.1));
    EXPECT_TRUE(nahe(auswahl()[1]->Umgebungsrechteck.Links, 1.1));
}

TEST_F(Reihenfolge, InDenHintergrundMitDenZweiVorderstenBehaeltIhreOrdnung)
{
    kasten(1, 1);
    kasten(2, 2);
    TRechteck *c = kasten(3, 3), *d = kasten(4, 4);
    waehlen({d, c}); // selection order differs from the drawing order
    const int vorher = anzahl();
    kontextmenue(4.5, 4.5); // over d, selected: the selection stays
    EXPECT_EQ(auswahl().size(), 2u);
    EXPECT_TRUE(akt().MenuReihenfolge->menuAction()->isEnabled());
    imUntermenueKlicken(akt().MenuReihenfolge, akt().AInDenHintergrund);
    EXPECT_EQ(dokumentNamen(), (QStringList{"re2", "re3", "re0", "re1"}));
    EXPECT_EQ(neueEintraege(vorher), (QStringList{"re3.inDenHintergrundSetzen(  )", "re2.inDenHintergrundSetzen(  )"}));
    EXPECT_TRUE(ab().Geaendert);

    // In den Vordergrund brings them back in front, still in order.
    akt().AInDenVordergrund->trigger();
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re1", "re2", "re3"}));
    // One level: only with exactly one figure selected.
    EXPECT_FALSE(akt().AEineEbeneNachHinten->isEnabled());
    waehlen({c});
    EXPECT_TRUE(akt().AEineEbeneNachHinten->isEnabled());
    akt().AEineEbeneNachHinten->trigger();
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re2", "re1", "re3"}));
}

TEST_F(Ausrichten, LinksbuendigProtokolliertJeFigurEinVerschieben)
{
    TRechteck *a = kasten(1, 1), *b = kasten(3, 4, 1, 2), *c = kasten(5, 7, 3, 1);
    waehlen({a, b, c});
    const int vorher = anzahl();
    kontextmenue(5.5, 7.5);
    ASSERT_TRUE(akt().MenuAusrichtenPopup->menuAction()->isVisible());
    imUntermenueKlicken(akt().MenuAusrichtenPopup, akt().ALinksbuendig);
    EXPECT_EQ(neueEintraege(vorher), (QStringList{"re0.verschieben( 0.00 mm, 0.00 mm )",
                                                  "re1.verschieben( -2.00 cm, 0.00 mm )",
                                                  "re2.verschieben( -4.00 cm, 0.00 mm )"}));
    for (auto *fig : {a, b, c})
        EXPECT_TRUE(nahe(fig->Umgebungsrechteck.Links, 1.0));
    EXPECT_FALSE(ab().Geaendert) << "aligning does not set the modified flag";

    // The other five through the menu bar's actions (bottoms were 7, 6, 7).
    const struct {
        QAction *aktion;
        double (*wert)(const TZeichenObjekt *);
        double soll;
    } faelle[] = {
        {akt().ARechtsbuendig, [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Rechts; }, 4},
        {akt().AObenbuendig, [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Oben; }, 8},
        {akt().AUntenbuendig, [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Unten; }, 6},
        {akt().AHorizontalZentrieren,
         [](const TZeichenObjekt *o) { return (o->Umgebungsrechteck.Links + o->Umgebungsrechteck.Rechts) / 2; }, 2.5},
        {akt().AVertikalZentrieren,
         [](const TZeichenObjekt *o) { return (o->Umgebungsrechteck.Unten + o->Umgebungsrechteck.Oben) / 2; }, 7},
    };
    for (const auto &fall : faelle) {
        fall.aktion->trigger();
        for (auto *fig : {a, b, c})
            EXPECT_TRUE(nahe(fall.wert(fig), fall.soll)) << fall.aktion->text().toStdString();
    }
    EXPECT_FALSE(ab().Geaendert);
    // The menu bar's "Ausrichten" shows the eight commands with separators.
    QStringList texte;
    for (QAction *a : f->MenuAusrichten->actions())
        texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texte, (QStringList{"Horizontal verteilen", "Vertikal verteilen", "-", "&Linksbündig",
                                  "&Rechtsbündig", "&Oben bündig", "&Unten bündig", "-",
                                  "&Horizontal zentrieren", "&Vertikal zentrieren"}));
}

TEST_F(Ausrichten, VerteilenLaesstDieAeusserenUndOrdnetDieAuswahl)
{
    TRechteck *a = kasten(0, 0, 2), *b = kasten(10, 5, 2), *c = kasten(3, 2, 1);
    waehlen({b, c});
    EXPECT_FALSE(akt().AHorizontalVerteilen->isEnabled()) << "needs three";
    waehlen({b, a, c});
    ASSERT_TRUE(akt().AHorizontalVerteilen->isEnabled());
    akt().AHorizontalVerteilen->trigger();
    EXPECT_EQ(auswahl(), (std::vector<TZeichenObjekt *>{a, c, b})) << "left to right";
    EXPECT_TRUE(nahe(a->Umgebungsrechteck.Links, 0));
    EXPECT_TRUE(nahe(b->Umgebungsrechteck.Links, 10));
    // widths 2 + 1 + 2 in a span of 12: gaps of 3.5
    EXPECT_TRUE(nahe(c->Umgebungsrechteck.Links, 5.5));
    EXPECT_TRUE(nahe(c->Umgebungsrechteck.Unten, 2)) << "only horizontally";

    akt().AVertikalVerteilen->trigger();
    EXPECT_EQ(auswahl(), (std::vector<TZeichenObjekt *>{a, c, b})) << "bottom to top";
    EXPECT_TRUE(nahe(a->Umgebungsrechteck.Unten, 0));
    EXPECT_TRUE(nahe(b->Umgebungsrechteck.Unten, 5));
    // heights 1 each in a span of 6: gaps of 1.5
    EXPECT_TRUE(nahe(c->Umgebungsrechteck.Unten, 2.5));
    EXPECT_FALSE(ab().Geaendert);
}

TEST_F(SpiegelnKippen, KippenNachRechtsGibtWinkel270UndSetztNichtsGeaendert)
{
    TRechteck *re0 = kasten(2, 2, 4, 2);
    waehlen({re0});
    const int vorher = anzahl();
    kontextmenue(3, 2.5);
    ASSERT_TRUE(akt().MenuSpiegelnKippen->menuAction()->isVisible());
    EXPECT_FALSE(akt().MenuAusrichtenPopup->menuAction()->isVisible()) << "one figure cannot be aligned";
    imUntermenueKlicken(akt().MenuSpiegelnKippen, akt().AKippenNachRechts);
    EXPECT_TRUE(nahe(re0->Winkel, 270));
    EXPECT_TRUE(nahe(re0->MitteX, 4)) << "turned about its own centre";
    EXPECT_TRUE(nahe(re0->Umgebungsrechteck.Links, 3, 1e-6));
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("re0.drehen( -90.00° )")});
    akt().AKippenNachLinks->trigger();
    EXPECT_TRUE(nahe(re0->Winkel, 0, 1e-9) || nahe(re0->Winkel, 360, 1e-9));
    akt().AHorizontalSpiegeln->trigger();
    akt().AVertikalSpiegeln->trigger();
    EXPECT_EQ(neueEintraege(vorher).mid(2),
              (QStringList{"re0.horizontalSpiegeln(  )", "re0.vertikalSpiegeln(  )"}));
    EXPECT_FALSE(ab().Geaendert);
}

TEST_F(Gruppieren, UeberKontextmenueUndAufhebenSetztGeaendertNurBeimAufheben)
{
    TRechteck *a = kasten(1, 1), *b = kasten(5, 1);
    waehlen({a});
    kontextmenue(2, 1.5);
    EXPECT_FALSE(akt().AGruppieren->isEnabled()) << "one figure";
    f->PopupMenuObjekt->hide();
    waehlen({a, b});
    const int vorher = anzahl();
    QMenu *m = kontextmenue(2, 1.5);
    ASSERT_TRUE(akt().AGruppieren->isEnabled());
    EXPECT_FALSE(akt().AGruppierungAufheben->isEnabled());
    menueKlicken(m, akt().AGruppieren);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    EXPECT_EQ(dok()->Teile[0]->Name, QStringLiteral("gr0"));
    EXPECT_EQ(namen(auswahl()), QStringList{QStringLiteral("gr0")});
    const QStringList neu = neueEintraege(vorher);
    ASSERT_FALSE(neu.isEmpty());
    EXPECT_TRUE(neu.front().startsWith(QStringLiteral("gr0"))) << neu.front().toStdString();
    EXPECT_FALSE(ab().Geaendert) << "grouping does not modify";

    const int vorAufheben = anzahl();
    m = kontextmenue(2, 1.5);
    ASSERT_TRUE(akt().AGruppierungAufheben->isEnabled());
    EXPECT_FALSE(akt().AGruppieren->isEnabled());
    menueKlicken(m, akt().AGruppierungAufheben);
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re1"}));
    EXPECT_EQ(auswahl().size(), 2u);
    EXPECT_EQ(neueEintraege(vorAufheben), QStringList{QStringLiteral("gr0.freigeben()")});
    EXPECT_TRUE(ab().Geaendert);
}

TEST_F(Kontextmenue, UntermenueNurFuerEinVieleckUndSetztNichtsGeaendert)
{
    auto *ve = figur<TVielEck>(QStringLiteral("VIELECK"), 2, 2, 3, 3);
    TRechteck *re = kasten(8, 2);
    ASSERT_EQ(akt().Eckenzahlen.size(), 10u);
    EXPECT_EQ(akt().Eckenzahlen.front()->text(), QStringLiteral("3-Eck"));
    EXPECT_EQ(akt().Eckenzahlen.back()->text(), QStringLiteral("12-Eck"));
    EXPECT_EQ(akt().Eckenzahlen.back()->data().toInt(), 12);

    waehlen({ve, re});
    kontextmenue(3.5, 3.5);
    EXPECT_FALSE(akt().MenuEckenzahl->menuAction()->isVisible());
    f->PopupMenuObjekt->hide();
    waehlen({ve});
    const int vorher = anzahl();
    kontextmenue(3.5, 3.5);
    ASSERT_TRUE(akt().MenuEckenzahl->menuAction()->isVisible());
    imUntermenueKlicken(akt().MenuEckenzahl, akt().Eckenzahlen[2]); // 5-Eck
    EXPECT_EQ(ve->Eckenzahl, 5);
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("ve0.eckenzahlSetzen( 5 )")});
    EXPECT_FALSE(ab().Geaendert);
}

TEST_F(Kontextmenue, AufLeeremBlattOhneAuswahlbefehle)
{
    kasten(1, 1);
    QMenu *m = kontextmenue(15, 20);
    EXPECT_TRUE(m->isVisible());
    EXPECT_TRUE(auswahl().empty());
    EXPECT_FALSE(akt().MenuReihenfolge->menuAction()->isEnabled());
    EXPECT_TRUE(akt().MenuReihenfolge->menuAction()->isVisible());
    EXPECT_FALSE(akt().MenuAusrichtenPopup->menuAction()->isVisible());
    EXPECT_FALSE(akt().MenuSpiegelnKippen->menuAction()->isVisible());
    EXPECT_FALSE(akt().MenuEckenzahl->menuAction()->isVisible());
    EXPECT_FALSE(akt().TrennerPunkte->isVisible());
    EXPECT_EQ(sichtbarePunktbefehle(), QStringList());
    EXPECT_FALSE(akt().AKopieren->isEnabled());
    EXPECT_FALSE(akt().AEinfuegen->isEnabled());
    EXPECT_TRUE(akt().AAttributeBearbeiten->isVisible());
    EXPECT_FALSE(akt().AAttributeBearbeiten->isEnabled()) << "it carries no command";
    m->hide();
    // Also over a selected figure, where the commands around it are enabled.
    kontextmenue(2, 1.5);
    ASSERT_EQ(auswahl().size(), 1u);
    EXPECT_TRUE(akt().AKopieren->isEnabled());
    EXPECT_TRUE(akt().AAttributeBearbeiten->isVisible());
    EXPECT_FALSE(akt().AAttributeBearbeiten->isEnabled());
    // Categories and shortcuts.
    EXPECT_EQ(akt().AKopieren->property("kategorie").toString(), QStringLiteral("Bearbeiten"));
    EXPECT_EQ(akt().APunktLoeschen->property("kategorie").toString(), QStringLiteral("Punkte_bearbeiten"));
    EXPECT_EQ(akt().AKippenNachRechts->data().toInt(), -1);
    EXPECT_EQ(akt().AEinfuegen->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
    EXPECT_EQ(akt().AAusschneiden->statusTip(), QStringLiteral("Markiertes Objekt in die Zwischenablage verschieben"));
}

TEST_F(Punktbefehle, LoeschenSchliessenBogenUndGerade)
{
    TLinienZug *lz = linienzug({{2, 2}, {8, 2}, {8, 8}, {2, 8}});
    waehlen({lz});
    const int vorher = anzahl();

    // The segment handle between the first two points.
    QMenu *m = kontextmenue(5, 2);
    EXPECT_EQ(sichtbarePunktbefehle(), (QStringList{"Linienabschnitt in Bogen verwandeln", "Linienzug Schließen"}));
    menueKlicken(m, akt().AIn_Kurve_verwandeln);
    EXPECT_EQ(lz->Punkt(0)->AbschnittArt, 1);
    EXPECT_EQ(lz->Punkt(1)->AbschnittArt, 0);
    // The bow now bulges; its handle is found again on the curve's middle
    // only approximately, so take the command from the vertex instead.
    m = kontextmenue(8, 8);
    EXPECT_EQ(sichtbarePunktbefehle(), (QStringList{"Punkt löschen", "Linienzug Schließen"}));
    menueKlicken(m, akt().APunktLoeschen);
    ASSERT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_TRUE(nahe(lz->Punkt(2)->X, 2));
    EXPECT_TRUE(nahe(lz->Punkt(2)->Y, 8));
    m = kontextmenue(2, 8);
    menueKlicken(m, akt().ALinienZugSchliessen);
    EXPECT_EQ(lz->Geschlossen, 1);
    m = kontextmenue(8, 2);
    EXPECT_EQ(sichtbarePunktbefehle(), (QStringList{"Punkt löschen", "Linienzug Öffnen"}));
    menueKlicken(m, akt().ALinienZugOeffnen);
    EXPECT_EQ(lz->Geschlossen, 0);
    // The frame follows the vertices.
    EXPECT_TRUE(nahe(lz->Winkel, 0));
    // Nothing recorded, nothing modified.
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_FALSE(ab().Geaendert);

    // Two points can neither lose one nor be closed.
    TLinienZug *zwei = linienzug({{12, 2}, {18, 5}});
    waehlen({zwei});
    const int nachZwei = anzahl();
    m = kontextmenue(12, 2); // on the first vertex
    EXPECT_EQ(sichtbarePunktbefehle(), (QStringList{"Punkt löschen", "Linienzug Schließen"}));
    EXPECT_TRUE(akt().TrennerPunkte->isVisible());
    menueKlicken(m, akt().APunktLoeschen);
    EXPECT_EQ(zwei->PunktAnzahl(), 2);
    m = kontextmenue(12, 2);
    menueKlicken(m, akt().ALinienZugSchliessen);
    EXPECT_EQ(zwei->Geschlossen, 0);
    EXPECT_EQ(anzahl(), nachZwei);
    EXPECT_FALSE(ab().Geaendert);
    waehlen({lz});

    // Back to straight on the curved segment, found where the mouse is.
    lz->Punkt(1)->AbschnittArt = 1;
    lz->Punkt(0)->AbschnittArt = 0;
    lz->GeometrieBerechnen();
    f->GriffeNeuErzeugen();
    m = kontextmenue(5, 2);
    // point 1 -> 2 is curved now, but 0 -> 1 is straight and under the mouse
    EXPECT_TRUE(akt().AIn_Kurve_verwandeln->isVisible());
    EXPECT_FALSE(akt().AIn_Gerade_verwandeln->isVisible());
    m->hide();
}

// Outside teacher mode cut, alignment and distribution leave figures locked
// against the mouse alone, as Delete does; a locked figure still counts as
// the edge the others are aligned to. In teacher mode the lock does not apply.
TEST_F(Sperren, AusschneidenAusrichtenVerteilenLassenGesperrteLiegen)
{
    TRechteck *rahmen = kasten(1, 1, 2, 1), *b = kasten(5, 3, 2, 1), *c = kasten(12, 5, 2, 1);
    rahmen->MausGesperrt = 1;
    waehlen({rahmen});
    f->FlaecheFokussieren();
    const int vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re1", "re2"}));
    EXPECT_TRUE(ab().Zwischenablage.empty());
    EXPECT_FALSE(akt().AAusschneiden->isEnabled());
    EXPECT_TRUE(akt().AKopieren->isEnabled());
    EXPECT_EQ(anzahl(), vorher);

    // Menu bar "Ausrichten": re0 stays, the others line up with it.
    waehlen({rahmen, b, c});
    EXPECT_FALSE(akt().AAusschneiden->isEnabled());
    const struct {
        QAction *aktion;
        double (*wert)(const TZeichenObjekt *);
        double re0, andere;
    } faelle[] = {
        {akt().ARechtsbuendig, [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Rechts; }, 3, 14},
        {akt().ALinksbuendig, [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Links; }, 1, 1},
        {akt().AObenbuendig, [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Oben; }, 2, 6},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.aktion->text().toStdString());
        fall.aktion->trigger();
        EXPECT_TRUE(nahe(fall.wert(rahmen), fall.re0));
        EXPECT_TRUE(nahe(fall.wert(b), fall.andere));
        EXPECT_TRUE(nahe(fall.wert(c), fall.andere));
    }
    EXPECT_TRUE(nahe(rahmen->Umgebungsrechteck.Unten, 1));

    // Distribution: a locked figure in the middle stays where it is.
    TRechteck *d = kasten(0, 10, 1, 1), *e = kasten(4, 10, 1, 1), *g = kasten(10, 10, 1, 1);
    e->MausGesperrt = 1;
    waehlen({d, e, g});
    akt().AHorizontalVerteilen->trigger();
    EXPECT_TRUE(nahe(e->Umgebungsrechteck.Links, 4));

    // Teacher mode: the same commands move and cut the locked figure.
    ab().Lehrermodus = true;
    akt().AHorizontalVerteilen->trigger();
    EXPECT_TRUE(nahe(e->Umgebungsrechteck.Links, 5));
    waehlen({rahmen});
    EXPECT_TRUE(akt().AAusschneiden->isEnabled());
    f->FlaecheFokussieren();
    QTest::keyClick(seite, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(dokumentNamen().contains(QStringLiteral("re0")));
    EXPECT_EQ(ab().Zwischenablage.size(), 1u);
}
