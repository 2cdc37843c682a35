// The picker popups, their cells and the drop-down button, driven by real
// mouse events; the cell rules of window/Attributanzeige.
#include "FensterTest.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/ColorPicker.h"
#include "window/ui/LinienArtPicker.h"
#include "window/ui/LinienStaerkePicker.h"
#include "window/Attributanzeige.h"
#include "window/ui/PickerBilder.h"

#include <QImage>
#include <QPalette>

namespace {

constexpr std::uint32_t Rot = FarbWert(255, 0, 0), Blau = FarbWert(0, 0, 255), Gelb = FarbWert(255, 255, 0);

QImage bildVon(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool schwarz(const QImage &b, int x, int y)
{
    return b.pixelColor(x, y) == QColor(Qt::black);
}

} // namespace

// --- cell rules ------------------------------------------------------------------

TEST(PickerZellen, FarbzelleFuerWerte)
{
    EXPECT_EQ(FarbzelleFuer(TFarbe::Echt(Rot)), std::optional<int>(21));
    EXPECT_EQ(FarbzelleFuer(TFarbe::Echt(Gelb)), std::optional<int>(30));
    EXPECT_EQ(FarbzelleFuer(TFarbe::Echt(FarbWert(51, 51, 51))), std::optional<int>(0));
    EXPECT_EQ(FarbzelleFuer(TFarbe::Unsichtbar()), std::optional<int>(FarbzelleUnsichtbar));
    // Outside the table and mixed: no cell.
    EXPECT_EQ(FarbzelleFuer(TFarbe::Echt(FarbWert(1, 2, 3))), std::nullopt);
    EXPECT_EQ(FarbzelleFuer(TFarbe(FarbArtNichtEinheitlich, Rot)), std::nullopt);

    EXPECT_EQ(FarbeDerZelle(21), TFarbe::Echt(Rot));
    EXPECT_EQ(FarbeDerZelle(41), TFarbe::Echt(FarbWert(204, 153, 255)));
    EXPECT_EQ(FarbeDerZelle(FarbzelleUnsichtbar).FarbArt, FarbArtUnsichtbar);
}

TEST(PickerZellen, StaerkezelleSuchtDieLetztePassende)
{
    EXPECT_EQ(StaerkezelleFuer(0.01), std::optional<int>(0));
    EXPECT_EQ(StaerkezelleFuer(0.05), std::optional<int>(2));
    EXPECT_EQ(StaerkezelleFuer(0.05009), std::optional<int>(2));
    EXPECT_EQ(StaerkezelleFuer(0.5), std::optional<int>(7));
    EXPECT_EQ(StaerkezelleFuer(0.0502), std::nullopt);
    EXPECT_EQ(StaerkezelleFuer(-1.0), std::nullopt);
    EXPECT_EQ(StaerkeText(0), QStringLiteral("0.1 mm"));
    EXPECT_EQ(StaerkeText(3), QStringLiteral("0.75 mm"));
    EXPECT_EQ(StaerkeText(7), QStringLiteral("5.0 mm"));
}

TEST(PickerZellen, LinienartProbenNachMuster)
{
    using Stuecke = std::vector<std::pair<int, int>>;
    EXPECT_EQ(LinienartProbe(1, 2, 90), (Stuecke{{2, 90}}));
    // gestrichelt: 2 drawn, 1 skipped (0.2 cm and 0.1 cm times 10 pixels).
    EXPECT_EQ(LinienartProbe(2, 2, 14), (Stuecke{{2, 4}, {5, 7}, {8, 10}, {11, 13}}));
    // The last piece is cut at the end.
    EXPECT_EQ(LinienartProbe(3, 2, 12), (Stuecke{{2, 6}, {8, 12}}));
    EXPECT_EQ(LinienartProbe(3, 2, 10), (Stuecke{{2, 6}, {8, 10}}));
    // gepunktelt: half-pixel pieces, rounded halves to even (2.5 -> 2,
    // 3.5 -> 4), so empty pieces drop out.
    EXPECT_EQ(LinienartProbe(4, 2, 8), (Stuecke{{3, 4}, {5, 6}, {7, 8}}));
    // gestrichpunktelt: 3 drawn, 1 skipped, 0.5 drawn, 1 skipped.
    const Stuecke sp = LinienartProbe(5, 2, 20);
    // 2..5 drawn, 5..6 skipped, 6..6.5 (-> 6..6, empty), 6.5..7.5 skipped,
    // 7.5..10.5 (-> 8..10) drawn, 10.5..11.5 skipped, 11.5..12 (-> 12..12),
    // 12..13 skipped, 13..16 drawn, 16..17 skipped, 17..17.5 (-> 17..18),
    // 17.5..18.5 skipped, 18.5..20 (-> 18..20).
    EXPECT_EQ(sp, (Stuecke{{2, 5}, {8, 10}, {13, 16}, {17, 18}, {18, 20}}));
    EXPECT_TRUE(LinienartProbe(2, 10, 10).empty());
}

// --- TAuswahlButton ---------------------------------------------------------------

TEST(AuswahlButton, ZustaendeUndKlickMitEchtenEreignissen)
{
    QWidget fenster;
    fenster.resize(100, 60);
    auto *k = new TAuswahlButton(&fenster, QColor(212, 208, 200));
    k->move(10, 10);
    int klicks = 0, verlassen = 0;
    bool untenBeimKlick = true;
    k->Geklickt = [&] {
        ++klicks;
        untenBeimKlick = k->Festgedrueckt;
    };
    k->Verlassen = [&] { ++verlassen; };
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    EXPECT_EQ(k->size(), QSize(24, 24));
    EXPECT_EQ(k->Zustand, ZustandFlach);
    const QPoint m(12, 12);
    auto klick = [&](Qt::MouseButton t = Qt::LeftButton) { QTest::mouseClick(k, t, Qt::NoModifier, m); };

    QTest::mouseMove(k, m);
    QEnterEvent rein{QPointF(m), QPointF(m), k->mapToGlobal(QPointF(m))};
    QApplication::sendEvent(k, &rein);
    EXPECT_TRUE(k->Darueber);
    EXPECT_EQ(k->Zustand, ZustandErhaben);

    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, m);
    EXPECT_TRUE(k->Gedrueckt);
    EXPECT_EQ(k->Zustand, ZustandVersenkt);
    QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, m);
    EXPECT_EQ(klicks, 1);
    EXPECT_FALSE(untenBeimKlick); // the click event runs before the toggle
    EXPECT_TRUE(k->Festgedrueckt);
    EXPECT_FALSE(k->Gedrueckt);
    EXPECT_EQ(k->Zustand, ZustandVersenkt);

    // A second click lets it pop up again.
    klick();
    EXPECT_EQ(klicks, 2);
    EXPECT_TRUE(untenBeimKlick);
    EXPECT_FALSE(k->Festgedrueckt);
    EXPECT_EQ(k->Zustand, ZustandErhaben);

    // Released away from the button or the right button: no click.
    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, m);
    QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_FALSE(k->Festgedrueckt);
    klick(Qt::RightButton);
    EXPECT_EQ(klicks, 2);

    QEvent raus(QEvent::Leave);
    QApplication::sendEvent(k, &raus);
    EXPECT_FALSE(k->Darueber);
    EXPECT_EQ(k->Zustand, ZustandFlach);
    EXPECT_EQ(verlassen, 1);

    // Disabled: clicks do not arrive.
    k->SetEnabled(false);
    klick();
    EXPECT_EQ(klicks, 2);
    k->SetEnabled(true);
    klick();
    EXPECT_EQ(klicks, 3);

    // SetDown(false) also clears a pending press.
    k->Gedrueckt = true;
    k->SetDown(false);
    EXPECT_FALSE(k->Gedrueckt);
}

