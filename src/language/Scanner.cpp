#include "language/Scanner.h"
#include "model/Codec1252.h"
#include "model/Dokument.h"
#include "model/Farbe.h"
#include "model/Grossschreibung.h"
#include "model/Katalog.h"
#include "model/MethodenAufruf.h"
#include "model/Objekt.h"
#include "model/Werte.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSet>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

const QChar Leer = QLatin1Char(' ');
const QChar Anfuehrung = QLatin1Char('"');

// Spaces removed from both ends (only the space character counts as blank).
QString ohneRandLeer(const QString &text)
{
    qsizetype a = 0, e = text.size();
    while (a < e && text[a] == Leer)
        ++a;
    while (e > a && text[e - 1] == Leer)
        --e;
    return text.mid(a, e - a);
}

QString ohneFuehrendeLeer(const QString &text)
{
    qsizetype a = 0;
    while (a < text.size() && text[a] == Leer)
        ++a;
    return text.mid(a);
}

// Locale-independent text-to-float conversion of an ASCII number.
bool textZuDouble(const QByteArray &ascii, double &wert)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (ascii.isEmpty())
        return false;
    char *ende = nullptr;
    wert = cLocale ? strtod_l(ascii.constData(), &ende, cLocale) : std::strtod(ascii.constData(), &ende);
    return ende == ascii.constData() + ascii.size();
}

} // namespace

bool TScanner::IstBuchstabe(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_' || (u >= 192 && u <= 255);
}

QString TScanner::TastaturSperreMeldung()
{
    return QStringLiteral("Das Bearbeiten mit der Tastatur ist für dieses Objekt gesperrt.");
}

void TScanner::fehler(const QString &meldung, int anfang, int ende)
{
    Fehlermeldung = meldung;
    FehlerAnfang = anfang;
    FehlerEnde = ende;
    throw EScanException{};
}

void TScanner::fehlerBei(const QString &meldung, int position)
{
    const int p = std::min(position, laenge_ + 1);
    fehler(meldung, p, p);
}

void TScanner::wortMerken(std::uint8_t zustand, const QString &wort, int anfang, int einfuegemarke)
{
    Zustand = zustand;
    Wort = wort;
    WortAnfang = anfang;
    WortEnde = anfang + int(wort.size());
    const int anzahl = einfuegemarke - anfang + 1;
    Praefix = anzahl > 0 ? wort.left(anzahl) : QString();
}

