#pragma once

class TObjekt;

// What the main window tells the analyser window and asks of it. The
// analyser window implements it (or an adapter over its public interface);
// without one the main window simply tells nobody.
class TAnalysatorAnschluss
{
public:
    virtual ~TAnalysatorAnschluss() = default;
    // Makes the object the one whose cards the analyser shows.
    virtual void FokusSetzen(TObjekt *objekt) = 0;
    // Rebuilds the object diagram and repaints it.
    virtual void Aktualisieren() = 0;
    // Repaints the object diagram without rebuilding it.
    virtual void DiagrammZeichnen() = 0;
    // Repaints the cards of the object in focus.
    virtual void FokusKartenZeichnen() = 0;
    // The object in focus (nullptr or the document when none).
    virtual TObjekt *FokusObjekt() const = 0;
    // The object to mark on the drawing with the focus frame: the object in
    // focus while the object-tree page is showing, else nullptr.
    virtual TObjekt *MarkiertesObjekt() const = 0;
    virtual void Zeigen() = 0;
    virtual void Schliessen() = 0;
};
