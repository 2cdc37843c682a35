// Edit locks: the common state of a selection, applying a choice to objects
// and their children, and the lock dialog with its radio groups.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "teacher/Sperren.h"
#include "teacher/ui/BearbeitenSperren.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Zeichnung {
    TArbeitsbereich ab;

    Zeichnung() { ab.Analysator().Angehalten = true; }

    template <class T>
    T *neu(TObjekt *klasse)
    {
        auto o = std::make_unique<T>(&ab.Dokument(), &ab.Analysator(), klasse);
        o->NamenVergeben();
        auto *roh = o.get();
        ab.Dokument().TeilAnhaengen(std::move(o));
        return roh;
    }
    TRechteck *rechteck() { return neu<TRechteck>(ab.Klassen().RECHTECK); }
    TLinienZug *linienzug()
    {
        auto *lz = neu<TLinienZug>(ab.Klassen().LINIENZUG);
        lz->PunktAnhaengen(1, 1, 0);
        lz->PunktAnhaengen(3, 1, 0);
        lz->PunktAnhaengen(2, 3, 0);
        return lz;
    }
    TGruppe *gruppe(const std::vector<TZeichenObjekt *> &mitglieder)
    {
        auto g = std::make_unique<TGruppe>(&ab.Dokument(), &ab.Analysator(), ab.Klassen().GRUPPE);
        g->NamenVergeben();
        return TGruppe::Gruppieren(std::move(g), mitglieder);
    }
};

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

} // namespace

TEST(Sperren, GemeinsamerZustandDerAuswahl)
{
    Zeichnung z;
    TRechteck *a = z.rechteck();
    TRechteck *b = z.rechteck();
    EXPECT_EQ(Sperren::Gemeinsam({}).Maus, Sperren::Uneinheitlich);
    EXPECT_EQ(Sperren::Gemeinsam({}).Tastatur, Sperren::Uneinheitlich);
    Sperren::TZustand s = Sperren::Gemeinsam({a, b});
    EXPECT_EQ(s.Maus, 0);
    EXPECT_EQ(s.Tastatur, 0);
    a->TastaturSperreSetzen(true);
    s = Sperren::Gemeinsam({a, b});
    EXPECT_EQ(s.Maus, 0);
    EXPECT_EQ(s.Tastatur, 2);
    b->TastaturSperreSetzen(true);
    b->MausSperreSetzen(true);
    s = Sperren::Gemeinsam({a, b});
    EXPECT_EQ(s.Maus, 2);
    EXPECT_EQ(s.Tastatur, 1);
    EXPECT_EQ(Sperren::Gemeinsam({b}).Maus, 1);
}

