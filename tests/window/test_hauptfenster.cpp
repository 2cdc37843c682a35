// The main window's mouse state machine and keys, driven by real events:
// selecting, Shift-selecting, the rubber band, dragging figures and the
// arrow, Delete and Escape keys, and the keys while the input field has the
// focus.
#include "FensterTest.h"
#include "language/ui/EingabeFeld.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/AuswahlButton.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include <QClipboard>
#include <QRegularExpression>

using Auswahl = Fenster;
using Ziehen = Fenster;
using Tasten = Fenster;

TEST_F(Auswahl, KlickShiftKlickUndLeeresPapier)
{
    TRechteck *a = rechteck(5, 20, 4, 2), *b = rechteck(12, 20, 4, 2);
    const int vorher = anzahl();
    // A click selects and focuses; a second click changes nothing. Neither
    // is recorded.
    klicken(px(5, 20));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a});
    ASSERT_FALSE(analysator.Fokusse.empty());
    EXPECT_EQ(analysator.Fokusse.back(), a);
    EXPECT_FALSE(a->Griffe.empty());
    EXPECT_EQ(zustand(), TMauszustand::UeberObjekt);
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Verschieben);
    const auto fokusse = analysator.Fokusse.size();
    klicken(px(5, 20));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a});
    EXPECT_EQ(analysator.Fokusse.size(), fokusse);

    // Shift toggles; Shift on the empty paper keeps the selection.
    klicken(px(12, 20), Qt::ShiftModifier);
    EXPECT_EQ(auswahl(), (std::vector<TZeichenObjekt *>{a, b}));
    EXPECT_FALSE(b->Griffe.empty());
    klicken(px(5, 20), Qt::ShiftModifier);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{b});
    EXPECT_TRUE(a->Griffe.empty());
    klicken(px(15, 5), Qt::ShiftModifier);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{b});

    // A plain click on the empty paper deselects and focuses the document.
    klicken(px(15, 5));
    EXPECT_TRUE(auswahl().empty());
    EXPECT_TRUE(b->Griffe.empty());
    EXPECT_EQ(analysator.Fokusse.back(), dok());
    EXPECT_EQ(f->Hinweistext, QString());
    EXPECT_FALSE(f->ImageGluehbirne->isVisible());
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_FALSE(ab().Geaendert);
}

// The rubber band in both directions selects the figures wholly inside it;
// while it is drawn only previews are painted, Escape erases it.
TEST_F(Auswahl, Gummiband)
{
    TRechteck *innen = rechteck(5, 20, 2, 2);     // 4..6 x 19..21
    TRechteck *randInnen = rechteck(9, 20, 2, 2); // 8..10: touches the inside edge
    rechteck(12, 20, 4, 2);                       // 10..14: crosses the edge at 11
    rechteck(5, 10, 2, 2);                        // below the band
    const QPoint ol = px(3, 23), ur = px(11, 17);
    // The band's edges lie on whole pixels; the figure touching the inside
    // edge must lie within them.
    randInnen->MitteX = zf()->XWelt(ur.x()) - 1.0;
    randInnen->GeometrieBerechnen();
    for (int richtung = 0; richtung < 2; ++richtung) {
        klicken(px(15, 5)); // nothing selected
        ASSERT_TRUE(auswahl().empty());
        ziehen(richtung == 0 ? ol : ur, richtung == 0 ? ur : ol);
        EXPECT_EQ(auswahl(), (std::vector<TZeichenObjekt *>{innen, randInnen})) << richtung;
        EXPECT_EQ(zustand(), TMauszustand::Frei);
        EXPECT_FALSE(f->Steuerung->Bereichsrahmen.Sichtbar);
    }

    klicken(px(15, 5));
    f->Neuzeichnen();
    const int aufbauten = f->Zeichenbereich->Neuaufbauten();
    const QImage vorDruck = f->Zeichenbereich->Puffer().copy();
    bewegen(px(3, 23));
    druecken(px(3, 23));
    const int nachDruck = f->Zeichenbereich->Neuaufbauten();
    EXPECT_LE(nachDruck - aufbauten, 1); // the press repaints once at most
    const QImage sauber = f->Zeichenbereich->Puffer().copy();
    ziehenNach(px(8, 18));
    ziehenNach(px(9, 17));
    EXPECT_EQ(f->Zeichenbereich->Neuaufbauten(), nachDruck); // previews only
    EXPECT_NE(f->Zeichenbereich->Puffer(), sauber);          // the band shows
    EXPECT_EQ(f->Hinweistext,
              QStringLiteral("Alle Objekte innerhalb des gezogenen Rahmens werden markiert."));
    QTest::keyClick(seite, Qt::Key_Escape);
    EXPECT_EQ(zustand(), TMauszustand::Frei);
    EXPECT_EQ(f->Zeichenbereich->Puffer(), vorDruck);
    loslassen(px(9, 17));
    EXPECT_TRUE(auswahl().empty());
}

