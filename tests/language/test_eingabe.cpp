// The method-call input field in the main window, driven by real key and
// mouse events; hint bar, execute button, history, Strg+click, screenshots.
#include "analyser/ui/AufrufGitter.h"
#include "analyser/ui/FAnalysator.h"
#include "common/gemeinsame_hilfen.h"
#include "language/ui/FCodeComplete.h"
#include "persistence/ui/DateiBefehle.h"
#include "sprach_hilfen.h"
#include "window/fenster_hilfen.h"

#include <QtWidgets>

using namespace sprachtest;

namespace
{

struct Eingabe : Fenster {
    TEingabeFeld *feld = nullptr;
    QString meldung = QStringLiteral("(keine)");
    bool fehlerfrei = false;

    void SetUp() override
    {
        Fenster::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        feld = f->findChild<TEingabeFeld *>();
        ASSERT_NE(feld, nullptr);
        QObject::connect(feld, &TEingabeFeld::Aenderung, [this](const QString &m, bool ok) {
            meldung = m;
            fehlerfrei = ok;
        });
    }
    void TearDown() override
    {
        ab().Analysator().Angehalten = true;
        Fenster::TearDown();
    }

    // re0, el0 and a group gr0 holding re1, made without log entries.
    void zeichnung()
    {
        figurAnlegen(ab(), QStringLiteral("RECHTECK"));
        figurAnlegen(ab(), QStringLiteral("ELLIPSE"));
        figurAnlegen(ab(), QStringLiteral("RECHTECK"), figurAnlegen(ab(), QStringLiteral("GRUPPE")));
    }
    // Runs a call directly, as a script would, to set up the drawing.
    void aufruf(const QString &text)
    {
        const TAufrufErgebnis e = ab().AufrufAusfuehren(text, 0, nullptr);
        EXPECT_TRUE(e.Ausgefuehrt) << text.toStdString() << ": " << e.Fehlermeldung.toStdString();
    }
    // A figure of the class with its creation logged, as the mouse makes it.
    TZeichenObjekt *neu(const QString &klasse) { return figur<TZeichenObjekt>(klasse, 0, 0); }

    // Clicks into the field unless it has the focus (its keys are not the
    // window's shortcuts), then types one key press and release per character.
    void tippen(const QString &text)
    {
        if (!feld->hasFocus())
            klick(4);
        for (QChar c : text)
            zeichen(c);
    }
    void zeichen(QChar c)
    {
        for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(art, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &e);
        }
    }
    // Key clicks in order, the whole sequence `mal` times.
    void taste(std::initializer_list<QKeyCombination> folge, int mal = 1)
    {
        for (int i = 0; i < mal; ++i)
            for (QKeyCombination k : folge)
                QTest::keyClick(feld, k.key(), k.keyboardModifiers());
    }
    void taste(QKeyCombination k, int mal = 1) { taste({k}, mal); }
    // Empties the field with real keys (select all, delete).
    void leeren()
    {
        tippen(QString());
        taste({Qt::CTRL | Qt::Key_A, Qt::Key_Delete});
    }
    QPoint bei(int x) const { return QPoint(x, feld->height() / 2); }
    void klick(int x, Qt::KeyboardModifiers mod = {}) { QTest::mouseClick(feld, Qt::LeftButton, mod, bei(x)); }

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
    QString hinweis() const { return f->PanelHilfstext->text(); }
    bool gluehbirne() const { return f->ImageGluehbirne->isVisibleTo(f.get()); }
    bool knopfAn() const { return f->SBMethodeAusfuehren->isEnabled(); }
    QImage feldBild() const { return feld->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The main window with the completion window drawn where it stands.
    QImage bildMitListe() const
    {
        QImage bild = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QPainter(&bild).drawImage(popup()->mapToGlobal(QPoint(0, 0)) - f->mapToGlobal(QPoint(0, 0)),
                                  popup()->grab().toImage());
        return bild;
    }
};

} // namespace

