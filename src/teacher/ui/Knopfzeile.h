#pragma once
#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

// The row "Übernehmen" / "Abbrechen" at the foot of the teacher dialogs:
// right-aligned, "Übernehmen" the default button, "Abbrechen" rejects.
// Returns the row for the caller's layout.
inline QHBoxLayout *UebernehmenAbbrechenZeile(QDialog *dialog, QPushButton *&uebernehmen,
                                              QPushButton *&abbrechen)
{
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    uebernehmen = new QPushButton(QStringLiteral("Übernehmen"), dialog);
    uebernehmen->setObjectName(QStringLiteral("BUebernehmen"));
    uebernehmen->setDefault(true);
    abbrechen = new QPushButton(QStringLiteral("Abbrechen"), dialog);
    abbrechen->setObjectName(QStringLiteral("BAbbrechen"));
    knoepfe->addWidget(uebernehmen);
    knoepfe->addWidget(abbrechen);
    QObject::connect(abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    return knoepfe;
}
