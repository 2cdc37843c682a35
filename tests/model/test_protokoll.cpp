// The call record and the recorder.
#include "modell_hilfen.h"

TEST(Aufruf, AnzeigeTexte)
{
    TMethodenAufruf verschieben(MVerschieben, QStringLiteral("re0"));
    verschieben.LaengeHinzufuegen(2.0).LaengeHinzufuegen(1.0);
    EXPECT_EQ(verschieben.AnzeigeText(), "re0.verschieben( 2.00 cm, 10.00 mm )");

    EXPECT_EQ(TMethodenAufruf(MSchliessen, QStringLiteral("lz0")).AnzeigeText(), "lz0.schließen(  )");
    EXPECT_EQ(TMethodenAufruf(MFreigeben, QStringLiteral("el3")).AnzeigeText(), "el3.freigeben()");
    TMethodenAufruf text(MTextSetzen, QStringLiteral("tf0"));
    text.TextHinzufuegen(QStringLiteral("Hallo, Welt"));
    EXPECT_EQ(text.AnzeigeText(), "tf0.textSetzen( \"Hallo, Welt\" )");

    TMethodenAufruf alles(MStreckenMitZentrum, QStringLiteral("x"));
    alles.LaengeHinzufuegen(0.5)
        .WinkelHinzufuegen(90)
        .FaktorHinzufuegen(2)
        .GanzzahlHinzufuegen(7)
        .FarbeHinzufuegen(TFarbe::Unsichtbar())
        .LinienartHinzufuegen(4)
        .WahrheitswertHinzufuegen(true)
        .AbschnittArtHinzufuegen(0)
        .AusrichtungHinzufuegen(2);
    EXPECT_EQ(alles.AnzeigeText(), QStringLiteral("x.streckenMitZentrum( 5.00 mm, 90.00°, 200.000 %, 7, unsichtbar, "
                                                  "gepunktelt, wahr, gerade, zentriert )"));
}

TEST(Analysator, HoechstensZweitausendEintraege)
{
    TAnalysator analysator;
    long long gemeldet = 0;
    analysator.BeobachterAnmelden([&](const TMethodenAufruf &) {
        ++gemeldet;
        EXPECT_LE(analysator.Protokoll().size(), 2000u);
    });
    for (int i = 0; i < 2001; ++i)
        analysator.Protokollieren(std::make_unique<TMethodenAufruf>(MZeichnen, QStringLiteral("o%1").arg(i)));
    ASSERT_EQ(analysator.Protokoll().size(), 2000u);
    EXPECT_EQ(analysator.Protokoll().front()->ObjektName, "o1");
    EXPECT_EQ(analysator.Protokoll().back()->ObjektName, "o2000");
    EXPECT_EQ(analysator.GesamtAnzahl(), 2001);
    EXPECT_EQ(gemeldet, 2001);
}
