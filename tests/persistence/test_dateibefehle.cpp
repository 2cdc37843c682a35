// The file commands of the main window, every dialog answered by the test.
#include "persistence/Dokumentdatei.h"
#include "persistence/Wiederherstellung.h"
#include "persistence/ui/DateiBefehle.h"
#include "window/fenster_hilfen.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace
{

struct Datei {
    TFMain fenster{false};
    TArbeitsbereich &ab;
    TDateiBefehle &db;
    QTemporaryDir ordner;
    QStringList fragen, meldungen;
    QMessageBox::StandardButton antwort = QMessageBox::No;
    QString speicherPfad, oeffnenPfad;

    Datei() : ab(*fenster.Arbeitsbereich), db(*fenster.DateiBefehle)
    {
        fenster.resize(900, 700);
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        db.Rueckfrage = [this](const QString &text) {
            fragen << text;
            return antwort;
        };
        db.Melden = [this](const QString &titel, const QString &text) { meldungen << titel + text; };
        db.SpeichernDialog = [this] { return speicherPfad; };
        db.OeffnenDialog = [this] { return oeffnenPfad; };
    }
    ~Datei()
    {
        ab.Geaendert = false;
        ab.Analysator().Angehalten = true;
    }

    // Draws a figure with the tool button and a mouse drag on the sheet.
    void zeichnen(QToolButton *werkzeug, QPoint a, QPoint b)
    {
        QTest::mouseClick(werkzeug, Qt::LeftButton);
        mausZug(fenster.Zeichenbereich->Seite, a, b, Qt::LeftButton, 5);
    }

    // The drawing as its file says it: figures, names, numbers, counters.
    QByteArray datei() const { return DokumentAlsBytes(ab.Dokument(), ab.Klassen()); }
    QStringList namen() const
    {
        QStringList n;
        for (auto &t : ab.Dokument().Teile)
            n << t->Name;
        return n;
    }
};

QByteArray lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList kopien()
{
    return QDir(TWiederherstellung::StandardOrdner()).entryList({QStringLiteral("*.fgo")}, QDir::Files);
}

} // namespace

