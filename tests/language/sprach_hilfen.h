#pragma once
// Helpers for the language tests: named figures made through the class
// registry, the log as lines (model/modell_hilfen.h), proposals, pixel counts.
#include "language/Arbeitsbereich.h"
#include "language/Vervollstaendigung.h"
#include "model/MethodenAufruf.h"
#include "model/modell_hilfen.h"

#include <QImage>

namespace sprachtest
{

// A new named figure in `besitzer` or the document, its creation not logged.
inline TObjekt *figurAnlegen(TArbeitsbereich &ws, const QString &klasse, TObjekt *besitzer = nullptr)
{
    std::unique_ptr<TObjekt> neu = ws.Klassen().ObjektErzeugen(klasse);
    neu->NamenVergeben();
    return (besitzer ? besitzer : &ws.Dokument())->TeilAnhaengen(std::move(neu));
}

inline QStringList vorschlagTexte(const std::vector<const TVorschlag *> &v)
{
    QStringList t;
    for (const TVorschlag *x : v)
        t << x->Text;
    return t;
}

// The pixels of the area within `toleranz` of the colour in every channel.
inline int pixelZaehlen(const QImage &bild, const QRect &bereich, const QColor &farbe, int toleranz)
{
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            n += std::abs(c.red() - farbe.red()) <= toleranz && std::abs(c.green() - farbe.green()) <= toleranz &&
                 std::abs(c.blue() - farbe.blue()) <= toleranz;
        }
    return n;
}

} // namespace sprachtest
