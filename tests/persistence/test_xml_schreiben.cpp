// The writer's exact bytes and the round trip through a file.
#include "persistence/XMLDOM.h"
#include "persistence/Dateischreiben.h"

#include "model/Farbe.h"

#include "druck_hilfen.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace
{
const QByteArray Kopf = "<?xml version = \"1.0\" ?>\r\n";

QByteArray Lesen(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return "<nicht lesbar>";
    return f.readAll();
}
} // namespace

// Every character but NUL and the 1252 gaps survives the file, each line ends in exactly one CR LF.
TEST(XMLSchreiben, UndLesenErgibtDieselbenWerte)
{
    TXMLDOM dom;
    TXMLKnoten *w = dom.NeueWurzel();
    w->Name = QStringLiteral("DOKUMENT");
    QString alles;
    for (int c = 1; c < 256; ++c)
        alles.append(QChar(c >= 0x80 && c <= 0x9F ? QChar(u'x') : QChar(c)));
    w->TextHinzufuegen(QStringLiteral("Alles"), alles);
    w->TextHinzufuegen(QStringLiteral("Null"), QString(QChar(0)) + QStringLiteral("x"));
    dom.NeuesKind(w)->Name = QStringLiteral("RECHTECK");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath(QStringLiteral("rund.fgo"));
    QString fehler = QStringLiteral("x");
    ASSERT_TRUE(dom.SpeichernInDatei(pfad, fehler));
    EXPECT_TRUE(fehler.isEmpty());
    const QByteArray bytes = Lesen(pfad);
    EXPECT_EQ(bytes, dom.AlsBytes());
    EXPECT_FALSE(bytes.contains('\0'));
    EXPECT_EQ(bytes.count("\r\n"), 1 + 2 * 2);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));

    TXMLDOM zurueck;
    ASSERT_TRUE(zurueck.LadenAusDatei(pfad, fehler)) << fehler.toStdString();
    EXPECT_EQ(zurueck.Wurzel()->AttributSuchen(QStringLiteral("Alles"))->Wert, alles);
    EXPECT_EQ(zurueck.Wurzel()->AttributSuchen(QStringLiteral("Null"))->Wert, QString(QChar(0)) + QStringLiteral("x"));
    ASSERT_EQ(zurueck.Wurzel()->KindAnzahl(), 1);

    // Saving replaces an old file without leftovers; a failure leaves everything in place, a
    // folder in the way of the file too.
    const QString alt = dir.filePath(QStringLiteral("z.fgo"));
    {
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alter Inhalt, viel laenger als der neue ..................................");
    }
    TXMLDOM a;
    a.NeueWurzel()->Name = QStringLiteral("A");
    ASSERT_TRUE(a.SpeichernInDatei(alt, fehler));
    EXPECT_EQ(Lesen(alt), Kopf + "<A >\r\n</A>\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("rund.fgo"), QStringLiteral("z.fgo")}));

    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("ordner.fgo/inhalt")));
    for (const QString &ziel :
         {QString(), dir.filePath(QStringLiteral("fehlt/x.fgo")), dir.filePath(QStringLiteral("ordner.fgo"))}) {
        fehler.clear();
        EXPECT_FALSE(a.SpeichernInDatei(ziel, fehler)) << ziel.toStdString();
        EXPECT_EQ(fehler, QStringLiteral("Fehler beim Öffnend er Datei.")) << ziel.toStdString();
    }
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("ordner.fgo/inhalt"))).exists());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{QStringLiteral("ordner.fgo"), QStringLiteral("rund.fgo"), QStringLiteral("z.fgo")}));
}

// A null attribute is ignored, the first of two equal names is found, a second root replaces the
// first; without a root only the declaration is written.
TEST(XMLSchreiben, KnotenVerwaltung)
{
    EXPECT_EQ(TXMLDOM().AlsBytes(), Kopf);
    TXMLKnoten k(QStringLiteral("K"));
    k.AttributHinzufuegen(nullptr);
    k.TextHinzufuegen(QStringLiteral("A"), QStringLiteral("2"));
    k.KindHinzufuegen(std::make_unique<TXMLKnoten>(QStringLiteral("x")));
    k.KindHinzufuegen(std::make_unique<TXMLKnoten>(QStringLiteral("x")));
    EXPECT_EQ(k.AttributAnzahl(), 1);
    EXPECT_EQ(k.KindSuchen(QStringLiteral("x")), k.Kind(0));
    EXPECT_EQ(k.KindSuchen(QStringLiteral("X")), nullptr); // case-sensitive
    k.Leeren();
    EXPECT_EQ(k.AttributAnzahl() + k.KindAnzahl(), 0);
    EXPECT_EQ(k.Name, QStringLiteral("K"));

    TXMLDOM dom;
    dom.NeueWurzel()->Name = QStringLiteral("erste");
    TXMLKnoten *zweite = dom.NeueWurzel();
    EXPECT_EQ(dom.Wurzel(), zweite);
    EXPECT_TRUE(zweite->Name.isEmpty());
}

// Saving over a file with a second hard link (a teacher's shared copy)
// overwrites it in place: the link sees the new bytes, inode and rights stay.
TEST(XMLSchreiben, DateiMitZweitemLinkWirdAnOrtUndStelleUeberschrieben)
{
    QTemporaryDir tmp;
    const QString datei = tmp.filePath(QStringLiteral("a.fgo")), link = tmp.filePath(QStringLiteral("b.fgo"));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("alt") == 3);
    f.close();
    ASSERT_TRUE(QFile::setPermissions(datei, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    ASSERT_EQ(::link(QFile::encodeName(datei).constData(), QFile::encodeName(link).constData()), 0);
    struct stat alt {}, neu {};
    ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &alt), 0);
    EXPECT_TRUE(DateiSicherSchreiben(datei, "neu"));
    ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &neu), 0);
    EXPECT_EQ(std::pair(neu.st_ino, neu.st_mode), std::pair(alt.st_ino, alt.st_mode));
    EXPECT_EQ(std::pair(Lesen(datei), Lesen(link)), std::pair(QByteArray("neu"), QByteArray("neu")));
}
