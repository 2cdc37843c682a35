#pragma once
#include <QCursor>

// Every mouse pointer the drawing shows. The five program cursors carry the
// numbers under which the program registers them (15 to 19); the others are
// standard pointers of the platform.
enum class TMauszeiger {
    Standard,
    Kreuz,
    Hand,
    Drehen = 15,           // "DREHCURSOR"
    Verschieben = 16,      // "VERSCHIEBECURSOR"
    PunktVerschieben = 17, // "PUNKTVERSCHIEBECURSOR"
    LinienAbschnitt = 18,  // "LINIENABSCHNITTCURSOR"
    Schliessen = 19,       // "SCHLIESSENCURSOR"
    GroesseHorizontal,     // double arrow left-right
    GroesseVertikal,       // double arrow up-down
    GroesseDiagonalSteigend, // double arrow upper right - lower left
    GroesseDiagonalFallend,  // double arrow upper left - lower right
};

// The program cursors are drawn in code once (first use) and kept for the
// whole run.
class TProgrammCursor
{
public:
    // Draws and registers the five program cursors; safe to call twice.
    static void Registrieren();
    static bool Registriert();
    // The Qt cursor for a pointer kind.
    static QCursor Cursor(TMauszeiger zeiger);
    // Resource name of a program cursor ("DREHCURSOR", ...), empty otherwise.
    static QString Name(TMauszeiger zeiger);
};
