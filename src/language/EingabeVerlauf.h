#pragma once
#include <QString>
#include <deque>
#include <optional>

// The calls run from the input field in this program run, oldest first, and
// the walk through them with Up and Down. The walk starts from the text being
// typed (the draft); Down past the newest call, or Escape, gives the draft
// back. A walk lasts while the field shows the entry it reached: once the
// pupil edits that text, the next Up starts a new walk with the edited text as
// the draft. Kept in memory only; new and open leave it alone.
class TEingabeVerlauf
{
public:
    static constexpr int Hoechstzahl = 200;

    // Remembers a call that ran, unless it equals the newest entry; beyond
    // Hoechstzahl the oldest is forgotten. Ends a walk.
    void Merken(const QString &aufruf);

    // Up: the entry before the one shown (the newest when a walk starts
    // with `aktuell` as the draft); nothing when there is no older entry.
    std::optional<QString> Zurueck(const QString &aktuell);
    // Down: the next newer entry, or past the newest the draft, which ends the
    // walk; nothing outside a walk.
    std::optional<QString> Vor(const QString &aktuell);
    // Escape: the draft, which ends the walk; nothing outside a walk.
    std::optional<QString> Abbrechen(const QString &aktuell);

    // True while a walk shows `aktuell` unchanged.
    bool Unterwegs(const QString &aktuell) const;
    const std::deque<QString> &Eintraege() const { return eintraege_; }

private:
    std::deque<QString> eintraege_;
    int index_ = -1; // the entry shown during a walk; -1 outside one
    QString entwurf_;
};
