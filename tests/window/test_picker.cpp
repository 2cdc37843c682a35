// The picker popups, their cells and the drop-down button, driven by real
// mouse events; the cell rules of window/Attributanzeige.
#include "fenster_hilfen.h"
#include "window/Attributanzeige.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/ColorPicker.h"
#include "window/ui/LinienArtPicker.h"
#include "window/ui/LinienStaerkePicker.h"
#include "window/ui/PickerBilder.h"

namespace {

constexpr std::uint32_t Rot = FarbWert(255, 0, 0), Blau = FarbWert(0, 0, 255), Gelb = FarbWert(255, 255, 0);

QImage bildVon(QWidget *w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
bool schwarz(const QImage &b, int x, int y) { return b.pixelColor(x, y) == QColor(Qt::black); }

} // namespace

// Which cell shows a colour, a width, how a line style's sample is cut.
TEST(PickerZellen, FarbeStaerkeUndLinienart)
{
    const std::pair<TFarbe, std::optional<int>> farben[] = {
        {TFarbe::Echt(Rot), 21}, {TFarbe::Echt(Gelb), 30}, {TFarbe::Echt(FarbWert(51, 51, 51)), 0},
        {TFarbe::Unsichtbar(), FarbzelleUnsichtbar},
        // Outside the table and mixed: no cell.
        {TFarbe::Echt(FarbWert(1, 2, 3)), std::nullopt}, {TFarbe(FarbArtNichtEinheitlich, Rot), std::nullopt}};
    for (const auto &[farbe, zelle] : farben)
        EXPECT_EQ(FarbzelleFuer(farbe), zelle) << farbe.Wert;
    EXPECT_EQ(FarbeDerZelle(21), TFarbe::Echt(Rot));
    EXPECT_EQ(FarbeDerZelle(41), TFarbe::Echt(FarbWert(204, 153, 255)));
    EXPECT_EQ(FarbeDerZelle(FarbzelleUnsichtbar).FarbArt, FarbArtUnsichtbar);

    // The last cell that fits.
    const std::pair<double, std::optional<int>> staerken[] = {{0.01, 0}, {0.05, 2}, {0.05009, 2}, {0.5, 7},
                                                              {0.0502, std::nullopt}, {-1.0, std::nullopt}};
    for (const auto &[staerke, zelle] : staerken)
        EXPECT_EQ(StaerkezelleFuer(staerke), zelle) << staerke;
    EXPECT_EQ(StaerkeText(0) + u'|' + StaerkeText(3) + u'|' + StaerkeText(7), QStringLiteral("0.1 mm|0.75 mm|5.0 mm"));

    using Stuecke = std::vector<std::pair<int, int>>;
    const struct {
        int art, von, bis;
        Stuecke stuecke;
    } proben[] = {
        {1, 2, 90, {{2, 90}}},
        // gestrichelt: 2 drawn, 1 skipped (0.2 cm and 0.1 cm times 10 pixels).
        {2, 2, 14, {{2, 4}, {5, 7}, {8, 10}, {11, 13}}},
        // The last piece is cut at the end.
        {3, 2, 12, {{2, 6}, {8, 12}}},
        {3, 2, 10, {{2, 6}, {8, 10}}},
        // gepunktelt: half-pixel pieces, rounded halves to even (2.5 -> 2,
        // 3.5 -> 4), so empty pieces drop out.
        {4, 2, 8, {{3, 4}, {5, 6}, {7, 8}}},
        // gestrichpunktelt: 3 drawn, 1 skipped, 0.5 drawn, 1 skipped: 2..5
        // drawn, 6..6.5 empty, 7.5..10.5 -> 8..10, 11.5..12 empty, 13..16,
        // 17..17.5 -> 17..18, 18.5..20 -> 18..20.
        {5, 2, 20, {{2, 5}, {8, 10}, {13, 16}, {17, 18}, {18, 20}}},
        {2, 10, 10, {}},
    };
    for (const auto &p : proben)
        EXPECT_EQ(LinienartProbe(p.art, p.von, p.bis), p.stuecke) << p.art << ": " << p.von << ".." << p.bis;
}

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
    const QPoint m(12, 12);
    auto klick = [&](Qt::MouseButton t = Qt::LeftButton) { QTest::mouseClick(k, t, Qt::NoModifier, m); };
    // Over it, pressed, pinned down, the state shown.
    auto zustand = [k] { return std::tuple(k->Darueber, k->Gedrueckt, k->Festgedrueckt, int(k->Zustand)); };
    EXPECT_EQ(zustand(), std::tuple(false, false, false, int(ZustandFlach)));

