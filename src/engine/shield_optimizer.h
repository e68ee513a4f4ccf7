#pragma once

#include "engine/shield_plan.h"
#include "state/character_state.h"

namespace tessarin {

// The best shields for a goal (최적 보패 찾기): an exact branch-and-bound search over every shield the
// settings allow. The record is a copy, so the search may run on any thread; see docs/optimizer.md
// for why every pruning step is safe.
//
// The results are the true best `settings.resultCount` different shields, ranked by ranksBefore, each
// meeting the minimums; their figures are those computeSheet gives after applyShieldResult.
ShieldSearchOutcome findBestShields(const CharacterState& state, const ShieldSearchSettings& settings,
                                    const ShieldSearchControl& control = {});

// The reference: every shield of the same space, each built by the rules (applyPiecePlan, position by
// position) and evaluated by computeSheet, no bound and no shortcut. For tests and the benchmark.
ShieldSearchOutcome enumerateBestShields(const CharacterState& state, const ShieldSearchSettings& settings,
                                         const ShieldSearchControl& control = {});

} // namespace tessarin
