#pragma once
// Helpers for the language tests: a workspace with named figures built
// through the class registry, as the main window builds them.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "language/MethodenAufruf.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"

#include <QStringList>
#include <functional>

namespace sprachtest {

// A new named figure of the class, appended to `besitzer` (default: the
// document). Its creation is not logged.
inline TObjekt *figurAnlegen(TArbeitsbereich &ws, const QString &klasse, TObjekt *besitzer = nullptr)
{
    std::unique_ptr<TObjekt> neu = ws.Klassen().ObjektErzeugen(klasse);
    neu->NamenVergeben();
    TObjekt *ziel = besitzer ? besitzer : &ws.Dokument();
    return ziel->TeilAnhaengen(std::move(neu));
}

// The log as lines: each record's AnzeigeText, sub-calls indented by two
// blanks per level.
inline void zeilenSammeln(const TMethodenAufruf &a, int tiefe, QStringList &zeilen)
{
    zeilen << QString(2 * tiefe, QLatin1Char(' ')) + a.AnzeigeText();
    for (const auto &u : a.Unteraufrufe)
        zeilenSammeln(*u, tiefe + 1, zeilen);
}

inline QStringList protokollZeilen(const TAnalysator &analysator)
{
    QStringList zeilen;
    for (const auto &a : analysator.Protokoll())
        zeilenSammeln(*a, 0, zeilen);
    return zeilen;
}

} // namespace sprachtest
