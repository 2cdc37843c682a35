#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class TDokument;
class TObjekt;
class TZeichenObjekt;

// Edit locks as the teacher sets them: the common state of a selection and
// applying a choice to a list of objects. Locking an object locks all its
// child objects too (group members, polyline vertices).
namespace Sperren {

constexpr std::uint8_t Erlaubt = 0;
constexpr std::uint8_t Gesperrt = 1;
// A selection whose objects differ; as a choice: leave every object as it is.
constexpr std::uint8_t Uneinheitlich = 2;

struct TZustand {
    std::uint8_t Maus = Uneinheitlich;
    std::uint8_t Tastatur = Uneinheitlich;
};

// The common mouse and keyboard lock of the figures: 0 when none is locked,
// 1 when all are, 2 when they differ or the list is empty.
TZustand Gemeinsam(const std::vector<TZeichenObjekt *> &figuren);

// Applies the choice to every object and its children: 0 allows, 1 locks,
// 2 (or any other value) leaves that lock alone. Returns true when at least
// one lock of an object or a child changed.
bool Anwenden(const std::vector<TObjekt *> &objekte, TZustand wahl);
bool MausAnwenden(const std::vector<TObjekt *> &objekte, std::uint8_t wahl);
bool TastaturAnwenden(const std::vector<TObjekt *> &objekte, std::uint8_t wahl);

template <class T>
std::vector<TObjekt *> AlsObjekte(const std::vector<T *> &liste)
{
    return std::vector<TObjekt *>(liste.begin(), liste.end());
}

} // namespace Sperren

// Teacher mode and the document password, free of widgets.
namespace Lehrer {

// Whether teacher mode may be switched on for a document with this
// password: without a password at once; otherwise only when the prompt
// (asked with the password) reports success. The prompt is not asked for a
// document without a password.
bool LehrermodusFreigeben(const QString &dokumentPasswort,
                          const std::function<bool(const QString &)> &abfrage);

// The text a password may not contain, or an empty text when it can be
// kept: files hold the password in Windows-1252, 65535 characters at most.
QString PasswortPruefen(const QString &passwort);

// Sets the document's password (empty removes the protection). Returns true
// when it changed.
bool PasswortSetzen(TDokument &dokument, const QString &passwort);

} // namespace Lehrer