TEST(AuswahlButton, FarbbalkenJeNachFarbartUndGerastertWennFestgedrueckt)
{
    const QColor flaeche(212, 208, 200);
    TAuswahlButton k(nullptr, flaeche);
    k.MitFarbbalken = true;
    EXPECT_EQ(k.Farbbalken(), QRect(QPoint(3, 17), QPoint(20, 21)));

    k.Anzeigefarbe = TFarbe::Echt(Rot);
    QImage b = bildVon(&k);
    for (int x = 3; x <= 20; ++x)
        for (int y = 17; y <= 21; ++y)
            EXPECT_EQ(b.pixelColor(x, y), QColor(255, 0, 0)) << x << "," << y;
    EXPECT_EQ(b.pixelColor(2, 19), flaeche);
    EXPECT_EQ(b.pixelColor(21, 19), flaeche);
    EXPECT_EQ(b.pixelColor(10, 22), flaeche);

    // Disabled: grey with a button-face outline.
    k.setEnabled(false);
    b = bildVon(&k);
    EXPECT_EQ(b.pixelColor(10, 19), QColor(128, 128, 128));
    EXPECT_EQ(b.pixelColor(3, 19), flaeche);
    EXPECT_EQ(b.pixelColor(10, 17), flaeche);
    k.setEnabled(true);

    // Invisible: a dashed black frame, nothing inside.
    k.Anzeigefarbe = TFarbe::Unsichtbar();
    b = bildVon(&k);
    int schwarzeRandpunkte = 0, helleRandpunkte = 0;
    for (int x = 3; x <= 20; ++x)
        (schwarz(b, x, 17) ? schwarzeRandpunkte : helleRandpunkte)++;
    EXPECT_GT(schwarzeRandpunkte, 3);
    EXPECT_GT(helleRandpunkte, 1); // dashed, not solid
    for (int x = 4; x <= 19; ++x)
        EXPECT_EQ(b.pixelColor(x, 19), flaeche) << x;

    // Mixed: no bar at all.
    k.Anzeigefarbe = TFarbe(FarbArtNichtEinheitlich, Rot);
    b = bildVon(&k);
    for (int x = 0; x < 24; ++x)
        for (int y = 17; y < 24; ++y)
            EXPECT_EQ(b.pixelColor(x, y), flaeche) << x << "," << y;

    // Pressed down: dithered, white and button-face pixels alternate.
    k.SetDown(true);
    b = bildVon(&k);
    const QColor a = b.pixelColor(10, 10), n = b.pixelColor(11, 10);
    EXPECT_NE(a, n);
    EXPECT_TRUE(a == QColor(Qt::white) || n == QColor(Qt::white));
    EXPECT_EQ(a, b.pixelColor(11, 11));
}

