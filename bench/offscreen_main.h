#pragma once

// The main() of the benchmarks that drive real windows: an offscreen QApplication around Google Benchmark.

#include <QApplication>

#include <benchmark/benchmark.h>

#define TESSARIN_OFFSCREEN_BENCHMARK_MAIN()                                                                            \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QApplication app(argc, argv);                                                                                  \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