TEST_F(Ziehen, DreiPixelBewegenNichtsVierPixelVerschiebenJedeFigur)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    TRechteck *b = rechteck(12, 20, 4, 2);
    klicken(px(5, 20));
    klicken(px(12, 20), Qt::ShiftModifier);
    ASSERT_EQ(auswahl().size(), 2u);
    const QPoint start = px(5, 20);

    int vorher = anzahl();
    ziehen(start, start + QPoint(3, 0));
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_DOUBLE_EQ(a->MitteX, 5.0);
    EXPECT_FALSE(ab().Geaendert);

    vorher = anzahl();
    ziehen(start, start + QPoint(4, 0));
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 2);
    EXPECT_TRUE(neu[0].startsWith(a->Name + QStringLiteral(".verschieben( "))) << neu[0].toStdString();
    EXPECT_TRUE(neu[1].startsWith(b->Name + QStringLiteral(".verschieben( "))) << neu[1].toStdString();
    const double dx = 4.0 / zf()->SkalaX;
    EXPECT_NEAR(a->MitteX, 5.0 + dx, 1e-9);
    EXPECT_NEAR(b->MitteX, 12.0 + dx, 1e-9);
    EXPECT_NEAR(a->MitteY, 20.0, 1e-9);
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(auswahl().size(), 2u);
}

TEST_F(Ziehen, NurVorschauenWaehrendDesZiehensEinNeuzeichnenAmEnde)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    for (int i = 0; i < 50; ++i)
        rechteck(2 + (i % 10) * 1.5, 4 + (i / 10) * 1.5, 1, 1);
    klicken(px(5, 20));
    f->Neuzeichnen();
    const QImage vorher = f->Zeichenbereich->Puffer().copy();
    const int aufbauten = f->Zeichenbereich->Neuaufbauten();
    const QPoint start = px(5, 20);
    ziehenBis(start, start + QPoint(20, 20), Qt::LeftButton, 20);
    EXPECT_EQ(zustand(), TMauszustand::ObjekteZiehen);
    ASSERT_NE(f->Steuerung->Verschiebekopien(), nullptr);
    EXPECT_EQ(f->Steuerung->Verschiebekopien()->Kopien().size(), 1u);
    EXPECT_EQ(f->Zeichenbereich->Neuaufbauten(), aufbauten);
    EXPECT_DOUBLE_EQ(a->MitteX, 5.0); // the figure itself has not moved yet
    // The copy shows inverted only around the figure: far away nothing changed.
    const QImage jetzt = f->Zeichenbereich->Puffer();
    ASSERT_TRUE(f->Zeichenbereich->PufferBereich().contains(px(15, 22)));
    const QPoint weit = px(15, 22) - f->Zeichenbereich->PufferBereich().topLeft();
    EXPECT_EQ(jetzt.pixel(weit), vorher.pixel(weit));
    EXPECT_NE(jetzt, vorher);
    loslassen(start + QPoint(20, 20));
    EXPECT_EQ(f->Zeichenbereich->Neuaufbauten(), aufbauten + 1);
    EXPECT_NEAR(a->MitteX, 5.0 + 20.0 / zf()->SkalaX, 1e-9);
    EXPECT_NEAR(a->MitteY, 20.0 - 20.0 / zf()->SkalaY, 1e-9);
}

