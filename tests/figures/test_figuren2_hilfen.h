#pragma once
// Shared set-up for the tests of polylines, text fields, groups and handles.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/MethodenAufruf.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "window/Zeichenflaeche.h"

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cmath>
#include <memory>

namespace figuren2 {

// A recorder, a document and the class registry, as the program builds them.
struct Umgebung {
    TAnalysator a;
    TDokument d{&a};
    TKlassenObjekte k{&a, &d};

    template <typename T> std::unique_ptr<T> neu(const char *klasse)
    {
        auto o = k.ObjektErzeugen(QString::fromUtf8(klasse));
        return std::unique_ptr<T>(static_cast<T *>(o.release()));
    }

    // A new object of the class, named and placed frontmost in the document.
    template <typename T> T *imDokument(const char *klasse)
    {
        auto o = neu<T>(klasse);
        o->NamenVergeben();
        return static_cast<T *>(d.TeilAnhaengen(std::move(o)));
    }

    TRechteck *rechteck(double mx, double my, double laenge, double breite)
    {
        auto *r = imDokument<TRechteck>("RECHTECK");
        r->MitteX = mx;
        r->MitteY = my;
        r->Länge = laenge;
        r->Breite = breite;
        r->Füllfarbe = TFarbe::Echt(FarbWert(255, 255, 0));
        r->Linienfarbe = TFarbe::Echt(0);
        r->Linienstärke = 0.01;
        r->Linienart = 1;
        r->GeometrieBerechnen();
        return r;
    }

    // A polyline through the points, all segments of one kind.
    TLinienZug *linienZug(std::initializer_list<TWeltPunkt> punkte, std::uint8_t art,
                          bool geschlossen)
    {
        auto *lz = imDokument<TLinienZug>("LINIENZUG");
        for (const TWeltPunkt &p : punkte)
            lz->PunktAnhaengen(p.X, p.Y, art);
        for (auto &t : lz->Teile)
            t->NamenVergeben();
        lz->Geschlossen = geschlossen ? 1 : 0;
        lz->Füllfarbe = TFarbe::Unsichtbar();
        lz->Linienfarbe = TFarbe::Echt(0);
        lz->Linienstärke = 0.01;
        lz->Linienart = 1;
        lz->GeometrieBerechnen();
        lz->RahmenZuruecksetzen();
        return lz;
    }

    // Display texts of the top-level log entries from index `ab` on.
    QStringList protokoll(int ab = 0) const
    {
        QStringList l;
        const auto &p = a.Protokoll();
        for (std::size_t i = std::size_t(ab); i < p.size(); ++i)
            l << p[i]->AnzeigeText();
        return l;
    }
    int eintraege() const { return int(a.Protokoll().size()); }
    const TMethodenAufruf &letzter() const { return *a.Protokoll().back(); }
};

// Texts of a record's sub-calls.
inline QStringList unteraufrufe(const TMethodenAufruf &m)
{
    QStringList l;
    for (const auto &u : m.Unteraufrufe)
        l << u->AnzeigeText();
    return l;
}

// A drawing surface painting into a white image of a small sheet (at 100 %
// on a 96-dpi screen: about 37.8 pixels per centimetre).
struct Bild {
    TZeichenflaeche zf;
    QImage bild;
    QPainter maler;
    explicit Bild(double breiteCm = 10.0, double hoeheCm = 10.0)
    {
        const double d = TZeichenflaeche::StandardDruckerPixelProCm;
        zf.SeiteEinrichten(d, d, int(std::lround(breiteCm * d)), int(std::lround(hoeheCm * d)));
        bild = QImage(zf.SeitenBreitePixel(), zf.SeitenHoehePixel(), QImage::Format_RGB32);
        bild.fill(Qt::white);
        maler.begin(&bild);
        zf.Leinwand = &maler;
    }
    ~Bild()
    {
        if (maler.isActive())
            maler.end();
    }
    void fertig()
    {
        if (maler.isActive())
            maler.end();
    }
    // Colour of the pixel at a world point (after fertig()).
    QColor bei(double x, double y) const
    {
        return bild.pixelColor(zf.XPixel(x), zf.YPixel(y));
    }
    int pixelZeile(double y) const { return zf.YPixel(y); }
    int pixelSpalte(double x) const { return zf.XPixel(x); }
};

} // namespace figuren2
