// The attribute panels inside the main window: placement, values for the
// next figure, closing on the sheet, enabling after drawing, the text dialog
// from "Text bearbeiten ..." - all with real mouse and key events.
#include "FensterTest.h"
#include "dialogs/ui/TextBearbeiten.h"
#include "window/ui/AttributPanels.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/ColorPicker.h"
#include "window/ui/LinienArtPicker.h"

#include <QDir>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using PanelsImFenster = Fenster;

namespace {

void klick(QWidget *w)
{
    QTest::mouseMove(w);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

} // namespace

TEST_F(PanelsImFenster, KnoepfeInDenPanelsDesFensters)
{
    TAttributPanels *p = f->Attributpanels;
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->SBFuellfarbe->parentWidget(), f->PFuellungsAttribute);
    EXPECT_EQ(p->SBLinienfarbe->parentWidget(), f->PLinienAttribute);
    EXPECT_EQ(p->SBLinienart->geometry(), QRect(28, 4, 24, 24));
    EXPECT_EQ(p->SBSchriftfarbe->parentWidget(), f->PTextFeldAttribute);
    EXPECT_EQ(p->Text.SBTextBearbeiten, f->SBTextBearbeiten);
    // Nothing selected at start: the attribute buttons are grey.
    EXPECT_FALSE(p->SBFuellfarbe->isEnabled());
    EXPECT_FALSE(p->SBLinienart->isEnabled());
    EXPECT_FALSE(f->SBTextBearbeiten->isEnabled());
}

TEST_F(PanelsImFenster, GewaehlteWerteGeltenFuerDieNaechsteFigur)
{
    TRechteck *r = rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});
    TAttributPanels *p = f->Attributpanels;
    EXPECT_TRUE(p->SBFuellfarbe->isEnabled());
    EXPECT_EQ(p->SBFuellfarbe->Anzeigefarbe, r->Füllfarbe); // red

    int vorher = anzahl();
    klick(p->SBFuellfarbe);
    ASSERT_TRUE(p->FuellfarbPicker->isVisible());
    klick(p->FuellfarbPicker->Zelle(19)); // blau
    klick(p->SBLinienart);
    ASSERT_TRUE(p->LinienArtPicker->isVisible());
    klick(p->LinienArtPicker->Zelle(3)); // breitgestrichelt
    EXPECT_EQ(neueEintraege(vorher),
              QStringList({QStringLiteral("re0.FüllfarbeSetzen( blau )"),
                           QStringLiteral("re0.LinienartSetzen( breitgestrichelt )")}));
    EXPECT_TRUE(f->Arbeitsbereich->Geaendert);

    // Deselect, draw a new rectangle: it takes the pickers' values.
    klicken(px(15, 5));
    EXPECT_TRUE(auswahl().empty());
    werkzeug(f->SBRechteck);
    vorher = anzahl();
    ziehen(px(4, 12), px(9, 9));
    ASSERT_EQ(dok()->Teile.size(), 2u);
    const QStringList neu = neueEintraege(vorher);
    EXPECT_TRUE(neu.contains(QStringLiteral("re1.FüllfarbeSetzen( blau )")));
    EXPECT_TRUE(neu.contains(QStringLiteral("re1.LinienartSetzen( breitgestrichelt )")));
    EXPECT_EQ(f->Picker.Fuellfarbe, TFarbe::Echt(FarbWert(0, 0, 255)));
}

TEST_F(PanelsImFenster, MausAufDemBlattSchliesstDenPicker)
{
    rechteck(5, 20, 4, 2);
    klicken(px(5, 20));
    TAttributPanels *p = f->Attributpanels;
    klick(p->SBLinienfarbe);
    ASSERT_TRUE(p->LinienfarbPicker->isVisible());
    EXPECT_TRUE(p->SBLinienfarbe->Festgedrueckt);
    const int vorher = anzahl();
    klicken(px(5, 20));
    EXPECT_FALSE(p->LinienfarbPicker->isVisible());
    EXPECT_FALSE(p->SBLinienfarbe->Festgedrueckt);
    EXPECT_EQ(anzahl(), vorher);
}

TEST_F(PanelsImFenster, GezeichneteLinieSperrtDieFuellfarbe)
{
    werkzeug(f->SBLinie);
    ziehen(px(4, 22), px(10, 18));
    ASSERT_EQ(dok()->Teile.size(), 1u);
    TAttributPanels *p = f->Attributpanels;
    EXPECT_FALSE(p->SBFuellfarbe->isEnabled());
    EXPECT_TRUE(p->SBLinienfarbe->isEnabled());
    EXPECT_TRUE(p->SBLinienstaerke->isEnabled());
}

