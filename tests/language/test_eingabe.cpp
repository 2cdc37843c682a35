// The method-call input field and its completion window, driven by real key
// and mouse events.
#include "Sprachhilfen.h"
#include "language/Scanner.h"
#include "language/ui/EingabeFeld.h"
#include "language/ui/FCodeComplete.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace sprachtest;

namespace {

// A drawing with re0, el0 and a group gr0 holding re1, and the field in a
// window of its own, low enough on the screen for the completion window to
// open above it.
struct Feld {
    TArbeitsbereich arbeitsbereich;
    QWidget fenster;
    TEingabeFeld *feld = nullptr;
    QString meldung = QStringLiteral("(keine)");
    bool fehlerfrei = false;
    int ausfuehrungen = 0;

    explicit Feld(int breite = 400)
    {
        TDokument &d = arbeitsbereich.Dokument();
        figurAnlegen(arbeitsbereich, QStringLiteral("RECHTECK"));
        figurAnlegen(arbeitsbereich, QStringLiteral("ELLIPSE"));
        figurAnlegen(arbeitsbereich, QStringLiteral("RECHTECK"),
                     figurAnlegen(arbeitsbereich, QStringLiteral("GRUPPE")));
        EXPECT_TRUE(d.FindeObjekt(QStringLiteral("re1")));

        // Something else holds the focus when the window opens, as the
        // drawing area does in the main window.
        auto *zuerst = new QWidget(&fenster);
        zuerst->setFocusPolicy(Qt::StrongFocus);
        zuerst->setGeometry(0, 24, breite, 8);
        feld = new TEingabeFeld(&fenster, &d);
        feld->setGeometry(0, 0, breite, 24);
        fenster.resize(breite, 32);
        fenster.move(60, 420);
        QObject::connect(feld, &TEingabeFeld::Aenderung, [this](const QString &m, bool ok) {
            meldung = m;
            fehlerfrei = ok;
        });
        QObject::connect(feld, &TEingabeFeld::Ausfuehren, [this] { ++ausfuehrungen; });
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }
    ~Feld() { arbeitsbereich.Analysator().Angehalten = true; }

    // Clicks into the field (which empties the placeholder) and types.
    void tippen(const QString &text)
    {
        if (!feld->hasFocus())
            QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(2, 12));
        for (QChar c : text)
            zeichen(c);
    }
    // One key press carrying a character, as the keyboard delivers it.
    void zeichen(QChar c)
    {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(feld, &druck);
        QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(feld, &los);
    }
    // Key clicks in order, the whole sequence `mal` times.
    void taste(std::initializer_list<QKeyCombination> folge, int mal = 1)
    {
        for (int i = 0; i < mal; ++i)
            for (QKeyCombination k : folge)
                QTest::keyClick(feld, k.key(), k.keyboardModifiers());
    }
    void taste(QKeyCombination k, int mal = 1) { taste({k}, mal); }

    // The text and the caret (the number of characters before it).
    std::pair<QString, int> textUndMarke() const { return {feld->Text(), feld->Einfuegemarke()}; }
    TFCodeComplete *popup() const { return feld->CodeComplete(); }
    QStringList gelistet() const { return vorschlagTexte(popup()->Gelistet()); }
    QString gewaehlt() const
    {
        const TVorschlag *v = popup()->GewaehlterVorschlag();
        return v ? v->Text : QString();
    }
    // Moves the selection down to the proposal with this text.
    bool waehle(const QString &text)
    {
        for (int i = 0; i < 100 && gewaehlt() != text; ++i)
            taste(Qt::Key_Down);
        return gewaehlt() == text;
    }
};

// Pixels near a colour inside one character cell of the field.
int zelleZaehlen(const QImage &bild, const TEingabeFeld &f, int position, const QColor &farbe, int toleranz)
{
    const int x0 = f.TextLinks() + (position - f.ErstesZeichen()) * f.Zeichenbreite();
    return pixelZaehlen(bild, QRect(x0, f.TextOben(), f.Zeichenbreite(), f.Zeichenhoehe()), farbe, toleranz);
}

