#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The set-password dialog: the teacher enters the document's password, or
// nothing to remove the protection.
class TFPasswortschutz : public QDialog
{
    Q_OBJECT
public:
    explicit TFPasswortschutz(QWidget *eltern = nullptr);

    QLineEdit *EPasswort = nullptr;
    // The same password a second time; "Übernehmen" refuses differing entries.
    QLineEdit *EPasswortWiederholung = nullptr;
    QPushButton *BUebernehmen = nullptr, *BAbbrechen = nullptr;

    // In: the current password; out: the password entered.
    QString Passwort;
    // Out: "Übernehmen" was chosen.
    bool Uebernommen = false;

    static QString TextVerschieden(); // "Die beiden Eingaben stimmen nicht überein."

    // Shows a refusal (caption, text); by default a message box. Tests
    // replace it.
    std::function<void(const QString &, const QString &)> Melden;

    // What showing the dialog does: clears Uebernommen, both edits show the
    // current password.
    void Vorbereiten();
    // "Übernehmen": takes the edit text as the password and closes. A text
    // that cannot be stored, or a repetition that differs, is refused and
    // the dialog stays open.
    void BUebernehmenClick();
    // Vorbereiten, then modal; true when "Übernehmen" was chosen.
    bool Ausfuehren();
};
