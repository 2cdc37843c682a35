// Teacher mode in the main window: the menu "Für Lehrer", the lock buttons
// and their display, and how the locks apply to the mouse and the keys.
#include "common/gemeinsame_hilfen.h"
#include "lehrer_hilfen.h"

#include <QMenu>

namespace
{
// Mouse and keyboard lock of each figure.
std::vector<int> sperren(std::initializer_list<const TObjekt *> figuren)
{
    std::vector<int> s;
    for (const TObjekt *o : figuren)
        s.insert(s.end(), {o->MausGesperrt, o->TastaturGesperrt});
    return s;
}
} // namespace

// The menu and button texts; the buttons lock the selection and mark the
// drawing changed; the locks stay when teacher mode ends.
TEST_F(LehrerFenster, KnoepfeSperrenDieAuswahlUndSperrenBleibenNachDemAusschalten)
{
    QStringList texte;
    for (const QAction *a : f->MenuFuerLehrer->actions())
        texte << a->text();
    EXPECT_EQ(texte, QStringList({"Lehrermodus an", "Lehrermodus aus",
                                  "Dokument mit Passwort schützen ..."}));
    EXPECT_EQ(QStringList({lehrer->SBBearbeitenMitMausSperren->toolTip(),
                           lehrer->SBBearbeitenMitTastaturSperren->toolTip(),
                           lehrer->SBBearbeitenMitMausTastatur->toolTip()}),
              QStringList({"Bearbeiten mit der Maus erlauben/sperren",
                           "Bearbeiten mit der Tastatur erlauben/sperren",
                           "Bearbeiten mit der Maus/Tastatur erlauben/sperren"}));
    TRechteck *r = rechteck(5, 20);
    lehrermodusAn();
    klicken(px(5, 20));
    ASSERT_EQ(ab().Auswahl, std::vector<TZeichenObjekt *>{r});
    QToolButton *maus = lehrer->SBBearbeitenMitMausSperren;
    ASSERT_TRUE(maus->isEnabled());
    EXPECT_EQ(panel(), std::vector<bool>({true, false, true, false, false}));
    ab().Geaendert = false;

    QTest::mouseClick(maus, Qt::LeftButton);
    EXPECT_TRUE(maus->isChecked());
    EXPECT_EQ(sperren({r}), std::vector<int>({1, 0}));
    EXPECT_TRUE(ab().Geaendert);
    QTest::mouseClick(maus, Qt::LeftButton);
    EXPECT_FALSE(maus->isChecked());
    EXPECT_EQ(sperren({r}), std::vector<int>({0, 0}));
    QTest::mouseClick(maus, Qt::LeftButton);
    QTest::mouseClick(lehrer->SBBearbeitenMitTastaturSperren, Qt::LeftButton);
    EXPECT_EQ(sperren({r}), std::vector<int>({1, 1}));

    lehrermodusAus();
    EXPECT_EQ(sperren({r}), std::vector<int>({1, 1}));
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

    // "Alles lassen, wie es ist" for both, as prepared: nothing changes.
    TFBearbeitenSperren *d = lehrer->FBearbeitenSperren;
    bool knopfUntenWaehrendDialog = false;
    imDialog = [&](QDialog *dialog) {
        ASSERT_EQ(dialog, d);
        knopfUntenWaehrendDialog = lehrer->SBBearbeitenMitMausTastatur->isChecked();
        EXPECT_TRUE(d->RBMausLassen->isChecked());
        EXPECT_TRUE(d->RBTastaturLassen->isChecked());
        EXPECT_EQ(d->Objekte, (std::vector<TObjekt *>{a, b}));
        QTest::mouseClick(d->BUebernehmen, Qt::LeftButton);
    };
    QTest::mouseClick(lehrer->SBBearbeitenMitMausTastatur, Qt::LeftButton);
    EXPECT_EQ(dialogLaeufe, 1);
    EXPECT_TRUE(knopfUntenWaehrendDialog);
    EXPECT_FALSE(lehrer->SBBearbeitenMitMausTastatur->isChecked()); // pops up again
    EXPECT_EQ(sperren({a, b}), std::vector<int>({0, 1, 1, 0}));
    EXPECT_FALSE(ab().Geaendert);
    EXPECT_TRUE(d->Objekte.empty());

    // Lock the keyboard and allow the mouse for both: the panel shows the
    // two buttons again.
    imDialog = [&](QDialog *) {
        QTest::mouseClick(d->RBTastaturSperren, Qt::LeftButton);
        QTest::mouseClick(d->RBMausAlleErlauben, Qt::LeftButton);
        QTest::mouseClick(d->BUebernehmen, Qt::LeftButton);
    };
    QTest::mouseClick(lehrer->SBBearbeitenMitMausTastatur, Qt::LeftButton);
    EXPECT_EQ(sperren({a, b}), std::vector<int>({0, 1, 0, 1}));
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(panel(), std::vector<bool>({true, false, true, true, false}));
    // Only the keyboard locks differ: the combined button alone.
    a->TastaturSperreSetzen(false);
    waehlen({a, b});
    EXPECT_EQ(panel(), std::vector<bool>({false, false, false, false, true}));
}

