// Qt's standard buttons and dialogs speak German once the translation is
// loaded, and fall back to English again when it goes.
#include "dialogs/Uebersetzung.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(QtUebersetzung, StandardknoepfeUndDateidialogAufDeutsch)
{
    {
        const auto uebersetzung = QtUebersetzungLaden();
        ASSERT_NE(uebersetzung, nullptr);
        QDialogButtonBox knoepfe(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
        EXPECT_EQ(knoepfe.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
        EXPECT_EQ(knoepfe.button(QDialogButtonBox::No)->text(), QStringLiteral("&Nein"));
        EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QStringList beschriftungen;
        for (const QLabel *l : dialog.findChildren<QLabel *>())
            beschriftungen << l->text();
        EXPECT_TRUE(beschriftungen.contains(QStringLiteral("Datei&name:"))) << beschriftungen.join(u'|').toStdString();
    }
    QDialogButtonBox danach(QDialogButtonBox::Cancel);
    EXPECT_EQ(danach.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}
