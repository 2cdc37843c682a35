// Teacher mode in the main window: the menu "Für Lehrer", the lock buttons
// and their display, and how the locks apply to the mouse, the keys and
// typed calls.
#include "test_lehrer_hilfen.h"

#include <QMenu>

namespace {

bool sichtbar(QWidget *w, TFMain *f) { return w->isVisibleTo(f); }

} // namespace

TEST_F(LehrerFenster, MenueFuerLehrerUndPanelJeNachModus)
{
    ASSERT_NE(f->MenuFuerLehrer, nullptr);
    const QList<QAction *> aktionen = f->MenuFuerLehrer->actions();
    ASSERT_EQ(aktionen.size(), 3);
    EXPECT_EQ(aktionen[0]->text(), QStringLiteral("Lehrermodus an"));
    EXPECT_EQ(aktionen[1]->text(), QStringLiteral("Lehrermodus aus"));
    EXPECT_EQ(aktionen[2]->text(), QStringLiteral("Dokument mit Passwort schützen ..."));
    EXPECT_EQ(f->findChild<QAction *>(QStringLiteral("ALehrerModusAn")), lehrer->ALehrerModusAn);

    // At start: only "Lehrermodus an".
    EXPECT_FALSE(ab().Lehrermodus);
    EXPECT_TRUE(lehrer->ALehrerModusAn->isVisible());
    EXPECT_FALSE(lehrer->ALehrerModusAus->isVisible());
    EXPECT_FALSE(lehrer->APasswortSetzen->isVisible());
    EXPECT_FALSE(sichtbar(f->PBearbeitenSperren, f.get()));

    lehrermodusAn();
    EXPECT_EQ(dialogLaeufe, 0); // no password: no prompt
    EXPECT_TRUE(ab().Lehrermodus);
    EXPECT_FALSE(lehrer->ALehrerModusAn->isVisible());
    EXPECT_TRUE(lehrer->ALehrerModusAus->isVisible());
    EXPECT_TRUE(lehrer->APasswortSetzen->isVisible());
    EXPECT_TRUE(f->PBearbeitenSperren->isVisible());
    EXPECT_EQ(f->PBearbeitenSperren->geometry(), QRect(428, 36, 58, 33));
    EXPECT_EQ(lehrer->SBBearbeitenMitMausSperren->toolTip(),
              QStringLiteral("Bearbeiten mit der Maus erlauben/sperren"));
    EXPECT_EQ(lehrer->SBBearbeitenMitTastaturSperren->toolTip(),
              QStringLiteral("Bearbeiten mit der Tastatur erlauben/sperren"));
    EXPECT_EQ(lehrer->SBBearbeitenMitMausTastatur->toolTip(),
              QStringLiteral("Bearbeiten mit der Maus/Tastatur erlauben/sperren"));
    // Nothing selected: the lock buttons are disabled.
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausSperren->isEnabled());
}

TEST_F(LehrerFenster, GruppeMitDemMausknopfSperrenUndEntsperren)
{
    TRechteck *a = rechteck(5, 20);
    TRechteck *b = rechteck(12, 20);
    TGruppe *g = gruppe({a, b});
    lehrermodusAn();
    klicken(px(5, 20)); // selects the group
    ASSERT_EQ(ab().Auswahl, std::vector<TZeichenObjekt *>{g});
    QToolButton *maus = lehrer->SBBearbeitenMitMausSperren;
    ASSERT_TRUE(maus->isVisible());
    ASSERT_TRUE(maus->isEnabled());
    EXPECT_FALSE(maus->isChecked());
    ab().Geaendert = false;

    QTest::mouseClick(maus, Qt::LeftButton);
    EXPECT_TRUE(maus->isChecked());
    EXPECT_EQ(g->MausGesperrt, 1);
    EXPECT_EQ(a->MausGesperrt, 1);
    EXPECT_EQ(b->MausGesperrt, 1);
    EXPECT_EQ(a->TastaturGesperrt, 0);
    EXPECT_TRUE(ab().Geaendert);

    QTest::mouseClick(maus, Qt::LeftButton);
    EXPECT_FALSE(maus->isChecked());
    EXPECT_EQ(g->MausGesperrt, 0);
    EXPECT_EQ(a->MausGesperrt, 0);
    EXPECT_EQ(b->MausGesperrt, 0);

    QTest::mouseClick(lehrer->SBBearbeitenMitTastaturSperren, Qt::LeftButton);
    EXPECT_EQ(g->TastaturGesperrt, 1);
    EXPECT_EQ(a->TastaturGesperrt, 1);
    EXPECT_EQ(b->TastaturGesperrt, 1);
    EXPECT_EQ(g->MausGesperrt, 0);
}

