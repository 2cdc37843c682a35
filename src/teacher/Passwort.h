#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The document password is kept in plain text while the program runs and
// stored in files only in scrambled form: two lowercase hexadecimal digits
// per character (bit planes transposed, bytes chained, then substituted
// through a fixed permutation table).
namespace Passwort {

// The substitution table: a fixed permutation of the 256 byte values.
extern const std::array<std::uint8_t, 256> Verschluesselungstabelle;

// The master password as it is held in the program: scrambled.
inline constexpr const char *MasterPasswortVerschluesselt = "9d04c7be2a61";

} // namespace Passwort

// Plain text -> 2n lowercase hexadecimal digits. Characters that Windows-1252
// cannot hold (never accepted as input) are scrambled as "?".
QString PasswortVerschluesseln(const QString &klartext);

// 2m hexadecimal digits -> m characters. An odd last digit is ignored; a
// digit other than 0-9 and a-f (a damaged file) counts as 0.
QString PasswortEntschluesseln(const QString &verschluesselt);

// The master password in plain text, accepted in place of any document
// password.
QString MasterPasswort();

// True when the entry opens a document protected by dokumentPasswort: it
// equals the document's password or the master password (both exact).
// An empty entry never passes.
bool PasswortAkzeptiert(const QString &eingabe, const QString &dokumentPasswort);
