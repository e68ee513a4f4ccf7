#include "engine/shield_optimizer.h"

#include "engine/stat_sheet.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace tessarin {

ShieldSearchOutcome enumerateBestShields(const CharacterState& state, const ShieldSearchSettings& settings,
                                         const ShieldSearchControl& control)
{
    ShieldSearchOutcome outcome;
    ShieldTopList top(settings.goal, settings.resultCount);
    const std::vector<ShieldPiecePlan> choices = shieldPieceChoices(settings);
    std::vector<int> open;
    for (int piece = 1; piece <= kPieceCount; ++piece)
        if (!settings.keep[piece])
            open.push_back(piece);
    if (!open.empty() && choices.empty())
        return outcome; // no row may be used: no shield at all

    // states[d] holds the record with the first d open positions applied, so each shield costs one
    // application of the rules and one sheet.
    std::vector<CharacterState> states(open.size() + 1);
    states[0] = settledCopy(state);
    ShieldResult current;
    double leaves = 1;
    for (std::size_t d = 0; d < open.size(); ++d)
        leaves *= static_cast<double>(choices.size());
    double done = 0;

    std::function<void(std::size_t)> visit = [&](std::size_t depth) {
        if (outcome.stopped)
            return;
        if (depth == open.size()) {
            ++outcome.evaluations;
            if ((outcome.evaluations & 255U) == 0) {
                if (control.stop != nullptr && control.stop->load(std::memory_order_relaxed)) {
                    outcome.stopped = true;
                    return;
                }
                if (control.progress && (outcome.evaluations & 65535U) == 0)
                    control.progress(done / leaves);
            }
            done += 1;
            current.figures = shownFigures(computeSheet(states[depth]));
            if (meetsMinimums(current.figures, settings.minimums))
                top.offer(current);
            return;
        }
        const int piece = open[depth];
        for (const ShieldPiecePlan& choice : choices) {
            states[depth + 1] = states[depth];
            applyPiecePlan(states[depth + 1], piece, choice);
            current.pieces[piece] = choice;
            visit(depth + 1);
            if (outcome.stopped)
                return;
        }
    };
    visit(0);
    outcome.nodes = outcome.evaluations;
    outcome.results = top.take();
    if (control.progress && !outcome.stopped)
        control.progress(1);
    return outcome;
}

} // namespace tessarin
