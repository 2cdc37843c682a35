// The text edit dialog with real key and mouse events: live preview, cancel
// restoring the old text, "Übernehmen" recording one textSetzen, line
// breaks, refused characters.
#include "dialogs/Platzierung.h"
#include "dialogs/ui/TextBearbeiten.h"
#include "figures/TextFeld.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/MethodenAufruf.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "window/Attributanzeige.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
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
        ws.Auswahl = {feld};
        dialog.Neuzeichnen = [this] { ++neuzeichnen; };
    }

    // Opens the dialog modally for the field, runs `handeln` while it is
    // shown, and ends as the main window does; answers Ok.
    bool bearbeiten(const std::function<void()> &handeln)
    {
        QTimer::singleShot(0, [this, handeln] {
            EXPECT_TRUE(dialog.isVisible());
            handeln();
            // Whatever happened, the dialog must not stay open.
            if (dialog.isVisible())
                dialog.reject();
        });
        const bool ok = dialog.Bearbeiten(feld);
        TextBearbeitungAbschliessen(ws, *feld, ok, dialog.AlterText);
        return ok;
    }

    int logAnzahl() const { return int(ws.Analysator().Protokoll().size()); }
    QString letzterEintrag() const { return ws.Analysator().Protokoll().back()->AnzeigeText(); }
};

} // namespace

// Its texts; Escape after the live preview restores the old text and records
// nothing (the window tests use "Abbrechen" and "Übernehmen" through the
// text panel's button).
TEST(TextBearbeiten, EscapeStelltWiederHerUebernehmenProtokolliert)
{
    DialogUmgebung u(QStringLiteral("Hallo"));
    EXPECT_EQ(u.dialog.windowTitle(), QStringLiteral("Text bearbeiten"));
    EXPECT_EQ(u.dialog.CBLiveAnzeigen->text(), QStringLiteral("Ergebnis gleich anzeigen"));
    EXPECT_TRUE(u.dialog.CBLiveAnzeigen->isChecked());
    EXPECT_EQ(u.dialog.SBUebernehmen->text(), QStringLiteral("Übernehmen"));
    EXPECT_EQ(u.dialog.SBAbbrechen->text(), QStringLiteral("Abbrechen"));
    EXPECT_FALSE(u.dialog.SBUebernehmen->autoDefault());
    EXPECT_FALSE(u.dialog.Bearbeiten(nullptr)); // no field: no dialog
    const int vorher = u.logAnzahl();
    QString live;
    int neuzeichnenLive = 0;
    EXPECT_FALSE(u.bearbeiten([&] {
        EXPECT_EQ(u.dialog.MText->toPlainText(), QStringLiteral("Hallo"));
        EXPECT_EQ(u.dialog.AlterText, QStringLiteral("Hallo"));
        QTest::keyClicks(u.dialog.MText, QStringLiteral(" Welt"));
        live = u.feld->Text;
        neuzeichnenLive = u.neuzeichnen;
        QTest::keyClick(u.dialog.MText, Qt::Key_Escape);
    }));
    EXPECT_EQ(live, QStringLiteral("Hallo Welt"));
    EXPECT_EQ(neuzeichnenLive, 5); // one repaint per typed character
    EXPECT_FALSE(u.dialog.isVisible());
    EXPECT_EQ(u.feld->Text, QStringLiteral("Hallo"));
    EXPECT_EQ(u.logAnzahl(), vorher);
    EXPECT_FALSE(u.ws.Geaendert);

    // "Übernehmen" records one textSetzen even for an unchanged text, without
    // a repaint.
    const int neuzeichnen = u.neuzeichnen;
    EXPECT_TRUE(u.bearbeiten([&] { QTest::mouseClick(u.dialog.SBUebernehmen, Qt::LeftButton); }));
    EXPECT_TRUE(u.dialog.Ok);
    ASSERT_EQ(u.logAnzahl(), vorher + 1);
    EXPECT_EQ(u.letzterEintrag(), QStringLiteral("tf0.textSetzen( \"Hallo\" )"));
    EXPECT_EQ(u.neuzeichnen, neuzeichnen);
    EXPECT_TRUE(u.ws.Geaendert);
}

