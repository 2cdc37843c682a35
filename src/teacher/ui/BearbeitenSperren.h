#pragma once
#include "teacher/Sperren.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;
class TObjekt;

// The lock dialog: allows or locks editing with the mouse and with the
// keyboard for a list of objects. A group of radio buttons offers "Alles
// lassen, wie es ist" (with two explanatory lines) only when the objects
// differ in that lock.
class TFBearbeitenSperren : public QDialog
{
    Q_OBJECT
public:
    explicit TFBearbeitenSperren(QWidget *eltern = nullptr);

    QRadioButton *RBMausAlleErlauben = nullptr, *RBMAusAlleSperren = nullptr,
                 *RBMausLassen = nullptr;
    QRadioButton *RBTastaturErlauben = nullptr, *RBTastaturSperren = nullptr,
                 *RBTastaturLassen = nullptr;
    QLabel *LMaus1 = nullptr, *LMaus2 = nullptr;
    QLabel *LTastatur1 = nullptr, *LTastatur2 = nullptr;
    QPushButton *BUebernehmen = nullptr, *BAbbrechen = nullptr;

    // The state the dialog works on: the common locks (0, 1, 2) when it
    // opened, and the objects "Übernehmen" applies the choice to.
    std::uint8_t Mauszustand = Sperren::Erlaubt;
    std::uint8_t Tastaturzustand = Sperren::Erlaubt;
    std::vector<TObjekt *> Objekte;
    // Set by "Übernehmen" when a lock of an object changed.
    bool Geaendert = false;

    // Checks the radio buttons that match the states and shows the
    // "Alles lassen, wie es ist" options only for mixed states.
    void Vorbereiten(std::uint8_t maus, std::uint8_t tastatur, std::vector<TObjekt *> objekte);
    // The choice of the radio buttons (2: leave as it is).
    Sperren::TZustand Wahl() const;
    // "Übernehmen": applies the choice to every object, then closes.
    void BUebernehmenClick();

    // Vorbereiten, then shows the dialog modally. True when "Übernehmen"
    // changed a lock.
    bool SperrenDialogZeigen(std::uint8_t maus, std::uint8_t tastatur,
                             std::vector<TObjekt *> objekte);
};
