// The text edit dialog, driven with real key and mouse events.
#include "dialogs/Platzierung.h"
#include "dialogs/ui/TextBearbeiten.h"
#include "figures/KlassenObjekte.h"
#include "figures/TextFeld.h"
#include "language/Arbeitsbereich.h"
#include "model/Analysator.h"
#include "model/MethodenAufruf.h"
#include "window/Attributanzeige.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct DialogUmgebung {
    TArbeitsbereich ws;
    TTextFeld *feld = nullptr;
    TFTextBearbeiten dialog;
    int neuzeichnen = 0;

    explicit DialogUmgebung(const QString &text)
    {
        std::unique_ptr<TObjekt> o = ws.Klassen().ObjektErzeugen(QStringLiteral("TEXTFELD"));
        o->NamenVergeben();
        feld = static_cast<TTextFeld *>(ws.Dokument().TeilAnhaengen(std::move(o)));
        feld->Text = text;
        dialog.Neuzeichnen = [this] { ++neuzeichnen; };
    }
    // Opens the dialog for the field, runs `handeln` in it, ends as the main
    // window does; answers Ok.
    bool bearbeiten(const std::function<void()> &handeln)
    {
        QTimer::singleShot(0, [this, handeln] {
            handeln();
            if (dialog.isVisible()) // whatever happened, it must not stay open
                dialog.reject();
        });
        const bool ok = dialog.Bearbeiten(feld);
        TextBearbeitungAbschliessen(ws, *feld, ok, dialog.AlterText);
        return ok;
    }
    void klick(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
};

} // namespace