// A right click without a drag, then the three endings of a right-button
// drag of one figure: "Abbrechen", the menu closed without a choice,
// "Hierhin verschieben".
TEST_F(Ziehen, RechtsZiehenEndetImMenue)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    const QPoint start = px(5, 20), ziel = start + QPoint(40, 0);
    QMenu *m = f->PopupMenuVerschieben;
    const int vorher = anzahl();
    // A right click without a drag selects; moving on without a button
    // must not drag the figure.
    bewegen(start);
    druecken(start, Qt::RightButton);
    loslassen(start, Qt::RightButton);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a});
    bewegen(start + QPoint(20, 0));
    bewegen(start + QPoint(40, 0));
    EXPECT_NE(zustand(), TMauszustand::ObjekteZiehen);
    EXPECT_EQ(f->Steuerung->Verschiebekopien(), nullptr);
    f->PopupMenuObjekt->hide();

    zug(start, ziel, Qt::RightButton);
    EXPECT_EQ(zustand(), TMauszustand::ObjekteZiehen);
    ASSERT_TRUE(m->isVisible());
    EXPECT_EQ(f->Hinweistext, QStringLiteral("Probiere die Wirkung der Shift-Taste (=Hochstelltaste) "
                                             "während des Ziehens aus!"));
    menueKlicken(m, f->AAbrechen);
    for (int ende = 0; ende < 2; ++ende) {
        SCOPED_TRACE(ende == 0 ? "Abbrechen" : "ohne Wahl geschlossen");
        QTest::qWait(20);
        EXPECT_EQ(zustand(), TMauszustand::Frei);
        EXPECT_EQ(f->Steuerung->Verschiebekopien(), nullptr);
        EXPECT_DOUBLE_EQ(a->MitteX, 5.0);
        EXPECT_EQ(anzahl(), vorher);
        if (ende == 0) {
            zug(start, ziel, Qt::RightButton);
            ASSERT_TRUE(m->isVisible());
            m->hide(); // Escape or a click elsewhere
        }
    }

    // "Hierhin verschieben": one `verschieben` to the drop point, where the
    // mouse now rests on the figure.
    zug(start, ziel, Qt::RightButton);
    menueKlicken(m, f->AHierherVerschieben);
    EXPECT_NEAR(a->MitteX, 5.0 + 40.0 / zf()->SkalaX, 1e-9);
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 1);
    EXPECT_TRUE(neu[0].startsWith(a->Name + QStringLiteral(".verschieben(")));
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(zustand(), TMauszustand::UeberObjekt);
}

TEST_F(Ziehen, HierherKopierenLaesstDieKopienGewaehlt)
{
    TRechteck *a = kasten(1, 1), *b = kasten(4, 1), *c = kasten(7, 1);
    kasten(1, 10); // not selected
    waehlen({c, a, b});
    const int vorher = anzahl();

    const QPoint start = px(2, 1.5), ziel = px(2, 5.5);
    zug(start, ziel, Qt::RightButton);
    menueKlicken(f->PopupMenuVerschieben, f->AHierherKopieren);

    // The copies replace their sources in the selection, in front of all.
    ASSERT_EQ(dok()->Teile.size(), 7u);
    ASSERT_EQ(auswahl().size(), 3u);
    const double dy = zf()->YWelt(ziel.y()) - zf()->YWelt(start.y());
    EXPECT_NEAR(dy, 4.0, 0.05);
    const std::vector<TZeichenObjekt *> quellen{c, a, b};
    for (std::size_t i = 0; i < 3; ++i) {
        TZeichenObjekt *kopie = auswahl()[i], *quelle = quellen[i];
        EXPECT_NE(kopie, quelle);
        EXPECT_TRUE(nahe(kopie->Umgebungsrechteck.Links, quelle->Umgebungsrechteck.Links, 1e-6));
        EXPECT_TRUE(nahe(kopie->Umgebungsrechteck.Unten, quelle->Umgebungsrechteck.Unten + dy, 1e-6));
        EXPECT_TRUE(nahe(quelle->Umgebungsrechteck.Unten, 1.0)) << "the source stays";
    }
    // In drawing order the copies keep their sources' order (a, b, c).
    EXPECT_EQ(dokumentNamen().mid(4), (QStringList{"re4", "re5", "re6"}));
    EXPECT_EQ(namen(auswahl()), (QStringList{"re6", "re4", "re5"}));
    // Three creations and three moves.
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 6);
    EXPECT_EQ(neu.filter(QRegularExpression(QStringLiteral("^re[456]:RECHTECK$"))).size(), 3);
    EXPECT_EQ(neu.filter(QRegularExpression(QStringLiteral("^re[456]\\.verschieben\\( "))).size(), 3);
    EXPECT_TRUE(ab().Geaendert);
}

