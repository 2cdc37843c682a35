#pragma once
// The main function every benchmark program shares: headless Qt (offscreen
// unless the environment names a platform) whose own messages stay out of
// the tables, then Google Benchmark.
#include "app/QtMeldungen.h"

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

template <class Anwendung>
int BenchmarkHauptprogramm(int argc, char **argv)
{
    QtMeldungenUnterdruecken();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Anwendung app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
