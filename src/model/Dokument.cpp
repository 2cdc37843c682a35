#include "model/Dokument.h"
#include "model/Analysator.h"
#include "model/MethodenAufruf.h"

TDokument::TDokument(TAnalysator *analysator) : TObjekt(nullptr, analysator, nullptr)
{
    Name = QStringLiteral("dokument1");
    KlassenId = KlasseDokument;
    MethodeEintragen(MEinfuegen);
    MethodeEintragen(MHintergrundfarbeSetzen)
        .ParameterHinzufuegen(QStringLiteral("Hintergrundfarbe"), ArtFarbwert);
    AttributEintragen(AHintergrundfarbe);
}

TDokument::~TDokument()
{
    Teile.clear();
}

std::unique_ptr<TObjekt> TDokument::Duplizieren(bool)
{
    return nullptr;
}

std::unique_ptr<TData> TDokument::AttributWert(int attributId) const
{
    if (attributId == AHintergrundfarbe)
        return std::make_unique<TData>(Hintergrundfarbe);
    return TObjekt::AttributWert(attributId);
}

void TDokument::MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                                  TZeichenflaeche *zf)
{
    meldung.clear();
    switch (methodenId) {
    case MEinfuegen:
        Protokolliere(MEinfuegen);
        if (EinfuegenAktion)
            EinfuegenAktion();
        return;
    case MHintergrundfarbeSetzen:
        if (parameter.empty() || parameter[0]->Art() != ArtFarbwert)
            return;
        Protokolliere(MHintergrundfarbeSetzen, &TMethodenAufruf::FarbeHinzufuegen,
                      parameter[0]->Farbe());
        Hintergrundfarbe.Zuweisen(&parameter[0]->Farbe());
        return;
    default:
        TObjekt::MethodeAusfuehren(methodenId, parameter, meldung, zf);
    }
}

void TDokument::AlleGeometrienBerechnen()
{
    for (auto &teil : Teile)
        teil->GeometrieBerechnen();
}

std::unique_ptr<TObjekt> TDokument::TeilEntfernen(TObjekt *teil)
{
    return TeilHerausloesen(teil);
}

void TDokument::Leeren()
{
    // Free front to back (in drawing order, the back-most figure first);
    // each figure logs its own release. The list is taken over first:
    // erasing at the front one by one costs quadratic time on large
    // drawings, and nobody sees a half-shifted list meanwhile.
    TObjektListe alte;
    alte.swap(Teile);
    for (auto &teil : alte)
        teil.reset();
}
