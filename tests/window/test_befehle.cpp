// The editing commands through the context menu, the menu bar and the keys,
// with real events; the point commands of polylines.
#include "fenster_hilfen.h"

namespace {

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
    // The document's parts as "name box", " Vorschau" for a preview.
    QStringList boxen() const
    {
        QStringList t;
        for (auto &teil : dok()->Teile) {
            auto *fig = static_cast<TZeichenObjekt *>(teil.get());
            t << fig->Name + u' ' + box(fig) + (fig->Vorschau ? QStringLiteral(" Vorschau") : QString());
        }
        return t;
    }
    void taste(int k, Qt::KeyboardModifiers mod = Qt::ControlModifier) { QTest::keyClick(seite, Qt::Key(k), mod); }
};
using Zwischenablage = Befehle;
using Anordnen = Befehle;
using Kontextmenue = Befehle;

using Wert = double (*)(const TZeichenObjekt *);
const Wert links = [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Links; };
const Wert rechts = [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Rechts; };
const Wert oben = [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Oben; };
const Wert unten = [](const TZeichenObjekt *o) { return o->Umgebungsrechteck.Unten; };

} // namespace

// Copying records nothing; two pastes are offset by 1 and 2 mm, only their
// creations recorded; copying with nothing selected keeps the clipboard.
TEST_F(Zwischenablage, KopierenEinfuegenUndStrgCImZug)
{
    TRechteck *re0 = kasten(1, 1);
    waehlen({re0});
    f->FlaecheFokussieren();
    const int vorher = anzahl();
    taste(Qt::Key_C);
    ASSERT_EQ(ab().Zwischenablage.size(), 1u);
    EXPECT_TRUE(ab().Zwischenablage.front()->Vorschau);
    EXPECT_EQ(std::tuple(anzahl(), ab().Geaendert, akt().AEinfuegen->isEnabled()), std::tuple(vorher, false, true));
    taste(Qt::Key_V);
    taste(Qt::Key_V);
    EXPECT_EQ(boxen(), (QStringList{"re0 1 1 3 2", "re1 1.1 1.1 3.1 2.1", "re2 1.2 1.2 3.2 2.2"}));
    EXPECT_EQ(neueEintraege(vorher), (QStringList{"re1:RECHTECK", "re2:RECHTECK"}));
    EXPECT_EQ(namen(auswahl()), QStringList{QStringLiteral("re2")});
    EXPECT_TRUE(ab().Geaendert);

    waehlen({});
    akt().AKopierenExecute();
    ASSERT_EQ(ab().Zwischenablage.size(), 1u);

    // Strg+C during a drag cancels the gesture first: no outline stays.
    TRechteck *re3 = kasten(2, 20); // in view: previews draw onto the cached image
    waehlen({re3});
    f->Neuzeichnen();
    const QImage bild = puffer();
    const QPoint start = px(3, 20.5);
    ziehenBis(start, start + QPoint(60, 40));
    ASSERT_NE(puffer(), bild);
    taste(Qt::Key_C);
    EXPECT_EQ(puffer(), bild);
    EXPECT_FALSE(f->Steuerung->GesteLaeuft());
    loslassen(start + QPoint(60, 40));
    EXPECT_EQ(box(re3), QStringLiteral("2 20 4 21"));
}

// Cutting two records their release; pasting through the context menu on
// the empty sheet selects both copies.
TEST_F(Zwischenablage, ZweiAusschneidenUndEinfuegenWaehltBeide)
{
    TRechteck *a = kasten(1, 1);
    kasten(4, 1);
    TRechteck *c = kasten(7, 1);
    waehlen({c, a});
    const int vorher = anzahl();
    taste(Qt::Key_X);
    EXPECT_EQ(dokumentNamen(), QStringList{QStringLiteral("re1")});
    EXPECT_EQ(neueEintraege(vorher), (QStringList{"re2.freigeben()", "re0.freigeben()"}));
    EXPECT_EQ(std::tuple(auswahl().size(), ab().Geaendert, akt().AKopieren->isEnabled(), akt().AEinfuegen->isEnabled()),
              std::tuple(0u, true, false, true));
    EXPECT_EQ(akt().AAusschneiden->statusTip(), QStringLiteral("Markiertes Objekt in die Zwischenablage verschieben"));
    ab().Geaendert = false;
    const int nachSchnitt = anzahl();
    menueKlicken(kontextmenue(15, 20), akt().AEinfuegen);
    EXPECT_EQ(namen(auswahl()), (QStringList{"re3", "re4"}));
    EXPECT_EQ(neueEintraege(nachSchnitt).size(), 2);
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(box(auswahl()[0]) + u'|' + box(auswahl()[1]), QStringLiteral("7.1 1.1 9.1 2.1|1.1 1.1 3.1 2.1"));
}

