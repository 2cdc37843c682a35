#include "persistence/Dokumentdatei.h"

#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "model/Grossschreibung.h"
#include "figures/KlassenObjekte.h"
#include "persistence/ObjektXML.h"
#include "persistence/XMLDOM.h"
#include "persistence/XMLKnoten.h"

#include <algorithm>
#include <memory>
#include <new>
#include <QSet>
#include <unordered_map>

namespace {

void DOMFuellen(TXMLDOM &dom, const TDokument &dokument, const TKlassenObjekte &klassen)
{
    TXMLKnoten *wurzel = dom.NeueWurzel();
    dokument.InXMLSchreiben(*wurzel);
    klassen.InXMLSchreiben(*dom.NeuesKind(wurzel));
}

// Gives every object without a name one from its class counter, depth
// first, skipping the names taken; those are collected once, so that a file
// of many unnamed objects does not search the whole document for each.
void UnbenannteBenennen(TObjekt &objekt, QSet<QString> &namen)
{
    if (objekt.Name.isEmpty()) {
        if (objekt.KlassenId == KlasseDokument) {
            objekt.Name = QStringLiteral("dokument1");
        } else if (objekt.Klasse) {
            objekt.Name =
                objekt.NameErzeugen([&namen](const QString &name) { return namen.contains(Grossschreibung(name)); });
        }
        namen.insert(Grossschreibung(objekt.Name));
    }
    for (auto &teil : objekt.Teile)
        UnbenannteBenennen(*teil, namen);
}

bool AusDOM(const TXMLDOM &dom, TDokument &dokument, TKlassenObjekte &klassen, QString &meldung, bool *mitPasswort)
{
    const TXMLKnoten &wurzel = *dom.Wurzel();
    ObjektXML::TDokumentDaten daten;
    ObjektXML::TZaehlerstaende zaehler;
    {
        // Nothing read is logged, and objects freed because the file is bad
        // must not log their release either.
        ObjektXML::TProtokollPause pause(dokument.Analysator);
        ObjektXML::TLeseKontext kontext(&klassen);
        try {
            daten = ObjektXML::DokumentDatenLesen(dokument, wurzel);
            if (const TXMLKnoten *verzeichnis = wurzel.KindSuchen(QStringLiteral("KLASSENVERZEICHNIS")))
                zaehler = ObjektXML::ZaehlerLesen(klassen, *verzeichnis);
        } catch (const EKonvertierungsFehler &e) {
            meldung = e.Meldung;
            daten.Figuren.clear();
            return false;
        } catch (const std::bad_alloc &) {
            meldung = QStringLiteral("Die Datei ist zu groß.");
            daten.Figuren.clear();
            return false;
        }
    }

    // From here on nothing can fail.
    dokument.Leeren();
    klassen.ZaehlerZuruecksetzen();
    ObjektXML::DokumentDatenAnwenden(daten, dokument);
    for (TObjekt *klasse : klassen.Klassen())
        if (klasse->KlassenId < zaehler.size() && zaehler[klasse->KlassenId])
            klasse->Zaehler = *zaehler[klasse->KlassenId];
    QSet<QString> namen;
    dokument.NamenSammeln(namen);
    UnbenannteBenennen(dokument, namen);
    if (mitPasswort)
        *mitPasswort = !dokument.Passwort.isEmpty();
    meldung.clear();
    return true;
}

} // namespace

QByteArray DokumentAlsBytes(const TDokument &dokument, const TKlassenObjekte &klassen)
{
    TXMLDOM dom;
    DOMFuellen(dom, dokument, klassen);
    return dom.AlsBytes();
}

bool DokumentSpeichern(const QString &pfad, const TDokument &dokument, const TKlassenObjekte &klassen,
                       QString &meldung)
{
    TXMLDOM dom;
    DOMFuellen(dom, dokument, klassen);
    return dom.SpeichernInDatei(pfad, meldung);
}

bool DokumentOeffnen(const QString &pfad, TDokument &dokument, TKlassenObjekte &klassen, QString &meldung,
                     bool *mitPasswort)
{
    TXMLDOM dom;
    if (!dom.LadenAusDatei(pfad, meldung))
        return false;
    return AusDOM(dom, dokument, klassen, meldung, mitPasswort);
}

bool DokumentAusBytes(const QByteArray &bytes, TDokument &dokument, TKlassenObjekte &klassen, QString &meldung,
                      bool *mitPasswort)
{
    TXMLDOM dom;
    if (!dom.LadenAusBytes(bytes, meldung))
        return false;
    return AusDOM(dom, dokument, klassen, meldung, mitPasswort);
}

