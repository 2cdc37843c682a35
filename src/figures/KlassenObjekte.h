#pragma once
#include "model/Objekt.h"

#include <memory>
#include <vector>

class TAnalysator;
class TDokument;
class TXMLKnoten;

// The class registry ("KLASSENVERZEICHNIS"): one class object per class.
// The document is its own class object and is not owned here.
class TKlassenObjekte
{
public:
    TKlassenObjekte(TAnalysator *analysator, TDokument *dokument);
    ~TKlassenObjekte();

    TAnalysator *Analysator;
    TDokument *Dokument;

    TObjekt *RECHTECK = nullptr;
    TObjekt *ELLIPSE = nullptr;
    TObjekt *LINIE = nullptr;
    TObjekt *LINIENZUG = nullptr;
    TObjekt *PUNKT = nullptr;
    TObjekt *VIELECK = nullptr;
    TObjekt *GRUPPE = nullptr;
    TObjekt *TEXTFELD = nullptr;

    // All nine class objects in id order: the document first.
    const std::vector<TObjekt *> &Klassen() const { return klassen_; }

    TObjekt *KlasseZuId(int id) const;
    // Exact, case-sensitive class name.
    TObjekt *KlasseZuName(const QString &name) const;
    // A new unnamed, unlogged object of the class; nothing for DOKUMENT.
    std::unique_ptr<TObjekt> ObjektErzeugen(const QString &klassenName) const;
    // Builds an object from a file element (see the file code).
    std::unique_ptr<TObjekt> ObjektAusXML(const TXMLKnoten &knoten) const;
    void ZaehlerZuruecksetzen();
    void InXMLSchreiben(TXMLKnoten &knoten) const;
    void AusXMLLesen(const TXMLKnoten &knoten);

private:
    std::vector<std::unique_ptr<TObjekt>> eigene_;
    std::vector<TObjekt *> klassen_;
};
