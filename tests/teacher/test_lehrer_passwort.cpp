// The document password: the prompt before teacher mode, the set-password
// dialog, and what reaches the file.
#include "common/gemeinsame_hilfen.h"
#include "lehrer_hilfen.h"
#include "persistence/Dokumentdatei.h"
#include "persistence/ui/DateiBefehle.h"

#include <QTemporaryDir>
#include <optional>

namespace
{

struct Passwortfenster : LehrerFenster {
    QStringList meldungen; // "caption|text" of every message box

    void SetUp() override
    {
        LehrerFenster::SetUp();
        auto melden = [this](const QString &titel, const QString &text) {
            meldungen << titel + QLatin1Char('|') + text;
        };
        lehrer->FPasswortabfrage->Melden = melden;
        lehrer->FPasswortschutz->Melden = melden;
    }

    // Switches teacher mode on with the entry typed into the prompt.
    void anmelden(const QString &eingabe)
    {
        imDialog = [eingabe](QDialog *d) {
            auto *abfrage = qobject_cast<TFPasswortabfrage *>(d);
            ASSERT_NE(abfrage, nullptr);
            EXPECT_TRUE(abfrage->EPass->text().isEmpty()); // emptied on showing
            QTest::keyClicks(abfrage->EPass, eingabe);
            QTest::mouseClick(abfrage->BOK, Qt::LeftButton);
        };
        lehrermodusAn();
        imDialog = nullptr;
    }

    QString gezeigt;        // what the set-password dialog showed when it opened
    bool nochOffen = false; // whether it stayed open after the button

    // Runs "Dokument mit Passwort schützen ..." with the entry and the button;
    // a dialog that stays open is then cancelled.
    // The repetition is the same entry unless given.
    void passwortSetzen(const QString &eingabe, bool uebernehmen = true,
                        std::optional<QString> wiederholung = std::nullopt)
    {
        imDialog = [this, eingabe, uebernehmen, wiederholung](QDialog *d) {
            auto *schutz = qobject_cast<TFPasswortschutz *>(d);
            ASSERT_NE(schutz, nullptr);
            EXPECT_FALSE(schutz->Uebernommen);
            gezeigt = schutz->EPasswort->text();
            EXPECT_EQ(schutz->EPasswortWiederholung->text(), gezeigt);
            schutz->EPasswort->setText(eingabe);
            schutz->EPasswortWiederholung->setText(wiederholung.value_or(eingabe));
            QTest::mouseClick(uebernehmen ? schutz->BUebernehmen : schutz->BAbbrechen,
                              Qt::LeftButton);
            if ((nochOffen = schutz->isVisible()))
                QTest::mouseClick(schutz->BAbbrechen, Qt::LeftButton);
        };
        lehrer->APasswortSetzen->trigger();
        imDialog = nullptr;
    }
};

} // namespace

TEST_F(Passwortfenster, PasswortSetzenAendernUndAufheben)
{
    lehrermodusAn();
    ab().Geaendert = false;
    passwortSetzen(QStringLiteral("Tafel"));
    EXPECT_EQ(dok()->Passwort, QStringLiteral("Tafel"));
    EXPECT_TRUE(lehrer->FPasswortschutz->Uebernommen);
    EXPECT_FALSE(nochOffen);
    EXPECT_TRUE(ab().Geaendert);
    TFPasswortschutz *s = lehrer->FPasswortschutz;
    EXPECT_EQ(s->EPasswort->echoMode(), QLineEdit::Password);
    EXPECT_EQ(s->EPasswortWiederholung->echoMode(), QLineEdit::Password);
    QStringList zeilen{s->windowTitle()};
    for (int i = 1; i <= 5; ++i)
        zeilen << s->findChild<QLabel *>(QStringLiteral("Label%1").arg(i))->text();
    zeilen << s->BUebernehmen->text() << s->BAbbrechen->text();
    EXPECT_EQ(zeilen,
              QStringList({"FPasswortschutz", "Wenn Sie hier ein Passwort eingeben, kann der",
                           "Lehrermodus für das aktuelle Dokument in Zukunft nur",
                           "durch Eingabe dieses Passwortes aktiviert werden.",
                           "Geben Sie nichts ein, so wird der Passwortschutz",
                           "für dieses Dokument aufgehoben.", "Übernehmen", "Abbrechen"}));

    // The dialog shows the current password; "Abbrechen" keeps it even after typing.
    passwortSetzen(QStringLiteral("anders"), false);
    EXPECT_EQ(gezeigt, QStringLiteral("Tafel"));
    EXPECT_EQ(dok()->Passwort, QStringLiteral("Tafel"));
    EXPECT_FALSE(lehrer->FPasswortschutz->Uebernommen);

    // Nothing entered: the protection is removed.
    ab().Geaendert = false;
    passwortSetzen(QString());
    EXPECT_TRUE(dok()->Passwort.isEmpty());
    EXPECT_TRUE(ab().Geaendert);

    // Differing entries are refused and the dialog stays open.
    meldungen.clear();
    passwortSetzen(QStringLiteral("Tafel"), true, QStringLiteral("Tafle"));
    EXPECT_TRUE(nochOffen);
    EXPECT_EQ(meldungen,
              QStringList{QStringLiteral("Warnung:|Die beiden Eingaben stimmen nicht überein.")});
    EXPECT_TRUE(dok()->Passwort.isEmpty());

    // A character the file cannot hold is refused, the dialog stays open.
    meldungen.clear();
    passwortSetzen(QStringLiteral("Tafel\u0416"));
    EXPECT_TRUE(nochOffen);
    EXPECT_TRUE(dok()->Passwort.isEmpty());
    EXPECT_EQ(meldungen,
              QStringList{QStringLiteral(
                  "Warnung:|Das Zeichen \"\u0416\" kann im Passwort nicht gespeichert werden.")});

    // The same password again is no change.
    ab().Geaendert = false;
    passwortSetzen(QString());
    EXPECT_FALSE(ab().Geaendert);
}

