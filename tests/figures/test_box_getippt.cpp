// Typed calls on rectangles, ellipses, polygons and lines, run as the input
// field's Enter (and the console runner) runs them: the log texts and the
// geometry they leave.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "language/MethodenAufruf.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"

#include <gtest/gtest.h>

namespace {

struct Getippt : ::testing::Test {
    TArbeitsbereich ws;
    TRechteck *re0 = nullptr;
    TEllipse *el0 = nullptr;
    TVielEck *ve0 = nullptr;
    TLinie *li0 = nullptr;

    template <class T>
    T *anlegen(const char *klasse)
    {
        auto o = ws.Klassen().ObjektErzeugen(QString::fromLatin1(klasse));
        o->NamenVergeben();
        return static_cast<T *>(ws.Dokument().TeilAnhaengen(std::move(o)));
    }
    void SetUp() override
    {
        re0 = anlegen<TRechteck>("RECHTECK");
        el0 = anlegen<TEllipse>("ELLIPSE");
        ve0 = anlegen<TVielEck>("VIELECK");
        li0 = anlegen<TLinie>("LINIE");
    }
    // Runs the call; answers the texts of the entries it logged.
    QStringList aufruf(const QString &text, QString *meldung = nullptr)
    {
        const auto vorher = ws.Analysator().Protokoll().size();
        const TAufrufErgebnis e = ws.AufrufAusfuehren(text, int(text.size()), nullptr);
        EXPECT_TRUE(e.Fehlermeldung.isEmpty()) << e.Fehlermeldung.toStdString();
        if (meldung)
            *meldung = e.Meldung;
        QStringList texte;
        const auto &p = ws.Analysator().Protokoll();
        for (auto i = vorher; i < p.size(); ++i)
            texte << p[i]->AnzeigeText();
        return texte;
    }
};

TEST_F(Getippt, RechteckOperationen)
{
    EXPECT_EQ(aufruf(u8"re0.LängeSetzen(4 cm)"), QStringList{u8"re0.LängeSetzen( 4.00 cm )"});
    EXPECT_EQ(aufruf("re0.BreiteSetzen(20)"), QStringList{"re0.BreiteSetzen( 2.00 cm )"});
    EXPECT_EQ(aufruf("re0.DiagonalenschnittpunktSetzen(5 cm, 4 cm)"),
              QStringList{"re0.DiagonalenschnittpunktSetzen( 5.00 cm, 4.00 cm )"});
    EXPECT_EQ(aufruf(u8"re0.streckenLängeBreite(2, 0.5)"),
              QStringList{"re0.streckenMitZentrumLB( 5.00 cm, 4.00 cm, 200.000 %, 50.000 % )"});
    EXPECT_DOUBLE_EQ(re0->Länge, 8);
    EXPECT_DOUBLE_EQ(re0->Breite, 1);
    EXPECT_EQ(aufruf("re0.drehen(370)"), QStringList{u8"re0.drehen( 370.00° )"});
    EXPECT_NEAR(re0->Winkel, 10, 1e-9);
    EXPECT_EQ(aufruf("re0.winkelSetzen(400)"), QStringList{u8"re0.winkelSetzen( 400.00° )"});
    EXPECT_DOUBLE_EQ(re0->Winkel, 400);
    EXPECT_EQ(aufruf(u8"re0.FüllfarbeSetzen(rot)"), QStringList{u8"re0.FüllfarbeSetzen( rot )"});
    EXPECT_EQ(aufruf("re0.LinienartSetzen(gestrichelt)"),
              QStringList{"re0.LinienartSetzen( gestrichelt )"});
    // The bounding box follows the typed calls (the executor recomputes).
    EXPECT_NEAR(re0->Umgebungsrechteck.Rechts - re0->Umgebungsrechteck.Links,
                8 * std::cos(M_PI / 4.5) + std::sin(M_PI / 4.5), 1e-9);
}

TEST_F(Getippt, EllipseVieleckLinie)
{
    EXPECT_EQ(aufruf("el0.radiusXSetzen(3 cm)"), QStringList{"el0.radiusXSetzen( 3.00 cm )"});
    EXPECT_EQ(aufruf("el0.mittelpunktSetzen(1 cm, 2 cm)"),
              QStringList{"el0.mittelpunktSetzen( 10.00 mm, 2.00 cm )"});
    EXPECT_NEAR(el0->Umgebungsrechteck.Rechts, 4, 1e-9);

    QString meldung;
    EXPECT_TRUE(aufruf("ve0.eckenzahlSetzen(2)", &meldung).isEmpty());
    EXPECT_EQ(meldung, "Ein Vieleck muss zwischen 3 und 1000 Ecken haben.");
    EXPECT_EQ(ve0->Eckenzahl, 6);
    EXPECT_EQ(aufruf("ve0.eckenzahlSetzen(8)", &meldung), QStringList{"ve0.eckenzahlSetzen( 8 )"});
    EXPECT_TRUE(meldung.isEmpty());
    EXPECT_EQ(ve0->Umrisspunkte.size(), 8);

    aufruf("li0.punkt2Setzen(2 cm, 0)");
    EXPECT_EQ(aufruf("li0.drehen(90)"), QStringList{u8"li0.drehenUm( 10.00 mm, 0.00 mm, 90.00° )"});
    EXPECT_NEAR(li0->Punkt1Y, -1, 1e-9);
    EXPECT_EQ(aufruf("li0.strecken(2)"), QStringList{"li0.streckenMitZentrum( 10.00 mm, 0.00 mm, 200.000 % )"});
    EXPECT_NEAR(li0->Punkt2Y, 2, 1e-9);
    EXPECT_TRUE(aufruf("li0.punkt1Setzen(1 cm, 1 cm)").isEmpty()); // not logged
    EXPECT_NEAR(li0->MitteY, 1.5, 1e-9);
}

} // namespace
