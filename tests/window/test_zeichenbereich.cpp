// The drawing area widget and its zoom box.
#include "window/ui/MyScrollBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <cmath>

namespace {

struct Bereich : ::testing::Test {
    QComboBox zoom;
    std::unique_ptr<TMyScrollBox> box;

    void SetUp() override
    {
        zoom.setEditable(true);
        zoom.setInsertPolicy(QComboBox::NoInsert);
        zoom.setCompleter(nullptr);
        box = std::make_unique<TMyScrollBox>(nullptr, &zoom);
        box->OnZeichnen = [](TZeichenflaeche *zf) { zf->Leinwand->fillRect(QRect(0, 0, 100000, 100000), Qt::white); };
        box->resize(600, 400);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    }
    int breite(double zoom) const { return int(std::nearbyint(20.5 * box->Flaeche.BildschirmPixelProCm * zoom)); }
};

} // namespace

// The zoom list, a chosen step, "Ganze Seite", "Seitenbreite" and a typed
// value with Enter; values outside 11 to 999 change nothing.
TEST_F(Bereich, ZoomlisteAuswahlUndGetippterZoom)
{
    QStringList texte;
    for (int i = 0; i < zoom.count(); ++i)
        texte << zoom.itemText(i);
    EXPECT_EQ(texte, QStringList({"25%", "50%", "75%", "100%", "200%", "400%", "Ganze Seite", "Seitenbreite"}));
    EXPECT_EQ(zoom.currentText(), QStringLiteral("100%"));
    EXPECT_DOUBLE_EQ(box->Flaeche.Zoom, 1.0);
    box->ZoomGewaehlt(4); // 200%
    EXPECT_DOUBLE_EQ(box->Flaeche.Zoom, 2.0);
    EXPECT_EQ(box->Seite->width(), breite(2.0));
    EXPECT_EQ(std::tuple(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value()), std::tuple(0, 0));

    const QSize c = box->viewport()->size();
    box->ZoomGewaehlt(6); // Ganze Seite: the sheet and its two 30-pixel margins fit the client height
    EXPECT_NEAR(box->Flaeche.Zoom, box->Flaeche.GanzeSeiteZoom(c.width(), c.height()), 1e-9);
    EXPECT_LE(box->Seite->height() + 60, c.height() + 1);
    EXPECT_GE(box->Seite->height() + 60, c.height() - 2);
    box->ZoomGewaehlt(7); // Seitenbreite
    EXPECT_LE(box->Seite->width() + 60, box->viewport()->width() + 20);
    EXPECT_GT(box->Flaeche.Zoom, 0.5);

    for (const char *text : {"150 %", "5", "1000", "kein Zoom"}) {
        zoom.lineEdit()->selectAll();
        QTest::keyClicks(zoom.lineEdit(), QString::fromLatin1(text));
        QTest::keyClick(zoom.lineEdit(), Qt::Key_Return);
        EXPECT_DOUBLE_EQ(box->Flaeche.Zoom, 1.5) << text;
        EXPECT_EQ(zoom.currentText(), text == std::string("150 %") ? QStringLiteral("150%") : QString::fromLatin1(text));
    }
    EXPECT_EQ(box->Seite->width(), breite(1.5));
}