void TScanner::Analysieren(const QString &text, int einfuegemarke, TDokument *dokument)
{
    Zustand = ZustandKeiner;
    ParameterIndex = 0;
    ParameterArt = 0;
    Praefix.clear();
    Wort.clear();
    WortAnfang = 0;
    WortEnde = 0;
    ObjektName.clear();
    Fehlermeldung.clear();
    Objekt = nullptr;
    Methode = nullptr;
    FehlerAnfang = -1;
    FehlerEnde = -1;
    Unbekannt = UnbekanntNichts;
    UnbekanntesWort.clear();
    UnbekanntAnfang = 0;
    Dokument = dokument;
    text_ = text;
    laenge_ = int(text.size());
    i_ = 1;

    if (text.isEmpty()) {
        Fehlermeldung = QStringLiteral(" ");
        return;
    }

    auto zeichen = [this](int p) { return text_[p - 1]; };
    auto amEnde = [this] { return i_ > laenge_; };
    auto leerUeberspringen = [&] {
        while (!amEnde() && zeichen(i_) == Leer)
            ++i_;
    };
    // Maximal run of identifier characters from i_; i_ moves past it.
    auto bezeichnerLesen = [&](int &anfang) {
        anfang = i_;
        while (!amEnde() && IstBezeichnerZeichen(zeichen(i_)))
            ++i_;
        return text_.mid(anfang - 1, i_ - anfang);
    };

    try {
        // Object name.
        leerUeberspringen();
        int anfang = 0;
        const QString objektLauf = bezeichnerLesen(anfang);
        if (objektLauf.isEmpty() || IstZiffer(objektLauf[0]))
            fehler(QStringLiteral("Objektbezeichner erwartet. Ein Objektbezeichner beginnt mit einem "
                                  "Buchstaben oder _!"),
                   i_ - int(objektLauf.size()), i_ - 1);
        if (i_ - 1 >= einfuegemarke)
            wortMerken(ZustandObjekt, objektLauf, anfang, einfuegemarke);
        ObjektName = objektLauf;
        Objekt = dokument ? dokument->FindeObjekt(objektLauf) : nullptr;
        if (!Objekt) {
            Unbekannt = UnbekanntObjekt;
            UnbekanntesWort = objektLauf;
            UnbekanntAnfang = anfang;
            fehler(objektLauf + QStringLiteral(" ist kein Bezeichner eines Objekts."), anfang, i_ - 1);
        }

        // The dot, directly after the name.
        if (amEnde() || zeichen(i_) != QLatin1Char('.'))
            fehlerBei(QStringLiteral(". erwartet."), i_);
        ++i_;
        if (amEnde()) {
            Zustand = ZustandMethode;
            Wort.clear();
            Praefix.clear();
            WortAnfang = WortEnde = laenge_ + 1;
            fehler(QStringLiteral("Methodenbezeichner erwartet."), laenge_ + 1, laenge_ + 1);
        }

        // Method name, directly after the dot.
        const QString methodenLauf = bezeichnerLesen(anfang);
        if (methodenLauf.isEmpty() || IstZiffer(methodenLauf[0]))
            fehler(QStringLiteral("Methodenbezeichner erwartet. Ein Methodenbezeichner beginnt mit "
                                  "einem Buchstaben oder _!"),
                   i_ - int(methodenLauf.size()), i_ - 1);
        if (i_ - 1 >= einfuegemarke && Zustand == ZustandKeiner)
            wortMerken(ZustandMethode, methodenLauf, anfang, einfuegemarke);
        Methode = Objekt->FindeMethode(methodenLauf);
        if (!Methode) {
            Unbekannt = UnbekanntMethode;
            UnbekanntesWort = methodenLauf;
            UnbekanntAnfang = anfang;
            fehler(QStringLiteral("Objekte der Klasse ") + Objekt->KlassenName() +
                       QStringLiteral(" haben keine Methode ") + methodenLauf + QLatin1Char('.'),
                   anfang, i_ - 1);
        }

        // Opening parenthesis.
        leerUeberspringen();
        if (amEnde() || zeichen(i_) != QLatin1Char('('))
            fehlerBei(QStringLiteral("( erwartet."), i_);
        ++i_;
        Parameter.clear();

        // Arguments.
        const int anzahl = int(Methode->Parameter.size());
        for (int k = 0; k < anzahl; ++k) {
            const std::uint8_t art = Methode->Parameter[k].Art;
            leerUeberspringen();
            const int wortAnfang = i_;
            if (!amEnde() && zeichen(i_) == Anfuehrung) {
                ++i_;
                while (!amEnde() && zeichen(i_) != Anfuehrung)
                    ++i_;
                if (!amEnde())
                    ++i_; // the closing quote belongs to the word
            } else {
                while (!amEnde() && zeichen(i_) != QLatin1Char(',') && zeichen(i_) != QLatin1Char(')'))
                    ++i_;
            }
            const QString wort = text_.mid(wortAnfang - 1, i_ - wortAnfang);
            auto wert = KonvertiereParameter(art, wort);
            if (i_ - 1 >= einfuegemarke && Zustand == ZustandKeiner) {
                wortMerken(ZustandParameter, wort, wortAnfang, einfuegemarke);
                ParameterIndex = k;
                ParameterArt = art;
            }
            if (!wert) {
                if (Unbekannt != UnbekanntNichts)
                    UnbekanntAnfang = wortAnfang;
                const int p = std::min(i_, laenge_ + 1);
                fehler(Fehlermeldung, p - int(wort.size()), p);
            }
            Parameter.push_back(std::move(wert));
            if (k < anzahl - 1) {
                if (amEnde() || zeichen(i_) != QLatin1Char(','))
                    fehlerBei(QStringLiteral(", erwartet."), i_);
                ++i_;
            }
        }

        // Closing parenthesis; whatever follows it is ignored.
        if (amEnde() || zeichen(i_) != QLatin1Char(')'))
            fehlerBei(QStringLiteral(") erwartet."), i_);
    } catch (const EScanException &) {
        // The first error ends the pass; message and range are kept.
    } catch (...) {
        // Nothing may leave the scanner; an unexpected failure refuses the call.
        if (Fehlermeldung.isEmpty())
            Fehlermeldung = QStringLiteral(" ");
    }
}