TEST_F(LehrerFenster, KnoepfeZeigenDenGemeinsamenZustand)
{
    TRechteck *a = rechteck(5, 20);
    TRechteck *b = rechteck(12, 20);
    lehrermodusAn();
    a->MausSperreSetzen(true);
    b->MausSperreSetzen(true);
    b->TastaturSperreSetzen(true);
    auswaehlen({a});
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausSperren->isVisible());
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausSperren->isChecked());
    EXPECT_FALSE(lehrer->SBBearbeitenMitTastaturSperren->isChecked());
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isVisible());

    // Keyboard locks differ: only the combined button.
    auswaehlen({a, b});
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausTastatur->isVisible());
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausTastatur->isEnabled());
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausSperren->isVisible());
    EXPECT_FALSE(lehrer->SBBearbeitenMitTastaturSperren->isVisible());

    auswaehlen({b});
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausSperren->isChecked());
    EXPECT_TRUE(lehrer->SBBearbeitenMitTastaturSperren->isChecked());
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isVisible());
}

TEST_F(LehrerFenster, KombinierterKnopfOeffnetDenDialogFuerDieAuswahl)
{
    TRechteck *a = rechteck(5, 20);
    TRechteck *b = rechteck(12, 20);
    a->TastaturSperreSetzen(true);
    lehrermodusAn();
    auswaehlen({a, b});
    ab().Geaendert = false;

    TFBearbeitenSperren *d = lehrer->FBearbeitenSperren;
    bool knopfUntenWaehrendDialog = false;
    imDialog = [&](QDialog *dialog) {
        ASSERT_EQ(dialog, d);
        knopfUntenWaehrendDialog = lehrer->SBBearbeitenMitMausTastatur->isChecked();
        EXPECT_TRUE(d->RBTastaturLassen->isVisible());
        EXPECT_TRUE(d->LTastatur1->isVisible());
        EXPECT_TRUE(d->LTastatur2->isVisible());
        EXPECT_FALSE(d->RBMausLassen->isVisible());
        EXPECT_FALSE(d->LMaus1->isVisible());
        EXPECT_TRUE(d->RBMausAlleErlauben->isChecked());
        EXPECT_EQ(d->Objekte, (std::vector<TObjekt *>{a, b}));
        // Keep "Alles lassen, wie es ist".
        QTest::mouseClick(d->BUebernehmen, Qt::LeftButton);
    };
    QTest::mouseClick(lehrer->SBBearbeitenMitMausTastatur, Qt::LeftButton);
    EXPECT_EQ(dialogLaeufe, 1);
    EXPECT_TRUE(knopfUntenWaehrendDialog);
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isChecked()); // pops up again
    EXPECT_EQ(a->TastaturGesperrt, 1);
    EXPECT_EQ(b->TastaturGesperrt, 0);
    EXPECT_EQ(a->MausGesperrt, 0);
    EXPECT_FALSE(ab().Geaendert);
    EXPECT_TRUE(d->Objekte.empty());

    // Now lock the keyboard for both: the panel shows the two buttons again.
    imDialog = [&](QDialog *) {
        QTest::mouseClick(d->RBTastaturSperren, Qt::LeftButton);
        QTest::mouseClick(d->BUebernehmen, Qt::LeftButton);
    };
    QTest::mouseClick(lehrer->SBBearbeitenMitMausTastatur, Qt::LeftButton);
    EXPECT_EQ(b->TastaturGesperrt, 1);
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isVisible());
    EXPECT_TRUE(lehrer->SBBearbeitenMitTastaturSperren->isVisible());
    EXPECT_TRUE(lehrer->SBBearbeitenMitTastaturSperren->isChecked());
}

TEST_F(LehrerFenster, TastaturgesperrtesRechteckZiehtSichMitDerMaus)
{
    TRechteck *r = rechteck(5, 20);
    r->TastaturSperreSetzen(true);
    const double vorher = r->MitteX;
    ziehen(px(5, 20), 40);
    EXPECT_GT(r->MitteX, vorher + 0.5);

    const TAufrufErgebnis e = tippen(r->Name + QStringLiteral(".verschieben(1 cm, 0 cm)"));
    EXPECT_TRUE(e.Ausgefuehrt);
    EXPECT_EQ(e.Meldung, QStringLiteral("Das Bearbeiten mit der Tastatur ist für dieses Objekt gesperrt."));
}

TEST_F(LehrerFenster, MausgesperrtesRechteckNurPerAufruf)
{
    TRechteck *r = rechteck(5, 20);
    r->MausSperreSetzen(true);
    const double x0 = r->MitteX, y0 = r->MitteY;

    // The mouse: a click selects it, but neither drag, arrow keys, delete
    // nor its handles move it.
    ziehen(px(5, 20), 40);
    EXPECT_DOUBLE_EQ(r->MitteX, x0);
    ASSERT_EQ(ab().Auswahl, std::vector<TZeichenObjekt *>{r});
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Hand);
    seite->setFocus();
    QTest::keyClick(seite, Qt::Key_Right);
    QTest::keyClick(seite, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(r->MitteX, x0);
    EXPECT_DOUBLE_EQ(r->MitteY, y0);
    QTest::keyClick(seite, Qt::Key_Delete);
    ASSERT_EQ(dok()->Teile.size(), 1u);
    // The corner handle of the selected rectangle is not hovered.
    const QPoint ecke = px(7, 21);
    bewegen(ecke);
    EXPECT_EQ(f->Steuerung->AktuellerGriff, nullptr);
    EXPECT_NE(f->Steuerung->Mauszustand, TMauszustand::UeberGriff);

    // A typed call moves it.
    const TAufrufErgebnis e = tippen(r->Name + QStringLiteral(".verschieben(1 cm, 0 cm)"));
    EXPECT_TRUE(e.Ausgefuehrt);
    EXPECT_TRUE(e.Meldung.isEmpty()) << e.Meldung.toStdString();
    EXPECT_NEAR(r->MitteX, x0 + 1.0, 1e-9);
}

