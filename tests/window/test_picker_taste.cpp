// Keys whose meaning depends on where the focus is: Escape with an open
// picker, and the clipboard keys while the input field has the focus (they
// work on its text, not on the figures).
#include "FensterTest.h"
#include "language/ui/EingabeFeld.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/ColorPicker.h"

#include <QClipboard>

using TastenImFenster = Fenster;

TEST_F(TastenImFenster, EscapeSchliesstDenOffenenPicker)
{
    TAttributPanels *p = f->Attributpanels;
    TRechteck *r = rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});

    // Focus on the sheet.
    QTest::mouseClick(p->SBFuellfarbe, Qt::LeftButton);
    ASSERT_TRUE(p->FuellfarbPicker->isVisible());
    QTest::keyClick(seite, Qt::Key_Escape);
    EXPECT_FALSE(p->FuellfarbPicker->isVisible());
    EXPECT_FALSE(p->SBFuellfarbe->Festgedrueckt);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r}); // the selection stays

    // Focus in the input field: Escape still closes it.
    auto *feld = static_cast<TEingabeFeld *>(f->Eingabefeld);
    QTest::mouseClick(p->SBLinienfarbe, Qt::LeftButton);
    ASSERT_TRUE(p->LinienfarbPicker->isVisible());
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_Escape);
    EXPECT_FALSE(p->LinienfarbPicker->isVisible());
}

TEST_F(TastenImFenster, ZwischenablageImEingabefeldGiltDemText)
{
    rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    ASSERT_EQ(auswahl().size(), 1u);
    const int vorher = anzahl();
    auto *feld = static_cast<TEingabeFeld *>(f->Eingabefeld);
    feld->setFocus();
    ASSERT_TRUE(feld->hasFocus());
    QTest::keyClicks(feld, QStringLiteral("re0.zeichnen"));

    // Ctrl+A, Ctrl+C: the text goes to the desktop clipboard, no figure is
    // copied.
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(feld->AusgewaehlterText(), QStringLiteral("re0.zeichnen"));
    QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("re0.zeichnen"));
    EXPECT_TRUE(f->Arbeitsbereich->Zwischenablage.empty());

    // Ctrl+X takes the selected part out of the field.
    QTest::keyClick(feld, Qt::Key_End);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(feld, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(feld, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(feld->Text(), QStringLiteral("re0."));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("zeichnen"));
    EXPECT_EQ(auswahl().size(), 1u); // the figure was not cut

    // Ctrl+V inserts at the caret; line breaks become blanks.
    QGuiApplication::clipboard()->setText(QStringLiteral("verschieben(1,\n2)"));
    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(feld->Text(), QStringLiteral("re0.verschieben(1, 2)"));
    EXPECT_EQ(feld->Einfuegemarke(), 21);
    EXPECT_EQ(f->Hinweistext, QString());
    EXPECT_EQ(anzahl(), vorher); // nothing ran, nothing was pasted on the sheet
    EXPECT_EQ(dok()->Teile.size(), 1u);

    // A character Figuro cannot store is refused as when typed.
    QGuiApplication::clipboard()->setText(QStringLiteral("\u03A9"));
    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(feld->Text(), QStringLiteral("re0.verschieben(1, 2)"));
    EXPECT_EQ(f->Hinweistext, QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."));

    // The call still runs with Enter.
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("re0.verschieben( 1.00 mm, 2.00 mm )")});
}