std::unique_ptr<TData> TScanner::konvertiereFehler(const QString &meldung)
{
    Fehlermeldung = meldung;
    return nullptr;
}

std::unique_ptr<TData> TScanner::unbekannt(std::uint8_t art, const QString &wort, const QString &meldung)
{
    Unbekannt = art;
    UnbekanntesWort = wort;
    return konvertiereFehler(meldung);
}

// Reads "-", digits, "." digits, "e" "-"/"+" digits from the start of text (each
// optional group only when its digits follow). Returns the number of
// characters read; `status` 0 for a number, 1 when no number could be read,
// 2 when the value is not finite.
static int zahlAmAnfang(const QString &text, double &wert, int &status)
{
    const int n = int(text.size());
    auto ziffer = [&](int p) { return p < n && TScanner::IstZiffer(text[p]); };
    int p = 0;
    QByteArray gelesen;
    if (p < n && text[p] == QLatin1Char('-')) {
        gelesen += '-';
        ++p;
    }
    int ziffern = 0;
    while (ziffer(p)) {
        gelesen += char(text[p].unicode());
        ++p;
        ++ziffern;
    }
    if (p < n && text[p] == QLatin1Char('.') && ziffer(p + 1)) {
        gelesen += '.';
        ++p;
        while (ziffer(p)) {
            gelesen += char(text[p].unicode());
            ++p;
            ++ziffern;
        }
    }
    if (ziffern > 0 && p < n && (text[p] == QLatin1Char('e') || text[p] == QLatin1Char('E'))) {
        // The exponent may carry either sign: the log writes 1.2346E+05.
        const bool minus = p + 1 < n && text[p + 1] == QLatin1Char('-');
        const bool plus = p + 1 < n && text[p + 1] == QLatin1Char('+');
        const int start = p + (minus || plus ? 2 : 1);
        if (ziffer(start)) {
            gelesen += minus ? "e-" : "e";
            p = start;
            while (ziffer(p)) {
                gelesen += char(text[p].unicode());
                ++p;
            }
        }
    }
    if (ziffern == 0 || !textZuDouble(gelesen, wert)) {
        status = 1;
        return p;
    }
    status = std::isfinite(wert) ? 0 : 2;
    return p;
}

std::unique_ptr<TData> TScanner::zahlKonvertieren(std::uint8_t art, const QString &text)
{
    double wert = 0.0;
    int status = 0;
    const int gelesen = zahlAmAnfang(text, wert, status);
    if (status == 1)
        return konvertiereFehler(QStringLiteral("Zahl erwartet."));
    if (status == 2)
        return konvertiereFehler(QStringLiteral("Diese Zahl ist zu groß."));
    const QString rest = ohneFuehrendeLeer(text.mid(gelesen));
    if (art == ArtLaenge) {
        double faktor = 0.1; // without a unit: millimetres
        if (!rest.isEmpty()) {
            faktor = Werte::EinheitFaktor(rest);
            if (faktor == 0.0)
                return unbekannt(UnbekanntEinheit, rest, rest + QStringLiteral(" ist keine Längeneinheit."));
        }
        wert *= faktor;
        if (!std::isfinite(wert))
            return konvertiereFehler(QStringLiteral("Diese Zahl ist zu groß."));
    } else if (art == ArtFaktor) {
        // The log shows factors as percentages ("150.000 %"); typing that
        // back must mean 1.5, not 150.
        if (rest.startsWith(QLatin1Char('%')))
            wert /= 100.0;
    } else if (art == ArtWinkel) {
        if (!rest.isEmpty() && rest != QStringLiteral("°"))
            return konvertiereFehler(Grossschreibung(rest) + QStringLiteral(" ist keine Winkeleinheit."));
    }
    return std::make_unique<TData>(wert, art);
}

