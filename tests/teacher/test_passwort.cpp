// The scrambled form of document passwords.
#include "teacher/Passwort.h"

#include <gtest/gtest.h>

TEST(Passwort, FalscheZiffernLesenAlsNullUndZweiPasswoerterGelten)
{
    // A bad digit reads as "0", upper-case digits as the digits they are, an odd last one is
    // ignored.
    const char *gleich[][2] = {{"zz", "00"}, {"9G", "90"}, {"ÿA", "0a"}, {"AB", "ab"}, {"9d0", "9d"}};
    for (const auto &g : gleich)
        EXPECT_EQ(PasswortEntschluesseln(QString::fromUtf8(g[0])), PasswortEntschluesseln(QString::fromUtf8(g[1])))
            << g[0];
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("9D04C7BE2A61")), MasterPasswort());
    EXPECT_EQ(PasswortEntschluesseln(QStringLiteral("9")), QString());
    EXPECT_EQ(PasswortEntschluesseln(QString()), QString());
    // The document's password or the master password, exactly.
    EXPECT_EQ(MasterPasswort(), QStringLiteral("Kreide"));
    EXPECT_EQ(PasswortVerschluesseln(MasterPasswort()), QStringLiteral("9d04c7be2a61"));
    EXPECT_TRUE(PasswortAkzeptiert(QStringLiteral("geheim"), QStringLiteral("geheim")));
    EXPECT_TRUE(PasswortAkzeptiert(MasterPasswort(), QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortAkzeptiert(QStringLiteral("Geheim"), QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortAkzeptiert(QStringLiteral("kreide"), QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortAkzeptiert(QString(), QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortAkzeptiert(QString(), QString()));
}
