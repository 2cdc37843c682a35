// The input field inside the main window: hint bar, light bulb, execute
// button and the execute command; the three helps for typing (history of
// calls, "Meintest du ...?", Strg+click on a logged call); and the
// screenshots of the field with the completion window open.
#include "analyser/ui/AufrufGitter.h"
#include "analyser/ui/FAnalysator.h"
#include "common/TestHilfen.h"
#include "language/ui/EingabeFeld.h"
#include "language/ui/FCodeComplete.h"
#include "persistence/ui/DateiBefehle.h"
#include "window/fenster_hilfen.h"

#include <QDir>
#include <QMessageBox>
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

    // Clicks into the field unless it has the focus (which empties the
    // placeholder), so that its keys are not the window's shortcuts.
    void fokussieren()
    {
        if (!feld->hasFocus())
            QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
    }
    void tippen(const QString &text)
    {
        fokussieren();
        for (QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &druck);
        }
    }
    // Empties the field with real keys (select all, delete).
    void leeren()
    {
        fokussieren();
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_Delete);
    }
    // Types a call into the empty field and runs it with Enter.
    void eingeben(const QString &text)
    {
        leeren();
        tippen(text);
        QTest::keyClick(feld, Qt::Key_Return);
    }
    TFCodeComplete *popup() const { return feld->CodeComplete(); }
    QString erster() const
    {
        return popup()->Gelistet().empty() ? QString() : popup()->Gelistet().front()->Text;
    }
    // The main window with the completion window drawn where it stands.
    QImage bildMitListe() const
    {
        QImage bild = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (popup()->isVisible()) {
            QPainter p(&bild);
            p.drawImage(popup()->mapToGlobal(QPoint(0, 0)) - f->mapToGlobal(QPoint(0, 0)),
                        popup()->grab().toImage());
        }
        return bild;
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

// Up and Down walk through the calls that ran while the completion window is
// closed and choose proposals while it is open; Down past the newest call
// and Escape give back the text being typed. The history outlives new and
// open.
TEST_F(EingabeImHauptfenster, VerlaufMitPfeiltasten)
{
    neu(QStringLiteral("RECHTECK"));
    neu(QStringLiteral("ELLIPSE"));
    const QString a = QStringLiteral("re0.drehen(30)"), b = QStringLiteral("el0.drehen(5)"),
                  c = QStringLiteral("re0.strecken(2)");
    eingeben(a);
    eingeben(b);
    eingeben(b);                                 // the same call twice: one entry
    eingeben(QStringLiteral("re0.drehen(x)"));   // refused by the scanner: not kept
    eingeben(c);
    ASSERT_EQ(std::vector<QString>(feld->Verlauf().Eintraege().begin(), feld->Verlauf().Eintraege().end()),
              (std::vector<QString>{a, b, c}));

    // A draft with the completion window open: Up and Down choose proposals.
    leeren();
    tippen(QStringLiteral("re0."));
    ASSERT_TRUE(popup()->isVisible());
    const QString entwurf = feld->Text();
    QTest::keyClick(feld, Qt::Key_Down);
    EXPECT_EQ(popup()->GewaehlterIndex(), 1);
    QTest::keyClick(feld, Qt::Key_Up);
    EXPECT_EQ(popup()->GewaehlterIndex(), 0);
    EXPECT_EQ(feld->Text(), entwurf);
    // Escape closes the window; now the keys walk the history.
    QTest::keyClick(feld, Qt::Key_Escape);
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(feld->Text(), entwurf);

    const struct {
        Qt::Key taste;
        QString text;
    } schritte[] = {
        {Qt::Key_Up, c},       {Qt::Key_Up, b},         {Qt::Key_Up, a},
        {Qt::Key_Up, a},       // the oldest stays
        {Qt::Key_Down, b},     {Qt::Key_Down, c},
        {Qt::Key_Down, entwurf}, // past the newest: the draft
        {Qt::Key_Down, entwurf}, // outside a walk Down does nothing
        {Qt::Key_Up, c},       {Qt::Key_Up, b},
        {Qt::Key_Escape, entwurf}, // Escape leaves the walk
    };
    for (const auto &s : schritte) {
        SCOPED_TRACE(s.text.toStdString());
        QTest::keyClick(feld, s.taste);
        EXPECT_EQ(feld->Text(), s.text);
        EXPECT_EQ(feld->Einfuegemarke(), s.text.size());
        EXPECT_FALSE(popup()->isVisible());
        // Hint bar and execute button follow the text shown.
        EXPECT_EQ(f->SBMethodeAusfuehren->isEnabled(), s.text != entwurf);
    }

    // A recalled call runs with Enter and becomes the newest entry.
    QTest::keyClick(feld, Qt::Key_Up);
    QTest::keyClick(feld, Qt::Key_Up);
    ASSERT_EQ(feld->Text(), b);
    const QStringList vorher = protokoll();
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_EQ(protokoll().size(), vorher.size() + 1);
    EXPECT_EQ(protokoll().back(), QStringLiteral("el0.drehen( 5.00° )"));
    EXPECT_EQ(feld->Verlauf().Eintraege().back(), b);

    // New and open keep the history.
    f->DateiBefehle->Rueckfrage = [](const QString &) { return QMessageBox::No; };
    f->DateiBefehle->ANeu->trigger();
    ASSERT_TRUE(dok()->Teile.empty());
    leeren();
    QTest::keyClick(feld, Qt::Key_Up);
    EXPECT_EQ(feld->Text(), b);
    ASSERT_TRUE(f->DateiBefehle->DokumentOeffnen(testhilfe::quellPfad(QStringLiteral("beispiele/haus.fgo"))));
    QTest::keyClick(feld, Qt::Key_Escape);
    QTest::keyClick(feld, Qt::Key_Up);
    QTest::keyClick(feld, Qt::Key_Up);
    EXPECT_EQ(feld->Text(), c);

    // At most 200 calls are kept, the oldest go first.
    for (int i = 0; i < 250; ++i)
        feld->VerlaufMerken(QStringLiteral("re0.drehen(%1)").arg(i));
    ASSERT_EQ(feld->Verlauf().Eintraege().size(), 200u);
    EXPECT_EQ(feld->Verlauf().Eintraege().front(), QStringLiteral("re0.drehen(50)"));
}

// A misspelt object, method or colour: the hint bar shows the scanner's
// message as it is and the nearest name after it, and the completion window
// lists that name first. Builds docs/screenshots/meintest.png when
// FIGURO_SCREENSHOTS names a folder.
TEST_F(EingabeImHauptfenster, MeintestDuInDerHinweiszeile)
{
    f->move(0, 0);
    f->resize(760, 560);
    neu(QStringLiteral("RECHTECK"));
    neu(QStringLiteral("ELLIPSE"));
    aufruf(QStringLiteral("re0.DiagonalenschnittpunktSetzen(6 cm, 20 cm)"));
    aufruf(QStringLiteral("re0.LängeSetzen(6 cm)"));
    aufruf(QStringLiteral("re0.BreiteSetzen(3 cm)"));
    aufruf(QStringLiteral("el0.mittelpunktSetzen(12 cm, 20 cm)"));
    f->Neuzeichnen();

    const struct {
        const char16_t *text;
        const char16_t *hinweis;
        const char16_t *ersterVorschlag;
        const char16_t *nachEnter;
        bool bild = false; // the scene of the guide's picture
    } faelle[] = {
        {u"rr0", u"rr0 ist kein Bezeichner eines Objekts. Meintest du re0?", u"re0", u"re0"},
        {u"re0.verschiebn", u"Objekte der Klasse RECHTECK haben keine Methode verschiebn. Meintest du verschieben?",
         u"verschieben", u"re0.verschieben(", true},
        {u"el0.FüllfarbeSetzen(ROTT", u"Es gibt keine Farbe ROTT. Meintest du rot?", u"rot",
         u"el0.FüllfarbeSetzen(rot"},
        // Nothing near enough: the message alone.
        {u"re0.FüllfarbeSetzen(xyzzy", u"Es gibt keine Farbe xyzzy.", nullptr, nullptr},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(QString::fromUtf16(fall.text).toStdString());
        leeren();
        tippen(QString::fromUtf16(fall.text));
        EXPECT_EQ(f->PanelHilfstext->text(), QString::fromUtf16(fall.hinweis));
        EXPECT_TRUE(f->ImageGluehbirne->isVisibleTo(f.get()));
        if (!fall.ersterVorschlag) {
            EXPECT_FALSE(popup()->isVisible());
            continue;
        }
        ASSERT_TRUE(popup()->isVisible());
        EXPECT_EQ(erster(), QString::fromUtf16(fall.ersterVorschlag));
        EXPECT_EQ(popup()->GewaehlterIndex(), 0);
        if (fall.bild) {
            // The picture for the guide: the lower part of the window with
            // the list, the field and the hint bar.
            const QImage bild = bildMitListe();
            const int oben = popup()->mapToGlobal(QPoint(0, 0)).y() - f->mapToGlobal(QPoint(0, 0)).y() - 8;
            ASSERT_GT(oben, 0);
            const QImage ausschnitt = bild.copy(0, oben, bild.width(), bild.height() - oben);
            // The hint bar lies inside the picture.
            EXPECT_LT(f->PanelHilfstext->mapTo(f.get(), QPoint(0, 0)).y() - oben, ausschnitt.height());
            EXPECT_TRUE(testhilfe::bildschirmfotoSichern(ausschnitt, QStringLiteral("meintest.png")));
        }
        QTest::keyClick(feld, Qt::Key_Return);
        EXPECT_EQ(feld->Text(), QString::fromUtf16(fall.nachEnter));
    }
}

// Strg+click on an entry of the analyser's call list puts its text into the
// input field; run again, it logs the same text. A click without Strg
// leaves the field alone.
TEST_F(EingabeImHauptfenster, StrgKlickAufDieAufruflisteHoltDenAufruf)
{
    TFAnalysator analysator(ab());
    f->AnalysatorFensterAnschliessen(&analysator);
    analysator.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&analysator));
    QApplication::setActiveWindow(f.get());
    neu(QStringLiteral("RECHTECK"));
    neu(QStringLiteral("TEXTFELD"));
    const QString langerText = QStringLiteral("Ein Text, der länger ist als fünfunddreißig Zeichen (a)");
    aufruf(QStringLiteral("re0.verschieben(123456 cm, -2.5 mm)"));
    aufruf(QStringLiteral("tf0.textSetzen(\"") + langerText + QStringLiteral("\")"));
    aufruf(QStringLiteral("re0.strecken(0.25)"));
    TAufrufGitter *liste = analysator.Aufrufliste();
    QApplication::processEvents();
    auto zeileKlicken = [&](int zeile, Qt::KeyboardModifiers mod) {
        liste->ObersteZeileSetzen(zeile);
        const QPoint p(40, (zeile - liste->ObersteZeile()) * liste->ZeilenHoehe() + liste->ZeilenHoehe() / 2);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, mod, p);
    };

    leeren();
    const int n = anzahl();
    zeileKlicken(n - 1, Qt::NoModifier);
    EXPECT_EQ(feld->Text(), QString());

    const struct {
        int zeile;
        QString text;
    } faelle[] = {
        {n - 3, QStringLiteral("re0.verschieben( 1.2346E+05 cm, -2.50 mm )")},
        // The log shortens long texts; the field gets them whole, with ")"
        // right after the quote (the scanner refuses a blank there).
        {n - 2, QStringLiteral("tf0.textSetzen( \"") + langerText + QStringLiteral("\")")},
        {n - 1, QStringLiteral("re0.strecken( 25.000 % )")},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.text.toStdString());
        zeileKlicken(fall.zeile, Qt::ControlModifier);
        EXPECT_EQ(feld->Text(), fall.text);
        EXPECT_EQ(feld->Einfuegemarke(), fall.text.size());
        EXPECT_TRUE(feld->hasFocus());
        EXPECT_EQ(f->PanelHilfstext->text(), QString());
        EXPECT_TRUE(f->SBMethodeAusfuehren->isEnabled());
        // Run again, it logs what the entry shows.
        const QString eintrag = protokoll()[fall.zeile];
        QTest::keyClick(feld, Qt::Key_Return);
        EXPECT_EQ(protokoll().back(), eintrag);
        EXPECT_EQ(ab().Analysator().Protokoll().back()->EingabeText(), fall.text);
    }
    ab().Analysator().Angehalten = true;
}