QImage bildVon(TEingabeFeld *f)
{
    return f->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(EingabeFeld, PlatzhalterVerschwindetBeimKlickUndObjekteWerdenAngeboten)
{
    Feld t;
    EXPECT_EQ(t.feld->Text(), QStringLiteral("Hier kannst Du eigene Methodenaufrufe eingeben!"));
    EXPECT_FALSE(t.feld->HatFokus());
    QTest::mouseClick(t.feld, Qt::LeftButton, {}, QPoint(200, 12));
    EXPECT_TRUE(t.feld->HatFokus());
    EXPECT_EQ(t.textUndMarke(), std::pair(QString(), 0));
    EXPECT_FALSE(t.popup()->isVisible());

    t.tippen(QStringLiteral("r"));
    EXPECT_TRUE(t.popup()->isVisible());
    // The window opens above the field, its left edge at the caret where
    // the word began; it stays there while the word grows.
    const QPoint marke = t.feld->mapToGlobal(QPoint(t.feld->MarkeX(), 3));
    EXPECT_EQ(t.feld->MarkeX(), t.feld->Zeichenbreite());
    t.tippen(QStringLiteral("e"));
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("re"), 2));
    ASSERT_TRUE(t.popup()->isVisible());
    EXPECT_EQ(t.gelistet(), (QStringList{"re0", "re1"})); // the group member too
    EXPECT_EQ(t.gewaehlt(), QStringLiteral("re0"));        // the first entry is selected

    EXPECT_EQ(t.popup()->geometry().left(), marke.x());
    EXPECT_EQ(t.popup()->geometry().bottom() + 1, marke.y());
    EXPECT_TRUE(t.popup()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(t.popup()->windowFlags() & Qt::WindowStaysOnTopHint);
    // The keyboard stays with the field.
    EXPECT_TRUE(t.feld->hasFocus());

    // Nothing left to offer: closed. Escape closes the window; the next key
    // filters again and reopens it.
    t.tippen(QStringLiteral("1"));
    EXPECT_FALSE(t.popup()->isVisible());
    t.taste(Qt::Key_Backspace);
    EXPECT_TRUE(t.popup()->isVisible());
    t.taste(Qt::Key_Escape);
    EXPECT_FALSE(t.popup()->isVisible());
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re"));
    t.taste(Qt::Key_Left);
    EXPECT_TRUE(t.popup()->isVisible());
    EXPECT_EQ(t.gelistet(), (QStringList{"re0", "re1"}));
}

TEST(EingabeFeld, MethodenNachDemPunktUndUebernahmeMitEnter)
{
    Feld t;
    t.tippen(QStringLiteral("re0."));
    ASSERT_TRUE(t.popup()->isVisible());
    EXPECT_EQ(t.gewaehlt(), QStringLiteral("zeichnen"));

    ASSERT_TRUE(t.waehle(QStringLiteral("verschieben")));
    t.taste(Qt::Key_Return);
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("re0.verschieben("), 16));
    EXPECT_FALSE(t.popup()->isVisible()); // lengths have no proposals
    EXPECT_EQ(t.ausfuehrungen, 0);

    // A method without parameters gets both parentheses.
    t.taste(Qt::Key_Backspace, 12);
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re0."));
    ASSERT_TRUE(t.popup()->isVisible());
    ASSERT_TRUE(t.waehle(QStringLiteral("kopieren")));
    t.taste(Qt::Key_Enter); // the key on the number pad works alike
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("re0.kopieren()"), 14));
    EXPECT_TRUE(t.fehlerfrei);
    EXPECT_EQ(t.meldung, QString());
    EXPECT_EQ(t.ausfuehrungen, 0);
}

TEST(EingabeFeld, UebernahmeErsetztDasWortUndBehaeltDieKlammer)
{
    Feld t;
    // The caret inside a partly typed method name before existing arguments.
    t.tippen(QStringLiteral("re0.vers  (2 cm, 1 cm)"));
    t.taste(Qt::Key_Home);
    t.taste(Qt::Key_Right, 8);
    ASSERT_TRUE(t.popup()->isVisible());
    EXPECT_EQ(t.gelistet(), (QStringList{"verschieben"}));
    t.taste(Qt::Key_Return);
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("re0.verschieben(2 cm, 1 cm)"), 15));
    EXPECT_TRUE(t.fehlerfrei);

    // The object name in front is replaced as a whole, even from its middle.
    // (re0 itself is the whole word and is not offered again.)
    t.taste({Qt::Key_Home, Qt::Key_Right});
    EXPECT_EQ(t.gelistet(), (QStringList{"re1"}));
    t.taste(Qt::Key_Return);
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("re1.verschieben(2 cm, 1 cm)"), 3));
}

