// The common values of a list of figures (selection panels, groups).
#include "figuren_hilfen.h"
#include "figures/Gemeinsamkeitsfinder.h"

namespace {
// The common values of the figures as texts: fill and line colour (name and
// value, "-" when not found), line kind, line width, mouse and keyboard lock.
QStringList gemeinsam(const std::vector<TZeichenObjekt *> &figuren)
{
    TGemeinsamkeitsfinder f;
    f.GemeinsameWerte(figuren);
    auto farbe = [](const std::optional<TFarbe> &c) {
        return c ? c->FarbName() + QLatin1Char('/') + QString::number(c->Wert) : QStringLiteral("-");
    };
    return {farbe(f.Füllfarbe),          farbe(f.Linienfarbe),           QString::number(f.Linienart),
            QString::number(f.Linienstärke), QString::number(f.MausGesperrt), QString::number(f.TastaturGesperrt)};
}
} // namespace

using Gemeinsamkeitsfinder = Figuren;

TEST_F(Gemeinsamkeitsfinder, GleicheUndVerschiedeneWerte)
{
    // Nothing in common in an empty list.
    EXPECT_EQ(gemeinsam({}), QStringList({"nicht_einheitlich/0", "nicht_einheitlich/0", "0", "-1", "2", "2"}));
    TRechteck *a = u.rechteck(1, 1, 1, 1);
    TRechteck *b = u.rechteck(3, 1, 1, 1);
    TRechteck *c = u.rechteck(5, 1, 1, 1);
    b->Linienstärke = 0.01 + 0.00005; // within the tolerance
    c->MausGesperrt = 1;
    EXPECT_EQ(gemeinsam({a, b}), QStringList({"rot/255", "schwarz/0", "1", "0.01", "0", "0"}));

    c->Füllfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    c->Linienfarbe = TFarbe::Unsichtbar();
    c->Linienart = 2;
    c->Linienstärke = 0.2;
    // A differing colour is "mixed" and keeps the first figure's value.
    EXPECT_EQ(gemeinsam({a, b, c}),
              QStringList({"nicht_einheitlich/255", "nicht_einheitlich/0", "0", "-1", "2", "0"}));

    // Same value, different kind: invisible against a real colour.
    a->Füllfarbe = TFarbe::Unsichtbar();
    b->Füllfarbe = TFarbe(FarbArtFarbe, 0);
    EXPECT_EQ(gemeinsam({a, b})[0], "nicht_einheitlich/0");
}
