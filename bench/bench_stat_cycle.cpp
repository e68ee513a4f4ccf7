// Cost of the stat cycle: the pure computation, and one main-window tick with and without a change.
#include "offscreen_main.h"
#include "app/entry.h"
#include "engine/stances.h"
#include "engine/stat_sheet.h"
#include "ui/main/main_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

tessarin::CharacterState equippedState()
{
    tessarin::CharacterState state;
    state.classText = QStringLiteral("검사");
    state.classBase = {60, 0, 16, 173, 334, 289, 0, 13336};
    for (int k = 1; k <= tessarin::kPieceCount; ++k) {
        state.pieceStats[k].accuracy = 98;
        state.pieceStats[k].block = 41;
        state.synthesis[2][k] = 30;
    }
    state.weaponAttack = 120;
    state.weapon.penetration = 39;
    state.accessories[1].attack = 12;
    state.accessories[5].critDamageBonus = 4;
    return state;
}

void computeSheet(benchmark::State& run)
{
    const tessarin::CharacterState state = equippedState();
    for (auto _ : run)
        benchmark::DoNotOptimize(tessarin::computeSheet(state));
}
BENCHMARK(computeSheet);

tessarin::MainWindow* mainWindow()
{
    static tessarin::MainWindow* window = static_cast<tessarin::MainWindow*>(tessarin::createMainWindow());
    return window;
}

void idleTick(benchmark::State& run)
{
    tessarin::MainWindow* window = mainWindow();
    window->state() = equippedState();
    window->statCycle();
    for (auto _ : run)
        window->statCycle(); // nothing changed: no label is touched
}
BENCHMARK(idleTick);

void tickWithChange(benchmark::State& run)
{
    tessarin::MainWindow* window = mainWindow();
    window->state() = equippedState();
    double value = 0;
    for (auto _ : run) {
        window->state().pieceStats[1].critical = ++value; // critical row, rates and expected attack change
        window->statCycle();
    }
}
BENCHMARK(tickWithChange);

} // namespace

TESSARIN_OFFSCREEN_BENCHMARK_MAIN()
