#include "analyser/ObjektBaum.h"
#include "analyser/DiagrammFlaeche.h"
#include "model/Dokument.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Objektdiagramm;

namespace {

const QColor FokusGruen(0, 221, 0);

// A point given on the layout axes, on the screen axes.
QPointF aufBildschirm(std::uint8_t ausrichtung, double tiefe, double geschwister)
{
    return ausrichtung == AusrichtungHorizontal ? QPointF(geschwister, tiefe)
                                                : QPointF(tiefe, geschwister);
}

// Absolute positions below a card from its own and the relative ones.
void absolutMachen(TObjektKnoten &k)
{
    for (auto &kind : k.Kinder) {
        kind->X = k.X + kind->DX;
        kind->Y = k.Y + kind->DY;
        absolutMachen(*kind);
    }
}

template <typename F>
void fuerTeilbaum(TObjektKnoten &k, const F &f)
{
    f(k);
    for (auto &kind : k.Kinder)
        fuerTeilbaum(*kind, f);
}

template <typename F>
void fuerTeilbaum(const TObjektKnoten &k, const F &f)
{
    f(k);
    for (const auto &kind : k.Kinder)
        fuerTeilbaum(static_cast<const TObjektKnoten &>(*kind), f);
}

bool passtZu(const TObjektKnoten &k, const TObjekt *objekt)
{
    if (k.Objekt != objekt || k.Name != objekt->Name)
        return false;
    if (objekt->ObjektdiagrammZusammengefaltet)
        return k.Kinder.empty();
    if (k.Kinder.size() != objekt->Teile.size())
        return false;
    for (std::size_t i = 0; i < k.Kinder.size(); ++i)
        if (!passtZu(*k.Kinder[i], objekt->Teile[i].get()))
            return false;
    return true;
}

} // namespace

QString KartenText(const TObjekt &objekt)
{
    return objekt.Name + QLatin1Char(':') + objekt.KlassenName();
}

// ---------------------------------------------------------------------------
// TObjektKnoten

QRectF TObjektKnoten::Bildrechteck() const
{
    if (Ausrichtung == AusrichtungHorizontal)
        return QRectF(Y - Hoehe / 2.0, X, Hoehe, Breite);
    return QRectF(X, Y - Hoehe / 2.0, Breite, Hoehe);
}

bool TObjektKnoten::HatMarke() const
{
    return Objekt && !Objekt->Teile.empty();
}

// ---------------------------------------------------------------------------
// TPlatzBedarf

namespace {
bool enthaelt(const TPlatzbedarfEintrag &aussen, const TPlatzbedarfEintrag &innen)
{
    return aussen.Von - Geschwisterabstand <= innen.Von && aussen.Bis + Geschwisterabstand >= innen.Bis;
}
} // namespace

namespace {
// Compartment of an interval start in the contour index.
long long fach(double von)
{
    return std::isfinite(von) && std::fabs(von) < 1e15 ? (long long)std::floor(von) : 0;
}
} // namespace

