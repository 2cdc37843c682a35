#pragma once
// Helpers for the language tests: a workspace with named figures built
// through the class registry, as the main window builds them.
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/MethodenAufruf.h"
#include "language/Vervollstaendigung.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"

#include <QColor>
#include <QImage>
#include <QStringList>
#include <cstdlib>
#include <functional>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

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

inline QStringList vorschlagTexte(const std::vector<const TVorschlag *> &v)
{
    QStringList t;
    for (const TVorschlag *x : v)
        t << x->Text;
    return t;
}

// Each channel within `toleranz` (text is antialiased, so its edges blend).
inline bool farbeNahe(const QColor &a, const QColor &b, int toleranz)
{
    return std::abs(a.red() - b.red()) <= toleranz && std::abs(a.green() - b.green()) <= toleranz &&
           std::abs(a.blue() - b.blue()) <= toleranz;
}

// The pixels of the area near a colour.
inline int pixelZaehlen(const QImage &bild, const QRect &bereich, const QColor &farbe, int toleranz)
{
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            n += farbeNahe(bild.pixelColor(x, y), farbe, toleranz);
    return n;
}

} // namespace sprachtest
