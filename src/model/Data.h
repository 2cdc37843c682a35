#pragma once
#include "model/Farbe.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TObjekt;

// The eleven value kinds; also the parameter kinds of the method catalogue.
enum TDataArt : std::uint8_t {
    ArtFarbwert = 0,
    ArtLaenge = 1,
    ArtWinkel = 2,
    ArtLinienart = 3,
    ArtWahrheitswert = 4,
    ArtText = 5,
    ArtGanzzahl = 6,
    ArtFaktor = 7,
    ArtObjektverweis = 8,
    ArtAbschnittArt = 9,
    ArtAusrichtung = 10,
};

// One tagged value of one of the eleven kinds.
class TData
{
public:
    // Colour (a copy is kept).
    explicit TData(const TFarbe &farbe);
    // Kinds 1, 2 and 7.
    TData(double zahl, std::uint8_t art);
    // Kinds 3, 4, 9 and 10.
    TData(std::uint8_t code, std::uint8_t art);
    explicit TData(std::int32_t ganzzahl);
    explicit TData(const QString &text);
    explicit TData(TObjekt *objekt);

    TData(const TData &andere) = default;
    TData &operator=(const TData &andere) = default;

    std::uint8_t Art() const { return art_; }

    const TFarbe &Farbe() const { return farbe_; }
    double Zahl() const { return art_ == ArtLaenge || art_ == ArtWinkel || art_ == ArtFaktor ? zahl_ : 0.0; }
    std::uint8_t Code() const { return code_; }      // kinds 3, 4, 9, 10
    bool Wahrheitswert() const { return code_ != 0; }
    std::int32_t Ganzzahl() const { return art_ == ArtGanzzahl ? ganzzahl_ : 0; }
    const QString &Text() const { return text_; }
    TObjekt *Objekt() const { return art_ == ArtObjektverweis ? objekt_ : nullptr; }

    // The display text used in the call log and on object cards.
    QString AnzeigeText() const;

    std::unique_ptr<TData> Kopie() const { return std::make_unique<TData>(*this); }

private:
    friend class TMethodenAufruf; // keeps the creation entry's class name in text_

    // 48 bytes: the call log holds many of these (one per argument of every
    // logged call), so the kinds that exclude each other share storage.
    std::uint8_t art_;
    std::uint8_t code_ = 0;
    TFarbe farbe_;
    union {
        double zahl_ = 0.0;
        std::int32_t ganzzahl_;
        TObjekt *objekt_;
    };
    QString text_;
};

using TDataListe = std::vector<std::unique_ptr<TData>>;

// Number formatting of the display texts: rounded to `praezision`
// significant digits, written with `nachkomma` decimals and "." as
// separator; scientific notation when the integer part has more digits than
// the precision.
QString ZahlFormatieren(double wert, int praezision, int nachkomma);

// "2.50 cm", "5.00 mm", ...
QString LaengeText(double cm);
QString WinkelText(double grad);
QString FaktorText(double faktor);
