#pragma once
#include <QString>

// The one upper-casing rule of Figuro: a-z become A-Z, ä ö ü become Ä Ö Ü,
// every other character (ß, é, digits, ...) stays as it is. Every
// case-insensitive comparison of names and value words goes through it.
QString Grossschreibung(const QString &text);

// True when both texts are equal after Grossschreibung.
bool GleichOhneGross(const QString &a, const QString &b);

// True when text begins with praefix after Grossschreibung of both.
bool BeginntMitOhneGross(const QString &text, const QString &praefix);
