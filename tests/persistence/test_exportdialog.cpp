// The export question (file dialog, then for PNG resolution and transparency), answered by real input.
#include "persistence/ui/ExportDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// Answers the next modal dialog of type T; another one still open after 3 s fails and is cancelled.
template <class T> void antworten(std::function<void(T *)> antwort, int versuche = 300)
{
    QTimer::singleShot(10, [antwort, versuche] {
        QWidget *offen = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<T *>(offen))
            return antwort(dialog);
        if (versuche > 0)
            return antworten<T>(antwort, versuche - 1);
        ADD_FAILURE() << "no dialog of the expected kind";
        if (auto *anderer = qobject_cast<QDialog *>(offen))
            anderer->reject();
    });
}

} // namespace

TEST(ExportDialog, EndungFolgtDemFilterUndPngFragtNachAufloesung)
{
    QTemporaryDir ordner;
    const struct {
        const char *name, *filter; // typed file name, filter chosen (or none)
        bool dateiOk, pngOk;       // the two dialogs accepted
        bool ergebnis;
        const char *datei; // the resulting file, below the folder
        int dpi;
        bool transparent;
    } faelle[] = {
        {"bild", nullptr, true, true, true, "bild.png", 150, true},
        {"plan", "PDF-Dokument (*.pdf)", true, true, true, "plan.pdf", 300, false},
        {"plan.svg", nullptr, true, true, true, "plan.svg", 300, false},
        {"bild", nullptr, true, false, false, "bild.png", 300, false},
        {"bild", nullptr, false, true, false, "", 300, false},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.name + std::string(fall.filter ? fall.filter : ""));
        QStringList titel;
        antworten<QFileDialog>([&](QFileDialog *datei) {
            titel << datei->windowTitle();
            EXPECT_EQ(datei->nameFilters(),
                      (QStringList{QStringLiteral("PNG-Bild (*.png)"), QStringLiteral("SVG-Grafik (*.svg)"),
                                   QStringLiteral("PDF-Dokument (*.pdf)")}));
            if (fall.filter) {
                auto *typen = datei->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
                ASSERT_NE(typen, nullptr);
                while (typen->currentText() != QString::fromUtf8(fall.filter) &&
                       typen->currentIndex() + 1 < typen->count())
                    QTest::keyClick(typen, Qt::Key_Down);
            }
            auto *feld = datei->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(feld, nullptr);
            feld->clear();
            QTest::keyClicks(feld, QString::fromUtf8(fall.name));
            if (fall.dateiOk && QString::fromUtf8(fall.datei).endsWith(QStringLiteral(".png")))
                antworten<TExportDialog>([&](TExportDialog *png) {
                    titel << png->windowTitle();
                    EXPECT_EQ(png->EDpi->value(), 300);
                    png->EDpi->setValue(150);
                    QTest::mouseClick(png->CBTransparent, Qt::LeftButton);
                    QTest::keyClick(png, fall.pngOk ? Qt::Key_Return : Qt::Key_Escape);
                });
            QTest::keyClick(feld, fall.dateiOk ? Qt::Key_Return : Qt::Key_Escape);
        });
        QString pfad = ordner.filePath(QStringLiteral("zeichnung.fgo"));
        TExportOptionen optionen;
        EXPECT_EQ(TExportDialog::Fragen(nullptr, pfad, optionen), fall.ergebnis);
        EXPECT_EQ(titel.value(0), QStringLiteral("Exportieren"));
        const bool png = fall.dateiOk && QString::fromUtf8(fall.datei).endsWith(QStringLiteral(".png"));
        EXPECT_EQ(titel.value(1), png ? QStringLiteral("Als PNG-Bild exportieren") : QString());
        if (fall.ergebnis) {
            EXPECT_EQ(pfad, ordner.filePath(QString::fromUtf8(fall.datei)));
            EXPECT_EQ(std::pair(optionen.Dpi, optionen.Transparent), std::pair(fall.dpi, fall.transparent));
        }
    }
}
