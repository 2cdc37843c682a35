#include "figures/LinienZugPunkt.h"
#include "figures/LinienZug.h"

TLinienZugPunkt::TLinienZugPunkt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TObjekt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MFreigeben);
        MethodeEintragen(MKoordinatenSetzen)
            .ParameterHinzufuegen(QStringLiteral("X"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Y"), ArtLaenge);
        MethodeEintragen(MAbschnittArtSetzen)
            .ParameterHinzufuegen(QStringLiteral("Art"), ArtAbschnittArt);
        AttributEintragen(AX);
        AttributEintragen(AY);
        AttributEintragen(AAbschnittArt);
    }
}

void TLinienZugPunkt::PositionSetzen(double x, double y)
{
    X = x;
    Y = y;
    Umgebungsrechteck.Links = Umgebungsrechteck.Rechts = x;
    Umgebungsrechteck.Unten = Umgebungsrechteck.Oben = y;
}

void TLinienZugPunkt::Zeichnen(TZeichenflaeche *) {}

std::unique_ptr<TObjekt> TLinienZugPunkt::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TLinienZugPunkt>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TLinienZugPunkt::Uebernehmen(const TObjekt &quelle)
{
    if (const auto *q = dynamic_cast<const TLinienZugPunkt *>(&quelle)) {
        X = q->X;
        Y = q->Y;
        AbschnittArt = q->AbschnittArt;
        ErsterUmrissIndex = q->ErsterUmrissIndex;
        LetzterUmrissIndex = q->LetzterUmrissIndex;
    }
    TObjekt::Uebernehmen(quelle);
}

std::unique_ptr<TData> TLinienZugPunkt::AttributWert(int attributId) const
{
    switch (attributId) {
    case AX:
        return std::make_unique<TData>(X, ArtLaenge);
    case AY:
        return std::make_unique<TData>(Y, ArtLaenge);
    case AAbschnittArt:
        return std::make_unique<TData>(AbschnittArt, ArtAbschnittArt);
    default:
        return TObjekt::AttributWert(attributId);
    }
}

void TLinienZugPunkt::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                        TZeichenflaeche *zf)
{
    meldung.clear();
    // `freigeben` takes the vertex out of its polyline: remember the owner.
    auto *linienZug = dynamic_cast<TLinienZug *>(Besitzer);
    switch (methodenId) {
    case MKoordinatenSetzen:
        if (p.size() >= 2)
            PositionSetzen(p[0]->Zahl(), p[1]->Zahl());
        break;
    case MAbschnittArtSetzen:
        if (!p.empty())
            AbschnittArt = p[0]->Code() ? 1 : 0;
        break;
    default:
        TObjekt::MethodeAusfuehren(methodenId, p, meldung, zf);
        break;
    }
    if (linienZug) {
        linienZug->GeometrieBerechnen();
        linienZug->RahmenZuruecksetzen();
        // A polyline inside a group: the outermost group's box follows too
        // (the executor leaves vertices to themselves).
        TObjekt *aussen = linienZug;
        while (aussen->Besitzer && aussen->Besitzer != Dokument)
            aussen = aussen->Besitzer;
        if (aussen != linienZug)
            aussen->GeometrieBerechnen();
    }
}
