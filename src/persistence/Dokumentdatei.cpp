#include "persistence/Dokumentdatei.h"

#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/ObjektXML.h"
#include "persistence/XMLDOM.h"
#include "persistence/XMLKnoten.h"

#include <memory>
#include <new>
#include <unordered_map>

namespace {

void DOMFuellen(TXMLDOM &dom, const TDokument &dokument, const TKlassenObjekte &klassen)
{
    TXMLKnoten *wurzel = dom.NeueWurzel();
    dokument.InXMLSchreiben(*wurzel);
    klassen.InXMLSchreiben(*dom.NeuesKind(wurzel));
}

// Gives every object without a name one from its class counter, depth first.
void UnbenannteBenennen(TObjekt &objekt)
{
    if (objekt.Name.isEmpty()) {
        if (objekt.KlassenId == KlasseDokument) {
            objekt.Name = QStringLiteral("dokument1");
        } else if (objekt.Klasse) {
            objekt.Name = objekt.NameErzeugen();
        }
    }
    for (auto &teil : objekt.Teile)
        UnbenannteBenennen(*teil);
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
    UnbenannteBenennen(dokument);
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
class TSchnappschuss : public TXMLTeilspeicher
{
public:
    TZustand Schreiben(const TDokument &dokument, const TKlassenObjekte &klassen)
    {
        // Exact numbers: a restored figure is the very figure it was, so
        // derived values (a group's box) come out the same.
        XMLWerte::TExakteZahlen exakt;
        ++durchgang_;
        besucht_ = 0;
        TXMLDOM dom;
        TXMLKnoten *wurzel = dom.NeueWurzel();
        wurzel->Teilspeicher = this;
        dokument.InXMLSchreiben(*wurzel);
        klassen.InXMLSchreiben(*dom.NeuesKind(wurzel));
        // Figures gone since are forgotten now and then.
        if (speicher_.size() > 2 * besucht_ + 64)
            std::erase_if(speicher_, [this](const auto &e) { return e.second.Durchgang != durchgang_; });
        return TZustand{dom.AlsStuecke()};
    }

    QByteArray TeilBytes(const TObjekt &teil) override
    {
        ++besucht_;
        abdruck_.clear();
        TXMLKnoten aufnahme;
        aufnahme.Abdruck = &abdruck_;
        teil.InXMLSchreiben(aufnahme);
        TEintrag &eintrag = speicher_[&teil];
        eintrag.Durchgang = durchgang_;
        if (eintrag.Bytes.isEmpty() || eintrag.Abdruck != abdruck_) {
            TXMLKnoten knoten;
            teil.InXMLSchreiben(knoten);
            eintrag.Abdruck = abdruck_;
            eintrag.Bytes = TXMLDOM::KnotenAlsBytes(knoten);
        }
        return eintrag.Bytes;
    }

private:
    struct TEintrag {
        std::string Abdruck;
        QByteArray Bytes;
        std::uint64_t Durchgang = 0;
    };
    std::unordered_map<const TObjekt *, TEintrag> speicher_;
    std::uint64_t durchgang_ = 0;
    std::size_t besucht_ = 0;
    std::string abdruck_;
};

} // namespace

void VerlaufAnschliessen(TArbeitsbereich &arbeitsbereich)
{
    TArbeitsbereich *ab = &arbeitsbereich;
    auto schnappschuss = std::make_shared<TSchnappschuss>();
    ab->ZustandLesen = [ab, schnappschuss] { return schnappschuss->Schreiben(ab->Dokument(), ab->Klassen()); };
    ab->ZustandSchreiben = [ab](const QByteArray &bytes) {
        QString meldung;
        return DokumentAusBytes(bytes, ab->Dokument(), ab->Klassen(), meldung);
    };
    ab->VerlaufLeeren();
}
