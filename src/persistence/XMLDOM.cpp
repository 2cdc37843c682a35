#include "persistence/XMLDOM.h"

#include "model/Codec1252.h"

#include <QFile>
#include <QSaveFile>

namespace {

const QString DateiendeText = QStringLiteral("Unerwartetes Dateiende.");

// ---------------------------------------------------------------------------
// Writing

void TextSchreiben(QByteArray &aus, const QString &text)
{
    for (QChar c : text) {
        unsigned char b;
        // Figuro refuses such characters where they are typed; should one
        // slip through, it is written as "?" rather than losing the file.
        aus.append(Codec1252::ByteZuZeichen(c, b) ? char(b) : '?');
    }
}

void WertSchreiben(QByteArray &aus, const QString &wert)
{
    for (QChar c : wert) {
        switch (c.unicode()) {
        case 0: // a raw 0 byte would end the file for the reader
            aus.append("#0 ");
            break;
        case 10:
            aus.append("#10 ");
            break;
        case 13:
            aus.append("#13 ");
            break;
        case 34:
            aus.append("#34 ");
            break;
        case 35:
            aus.append("#35 ");
            break;
        default: {
            unsigned char b;
            aus.append(Codec1252::ByteZuZeichen(c, b) ? char(b) : '?');
        }
        }
    }
}

void KnotenSchreiben(QByteArray &aus, const TXMLKnoten &knoten)
{
    aus.append('<');
    TextSchreiben(aus, knoten.Name);
    aus.append(' ');
    for (const auto &a : knoten.Attribute) {
        TextSchreiben(aus, a->Name);
        aus.append(" = \"");
        WertSchreiben(aus, a->Wert);
        aus.append("\" ");
    }
    aus.append(">\r\n");
    for (const auto &k : knoten.Kinder)
        KnotenSchreiben(aus, *k);
    aus.append("</");
    TextSchreiben(aus, knoten.Name);
    aus.append(">\r\n");
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

    QString Wort()
    {
        QString wort;
        QChar c = LeerzeichenUeberspringen();
        while (!Wortende(c)) {
            wort.append(c);
            c = Zeichen();
        }
        Zurueckgestellt = true;
        return wort;
    }

    QString Wert()
    {
        if (LeerzeichenUeberspringen() != u'"')
            throw EXMLException(QStringLiteral("\" erwartet."));
        QString wert;
        for (;;) {
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
            knoten.Attribute.push_back(std::make_unique<TXMLAttribut>(std::move(name), std::move(wert)));
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
    QByteArray aus;
    aus.reserve(4096);
    aus.append("<?xml version = \"1.0\" ?>\r\n");
    if (WurzelKnoten)
        KnotenSchreiben(aus, *WurzelKnoten);
    return aus;
}

bool TXMLDOM::SpeichernInDatei(const QString &pfad, QString &fehler) const
{
    fehler.clear();
    const QByteArray bytes = AlsBytes();
    QSaveFile datei(pfad);
    if (pfad.isEmpty() || !datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size() || !datei.commit()) {
        datei.cancelWriting();
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
    QByteArray daten = datei.readAll();
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
