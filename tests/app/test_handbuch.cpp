// The manual page of figuro-konsole lists exactly the options that
// figuro-konsole --help lists.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The option words a pattern finds (its first group), sorted, each once.
QStringList optionen(const QString &text, const QString &muster)
{
    QStringList gefunden;
    auto treffer = QRegularExpression(muster).globalMatch(text);
    while (treffer.hasNext())
        gefunden << treffer.next().captured(1);
    gefunden.sort();
    gefunden.removeDuplicates();
    return gefunden;
}

} // namespace

TEST(Handbuch, KonsoleSeiteUndHilfeNennenDieselbenOptionen)
{
    QProcess prozess;
    prozess.start(QStringLiteral(FIGURO_BINARY_DIR "/src/figuro-konsole"), {QStringLiteral("--help")});
    ASSERT_TRUE(prozess.waitForFinished(30000));
    const QString hilfe = QString::fromUtf8(prozess.readAllStandardOutput());

    QFile datei(QStringLiteral(FIGURO_SOURCE_DIR "/docs/man/figuro-konsole.1.scd"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QString seite = QString::fromUtf8(datei.readAll());
    const qsizetype anfang = seite.indexOf(QStringLiteral("\n# OPTIONEN\n"));
    ASSERT_GE(anfang, 0);
    const QString abschnitt = seite.mid(anfang, seite.indexOf(QStringLiteral("\n# "), anfang + 1) - anfang);

    // In the help an option is "-o" or "--dpi" not inside a word
    // ("figuro-konsole", "PNG-Bildes"); in the page it is set in bold.
    const QStringList ausHilfe = optionen(hilfe, QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    const QStringList ausSeite = optionen(abschnitt, QStringLiteral("\\*(--?[a-z][a-z-]*)\\*"));
    EXPECT_TRUE(ausHilfe.contains(QStringLiteral("--export"))) << hilfe.toStdString();
    EXPECT_EQ(ausSeite.join(u' ').toStdString(), ausHilfe.join(u' ').toStdString());
}
