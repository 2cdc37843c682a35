// The main window's mouse state machine and keys, driven by real events, and
// what a new user expects in a first lesson.
#include "fenster_hilfen.h"
#include "dialogs/Anleitung.h"
#include "dialogs/ui/FAnleitung.h"
#include "dialogs/ui/FInformation.h"
#include "dialogs/ui/TextBearbeiten.h"
#include "persistence/ui/DateiBefehle.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/AuswahlButton.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <QWheelEvent>

namespace {

struct Hauptfenster : Fenster {
    void taste(int k, Qt::KeyboardModifiers mod = {}) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), mod); }
    // Moves, in cm, of the figure since the last call.
    std::pair<double, double> weg(const TZeichenObjekt *o)
    {
        const auto w = std::pair(o->MitteX - x0, o->MitteY - y0);
        std::tie(x0, y0) = std::pair(o->MitteX, o->MitteY);
        return w;
    }
    double x0 = 0, y0 = 0;
};
using Auswahl = Hauptfenster;
using Ziehen = Hauptfenster;
using Tasten = Hauptfenster;
using ErsteStunde = Hauptfenster;

} // namespace

// A click selects and focuses; Shift toggles, Shift on the paper keeps the
// selection, a plain click there deselects. Nothing is recorded.
TEST_F(Auswahl, KlickShiftKlickUndLeeresPapier)
{
    TRechteck *a = rechteck(5, 20, 4, 2), *b = rechteck(12, 20, 4, 2);
    const int vorher = anzahl();
    klicken(px(5, 20));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a});
    ASSERT_FALSE(analysator.Fokusse.empty());
    EXPECT_EQ(analysator.Fokusse.back(), a);
    EXPECT_FALSE(a->Griffe.empty());
    EXPECT_EQ(std::tuple(zustand(), f->Zeiger()), std::tuple(TMauszustand::UeberObjekt, TMauszeiger::Verschieben));
    const auto fokusse = analysator.Fokusse.size();
    klicken(px(5, 20));
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a});
    EXPECT_EQ(analysator.Fokusse.size(), fokusse);

    const struct {
        double x, y;
        Qt::KeyboardModifiers mod;
        std::vector<TZeichenObjekt *> wahl;
    } klicks[] = {{12, 20, Qt::ShiftModifier, {a, b}}, {5, 20, Qt::ShiftModifier, {b}},
                  {15, 5, Qt::ShiftModifier, {b}},     {15, 5, {}, {}}};
    for (const auto &k : klicks) {
        klicken(px(k.x, k.y), k.mod);
        EXPECT_EQ(auswahl(), k.wahl) << k.x << "," << k.y;
        EXPECT_EQ(std::tuple(a->Griffe.empty(), b->Griffe.empty()),
                  std::tuple(!std::count(k.wahl.begin(), k.wahl.end(), a), !std::count(k.wahl.begin(), k.wahl.end(), b)));
    }
    EXPECT_EQ(analysator.Fokusse.back(), dok());
    EXPECT_EQ(std::tuple(f->Hinweistext, f->ImageGluehbirne->isVisible()), std::tuple(QString(), false));
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
    for (const auto &[von, nach] : {std::pair(ol, ur), std::pair(ur, ol)}) {
        klicken(px(15, 5)); // nothing selected
        ASSERT_TRUE(auswahl().empty());
        ziehen(von, nach);
        EXPECT_EQ(auswahl(), (std::vector<TZeichenObjekt *>{innen, randInnen}));
        EXPECT_EQ(std::tuple(zustand(), f->Steuerung->Bereichsrahmen.Sichtbar), std::tuple(TMauszustand::Frei, false));
    }
    klicken(px(15, 5));
    f->Neuzeichnen();
    const int vorAufbau = aufbauten();
    const QImage vorDruck = puffer();
    bewegen(px(3, 23));
    druecken(px(3, 23));
    const int nachDruck = aufbauten();
    EXPECT_LE(nachDruck - vorAufbau, 1); // the press repaints once at most
    const QImage sauber = puffer();
    ziehenNach(px(8, 18));
    ziehenNach(px(9, 17));
    EXPECT_EQ(aufbauten(), nachDruck); // previews only
    EXPECT_NE(puffer(), sauber);       // the band shows
    EXPECT_EQ(f->Hinweistext, QStringLiteral("Alle Objekte innerhalb des gezogenen Rahmens werden markiert."));
    QTest::keyClick(seite, Qt::Key_Escape);
    EXPECT_EQ(zustand(), TMauszustand::Frei);
    EXPECT_EQ(puffer(), vorDruck);
    loslassen(px(9, 17));
    EXPECT_TRUE(auswahl().empty());
}
// A right click selects without dragging; a right-button drag ends in a menu:
// "Abbrechen", no choice, "Hierhin verschieben" (one `verschieben`).
TEST_F(Ziehen, RechtsZiehenEndetImMenue)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    const QPoint start = px(5, 20), ziel = start + QPoint(40, 0);
    QMenu *m = f->PopupMenuVerschieben;
    const int vorher = anzahl();
    bewegen(start);
    druecken(start, Qt::RightButton);
    loslassen(start, Qt::RightButton);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a});
    bewegen(start + QPoint(20, 0));
    bewegen(start + QPoint(40, 0));
    EXPECT_NE(zustand(), TMauszustand::ObjekteZiehen);
    EXPECT_EQ(f->Steuerung->Verschiebekopien(), nullptr);
    f->PopupMenuObjekt->hide();

    for (QAction *ende : {f->AAbrechen, static_cast<QAction *>(nullptr), f->AHierherVerschieben}) {
        SCOPED_TRACE(ende ? ende->text().toStdString() : "ohne Wahl geschlossen");
        zug(start, ziel, Qt::RightButton);
        EXPECT_EQ(zustand(), TMauszustand::ObjekteZiehen);
        ASSERT_TRUE(m->isVisible());
        EXPECT_EQ(f->Hinweistext, QStringLiteral("Probiere die Wirkung der Shift-Taste (=Hochstelltaste) "
                                                 "während des Ziehens aus!"));
        if (ende)
            menueKlicken(m, ende);
        else
            m->hide(); // Escape or a click elsewhere
        QTest::qWait(20);
        if (ende == f->AHierherVerschieben)
            break;
        EXPECT_EQ(zustand(), TMauszustand::Frei);
        EXPECT_EQ(f->Steuerung->Verschiebekopien(), nullptr);
        EXPECT_DOUBLE_EQ(a->MitteX, 5.0);
        EXPECT_EQ(anzahl(), vorher);
    }
    EXPECT_TRUE(nahe(a->MitteX, 5.0 + 40.0 / zf()->SkalaX));
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 1);
    EXPECT_TRUE(neu[0].startsWith(QStringLiteral("re0.verschieben(")));
    EXPECT_TRUE(ab().Geaendert);
    EXPECT_EQ(zustand(), TMauszustand::UeberObjekt); // the mouse now rests on the figure
}

