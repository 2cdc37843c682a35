#pragma once
// A document with class registry and call log, object trees, pixel counts.
#include "model/modell_hilfen.h"

#include <QImage>
#include <memory>

struct TAnalyserUmgebung {
    TAnalysator Analysator;
    TDokument Dokument{&Analysator};
    TKlassenObjekte Klassen{&Analysator, &Dokument};

    // A new named object (creation not logged) in `eltern` or the document.
    TObjekt *neu(const char *klasse, TObjekt *eltern = nullptr)
    {
        auto objekt = Klassen.ObjektErzeugen(QString::fromUtf8(klasse));
        objekt->NamenVergeben();
        return (eltern ? eltern : &Dokument)->TeilAnhaengen(std::move(objekt));
    }
    // A group with n rectangles, a (folded) polyline with n vertices.
    TObjekt *gruppe(int n) { return mitTeilen("GRUPPE", "RECHTECK", n); }
    TObjekt *linienzug(int n) { return mitTeilen("LINIENZUG", "PUNKT", n); }
    TObjekt *mitTeilen(const char *klasse, const char *teil, int n)
    {
        TObjekt *o = neu(klasse);
        for (int i = 0; i < n; ++i)
            neu(teil, o);
        return o;
    }
};

// Counts the pixels inside a rectangle of an image that pass a test.
template <typename F> int pixelZaehlen(const QImage &bild, const QRect &bereich, F passt)
{
    int n = 0;
    const QRect r = bereich.intersected(bild.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += passt(bild.pixel(x, y)) ? 1 : 0;
    return n;
}

// Pixels of one colour; bluish pixels (antialiased blue text).
inline int farbPixel(const QImage &bild, const QRect &bereich, QRgb farbe)
{
    return pixelZaehlen(bild, bereich, [farbe](QRgb c) { return ((c ^ farbe) & 0xFFFFFF) == 0; });
}
inline int blauPixel(const QImage &bild, const QRect &bereich)
{
    return pixelZaehlen(bild, bereich, [](QRgb c) { return qBlue(c) > qRed(c) + 80 && qBlue(c) > qGreen(c) + 80; });
}

// The colour of a pixel without alpha; of several pixels.
inline QRgb rgb(const QImage &bild, int x, int y)
{
    return bild.pixel(x, y) & 0xFFFFFF;
}
inline QList<QRgb> farben(const QImage &bild, std::initializer_list<QPoint> punkte)
{
    QList<QRgb> f;
    for (const QPoint &p : punkte)
        f << rgb(bild, p.x(), p.y());
    return f;
}
