#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests run headless whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every main window keeps its recovery copies in a data folder of this
    // run, never in the user's own; a copy a test leaves behind is dropped
    // at the next start without a modal question.
    QTemporaryDir daten;
    qputenv("XDG_DATA_HOME", daten.path().toLocal8Bit());
    qputenv("FIGURO_WIEDERHERSTELLEN", "nein");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
