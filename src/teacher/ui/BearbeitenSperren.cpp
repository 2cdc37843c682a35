#include "teacher/ui/BearbeitenSperren.h"
#include "teacher/ui/Knopfzeile.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *radio(QWidget *eltern, QLayout *layout, const char *name, const QString &text)
{
    auto *rb = new QRadioButton(text, eltern);
    rb->setObjectName(QString::fromLatin1(name));
    layout->addWidget(rb);
    return rb;
}

QLabel *zeile(QWidget *eltern, QLayout *layout, const char *name, const QString &text)
{
    auto *l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    layout->addWidget(l);
    return l;
}

} // namespace

TFBearbeitenSperren::TFBearbeitenSperren(QWidget *eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("FBearbeitenSperren"));
    setWindowTitle(QStringLiteral("Bearbeiten mit der Maus/Tastatur erlauben/sperren"));
    setModal(true);
    auto *spalte = new QVBoxLayout(this);

    auto *maus = new QGroupBox(this);
    maus->setObjectName(QStringLiteral("GBMaus"));
    auto *m = new QVBoxLayout(maus);
    LMaus1 = zeile(maus, m, "LMaus1",
                   QStringLiteral("Bei einigen der markierten Objekte ist das Bearbeiten mit der Maus erlaubt,"));
    LMaus2 = zeile(maus, m, "LMaus2", QStringLiteral("Bei anderen nicht. Was wünschen Sie?"));
    RBMausAlleErlauben = radio(maus, m, "RBMausAlleErlauben",
                               QStringLiteral("Bearbeiten mit der Maus für alle markierten Objekte erlauben"));
    RBMAusAlleSperren = radio(maus, m, "RBMAusAlleSperren",
                              QStringLiteral("Bearbeiten mit der Maus für alle markierten Objekte sperren"));
    RBMausLassen = radio(maus, m, "RBMausLassen", QStringLiteral("Alles lassen, wie es ist"));
    spalte->addWidget(maus);

    auto *tastatur = new QGroupBox(this);
    tastatur->setObjectName(QStringLiteral("GBTastatur"));
    auto *t = new QVBoxLayout(tastatur);
    LTastatur1 = zeile(tastatur, t, "LTastatur1",
                       QStringLiteral("Bei einigen der markierten Objekte ist das Bearbeiten mit der Tastatur"));
    LTastatur2 = zeile(tastatur, t, "LTastatur2",
                       QStringLiteral("erlaubt, bei anderen nicht. Was wünschen Sie?"));
    RBTastaturErlauben = radio(tastatur, t, "RBTastaturErlauben",
                               QStringLiteral("Bearbeiten mit der Tastatur für alle markierten Objekte erlauben"));
    RBTastaturSperren = radio(tastatur, t, "RBTastaturSperren",
                              QStringLiteral("Bearbeiten mit der Tastatur für alle markierten Objekte sperren"));
    RBTastaturLassen = radio(tastatur, t, "RBTastaturLassen", QStringLiteral("Alles lassen, wie es ist"));
    spalte->addWidget(tastatur);

    spalte->addLayout(UebernehmenAbbrechenZeile(this, BUebernehmen, BAbbrechen));
    connect(BUebernehmen, &QPushButton::clicked, this, &TFBearbeitenSperren::BUebernehmenClick);
    Vorbereiten(Sperren::Erlaubt, Sperren::Erlaubt, {});
}

void TFBearbeitenSperren::Vorbereiten(std::uint8_t maus, std::uint8_t tastatur,
                                      std::vector<TObjekt *> objekte)
{
    Mauszustand = maus <= Sperren::Uneinheitlich ? maus : Sperren::Uneinheitlich;
    Tastaturzustand = tastatur <= Sperren::Uneinheitlich ? tastatur : Sperren::Uneinheitlich;
    Objekte = std::move(objekte);
    Geaendert = false;

    const bool mausGemischt = Mauszustand == Sperren::Uneinheitlich;
    (Mauszustand == Sperren::Erlaubt ? RBMausAlleErlauben
     : mausGemischt                  ? RBMausLassen
                                     : RBMAusAlleSperren)
        ->setChecked(true);
    RBMausLassen->setVisible(mausGemischt);
    LMaus1->setVisible(mausGemischt);
    LMaus2->setVisible(mausGemischt);

    const bool tastaturGemischt = Tastaturzustand == Sperren::Uneinheitlich;
    (Tastaturzustand == Sperren::Erlaubt ? RBTastaturErlauben
     : tastaturGemischt                  ? RBTastaturLassen
                                         : RBTastaturSperren)
        ->setChecked(true);
    RBTastaturLassen->setVisible(tastaturGemischt);
    LTastatur1->setVisible(tastaturGemischt);
    LTastatur2->setVisible(tastaturGemischt);
    adjustSize();
}

Sperren::TZustand TFBearbeitenSperren::Wahl() const
{
    Sperren::TZustand w;
    if (!RBMausLassen->isChecked())
        w.Maus = RBMausAlleErlauben->isChecked() ? Sperren::Erlaubt : Sperren::Gesperrt;
    if (!RBTastaturLassen->isChecked())
        w.Tastatur = RBTastaturErlauben->isChecked() ? Sperren::Erlaubt : Sperren::Gesperrt;
    return w;
}

void TFBearbeitenSperren::BUebernehmenClick()
{
    Geaendert = Sperren::Anwenden(Objekte, Wahl());
    accept();
}

bool TFBearbeitenSperren::SperrenDialogZeigen(std::uint8_t maus, std::uint8_t tastatur,
                                              std::vector<TObjekt *> objekte)
{
    Vorbereiten(maus, tastatur, std::move(objekte));
    exec();
    const bool geaendert = result() == QDialog::Accepted && Geaendert;
    Objekte.clear(); // the dialog does not keep pointers to figures
    return geaendert;
}
