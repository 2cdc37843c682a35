// The input field inside the main window: hint bar, light bulb, execute
// button and the execute command; and the screenshot of the field with the
// completion window open.
#include "figures/ZeichenObjekt.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "language/ui/EingabeFeld.h"
#include "language/ui/FCodeComplete.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "window/ui/FMain.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Hauptfenster {
    TFMain fenster{false};
    TEingabeFeld *feld = nullptr;

    Hauptfenster()
    {
        fenster.move(0, 0);
        fenster.resize(640, 560);
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        feld = fenster.findChild<TEingabeFeld *>();
    }
    ~Hauptfenster() { fenster.Arbeitsbereich->Analysator().Angehalten = true; }

    // Runs a call directly, as a script would, to set up the drawing.
    void aufruf(const QString &text)
    {
        const TAufrufErgebnis e = fenster.Arbeitsbereich->AufrufAusfuehren(text, 0, nullptr);
        EXPECT_TRUE(e.Ausgefuehrt) << text.toStdString() << ": " << e.Fehlermeldung.toStdString();
    }
    TObjekt *neu(const QString &klasse)
    {
        auto o = fenster.Arbeitsbereich->Klassen().ObjektErzeugen(klasse);
        o->NamenVergeben();
        o->ErzeugungProtokollieren();
        return fenster.Arbeitsbereich->Dokument().TeilAnhaengen(std::move(o));
    }

    void tippen(const QString &text)
    {
        if (!feld->hasFocus())
            QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
        for (QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &druck);
        }
    }
    QStringList protokoll() const
    {
        QStringList t;
        for (const auto &a : fenster.Arbeitsbereich->Analysator().Protokoll())
            t << a->AnzeigeText();
        return t;
    }
};

} // namespace

TEST(EingabeImHauptfenster, HinweiszeileKnopfUndAusfuehren)
{
    Hauptfenster h;
    ASSERT_NE(h.feld, nullptr);
    EXPECT_EQ(h.feld->parentWidget(), h.fenster.PMethodenEingabe);
    EXPECT_EQ(h.fenster.Eingabefeld, h.feld);
    // The field fills its panel up to the execute button.
    EXPECT_GE(h.feld->width(), h.fenster.PMethodenEingabe->width() - 30);

    h.neu(QStringLiteral("RECHTECK"));
    h.tippen(QStringLiteral("re0.drehen("));
    EXPECT_EQ(h.fenster.PanelHilfstext->text(), h.feld->Scanner().Fehlermeldung);
    EXPECT_FALSE(h.fenster.PanelHilfstext->text().isEmpty());
    EXPECT_TRUE(h.fenster.ImageGluehbirne->isVisibleTo(&h.fenster));
    EXPECT_FALSE(h.fenster.SBMethodeAusfuehren->isEnabled());

    // Enter on an erroneous text: nothing runs, the message stays.
    const QStringList vorher = h.protokoll();
    const QString meldung = h.fenster.PanelHilfstext->text();
    QTest::keyClick(h.feld, Qt::Key_Return);
    EXPECT_EQ(h.protokoll(), vorher);
    EXPECT_EQ(h.fenster.PanelHilfstext->text(), meldung);
    EXPECT_FALSE(h.fenster.Arbeitsbereich->Geaendert);

    h.tippen(QStringLiteral("30)"));
    EXPECT_TRUE(h.fenster.SBMethodeAusfuehren->isEnabled());
    EXPECT_EQ(h.fenster.PanelHilfstext->text(), QString());
    EXPECT_FALSE(h.fenster.ImageGluehbirne->isVisibleTo(&h.fenster));

    QTest::keyClick(h.feld, Qt::Key_Return);
    ASSERT_EQ(h.protokoll().size(), vorher.size() + 1);
    EXPECT_EQ(h.protokoll().back(), QStringLiteral("re0.drehen( 30.00° )"));
    EXPECT_TRUE(h.fenster.Arbeitsbereich->Analysator().Protokoll().back()->AusEingabefeld);
    EXPECT_TRUE(h.fenster.Arbeitsbereich->Geaendert);
    EXPECT_EQ(h.feld->Text(), QStringLiteral("re0.drehen(30)"));

    // The button at the right end runs the same call again.
    QTest::mouseClick(h.fenster.SBMethodeAusfuehren, Qt::LeftButton);
    ASSERT_EQ(h.protokoll().size(), vorher.size() + 2);
    EXPECT_EQ(h.protokoll().back(), QStringLiteral("re0.drehen( 30.00° )"));

    // A call that removes its object: afterwards the same text names no
    // object any more, and the button says so.
    QTest::keyClick(h.feld, Qt::Key_End);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(h.feld, Qt::Key_Backspace);
    h.tippen(QStringLiteral("ausschneiden()"));
    EXPECT_EQ(h.feld->Text(), QStringLiteral("re0.ausschneiden()"));
    EXPECT_TRUE(h.fenster.SBMethodeAusfuehren->isEnabled());
    QTest::keyClick(h.feld, Qt::Key_Return);
    EXPECT_TRUE(h.fenster.Arbeitsbereich->Dokument().Teile.empty());
    EXPECT_FALSE(h.fenster.SBMethodeAusfuehren->isEnabled());
    EXPECT_EQ(h.fenster.PanelHilfstext->text(), QStringLiteral("re0 ist kein Bezeichner eines Objekts."));
    EXPECT_EQ(h.feld->FehlerAnfang(), 1);
    EXPECT_EQ(h.feld->FehlerEnde(), 3);
    h.neu(QStringLiteral("RECHTECK"));
    ASSERT_TRUE(h.fenster.Arbeitsbereich->Dokument().FindeObjekt(QStringLiteral("re1")));

    // Keys typed into the field stay there: Delete edits the text and does
    // not delete the selected figure.
    h.fenster.Arbeitsbereich->Auswahl.clear();
    h.fenster.Arbeitsbereich->Auswahl.push_back(
        static_cast<TZeichenObjekt *>(h.fenster.Arbeitsbereich->Dokument().Teile.front().get()));
    QTest::keyClick(h.feld, Qt::Key_Home);
    QTest::keyClick(h.feld, Qt::Key_Delete);
    EXPECT_EQ(h.feld->Text(), QStringLiteral("e0.ausschneiden()"));
    EXPECT_EQ(h.fenster.Arbeitsbereich->Dokument().Teile.size(), 1u);
}