// "In den Hintergrund" with the two frontmost keeps their order, "In den
// Vordergrund" brings them back; one level only for exactly one figure.
TEST_F(Anordnen, InDenHintergrundMitDenZweiVorderstenBehaeltIhreOrdnung)
{
    kasten(1, 1);
    kasten(2, 2);
    TRechteck *c = kasten(3, 3), *d = kasten(4, 4);
    waehlen({d, c});
    const int vorher = anzahl();
    kontextmenue(4.5, 4.5); // over d, selected: the selection stays
    EXPECT_EQ(auswahl().size(), 2u);
    EXPECT_TRUE(akt().MenuReihenfolge->menuAction()->isEnabled());
    imUntermenueKlicken(akt().MenuReihenfolge, akt().AInDenHintergrund);
    EXPECT_EQ(dokumentNamen(), (QStringList{"re2", "re3", "re0", "re1"}));
    EXPECT_EQ(neueEintraege(vorher), (QStringList{"re3.inDenHintergrundSetzen(  )", "re2.inDenHintergrundSetzen(  )"}));
    EXPECT_TRUE(ab().Geaendert);
    akt().AInDenVordergrund->trigger();
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re1", "re2", "re3"}));
    EXPECT_FALSE(akt().AEineEbeneNachHinten->isEnabled());
    waehlen({c});
    ASSERT_TRUE(akt().AEineEbeneNachHinten->isEnabled());
    akt().AEineEbeneNachHinten->trigger();
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re2", "re1", "re3"}));
}

// "Linksbündig" from the context menu records one move per figure; the other
// five through the menu bar, which shows the commands with separators.
TEST_F(Anordnen, AusrichtenUndVerteilen)
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
    EXPECT_EQ(std::tuple(links(a), links(b), links(c)), std::tuple(1.0, 1.0, 1.0));
    EXPECT_TRUE(ab().Geaendert);
    ab().Gespeichert();
    const Wert mitteX = [](const TZeichenObjekt *o) { return (links(o) + rechts(o)) / 2; };
    const Wert mitteY = [](const TZeichenObjekt *o) { return (unten(o) + oben(o)) / 2; };
    const std::tuple<QAction *, Wert, double> faelle[] = {
        {akt().ARechtsbuendig, rechts, 4}, {akt().AObenbuendig, oben, 8},   {akt().AUntenbuendig, unten, 6},
        {akt().AHorizontalZentrieren, mitteX, 2.5}, {akt().AVertikalZentrieren, mitteY, 7}};
    for (const auto &[aktion, wert, soll] : faelle) {
        SCOPED_TRACE(aktion->text().toStdString());
        aktion->trigger();
        for (auto *fig : {a, b, c})
            EXPECT_TRUE(nahe(wert(fig), soll));
    }
    EXPECT_TRUE(ab().Geaendert);
    QStringList texte;
    for (QAction *a : f->MenuAusrichten->actions())
        texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texte, (QStringList{"Horizontal verteilen", "Vertikal verteilen", "-", "&Linksbündig", "&Rechtsbündig",
                                  "&Oben bündig", "&Unten bündig", "-", "&Horizontal zentrieren",
                                  "&Vertikal zentrieren"}));

    // Distributing needs three; it keeps the outer figures, spaces the gaps
    // evenly and orders the selection left to right (bottom to top).
    TRechteck *d = kasten(0, 10, 2), *e = kasten(10, 15, 2), *g = kasten(3, 12, 1);
    waehlen({e, g});
    EXPECT_FALSE(akt().AHorizontalVerteilen->isEnabled());
    waehlen({e, d, g});
    ab().Gespeichert();
    akt().AHorizontalVerteilen->trigger();
    EXPECT_EQ(auswahl(), (std::vector<TZeichenObjekt *>{d, g, e}));
    // widths 2 + 1 + 2 in a span of 12: gaps of 3.5; only horizontally
    EXPECT_EQ(QStringList({box(d), box(g), box(e)}), QStringList({"0 10 2 11", "5.5 12 6.5 13", "10 15 12 16"}));
    akt().AVertikalVerteilen->trigger();
    EXPECT_EQ(auswahl(), (std::vector<TZeichenObjekt *>{d, g, e}));
    // heights 1 each in a span of 6: gaps of 1.5
    EXPECT_EQ(QStringList({box(d), box(g), box(e)}), QStringList({"0 10 2 11", "5.5 12.5 6.5 13.5", "10 15 12 16"}));
    EXPECT_TRUE(ab().Geaendert);
}

