// The recovery copies in the core: one per running Figuro, offered only when
// their Figuro is gone (an unreadable one is kept: see test_dateibefehle.cpp).
#include "persistence/Wiederherstellung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace
{

QByteArray lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList dateien(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::Files, QDir::Name);
}

} // namespace

TEST(Wiederherstellung, KopienLaufenderUndBeendeterFigurosUndDieFrage)
{
    QTemporaryDir tmp;
    const QString ordner = tmp.filePath(QStringLiteral("neu/wiederherstellung")); // made when needed
    auto a = std::make_unique<TWiederherstellung>(ordner);
    TWiederherstellung b(ordner);
    ASSERT_TRUE(a->Bereit());
    a->Schreiben("<?xml a", QStringLiteral("/schule/haus.fgo"));
    b.Schreiben("<?xml b", QString());
    a->Warten();
    b.Warten();
    // One copy per Figuro: neither overwrites the other's.
    const QString kopieA = a->KopiePfad();
    EXPECT_NE(kopieA, b.KopiePfad());
    EXPECT_EQ(lesen(kopieA), "<?xml a");
    EXPECT_EQ(lesen(b.KopiePfad()), "<?xml b");

    // Both run: nothing is offered.
    EXPECT_FALSE(b.VerwaisteSuchen());
    TWiederherstellung c(ordner);
    EXPECT_FALSE(c.VerwaisteSuchen());

    // a ends without deleting its copy (as after a crash): its copy is
    // offered once, to one Figuro only, with its file name and time.
    const QDateTime vorEnde = QDateTime::currentDateTime().addSecs(-2);
    a.reset();
    const auto kopie = b.VerwaisteSuchen();
    ASSERT_TRUE(kopie);
    EXPECT_EQ(kopie->Pfad, kopieA);
    EXPECT_EQ(kopie->Dateiname, QStringLiteral("/schule/haus.fgo"));
    EXPECT_GE(kopie->Zeit, vorEnde);
    EXPECT_LE(kopie->Zeit, QDateTime::currentDateTime().addSecs(2));
    EXPECT_FALSE(c.VerwaisteSuchen());
    // Released, it is offered again; deleted, it is gone with its lock.
    b.VerwaisteFreigeben();
    ASSERT_TRUE(c.VerwaisteSuchen());
    c.VerwaisteLoeschen();
    EXPECT_FALSE(QFile::exists(kopieA));
    EXPECT_FALSE(b.VerwaisteSuchen());

    // The own copy goes when the changes are saved or discarded.
    b.Loeschen();
    EXPECT_FALSE(QFile::exists(b.KopiePfad()));
    EXPECT_EQ(dateien(ordner).filter(QStringLiteral(".fgo")), QStringList());

    // The question at the start names the file and the time.
    const QDateTime zeit(QDate(2026, 12, 7), QTime(8, 5, 30));
    EXPECT_EQ(TWiederherstellung::Frage({QStringLiteral("/k"), QString(), zeit}),
              QStringLiteral("Figuro wurde nicht ordnungsgemäß beendet. Soll die nicht gespeicherte Zeichnung "
                             "wiederhergestellt werden?\n\nDatei: unbenannt\nStand: 07.12.2026, 08:05 Uhr"));
    EXPECT_TRUE(TWiederherstellung::Frage({QStringLiteral("/k"), QStringLiteral("/schule/7a/haus.fgo"), zeit})
                    .endsWith(QStringLiteral("\n\nDatei: /schule/7a/haus.fgo\nStand: 07.12.2026, 08:05 Uhr")));
}