// The rule, in list order: an existing entry that covers the new one (its
// interval widened by the sibling gap) and lies at least as far (far
// contour) or as near (near contour) makes the new one redundant; else the
// first entry that the new one covers that way takes its values; else the
// new one is appended. The index only narrows the entries looked at: an
// entry can cover the new one only when it starts at most GroessteLaenge
// before the new one ends, and be covered only when it starts within the
// new one's widened interval.
void TPlatzBedarf::Hinzufuegen(std::vector<TPlatzbedarfEintrag> &liste, TKonturIndex &index,
                               const TPlatzbedarfEintrag &neu, bool fern)
{
    auto mindestensSo = [fern](double a, double b) {
        return fern ? a + Konturtoleranz >= b : a - Konturtoleranz <= b;
    };
    const double g = Geschwisterabstand;
    const double lo1 = neu.Bis - g - index.GroessteLaenge, hi1 = neu.Von + g;
    const double lo2 = neu.Von - g, hi2 = neu.Bis + g;
    const bool endlich = std::isfinite(lo1) && std::isfinite(hi1) && std::isfinite(lo2) &&
                         std::isfinite(hi2) && hi1 - lo1 < 1e6 && hi2 - lo2 < 1e6;
    const double anzahlFaecher = std::max(hi1 - lo1, hi2 - lo2) + 2.0;
    if (!endlich || anzahlFaecher > double(liste.size())) {
        // Few entries (or odd values): plain scans in list order.
        for (const auto &e : liste)
            if (enthaelt(e, neu) && mindestensSo(e.Lage, neu.Lage))
                return;
        for (std::size_t i = 0; i < liste.size(); ++i)
            if (enthaelt(neu, liste[i]) && mindestensSo(neu.Lage, liste[i].Lage)) {
                auto &alt = index.Faecher[fach(liste[i].Von)];
                std::erase(alt, int(i));
                liste[i] = neu;
                index.Faecher[fach(neu.Von)].push_back(int(i));
                index.GroessteLaenge = std::max(index.GroessteLaenge, neu.Bis - neu.Von);
                return;
            }
    } else {
        for (long long f = fach(lo1); f <= fach(hi1); ++f) {
            const auto it = index.Faecher.find(f);
            if (it == index.Faecher.end())
                continue;
            for (int i : it->second)
                if (enthaelt(liste[std::size_t(i)], neu) && mindestensSo(liste[std::size_t(i)].Lage, neu.Lage))
                    return;
        }
        int erstes = -1;
        for (long long f = fach(lo2); f <= fach(hi2); ++f) {
            const auto it = index.Faecher.find(f);
            if (it == index.Faecher.end())
                continue;
            for (int i : it->second)
                if ((erstes < 0 || i < erstes) && enthaelt(neu, liste[std::size_t(i)]) &&
                    mindestensSo(neu.Lage, liste[std::size_t(i)].Lage))
                    erstes = i;
        }
        if (erstes >= 0) {
            std::erase(index.Faecher[fach(liste[std::size_t(erstes)].Von)], erstes);
            liste[std::size_t(erstes)] = neu;
            index.Faecher[fach(neu.Von)].push_back(erstes);
            index.GroessteLaenge = std::max(index.GroessteLaenge, neu.Bis - neu.Von);
            return;
        }
    }
    liste.push_back(neu);
    if (std::isfinite(neu.Von))
        index.Faecher[fach(neu.Von)].push_back(int(liste.size() - 1));
    index.GroessteLaenge = std::max(index.GroessteLaenge, neu.Bis - neu.Von);
}

void TPlatzBedarf::UntenHinzufuegen(const TPlatzbedarfEintrag &neu)
{
    Hinzufuegen(Unten, untenIndex_, neu, true);
}

void TPlatzBedarf::ObenHinzufuegen(const TPlatzbedarfEintrag &neu)
{
    Hinzufuegen(Oben, obenIndex_, neu, false);
}

void TPlatzBedarf::ObenLeeren()
{
    Oben.clear();
    obenIndex_ = {};
}

double TPlatzBedarf::Ueberlappung() const
{
    return Ueberlappung(Unten, 0.0, 0.0, Oben, 0.0, 0.0);
}

double TPlatzBedarf::Ueberlappung(const std::vector<TPlatzbedarfEintrag> &unten, double untenDX,
                                  double untenDY, const std::vector<TPlatzbedarfEintrag> &oben,
                                  double obenDX, double obenDY)
{
    double groesste = 0.0;
    for (const auto &o : oben) {
        const double oVon = o.Von + obenDX, oBis = o.Bis + obenDX, oLage = o.Lage + obenDY;
        for (const auto &u : unten) {
            const double uLage = u.Lage + untenDY;
            if (uLage > oLage && oVon + Intervalltoleranz <= u.Bis + untenDX &&
                oBis - Intervalltoleranz >= u.Von + untenDX)
                groesste = std::max(groesste, uLage - oLage);
        }
    }
    return groesste;
}

