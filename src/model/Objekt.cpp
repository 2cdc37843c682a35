#include "model/Objekt.h"
#include "model/Analysator.h"
#include "model/MethodenAufruf.h"
#include "model/Dokument.h"
#include "model/Grossschreibung.h"

#include <algorithm>
#include <limits>

std::uint64_t TObjekt::Wandel = 0;

TObjekt::TObjekt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : Analysator(analysator), Dokument(dokument)
{
    ++Wandel;
    if (klasse) {
        Klasse = klasse;
        KlassenId = klasse->KlassenId;
        listen_ = klasse->listen_;
        IstKlasse = false;
    } else {
        Klasse = this;
        IstKlasse = true;
        Zaehler = 0;
        eigeneListen_ = std::make_unique<TKlassenListen>();
        listen_ = eigeneListen_.get();
        MethodeEintragen(MZeichnen);
    }
}

TObjekt::~TObjekt()
{
    ++Wandel;
    // Parts first (they may log their own release), then the lists.
    Teile.clear();
    // Views that hold this object by a plain pointer let go now, even when
    // it has left the document before. (Previews are never shown there.)
    if (Analysator && !Vorschau)
        Analysator->ObjektFreigegeben(this);
}

void TObjekt::FaltungUmschalten()
{
    ObjektdiagrammZusammengefaltet = !ObjektdiagrammZusammengefaltet;
    ++Wandel;
}

void TObjekt::ZeichnenMitTeilen(TZeichenflaeche *zf)
{
    Zeichnen(zf);
    // The list may not change while drawing; index-based in case it does.
    for (std::size_t i = 0; i < Teile.size(); ++i) {
        QString meldung;
        Teile[i]->MethodeAusfuehren(MZeichnen, {}, meldung, zf);
    }
}

void TObjekt::Uebernehmen(const TObjekt &quelle)
{
    Analysator = quelle.Analysator;
    Umgebungsrechteck = quelle.Umgebungsrechteck;
}

std::unique_ptr<TData> TObjekt::AttributWert(int) const
{
    return nullptr;
}

void TObjekt::MethodeAusfuehren(int methodenId, const TDataListe &, QString &meldung,
                                TZeichenflaeche *zf)
{
    meldung.clear();
    if (methodenId == MZeichnen) {
        if (Analysator)
            Analysator->Oeffnen(Aufruf(MZeichnen));
        ZeichnenMitTeilen(zf);
        if (Analysator)
            Analysator->Schliessen();
        meldung = QStringLiteral("Kein Neuzeichnen");
        return;
    }
    if (methodenId == MFreigeben && KlassenId == KlassePunkt && Besitzer) {
        if (Besitzer->Teile.size() > 2 && Dokument) {
            TObjekt *besitzer = Besitzer;
            // Ownership moves to the deferred delete request; the main window
            // frees the vertex afterwards.
            auto selbst = besitzer->TeilHerausloesen(this);
            besitzer->GeometrieBerechnen();
            Dokument->Wuensche.LoeschenUebergeben(std::move(selbst));
        }
        return;
    }
}

namespace {

// True when an object of the tree below `wurzel` other than `selbst` has
// the name (compared as typed calls compare names).
bool nameInGebrauch(const TObjekt &wurzel, const QString &name, const TObjekt *selbst)
{
    if (&wurzel != selbst && wurzel.Name.size() == name.size() && GleichOhneGross(wurzel.Name, name))
        return true;
    for (const auto &teil : wurzel.Teile)
        if (nameInGebrauch(*teil, name, selbst))
            return true;
    return false;
}

} // namespace

bool TObjekt::ZaehlerBrauchbar(std::int64_t zaehler)
{
    return zaehler >= 0 && zaehler < std::numeric_limits<std::int32_t>::max();
}

QString TObjekt::NameErzeugen()
{
    return NameErzeugen([this](const QString &name) { return Dokument && nameInGebrauch(*Dokument, name, this); });
}

QString TObjekt::NameErzeugen(const std::function<bool(const QString &)> &inGebrauch)
{
    std::int32_t &zaehler = IstKlasse ? Zaehler : Klasse->Zaehler;
    const QString praefix = NamensPraefixZuId(KlassenId);
    for (;;) {
        // A counter that cannot give a further name (damaged file, or the
        // last number used up) starts again at 0; the names in use are
        // skipped below, so every generated name is still new.
        if (!ZaehlerBrauchbar(zaehler))
            zaehler = 0;
        QString name = praefix + QString::number(zaehler);
        ++zaehler;
        if (!inGebrauch(name))
            return name;
    }
}

void TObjekt::NamenSammeln(QSet<QString> &namen) const
{
    if (!Name.isEmpty())
        namen.insert(Grossschreibung(Name));
    for (const auto &teil : Teile)
        teil->NamenSammeln(namen);
}

void TObjekt::NamenVergeben()
{
    Name = NameErzeugen();
    if (IstKlasse)
        return;
    for (auto &teil : Teile)
        teil->NamenVergeben();
}

int TObjekt::Ebene() const
{
    int ebene = 1;
    for (const TObjekt *o = Besitzer; o; o = o->Besitzer)
        ++ebene;
    return ebene;
}

int TObjekt::Hoehe() const
{
    int hoehe = 0;
    for (const auto &teil : Teile)
        hoehe = std::max(hoehe, teil->Hoehe());
    return hoehe + 1;
}

