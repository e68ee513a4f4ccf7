// The shield optimizer on the whole space, and beside the exhaustive enumeration on a space small
// enough to enumerate.
#include "data/catalogue.h"
#include "engine/accessory_rules.h"
#include "engine/class_rules.h"
#include "engine/set_effects.h"
#include "engine/shield_optimizer.h"
#include "engine/weapon_rules.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using namespace tessarin;

// A 검사 with a weapon and two accessories; the shield is what the search chooses.
CharacterState character()
{
    CharacterState state;
    changeClass(state, QStringLiteral("검사"));
    equipFreeWeapon(state, 220, {40, 30, 25, 0, 0, 0}, GemChoice{1, true, 4});
    equipAccessory(state, 1, {12, 4, 0, 20, 15, 0, 0, 0, 5, 300});
    equipAccessory(state, 5, {8, 0, 10, 0, 20, 0, 0, 0, 0, 500});
    runSetEffectCycle(state);
    return state;
}

ShieldSearchSettings fullSpace()
{
    ShieldSearchSettings settings;
    settings.synthesis = ShieldSynthesis::AtMaximum;
    return settings;
}

// Positions 1, 3, 6 and 8 searched over row 1, without synthesis: 18^4 = 104,976 shields (each one
// the enumeration builds by the rules).
ShieldSearchSettings fourPositions()
{
    ShieldSearchSettings settings;
    settings.rows = {{true, false, false}};
    for (int piece : {2, 4, 5, 7})
        settings.keep[piece] = true;
    return settings;
}

void report(benchmark::State& run, const ShieldSearchOutcome& outcome)
{
    run.counters["nodes"] = static_cast<double>(outcome.nodes);
    run.counters["sheets"] = static_cast<double>(outcome.evaluations);
    run.counters["sheets/s"] = benchmark::Counter(static_cast<double>(outcome.evaluations),
                                                  benchmark::Counter::kIsIterationInvariantRate);
    run.counters["best"] = outcome.results.empty() ? 0 : figureOf(outcome.results.front().figures, SheetFigure::ExpectedAttack);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    run.counters["maxRSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

void optimizeFullSpace(benchmark::State& run)
{
    const CharacterState state = character();
    ShieldSearchSettings settings = fullSpace();
    if (run.range(0) == 1)
        settings.minimums = {{SheetFigure::AccuracyRate, 100}};
    ShieldSearchOutcome outcome;
    for (auto _ : run)
        outcome = findBestShields(state, settings);
    report(run, outcome);
}
BENCHMARK(optimizeFullSpace)->Arg(0)->Arg(1)->ArgName("accuracyRate100")->Unit(benchmark::kMillisecond);

template <ShieldSearchOutcome (*search)(const CharacterState&, const ShieldSearchSettings&, const ShieldSearchControl&)>
void fourPositionSpace(benchmark::State& run)
{
    const CharacterState state = character();
    ShieldSearchOutcome outcome;
    for (auto _ : run)
        outcome = search(state, fourPositions(), {});
    report(run, outcome);
}
void optimizeFourPositions(benchmark::State& run)
{
    fourPositionSpace<findBestShields>(run);
}
BENCHMARK(optimizeFourPositions)->Unit(benchmark::kMillisecond);
void enumerateFourPositions(benchmark::State& run)
{
    fourPositionSpace<enumerateBestShields>(run);
}
BENCHMARK(enumerateFourPositions)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