// "Kippen nach rechts" turns about the own centre by -90°, mirroring records
// its calls; the corner count submenu (3-Eck .. 12-Eck) shows only for one polygon.
TEST_F(Kontextmenue, KippenSpiegelnUndEckenzahl)
{
    TRechteck *re0 = kasten(2, 2, 4, 2);
    waehlen({re0});
    int vorher = anzahl();
    kontextmenue(3, 2.5);
    ASSERT_TRUE(akt().MenuSpiegelnKippen->menuAction()->isVisible());
    EXPECT_FALSE(akt().MenuAusrichtenPopup->menuAction()->isVisible());
    imUntermenueKlicken(akt().MenuSpiegelnKippen, akt().AKippenNachRechts);
    EXPECT_TRUE(nahe(re0->Winkel, 270));
    EXPECT_TRUE(nahe(re0->MitteX, 4));
    EXPECT_TRUE(nahe(re0->Umgebungsrechteck.Links, 3, 1e-6));
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("re0.drehen( -90.00° )")});
    akt().AKippenNachLinks->trigger();
    EXPECT_TRUE(nahe(re0->Winkel, 0, 1e-9) || nahe(re0->Winkel, 360, 1e-9));
    akt().AHorizontalSpiegeln->trigger();
    akt().AVertikalSpiegeln->trigger();
    EXPECT_EQ(neueEintraege(vorher).mid(2), (QStringList{"re0.horizontalSpiegeln(  )", "re0.vertikalSpiegeln(  )"}));
    EXPECT_TRUE(ab().Geaendert);

    auto *ve = figur<TVielEck>(QStringLiteral("VIELECK"), 10, 2, 3, 3);
    EXPECT_EQ(akt().Eckenzahlen.front()->text() + u'|' + akt().Eckenzahlen.back()->text(), QStringLiteral("3-Eck|12-Eck"));
    waehlen({ve, re0});
    kontextmenue(11.5, 3.5);
    EXPECT_FALSE(akt().MenuEckenzahl->menuAction()->isVisible());
    f->PopupMenuObjekt->hide();
    waehlen({ve});
    vorher = anzahl();
    kontextmenue(11.5, 3.5);
    ASSERT_TRUE(akt().MenuEckenzahl->menuAction()->isVisible());
    imUntermenueKlicken(akt().MenuEckenzahl, akt().Eckenzahlen[2]); // 5-Eck
    EXPECT_EQ(ve->Eckenzahl, 5);
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("ve0.eckenzahlSetzen( 5 )")});
}

// Grouping needs two; through the context menu both grouping and ungrouping
// record and modify.
TEST_F(Anordnen, GruppierenUeberKontextmenueUndAufhebenSetztJeweilsGeaendert)
{
    TRechteck *a = kasten(1, 1), *b = kasten(5, 1);
    waehlen({a});
    kontextmenue(2, 1.5);
    EXPECT_FALSE(akt().AGruppieren->isEnabled());
    f->PopupMenuObjekt->hide();
    waehlen({a, b});
    const int vorher = anzahl();
    QMenu *m = kontextmenue(2, 1.5);
    EXPECT_EQ(std::tuple(akt().AGruppieren->isEnabled(), akt().AGruppierungAufheben->isEnabled()), std::tuple(true, false));
    menueKlicken(m, akt().AGruppieren);
    EXPECT_EQ(dokumentNamen(), QStringList{QStringLiteral("gr0")});
    EXPECT_EQ(namen(auswahl()), QStringList{QStringLiteral("gr0")});
    EXPECT_TRUE(neueEintraege(vorher).value(0).startsWith(QStringLiteral("gr0")));
    EXPECT_TRUE(ab().Geaendert);
    ab().Gespeichert();

    const int vorAufheben = anzahl();
    m = kontextmenue(2, 1.5);
    EXPECT_EQ(std::tuple(akt().AGruppieren->isEnabled(), akt().AGruppierungAufheben->isEnabled()), std::tuple(false, true));
    menueKlicken(m, akt().AGruppierungAufheben);
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re1"}));
    EXPECT_EQ(auswahl().size(), 2u);
    EXPECT_EQ(neueEintraege(vorAufheben), QStringList{QStringLiteral("gr0.freigeben()")});
    EXPECT_TRUE(ab().Geaendert);
}

