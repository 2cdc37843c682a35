// The scrambled form of document passwords.
#include "teacher/Passwort.h"

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The place of a byte in the scrambling table, as two lower-case hex digits.
QString tabellenplatz(int b)
{
    const auto &t = Passwort::Verschluesselungstabelle;
    const int i = int(std::find(t.begin(), t.end(), b) - t.begin());
    return QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0'));
}

} // namespace

TEST(Passwort, BitebenenVerkettungUndTabellenplatz)
{
    // Two lower-case hex digits a character (the random round trips below
    // cover every length and byte). One character: the bit planes give the
    // byte itself, no chaining, then its position in the table.
    EXPECT_EQ(PasswortVerschluesseln(QString()), QString());
    for (int c = 1; c < 128; ++c)
        EXPECT_EQ(PasswortVerschluesseln(QString(QChar(c))), tabellenplatz(c));
    // "AB" = 0x41 0x42: planes bit0 (1,0) bit1 (0,1) bit2..5 (0,0) bit6 (1,1)
    // bit7 (0,0) give the stream 1 0 0 1 0 0 0 0 | 0 0 0 0 1 1 0 0, i.e. the
    // bytes 0x09 and 0x30; chained: 0x39, 0x30.
    EXPECT_EQ(PasswortVerschluesseln(QStringLiteral("AB")), tabellenplatz(0x39) + tabellenplatz(0x30));
}

TEST(Passwort, RundreiseInBeideRichtungen)
{
    const QStringList proben = {QStringLiteral("Größe über Maß"),
                                QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
                                QStringLiteral(" \t\r\n\"#<>&"),
                                QString(QChar(0)) + QStringLiteral("x") + QString(QChar(0xFF))};
    for (const QString &p : proben)
        EXPECT_EQ(PasswortEntschluesseln(PasswortVerschluesseln(p)), p) << p.toStdString();

    // Every byte value in every position; random texts up to 400 characters
    // and random hex texts: the two routines are inverses both ways.
    QString alle;
    for (int b = 0; b < 256; ++b)
        alle.append(QChar(b >= 0x80 && b <= 0x9F ? u'?' : char16_t(b)));
    EXPECT_EQ(PasswortEntschluesseln(PasswortVerschluesseln(alle)), alle);
    QRandomGenerator zufall(99);
    for (int runde = 0; runde < 200; ++runde) {
        QString p, hex;
        const int n = zufall.bounded(1, 401);
        for (int i = 0; i < n; ++i) {
            int b = zufall.bounded(256);
            p.append(QChar(b >= 0x80 && b <= 0x9F ? 0xE4 : b));
            hex.append(QLatin1Char("0123456789abcdef"[zufall.bounded(16)]));
            hex.append(QLatin1Char("0123456789abcdef"[zufall.bounded(16)]));
        }
        ASSERT_EQ(PasswortEntschluesseln(PasswortVerschluesseln(p)), p) << runde;
        ASSERT_EQ(PasswortVerschluesseln(PasswortEntschluesseln(hex)), hex) << hex.toStdString();
    }
}

TEST(Passwort, BeschaedigteTexteLesenFalscheZiffernAlsNull)
{
    // "0" and any bad digit give the same character.
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("zz")), PasswortEntschluesseln(QStringLiteral("00")));
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("9G")), PasswortEntschluesseln(QStringLiteral("90")));
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("ÿA")), PasswortEntschluesseln(QStringLiteral("0a")));
    // Upper-case hex digits read as the digits they are.
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("AB")), PasswortEntschluesseln(QStringLiteral("ab")));
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("9D04C7BE2A61")), MasterPasswort());
    // An odd last digit is ignored.
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("9d0")), PasswortEntschluesseln(QStringLiteral("9d")));
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("9")), QString());
    EXPECT_EQ(PasswortEntschluesseln(QString()), QString());
}

TEST(Passwort, AkzeptiertDokumentpasswortUndMasterpasswort)
{
    EXPECT_EQ(MasterPasswort(), QStringLiteral("Kreide"));
    EXPECT_EQ(PasswortVerschluesseln(MasterPasswort()), QStringLiteral("9d04c7be2a61"));
    EXPECT_TRUE(PasswortAkzeptiert(QStringLiteral("geheim"), QStringLiteral("geheim")));
    EXPECT_TRUE(PasswortAkzeptiert(MasterPasswort(), QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortAkzeptiert(QStringLiteral("Geheim"), QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortAkzeptiert(QStringLiteral("kreide"), QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortAkzeptiert(QString(), QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortAkzeptiert(QString(), QString()));
}
