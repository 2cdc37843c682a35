#pragma once
// Keeps Qt's own messages (for example "QStandardPaths: XDG_RUNTIME_DIR not
// set ...", or "This plugin does not support propagateSizeHints()" from the
// off-screen platform) out of the output of the console runner and of the
// benchmark programs: people and scripts read that output line by line. A
// fatal message still appears before the program ends. When the environment
// variable FIGURO_QT_MELDUNGEN is set, every message comes through as usual
// (for debugging).
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>

inline void QtMeldungenUnterdruecken()
{
    if (qEnvironmentVariableIsSet("FIGURO_QT_MELDUNGEN"))
        return;
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext &kontext, const QString &text) {
        if (typ != QtFatalMsg)
            return;
        const QByteArray zeile = qFormatLogMessage(typ, kontext, text).toLocal8Bit() + '\n';
        std::fwrite(zeile.constData(), 1, std::size_t(zeile.size()), stderr);
    });
}
