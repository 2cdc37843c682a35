#include "persistence/XMLDOM.h"

#include "model/Codec1252.h"
#include "persistence/Dateischreiben.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>
#include <unordered_map>

namespace {

const QString DateiendeText = QStringLiteral("Unerwartetes Dateiende.");

// ---------------------------------------------------------------------------
// Writing

// Writes into a byte buffer that grows as needed; every text goes through
// the Windows-1252 codec.
class TSchreiber
{
public:
    explicit TSchreiber(qsizetype geschaetzt) { Puffer.resize(geschaetzt > 64 ? geschaetzt : 64); }

    QByteArray Ergebnis()
    {
        Puffer.truncate(Laenge);
        return std::move(Puffer);
    }

    void Roh(const char *text, qsizetype n)
    {
        Platz(n);
        std::memcpy(Puffer.data() + Laenge, text, std::size_t(n));
        Laenge += n;
    }
    template <qsizetype N> void Roh(const char (&text)[N]) { Roh(text, N - 1); }

    // A name: every character as its byte.
    void Text(const QString &text)
    {
        Platz(text.size());
        char *z = Puffer.data() + Laenge;
        for (QChar c : text)
            *z++ = Byte(c);
        Laenge += text.size();
    }

    // A value: line ends, quotes and "#" as numeric escapes.
    void Wert(const QString &wert)
    {
        Platz(4 * wert.size());
        char *z = Puffer.data() + Laenge;
        for (QChar c : wert) {
            switch (c.unicode()) {
            case 0: // a raw 0 byte would end the file for the reader
                z = Kopieren(z, "#0 ");
                break;
            case 10:
                z = Kopieren(z, "#10 ");
                break;
            case 13:
                z = Kopieren(z, "#13 ");
                break;
            case 34:
                z = Kopieren(z, "#34 ");
                break;
            case 35:
                z = Kopieren(z, "#35 ");
                break;
            default:
                *z++ = Byte(c);
            }
        }
        Laenge = z - Puffer.data();
    }

private:
    QByteArray Puffer;
    qsizetype Laenge = 0;

    void Platz(qsizetype n)
    {
        if (Laenge + n > Puffer.size())
            Puffer.resize(std::max(2 * Puffer.size(), Laenge + n));
    }

    template <std::size_t N> static char *Kopieren(char *z, const char (&text)[N])
    {
        std::memcpy(z, text, N - 1);
        return z + (N - 1);
    }

    static char Byte(QChar c)
    {
        const char16_t u = c.unicode();
        if (u < 0x80)
            return char(u);
        unsigned char b;
        // Figuro refuses such characters where they are typed; should one
        // slip through, it is written as "?" rather than losing the file.
        return Codec1252::ByteZuZeichen(c, b) ? char(b) : '?';
    }
};

// The size of the written element, close enough to reserve the output once
// (escapes may add a few bytes).
qsizetype Groesse(const TXMLKnoten &knoten)
{
    qsizetype n = 2 * knoten.Name.size() + 9;
    for (const auto &a : knoten.Attribute)
        n += a.Name.size() + a.Wert.size() + 6;
    for (const auto &k : knoten.Kinder)
        n += Groesse(*k);
    return n;
}

void KopfSchreiben(TSchreiber &aus, const TXMLKnoten &knoten)
{
    aus.Roh("<");
    aus.Text(knoten.Name);
    aus.Roh(" ");
    for (const auto &a : knoten.Attribute) {
        aus.Text(a.Name);
        aus.Roh(" = \"");
        aus.Wert(a.Wert);
        aus.Roh("\" ");
    }
    aus.Roh(">\r\n");
}

void FussSchreiben(TSchreiber &aus, const TXMLKnoten &knoten)
{
    aus.Roh("</");
    aus.Text(knoten.Name);
    aus.Roh(">\r\n");
}

void KnotenSchreiben(TSchreiber &aus, const TXMLKnoten &knoten)
{
    KopfSchreiben(aus, knoten);
    for (const auto &k : knoten.Kinder)
        KnotenSchreiben(aus, *k);
    FussSchreiben(aus, knoten);
}

// ---------------------------------------------------------------------------
// Reading

class TXMLLeser
{
public:
    TXMLLeser(const QByteArray &daten) : Daten(reinterpret_cast<const unsigned char *>(daten.constData()))
    {
        // A 0 byte is the end of the input, like the end of the file.
        const qsizetype null = daten.indexOf('\0');
        Laenge = null < 0 ? daten.size() : null;
    }

