#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Figuro"));
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Figuro 1.4"));
    fenster.resize(1024, 768);
    fenster.show();
    return app.exec();
}
