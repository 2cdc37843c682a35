#include "persistence/ui/ExportDialog.h"

#include "persistence/ui/DateiBefehle.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

TExportDialog::TExportDialog(QWidget *eltern) : QDialog(eltern)
{
    setWindowTitle(QStringLiteral("Als PNG-Bild exportieren"));
    auto *form = new QFormLayout;
    EDpi = new QSpinBox(this);
    EDpi->setObjectName(QStringLiteral("EDpi"));
    EDpi->setRange(30, 1200);
    EDpi->setValue(300);
    EDpi->setSuffix(QStringLiteral(" dpi"));
    form->addRow(QStringLiteral("Auflösung:"), EDpi);
    CBTransparent = new QCheckBox(QStringLiteral("Hintergrund durchsichtig"), this);
    CBTransparent->setObjectName(QStringLiteral("CBTransparent"));
    form->addRow(CBTransparent);
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(knoepfe);
}

bool TExportDialog::Fragen(QWidget *eltern, QString &pfad, TExportOptionen &optionen)
{
    const QString png = QStringLiteral("PNG-Bild (*.png)");
    QFileDialog datei(eltern, QStringLiteral("Exportieren"));
    datei.setAcceptMode(QFileDialog::AcceptSave);
    datei.setNameFilters({png, QStringLiteral("SVG-Grafik (*.svg)"), QStringLiteral("PDF-Dokument (*.pdf)")});
    datei.setDefaultSuffix(QStringLiteral("png"));
    datei.setDirectory(TDateiBefehle::DialogOrdner(pfad));
    if (!pfad.isEmpty())
        datei.selectFile(QFileInfo(pfad).completeBaseName() + QStringLiteral(".png"));
    // The ending follows the chosen filter.
    QObject::connect(&datei, &QFileDialog::filterSelected, &datei, [&datei](const QString &filter) {
        const qsizetype i = filter.indexOf(QStringLiteral("*."));
        if (i >= 0)
            datei.setDefaultSuffix(filter.mid(i + 2, 3));
    });
    if (datei.exec() != QDialog::Accepted || datei.selectedFiles().isEmpty())
        return false;
    pfad = datei.selectedFiles().front();
    if (!ExportFormatBekannt(pfad))
        pfad += QLatin1Char('.') + datei.defaultSuffix();
    if (pfad.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        TExportDialog frage(eltern);
        frage.EDpi->setValue(optionen.Dpi);
        frage.CBTransparent->setChecked(optionen.Transparent);
        if (frage.exec() != QDialog::Accepted)
            return false;
        optionen.Dpi = frage.EDpi->value();
        optionen.Transparent = frage.CBTransparent->isChecked();
    }
    return true;
}