    QTest::mouseMove(k, m);
    QEnterEvent rein{QPointF(m), QPointF(m), k->mapToGlobal(QPointF(m))};
    QApplication::sendEvent(k, &rein);
    EXPECT_EQ(zustand(), std::tuple(true, false, false, int(ZustandErhaben)));
    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, m);
    EXPECT_EQ(zustand(), std::tuple(true, true, false, int(ZustandVersenkt)));
    QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, m);
    EXPECT_EQ(klicks, 1);
    EXPECT_FALSE(untenBeimKlick); // the click event runs before the toggle
    EXPECT_EQ(zustand(), std::tuple(true, false, true, int(ZustandVersenkt)));
    // A second click lets it pop up again.
    klick();
    EXPECT_EQ(klicks, 2);
    EXPECT_TRUE(untenBeimKlick);
    EXPECT_EQ(zustand(), std::tuple(true, false, false, int(ZustandErhaben)));

    // Released away from the button or the right button: no click.
    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, m);
    QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_FALSE(k->Festgedrueckt);
    klick(Qt::RightButton);
    EXPECT_EQ(klicks, 2);

    QEvent raus(QEvent::Leave);
    QApplication::sendEvent(k, &raus);
    EXPECT_EQ(zustand(), std::tuple(false, false, false, int(ZustandFlach)));
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
    // The pixels of rows 17..23 that differ from the button face.
    auto balken = [&] {
        const QImage b = bildVon(&k);
        QString t;
        for (int y = 17; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                if (b.pixelColor(x, y) != flaeche)
                    t += QStringLiteral("%1,%2:%3 ").arg(x).arg(y).arg(b.pixelColor(x, y).name());
        return t;
    };
    QString rot;
    for (int y = 17; y <= 21; ++y)
        for (int x = 3; x <= 20; ++x)
            rot += QStringLiteral("%1,%2:#ff0000 ").arg(x).arg(y);
    k.Anzeigefarbe = TFarbe::Echt(Rot);
    EXPECT_EQ(balken(), rot);

    // Disabled: grey with a button-face outline.
    k.setEnabled(false);
    QImage b = bildVon(&k);
    EXPECT_EQ(b.pixelColor(10, 19), QColor(128, 128, 128));
    EXPECT_EQ(std::tuple(b.pixelColor(3, 19), b.pixelColor(10, 17)), std::tuple(flaeche, flaeche));
    k.setEnabled(true);

    // Invisible: a dashed black frame, nothing inside.
    k.Anzeigefarbe = TFarbe::Unsichtbar();
    b = bildVon(&k);
    int schwarzeRandpunkte = 0;
    for (int x = 3; x <= 20; ++x)
        schwarzeRandpunkte += schwarz(b, x, 17);
    EXPECT_GT(schwarzeRandpunkte, 3);
    EXPECT_LT(schwarzeRandpunkte, 17); // dashed, not solid
    for (int x = 4; x <= 19; ++x)
        EXPECT_EQ(b.pixelColor(x, 19), flaeche) << x;

    // Mixed: no bar at all.
    k.Anzeigefarbe = TFarbe(FarbArtNichtEinheitlich, Rot);
    EXPECT_EQ(balken(), QString());

    // Pressed down: dithered, white and button-face pixels alternate.
    k.SetDown(true);
    b = bildVon(&k);
    const QColor a = b.pixelColor(10, 10), n = b.pixelColor(11, 10);
    EXPECT_NE(a, n);
    EXPECT_TRUE(a == QColor(Qt::white) || n == QColor(Qt::white));
    EXPECT_EQ(a, b.pixelColor(11, 11));
}

TEST(ColorPanel, ZeichnetFarbeStaerkeLinienartUndBeschriftung)
{
    TColorPanel farbe(nullptr, ZelleFarbe, Blau);
    farbe.resize(15, 15);
    QImage b = bildVon(&farbe);
    EXPECT_EQ(b.pixelColor(7, 7), QColor(0, 0, 255));
    // The outline, and outside the swatch.
    EXPECT_EQ(std::tuple(schwarz(b, 3, 7), schwarz(b, 11, 7), schwarz(b, 7, 3), schwarz(b, 7, 11), schwarz(b, 2, 7)),
              std::tuple(true, true, true, true, false));

    TColorPanel staerke(nullptr, ZelleStaerke, 0);
    staerke.resize(92, 16);
    staerke.Zellendicke = 3;
    staerke.Beschriftung = QStringLiteral("1.0 mm");
    b = bildVon(&staerke);
    const int x0 = QFontMetrics(staerke.font()).horizontalAdvance(staerke.Beschriftung) + 4;
    // Three rows from y = (16 - 3) div 2 = 6, from x0 to width - 2.
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(schwarz(b, 80, y), y >= 6 && y <= 8) << y;
    EXPECT_EQ(std::tuple(schwarz(b, x0, 7), schwarz(b, 89, 7), schwarz(b, 90, 7), schwarz(b, x0 - 1, 7)),
              std::tuple(true, true, false, false));

    TColorPanel art(nullptr, ZelleLinienart, 0);
    art.resize(94, 16);
    art.ZellenLinienart = 2;
    b = bildVon(&art);
    std::vector<bool> soll(94, false), ist(94);
    for (const auto &[von, bis] : LinienartProbe(2, 2, 92))
        std::fill(soll.begin() + von, soll.begin() + bis, true);
    for (int x = 0; x < 94; ++x)
        ist[std::size_t(x)] = schwarz(b, x, 8);
    EXPECT_EQ(ist, soll);

    // A caption replaces the swatch: no red anywhere.
    TColorPanel beschriftet(nullptr, ZelleFarbe, Rot);
    beschriftet.resize(112, 16);
    beschriftet.Beschriftung = QStringLiteral("Unsichtbar");
    b = bildVon(&beschriftet);
    for (int x = 0; x < b.width(); ++x)
        for (int y = 0; y < b.height(); ++y)
            ASSERT_NE(b.pixelColor(x, y), QColor(255, 0, 0));
}