TEST_F(Passwortfenster, GeoeffnetesDokumentMitPasswortVerlangtEsFuerDenLehrermodus)
{
    ASSERT_NE(f->DateiBefehle, nullptr);
    QTemporaryDir ordner;
    const QString ohne = ordner.filePath(QStringLiteral("ohne.fgo")),
                  mit = ordner.filePath(QStringLiteral("mit.fgo"));
    QString meldung;
    ASSERT_TRUE(DokumentSpeichern(ohne, *dok(), *f->Klassen(), meldung));
    dok()->Passwort = QStringLiteral("Tafel");
    ASSERT_TRUE(DokumentSpeichern(mit, *dok(), *f->Klassen(), meldung));
    dok()->Passwort.clear();

    lehrermodusAn();
    ASSERT_TRUE(f->DateiBefehle->DokumentOeffnen(ohne));
    modusErwarten(true); // no password: teacher mode stays
    ASSERT_TRUE(f->DateiBefehle->DokumentOeffnen(mit));
    EXPECT_EQ(dok()->Passwort, QStringLiteral("Tafel"));
    modusErwarten(false);

    // Empty, wrong or cancelled entries fail; back on only with the password.
    const QString falsch = QStringLiteral("Meldung:|Das Passwort war falsch.");
    for (const QString &eingabe : {QString(), QStringLiteral("tafel"), QStringLiteral("Tafel "),
                                   QStringLiteral("Schwamm")}) {
        SCOPED_TRACE(eingabe.toStdString());
        meldungen.clear();
        anmelden(eingabe);
        modusErwarten(false);
        EXPECT_EQ(meldungen, QStringList{falsch});
        EXPECT_FALSE(lehrer->FPasswortabfrage->Ok);
    }
    // The prompt's texts, "*" for each typed character (docs/screenshots/passwort.png);
    // closing it without "OK" fails silently.
    meldungen.clear();
    imDialog = [this](QDialog *d) {
        TFPasswortabfrage *a = lehrer->FPasswortabfrage;
        EXPECT_EQ(QStringList({a->windowTitle(), a->LAnweisung->text(), a->BOK->text()}),
                  QStringList({"Bitte geben Sie das Passwort ein:",
                               "Bitte geben Sie das Passwort ein:", "OK"}));
        QTest::keyClicks(a->EPass, QStringLiteral("Tafel"));
        EXPECT_EQ(a->EPass->displayText(), QStringLiteral("*****"));
        EXPECT_TRUE(a->LAnweisung->isVisible());
        testhilfe::bildschirmfotoSichern(d->grab().toImage(), QStringLiteral("passwort.png"));
        d->reject();
    };
    lehrermodusAn();
    EXPECT_FALSE(ab().Lehrermodus);
    EXPECT_TRUE(meldungen.isEmpty());
    anmelden(QStringLiteral("Tafel"));
    EXPECT_TRUE(ab().Lehrermodus);
}