TEST_F(Ziehen, GesperrteFigurBleibtLiegen)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    a->MausGesperrt = 1;
    bewegen(px(5, 20));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Hand);
    const int vorher = anzahl();
    ziehen(px(5, 20), px(5, 20) + QPoint(30, 0));
    EXPECT_DOUBLE_EQ(a->MitteX, 5.0);
    EXPECT_EQ(anzahl(), vorher);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a}); // selecting is allowed
    QTest::keyClick(seite, Qt::Key_Right);
    QTest::keyClick(seite, Qt::Key_Delete);
    EXPECT_DOUBLE_EQ(a->MitteX, 5.0);
    EXPECT_EQ(dok()->Teile.size(), 1u);
    // In teacher mode the lock does not apply.
    ab().Lehrermodus = true;
    bewegen(px(5, 20));
    EXPECT_EQ(f->Zeiger(), TMauszeiger::Verschieben);
    ziehen(px(5, 20), px(5, 20) + QPoint(30, 0));
    EXPECT_NEAR(a->MitteX, 5.0 + 30.0 / zf()->SkalaX, 1e-9);
}

// The arrows move the selection by one screen pixel (half as far at 200 %),
// each move recorded; Delete and Backspace release it.
TEST_F(Tasten, PfeiltastenUndEntf)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    rechteck(12, 20, 4, 2);
    klicken(px(5, 20));
    const double s100 = 1.0 / zf()->SkalaX;
    int vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_Right);
    QTest::keyClick(seite, Qt::Key_Up);
    EXPECT_NEAR(a->MitteX, 5.0 + s100, 1e-12);
    EXPECT_NEAR(a->MitteY, 20.0 + s100, 1e-12);
    EXPECT_EQ(anzahl(), vorher + 2);
    EXPECT_TRUE(ab().Geaendert);

    f->Zeichenbereich->ZoomGewaehlt(4);
    ASSERT_DOUBLE_EQ(zf()->Zoom, 2.0);
    const double x0 = a->MitteX, y0 = a->MitteY;
    QTest::keyClick(seite, Qt::Key_Left);
    QTest::keyClick(seite, Qt::Key_Down);
    EXPECT_NEAR(x0 - a->MitteX, s100 / 2, 1e-12);
    EXPECT_NEAR(y0 - a->MitteY, s100 / 2, 1e-12);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a});
    EXPECT_FALSE(a->Griffe.empty());

    f->Zeichenbereich->ZoomGewaehlt(3);
    vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_Delete);
    EXPECT_EQ(dok()->Teile.size(), 1u);
    EXPECT_TRUE(auswahl().empty());
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("re0.freigeben()")});
    klicken(px(12, 20));
    QTest::keyClick(seite, Qt::Key_Backspace);
    EXPECT_TRUE(dok()->Teile.empty());
    EXPECT_EQ(zustand(), TMauszustand::Frei);
}

// The keys work on the input field's text while it has the focus: arrows,
// Delete and the clipboard keys leave the figures alone, and pasted text goes
// through the same character check as typed text.
TEST_F(Tasten, ImEingabefeldGeltenDieTastenDemText)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    ASSERT_EQ(auswahl().size(), 1u);
    const int vorher = anzahl();
    auto *feld = static_cast<TEingabeFeld *>(f->Eingabefeld);
    EXPECT_TRUE(f->PMethodenEingabe->isAncestorOf(feld));
    feld->setFocus();
    ASSERT_TRUE(feld->hasFocus());
    QTest::keyClick(feld, Qt::Key_Right);
    QTest::keyClick(feld, Qt::Key_Delete);
    EXPECT_DOUBLE_EQ(a->MitteX, 5.0);
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

    // Ctrl+V inserts at the caret; a line break (also CR LF) becomes one blank.
    QGuiApplication::clipboard()->setText(QStringLiteral("verschieben(1,\r\n2)"));
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

// Escape cancels a drag: nothing moves, nothing is recorded, the paper shows
// the drawing without inverted copies. Shift pressed during a drag keeps the
// move horizontal or vertical.
TEST_F(Tasten, EscapeBrichtDasZiehenAbShiftHaeltEsWaagerecht)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    const QPoint start = px(5, 20);
    ziehenBis(start, start + QPoint(20, 0));
    ASSERT_EQ(zustand(), TMauszustand::ObjekteZiehen);
    const int vorher = anzahl();
    QTest::keyClick(seite, Qt::Key_Escape);
    EXPECT_EQ(zustand(), TMauszustand::Frei);
    loslassen(start + QPoint(20, 0));
    EXPECT_DOUBLE_EQ(a->MitteX, 5.0);
    EXPECT_EQ(anzahl(), vorher);
    const QImage nachher = f->Zeichenbereich->Puffer().copy();
    f->Neuzeichnen();
    EXPECT_EQ(f->Zeichenbereich->Puffer(), nachher);

    bewegen(start);
    druecken(start);
    ziehenNach(start + QPoint(10, 3));
    ziehenNach(start + QPoint(30, 8), Qt::LeftButton, Qt::ShiftModifier);
    loslassen(start + QPoint(30, 8), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_NEAR(a->MitteX, 5.0 + 30.0 / zf()->SkalaX, 1e-9);
    EXPECT_NEAR(a->MitteY, 20.0, 1e-9);
    EXPECT_FALSE(f->Hinweistext.isEmpty());
}

