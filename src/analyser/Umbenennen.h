#pragma once
#include <QString>

class TDokument;

// Checks a new name for an object of the document. The checks run in this
// order and the last one that applies decides the message; an empty result
// means the name may be taken:
//  1. an object of the document (the document itself and all objects below
//     it, compared through Grossschreibung) already has the name;
//  2. the name is not an identifier the method-call language can address
//     (a letter or _ first, then letters, digits and _; checked only for a
//     non-empty name);
//  3. the name is empty;
//  4. the upper-cased name is the name of a class.
QString UmbenennenPruefen(TDokument &dokument, const QString &name);

// True when the text is a name the method-call language reads as one
// identifier: a letter (A-Z, a-z, _, or a Windows-1252 character from byte
// 192 on) followed by letters and digits.
bool IstBezeichner(const QString &name);
