#include "model/Data.h"
#include "model/Werte.h"

#include <cmath>

TData::TData(const TFarbe &farbe) : art_(ArtFarbwert), farbe_(farbe) {}
TData::TData(double zahl, std::uint8_t art) : art_(art), zahl_(zahl) {}
TData::TData(std::uint8_t code, std::uint8_t art) : art_(art), code_(code) {}
TData::TData(std::int32_t ganzzahl) : art_(ArtGanzzahl), ganzzahl_(ganzzahl) {}
TData::TData(const QString &text) : art_(ArtText), text_(text) {}
TData::TData(TObjekt *objekt) : art_(ArtObjektverweis), objekt_(objekt) {}

QString ZahlFormatieren(double wert, int praezision, int nachkomma)
{
    if (!std::isfinite(wert))
        return std::isnan(wert) ? QStringLiteral("NAN") : (wert > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    // Number of digits of the integer part.
    const double betrag = std::fabs(wert);
    int ganzStellen = 1;
    if (betrag >= 1.0)
        ganzStellen = int(std::floor(std::log10(betrag))) + 1;
    // Rounding to the precision may carry into a new digit (99999.9 -> 100000).
    if (ganzStellen <= praezision && betrag >= 1.0) {
        const double gerundet =
            std::stod(QString::number(betrag, 'g', praezision).toStdString());
        if (gerundet >= std::pow(10.0, praezision))
            ganzStellen = praezision + 1;
    }
    if (ganzStellen > praezision) {
        // Scientific notation with the precision's significant digits,
        // written like 1.2346E+05.
        QString s = QString::number(wert, 'E', praezision - 1);
        return s;
    }
    // Round to `praezision` significant digits first, then write with the
    // requested decimals.
    const double gerundet = wert == 0.0 ? 0.0 : std::stod(QString::number(wert, 'g', praezision).toStdString());
    QString s = QString::number(gerundet, 'f', nachkomma);
    if (s.startsWith(QLatin1Char('-'))) {
        // -0.00 is shown as 0.00
        bool nurNull = true;
        for (QChar c : s.mid(1))
            if (c != QLatin1Char('0') && c != QLatin1Char('.'))
                nurNull = false;
        if (nurNull)
            s.remove(0, 1);
    }
    return s;
}

QString LaengeText(double cm)
{
    if (std::fabs(cm) > 1.0)
        return ZahlFormatieren(cm, 5, 2) + QStringLiteral(" cm");
    return ZahlFormatieren(cm * 10.0, 5, 2) + QStringLiteral(" mm");
}

QString WinkelText(double grad)
{
    return ZahlFormatieren(grad, 5, 2) + QStringLiteral("°");
}

QString FaktorText(double faktor)
{
    return ZahlFormatieren(faktor * 100.0, 6, 3) + QStringLiteral(" %");
}

static QString wortOderLeer(const QStringList &liste, int code)
{
    return code >= 0 && code < liste.size() ? liste[code] : QString();
}

QString TData::AnzeigeText() const
{
    switch (art_) {
    case ArtFarbwert:
        return farbe_.FarbName();
    case ArtLaenge:
        return LaengeText(zahl_);
    case ArtWinkel:
        return WinkelText(zahl_);
    case ArtLinienart:
        return wortOderLeer(Werte::Linienarten(), code_);
    case ArtWahrheitswert:
        return Werte::Wahrheitswort(code_ != 0);
    case ArtText: {
        // A line break (CR LF from the text dialog, LF CR from
        // zeilehinzufügen, or a lone CR or LF) shows as one "¶", so that the
        // call list, the call tree and the object card show it alike.
        QString t = text_;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("¶"));
        t.replace(QStringLiteral("\n\r"), QStringLiteral("¶"));
        t.replace(QLatin1Char('\r'), QChar(0x00B6));
        t.replace(QLatin1Char('\n'), QChar(0x00B6));
        if (t.size() > 35)
            return QLatin1Char('"') + t.left(35) + QStringLiteral(" ...\"");
        return QLatin1Char('"') + t + QLatin1Char('"');
    }
    case ArtGanzzahl:
        return QString::number(ganzzahl_);
    case ArtFaktor:
        return FaktorText(zahl_);
    case ArtObjektverweis:
        return QString();
    case ArtAbschnittArt:
        return wortOderLeer(Werte::AbschnittArten(), code_);
    case ArtAusrichtung:
        return wortOderLeer(Werte::Ausrichtungen(), code_);
    default:
        return QString();
    }
}
