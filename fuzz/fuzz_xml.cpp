// libFuzzer target: arbitrary bytes into the XML reader. Every input must
// either load or fail with a message, never crash, hang or leak; what loads
// must survive writing and reading again byte for byte, and the typed
// readers must never throw anything but their conversion error.
#include "persistence/XMLDOM.h"

#include "model/Farbe.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

void TypisiertLesen(const TXMLKnoten &k)
{
    for (int i = 0; i < k.AttributAnzahl(); ++i) {
        const TXMLAttribut *a = k.Attribut(i);
        try {
            (void)a->AlsZahl();
        } catch (const EKonvertierungsFehler &e) {
            Pruefen(e.Meldung.startsWith(QStringLiteral("Ungültige Zahl: ")));
        }
        try {
            (void)a->AlsGanzzahl();
        } catch (const EKonvertierungsFehler &) {
        }
        TFarbe f;
        a->AlsFarbe(f);
        Pruefen(f.FarbArt <= 2);
        Pruefen(a->AlsLinienart() <= 5);
        Pruefen(a->AlsAusrichtung() <= 3);
        Pruefen(a->AlsSperrzustand() <= 2);
        Pruefen(a->AlsAbschnittArt() <= 1);
        (void)a->AlsWahrheitswert();
    }
    for (int i = 0; i < k.KindAnzahl(); ++i)
        TypisiertLesen(*k.Kind(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    TXMLDOM dom;
    QString fehler;
    const bool ok = dom.LadenAusBytes(bytes, fehler);
    Pruefen(ok == fehler.isEmpty());
    Pruefen(ok == (dom.Wurzel() != nullptr));
    if (!ok)
        return 0;

    TypisiertLesen(*dom.Wurzel());

    const QByteArray geschrieben = dom.AlsBytes();
    TXMLDOM zweiter;
    QString fehler2;
    Pruefen(zweiter.LadenAusBytes(geschrieben, fehler2));
    Pruefen(zweiter.AlsBytes() == geschrieben);
    return 0;
}
