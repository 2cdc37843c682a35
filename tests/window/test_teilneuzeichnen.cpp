// A typed call that changes one figure repaints only its part of the cached
// image, which then equals a complete repaint pixel for pixel.
#include "fenster_hilfen.h"

using TeilNeuzeichnen = Fenster;

TEST_F(TeilNeuzeichnen, DasBildGleichtDemGanzNeuGezeichneten)
{
    TRechteck *re0 = rechteck(3.5, 21, 3, 2); // red, outlined
    auto *el0 = figur<TEllipse>(QStringLiteral("ELLIPSE"), 3, 19, 4, 3);
    TRechteck *re1 = kasten(4, 18, 3, 3);
    for (TZeichenObjekt *fig : std::initializer_list<TZeichenObjekt *>{el0, re1}) {
        const bool dick = fig == re1; // thick long dashes
        std::tie(fig->Füllfarbe, fig->Linienfarbe, fig->Linienstärke, fig->Linienart) =
            std::tuple(TFarbe::Echt(FarbWert(0, 128, 255)), TFarbe::Echt(0), dick ? 0.2 : 0.05, dick ? 3 : 1);
        fig->GeometrieBerechnen();
    }
    waehlen({el0}); // its handles move with it
    static const struct {
        const char *aufruf;
        bool teilweise;
    } faelle[] = {
        {"re0.verschieben(1 mm, 0)", true},
        {"re0.verschieben(4 cm, -3 cm)", true}, // far: old and new place
        {"re1.drehen(30)", true},               // thick dashes, turned
        {"re0.FüllfarbeSetzen(gold)", true},
        {"re1.LinienstärkeSetzen(4 mm)", true}, // the outline grows
        {"el0.verschieben(-1 cm, 1 cm)", true}, // selected: handles too
        {"dokument1.hintergrundfarbeSetzen(gold)", false},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.aufruf);
        f->Neuzeichnen();
        const QImage vorher = f->Zeichenbereich->Puffer().copy();
        const int teil = f->Zeichenbereich->Teilaufbauten();
        feld()->TextSetzen(QString::fromUtf8(fall.aufruf));
        f->OnEingabeFeldEnter();
        EXPECT_EQ(f->Zeichenbereich->Teilaufbauten() - teil, fall.teilweise ? 1 : 0);
        const QImage nachher = f->Zeichenbereich->Puffer().copy();
        EXPECT_NE(vorher, nachher);
        f->Neuzeichnen();
        EXPECT_TRUE(nachher == f->Zeichenbereich->Puffer()); // RGB32: the alpha byte does not count
    }
    EXPECT_NEAR(re0->MitteX, 7.6, 1e-9);
}