// Enter, the number pad's Enter or a click takes the selected proposal without
// running anything; the caret's word is replaced whole, "(" or "()" added.
TEST_F(Eingabe, VorschlagUebernehmen)
{
    zeichnung();
    const int vorher = anzahl();
    tippen(QStringLiteral("re0."));
    ASSERT_TRUE(popup()->isVisible());
    EXPECT_EQ(gewaehlt(), QStringLiteral("zeichnen"));
    ASSERT_TRUE(waehle(QStringLiteral("verschieben")));
    taste(Qt::Key_Return);
    EXPECT_EQ(textUndMarke(), std::pair(QStringLiteral("re0.verschieben("), 16));
    EXPECT_FALSE(popup()->isVisible()); // lengths have no proposals
    taste(Qt::Key_Backspace, 12);
    ASSERT_TRUE(popup()->isVisible());
    ASSERT_TRUE(waehle(QStringLiteral("kopieren")));
    taste(Qt::Key_Enter);
    EXPECT_EQ(textUndMarke(), std::pair(QStringLiteral("re0.kopieren()"), 14));
    EXPECT_EQ(std::tuple(fehlerfrei, meldung, anzahl()), std::tuple(true, QString(), vorher));

    // The caret inside a partly typed method name before existing arguments.
    leeren();
    tippen(QStringLiteral("re0.vers  (2 cm, 1 cm)"));
    taste(Qt::Key_Home);
    taste(Qt::Key_Right, 8);
    EXPECT_EQ(gelistet(), (QStringList{"verschieben"}));
    taste(Qt::Key_Return);
    EXPECT_EQ(std::pair(textUndMarke(), fehlerfrei),
              std::pair(std::pair(QStringLiteral("re0.verschieben(2 cm, 1 cm)"), 15), true));
    // The object name, even from its middle (re0 itself is not offered again).
    taste({Qt::Key_Home, Qt::Key_Right});
    EXPECT_EQ(gelistet(), (QStringList{"re1"}));
    taste(Qt::Key_Return);
    EXPECT_EQ(textUndMarke(), std::pair(QStringLiteral("re1.verschieben(2 cm, 1 cm)"), 3));

    leeren();
    tippen(QStringLiteral("el0.linienartSetzen("));
    ASSERT_EQ(gelistet().size(), 5);
    QListWidget *liste = popup()->ListBox();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(3)).center());
    EXPECT_EQ(textUndMarke(), std::pair(QStringLiteral("el0.linienartSetzen(gepunktelt"), 30));
    EXPECT_EQ(std::tuple(popup()->isVisible(), feld->hasFocus()), std::tuple(false, true));

    // Colours in the table's order; Up on the first entry and Down on the
    // last change nothing.
    leeren();
    tippen(QStringLiteral("re0.LinienfarbeSetzen(g"));
    EXPECT_EQ(gelistet(), (QStringList{"grau1", "grau2", "grau3", "grau4", "grau5", "grau6", "grün", "gelbgrün", "gold",
                                       "gelb", "grellgrün"}));
    const std::tuple<Qt::Key, int, const char *> schritte[] = {{Qt::Key_Up, 1, "grau1"},
                                                               {Qt::Key_Down, 10, "grellgrün"},
                                                               {Qt::Key_Down, 1, "grellgrün"},
                                                               {Qt::Key_Up, 1, "gelb"}};
    for (const auto &[k, mal, text] : schritte) {
        taste(k, mal);
        EXPECT_EQ(gewaehlt(), QString::fromUtf8(text));
    }
    EXPECT_EQ(feld->Text(), QStringLiteral("re0.LinienfarbeSetzen(g")); // no analysis, no change
    EXPECT_EQ(popup()->ListBox()->visualItemRect(popup()->ListBox()->item(6)).height(), 18);
    taste(Qt::Key_Return);
    zeichen(QLatin1Char(')'));
    EXPECT_EQ(std::tuple(feld->Text(), fehlerfrei), std::tuple(QStringLiteral("re0.LinienfarbeSetzen(gelb)"), true));
}

