#pragma once
// The main window of the widget tests with the teacher's controls; the
// teacher dialogs run without a modal loop.
#include "teacher/ui/BearbeitenSperren.h"
#include "teacher/ui/LehrerBedienung.h"
#include "teacher/ui/Passwortabfrage.h"
#include "teacher/ui/Passwortschutz.h"
#include "window/fenster_hilfen.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

struct LehrerFenster : Fenster {
    TLehrerBedienung *lehrer = nullptr;
    // What the next dialog run does with the dialog (it is shown, not
    // modal); counts the runs.
    std::function<void(QDialog *)> imDialog;
    int dialogLaeufe = 0;

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
        const QToolButton *m = lehrer->SBBearbeitenMitMausSperren,
                          *t = lehrer->SBBearbeitenMitTastaturSperren;
        return {m->isVisible(), m->isVisible() && m->isChecked(), t->isVisible(),
                t->isVisible() && t->isChecked(), lehrer->SBBearbeitenMitMausTastatur->isVisible()};
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
};
