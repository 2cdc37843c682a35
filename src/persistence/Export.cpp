#include "persistence/Export.h"
#include "figures/ZeichenObjekt.h"
#include "model/Dokument.h"
#include "surface/Zeichenflaeche.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#ifdef FIGURO_HAVE_SVG
#include <QSvgGenerator>
#endif

#include <algorithm>
#include <cmath>

namespace {

constexpr double Rand = 0.5; // cm around a selection

QString endung(const QString &pfad)
{
    return QFileInfo(pfad).suffix().toLower();
}

// Draws the area onto the painter at `pixelProCm`; the painter's device is
// expected to be Breite x Hoehe of the area at that resolution.
void bereichZeichnen(TDokument &dokument, QPainter &maler, const TExportBereich &bereich,
                     double pixelProCm, const TExportOptionen &optionen, bool hintergrund,
                     bool ganzeVerschiebung = false)
{
    TZeichenflaeche zf;
    const int breitePixel = std::max(1, int(std::lround(optionen.SeitenBreiteCm * pixelProCm)));
    const int hoehePixel = std::max(1, int(std::lround(optionen.SeitenHoeheCm * pixelProCm)));
    zf.SeiteEinrichten(pixelProCm, pixelProCm, breitePixel, hoehePixel);
    zf.Drucken = true;
    zf.Leinwand = &maler;

    const QRectF ziel(0, 0, bereich.Breite() * pixelProCm, bereich.Hoehe() * pixelProCm);
    if (hintergrund)
        maler.fillRect(ziel, dokument.Hintergrundfarbe.AlsQColor());

    maler.save();
    maler.setClipRect(ziel);
    // World x = Links lands in column 0, world y = Oben in row 0.
    // A PDF moves by whole device pixels (1200 dpi: at most 0.01 mm off), so
    // that every coordinate it writes stays a short whole number.
    const double dx = -bereich.Links * pixelProCm, dy = -(hoehePixel - bereich.Oben * pixelProCm);
    if (ganzeVerschiebung)
        maler.translate(std::round(dx), std::round(dy));
    else
        maler.translate(dx, dy);
    for (auto &teil : dokument.Teile) {
        maler.save();
        teil->Zeichnen(&zf);
        maler.restore();
    }
    maler.restore();
    zf.Leinwand = nullptr;
}

bool pngSchreiben(TDokument &dokument, const QString &pfad, const TExportOptionen &o,
                  const TExportBereich &b, QString &meldung)
{
    if (o.Dpi < 10 || o.Dpi > 2400) {
        meldung = QStringLiteral("Die Auflösung muss zwischen 10 und 2400 dpi liegen.");
        return false;
    }
    const double pixelProCm = o.Dpi / 2.54;
    const int breite = std::max(1, int(std::lround(b.Breite() * pixelProCm)));
    const int hoehe = std::max(1, int(std::lround(b.Hoehe() * pixelProCm)));
    if (double(breite) * hoehe > 400.0e6) {
        meldung = QStringLiteral("Das Bild wäre zu groß. Bitte eine kleinere Auflösung wählen.");
        return false;
    }
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    if (bild.isNull()) {
        meldung = QStringLiteral("Für das Bild ist nicht genug Speicher frei.");
        return false;
    }
    bild.fill(Qt::transparent);
    const int punkteProMeter = int(std::lround(o.Dpi / 0.0254));
    bild.setDotsPerMeterX(punkteProMeter);
    bild.setDotsPerMeterY(punkteProMeter);
    {
        QPainter maler(&bild);
        bereichZeichnen(dokument, maler, b, pixelProCm, o, !o.Transparent);
    }
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || !bild.save(&datei, "PNG") || !datei.commit()) {
        meldung = QStringLiteral("Die Datei konnte nicht geschrieben werden: ") + pfad;
        return false;
    }
    return true;
}

#ifdef FIGURO_HAVE_SVG
bool svgSchreiben(TDokument &dokument, const QString &pfad, const TExportOptionen &o,
                  const TExportBereich &b, QString &meldung)
{
    // 100 user units per centimetre keep the numbers readable.
    const double pixelProCm = 100.0;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&puffer);
    generator.setResolution(254); // 100 per cm
    const QSize groesse(int(std::lround(b.Breite() * pixelProCm)),
                        int(std::lround(b.Hoehe() * pixelProCm)));
    generator.setSize(groesse);
    generator.setViewBox(QRect(QPoint(0, 0), groesse));
    generator.setTitle(QStringLiteral("Figuro-Zeichnung"));
    {
        QPainter maler(&generator);
        bereichZeichnen(dokument, maler, b, pixelProCm, o, true);
    }
    QString svg = QString::fromUtf8(puffer.data());
    // Give the picture its true size in centimetres.
    const QString breite = QString::number(b.Breite(), 'f', 3) + QStringLiteral("cm");
    const QString hoehe = QString::number(b.Hoehe(), 'f', 3) + QStringLiteral("cm");
    static const QRegularExpression breiteAttr(QStringLiteral("(<svg[^>]*?\\swidth=\")[^\"]*(\")"));
    static const QRegularExpression hoeheAttr(QStringLiteral("(<svg[^>]*?\\sheight=\")[^\"]*(\")"));
    svg.replace(breiteAttr, QStringLiteral("\\1") + breite + QStringLiteral("\\2"));
    svg.replace(hoeheAttr, QStringLiteral("\\1") + hoehe + QStringLiteral("\\2"));
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(svg.toUtf8()) < 0 || !datei.commit()) {
        meldung = QStringLiteral("Die Datei konnte nicht geschrieben werden: ") + pfad;
        return false;
    }
    return true;
}
#endif

