#pragma once
#include "model/Farbe.h"
#include "model/Objekt.h"

#include <functional>

// Requests that objects cannot carry out themselves and leave for the
// workspace, one slot per kind, carried out after the method returns in the
// order ungroup, copy, cut, delete.
struct THandlungswuensche {
    TObjekt *GruppierungAufheben = nullptr;
    TObjekt *Kopieren = nullptr;
    TObjekt *Ausschneiden = nullptr;
    TObjekt *Loeschen = nullptr;
    // A vertex that already left its polyline is owned here until the
    // workspace frees it.
    std::unique_ptr<TObjekt> LoeschenEigen;

    void LoeschenUebergeben(std::unique_ptr<TObjekt> objekt)
    {
        Loeschen = objekt.get();
        LoeschenEigen = std::move(objekt);
    }
    bool Leer() const { return !GruppierungAufheben && !Kopieren && !Ausschneiden && !Loeschen; }
};

// The drawing: root of the object tree; owns the figures in drawing order
// (index 0 is drawn first and lies at the back).
class TDokument : public TObjekt
{
public:
    explicit TDokument(TAnalysator *analysator);
    ~TDokument() override;

    TFarbe Hintergrundfarbe = TFarbe::Echt(FarbWert(255, 255, 255));
    QString Passwort;

    // Deferred requests left by methods.
    THandlungswuensche Wuensche;
    // The paste command of the workspace; called by `einfügen`.
    std::function<void()> EinfuegenAktion;

    // The background, every figure, then the selected figures' handles on
    // top. Defined in figures/DokumentZeichnen.cpp, above the surface and
    // the figures they use.
    void Zeichnen(TZeichenflaeche *zf) override;
    void ZeichnenMitTeilen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;

    void AlleGeometrienBerechnen();
    // Removes a figure without freeing it.
    std::unique_ptr<TObjekt> TeilEntfernen(TObjekt *teil);
    // Frees every figure.
    void Leeren();

};