void TObjekt::ErzeugungProtokollieren()
{
    Protokolliere(MErzeugung, &TMethodenAufruf::ObjektHinzufuegen, Klasse);
}

TObjekt *TObjekt::FindeObjekt(const QString &name)
{
    if (GleichOhneGross(Name, name))
        return this;
    for (auto &teil : Teile)
        if (TObjekt *gefunden = teil->FindeObjekt(name))
            return gefunden;
    return nullptr;
}

const TMethode *TObjekt::FindeMethode(const QString &name) const
{
    for (const auto &m : Methoden())
        if (GleichOhneGross(m->Name(), name))
            return m.get();
    return nullptr;
}

QString TObjekt::KlassenName() const
{
    return KlassenNameZuId(KlassenId);
}

bool TObjekt::EnthaeltKlasse(int klassenId) const
{
    if (KlassenId == klassenId)
        return true;
    return std::any_of(Teile.begin(), Teile.end(),
                       [klassenId](const auto &t) { return t->EnthaeltKlasse(klassenId); });
}

int TObjekt::TeilIndex(const TObjekt *teil) const
{
    for (std::size_t i = 0; i < Teile.size(); ++i)
        if (Teile[i].get() == teil)
            return int(i);
    return -1;
}

void TObjekt::TeilInDenVordergrund(TObjekt *teil)
{
    const int i = TeilIndex(teil);
    if (i < 0)
        return;
    auto eigen = std::move(Teile[i]);
    Teile.erase(Teile.begin() + i);
    Teile.push_back(std::move(eigen));
    teil->Protokolliere(MInDenVordergrundSetzen);
}

void TObjekt::TeilInDenHintergrund(TObjekt *teil)
{
    const int i = TeilIndex(teil);
    if (i < 0)
        return;
    auto eigen = std::move(Teile[i]);
    Teile.erase(Teile.begin() + i);
    Teile.insert(Teile.begin(), std::move(eigen));
    teil->Protokolliere(MInDenHintergrundSetzen);
}

void TObjekt::TeilEineEbeneNachVorne(TObjekt *teil)
{
    const int i = TeilIndex(teil);
    if (i >= 0 && i < int(Teile.size()) - 1) {
        std::swap(Teile[i], Teile[i + 1]);
        teil->Protokolliere(MEineEbeneNachVorneSetzen);
    }
}

void TObjekt::TeilEineEbeneNachHinten(TObjekt *teil)
{
    const int i = TeilIndex(teil);
    if (i > 0) {
        std::swap(Teile[i], Teile[i - 1]);
        teil->Protokolliere(MEineEbeneNachHintenSetzen);
    }
}

void TObjekt::MausSperreSetzen(bool gesperrt)
{
    MausGesperrt = gesperrt ? 1 : 0;
    for (auto &teil : Teile)
        teil->MausSperreSetzen(gesperrt);
}

void TObjekt::TastaturSperreSetzen(bool gesperrt)
{
    TastaturGesperrt = gesperrt ? 1 : 0;
    for (auto &teil : Teile)
        teil->TastaturSperreSetzen(gesperrt);
}

TObjekt *TObjekt::TeilAnhaengen(std::unique_ptr<TObjekt> teil)
{
    teil->Besitzer = this;
    Teile.push_back(std::move(teil));
    return Teile.back().get();
}

TObjekt *TObjekt::TeilEinfuegen(int index, std::unique_ptr<TObjekt> teil)
{
    index = std::clamp(index, 0, int(Teile.size()));
    teil->Besitzer = this;
    TObjekt *roh = teil.get();
    Teile.insert(Teile.begin() + index, std::move(teil));
    return roh;
}

std::unique_ptr<TObjekt> TObjekt::TeilHerausloesen(TObjekt *teil)
{
    const int i = TeilIndex(teil);
    if (i < 0)
        return nullptr;
    auto eigen = std::move(Teile[i]);
    Teile.erase(Teile.begin() + i);
    eigen->Besitzer = nullptr;
    return eigen;
}

std::unique_ptr<TMethodenAufruf> TObjekt::Aufruf(std::uint8_t methodenId) const
{
    return std::make_unique<TMethodenAufruf>(methodenId, *this);
}

void TObjekt::Protokolliere(std::unique_ptr<TMethodenAufruf> aufruf) const
{
    if (Analysator)
        Analysator->Protokollieren(std::move(aufruf));
}

void TObjekt::Protokolliere(std::uint8_t methodenId) const
{
    Protokolliere(Aufruf(methodenId));
}

TMethode &TObjekt::MethodeEintragen(std::uint8_t id)
{
    listen_->Methoden.push_back(std::make_unique<TMethode>(id));
    return *listen_->Methoden.back();
}

TMethode &TObjekt::MethodeVorneEintragen(std::uint8_t id)
{
    listen_->Methoden.insert(listen_->Methoden.begin(), std::make_unique<TMethode>(id));
    return *listen_->Methoden.front();
}

void TObjekt::AttributEintragen(std::uint8_t id)
{
    listen_->Attribute.push_back(TAttribut{id});
}

void TObjekt::AttributVorneEintragen(std::uint8_t id)
{
    listen_->Attribute.insert(listen_->Attribute.begin(), TAttribut{id});
}