// Builds docs/screenshots/eingabe.png when FIGURO_SCREENSHOTS names a
// folder; always checks that the composed picture shows the open list.
TEST(EingabeImHauptfenster, BildschirmfotoMitOffenerVervollstaendigung)
{
    Hauptfenster h;
    h.neu(QStringLiteral("RECHTECK"));
    h.neu(QStringLiteral("ELLIPSE"));
    h.aufruf(QStringLiteral("re0.DiagonalenschnittpunktSetzen(5 cm, 22 cm)"));
    h.aufruf(QStringLiteral("re0.LängeSetzen(6 cm)"));
    h.aufruf(QStringLiteral("re0.BreiteSetzen(3 cm)"));
    h.aufruf(QStringLiteral("re0.FüllfarbeSetzen(hellblau)"));
    h.aufruf(QStringLiteral("el0.mittelpunktSetzen(10 cm, 20 cm)"));
    h.aufruf(QStringLiteral("el0.radiusXSetzen(3 cm)"));
    h.aufruf(QStringLiteral("el0.radiusYSetzen(2 cm)"));
    h.aufruf(QStringLiteral("el0.FüllfarbeSetzen(gold)"));
    h.fenster.Neuzeichnen();

    h.tippen(QStringLiteral("el0.FüllfarbeSetzen(g"));
    TFCodeComplete *popup = h.feld->CodeComplete();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(h.feld, Qt::Key_Down);
    QTest::keyClick(h.feld, Qt::Key_Down);
    QApplication::processEvents();

    QImage bild = h.fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint versatz = popup->mapToGlobal(QPoint(0, 0)) - h.fenster.mapToGlobal(QPoint(0, 0));
    {
        QPainter p(&bild);
        p.drawImage(versatz, popup->grab().toImage());
    }
    // The swatch of the first entry (grau1) inside the list, above the field.
    QListWidget *liste = popup->ListBox();
    const QRect zeile = liste->visualItemRect(liste->item(0));
    const QPoint feldchen = versatz + liste->viewport()->mapTo(popup, zeile.topLeft()) + QPoint(10, 9);
    EXPECT_EQ(bild.pixelColor(feldchen), QColor(51, 51, 51));
    EXPECT_LT(feldchen.y(), h.feld->mapTo(&h.fenster, QPoint(0, 0)).y());
    // The third entry is selected.
    EXPECT_EQ(popup->GewaehlterVorschlag()->Text, QStringLiteral("grau3"));

    const QByteArray ordner = qgetenv("FIGURO_SCREENSHOTS");
    if (!ordner.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(ordner));
        const QString pfad = QDir(QString::fromLocal8Bit(ordner)).filePath(QStringLiteral("eingabe.png"));
        EXPECT_TRUE(bild.save(pfad));
    }
}
