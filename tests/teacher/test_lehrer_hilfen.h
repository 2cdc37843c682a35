#pragma once
// A main window for the teacher-mode tests, driven by real mouse and key
// events; the teacher dialogs run without a modal loop.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "teacher/ui/BearbeitenSperren.h"
#include "teacher/ui/LehrerBedienung.h"
#include "teacher/ui/Passwortabfrage.h"
#include "teacher/ui/Passwortschutz.h"
#include "window/Zeichenflaeche.h"
#include "window/ui/FMain.h"
#include "window/ui/MyScrollBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

struct LehrerFenster : ::testing::Test {
    std::unique_ptr<TFMain> f;
    TLehrerBedienung *lehrer = nullptr;
    QWidget *seite = nullptr;
    // What the next dialog run does with the dialog (it is shown, not
    // modal); counts the runs.
    std::function<void(QDialog *)> imDialog;
    int dialogLaeufe = 0;

    void SetUp() override
    {
        f = std::make_unique<TFMain>(false);
        f->resize(900, 800);
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        seite = f->Zeichenbereich->Seite;
        QApplication::setActiveWindow(f.get());
        lehrer = f->Lehrer;
        ASSERT_NE(lehrer, nullptr);
        lehrer->DialogAusfuehren = [this](QDialog *d) {
            ++dialogLaeufe;
            d->show();
            if (imDialog)
                imDialog(d);
            d->hide();
        };
    }
    void TearDown() override
    {
        f->Arbeitsbereich->Analysator().Angehalten = true;
        f.reset();
    }

    TDokument *dok() const { return f->Dokument(); }
    TArbeitsbereich &ab() const { return *f->Arbeitsbereich; }
    TZeichenflaeche *zf() const { return f->Flaeche(); }
    QPoint px(double x, double y) const { return QPoint(zf()->XPixel(x), zf()->YPixel(y)); }

    // A rectangle (centre, extents in cm), named and in the document.
    TRechteck *rechteck(double mx, double my, double laenge = 4, double breite = 2)
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
    TGruppe *gruppe(const std::vector<TZeichenObjekt *> &mitglieder)
    {
        auto g = std::make_unique<TGruppe>(dok(), f->Analysator(), f->Klassen()->GRUPPE);
        g->NamenVergeben();
        TGruppe *roh = TGruppe::Gruppieren(std::move(g), mitglieder);
        roh->GeometrieBerechnen();
        f->Neuzeichnen();
        return roh;
    }

    // Teacher mode through the menu action, as a click on it does.
    void lehrermodusAn() { lehrer->ALehrerModusAn->trigger(); }
    void lehrermodusAus() { lehrer->ALehrerModusAus->trigger(); }

    void maus(QEvent::Type typ, QPoint pos, Qt::MouseButton taste, Qt::MouseButtons gehalten)
    {
        QMouseEvent e(typ, QPointF(pos), QPointF(seite->mapToGlobal(pos)), taste, gehalten, {});
        QApplication::sendEvent(seite, &e);
    }
    void bewegen(QPoint pos) { maus(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton); }
    void klicken(QPoint pos, Qt::KeyboardModifiers mod = {})
    {
        bewegen(pos);
        QTest::mouseClick(seite, Qt::LeftButton, mod, pos);
    }
    // A left-button drag in one-pixel steps along x.
    void ziehen(QPoint von, int dx)
    {
        bewegen(von);
        QTest::mousePress(seite, Qt::LeftButton, {}, von);
        QPoint p = von;
        for (int i = 0; i < std::abs(dx); ++i) {
            p.rx() += dx > 0 ? 1 : -1;
            maus(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        }
        QTest::mouseRelease(seite, Qt::LeftButton, {}, p);
    }
    void auswaehlen(const std::vector<TZeichenObjekt *> &figuren)
    {
        ab().Auswahl = figuren;
        f->GriffeNeuErzeugen();
        f->AttributanzeigeAktualisieren();
        f->OberflaecheAktualisieren();
    }
    TAufrufErgebnis tippen(const QString &text)
    {
        return ab().AufrufAusfuehren(text, int(text.size()), zf());
    }
};
