// Writes a picture of the main window with a few figures drawn through real
// mouse events, when the environment names a file:
// FIGURO_SCREENSHOT_HAUPTFENSTER=docs/screenshots/hauptfenster.png
#include "FensterTest.h"

#include <QPixmap>

using Bildschirmfoto = Fenster;

TEST_F(Bildschirmfoto, HauptfensterMitFiguren)
{
    const QByteArray ziel = qgetenv("FIGURO_SCREENSHOT_HAUPTFENSTER");
    if (ziel.isEmpty())
        GTEST_SKIP() << "FIGURO_SCREENSHOT_HAUPTFENSTER not set";
    f->resize(820, 700);
    QTest::qWait(20);

    f->Picker.Fuellfarbe = TFarbe::Echt(FarbWert(255, 255, 0));
    werkzeug(f->SBRechteck);
    ziehen(px(1.2, 28.4), px(6.2, 25));

    f->Picker.Fuellfarbe = TFarbe::Echt(FarbWert(0, 160, 255));
    f->Picker.Linienstaerke = 0.05;
    werkzeug(f->SBEllipse);
    ziehen(px(7.8, 28.4), px(13, 25));

    f->Picker.Fuellfarbe = TFarbe::Echt(FarbWert(255, 80, 80));
    f->Picker.Linienart = 2;
    werkzeug(f->SBVieleck);
    ziehen(px(14.3, 28.6), px(18.7, 24.4), Qt::ShiftModifier);

    f->Picker.Linienfarbe = TFarbe::Echt(FarbWert(0, 128, 0));
    f->Picker.Linienart = 1;
    f->Picker.Linienstaerke = 0.1;
    werkzeug(f->SBLinie);
    ziehen(px(1.5, 17.5), px(6.5, 22.5));

    f->Picker.Fuellfarbe = TFarbe::Echt(FarbWert(200, 255, 200));
    f->Picker.Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
    f->Picker.Linienstaerke = 0.025;
    werkzeug(f->SBKurvenZug);
    for (const QPoint &p : {px(9, 22.5), px(13, 23), px(16.5, 20.5), px(13.5, 17.5), px(10, 18.5)}) {
        bewegen(p);
        klicken(p);
    }
    bewegen(px(9, 22.5));
    klicken(px(9, 22.5)); // closes the curve
    ASSERT_EQ(dok()->Teile.size(), 5u);

    // The ellipse selected, the mouse resting on it.
    klicken(px(10.4, 26.7));
    bewegen(px(10.9, 27.0));
    QTest::qWait(50);
    const QPixmap bild = f->grab();
    ASSERT_TRUE(bild.save(QString::fromLocal8Bit(ziel)));
}
