#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TFarbe;
class TObjekt;
class TXMLTeilspeicher;

// Raised by the typed number readers (AlsZahl, AlsGanzzahl and the
// ...Lesen helpers) when a value is not a finite decimal number. It never
// leaves the document loading: DokumentOeffnen turns it into its message.
class EKonvertierungsFehler
{
public:
    explicit EKonvertierungsFehler(QString meldung) : Meldung(std::move(meldung)) {}
    QString Meldung; // "Ungültige Zahl: " + the value
};

// How values are spelled in Figuro files. The reading functions never throw.
namespace XMLWerte {

// Up to 15 significant digits, no trailing zeros, "." as decimal separator,
// exponent form ("1.5E-7", "2E20") only below 1E-5 or from 1E15 on.
// Values that are not finite are written as "0".
QString ZahlAlsText(double wert);
// While one exists, ZahlAlsText writes 17 significant digits, so every
// number reads back exactly (the undo history's snapshots; files keep 15).
class TExakteZahlen
{
public:
    TExakteZahlen();
    ~TExakteZahlen();
    TExakteZahlen(const TExakteZahlen &) = delete;
    TExakteZahlen &operator=(const TExakteZahlen &) = delete;

private:
    bool alt_;
};
// Every "," is read as "."; false for text that is not a finite number.
bool TextAlsZahl(const QString &text, double &wert);
// Decimal 32-bit integer with optional sign; false otherwise.
bool TextAlsGanzzahl(const QString &text, std::int32_t &wert);

QString WahrheitswertAlsText(bool wert);
// True exactly when the upper-cased text is "WAHR".
bool TextAlsWahrheitswert(const QString &text);

// "Farbe <name>", "Farbe " for an unnamed colour, "Unsichtbar", "NichtEinheitlich".
QString FarbeAlsText(const TFarbe &farbe);
// "Farbe" + any character + a colour name (case-sensitive) sets kind and
// value; an unknown name sets only the kind. A text starting with "N" gives
// the not-uniform kind; anything else the invisible kind.
void TextAlsFarbe(const QString &text, TFarbe &farbe);

// The enumerations: exact, case-sensitive words; unknown words read as 0.
QString LinienartAlsText(std::uint8_t wert);
std::uint8_t TextAlsLinienart(const QString &text);
QString AusrichtungAlsText(std::uint8_t wert);
std::uint8_t TextAlsAusrichtung(const QString &text);
QString SperrzustandAlsText(std::uint8_t wert);
std::uint8_t TextAlsSperrzustand(const QString &text);
QString AbschnittArtAlsText(std::uint8_t wert);
std::uint8_t TextAlsAbschnittArt(const QString &text);

// The message of a number that cannot be converted.
QString UngueltigeZahl(const QString &text);

} // namespace XMLWerte

// One attribute: name and unescaped value.
class TXMLAttribut
{
public:
    TXMLAttribut() = default;
    TXMLAttribut(QString name, QString wert) : Name(std::move(name)), Wert(std::move(wert)) {}

    QString Name;
    QString Wert;

    QString AlsText() const { return Wert; }
    // These two throw EKonvertierungsFehler for text that is not a number.
    std::int32_t AlsGanzzahl() const;
    double AlsZahl() const;
    bool AlsWahrheitswert() const;
    // Fills the given colour (see XMLWerte::TextAlsFarbe).
    void AlsFarbe(TFarbe &farbe) const;
    std::uint8_t AlsLinienart() const;
    std::uint8_t AlsAusrichtung() const;
    std::uint8_t AlsSperrzustand() const;
    std::uint8_t AlsAbschnittArt() const;
};

// One element: name, attributes and children, both in writing order.
class TXMLKnoten
{
public:
    QString Name;
    // Attributes are plain values held in the list (pointers handed out by
    // AttributSuchen/Attribut stay valid until the next attribute is added).
    std::vector<TXMLAttribut> Attribute;
    std::vector<std::unique_ptr<TXMLKnoten>> Kinder;