// Typing at the end scrolls to caret − visible + 3, at most length − visible + 1;
// the caret leaving the visible part scrolls back; a click at the left edge.
TEST_F(Eingabe, LangerTextRolltWieVorgesehen)
{
    EXPECT_EQ(feld->Text(),
              QStringLiteral("Hier kannst Du eigene Methodenaufrufe eingeben!")); // until a click
    const int s = feld->SichtbareZeichen();
    ASSERT_GT(s, 5);
    EXPECT_EQ(s, feld->width() / feld->Zeichenbreite());
    QString lang;
    for (int i = 0; i < s + 10; ++i)
        lang += QChar(u'a' + i % 26);
    tippen(lang.left(s));
    EXPECT_EQ(feld->ErstesZeichen(), 1); // still fits
    tippen(lang.mid(s, 1));
    EXPECT_EQ(feld->ErstesZeichen(), 2);
    tippen(lang.mid(s + 1));
    EXPECT_EQ(feld->ErstesZeichen(), 11);
    EXPECT_EQ(feld->MarkeX(), s * feld->Zeichenbreite());
    const struct {
        Qt::Key taste;
        int mal, marke, erstes;
    } schritte[] = {{Qt::Key_Home, 1, 0, 1},     {Qt::Key_Right, s, s, 1},    {Qt::Key_Right, 1, s + 1, 4},
                    {Qt::Key_Left, 2, s - 1, 4}, {Qt::Key_Left, s - 4, 3, 4}, {Qt::Key_Left, 1, 2, 1}};
    for (const auto &k : schritte) {
        SCOPED_TRACE(k.marke);
        taste(k.taste, k.mal);
        EXPECT_EQ(std::tuple(feld->Einfuegemarke(), feld->ErstesZeichen()), std::tuple(k.marke, k.erstes));
    }
    taste(Qt::Key_End);
    klick(1);
    EXPECT_EQ(feld->Einfuegemarke(), feld->ErstesZeichen() - 1);
}

// A click rounds to the nearest gap, far right is the end; dragging selects,
// typing replaces; Shift+click extends from the caret.
TEST_F(Eingabe, MausSetztMarkeUndZiehtAuswahl)
{
    zeichnung();
    tippen(QStringLiteral("re0.drehen(30)"));
    const int zb = feld->Zeichenbreite();
    const std::pair<int, int> klicks[] = {{4 * zb + zb / 2 - 1, 4}, {4 * zb + zb / 2 + 1, 5}, {380, 14}};
    for (const auto &[x, marke] : klicks) {
        klick(x);
        EXPECT_EQ(feld->Einfuegemarke(), marke);
    }
    mausZug(feld, bei(4 * zb), bei(10 * zb), Qt::LeftButton, 1);
    EXPECT_EQ(std::tuple(feld->AuswahlAnfang(), feld->AuswahlEnde(), feld->Einfuegemarke()), std::tuple(4, 10, 10));
    // The caret stands in the method name: drehenUm is offered.
    EXPECT_EQ(gelistet(), (QStringList{"drehenUm"}));
    tippen(QStringLiteral("strecken"));
    EXPECT_EQ(feld->Text(), QStringLiteral("re0.strecken(30)"));
    EXPECT_TRUE(fehlerfrei);
    klick(0);
    klick(3 * zb, Qt::ShiftModifier);
    EXPECT_EQ(std::tuple(feld->AuswahlAnfang(), feld->AuswahlEnde()), std::tuple(0, 3));
    taste(Qt::Key_Backspace);
    EXPECT_EQ(feld->Text(), QStringLiteral(".strecken(30)"));
}

// Characters outside Windows-1252 are refused with a message until the next
// key, whatever it is; one outside the basic plane is refused whole.
TEST_F(Eingabe, NichtSpeicherbareZeichenWerdenAbgelehnt)
{
    zeichnung();
    const QString text = QStringLiteral("re0.textSetzen(\"Grüße €");
    tippen(text);
    zeichen(QChar(8)); // a control character as text changes nothing
    EXPECT_EQ(feld->Text(), text);
    const QString vorherMeldung = meldung;
    const QString nicht = QStringLiteral("Dieses Zeichen kann Figuro nicht speichern.");
    zeichen(QChar(0x2192)); // an arrow
    EXPECT_EQ(std::tuple(feld->Text(), feld->Einfuegemarke(), meldung, fehlerfrei), std::tuple(text, 23, nicht, false));
    taste(Qt::Key_Down);
    EXPECT_EQ(meldung, vorherMeldung);
    QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"));
    QApplication::sendEvent(feld, &emoji);
    EXPECT_EQ(std::tuple(feld->Text(), meldung), std::tuple(text, nicht));
    tippen(QStringLiteral("\")"));
    EXPECT_EQ(meldung, QStringLiteral("Objekte der Klasse RECHTECK haben keine Methode textSetzen."));
}