// "Hierher kopieren": the copies replace their sources in the selection, in
// front, in their drawing order; three creations and three moves recorded.
TEST_F(Ziehen, HierherKopierenLaesstDieKopienGewaehlt)
{
    TRechteck *a = kasten(1, 1), *b = kasten(4, 1), *c = kasten(7, 1);
    kasten(1, 10); // not selected
    waehlen({c, a, b});
    const int vorher = anzahl();
    const QPoint start = px(2, 1.5), ziel = px(2, 5.5);
    zug(start, ziel, Qt::RightButton);
    menueKlicken(f->PopupMenuVerschieben, f->AHierherKopieren);
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
    EXPECT_EQ(dokumentNamen().mid(4), (QStringList{"re4", "re5", "re6"}));
    EXPECT_EQ(namen(auswahl()), (QStringList{"re6", "re4", "re5"}));
    const QStringList neu = neueEintraege(vorher);
    ASSERT_EQ(neu.size(), 6);
    EXPECT_EQ(neu.filter(QRegularExpression(QStringLiteral("^re[456]:RECHTECK$"))).size(), 3);
    EXPECT_EQ(neu.filter(QRegularExpression(QStringLiteral("^re[456]\\.verschieben\\( "))).size(), 3);
    EXPECT_TRUE(ab().Geaendert);
}
// The arrows move the selection by one screen pixel, each move recorded;
// Delete and Backspace release it; Tab does nothing, anywhere.
TEST_F(Tasten, PfeiltastenEntfUndTab)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    rechteck(12, 20, 4, 2);
    klicken(px(5, 20));
    const double s100 = 1.0 / zf()->SkalaX;
    int vorher = anzahl();
    weg(a);
    for (const int t : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Up})
        taste(t);
    EXPECT_EQ(QApplication::focusWidget(), seite);
    const auto [x1, y1] = weg(a);
    EXPECT_TRUE(nahe(x1, -s100, 1e-12) && nahe(y1, s100, 1e-12));
    EXPECT_EQ(anzahl(), vorher + 2);
    EXPECT_EQ(auswahl(), std::vector<TZeichenObjekt *>{a});

    // In the field Tab keeps the focus and the arrows move the caret.
    QTest::mouseClick(feld(), Qt::LeftButton, {}, QPoint(4, feld()->height() / 2));
    ASSERT_TRUE(feld()->hasFocus());
    QTest::keyClicks(feld(), QStringLiteral("re0"));
    for (const int t : {Qt::Key_Home, Qt::Key_Tab, Qt::Key_Backtab})
        taste(t);
    EXPECT_EQ(QApplication::focusWidget(), feld());
    for (int i = 0; i < 20; ++i)
        taste(Qt::Key_Right);
    EXPECT_EQ(feld()->Einfuegemarke(), 3);
    EXPECT_EQ(feld()->Text(), QStringLiteral("re0"));
    EXPECT_EQ(weg(a), std::pair(0.0, 0.0));

    klicken(px(a->MitteX, a->MitteY));
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

