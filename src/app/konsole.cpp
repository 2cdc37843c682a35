// figuro-konsole: runs method calls from a script, one per line, as Enter in
// the input field would, and writes the call log they produce.
//
//   figuro-konsole [-o DATEI.fgo] [-s DATEI.fgo] [--lehrermodus]
//                  [--export DATEI.png|DATEI.svg|DATEI.pdf [--dpi N]] [SKRIPT]
//
// Output (UTF-8), per script line in order: every top-level log entry as its
// display text, sub-calls indented by two blanks per level; for a rejected
// line "Zeile N, Zeichen A-B: MELDUNG" (or "Zeile N: MELDUNG" without a
// range); for a method that reports a message
// "Zeile N: Fehler beim Ausführen der Methode: MELDUNG".
// Exit status: 0 every line ran, 1 at least one line failed, 2 usage error or
// a file that cannot be opened or saved.
//
// -o opens a document first (otherwise the run starts from a new one), -s
// saves the document after the last line. --lehrermodus lifts the edit
// locks; for a document protected by a password it also needs the password
// (or the master password) in the environment variable FIGURO_PASSWORT.
// --export writes the sheet as a picture after the script ran (PNG at --dpi
// dots per inch, 300 by default; SVG and PDF as vectors).
// Qt's own messages stay out of both channels (see app/QtMeldungen.h).
#include "app/QtMeldungen.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/MethodenAufruf.h"
#include "model/Codec1252.h"
#include "model/Dokument.h"
#include "persistence/Dokumentdatei.h"
#include "persistence/Export.h"
#include "teacher/Passwort.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QStringDecoder>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

const char *const AufrufText =
    "Aufruf: figuro-konsole [-o DATEI.fgo] [-s DATEI.fgo] [--lehrermodus]\n"
    "                       [--export BILD [--dpi N]] [SKRIPT]\n"
    "  -o DATEI.fgo    Dokument öffnen (sonst ein neues Dokument)\n"
    "  -s DATEI.fgo    Dokument am Ende speichern\n"
    "  --lehrermodus   Bearbeitungssperren aufheben (bei einem Dokument mit\n"
    "                  Passwort muss FIGURO_PASSWORT das Passwort enthalten)\n"
    "  --export BILD   das Blatt am Ende als BILD speichern (.png, .svg oder .pdf)\n"
    "  --dpi N         Auflösung des PNG-Bildes in dpi (Vorgabe 300)\n"
    "  SKRIPT          Methodenaufrufe, einer pro Zeile (ohne SKRIPT oder mit -:\n"
    "                  Standardeingabe)\n"
    "  -h, --help      diese Hilfe zeigen\n";

void schreiben(std::FILE *ziel, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), ziel);
}

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString dekodieren(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Codec1252::Dekodieren(bytes);
}

void eintragSchreiben(const TMethodenAufruf &aufruf, int tiefe, QString &ausgabe)
{
    ausgabe.resize(ausgabe.size() + 2 * tiefe, QLatin1Char(' '));
    aufruf.AnzeigeTextAnhaengen(ausgabe);
    ausgabe += QLatin1Char('\n');
    for (const auto &unter : aufruf.Unteraufrufe)
        eintragSchreiben(*unter, tiefe + 1, ausgabe);
}

bool zuUeberspringen(const QString &zeile)
{
    for (QChar c : zeile) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        return c == QLatin1Char('#');
    }
    return true; // empty or blank
}

struct TOptionen {
    QString Oeffnen;
    QString Speichern;
    bool Lehrermodus = false;
    QString Export;
    int Dpi = 300;
    std::optional<QString> Skript; // "-" or absent: standard input
};

// Runs the line; returns false when it failed.
bool zeileAusfuehren(TArbeitsbereich &ws, const QString &zeile, int nummer, QString &protokoll)
{
    protokoll.clear();
    const TAufrufErgebnis e = ws.AufrufAusfuehren(zeile, int(zeile.size()), nullptr);
    QString ausgabe = protokoll;
    bool gelungen = true;
    if (!e.Fehlermeldung.isEmpty()) {
        gelungen = false;
        if (e.FehlerAnfang < 0) {
            ausgabe += QStringLiteral("Zeile %1: %2\n").arg(nummer).arg(e.Fehlermeldung);
        } else {
            // An empty range points at the character where something was expected.
            const int ende = std::max(e.FehlerEnde, e.FehlerAnfang);
            ausgabe += QStringLiteral("Zeile %1, Zeichen %2-%3: %4\n")
                           .arg(nummer)
                           .arg(e.FehlerAnfang)
                           .arg(ende)
                           .arg(e.Fehlermeldung);
        }
    } else if (e.MeldungAnzeigen()) {
        gelungen = false;
        ausgabe += QStringLiteral("Zeile %1: Fehler beim Ausführen der Methode: %2\n").arg(nummer).arg(e.Meldung);
    }
    schreiben(stdout, ausgabe);
    std::fflush(stdout);
    return gelungen;
}