TEST(EingabeFeld, FarbenMitGFarbfelderUndAuswahlGrenzen)
{
    Feld t;
    t.tippen(QStringLiteral("re0.LinienfarbeSetzen(g"));
    ASSERT_EQ(t.gelistet().size(), 11); // the filter's own order is checked on the core
    // Up on the first entry and Down on the last change nothing.
    EXPECT_EQ(t.popup()->GewaehlterIndex(), 0);
    t.taste(Qt::Key_Up);
    EXPECT_EQ(t.popup()->GewaehlterIndex(), 0);
    t.taste(Qt::Key_Down, 10);
    EXPECT_EQ(t.gewaehlt(), QStringLiteral("grellgrün"));
    t.taste(Qt::Key_Down);
    EXPECT_EQ(t.gewaehlt(), QStringLiteral("grellgrün"));
    t.taste(Qt::Key_Up);
    EXPECT_EQ(t.gewaehlt(), QStringLiteral("gelb"));
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re0.LinienfarbeSetzen(g")); // no analysis, no change
    EXPECT_EQ(t.popup()->ListBox()->visualItemRect(t.popup()->ListBox()->item(6)).height(), 18);

    // The proposal is taken and the call is complete after the parenthesis.
    t.taste(Qt::Key_Return);
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re0.LinienfarbeSetzen(gelb"));
    t.zeichen(QLatin1Char(')'));
    EXPECT_TRUE(t.fehlerfrei);
}

TEST(EingabeFeld, KlickInDieListeUebernimmtDenVorschlag)
{
    Feld t;
    t.tippen(QStringLiteral("el0.linienartSetzen("));
    ASSERT_TRUE(t.popup()->isVisible());
    ASSERT_EQ(t.gelistet().size(), 5);
    QListWidget *liste = t.popup()->ListBox();
    const QRect r = liste->visualItemRect(liste->item(3));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("el0.linienartSetzen(gepunktelt"), 30));
    EXPECT_FALSE(t.popup()->isVisible());
    EXPECT_TRUE(t.feld->hasFocus());
}

TEST(EingabeFeld, LangerTextRolltWieVorgesehen)
{
    Feld t(160);
    const int s = t.feld->SichtbareZeichen();
    ASSERT_GT(s, 5);
    ASSERT_EQ(s, 160 / t.feld->Zeichenbreite());
    QString lang;
    for (int i = 0; i < s + 10; ++i)
        lang += QChar(u'a' + i % 26);
    t.tippen(lang.left(s));
    EXPECT_EQ(t.feld->ErstesZeichen(), 1); // still fits
    t.tippen(lang.mid(s, 1));
    // Typing at the end: caret − visible + 3, limited to length − visible + 1.
    EXPECT_EQ(t.feld->ErstesZeichen(), 2);
    t.tippen(lang.mid(s + 1));
    EXPECT_EQ(t.feld->ErstesZeichen(), 11);
    EXPECT_EQ(t.feld->MarkeX(), s * t.feld->Zeichenbreite());

    // Back at the start, then right beyond the last visible column.
    t.taste(Qt::Key_Home);
    EXPECT_EQ(t.feld->ErstesZeichen(), 1);
    t.taste(Qt::Key_Right, s);
    EXPECT_EQ(t.feld->ErstesZeichen(), 1);
    t.taste(Qt::Key_Right);
    EXPECT_EQ(t.feld->Einfuegemarke(), s + 1);
    EXPECT_EQ(t.feld->ErstesZeichen(), 4); // caret − visible + 3
    // Left scrolls back when the caret leaves the visible part.
    t.taste(Qt::Key_Left, 2);
    EXPECT_EQ(t.feld->ErstesZeichen(), 4);
    t.taste(Qt::Key_Left, s - 4);
    EXPECT_EQ(t.feld->Einfuegemarke(), 3);
    EXPECT_EQ(t.feld->ErstesZeichen(), 4);
    t.taste(Qt::Key_Left);
    EXPECT_EQ(t.feld->ErstesZeichen(), 1); // caret 2: max(2 − 1, 1)

    // The visible text starts with character ErstesZeichen: a click at the
    // left edge puts the caret in front of it.
    t.taste(Qt::Key_End);
    QTest::mouseClick(t.feld, Qt::LeftButton, {}, QPoint(1, 12));
    EXPECT_EQ(t.feld->Einfuegemarke(), t.feld->ErstesZeichen() - 1);
}

