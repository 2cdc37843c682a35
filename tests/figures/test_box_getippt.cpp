// Typed calls on rectangles, ellipses, polygons and lines, run as the input
// field's Enter (and the console runner) runs them: parameters converted by
// the kinds the methods ask for, the log texts and the geometry they leave.
#include "figuren_hilfen.h"
#include "language/Arbeitsbereich.h"

namespace {

TEST(Getippt, JedeFigurartProtokolliertIhreAufrufe)
{
    TArbeitsbereich ws;
    for (const char *klasse : {"RECHTECK", "ELLIPSE", "VIELECK", "LINIE"}) {
        auto o = ws.Klassen().ObjektErzeugen(QString::fromLatin1(klasse));
        o->NamenVergeben();
        ws.Dokument().TeilAnhaengen(std::move(o));
    }
    // Runs the call; answers the texts of the entries it logged.
    auto aufruf = [&ws](const QString &text, QString *meldung = nullptr) {
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
    };
    const std::pair<const char *, const char *> faelle[] = {
        {"re0.LängeSetzen(4 cm)", "re0.LängeSetzen( 4.00 cm )"},
        {"re0.BreiteSetzen(20)", "re0.BreiteSetzen( 2.00 cm )"},
        {"re0.DiagonalenschnittpunktSetzen(5 cm, 4 cm)", "re0.DiagonalenschnittpunktSetzen( 5.00 cm, 4.00 cm )"},
        {"re0.streckenLängeBreite(2, 0.5)", "re0.streckenMitZentrumLB( 5.00 cm, 4.00 cm, 200.000 %, 50.000 % )"},
        {"re0.drehen(370)", "re0.drehen( 370.00° )"},
        {"re0.winkelSetzen(400)", "re0.winkelSetzen( 400.00° )"},
        {"re0.FüllfarbeSetzen(rot)", "re0.FüllfarbeSetzen( rot )"},
        {"re0.LinienartSetzen(gestrichelt)", "re0.LinienartSetzen( gestrichelt )"},
        {"el0.radiusXSetzen(3 cm)", "el0.radiusXSetzen( 3.00 cm )"},
        {"el0.mittelpunktSetzen(1 cm, 2 cm)", "el0.mittelpunktSetzen( 10.00 mm, 2.00 cm )"},
        {"ve0.eckenzahlSetzen(8)", "ve0.eckenzahlSetzen( 8 )"},
        {"li0.punkt2Setzen(2 cm, 0)", nullptr}, // the point setters are not logged
        {"li0.drehen(90)", "li0.drehenUm( 10.00 mm, 0.00 mm, 90.00° )"},
        {"li0.strecken(2)", "li0.streckenMitZentrum( 10.00 mm, 0.00 mm, 200.000 % )"},
        {"li0.punkt1Setzen(1 cm, 1 cm)", nullptr},
    };
    for (const auto &[text, log] : faelle) {
        SCOPED_TRACE(text);
        QString meldung;
        EXPECT_EQ(aufruf(QString::fromUtf8(text), &meldung), log ? QStringList{log} : QStringList());
        EXPECT_EQ(meldung, "");
    }
    auto *re0 = static_cast<TRechteck *>(ws.Dokument().FindeObjekt(QStringLiteral("re0")));
    auto *ve0 = static_cast<TVielEck *>(ws.Dokument().FindeObjekt(QStringLiteral("ve0")));
    auto *li0 = static_cast<TLinie *>(ws.Dokument().FindeObjekt(QStringLiteral("li0")));
    EXPECT_BOX(re0, 5, 4, 8, 1);
    EXPECT_DOUBLE_EQ(re0->Winkel, 400);
    // The bounding box follows the typed calls (the executor recomputes).
    EXPECT_NEAR(re0->Umgebungsrechteck.Rechts - re0->Umgebungsrechteck.Links,
                8 * std::cos(M_PI / 4.5) + std::sin(M_PI / 4.5), Eps);
    EXPECT_NEAR(static_cast<TEllipse *>(ws.Dokument().FindeObjekt(QStringLiteral("el0")))->Umgebungsrechteck.Rechts, 4,
                Eps);
    EXPECT_EQ(ve0->Umrisspunkte.size(), 8);
    EXPECT_PUNKT(li0->Punkt2X, li0->Punkt2Y, 1, 2);
    EXPECT_NEAR(li0->MitteY, 1.5, Eps);

    // A refused value is reported and changes nothing.
    QString meldung;
    EXPECT_TRUE(aufruf(QStringLiteral("ve0.eckenzahlSetzen(2)"), &meldung).isEmpty());
    EXPECT_EQ(meldung, "Ein Vieleck muss zwischen 3 und 1000 Ecken haben.");
    EXPECT_EQ(ve0->Eckenzahl, 8);
}

} // namespace
