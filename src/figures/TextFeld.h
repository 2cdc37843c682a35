#pragma once
#include "figures/Rechteck.h"

#include <functional>
#include <vector>

// One word of a text field's text with the number of spaces before it. A
// word ending in a carriage return forces a line break after it.
struct TTextWort {
    QString Text;
    int Leerzeichen = 0;
};

struct TWortliste {
    std::vector<TTextWort> Woerter;
    int Nachleerzeichen = 0; // spaces after the last word
};

// Splits a text into words: line feeds are skipped, spaces separate words
// and are counted, a carriage return ends the word it belongs to.
TWortliste WortlisteBilden(const QString &text);

// Measures for laying out a text, all in centimetres in the box's own
// unturned frame.
struct TTextMasse {
    double Zeilenhoehe = 0.0;
    double Leerzeichenbreite = 0.0;
    double Nutzbreite = 0.0;
    double Links = 0.0; // left edge of the lines
    double Oben = 0.0;  // top of the first line
};

// A word placed by the line breaking: its top-left corner, unturned.
struct TGesetztesWort {
    QString Text;
    double X = 0.0;
    double Y = 0.0;
    int Zeile = 0;
};

// Breaks the words into lines and places them for an alignment (0
// linksbündig, 1 rechtsbündig, 2 zentriert, 3 Blocksatz). `breite` measures
// a word in centimetres.
std::vector<TGesetztesWort> TextUmbrechen(TWortliste liste, std::uint8_t ausrichtung,
                                       const TTextMasse &masse,
                                       const std::function<double(const QString &)> &breite);

// A rectangle (class TEXTFELD) that shows a text inside its box, broken into
// lines, aligned, and turned together with the box.
class TTextFeld : public TRechteck
{
public:
    TTextFeld(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    static constexpr int KleinsteSchriftgroesse = 1;
    static constexpr int GroessteSchriftgroesse = 1000;

    QString Text;
    QString Schriftart = QStringLiteral("Arial");
    std::int32_t Schriftgröße = 12;
    std::uint8_t Ausrichtung = 3;
    TFarbe Schriftfarbe = TFarbe::Echt(0);
    std::uint8_t Fett = 0;
    std::uint8_t Kursiv = 0;

    // Setters that log themselves like the typed methods.
    void AusrichtungSetzen(std::uint8_t ausrichtung);
    void SchriftfarbeSetzen(const TFarbe &farbe);
    void TextSetzen(const QString &text);
    void ZeileHinzufuegen(const QString &zeile);
    void SchriftartSetzen(const QString &schriftart);
    // Refuses sizes outside 1 to 1000 with a message; empty on success.
    QString SchriftgroesseSetzen(int groesse);
    void FettSetzen(bool fett);
    void KursivSetzen(bool kursiv);

    // The words as drawn at the surface's current zoom (unturned frame).
    std::vector<TGesetztesWort> Textsatz(TZeichenflaeche *zf);

    void Zeichnen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    void Uebernehmen(const TObjekt &quelle) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;

private:
    // Sets the painter's font for the text at the current zoom.
    void schriftEinstellen(TZeichenflaeche *zf);
    TTextMasse masse(TZeichenflaeche *zf) const;
    // The layout with the painter's font already set for the text.
    std::vector<TGesetztesWort> satzMitSchrift(TZeichenflaeche *zf) const;
};