    int Zeile = 1;
    int Spalte = 0;

    void Deklaration(TXMLKnoten &kopf)
    {
        const QChar c = LeerzeichenUeberspringen();
        if (c.isNull())
            throw EXMLException(DateiendeText);
        if (c != u'<')
            throw EXMLException(QStringLiteral("Falsches Zeichen: < erwartet."));
        if (Zeichen() != u'?')
            throw EXMLException(QStringLiteral("? erwartet."));
        if (Wort() != QLatin1String("xml"))
            throw EXMLException(QStringLiteral("xml erwartet."));
        kopf.Name = QStringLiteral("xml");
        Zeichen();
        AttributListe(kopf);
    }

    // Returns the element, or nullptr for an end tag (name in tagName).
    std::unique_ptr<TXMLKnoten> Element(QString &tagName, int tiefe)
    {
        QChar c = LeerzeichenUeberspringen();
        if (c.isNull())
            throw EXMLException(DateiendeText);
        if (c != u'<')
            throw EXMLException(QStringLiteral("< erwartet."));
        const bool endeTag = Zeichen() == u'/';
        if (!endeTag)
            Zurueckgestellt = true;
        tagName = Wort();
        if (tagName.isEmpty())
            throw EXMLException(QStringLiteral("Bezeichner erwartet."));
        if (endeTag) {
            if (LeerzeichenUeberspringen() != u'>')
                throw EXMLException(QStringLiteral("> erwartet."));
            return nullptr;
        }
        if (tiefe > TXMLDOM::MaxTiefe)
            throw EXMLException(QStringLiteral("Die Datei ist zu tief verschachtelt."));

        auto knoten = std::make_unique<TXMLKnoten>(tagName);
        if (AttributListe(*knoten))
            return knoten;
        for (;;) {
            QString name;
            auto kind = Element(name, tiefe + 1);
            if (!kind) {
                if (name != knoten->Name)
                    throw EXMLException(QStringLiteral("Anfangstag(") + knoten->Name + QStringLiteral(") und Ende-Tag(") +
                                        name + QStringLiteral(") stimmen nicht überein."));
                break;
            }
            knoten->KindHinzufuegen(std::move(kind));
        }
        return knoten;
    }

private:
    const unsigned char *Daten;
    qsizetype Laenge = 0;
    qsizetype Position = 0;
    QChar LetztesZeichen;
    bool Zurueckgestellt = false;
    // Keys point into the input, which outlives the reader.
    std::unordered_map<std::string_view, QString> Bekannte;

    // The next character; 0 at the end; line ends read as blanks.
    QChar Zeichen()
    {
        if (Zurueckgestellt) {
            Zurueckgestellt = false;
            return LetztesZeichen;
        }
        if (Position >= Laenge) {
            LetztesZeichen = QChar(0);
            return LetztesZeichen;
        }
        const unsigned char b = Daten[Position++];
        if (b == '\n') {
            ++Zeile;
            Spalte = 0;
        } else {
            ++Spalte;
        }
        LetztesZeichen = (b == '\n' || b == '\r') ? QChar(u' ') : Codec1252::ZeichenZuByte(b);
        return LetztesZeichen;
    }

    QChar LeerzeichenUeberspringen()
    {
        QChar c;
        do
            c = Zeichen();
        while (c == u' ');
        return c;
    }

    static bool Wortende(QChar c)
    {
        const char16_t u = c.unicode();
        return u == 0 || u == u' ' || u == u'/' || u == u'<' || u == u'>' || u == u'?';
    }

    static bool Wortendebyte(unsigned char b)
    {
        return b == ' ' || b == '\r' || b == '\n' || b == '/' || b == '<' || b == '>' || b == '?';
    }

    static QChar Dekodiert(unsigned char b)
    {
        return (b == '\n' || b == '\r') ? QChar(u' ') : Codec1252::ZeichenZuByte(b);
    }

    void Anhaengen(QString &ziel, qsizetype von, qsizetype bis) const
    {
        const qsizetype alt = ziel.size();
        ziel.resize(alt + (bis - von));
        QChar *z = ziel.data() + alt;
        for (qsizetype i = von; i < bis; ++i)
            *z++ = Dekodiert(Daten[i]);
    }

