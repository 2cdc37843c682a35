#include "persistence/Dateityp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QByteArray mimeTyp()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"application/x-figuro\">\n"
           "    <comment>Figuro-Zeichnung</comment>\n"
           "    <icon name=\"figuro\"/>\n"
           "    <glob pattern=\"*.fgo\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

QByteArray desktopEintrag(const QString &programm)
{
    QString exec = programm;
    if (exec.contains(QLatin1Char(' ')))
        exec = QLatin1Char('"') + exec + QLatin1Char('"');
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Figuro\n"
                          "Comment=Zeichenprogramm zur Einführung in die Objektorientierung\n"
                          "Exec=%1 %f\n"
                          "Icon=figuro\n"
                          "Terminal=false\n"
                          "Categories=Education;ComputerScience;\n"
                          "MimeType=application/x-figuro;\n")
        .arg(exec)
        .toUtf8();
}

// Writes the file when it is missing or different; true when written.
bool schreibenWennNoetig(const QString &pfad, const QByteArray &inhalt)
{
    QFile alt(pfad);
    if (alt.open(QIODevice::ReadOnly) && alt.readAll() == inhalt)
        return false;
    alt.close();
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size())
        return false;
    return datei.commit();
}

void werkzeugStarten(const QString &name, const QString &ordner)
{
    const QString werkzeug = QStandardPaths::findExecutable(name);
    if (!werkzeug.isEmpty())
        QProcess::startDetached(werkzeug, {ordner});
}

} // namespace

QStringList DateitypRegistrieren(const QString &datenOrdner, const QString &programm,
                                 bool werkzeugeStarten)
{
    QStringList geschrieben;
    if (datenOrdner.isEmpty() || programm.isEmpty())
        return geschrieben;
    const QString mime = datenOrdner + QStringLiteral("/mime/packages/figuro.xml");
    const QString eintrag = datenOrdner + QStringLiteral("/applications/figuro.desktop");
    if (schreibenWennNoetig(mime, mimeTyp())) {
        geschrieben << mime;
        if (werkzeugeStarten)
            werkzeugStarten(QStringLiteral("update-mime-database"), datenOrdner + QStringLiteral("/mime"));
    }
    if (schreibenWennNoetig(eintrag, desktopEintrag(programm))) {
        geschrieben << eintrag;
        if (werkzeugeStarten)
            werkzeugStarten(QStringLiteral("update-desktop-database"),
                        datenOrdner + QStringLiteral("/applications"));
    }
    return geschrieben;
}
