#pragma once
// A main window for widget tests, driven by real mouse and key events.
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "language/ui/EingabeFeld.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "surface/Zeichenflaeche.h"
#include "window/ui/Aktionen.h"
#include "window/ui/AnalysatorAnschluss.h"
#include "window/ui/FMain.h"
#include "window/ui/MyScrollBox.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>
#include <tuple>

inline ::testing::AssertionResult nahe(double a, double b, double tol = 1e-9)
{
    return std::abs(a - b) <= tol ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << a << " != " << b;
}

// A mouse gesture on a widget: rest at `von`, press, move to `nach` in
// `schritte` steps with the button held; the release is left to the caller.
inline void mausZiehenBis(QWidget *w, QPoint von, QPoint nach, Qt::MouseButton taste = Qt::LeftButton,
                          int schritte = 10, Qt::KeyboardModifiers mod = {})
{
    auto bewegung = [w, mod](QPoint p, Qt::MouseButtons gehalten) {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, gehalten, mod);
        QApplication::sendEvent(w, &e);
    };
    bewegung(von, Qt::NoButton);
    QTest::mousePress(w, taste, mod, von);
    for (int i = 1; i <= schritte; ++i)
        bewegung(von + (nach - von) * i / schritte, taste);
}
// The same gesture with its release at `nach`.
inline void mausZug(QWidget *w, QPoint von, QPoint nach, Qt::MouseButton taste = Qt::LeftButton,
                    int schritte = 10, Qt::KeyboardModifiers mod = {})
{
    mausZiehenBis(w, von, nach, taste, schritte, mod);
    QTest::mouseRelease(w, taste, mod, nach);
}

// Records what the main window tells the analyser window.
struct TAnalysatorAttrappe : TAnalysatorAnschluss {
    std::vector<TObjekt *> Fokusse;
    TObjekt *Fokus = nullptr;
    TObjekt *Markiert = nullptr;

    void FokusSetzen(TObjekt *o) override { Fokusse.push_back(Fokus = o); }
    void Aktualisieren() override {}
    void DiagrammZeichnen() override {}
    void FokusKartenZeichnen() override {}
    TObjekt *FokusObjekt() const override { return Fokus; }
    TObjekt *MarkiertesObjekt() const override { return Markiert; }
    void Zeigen() override {}
    void Schliessen() override {}
};

struct Fenster : ::testing::Test {
    std::unique_ptr<TFMain> f;
    TAnalysatorAttrappe analysator;
    QWidget *seite = nullptr;

    void SetUp() override
    {
        f = std::make_unique<TFMain>(false);
        f->AnalysatorAnschliessen(&analysator);
        f->resize(900, 800);
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        seite = f->Zeichenbereich->Seite;
        QApplication::setActiveWindow(f.get());
    }
    void TearDown() override
    {
        // Let go of popups before the window goes (a test may have closed it).
        if (f)
            for (QMenu *m : f->findChildren<QMenu *>())
                m->hide();
        f.reset();
    }