std::unique_ptr<TData> TScanner::KonvertiereParameter(std::uint8_t art, const QString &roh)
{
    Unbekannt = UnbekanntNichts;
    UnbekanntesWort.clear();
    const QString text = ohneRandLeer(roh);
    switch (art) {
    case ArtFarbwert: {
        if (text.isEmpty())
            return konvertiereFehler(QStringLiteral("Farbe erwartet."));
        if (GleichOhneGross(text, QStringLiteral("unsichtbar")))
            return std::make_unique<TData>(TFarbe::Unsichtbar());
        if (GleichOhneGross(text, QStringLiteral("nicht_einheitlich")))
            return konvertiereFehler(QStringLiteral("Es ist nicht möglich, das Attribut Farbe auf ") + text +
                                     QStringLiteral(" zu setzen."));
        const int index = FarbIndexZuName(text);
        if (index < 0)
            return unbekannt(UnbekanntFarbe, text, QStringLiteral("Es gibt keine Farbe ") + text + QLatin1Char('.'));
        const TBenannteFarbe &f = BenannteFarben[std::size_t(index)];
        return std::make_unique<TData>(TFarbe::Echt(FarbWert(f.Rot, f.Gruen, f.Blau)));
    }
    case ArtLaenge:
    case ArtWinkel:
    case ArtFaktor:
        return zahlKonvertieren(art, text);
    case ArtLinienart: {
        const int code = Werte::WortIndex(Werte::Linienarten(), text);
        if (code == Werte::LinienartNichtEinheitlich)
            return konvertiereFehler(QStringLiteral("Es ist nicht möglich, das Attribut Linienart auf ") +
                                     text + QStringLiteral(" zu setzen."));
        if (code < 0)
            return unbekannt(UnbekanntLinienart, text, text + QStringLiteral(" ist keine Linienart."));
        return std::make_unique<TData>(std::uint8_t(code), std::uint8_t(ArtLinienart));
    }
    case ArtWahrheitswert: {
        const int code = Werte::WortIndex(Werte::Wahrheitswerte(), text);
        if (code < 0)
            return konvertiereFehler(QStringLiteral(" wahr oder falsch erwartet."));
        return std::make_unique<TData>(std::uint8_t(code), std::uint8_t(ArtWahrheitswert));
    }
    case ArtText: {
        if (text.size() < 2 || !text.startsWith(Anfuehrung) || !text.endsWith(Anfuehrung))
            return konvertiereFehler(QStringLiteral("in \"\" eingeschlossene Zeichenkette erwartet."));
        const QString inhalt = text.mid(1, text.size() - 2);
        // Texts are stored as Windows-1252 bytes; refuse what cannot be kept.
        if (Codec1252::ErstesNichtDarstellbares(inhalt) >= 0)
            return konvertiereFehler(QStringLiteral("Dieses Zeichen kann Figuro nicht speichern."));
        return std::make_unique<TData>(inhalt);
    }
    case ArtGanzzahl: {
        int ziffern = 0;
        while (ziffern < text.size() && IstZiffer(text[ziffern]))
            ++ziffern;
        if (ziffern == 0)
            return konvertiereFehler(QStringLiteral("Zahl erwartet."));
        if (ziffern > 8)
            return konvertiereFehler(QStringLiteral("Diese Zahl ist zu lang."));
        return std::make_unique<TData>(std::int32_t(text.left(ziffern).toInt()));
    }
    case ArtObjektverweis: {
        TObjekt *objekt = Dokument ? Dokument->FindeObjekt(text) : nullptr;
        if (!objekt)
            return unbekannt(UnbekanntVerweis, text,
                             QStringLiteral("Ein Objekt mit dem Bezeichner ") + text +
                                 QStringLiteral(" gibt es nicht."));
        if (objekt == Dokument || objekt->Besitzer != Dokument)
            return konvertiereFehler(QStringLiteral("Das Objekt ") + text +
                                     QStringLiteral(" ist bereits in einer anderen Gruppe enthalten."));
        return std::make_unique<TData>(objekt);
    }
    case ArtAbschnittArt: {
        const int code = Werte::WortIndex(Werte::AbschnittArten(), text);
        if (code < 0)
            return unbekannt(UnbekanntAbschnitt, text, text + QStringLiteral(" ist keine LinienAbschnittart."));
        return std::make_unique<TData>(std::uint8_t(code), std::uint8_t(ArtAbschnittArt));
    }
    case ArtAusrichtung: {
        const int code = Werte::WortIndex(Werte::Ausrichtungen(), text);
        if (code < 0)
            return konvertiereFehler(text + QStringLiteral(" ist keine Ausrichtung."));
        return std::make_unique<TData>(std::uint8_t(code), std::uint8_t(ArtAusrichtung));
    }
    default:
        return konvertiereFehler(QStringLiteral("Unbekannte Parameterart."));
    }
}