// --- TColorPanel ------------------------------------------------------------------

TEST(ColorPanel, ZeichnetFarbeStaerkeLinienartUndBeschriftung)
{
    TColorPanel farbe(nullptr, ZelleFarbe, Blau);
    farbe.resize(15, 15);
    QImage b = bildVon(&farbe);
    EXPECT_EQ(b.pixelColor(7, 7), QColor(0, 0, 255));
    EXPECT_TRUE(schwarz(b, 3, 7));  // outline
    EXPECT_TRUE(schwarz(b, 11, 7));
    EXPECT_TRUE(schwarz(b, 7, 3));
    EXPECT_TRUE(schwarz(b, 7, 11));
    EXPECT_FALSE(schwarz(b, 2, 7)); // outside the swatch

    TColorPanel staerke(nullptr, ZelleStaerke, 0);
    staerke.resize(92, 16);
    staerke.Zellendicke = 3;
    staerke.Beschriftung = QStringLiteral("1.0 mm");
    b = bildVon(&staerke);
    const int x0 = QFontMetrics(staerke.font()).horizontalAdvance(staerke.Beschriftung) + 4;
    // Three rows from y = (16 - 3) div 2 = 6, from x0 to width - 2.
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(schwarz(b, 80, y), y >= 6 && y <= 8) << y;
    EXPECT_TRUE(schwarz(b, x0, 7));
    EXPECT_TRUE(schwarz(b, 89, 7));
    EXPECT_FALSE(schwarz(b, 90, 7));
    EXPECT_FALSE(schwarz(b, x0 - 1, 7));

    TColorPanel art(nullptr, ZelleLinienart, 0);
    art.resize(94, 16);
    art.ZellenLinienart = 2;
    b = bildVon(&art);
    std::vector<bool> soll(94, false);
    for (const auto &[von, bis] : LinienartProbe(2, 2, 92))
        for (int x = von; x < bis; ++x)
            soll[std::size_t(x)] = true;
    for (int x = 0; x < 94; ++x)
        EXPECT_EQ(schwarz(b, x, 8), soll[std::size_t(x)]) << x;

    // A caption replaces the swatch: no red anywhere.
    TColorPanel beschriftet(nullptr, ZelleFarbe, Rot);
    beschriftet.resize(112, 16);
    beschriftet.Beschriftung = QStringLiteral("Unsichtbar");
    b = bildVon(&beschriftet);
    for (int x = 0; x < b.width(); ++x)
        for (int y = 0; y < b.height(); ++y)
            ASSERT_NE(b.pixelColor(x, y), QColor(255, 0, 0));
}

TEST(ColorPanel, KlickBleibtGedrueckt)
{
    QWidget fenster;
    auto *z = new TColorPanel(&fenster, ZelleFarbe, Rot);
    z->setGeometry(5, 5, 15, 15);
    z->Tag = 7;
    int gemeldet = -1;
    bool untenBeimKlick = true;
    z->Geklickt = [&](TColorPanel *zelle) {
        gemeldet = zelle->Tag;
        untenBeimKlick = zelle->Festgedrueckt;
    };
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QTest::mouseClick(z, Qt::LeftButton, Qt::NoModifier, QPoint(7, 7));
    EXPECT_EQ(gemeldet, 7);
    EXPECT_FALSE(untenBeimKlick);
    EXPECT_TRUE(z->Festgedrueckt);
    // Another click keeps it pressed (a cell does not toggle).
    QTest::mouseClick(z, Qt::LeftButton, Qt::NoModifier, QPoint(7, 7));
    EXPECT_TRUE(z->Festgedrueckt);
    EXPECT_EQ(z->Zustand, ZustandVersenkt);
    z->SetDown(false);
    EXPECT_FALSE(z->Festgedrueckt);
}

