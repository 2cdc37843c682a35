// libFuzzer target: arbitrary bytes opened as a document. Opening must
// either succeed or fail with a message that leaves the open drawing exactly
// as it was; whatever was opened must save to a file that opens again and
// saves to the same bytes.
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/Dokumentdatei.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

// The drawing that is open when the input arrives.
const QByteArray Ausgangsdokument =
    "<?xml version = \"1.0\" ?>\r\n<DOKUMENT Name = \"dokument1\" Passwort = \"9d04\" >\r\n"
    "<RECHTECK Name = \"re0\" Breite = \"2\" L\xe4nge = \"3\" >\r\n</RECHTECK>\r\n"
    "<LINIENZUG Name = \"lz0\" >\r\n<PUNKT X = \"1\" >\r\n</PUNKT>\r\n<PUNKT Y = \"2\" AbschnittArt = \"gekr\xfcmmt\" >\r\n"
    "</PUNKT>\r\n</LINIENZUG>\r\n<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"4\" >\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n";

struct Umgebung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};
    ~Umgebung() { analysator.Angehalten = true; }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Text fields measure with fonts: a GUI application without a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    Umgebung u;
    QString meldung;
    Pruefen(DokumentAusBytes(Ausgangsdokument, u.dokument, u.klassen, meldung));
    const QByteArray vorher = DokumentAlsBytes(u.dokument, u.klassen);

    bool mitPasswort = false;
    const bool ok = DokumentAusBytes(bytes, u.dokument, u.klassen, meldung, &mitPasswort);
    Pruefen(ok == meldung.isEmpty());
    if (!ok) {
        Pruefen(DokumentAlsBytes(u.dokument, u.klassen) == vorher);
        Pruefen(!u.analysator.Angehalten);
        return 0;
    }
    Pruefen(mitPasswort == !u.dokument.Passwort.isEmpty());

    // What was opened saves to a file that opens again, and from then on
    // saving and opening changes nothing.
    const QByteArray erste = DokumentAlsBytes(u.dokument, u.klassen);
    Umgebung v;
    Pruefen(DokumentAusBytes(erste, v.dokument, v.klassen, meldung));
    const QByteArray zweite = DokumentAlsBytes(v.dokument, v.klassen);
    Umgebung w;
    Pruefen(DokumentAusBytes(zweite, w.dokument, w.klassen, meldung));
    Pruefen(DokumentAlsBytes(w.dokument, w.klassen) == zweite);
    return 0;
}