    // Names and short values recur throughout a file ("Linienfarbe",
    // "Farbe schwarz", "0"); equal byte runs share one string.
    QString Gemeinsam(qsizetype von, qsizetype bis)
    {
        const qsizetype n = bis - von;
        if (n > 40) {
            QString s;
            Anhaengen(s, von, bis);
            return s;
        }
        const std::string_view schluessel(reinterpret_cast<const char *>(Daten + von), std::size_t(n));
        const auto it = Bekannte.find(schluessel);
        if (it != Bekannte.end())
            return it->second;
        QString s;
        Anhaengen(s, von, bis);
        if (Bekannte.size() < 8192)
            Bekannte.emplace(schluessel, s);
        return s;
    }

    QString Wort()
    {
        const QChar c = LeerzeichenUeberspringen();
        if (Wortende(c)) {
            Zurueckgestellt = true;
            return QString();
        }
        // The first character was the byte before Position (a pushed-back
        // character is always the last byte read); the rest is scanned in
        // one go.
        const qsizetype anfang = Position - 1;
        while (Position < Laenge && !Wortendebyte(Daten[Position])) {
            ++Position;
            ++Spalte;
        }
        QString wort = Gemeinsam(anfang, Position);
        Zeichen();
        Zurueckgestellt = true;
        return wort;
    }

    QString Wert()
    {
        if (LeerzeichenUeberspringen() != u'"')
            throw EXMLException(QStringLiteral("\" erwartet."));
        QString wert;
        bool erstesStueck = true;
        for (;;) {
            if (!Zurueckgestellt) {
                // Plain characters up to the quote, an escape or the end.
                const qsizetype anfang = Position;
                while (Position < Laenge && Daten[Position] != '"' && Daten[Position] != '#') {
                    if (Daten[Position] == '\n') {
                        ++Zeile;
                        Spalte = 0;
                    } else {
                        ++Spalte;
                    }
                    ++Position;
                }
                if (Position > anfang) {
                    if (erstesStueck && Position < Laenge && Daten[Position] == '"')
                        wert = Gemeinsam(anfang, Position);
                    else
                        Anhaengen(wert, anfang, Position);
                }
                erstesStueck = false;
            }
            const QChar c = Zeichen();
            if (c.isNull())
                throw EXMLException(DateiendeText);
            if (c == u'"')
                return wert;
            if (c != u'#') {
                wert.append(c);
                continue;
            }
            // "#" digits blank: the character with that code modulo 256.
            QString ziffern;
            for (;;) {
                const QChar z = Zeichen();
                if (z == u' ')
                    break;
                if (z.isNull()) {
                    Zurueckgestellt = true;
                    break;
                }
                ziffern.append(z);
            }
            std::int32_t code = 0;
            if (!XMLWerte::TextAlsGanzzahl(ziffern, code) || ziffern.contains(u'\t'))
                throw EXMLException(XMLWerte::UngueltigeZahl(ziffern));
            wert.append(Codec1252::ZeichenZuByte(static_cast<unsigned char>(((code % 256) + 256) % 256)));
        }
    }

    // Reads "name = value" pairs; returns true when the element is empty
    // ("/>" or "?>"), false when children and an end tag follow (">").
    bool AttributListe(TXMLKnoten &knoten)
    {
        for (;;) {
            QString name = Wort();
            if (name.isEmpty())
                break;
            if (Wort() != QLatin1String("="))
                throw EXMLException(QStringLiteral("= erwartet."));
            QString wert = Wert();
            knoten.AttributHinzufuegen(std::move(name), std::move(wert));
        }
        const QChar c = Zeichen();
        if (c == u'>')
            return false;
        if (c == u'/' || c == u'?') {
            if (Zeichen() != u'>')
                throw EXMLException(QStringLiteral("> erwartet."));
            return true;
        }
        throw EXMLException(DateiendeText);
    }
};

} // namespace

// ---------------------------------------------------------------------------

TXMLDOM::TXMLDOM() = default;
TXMLDOM::~TXMLDOM() = default;

TXMLKnoten *TXMLDOM::NeueWurzel()
{
    WurzelKnoten = std::make_unique<TXMLKnoten>();
    return WurzelKnoten.get();
}

