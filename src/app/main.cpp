#include "analyser/ui/FAnalysator.h"
#include "window/ui/FMain.h"

#include "dialogs/Uebersetzung.h"
#include "persistence/Dateityp.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Figuro"));
    QApplication::setApplicationVersion(QStringLiteral("1.4"));
    const auto qtTexte = QtUebersetzungLaden();
    // Let the desktop open .fgo files with this program.
    DateitypRegistrieren(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                         QCoreApplication::applicationFilePath());
    // The main window comes first (it makes the call log, the document and
    // the registry); the analyser window follows and is shown with it.
    TFMain fenster;
    TFAnalysator analysator(fenster.Analysator(), fenster.Dokument(), fenster.Klassen());
    fenster.AnalysatorFensterAnschliessen(&analysator);
    fenster.show();
    return app.exec();
}
