#pragma once
#include "window/ui/ColorPanel.h"

#include <QWidget>
#include <functional>
#include <vector>

// Base of the three picker popups: a borderless window that stays on top of
// the others and does not take the input focus from the main window. It
// holds the cells, and the notification `Gewaehlt` that the main window
// sets to receive a choice.
class TPickerFenster : public QWidget
{
    Q_OBJECT
public:
    explicit TPickerFenster(QWidget *eltern);

    std::function<void()> Gewaehlt;

    // Shows the popup with its top-left corner at a screen point.
    void Zeigen(const QPoint &global);
    void Verbergen();
    // Presses the cell of the current value (none when there is none).
    virtual void ZellenMarkieren() = 0;

    const std::vector<TColorPanel *> &Zellen() const { return zellen_; }
    // The cell with the tag, or nullptr.
    TColorPanel *Zelle(int tag) const;
    // The pressed cell, or nullptr.
    TColorPanel *GedrueckteZelle() const;

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    // A new cell whose click calls `waehlen` with the cell's tag.
    TColorPanel *zelleAnlegen(QWidget *besitzer, std::uint8_t art, std::uint32_t farbe, int tag,
                              const QRect &lage, const QString &hinweis);
    void alleLoesen();
    // A cell was clicked.
    virtual void waehlen(int tag) = 0;
    void melden();

private:
    std::vector<TColorPanel *> zellen_;
};
