// Teacher mode in the main window: the menu "Für Lehrer", the lock buttons
// and their display, and how the locks apply to the mouse, the keys and
// typed calls.
#include "test_lehrer_hilfen.h"

#include <QMenu>

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
    EXPECT_FALSE(f->PBearbeitenSperren->isVisibleTo(f.get()));

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
    // The locks of group and members: mouse, then keyboard.
    const auto sperren = [&] {
        return std::vector<int>{g->MausGesperrt,    a->MausGesperrt,    b->MausGesperrt,
                                g->TastaturGesperrt, a->TastaturGesperrt, b->TastaturGesperrt};
    };
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
    EXPECT_EQ(sperren(), (std::vector<int>{1, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(ab().Geaendert);
    QTest::mouseClick(maus, Qt::LeftButton);
    EXPECT_FALSE(maus->isChecked());
    EXPECT_EQ(sperren(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    QTest::mouseClick(lehrer->SBBearbeitenMitTastaturSperren, Qt::LeftButton);
    EXPECT_EQ(sperren(), (std::vector<int>{0, 0, 0, 1, 1, 1}));
}

TEST_F(LehrerFenster, KnoepfeZeigenDenGemeinsamenZustand)
{
    TRechteck *a = rechteck(5, 20);
    TRechteck *b = rechteck(12, 20);
    lehrermodusAn();
    a->MausSperreSetzen(true);
    b->MausSperreSetzen(true);
    b->TastaturSperreSetzen(true);
    waehlen({a});
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausSperren->isVisible());
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausSperren->isChecked());
    EXPECT_FALSE(lehrer->SBBearbeitenMitTastaturSperren->isChecked());
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isVisible());

    // Keyboard locks differ: only the combined button.
    waehlen({a, b});
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausTastatur->isVisible());
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausTastatur->isEnabled());
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausSperren->isVisible());
    EXPECT_FALSE(lehrer->SBBearbeitenMitTastaturSperren->isVisible());

    waehlen({b});
    EXPECT_TRUE(lehrer->SBBearbeitenMitMausSperren->isChecked());
    EXPECT_TRUE(lehrer->SBBearbeitenMitTastaturSperren->isChecked());
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isVisible());
}

TEST_F(LehrerFenster, KombinierterKnopfOeffnetDenDialogFuerDieAuswahl)
{
    TRechteck *a = rechteck(5, 20);
    TRechteck *b = rechteck(12, 20);
    a->TastaturSperreSetzen(true);
    b->MausSperreSetzen(true);
    lehrermodusAn();
    waehlen({a, b});
    ab().Geaendert = false;

    TFBearbeitenSperren *d = lehrer->FBearbeitenSperren;
    bool knopfUntenWaehrendDialog = false;
    imDialog = [&](QDialog *dialog) {
        ASSERT_EQ(dialog, d);
        knopfUntenWaehrendDialog = lehrer->SBBearbeitenMitMausTastatur->isChecked();
        // Prepared with the common state: both mixed, "Alles lassen, wie es
        // ist" chosen for both.
        EXPECT_TRUE(d->RBMausLassen->isVisible());
        EXPECT_TRUE(d->LMaus1->isVisible());
        EXPECT_TRUE(d->RBMausLassen->isChecked());
        EXPECT_TRUE(d->RBTastaturLassen->isChecked());
        EXPECT_EQ(d->Objekte, (std::vector<TObjekt *>{a, b}));
        QTest::mouseClick(d->BUebernehmen, Qt::LeftButton);
    };
    QTest::mouseClick(lehrer->SBBearbeitenMitMausTastatur, Qt::LeftButton);
    EXPECT_EQ(dialogLaeufe, 1);
    EXPECT_TRUE(knopfUntenWaehrendDialog);
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isChecked()); // pops up again
    EXPECT_EQ(a->TastaturGesperrt, 1);
    EXPECT_EQ(b->TastaturGesperrt, 0);
    EXPECT_EQ(a->MausGesperrt, 0);
    EXPECT_EQ(b->MausGesperrt, 1);
    EXPECT_FALSE(ab().Geaendert);
    EXPECT_TRUE(d->Objekte.empty());

    // Now lock the keyboard and allow the mouse for both: the panel shows
    // the two buttons again.
    imDialog = [&](QDialog *) {
        QTest::mouseClick(d->RBTastaturSperren, Qt::LeftButton);
        QTest::mouseClick(d->RBMausAlleErlauben, Qt::LeftButton);
        QTest::mouseClick(d->BUebernehmen, Qt::LeftButton);
    };
    QTest::mouseClick(lehrer->SBBearbeitenMitMausTastatur, Qt::LeftButton);
    EXPECT_EQ(b->TastaturGesperrt, 1);
    EXPECT_EQ(b->MausGesperrt, 0);
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isVisible());
    EXPECT_TRUE(lehrer->SBBearbeitenMitTastaturSperren->isVisible());
    EXPECT_TRUE(lehrer->SBBearbeitenMitTastaturSperren->isChecked());
}

