#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class QWidget;

// A password edit of the teacher dialogs, named `name`: shows "*" for every
// character.
QLineEdit *Passwortfeld(QWidget *eltern, const QString &name);

// The password prompt asked before teacher mode is switched on for a
// protected document. The document's password and the master password are
// accepted.
class TFPasswortabfrage : public QDialog
{
    Q_OBJECT
public:
    explicit TFPasswortabfrage(QWidget *eltern = nullptr);

    static QString TextFalsch(); // "Das Passwort war falsch."

    // The instruction inside the window (the same text as the caption).
    QLabel *LAnweisung = nullptr;
    QLineEdit *EPass = nullptr;
    QPushButton *BOK = nullptr;

    // In: the document's password.
    QString Passwort;
    // Out: the entry was accepted.
    bool Ok = false;

    // Shows the message for a wrong entry (caption, text); by default a
    // message box with an error icon. Tests replace it.
    std::function<void(const QString &, const QString &)> Melden;

    // What showing the prompt does: empties the edit, clears Ok.
    void Vorbereiten();
    // "OK": checks the entry (a wrong one is reported) and closes.
    void BOKClick();
    // Vorbereiten, then modal; true when the entry was accepted. Closing
    // the prompt in another way counts as a failure.
    bool Ausfuehren(const QString &dokumentPasswort);
};