// ---------------------------------------------------------------------------
// Contours of whole subtrees

// A contour list kept in its own frame: the entries are stored relative to
// the point (dx, dy) of the frame of whoever adds to or reads the list, so
// that moving a subtree moves its contour without touching the entries.
struct TKontur {
    std::vector<TPlatzbedarfEintrag> liste;
    TKonturIndex index;
    double dx = 0.0, dy = 0.0;

    void hinzufuegen(const TPlatzbedarfEintrag &neu, bool fern)
    {
        TPlatzBedarf::Hinzufuegen(liste, index, {neu.Von - dx, neu.Bis - dx, neu.Lage - dy}, fern);
    }
    void verschieben(double x, double y)
    {
        dx += x;
        dy += y;
    }
};

struct TTeilbaumKonturen {
    TKontur fern; // the far contour (each card's far edge)
    TKontur nah;  // the near contour (each card's near edge)
};

namespace {

TPlatzbedarfEintrag fernEintrag(const TObjektKnoten &c)
{
    return {c.X - Geschwisterabstand, c.X + c.Breite + Geschwisterabstand, c.Y + c.Hoehe / 2.0};
}

TPlatzbedarfEintrag nahEintrag(const TObjektKnoten &c)
{
    return {c.X - Geschwisterabstand, c.X + c.Breite + Geschwisterabstand, c.Y - c.Hoehe / 2.0};
}

// Adds every card of a child's subtree, in pre-order, at its position
// relative to the parent (the child's DX, DY).
void teilbaumHinzufuegen(TKontur &kontur, TObjektKnoten &kind, bool fern)
{
    kind.X = kind.DX;
    kind.Y = kind.DY;
    absolutMachen(kind);
    fuerTeilbaum(static_cast<const TObjektKnoten &>(kind), [&](const TObjektKnoten &c) {
        kontur.hinzufuegen(fern ? fernEintrag(c) : nahEintrag(c), fern);
    });
}

} // namespace

// ---------------------------------------------------------------------------
// TObjektBaum: building and layout

TObjektBaum::TObjektBaum(TDokument *dokument, std::uint8_t ausrichtung, TDiagrammFlaeche *flaeche)
    : Dokument(dokument), Flaeche(flaeche), Ausrichtung(ausrichtung)
{
}

TObjektBaum::~TObjektBaum() = default;

void TObjektBaum::AusrichtungSetzen(std::uint8_t ausrichtung)
{
    Ausrichtung = ausrichtung == AusrichtungVertikal ? AusrichtungVertikal : AusrichtungHorizontal;
    Aufbauen();
}

std::unique_ptr<TObjektKnoten> TObjektBaum::knotenErzeugen(TObjekt *objekt, TObjektKnoten *eltern)
{
    auto k = std::make_unique<TObjektKnoten>();
    k->Objekt = objekt;
    k->Name = objekt->Name;
    k->Eltern = eltern;
    k->Flaeche = Flaeche;
    k->Ausrichtung = Ausrichtung;
    if (!objekt->ObjektdiagrammZusammengefaltet) {
        k->Kinder.reserve(objekt->Teile.size());
        for (auto &teil : objekt->Teile)
            k->Kinder.push_back(knotenErzeugen(teil.get(), k.get()));
    }
    return k;
}

void TObjektBaum::groesseBerechnen(TObjektKnoten &k) const
{
    const QString text = KartenText(*k.Objekt);
    const double tw = Flaeche->TextBreite(text);
    const double th = Flaeche->TextHoehe(text);
    if (Ausrichtung == AusrichtungVertikal) {
        k.Breite = tw + 2 * Innenrand;
        k.Hoehe = th + 2 * Innenrand;
    } else {
        k.Breite = th + 2 * Innenrand;
        k.Hoehe = tw + 2 * Innenrand;
    }
}

