// Edit locks: the common state of a selection, applying a choice to objects
// and their children, and the lock dialog with its radio groups.
#include "figures/KlassenObjekte.h"
#include "figures/UZeichenObjekte.h"
#include "language/Arbeitsbereich.h"
#include "model/Analysator.h"
#include "teacher/Sperren.h"
#include "teacher/ui/BearbeitenSperren.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace
{

// The mouse locks of a and b, then their keyboard locks.
std::vector<int> sperren(const TObjekt *a, const TObjekt *b)
{
    return {a->MausGesperrt, b->MausGesperrt, a->TastaturGesperrt, b->TastaturGesperrt};
}

// Every lock of the object and its children, depth first.
std::vector<int> alleSperren(const TObjekt &o, bool maus)
{
    std::vector<int> s{maus ? o.MausGesperrt : o.TastaturGesperrt};
    for (const auto &t : o.Teile) {
        const auto u = alleSperren(*t, maus);
        s.insert(s.end(), u.begin(), u.end());
    }
    return s;
}

// Two rectangles a and b in a drawing (log stopped), and the lock dialog.
struct Dialog : ::testing::Test {
    TArbeitsbereich ab;
    TFBearbeitenSperren d;
    TRechteck *a = nullptr, *b = nullptr;

    Dialog()
    {
        ab.Analysator().Angehalten = true;
        a = neu<TRechteck>("RECHTECK");
        b = neu<TRechteck>("RECHTECK");
    }
    template <class T> T *neu(const char *klasse)
    {
        auto o = ab.Klassen().ObjektErzeugen(QString::fromLatin1(klasse));
        o->NamenVergeben();
        return static_cast<T *>(ab.Dokument().TeilAnhaengen(std::move(o)));
    }
    void oeffnen()
    {
        const Sperren::TZustand s = Sperren::Gemeinsam({a, b});
        d.Vorbereiten(s.Maus, s.Tastatur, {a, b});
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    }
    // Whether "leave as it is" and its two lines show, for the mouse, then the keyboard.
    std::vector<bool> sichtbar() const
    {
        return {d.RBMausLassen->isVisible(),     d.LMaus1->isVisible(),     d.LMaus2->isVisible(),
                d.RBTastaturLassen->isVisible(), d.LTastatur1->isVisible(), d.LTastatur2->isVisible()};
    }
};

} // namespace

TEST_F(Dialog, GruppeUndLinienzugSperrenIhreTeileMit)
{
    auto *lz = neu<TLinienZug>("LINIENZUG");
    for (int i = 0; i < 3; ++i)
        lz->PunktAnhaengen(i, i % 2, 0);
    TGruppe *g =
        TGruppe::Gruppieren(std::make_unique<TGruppe>(&ab.Dokument(), &ab.Analysator(), ab.Klassen().GRUPPE), {a, lz});
    const std::vector<TObjekt *> liste{g};

    EXPECT_TRUE(Sperren::MausAnwenden(liste, Sperren::Gesperrt));
    EXPECT_EQ(alleSperren(*g, true), std::vector<int>(6, 1)); // group, rectangle, polyline, 3 vertices
    EXPECT_EQ(alleSperren(*g, false), std::vector<int>(6, 0));
    // Locking again changes nothing.
    EXPECT_FALSE(Sperren::MausAnwenden(liste, Sperren::Gesperrt));

    EXPECT_TRUE(Sperren::MausAnwenden(liste, Sperren::Erlaubt));
    EXPECT_EQ(alleSperren(*g, true), std::vector<int>(6, 0));

    // A member locked on its own is reported as a change when the group
    // is unlocked.
    lz->Punkt(1)->MausSperreSetzen(true);
    EXPECT_TRUE(Sperren::MausAnwenden(liste, Sperren::Erlaubt));
    EXPECT_EQ(lz->Punkt(1)->MausGesperrt, 0);
}