TEST(Sperren, GruppeUndLinienzugSperrenIhreTeileMit)
{
    Zeichnung z;
    TRechteck *r = z.rechteck();
    TLinienZug *lz = z.linienzug();
    TGruppe *g = z.gruppe({r, lz});
    ASSERT_EQ(g->MitgliedAnzahl(), 2);
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

TEST(Sperren, WahlZweiLaesstAllesWieEsIst)
{
    Zeichnung z;
    TRechteck *a = z.rechteck();
    TRechteck *b = z.rechteck();
    a->TastaturSperreSetzen(true);
    const std::vector<TObjekt *> liste{a, b};
    EXPECT_FALSE(Sperren::Anwenden(liste, {Sperren::Uneinheitlich, Sperren::Uneinheitlich}));
    EXPECT_EQ(a->TastaturGesperrt, 1);
    EXPECT_EQ(b->TastaturGesperrt, 0);
    EXPECT_TRUE(Sperren::Anwenden(liste, {Sperren::Gesperrt, Sperren::Uneinheitlich}));
    EXPECT_EQ(a->MausGesperrt, 1);
    EXPECT_EQ(b->MausGesperrt, 1);
    EXPECT_EQ(a->TastaturGesperrt, 1);
    EXPECT_EQ(b->TastaturGesperrt, 0);
    EXPECT_TRUE(Sperren::Anwenden(liste, {Sperren::Uneinheitlich, Sperren::Erlaubt}));
    EXPECT_EQ(a->TastaturGesperrt, 0);
    EXPECT_EQ(a->MausGesperrt, 1);
}

// --- the dialog --------------------------------------------------------------

namespace {

struct Dialog : ::testing::Test {
    Zeichnung z;
    TFBearbeitenSperren d;
    TRechteck *a = nullptr, *b = nullptr;

    void SetUp() override
    {
        a = z.rechteck();
        b = z.rechteck();
    }
    void oeffnen()
    {
        const Sperren::TZustand s = Sperren::Gemeinsam({a, b});
        d.Vorbereiten(s.Maus, s.Tastatur, {a, b});
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    }
};

} // namespace

TEST_F(Dialog, TexteUndBeschriftungen)
{
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Bearbeiten mit der Maus/Tastatur erlauben/sperren"));
    EXPECT_EQ(d.RBMausAlleErlauben->text(),
              QStringLiteral("Bearbeiten mit der Maus für alle markierten Objekte erlauben"));
    EXPECT_EQ(d.RBMAusAlleSperren->text(),
              QStringLiteral("Bearbeiten mit der Maus für alle markierten Objekte sperren"));
    EXPECT_EQ(d.RBTastaturErlauben->text(),
              QStringLiteral("Bearbeiten mit der Tastatur für alle markierten Objekte erlauben"));
    EXPECT_EQ(d.RBTastaturSperren->text(),
              QStringLiteral("Bearbeiten mit der Tastatur für alle markierten Objekte sperren"));
    EXPECT_EQ(d.RBMausLassen->text(), QStringLiteral("Alles lassen, wie es ist"));
    EXPECT_EQ(d.RBTastaturLassen->text(), QStringLiteral("Alles lassen, wie es ist"));
    EXPECT_EQ(d.LMaus1->text(),
              QStringLiteral("Bei einigen der markierten Objekte ist das Bearbeiten mit der Maus erlaubt,"));
    EXPECT_EQ(d.LMaus2->text(), QStringLiteral("Bei anderen nicht. Was wünschen Sie?"));
    EXPECT_EQ(d.LTastatur1->text(),
              QStringLiteral("Bei einigen der markierten Objekte ist das Bearbeiten mit der Tastatur"));
    EXPECT_EQ(d.LTastatur2->text(), QStringLiteral("erlaubt, bei anderen nicht. Was wünschen Sie?"));
    EXPECT_EQ(d.BUebernehmen->text(), QStringLiteral("Übernehmen"));
    EXPECT_EQ(d.BAbbrechen->text(), QStringLiteral("Abbrechen"));
}

TEST_F(Dialog, GemischteTastatursperreZeigtNurDortLassenUndErklaerung)
{
    a->TastaturSperreSetzen(true); // keyboard mixed, mouse allowed for both
    oeffnen();
    EXPECT_TRUE(d.RBTastaturLassen->isVisible());
    EXPECT_TRUE(d.LTastatur1->isVisible());
    EXPECT_TRUE(d.LTastatur2->isVisible());
    EXPECT_TRUE(d.RBTastaturLassen->isChecked());
    EXPECT_FALSE(d.RBMausLassen->isVisible());
    EXPECT_FALSE(d.LMaus1->isVisible());
    EXPECT_FALSE(d.LMaus2->isVisible());
    EXPECT_TRUE(d.RBMausAlleErlauben->isChecked());

    // Keep the keyboard option, lock the mouse: only the mouse locks change.
    QTest::mouseClick(d.RBMAusAlleSperren, Qt::LeftButton);
    EXPECT_TRUE(d.RBMAusAlleSperren->isChecked());
    QTest::mouseClick(d.BUebernehmen, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(d.Geaendert);
    EXPECT_EQ(a->TastaturGesperrt, 1);
    EXPECT_EQ(b->TastaturGesperrt, 0);
    EXPECT_EQ(a->MausGesperrt, 1);
    EXPECT_EQ(b->MausGesperrt, 1);
}

TEST_F(Dialog, EinheitlicheZustaendeUndAbbrechen)
{
    a->MausSperreSetzen(true);
    b->MausSperreSetzen(true);
    oeffnen();
    EXPECT_TRUE(d.RBMAusAlleSperren->isChecked());
    EXPECT_TRUE(d.RBTastaturErlauben->isChecked());
    for (QWidget *w : {static_cast<QWidget *>(d.RBMausLassen), static_cast<QWidget *>(d.RBTastaturLassen),
                       static_cast<QWidget *>(d.LMaus1), static_cast<QWidget *>(d.LMaus2),
                       static_cast<QWidget *>(d.LTastatur1), static_cast<QWidget *>(d.LTastatur2)})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();

    QTest::mouseClick(d.RBMausAlleErlauben, Qt::LeftButton);
    QTest::mouseClick(d.RBTastaturSperren, Qt::LeftButton);
    QTest::mouseClick(d.BAbbrechen, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(a->MausGesperrt, 1);
    EXPECT_EQ(b->TastaturGesperrt, 0);

    // Opened again: the radio buttons show the objects, not the last choice.
    oeffnen();
    EXPECT_TRUE(d.RBMAusAlleSperren->isChecked());
    QTest::mouseClick(d.RBMausAlleErlauben, Qt::LeftButton);
    QTest::mouseClick(d.RBTastaturSperren, Qt::LeftButton);
    QTest::mouseClick(d.BUebernehmen, Qt::LeftButton);
    EXPECT_EQ(a->MausGesperrt, 0);
    EXPECT_EQ(b->MausGesperrt, 0);
    EXPECT_EQ(a->TastaturGesperrt, 1);
    EXPECT_EQ(b->TastaturGesperrt, 1);
}