namespace {

// Writes the document for the undo history, in pieces: one for each
// top-level figure, kept from the last writing while the figure records
// exactly what it recorded then (TXMLKnoten::Abdruck: the same values in
// the same order, which costs a fraction of formatting them), and the
// document's own element and the class counters around them, written anew.
// After a typed call even the record is left out: a figure that was a
// top-level figure at the last writing and that the call did not name is
// unchanged when no object was made or freed and no card folded since
// (TObjekt::Wandel), so its piece is taken as it is.
class TSchnappschuss : public TXMLTeilspeicher
{
public:
    TZustand Schreiben(const TDokument &dokument, const TKlassenObjekte &klassen,
                       const std::vector<const TObjekt *> *genannt)
    {
        // Exact numbers: a restored figure is the very figure it was, so
        // derived values (a group's box) come out the same.
        XMLWerte::TExakteZahlen exakt;
        genannt_ = durchgang_ > 0 && TObjekt::Wandel == wandel_ ? genannt : nullptr;
        ++durchgang_;
        teile_.clear();
        teile_.reserve(qsizetype(dokument.Teile.size()));
        reihe_.swap(vorigeReihe_);
        reihe_.clear();
        TXMLDOM dom;
        TXMLKnoten *wurzel = dom.NeueWurzel();
        wurzel->Teilspeicher = this;
        dokument.InXMLSchreiben(*wurzel);
        wurzel->Teilspeicher = nullptr;
        klassen.InXMLSchreiben(*dom.NeuesKind(wurzel));
        // Figures gone since are forgotten now and then.
        // (The entries in reihe_ were written now and stay.)
        if (speicher_.size() > 2 * reihe_.size() + 64)
            std::erase_if(speicher_, [this](const auto &e) { return e.second.Durchgang != durchgang_; });
        genannt_ = nullptr;
        wandel_ = TObjekt::Wandel;
        return TZustand{dom.AlsStuecke(teile_)};
    }

    void TeilSchreiben(const TObjekt &teil) override
    {
        // Mostly the figures come in the order of the last writing.
        const std::size_t stelle = reihe_.size();
        TEintrag *eintrag = stelle < vorigeReihe_.size() && vorigeReihe_[stelle].first == &teil
                                ? vorigeReihe_[stelle].second
                                : &speicher_[&teil];
        reihe_.emplace_back(&teil, eintrag);
        const bool zuletztGeschrieben = eintrag->Durchgang + 1 == durchgang_;
        eintrag->Durchgang = durchgang_;
        if (zuletztGeschrieben && genannt_ &&
            std::find(genannt_->begin(), genannt_->end(), &teil) == genannt_->end()) {
            teile_.push_back(eintrag->Bytes);
            return;
        }
        abdruck_.clear();
        TXMLKnoten aufnahme;
        aufnahme.Abdruck = &abdruck_;
        teil.InXMLSchreiben(aufnahme);
        if (eintrag->Bytes.isEmpty() || eintrag->Abdruck != abdruck_) {
            TXMLKnoten knoten;
            teil.InXMLSchreiben(knoten);
            eintrag->Abdruck = abdruck_;
            eintrag->Bytes = TXMLDOM::KnotenAlsBytes(knoten);
        }
        teile_.push_back(eintrag->Bytes);
    }

private:
    struct TEintrag {
        std::string Abdruck;
        QByteArray Bytes;
        std::uint64_t Durchgang = 0;
    };
    // Entries stay where they are while others are added (a node map).
    std::unordered_map<const TObjekt *, TEintrag> speicher_;
    // The figures of this and of the last writing, in order, with their
    // entries.
    std::vector<std::pair<const TObjekt *, TEintrag *>> reihe_, vorigeReihe_;
    QList<QByteArray> teile_;
    std::uint64_t durchgang_ = 0;
    std::string abdruck_;
    // The figures the call named (while writing after a typed call), and
    // TObjekt::Wandel at the end of the last writing.
    const std::vector<const TObjekt *> *genannt_ = nullptr;
    std::uint64_t wandel_ = 0;
};

} // namespace

void VerlaufAnschliessen(TArbeitsbereich &arbeitsbereich)
{
    TArbeitsbereich *ab = &arbeitsbereich;
    auto schnappschuss = std::make_shared<TSchnappschuss>();
    ab->ZustandLesen = [ab, schnappschuss] { return schnappschuss->Schreiben(ab->Dokument(), ab->Klassen(), ab->GenannteFiguren()); };
    ab->ZustandSchreiben = [ab](const QByteArray &bytes) {
        QString meldung;
        return DokumentAusBytes(bytes, ab->Dokument(), ab->Klassen(), meldung);
    };
    ab->VerlaufLeeren();
}
