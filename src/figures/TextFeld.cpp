#include "figures/TextFeld.h"

TTextFeld::TTextFeld(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteck(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeVorneEintragen(MFettSetzen)
            .ParameterHinzufuegen(QStringLiteral("IstFett"), ArtWahrheitswert);
        MethodeVorneEintragen(MKursivSetzen)
            .ParameterHinzufuegen(QStringLiteral("IstKursiv"), ArtWahrheitswert);
        MethodeVorneEintragen(MAusrichtungSetzen)
            .ParameterHinzufuegen(QStringLiteral("Ausrichtung"), ArtAusrichtung);
        MethodeVorneEintragen(MSchriftfarbeSetzen)
            .ParameterHinzufuegen(QStringLiteral("Farbe"), ArtFarbwert);
        MethodeVorneEintragen(MSchriftartSetzen)
            .ParameterHinzufuegen(QStringLiteral("Schriftart"), ArtText);
        MethodeVorneEintragen(MSchriftgroesseSetzen)
            .ParameterHinzufuegen(QStringLiteral("Schriftgröße"), ArtGanzzahl);
        MethodeVorneEintragen(MTextSetzen).ParameterHinzufuegen(QStringLiteral("Text"), ArtText);
        MethodeVorneEintragen(MZeileHinzufuegen)
            .ParameterHinzufuegen(QStringLiteral("Text"), ArtText);
        AttributVorneEintragen(AFett);
        AttributVorneEintragen(AKursiv);
        AttributVorneEintragen(AAusrichtung);
        AttributVorneEintragen(ASchriftfarbe);
        AttributVorneEintragen(ASchriftart);
        AttributVorneEintragen(ASchriftgroesse);
        AttributVorneEintragen(AText);
    }
}

void TTextFeld::Zeichnen(TZeichenflaeche *zf)
{
    TRechteck::Zeichnen(zf);
}

std::unique_ptr<TObjekt> TTextFeld::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TTextFeld>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TTextFeld::Uebernehmen(const TObjekt &quelle)
{
    if (const auto *q = dynamic_cast<const TTextFeld *>(&quelle)) {
        Text = q->Text;
        Schriftart = q->Schriftart;
        Schriftgröße = q->Schriftgröße;
        Ausrichtung = q->Ausrichtung;
        Schriftfarbe = q->Schriftfarbe;
        Fett = q->Fett;
        Kursiv = q->Kursiv;
    }
    TRechteck::Uebernehmen(quelle);
}

std::unique_ptr<TData> TTextFeld::AttributWert(int attributId) const
{
    switch (attributId) {
    case AText:
        return std::make_unique<TData>(Text);
    case ASchriftgroesse:
        return std::make_unique<TData>(std::int32_t(Schriftgröße));
    case ASchriftart:
        return std::make_unique<TData>(Schriftart);
    case ASchriftfarbe:
        return std::make_unique<TData>(Schriftfarbe);
    case AAusrichtung:
        return std::make_unique<TData>(Ausrichtung, ArtAusrichtung);
    case AKursiv:
        return std::make_unique<TData>(std::uint8_t(Kursiv ? 1 : 0), ArtWahrheitswert);
    case AFett:
        return std::make_unique<TData>(std::uint8_t(Fett ? 1 : 0), ArtWahrheitswert);
    default:
        return TRechteck::AttributWert(attributId);
    }
}

void TTextFeld::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                  TZeichenflaeche *zf)
{
    TRechteck::MethodeAusfuehren(methodenId, p, meldung, zf);
}
