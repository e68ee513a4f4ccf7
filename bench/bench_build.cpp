// Cost of a build: taking it from the window, encoding and decoding it as a file and as a share code,
// and applying it to the record and to the window (what undo, opening and pasting do).
#include "offscreen_main.h"
#include "app/entry.h"
#include "common/random_build.h"
#include "storage/build_code.h"
#include "storage/build_file.h"
#include "ui/main/main_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// A full character: every slot worn, every piece synthesized.
tessarin::Build fullBuild()
{
    tessarin::testing::RandomBuilds random(1);
    for (;;) {
        tessarin::Build build = random.next();
        bool full = build.weaponEquipped;
        for (int k = 1; k <= tessarin::kPieceCount; ++k)
            full = full && build.pieces[k].row != 0;
        if (full)
            return build;
    }
}

tessarin::MainWindow* mainWindow()
{
    static tessarin::MainWindow* window = static_cast<tessarin::MainWindow*>(tessarin::createMainWindow());
    return window;
}

void takeFromWindow(benchmark::State& run)
{
    tessarin::MainWindow* window = mainWindow();
    window->showBuild(fullBuild());
    for (auto _ : run)
        benchmark::DoNotOptimize(window->currentBuild());
}
BENCHMARK(takeFromWindow)->Unit(benchmark::kMicrosecond);

void applyToRecord(benchmark::State& run)
{
    const tessarin::Build build = fullBuild();
    tessarin::CharacterState state;
    for (auto _ : run)
        benchmark::DoNotOptimize(tessarin::applyBuild(state, build));
}
BENCHMARK(applyToRecord)->Unit(benchmark::kMicrosecond);

void showInWindow(benchmark::State& run)
{
    tessarin::MainWindow* window = mainWindow();
    const tessarin::Build builds[2] = {fullBuild(), tessarin::Build{}};
    int i = 0;
    for (auto _ : run)
        window->showBuild(builds[++i % 2]); // every picture changes each time
}
BENCHMARK(showInWindow)->Unit(benchmark::kMicrosecond);

void encodeCode(benchmark::State& run)
{
    const tessarin::Build build = fullBuild();
    for (auto _ : run)
        benchmark::DoNotOptimize(tessarin::encodeShareCode(build));
}
BENCHMARK(encodeCode)->Unit(benchmark::kMicrosecond);

void decodeCode(benchmark::State& run)
{
    const QString code = tessarin::encodeShareCode(fullBuild());
    for (auto _ : run)
        benchmark::DoNotOptimize(tessarin::decodeShareCode(code));
}
BENCHMARK(decodeCode)->Unit(benchmark::kMicrosecond);

void encodeFile(benchmark::State& run)
{
    const tessarin::Build build = fullBuild();
    for (auto _ : run)
        benchmark::DoNotOptimize(tessarin::encodeBuildFile(build));
}
BENCHMARK(encodeFile)->Unit(benchmark::kMicrosecond);

void decodeFile(benchmark::State& run)
{
    const QByteArray bytes = tessarin::encodeBuildFile(fullBuild());
    for (auto _ : run)
        benchmark::DoNotOptimize(tessarin::decodeBuildFile(bytes));
}
BENCHMARK(decodeFile)->Unit(benchmark::kMicrosecond);

} // namespace

TESSARIN_OFFSCREEN_BENCHMARK_MAIN()
