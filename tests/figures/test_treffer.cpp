// Hit tests of every figure kind (filled, unfilled, flat, turned, short,
// wide), the rectangle's corners and far-away boxes.
#include "figuren_hilfen.h"

namespace
{

using Treffer = Figuren;

TEST_F(Treffer, JedeFigurart)
{
    const double px = 1 / zf.SkalaX;
    auto ohneFuellung = [](TZeichenObjekt *f, double staerke = 0.01) {
        f->Füllfarbe = TFarbe::Unsichtbar();
        f->Linienstärke = staerke;
        return f;
    };
    auto flach = [](TRechteckArt *f) {
        f->Breite = 0;
        f->GeometrieBerechnen();
        return f;
    };
    TZeichenObjekt *r = u.rechteck(5, 4, 4, 2), *gedreht = u.rechteck(5, 4, 4, 2, 45);
    TZeichenObjekt *fern = u.rechteck(50000, -30000, 2, 2), *leer = ohneFuellung(u.rechteck(5, 4, 4, 2), 0.2);
    TZeichenObjekt *text = ohneFuellung(u.box<TRechteck>("TEXTFELD", 5, 4, 4, 2)), *rf = flach(u.rechteck(5, 4, 4, 2));
    TZeichenObjekt *e = u.box<TEllipse>("ELLIPSE", 5, 5, 4, 2, 90);
    TZeichenObjekt *eo = ohneFuellung(u.box<TEllipse>("ELLIPSE", 5, 5, 4, 2, 90));
    TZeichenObjekt *ef = flach(u.box<TEllipse>("ELLIPSE", 5, 5, 4, 2, 90)), *v = u.box<TVielEck>("VIELECK", 2, 2, 4, 2);
    TZeichenObjekt *l = u.linie(5, 5, 5.1, 5), *breit = u.linie(5, 5.5, 5.1, 5.5), *p = u.linie(2, 2, 2, 2);
    breit->Linienstärke = 0.4;
    const TWeltPunkt innen = PunktDrehen(6.9, 4, 5, 4, 45);
    TLinienZug *zug = u.linienZug({{1, 1}, {5, 1}, {3, 4}}, 0, true),
               *voll = u.linienZug({{1, 1}, {5, 1}, {3, 4}}, 0, true);
    TLinienZug *offen = u.linienZug({{1, 1}, {5, 1}, {3, 4}}, 0, false);
    TLinienZug *quadrat = u.linienZug({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 0, true);
    voll->Füllfarbe = offen->Füllfarbe = quadrat->Füllfarbe = TFarbe::Echt(0);
    TGruppe *gruppe = gruppieren(u, {quadrat, u.linienZug({{3, 0}, {4, 0}, {4, 1}, {3, 1}}, 0, true)});
    const struct {
        TZeichenObjekt *f;
        bool mitFlaeche; // with a drawing surface or without
        double x, y;
        bool getroffen;
    } faelle[] = {
        // Filled rectangle: half-open rule, the lower edge counts, the upper not; turned; far away.
        {r, false, 5, 4, true},
        {r, false, 7.2, 4, false},
        {r, false, 5, 3, true},
        {r, false, 5, 5, false},
        {gedreht, false, 6.9, 3.1, false},
        {gedreht, false, innen.X, innen.Y, true},
        {fern, false, 50000, -30000, true},
        // Unfilled: only along the outline, never outside the bounding box; a text field anywhere
        // inside.
        {leer, true, 5, 4, false},
        {leer, true, 5, 4.85, true},
        {leer, true, 5, 4.7, false},
        {leer, true, 5, 5.05, false},
        {text, true, 5, 4, true},
        // Flat, though filled: along the outline only.
        {rf, true, 5, 4.01, true},
        {rf, true, 5, 4.2, false},
        // Ellipse turned by 90 degrees, unfilled, flat; hexagon.
        {e, true, 5, 6.9, true},
        {e, true, 5.9, 6.9, false},
        {eo, true, 5, 5, false},
        {eo, true, 5, 6.99, true},
        {ef, true, 5.01, 6, true},
        {ef, true, 5.5, 6, false},
        {v, true, 3.9, 2, true},
        {v, true, 3.9, 2.9, false},
        // A line 1 mm long: 2 pixels across, not beyond its ends; a wide one within half its width;
        // length 0.
        {l, true, 5.05, 5 + 1.9 * px, true},
        {l, true, 5.05, 5 + 2.1 * px, false},
        {l, true, 5.1 + px, 5, false},
        {l, true, 5 - px, 5, false},
        {breit, true, 5.05, 5.69, true},
        {breit, true, 5.05, 5.71, false},
        {p, true, 2 + 1.5 * px, 2, true},
        {p, true, 2 + 2.5 * px, 2, false},
        // Polylines: the area only when closed and filled. A group: one member is enough.
        {zug, true, 3, 2, false},
        {zug, true, 3, 1, true},
        {voll, true, 3, 2, true},
        {voll, true, 1.2, 3.5, false},
        {offen, true, 3, 2, false},
        {gruppe, true, 0.5, 0.5, true},
        {gruppe, true, 3.5, 0.5, false},
        {gruppe, true, 2.0, 0.5, false},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(&f - faelle);
        EXPECT_EQ(f.f->Getroffen(f.mitFlaeche ? &zf : nullptr, f.x, f.y), f.getroffen);
    }
}

} // namespace
