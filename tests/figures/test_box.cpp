// The box-shaped figure base: operations with their log entries, setters,
// copies and the shared hit helpers.
#include "figuren_hilfen.h"

namespace
{

// One operation on a rectangle centred at (5, 4), 4 long and 2 wide, turned
// by w0: the box, the angle, the last log entry ("" when nothing is logged)
// and a bounding box that follows the turned box.
TEST(BoxFigur, OperationenTabelle)
{
    using Op = std::function<void(TRechteck *)>;
    const struct {
        const char *name;
        double w0;
        Op op;
        double mx, my, l, b, w;
        const char *log;
    } faelle[] = {
        {"drehen normalises", 0, [](TRechteck *r) { r->drehen(370); }, 5, 4, 4, 2, 10, "re0.drehen( 370.00° )"},
        {"winkelSetzen does not", 0, [](TRechteck *r) { r->winkelSetzen(400); }, 5, 4, 4, 2, 400,
         "re0.winkelSetzen( 400.00° )"},
        // The mirror operations set the angle without normalising and log nothing themselves.
        {"mirror at a vertical axis", 0, [](TRechteck *r) { r->spiegelnAnVertikalerAchse(1); }, -3, 4, 4, 2, 360, ""},
        {"vertikalSpiegeln", 30, [](TRechteck *r) { r->vertikalSpiegeln(); }, 5, 4, 4, 2, 330,
         "re0.vertikalSpiegeln(  )"},
        // Negative factors make no negative extents.
        {"strecken negative", 0, [](TRechteck *r) { r->strecken(-2); }, 5, 4, 8, 4, 0, "re0.strecken( -200.000 % )"},
        {"streckenMitZentrum", 0, [](TRechteck *r) { r->streckenMitZentrum(2, 3, -1); }, -1, 2, 4, 2, 0,
         "re0.streckenMitZentrum( 2.00 cm, 3.00 cm, -100.000 % )"},
        // Along the own axes; turned by 90 the lower end of the x axis (5, 2) stays.
        {"streckenMitZentrumLB", 90, [](TRechteck *r) { r->streckenMitZentrumLB(5, 2, 2, 1); }, 5, 6, 8, 2, 90,
         "re0.streckenMitZentrumLB( 5.00 cm, 2.00 cm, 200.000 %, 100.000 % )"},
        // Typed streckenLängeBreite stretches about the centre.
        {"streckenLaengeBreite", 0,
         [](TRechteck *r) {
             EXPECT_EQ(ausfuehren(r, MStreckenLaengeBreite, Werte({Faktor(0.5), Faktor(-3)})), "");
         },
         5, 4, 2, 6, 0, "re0.streckenMitZentrumLB( 5.00 cm, 4.00 cm, 50.000 %, -300.000 % )"},
        {"verschieben", 0, [](TRechteck *r) { r->verschieben(2.5, -0.5); }, 7.5, 3.5, 4, 2, 0,
         "re0.verschieben( 2.50 cm, -5.00 mm )"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        Umgebung u;
        TRechteck *r = u.rechteck(5, 4, 4, 2, f.w0);
        f.op(r);
        EXPECT_BOX(r, f.mx, f.my, f.l, f.b);
        EXPECT_NEAR(r->Winkel, f.w, Eps);
        EXPECT_EQ(u.zuletzt(), f.log);
        const double a = f.w * M_PI / 180, c = std::fabs(std::cos(a)), s = std::fabs(std::sin(a));
        const double hx = (f.l * c + f.b * s) / 2, hy = (f.l * s + f.b * c) / 2;
        EXPECT_RAHMEN(r, f.mx - hx, f.mx + hx, f.my - hy, f.my + hy);
    }
    // Extreme angles finish at once and stay within one turn.
    Umgebung u;
    TRechteck *r = u.rechteck(5, 4, 4, 2);
    r->drehen(1e300);
    EXPECT_GE(r->Winkel, 0.0);
    EXPECT_LT(r->Winkel, 360.0);
    r->drehen(-1e-20);
    EXPECT_LT(r->Winkel, 360.0);
}

// Typed setters: message, log entry and attribute text.
TEST(BoxFigur, SetterUndAttribute)
{
    Umgebung u;
    TRechteck *r = u.rechteck(5, 4, 4, 2);
    const struct {
        int methode;
        TDataListe (*werte)();
        const char *log;
        int attribut;
        const char *anzeige;
    } setzer[] = {
        {MBreiteSetzen, [] { return Werte({Laenge(3)}); }, "re0.BreiteSetzen( 3.00 cm )", ABreite, "3.00 cm"},
        {MLaengeSetzen, [] { return Werte({Laenge(0.5)}); }, "re0.LängeSetzen( 5.00 mm )", ALaenge, "5.00 mm"},
        {MDiagonalenschnittpunktSetzen,
         [] {
             return Werte({Laenge(2), Laenge(7)});
         },
         "re0.DiagonalenschnittpunktSetzen( 2.00 cm, 7.00 cm )", ADiagonalenschnittpunktY, "7.00 cm"},
        {MWinkelSetzen, [] { return Werte({Winkel(-45)}); }, "re0.winkelSetzen( -45.00° )", AWinkel, "-45.00°"},
        {MFuellfarbeSetzen, [] { return Werte({TData(TFarbe::Echt(FarbWert(0, 0, 255)))}); },
         "re0.FüllfarbeSetzen( blau )", AFuellfarbe, "blau"},
        {MLinienfarbeSetzen, [] { return Werte({TData(TFarbe::Unsichtbar())}); }, "re0.LinienfarbeSetzen( unsichtbar )",
         ALinienfarbe, "unsichtbar"},
        {MLinienartSetzen, [] { return Werte({TData(std::uint8_t(3), ArtLinienart)}); },
         "re0.LinienartSetzen( breitgestrichelt )", ALinienart, "breitgestrichelt"},
        {MLinienstaerkeSetzen, [] { return Werte({Laenge(0.05)}); }, "re0.LinienstärkeSetzen( 0.50 mm )",
         ALinienstaerke, "0.50 mm"},
    };
    for (const auto &s : setzer) {
        SCOPED_TRACE(s.log);
        EXPECT_EQ(ausfuehren(r, s.methode, s.werte()), "");
        EXPECT_EQ(u.zuletzt(), s.log);
        EXPECT_EQ(r->AttributWert(s.attribut)->AnzeigeText(), s.anzeige);
    }
    EXPECT_BOX(r, 2, 7, 0.5, 3);
    EXPECT_DOUBLE_EQ(r->Winkel, -45);
    EXPECT_EQ(attributTexte(r, {ADiagonalenschnittpunktX}), QStringList{"2.00 cm"});
    EXPECT_EQ(r->AttributWert(ARadiusX), nullptr);

    // A named copy takes every value and is logged; an unnamed one is not.
    r->Linienart = 4;
    auto kopie = r->Duplizieren(true);
    auto *k = dynamic_cast<TRechteck *>(kopie.get());
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->Name, "re1");
    EXPECT_EQ(u.zuletzt(), "re1:RECHTECK");
    EXPECT_BOX(k, 2, 7, 0.5, 3);
    EXPECT_DOUBLE_EQ(k->Winkel, -45);
    EXPECT_EQ(k->Linienart, 4);
    EXPECT_EQ(k->Füllfarbe, TFarbe::Echt(FarbWert(0, 0, 255)));
    const int n = u.anzahl();
    auto ohne = r->Duplizieren(false);
    EXPECT_TRUE(ohne->Name.isEmpty());
    EXPECT_EQ(u.anzahl(), n);
}

using Figurbasis = Figuren;

TEST_F(Figurbasis, PunktNahAnStreckeVektorWinkelUndLiegtImRechteck)
{
    const double px = 1 / zf.SkalaX;
    // Point, tolerance, segment: below 2 pixels the tolerance acts as 2
    // pixels; beyond the ends by more than half the tolerance is no hit; a
    // degenerate segment is never hit, not even at its point.
    const struct {
        double x, y, tol, x1, y1, x2, y2;
        bool nah;
    } faelle[] = {{1, 1.9 * px, 0, 0, 0, 2, 0, true}, {1, 2.0 * px, 0, 0, 0, 2, 0, false},
                  {1, 0.4, 0.5, 0, 0, 2, 0, true},    {2.2, 0, 0.5, 0, 0, 2, 0, true},
                  {2.3, 0, 0.5, 0, 0, 2, 0, false},   {1, 1, 0.5, 1, 1, 1, 1, false}};
    for (const auto &f : faelle)
        EXPECT_EQ(PunktNahAnStrecke(&zf, f.x, f.y, f.tol, f.x1, f.y1, f.x2, f.y2), f.nah) << f.x << " " << f.y;
    // A vector too short to have a direction counts as direction 0.
    EXPECT_NEAR(VektorWinkel(0, -1), 1.5 * M_PI, Eps);
    EXPECT_DOUBLE_EQ(VektorWinkel(1e-7, 1e-7), 0.0);
    // The edges belong to the rectangle.
    auto *a = u.rechteck(2, 2, 2, 2);
    EXPECT_TRUE(a->LiegtImRechteck(1, 1, 3, 3));
    EXPECT_FALSE(a->LiegtImRechteck(1.01, 1, 3, 3));
    EXPECT_FALSE(a->LiegtImRechteck(1, 1, 3, 2.99));
}

} // namespace
