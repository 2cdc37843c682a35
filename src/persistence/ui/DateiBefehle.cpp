#include "persistence/ui/DateiBefehle.h"

#include "dialogs/Anleitung.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/Dokumentdatei.h"
#include "persistence/ObjektXML.h"
#include "persistence/Wiederherstellung.h"
#include "persistence/ui/ExportDialog.h"
#include "window/ui/FMain.h"
#include "surface/Zeichenflaeche.h"
#include "window/ui/MausSteuerung.h"
#include "window/ui/MyScrollBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QMenu>
#include <QTimer>

namespace {

QString letzterOrdner; // the folder of the last file chosen in a dialog

QString programmOrdner()
{
    return QCoreApplication::applicationDirPath();
}

QString dateiDialog(QWidget *eltern, bool speichern, const QString &ordner, const QString &dateiname)
{
    QFileDialog dialog(eltern, speichern ? QStringLiteral("Speichern") : QStringLiteral("Öffnen"));
    dialog.setDirectory(ordner);
    if (speichern && !dateiname.isEmpty())
        dialog.selectFile(QFileInfo(dateiname).fileName());
    dialog.setNameFilter(QStringLiteral("Figuro-Dateien (*.fgo)"));
    dialog.setDefaultSuffix(QStringLiteral("fgo"));
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString gewaehlt = dialog.selectedFiles().front();
    // The examples folder is never remembered: a new drawing is not to be
    // saved among the examples.
    if (!ImBeispielOrdner(gewaehlt, programmOrdner()))
        letzterOrdner = QFileInfo(gewaehlt).absolutePath();
    return gewaehlt;
}

QString dateiDialog(QWidget *eltern, bool speichern, const QString &dateiname)
{
    return dateiDialog(eltern, speichern, TDateiBefehle::DialogOrdner(dateiname), dateiname);
}

} // namespace

QString TDateiBefehle::DialogOrdner(const QString &dateiname)
{
    if (!dateiname.isEmpty() && !ImBeispielOrdner(dateiname, programmOrdner())) {
        const QString ordner = QFileInfo(dateiname).absolutePath();
        if (QDir(ordner).exists())
            return ordner;
    }
    if (!letzterOrdner.isEmpty() && QDir(letzterOrdner).exists() &&
        !ImBeispielOrdner(letzterOrdner, programmOrdner()))
        return letzterOrdner;
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!dokumente.isEmpty() && QDir(dokumente).exists())
        return dokumente;
    return QDir::homePath();
}

QString TDateiBefehle::TextNeu()
{
    return QStringLiteral("Beim Anlegen einer neuen Zeichnung wird die bestehende Zeichnung überschrieben. "
                          "Sie ist seit der letzten Änderung nicht mehr gespeichert worden. "
                          "Möchten Sie sie speichern?");
}

QString TDateiBefehle::TextOeffnen()
{
    return QStringLiteral("Die bestehende Zeichnung ist seit der letzten Änderung nicht mehr gespeichert "
                          "worden. Möchten Sie das Dokument speichern?");
}