TEST(DateiBefehle, ZeichnenSpeichernNeuKommandozeileUndWiederOeffnen)
{
    Datei d;
    d.zeichnen(d.fenster.SBRechteck, {60, 60}, {160, 120});
    d.zeichnen(d.fenster.SBEllipse, {200, 80}, {300, 180});
    d.zeichnen(d.fenster.SBRechteck, {80, 250}, {140, 330});
    ASSERT_EQ(d.ab.Dokument().Teile.size(), 3u);
    EXPECT_TRUE(d.ab.Geaendert);
    const QByteArray vorher = d.datei();
    EXPECT_EQ(d.namen(), (QStringList{"re0", "el0", "re1"}));
    EXPECT_EQ(d.fenster.windowTitle(), QStringLiteral("Figuro 1.4"));

    // Ctrl+S on a never-saved drawing asks for the name.
    d.speicherPfad = d.ordner.filePath(QStringLiteral("zeichnung.fgo"));
    QTest::keyClick(&d.fenster, Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(d.speicherPfad));
    EXPECT_FALSE(d.ab.Geaendert);
    EXPECT_EQ(d.ab.Dateiname, d.speicherPfad);
    EXPECT_EQ(d.fenster.windowTitle(), QStringLiteral("Figuro 1.4: zeichnung.fgo"));
    EXPECT_TRUE(d.meldungen.isEmpty()) << d.meldungen.join(QLatin1Char('\n')).toStdString();

    // New: nothing to ask, the drawing is the one Figuro starts with:
    // no figures, password or colour, all counters 0.
    d.ab.Dokument().Passwort = QStringLiteral("geheim");
    d.ab.Dokument().Hintergrundfarbe.Wert = FarbWert(0, 0, 255);
    d.db.ANeu->trigger();
    EXPECT_TRUE(d.fragen.isEmpty());
    TArbeitsbereich frisch;
    EXPECT_EQ(d.datei(), DokumentAlsBytes(frisch.Dokument(), frisch.Klassen()));
    EXPECT_TRUE(d.ab.Auswahl.empty());
    EXPECT_TRUE(d.ab.Dateiname.isEmpty());
    EXPECT_EQ(d.fenster.windowTitle(), QStringLiteral("Figuro 1.4"));

    // The command line opens .fgo files in any case, nothing else.
    const QString gross = d.ordner.filePath(QStringLiteral("GROSS.FGO"));
    const QString txt = d.ordner.filePath(QStringLiteral("bild.txt"));
    ASSERT_TRUE(QFile::copy(d.speicherPfad, gross) && QFile::copy(d.speicherPfad, txt));
    d.db.KommandozeileAuswerten({QStringLiteral("figuro"), txt});
    d.db.KommandozeileAuswerten({QStringLiteral("figuro")});
    EXPECT_TRUE(d.ab.Dokument().Teile.empty());
    d.db.KommandozeileAuswerten({QStringLiteral("figuro"), gross});
    EXPECT_EQ(d.namen(), (QStringList{"re0", "el0", "re1"}));
    EXPECT_EQ(d.fenster.windowTitle(), QStringLiteral("Figuro 1.4: GROSS.FGO"));

    // Open brings back the same objects, names and counters.
    d.oeffnenPfad = d.speicherPfad;
    QTest::keyClick(&d.fenster, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(d.datei(), vorher);
    EXPECT_EQ(d.fenster.windowTitle(), QStringLiteral("Figuro 1.4: zeichnung.fgo"));
    EXPECT_FALSE(d.ab.Geaendert);
    // The next rectangle continues the counting.
    d.zeichnen(d.fenster.SBRechteck, {300, 300}, {360, 360});
    EXPECT_EQ(d.ab.Dokument().Teile.back()->Name, QStringLiteral("re2"));
}

TEST(DateiBefehle, RueckfrageJaDannAbbrechenHaeltNeuAuf)
{
    Datei d;
    d.zeichnen(d.fenster.SBRechteck, {60, 60}, {160, 120});
    ASSERT_TRUE(d.ab.Geaendert);

    d.antwort = QMessageBox::Yes;
    d.speicherPfad.clear(); // the save dialog is cancelled
    d.db.ANeu->trigger();
    ASSERT_EQ(d.fragen.size(), 1);
    EXPECT_EQ(d.fragen[0], QStringLiteral("Beim Anlegen einer neuen Zeichnung wird die bestehende Zeichnung "
                                          "überschrieben. Sie ist seit der letzten Änderung nicht mehr "
                                          "gespeichert worden. Möchten Sie sie speichern?"));
    EXPECT_EQ(d.ab.Dokument().Teile.size(), 1u) << "new was stopped";
    EXPECT_TRUE(d.ab.Geaendert);

    d.antwort = QMessageBox::Cancel;
    d.db.AOeffnenExecute();
    EXPECT_EQ(d.fragen.back(), QStringLiteral("Die bestehende Zeichnung ist seit der letzten Änderung nicht "
                                              "mehr gespeichert worden. Möchten Sie das Dokument speichern?"));
    EXPECT_EQ(d.ab.Dokument().Teile.size(), 1u);

    // Yes with a name saves and goes on.
    d.antwort = QMessageBox::Yes;
    d.speicherPfad = d.ordner.filePath(QStringLiteral("a.fgo"));
    d.db.ANeu->trigger();
    EXPECT_TRUE(QFile::exists(d.speicherPfad));
    EXPECT_TRUE(d.ab.Dokument().Teile.empty());

    // No goes on without saving; closing asks too.
    d.zeichnen(d.fenster.SBRechteck, {60, 60}, {160, 120});
    d.antwort = QMessageBox::Cancel;
    d.fenster.close();
    EXPECT_TRUE(d.fenster.isVisible());
    d.antwort = QMessageBox::No;
    d.fenster.close();
    EXPECT_FALSE(d.fenster.isVisible());
}

// A file that cannot be read or written is reported; the drawing, its file
// name and the caption stay as they were.
TEST(DateiBefehle, FehlerBeimOeffnenUndSpeichernAlsMeldung)
{
    Datei d;
    d.zeichnen(d.fenster.SBRechteck, {60, 60}, {160, 120});
    const QString alt = d.ordner.filePath(QStringLiteral("alt.fgo"));
    d.speicherPfad = alt;
    ASSERT_TRUE(d.db.DokumentSpeichern(true));
    d.zeichnen(d.fenster.SBRechteck, {200, 60}, {260, 120});
    const QString kaputt = d.ordner.filePath(QStringLiteral("kaputt.fgo"));
    {
        QFile f(kaputt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?>\n<DOKUMENT><RECHTECK Name=\"x\"></DOKUMENT>");
    }
    EXPECT_FALSE(d.db.DokumentOeffnen(kaputt));
    EXPECT_EQ(d.meldungen, QStringList{QStringLiteral("Fehler:= erwartet.")});
    EXPECT_EQ(d.namen(), (QStringList{"re0", "re1"}));

    d.speicherPfad = d.ordner.filePath(QStringLiteral("fehlt/zeichnung.fgo"));
    EXPECT_FALSE(d.db.DokumentSpeichern(true));
    EXPECT_EQ(d.meldungen.value(1), QStringLiteral("Fehler:Fehler beim Öffnend er Datei."));
    EXPECT_TRUE(d.ab.Geaendert);
    EXPECT_EQ(d.ab.Dateiname, alt);
    EXPECT_EQ(d.fenster.windowTitle(), QStringLiteral("Figuro 1.4: alt.fgo"));
    EXPECT_FALSE(QFile::exists(d.speicherPfad));
}

// The file dialogs start in the document's folder, else in one that exists.
TEST(DateiBefehle, DialogOrdnerDesDokumentsSonstEinVorhandenerOrdner)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    EXPECT_EQ(TDateiBefehle::DialogOrdner(ordner.filePath(QStringLiteral("haus.fgo"))),
              QDir(ordner.path()).absolutePath());
    for (const QString &name : {ordner.filePath(QStringLiteral("fehlt/haus.fgo")), QString()}) {
        const QString start = TDateiBefehle::DialogOrdner(name);
        EXPECT_NE(start, QDir(ordner.filePath(QStringLiteral("fehlt"))).absolutePath());
        EXPECT_TRUE(QDir(start).exists()) << start.toStdString();
    }
}