void TScanner::Ausfuehren(TZeichenflaeche *zf, bool lehrermodus, QString &meldung)
{
    meldung.clear();
    if (!Fehlermeldung.isEmpty() || !Objekt || !Methode)
        return;
    if (!lehrermodus && Objekt->TastaturGesperrt) {
        meldung = TastaturSperreMeldung();
        return;
    }
    TObjekt *objekt = Objekt;
    objekt->MethodeAusfuehren(Methode->Id, Parameter, meldung, zf);
    if (!meldung.isEmpty() || objekt->KlassenId == KlasseDokument || objekt->KlassenId == KlassePunkt)
        return;
    // After a call on a group member the outermost group recomputes.
    TObjekt *aussen = objekt;
    while (aussen->Besitzer && aussen->Besitzer != Dokument)
        aussen = aussen->Besitzer;
    if (aussen != Dokument)
        aussen->GeometrieBerechnen();
}

// ---------------------------------------------------------------- colouring

namespace {

struct TWortschatz {
    QSet<QString> Werte;      // class 1 before vocabulary
    QSet<QString> Vokabeln;   // class 2
    QSet<QString> WerteNach;  // class 1 after vocabulary (colours, units)

    TWortschatz()
    {
        Werte.insert(QStringLiteral("UNSICHTBAR"));
        Werte.insert(QStringLiteral("NICHT_EINHEITLICH"));
        for (const QString &w : Werte::Linienarten())
            Werte.insert(Grossschreibung(w));
        for (const QString &w : Werte::AbschnittArten())
            Werte.insert(Grossschreibung(w));
        for (int id = 0; id < KlassenAnzahl; ++id)
            Vokabeln.insert(Grossschreibung(KlassenNameZuId(id)));
        for (int id = 1; id < MethodenAnzahl; ++id)
            Vokabeln.insert(Grossschreibung(MethodenName(id)));
        for (int id = 0; id < AttributAnzahl; ++id)
            Vokabeln.insert(Grossschreibung(AttributName(id)));
        for (const auto &f : BenannteFarben)
            WerteNach.insert(Grossschreibung(QString::fromUtf16(f.Name)));
        int anzahl = 0;
        const Werte::TEinheit *einheiten = Werte::Einheiten(anzahl);
        for (int k = 0; k < anzahl; ++k)
            WerteNach.insert(Grossschreibung(QString::fromUtf16(einheiten[k].Wort)));
    }

    char klasse(const QString &wort) const
    {
        const QString gross = Grossschreibung(wort);
        if (Werte.contains(gross))
            return TScanner::KlasseWert;
        if (Vokabeln.contains(gross))
            return TScanner::KlasseWortschatz;
        if (WerteNach.contains(gross))
            return TScanner::KlasseWert;
        return TScanner::KlasseSonst;
    }
};

const TWortschatz &wortschatz()
{
    static const TWortschatz w;
    return w;
}

} // namespace