TEST_F(Tasten, EscapeNachdemDieZeichnungGeleertWurde)
{
    TRechteck *r = rechteck(6, 20, 4, 2);
    klicken(px(6, 20));
    ASSERT_FALSE(r->Griffe.empty());
    // Resting on a handle, then the drawing is emptied behind the
    // window's back (as loading a file does).
    TGriff *ecke = r->Griffe.front().get();
    bewegen(px(ecke->PosX, ecke->PosY));
    ASSERT_EQ(zustand(), TMauszustand::UeberGriff);
    auswahl().clear();
    dok()->Leeren();
    QTest::keyClick(seite, Qt::Key_Escape);
    EXPECT_EQ(zustand(), TMauszustand::Frei);
    EXPECT_EQ(f->Steuerung->AktuellerGriff, nullptr);
    f->OberflaecheAktualisieren();
    EXPECT_EQ(f->Steuerung->KontextGriff, nullptr);
}

// Tab does nothing, neither in the input field nor on the sheet: the focus
// stays, so the arrows that follow move the caret (field) or the selection
// (sheet) as before.
TEST_F(Tasten, TabLaesstDenFokusWoErIst)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    ASSERT_EQ(auswahl().size(), 1u);
    auto *feld = static_cast<TEingabeFeld *>(f->Eingabefeld);
    QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
    ASSERT_TRUE(feld->hasFocus());
    QTest::keyClicks(feld, QStringLiteral("re0"));
    QTest::keyClick(feld, Qt::Key_Home);
    for (Qt::Key taste : {Qt::Key_Tab, Qt::Key_Backtab}) {
        QTest::keyClick(QApplication::focusWidget(), taste);
        EXPECT_EQ(QApplication::focusWidget(), feld);
    }
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(feld->Einfuegemarke(), 3);
    EXPECT_EQ(feld->Text(), QStringLiteral("re0"));
    EXPECT_DOUBLE_EQ(a->MitteX, 5.0);

    klicken(px(5, 20));
    ASSERT_EQ(QApplication::focusWidget(), seite);
    const int vorher = anzahl();
    for (Qt::Key taste : {Qt::Key_Tab, Qt::Key_Backtab}) {
        QTest::keyClick(QApplication::focusWidget(), taste);
        EXPECT_EQ(QApplication::focusWidget(), seite);
    }
    EXPECT_EQ(anzahl(), vorher);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_NEAR(a->MitteX, 5.0 + 1.0 / zf()->SkalaX, 1e-12);
}

// A zoom chosen from the list or typed with Enter gives the keys back to
// the drawing: Down then moves the selection and leaves the zoom alone.
TEST_F(Tasten, NachDemZoomGehoerenDiePfeileWiederDerZeichnung)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    QComboBox *zoom = f->CBZoom;
    ASSERT_NE(zoom->lineEdit(), nullptr);

    // Chosen from the open list with the mouse.
    QTest::mouseClick(zoom->lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(zoom->lineEdit()->hasFocus());
    zoom->showPopup();
    QAbstractItemView *liste = zoom->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(liste->window()));
    const QRect zeile = liste->visualRect(liste->model()->index(4, 0)); // "200%"
    QTest::mouseMove(liste->viewport(), zeile.center());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QApplication::processEvents();
    ASSERT_DOUBLE_EQ(zf()->Zoom, 2.0);
    EXPECT_EQ(QApplication::focusWidget(), seite);
    double y0 = a->MitteY;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_DOUBLE_EQ(zf()->Zoom, 2.0);
    EXPECT_NEAR(y0 - a->MitteY, 1.0 / zf()->SkalaY, 1e-12);

    // Typed and confirmed with Enter.
    QTest::mouseClick(zoom->lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(zoom->lineEdit()->hasFocus());
    zoom->lineEdit()->selectAll();
    QTest::keyClicks(zoom->lineEdit(), QStringLiteral("150"));
    QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
    ASSERT_DOUBLE_EQ(zf()->Zoom, 1.5);
    EXPECT_EQ(QApplication::focusWidget(), seite);
    y0 = a->MitteY;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_DOUBLE_EQ(zf()->Zoom, 1.5);
    EXPECT_NEAR(y0 - a->MitteY, 1.0 / zf()->SkalaY, 1e-12);

    // A value the box refuses keeps the focus there for a correction.
    QTest::mouseClick(zoom->lineEdit(), Qt::LeftButton);
    zoom->lineEdit()->selectAll();
    QTest::keyClicks(zoom->lineEdit(), QStringLiteral("5"));
    QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(zf()->Zoom, 1.5);
    EXPECT_TRUE(zoom->lineEdit()->hasFocus());
}

