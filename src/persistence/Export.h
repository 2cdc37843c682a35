#pragma once
#include <QString>
#include <vector>

class TDokument;
class TZeichenObjekt;

// Exporting the drawing as a picture for worksheets and slides. The figures
// draw through their own Zeichnen onto a printing surface whose resolution
// is the export's, so what is exported is what is shown; handles and the
// focus frame are never drawn.
struct TExportOptionen {
    // Resolution of PNG files in dots per inch.
    int Dpi = 300;
    // PNG only: leave the background transparent.
    bool Transparent = false;
    // When not empty, only the bounding box of these figures with a margin of
    // 0.5 cm is exported; otherwise the whole sheet.
    std::vector<TZeichenObjekt *> Auswahl;
    // The sheet size in cm.
    double SeitenBreiteCm = 20.5;
    double SeitenHoeheCm = 29.2;
};

// The exported area in world centimetres.
struct TExportBereich {
    double Links = 0, Unten = 0, Rechts = 0, Oben = 0;
    double Breite() const { return Rechts - Links; }
    double Hoehe() const { return Oben - Unten; }
};

TExportBereich ExportBereich(const TExportOptionen &optionen);

// Writes the file; the format follows the file name's ending (.png, .svg,
// .pdf, any case). Returns false with a German message on failure; an
// existing file is replaced only when writing succeeded.
bool Exportieren(TDokument &dokument, const QString &pfad, const TExportOptionen &optionen,
                 QString &meldung);

// What the hint bar says after a successful export: format, path, the
// area and its size, e.g. "Exportiert als PNG: /home/a/x.png (das ganze
// Blatt, 20,5 cm × 29,2 cm, 300 dpi).".
QString ExportBestaetigung(const QString &pfad, const TExportOptionen &optionen);

// Whether an ending names a format Exportieren writes.
bool ExportFormatBekannt(const QString &pfad);
