// Teacher mode in the main window: the menu "Für Lehrer", the lock buttons and how the
// locks apply, the password prompt and the set-password dialog.
#include "common/gemeinsame_hilfen.h"
#include "persistence/Dokumentdatei.h"
#include "persistence/ui/DateiBefehle.h"
#include "teacher/ui/BearbeitenSperren.h"
#include "teacher/ui/LehrerBedienung.h"
#include "teacher/ui/Passwortabfrage.h"
#include "teacher/ui/Passwortschutz.h"
#include "window/fenster_hilfen.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>

namespace
{

struct LehrerFenster : Fenster {
    TLehrerBedienung *lehrer = nullptr;
    // What the next dialog run does with the dialog (it is shown, not
    // modal); counts the runs.
    std::function<void(QDialog *)> imDialog;
    int dialogLaeufe = 0;
    QStringList meldungen;  // "caption|text" of every message box of the password dialogs
    QString gezeigt;        // what the set-password dialog showed when it opened
    bool nochOffen = false; // whether it stayed open after the button

    void SetUp() override
    {
        Fenster::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        lehrer = f->Lehrer;
        ASSERT_NE(lehrer, nullptr);
        lehrer->DialogAusfuehren = [this](QDialog *d) {
            ++dialogLaeufe;
            d->show();
            if (imDialog)
                imDialog(d);
            d->hide();
        };
        auto melden = [this](const QString &titel, const QString &text) {
            meldungen << titel + QLatin1Char('|') + text;
        };
        lehrer->FPasswortabfrage->Melden = melden;
        lehrer->FPasswortschutz->Melden = melden;
    }
    void TearDown() override
    {
        f->Arbeitsbereich->Analysator().Angehalten = true;
        Fenster::TearDown();
    }

    // A 4 cm x 2 cm rectangle around the point.
    TRechteck *rechteck(double mx, double my) { return Fenster::rechteck(mx, my, 4, 2); }

    // Teacher mode through the menu action, as a click on it does.
    void lehrermodusAn() { lehrer->ALehrerModusAn->trigger(); }
    void lehrermodusAus() { lehrer->ALehrerModusAus->trigger(); }

    // The lock panel as shown: mouse button visible, shown pressed; keyboard
    // button visible, shown pressed; combined button visible.
    std::vector<bool> panel() const
    {
        const QToolButton *m = lehrer->SBBearbeitenMitMausSperren, *t = lehrer->SBBearbeitenMitTastaturSperren;
        return {m->isVisible(), m->isVisible() && m->isChecked(), t->isVisible(), t->isVisible() && t->isChecked(),
                lehrer->SBBearbeitenMitMausTastatur->isVisible()};
    }
    // Teacher mode, its two menu entries and the lock panel all on or all off.
    void modusErwarten(bool an)
    {
        EXPECT_EQ(ab().Lehrermodus, an);
        EXPECT_EQ(lehrer->ALehrerModusAn->isVisible(), !an);
        EXPECT_EQ(lehrer->ALehrerModusAus->isVisible(), an);
        EXPECT_EQ(lehrer->APasswortSetzen->isVisible(), an);
        EXPECT_EQ(f->PBearbeitenSperren->isVisibleTo(f.get()), an);
    }

    // Switches teacher mode on with the entry typed into the prompt.
    void anmelden(const QString &eingabe)
    {
        imDialog = [eingabe](QDialog *d) {
            auto *abfrage = qobject_cast<TFPasswortabfrage *>(d);
            ASSERT_NE(abfrage, nullptr);
            EXPECT_TRUE(abfrage->EPass->text().isEmpty()); // emptied on showing
            QTest::keyClicks(abfrage->EPass, eingabe);
            QTest::mouseClick(abfrage->BOK, Qt::LeftButton);
        };
        lehrermodusAn();
        imDialog = nullptr;
    }

