// The editing commands of the main window, driven through the context menu,
// the menu bar and the keyboard shortcuts with real events.
#include "BefehlHilfen.h"

#include <QMenuBar>

using namespace befehlhilfe;

namespace {

QStringList namen(const std::vector<TZeichenObjekt *> &liste)
{
    QStringList t;
    for (auto *f : liste)
        t << f->Name;
    return t;
}

QStringList dokumentNamen(TArbeitsbereich &ab)
{
    QStringList t;
    for (auto &teil : ab.Dokument().Teile)
        t << teil->Name;
    return t;
}

} // namespace

TEST(Zwischenablage, ZweimalEinfuegenVersetztUmEinUndZweiMillimeterUndProtokolliertNurErzeugungen)
{
    Fenster w;
    TRechteck *re0 = w.rechteck(1, 1);
    w.waehlen({re0});
    w.fenster.FlaecheFokussieren();
    const std::size_t vorher = w.protokollGroesse();

    QTest::keyClick(w.seite(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(w.ab.Zwischenablage.size(), 1u);
    EXPECT_TRUE(w.ab.Zwischenablage.front()->Vorschau);
    EXPECT_EQ(w.protokollGroesse(), vorher) << "copying records nothing";
    EXPECT_FALSE(w.ab.Geaendert) << "copying does not modify";
    EXPECT_TRUE(w.akt.AEinfuegen->isEnabled());

    QTest::keyClick(w.seite(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.seite(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(w.ab.Dokument().Teile.size(), 3u);
    auto *erste = dynamic_cast<TZeichenObjekt *>(w.ab.Dokument().Teile[1].get());
    auto *zweite = dynamic_cast<TZeichenObjekt *>(w.ab.Dokument().Teile[2].get());
    EXPECT_EQ(erste->Name, QStringLiteral("re1"));
    EXPECT_EQ(zweite->Name, QStringLiteral("re2"));
    EXPECT_TRUE(nahe(erste->Umgebungsrechteck.Links, 1.1));
    EXPECT_TRUE(nahe(erste->Umgebungsrechteck.Unten, 1.1));
    EXPECT_TRUE(nahe(zweite->Umgebungsrechteck.Links, 1.2));
    EXPECT_TRUE(nahe(zweite->Umgebungsrechteck.Unten, 1.2));
    EXPECT_FALSE(erste->Vorschau);
    EXPECT_TRUE(nahe(re0->Umgebungsrechteck.Links, 1.0)) << "the source stays";
    // Only the two creations are recorded: the clipboard copy moves silently.
    const QStringList neu = w.protokollAb(vorher);
    ASSERT_EQ(neu.size(), 2) << neu.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(neu[0].startsWith(QStringLiteral("re1"))) << neu[0].toStdString();
    EXPECT_TRUE(neu[1].startsWith(QStringLiteral("re2"))) << neu[1].toStdString();
    EXPECT_FALSE(neu.join(QString()).contains(QStringLiteral("verschieben")));
    EXPECT_EQ(namen(w.ab.Auswahl), QStringList{QStringLiteral("re2")});
    EXPECT_TRUE(w.ab.Geaendert);

    // The clipboard holds independent copies: deleting the source does not
    // stop pasting.
    w.waehlen({re0});
    QTest::keyClick(w.seite(), Qt::Key_Delete);
    QTest::keyClick(w.seite(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dokumentNamen(w.ab), (QStringList{"re1", "re2", "re3"}));
}

TEST(Zwischenablage, ZweiAusschneidenUndEinfuegenWaehltBeide)
{
    Fenster w;
    TRechteck *a = w.rechteck(1, 1);
    w.rechteck(4, 1);
    TRechteck *c = w.rechteck(7, 1);
    w.waehlen({c, a});
    const std::size_t vorher = w.protokollGroesse();
    QTest::keyClick(w.seite(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(dokumentNamen(w.ab), QStringList{QStringLiteral("re1")});
    EXPECT_EQ(w.protokollAb(vorher), (QStringList{"re2.freigeben()", "re0.freigeben()"}));
    EXPECT_TRUE(w.ab.Auswahl.empty());
    EXPECT_TRUE(w.ab.Geaendert);
    EXPECT_FALSE(w.akt.AKopieren->isEnabled());
    EXPECT_TRUE(w.akt.AEinfuegen->isEnabled());

    w.ab.Geaendert = false;
    const std::size_t nachSchnitt = w.protokollGroesse();
    // Paste through the context menu on the empty sheet.
    QMenu *m = w.kontextmenue(15, 20);
    Fenster::klicken(m, w.akt.AEinfuegen);
    EXPECT_EQ(namen(w.ab.Auswahl), (QStringList{"re3", "re4"}));
    EXPECT_EQ(w.protokollAb(nachSchnitt).size(), 2);
    EXPECT_TRUE(w.ab.Geaendert);
    EXPECT_TRUE(nahe(w.ab.Auswahl[0]->Umgebungsrechteck.Links, 7.1));
    EXPECT_TRUE(nahe(w.ab.Auswahl[1]->Umgebungsrechteck.Links, 1.1));
}

TEST(Reihenfolge, InDenHintergrundMitDenZweiVorderstenBehaeltIhreOrdnung)
{
    Fenster w;
    TRechteck *a = w.rechteck(1, 1), *b = w.rechteck(2, 2), *c = w.rechteck(3, 3), *d = w.rechteck(4, 4);
    (void)a;
    (void)b;
    w.waehlen({d, c}); // selection order differs from the drawing order
    const std::size_t vorher = w.protokollGroesse();
    w.kontextmenue(4.5, 4.5); // over d, selected: the selection stays
    EXPECT_EQ(w.ab.Auswahl.size(), 2u);
    EXPECT_TRUE(w.akt.MenuReihenfolge->menuAction()->isEnabled());
    w.imUntermenueKlicken(w.akt.MenuReihenfolge, w.akt.AInDenHintergrund);
    EXPECT_EQ(dokumentNamen(w.ab), (QStringList{"re2", "re3", "re0", "re1"}));
    EXPECT_EQ(w.protokollAb(vorher), (QStringList{"re3.inDenHintergrundSetzen(  )", "re2.inDenHintergrundSetzen(  )"}));
    EXPECT_TRUE(w.ab.Geaendert);

    // In den Vordergrund brings them back in front, still in order.
    w.akt.AInDenVordergrund->trigger();
    EXPECT_EQ(dokumentNamen(w.ab), (QStringList{"re0", "re1", "re2", "re3"}));
    // One level: only with exactly one figure selected.
    EXPECT_FALSE(w.akt.AEineEbeneNachHinten->isEnabled());
    w.waehlen({c});
    EXPECT_TRUE(w.akt.AEineEbeneNachHinten->isEnabled());
    w.akt.AEineEbeneNachHinten->trigger();
    EXPECT_EQ(dokumentNamen(w.ab), (QStringList{"re0", "re2", "re1", "re3"}));
}

TEST(Ausrichten, LinksbuendigProtokolliertJeFigurEinVerschieben)
{
    Fenster w;
    TRechteck *a = w.rechteck(1, 1), *b = w.rechteck(3, 4, 1, 2), *c = w.rechteck(5, 7, 3, 1);
    w.waehlen({a, b, c});
    const std::size_t vorher = w.protokollGroesse();
    w.kontextmenue(5.5, 7.5);
    ASSERT_TRUE(w.akt.MenuAusrichtenPopup->menuAction()->isVisible());
    w.imUntermenueKlicken(w.akt.MenuAusrichtenPopup, w.akt.ALinksbuendig);
    EXPECT_EQ(w.protokollAb(vorher), (QStringList{"re0.verschieben( 0.00 mm, 0.00 mm )",
                                                  "re1.verschieben( -2.00 cm, 0.00 mm )",
                                                  "re2.verschieben( -4.00 cm, 0.00 mm )"}));
    for (auto *f : {a, b, c})
        EXPECT_TRUE(nahe(f->Umgebungsrechteck.Links, 1.0));
    EXPECT_FALSE(w.ab.Geaendert) << "aligning does not set the modified flag";

    // The other five through the menu bar's actions.
    w.akt.ARechtsbuendig->trigger();
    for (auto *f : {a, b, c})
        EXPECT_TRUE(nahe(f->Umgebungsrechteck.Rechts, 4.0));
    w.akt.AObenbuendig->trigger();
    for (auto *f : {a, b, c})
        EXPECT_TRUE(nahe(f->Umgebungsrechteck.Oben, 8.0));
    w.akt.AUntenbuendig->trigger(); // bottoms were 7, 6, 7
    for (auto *f : {a, b, c})
        EXPECT_TRUE(nahe(f->Umgebungsrechteck.Unten, 6.0));
    w.akt.AHorizontalZentrieren->trigger();
    for (auto *f : {a, b, c})
        EXPECT_TRUE(nahe((f->Umgebungsrechteck.Links + f->Umgebungsrechteck.Rechts) / 2, 2.5));
    w.akt.AVertikalZentrieren->trigger();
    for (auto *f : {a, b, c})
        EXPECT_TRUE(nahe((f->Umgebungsrechteck.Unten + f->Umgebungsrechteck.Oben) / 2, 7.0));
    EXPECT_FALSE(w.ab.Geaendert);
    // The menu bar's "Ausrichten" shows the eight commands with separators.
    QStringList texte;
    for (QAction *a : w.fenster.MenuAusrichten->actions())
        texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texte, (QStringList{"Horizontal verteilen", "Vertikal verteilen", "-", "&Linksbündig",
                                  "&Rechtsbündig", "&Oben bündig", "&Unten bündig", "-",
                                  "&Horizontal zentrieren", "&Vertikal zentrieren"}));
}

TEST(Ausrichten, VerteilenLaesstDieAeusserenUndOrdnetDieAuswahl)
{
    Fenster w;
    TRechteck *a = w.rechteck(0, 0, 2), *b = w.rechteck(10, 5, 2), *c = w.rechteck(3, 2, 1);
    w.waehlen({b, c});
    EXPECT_FALSE(w.akt.AHorizontalVerteilen->isEnabled()) << "needs three";
    w.waehlen({b, a, c});
    ASSERT_TRUE(w.akt.AHorizontalVerteilen->isEnabled());
    w.akt.AHorizontalVerteilen->trigger();
    EXPECT_EQ(w.ab.Auswahl, (std::vector<TZeichenObjekt *>{a, c, b})) << "left to right";
    EXPECT_TRUE(nahe(a->Umgebungsrechteck.Links, 0));
    EXPECT_TRUE(nahe(b->Umgebungsrechteck.Links, 10));
    // widths 2 + 1 + 2 in a span of 12: gaps of 3.5
    EXPECT_TRUE(nahe(c->Umgebungsrechteck.Links, 5.5));
    EXPECT_TRUE(nahe(c->Umgebungsrechteck.Unten, 2)) << "only horizontally";

    w.akt.AVertikalVerteilen->trigger();
    EXPECT_EQ(w.ab.Auswahl, (std::vector<TZeichenObjekt *>{a, c, b})) << "bottom to top";
    EXPECT_TRUE(nahe(a->Umgebungsrechteck.Unten, 0));
    EXPECT_TRUE(nahe(b->Umgebungsrechteck.Unten, 5));
    // heights 1 each in a span of 6: gaps of 1.5
    EXPECT_TRUE(nahe(c->Umgebungsrechteck.Unten, 2.5));
    EXPECT_FALSE(w.ab.Geaendert);
}

TEST(SpiegelnKippen, KippenNachRechtsGibtWinkel270UndSetztNichtsGeaendert)
{
    Fenster w;
    TRechteck *re0 = w.rechteck(2, 2, 4, 2);
    w.waehlen({re0});
    const std::size_t vorher = w.protokollGroesse();
    w.kontextmenue(3, 2.5);
    ASSERT_TRUE(w.akt.MenuSpiegelnKippen->menuAction()->isVisible());
    EXPECT_FALSE(w.akt.MenuAusrichtenPopup->menuAction()->isVisible()) << "one figure cannot be aligned";
    w.imUntermenueKlicken(w.akt.MenuSpiegelnKippen, w.akt.AKippenNachRechts);
    EXPECT_TRUE(nahe(re0->Winkel, 270));
    EXPECT_TRUE(nahe(re0->MitteX, 4)) << "turned about its own centre";
    EXPECT_TRUE(nahe(re0->Umgebungsrechteck.Links, 3, 1e-6));
    EXPECT_EQ(w.protokollAb(vorher), QStringList{QStringLiteral("re0.drehen( -90.00° )")});
    w.akt.AKippenNachLinks->trigger();
    EXPECT_TRUE(nahe(re0->Winkel, 0, 1e-9) || nahe(re0->Winkel, 360, 1e-9));
    w.akt.AHorizontalSpiegeln->trigger();
    w.akt.AVertikalSpiegeln->trigger();
    EXPECT_EQ(w.protokollAb(vorher).mid(2),
              (QStringList{"re0.horizontalSpiegeln(  )", "re0.vertikalSpiegeln(  )"}));
    EXPECT_FALSE(w.ab.Geaendert);
}

TEST(Gruppieren, UeberKontextmenueUndAufhebenSetztGeaendertNurBeimAufheben)
{
    Fenster w;
    TRechteck *a = w.rechteck(1, 1), *b = w.rechteck(5, 1);
    w.waehlen({a});
    w.kontextmenue(2, 1.5);
    EXPECT_FALSE(w.akt.AGruppieren->isEnabled()) << "one figure";
    w.fenster.PopupMenuObjekt->hide();
    w.waehlen({a, b});
    const std::size_t vorher = w.protokollGroesse();
    QMenu *m = w.kontextmenue(2, 1.5);
    ASSERT_TRUE(w.akt.AGruppieren->isEnabled());
    EXPECT_FALSE(w.akt.AGruppierungAufheben->isEnabled());
    Fenster::klicken(m, w.akt.AGruppieren);
    ASSERT_EQ(w.ab.Dokument().Teile.size(), 1u);
    EXPECT_EQ(w.ab.Dokument().Teile[0]->Name, QStringLiteral("gr0"));
    EXPECT_EQ(namen(w.ab.Auswahl), QStringList{QStringLiteral("gr0")});
    const QStringList neu = w.protokollAb(vorher);
    ASSERT_FALSE(neu.isEmpty());
    EXPECT_TRUE(neu.front().startsWith(QStringLiteral("gr0"))) << neu.front().toStdString();
    EXPECT_FALSE(w.ab.Geaendert) << "grouping does not modify";

    const std::size_t vorAufheben = w.protokollGroesse();
    m = w.kontextmenue(2, 1.5);
    ASSERT_TRUE(w.akt.AGruppierungAufheben->isEnabled());
    EXPECT_FALSE(w.akt.AGruppieren->isEnabled());
    Fenster::klicken(m, w.akt.AGruppierungAufheben);
    EXPECT_EQ(dokumentNamen(w.ab), (QStringList{"re0", "re1"}));
    EXPECT_EQ(w.ab.Auswahl.size(), 2u);
    EXPECT_EQ(w.protokollAb(vorAufheben), QStringList{QStringLiteral("gr0.freigeben()")});
    EXPECT_TRUE(w.ab.Geaendert);
}

TEST(Eckenzahl, UntermenueNurFuerEinVieleckUndSetztNichtsGeaendert)
{
    Fenster w;
    auto *ve = w.neu<TVielEck>(QStringLiteral("VIELECK"), 2, 2, 3, 3);
    TRechteck *re = w.rechteck(8, 2);
    ASSERT_EQ(w.akt.Eckenzahlen.size(), 10u);
    EXPECT_EQ(w.akt.Eckenzahlen.front()->text(), QStringLiteral("3-Eck"));
    EXPECT_EQ(w.akt.Eckenzahlen.back()->text(), QStringLiteral("12-Eck"));
    EXPECT_EQ(w.akt.Eckenzahlen.back()->data().toInt(), 12);

    w.waehlen({ve, re});
    w.kontextmenue(3.5, 3.5);
    EXPECT_FALSE(w.akt.MenuEckenzahl->menuAction()->isVisible());
    w.fenster.PopupMenuObjekt->hide();
    w.waehlen({ve});
    const std::size_t vorher = w.protokollGroesse();
    w.kontextmenue(3.5, 3.5);
    ASSERT_TRUE(w.akt.MenuEckenzahl->menuAction()->isVisible());
    w.imUntermenueKlicken(w.akt.MenuEckenzahl, w.akt.Eckenzahlen[2]); // 5-Eck
    EXPECT_EQ(ve->Eckenzahl, 5);
    EXPECT_EQ(w.protokollAb(vorher), QStringList{QStringLiteral("ve0.eckenzahlSetzen( 5 )")});
    EXPECT_FALSE(w.ab.Geaendert);
}

TEST(Kontextmenue, AufLeeremBlattOhneAuswahlbefehle)
{
    Fenster w;
    w.rechteck(1, 1);
    QMenu *m = w.kontextmenue(15, 20);
    EXPECT_TRUE(m->isVisible());
    EXPECT_TRUE(w.ab.Auswahl.empty());
    EXPECT_FALSE(w.akt.MenuReihenfolge->menuAction()->isEnabled());
    EXPECT_TRUE(w.akt.MenuReihenfolge->menuAction()->isVisible());
    EXPECT_FALSE(w.akt.MenuAusrichtenPopup->menuAction()->isVisible());
    EXPECT_FALSE(w.akt.MenuSpiegelnKippen->menuAction()->isVisible());
    EXPECT_FALSE(w.akt.MenuEckenzahl->menuAction()->isVisible());
    EXPECT_FALSE(w.akt.TrennerPunkte->isVisible());
    for (QAction *a : {w.akt.AIn_Kurve_verwandeln, w.akt.AIn_Gerade_verwandeln, w.akt.APunktLoeschen,
                       w.akt.ALinienZugOeffnen, w.akt.ALinienZugSchliessen})
        EXPECT_FALSE(a->isVisible()) << a->text().toStdString();
    EXPECT_FALSE(w.akt.AKopieren->isEnabled());
    EXPECT_FALSE(w.akt.AEinfuegen->isEnabled());
    EXPECT_TRUE(w.akt.AAttributeBearbeiten->isVisible());
    // Categories and shortcuts.
    EXPECT_EQ(w.akt.AKopieren->property("kategorie").toString(), QStringLiteral("Bearbeiten"));
    EXPECT_EQ(w.akt.APunktLoeschen->property("kategorie").toString(), QStringLiteral("Punkte_bearbeiten"));
    EXPECT_EQ(w.akt.AKippenNachRechts->data().toInt(), -1);
    EXPECT_EQ(w.akt.AEinfuegen->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
    EXPECT_EQ(w.akt.AAusschneiden->statusTip(), QStringLiteral("Markiertes Objekt in die Zwischenablage verschieben"));
}