// A clicked cell reports its tag and stays pressed (a cell does not toggle).
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
    EXPECT_EQ(std::tuple(gemeldet, untenBeimKlick, z->Festgedrueckt), std::tuple(7, false, true));
    QTest::mouseClick(z, Qt::LeftButton, Qt::NoModifier, QPoint(7, 7));
    EXPECT_EQ(std::tuple(z->Festgedrueckt, int(z->Zustand)), std::tuple(true, int(ZustandVersenkt)));
    z->SetDown(false);
    EXPECT_FALSE(z->Festgedrueckt);
}

// The colour popup: 42 named colours in rows of 7 and "Unsichtbar"; the line
// style and width popups: one cell a row, 18 pixels apart (the panel tests
// pick their values through the panels).
TEST(ColorPicker, AufbauDerDreiPopups)
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
        const TBenannteFarbe &f = BenannteFarben[std::size_t(i)];
        EXPECT_EQ(std::tuple(z->parentWidget(), z->geometry(), int(z->Zellenart), z->Zellenfarbe, z->toolTip()),
                  std::tuple(p.PFarben, QRect(16 * (i % 7) + 2, 16 * (i / 7) + 1, 15, 15), int(ZelleFarbe),
                             FarbWert(f.Rot, f.Gruen, f.Blau), QString::fromUtf16(f.Name)))
            << i;
    }
    EXPECT_EQ(p.Zelle(21)->toolTip() + u'|' + p.Zelle(6)->toolTip(), QStringLiteral("rot|weiß"));
    TColorPanel *u = p.Zelle(FarbzelleUnsichtbar);
    ASSERT_EQ(u, p.ZelleUnsichtbar);
    EXPECT_EQ(u->geometry(), QRect(4, 3, 112, 16));
    EXPECT_EQ(u->Beschriftung, QStringLiteral("Unsichtbar"));

    TFLinienArt art(&eltern);
    EXPECT_EQ(art.height(), 99);
    ASSERT_EQ(art.Zellen().size(), 5u);
    const char *namen[5] = {"durchgezogen", "gestrichelt", "breitgestrichelt", "gepunktelt", "gestrichpunktelt"};
    for (int a = 1; a <= 5; ++a) {
        TColorPanel *z = art.Zelle(a);
        ASSERT_NE(z, nullptr);
        EXPECT_EQ(std::tuple(z->geometry(), int(z->Zellenart), int(z->ZellenLinienart), z->toolTip()),
                  std::tuple(QRect(5, 18 * (a - 1) + 5, art.width() - 10, 16), int(ZelleLinienart), a,
                             QString::fromUtf8(namen[a - 1])));
    }
    TFLinienStaerkePicker st(&eltern);
    EXPECT_EQ(st.height(), 153);
    EXPECT_DOUBLE_EQ(st.Staerkewahl, 0.01);
    ASSERT_EQ(st.Zellen().size(), 8u);
    const char *texte[8] = {"0.1 mm", "0.25 mm", "0.5 mm", "0.75 mm", "1.0 mm", "2.5 mm", "3.0 mm", "5.0 mm"};
    for (int i = 0; i < 8; ++i) {
        TColorPanel *z = st.Zelle(i);
        ASSERT_NE(z, nullptr);
        EXPECT_EQ(std::tuple(z->geometry(), int(z->Zellenart), z->Beschriftung, z->toolTip()),
                  std::tuple(QRect(6, 18 * i + 5, st.width() - 12, 16), int(ZelleStaerke),
                             QString::fromLatin1(texte[i]), QString::fromLatin1(texte[i])));
    }
}

// Five button pictures, 18 pixels wide; colour buttons leave room for the
// bar below y = 17.
TEST(PickerBilder, FuenfBilderInPassenderGroesse)
{
    for (int i = 0; i < PickerBilder::Anzahl; ++i) {
        const QImage bild = PickerBilder::Bild(i).toImage();
        EXPECT_EQ(bild.size(), QSize(18, (i == 0 || i == 1 || i == 4) ? 13 : 18)) << i;
        int deckend = 0;
        for (int x = 0; x < bild.width(); ++x)
            for (int y = 0; y < bild.height(); ++y)
                deckend += qAlpha(bild.pixel(x, y)) > 128;
        EXPECT_GT(deckend, 10) << i;
    }
    EXPECT_TRUE(PickerBilder::Bild(5).isNull());
}
