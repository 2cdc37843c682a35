#pragma once
// Reading objects from file elements: the pieces shared by the object base,
// the document, the class registry and the document file commands.
#include "model/Farbe.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TAnalysator;
class TDokument;
class TKlassenObjekte;
class TObjekt;
class TXMLKnoten;

namespace ObjektXML {

// While alive, objects read from elements create their sub-objects through
// this registry (TObjekt::AusXMLLesen needs one to turn child elements into
// objects). TKlassenObjekte::ObjektAusXML and the document file commands set
// it; without one, child elements are skipped.
class TLeseKontext
{
public:
    explicit TLeseKontext(const TKlassenObjekte *klassen);
    ~TLeseKontext();
    TLeseKontext(const TLeseKontext &) = delete;
    TLeseKontext &operator=(const TLeseKontext &) = delete;
    static const TKlassenObjekte *Aktuell();

private:
    const TKlassenObjekte *alt_;
};

// Stops the call log for its lifetime and restores the previous state:
// objects built while reading and freed again because the file was bad must
// not log `freigeben`.
class TProtokollPause
{
public:
    explicit TProtokollPause(TAnalysator *analysator);
    ~TProtokollPause();
    TProtokollPause(const TProtokollPause &) = delete;
    TProtokollPause &operator=(const TProtokollPause &) = delete;

private:
    TAnalysator *analysator_;
    bool alt_ = false;
};

// One object with its sub-objects, built from an element; geometry computed
// for figures, the frame of a polyline reset. nullptr for an element name
// that is no class (or DOKUMENT). Throws EKonvertierungsFehler.
std::unique_ptr<TObjekt> ObjektLesen(const TKlassenObjekte &klassen, const TXMLKnoten &knoten);

// The objects for the child elements of an element, in order. Unknown
// elements, classes an object of class besitzerKlasse cannot own (a vertex
// in a group, ...) and polylines with fewer than two vertices or groups
// without members are skipped. Throws EKonvertierungsFehler, changing nothing.
std::vector<std::unique_ptr<TObjekt>> TeileLesen(const TXMLKnoten &knoten, int besitzerKlasse);

// Name and locks of an element, as read for any object.
struct TGrunddaten {
    std::optional<QString> Name;
    std::uint8_t MausGesperrt = 0;
    std::uint8_t TastaturGesperrt = 0;
};
TGrunddaten GrunddatenLesen(const TXMLKnoten &knoten);
void GrunddatenAnwenden(const TGrunddaten &daten, TObjekt &objekt);

// Everything the document reads from its element, gathered before the
// document is touched.
struct TDokumentDaten {
    TGrunddaten Grund;
    std::vector<std::unique_ptr<TObjekt>> Figuren;
    std::optional<TFarbe> Hintergrundfarbe;
    std::optional<bool> Zusammengefaltet;
    QString Passwort; // plain text; empty when the element has none
};
// Throws EKonvertierungsFehler. Colours start from the document's own.
TDokumentDaten DokumentDatenLesen(const TDokument &dokument, const TXMLKnoten &knoten);
// Appends the figures and sets the document's values; cannot fail.
void DokumentDatenAnwenden(TDokumentDaten &daten, TDokument &dokument);

// The class counters of a KLASSENVERZEICHNIS element, indexed by class id;
// nothing for counters the element does not hold. A counter that cannot
// give a further name (negative, or 2147483647) is read as 0. Throws
// EKonvertierungsFehler.
using TZaehlerstaende = std::array<std::optional<std::int32_t>, 9>;
TZaehlerstaende ZaehlerLesen(const TKlassenObjekte &klassen, const TXMLKnoten &knoten);

// "RECHTECKzähler", ...
QString ZaehlerName(const QString &klassenName);

} // namespace ObjektXML
