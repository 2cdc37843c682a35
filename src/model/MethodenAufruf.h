#pragma once
#include "model/Data.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;
class QRect;
class TObjekt;

// One logged method call with its argument values and the calls made while
// it was open.
class TMethodenAufruf
{
public:
    // Takes the object's current name and preview flag and the recorder's
    // typed-call marker.
    TMethodenAufruf(std::uint8_t methodenId, const TObjekt &objekt);
    // A record built from plain values (tests, replays).
    TMethodenAufruf(std::uint8_t methodenId, const QString &objektName, bool unterdrueckt = false,
                    bool ausEingabefeld = false);

    std::uint8_t MethodenId;
    QString ObjektName;
    // Held by value (one allocation for all arguments): the log keeps many
    // records. A creation record keeps the class name in its first value.
    std::vector<TData> Parameter;
    std::vector<std::unique_ptr<TMethodenAufruf>> Unteraufrufe;
    bool Unterdrueckt = false;
    bool AusEingabefeld = false;

    // Appenders, one per value kind; each returns the record for chaining.
    TMethodenAufruf &FarbeHinzufuegen(const TFarbe &farbe);
    TMethodenAufruf &LaengeHinzufuegen(double cm);
    TMethodenAufruf &WinkelHinzufuegen(double grad);
    TMethodenAufruf &LinienartHinzufuegen(std::uint8_t code);
    TMethodenAufruf &WahrheitswertHinzufuegen(bool wert);
    TMethodenAufruf &TextHinzufuegen(const QString &text);
    TMethodenAufruf &GanzzahlHinzufuegen(std::int32_t wert);
    TMethodenAufruf &FaktorHinzufuegen(double faktor);
    TMethodenAufruf &ObjektHinzufuegen(TObjekt *objekt);
    TMethodenAufruf &AbschnittArtHinzufuegen(std::uint8_t code);
    TMethodenAufruf &AusrichtungHinzufuegen(std::uint8_t code);
    TMethodenAufruf &WertHinzufuegen(const TData &wert);

    void UnteraufrufHinzufuegen(std::unique_ptr<TMethodenAufruf> aufruf);

    // "re0:RECHTECK", "re0.freigeben()", "re0.verschieben( 2.00 cm, 10.00 mm )",
    // "lz0.schließen(  )".
    QString AnzeigeText() const;
    // Appends AnzeigeText to `ziel` (the console runner writes long logs).
    void AnzeigeTextAnhaengen(QString &ziel) const;
    // The same text as a call to type again: texts are written in full
    // instead of being shortened after 35 characters, and a text at the end
    // is followed directly by ")", as the scanner requires
    // (tf0.textSetzen( "Hallo")).
    QString EingabeText() const;

    // Draws AnzeigeText syntax-coloured from its first character at (x, y),
    // clipped at the rectangle's right edge, without error or selection
    // marks (the analyser's list).
    // Defined in language/Scanner.cpp next to the colouring it uses.
    void Zeichnen(const QRect &rechteck, int x, QPainter *leinwand, int y) const;

    // Number of records in this subtree including this one.
    int AnzahlMitUnteraufrufen() const;
};