// The children are placed as follows: the first child at the parent's
// depth edge plus the level gap; every further child just past its previous
// sibling on the sibling axis, then pushed on by the largest overlap of the
// far contour of all earlier siblings' cards with the near contour of its own
// subtree's cards; at last all children are centred on the parent.
//
// A contour is the list its cards give when added one by one in pre-order
// (TPlatzBedarf's rule merges entries, so the order counts). Each subtree's
// contours are built once, bottom-up, and handed to the parent: the near
// contour of a later child is the contour of its subtree alone; the far
// contour of the earlier siblings starts as the first child's subtree's; a
// card's own entry never merges with its descendants' (they lie at least the
// level gap deeper), so a card's contour is its entry and its first child's
// contour continued with the cards of the other children. Deep nesting along
// first children thus costs its depth once instead of its square.
TTeilbaumKonturen TObjektBaum::kinderPlatzieren(TObjektKnoten &k, bool fern, bool nah) const
{
    TTeilbaumKonturen ergebnis;
    const std::size_t n = k.Kinder.size();
    if (n > 0) {
        TObjektKnoten &erstes = *k.Kinder.front();
        erstes.DX = k.Breite + Ebenenabstand;
        erstes.DY = 0.0;
        groesseBerechnen(erstes);
        ergebnis = kinderPlatzieren(erstes, fern || n > 1, nah);
        ergebnis.fern.verschieben(erstes.DX, erstes.DY);
        ergebnis.nah.verschieben(erstes.DX, erstes.DY);
        // The far contour of the siblings placed so far grows with every
        // sibling; positions of earlier siblings are final once they are in it.
        TKontur &unten = ergebnis.fern;
        for (std::size_t i = 1; i < n; ++i) {
            TObjektKnoten &c = *k.Kinder[i];
            TObjektKnoten &vorher = *k.Kinder[i - 1];
            groesseBerechnen(c);
            TKontur oben = kinderPlatzieren(c, false, true).nah;
            if (i >= 2)
                teilbaumHinzufuegen(unten, vorher, true);
            c.Y = vorher.DY + vorher.Hoehe / 2.0 + c.Hoehe / 2.0 + Geschwisterabstand;
            c.DY = c.Y;
            c.X = c.DX = vorher.DX;
            oben.verschieben(c.DX, c.DY);
            const double ueberlappung =
                TPlatzBedarf::Ueberlappung(unten.liste, unten.dx, unten.dy, oben.liste, oben.dx, oben.dy);
            if (ueberlappung > Ueberlappungsschwelle)
                c.DY = c.Y + ueberlappung + Geschwisterabstand;
        }
        if (fern && n > 1)
            teilbaumHinzufuegen(unten, *k.Kinder.back(), true);
        if (nah)
            for (std::size_t i = 1; i < n; ++i)
                teilbaumHinzufuegen(ergebnis.nah, *k.Kinder[i], false);
        const double d = (k.Kinder.back()->DY - erstes.DY) / 2.0;
        for (auto &kind : k.Kinder)
            kind->DY -= d;
        ergebnis.fern.verschieben(0.0, -d);
        ergebnis.nah.verschieben(0.0, -d);
    }
    if (!fern)
        ergebnis.fern = {};
    TObjektKnoten ursprung = {};
    ursprung.Breite = k.Breite;
    ursprung.Hoehe = k.Hoehe;
    if (fern)
        ergebnis.fern.hinzufuegen(fernEintrag(ursprung), true);
    if (nah)
        ergebnis.nah.hinzufuegen(nahEintrag(ursprung), false);
    return ergebnis;
}

void TObjektBaum::markenSetzen(TObjektKnoten &k) const
{
    k.MarkeX = k.X + k.Breite - Flaeche->PixelZuCm(7);
    k.MarkeY = k.Y;
    k.MarkeRadius = Flaeche->PixelZuCm(4);
    for (auto &kind : k.Kinder)
        markenSetzen(*kind);
}

