#pragma once
// A shown main window with helpers to build drawings and drive the menus
// with real mouse and key events.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "language/MethodenAufruf.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "window/Zeichenflaeche.h"
#include "window/ui/Aktionen.h"
#include "window/ui/FMain.h"
#include "window/ui/MausSteuerung.h"
#include "window/ui/MyScrollBox.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <cmath>

namespace befehlhilfe {

struct Fenster {
    TFMain fenster{false};
    TArbeitsbereich &ab;
    TAktionen &akt;

    Fenster() : ab(*fenster.Arbeitsbereich), akt(*fenster.Aktionen)
    {
        fenster.move(0, 0);
        fenster.resize(900, 700);
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }
    ~Fenster()
    {
        for (QMenu *m : fenster.findChildren<QMenu *>())
            m->hide();
        ab.Analysator().Angehalten = true;
        ab.Geaendert = false;
    }

    TZeichenflaeche &zf() { return fenster.Zeichenbereich->Flaeche; }
    QWidget *seite() { return fenster.Zeichenbereich->Seite; }

    // A named rectangle (creation recorded) with its box from (links, unten)
    // of the given size, frontmost in the document.
    template <class T = TRechteck>
    T *neu(const QString &klasse, double links, double unten, double breite = 2, double hoehe = 1)
    {
        auto o = ab.Klassen().ObjektErzeugen(klasse);
        auto *f = dynamic_cast<T *>(o.get());
        EXPECT_NE(f, nullptr);
        f->MitteX = links + breite / 2;
        f->MitteY = unten + hoehe / 2;
        if constexpr (std::is_base_of_v<TRechteckArt, T>) {
            f->Länge = breite;
            f->Breite = hoehe;
        }
        o->NamenVergeben();
        o->ErzeugungProtokollieren();
        ab.Dokument().TeilAnhaengen(std::move(o));
        f->GeometrieBerechnen();
        return f;
    }
    TRechteck *rechteck(double links, double unten, double breite = 2, double hoehe = 1)
    {
        return neu<TRechteck>(QStringLiteral("RECHTECK"), links, unten, breite, hoehe);
    }
    void waehlen(std::vector<TZeichenObjekt *> figuren)
    {
        ab.Auswahl = std::move(figuren);
        fenster.GriffeNeuErzeugen();
        fenster.OberflaecheAktualisieren();
    }

    std::size_t protokollGroesse() const { return ab.Analysator().Protokoll().size(); }
    QStringList protokollAb(std::size_t von) const
    {
        QStringList t;
        const auto &p = ab.Analysator().Protokoll();
        for (std::size_t i = von; i < p.size(); ++i)
            t << p[i]->AnzeigeText();
        return t;
    }

    // Sheet pixel of a world point.
    QPoint pixel(double x, double y) { return QPoint(zf().XPixel(x), zf().YPixel(y)); }

    // Right-clicks the sheet at the world point and returns the context menu
    // that opened.
    QMenu *kontextmenue(double x, double y)
    {
        const QPoint p = pixel(x, y);
        QTest::mouseMove(seite(), p);
        QTest::mousePress(seite(), Qt::RightButton, {}, p);
        QTest::mouseRelease(seite(), Qt::RightButton, {}, p);
        QApplication::processEvents();
        return fenster.PopupMenuObjekt;
    }
    // Clicks an action's item in an open menu.
    static void klicken(QMenu *menue, QAction *a)
    {
        EXPECT_TRUE(menue->isVisible());
        EXPECT_TRUE(a->isVisible() && a->isEnabled()) << a->text().toStdString();
        const QRect r = menue->actionGeometry(a);
        EXPECT_FALSE(r.isEmpty()) << a->text().toStdString();
        QTest::mouseClick(menue, Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    // Opens a submenu of the context menu and clicks its item.
    void imUntermenueKlicken(QMenu *untermenue, QAction *a)
    {
        QMenu *p = fenster.PopupMenuObjekt;
        EXPECT_TRUE(p->isVisible());
        p->setActiveAction(untermenue->menuAction());
        untermenue->popup(p->mapToGlobal(p->actionGeometry(untermenue->menuAction()).topRight()));
        QApplication::processEvents();
        klicken(untermenue, a);
        p->hide();
    }
};

inline ::testing::AssertionResult nahe(double a, double b, double tol = 1e-9)
{
    if (std::abs(a - b) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a << " != " << b;
}

} // namespace befehlhilfe
