#include "teacher/Sperren.h"
#include "figures/Gemeinsamkeitsfinder.h"
#include "model/Codec1252.h"
#include "model/Dokument.h"
#include "model/Objekt.h"

namespace {

// True when the object and all its children already hold the lock value.
bool stimmt(const TObjekt &o, std::uint8_t TObjekt::*feld, std::uint8_t wert)
{
    if (o.*feld != wert)
        return false;
    for (const auto &teil : o.Teile)
        if (!stimmt(*teil, feld, wert))
            return false;
    return true;
}

bool anwenden(const std::vector<TObjekt *> &objekte, std::uint8_t wahl,
              std::uint8_t TObjekt::*feld, void (TObjekt::*setzen)(bool))
{
    if (wahl != Sperren::Erlaubt && wahl != Sperren::Gesperrt)
        return false;
    bool geaendert = false;
    for (TObjekt *o : objekte) {
        if (!o)
            continue;
        if (!stimmt(*o, feld, wahl))
            geaendert = true;
        (o->*setzen)(wahl == Sperren::Gesperrt);
    }
    return geaendert;
}

} // namespace

namespace Sperren {

TZustand Gemeinsam(const std::vector<TZeichenObjekt *> &figuren)
{
    TGemeinsamkeitsfinder finder;
    finder.GemeinsameWerte(figuren);
    TZustand z;
    // A group whose members differ holds 2 itself; anything but 0 and 1
    // counts as mixed.
    z.Maus = finder.MausGesperrt <= Gesperrt ? finder.MausGesperrt : Uneinheitlich;
    z.Tastatur = finder.TastaturGesperrt <= Gesperrt ? finder.TastaturGesperrt : Uneinheitlich;
    return z;
}

bool MausAnwenden(const std::vector<TObjekt *> &objekte, std::uint8_t wahl)
{
    return anwenden(objekte, wahl, &TObjekt::MausGesperrt, &TObjekt::MausSperreSetzen);
}

bool TastaturAnwenden(const std::vector<TObjekt *> &objekte, std::uint8_t wahl)
{
    return anwenden(objekte, wahl, &TObjekt::TastaturGesperrt, &TObjekt::TastaturSperreSetzen);
}

bool Anwenden(const std::vector<TObjekt *> &objekte, TZustand wahl)
{
    const bool maus = MausAnwenden(objekte, wahl.Maus);
    const bool tastatur = TastaturAnwenden(objekte, wahl.Tastatur);
    return maus || tastatur;
}

} // namespace Sperren

namespace Lehrer {

bool LehrermodusFreigeben(const QString &dokumentPasswort,
                          const std::function<bool(const QString &)> &abfrage)
{
    if (dokumentPasswort.isEmpty())
        return true;
    return abfrage && abfrage(dokumentPasswort);
}

QString PasswortPruefen(const QString &passwort)
{
    const qsizetype i = Codec1252::ErstesNichtDarstellbares(passwort);
    if (i >= 0)
        return QStringLiteral("Das Zeichen \"%1\" kann im Passwort nicht gespeichert werden.")
            .arg(passwort.mid(i, passwort.at(i).isHighSurrogate() ? 2 : 1));
    if (passwort.size() > 65535)
        return QStringLiteral("Das Passwort darf höchstens 65535 Zeichen lang sein.");
    return {};
}

bool PasswortSetzen(TDokument &dokument, const QString &passwort)
{
    if (dokument.Passwort == passwort)
        return false;
    dokument.Passwort = passwort;
    return true;
}

} // namespace Lehrer
