#pragma once
#include "model/Data.h"
#include "model/Katalog.h"
#include "model/MethodenAufruf.h"

#include <QSet>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TAnalysator;
class TDokument;
class TMethodenAufruf;
class TXMLKnoten;
class TZeichenflaeche;

// Axis-parallel bounding box in world centimetres (y upward).
struct TUmgebungsrechteck {
    double Links = 0.0;
    double Rechts = 0.0;
    double Unten = 0.0;
    double Oben = 0.0;
};

using TObjektListe = std::vector<std::unique_ptr<TObjekt>>;

// The deepest nesting of elements a document file may have (DOKUMENT is
// level 1, its figures level 2, ...). The reader refuses deeper files, and
// grouping and `schlucken` refuse to build a drawing that would need them.
inline constexpr int MaxDateiTiefe = 1000;

// Root of everything a pupil can name: the document, every figure and every
// vertex of a polyline. A class object is an ordinary instance of a class's
// own type that owns the class's descriptor lists and its name counter.
class TObjekt
{
public:
    // With a class object: shares its descriptor lists and class id. Without
    // one: becomes a class object whose new lists receive only `zeichnen`;
    // the class-specific constructors add the rest (`freigeben` comes from
    // the figure base and the vertex, so the document never lists it).
    TObjekt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);
    virtual ~TObjekt();

    TObjekt(const TObjekt &) = delete;
    TObjekt &operator=(const TObjekt &) = delete;

    QString Name;
    std::uint8_t KlassenId = 0;
    TObjekt *Klasse = nullptr;
    std::int32_t Zaehler = 0;
    TUmgebungsrechteck Umgebungsrechteck;
    std::uint8_t MausGesperrt = 0;
    std::uint8_t TastaturGesperrt = 0;
    TAnalysator *Analysator = nullptr;
    TDokument *Dokument = nullptr;
    bool IstKlasse = false;
    TObjektListe Teile;
    TObjekt *Besitzer = nullptr;
    bool Vorschau = false;
    bool ObjektdiagrammZusammengefaltet = false;

    // Counts every object made or freed and every change of a figure that
    // no step announces (FaltungUmschalten). The undo history's reader
    // reuses its copy of a figure that no typed call named only while this
    // count stood still since its last reading.
    static std::uint64_t Wandel;
    // Folds or unfolds the object's card in the analyser (kept in the file).
    void FaltungUmschalten();

    const std::vector<std::unique_ptr<TMethode>> &Methoden() const { return listen_->Methoden; }
    const std::vector<TAttribut> &Attribute() const { return listen_->Attribute; }

    // --- virtual operations ---
    virtual void Zeichnen(TZeichenflaeche *zf) = 0;
    virtual void ZeichnenMitTeilen(TZeichenflaeche *zf);
    virtual std::unique_ptr<TObjekt> Duplizieren(bool neuerName) = 0;
    virtual void Uebernehmen(const TObjekt &quelle);
    virtual void InXMLSchreiben(TXMLKnoten &knoten) const;
    virtual void AusXMLLesen(const TXMLKnoten &knoten);
    virtual std::unique_ptr<TData> AttributWert(int attributId) const;
    virtual void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                                   TZeichenflaeche *zf);
    // Recomputes derived geometry; nothing for objects without geometry
    // (figures override it). Declared here so that the executor and the
    // vertices can reach it on any object.
    virtual void GeometrieBerechnen() {}

    // --- non-virtual operations ---
    // Gives the object (and its parts) generated names.
    void NamenVergeben();
    // The next generated name of the object's class: its prefix and the
    // class counter, which advances; names already used in the document are
    // skipped, so a generated name is always new and can be typed.
    QString NameErzeugen();
    // The same with the test for a name in use given, for naming many
    // objects at once against a set of the names taken.
    QString NameErzeugen(const std::function<bool(const QString &)> &inGebrauch);
    // Adds the names of the object and everything in it, upper-cased
    // (Grossschreibung), to `namen`; empty names are left out.
    void NamenSammeln(QSet<QString> &namen) const;
    // True for a class counter that can give the next name (0 ... 2^31-2).
    static bool ZaehlerBrauchbar(std::int64_t zaehler);
    void ErzeugungProtokollieren();
    TObjekt *FindeObjekt(const QString &name);
    const TMethode *FindeMethode(const QString &name) const;
    QString KlassenName() const;
    bool EnthaeltKlasse(int klassenId) const;
    // The object's level in the document file: 1 for an object without an
    // owner (the document), its owner's level + 1 otherwise.
    int Ebene() const;
    // The levels the object's element and everything inside it take in the
    // file: 1 for an object without parts.
    int Hoehe() const;
    int TeilIndex(const TObjekt *teil) const;

    void TeilInDenVordergrund(TObjekt *teil);
    void TeilInDenHintergrund(TObjekt *teil);
    void TeilEineEbeneNachVorne(TObjekt *teil);
    void TeilEineEbeneNachHinten(TObjekt *teil);

    void MausSperreSetzen(bool gesperrt);
    void TastaturSperreSetzen(bool gesperrt);

    void FokusrahmenZeichnen(TZeichenflaeche *zf) const;

    // Appends a sub-object (sets its Besitzer) / inserts it at index.
    TObjekt *TeilAnhaengen(std::unique_ptr<TObjekt> teil);
    TObjekt *TeilEinfuegen(int index, std::unique_ptr<TObjekt> teil);
    // Removes a sub-object without freeing it; nullptr when not a part.
    std::unique_ptr<TObjekt> TeilHerausloesen(TObjekt *teil);

    // A new call record on this object (not yet logged).
    std::unique_ptr<TMethodenAufruf> Aufruf(std::uint8_t methodenId) const;
    // Logs a record through the recorder (dropped when there is none).
    void Protokolliere(std::unique_ptr<TMethodenAufruf> aufruf) const;
    // Logs a call without parameters.
    void Protokolliere(std::uint8_t methodenId) const;
    // Logs a call whose values are added by one of the record's
    // ...Hinzufuegen functions, e.g.
    // Protokolliere(MVerschieben, &TMethodenAufruf::LaengeHinzufuegen, dx, dy).
    template <typename Hinzufuegen, typename... Werte>
    void Protokolliere(std::uint8_t methodenId, Hinzufuegen hinzufuegen, const Werte &...werte) const
    {
        auto aufruf = Aufruf(methodenId);
        (((*aufruf).*hinzufuegen)(werte), ...);
        Protokolliere(std::move(aufruf));
    }

protected:
    // Catalogue building, only while a class object is being constructed.
    TMethode &MethodeEintragen(std::uint8_t id);
    TMethode &MethodeVorneEintragen(std::uint8_t id);
    void AttributEintragen(std::uint8_t id);
    void AttributVorneEintragen(std::uint8_t id);

private:
    std::unique_ptr<TKlassenListen> eigeneListen_; // only on class objects
    TKlassenListen *listen_ = nullptr;
};
