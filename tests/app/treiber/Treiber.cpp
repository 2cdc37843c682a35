// A Qt input plugin for the tests that run the real program as a process.
// Loaded through QT_QPA_GENERIC_PLUGINS=figurotreiber (from QT_PLUGIN_PATH),
// it works through the steps in FIGURO_TREIBER (separated by ";"), one per
// 200 ms tick, once the main window has been shown for a tick and no modal
// dialog is open:
//   tippen:<call>   types the call into the input field and presses Enter
//   beenden         closes the main window
//   <name>          triggers the main window's action of that object name
// So the program is driven by real key events and its own commands and
// needs no test hooks of its own. Each finished step is written to stdout.
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class TTreiber : public QObject
{
public:
    explicit TTreiber(QStringList schritte) : schritte_(std::move(schritte))
    {
        auto *takt = new QTimer(this);
        connect(takt, &QTimer::timeout, this, &TTreiber::weiter);
        takt->start(200);
    }

private:
    void weiter()
    {
        if (schritte_.isEmpty() || QApplication::activeModalWidget())
            return;
        QWidget *fenster = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("FMain") && w->isVisible())
                fenster = w;
        // The window must have been up for a whole tick: what the program
        // does right after showing it (the start question) comes first.
        const bool bereit = fenster && fenster == gesehen_;
        gesehen_ = fenster;
        if (!bereit)
            return;
        const QString schritt = schritte_.takeFirst();
        if (schritt.startsWith(QLatin1String("tippen:"))) {
            QApplication::setActiveWindow(fenster);
            auto *feld = fenster->findChild<QWidget *>(QStringLiteral("EingabeFeld"));
            if (!feld)
                return;
            feld->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(feld, schritt.mid(7));
            QTest::keyClick(feld, Qt::Key_Return);
        } else if (schritt == QLatin1String("beenden")) {
            fenster->close();
        } else if (QAction *aktion = fenster->findChild<QAction *>(schritt)) {
            aktion->trigger();
        }
        std::printf("erledigt: %s\n", schritt.toUtf8().constData());
        std::fflush(stdout);
    }

    QStringList schritte_;
    QWidget *gesehen_ = nullptr;
};

} // namespace

class TTreiberPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "treiber.json")
public:
    QObject *create(const QString &, const QString &) override
    {
        return new TTreiber(qEnvironmentVariable("FIGURO_TREIBER").split(QLatin1Char(';'), Qt::SkipEmptyParts));
    }
};

#include "Treiber.moc"
