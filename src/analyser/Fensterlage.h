#pragma once
#include <QRect>

// Where the analyser window goes when it is shown: its left edge one pixel
// right of the main window's frame, its top at the main window's top,
// reaching to the right edge of the screen and 30 pixels short of the
// screen's bottom. When the main window leaves less than `MindestBreite`
// pixels to its right, the window lies at the screen's right edge at that
// width instead (overlapping the main window) so that it stays usable.
struct TFensterlage {
    QRect Rahmen;          // the analyser window's frame
    int UnteresFeldHoehe;  // the focus panel: two fifths of the screen height
};

constexpr int AnalysatorMindestBreite = 320;

TFensterlage AnalysatorFensterlage(const QRect &hauptfenster, const QRect &bildschirm);