TEST(EingabeFeld, AuswahlMitShiftUndUeberschreiben)
{
    Feld t;
    t.tippen(QStringLiteral("re0.x"));
    t.taste(Qt::SHIFT | Qt::Key_Left);
    EXPECT_EQ(t.feld->AuswahlAnfang(), 5);
    EXPECT_EQ(t.feld->AuswahlEnde(), 4);
    EXPECT_EQ(t.feld->Einfuegemarke(), 4);
    t.tippen(QStringLiteral("y"));
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("re0.y"), 5));

    // Shift+Left twice from the end of a longer text, then Backspace.
    t.tippen(QStringLiteral("abc"));
    t.taste({Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Left, Qt::Key_Backspace});
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("re0.ya"), 6));

    // After End the anchor is the caret: Shift+Left selects one character,
    // not everything from the front.
    t.taste({Qt::Key_Home, Qt::Key_End, Qt::SHIFT | Qt::Key_Left, Qt::Key_Delete});
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re0.y"));

    // A selection ending at the front is removed by Backspace, one ending at
    // the end by Delete.
    t.taste({Qt::Key_Left, Qt::SHIFT | Qt::Key_Home});
    EXPECT_EQ(t.feld->Einfuegemarke(), 0);
    t.taste(Qt::Key_Backspace);
    EXPECT_EQ(t.feld->Text(), QStringLiteral("y"));
    t.tippen(QStringLiteral("xyz"));
    t.taste({Qt::Key_Home, Qt::SHIFT | Qt::Key_End, Qt::Key_Delete});
    EXPECT_EQ(t.feld->Text(), QString());

    // Arrow keys without Shift drop the selection.
    t.tippen(QStringLiteral("abc"));
    t.taste({Qt::SHIFT | Qt::Key_Left, Qt::Key_Left});
    t.tippen(QStringLiteral("X"));
    EXPECT_EQ(t.feld->Text(), QStringLiteral("aXbc"));
}

