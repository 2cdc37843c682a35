#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// Class ids.
enum TKlassenIdWert : std::uint8_t {
    KlasseDokument = 0,
    KlasseRechteck = 1,
    KlasseEllipse = 2,
    KlasseLinie = 3,
    KlasseLinienZug = 4,
    KlasseVielEck = 5,
    KlassePunkt = 6,
    KlasseGruppe = 7,
    KlasseTextFeld = 8,
};
constexpr int KlassenAnzahl = 9;

// Method ids (0 stands for the creation of an object).
enum TMethodenIdWert : std::uint8_t {
    MErzeugung = 0,
    MFreigeben = 1,
    MVerschieben = 2,
    MStrecken = 3,
    MStreckenLaengeBreite = 4,
    MDiagonalenschnittpunktSetzen = 5,
    MLaengeSetzen = 6,
    MBreiteSetzen = 7,
    MFuellfarbeSetzen = 8,
    MLinienfarbeSetzen = 9,
    MLinienartSetzen = 10,
    MLinienstaerkeSetzen = 11,
    MDrehen = 12,
    MStreckenMitZentrumLB = 13,
    MStreckenMitZentrum = 14,
    MDrehenUm = 15,
    MWinkelSetzen = 16,
    MVertikalSpiegeln = 17,
    MHorizontalSpiegeln = 18,
    MSchlucken = 19,
    MGruppierungAufheben = 20,
    MZeichnen = 21,
    MInDenVordergrundSetzen = 22,
    MInDenHintergrundSetzen = 23,
    MEineEbeneNachVorneSetzen = 24,
    MEineEbeneNachHintenSetzen = 25,
    MKopieren = 26,
    MEinfuegen = 27,
    MAusschneiden = 28,
    MHintergrundfarbeSetzen = 29,
    MRadiusXSetzen = 30,
    MRadiusYSetzen = 31,
    MMittelpunktSetzen = 32,
    MPunkt1Setzen = 33,
    MPunkt2Setzen = 34,
    MKoordinatenSetzen = 35,
    MAbschnittArtSetzen = 36,
    MOeffnen = 37,
    MSchliessen = 38,
    MEckenzahlSetzen = 39,
    MAusrichtungSetzen = 40,
    MSchriftfarbeSetzen = 41,
    MTextSetzen = 42,
    MZeileHinzufuegen = 43,
    MSchriftartSetzen = 44,
    MSchriftgroesseSetzen = 45,
    MFettSetzen = 46,
    MKursivSetzen = 47,
    MSpiegelnAnVertikalerAchse = 48,
    MSpiegelnAnHorizontalerAchse = 49,
    MSpiegelnVertikal = 50,
    MSpiegelnHorizontal = 51,
};
constexpr int MethodenAnzahl = 52;

// Attribute ids.
enum TAttributIdWert : std::uint8_t {
    AFuellfarbe = 0,
    ALinienfarbe = 1,
    ALinienart = 2,
    ALinienstaerke = 3,
    ABreite = 4,
    ALaenge = 5,
    ADiagonalenschnittpunktX = 6,
    ADiagonalenschnittpunktY = 7,
    AWinkel = 8,
    AHintergrundfarbe = 9,
    ARadiusX = 10,
    ARadiusY = 11,
    AMittelpunktX = 12,
    AMittelpunktY = 13,
    APunkt1X = 14,
    APunkt1Y = 15,
    APunkt2X = 16,
    APunkt2Y = 17,
    AX = 18,
    AY = 19,
    AAbschnittArt = 20,
    AGeschlossen = 21,
    AEckenzahl = 22,
    AAusrichtung = 23,
    ASchriftfarbe = 24,
    AText = 25,
    AFett = 26,
    AKursiv = 27,
    ASchriftart = 28,
    ASchriftgroesse = 29,
};
constexpr int AttributAnzahl = 30;

// "RECHTECK", ...; empty for an unknown id.
QString KlassenNameZuId(int klassenId);
// "re", "el", ...; the document's prefix "dokument" is never applied.
QString NamensPraefixZuId(int klassenId);
// Class id for an exact (case-sensitive) class name, or -1.
int KlassenIdZuName(const QString &name);
// Class id for a class name compared through Grossschreibung, or -1.
int KlassenIdZuNameOhneGross(const QString &name);

// The name of a method id ("" for 0 and unknown ids).
QString MethodenName(int methodenId);
// The name of an attribute id.
QString AttributName(int attributId);

struct TParameter {
    QString Name;
    std::uint8_t Art; // a TDataArt
};

class TMethode
{
public:
    explicit TMethode(std::uint8_t id) : Id(id) {}
    std::uint8_t Id;
    std::vector<TParameter> Parameter;

    TMethode &ParameterHinzufuegen(const QString &name, std::uint8_t art)
    {
        Parameter.push_back({name, art});
        return *this;
    }
    QString Name() const { return MethodenName(Id); }
};

struct TAttribut {
    std::uint8_t Id;
    QString Name() const { return AttributName(Id); }
};

// The descriptor lists a class object owns and all objects of the class share.
struct TKlassenListen {
    std::vector<std::unique_ptr<TMethode>> Methoden;
    std::vector<TAttribut> Attribute;
};