// Each lock concerns only its own way of editing, and none applies in
// teacher mode. (Dragging, keys and the cursor over a mouse-locked figure
// outside teacher mode, and typed calls under a keyboard lock, are covered
// with the main window and the workspace.)
TEST_F(LehrerFenster, SperrenGeltenNurFuerIhrWerkzeugUndNichtImLehrermodus)
{
    TRechteck *tastatur = rechteck(5, 20);
    tastatur->TastaturSperreSetzen(true);
    TRechteck *maus = rechteck(15, 20);
    maus->MausSperreSetzen(true);
    ziehen(px(5, 20), px(5, 20) + QPoint(40, 0));
    EXPECT_GT(tastatur->MitteX, 5.5);

    // The corner handle of the selected mouse-locked rectangle is not hovered.
    klicken(px(15, 20));
    ASSERT_EQ(ab().Auswahl, std::vector<TZeichenObjekt *>{maus});
    bewegen(px(17, 21));
    EXPECT_EQ(f->Steuerung->AktuellerGriff, nullptr);
    EXPECT_NE(f->Steuerung->Mauszustand, TMauszustand::UeberGriff);

    // In teacher mode the arrow keys and Delete act on it.
    lehrermodusAn();
    seite->setFocus();
    QTest::keyClick(seite, Qt::Key_Right);
    EXPECT_GT(maus->MitteX, 15.0);
    QTest::keyClick(seite, Qt::Key_Delete);
    EXPECT_EQ(dok()->Teile.size(), 1u);
}

TEST_F(LehrerFenster, AusschaltenVerbirgtPanelUndBehaeltSperren)
{
    TRechteck *r = rechteck(5, 20);
    lehrermodusAn();
    waehlen({r});
    QTest::mouseClick(lehrer->SBBearbeitenMitMausSperren, Qt::LeftButton);
    QTest::mouseClick(lehrer->SBBearbeitenMitTastaturSperren, Qt::LeftButton);
    ASSERT_EQ(r->MausGesperrt, 1);

    lehrermodusAus();
    EXPECT_FALSE(ab().Lehrermodus);
    EXPECT_FALSE(f->PBearbeitenSperren->isVisibleTo(f.get()));
    EXPECT_FALSE(lehrer->APasswortSetzen->isVisible());
    EXPECT_FALSE(lehrer->ALehrerModusAus->isVisible());
    EXPECT_TRUE(lehrer->ALehrerModusAn->isVisible());
    EXPECT_EQ(r->MausGesperrt, 1);
    // ... and they apply again at once.
    const TAufrufErgebnis e = tippen(r->Name + QStringLiteral(".verschieben(1 cm, 0 cm)"));
    EXPECT_EQ(e.Meldung, QStringLiteral("Das Bearbeiten mit der Tastatur ist für dieses Objekt gesperrt."));

    // The file commands switch teacher mode off in the workspace and then
    // refresh the window: the teacher's controls disappear with it.
    lehrermodusAn();
    ab().Lehrermodus = false;
    f->OberflaecheAktualisieren();
    EXPECT_FALSE(f->PBearbeitenSperren->isVisibleTo(f.get()));
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
