// Cost of the change panel: one preview in the core, and one hover over a gem list in the real windows.
#include "offscreen_main.h"
#include "app/entry.h"
#include "data/catalogue.h"
#include "engine/preview.h"
#include "engine/soulshield_rules.h"
#include "ui/main/main_window.h"
#include "ui/weapons/free_weapon_editor.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace {

using namespace tessarin;

CharacterState equippedState()
{
    CharacterState state;
    state.classText = QStringLiteral("검사");
    state.classBase = {60, 0, 16, 173, 334, 289, 0, 13336};
    for (int k = 1; k <= 7; ++k) {
        const CatalogueEntry& entry = *catalogueEntry(1 + k % 2, k);
        equipCataloguePiece(state, entry, entry.mainValues[0], 1, entry.subOptions[0].values[0]);
        state.synthesis[2][k] = 30;
    }
    state.weaponAttack = 120;
    state.weapon.penetration = 39;
    state.accessories[1].attack = 12;
    return state;
}

Candidate eighthPiece()
{
    const CatalogueEntry& entry = *catalogueEntry(1, 8);
    return [&entry](CharacterState& s) {
        equipCataloguePiece(s, entry, entry.mainValues[0], 2, entry.subOptions[1].values[0]);
    };
}

// One preview: the candidate on a copy, the set-effect rules, computeSheet, and the figures that change.
void onePreview(benchmark::State& run)
{
    const CharacterState state = equippedState();
    const StatSheet before = settledSheet(state);
    const Candidate candidate = eighthPiece();
    for (auto _ : run)
        benchmark::DoNotOptimize(changedFigures(before, previewSheet(state, candidate)));
}
BENCHMARK(onePreview);

// The same with the panel's text: one line per changed figure (here seven).
void onePreviewWithText(benchmark::State& run)
{
    const CharacterState state = equippedState();
    const StatSheet before = settledSheet(state);
    const Candidate candidate = eighthPiece();
    for (auto _ : run)
        benchmark::DoNotOptimize(changeText(changeLines(before, previewSheet(state, candidate))));
}
BENCHMARK(onePreviewWithText);

// A whole refresh of the panel's content: the sheet as it stands as well as the preview.
void previewWithCurrentSheet(benchmark::State& run)
{
    const CharacterState state = equippedState();
    const Candidate candidate = [](CharacterState& s) { removePiece(s, 1, 2); };
    for (auto _ : run)
        benchmark::DoNotOptimize(changeLines(settledSheet(state), previewSheet(state, candidate)));
}
BENCHMARK(previewWithCurrentSheet);

// The CPU time of this thread: on a shared machine the slowest move is then the move's own cost, not the
// time another program held the core.
double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// The pointer moving along the free-entry weapon editor's gem sizes, through all 40 gems (five stats,
// plain and shining, four sizes): each move is what the change panel does on a hover, preview and
// panel update included. "max_us" is the slowest single move in CPU time.
void hoverAlong40Gems(benchmark::State& run)
{
    static auto* window = static_cast<MainWindow*>(createMainWindow());
    window->state() = equippedState();
    auto* editor = window->windows().show<FreeWeaponEditor>(QStringLiteral("Form6"),
                                                           [] { return new FreeWeaponEditor(*window); });
    editor->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("150"));
    QApplication::processEvents();
    auto* sizes = editor->findChild<QListWidget*>(QStringLiteral("List1"));
    auto* shining = editor->findChild<QCheckBox*>(QStringLiteral("Check1"));
    QRadioButton* stats[5];
    for (int i = 0; i < 5; ++i)
        stats[i] = editor->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(5 + i));
    // Let the panel's timer see the editor and watch its lists.
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(12));
    }
    QApplication::processEvents();
    // One pass first: the panel's window is created and shown on the first hover.
    for (int row = 0; row < 4; ++row) {
        const QPointF at = sizes->visualItemRect(sizes->item(row)).center();
        QMouseEvent move(QEvent::MouseMove, at, sizes->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(sizes->viewport(), &move);
    }
    QApplication::processEvents();
    double slowest = 0;
    int gem = 0;
    for (auto _ : run) {
        run.PauseTiming();
        const int row = gem % 4;
        if (row == 0) {
            stats[(gem / 4) % 5]->setChecked(true);
            shining->setChecked((gem / 20) % 2 == 1);
        }
        const QPointF at = sizes->visualItemRect(sizes->item(row)).center();
        QMouseEvent move(QEvent::MouseMove, at, sizes->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        gem = (gem + 1) % 40;
        run.ResumeTiming();
        const double start = threadMicroseconds();
        QApplication::sendEvent(sizes->viewport(), &move);
        slowest = std::max(slowest, threadMicroseconds() - start);
    }
    run.counters["max_us"] = slowest;
}
BENCHMARK(hoverAlong40Gems)->Iterations(4000);

} // namespace

TESSARIN_OFFSCREEN_BENCHMARK_MAIN()