// After a typed call the commands follow at once: a typed copy enables
// "Einfügen" and Ctrl+V pastes; after Delete the attribute buttons are
// disabled; a figure swallowed by a group leaves the selection, so the
// arrows move the group (and with it the figure) once.
TEST_F(Tasten, NachGetipptemAufrufUndEntfStimmenDieFreigaben)
{
    TRechteck *re0 = kasten(2, 20, 2, 1);
    klicken(px(3, 20.5));
    ASSERT_EQ(auswahl().size(), 1u);
    auto *feld = static_cast<TEingabeFeld *>(f->Eingabefeld);
    auto tippen = [&](const QString &aufruf) {
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(feld, aufruf);
        QTest::keyClick(feld, Qt::Key_Escape); // close the completion list
        QTest::keyClick(feld, Qt::Key_Return);
    };
    ASSERT_FALSE(akt().AEinfuegen->isEnabled());
    tippen(QStringLiteral("re0.kopieren()"));
    EXPECT_EQ(ab().Zwischenablage.size(), 1u);
    EXPECT_TRUE(akt().AEinfuegen->isEnabled());
    f->FlaecheFokussieren();
    QTest::keyClick(seite, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dokumentNamen(), (QStringList{"re0", "re1"}));

    waehlen({re0});
    TAttributPanels *panels = f->Attributpanels;
    ASSERT_TRUE(panels->SBFuellfarbe->isEnabled());
    f->FlaecheFokussieren();
    QTest::keyClick(seite, Qt::Key_Delete);
    EXPECT_EQ(dokumentNamen(), QStringList{"re1"});
    EXPECT_FALSE(panels->SBFuellfarbe->isEnabled());
    EXPECT_FALSE(panels->SBLinienfarbe->isEnabled());
    EXPECT_FALSE(akt().AKopieren->isEnabled());

    // gr0 of re2 and re3; re1 is selected together with the group.
    TRechteck *re2 = kasten(8, 10), *re3 = kasten(12, 10);
    waehlen({re2, re3});
    menueKlicken(kontextmenue(9, 10.5), akt().AGruppieren);
    ASSERT_EQ(dokumentNamen(), (QStringList{"re1", "gr0"}));
    TZeichenObjekt *gr0 = auswahl().front();
    auto *re1 = static_cast<TZeichenObjekt *>(dok()->Teile.front().get());
    waehlen({gr0, re1});
    tippen(QStringLiteral("gr0.schlucken(re1)"));
    EXPECT_EQ(dokumentNamen(), QStringList{"gr0"});
    EXPECT_EQ(namen(auswahl()), QStringList{"gr0"});
    EXPECT_TRUE(re1->Griffe.empty());
    // The group's handles follow its new box (re1 lies left of the others).
    auto linkerGriff = [gr0] {
        double links = 1e9;
        for (const auto &g : gr0->Griffe)
            links = std::min(links, g->PosX);
        return links;
    };
    EXPECT_NEAR(linkerGriff(), gr0->Umgebungsrechteck.Links, 1e-9);
    const double x1 = re1->MitteX, xg = gr0->Umgebungsrechteck.Links;
    f->FlaecheFokussieren();
    QTest::keyClick(seite, Qt::Key_Right);
    EXPECT_NEAR(re1->MitteX - x1, 1.0 / zf()->SkalaX, 1e-12); // once, with the group
    EXPECT_NEAR(gr0->Umgebungsrechteck.Links - xg, 1.0 / zf()->SkalaX, 1e-12);
    EXPECT_NEAR(linkerGriff(), gr0->Umgebungsrechteck.Links, 1e-9);
}
