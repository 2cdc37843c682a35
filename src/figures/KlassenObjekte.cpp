#include "figures/KlassenObjekte.h"
#include "figures/UZeichenObjekte.h"
#include "model/Dokument.h"

TKlassenObjekte::TKlassenObjekte(TAnalysator *analysator, TDokument *dokument)
    : Analysator(analysator), Dokument(dokument)
{
    dokument->KlassenId = KlasseDokument;
    klassen_.push_back(dokument);
    auto bauen = [&](std::unique_ptr<TObjekt> klasse, std::uint8_t id) {
        klasse->KlassenId = id;
        TObjekt *roh = klasse.get();
        eigene_.push_back(std::move(klasse));
        klassen_.push_back(roh);
        return roh;
    };
    // Ids 1 to 8 in this order.
    RECHTECK = bauen(std::make_unique<TRechteck>(dokument, analysator, nullptr), KlasseRechteck);
    ELLIPSE = bauen(std::make_unique<TEllipse>(dokument, analysator, nullptr), KlasseEllipse);
    LINIE = bauen(std::make_unique<TLinie>(dokument, analysator, nullptr), KlasseLinie);
    LINIENZUG = bauen(std::make_unique<TLinienZug>(dokument, analysator, nullptr), KlasseLinienZug);
    VIELECK = bauen(std::make_unique<TVielEck>(dokument, analysator, nullptr), KlasseVielEck);
    PUNKT = bauen(std::make_unique<TLinienZugPunkt>(dokument, analysator, nullptr), KlassePunkt);
    GRUPPE = bauen(std::make_unique<TGruppe>(dokument, analysator, nullptr), KlasseGruppe);
    TEXTFELD = bauen(std::make_unique<TTextFeld>(dokument, analysator, nullptr), KlasseTextFeld);
    // Polylines make their vertices from the PUNKT class object.
    static_cast<TLinienZug *>(LINIENZUG)->PunktKlasse = PUNKT;
}

TKlassenObjekte::~TKlassenObjekte() = default;

TObjekt *TKlassenObjekte::KlasseZuId(int id) const
{
    for (TObjekt *k : klassen_)
        if (k->KlassenId == id)
            return k;
    return nullptr;
}

TObjekt *TKlassenObjekte::KlasseZuName(const QString &name) const
{
    for (TObjekt *k : klassen_)
        if (k->KlassenName() == name)
            return k;
    return nullptr;
}

std::unique_ptr<TObjekt> TKlassenObjekte::ObjektErzeugen(const QString &klassenName) const
{
    TObjekt *klasse = KlasseZuName(klassenName);
    if (!klasse || klasse->KlassenId == KlasseDokument)
        return nullptr;
    return klasse->Duplizieren(false);
}

void TKlassenObjekte::ZaehlerZuruecksetzen()
{
    for (TObjekt *k : klassen_)
        if (k->KlassenId != KlasseDokument)
            k->Zaehler = 0;
}
