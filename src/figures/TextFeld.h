#pragma once
#include "figures/Rechteck.h"

class TTextFeld : public TRechteck
{
public:
    TTextFeld(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    QString Text;
    QString Schriftart = QStringLiteral("Arial");
    std::int32_t Schriftgröße = 12;
    std::uint8_t Ausrichtung = 3;
    TFarbe Schriftfarbe = TFarbe::Echt(0);
    std::uint8_t Fett = 0;
    std::uint8_t Kursiv = 0;

    void Zeichnen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    void Uebernehmen(const TObjekt &quelle) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;
};
