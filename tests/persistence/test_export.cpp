// Exporting the drawing as PDF, and what export refuses.
#include "figures/figuren_hilfen.h"
#include "persistence/Export.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace
{

// A drawing and a folder for the files.
struct Zeichnung : Umgebung {
    QTemporaryDir ordner;
    ~Zeichnung() { a.Angehalten = true; }
    QString pfad(const QString &name) const { return ordner.filePath(name); }
};

} // namespace

TEST(Export, PdfSeiteHatDieBlattgroesse)
{
    Zeichnung z;
    z.rechteck(5, 20, 4, 2);
    QString meldung;
    ASSERT_TRUE(Exportieren(z.d, z.pfad(QStringLiteral("blatt.pdf")), {}, meldung));
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
    EXPECT_FALSE(Exportieren(z.d, alt, optionen, meldung));
    EXPECT_EQ(meldung, QStringLiteral("Die Auflösung muss zwischen 10 und 2400 dpi liegen."));
    QFile f(alt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("vorher"));

    EXPECT_FALSE(Exportieren(z.d, z.pfad(QStringLiteral("x.bmp")), {}, meldung));
    EXPECT_TRUE(meldung.startsWith(QStringLiteral("Unbekanntes Dateiformat: ")));
    EXPECT_FALSE(ExportFormatBekannt(QStringLiteral("a.jpg")));
    EXPECT_TRUE(ExportFormatBekannt(QStringLiteral("a.PDF")));

    // A selection far beyond any sheet is refused instead of allocating.
    TRechteck *riesig = z.rechteck(0, 0, 1.0e7, 1.0e7);
    TExportOptionen auswahl;
    auswahl.Auswahl = {riesig};
    EXPECT_FALSE(Exportieren(z.d, z.pfad(QStringLiteral("r.png")), auswahl, meldung));
    EXPECT_EQ(meldung, QStringLiteral("Der Bereich lässt sich nicht exportieren."));
}