TXMLKnoten *TXMLDOM::NeuesKind(TXMLKnoten *eltern)
{
    auto kind = std::make_unique<TXMLKnoten>();
    TXMLKnoten *zeiger = kind.get();
    eltern->KindHinzufuegen(std::move(kind));
    return zeiger;
}

QByteArray TXMLDOM::AlsBytes() const
{
    TSchreiber aus(64 + (WurzelKnoten ? Groesse(*WurzelKnoten) * 21 / 20 : 0));
    aus.Roh("<?xml version = \"1.0\" ?>\r\n");
    if (WurzelKnoten)
        KnotenSchreiben(aus, *WurzelKnoten);
    return aus.Ergebnis();
}

QList<QByteArray> TXMLDOM::AlsStuecke(const QList<QByteArray> &ersteKinder) const
{
    QList<QByteArray> stuecke;
    stuecke.reserve(ersteKinder.size() + 2);
    TSchreiber kopf(256);
    kopf.Roh("<?xml version = \"1.0\" ?>\r\n");
    if (WurzelKnoten)
        KopfSchreiben(kopf, *WurzelKnoten);
    stuecke.push_back(kopf.Ergebnis());
    stuecke.append(ersteKinder);
    TSchreiber rest(WurzelKnoten ? Groesse(*WurzelKnoten) : 0);
    if (WurzelKnoten) {
        for (const auto &k : WurzelKnoten->Kinder)
            KnotenSchreiben(rest, *k);
        FussSchreiben(rest, *WurzelKnoten);
    }
    stuecke.push_back(rest.Ergebnis());
    return stuecke;
}

QByteArray TXMLDOM::KnotenAlsBytes(const TXMLKnoten &knoten)
{
    TSchreiber aus(Groesse(knoten) * 21 / 20);
    KnotenSchreiben(aus, knoten);
    return aus.Ergebnis();
}

bool TXMLDOM::SpeichernInDatei(const QString &pfad, QString &fehler) const
{
    fehler.clear();
    if (!DateiSicherSchreiben(pfad, AlsBytes())) {
        fehler = QStringLiteral("Fehler beim Öffnend er Datei.");
        return false;
    }
    return true;
}

bool TXMLDOM::LadenAusDatei(const QString &pfad, QString &fehler)
{
    WurzelKnoten.reset();
    KopfKnoten.Name.clear();
    KopfKnoten.Leeren();
    Zeile = Spalte = 0;
    fehler.clear();

    QFile datei(pfad);
    if (pfad.isEmpty() || !datei.open(QIODevice::ReadOnly)) {
        fehler = QStringLiteral("Fehler beim Öffnen der Datei.");
        return false;
    }
    QByteArray daten;
    try {
        daten = datei.readAll();
    } catch (const std::bad_alloc &) {
        fehler = QStringLiteral("Die Datei ist zu groß.");
        return false;
    }
    if (datei.error() != QFileDevice::NoError) {
        fehler = QStringLiteral("Fehler beim Öffnen der Datei.");
        return false;
    }
    datei.close();
    return LadenAusBytes(daten, fehler);
}

bool TXMLDOM::LadenAusBytes(const QByteArray &daten, QString &fehler)
{
    WurzelKnoten.reset();
    KopfKnoten.Name.clear();
    KopfKnoten.Leeren();
    Zeile = Spalte = 0;
    fehler.clear();

    TXMLLeser leser(daten);
    try {
        leser.Deklaration(KopfKnoten);
        QString name;
        auto wurzel = leser.Element(name, 1);
        if (!wurzel)
            throw EXMLException(DateiendeText);
        WurzelKnoten = std::move(wurzel);
        return true;
    } catch (const EXMLException &e) {
        fehler = e.Meldung;
    } catch (const std::bad_alloc &) {
        fehler = QStringLiteral("Die Datei ist zu groß.");
    }
    KopfKnoten.Name.clear();
    KopfKnoten.Leeren();
    Zeile = leser.Zeile;
    Spalte = leser.Spalte;
    return false;
}

QString TXMLDOM::FehlerMitPosition(const QString &fehler) const
{
    if (Zeile <= 0)
        return fehler;
    return fehler + QStringLiteral(" (Zeile %1, Spalte %2)").arg(Zeile).arg(Spalte);
}
