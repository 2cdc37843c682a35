#pragma once
#include "model/Data.h"

#include <QString>
#include <cstdint>
#include <memory>

class QPainter;
class TDokument;
class TMethode;
class TObjekt;
class TZeichenflaeche;

// Reads one typed method call ("re0.verschieben(2 cm, 1 cm)") in a single
// left-to-right pass: finds the object and the method, converts every
// argument to the kind the method expects, and keeps either the ready call
// or the first error with its German message and the character range to
// mark. The same pass notes which word the caret stands in, for code
// completion. Positions are 1-based (QString index plus 1); the caret counts
// the characters before it. Nothing thrown inside ever leaves the scanner.
class TScanner
{
public:
    // Which word the caret is in.
    enum : std::uint8_t { ZustandKeiner = 0, ZustandObjekt = 1, ZustandMethode = 2, ZustandParameter = 3 };

    TScanner() = default;
    TScanner(const TScanner &) = delete;
    TScanner &operator=(const TScanner &) = delete;

    std::uint8_t Zustand = ZustandKeiner;
    int ParameterIndex = 0;        // with Zustand 3
    std::uint8_t ParameterArt = 0; // with Zustand 3: the expected TDataArt
    QString Praefix;               // the caret word's part left of the caret
    QString Wort;                  // the caret's whole word
    int WortAnfang = 0;            // first position of the word
    int WortEnde = 0;              // WortAnfang + length of the word
    QString ObjektName;            // as typed
    TObjekt *Objekt = nullptr;
    const TMethode *Methode = nullptr;
    TDataListe Parameter;          // converted arguments, owned by the scanner
    int FehlerAnfang = -1;
    int FehlerEnde = -1;
    QString Fehlermeldung;         // empty exactly when the text is a complete, valid call
    TDokument *Dokument = nullptr;

    // When the error is a name that does not exist in its place: which kind
    // of name, the name as typed (trimmed) and the first position of the
    // word that holds it (the object or method name, or the argument).
    // "Meintest du ...?" looks for a near name of that kind.
    enum : std::uint8_t {
        UnbekanntNichts = 0,
        UnbekanntObjekt,      // the object before the dot
        UnbekanntMethode,     // a method of Objekt
        UnbekanntFarbe,
        UnbekanntLinienart,
        UnbekanntEinheit,     // the unit after a length
        UnbekanntAbschnitt,   // a segment kind
        UnbekanntVerweis,     // an object named as an argument
    };
    std::uint8_t Unbekannt = UnbekanntNichts;
    QString UnbekanntesWort;
    int UnbekanntAnfang = 0;

    // Parses text with the caret after `einfuegemarke` characters against the
    // objects of the document.
    void Analysieren(const QString &text, int einfuegemarke, TDokument *dokument);

    // Converts one argument text to a value of the given kind; on failure sets
    // Fehlermeldung and returns nothing. Names are looked up in `Dokument`.
    std::unique_ptr<TData> KonvertiereParameter(std::uint8_t art, const QString &text);

    // Runs the analysed call (only when it is valid): keyboard-lock check,
    // dispatch, and recomputing the outermost figure. `meldung` receives the
    // method's result text.
    void Ausfuehren(TZeichenflaeche *zf, bool lehrermodus, QString &meldung);

    // --- syntax colouring ---
    enum : char { KlasseZahl = '0', KlasseWert = '1', KlasseWortschatz = '2', KlasseSonst = '3' };
    // One class code per character: '0' number, '1' value word,
    // '2' vocabulary word (class, method, attribute), '3' anything else.
    static QString Farbklassen(const QString &text);

    // Draws text character by character from position erstesZeichen at pixel
    // (x, y) (y is the top of the line) while characters remain and x is less
    // than breite; coloured by class, error range (positions, inclusive) on
    // light red, selection (two caret positions) white on blue. Uses the
    // painter's font family and size, always upright and not bold. Returns the
    // x after the last character drawn.
    static int TextZeichnen(const QString &text, QPainter *leinwand, int erstesZeichen, int x,
                            int y, int breite, int fehlerAnfang, int fehlerEnde,
                            int auswahlAnfang, int auswahlEnde);

    // --- helpers shared with completion and tests ---
    static bool IstBuchstabe(QChar c);
    static bool IstZiffer(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
    static bool IstBezeichnerZeichen(QChar c) { return IstBuchstabe(c) || IstZiffer(c); }

    // The lock message of typed calls.
    static QString TastaturSperreMeldung();

private:
    struct EScanException {};
    [[noreturn]] void fehler(const QString &meldung, int anfang, int ende);
    [[noreturn]] void fehlerBei(const QString &meldung, int position);
    void wortMerken(std::uint8_t zustand, const QString &wort, int anfang, int einfuegemarke);
    std::unique_ptr<TData> zahlKonvertieren(std::uint8_t art, const QString &text);
    std::unique_ptr<TData> konvertiereFehler(const QString &meldung);
    std::unique_ptr<TData> unbekannt(std::uint8_t art, const QString &wort, const QString &meldung);

    QString text_;
    int laenge_ = 0;
    int i_ = 1;
};