// The field draws its error range light red and its selection blue.
TEST_F(Eingabe, DarstellungMitFehlerbereichUndAuswahl)
{
    zeichnung();
    tippen(QStringLiteral("re0.verschieben(2 cm, x)")); // x is no length: "x)" is marked
    EXPECT_EQ(meldung, QStringLiteral("Zahl erwartet."));
    EXPECT_EQ(std::tuple(feld->FehlerAnfang(), feld->FehlerEnde()), std::tuple(23, 24));
    // The first two characters selected, the caret hidden.
    taste({Qt::Key_Home, Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right});
    feld->Blinken();
    if (feld->MarkeSichtbar())
        feld->Blinken();
    const QImage bild = feldBild();
    const auto zelle = [&](int position, const QColor &farbe) {
        const int x0 = feld->TextLinks() + (position - feld->ErstesZeichen()) * feld->Zeichenbreite();
        return pixelZaehlen(bild, QRect(x0, feld->TextOben(), feld->Zeichenbreite(), feld->Zeichenhoehe()), farbe, 10);
    };
    const QColor blau(0, 0, 255), hellrot(255, 160, 160);
    EXPECT_GT(zelle(24, hellrot), feld->Zeichenbreite()); // the last cell of the range
    EXPECT_GT(zelle(2, blau), feld->Zeichenbreite() * 4);
    EXPECT_EQ(std::tuple(zelle(22, hellrot), zelle(3, blau)), std::tuple(0, 0));
}

// Hint bar, light bulb and execute button follow the analysis; Enter on an
// erroneous text runs nothing; Enter and the button run the call.
TEST_F(Eingabe, HinweiszeileKnopfUndAusfuehren)
{
    neu(QStringLiteral("RECHTECK"));
    tippen(QStringLiteral("re0.drehen("));
    EXPECT_EQ(hinweis(), feld->Scanner().Fehlermeldung);
    EXPECT_EQ(std::tuple(hinweis().isEmpty(), gluehbirne(), knopfAn()), std::tuple(false, true, false));
    const QStringList vorher = protokoll();
    const QString fehler = hinweis();
    taste(Qt::Key_Return);
    EXPECT_EQ(std::tuple(protokoll(), hinweis(), ab().Geaendert), std::tuple(vorher, fehler, false));

    tippen(QStringLiteral("30)"));
    EXPECT_EQ(std::tuple(hinweis(), gluehbirne(), knopfAn()), std::tuple(QString(), false, true));
    taste(Qt::Key_Return);
    QTest::mouseClick(f->SBMethodeAusfuehren, Qt::LeftButton);
    EXPECT_EQ(protokoll().mid(vorher.size()), QStringList(2, QStringLiteral("re0.drehen( 30.00° )")));
    EXPECT_TRUE(ab().Analysator().Protokoll().back()->AusEingabefeld && ab().Geaendert);
    EXPECT_EQ(feld->Text(), QStringLiteral("re0.drehen(30)"));

    // A call that removes its object: the same text then names no object.
    taste(Qt::Key_End);
    taste(Qt::Key_Backspace, 10);
    tippen(QStringLiteral("ausschneiden()"));
    EXPECT_TRUE(knopfAn());
    taste(Qt::Key_Return);
    EXPECT_TRUE(ab().Dokument().Teile.empty());
    EXPECT_EQ(std::tuple(hinweis(), knopfAn()),
              std::tuple(QStringLiteral("re0 ist kein Bezeichner eines Objekts."), false));
    EXPECT_EQ(std::tuple(feld->FehlerAnfang(), feld->FehlerEnde()), std::tuple(1, 3));
    // Delete edits the text and does not delete the selected figure.
    waehlen({neu(QStringLiteral("RECHTECK"))});
    taste({Qt::Key_Home, Qt::Key_Delete});
    EXPECT_EQ(std::tuple(feld->Text(), ab().Dokument().Teile.size()),
              std::tuple(QStringLiteral("e0.ausschneiden()"), 1u));
}

