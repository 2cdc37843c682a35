// Class and object cards: their lines, sizes, separators and colours.
#include "analyser/DiagrammFlaeche.h"
#include "analyser/Karten.h"
#include "analyser_hilfen.h"
#include "model/MethodenAufruf.h"

#include <QPainter>

namespace
{

constexpr double Genau = 1e-9;

// Draws a card as the areas do: the first call sizes the area, the second draws.
template <typename F> QImage karteMalen(TDiagrammFlaeche &f, F zeichnen)
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

// Class card lines; separators under the name and the last attribute only;
// a switch to a bigger class enlarges the area once.
TEST(Karten, KlassenkarteMitTrennernUnterNameUndAttributen)
{
    TAnalyserUmgebung u;
    const QStringList rechteck = KlassenKartenZeilen(*u.Klassen.RECHTECK);
    ASSERT_EQ(rechteck.size(), 1 + 9 + int(u.Klassen.RECHTECK->Methoden().size()));
    EXPECT_EQ(rechteck.mid(0, 13),
              (QStringList{"RECHTECK", "Linienfarbe", "Linienart", "Linienstärke", "Füllfarbe", "Winkel", "Länge",
                           "Breite", "DiagonalenschnittpunktX", "DiagonalenschnittpunktY", "zeichnen(  )",
                           "freigeben(  )", "verschieben( x-Verschiebung,y-Verschiebung )"}));
    EXPECT_TRUE(rechteck.contains(QStringLiteral("drehenUm( DrehpunktX,DrehpunktY,Drehwinkel )")));
    EXPECT_TRUE(rechteck.contains(QStringLiteral("streckenLängeBreite( FaktorLänge,FaktorBreite )")));
    EXPECT_EQ(rechteck.back(), QStringLiteral("BreiteSetzen( Breite )"));
    EXPECT_EQ(KlassenKartenZeilen(u.Dokument),
              (QStringList{"DOKUMENT", "Hintergrundfarbe", "zeichnen(  )", "einfügen(  )",
                           "hintergrundfarbeSetzen( Hintergrundfarbe )"}));
    const std::pair<QStringList, int> faelle[] = {{rechteck, 9}, {QStringList{"LEER"}, 0}};
    for (const auto &[zeilen, attributAnzahl] : faelle) {
        SCOPED_TRACE(zeilen.front().toStdString());
        TDiagrammFlaeche f;
        EXPECT_FALSE(KlassenKarteZeichnen(f, zeilen, attributAnzahl)); // sizes the area first
        const TKartenMasse m = KartenMasse(f, zeilen);
        const double n = zeilen.size();
        EXPECT_NEAR(f.DiagrammBreite, m.Breite + 1.0, Genau);
        EXPECT_NEAR(f.DiagrammHoehe, m.Hoehe + 1.0, Genau);
        EXPECT_NEAR(m.Hoehe, n * m.Zeilenhoehe + (n - 1) * 0.1 * m.Zeilenhoehe + 0.2, Genau);
        double breitest = 0;
        for (const QString &z : zeilen)
            breitest = std::max(breitest, f.TextBreite(z));
        EXPECT_NEAR(m.Breite, breitest + 0.6, Genau);

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
        EXPECT_EQ(farben(bild, {{f.XPixel(0.25), f.YPixel(0.25)}, {0, 0}}), (QList<QRgb>{0xFFFFFF, 0}));
        const QRect ersteZeile(links, f.YPixel(m.ZeileOben(0)), rechts - links, f.YPixel(m.Zeilenhoehe));
        EXPECT_GT(farbPixel(bild, ersteZeile, qRgb(0, 0, 0)), 20);
    }

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
    EXPECT_GT(f.DiagrammHoehe, hoeheRechteck + 3.0);
    EXPECT_TRUE(KlassenKarteZeichnen(f, *u.Klassen.TEXTFELD) && einrichtungen == vorher + 1);
    f.LeinwandSetzen(nullptr);
}

// Object card: "attribute = value" with the value in blue, a line for the
// locks, green outline, one separator under the first line.
TEST(Karten, ObjektkarteZeigtAktuelleWerteInBlau)
{
    TAnalyserUmgebung u;
    auto *r = static_cast<TRechteck *>(u.neu("RECHTECK"));
    r->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    r->Linienstärke = 0.1;
    r->Winkel = 30;
    const auto zeilen = ObjektKartenZeilen(*r);
    ASSERT_EQ(zeilen.size(), 1 + r->Attribute().size());
    QStringList ganz;
    for (const auto &z : zeilen)
        ganz << z.Text + QLatin1Char('|') + z.Wert;
    EXPECT_EQ(ganz.mid(0, 6),
              (QStringList{"re0:RECHTECK|", "Linienfarbe = |nicht_einheitlich", "Linienart = |nicht_einheitlich",
                           "Linienstärke = |1.00 mm", "Füllfarbe = |rot", "Winkel = |30.00°"}));
    const std::pair<int, const char *> sperren[] = {{1, "Maus"}, {2, "Tastatur"}, {3, "Maus und Tastatur"}};
    for (const auto &[art, text] : sperren) {
        SCOPED_TRACE(text);
        r->MausGesperrt = art & 1;
        r->TastaturGesperrt = (art & 2) ? 1 : 0;
        const auto mitSperre = ObjektKartenZeilen(*r);
        ASSERT_EQ(mitSperre.size(), zeilen.size() + 1);
        EXPECT_EQ(mitSperre.back().Text + mitSperre.back().Wert, QStringLiteral("gesperrt für ") + text);
    }
    r->MausGesperrt = r->TastaturGesperrt = 0;
    TDiagrammFlaeche f;
    const QImage bild = karteMalen(f, [&] { return ObjektKarteZeichnen(f, *r); });
    ganz.replaceInStrings(QStringLiteral("|"), QString());
    const TKartenMasse m = KartenMasse(f, ganz);
    auto zeilenRechteck = [&](int i, double abX, double bisX) {
        return QRect(QPoint(f.XPixel(abX), f.YPixel(m.ZeileOben(i))),
                     QPoint(f.XPixel(bisX) - 2, f.YPixel(m.ZeileOben(i) + m.Zeilenhoehe)));
    };
    const double wertX = 0.5 + 0.3 + f.TextBreite(QStringLiteral("Füllfarbe = ")), rand = 0.5 + m.Breite;
    EXPECT_GT(blauPixel(bild, zeilenRechteck(4, wertX, rand)), 20);
    EXPECT_GT(farbPixel(bild, zeilenRechteck(4, wertX, rand), qRgb(0, 0, 255)), 5);
    EXPECT_EQ(blauPixel(bild, zeilenRechteck(4, 0.5, wertX).adjusted(0, 0, -1, 0)), 0);
    const int links = f.XPixel(0.5) + 2, rechts = f.XPixel(rand) - 2;
    EXPECT_EQ(farben(bild, {{(links + rechts) / 2, f.YPixel(0.5)}, {f.XPixel(0.5), f.YPixel(0.5)}}),
              (QList<QRgb>{qRgb(0, 221, 0) & 0xFFFFFF, 0xFFFFFF}));
    EXPECT_EQ(schwarzInZeile(bild, f.YPixel(m.TrennerUnter(0)), links, rechts), rechts - links + 1);
    EXPECT_LT(schwarzInZeile(bild, f.YPixel(m.TrennerUnter(1)), links, rechts), (rechts - links) / 2);
}