TEST(DateiBefehle, MenueDateiExportUndWiederherstellungskopie)
{
    Datei d;
    QStringList texte;
    for (QAction *a : d.fenster.MenuDatei->actions())
        if (!a->isSeparator())
            texte << a->text() + QLatin1Char('|') + a->shortcut().toString();
    EXPECT_EQ(texte, (QStringList{"Neu|Ctrl+N", "Ö&ffnen|Ctrl+O", "Beispiele öffnen ...|", "&Speichern|Ctrl+S",
                                  "S&peichern unter ...|Ctrl+Shift+S", "E&xportieren ...|", "Drucken ...|Ctrl+P",
                                  "&Beenden|Ctrl+Q"}));
    EXPECT_EQ(d.db.ANeu->property("kategorie").toString(), QStringLiteral("Datei"));

    // The recovery copy follows the unsaved drawing (and goes when it is saved, below).
    const QString kopie = d.db.Wiederherstellung->KopiePfad();
    d.zeichnen(d.fenster.SBRechteck, {60, 60}, {160, 120});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            d.db.Wiederherstellung->Warten();
            return lesen(kopie) == d.datei();
        },
        10000));

    // Export goes through the core with the selection's options.
    const QString png = d.ordner.filePath(QStringLiteral("bild.png"));
    d.db.ExportDialog = [&](QString &pfad, TExportOptionen &o) {
        EXPECT_EQ(o.Auswahl.size(), 1u);
        EXPECT_EQ(o.Dpi, 300);
        pfad = png;
        o.Dpi = 50;
        o.Transparent = true;
        return true;
    };
    d.db.AExportieren->trigger();
    QImage bild(png);
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.hasAlphaChannel());
    EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0) << "transparent margin";
    // The hint bar says what was written.
    const TExportBereich b = ExportBereich(TExportOptionen{50, true, d.ab.Auswahl, 20.5, 29.2});
    EXPECT_EQ(d.fenster.Hinweistext,
              QStringLiteral("Exportiert als PNG: ") + png + QStringLiteral(" (die markierten Objekte, ") +
                  QString::number(b.Breite(), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) +
                  QStringLiteral(" cm × ") +
                  QString::number(b.Hoehe(), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) +
                  QStringLiteral(" cm, 50 dpi)."));
    EXPECT_NEAR(b.Breite(), 100 / 96.0 * 2.54 + 1.0, 0.2); // 100 pixels and the margins
    d.speicherPfad = d.ordner.filePath(QStringLiteral("z.fgo"));
    QTest::keyClick(&d.fenster, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(QFile::exists(kopie));
}