// eingabe.png and meintest.png, saved when FIGURO_SCREENSHOTS names a folder;
// the open list shows the swatch of its first entry (grau1) above the field.
TEST_F(Eingabe, BildschirmfotoMitOffenerVervollstaendigung)
{
    f->move(0, 0);
    f->resize(640, 560);
    neu(QStringLiteral("RECHTECK"));
    neu(QStringLiteral("ELLIPSE"));
    for (const char *a :
         {"re0.DiagonalenschnittpunktSetzen(5 cm, 22 cm)", "re0.LängeSetzen(6 cm)", "re0.BreiteSetzen(3 cm)",
          "re0.FüllfarbeSetzen(hellblau)", "el0.mittelpunktSetzen(10 cm, 20 cm)", "el0.radiusXSetzen(3 cm)",
          "el0.radiusYSetzen(2 cm)", "el0.FüllfarbeSetzen(gold)"})
        aufruf(QString::fromUtf8(a));
    f->Neuzeichnen();
    tippen(QStringLiteral("el0.FüllfarbeSetzen(g"));
    ASSERT_TRUE(popup()->isVisible());
    taste(Qt::Key_Down, 2);
    QApplication::processEvents();
    const QImage bild = bildMitListe();
    QListWidget *liste = popup()->ListBox();
    const QPoint feldchen = popup()->mapToGlobal(QPoint(0, 0)) - f->mapToGlobal(QPoint(0, 0)) +
                            liste->viewport()->mapTo(popup(), liste->visualItemRect(liste->item(0)).topLeft()) +
                            QPoint(10, 9);
    EXPECT_EQ(bild.pixelColor(feldchen), QColor(51, 51, 51));
    EXPECT_LT(feldchen.y(), feld->mapTo(f.get(), QPoint(0, 0)).y());
    EXPECT_EQ(gewaehlt(), QStringLiteral("grau3"));
    EXPECT_TRUE(testhilfe::bildschirmfotoSichern(bild, QStringLiteral("eingabe.png")));

    // meintest.png: a misspelt method, the list, the field and the hint bar.
    f->resize(760, 560);
    leeren();
    tippen(QStringLiteral("re0.verschiebn"));
    ASSERT_EQ(gewaehlt(), QStringLiteral("verschieben"));
    const QImage mitHinweis = bildMitListe();
    const int oben = popup()->mapToGlobal(QPoint(0, 0)).y() - f->mapToGlobal(QPoint(0, 0)).y() - 8;
    ASSERT_GT(oben, 0);
    EXPECT_TRUE(testhilfe::bildschirmfotoSichern(
        mitHinweis.copy(0, oben, mitHinweis.width(), mitHinweis.height() - oben), QStringLiteral("meintest.png")));
}

