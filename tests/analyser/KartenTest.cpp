#include "AnalyserHilfen.h"
#include "analyser/DiagrammFlaeche.h"
#include "analyser/Karten.h"
#include "model/MethodenAufruf.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr double Genau = 1e-9;

// Draws a card the way the areas do: the first call may only resize the
// area, the second draws into an image of the area's size.
template <typename F>
QImage karteMalen(TDiagrammFlaeche &f, F zeichnen)
{
    zeichnen(); // no painter: adjusts the size
    QImage bild(f.BreitePixel(), f.HoehePixel(), QImage::Format_RGB32);
    bild.fill(Qt::gray);
    QPainter p(&bild);
    f.LeinwandSetzen(&p);
    EXPECT_TRUE(zeichnen());
    f.LeinwandSetzen(nullptr);
    return bild;
}

// Black pixels in a pixel row between two columns.
int schwarzInZeile(const QImage &bild, int y, int x1, int x2)
{
    return farbPixel(bild, QRect(QPoint(x1, y), QPoint(x2, y)), qRgb(0, 0, 0));
}

} // namespace

// A class card is a line for the name, each attribute and each method, with
// a separator under the name and under the last attribute (also without
// methods or attributes) and nowhere else, framed on white in an area with a
// black edge.
TEST(Karten, KlassenkarteMitTrennernUnterNameUndAttributen)
{
    const std::vector<TAttribut> attribute{{AFuellfarbe}, {AWinkel}};
    const std::vector<std::unique_ptr<TMethode>> keine;
    const QStringList probe = KlassenKartenZeilen(QStringLiteral("PROBE"), attribute, keine);
    EXPECT_EQ(probe, (QStringList{"PROBE", "Füllfarbe", "Winkel"}));
    const std::pair<QStringList, int> faelle[] = {{probe, 2}, {QStringList{"LEER"}, 0}};
    for (const auto &[zeilen, attributAnzahl] : faelle) {
        SCOPED_TRACE(zeilen.front().toStdString());
        TDiagrammFlaeche f;
        EXPECT_FALSE(KlassenKarteZeichnen(f, zeilen, attributAnzahl)); // sizes the area first
        const TKartenMasse m = KartenMasse(f, zeilen);
        const double n = zeilen.size();
        EXPECT_NEAR(f.DiagrammBreite, m.Breite + 1.0, Genau);
        EXPECT_NEAR(f.DiagrammHoehe, m.Hoehe + 1.0, Genau);
        EXPECT_NEAR(m.Hoehe, n * m.Zeilenhoehe + (n - 1) * 0.1 * m.Zeilenhoehe + 0.2, Genau);
        EXPECT_NEAR(m.Breite, f.TextBreite(zeilen[attributAnzahl ? 1 : 0]) + 0.6, Genau);

        const QImage bild = karteMalen(f, [&] { return KlassenKarteZeichnen(f, zeilen, attributAnzahl); });
        const int links = f.XPixel(0.5) + 1, rechts = f.XPixel(0.5 + m.Breite) - 1;
        QList<int> volleZeilen, trenner{f.YPixel(m.TrennerUnter(0))};
        if (attributAnzahl)
            trenner << f.YPixel(m.TrennerUnter(attributAnzahl));
        for (int y = f.YPixel(0.5) + 1; y < f.YPixel(0.5 + m.Hoehe); ++y)
            if (schwarzInZeile(bild, y, links, rechts) == rechts - links + 1)
                volleZeilen << y;
        EXPECT_EQ(volleZeilen, trenner);
        EXPECT_EQ(schwarzInZeile(bild, f.YPixel(0.5), links, rechts), rechts - links + 1);
        EXPECT_EQ(rgb(bild, f.XPixel(0.25), f.YPixel(0.25)), 0xFFFFFFu);
        EXPECT_EQ(rgb(bild, 0, 0), 0x000000u);
        // Text of the class name in the first line.
        EXPECT_GT(farbPixel(bild, QRect(links, f.YPixel(m.ZeileOben(0)), rechts - links, f.YPixel(m.Zeilenhoehe)),
                            qRgb(0, 0, 0)),
                  20);
    }
}

