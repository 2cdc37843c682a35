#include "persistence/Dokumentdatei.h"

#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/ObjektXML.h"
#include "persistence/XMLDOM.h"
#include "persistence/XMLKnoten.h"

#include <new>

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

void VerlaufAnschliessen(TArbeitsbereich &arbeitsbereich)
{
    TArbeitsbereich *ab = &arbeitsbereich;
    ab->ZustandLesen = [ab] {
        // Exact numbers: a restored figure is the very figure it was, so
        // derived values (a group's box) come out the same.
        XMLWerte::TExakteZahlen exakt;
        return DokumentAlsBytes(ab->Dokument(), ab->Klassen());
    };
    ab->ZustandSchreiben = [ab](const QByteArray &bytes) {
        QString meldung;
        return DokumentAusBytes(bytes, ab->Dokument(), ab->Klassen(), meldung);
    };
    ab->VerlaufLeeren();
}
