#pragma once
#include "persistence/Export.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

// Asks for the settings of a PNG export: resolution in dpi (default 300)
// and whether the background stays transparent.
class TExportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TExportDialog(QWidget *eltern);

    QSpinBox *EDpi = nullptr;
    QCheckBox *CBTransparent = nullptr;

    // The whole export question: a file dialog for .png, .svg or .pdf, then,
    // for PNG, this dialog. `pfad` comes in as the drawing's file name (or
    // empty), which proposes the folder and the name. False when cancelled.
    static bool Fragen(QWidget *eltern, QString &pfad, TExportOptionen &optionen);
};