    TZeichenflaeche *zf() const { return f->Flaeche(); }
    TDokument *dok() const { return f->Dokument(); }
    std::vector<TZeichenObjekt *> &auswahl() const { return f->Auswahl(); }
    TMauszustand zustand() const { return f->Steuerung->Mauszustand; }
    TArbeitsbereich &ab() const { return *f->Arbeitsbereich; }
    TAktionen &akt() const { return *f->Aktionen; }
    TEingabeFeld *feld() const { return static_cast<TEingabeFeld *>(f->Eingabefeld); }
    // Types a call into the input field and runs it with Enter.
    void tippen(const QString &aufruf)
    {
        QTest::mouseClick(feld(), Qt::LeftButton, {}, QPoint(4, feld()->height() / 2));
        QTest::keyClick(feld(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(feld(), aufruf);
        QTest::keyClick(feld(), Qt::Key_Escape); // close the completion list
        QTest::keyClick(feld(), Qt::Key_Return);
    }
    // The sheet pixel of a world point.
    QPoint px(double x, double y) const { return QPoint(zf()->XPixel(x), zf()->YPixel(y)); }
    // The drawing area's cached image of the visible part.
    QImage puffer() const { return f->Zeichenbereich->Puffer().copy(); }
    int aufbauten() const { return f->Zeichenbereich->Neuaufbauten(); }

    // A rectangle (centre, extents in cm), named and in the document, made
    // without any log entry: red, black 0.1 mm solid outline.
    TRechteck *rechteck(double mx, double my, double laenge, double breite)
    {
        auto r = std::make_unique<TRechteck>(dok(), f->Analysator(), f->Klassen()->RECHTECK);
        r->NamenVergeben();
        std::tie(r->MitteX, r->MitteY, r->Länge, r->Breite) = std::tuple(mx, my, laenge, breite);
        std::tie(r->Füllfarbe, r->Linienfarbe, r->Linienstärke, r->Linienart) =
            std::tuple(TFarbe::Echt(FarbWert(255, 0, 0)), TFarbe::Echt(FarbWert(0, 0, 0)), 0.01, 1);
        r->GeometrieBerechnen();
        auto *roh = r.get();
        dok()->TeilAnhaengen(std::move(r));
        f->Neuzeichnen();
        return roh;
    }
    // A figure of the class, named, its creation recorded, its box from (links,
    // unten) of the given size, frontmost; the history starts after it.
    template <class T = TRechteck>
    T *figur(const QString &klasse, double links, double unten, double breite = 2, double hoehe = 1)
    {
        auto o = ab().Klassen().ObjektErzeugen(klasse);
        auto *fig = dynamic_cast<T *>(o.get());
        EXPECT_NE(fig, nullptr);
        std::tie(fig->MitteX, fig->MitteY) = std::tuple(links + breite / 2, unten + hoehe / 2);
        if constexpr (std::is_base_of_v<TRechteckArt, T>)
            std::tie(fig->Länge, fig->Breite) = std::tuple(breite, hoehe);
        o->NamenVergeben();
        o->ErzeugungProtokollieren();
        dok()->TeilAnhaengen(std::move(o));
        fig->GeometrieBerechnen();
        ab().VerlaufLeeren(); // the figure is where the history starts
        return fig;
    }
    TRechteck *kasten(double links, double unten, double breite = 2, double hoehe = 1)
    {
        return figur<TRechteck>(QStringLiteral("RECHTECK"), links, unten, breite, hoehe);
    }
    // Selects the figures as the analyser or a command does; the panels follow.
    void waehlen(std::vector<TZeichenObjekt *> figuren)
    {
        ab().Auswahl = std::move(figuren);
        f->GriffeNeuErzeugen();
        f->AttributanzeigeAktualisieren();
        f->OberflaecheAktualisieren();
    }
    // The first handle of the figure of the given kind.
    static TGriff *griff(TZeichenObjekt *fig, int art)
    {
        for (auto &g : fig->Griffe)
            if (g->GriffArt == art)
                return g.get();
        ADD_FAILURE() << "no handle of kind " << art;
        return nullptr;
    }

    // Right-clicks the sheet at the world point; returns the context menu.
    QMenu *kontextmenue(double x, double y)
    {
        const QPoint p = px(x, y);
        QTest::mouseMove(seite, p);
        QTest::mouseClick(seite, Qt::RightButton, {}, p);
        QApplication::processEvents();
        return f->PopupMenuObjekt;
    }
    // Clicks an action's item in an open menu.
    static void menueKlicken(QMenu *menue, QAction *a)
    {
        EXPECT_TRUE(menue->isVisible());
        EXPECT_TRUE(a->isVisible() && a->isEnabled()) << a->text().toStdString();
        const QRect r = menue->actionGeometry(a);
        EXPECT_FALSE(r.isEmpty()) << a->text().toStdString();
        QTest::mouseClick(menue, Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    // Opens a submenu of the open context menu and clicks its item.
    void imUntermenueKlicken(QMenu *untermenue, QAction *a)
    {
        QMenu *p = f->PopupMenuObjekt;
        EXPECT_TRUE(p->isVisible());
        p->setActiveAction(untermenue->menuAction());
        untermenue->popup(p->mapToGlobal(p->actionGeometry(untermenue->menuAction()).topRight()));
        QApplication::processEvents();
        menueKlicken(untermenue, a);
        p->hide();
    }

    // The bounding box as "links unten rechts oben" in cm, to 1/1000 cm.
    static QString box(const TZeichenObjekt *o)
    {
        const TUmgebungsrechteck &u = o->Umgebungsrechteck;
        QStringList t;
        for (double w : {u.Links, u.Unten, u.Rechts, u.Oben})
            t << QString::number(std::round(w * 1000) / 1000 + 0.0);
        return t.join(u' ');
    }
    // Names of figures, of the document's parts; the log's top-level entries.
    template <class Liste, class Text> static QStringList texte(const Liste &liste, Text text)
    {
        QStringList t;
        for (const auto &e : liste)
            t << text(*e);
        return t;
    }
    static QStringList namen(const std::vector<TZeichenObjekt *> &l) { return texte(l, [](auto &o) { return o.Name; }); }
    QStringList dokumentNamen() const { return texte(dok()->Teile, [](auto &o) { return o.Name; }); }
    QStringList protokoll() const
    {
        return texte(f->Analysator()->Protokoll(), [](auto &a) { return a.AnzeigeText(); });
    }
    QStringList neueEintraege(int vorher) const { return protokoll().mid(vorher); }
    int anzahl() const { return int(f->Analysator()->Protokoll().size()); }

    // Mouse events with full control over buttons and modifiers.
    void maus(QEvent::Type typ, QPoint pos, Qt::MouseButton taste, Qt::MouseButtons gehalten,
              Qt::KeyboardModifiers mod = {})
    {
        QMouseEvent e(typ, QPointF(pos), QPointF(seite->mapToGlobal(pos)), taste, gehalten, mod);
        QApplication::sendEvent(seite, &e);
    }
    void druecken(QPoint pos, Qt::MouseButton t = Qt::LeftButton) { QTest::mousePress(seite, t, {}, pos); }
    void loslassen(QPoint pos, Qt::MouseButton t = Qt::LeftButton, Qt::KeyboardModifiers mod = {})
    {
        QTest::mouseRelease(seite, t, mod, pos);
    }
    void ziehenNach(QPoint pos, Qt::KeyboardModifiers mod = {}) { maus(QEvent::MouseMove, pos, {}, Qt::LeftButton, mod); }
    void bewegen(QPoint pos) { maus(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton); }
    void klicken(QPoint pos, Qt::KeyboardModifiers mod = {})
    {
        bewegen(pos);
        QTest::mouseClick(seite, Qt::LeftButton, mod, pos);
    }
    void doppelklicken(QPoint pos)
    {
        for (auto typ : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                         QEvent::MouseButtonRelease})
            maus(typ, pos, Qt::LeftButton, typ == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton);
    }
    // A left-button drag in steps of about one pixel.
    void ziehen(QPoint von, QPoint nach, Qt::KeyboardModifiers mod = {})
    {
        mausZug(seite, von, nach, Qt::LeftButton, std::max(1, (nach - von).manhattanLength()), mod);
    }
    // Press, move in steps with the button held, release later (or not).
    void ziehenBis(QPoint von, QPoint nach, Qt::MouseButton t = Qt::LeftButton, int schritte = 10)
    {
        mausZiehenBis(seite, von, nach, t, schritte);
    }
    void zug(QPoint von, QPoint nach, Qt::MouseButton t = Qt::LeftButton, int schritte = 10)
    {
        mausZug(seite, von, nach, t, schritte);
        QApplication::processEvents(); // a menu may have opened
    }
    void werkzeug(QToolButton *knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }
    // A real click in the middle of a widget (a panel button, a picker cell).
    static void klick(QWidget *w)
    {
        QTest::mouseMove(w);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
};