TDateiBefehle::TDateiBefehle(TFMain *fenster) : QObject(fenster), f_(fenster)
{
    setObjectName(QStringLiteral("DateiBefehle"));
    aktion(ANeu, "ANeu", QStringLiteral("Neu"), QKeySequence(Qt::CTRL | Qt::Key_N));
    aktion(AOeffnen, "AOeffnen", QStringLiteral("Ö&ffnen"), QKeySequence(Qt::CTRL | Qt::Key_O));
    aktion(ABeispieleOeffnen, "ABeispieleOeffnen", QStringLiteral("Beispiele öffnen ..."), QKeySequence());
    aktion(ASpeichern, "ASpeichern", QStringLiteral("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
    aktion(ASpeichernUnter, "ASpeichernUnter", QStringLiteral("S&peichern unter ..."),
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    aktion(APrint, "APrint", QStringLiteral("Drucken ..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    aktion(AExportieren, "AExportieren", QStringLiteral("E&xportieren ..."), QKeySequence());
    aktion(ABeenden, "ABeenden", QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *m = f_->MenuDatei;
    m->addAction(ANeu);
    m->addAction(AOeffnen);
    m->addAction(ABeispieleOeffnen);
    m->addAction(ASpeichern);
    m->addAction(ASpeichernUnter);
    m->addSeparator();
    m->addAction(AExportieren);
    m->addAction(APrint);
    m->addSeparator();
    m->addAction(ABeenden);

    connect(ANeu, &QAction::triggered, this, &TDateiBefehle::ANeuExecute);
    connect(AOeffnen, &QAction::triggered, this, &TDateiBefehle::AOeffnenExecute);
    connect(ABeispieleOeffnen, &QAction::triggered, this, &TDateiBefehle::ABeispieleOeffnenExecute);
    connect(ASpeichern, &QAction::triggered, this, [this] { DokumentSpeichern(false); });
    connect(ASpeichernUnter, &QAction::triggered, this, [this] { DokumentSpeichern(true); });
    connect(APrint, &QAction::triggered, this, &TDateiBefehle::APrintExecute);
    connect(AExportieren, &QAction::triggered, this, &TDateiBefehle::AExportierenExecute);
    connect(ABeenden, &QAction::triggered, f_, &QWidget::close);

    OeffnenDialog = [this] { return dateiDialog(f_, false, f_->Arbeitsbereich->Dateiname); };
    SpeichernDialog = [this] { return dateiDialog(f_, true, f_->Arbeitsbereich->Dateiname); };
    BeispielDialog = [this](const QString &ordner) { return dateiDialog(f_, false, ordner, QString()); };
    Rueckfrage = [this](const QString &text) {
        return QMessageBox::warning(f_, QStringLiteral("Warnung:"), text,
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
    Melden = [this](const QString &titel, const QString &text) { QMessageBox::critical(f_, titel, text); };
    ExportDialog = [this](QString &pfad, TExportOptionen &optionen) {
        return TExportDialog::Fragen(f_, pfad, optionen);
    };
    DruckDialog = [this] { return f_->DruckenMitDialog(); };
    WiederherstellenFrage = [this](const QString &text) {
        const QByteArray antwort = qgetenv("FIGURO_WIEDERHERSTELLEN").trimmed().toLower();
        if (antwort == "ja")
            return QMessageBox::Yes;
        if (antwort == "nein")
            return QMessageBox::No;
        return QMessageBox::warning(f_, QStringLiteral("Warnung:"), text, QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::Yes);
    };

    // The recovery copy follows every change of the content, at most a
    // second later, so that a burst of steps writes it once.
    Wiederherstellung = std::make_unique<TWiederherstellung>();
    KopieTimer = new QTimer(this);
    KopieTimer->setObjectName(QStringLiteral("KopieTimer"));
    KopieTimer->setSingleShot(true);
    KopieTimer->setInterval(1000);
    connect(KopieTimer, &QTimer::timeout, this, &TDateiBefehle::KopieAktualisieren);
    f_->Arbeitsbereich->InhaltGeaendert = [this] {
        if (!KopieTimer->isActive())
            KopieTimer->start();
    };
    // Closing the window asks about unsaved changes; when it closes, Figuro
    // ends normally and its copy goes. Right after the first showing, a copy
    // left by a Figuro that crashed is offered, else a document named on
    // the command line opened.
    f_->SchliessenErlaubt = [this] {
        if (!Sicherheitsabfrage(TextOeffnen()))
            return false;
        // Whatever is left unsaved now was discarded: no copy comes back
        // before the program is gone.
        beendet_ = true;
        KopieTimer->stop();
        Wiederherstellung->Loeschen();
        return true;
    };
    f_->BeimErstenZeigen = [this] {
        // Once the window is on the screen, so that the question has its
        // window behind it.
        QTimer::singleShot(0, this, [this] {
            if (!WiederherstellungAnbieten())
                KommandozeileAuswerten(QCoreApplication::arguments());
        });
    };
}

TDateiBefehle::~TDateiBefehle() = default;

QAction *TDateiBefehle::aktion(QAction *&ziel, const char *name, const QString &text, const QKeySequence &taste)
{
    ziel = new QAction(text, f_);
    ziel->setObjectName(QString::fromLatin1(name));
    ziel->setProperty("kategorie", QStringLiteral("Datei"));
    if (!taste.isEmpty())
        ziel->setShortcut(taste);
    f_->addAction(ziel);
    return ziel;
}

bool TDateiBefehle::Sicherheitsabfrage(const QString &text)
{
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    if (!ab.Geaendert)
        return true;
    switch (Rueckfrage(text)) {
    case QMessageBox::Yes:
        DokumentSpeichern(false);
        return !ab.Geaendert;
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TDateiBefehle::nachLaden()
{
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    // A fresh call log and an empty history, not changed.
    ab.NeuBegonnen();
    KopieAktualisieren(); // the changes before were saved or discarded
    f_->TitelAktualisieren();
    f_->AnalysatorFokusSetzen(&ab.Dokument());
    f_->Neuzeichnen();
    f_->MausNeuBewerten();
    f_->AnalysatorNeuAufbauen();
    f_->AttributanzeigeAktualisieren();
    f_->OberflaecheAktualisieren();
}

void TDateiBefehle::ANeuExecute()
{
    f_->AllesAbbrechen();
    if (!Sicherheitsabfrage(TextNeu()))
        return;
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    ab.Dateiname.clear();
    f_->TitelAktualisieren();
    // Nothing may point at the figures that are freed now.
    f_->AnalysatorFokusSetzen(&ab.Dokument());
    f_->AlleGriffeEntfernen();
    ab.Auswahl.clear();
    f_->Steuerung->AktuellesObjekt = nullptr;
    f_->Steuerung->AktuellerGriff = nullptr;
    {
        // The old figures go without a `freigeben` each: the log starts anew.
        ObjektXML::TProtokollPause pause(&ab.Analysator());
        ab.Dokument().Leeren();
    }
    ab.Klassen().ZaehlerZuruecksetzen();
    ab.Dokument().Passwort.clear();
    ab.Dokument().Hintergrundfarbe.Wert = FarbWert(255, 255, 255);
    ab.Lehrermodus = false;
    nachLaden();
}

void TDateiBefehle::AOeffnenExecute()
{
    f_->AllesAbbrechen();
    if (!Sicherheitsabfrage(TextOeffnen()))
        return;
    const QString pfad = OeffnenDialog();
    if (!pfad.isEmpty())
        DokumentOeffnen(pfad);
}

void TDateiBefehle::ABeispieleOeffnenExecute()
{
    f_->AllesAbbrechen();
    if (!Sicherheitsabfrage(TextOeffnen()))
        return;
    const QString ordner = BeispielOrdner(programmOrdner());
    const QString pfad = BeispielDialog(ordner.isEmpty() ? DialogOrdner(QString()) : ordner);
    if (!pfad.isEmpty())
        DokumentOeffnen(pfad);
}

bool TDateiBefehle::DokumentOeffnen(const QString &pfad)
{
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    if (f_->Steuerung->GesteLaeuft())
        f_->GesteAbbrechen();
    // The file is read completely before the drawing is touched; the views
    // let go of the old figures first.
    f_->AnalysatorFokusSetzen(&ab.Dokument());
    f_->AlleGriffeEntfernen();
    const std::vector<TZeichenObjekt *> alteAuswahl = ab.Auswahl;
    QString meldung;
    bool mitPasswort = false;
    bool geoeffnet = false;
    {
        // Replacing the figures logs nothing: the log starts anew.
        ObjektXML::TProtokollPause pause(&ab.Analysator());
        geoeffnet = ::DokumentOeffnen(pfad, ab.Dokument(), ab.Klassen(), meldung, &mitPasswort);
    }
    if (!geoeffnet) {
        Melden(QStringLiteral("Fehler:"), meldung);
        f_->GriffeNeuErzeugen();
        f_->Neuzeichnen();
        return false;
    }
    ab.Auswahl.clear();
    f_->Steuerung->AktuellesObjekt = nullptr;
    f_->Steuerung->AktuellerGriff = nullptr;
    f_->Steuerung->KontextGriff = nullptr;
    ab.Dateiname = pfad;
    if (mitPasswort)
        ab.Lehrermodus = false;
    nachLaden();
    figurenZeigen();
    return true;
}

void TDateiBefehle::figurenZeigen()
{
    // The bounding box of all figures, in sheet pixels: an opened drawing
    // shows its figures even on a small screen (the zoom stays).
    TZeichenflaeche *zf = f_->Flaeche();
    QRect box;
    for (const auto &teil : f_->Arbeitsbereich->Dokument().Teile) {
        const TUmgebungsrechteck &u = teil->Umgebungsrechteck;
        const QRect r = QRect(QPoint(zf->XPixel(u.Links), zf->YPixel(u.Oben)),
                              QPoint(zf->XPixel(u.Rechts), zf->YPixel(u.Unten)))
                            .normalized();
        box = box.isNull() ? r : box.united(r);
    }
    if (!box.isNull())
        f_->Zeichenbereich->BereichZeigen(box);
}

bool TDateiBefehle::DokumentSpeichern(bool neuerName)
{
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    QString pfad = ab.Dateiname;
    // An example opened from the examples folder is saved elsewhere, under
    // a name the user chooses: the examples stay as they came.
    if (neuerName || pfad.isEmpty() || ImBeispielOrdner(pfad, programmOrdner())) {
        pfad = SpeichernDialog();
        if (pfad.isEmpty())
            return false;
    }
    QString meldung;
    if (!::DokumentSpeichern(pfad, ab.Dokument(), ab.Klassen(), meldung)) {
        // The document keeps its old name: the caption must not claim a
        // file that was never written.
        Melden(QStringLiteral("Fehler:"), meldung);
        return false;
    }
    ab.Dateiname = pfad;
    ab.Gespeichert();
    f_->TitelAktualisieren();
    KopieAktualisieren();
    return true;
}

void TDateiBefehle::APrintExecute()
{
    f_->AllesAbbrechen();
    DruckDialog();
}

void TDateiBefehle::AExportierenExecute()
{
    f_->AllesAbbrechen();
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    QString pfad = ab.Dateiname;
    TExportOptionen optionen;
    optionen.Auswahl = ab.Auswahl;
    optionen.SeitenBreiteCm = f_->Flaeche()->SeitenBreiteCm;
    optionen.SeitenHoeheCm = f_->Flaeche()->SeitenHoeheCm;
    if (!ExportDialog(pfad, optionen) || pfad.isEmpty())
        return;
    QString meldung;
    if (!Exportieren(ab.Dokument(), pfad, optionen, meldung))
        Melden(QStringLiteral("Fehler:"), meldung);
    else
        f_->HinweisSetzen(ExportBestaetigung(pfad, optionen));
    // The export draws the figures for its own resolution: back to the screen.
    ab.Dokument().AlleGeometrienBerechnen();
    f_->Neuzeichnen();
}

void TDateiBefehle::KommandozeileAuswerten(const QStringList &argumente)
{
    if (argumente.size() < 2)
        return;
    const QString &pfad = argumente.at(1);
    if (pfad.isEmpty() || !pfad.right(4).toLower().endsWith(QStringLiteral(".fgo")) || pfad.size() < 4)
        return;
    DokumentOeffnen(pfad);
}

void TDateiBefehle::KopieAktualisieren()
{
    KopieTimer->stop();
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    if (ab.Geaendert && !beendet_)
        Wiederherstellung->Sichern(ab.Dokument(), ab.Klassen(), ab.Dateiname);
    else
        Wiederherstellung->Loeschen();
}

bool TDateiBefehle::WiederherstellungAnbieten()
{
    const std::optional<TVerwaisteKopie> kopie = Wiederherstellung->VerwaisteSuchen();
    if (!kopie)
        return false;
    QString meldung;
    if (!TWiederherstellung::KopiePruefen(kopie->Pfad, meldung)) {
        // Never deleted unread: it stays on disk, out of the way.
        const QString aufbewahrt = Wiederherstellung->VerwaisteBeiseitelegen();
        Melden(QStringLiteral("Fehler:"),
               QStringLiteral("Die Wiederherstellungskopie kann nicht gelesen werden (") + meldung +
                   QStringLiteral(") und wurde aufbewahrt unter:\n") + QDir::toNativeSeparators(aufbewahrt));
        return false;
    }
    // The splash must not cover the question.
    f_->TimerSplashTimer();
    if (WiederherstellenFrage(TWiederherstellung::Frage(*kopie)) != QMessageBox::Yes) {
        Wiederherstellung->VerwaisteLoeschen();
        return false;
    }
    if (!DokumentOeffnen(kopie->Pfad)) {
        Wiederherstellung->VerwaisteBeiseitelegen();
        return false;
    }
    // The drawing belongs to its own file again, with its changes unsaved,
    // so Strg+S writes that file.
    TArbeitsbereich &ab = *f_->Arbeitsbereich;
    ab.Dateiname = kopie->Dateiname;
    // Unsaved from the start: undoing steps made after this never makes
    // the drawing count as saved.
    ab.AenderungOhneSchritt();
    f_->TitelAktualisieren();
    // This Figuro's own copy takes over before the old one goes.
    Wiederherstellung->Sichern(ab.Dokument(), ab.Klassen(), ab.Dateiname);
    Wiederherstellung->Warten();
    Wiederherstellung->VerwaisteLoeschen();
    return true;
}