// A copy left by a Figuro that crashed which cannot be read is reported and kept aside.
TEST(DateiBefehle, UnlesbareKopieNachAbsturzWirdGemeldetUndAufbewahrt)
{
    Datei d; // started with nothing to offer
    const QByteArray kaputt = "<?xml version = \"1.0\" ?>\r\n<DOKUMENT Name = \"dokument1\" >\r\n";
    QString kopie;
    {
        TWiederherstellung abgestuerzt(TWiederherstellung::StandardOrdner());
        abgestuerzt.Schreiben(kaputt, d.ordner.filePath(QStringLiteral("haus.fgo")));
        kopie = abgestuerzt.KopiePfad();
    } // its lock goes, its copy stays: as after a crash
    int fragen = 0;
    d.db.WiederherstellenFrage = [&](const QString &) {
        ++fragen;
        return QMessageBox::Yes;
    };
    EXPECT_FALSE(d.db.WiederherstellungAnbieten());
    EXPECT_EQ(fragen, 0);
    EXPECT_FALSE(QFile::exists(kopie));
    EXPECT_EQ(d.meldungen, QStringList{QStringLiteral("Fehler:Die Wiederherstellungskopie kann nicht "
                                                      "gelesen werden (Unerwartetes Dateiende.) und "
                                                      "wurde aufbewahrt unter:\n") +
                                       kopie + QStringLiteral(".unlesbar")});
    EXPECT_EQ(lesen(kopie + QStringLiteral(".unlesbar")), kaputt);
    EXPECT_TRUE(d.ab.Dokument().Teile.empty());
    EXPECT_TRUE(kopien().isEmpty()) << kopien().join(u' ').toStdString();
}

// The start question itself: caption, text, "Ja" as the default button; the
// environment variable answers it for scripted runs.
TEST(DateiBefehle, StartfrageMitJaAlsVorgabe)
{
    Datei d;
    const QByteArray vorher = qgetenv("FIGURO_WIEDERHERSTELLEN");
    qunsetenv("FIGURO_WIEDERHERSTELLEN");
    QString titel, text;
    bool jaVorgabe = false;
    QTimer suche;
    QObject::connect(&suche, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        suche.stop();
        titel = box->windowTitle();
        text = box->text();
        jaVorgabe = box->defaultButton() == box->button(QMessageBox::Yes);
        QTest::keyClick(box, Qt::Key_Return);
    });
    suche.start(10);
    EXPECT_EQ(d.db.WiederherstellenFrage(QStringLiteral("Frage?")), QMessageBox::Yes);
    EXPECT_EQ(titel, QStringLiteral("Warnung:"));
    EXPECT_EQ(text, QStringLiteral("Frage?"));
    EXPECT_TRUE(jaVorgabe);
    for (const auto &[wert, antwort] : {std::pair{"JA", QMessageBox::Yes}, std::pair{"nein", QMessageBox::No}}) {
        qputenv("FIGURO_WIEDERHERSTELLEN", wert);
        EXPECT_EQ(d.db.WiederherstellenFrage(QStringLiteral("Frage?")), antwort) << wert;
    }
    qputenv("FIGURO_WIEDERHERSTELLEN", vorher);
}
