#pragma once
// Shared set-up of the figure tests: recorder, document and class registry,
// figures made to measure, log texts, parameter lists, a sheet in an image.
#include "figures/Griff.h"
#include "figures/KlassenObjekte.h"
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "model/MethodenAufruf.h"
#include "surface/Zeichenflaeche.h"

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

constexpr double Eps = 1e-9;

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// A point (two coordinates), a box figure's centre and size, and a bounding box, within Eps.
#define EXPECT_PUNKT(ax, ay, x, y)                                                                                     \
    do {                                                                                                               \
        EXPECT_NEAR(ax, x, Eps);                                                                                       \
        EXPECT_NEAR(ay, y, Eps);                                                                                       \
    } while (0)
#define EXPECT_BOX(f, mx, my, l, b)                                                                                    \
    do {                                                                                                               \
        EXPECT_PUNKT((f)->MitteX, (f)->MitteY, mx, my);                                                                \
        EXPECT_PUNKT((f)->Länge, (f)->Breite, l, b);                                                                   \
    } while (0)
#define EXPECT_RAHMEN(f, li, re, un, ob)                                                                               \
    do {                                                                                                               \
        EXPECT_PUNKT((f)->Umgebungsrechteck.Links, (f)->Umgebungsrechteck.Rechts, li, re);                             \
        EXPECT_PUNKT((f)->Umgebungsrechteck.Unten, (f)->Umgebungsrechteck.Oben, un, ob);                               \
    } while (0)

// Display texts of a log entry and its sub-calls, each level indented by two spaces.
inline void baum(const TMethodenAufruf &m, QStringList &l, const QString &einzug = QString())
{
    l << einzug + m.AnzeigeText();
    for (const auto &u : m.Unteraufrufe)
        baum(*u, l, einzug + QStringLiteral("  "));
}

struct Umgebung {
    TAnalysator a;
    TDokument d{&a};
    TKlassenObjekte k{&a, &d};

    // A new object of the class, without a name and outside the document.
    template <class T> std::unique_ptr<T> lose(const char *klasse)
    {
        auto o = k.ObjektErzeugen(QString::fromUtf8(klasse));
        EXPECT_NE(dynamic_cast<T *>(o.get()), nullptr) << klasse;
        return std::unique_ptr<T>(static_cast<T *>(o.release()));
    }
    // A new object of the class, named and placed frontmost in the document.
    template <class T> T *neu(const char *klasse)
    {
        auto o = lose<T>(klasse);
        o->NamenVergeben();
        return static_cast<T *>(d.TeilAnhaengen(std::move(o)));
    }
    // A box figure centred at (mx, my), l long and b wide, turned by w:
    // filled red with a thin solid black outline.
    template <class T = TRechteck> T *box(const char *klasse, double mx, double my, double l, double b, double w = 0)
    {
        T *f = neu<T>(klasse);
        f->MitteX = mx;
        f->MitteY = my;
        f->Länge = l;
        f->Breite = b;
        f->Winkel = w;
        f->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
        f->Linienfarbe = TFarbe::Echt(0);
        f->Linienstärke = 0.01;
        f->Linienart = 1;
        f->GeometrieBerechnen();
        return f;
    }
    TRechteck *rechteck(double mx, double my, double l, double b, double w = 0)
    {
        return box<TRechteck>("RECHTECK", mx, my, l, b, w);
    }
    TLinie *linie(double x1, double y1, double x2, double y2)
    {
        auto *l = neu<TLinie>("LINIE");
        l->punkt1Setzen(x1, y1);
        l->punkt2Setzen(x2, y2);
        return l;
    }
    // An unfilled polyline through the points, all segments of one kind, vertices named.
    TLinienZug *linienZug(std::initializer_list<TWeltPunkt> punkte, std::uint8_t art, bool geschlossen)
    {
        auto *lz = neu<TLinienZug>("LINIENZUG");
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

    // Display texts of the top-level log entries from index `ab` on; with the sub-calls (see baum).
    QStringList protokoll(int ab = 0) const
    {
        QStringList l;
        for (std::size_t i = std::size_t(ab); i < a.Protokoll().size(); ++i)
            l << a.Protokoll()[i]->AnzeigeText();
        return l;
    }
    QStringList baum(int ab = 0) const
    {
        QStringList l;
        for (std::size_t i = std::size_t(ab); i < a.Protokoll().size(); ++i)
            ::baum(*a.Protokoll()[i], l);
        return l;
    }
    int anzahl() const { return int(a.Protokoll().size()); }
    const TMethodenAufruf &letzter() const { return *a.Protokoll().back(); }
    QString zuletzt() const { return a.Protokoll().empty() ? QString() : a.Protokoll().back()->AnzeigeText(); }
};

// A new named group made from the figures, as the main window does it.
inline TGruppe *gruppieren(Umgebung &u, const std::vector<TZeichenObjekt *> &figuren)
{
    auto g = u.lose<TGruppe>("GRUPPE");
    g->NamenVergeben();
    return TGruppe::Gruppieren(std::move(g), figuren);
}

// Texts of a record's sub-calls; display texts of the object's attributes in the order asked for.
inline QStringList unteraufrufe(const TMethodenAufruf &m)
{
    QStringList l;
    for (const auto &u : m.Unteraufrufe)
        l << u->AnzeigeText();
    return l;
}
inline QStringList attributTexte(const TObjekt *o, std::initializer_list<int> attribute)
{
    QStringList l;
    for (int a : attribute)
        l << o->AttributWert(a)->AnzeigeText();
    return l;
}

// Parameter lists for MethodeAusfuehren.
inline TDataListe Werte(std::initializer_list<TData> werte)
{
    TDataListe liste;
    for (const TData &w : werte)
        liste.push_back(std::make_unique<TData>(w));
    return liste;
}
inline TData Laenge(double cm)
{
    return TData(cm, ArtLaenge);
}
inline TData Winkel(double grad)
{
    return TData(grad, ArtWinkel);
}
inline TData Faktor(double f)
{
    return TData(f, ArtFaktor);
}

// Runs a method with parameters and answers its message.
inline QString ausfuehren(TObjekt *o, int methode, TDataListe parameter = {})
{
    QString meldung;
    o->MethodeAusfuehren(methode, parameter, meldung, nullptr);
    return meldung;
}

// A fresh recorder, document and class registry, and a drawing surface at
// 100 % (not the current one).
struct Figuren : ::testing::Test {
    Umgebung u;
    TZeichenflaeche zf;
};

// A drawing surface painting into a white image of a 10 cm x 10 cm sheet
// (at 100 % on a 96-dpi screen: about 37.8 pixels per centimetre).
struct Bild {
    TZeichenflaeche zf;
    QImage bild;
    QPainter maler;
    Bild()
    {
        const double d = TZeichenflaeche::StandardDruckerPixelProCm;
        zf.SeiteEinrichten(d, d, int(std::lround(10 * d)), int(std::lround(10 * d)));
        bild = QImage(zf.SeitenBreitePixel(), zf.SeitenHoehePixel(), QImage::Format_RGB32);
        bild.fill(Qt::white);
        maler.begin(&bild);
        zf.Leinwand = &maler;
    }
    ~Bild() { fertig(); }
    void fertig()
    {
        if (maler.isActive())
            maler.end();
    }
    int pixelZeile(double y) const { return zf.YPixel(y); }
    int pixelSpalte(double x) const { return zf.XPixel(x); }
};
