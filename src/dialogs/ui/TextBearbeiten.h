#pragma once
#include <QDialog>
#include <QRect>
#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TTextFeld;

// The dialog in which the text of a text field is edited ("Text
// bearbeiten"). While "Ergebnis gleich anzeigen" is checked, every change is
// copied into the text field at once and the drawing repainted. The dialog
// itself records nothing: whoever opened it records `textSetzen` when `Ok`
// is set and otherwise gives the field `AlterText` back.
class TFTextBearbeiten : public QDialog
{
    Q_OBJECT
public:
    explicit TFTextBearbeiten(QWidget *eltern = nullptr);

    QPlainTextEdit *MText = nullptr;
    QCheckBox *CBLiveAnzeigen = nullptr;
    QPushButton *SBUebernehmen = nullptr;
    QPushButton *SBAbbrechen = nullptr;
    // Shows why typed text was refused (empty otherwise).
    QLabel *LMeldung = nullptr;

    TTextFeld *TextFeld = nullptr; // the field being edited (not owned)
    QString AlterText;             // its text when the dialog was opened
    bool Ok = false;
    // The text field's place on the screen (global pixels): the dialog
    // opens beside it so that the live preview stays visible. Empty: no
    // preference.
    QRect Meiden;

    // Repaints the drawing (live preview).
    std::function<void()> Neuzeichnen;

    // Shows the dialog modally for the field; answers Ok.
    bool Bearbeiten(TTextFeld *feld);

    // A text field's text as the edit shows it (line breaks as "\n") and
    // back (line breaks as carriage return + line feed).
    static QString ZurAnzeige(const QString &text);
    static QString ZumTextfeld(const QString &anzeige);

    // The message shown when typed text cannot be stored.
    static QString MeldungNichtSpeicherbar();

protected:
    void showEvent(QShowEvent *ereignis) override;

private:
    void textGeaendert();
    void liveUmgeschaltet(bool an);
    void uebernehmen();
    void abbrechen();
    // The text the field gets for the edit's current text: the old text
    // unchanged when only its line breaks would be spelled differently.
    QString neuerText() const;
    void inFeldKopieren();

    bool korrigiert_ = false;
};
