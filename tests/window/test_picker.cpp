// The picker cells, the drop-down button (real mouse events), the pictures.
#include "fenster_hilfen.h"
#include "window/Attributanzeige.h"
#include "window/ui/AuswahlButton.h"
#include "window/ui/PickerBilder.h"

constexpr std::uint32_t Rot = FarbWert(255, 0, 0), Gelb = FarbWert(255, 255, 0);

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
    EXPECT_EQ(FarbeDerZelle(41), TFarbe::Echt(FarbWert(204, 153, 255)));
    // The last cell that fits.
    for (const auto &[staerke, zelle] : {std::pair{0.05009, std::optional<int>(2)}, {0.0502, std::nullopt}})
        EXPECT_EQ(StaerkezelleFuer(staerke), zelle) << staerke;
    EXPECT_EQ(StaerkeText(0) + u'|' + StaerkeText(3) + u'|' + StaerkeText(7), QStringLiteral("0.1 mm|0.75 mm|5.0 mm"));

    // A line style's sample, cut at its end: gestrichelt is 2 drawn, 1
    // skipped; gestrichpunktelt's half-pixel pieces round halves to even.
    using Stuecke = std::vector<std::pair<int, int>>;
    const std::tuple<int, int, int, Stuecke> proben[] = {
        {1, 2, 90, {{2, 90}}},
        {2, 2, 14, {{2, 4}, {5, 7}, {8, 10}, {11, 13}}},
        {3, 2, 10, {{2, 6}, {8, 10}}},
        {5, 2, 20, {{2, 5}, {8, 10}, {13, 16}, {17, 18}, {18, 20}}},
        {2, 10, 10, {}},
    };
    for (const auto &[art, von, bis, stuecke] : proben)
        EXPECT_EQ(LinienartProbe(art, von, bis), stuecke) << art << ": " << von << ".." << bis;
    EXPECT_TRUE(PickerBilder::Bild(5).isNull()); // five button pictures only
}

// Over it, pressed, pinned down by a click and up by the next; no click when
// released away, with the right button or while disabled.
TEST(AuswahlButton, ZustaendeUndKlickMitEchtenEreignissen)
{
    QWidget fenster;
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
    const QPoint m(12, 12);
    auto klick = [&](Qt::MouseButton t = Qt::LeftButton) { QTest::mouseClick(k, t, Qt::NoModifier, m); };
    auto zustand = [k] { return std::tuple(k->Darueber, k->Gedrueckt, k->Festgedrueckt, int(k->Zustand)); };
    QEnterEvent rein{QPointF(m), QPointF(m), k->mapToGlobal(QPointF(m))};
    QApplication::sendEvent(k, &rein);
    EXPECT_EQ(zustand(), std::tuple(true, false, false, int(ZustandErhaben)));
    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, m);
    EXPECT_EQ(zustand(), std::tuple(true, true, false, int(ZustandVersenkt)));
    QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, m);
    EXPECT_EQ(klicks, 1);
    EXPECT_FALSE(untenBeimKlick); // the click event runs before the toggle
    EXPECT_EQ(zustand(), std::tuple(true, false, true, int(ZustandVersenkt)));
    klick();
    EXPECT_EQ(klicks, 2);
    EXPECT_TRUE(untenBeimKlick);
    EXPECT_EQ(zustand(), std::tuple(true, false, false, int(ZustandErhaben)));

    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, m);
    QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_FALSE(k->Festgedrueckt);
    klick(Qt::RightButton);
    EXPECT_EQ(klicks, 2);

    QEvent raus(QEvent::Leave);
    QApplication::sendEvent(k, &raus);
    EXPECT_EQ(zustand(), std::tuple(false, false, false, int(ZustandFlach)));
    EXPECT_EQ(verlassen, 1);

    k->SetEnabled(false);
    klick();
    EXPECT_EQ(klicks, 2);
    k->SetEnabled(true);
    klick();
    EXPECT_EQ(klicks, 3);
}