// Typing on the drawing goes to the input field, where the keys (clipboard
// too, with the character check) work on the text and leave the figures alone.
TEST_F(Tasten, ImEingabefeldGeltenDieTastenDemText)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    ASSERT_EQ(auswahl().size(), 1u);
    ASSERT_TRUE(seite->hasFocus());
    const int vorher = anzahl();
    for (const QChar c : QStringLiteral("re0.zeichnen"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    ASSERT_TRUE(feld()->hasFocus());
    EXPECT_EQ(feld()->Text(), QStringLiteral("re0.zeichnen"));
    seite->setFocus();
    QTest::keyClick(seite, Qt::Key_A, Qt::ControlModifier); // "Alles auswählen"
    EXPECT_TRUE(seite->hasFocus());
    EXPECT_EQ(feld()->Text(), QStringLiteral("re0.zeichnen"));

    feld()->setFocus();
    taste(Qt::Key_Right);
    taste(Qt::Key_Delete);
    EXPECT_DOUBLE_EQ(a->MitteX, 5.0);
    // The clipboard keys work on the text: no figure is copied, cut or pasted.
    taste(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(feld()->AusgewaehlterText(), QStringLiteral("re0.zeichnen"));
    taste(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("re0.zeichnen"));
    EXPECT_TRUE(ab().Zwischenablage.empty());
    taste(Qt::Key_End);
    for (int i = 0; i < 8; ++i)
        taste(Qt::Key_Left, Qt::ShiftModifier);
    taste(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(feld()->Text(), QStringLiteral("re0."));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("zeichnen"));
    EXPECT_EQ(auswahl().size(), 1u);
    // A line break (also CR LF) becomes one blank.
    QGuiApplication::clipboard()->setText(QStringLiteral("verschieben(1,\r\n2)"));
    taste(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(feld()->Text(), QStringLiteral("re0.verschieben(1, 2)"));
    EXPECT_EQ(feld()->Einfuegemarke(), 21);
    EXPECT_EQ(f->Hinweistext, QString());
    EXPECT_EQ(anzahl(), vorher); // nothing ran, nothing was pasted on the sheet
    EXPECT_EQ(dok()->Teile.size(), 1u);
    // A character Figuro cannot store is refused as when typed.
    QGuiApplication::clipboard()->setText(QStringLiteral("\u03A9"));
    taste(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(feld()->Text(), QStringLiteral("re0.verschieben(1, 2)"));
    EXPECT_EQ(f->Hinweistext, QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."));
    taste(Qt::Key_Return);
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("re0.verschieben( 1.00 mm, 2.00 mm )")});
}

// Escape cancels a drag (nothing moves, nothing recorded, no copies shown);
// Shift keeps a drag horizontal; Escape on an emptied drawing drops the handle.
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
    const QImage nachher = puffer();
    f->Neuzeichnen();
    EXPECT_EQ(puffer(), nachher);

    bewegen(start);
    druecken(start);
    ziehenNach(start + QPoint(10, 3));
    ziehenNach(start + QPoint(30, 8), Qt::ShiftModifier);
    loslassen(start + QPoint(30, 8), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(nahe(a->MitteX, 5.0 + 30.0 / zf()->SkalaX) && nahe(a->MitteY, 20.0));
    EXPECT_FALSE(f->Hinweistext.isEmpty());

    ASSERT_FALSE(a->Griffe.empty());
    TGriff *ecke = a->Griffe.front().get();
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

// "Löschen" in both menus, "Alles auswählen" with Strg+A, Strg + wheel in
// zoom steps; a double click on a text field opens "Text bearbeiten".
TEST_F(ErsteStunde, LoeschenAllesAuswaehlenZoomradUndDoppelklickAufText)
{
    rechteck(5, 20, 4, 2);
    rechteck(12, 20, 4, 2);
    rechteck(12, 14, 4, 2);
    seite->setFocus();
    QTest::keyClick(seite, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(auswahl().size(), 3u);
    EXPECT_EQ(akt().ALoeschen->text(), QStringLiteral("&Löschen"));
    klicken(px(20, 5)); // the empty sheet: nothing selected
    klicken(px(5, 20));
    f->MenuBearbeiten->popup(f->mapToGlobal(QPoint(60, 20)));
    QApplication::processEvents();
    const int vorher = anzahl();
    menueKlicken(f->MenuBearbeiten, akt().ALoeschen);
    EXPECT_EQ(dokumentNamen(), QStringList({"re1", "re2"}));
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("re0.freigeben()")});
    menueKlicken(kontextmenue(12, 20), akt().ALoeschen);
    EXPECT_EQ(dokumentNamen(), QStringList{"re2"});

    // Strg + wheel: one notch, one step of the list; the box shows it; the
    // smallest step stays.
    const QPoint p = px(10, 15);
    for (const auto &[kerben, text, zoom] : {std::tuple(1, "200%", 2.0), {-2, "75%", 0.75}, {-5, "25%", 0.25},
                                            {3, "100%", 1.0}}) {
        for (int i = 0; i < std::abs(kerben); ++i) {
            QWheelEvent e(QPointF(p), QPointF(seite->mapToGlobal(p)), QPoint(), QPoint(0, kerben > 0 ? 120 : -120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(seite, &e);
        }
        EXPECT_EQ(f->CBZoom->currentText(), QString::fromLatin1(text));
        EXPECT_DOUBLE_EQ(zf()->Zoom, zoom);
    }

    auto *textfeld = figur<TTextFeld>(QStringLiteral("TEXTFELD"), 3, 18, 6, 3);
    textfeld->Text = QStringLiteral("Hallo");
    f->Neuzeichnen();
    klicken(px(6, 19.5));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{textfeld});
    TFTextBearbeiten *d = f->Attributpanels->FTextBearbeiten;
    const QRect feldRechteck(seite->mapToGlobal(px(3, 21)), seite->mapToGlobal(px(9, 18)));
    QRect dialogRechteck;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        if (d->isVisible() && dialogRechteck.isNull()) {
            dialogRechteck = d->frameGeometry();
            QTest::mouseClick(d->SBAbbrechen, Qt::LeftButton);
        }
    });
    wache.start(5);
    doppelklicken(px(6, 19.5));
    EXPECT_FALSE(dialogRechteck.isNull()); // it was open
    EXPECT_FALSE(dialogRechteck.intersects(feldRechteck.normalized()));
    EXPECT_EQ(textfeld->Text, QStringLiteral("Hallo"));
}

// "Beispiele öffnen ..." starts in the examples folder, the drawing scrolled
// into view, never saved there; F1 and the about box show the guide.
TEST_F(ErsteStunde, BeispieleOeffnenAnleitungUndSpeichernAusserhalb)
{
    f->resize(532, 614); // a 1024 x 768 screen
    QApplication::processEvents();
    TDateiBefehle *db = f->DateiBefehle;
    QString startOrdner;
    db->BeispielDialog = [&](const QString &ordner) {
        startOrdner = ordner;
        return QDir(ordner).filePath(QStringLiteral("haus.fgo"));
    };
    f->MenuDatei->popup(f->mapToGlobal(QPoint(10, 20)));
    QApplication::processEvents();
    menueKlicken(f->MenuDatei, db->ABeispieleOeffnen);
    const QString programm = QCoreApplication::applicationDirPath();
    EXPECT_EQ(startOrdner, BeispielOrdner(programm));
    ASSERT_FALSE(dok()->Teile.empty());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Figuro 1.4: haus.fgo"));
    // In view at the same zoom: taller than the view on a small screen, its
    // middle in the middle and all of its width.
    EXPECT_DOUBLE_EQ(zf()->Zoom, 1.0);
    const QRect sichtbar = f->Zeichenbereich->SichtbarerTeil();
    QRect r;
    for (auto &teil : dok()->Teile) {
        const TUmgebungsrechteck &u = teil->Umgebungsrechteck;
        r |= QRect(px(u.Links, u.Oben), px(u.Rechts, u.Unten)).normalized();
    }
    EXPECT_GT(r.height(), sichtbar.height());
    EXPECT_LE(std::abs(sichtbar.center().y() - r.center().y()), 2);
    EXPECT_TRUE(sichtbar.contains(QRect(r.left(), sichtbar.top(), r.width(), sichtbar.height())));
    EXPECT_GT(sichtbar.top(), 0); // scrolled
    // Saving the example asks for a name, never in the examples folder.
    int dialoge = 0;
    db->SpeichernDialog = [&] { return ++dialoge, QString(); };
    db->ASpeichern->trigger();
    EXPECT_EQ(dialoge, 1);
    EXPECT_FALSE(ImBeispielOrdner(TDateiBefehle::DialogOrdner(ab().Dateiname), programm));
    db->ANeu->trigger();
    EXPECT_FALSE(ImBeispielOrdner(TDateiBefehle::DialogOrdner(QString()), programm));

    // F1, and the about box's link: the guide in a window of Figuro's own.
    EXPECT_EQ(f->AAnleitung->text(), QStringLiteral("Anleitung"));
    EXPECT_TRUE(f->MenuInformation->actions().contains(f->AAnleitung));
    seite->setFocus();
    QTest::keyClick(seite, Qt::Key_F1);
    ASSERT_NE(f->FAnleitung, nullptr);
    EXPECT_TRUE(f->FAnleitung->isVisible());
    EXPECT_EQ(f->FAnleitung->windowTitle(), QStringLiteral("Figuro – Anleitung"));
    EXPECT_TRUE(f->FAnleitung->Browser->source().toLocalFile().endsWith(QStringLiteral("anleitung.html")));
    EXPECT_TRUE(f->FAnleitung->Browser->toPlainText().contains(QStringLiteral("Figuro – Anleitung")));
    f->FAnleitung->hide();
    f->FInformation->FensterZeigen(f.get());
    QTest::mouseClick(f->FInformation->LabelAnleitung, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(f->FAnleitung->isVisible());
    EXPECT_FALSE(f->FInformation->isVisible());
    f->FAnleitung->hide();
}

// A zoom chosen or typed with Enter gives the keys back to the drawing; a
// value the box refuses keeps the focus there.
TEST_F(Tasten, NachDemZoomGehoerenDiePfeileWiederDerZeichnung)
{
    TRechteck *a = rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    QLineEdit *zoom = f->CBZoom->lineEdit();
    ASSERT_NE(zoom, nullptr);
    for (const char *wahl : {"200%", "150", "5"}) {
        SCOPED_TRACE(wahl);
        QTest::mouseClick(zoom, Qt::LeftButton);
        ASSERT_TRUE(zoom->hasFocus());
        if (wahl == std::string("200%")) { // chosen from the open list with the mouse
            f->CBZoom->showPopup();
            QAbstractItemView *liste = f->CBZoom->view();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(liste->window()));
            const QRect zeile = liste->visualRect(liste->model()->index(4, 0));
            QTest::mouseMove(liste->viewport(), zeile.center());
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
            QApplication::processEvents();
        } else {
            zoom->selectAll();
            QTest::keyClicks(zoom, QString::fromLatin1(wahl));
            QTest::keyClick(zoom, Qt::Key_Return);
        }
        const double soll = wahl == std::string("200%") ? 2.0 : 1.5;
        ASSERT_DOUBLE_EQ(zf()->Zoom, soll);
        if (wahl == std::string("5")) {
            EXPECT_TRUE(zoom->hasFocus());
            break;
        }
        EXPECT_EQ(QApplication::focusWidget(), seite);
        weg(a);
        taste(Qt::Key_Down);
        EXPECT_DOUBLE_EQ(zf()->Zoom, soll);
        EXPECT_TRUE(nahe(weg(a).second, -1.0 / zf()->SkalaY, 1e-12));
    }
}

// After a typed call the commands follow at once: copy, Delete, a figure
// swallowed by a group leaving the selection.
TEST_F(Tasten, NachGetipptemAufrufUndEntfStimmenDieFreigaben)
{
    TRechteck *re0 = kasten(2, 20, 2, 1);
    klicken(px(3, 20.5));
    ASSERT_EQ(auswahl().size(), 1u);
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
    EXPECT_EQ(std::tuple(panels->SBFuellfarbe->isEnabled(), panels->SBLinienfarbe->isEnabled(),
                         akt().AKopieren->isEnabled()),
              std::tuple(false, false, false));

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
    EXPECT_TRUE(nahe(linkerGriff(), gr0->Umgebungsrechteck.Links));
    const double x1 = re1->MitteX, xg = gr0->Umgebungsrechteck.Links;
    f->FlaecheFokussieren();
    QTest::keyClick(seite, Qt::Key_Right);
    EXPECT_TRUE(nahe(re1->MitteX - x1, 1.0 / zf()->SkalaX, 1e-12)); // once, with the group
    EXPECT_TRUE(nahe(gr0->Umgebungsrechteck.Links - xg, 1.0 / zf()->SkalaX, 1e-12));
    EXPECT_TRUE(nahe(linkerGriff(), gr0->Umgebungsrechteck.Links));
}
