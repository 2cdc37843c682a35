#include "dialogs/ui/FAnleitung.h"

#include "dialogs/Anleitung.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString TFAnleitung::Titel()
{
    return QStringLiteral("Figuro – Anleitung");
}

QString TFAnleitung::TextNichtGefunden()
{
    return QStringLiteral("Die Anleitung (anleitung.html) wurde auf diesem Rechner nicht gefunden.");
}

TFAnleitung::TFAnleitung(QWidget *eltern) : QWidget(eltern, Qt::Window)
{
    setObjectName(QStringLiteral("FAnleitung"));
    setWindowTitle(Titel());
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenLinks(false);
    spalte->addWidget(Browser);
    // Pages of the guide stay here; web addresses go to the browser.
    connect(Browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &ziel) {
        const QString schema = ziel.scheme();
        if (schema == QLatin1String("http") || schema == QLatin1String("https") ||
            schema == QLatin1String("mailto"))
            QDesktopServices::openUrl(ziel);
        else
            Browser->setSource(Browser->source().resolved(ziel));
    });
    QSize groesse(720, 640);
    if (QScreen *s = QGuiApplication::primaryScreen())
        groesse = groesse.boundedTo(s->availableGeometry().size() * 9 / 10);
    resize(groesse);
}

void TFAnleitung::Zeigen()
{
    if (!geladen_) {
        geladen_ = true;
        pfad_ = AnleitungPfad(QCoreApplication::applicationDirPath());
        if (pfad_.isEmpty())
            Browser->setPlainText(TextNichtGefunden());
        else
            Browser->setSource(QUrl::fromLocalFile(pfad_));
    }
    show();
    raise();
    activateWindow();
}
