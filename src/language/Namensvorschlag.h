#pragma once
#include <QString>
#include <QStringList>

class TScanner;

// "Meintest du ...?": when the scanner found a name that does not exist in
// its place (object, method, colour, line style, unit, segment kind, object
// argument), the nearest name that does exist there. The scanner's message
// and range stay as they are; the input field adds the proposal to the hint
// bar and lists the name first in the completion window.

// Edits that turn a into b (insert, delete or replace one character, or swap
// two neighbours), counted up to `grenze` + 1: larger distances come back as
// grenze + 1.
int Bearbeitungsabstand(const QString &a, const QString &b, int grenze);

// The name of `namen` nearest to `wort` after Grossschreibung of both, at
// most two edits away; the first in list order among equally near ones.
// Empty when none is near enough.
QString NaechsterName(const QString &wort, const QStringList &namen);

// The names that exist where the scanner's latest analysis found an unknown
// one, in the order the completion lists them (units as the log writes
// them). Empty when the error was no unknown name.
QStringList NamenAnDerStelle(const TScanner &scanner);

// The proposal for the scanner's latest error, or empty (also while the
// unknown word is the beginning of an existing name: it is still being
// typed).
QString MeintestDu(const TScanner &scanner);

// The name the completion lists first: the proposal, while the caret stands
// in the word that holds the unknown name; otherwise empty.
QString ZuerstAnbieten(const TScanner &scanner);

// The text for the hint bar: the scanner's message, and after it
// " Meintest du <name>?" when there is a proposal.
QString Hinweistext(const TScanner &scanner);