// Nothing selected has no common lock; the choice 2 leaves a lock as it is.
TEST_F(Dialog, LeereAuswahlUndWahlZweiLassenAllesWieEsIst)
{
    const Sperren::TZustand leer = Sperren::Gemeinsam({});
    EXPECT_EQ(std::pair(leer.Maus, leer.Tastatur), std::pair(Sperren::Uneinheitlich, Sperren::Uneinheitlich));
    a->TastaturSperreSetzen(true);
    const std::vector<TObjekt *> liste{a, b};
    EXPECT_FALSE(Sperren::Anwenden(liste, {Sperren::Uneinheitlich, Sperren::Uneinheitlich}));
    EXPECT_EQ(sperren(a, b), (std::vector<int>{0, 0, 1, 0}));
    EXPECT_TRUE(Sperren::Anwenden(liste, {Sperren::Gesperrt, Sperren::Uneinheitlich}));
    EXPECT_EQ(sperren(a, b), (std::vector<int>{1, 1, 1, 0}));
    EXPECT_TRUE(Sperren::Anwenden(liste, {Sperren::Uneinheitlich, Sperren::Erlaubt}));
    EXPECT_EQ(sperren(a, b), (std::vector<int>{1, 1, 0, 0}));
}

// The dialog's texts; "leave as it is" and its explanation only for a mixed lock.
TEST_F(Dialog, LassenNurBeiGemischtemZustandUndAbbrechen)
{
    QStringList texte{d.windowTitle()};
    for (const QAbstractButton *k : std::initializer_list<const QAbstractButton *>{
             d.RBMausAlleErlauben, d.RBMAusAlleSperren, d.RBMausLassen, d.RBTastaturErlauben, d.RBTastaturSperren,
             d.RBTastaturLassen, d.BUebernehmen, d.BAbbrechen})
        texte << k->text();
    texte << d.LMaus1->text() << d.LMaus2->text() << d.LTastatur1->text() << d.LTastatur2->text();
    EXPECT_EQ(texte,
              QStringList({"Bearbeiten mit der Maus/Tastatur erlauben/sperren",
                           "Bearbeiten mit der Maus für alle markierten Objekte erlauben",
                           "Bearbeiten mit der Maus für alle markierten Objekte sperren", "Alles lassen, wie es ist",
                           "Bearbeiten mit der Tastatur für alle markierten Objekte erlauben",
                           "Bearbeiten mit der Tastatur für alle markierten Objekte sperren",
                           "Alles lassen, wie es ist", "Übernehmen", "Abbrechen",
                           "Bei einigen der markierten Objekte ist das Bearbeiten mit der Maus erlaubt,",
                           "Bei anderen nicht. Was wünschen Sie?",
                           "Bei einigen der markierten Objekte ist das Bearbeiten mit der Tastatur",
                           "erlaubt, bei anderen nicht. Was wünschen Sie?"}));
    a->TastaturSperreSetzen(true); // keyboard mixed, mouse allowed for both
    oeffnen();
    EXPECT_EQ(sichtbar(), std::vector<bool>({false, false, false, true, true, true}));
    EXPECT_TRUE(d.RBTastaturLassen->isChecked());
    EXPECT_TRUE(d.RBMausAlleErlauben->isChecked());

    // Keep the keyboard option, lock the mouse: only the mouse locks change.
    QTest::mouseClick(d.RBMAusAlleSperren, Qt::LeftButton);
    QTest::mouseClick(d.BUebernehmen, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(d.Geaendert);
    EXPECT_EQ(sperren(a, b), (std::vector<int>{1, 1, 1, 0}));

    // Both uniform: no "leave as it is"; "Abbrechen" changes nothing.
    a->TastaturSperreSetzen(false);
    oeffnen();
    EXPECT_TRUE(d.RBMAusAlleSperren->isChecked());
    EXPECT_TRUE(d.RBTastaturErlauben->isChecked());
    EXPECT_EQ(sichtbar(), std::vector<bool>(6, false));

    QTest::mouseClick(d.RBMausAlleErlauben, Qt::LeftButton);
    QTest::mouseClick(d.RBTastaturSperren, Qt::LeftButton);
    QTest::mouseClick(d.BAbbrechen, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(sperren(a, b), (std::vector<int>{1, 1, 0, 0}));

    // Opened again: the radio buttons show the objects, not the last choice.
    oeffnen();
    EXPECT_TRUE(d.RBMAusAlleSperren->isChecked());
    EXPECT_TRUE(d.RBTastaturErlauben->isChecked());
}