TEST(Karten, KlassenkarteDesRechtecksInKatalogreihenfolge)
{
    TAnalyserUmgebung u;
    const QStringList zeilen = KlassenKartenZeilen(*u.Klassen.RECHTECK);
    ASSERT_GE(zeilen.size(), 11);
    EXPECT_EQ(zeilen.mid(0, 10),
              (QStringList{"RECHTECK", "Linienfarbe", "Linienart", "Linienstärke", "Füllfarbe", "Winkel",
                           "Länge", "Breite", "DiagonalenschnittpunktX", "DiagonalenschnittpunktY"}));
    EXPECT_EQ(zeilen[10], QStringLiteral("zeichnen(  )"));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("verschieben( x-Verschiebung,y-Verschiebung )")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("drehenUm( DrehpunktX,DrehpunktY,Drehwinkel )")));
    EXPECT_EQ(zeilen.back(), QStringLiteral("BreiteSetzen( Breite )"));
    const QStringList dokument = KlassenKartenZeilen(u.Dokument);
    EXPECT_EQ(dokument.front(), QStringLiteral("DOKUMENT"));
    EXPECT_EQ(dokument[1], QStringLiteral("Hintergrundfarbe"));
    EXPECT_TRUE(dokument.contains(QStringLiteral("hintergrundfarbeSetzen( Hintergrundfarbe )")));
}

TEST(Karten, WechselZuEinerGroesserenKlasseVergroessertErstDieFlaeche)
{
    TAnalyserUmgebung u;
    TDiagrammFlaeche f;
    int einrichtungen = 0;
    f.Einrichten = [&] { ++einrichtungen; };
    karteMalen(f, [&] { return KlassenKarteZeichnen(f, *u.Klassen.RECHTECK); });
    const double hoeheRechteck = f.DiagrammHoehe;
    const int vorher = einrichtungen;
    QImage bild(f.BreitePixel(), f.HoehePixel(), QImage::Format_RGB32);
    QPainter p(&bild);
    f.LeinwandSetzen(&p);
    EXPECT_FALSE(KlassenKarteZeichnen(f, *u.Klassen.TEXTFELD));
    EXPECT_EQ(einrichtungen, vorher + 1);
    EXPECT_GT(f.DiagrammHoehe, hoeheRechteck + 3.0);
    EXPECT_TRUE(KlassenKarteZeichnen(f, *u.Klassen.TEXTFELD));
    EXPECT_EQ(einrichtungen, vorher + 1);
    f.LeinwandSetzen(nullptr);
}