int benutzungsfehler(const QString &meldung)
{
    schreiben(stderr, meldung + QLatin1Char('\n'));
    std::fputs(AufrufText, stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QtMeldungenUnterdruecken();
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);

    TOptionen optionen;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString &a = argumente[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            std::fputs(AufrufText, stdout);
            return 0;
        }
        if (a == QLatin1String("-o") || a == QLatin1String("-s")) {
            if (i + 1 >= argumente.size())
                return benutzungsfehler(QStringLiteral("Nach %1 fehlt der Dateiname.").arg(a));
            (a == QLatin1String("-o") ? optionen.Oeffnen : optionen.Speichern) = argumente[++i];
        } else if (a == QLatin1String("--export")) {
            if (i + 1 >= argumente.size())
                return benutzungsfehler(QStringLiteral("Nach %1 fehlt der Dateiname.").arg(a));
            optionen.Export = argumente[++i];
            if (!ExportFormatBekannt(optionen.Export))
                return benutzungsfehler(
                    QStringLiteral("Unbekanntes Bildformat: %1 (möglich sind .png, .svg und .pdf)")
                        .arg(optionen.Export));
        } else if (a == QLatin1String("--dpi")) {
            bool ok = false;
            if (i + 1 < argumente.size())
                optionen.Dpi = argumente[++i].toInt(&ok);
            if (!ok || optionen.Dpi < 10 || optionen.Dpi > 2400)
                return benutzungsfehler(QStringLiteral("--dpi erwartet eine Zahl von 10 bis 2400."));
        } else if (a == QLatin1String("--lehrermodus")) {
            optionen.Lehrermodus = true;
        } else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            return benutzungsfehler(QStringLiteral("Unbekannte Option: %1").arg(a));
        } else if (optionen.Skript) {
            return benutzungsfehler(QStringLiteral("Es kann nur ein Skript angegeben werden."));
        } else {
            optionen.Skript = a;
        }
    }

    // Drawing (the method `zeichnen`) needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    TArbeitsbereich ws;
    if (!optionen.Oeffnen.isEmpty()) {
        QString meldung;
        bool mitPasswort = false;
        if (!DokumentOeffnen(optionen.Oeffnen, ws.Dokument(), ws.Klassen(), meldung, &mitPasswort)) {
            schreiben(stderr,
                      QStringLiteral("Die Datei %1 kann nicht geöffnet werden: %2\n").arg(optionen.Oeffnen, meldung));
            return 2;
        }
        ws.Dateiname = optionen.Oeffnen;
        // A protected document needs its password for teacher mode.
        if (mitPasswort && optionen.Lehrermodus &&
            !PasswortAkzeptiert(qEnvironmentVariable("FIGURO_PASSWORT"), ws.Dokument().Passwort)) {
            schreiben(stderr, QStringLiteral("Das Dokument %1 ist mit einem Passwort geschützt. Für den "
                                             "Lehrermodus muss FIGURO_PASSWORT das Passwort enthalten.\n")
                                  .arg(optionen.Oeffnen));
            return 2;
        }
    }
    ws.Lehrermodus = optionen.Lehrermodus;
    QString protokoll;
    ws.Analysator().BeobachterAnmelden([&protokoll](const TMethodenAufruf &aufruf) {
        eintragSchreiben(aufruf, 0, protokoll);
        // A group's entries can be long: written out as they come instead of
        // being held for the whole line (they precede its messages anyway).
        if (protokoll.size() > 1 << 16) {
            schreiben(stdout, protokoll);
            protokoll.truncate(0); // keeps the buffer
        }
    });

    bool alleGelungen = true;
    auto verarbeiten = [&](QString zeile, int nummer) {
        if (zeile.endsWith(QLatin1Char('\r')))
            zeile.chop(1);
        if (zuUeberspringen(zeile))
            return;
        if (!zeileAusfuehren(ws, zeile, nummer, protokoll))
            alleGelungen = false;
    };

    if (optionen.Skript && *optionen.Skript != QLatin1String("-")) {
        QFile datei(*optionen.Skript);
        if (!datei.open(QIODevice::ReadOnly)) {
            schreiben(stderr, QStringLiteral("Die Datei %1 kann nicht geöffnet werden.\n").arg(*optionen.Skript));
            return 2;
        }
        QString inhalt = dekodieren(datei.readAll());
        if (inhalt.startsWith(QChar(0xFEFF)))
            inhalt.remove(0, 1);
        const QStringList zeilen = inhalt.split(QLatin1Char('\n'));
        for (int i = 0; i < zeilen.size(); ++i)
            verarbeiten(zeilen[i], i + 1);
    } else {
        // Line by line, so that calls typed at a terminal answer at once.
        QFile eingabe;
        if (!eingabe.open(stdin, QIODevice::ReadOnly)) {
            schreiben(stderr, QStringLiteral("Die Standardeingabe kann nicht gelesen werden.\n"));
            return 2;
        }
        int nummer = 0;
        while (true) {
            const QByteArray bytes = eingabe.readLine();
            if (bytes.isEmpty())
                break;
            ++nummer;
            QString zeile = dekodieren(bytes);
            if (nummer == 1 && zeile.startsWith(QChar(0xFEFF)))
                zeile.remove(0, 1);
            if (zeile.endsWith(QLatin1Char('\n')))
                zeile.chop(1);
            verarbeiten(zeile, nummer);
        }
    }
    if (!optionen.Speichern.isEmpty()) {
        QString meldung;
        if (!DokumentSpeichern(optionen.Speichern, ws.Dokument(), ws.Klassen(), meldung)) {
            schreiben(stderr, QStringLiteral("Die Datei %1 kann nicht gespeichert werden: %2\n")
                                  .arg(optionen.Speichern, meldung));
            return 2;
        }
    }
    if (!optionen.Export.isEmpty()) {
        TExportOptionen export_;
        export_.Dpi = optionen.Dpi;
        QString meldung;
        if (!Exportieren(ws.Dokument(), optionen.Export, export_, meldung)) {
            schreiben(stderr, QStringLiteral("Das Bild %1 kann nicht geschrieben werden: %2\n")
                                  .arg(optionen.Export, meldung));
            return 2;
        }
    }
    return alleGelungen ? 0 : 1;
}
