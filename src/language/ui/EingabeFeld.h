#pragma once
#include "language/EingabeVerlauf.h"

#include <QFont>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <utility>

class QTimer;
class TDokument;
class TFCodeComplete;
class TScanner;

// The one-line editor in which pupils type method calls. It is painted by
// hand rather than being a platform edit box because it colours the call as
// it is typed, marks the erroneous range in light red and re-analyses the
// text after every key, so that the hint bar and the execute button follow
// the text and the completion window can open above the caret.
//
// Positions: the caret (Einfuegemarke) and the selection ends count the
// characters before them (0 = in front of the first character); ErstesZeichen
// and the error range are 1-based character positions.
class TEingabeFeld : public QWidget
{
    Q_OBJECT
public:
    TEingabeFeld(QWidget *besitzer, TDokument *dokument);
    ~TEingabeFeld() override;

    static QString Platzhalter();
    static QString NichtSpeicherbarMeldung();

    // --- state (read by the main window and the tests) ---
    const QString &Text() const { return text_; }
    int Einfuegemarke() const { return einfuegemarke_; }
    int ErstesZeichen() const { return erstesZeichen_; }
    int AuswahlAnfang() const { return auswahlAnfang_; }
    int AuswahlEnde() const { return auswahlEnde_; }
    int FehlerAnfang() const { return fehlerAnfang_; }
    int FehlerEnde() const { return fehlerEnde_; }
    int SichtbareZeichen() const { return sichtbareZeichen_; }
    int Zeichenbreite() const { return zeichenbreite_; }
    int Zeichenhoehe() const { return zeichenhoehe_; }
    int TextLinks() const { return textLinks_; }
    int TextOben() const { return textOben_; }
    int MarkeX() const;
    bool MarkeSichtbar() const { return markeSichtbar_; }
    bool HatFokus() const { return hatFokus_; }
    TScanner &Scanner() { return *scanner_; }
    TDokument *Dokument() const { return dokument_; }
    TFCodeComplete *CodeComplete() const { return codeComplete_; }
    QTimer *Blinker() const { return blinker_; }

    // --- operations ---
    // Replaces the text; caret to the front, no scrolling, no error range.
    void TextSetzen(const QString &s);
    // Moves the caret to p and scrolls so that it stays visible.
    void MarkeSetzen(int p);
    // Removes the selected characters; the caret goes where they began.
    void AuswahlLoeschen();
    // The selected part of the text (empty without a selection).
    QString AusgewaehlterText() const;
    // Analyses the text, updates the completion window, reports the result.
    void Analysieren();
    // Analyses the unchanged text again after the drawing changed (a call
    // ran): error range, hint bar and execute button follow; the completion
    // window stays closed.
    void Pruefen();
    // Enter: takes the selected proposal of a visible completion window, or
    // asks for the call to be executed.
    void VorschlagUebernehmenOderAusfuehren();
    // One tick of the caret timer: toggles the caret while the field has
    // the focus, removes it otherwise.
    void Blinken();

    // The calls run in this program run, walked with Up and Down while the
    // completion window is hidden. The main window remembers each call that
    // ran.
    void VerlaufMerken(const QString &aufruf) { verlauf_.Merken(aufruf); }
    const TEingabeVerlauf &Verlauf() const { return verlauf_; }
    // Puts a call into the field to be run again or edited (a logged call
    // from the analyser): caret at the end, hint bar and execute button
    // follow, the completion window stays closed, the field takes the focus.
    void AufrufUebernehmen(const QString &aufruf);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery abfrage) const override;

Q_SIGNALS:
    // After every analysis (and when a typed character was refused):
    // `meldung` belongs in the hint bar; `fehlerfrei` says whether the text
    // is a complete, valid call (the execute button follows it).
    void Aenderung(const QString &meldung, bool fehlerfrei);
    // Enter was pressed and no proposal was taken.
    void Ausfuehren();

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    // Tab does nothing in the field: it never moves the focus away.
    bool focusNextPrevChild(bool) override { return false; }

private:
    bool hatAuswahl() const;
    // The selection's ends in order, within the text.
    std::pair<int, int> auswahlGrenzen() const;
    void auswahlZuruecksetzen();
    // Shift+move: the anchor stays; without a selection it is the caret.
    void auswahlBewegen(int neueMarke, bool erweitern);
    void zeichenEinfuegen(const QString &zeichen);
    // Copy, cut, paste and select all on the field's own text.
    void textbefehl(const QKeyEvent *e);
    int positionBeiX(int x) const;
    void metrikBerechnen();
    void fensterPlatzieren();
    void markeNeuStarten();
    QRect markeRechteck() const;
    // Shows a text from the history (or the draft) with the caret at its end.
    void verlaufZeigen(const std::optional<QString> &text);
    // Reports the analysis: the hint bar gets the scanner's message with a
    // "Meintest du ...?" proposal after it.
    void melden(const QString &meldung);

    TDokument *dokument_;
    std::unique_ptr<TScanner> scanner_;
    TFCodeComplete *codeComplete_ = nullptr;
    TEingabeVerlauf verlauf_;
    QTimer *blinker_ = nullptr;
    QFont schrift_;

    QString text_;
    int einfuegemarke_ = 0;
    int erstesZeichen_ = 1;
    int auswahlAnfang_ = -1;
    int auswahlEnde_ = -1;
    int fehlerAnfang_ = -1;
    int fehlerEnde_ = -1;
    std::uint8_t letzterZustand_ = 0xFF; // nothing built yet
    bool markeSichtbar_ = false;
    bool hatFokus_ = false;
    bool mausAuswahl_ = false;
    bool zeichenAbgelehnt_ = false;
    int schriftgroesse_ = 10;
    int zeichenbreite_ = 8;
    int zeichenhoehe_ = 16;
    int textLinks_ = 0;
    int textOben_ = 0;
    int sichtbareZeichen_ = 1;
};