// Escape after the live preview restores the old text, records nothing;
// "Übernehmen" records one textSetzen even for an unchanged text.
TEST(TextBearbeiten, LiveAnzeigeEscapeUebernehmenZeilenumbruecheUndZeichen)
{
    DialogUmgebung u(QStringLiteral("Hallo"));
    TFTextBearbeiten &d = u.dialog;
    EXPECT_EQ(QStringList({d.windowTitle(), d.CBLiveAnzeigen->text(), d.SBUebernehmen->text(), d.SBAbbrechen->text()}),
              QStringList({"Text bearbeiten", "Ergebnis gleich anzeigen", "Übernehmen", "Abbrechen"}));
    EXPECT_TRUE(d.CBLiveAnzeigen->isChecked());
    EXPECT_FALSE(d.SBUebernehmen->autoDefault());
    EXPECT_FALSE(d.Bearbeiten(nullptr)); // no field: no dialog
    const auto &log = u.ws.Analysator().Protokoll();
    const std::size_t vorher = log.size();
    EXPECT_FALSE(u.bearbeiten([&] {
        EXPECT_EQ(d.MText->toPlainText() + u'|' + d.AlterText, QStringLiteral("Hallo|Hallo"));
        QTest::keyClicks(d.MText, QStringLiteral(" Welt"));
        EXPECT_EQ(u.feld->Text, QStringLiteral("Hallo Welt"));
        EXPECT_EQ(u.neuzeichnen, 5);
        QTest::keyClick(d.MText, Qt::Key_Escape);
    }));
    EXPECT_EQ(u.feld->Text, QStringLiteral("Hallo"));
    EXPECT_EQ(log.size(), vorher);
    EXPECT_FALSE(u.ws.Geaendert);

    EXPECT_TRUE(u.bearbeiten([&] { u.klick(d.SBUebernehmen); }));
    ASSERT_EQ(log.size(), vorher + 1);
    EXPECT_EQ(log.back()->AnzeigeText(), QStringLiteral("tf0.textSetzen( \"Hallo\" )"));
    EXPECT_EQ(u.neuzeichnen, 5);
    EXPECT_TRUE(u.ws.Geaendert);

    // Without the live view the drawing stays until "Übernehmen"; switching
    // it on again shows the typed text at once.
    d.CBLiveAnzeigen->setChecked(false);
    u.bearbeiten([&] {
        QTest::keyClicks(d.MText, QStringLiteral("!"));
        EXPECT_EQ(u.feld->Text, QStringLiteral("Hallo"));
        u.klick(d.CBLiveAnzeigen);
        EXPECT_EQ(u.feld->Text, QStringLiteral("Hallo!"));
        u.klick(d.CBLiveAnzeigen);
        QTest::keyClicks(d.MText, QStringLiteral("?"));
        EXPECT_EQ(u.feld->Text, QStringLiteral("Hallo!"));
        u.klick(d.SBUebernehmen);
    });
    EXPECT_EQ(u.feld->Text, QStringLiteral("Hallo!?"));

    // A typed zeilehinzufügen writes line feed + carriage return: shown as one
    // break, kept when unchanged; Enter writes carriage return + line feed.
    const QString alt = QStringLiteral("eins\n\rzwei");
    u.feld->Text = alt;
    u.bearbeiten([&] {
        EXPECT_EQ(d.MText->toPlainText(), QStringLiteral("eins\nzwei"));
        u.klick(d.SBUebernehmen);
    });
    EXPECT_EQ(u.feld->Text, alt);
    u.bearbeiten([&] {
        QTest::keyClick(d.MText, Qt::Key_Return);
        QTest::keyClicks(d.MText, QStringLiteral("drei"));
        u.klick(d.SBUebernehmen);
    });
    EXPECT_EQ(u.feld->Text, QStringLiteral("eins\r\nzwei\r\ndrei"));
    EXPECT_EQ(TFTextBearbeiten::ZurAnzeige(QStringLiteral("a\r\n\r\nb\rc\nd")), QStringLiteral("a\n\nb\nc\nd"));
    EXPECT_EQ(TFTextBearbeiten::ZumTextfeld(QStringLiteral("a\n\nb")), QStringLiteral("a\r\n\r\nb"));

    // A key Windows-1252 cannot hold is refused with a message; of pasted
    // text the storable characters stay.
    u.feld->Text = QStringLiteral("Preis");
    u.bearbeiten([&] {
        QKeyEvent runter(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("→"));
        QApplication::sendEvent(d.MText, &runter);
        EXPECT_EQ(d.MText->toPlainText(), QStringLiteral("Preis"));
        EXPECT_TRUE(d.LMeldung->isVisible());
        EXPECT_EQ(d.LMeldung->text(), QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."));
        d.MText->insertPlainText(QStringLiteral(" 5 € ✓"));
        EXPECT_EQ(d.MText->toPlainText(), QStringLiteral("Preis 5 € "));
        u.klick(d.SBUebernehmen);
    });
    EXPECT_EQ(u.feld->Text, QStringLiteral("Preis 5 € "));
}

// Right of the text field, else left, below, above; else where most room is.
TEST(TextBearbeiten, NebenDemTextfeldPlatziert)
{
    const QRect schirm(0, 0, 1024, 768);
    const QSize dialog(420, 260);
    for (const auto &[fall, feld, soll] : {std::tuple{"rechts", QRect(100, 100, 200, 80), QPoint(308, 100)},
                                           {"links", QRect(600, 300, 200, 80), QPoint(172, 300)},
                                           {"unten", QRect(100, 100, 800, 80), QPoint(100, 188)},
                                           {"oben", QRect(100, 450, 800, 80), QPoint(100, 182)},
                                           {"am Rand eingepasst", QRect(100, 700, 200, 60), QPoint(308, 508)},
                                           {"nirgends Platz", QRect(200, 100, 700, 600), QPoint(200, 0)}}) {
        SCOPED_TRACE(fall);
        const QPoint ecke = NebenPlatzieren(feld, dialog, schirm);
        EXPECT_EQ(ecke, soll);
        EXPECT_TRUE(schirm.contains(QRect(ecke, dialog)));
    }
}
