#pragma once
// A main window for widget tests, driven by real mouse and key events.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "window/Zeichenflaeche.h"
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
#include <memory>

// Records what the main window tells the analyser window.
struct TAnalysatorAttrappe : TAnalysatorAnschluss {
    std::vector<TObjekt *> Fokusse;
    TObjekt *Fokus = nullptr;
    TObjekt *Markiert = nullptr;
    int Aufbauten = 0, Diagramme = 0, Karten = 0;
    bool Sichtbar = false;

    void FokusSetzen(TObjekt *o) override
    {
        Fokusse.push_back(o);
        Fokus = o;
    }
    void Aktualisieren() override { ++Aufbauten; }
    void DiagrammZeichnen() override { ++Diagramme; }
    void FokusKartenZeichnen() override { ++Karten; }
    TObjekt *FokusObjekt() const override { return Fokus; }
    TObjekt *MarkiertesObjekt() const override { return Markiert; }
    void Zeigen() override { Sichtbar = true; }
    void Schliessen() override { Sichtbar = false; }
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
        // Let go of popups before the window goes.
        f->PopupMenuVerschieben->hide();
        f.reset();
    }

    TZeichenflaeche *zf() const { return f->Flaeche(); }
    TDokument *dok() const { return f->Dokument(); }
    std::vector<TZeichenObjekt *> &auswahl() const { return f->Auswahl(); }
    TMauszustand zustand() const { return f->Steuerung->Mauszustand; }

    // The sheet pixel of a world point.
    QPoint px(double x, double y) const { return QPoint(zf()->XPixel(x), zf()->YPixel(y)); }

    // A rectangle (centre, extents in cm), named and in the document, made
    // without any log entry.
    TRechteck *rechteck(double mx, double my, double laenge, double breite)
    {
        auto r = std::make_unique<TRechteck>(dok(), f->Analysator(), f->Klassen()->RECHTECK);
        r->NamenVergeben();
        r->MitteX = mx;
        r->MitteY = my;
        r->Länge = laenge;
        r->Breite = breite;
        r->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
        r->Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
        r->Linienstärke = 0.01;
        r->Linienart = 1;
        r->GeometrieBerechnen();
        auto *roh = r.get();
        dok()->TeilAnhaengen(std::move(r));
        f->Neuzeichnen();
        return roh;
    }

    // The log as texts of the top-level entries.
    QStringList protokoll() const
    {
        QStringList t;
        for (const auto &a : f->Analysator()->Protokoll())
            t << a->AnzeigeText();
        return t;
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
    void druecken(QPoint pos, Qt::MouseButton t = Qt::LeftButton, Qt::KeyboardModifiers mod = {})
    {
        QTest::mousePress(seite, t, mod, pos);
    }
    void loslassen(QPoint pos, Qt::MouseButton t = Qt::LeftButton, Qt::KeyboardModifiers mod = {})
    {
        QTest::mouseRelease(seite, t, mod, pos);
    }
    void ziehenNach(QPoint pos, Qt::MouseButtons gehalten = Qt::LeftButton,
                    Qt::KeyboardModifiers mod = {})
    {
        maus(QEvent::MouseMove, pos, Qt::NoButton, gehalten, mod);
    }
    void bewegen(QPoint pos) { maus(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton); }
    void klicken(QPoint pos, Qt::KeyboardModifiers mod = {})
    {
        bewegen(pos);
        QTest::mouseClick(seite, Qt::LeftButton, mod, pos);
    }
    void doppelklicken(QPoint pos)
    {
        maus(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
        maus(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
        maus(QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
        maus(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
    // A left-button drag in steps of one pixel along x, then along y.
    void ziehen(QPoint von, QPoint nach, Qt::KeyboardModifiers mod = {})
    {
        bewegen(von);
        druecken(von, Qt::LeftButton, mod);
        QPoint p = von;
        while (p != nach) {
            if (p.x() != nach.x())
                p.rx() += p.x() < nach.x() ? 1 : -1;
            else
                p.ry() += p.y() < nach.y() ? 1 : -1;
            ziehenNach(p, Qt::LeftButton, mod);
        }
        loslassen(nach, Qt::LeftButton, mod);
    }
    void werkzeug(QToolButton *knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }
};