TEST_F(PanelsImFenster, TextBearbeitenUeberDenKnopf)
{
    auto t = std::make_unique<TTextFeld>(dok(), f->Analysator(), f->Klassen()->TEXTFELD);
    t->NamenVergeben();
    t->MitteX = 6;
    t->MitteY = 20;
    t->Länge = 6;
    t->Breite = 3;
    t->Text = QStringLiteral("Hallo");
    t->Füllfarbe = TFarbe::Unsichtbar();
    t->Linienfarbe = TFarbe::Echt(0);
    t->Linienstärke = 0.01;
    t->Linienart = 1;
    t->GeometrieBerechnen();
    TTextFeld *feld = t.get();
    dok()->TeilAnhaengen(std::move(t));
    f->Neuzeichnen();

    klicken(px(6, 20));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{feld});
    ASSERT_TRUE(f->SBTextBearbeiten->isEnabled());
    EXPECT_TRUE(f->Attributpanels->SBSchriftfarbe->isEnabled());

    TFTextBearbeiten *d = f->Attributpanels->FTextBearbeiten;
    bool erledigt = false;
    QString live;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        if (!d->isVisible() || erledigt)
            return;
        erledigt = true;
        QTest::keyClicks(d->MText, QStringLiteral(" Welt"));
        live = feld->Text;
        QTest::mouseClick(d->SBUebernehmen, Qt::LeftButton);
    });
    wache.start(5);
    const int vorher = anzahl();
    f->Arbeitsbereich->Geaendert = false;
    klick(f->SBTextBearbeiten);
    EXPECT_TRUE(erledigt);
    EXPECT_EQ(live, QStringLiteral("Hallo Welt"));
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("tf0.textSetzen( \"Hallo Welt\" )")});
    EXPECT_TRUE(f->Arbeitsbereich->Geaendert);
    EXPECT_GT(analysator.Karten, 0);
}

// Builds docs/screenshots/picker.png when FIGURO_SCREENSHOTS names a folder;
// always checks that the composed picture shows the open fill picker with
// the selected rectangle's colour marked.
TEST_F(PanelsImFenster, BildschirmfotoMitOffenemPicker)
{
    f->resize(760, 560);
    QApplication::processEvents();
    TRechteck *r = rechteck(5, 24, 6, 3);
    r->Füllfarbe = TFarbe::Echt(FarbWert(51, 102, 255)); // hellblau
    auto e = std::make_unique<TEllipse>(dok(), f->Analysator(), f->Klassen()->ELLIPSE);
    e->NamenVergeben();
    e->MitteX = 11;
    e->MitteY = 23;
    e->Länge = 5;
    e->Breite = 3.5;
    e->Füllfarbe = TFarbe::Echt(FarbWert(255, 204, 0)); // gold
    e->Linienfarbe = TFarbe::Echt(0);
    e->Linienstärke = 0.05;
    e->Linienart = 2;
    e->GeometrieBerechnen();
    dok()->TeilAnhaengen(std::move(e));
    f->Neuzeichnen();
    klicken(px(5, 24));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{r});

    TAttributPanels *p = f->Attributpanels;
    klick(p->SBFuellfarbe);
    TFColorPicker *popup = p->FuellfarbPicker;
    ASSERT_TRUE(popup->isVisible());
    ASSERT_EQ(popup->GedrueckteZelle(), popup->Zelle(26)); // hellblau
    QTest::mouseMove(popup->Zelle(19));
    QApplication::processEvents();

    QImage bild = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint versatz = popup->mapToGlobal(QPoint(0, 0)) - f->mapToGlobal(QPoint(0, 0));
    {
        QPainter maler(&bild);
        maler.drawImage(versatz, popup->grab().toImage());
    }
    // The popup hangs below the fill button: its "rot" swatch is in the picture.
    TColorPanel *rot = popup->Zelle(21);
    const QPoint mitteRot = versatz + rot->mapTo(popup, rot->rect().center());
    EXPECT_EQ(bild.pixelColor(mitteRot), QColor(255, 0, 0));
    const QPoint knopf = p->SBFuellfarbe->mapTo(f.get(), QPoint(0, 0));
    EXPECT_EQ(versatz, knopf + QPoint(2, 22));

    const QByteArray ordner = qgetenv("FIGURO_SCREENSHOTS");
    if (!ordner.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(ordner));
        const QString pfad = QDir(QString::fromLocal8Bit(ordner)).filePath(QStringLiteral("picker.png"));
        EXPECT_TRUE(bild.save(pfad));
    }
}
