#include "teacher/ui/Passwortabfrage.h"
#include "teacher/Passwort.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

QLineEdit *Passwortfeld(QWidget *eltern, const QString &name)
{
    auto *feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    feld->setEchoMode(QLineEdit::Password);
    // "*" for every character, whatever the style would draw.
    feld->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return feld;
}

QString TFPasswortabfrage::TextFalsch()
{
    return QStringLiteral("Das Passwort war falsch.");
}

TFPasswortabfrage::TFPasswortabfrage(QWidget *eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("FPasswortabfrage"));
    setWindowTitle(QStringLiteral("Bitte geben Sie das Passwort ein:"));
    setModal(true);
    auto *spalte = new QVBoxLayout(this);
    // The caption alone is easily overlooked: the window says it, too.
    LAnweisung = new QLabel(windowTitle(), this);
    LAnweisung->setObjectName(QStringLiteral("LAnweisung"));
    spalte->addWidget(LAnweisung);
    EPass = Passwortfeld(this, QStringLiteral("EPass"));
    EPass->setMinimumWidth(240);
    spalte->addWidget(EPass);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    BOK = new QPushButton(QStringLiteral("OK"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    knoepfe->addWidget(BOK);
    knoepfe->addStretch(1);
    spalte->addLayout(knoepfe);
    connect(BOK, &QPushButton::clicked, this, &TFPasswortabfrage::BOKClick);

    Melden = [this](const QString &titel, const QString &text) {
        QMessageBox::critical(this, titel, text);
    };
}

void TFPasswortabfrage::Vorbereiten()
{
    EPass->clear();
    EPass->setFocus();
    Ok = false;
}

void TFPasswortabfrage::BOKClick()
{
    Ok = PasswortAkzeptiert(EPass->text(), Passwort);
    if (!Ok && Melden)
        Melden(QStringLiteral("Meldung:"), TextFalsch());
    // The entry does not stay in the window once it is closed.
    EPass->clear();
    if (Ok)
        accept();
    else
        reject();
}

bool TFPasswortabfrage::Ausfuehren(const QString &dokumentPasswort)
{
    Passwort = dokumentPasswort;
    Vorbereiten();
    exec();
    const bool ok = Ok && result() == QDialog::Accepted;
    Passwort.clear();
    return ok;
}
