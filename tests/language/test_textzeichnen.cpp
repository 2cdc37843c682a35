// Drawing call texts: colours by class, the light-red error range, the
// selection, scrolling by the first character, clipping, and the analyser's
// drawing of a logged record.
#include "model/MethodenAufruf.h"
#include "language/Scanner.h"
#include "model/Katalog.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QRgb Weiss = qRgb(255, 255, 255);
const QRgb Hellrot = qRgb(255, 160, 160);
const QRgb Blau = qRgb(0, 0, 255);
const QRgb Gruen = qRgb(0, 128, 0);
const QRgb Dunkelblau = qRgb(0, 51, 170);
const QRgb Schwarz = qRgb(0, 0, 0);
const QRgb Grau = qRgb(128, 128, 128);

class TextZeichnenTest : public ::testing::Test
{
protected:
    TextZeichnenTest() : bild(600, 40, QImage::Format_RGB32)
    {
        bild.fill(Grau);
        schrift = QFont(QStringLiteral("DejaVu Sans Mono"));
        schrift.setPixelSize(16);
        // Plain pixels: every text pixel has exactly the pen colour.
        schrift.setStyleStrategy(QFont::NoAntialias);
    }

    int zeichnen(const QString &text, int erstes, int breite, int fa, int fe, int aa, int ae)
    {
        QPainter maler(&bild);
        QFont fett = schrift;
        fett.setBold(true); // must be ignored: the style is always normal
        fett.setItalic(true);
        maler.setFont(fett);
        return TScanner::TextZeichnen(text, &maler, erstes, 0, 0, breite, fa, fe, aa, ae);
    }

    // The colours found in the cell of the character at 1-based position q
    // (drawn from position `erstes`).
    QSet<QRgb> zelle(const QString &text, int q, int erstes = 1) const
    {
        const QFontMetrics m(schrift);
        int x = 0;
        for (int p = erstes; p < q; ++p)
            x += m.horizontalAdvance(text[p - 1]);
        const int w = m.horizontalAdvance(text[q - 1]);
        QSet<QRgb> farben;
        for (int yy = 0; yy < m.height(); ++yy)
            for (int xx = x; xx < x + w; ++xx)
                farben.insert(bild.pixel(xx, yy) | 0xff000000u);
        return farben;
    }

    QImage bild;
    QFont schrift;
};

TEST_F(TextZeichnenTest, ColoursFollowTheClasses)
{
    const QString text = QStringLiteral("re0.LinienfarbeSetzen(rot, -2)");
    zeichnen(text, 1, 600, -1, -1, -1, -1);
    EXPECT_EQ(zelle(text, 1), (QSet<QRgb>{Weiss, Schwarz}));        // r of re0
    EXPECT_EQ(zelle(text, 5), (QSet<QRgb>{Weiss, Dunkelblau}));     // L of the method
    EXPECT_EQ(zelle(text, 23), (QSet<QRgb>{Weiss, Gruen}));         // r of rot
    EXPECT_EQ(zelle(text, 28), (QSet<QRgb>{Weiss, Blau}));          // the sign
    EXPECT_EQ(zelle(text, 29), (QSet<QRgb>{Weiss, Blau}));          // 2
    EXPECT_EQ(zelle(text, 27), (QSet<QRgb>{Weiss}));                // blank
}

TEST_F(TextZeichnenTest, ErrorRangeIsLightRedAndAnErrorAfterTheEndShowsOneBlank)
{
    const QString text = QStringLiteral("re0.verschieben(2 zoll, 1)");
    zeichnen(text, 1, 600, 17, 23, -1, -1);
    EXPECT_TRUE(zelle(text, 16).contains(Weiss));
    EXPECT_FALSE(zelle(text, 16).contains(Hellrot));
    for (int q = 17; q <= 23; ++q)
        EXPECT_TRUE(zelle(text, q).contains(Hellrot)) << q;
    EXPECT_EQ(zelle(text, 18), (QSet<QRgb>{Hellrot})); // the blank
    EXPECT_FALSE(zelle(text, 24).contains(Hellrot));

    bild.fill(Grau);
    const QString punkt = QStringLiteral("re0.");
    const int ende = zeichnen(punkt, 1, 600, 5, 5, -1, -1);
    const QFontMetrics m(schrift);
    int textBreite = 0; // advanced character by character
    for (QChar c : punkt)
        textBreite += m.horizontalAdvance(c);
    EXPECT_EQ(ende, textBreite + m.horizontalAdvance(QLatin1Char(' ')));
    EXPECT_EQ(bild.pixel(textBreite + 1, 2) | 0xff000000u, Hellrot);
    EXPECT_EQ(bild.pixel(ende + 1, 2) | 0xff000000u, Grau);
}

TEST_F(TextZeichnenTest, SelectionIsWhiteOnBlue)
{
    const QString text = QStringLiteral("abcdef");
    // Caret positions 4 and 1 select the characters 2, 3 and 4.
    zeichnen(text, 1, 600, -1, -1, 4, 1);
    EXPECT_EQ(zelle(text, 1), (QSet<QRgb>{Weiss, Schwarz}));
    EXPECT_EQ(zelle(text, 2), (QSet<QRgb>{Blau, Weiss}));
    EXPECT_EQ(zelle(text, 4), (QSet<QRgb>{Blau, Weiss}));
    EXPECT_EQ(zelle(text, 5), (QSet<QRgb>{Weiss, Schwarz}));
}

TEST_F(TextZeichnenTest, StartsAtTheFirstCharacterAndStopsAtTheWidth)
{
    const QString text = QStringLiteral("re0.verschieben(1,1)");
    const QFontMetrics m(schrift);
    const int w = m.horizontalAdvance(QLatin1Char('v'));
    // From position 5 the first cell holds the dark-blue v.
    const int ende = zeichnen(text, 5, 3 * w, -1, -1, -1, -1);
    EXPECT_EQ(zelle(text, 5, 5), (QSet<QRgb>{Weiss, Dunkelblau}));
    EXPECT_EQ(ende, 3 * w);
    EXPECT_EQ(bild.pixel(3 * w + 1, 2) | 0xff000000u, Grau);
}

TEST_F(TextZeichnenTest, LoggedRecordIsDrawnClippedToItsRectangle)
{
    TMethodenAufruf aufruf(MVerschieben, QStringLiteral("re0"));
    aufruf.LaengeHinzufuegen(2.0).LaengeHinzufuegen(0.5);
    const QString text = aufruf.AnzeigeText();
    ASSERT_EQ(text, QStringLiteral("re0.verschieben( 2.00 cm, 5.00 mm )"));
    {
        QPainter maler(&bild);
        maler.setFont(schrift);
        aufruf.Zeichnen(QRect(0, 0, 100, 40), 0, &maler, 0);
    }
    EXPECT_EQ(zelle(text, 5), (QSet<QRgb>{Weiss, Dunkelblau}));
    // Column 99 still belongs to the text, column 100 is untouched.
    const QFontMetrics m(schrift);
    QSet<QRgb> innen, aussen;
    for (int y = 0; y < m.height(); ++y) {
        innen.insert(bild.pixel(99, y) | 0xff000000u);
        aussen.insert(bild.pixel(100, y) | 0xff000000u);
    }
    EXPECT_TRUE(innen.contains(Weiss));
    EXPECT_EQ(aussen, QSet<QRgb>{Grau});
}

} // namespace