    // While set, what is written into the element (its name, attributes and
    // children) is appended there as raw values instead: a record that is
    // cheap to make and equal exactly when the written elements are equal.
    // Children record into the same place.
    std::string *Abdruck = nullptr;
    // While set, the objects written with KindSchreiben go to it instead,
    // which keeps their bytes as pieces (they come before the element's
    // other children, see TXMLDOM::AlsStuecke).
    TXMLTeilspeicher *Teilspeicher = nullptr;

    TXMLKnoten() = default;
    explicit TXMLKnoten(QString name) : Name(std::move(name)) {}
    ~TXMLKnoten();
    TXMLKnoten(const TXMLKnoten &) = delete;
    TXMLKnoten &operator=(const TXMLKnoten &) = delete;

    void AttributHinzufuegen(std::unique_ptr<TXMLAttribut> attribut);
    void AttributHinzufuegen(QString name, QString wert);
    void TextHinzufuegen(const QString &name, const QString &wert);
    void GanzzahlHinzufuegen(const QString &name, std::int32_t wert);
    void ZahlHinzufuegen(const QString &name, double wert);
    void WahrheitswertHinzufuegen(const QString &name, bool wert);
    void FarbeHinzufuegen(const QString &name, const TFarbe &wert);
    void LinienartHinzufuegen(const QString &name, std::uint8_t wert);
    void AusrichtungHinzufuegen(const QString &name, std::uint8_t wert);
    void SperrzustandHinzufuegen(const QString &name, std::uint8_t wert);
    void AbschnittArtHinzufuegen(const QString &name, std::uint8_t wert);

    void KindHinzufuegen(std::unique_ptr<TXMLKnoten> kind);
    // The element's name (recorded while there is an Abdruck).
    void NameSetzen(const QString &name);
    // Appends the element of an object (its InXMLSchreiben), or records it.
    void KindSchreiben(const TObjekt &teil);

    // First attribute / child with exactly this name (case-sensitive), or nullptr.
    const TXMLAttribut *AttributSuchen(const QString &name) const;
    TXMLKnoten *KindSuchen(const QString &name) const;

    int AttributAnzahl() const { return int(Attribute.size()); }
    const TXMLAttribut *Attribut(int index) const { return &Attribute[std::size_t(index)]; }
    int KindAnzahl() const { return int(Kinder.size()); }
    TXMLKnoten *Kind(int index) const { return Kinder[std::size_t(index)].get(); }

    // Destroys all attributes and children.
    void Leeren();

    // Reading helpers for the objects: when the attribute exists its value
    // is converted into ziel and true is returned; otherwise ziel keeps its
    // value. ZahlLesen and GanzzahlLesen throw EKonvertierungsFehler.
    bool TextLesen(const QString &name, QString &ziel) const;
    bool GanzzahlLesen(const QString &name, std::int32_t &ziel) const;
    bool ZahlLesen(const QString &name, double &ziel) const;
    bool WahrheitswertLesen(const QString &name, bool &ziel) const;
    bool FarbeLesen(const QString &name, TFarbe &ziel) const;
    bool LinienartLesen(const QString &name, std::uint8_t &ziel) const;
    bool AusrichtungLesen(const QString &name, std::uint8_t &ziel) const;
    bool SperrzustandLesen(const QString &name, std::uint8_t &ziel) const;
    bool AbschnittArtLesen(const QString &name, std::uint8_t &ziel) const;

private:
    // Appends a value to the record: the attribute name, then the raw bytes.
    void abdrucken(const QString &name, const void *daten, qsizetype laenge);
    void textAbdrucken(const QString &name, const QString &wert);
};

// Takes the objects an element writes as its children and keeps the bytes
// of their elements, for example from an earlier writing of the same object.
class TXMLTeilspeicher
{
public:
    virtual ~TXMLTeilspeicher() = default;
    virtual void TeilSchreiben(const TObjekt &teil) = 0;
};