// The point commands on the handle under the mouse record nothing but modify;
// two points can neither lose one nor be closed.
TEST_F(Kontextmenue, PunktbefehleLoeschenSchliessenBogenUndGerade)
{
    TLinienZug *lz = linienzug({{2, 2}, {8, 2}, {8, 8}, {2, 8}});
    waehlen({lz});
    const int vorher = anzahl();
    QMenu *m = kontextmenue(5, 2); // the segment handle between the first two points
    EXPECT_EQ(sichtbarePunktbefehle(), (QStringList{"Linienabschnitt in Bogen verwandeln", "Linienzug Schließen"}));
    menueKlicken(m, akt().AIn_Kurve_verwandeln);
    EXPECT_EQ(std::tuple(lz->Punkt(0)->AbschnittArt, lz->Punkt(1)->AbschnittArt), std::tuple(1, 0));
    // The bow's handle is found on the curve only approximately: take the vertex.
    m = kontextmenue(8, 8);
    EXPECT_EQ(sichtbarePunktbefehle(), (QStringList{"Punkt löschen", "Linienzug Schließen"}));
    menueKlicken(m, akt().APunktLoeschen);
    ASSERT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_TRUE(nahe(lz->Punkt(2)->X, 2) && nahe(lz->Punkt(2)->Y, 8));
    menueKlicken(kontextmenue(2, 8), akt().ALinienZugSchliessen);
    EXPECT_EQ(lz->Geschlossen, 1);
    m = kontextmenue(8, 2);
    EXPECT_EQ(sichtbarePunktbefehle(), (QStringList{"Punkt löschen", "Linienzug Öffnen"}));
    menueKlicken(m, akt().ALinienZugOeffnen);
    EXPECT_EQ(lz->Geschlossen, 0);
    EXPECT_TRUE(nahe(lz->Winkel, 0)); // the frame follows the vertices
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_TRUE(ab().Geaendert);
    ab().Gespeichert();

    TLinienZug *zwei = linienzug({{12, 2}, {18, 5}});
    waehlen({zwei});
    const int nachZwei = anzahl();
    m = kontextmenue(12, 2); // on the first vertex
    EXPECT_EQ(sichtbarePunktbefehle(), (QStringList{"Punkt löschen", "Linienzug Schließen"}));
    EXPECT_TRUE(akt().TrennerPunkte->isVisible());
    menueKlicken(m, akt().APunktLoeschen);
    menueKlicken(kontextmenue(12, 2), akt().ALinienZugSchliessen);
    EXPECT_EQ(std::tuple(zwei->PunktAnzahl(), int(zwei->Geschlossen)), std::tuple(2, 0));
    EXPECT_EQ(anzahl(), nachZwei);
    EXPECT_FALSE(ab().Geaendert);

    waehlen({lz});
    lz->Punkt(1)->AbschnittArt = 1;
    lz->Punkt(0)->AbschnittArt = 0;
    lz->GeometrieBerechnen();
    f->GriffeNeuErzeugen();
    kontextmenue(5, 2)->hide(); // point 1 -> 2 is curved, 0 -> 1 straight and under the mouse
    EXPECT_EQ(std::tuple(akt().AIn_Kurve_verwandeln->isVisible(), akt().AIn_Gerade_verwandeln->isVisible()),
              std::tuple(true, false));
}

// Outside teacher mode cut, alignment and distribution leave mouse-locked
// figures alone; a locked figure still is the edge the others align to.
TEST_F(Anordnen, AusschneidenAusrichtenVerteilenLassenGesperrteLiegen)
{
    TRechteck *rahmen = kasten(1, 1, 2, 1), *b = kasten(5, 3, 2, 1), *c = kasten(12, 5, 2, 1);
    rahmen->MausGesperrt = 1;
    waehlen({rahmen});
    f->FlaecheFokussieren();
    const int vorher = anzahl();
    taste(Qt::Key_X);
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re1", "re2"}));
    EXPECT_TRUE(ab().Zwischenablage.empty());
    EXPECT_EQ(std::tuple(akt().AAusschneiden->isEnabled(), akt().AKopieren->isEnabled()), std::tuple(false, true));
    EXPECT_EQ(anzahl(), vorher);

    waehlen({rahmen, b, c});
    EXPECT_FALSE(akt().AAusschneiden->isEnabled());
    const std::tuple<QAction *, Wert, double, double> faelle[] = {
        {akt().ARechtsbuendig, rechts, 3, 14}, {akt().ALinksbuendig, links, 1, 1}, {akt().AObenbuendig, oben, 2, 6}};
    for (const auto &[aktion, wert, re0, andere] : faelle) {
        SCOPED_TRACE(aktion->text().toStdString());
        aktion->trigger();
        EXPECT_TRUE(nahe(wert(rahmen), re0));
        EXPECT_TRUE(nahe(wert(b), andere) && nahe(wert(c), andere));
    }
    EXPECT_TRUE(nahe(rahmen->Umgebungsrechteck.Unten, 1));

    // Distribution: a locked figure in the middle stays where it is.
    TRechteck *d = kasten(0, 10, 1, 1), *e = kasten(4, 10, 1, 1), *g = kasten(10, 10, 1, 1);
    e->MausGesperrt = 1;
    waehlen({d, e, g});
    akt().AHorizontalVerteilen->trigger();
    EXPECT_TRUE(nahe(e->Umgebungsrechteck.Links, 4));
}
