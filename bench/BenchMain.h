// The main of a benchmark program: the Qt application object the code under test needs, then the runs.
#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

template <typename App>
int RunBenchmarks(int argc, char** argv)
{
    // Drawing needs no screen; a benchmark must run on a machine without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
