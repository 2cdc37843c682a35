#include "window/ui/FMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Figuro"));
    QApplication::setApplicationVersion(QStringLiteral("1.4"));
    // The main window comes first; the analyser window and the dialogs
    // follow it and are connected to it when it is first shown.
    TFMain fenster;
    fenster.show();
    return app.exec();
}