bool pdfSchreiben(TDokument &dokument, const QString &pfad, const TExportOptionen &o,
                  const TExportBereich &b, QString &meldung)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        meldung = QStringLiteral("Die Datei konnte nicht geschrieben werden: ") + pfad;
        return false;
    }
    {
        QPdfWriter pdf(&datei);
        pdf.setCreator(QStringLiteral("Figuro 1.4"));
        pdf.setTitle(QStringLiteral("Figuro-Zeichnung"));
        pdf.setPageSize(QPageSize(QSizeF(b.Breite() * 10.0, b.Hoehe() * 10.0),
                                  QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1200);
        QPainter maler;
        if (!maler.begin(&pdf)) {
            meldung = QStringLiteral("Die Datei konnte nicht geschrieben werden: ") + pfad;
            datei.cancelWriting();
            return false;
        }
        bereichZeichnen(dokument, maler, b, 1200 / 2.54, o, true, true);
        maler.end();
    }
    if (!datei.commit()) {
        meldung = QStringLiteral("Die Datei konnte nicht geschrieben werden: ") + pfad;
        return false;
    }
    return true;
}

} // namespace

TExportBereich ExportBereich(const TExportOptionen &o)
{
    TExportBereich b{0.0, 0.0, o.SeitenBreiteCm, o.SeitenHoeheCm};
    if (o.Auswahl.empty())
        return b;
    bool erste = true;
    for (const TZeichenObjekt *f : o.Auswahl) {
        const auto &u = f->Umgebungsrechteck;
        if (erste) {
            b = {u.Links, u.Unten, u.Rechts, u.Oben};
            erste = false;
        } else {
            b.Links = std::min(b.Links, u.Links);
            b.Unten = std::min(b.Unten, u.Unten);
            b.Rechts = std::max(b.Rechts, u.Rechts);
            b.Oben = std::max(b.Oben, u.Oben);
        }
    }
    b.Links -= Rand;
    b.Unten -= Rand;
    b.Rechts += Rand;
    b.Oben += Rand;
    return b;
}

bool ExportFormatBekannt(const QString &pfad)
{
    const QString e = endung(pfad);
#ifdef FIGURO_HAVE_SVG
    if (e == QLatin1String("svg"))
        return true;
#endif
    return e == QLatin1String("png") || e == QLatin1String("pdf");
}

QString ExportBestaetigung(const QString &pfad, const TExportOptionen &optionen)
{
    const TExportBereich b = ExportBereich(optionen);
    auto cm = [](double wert) { return QString::number(wert, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); };
    const QString e = endung(pfad);
    QString text = QStringLiteral("Exportiert als ") + e.toUpper() + QStringLiteral(": ") + pfad +
                   QStringLiteral(" (") +
                   (optionen.Auswahl.empty() ? QStringLiteral("das ganze Blatt")
                                             : QStringLiteral("die markierten Objekte")) +
                   QStringLiteral(", ") + cm(b.Breite()) + QStringLiteral(" cm × ") + cm(b.Hoehe()) +
                   QStringLiteral(" cm");
    if (e == QLatin1String("png"))
        text += QStringLiteral(", ") + QString::number(optionen.Dpi) + QStringLiteral(" dpi");
    return text + QStringLiteral(").");
}

bool Exportieren(TDokument &dokument, const QString &pfad, const TExportOptionen &optionen,
                 QString &meldung)
{
    meldung.clear();
    const TExportBereich bereich = ExportBereich(optionen);
    if (!(bereich.Breite() > 0.0) || !(bereich.Hoehe() > 0.0) || bereich.Breite() > 10000.0 ||
        bereich.Hoehe() > 10000.0) {
        meldung = QStringLiteral("Der Bereich lässt sich nicht exportieren.");
        return false;
    }
    const QString e = endung(pfad);
    if (e == QLatin1String("png"))
        return pngSchreiben(dokument, pfad, optionen, bereich, meldung);
    if (e == QLatin1String("pdf"))
        return pdfSchreiben(dokument, pfad, optionen, bereich, meldung);
#ifdef FIGURO_HAVE_SVG
    if (e == QLatin1String("svg"))
        return svgSchreiben(dokument, pfad, optionen, bereich, meldung);
#endif
    meldung = QStringLiteral("Unbekanntes Dateiformat: ") + pfad +
              QStringLiteral(" (möglich sind .png, .svg und .pdf)");
    return false;
}
