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
    QPushButton *BUebernehmen = nullptr, *BAbbrechen = nullptr;

    // In: the current password; out: the password entered.
    QString Passwort;
    // Out: "Übernehmen" was chosen.
    bool Uebernommen = false;

    // Shows a refusal (caption, text); by default a message box. Tests
    // replace it.
    std::function<void(const QString &, const QString &)> Melden;

    // What showing the dialog does: clears Uebernommen, the edit shows the
    // current password.
    void Vorbereiten();
    // "Übernehmen": takes the edit text as the password and closes. A text
    // that cannot be stored is refused and the dialog stays open.
    void BUebernehmenClick();
    // Vorbereiten, then modal; true when "Übernehmen" was chosen.
    bool Ausfuehren();
};
