#include "persistence/XMLKnoten.h"

#include "model/Farbe.h"
#include "model/Grossschreibung.h"
#include "model/Objekt.h"
#include "model/Werte.h"

#include <charconv>
#include <cmath>

namespace XMLWerte {

namespace {
thread_local bool exakt = false;
}

TExakteZahlen::TExakteZahlen() : alt_(exakt)
{
    exakt = true;
}

TExakteZahlen::~TExakteZahlen()
{
    exakt = alt_;
}

QString ZahlAlsText(double wert)
{
    if (!std::isfinite(wert) || wert == 0.0)
        return QStringLiteral("0");

    // 15 significant digits: d.dddddddddddddde[+-]x (17, which read back
    // to the same double, for the undo history's snapshots)
    char puffer[64];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific, exakt ? 16 : 14);
    const std::string_view text(puffer, std::size_t(ergebnis.ptr - puffer));

    const bool negativ = text.front() == '-';
    const std::size_t ePos = text.find('e');
    std::string ziffern;
    for (std::size_t i = negativ ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.')
            ziffern.push_back(text[i]);
    int exponent = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();

    std::string aus;
    if (negativ)
        aus.push_back('-');
    if (exponent < -5 || exponent >= 15) {
        aus.push_back(ziffern[0]);
        if (ziffern.size() > 1) {
            aus.push_back('.');
            aus.append(ziffern, 1);
        }
        aus.push_back('E');
        aus.append(std::to_string(exponent));
    } else if (exponent < 0) {
        aus.append("0.");
        aus.append(std::size_t(-exponent - 1), '0');
        aus.append(ziffern);
    } else {
        const std::size_t ganz = std::size_t(exponent) + 1;
        if (ziffern.size() <= ganz) {
            aus.append(ziffern);
            aus.append(ganz - ziffern.size(), '0');
        } else {
            aus.append(ziffern, 0, ganz);
            aus.push_back('.');
            aus.append(ziffern, ganz);
        }
    }
    return QString::fromLatin1(aus.data(), qsizetype(aus.size()));
}

namespace {

// Skips blanks and tabs at both ends, as number conversion does.
QStringView OhneRand(const QString &text)
{
    QStringView v(text);
    while (!v.isEmpty() && (v.front() == u' ' || v.front() == u'\t'))
        v = v.mid(1);
    while (!v.isEmpty() && (v.back() == u' ' || v.back() == u'\t'))
        v.chop(1);
    return v;
}

// Only ASCII digits, sign, point and exponent reach from_chars.
bool NurZahlzeichen(QStringView v, bool mitKomma)
{
    for (QChar c : v) {
        const char16_t u = c.unicode();
        const bool ok = (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' ||
                        (mitKomma && (u == u'.' || u == u',' || u == u'e' || u == u'E'));
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

bool TextAlsZahl(const QString &text, double &wert)
{
    const QStringView v = OhneRand(text);
    if (v.isEmpty() || !NurZahlzeichen(v, true))
        return false;
    std::string s;
    s.reserve(std::size_t(v.size()));
    for (QChar c : v)
        s.push_back(c == u',' ? '.' : char(c.unicode()));
    // A leading "+" is accepted as in typed numbers.
    std::size_t anfang = 0;
    if (s[0] == '+') {
        anfang = 1;
        if (s.size() > 1 && s[1] == '-')
            return false;
    }
    // Every character must be used and the mantissa must hold a digit.
    const char *a = s.data() + anfang;
    const char *e = s.data() + s.size();
    double ergebnis = 0;
    const auto r = std::from_chars(a, e, ergebnis, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != e || !std::isfinite(ergebnis))
        return false;
    wert = ergebnis;
    return true;
}

bool TextAlsGanzzahl(const QString &text, std::int32_t &wert)
{
    const QStringView v = OhneRand(text);
    if (v.isEmpty() || !NurZahlzeichen(v, false))
        return false;
    std::string s;
    for (QChar c : v)
        s.push_back(char(c.unicode()));
    std::size_t anfang = 0;
    if (s[0] == '+') {
        anfang = 1;
        if (s.size() > 1 && s[1] == '-')
            return false;
    }
    std::int32_t ergebnis = 0;
    const char *e = s.data() + s.size();
    const auto r = std::from_chars(s.data() + anfang, e, ergebnis, 10);
    if (r.ec != std::errc() || r.ptr != e)
        return false;
    wert = ergebnis;
    return true;
}

QString WahrheitswertAlsText(bool wert)
{
    return wert ? QStringLiteral("wahr") : QStringLiteral("falsch");
}

bool TextAlsWahrheitswert(const QString &text)
{
    return Grossschreibung(text) == QLatin1String("WAHR");
}

QString FarbeAlsText(const TFarbe &farbe)
{
    switch (farbe.FarbArt) {
    case FarbArtFarbe: {
        const auto index = farbe.TabellenIndex();
        QString text = QStringLiteral("Farbe ");
        if (index)
            text += QString::fromUtf16(BenannteFarben[std::size_t(*index)].Name);
        return text;
    }
    case FarbArtUnsichtbar:
        return QStringLiteral("Unsichtbar");
    default:
        return QStringLiteral("NichtEinheitlich");
    }
}

void TextAlsFarbe(const QString &text, TFarbe &farbe)
{
    if (text.startsWith(QLatin1String("Farbe"))) {
        farbe.FarbArt = FarbArtFarbe;
        const QStringView name = QStringView(text).mid(6);
        for (const auto &f : BenannteFarben) {
            if (name == QStringView(f.Name)) {
                farbe.Wert = FarbWert(f.Rot, f.Gruen, f.Blau);
                break;
            }
        }
    } else if (text.startsWith(u'N')) {
        farbe.FarbArt = FarbArtNichtEinheitlich;
    } else {
        farbe.FarbArt = FarbArtUnsichtbar;
    }
}

namespace {

QString Wort(const QStringList &liste, std::uint8_t wert)
{
    return wert < liste.size() ? liste[wert] : liste[0];
}

std::uint8_t Index(const QStringList &liste, const QString &text)
{
    const qsizetype i = liste.indexOf(text); // exact, case-sensitive
    return i < 0 ? 0 : std::uint8_t(i);
}

} // namespace

QString LinienartAlsText(std::uint8_t wert) { return Wort(Werte::Linienarten(), wert); }
std::uint8_t TextAlsLinienart(const QString &text) { return Index(Werte::Linienarten(), text); }
QString AusrichtungAlsText(std::uint8_t wert) { return Wort(Werte::Ausrichtungen(), wert); }
std::uint8_t TextAlsAusrichtung(const QString &text) { return Index(Werte::Ausrichtungen(), text); }
QString SperrzustandAlsText(std::uint8_t wert) { return Wort(Werte::Sperrzustaende(), wert); }
std::uint8_t TextAlsSperrzustand(const QString &text) { return Index(Werte::Sperrzustaende(), text); }
QString AbschnittArtAlsText(std::uint8_t wert) { return Wort(Werte::AbschnittArten(), wert); }
std::uint8_t TextAlsAbschnittArt(const QString &text) { return Index(Werte::AbschnittArten(), text); }

QString UngueltigeZahl(const QString &text)
{
    return QStringLiteral("Ungültige Zahl: ") + text;
}

} // namespace XMLWerte

// ---------------------------------------------------------------------------

std::int32_t TXMLAttribut::AlsGanzzahl() const
{
    std::int32_t wert = 0;
    if (!XMLWerte::TextAlsGanzzahl(Wert, wert))
        throw EKonvertierungsFehler(XMLWerte::UngueltigeZahl(Wert));
    return wert;
}

double TXMLAttribut::AlsZahl() const
{
    double wert = 0;
    if (!XMLWerte::TextAlsZahl(Wert, wert))
        throw EKonvertierungsFehler(XMLWerte::UngueltigeZahl(Wert));
    return wert;
}

bool TXMLAttribut::AlsWahrheitswert() const { return XMLWerte::TextAlsWahrheitswert(Wert); }
void TXMLAttribut::AlsFarbe(TFarbe &farbe) const { XMLWerte::TextAlsFarbe(Wert, farbe); }
std::uint8_t TXMLAttribut::AlsLinienart() const { return XMLWerte::TextAlsLinienart(Wert); }
std::uint8_t TXMLAttribut::AlsAusrichtung() const { return XMLWerte::TextAlsAusrichtung(Wert); }
std::uint8_t TXMLAttribut::AlsSperrzustand() const { return XMLWerte::TextAlsSperrzustand(Wert); }
std::uint8_t TXMLAttribut::AlsAbschnittArt() const { return XMLWerte::TextAlsAbschnittArt(Wert); }

// ---------------------------------------------------------------------------

TXMLKnoten::~TXMLKnoten() = default;

void TXMLKnoten::AttributHinzufuegen(std::unique_ptr<TXMLAttribut> attribut)
{
    if (attribut)
        AttributHinzufuegen(std::move(attribut->Name), std::move(attribut->Wert));
}

void TXMLKnoten::AttributHinzufuegen(QString name, QString wert)
{
    if (Abdruck)
        return textAbdrucken(name, wert);
    // Most elements carry about ten attributes: one allocation for them.
    if (Attribute.empty())
        Attribute.reserve(12);
    Attribute.emplace_back(std::move(name), std::move(wert));
}

void TXMLKnoten::TextHinzufuegen(const QString &name, const QString &wert)
{
    AttributHinzufuegen(name, wert); // records while there is an Abdruck
}

void TXMLKnoten::textAbdrucken(const QString &name, const QString &wert)
{
    const qsizetype laenge = wert.size();
    abdrucken(name, &laenge, sizeof laenge);
    Abdruck->append(reinterpret_cast<const char *>(wert.constData()), std::size_t(laenge) * sizeof(QChar));
}

void TXMLKnoten::GanzzahlHinzufuegen(const QString &name, std::int32_t wert)
{
    if (Abdruck)
        return abdrucken(name, &wert, sizeof wert);
    TextHinzufuegen(name, QString::number(wert));
}

void TXMLKnoten::ZahlHinzufuegen(const QString &name, double wert)
{
    if (Abdruck)
        return abdrucken(name, &wert, sizeof wert);
    TextHinzufuegen(name, XMLWerte::ZahlAlsText(wert));
}

void TXMLKnoten::WahrheitswertHinzufuegen(const QString &name, bool wert)
{
    if (Abdruck)
        return abdrucken(name, &wert, sizeof wert);
    TextHinzufuegen(name, XMLWerte::WahrheitswertAlsText(wert));
}

void TXMLKnoten::FarbeHinzufuegen(const QString &name, const TFarbe &wert)
{
    if (Abdruck) {
        const char roh[5] = {char(wert.FarbArt), char(wert.Wert), char(wert.Wert >> 8), char(wert.Wert >> 16),
                             char(wert.Wert >> 24)};
        return abdrucken(name, roh, sizeof roh);
    }
    TextHinzufuegen(name, XMLWerte::FarbeAlsText(wert));
}

void TXMLKnoten::LinienartHinzufuegen(const QString &name, std::uint8_t wert)
{
    if (Abdruck)
        return abdrucken(name, &wert, sizeof wert);
    TextHinzufuegen(name, XMLWerte::LinienartAlsText(wert));
}

void TXMLKnoten::AusrichtungHinzufuegen(const QString &name, std::uint8_t wert)
{
    if (Abdruck)
        return abdrucken(name, &wert, sizeof wert);
    TextHinzufuegen(name, XMLWerte::AusrichtungAlsText(wert));
}

void TXMLKnoten::SperrzustandHinzufuegen(const QString &name, std::uint8_t wert)
{
    if (Abdruck)
        return abdrucken(name, &wert, sizeof wert);
    TextHinzufuegen(name, XMLWerte::SperrzustandAlsText(wert));
}

void TXMLKnoten::AbschnittArtHinzufuegen(const QString &name, std::uint8_t wert)
{
    if (Abdruck)
        return abdrucken(name, &wert, sizeof wert);
    TextHinzufuegen(name, XMLWerte::AbschnittArtAlsText(wert));
}

void TXMLKnoten::KindHinzufuegen(std::unique_ptr<TXMLKnoten> kind)
{
    if (kind)
        Kinder.push_back(std::move(kind));
}

void TXMLKnoten::NameSetzen(const QString &name)
{
    if (Abdruck)
        return abdrucken(name, nullptr, 0);
    Name = name;
}

void TXMLKnoten::KindSchreiben(const TObjekt &teil)
{
    if (Abdruck) {
        // Begin and end marked, so that what follows the child cannot be
        // taken for a part of it.
        Abdruck->push_back('<');
        TXMLKnoten kind;
        kind.Abdruck = Abdruck;
        teil.InXMLSchreiben(kind);
        Abdruck->push_back('>');
        return;
    }
    if (Teilspeicher)
        return Teilspeicher->TeilSchreiben(teil);
    auto kind = std::make_unique<TXMLKnoten>();
    teil.InXMLSchreiben(*kind);
    Kinder.push_back(std::move(kind));
}

void TXMLKnoten::abdrucken(const QString &name, const void *daten, qsizetype laenge)
{
    // A name in static storage (the literals the objects write) is its
    // address, which never holds another text; any other name is its
    // UTF-16 code units with a closing 0. A mark tells which.
    if (!name.data_ptr().isMutable() && !name.isEmpty()) {
        const QChar *adresse = name.constData();
        Abdruck->push_back('\1');
        Abdruck->append(reinterpret_cast<const char *>(&adresse), sizeof adresse);
    } else {
        Abdruck->push_back('\2');
        Abdruck->append(reinterpret_cast<const char *>(name.constData()), std::size_t(name.size()) * sizeof(QChar));
        Abdruck->append("\0\0", 2);
    }
    if (laenge)
        Abdruck->append(static_cast<const char *>(daten), std::size_t(laenge));
}

const TXMLAttribut *TXMLKnoten::AttributSuchen(const QString &name) const
{
    for (const auto &a : Attribute)
        if (a.Name == name)
            return &a;
    return nullptr;
}

TXMLKnoten *TXMLKnoten::KindSuchen(const QString &name) const
{
    for (const auto &k : Kinder)
        if (k->Name == name)
            return k.get();
    return nullptr;
}

void TXMLKnoten::Leeren()
{
    Attribute.clear();
    Kinder.clear();
}

bool TXMLKnoten::TextLesen(const QString &name, QString &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        ziel = a->Wert;
    return a != nullptr;
}

bool TXMLKnoten::GanzzahlLesen(const QString &name, std::int32_t &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        ziel = a->AlsGanzzahl();
    return a != nullptr;
}

bool TXMLKnoten::ZahlLesen(const QString &name, double &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        ziel = a->AlsZahl();
    return a != nullptr;
}

bool TXMLKnoten::WahrheitswertLesen(const QString &name, bool &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        ziel = a->AlsWahrheitswert();
    return a != nullptr;
}

bool TXMLKnoten::FarbeLesen(const QString &name, TFarbe &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        a->AlsFarbe(ziel);
    return a != nullptr;
}

bool TXMLKnoten::LinienartLesen(const QString &name, std::uint8_t &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        ziel = a->AlsLinienart();
    return a != nullptr;
}

bool TXMLKnoten::AusrichtungLesen(const QString &name, std::uint8_t &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        ziel = a->AlsAusrichtung();
    return a != nullptr;
}

bool TXMLKnoten::SperrzustandLesen(const QString &name, std::uint8_t &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        ziel = a->AlsSperrzustand();
    return a != nullptr;
}

bool TXMLKnoten::AbschnittArtLesen(const QString &name, std::uint8_t &ziel) const
{
    const TXMLAttribut *a = AttributSuchen(name);
    if (a)
        ziel = a->AlsAbschnittArt();
    return a != nullptr;
}