// Up and Down walk through the calls that ran (proposals while the list is open);
// the history keeps each call once, at most 200, and outlives new and open.
TEST_F(Eingabe, VerlaufMitPfeiltasten)
{
    neu(QStringLiteral("RECHTECK"));
    neu(QStringLiteral("ELLIPSE"));
    const QString a = QStringLiteral("re0.drehen(30)"), b = QStringLiteral("el0.drehen(5)"),
                  c = QStringLiteral("re0.strecken(2)");
    for (const QString &t : {a, b, b, QStringLiteral("re0.drehen(x)"), c}) { // a refused call is not kept
        leeren();
        tippen(t);
        taste(Qt::Key_Return);
    }
    ASSERT_EQ(std::vector<QString>(feld->Verlauf().Eintraege().begin(), feld->Verlauf().Eintraege().end()),
              (std::vector<QString>{a, b, c}));

    leeren();
    tippen(QStringLiteral("re0."));
    ASSERT_TRUE(popup()->isVisible());
    const QString entwurf = feld->Text();
    taste(Qt::Key_Down);
    EXPECT_EQ(popup()->GewaehlterIndex(), 1);
    taste({Qt::Key_Up, Qt::Key_Escape});
    EXPECT_EQ(std::tuple(popup()->GewaehlterIndex(), popup()->isVisible(), feld->Text()),
              std::tuple(0, false, entwurf));
    const std::pair<Qt::Key, QString> schritte[] = {
        {Qt::Key_Up, c},         {Qt::Key_Up, b},   {Qt::Key_Up, a},           {Qt::Key_Up, a}, // the oldest stays
        {Qt::Key_Down, b},       {Qt::Key_Down, c}, {Qt::Key_Down, entwurf},   // past the newest: the draft
        {Qt::Key_Down, entwurf},                                               // outside a walk Down does nothing
        {Qt::Key_Up, c},         {Qt::Key_Up, b},   {Qt::Key_Escape, entwurf}, // Escape leaves the walk
    };
    for (const auto &[k, text] : schritte) {
        SCOPED_TRACE(text.toStdString());
        taste(k);
        EXPECT_EQ(textUndMarke(), std::pair(text, int(text.size())));
        EXPECT_EQ(std::tuple(popup()->isVisible(), knopfAn()), std::tuple(false, text != entwurf));
    }
    // A recalled call runs with Enter and becomes the newest entry.
    taste(Qt::Key_Up, 2);
    ASSERT_EQ(feld->Text(), b);
    const int vorher = anzahl();
    taste(Qt::Key_Return);
    EXPECT_EQ(anzahl(), vorher + 1);
    EXPECT_EQ(protokoll().back(), QStringLiteral("el0.drehen( 5.00° )"));
    EXPECT_EQ(feld->Verlauf().Eintraege().back(), b);

    f->DateiBefehle->Rueckfrage = [](const QString &) { return QMessageBox::No; };
    f->DateiBefehle->ANeu->trigger();
    ASSERT_TRUE(dok()->Teile.empty());
    leeren();
    taste(Qt::Key_Up);
    EXPECT_EQ(feld->Text(), b);
    ASSERT_TRUE(f->DateiBefehle->DokumentOeffnen(testhilfe::quellPfad(QStringLiteral("beispiele/haus.fgo"))));
    taste({Qt::Key_Escape, Qt::Key_Up, Qt::Key_Up});
    EXPECT_EQ(feld->Text(), c);
    for (int i = 0; i < 250; ++i)
        feld->VerlaufMerken(QStringLiteral("re0.drehen(%1)").arg(i));
    ASSERT_EQ(feld->Verlauf().Eintraege().size(), 200u);
    EXPECT_EQ(feld->Verlauf().Eintraege().front(), QStringLiteral("re0.drehen(50)"));
}

// Strg+click on an entry of the analyser's call list puts its text into the
// field; run again, it logs the same text. A plain click does nothing.
TEST_F(Eingabe, StrgKlickAufDieAufruflisteHoltDenAufruf)
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
    const std::pair<int, QString> faelle[] = {
        {n - 3, QStringLiteral("re0.verschieben( 1.2346E+05 cm, -2.50 mm )")},
        // The log shortens long texts; the field gets them whole.
        {n - 2, QStringLiteral("tf0.textSetzen( \"") + langerText + QStringLiteral("\")")},
        {n - 1, QStringLiteral("re0.strecken( 25.000 % )")},
    };
    for (const auto &[zeile, text] : faelle) {
        SCOPED_TRACE(text.toStdString());
        zeileKlicken(zeile, Qt::ControlModifier);
        EXPECT_EQ(textUndMarke(), std::pair(text, int(text.size())));
        EXPECT_EQ(std::tuple(feld->hasFocus(), hinweis(), knopfAn()), std::tuple(true, QString(), true));
        const QString eintrag = protokoll()[zeile];
        taste(Qt::Key_Return);
        EXPECT_EQ(protokoll().back(), eintrag);
        EXPECT_EQ(ab().Analysator().Protokoll().back()->EingabeText(), text);
    }
    ab().Analysator().Angehalten = true;
}
