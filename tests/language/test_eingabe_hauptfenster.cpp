// The input field inside the main window: hint bar, light bulb, execute
// button and the execute command; and the screenshot of the field with the
// completion window open.
#include "common/TestHilfen.h"
#include "language/ui/EingabeFeld.h"
#include "language/ui/FCodeComplete.h"
#include "window/FensterTest.h"

#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>

namespace {

struct EingabeImHauptfenster : Fenster {
    TEingabeFeld *feld = nullptr;

    void SetUp() override
    {
        Fenster::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        feld = f->findChild<TEingabeFeld *>();
        ASSERT_NE(feld, nullptr);
    }
    void TearDown() override
    {
        ab().Analysator().Angehalten = true;
        Fenster::TearDown();
    }

    // Runs a call directly, as a script would, to set up the drawing.
    void aufruf(const QString &text)
    {
        const TAufrufErgebnis e = ab().AufrufAusfuehren(text, 0, nullptr);
        EXPECT_TRUE(e.Ausgefuehrt) << text.toStdString() << ": " << e.Fehlermeldung.toStdString();
    }
    // A figure of the class with its creation logged, as the mouse makes it.
    TZeichenObjekt *neu(const QString &klasse) { return figur<TZeichenObjekt>(klasse, 0, 0); }

    void tippen(const QString &text)
    {
        if (!feld->hasFocus())
            QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
        for (QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &druck);
        }
    }
};

} // namespace

TEST_F(EingabeImHauptfenster, HinweiszeileKnopfUndAusfuehren)
{
    EXPECT_EQ(feld->parentWidget(), f->PMethodenEingabe);
    EXPECT_EQ(f->Eingabefeld, feld);
    // The field fills its panel up to the execute button.
    EXPECT_GE(feld->width(), f->PMethodenEingabe->width() - 30);

    neu(QStringLiteral("RECHTECK"));
    tippen(QStringLiteral("re0.drehen("));
    EXPECT_EQ(f->PanelHilfstext->text(), feld->Scanner().Fehlermeldung);
    EXPECT_FALSE(f->PanelHilfstext->text().isEmpty());
    EXPECT_TRUE(f->ImageGluehbirne->isVisibleTo(f.get()));
    EXPECT_FALSE(f->SBMethodeAusfuehren->isEnabled());

    // Enter on an erroneous text: nothing runs, the message stays.
    const QStringList vorher = protokoll();
    const QString meldung = f->PanelHilfstext->text();
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_EQ(protokoll(), vorher);
    EXPECT_EQ(f->PanelHilfstext->text(), meldung);
    EXPECT_FALSE(ab().Geaendert);

    tippen(QStringLiteral("30)"));
    EXPECT_TRUE(f->SBMethodeAusfuehren->isEnabled());
    EXPECT_EQ(f->PanelHilfstext->text(), QString());
    EXPECT_FALSE(f->ImageGluehbirne->isVisibleTo(f.get()));

    QTest::keyClick(feld, Qt::Key_Return);
    ASSERT_EQ(protokoll().size(), vorher.size() + 1);
    EXPECT_EQ(protokoll().back(), QStringLiteral("re0.drehen( 30.00° )"));
    EXPECT_TRUE(ab().Analysator().Protokoll().back()->AusEingabefeld);
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(feld->Text(), QStringLiteral("re0.drehen(30)"));

    // The button at the right end runs the same call again.
    QTest::mouseClick(f->SBMethodeAusfuehren, Qt::LeftButton);
    ASSERT_EQ(protokoll().size(), vorher.size() + 2);
    EXPECT_EQ(protokoll().back(), QStringLiteral("re0.drehen( 30.00° )"));

    // A call that removes its object: afterwards the same text names no
    // object any more, and the button says so.
    QTest::keyClick(feld, Qt::Key_End);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(feld, Qt::Key_Backspace);
    tippen(QStringLiteral("ausschneiden()"));
    EXPECT_EQ(feld->Text(), QStringLiteral("re0.ausschneiden()"));
    EXPECT_TRUE(f->SBMethodeAusfuehren->isEnabled());
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_TRUE(ab().Dokument().Teile.empty());
    EXPECT_FALSE(f->SBMethodeAusfuehren->isEnabled());
    EXPECT_EQ(f->PanelHilfstext->text(), QStringLiteral("re0 ist kein Bezeichner eines Objekts."));
    EXPECT_EQ(feld->FehlerAnfang(), 1);
    EXPECT_EQ(feld->FehlerEnde(), 3);

    // Keys typed into the field stay there: Delete edits the text and does
    // not delete the selected figure.
    waehlen({neu(QStringLiteral("RECHTECK"))});
    QTest::keyClick(feld, Qt::Key_Home);
    QTest::keyClick(feld, Qt::Key_Delete);
    EXPECT_EQ(feld->Text(), QStringLiteral("e0.ausschneiden()"));
    EXPECT_EQ(ab().Dokument().Teile.size(), 1u);
}

// Builds docs/screenshots/eingabe.png when FIGURO_SCREENSHOTS names a
// folder; always checks that the composed picture shows the open list.
TEST_F(EingabeImHauptfenster, BildschirmfotoMitOffenerVervollstaendigung)
{
    f->move(0, 0);
    f->resize(640, 560);
    neu(QStringLiteral("RECHTECK"));
    neu(QStringLiteral("ELLIPSE"));
    for (const char *a : {"re0.DiagonalenschnittpunktSetzen(5 cm, 22 cm)", "re0.LängeSetzen(6 cm)", "re0.BreiteSetzen(3 cm)",
                          "re0.FüllfarbeSetzen(hellblau)", "el0.mittelpunktSetzen(10 cm, 20 cm)", "el0.radiusXSetzen(3 cm)",
                          "el0.radiusYSetzen(2 cm)", "el0.FüllfarbeSetzen(gold)"})
        aufruf(QString::fromUtf8(a));
    f->Neuzeichnen();

    tippen(QStringLiteral("el0.FüllfarbeSetzen(g"));
    TFCodeComplete *popup = feld->CodeComplete();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(feld, Qt::Key_Down);
    QTest::keyClick(feld, Qt::Key_Down);
    QApplication::processEvents();

    QImage bild = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint versatz = popup->mapToGlobal(QPoint(0, 0)) - f->mapToGlobal(QPoint(0, 0));
    {
        QPainter p(&bild);
        p.drawImage(versatz, popup->grab().toImage());
    }
    // The swatch of the first entry (grau1) inside the list, above the field.
    QListWidget *liste = popup->ListBox();
    const QRect zeile = liste->visualItemRect(liste->item(0));
    const QPoint feldchen = versatz + liste->viewport()->mapTo(popup, zeile.topLeft()) + QPoint(10, 9);
    EXPECT_EQ(bild.pixelColor(feldchen), QColor(51, 51, 51));
    EXPECT_LT(feldchen.y(), feld->mapTo(f.get(), QPoint(0, 0)).y());
    // The third entry is selected.
    EXPECT_EQ(popup->GewaehlterVorschlag()->Text, QStringLiteral("grau3"));

    EXPECT_TRUE(testhilfe::bildschirmfotoSichern(bild, QStringLiteral("eingabe.png")));
}
