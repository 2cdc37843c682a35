#include "model/Data.h"
#include "model/Werte.h"

#include <charconv>
#include <cmath>
#include <cstring>

TData::TData(const TFarbe &farbe) : art_(ArtFarbwert), farbe_(farbe) {}
TData::TData(double zahl, std::uint8_t art) : art_(art), zahl_(zahl) {}
TData::TData(std::uint8_t code, std::uint8_t art) : art_(art), code_(code) {}
TData::TData(std::int32_t ganzzahl) : art_(ArtGanzzahl), ganzzahl_(ganzzahl) {}
TData::TData(const QString &text) : art_(ArtText), text_(text) {}
TData::TData(TObjekt *objekt) : art_(ArtObjektverweis), objekt_(objekt) {}

namespace {

// `wert` rounded to `stellen` significant digits, as "%.*g" would write it
// and read back; independent of the C locale.
double aufStellenRunden(double wert, int stellen)
{
    char puffer[64];
    const auto geschrieben = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, stellen);
    double gerundet = wert;
    std::from_chars(puffer, geschrieben.ptr, gerundet);
    return gerundet;
}

QString zahlFormatierenUngepuffert(double wert, int praezision, int nachkomma)
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
        if (aufStellenRunden(betrag, praezision) >= std::pow(10.0, praezision))
            ganzStellen = praezision + 1;
    }
    if (ganzStellen > praezision) {
        // Scientific notation with the precision's significant digits,
        // written like 1.2346E+05.
        return QString::number(wert, 'E', praezision - 1);
    }
    // Round to `praezision` significant digits first, then write with the
    // requested decimals.
    const double gerundet = wert == 0.0 ? 0.0 : aufStellenRunden(wert, praezision);
    char puffer[400];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, gerundet, std::chars_format::fixed, nachkomma).ptr;
    const char *anfang = puffer;
    if (*anfang == '-') {
        // -0.00 is shown as 0.00
        bool nurNull = true;
        for (const char *c = anfang + 1; c < ende; ++c)
            if (*c != '0' && *c != '.')
                nurNull = false;
        if (nurNull)
            ++anfang;
    }
    return QString::fromLatin1(anfang, ende - anfang);
}

} // namespace

QString ZahlFormatieren(double wert, int praezision, int nachkomma)
{
    // The log writes the same values over and over (a group's move gives
    // every member the same arguments): the last few texts are reused.
    struct TEintrag {
        double Wert;
        int Praezision, Nachkomma;
        QString Text;
    };
    static thread_local TEintrag zuletzt[4] = {{0.0, -1, -1, {}}, {0.0, -1, -1, {}}, {0.0, -1, -1, {}},
                                               {0.0, -1, -1, {}}};
    static thread_local unsigned naechster = 0;
    for (const TEintrag &e : zuletzt)
        if (e.Praezision == praezision && e.Nachkomma == nachkomma &&
            std::memcmp(&e.Wert, &wert, sizeof wert) == 0)
            return e.Text;
    TEintrag &neu = zuletzt[naechster++ % 4];
    neu = {wert, praezision, nachkomma, zahlFormatierenUngepuffert(wert, praezision, nachkomma)};
    return neu.Text;
}

QString LaengeText(double cm)
{
    // The same lengths recur in a row (a group's move): the last text is reused.
    static thread_local double letzteLaenge = 0.0;
    static thread_local QString letzterText;
    if (!letzterText.isNull() && std::memcmp(&letzteLaenge, &cm, sizeof cm) == 0)
        return letzterText;
    letzterText = std::fabs(cm) > 1.0 ? ZahlFormatieren(cm, 5, 2) + QStringLiteral(" cm")
                                      : ZahlFormatieren(cm * 10.0, 5, 2) + QStringLiteral(" mm");
    letzteLaenge = cm;
    return letzterText;
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
