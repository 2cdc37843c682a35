// The attribute panels inside the main window: values for the next figure,
// closing on the sheet, enabling after drawing, the text dialog from
// "Text bearbeiten ..." - all with real mouse and key events.
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
    EXPECT_TRUE(ab().Geaendert);

    // A press on the sheet closes an open picker without recording anything.
    klick(p->SBLinienfarbe);
    ASSERT_TRUE(p->LinienfarbPicker->isVisible());
    EXPECT_TRUE(p->SBLinienfarbe->Festgedrueckt);
    vorher = anzahl();
    klicken(px(5, 20));
    EXPECT_FALSE(p->LinienfarbPicker->isVisible());
    EXPECT_FALSE(p->SBLinienfarbe->Festgedrueckt);
    EXPECT_EQ(anzahl(), vorher);

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

    // A line drawn: the fill button goes grey, the line buttons stay.
    werkzeug(f->SBLinie);
    ziehen(px(4, 22), px(10, 18));
    ASSERT_EQ(dok()->Teile.size(), 3u);
    EXPECT_FALSE(p->SBFuellfarbe->isEnabled());
    EXPECT_TRUE(p->SBLinienfarbe->isEnabled());
    EXPECT_TRUE(p->SBLinienstaerke->isEnabled());
}

// "Text bearbeiten ...": cancelling restores the old text and records
// nothing; "Übernehmen" records one textSetzen. Both show the text live.
TEST_F(PanelsImFenster, TextBearbeitenUeberDenKnopf)
{
    auto *feld = figur<TTextFeld>(QStringLiteral("TEXTFELD"), 3, 18.5, 6, 3);
    feld->Text = QStringLiteral("Hallo");
    feld->Füllfarbe = TFarbe::Unsichtbar();
    f->Neuzeichnen();
    klicken(px(6, 20));
    ASSERT_EQ(auswahl(), std::vector<TZeichenObjekt *>{feld});
    ASSERT_TRUE(f->SBTextBearbeiten->isEnabled());
    EXPECT_TRUE(f->Attributpanels->SBSchriftfarbe->isEnabled());

    TFTextBearbeiten *d = f->Attributpanels->FTextBearbeiten;
    const int vorher = anzahl();
    ab().Geaendert = false;
    for (QPushButton *knopf : {d->SBAbbrechen, d->SBUebernehmen}) {
        SCOPED_TRACE(knopf->text().toStdString());
        bool erledigt = false;
        QString live;
        QTimer wache;
        QObject::connect(&wache, &QTimer::timeout, [&] {
            if (!d->isVisible() || erledigt)
                return;
            erledigt = true;
            QTest::keyClicks(d->MText, QStringLiteral(" Welt"));
            live = feld->Text;
            QTest::mouseClick(knopf, Qt::LeftButton);
        });
        wache.start(5);
        klick(f->SBTextBearbeiten);
        EXPECT_TRUE(erledigt);
        EXPECT_EQ(live, QStringLiteral("Hallo Welt"));
        if (knopf == d->SBAbbrechen) {
            EXPECT_EQ(feld->Text, QStringLiteral("Hallo"));
            EXPECT_EQ(anzahl(), vorher);
            EXPECT_FALSE(ab().Geaendert);
        }
    }
    EXPECT_EQ(neueEintraege(vorher), QStringList{QStringLiteral("tf0.textSetzen( \"Hallo Welt\" )")});
    EXPECT_TRUE(ab().Geaendert);
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
    auto *e = figur<TEllipse>(QStringLiteral("ELLIPSE"), 8.5, 21.25, 5, 3.5);
    e->Füllfarbe = TFarbe::Echt(FarbWert(255, 204, 0)); // gold
    e->Linienfarbe = TFarbe::Echt(0);
    e->Linienstärke = 0.05;
    e->Linienart = 2;
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
    QPainter(&bild).drawImage(versatz, popup->grab().toImage());
    // The popup hangs below the fill button: its "rot" swatch is in the picture.
    TColorPanel *rot = popup->Zelle(21);
    EXPECT_EQ(bild.pixelColor(versatz + rot->mapTo(popup, rot->rect().center())), QColor(255, 0, 0));
    EXPECT_EQ(versatz, p->SBFuellfarbe->mapTo(f.get(), QPoint(0, 0)) + QPoint(2, 22));

    const QString ordner = QString::fromLocal8Bit(qgetenv("FIGURO_SCREENSHOTS"));
    if (!ordner.isEmpty()) {
        QDir().mkpath(ordner);
        EXPECT_TRUE(bild.save(QDir(ordner).filePath(QStringLiteral("picker.png"))));
    }
}