TEST(TextBearbeiten, OhneLiveAnzeigeBleibtDieZeichnungBisZumUebernehmen)
{
    DialogUmgebung u(QStringLiteral("x"));
    QString waehrenddessen;
    const bool ok = u.bearbeiten([&] {
        QTest::mouseClick(u.dialog.CBLiveAnzeigen, Qt::LeftButton);
        QTest::keyClicks(u.dialog.MText, QStringLiteral("yz"));
        waehrenddessen = u.feld->Text;
        QTest::mouseClick(u.dialog.SBUebernehmen, Qt::LeftButton);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(waehrenddessen, QStringLiteral("x"));
    EXPECT_EQ(u.neuzeichnen, 0);
    EXPECT_EQ(u.feld->Text, QStringLiteral("xyz"));

    // Switching it on again shows the typed text at once.
    u.dialog.CBLiveAnzeigen->setChecked(false);
    QString nachEinschalten;
    u.bearbeiten([&] {
        QTest::keyClicks(u.dialog.MText, QStringLiteral("!"));
        EXPECT_EQ(u.feld->Text, QStringLiteral("xyz"));
        QTest::mouseClick(u.dialog.CBLiveAnzeigen, Qt::LeftButton);
        nachEinschalten = u.feld->Text;
        QTest::mouseClick(u.dialog.SBAbbrechen, Qt::LeftButton);
    });
    EXPECT_EQ(nachEinschalten, QStringLiteral("xyz!"));
    EXPECT_EQ(u.feld->Text, QStringLiteral("xyz"));
}

TEST(TextBearbeiten, ZeilenumbruecheBleibenErhalten)
{
    // Typed zeilehinzufügen writes line feed + carriage return.
    const QString alt = QStringLiteral("eins\n\rzwei");
    DialogUmgebung u(alt);
    QString angezeigt;
    u.bearbeiten([&] {
        angezeigt = u.dialog.MText->toPlainText();
        QTest::mouseClick(u.dialog.SBUebernehmen, Qt::LeftButton);
    });
    EXPECT_EQ(angezeigt, QStringLiteral("eins\nzwei"));
    // Unchanged text keeps its exact characters.
    EXPECT_EQ(u.feld->Text, alt);

    // A new line typed with Enter becomes carriage return + line feed.
    u.bearbeiten([&] {
        QTest::keyClick(u.dialog.MText, Qt::Key_Return);
        QTest::keyClicks(u.dialog.MText, QStringLiteral("drei"));
        QTest::mouseClick(u.dialog.SBUebernehmen, Qt::LeftButton);
    });
    EXPECT_EQ(u.feld->Text, QStringLiteral("eins\r\nzwei\r\ndrei"));
    EXPECT_EQ(TFTextBearbeiten::ZurAnzeige(QStringLiteral("a\r\n\r\nb\rc\nd")),
              QStringLiteral("a\n\nb\nc\nd"));
    EXPECT_EQ(TFTextBearbeiten::ZumTextfeld(QStringLiteral("a\n\nb")), QStringLiteral("a\r\n\r\nb"));
}

TEST(TextBearbeiten, NichtSpeicherbareZeichenWerdenAbgewiesen)
{
    DialogUmgebung u(QStringLiteral("Preis"));
    QString nachTaste, nachEinfuegen, meldung;
    bool meldungSichtbar = false;
    u.bearbeiten([&] {
        // A key whose character Windows-1252 cannot hold.
        QKeyEvent runter(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("→"));
        QApplication::sendEvent(u.dialog.MText, &runter);
        nachTaste = u.dialog.MText->toPlainText();
        meldung = u.dialog.LMeldung->text();
        meldungSichtbar = u.dialog.LMeldung->isVisible();
        // Pasted text: the storable characters stay.
        u.dialog.MText->insertPlainText(QStringLiteral(" 5 € ✓"));
        nachEinfuegen = u.dialog.MText->toPlainText();
        QTest::mouseClick(u.dialog.SBUebernehmen, Qt::LeftButton);
    });
    EXPECT_EQ(nachTaste, QStringLiteral("Preis"));
    EXPECT_TRUE(meldungSichtbar);
    EXPECT_EQ(meldung, QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."));
    EXPECT_EQ(nachEinfuegen, QStringLiteral("Preis 5 € "));
    EXPECT_EQ(u.feld->Text, QStringLiteral("Preis 5 € "));
}

// The text dialog stands beside its text field: right of it, else left,
// else below, else above, always on the screen; where nothing fits, on the
// side with the most room.
TEST(TextBearbeiten, NebenDemTextfeldPlatziert)
{
    const QRect schirm(0, 0, 1024, 768);
    const QSize dialog(420, 260);
    const struct {
        const char *Fall;
        QRect Feld;
        QPoint Ecke;
    } faelle[] = {
        {"rechts", QRect(100, 100, 200, 80), QPoint(308, 100)},
        {"links", QRect(600, 300, 200, 80), QPoint(172, 300)},
        {"unten", QRect(100, 100, 800, 80), QPoint(100, 188)},
        {"oben", QRect(100, 450, 800, 80), QPoint(100, 182)},
        {"am Rand eingepasst", QRect(100, 700, 200, 60), QPoint(308, 508)},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Fall);
        const QPoint ecke = NebenPlatzieren(f.Feld, dialog, schirm);
        EXPECT_EQ(ecke, f.Ecke);
        EXPECT_FALSE(QRect(ecke, dialog).intersects(f.Feld));
        EXPECT_TRUE(schirm.contains(QRect(ecke, dialog)));
    }
    // No side has room: the one with the most (above), kept on the screen.
    EXPECT_EQ(NebenPlatzieren(QRect(200, 100, 700, 600), dialog, schirm), QPoint(200, 0));
}