    // Runs "Dokument mit Passwort schützen ..." with the entry (and its repetition, the
    // same unless given) and the button; a dialog that stays open is then cancelled.
    void passwortSetzen(const QString &eingabe, bool uebernehmen = true, const QString &wiederholung = QString())
    {
        imDialog = [this, eingabe, uebernehmen, wiederholung](QDialog *d) {
            auto *schutz = qobject_cast<TFPasswortschutz *>(d);
            ASSERT_NE(schutz, nullptr);
            EXPECT_FALSE(schutz->Uebernommen);
            gezeigt = schutz->EPasswort->text();
            EXPECT_EQ(schutz->EPasswortWiederholung->text(), gezeigt);
            schutz->EPasswort->setText(eingabe);
            schutz->EPasswortWiederholung->setText(wiederholung.isNull() ? eingabe : wiederholung);
            QTest::mouseClick(uebernehmen ? schutz->BUebernehmen : schutz->BAbbrechen, Qt::LeftButton);
            if ((nochOffen = schutz->isVisible()))
                QTest::mouseClick(schutz->BAbbrechen, Qt::LeftButton);
        };
        lehrer->APasswortSetzen->trigger();
        imDialog = nullptr;
    }
};

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
    EXPECT_EQ(texte, QStringList({"Lehrermodus an", "Lehrermodus aus", "Dokument mit Passwort schützen ..."}));
    EXPECT_EQ(
        QStringList({lehrer->SBBearbeitenMitMausSperren->toolTip(), lehrer->SBBearbeitenMitTastaturSperren->toolTip(),
                     lehrer->SBBearbeitenMitMausTastatur->toolTip()}),
        QStringList({"Bearbeiten mit der Maus erlauben/sperren", "Bearbeiten mit der Tastatur erlauben/sperren",
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

    // Only the keyboard locks differ: the combined button alone.
    b->MausSperreSetzen(false);
    waehlen({a, b});
    EXPECT_EQ(panel(), std::vector<bool>({false, false, false, false, true}));
}

// A mouse-locked figure has no handles, refused edits say why in the hint bar and a right
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
    f->PopupMenuObjekt->addAction(QStringLiteral("Probe"));
    auto rechtsKlicken = [&] {
        bewegen(px(6, 24));
        QTest::mousePress(seite, Qt::RightButton, {}, px(6, 24));
        QTest::mouseRelease(seite, Qt::RightButton, {}, px(6, 24));
    };

    klicken(px(6, 24));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    EXPECT_EQ(f->Hinweistext, gesperrt);
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
    bewegen(px(8, 25));
    EXPECT_EQ(zustand(), TMauszustand::UeberGriff);
    rechtsKlicken();
    EXPECT_TRUE(f->PopupMenuObjekt->isVisible());
    f->PopupMenuObjekt->hide();
    f->HinweisSetzen(QString()); // nothing else to say: teacher mode is
    EXPECT_EQ(f->Hinweistext, TFMain::LehrermodusHinweis());
    lehrermodusAus();
    EXPECT_NE(f->Hinweistext, TFMain::LehrermodusHinweis());
}

TEST_F(LehrerFenster, PasswortSetzenAendernUndAufheben)
{
    lehrermodusAn();
    ab().Geaendert = false;
    passwortSetzen(QStringLiteral("Tafel"));
    EXPECT_EQ(dok()->Passwort, QStringLiteral("Tafel"));
    EXPECT_TRUE(lehrer->FPasswortschutz->Uebernommen);
    EXPECT_FALSE(nochOffen);
    EXPECT_TRUE(ab().Geaendert);
    TFPasswortschutz *s = lehrer->FPasswortschutz;
    EXPECT_EQ(s->EPasswort->echoMode(), QLineEdit::Password);
    EXPECT_EQ(s->EPasswortWiederholung->echoMode(), QLineEdit::Password);
    QStringList zeilen{s->windowTitle()};
    for (int i = 1; i <= 5; ++i)
        zeilen << s->findChild<QLabel *>(QStringLiteral("Label%1").arg(i))->text();
    zeilen << s->BUebernehmen->text() << s->BAbbrechen->text();
    EXPECT_EQ(zeilen, QStringList({"FPasswortschutz", "Wenn Sie hier ein Passwort eingeben, kann der",
                                   "Lehrermodus für das aktuelle Dokument in Zukunft nur",
                                   "durch Eingabe dieses Passwortes aktiviert werden.",
                                   "Geben Sie nichts ein, so wird der Passwortschutz",
                                   "für dieses Dokument aufgehoben.", "Übernehmen", "Abbrechen"}));

    // The dialog shows the current password; "Abbrechen" keeps it even after typing.
    passwortSetzen(QStringLiteral("anders"), false);
    EXPECT_EQ(gezeigt, QStringLiteral("Tafel"));
    EXPECT_EQ(dok()->Passwort, QStringLiteral("Tafel"));
    EXPECT_FALSE(lehrer->FPasswortschutz->Uebernommen);

    // Nothing entered: the protection is removed.
    ab().Geaendert = false;
    passwortSetzen(QString());
    EXPECT_TRUE(dok()->Passwort.isEmpty());
    EXPECT_TRUE(ab().Geaendert);

    // Differing entries are refused and the dialog stays open.
    meldungen.clear();
    passwortSetzen(QStringLiteral("Tafel"), true, QStringLiteral("Tafle"));
    EXPECT_TRUE(nochOffen);
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Warnung:|Die beiden Eingaben stimmen nicht überein.")});
    EXPECT_TRUE(dok()->Passwort.isEmpty());

    // A character the file cannot hold is refused, the dialog stays open.
    meldungen.clear();
    passwortSetzen(QStringLiteral("Tafel\u0416"));
    EXPECT_TRUE(nochOffen);
    EXPECT_TRUE(dok()->Passwort.isEmpty());
    EXPECT_EQ(meldungen, QStringList{QStringLiteral(
                             "Warnung:|Das Zeichen \"\u0416\" kann im Passwort nicht gespeichert werden.")});

    // The same password again is no change.
    ab().Geaendert = false;
    passwortSetzen(QString());
    EXPECT_FALSE(ab().Geaendert);
}

TEST_F(LehrerFenster, GeoeffnetesDokumentMitPasswortVerlangtEsFuerDenLehrermodus)
{
    ASSERT_NE(f->DateiBefehle, nullptr);
    QTemporaryDir ordner;
    const QString ohne = ordner.filePath(QStringLiteral("ohne.fgo")), mit = ordner.filePath(QStringLiteral("mit.fgo"));
    QString meldung;
    ASSERT_TRUE(DokumentSpeichern(ohne, *dok(), *f->Klassen(), meldung));
    dok()->Passwort = QStringLiteral("Tafel");
    ASSERT_TRUE(DokumentSpeichern(mit, *dok(), *f->Klassen(), meldung));
    dok()->Passwort.clear();

    lehrermodusAn();
    ASSERT_TRUE(f->DateiBefehle->DokumentOeffnen(ohne));
    modusErwarten(true); // no password: teacher mode stays
    ASSERT_TRUE(f->DateiBefehle->DokumentOeffnen(mit));
    EXPECT_EQ(dok()->Passwort, QStringLiteral("Tafel"));
    modusErwarten(false);

    // A wrong or cancelled entry fails; back on only with the password.
    anmelden(QStringLiteral("tafel"));
    modusErwarten(false);
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Meldung:|Das Passwort war falsch.")});
    EXPECT_FALSE(lehrer->FPasswortabfrage->Ok);
    // The prompt's texts, "*" for each typed character (docs/screenshots/passwort.png);
    // closing it without "OK" fails silently.
    meldungen.clear();
    imDialog = [this](QDialog *d) {
        TFPasswortabfrage *a = lehrer->FPasswortabfrage;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
        EXPECT_EQ(QStringList({a->windowTitle(), a->LAnweisung->text(), a->BOK->text()}),
                  QStringList({"Bitte geben Sie das Passwort ein:", "Bitte geben Sie das Passwort ein:", "OK"}));
        QTest::keyClicks(a->EPass, QStringLiteral("Tafel"));
        EXPECT_EQ(a->EPass->displayText(), QStringLiteral("*****"));
        EXPECT_TRUE(a->LAnweisung->isVisible());
        testhilfe::bildschirmfotoSichern(d->grab().toImage(), QStringLiteral("passwort.png"));
        d->reject();
    };
    lehrermodusAn();
    EXPECT_FALSE(ab().Lehrermodus);
    EXPECT_TRUE(meldungen.isEmpty());
    anmelden(QStringLiteral("Tafel"));
    EXPECT_TRUE(ab().Lehrermodus);
}
