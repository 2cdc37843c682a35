#include "teacher/ui/Passwortschutz.h"
#include "teacher/ui/Knopfzeile.h"
#include "teacher/ui/Passwortabfrage.h"
#include "teacher/Sperren.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TFPasswortschutz::TFPasswortschutz(QWidget *eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("FPasswortschutz"));
    setWindowTitle(QStringLiteral("FPasswortschutz"));
    setModal(true);
    auto *spalte = new QVBoxLayout(this);
    const char16_t *zeilen[] = {u"Wenn Sie hier ein Passwort eingeben, kann der",
                                u"Lehrermodus für das aktuelle Dokument in Zukunft nur",
                                u"durch Eingabe dieses Passwortes aktiviert werden.",
                                u"Geben Sie nichts ein, so wird der Passwortschutz",
                                u"für dieses Dokument aufgehoben."};
    int nr = 1;
    for (const char16_t *z : zeilen) {
        auto *l = new QLabel(QString::fromUtf16(z), this);
        l->setObjectName(QStringLiteral("Label%1").arg(nr++));
        spalte->addWidget(l);
    }
    EPasswort = Passwortfeld(this, QStringLiteral("EPasswort"));
    EPasswort->setMaxLength(65535);
    spalte->addWidget(EPasswort);
    // A typing slip would lock the teacher out: the password is typed twice.
    auto *wiederholen = new QLabel(QStringLiteral("Passwort wiederholen:"), this);
    wiederholen->setObjectName(QStringLiteral("LabelWiederholung"));
    spalte->addWidget(wiederholen);
    EPasswortWiederholung = Passwortfeld(this, QStringLiteral("EPasswortWiederholung"));
    EPasswortWiederholung->setMaxLength(65535);
    spalte->addWidget(EPasswortWiederholung);

    spalte->addLayout(UebernehmenAbbrechenZeile(this, BUebernehmen, BAbbrechen));
    connect(BUebernehmen, &QPushButton::clicked, this, &TFPasswortschutz::BUebernehmenClick);

    Melden = [this](const QString &titel, const QString &text) {
        QMessageBox::warning(this, titel, text);
    };
}

QString TFPasswortschutz::TextVerschieden()
{
    return QStringLiteral("Die beiden Eingaben stimmen nicht überein.");
}

void TFPasswortschutz::Vorbereiten()
{
    Uebernommen = false;
    EPasswort->setText(Passwort);
    EPasswortWiederholung->setText(Passwort);
    EPasswort->selectAll();
    EPasswort->setFocus();
}

void TFPasswortschutz::BUebernehmenClick()
{
    const QString text = EPasswort->text();
    QString fehler = Lehrer::PasswortPruefen(text);
    if (fehler.isEmpty() && EPasswortWiederholung->text() != text)
        fehler = TextVerschieden();
    if (!fehler.isEmpty()) {
        if (Melden)
            Melden(QStringLiteral("Warnung:"), fehler);
        EPasswort->setFocus();
        return;
    }
    Uebernommen = true;
    Passwort = text;
    accept();
}

bool TFPasswortschutz::Ausfuehren()
{
    Vorbereiten();
    if (QWidget *w = parentWidget()) {
        adjustSize();
        move(w->window()->geometry().center() - rect().center());
    }
    exec();
    return Uebernommen;
}
