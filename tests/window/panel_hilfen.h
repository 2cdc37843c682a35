#pragma once
// A host for the attribute panels without the main window: a workspace, a
// window with the three panels and the text buttons laid out as in the main
// window, and counters for the hooks.
#include "dialogs/ui/TextBearbeiten.h"
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "language/MethodenAufruf.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/ColorPicker.h"
#include "window/ui/LinienArtPicker.h"
#include "window/ui/LinienStaerkePicker.h"

#include <QImage>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <initializer_list>

namespace paneltest {

constexpr std::uint32_t Rot = FarbWert(255, 0, 0);
constexpr std::uint32_t Blau = FarbWert(0, 0, 255);
constexpr std::uint32_t Gelb = FarbWert(255, 255, 0);
constexpr std::uint32_t Gruen = FarbWert(0, 128, 0);

// A widget's picture as it shows on screen.
inline QImage bildVon(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The log as lines, sub-calls indented by two blanks per level.
inline void zeilenSammeln(const TMethodenAufruf &a, int tiefe, QStringList &zeilen)
{
    zeilen << QString(2 * tiefe, QLatin1Char(' ')) + a.AnzeigeText();
    for (const auto &u : a.Unteraufrufe)
        zeilenSammeln(*u, tiefe + 1, zeilen);
}

// Runs `handeln` as soon as the (modal) window is shown: it is scheduled
// before the code that opens the window and waits for it.
inline void wennSichtbar(QWidget *fenster, std::function<void()> handeln, int versuche = 500)
{
    QTimer::singleShot(fenster->isVisible() ? 0 : 10, [fenster, handeln, versuche] {
        if (fenster->isVisible())
            handeln();
        else if (versuche > 0)
            wennSichtbar(fenster, handeln, versuche - 1);
        else
            ADD_FAILURE() << "window never shown";
    });
}

struct PanelUmgebung {
    TArbeitsbereich ws;
    QWidget fenster;
    QWidget *pLinien = nullptr;
    QWidget *pFuellung = nullptr;
    QWidget *pText = nullptr;
    QToolButton *sbSchriftart = nullptr;
    QToolButton *ausrichtung[4] = {};
    QToolButton *sbTextBearbeiten = nullptr;
    TAttributPanels *panels = nullptr;
    int neuzeichnen = 0;
    int fokuskarten = 0;
    int werte = 0;
    int abbrechen = 0;
    int mausNeu = 0;

    PanelUmgebung()
    {
        fenster.resize(480, 80);
        pLinien = panel(0, 0, 129, 33);
        pFuellung = panel(0, 36, 89, 33);
        pText = panel(92, 36, 329, 33);
        sbSchriftart = knopf(pText, 4, 69);
        sbSchriftart->setText(QStringLiteral("Schriftart ..."));
        for (int i = 0; i < 4; ++i) {
            ausrichtung[i] = knopf(pText, 84 + 26 * i, 24);
            ausrichtung[i]->setCheckable(true);
            ausrichtung[i]->setAutoExclusive(true);
        }
        ausrichtung[0]->setChecked(true);
        sbTextBearbeiten = knopf(pText, 220, 101);
        sbTextBearbeiten->setText(QStringLiteral("Text bearbeiten ..."));
        TTextKnoepfe t;
        t.SBSchriftart = sbSchriftart;
        t.SBLinksbuendig = ausrichtung[0];
        t.SBRechtsbuendig = ausrichtung[1];
        t.SBZentriert = ausrichtung[2];
        t.SBBlocksatz = ausrichtung[3];
        t.SBTextBearbeiten = sbTextBearbeiten;
        panels = new TAttributPanels(ws, &fenster, pLinien, pFuellung, pText, t);
        panels->Neuzeichnen = [this] { ++neuzeichnen; };
        panels->FokuskartenNeuZeichnen = [this] { ++fokuskarten; };
        panels->WerteGeaendert = [this] { ++werte; };
        panels->AllesAbbrechen = [this] { ++abbrechen; };
        panels->MausNeuBewerten = [this] { ++mausNeu; };
        QObject::connect(sbTextBearbeiten, &QToolButton::clicked, panels,
                         &TAttributPanels::SBTextBearbeitenClick);
        fenster.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }

    ~PanelUmgebung() { panels->PickerSchliessen(); }

    QWidget *panel(int x, int y, int b, int h)
    {
        auto *p = new QWidget(&fenster);
        p->setGeometry(x, y, b, h);
        return p;
    }
    QToolButton *knopf(QWidget *p, int x, int b)
    {
        auto *k = new QToolButton(p);
        k->setGeometry(x, 4, b, 24);
        return k;
    }

    template <typename T> T *figur(const char *klasse)
    {
        std::unique_ptr<TObjekt> o = ws.Klassen().ObjektErzeugen(QString::fromUtf8(klasse));
        o->NamenVergeben();
        return static_cast<T *>(ws.Dokument().TeilAnhaengen(std::move(o)));
    }

    template <typename T> T *kasten(const char *klasse, std::uint32_t fuellung)
    {
        T *r = figur<T>(klasse);
        r->MitteX = 5;
        r->MitteY = 5;
        r->Länge = 4;
        r->Breite = 2;
        r->Füllfarbe = TFarbe::Echt(fuellung);
        r->Linienfarbe = TFarbe::Echt(0);
        r->Linienstärke = 0.01;
        r->Linienart = 1;
        r->GeometrieBerechnen();
        return r;
    }
    TRechteck *rechteck(std::uint32_t fuellung = Gelb) { return kasten<TRechteck>("RECHTECK", fuellung); }
    TEllipse *ellipse(std::uint32_t fuellung = Gelb) { return kasten<TEllipse>("ELLIPSE", fuellung); }
    TTextFeld *textfeld(const QString &text)
    {
        TTextFeld *t = kasten<TTextFeld>("TEXTFELD", Gelb);
        t->Text = text;
        return t;
    }
    TLinie *linie()
    {
        TLinie *l = figur<TLinie>("LINIE");
        l->Punkt1X = 1;
        l->Punkt1Y = 1;
        l->Punkt2X = 4;
        l->Punkt2Y = 3;
        l->Linienfarbe = TFarbe::Echt(0);
        l->Linienstärke = 0.01;
        l->Linienart = 1;
        l->GeometrieBerechnen();
        return l;
    }
    TGruppe *gruppe(const std::vector<TZeichenObjekt *> &mitglieder)
    {
        std::unique_ptr<TObjekt> o = ws.Klassen().ObjektErzeugen(QStringLiteral("GRUPPE"));
        o->NamenVergeben();
        std::unique_ptr<TGruppe> g(static_cast<TGruppe *>(o.release()));
        return TGruppe::Gruppieren(std::move(g), mitglieder);
    }

    // Selects the figures as a click or the rubber band does, and lets the
    // panels follow as the main window does after a selection change.
    void waehlen(std::initializer_list<TZeichenObjekt *> figuren)
    {
        ws.Auswahl.assign(figuren.begin(), figuren.end());
        panels->AttributanzeigeAktualisieren();
        panels->FreigabenAktualisieren();
    }

    int logAnfang() const { return int(ws.Analysator().Protokoll().size()); }
    QStringList log(int ab = 0) const
    {
        QStringList zeilen;
        const auto &p = ws.Analysator().Protokoll();
        for (std::size_t i = std::size_t(ab); i < p.size(); ++i)
            zeilenSammeln(*p[i], 0, zeilen);
        return zeilen;
    }

    // A real click (press, release) in the middle of a widget.
    static void klick(QWidget *w)
    {
        QTest::mouseMove(w);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    // Opens a picker with its button and clicks the cell with the tag.
    void waehleIn(TAuswahlButton *knopf, int tag)
    {
        klick(knopf);
        TPickerFenster *popup = panels->PopupVon(knopf);
        ASSERT_TRUE(popup->isVisible());
        TColorPanel *zelle = popup->Zelle(tag);
        ASSERT_NE(zelle, nullptr);
        klick(zelle);
    }
};

} // namespace paneltest