void TObjektBaum::Aufbauen()
{
    Flaeche->SchriftgroesseSetzen(Schriftgroesse);
    Wurzel.reset();
    if (!Dokument)
        return;
    Wurzel = knotenErzeugen(Dokument, nullptr);
    TObjektKnoten &w = *Wurzel;
    w.X = w.Y = w.DX = w.DY = 0.0;
    groesseBerechnen(w);
    kinderPlatzieren(w, false, false);
    absolutMachen(w);

    double minT = std::numeric_limits<double>::max(), maxT = std::numeric_limits<double>::lowest();
    double minG = minT, maxG = maxT;
    fuerTeilbaum(static_cast<const TObjektKnoten &>(w), [&](const TObjektKnoten &c) {
        minT = std::min(minT, c.X);
        maxT = std::max(maxT, c.X + c.Breite);
        minG = std::min(minG, c.Y - c.Hoehe / 2.0);
        maxG = std::max(maxG, c.Y + c.Hoehe / 2.0);
    });

    w.X = w.DX = Rand;
    w.Y = w.DY = Rand - minG;
    absolutMachen(w);
    markenSetzen(w);

    const double tiefe = (maxT - minT) + 2 * Rand;
    const double geschwister = (maxG - minG) + 2 * Rand;
    if (Ausrichtung == AusrichtungHorizontal)
        Flaeche->DiagrammGroesseSetzen(geschwister, tiefe);
    else
        Flaeche->DiagrammGroesseSetzen(tiefe, geschwister);
}

// ---------------------------------------------------------------------------
// Finding, checking

TObjekt *TObjektBaum::KnotenSuchen(double x, double y, bool &gefaltet)
{
    gefaltet = false;
    if (!Wurzel)
        return nullptr;
    const double tiefe = Ausrichtung == AusrichtungHorizontal ? y : x;
    const double geschwister = Ausrichtung == AusrichtungHorizontal ? x : y;
    std::function<TObjekt *(TObjektKnoten &)> suchen = [&](TObjektKnoten &k) -> TObjekt * {
        const double t = tiefe - k.X;
        if (t >= 0.0 && t < k.Breite && std::abs(k.Y - geschwister) <= k.Hoehe / 2.0) {
            if (k.HatMarke() && std::abs(tiefe - k.MarkeX) < k.MarkeRadius &&
                std::abs(geschwister - k.MarkeY) < k.MarkeRadius) {
                k.Objekt->FaltungUmschalten();
                gefaltet = true;
            }
            return k.Objekt;
        }
        for (auto &kind : k.Kinder)
            if (TObjekt *treffer = suchen(*kind))
                return treffer;
        return nullptr;
    };
    return suchen(*Wurzel);
}

bool TObjektBaum::Veraltet() const
{
    return !Wurzel || !Dokument || !passtZu(*Wurzel, Dokument);
}

TObjektKnoten *TObjektBaum::KnotenZuObjekt(const TObjekt *objekt) const
{
    if (!Wurzel)
        return nullptr;
    TObjektKnoten *gefunden = nullptr;
    fuerTeilbaum(*Wurzel, [&](TObjektKnoten &c) {
        if (!gefunden && c.Objekt == objekt)
            gefunden = &c;
    });
    return gefunden;
}

int TObjektBaum::KnotenAnzahl() const
{
    int n = 0;
    if (Wurzel)
        fuerTeilbaum(static_cast<const TObjektKnoten &>(*Wurzel), [&n](const TObjektKnoten &) { ++n; });
    return n;
}

// ---------------------------------------------------------------------------
// Drawing

void TObjektBaum::Zeichnen(const TObjekt *fokus,
                           const std::function<bool(const TObjekt *)> &ausgewaehlt,
                           const QRect &sichtbar)
{
    QPainter *p = Flaeche->Leinwand;
    if (!p)
        return;
    Flaeche->HintergrundZeichnen(Qt::white);
    if (!Wurzel)
        return;
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    Flaeche->SchriftgroesseSetzen(Schriftgroesse);
    knotenZeichnen(*Wurzel, fokus, ausgewaehlt, sichtbar);
    p->restore();
}