// --- the three popups -------------------------------------------------------------

TEST(ColorPicker, AufbauMit42FarbenUndUnsichtbar)
{
    QWidget eltern;
    TFColorPicker p(&eltern);
    EXPECT_EQ(p.size(), QSize(120, 122));
    EXPECT_EQ(p.PFarben->geometry(), QRect(3, 20, 114, 98));
    EXPECT_TRUE(p.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(p.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(p.testAttribute(Qt::WA_ShowWithoutActivating));
    ASSERT_EQ(p.Zellen().size(), 43u);
    for (int i = 0; i < 42; ++i) {
        TColorPanel *z = p.Zelle(i);
        ASSERT_NE(z, nullptr);
        EXPECT_EQ(z->parentWidget(), p.PFarben);
        EXPECT_EQ(z->geometry(), QRect(16 * (i % 7) + 2, 16 * (i / 7) + 1, 15, 15)) << i;
        EXPECT_EQ(z->Zellenart, ZelleFarbe);
        const TBenannteFarbe &f = BenannteFarben[std::size_t(i)];
        EXPECT_EQ(z->Zellenfarbe, FarbWert(f.Rot, f.Gruen, f.Blau));
        EXPECT_EQ(z->toolTip(), QString::fromUtf16(f.Name));
    }
    EXPECT_EQ(p.Zelle(21)->toolTip(), QStringLiteral("rot"));
    EXPECT_EQ(p.Zelle(6)->toolTip(), QStringLiteral("weiß"));
    TColorPanel *u = p.Zelle(FarbzelleUnsichtbar);
    ASSERT_EQ(u, p.ZelleUnsichtbar);
    EXPECT_EQ(u->geometry(), QRect(4, 3, 112, 16));
    EXPECT_EQ(u->Beschriftung, QStringLiteral("Unsichtbar"));
}

// The line style and width popups: one cell a row, 18 pixels apart (the
// panel tests pick their values through the panels).
TEST(LinienPicker, ZellenInZeilen)
{
    QWidget eltern;
    TFLinienArt art(&eltern);
    EXPECT_EQ(art.height(), 99);
    ASSERT_EQ(art.Zellen().size(), 5u);
    const char *namen[5] = {"durchgezogen", "gestrichelt", "breitgestrichelt", "gepunktelt",
                            "gestrichpunktelt"};
    for (int a = 1; a <= 5; ++a) {
        TColorPanel *z = art.Zelle(a);
        ASSERT_NE(z, nullptr);
        EXPECT_EQ(z->geometry(), QRect(5, 18 * (a - 1) + 5, art.width() - 10, 16));
        EXPECT_EQ(z->Zellenart, ZelleLinienart);
        EXPECT_EQ(z->ZellenLinienart, a);
        EXPECT_EQ(z->toolTip(), QString::fromUtf8(namen[a - 1]));
    }

    TFLinienStaerkePicker p(&eltern);
    EXPECT_EQ(p.height(), 153);
    EXPECT_DOUBLE_EQ(p.Staerkewahl, 0.01);
    ASSERT_EQ(p.Zellen().size(), 8u);
    const char *texte[8] = {"0.1 mm", "0.25 mm", "0.5 mm", "0.75 mm",
                            "1.0 mm", "2.5 mm",  "3.0 mm", "5.0 mm"};
    for (int i = 0; i < 8; ++i) {
        TColorPanel *z = p.Zelle(i);
        ASSERT_NE(z, nullptr);
        EXPECT_EQ(z->geometry(), QRect(6, 18 * i + 5, p.width() - 12, 16));
        EXPECT_EQ(z->Zellenart, ZelleStaerke);
        EXPECT_EQ(z->Beschriftung, QString::fromLatin1(texte[i]));
        EXPECT_EQ(z->toolTip(), QString::fromLatin1(texte[i]));
    }
}

TEST(PickerBilder, FuenfBilderInPassenderGroesse)
{
    for (int i = 0; i < PickerBilder::Anzahl; ++i) {
        const QPixmap b = PickerBilder::Bild(i);
        ASSERT_FALSE(b.isNull()) << i;
        EXPECT_EQ(b.width(), 18);
        // Colour buttons leave room for the bar below y = 17.
        EXPECT_EQ(b.height(), (i == 0 || i == 1 || i == 4) ? 13 : 18) << i;
        const QImage bild = b.toImage();
        int deckend = 0;
        for (int x = 0; x < bild.width(); ++x)
            for (int y = 0; y < bild.height(); ++y)
                deckend += qAlpha(bild.pixel(x, y)) > 128;
        EXPECT_GT(deckend, 10) << i;
    }
    EXPECT_TRUE(PickerBilder::Bild(5).isNull());
}
