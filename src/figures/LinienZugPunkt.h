#pragma once
#include "model/Objekt.h"

// A vertex of a polyline (class PUNKT); owned by its polyline's Teile.
class TLinienZugPunkt : public TObjekt
{
public:
    TLinienZugPunkt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    double X = 0.0, Y = 0.0;
    double VorTangenteX = 0.0, VorTangenteY = 0.0;
    double NachTangenteX = 0.0, NachTangenteY = 0.0;
    std::uint8_t AbschnittArt = 0; // of the segment leaving this point: 0 gerade, 1 gekrümmt
    std::int32_t ErsterUmrissIndex = -1, LetzterUmrissIndex = -1;

    // Sets X and Y together with the point's bounding box.
    void PositionSetzen(double x, double y);

    void Zeichnen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    void Uebernehmen(const TObjekt &quelle) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    // koordinatenSetzen and abschnittArtSetzen; afterwards the polyline
    // recomputes its outline and resets its frame. Vertices log nothing.
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;
};