QString TScanner::Farbklassen(const QString &text)
{
    const int n = int(text.size());
    QString klassen(n, QLatin1Char(KlasseSonst));
    int p = 0;
    while (p < n) {
        const QChar c = text[p];
        if (IstBuchstabe(c)) {
            const int a = p;
            while (p < n && IstBezeichnerZeichen(text[p]))
                ++p;
            const char k = wortschatz().klasse(text.mid(a, p - a));
            for (int q = a; q < p; ++q)
                klassen[q] = QLatin1Char(k);
        } else if (IstZiffer(c)) {
            const int a = p;
            while (p < n && IstZiffer(text[p]))
                ++p;
            if (p + 1 < n && text[p] == QLatin1Char('.') && IstZiffer(text[p + 1])) {
                ++p;
                while (p < n && IstZiffer(text[p]))
                    ++p;
            }
            if (p + 1 < n && (text[p] == QLatin1Char('e') || text[p] == QLatin1Char('E'))) {
                // The exponent, with its sign, as the scanner reads it.
                const bool vorzeichen = text[p + 1] == QLatin1Char('-') || text[p + 1] == QLatin1Char('+');
                const int ziffer = p + (vorzeichen ? 2 : 1);
                if (ziffer < n && IstZiffer(text[ziffer])) {
                    p = ziffer;
                    while (p < n && IstZiffer(text[p]))
                        ++p;
                }
            }
            for (int q = a; q < p; ++q)
                klassen[q] = QLatin1Char(KlasseZahl);
            if (a > 0 && text[a - 1] == QLatin1Char('-'))
                klassen[a - 1] = QLatin1Char(KlasseZahl);
        } else {
            ++p;
        }
    }
    return klassen;
}

int TScanner::TextZeichnen(const QString &text, QPainter *leinwand, int erstesZeichen, int x, int y,
                           int breite, int fehlerAnfang, int fehlerEnde, int auswahlAnfang,
                           int auswahlEnde)
{
    if (!leinwand)
        return x;
    static const QColor schriftfarben[4] = {QColor(0, 0, 255), QColor(0, 128, 0), QColor(0, 51, 170),
                                            QColor(0, 0, 0)};
    const QColor fehlerGrund(255, 160, 160);
    const QColor weiss(255, 255, 255);
    const QColor auswahlGrund(0, 0, 255);

    leinwand->save();
    QFont schrift = leinwand->font();
    schrift.setBold(false);
    schrift.setItalic(false);
    schrift.setUnderline(false);
    leinwand->setFont(schrift);
    const QFontMetrics metrik(schrift);
    const int hoehe = metrik.height();
    const int grundlinie = y + metrik.ascent();
    const int auswahlVon = std::min(auswahlAnfang, auswahlEnde);
    const int auswahlBis = std::max(auswahlAnfang, auswahlEnde);

    const QString klassen = Farbklassen(text);
    const int n = int(text.size());
    int q = std::max(erstesZeichen, 1);
    while (q <= n && x < breite) {
        const QChar c = text[q - 1];
        const int w = metrik.horizontalAdvance(c);
        QColor grund = (q >= fehlerAnfang && q <= fehlerEnde) ? fehlerGrund : weiss;
        QColor farbe = schriftfarben[klassen[q - 1].unicode() - u'0'];
        if (q > auswahlVon && q <= auswahlBis) {
            grund = auswahlGrund;
            farbe = weiss;
        }
        leinwand->fillRect(QRect(x, y, w, hoehe), grund);
        leinwand->setPen(farbe);
        leinwand->drawText(QPoint(x, grundlinie), QString(c));
        x += w;
        ++q;
    }
    // An error located after the last character shows as one marked blank.
    if (q == fehlerEnde) {
        const int w = metrik.horizontalAdvance(Leer);
        leinwand->fillRect(QRect(x, y, w, hoehe), fehlerGrund);
        x += w;
    }
    leinwand->restore();
    return x;
}

// A log entry is drawn with the scanner's colouring; the record itself
// belongs to the object model, which knows no scanner.
void TMethodenAufruf::Zeichnen(const QRect &rechteck, int x, QPainter *leinwand, int y) const
{
    if (!leinwand)
        return;
    leinwand->save();
    leinwand->setClipRect(rechteck, Qt::IntersectClip);
    TScanner::TextZeichnen(AnzeigeText(), leinwand, 1, x, y, rechteck.x() + rechteck.width(), -1, -1,
                           -1, -1);
    leinwand->restore();
}