void TObjektBaum::knotenZeichnen(const TObjektKnoten &k, const TObjekt *fokus,
                                 const std::function<bool(const TObjekt *)> &ausgewaehlt,
                                 const QRect &sichtbar) const
{
    TDiagrammFlaeche &f = *Flaeche;
    QPainter &p = *f.Leinwand;
    const QRectF r = k.Bildrechteck();
    const QRect rPixel(QPoint(f.XPixel(r.left()), f.YPixel(r.top())),
                       QPoint(f.XPixel(r.right()), f.YPixel(r.bottom())));
    const bool zeigen = sichtbar.isNull() || rPixel.adjusted(-4, -4, 4, 4).intersects(sichtbar);

    if (zeigen) {
        p.setPen(QPen(Qt::black, 1));
        if (ausgewaehlt && ausgewaehlt(k.Objekt)) {
            p.setBrush(Qt::NoBrush);
            // Open 6 x 6 squares, 3 pixels around each corner.
            for (const QPoint &ecke : {rPixel.topLeft(), rPixel.topRight(), rPixel.bottomRight(),
                                       rPixel.bottomLeft()})
                p.drawRect(QRect(ecke.x() - 3, ecke.y() - 3, 5, 5));
        }
        p.setBrush(Qt::white);
        f.StiftbreiteSetzen(Stiftbreite);
        if (k.Objekt == fokus) {
            QPen stift = p.pen();
            stift.setColor(FokusGruen);
            stift.setWidth(std::max(2, stift.width()));
            p.setPen(stift);
        }
        f.RundRechteck(Kartenrundung, r.left(), r.top(), r.right(), r.bottom());

        p.setPen(QPen(Qt::black, 1));
        f.StiftbreiteSetzen(Stiftbreite);
        const double tiefenKorrektur = k.Objekt->Teile.empty() ? 0.0 : 0.075;
        const QPointF text = aufBildschirm(k.Ausrichtung, k.X + Innenrand - tiefenKorrektur,
                                           k.Y - k.Hoehe / 2.0 + Innenrand);
        f.Text(KartenText(*k.Objekt), text.x(), text.y());
    }

    if (!k.Kinder.empty()) {
        p.setPen(QPen(Qt::black, 1));
        f.StiftbreiteSetzen(Stiftbreite);
        auto linie = [&](double t1, double g1, double t2, double g2) {
            const QPointF a = aufBildschirm(k.Ausrichtung, t1, g1);
            const QPointF b = aufBildschirm(k.Ausrichtung, t2, g2);
            f.Linie(a.x(), a.y(), b.x(), b.y());
        };
        const double rand = k.X + k.Breite;
        const double mitte = rand + Ebenenabstand / 2.0;
        linie(rand, k.Y, mitte, k.Y);
        if (k.Kinder.size() >= 2)
            linie(mitte, k.Kinder.front()->Y, mitte, k.Kinder.back()->Y);
        for (const auto &kind : k.Kinder)
            linie(mitte, kind->Y, kind->X, kind->Y);
        for (const auto &kind : k.Kinder)
            knotenZeichnen(*kind, fokus, ausgewaehlt, sichtbar);
    }

    if (zeigen && k.HatMarke())
        markeZeichnen(k);
}

void TObjektBaum::markeZeichnen(const TObjektKnoten &k) const
{
    TDiagrammFlaeche &f = *Flaeche;
    QPainter &p = *f.Leinwand;
    const QPointF m = aufBildschirm(k.Ausrichtung, k.MarkeX, k.MarkeY);
    const int cx = f.XPixel(m.x()), cy = f.YPixel(m.y());
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    // 9 x 9 pixels: from 4 before to 4 after the centre, outline included.
    p.drawRect(QRect(cx - 4, cy - 4, 8, 8));
    p.drawLine(cx - 2, cy, cx + 2, cy);
    if (k.Objekt->ObjektdiagrammZusammengefaltet)
        p.drawLine(cx, cy - 2, cx, cy + 2);
}
