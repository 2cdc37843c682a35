#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

// The value words of the method-call language, files and dialogs. The
// index of a word in its list is its numeric code.
namespace Werte {

// Line styles: 0 nicht_einheitlich (mixed selections only), 1 durchgezogen,
// 2 gestrichelt, 3 breitgestrichelt, 4 gepunktelt, 5 gestrichpunktelt.
const QStringList &Linienarten();
// Segment kinds of a polyline vertex: 0 gerade, 1 gekrümmt.
const QStringList &AbschnittArten();
// Text alignments: 0 linksbündig, 1 rechtsbündig, 2 zentriert, 3 Blocksatz.
const QStringList &Ausrichtungen();
// Truth values: 0 falsch, 1 wahr.
const QStringList &Wahrheitswerte();
// Lock states: 0 erlaubt, 1 nicht_erlaubt, 2 nicht_einheitlich.
const QStringList &Sperrzustaende();

struct TEinheit {
    const char16_t *Wort; // as compared after Grossschreibung
    double FaktorZuCm;
};
// Length units UM, MM, CM, DM, M, KM.
const TEinheit *Einheiten(int &anzahl);
// Factor to cm for a unit word (any case), or 0 when unknown.
double EinheitFaktor(const QString &wort);

// Index of word in list after Grossschreibung of both sides, or -1.
int WortIndex(const QStringList &liste, const QString &wort);

QString Wahrheitswort(bool wert);

enum TLinienArtCode : std::uint8_t {
    LinienartNichtEinheitlich = 0,
    LinienartDurchgezogen = 1,
    LinienartGestrichelt = 2,
    LinienartBreitgestrichelt = 3,
    LinienartGepunktelt = 4,
    LinienartGestrichpunktelt = 5,
};
enum TAbschnittArtCode : std::uint8_t { AbschnittGerade = 0, AbschnittGekruemmt = 1 };
enum TAusrichtungCode : std::uint8_t {
    AusrichtungLinksbuendig = 0,
    AusrichtungRechtsbuendig = 1,
    AusrichtungZentriert = 2,
    AusrichtungBlocksatz = 3,
};
enum TSperrzustand : std::uint8_t { SperreErlaubt = 0, SperreNichtErlaubt = 1, SperreNichtEinheitlich = 2 };

} // namespace Werte
