#include "dialogs/Platzierung.h"

#include <algorithm>
#include <array>

namespace {

// Keeps a value of an interval [lo, hi] (hi may be below lo: then lo).
int einpassen(int wert, int lo, int hi)
{
    return std::max(lo, std::min(wert, hi));
}

} // namespace

QPoint NebenPlatzieren(const QRect &meiden, const QSize &groesse, const QRect &bildschirm)
{
    constexpr int abstand = 8;
    const int b = groesse.width(), h = groesse.height();
    // Along the side, the window stays on the screen.
    const int yNeben = einpassen(meiden.top(), bildschirm.top(), bildschirm.bottom() + 1 - h);
    const int xUeber = einpassen(meiden.left(), bildschirm.left(), bildschirm.right() + 1 - b);
    struct Seite {
        QPoint Ecke;
        int Platz; // room on that side minus what the window needs
    };
    const std::array<Seite, 4> seiten = {{
        {{meiden.right() + 1 + abstand, yNeben}, bildschirm.right() - meiden.right() - abstand - b},
        {{meiden.left() - abstand - b, yNeben}, meiden.left() - bildschirm.left() - abstand - b},
        {{xUeber, meiden.bottom() + 1 + abstand}, bildschirm.bottom() - meiden.bottom() - abstand - h},
        {{xUeber, meiden.top() - abstand - h}, meiden.top() - bildschirm.top() - abstand - h},
    }};
    for (const Seite &s : seiten)
        if (s.Platz >= 0)
            return s.Ecke;
    const Seite *beste = &seiten[0];
    for (const Seite &s : seiten)
        if (s.Platz > beste->Platz)
            beste = &s;
    return QPoint(einpassen(beste->Ecke.x(), bildschirm.left(), bildschirm.right() + 1 - b),
                  einpassen(beste->Ecke.y(), bildschirm.top(), bildschirm.bottom() + 1 - h));
}