TEST(Karten, ObjektkarteDesRechtecksZeigtAktuelleWerteInBlau)
{
    TAnalyserUmgebung u;
    auto *r = static_cast<TRechteck *>(u.neu("RECHTECK"));
    r->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    r->Linienstärke = 0.1;
    r->Winkel = 30;
    const auto zeilen = ObjektKartenZeilen(*r);
    ASSERT_EQ(zeilen.size(), 1 + r->Attribute().size());
    EXPECT_EQ(zeilen[0].Text, QStringLiteral("re0:RECHTECK"));
    EXPECT_TRUE(zeilen[0].Wert.isEmpty());
    auto zeile = [&](const char *attribut) {
        for (const auto &z : zeilen)
            if (z.Text == QString::fromUtf8(attribut) + QStringLiteral(" = "))
                return z.Wert;
        ADD_FAILURE() << attribut;
        return QString();
    };
    EXPECT_EQ(zeile("Füllfarbe"), QStringLiteral("rot"));
    EXPECT_EQ(zeile("Linienstärke"), QStringLiteral("1.00 mm"));
    EXPECT_EQ(zeile("Winkel"), QStringLiteral("30.00°"));
    // A locked object names its locks in a last line; an unlocked one has none.
    const std::pair<int, const char *> sperren[] = {
        {1, "Maus"}, {2, "Tastatur"}, {3, "Maus und Tastatur"}};
    for (const auto &[art, text] : sperren) {
        SCOPED_TRACE(text);
        r->MausGesperrt = art & 1;
        r->TastaturGesperrt = (art & 2) ? 1 : 0;
        const auto mitSperre = ObjektKartenZeilen(*r);
        ASSERT_EQ(mitSperre.size(), zeilen.size() + 1);
        EXPECT_EQ(mitSperre.back().Text + mitSperre.back().Wert,
                  QStringLiteral("gesperrt für ") + QString::fromUtf8(text));
    }
    r->MausGesperrt = r->TastaturGesperrt = 0;

    TDiagrammFlaeche f;
    const QImage bild = karteMalen(f, [&] { return ObjektKarteZeichnen(f, *r); });
    QStringList ganz;
    for (const auto &z : zeilen)
        ganz << z.Text + z.Wert;
    const TKartenMasse m = KartenMasse(f, ganz);
    const QRgb blau = qRgb(0, 0, 255);
    auto zeilenRechteck = [&](int i, double abX) {
        return QRect(QPoint(f.XPixel(abX), f.YPixel(m.ZeileOben(i))),
                     QPoint(f.XPixel(0.5 + m.Breite) - 2, f.YPixel(m.ZeileOben(i) + m.Zeilenhoehe)));
    };
    int fuell = 0;
    for (int i = 0; i < int(zeilen.size()); ++i)
        if (zeilen[i].Text == QStringLiteral("Füllfarbe = "))
            fuell = i;
    const double wertX = 0.5 + 0.3 + f.TextBreite(QStringLiteral("Füllfarbe = "));
    // The value is blue and starts right after the black label.
    EXPECT_GT(blauPixel(bild, zeilenRechteck(fuell, wertX)), 20);
    EXPECT_GT(farbPixel(bild, zeilenRechteck(fuell, wertX), blau), 5);
    EXPECT_EQ(blauPixel(bild, zeilenRechteck(fuell, 0.5).adjusted(0, 0, f.XPixel(wertX) - f.XPixel(0.5 + m.Breite) - 1, 0)), 0);
    EXPECT_EQ(blauPixel(bild, zeilenRechteck(0, 0.5)), 0);
    // Green rounded outline, one separator below the first line only.
    const int links = f.XPixel(0.5) + 2, rechts = f.XPixel(0.5 + m.Breite) - 2;
    EXPECT_EQ(bild.pixel((links + rechts) / 2, f.YPixel(0.5)) & 0xFFFFFF, qRgb(0, 221, 0) & 0xFFFFFF);
    EXPECT_EQ(bild.pixel(f.XPixel(0.5), f.YPixel(0.5)) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(schwarzInZeile(bild, f.YPixel(m.TrennerUnter(0)), links, rechts), rechts - links + 1);
    EXPECT_LT(schwarzInZeile(bild, f.YPixel(m.TrennerUnter(1)), links, rechts), (rechts - links) / 2);
}

// A text with a line break shows on the object card exactly as in the call
// list: the break as "¶", not dropped on the card and a gap in the list.
TEST(Karten, ObjektkarteZeigtZeilenumbruchWieDieAufrufliste)
{
    TAnalyserUmgebung u;
    auto *t = static_cast<TTextFeld *>(u.neu("TEXTFELD"));
    t->TextSetzen(QStringLiteral("Hallo\r\nWelt"));
    QString wert;
    for (const auto &z : ObjektKartenZeilen(*t))
        if (z.Text == QStringLiteral("Text = "))
            wert = z.Wert;
    EXPECT_EQ(wert, QStringLiteral("\"Hallo¶Welt\""));
    ASSERT_FALSE(u.Analysator.Protokoll().empty());
    EXPECT_EQ(u.Analysator.Protokoll().back()->AnzeigeText(), QStringLiteral("tf0.textSetzen( \"Hallo¶Welt\" )"));
}

TEST(DiagrammFlaeche, AbbildungNachUntenUndRundeEcken)
{
    TDiagrammFlaeche f;
    EXPECT_EQ(f.XPixel(1.0), 38);
    EXPECT_EQ(f.YPixel(1.0), 38); // y points down: no flip
    EXPECT_EQ(f.YPixel(0.0), 0);
    f.DiagrammGroesseSetzen(3.0, 2.0);
    EXPECT_EQ(f.BreitePixel(), 113);
    EXPECT_EQ(f.HoehePixel(), 76);

    // Quarter circles of n + 1 points, n = radius in pixels.
    const QPolygon ecken = RundRechteckPunkte(0, 0, 100, 50, 10.0);
    EXPECT_EQ(ecken.size(), 4 * 11);
    EXPECT_EQ(ecken.mid(10, 2), (QPolygon{QPoint(10, 0), QPoint(90, 0)})); // the ends of the top side
    EXPECT_EQ(ecken.boundingRect(), QRect(0, 0, 101, 51));
    // A radius above half the box is limited to it.
    EXPECT_EQ(RundRechteckPunkte(0, 0, 10, 10, 40.0).boundingRect(), QRect(0, 0, 11, 11));

    QImage bild(f.BreitePixel(), f.HoehePixel(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    f.LeinwandSetzen(&p);
    p.setPen(QPen(Qt::black));
    f.StiftbreiteSetzen(0.001); // at least one pixel
    EXPECT_EQ(p.pen().width(), 1);
    p.setBrush(Qt::red);
    f.RundRechteck(0.4, 0.5, 0.5, 2.5, 1.5);
    f.LeinwandSetzen(nullptr);
    p.end();
    EXPECT_EQ(bild.pixel(f.XPixel(0.5), f.YPixel(0.5)) & 0xFFFFFF, 0xFFFFFFu); // cut corner
    EXPECT_EQ(bild.pixel(f.XPixel(1.5), f.YPixel(0.5)) & 0xFFFFFF, 0x000000u); // top side
    EXPECT_EQ(bild.pixel(f.XPixel(1.5), f.YPixel(1.0)) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
}