TEST(EingabeFeld, MausSetztMarkeUndZiehtAuswahl)
{
    Feld t;
    t.tippen(QStringLiteral("re0.drehen(30)"));
    const int zb = t.feld->Zeichenbreite();
    // A click rounds to the nearest gap between characters.
    QTest::mouseClick(t.feld, Qt::LeftButton, {}, QPoint(4 * zb + zb / 2 - 1, 12));
    EXPECT_EQ(t.feld->Einfuegemarke(), 4);
    QTest::mouseClick(t.feld, Qt::LeftButton, {}, QPoint(4 * zb + zb / 2 + 1, 12));
    EXPECT_EQ(t.feld->Einfuegemarke(), 5);
    // Far right of the text: the end.
    QTest::mouseClick(t.feld, Qt::LeftButton, {}, QPoint(380, 12));
    EXPECT_EQ(t.feld->Einfuegemarke(), 14);

    // Dragging from 4 to 10 selects "drehen", typing replaces it.
    QTest::mousePress(t.feld, Qt::LeftButton, {}, QPoint(4 * zb, 12));
    QMouseEvent ziehen(QEvent::MouseMove, QPointF(10 * zb, 12), t.feld->mapToGlobal(QPointF(10 * zb, 12)),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(t.feld, &ziehen);
    QTest::mouseRelease(t.feld, Qt::LeftButton, {}, QPoint(10 * zb, 12));
    EXPECT_EQ(t.feld->AuswahlAnfang(), 4);
    EXPECT_EQ(t.feld->AuswahlEnde(), 10);
    EXPECT_EQ(t.feld->Einfuegemarke(), 10);
    // After the click the caret stands in the method name: the window offers
    // the other methods beginning with "drehen".
    EXPECT_EQ(t.gelistet(), (QStringList{"drehenUm"}));
    t.tippen(QStringLiteral("strecken"));
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re0.strecken(30)"));
    EXPECT_TRUE(t.fehlerfrei);

    // Shift+click extends from the caret.
    QTest::mouseClick(t.feld, Qt::LeftButton, {}, QPoint(0, 12));
    QTest::mouseClick(t.feld, Qt::LeftButton, Qt::ShiftModifier, QPoint(3 * zb, 12));
    EXPECT_EQ(t.feld->AuswahlAnfang(), 0);
    EXPECT_EQ(t.feld->AuswahlEnde(), 3);
    t.taste(Qt::Key_Delete);
    EXPECT_EQ(t.feld->Text(), QStringLiteral(".strecken(30)"));
}

TEST(EingabeFeld, NichtSpeicherbareZeichenWerdenAbgelehnt)
{
    Feld t;
    t.tippen(QStringLiteral("re0.textSetzen(\"Grüße €"));
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re0.textSetzen(\"Grüße €")); // all Windows-1252
    const QString vorherMeldung = t.meldung;
    t.zeichen(QChar(0x2192)); // an arrow
    EXPECT_EQ(t.textUndMarke(), std::pair(QStringLiteral("re0.textSetzen(\"Grüße €"), 23));
    EXPECT_EQ(t.meldung, QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."));
    EXPECT_FALSE(t.fehlerfrei);
    // Until the next key, whatever it is.
    t.taste(Qt::Key_Down);
    EXPECT_EQ(t.meldung, vorherMeldung);

    // A character outside the basic plane (two UTF-16 units) is refused whole.
    QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"));
    QApplication::sendEvent(t.feld, &emoji);
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re0.textSetzen(\"Grüße €"));
    EXPECT_EQ(t.meldung, QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."));
    t.tippen(QStringLiteral("\")"));
    EXPECT_EQ(t.meldung, QStringLiteral("Objekte der Klasse RECHTECK haben keine Methode textSetzen."));
}

TEST(EingabeFeld, FokusverlustSchliesstFensterUndBlinkerSchaltetMarke)
{
    Feld t;
    EXPECT_EQ(t.feld->Blinker()->interval(), 400);
    EXPECT_TRUE(t.feld->Blinker()->isActive());
    t.tippen(QStringLiteral("re0.drehen(1)"));
    EXPECT_TRUE(t.feld->MarkeSichtbar()); // shown at once after a key

    // The caret is drawn inverted: two dark columns on the white field.
    QImage bild = bildVon(t.feld);
    const int x = t.feld->MarkeX();
    const int y = t.feld->TextOben() + 2;
    EXPECT_EQ(bild.pixelColor(x, y), QColor(Qt::black));
    EXPECT_EQ(bild.pixelColor(x + 1, y), QColor(Qt::black));
    EXPECT_EQ(bild.pixelColor(x + 3, y), QColor(Qt::white));
    t.feld->Blinken();
    EXPECT_FALSE(t.feld->MarkeSichtbar());
    bild = bildVon(t.feld);
    EXPECT_EQ(bild.pixelColor(x, y), QColor(Qt::white));
    t.feld->Blinken();
    EXPECT_TRUE(t.feld->MarkeSichtbar());

    t.zeichen(QChar(8)); // a control character as text changes nothing
    t.taste(Qt::Key_Backspace, 4);
    EXPECT_EQ(t.feld->Text(), QStringLiteral("re0.drehe"));
    ASSERT_TRUE(t.popup()->isVisible());
    QWidget anderes(&t.fenster);
    anderes.setFocusPolicy(Qt::StrongFocus);
    anderes.setGeometry(0, 0, 1, 1);
    anderes.show();
    anderes.setFocus();
    EXPECT_FALSE(t.feld->HatFokus());
    EXPECT_FALSE(t.popup()->isVisible());
    EXPECT_FALSE(t.feld->MarkeSichtbar());
    t.feld->Blinken();
    EXPECT_FALSE(t.feld->MarkeSichtbar()); // no blinking without the focus
}

// The field draws its text through the scanner's drawing (checked exactly
// there) with its own error range and selection.
TEST(EingabeFeld, DarstellungMitFehlerbereichUndAuswahl)
{
    Feld t(500);
    // The second argument x is no length: "x)" is marked.
    t.tippen(QStringLiteral("re0.verschieben(2 cm, x)"));
    const TEingabeFeld &f = *t.feld;
    EXPECT_EQ(t.meldung, QStringLiteral("Zahl erwartet."));
    EXPECT_EQ(f.FehlerAnfang(), 23);
    EXPECT_EQ(f.FehlerEnde(), 24);
    // A selection of the first two characters; the caret hidden so that it
    // covers no character.
    t.taste({Qt::Key_Home, Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right});
    t.feld->Blinken();
    if (t.feld->MarkeSichtbar())
        t.feld->Blinken();
    const QImage bild = bildVon(t.feld);

    const QColor blau(0, 0, 255), hellrot(255, 160, 160);
    EXPECT_GT(zelleZaehlen(bild, f, 24, hellrot, 10), f.Zeichenbreite()); // the last cell of the range
    EXPECT_EQ(zelleZaehlen(bild, f, 22, hellrot, 10), 0);
    EXPECT_GT(zelleZaehlen(bild, f, 2, blau, 10), f.Zeichenbreite() * 4);
    EXPECT_EQ(zelleZaehlen(bild, f, 3, blau, 10), 0);
}
