#pragma once
#include "model/Farbe.h"
#include "model/Objekt.h"

#include <QRect>
#include <QSet>
#include <QString>
#include <optional>
#include <vector>

class TFMain;
class TZeichenObjekt;

// The part of the sheet a typed call changes, so that the window repaints
// only that part of its cached image. Taken before the call, it measures
// what the figure the call names (its top-level figure: a group for a
// member) paints, handles and focus frame included. After the call it
// checks that nothing else changed that the sheet shows (the figures and
// their order, their bounding boxes, the background, the selection, the
// teacher mode, the analyser's marked object, and every record the call
// logged names an object of that figure) and gives the old and the new
// painted rectangle together (empty: nothing to repaint); otherwise none:
// repaint it all.
class TAufrufbereich
{
public:
    TAufrufbereich(TFMain &fenster, const QString &aufruf);

    // After the call, its handles renewed and the analyser refreshed.
    std::optional<QRect> Nachher();

private:
    QRect gemalt() const;
    bool nurDieFigur() const;

    TFMain &f_;
    TZeichenObjekt *figur_ = nullptr; // the top-level figure, or none
    QRect vorher_;
    std::vector<TObjekt *> teile_;
    std::vector<TUmgebungsrechteck> rechtecke_;
    std::vector<TZeichenObjekt *> auswahl_;
    TFarbe hintergrund_;
    bool lehrermodus_ = false;
    TObjekt *markiert_ = nullptr;
    long long eintraege_ = 0;
};
