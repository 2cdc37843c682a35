#pragma once

class TFensterKontext;
class TZeichenflaeche;

// The rubber band: a dashed frame drawn with the inverting pen while the
// mouse drags over empty paper; on release the figures inside it are
// selected.
class TBereichsRechteck
{
public:
    explicit TBereichsRechteck(TFensterKontext *kontext) : kontext_(kontext) {}

    double StartX = 0, StartY = 0; // fixed corner (cm)
    double EndeX = 0, EndeY = 0;   // moving corner (cm)
    double Links = 0, Unten = 0, Rechts = 0, Oben = 0;
    bool Sichtbar = false;

    void RahmenBeginnen(double x, double y);
    void RahmenAktualisieren(double x, double y);
    // Draws (or, drawn a second time, erases) the frame.
    void RahmenZeichnen();
    // Unless cancelled: figures inside join the selection, figures outside
    // leave it (with Shift they stay). Erases the frame.
    void RahmenBeenden(bool shift, bool abgebrochen);
    // The frame drawn onto a surface's canvas with the inverting pen.
    void Malen(TZeichenflaeche *zf) const;

private:
    void normalisieren();
    TFensterKontext *kontext_;
};
