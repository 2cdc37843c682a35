#pragma once
// A document with a class registry and a call log, and helpers that build
// object trees by hand.
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"

#include <QImage>
#include <memory>

struct TAnalyserUmgebung {
    TAnalysator Analysator;
    TDokument Dokument{&Analysator};
    TKlassenObjekte Klassen{&Analysator, &Dokument};

    // A new named object of the class, appended to `eltern` (the document
    // when none is given).
    TObjekt *neu(const char *klasse, TObjekt *eltern = nullptr)
    {
        auto objekt = Klassen.ObjektErzeugen(QString::fromUtf8(klasse));
        objekt->NamenVergeben();
        return (eltern ? eltern : &Dokument)->TeilAnhaengen(std::move(objekt));
    }
    // A group with n rectangles.
    TObjekt *gruppe(int n, TObjekt *eltern = nullptr)
    {
        TObjekt *g = neu("GRUPPE", eltern);
        for (int i = 0; i < n; ++i)
            neu("RECHTECK", g);
        return g;
    }
    // A polyline with n vertices (folded, as new polylines are).
    TObjekt *linienzug(int n, TObjekt *eltern = nullptr)
    {
        TObjekt *lz = neu("LINIENZUG", eltern);
        for (int i = 0; i < n; ++i)
            neu("PUNKT", lz);
        return lz;
    }
};

// Counts the pixels inside a rectangle of an image that pass a test.
template <typename F>
int pixelZaehlen(const QImage &bild, const QRect &bereich, F passt)
{
    int n = 0;
    const QRect r = bereich.intersected(bild.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += passt(bild.pixel(x, y)) ? 1 : 0;
    return n;
}

// Pixels of one colour.
inline int farbPixel(const QImage &bild, const QRect &bereich, QRgb farbe)
{
    return pixelZaehlen(bild, bereich, [farbe](QRgb c) { return ((c ^ farbe) & 0xFFFFFF) == 0; });
}

// Bluish pixels (antialiased blue text).
inline int blauPixel(const QImage &bild, const QRect &bereich)
{
    return pixelZaehlen(bild, bereich, [](QRgb c) { return qBlue(c) > qRed(c) + 80 && qBlue(c) > qGreen(c) + 80; });
}

// Pixels that are not white (ink of any colour).
inline int tintenPixel(const QImage &bild, const QRect &bereich)
{
    return pixelZaehlen(bild, bereich, [](QRgb c) { return (c & 0xFFFFFF) != 0xFFFFFF; });
}

// The colour of a pixel without alpha.
inline QRgb rgb(const QImage &bild, int x, int y) { return bild.pixel(x, y) & 0xFFFFFF; }
