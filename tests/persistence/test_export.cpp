// Exporting the drawing as PNG, SVG and PDF.
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/Export.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Zeichnung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};
    QTemporaryDir ordner;

    ~Zeichnung() { analysator.Angehalten = true; }

    // A red rectangle with a black outline, centred at (x, y).
    TRechteck *rechteck(double x, double y, double laenge, double breite)
    {
        auto objekt = klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
        auto *r = static_cast<TRechteck *>(objekt.get());
        r->MitteX = x;
        r->MitteY = y;
        r->Länge = laenge;
        r->Breite = breite;
        r->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
        r->Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
        r->Linienstärke = 0.05;
        r->Linienart = 1;
        r->NamenVergeben();
        r->GeometrieBerechnen();
        dokument.TeilAnhaengen(std::move(objekt));
        return r;
    }

    QString pfad(const QString &name) const { return ordner.filePath(name); }
};

// Pixel of a world point in an export of the whole sheet at dpi.
QPoint pixel(double x, double y, int dpi)
{
    const double s = dpi / 2.54;
    return QPoint(int(x * s), int((29.2 - y) * s));
}

} // namespace

TEST(Export, PngDesGanzenBlattes)
{
    Zeichnung z;
    z.rechteck(5, 20, 4, 2);
    z.dokument.Hintergrundfarbe = TFarbe::Echt(FarbWert(255, 255, 153)); // hellgelb
    TExportOptionen optionen;
    optionen.Dpi = 100;
    QString meldung;
    ASSERT_TRUE(Exportieren(z.dokument, z.pfad(QStringLiteral("blatt.PNG")), optionen, meldung))
        << meldung.toStdString();
    QImage bild(z.pfad(QStringLiteral("blatt.PNG")));
    ASSERT_FALSE(bild.isNull());
    // 20.5 cm x 29.2 cm at 100 dpi.
    EXPECT_EQ(bild.width(), 807);
    EXPECT_EQ(bild.height(), 1150);
    EXPECT_NEAR(bild.dotsPerMeterX(), 100 / 0.0254, 1);
    EXPECT_EQ(bild.pixelColor(pixel(5, 20, 100)), QColor(255, 0, 0));
    EXPECT_EQ(bild.pixelColor(pixel(2, 2, 100)), QColor(255, 255, 153));
    // The outline: on the left edge of the rectangle (x = 3 cm).
    EXPECT_EQ(bild.pixelColor(pixel(3.0, 20, 100)), QColor(0, 0, 0));
    EXPECT_EQ(bild.pixelColor(pixel(2.9, 20, 100)), QColor(255, 255, 153));
}

TEST(Export, PngNurDieAuswahlMitRandUndDurchsichtig)
{
    Zeichnung z;
    z.rechteck(15, 5, 2, 1);
    TRechteck *gewaehlt = z.rechteck(5, 20, 4, 2);
    TExportOptionen optionen;
    optionen.Dpi = 254; // 100 pixels per cm
    optionen.Transparent = true;
    optionen.Auswahl = {gewaehlt};
    const TExportBereich b = ExportBereich(optionen);
    EXPECT_NEAR(b.Links, 2.5, 0.06);
    EXPECT_NEAR(b.Rechts, 7.5, 0.06);
    QString meldung;
    ASSERT_TRUE(Exportieren(z.dokument, z.pfad(QStringLiteral("auswahl.png")), optionen, meldung));
    QImage bild(z.pfad(QStringLiteral("auswahl.png")));
    EXPECT_NEAR(bild.width(), 500, 12);  // 4 cm + 2 x 0.5 cm (+ line width)
    EXPECT_NEAR(bild.height(), 300, 12); // 2 cm + 2 x 0.5 cm
    EXPECT_EQ(bild.pixelColor(bild.width() / 2, bild.height() / 2), QColor(255, 0, 0));
    EXPECT_EQ(bild.pixelColor(5, 5).alpha(), 0);
}

TEST(Export, SvgHatEchteZentimeter)
{
    Zeichnung z;
    z.rechteck(5, 20, 4, 2);
    QString meldung;
    ASSERT_TRUE(Exportieren(z.dokument, z.pfad(QStringLiteral("blatt.svg")), {}, meldung))
        << meldung.toStdString();
    QFile datei(z.pfad(QStringLiteral("blatt.svg")));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(datei.readAll());
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"20.500cm\""))) << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("height=\"29.200cm\"")));
    QSvgRenderer renderer(z.pfad(QStringLiteral("blatt.svg")));
    EXPECT_TRUE(renderer.isValid());
    // Vector output: the rectangle is a shape in red, not an embedded image.
    EXPECT_FALSE(svg.contains(QStringLiteral("<image")));
    EXPECT_TRUE(svg.contains(QStringLiteral("#ff0000"), Qt::CaseInsensitive));
}

TEST(Export, PdfSeiteHatDieBlattgroesse)
{
    Zeichnung z;
    z.rechteck(5, 20, 4, 2);
    QString meldung;
    ASSERT_TRUE(Exportieren(z.dokument, z.pfad(QStringLiteral("blatt.pdf")), {}, meldung));
    QFile datei(z.pfad(QStringLiteral("blatt.pdf")));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray pdf = datei.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto treffer = mediaBox.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(treffer.hasMatch());
    // Points: 20.5 cm and 29.2 cm.
    EXPECT_NEAR(treffer.captured(1).toDouble(), 20.5 / 2.54 * 72, 0.5);
    EXPECT_NEAR(treffer.captured(2).toDouble(), 29.2 / 2.54 * 72, 0.5);
}

TEST(Export, FehlerLassenAlteDateiStehen)
{
    Zeichnung z;
    const QString alt = z.pfad(QStringLiteral("alt.png"));
    {
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("vorher");
    }
    TExportOptionen optionen;
    optionen.Dpi = 5;
    QString meldung;
    EXPECT_FALSE(Exportieren(z.dokument, alt, optionen, meldung));
    EXPECT_EQ(meldung, QStringLiteral("Die Auflösung muss zwischen 10 und 2400 dpi liegen."));
    QFile f(alt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("vorher"));

    EXPECT_FALSE(Exportieren(z.dokument, z.pfad(QStringLiteral("x.bmp")), {}, meldung));
    EXPECT_TRUE(meldung.startsWith(QStringLiteral("Unbekanntes Dateiformat: ")));
    EXPECT_FALSE(ExportFormatBekannt(QStringLiteral("a.jpg")));
    EXPECT_TRUE(ExportFormatBekannt(QStringLiteral("a.PDF")));

    // A selection far beyond any sheet is refused instead of allocating.
    TRechteck *riesig = z.rechteck(0, 0, 1.0e7, 1.0e7);
    TExportOptionen auswahl;
    auswahl.Auswahl = {riesig};
    EXPECT_FALSE(Exportieren(z.dokument, z.pfad(QStringLiteral("r.png")), auswahl, meldung));
    EXPECT_EQ(meldung, QStringLiteral("Der Bereich lässt sich nicht exportieren."));
}