// A mouse-locked figure shows a padlock, refused edits say why in the hint bar and a right
// click opens no menu; in teacher mode the handles and the menu are back, the hint bar says so.
TEST_F(LehrerFenster, GesperrteFigurZeigtSchlossUndHinweis)
{
    f->resize(640, 520);
    QApplication::processEvents();
    TRechteck *r = rechteck(6, 24);
    r->MausSperreSetzen(true);
    r->Füllfarbe = TFarbe::Echt(FarbWert(102, 153, 255));
    f->Neuzeichnen();
    const QString gesperrt = TMausSteuerung::GesperrtHinweis();
    EXPECT_TRUE(gesperrt.startsWith(QStringLiteral("Dieses Objekt ist gesperrt")));
    // The padlock's body, just right of the top right corner, in the sheet's cached image.
    auto pixel = [&](QPoint p) {
        return f->Zeichenbereich->Puffer().pixelColor(p -
                                                      f->Zeichenbereich->PufferBereich().topLeft());
    };
    const QPoint schloss = px(8, 25) + QPoint(-1, -2);
    const QColor schlossFarbe(128, 96, 0);
    f->PopupMenuObjekt->addAction(QStringLiteral("Probe"));
    auto rechtsKlicken = [&] {
        bewegen(px(6, 24));
        QTest::mousePress(seite, Qt::RightButton, {}, px(6, 24));
        QTest::mouseRelease(seite, Qt::RightButton, {}, px(6, 24));
    };

    klicken(px(6, 24));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    EXPECT_EQ(f->Hinweistext, gesperrt);
    EXPECT_EQ(pixel(schloss), schlossFarbe);
    // Its corner is no handle: the mouse there is over the locked figure.
    bewegen(px(8, 25));
    EXPECT_EQ(zustand(), TMauszustand::UeberObjekt);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Hand);
    testhilfe::bildschirmfotoSichern(f->grab().toImage(), QStringLiteral("gesperrt.png"));

    // Refused: dragging the body, dragging at the corner, arrow keys, Delete.
    struct Versuch {
        const char *Name;
        std::function<void()> Tun;
    };
    const Versuch versuche[] = {
        {"ziehen", [&] { ziehen(px(6, 24), px(6, 24) + QPoint(30, 10)); }},
        {"Ecke ziehen", [&] { ziehen(px(8, 25), px(8, 25) + QPoint(30, 10)); }},
        {"Pfeiltaste", [&] { QTest::keyClick(seite, Qt::Key_Left); }},
        {"Entf", [&] { QTest::keyClick(seite, Qt::Key_Delete); }},
        {"Rechtsklick", rechtsKlicken},
    };
    const int vorher = anzahl();
    for (const Versuch &v : versuche) {
        SCOPED_TRACE(v.Name);
        f->HinweisSetzen(QString());
        seite->setFocus();
        v.Tun();
        EXPECT_EQ(f->Hinweistext, gesperrt);
        EXPECT_EQ(dok()->Teile.size(), 1u);
        EXPECT_TRUE(nahe(r->MitteX, 6) && nahe(r->MitteY, 24) && nahe(r->Länge, 4));
        EXPECT_FALSE(f->PopupMenuObjekt->isVisible());
    }
    EXPECT_EQ(anzahl(), vorher);

    // Teacher mode: said in the hint bar, handles instead of the lock.
    lehrermodusAn();
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Verschieben); // hover follows at once
    EXPECT_EQ(f->Hinweistext, TFMain::LehrermodusHinweis());
    EXPECT_NE(pixel(schloss), schlossFarbe);
    bewegen(px(8, 25));
    EXPECT_EQ(zustand(), TMauszustand::UeberGriff);
    rechtsKlicken();
    EXPECT_TRUE(f->PopupMenuObjekt->isVisible());
    f->PopupMenuObjekt->hide();
    f->HinweisSetzen(QString()); // nothing else to say: teacher mode is
    EXPECT_EQ(f->Hinweistext, TFMain::LehrermodusHinweis());
    lehrermodusAus();
    EXPECT_NE(f->Hinweistext, TFMain::LehrermodusHinweis());
    EXPECT_EQ(pixel(schloss), schlossFarbe);
}