TEST_F(LehrerFenster, ImLehrermodusGeltenDieSperrenNicht)
{
    TRechteck *r = rechteck(5, 20);
    r->MausSperreSetzen(true);
    r->TastaturSperreSetzen(true);
    lehrermodusAn();
    const double x0 = r->MitteX;

    const TAufrufErgebnis e = tippen(r->Name + QStringLiteral(".verschieben(1 cm, 0 cm)"));
    EXPECT_TRUE(e.Ausgefuehrt);
    EXPECT_TRUE(e.Meldung.isEmpty()) << e.Meldung.toStdString();
    EXPECT_NEAR(r->MitteX, x0 + 1.0, 1e-9);

    ziehen(px(6, 20), 40);
    EXPECT_GT(r->MitteX, x0 + 1.5);
    ASSERT_EQ(ab().Auswahl, std::vector<TZeichenObjekt *>{r});
    const double x1 = r->MitteX;
    seite->setFocus();
    QTest::keyClick(seite, Qt::Key_Right);
    EXPECT_GT(r->MitteX, x1);
    QTest::keyClick(seite, Qt::Key_Delete);
    EXPECT_TRUE(dok()->Teile.empty());
}

TEST_F(LehrerFenster, AusschaltenVerbirgtPanelUndBehaeltSperren)
{
    TRechteck *r = rechteck(5, 20);
    lehrermodusAn();
    auswaehlen({r});
    QTest::mouseClick(lehrer->SBBearbeitenMitMausSperren, Qt::LeftButton);
    QTest::mouseClick(lehrer->SBBearbeitenMitTastaturSperren, Qt::LeftButton);
    ASSERT_EQ(r->MausGesperrt, 1);

    lehrermodusAus();
    EXPECT_FALSE(ab().Lehrermodus);
    EXPECT_FALSE(sichtbar(f->PBearbeitenSperren, f.get()));
    EXPECT_FALSE(lehrer->APasswortSetzen->isVisible());
    EXPECT_FALSE(lehrer->ALehrerModusAus->isVisible());
    EXPECT_TRUE(lehrer->ALehrerModusAn->isVisible());
    EXPECT_EQ(r->MausGesperrt, 1);
    EXPECT_EQ(r->TastaturGesperrt, 1);
    // ... and they apply again at once.
    const TAufrufErgebnis e = tippen(r->Name + QStringLiteral(".verschieben(1 cm, 0 cm)"));
    EXPECT_EQ(e.Meldung, QStringLiteral("Das Bearbeiten mit der Tastatur ist für dieses Objekt gesperrt."));
}

TEST_F(LehrerFenster, AnzeigeFolgtDemArbeitsbereich)
{
    // The file commands switch teacher mode off in the workspace and then
    // refresh the window: the teacher's controls disappear with it.
    lehrermodusAn();
    ab().Lehrermodus = false;
    f->OberflaecheAktualisieren();
    EXPECT_FALSE(sichtbar(f->PBearbeitenSperren, f.get()));
    EXPECT_FALSE(lehrer->APasswortSetzen->isVisible());
    EXPECT_TRUE(lehrer->ALehrerModusAn->isVisible());
}

TEST_F(LehrerFenster, RechteMaustasteOeffnetBeiGesperrterAuswahlKeinMenue)
{
    TRechteck *r = rechteck(5, 20);
    r->MausSperreSetzen(true);
    f->PopupMenuObjekt->addAction(QStringLiteral("Probe"));
    const QPoint p = px(5, 20);
    auto rechtsKlicken = [&] {
        bewegen(p);
        QTest::mousePress(seite, Qt::RightButton, {}, p);
        QTest::mouseRelease(seite, Qt::RightButton, {}, p);
    };

    rechtsKlicken();
    EXPECT_EQ(ab().Auswahl, std::vector<TZeichenObjekt *>{r}); // selected, but no menu
    EXPECT_FALSE(f->PopupMenuObjekt->isVisible());

    lehrermodusAn();
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Verschieben); // hover follows at once
    rechtsKlicken();
    EXPECT_TRUE(f->PopupMenuObjekt->isVisible());
    f->PopupMenuObjekt->hide();
}
