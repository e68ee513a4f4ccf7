#include "engine/shield_optimizer.h"

#include "data/catalogue.h"
#include "engine/numbers.h"
#include "engine/set_effects.h"
#include "engine/stat_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <vector>

namespace tessarin {

namespace {

// A shield's variable part, per stat in stat order: what the searched pieces, their synthesis and the
// two catalogue set effects add to each row.
constexpr int kDims = static_cast<int>(kStatCount);
using Offsets = std::array<int, kDims>;
constexpr int kPen = 0;
constexpr int kAcc = 1;
constexpr int kCrit = 2;

constexpr int kConstantFigure = -1; // 공격력, 추가피해: no shield changes them
constexpr int kExpectedFigure = -2; // 기대공격력: 관통, 명중 and 치명 together

// The suffix bound starts below the first levels: they hold few nodes, and their suffixes are the
// largest to build.
constexpr std::size_t kFirstSuffix = 2;

// Set counts 0..16: kept pieces of a group plus every searched position.
constexpr int kSetTableSize = 2 * kPieceCount + 1;

constexpr double kNegInf = -std::numeric_limits<double>::infinity();
// Relative room left above a bound for the rounding of a few multiplications (each below 1e-16).
constexpr double kSlack = 1e-9;
// Fixed values beyond this are not treated as exact whole numbers.
constexpr double kExactLimit = 1e12;

int figureDim(SheetFigure figure)
{
    switch (figure) {
    case SheetFigure::Attack:
    case SheetFigure::AdditionalDamage: return kConstantFigure;
    case SheetFigure::ExpectedAttack: return kExpectedFigure;
    case SheetFigure::Penetration:
    case SheetFigure::PenetrationRate: return static_cast<int>(Stat::Penetration);
    case SheetFigure::Accuracy:
    case SheetFigure::AccuracyRate: return static_cast<int>(Stat::Accuracy);
    case SheetFigure::Critical:
    case SheetFigure::CritRate:
    case SheetFigure::CritDamage: return static_cast<int>(Stat::Critical);
    case SheetFigure::Defence:
    case SheetFigure::DefenceRate: return static_cast<int>(Stat::Defence);
    case SheetFigure::Block:
    case SheetFigure::BlockRate: return static_cast<int>(Stat::Block);
    case SheetFigure::Evasion:
    case SheetFigure::EvasionRate: return static_cast<int>(Stat::Evasion);
    case SheetFigure::Life: break;
    }
    return static_cast<int>(Stat::MaxLife);
}

// The total figure of each stat, in stat order.
constexpr std::array<SheetFigure, kDims> kTotalOfDim = {SheetFigure::Penetration, SheetFigure::Accuracy,
                                                        SheetFigure::Critical,    SheetFigure::Defence,
                                                        SheetFigure::Block,       SheetFigure::Evasion,
                                                        SheetFigure::Life};

bool exactWhole(double value)
{
    return std::fabs(value) <= kExactLimit && std::trunc(value) == value;
}

// One value per offset 0..size-1, with what a range query needs.
struct Table {
    std::vector<double> values;
    bool nondecreasing = true;

    double maxOver(int lo, int hi) const
    {
        if (nondecreasing)
            return values[static_cast<std::size_t>(hi)];
        return *std::max_element(values.begin() + lo, values.begin() + hi + 1);
    }
    double minOver(int lo, int hi) const
    {
        if (nondecreasing)
            return values[static_cast<std::size_t>(lo)];
        return *std::min_element(values.begin() + lo, values.begin() + hi + 1);
    }
};

// The least concave function above log(values) on 0..size-1: its value and a slope that bounds it
// from above along a line through x0 (any slope between the hull's left and right slopes at x0).
struct Tangent {
    double value = 0;
    double slope = 0;
};

Tangent concaveTangent(const std::vector<double>& logs, int x0)
{
    std::vector<int> hull; // upper hull, Andrew's monotone chain
    for (int x = 0; x < static_cast<int>(logs.size()); ++x) {
        while (hull.size() >= 2) {
            const int a = hull[hull.size() - 2];
            const int b = hull.back();
            const double cross = (logs[static_cast<std::size_t>(b)] - logs[static_cast<std::size_t>(a)]) * (x - a) -
                                 (logs[static_cast<std::size_t>(x)] - logs[static_cast<std::size_t>(a)]) * (b - a);
            if (cross > 0)
                break;
            hull.pop_back();
        }
        hull.push_back(x);
    }
    auto slopeOf = [&](std::size_t i) { // segment hull[i] .. hull[i + 1]
        const int a = hull[i];
        const int b = hull[i + 1];
        return (logs[static_cast<std::size_t>(b)] - logs[static_cast<std::size_t>(a)]) / (b - a);
    };
    if (hull.size() == 1)
        return {logs[0], 0};
    std::size_t i = 0;
    while (i + 1 < hull.size() && hull[i + 1] < x0)
        ++i;
    // Now hull[i] <= x0 <= hull[i + 1] (or x0 is the last vertex).
    if (hull[i + 1] == x0) {
        const double left = slopeOf(i);
        const double right = i + 2 < hull.size() ? slopeOf(i + 1) : left;
        return {logs[static_cast<std::size_t>(x0)], (left + right) / 2};
    }
    if (hull[i] == x0) {
        const double right = slopeOf(i);
        const double left = i > 0 ? slopeOf(i - 1) : right;
        return {logs[static_cast<std::size_t>(x0)], (left + right) / 2};
    }
    const double slope = slopeOf(i);
    return {logs[static_cast<std::size_t>(hull[i])] + slope * (x0 - hull[i]), slope};
}

struct Choice {
    ShieldPiecePlan plan;
    Offsets add{};
    StatBlock stats;               // pieceStats as the editor's confirm writes them
    int synthesisAmount = 0;       // at the piece's maximum
    bool lost = false;             // row 1 counts as 잃어버린 영린족, rows 2 and 3 as 바다뱀
    double score = 0;              // search order: most promising first
};

Choice makeChoice(const ShieldPiecePlan& plan, int piece)
{
    const CatalogueEntry& entry = *catalogueEntry(plan.row, piece);
    Choice choice;
    choice.plan = plan;
    choice.lost = plan.row == 1;
    choice.stats[entry.mainStat] = plan.mainValue(piece);
    choice.stats[entry.subOptions[static_cast<std::size_t>(plan.subOption - 1)].stat] = plan.subValue(piece);
    for (int d = 0; d < kDims; ++d)
        choice.add[static_cast<std::size_t>(d)] = static_cast<int>(choice.stats[kAllStats[static_cast<std::size_t>(d)]]);
    if (plan.synthesisStat >= 1) {
        choice.synthesisAmount = entry.synthesisMax;
        choice.add[static_cast<std::size_t>(plan.synthesisStat - 1)] += entry.synthesisMax;
    }
    return choice;
}

bool dominates(const Offsets& a, const Offsets& b)
{
    for (int d = 0; d < kDims; ++d)
        if (a[static_cast<std::size_t>(d)] < b[static_cast<std::size_t>(d)])
            return false;
    return true;
}

using Point = std::array<int, 3>;

class Search {
public:
    Search(const CharacterState& state, const ShieldSearchSettings& settings, const ShieldSearchControl& control)
        : settings_(settings), control_(control), top_(settings.goal, settings.resultCount), settled_(settledCopy(state))
    {
    }

    ShieldSearchOutcome run();

private:
    void setUp();
    bool fixedPartIsExact() const;
    void buildTables();
    void prepareChoices();
    void prepareBounds();
    Offsets setOffsets(int lost, int sea) const { return setTable_[static_cast<std::size_t>(lost)][static_cast<std::size_t>(sea)]; }
    StatBlock groupRecord(SetGroup group, int count) const;
    double estimate(const Offsets& x) const;
    void chooseTangent();
    void pruneChoices();
    void scoreChoices();

    // Bounds over every shield below a node.
    struct Range {
        Offsets lo{};
        Offsets hi{};
    };
    Range rangeAt(std::size_t depth, const Offsets& partial, int lost, int sea) const;
    double figureBound(int figure, const Range& range, std::size_t depth, const Offsets& partial, int lost,
                       int sea) const;
    double tangentBound(std::size_t depth, const Offsets& partial, int lost, int sea) const;
    bool closesGroup(std::size_t depth, const Offsets& partial, int lost, int sea) const;
    double expectedBound(const Range& range, std::size_t depth, const Offsets& partial, int lost, int sea) const;
    bool hopeless(std::size_t depth, const Offsets& partial, int lost, int sea) const;
    void prepareSuffixes();
    double pointGoal(const Offsets& x) const;
    // The order of a suffix list: the goal's cheap bound at a point falls with it.
    double pointKey(const Point& p) const;
    // That cheap bound, for the partial offsets plus a point; +infinity when the goal has none.
    double pointCeiling(const Offsets& x) const;
    bool pointFeasible(const Offsets& x) const;
    // The goal's largest value over the shields below a node that meet the minimums of the projected
    // stats, or minus infinity when none does; it stops early above `enough`.
    double suffixBound(std::size_t depth, const Offsets& partial, int lost, int sea, double enough) const;

    void visit(std::size_t depth, const Offsets& partial, int lost, int sea, double weight);
    void evaluateLeaf(int lost, int sea);
    void writeChoice(int piece, const Choice& choice);
    bool stopNow();

    const ShieldSearchSettings& settings_;
    const ShieldSearchControl& control_;
    ShieldTopList top_;
    ShieldSearchOutcome outcome_;
    CharacterState settled_;
    CharacterState work_; // the record with the open positions as the current path has them

    std::vector<int> open_; // searched positions, in search order
    std::vector<std::vector<Choice>> choices_;
    bool lostAllowed_ = false;
    bool seaAllowed_ = false;
    int baseLost_ = 0; // pieces of each group on kept positions
    int baseSea_ = 0;
    int initialLost_ = 0;
    int initialSea_ = 0;
    std::array<std::array<Offsets, kSetTableSize>, kSetTableSize> setTable_{};

    bool exact_ = false;    // the fixed part is whole numbers: every total is fixed + offset exactly
    bool monotone_ = false; // every figure grows with every stat over the reachable range
    std::array<Table, kSheetFigureCount> tables_;
    std::array<double, kSheetFigureCount> constants_{};
    std::array<Table, 3> factors_; // 기대공격력's factors of 관통, 명중, 치명
    double attack_ = 0;            // 공격력 + 추가피해, the factor no shield changes
    std::array<bool, kDims> relevant_{};

    // Tangent bound of 기대공격력 (log space), when its factors are positive.
    bool tangent_ = false;
    bool closing_ = false; // children are ordered so that a group's cheap goal bound only falls
    std::array<double, 3> slope_{};
    double tangentConstant_ = 0;
    std::vector<std::vector<double>> bestByLost_; // [depth][lost pieces among the remaining]

    // The projected stats (the goal's and the minimums'): for each depth and number j of lost pieces
    // among the remaining positions, the sums those positions can reach that no other reachable sum
    // passes in every projected stat.
    std::array<int, 3> projected_{};
    int projectedCount_ = 0;
    bool suffixes_ = false;
    std::vector<std::vector<std::vector<Point>>> suffix_; // [depth][j]
    std::vector<ShieldMinimum> projectedMinimums_;

    std::vector<Offsets> remMin_; // [depth]: least and most the remaining positions add
    std::vector<Offsets> remMax_;
    std::vector<const Choice*> path_;
    double done_ = 0;
    double lastReported_ = 0;
};

StatBlock Search::groupRecord(SetGroup group, int count) const
{
    // Pieces are confirmed one at a time with the timers between, so a group that ends with no piece
    // had its record cleared on the way down, unless it never had one.
    if (count > 0)
        return catalogueSetBonus(group, count).stats;
    const int initial = group == SetGroup::Lost ? initialLost_ : initialSea_;
    return initial > 0 ? StatBlock{} : settled_.setEffect[group];
}

void Search::setUp()
{
    for (int piece = 1; piece <= kPieceCount; ++piece)
        if (!settings_.keep[piece])
            open_.push_back(piece);
    lostAllowed_ = settings_.rows[1];
    seaAllowed_ = settings_.rows[2] || settings_.rows[3];

    initialLost_ = settled_.lostSetCount;
    initialSea_ = settled_.seaSerpentSetCount;
    int freeCount = settled_.freeSetCount;
    baseLost_ = initialLost_;
    baseSea_ = initialSea_;
    work_ = settled_;
    for (int piece : open_) {
        if (work_.pieceEquipped[1][piece])
            --baseLost_;
        if (work_.pieceEquipped[2][piece] || work_.pieceEquipped[3][piece])
            --baseSea_;
        if (work_.pieceEquipped[4][piece])
            --freeCount;
        for (int row = 1; row <= kBoardRows; ++row)
            work_.pieceEquipped[row][piece] = false;
        work_.pieceStats[piece] = StatBlock{};
        work_.synthesisMax[piece] = 0;
        for (auto& amounts : work_.synthesis)
            amounts[piece] = 0;
    }
    baseLost_ = std::clamp(baseLost_, 0, kPieceCount);
    baseSea_ = std::clamp(baseSea_, 0, kPieceCount);
    freeCount = std::max(0, freeCount);
    if (freeCount > 0)
        work_.setEffect[SetGroup::Free] = freeSetBonus(settled_, freeCount);
    else if (settled_.freeSetCount > 0)
        work_.setEffect[SetGroup::Free] = StatBlock{};

    for (int lost = 0; lost < kSetTableSize; ++lost)
        for (int sea = 0; sea < kSetTableSize; ++sea) {
            const StatBlock l = groupRecord(SetGroup::Lost, lost);
            const StatBlock s = groupRecord(SetGroup::SeaSerpent, sea);
            Offsets& o = setTable_[static_cast<std::size_t>(lost)][static_cast<std::size_t>(sea)];
            for (int d = 0; d < kDims; ++d)
                o[static_cast<std::size_t>(d)] = static_cast<int>(l[kAllStats[static_cast<std::size_t>(d)]] +
                                                                  s[kAllStats[static_cast<std::size_t>(d)]]);
        }
    work_.setEffect[SetGroup::Lost] = StatBlock{};
    work_.setEffect[SetGroup::SeaSerpent] = StatBlock{};
}

bool Search::fixedPartIsExact() const
{
    const CharacterState& s = work_;
    std::vector<double> values = {s.classBase.penetration, s.classBase.accuracy, s.classBase.critical,
                                  s.classBase.defence,     s.classBase.block,    s.classBase.evasion,
                                  s.classBase.maxLife,     s.weapon.defenceBonus};
    for (Stat stat : kAllStats) {
        values.push_back(s.weapon[stat]);
        for (int piece = 1; piece <= kPieceCount; ++piece)
            values.push_back(s.pieceStats[piece][stat]);
        for (SetGroup group : kSetGroups)
            values.push_back(s.setEffect[group][stat]);
    }
    for (const AccessorySlot& a : s.accessories)
        values.insert(values.end(), {a.penetration, a.accuracy, a.critical, a.defence, a.block, a.evasion, a.maxLife});
    return std::all_of(values.begin(), values.end(), exactWhole);
}

void Search::prepareChoices()
{
    const std::vector<ShieldPiecePlan> plans = shieldPieceChoices(settings_);
    for (int piece : open_) {
        std::vector<Choice> list;
        list.reserve(plans.size());
        for (const ShieldPiecePlan& plan : plans)
            list.push_back(makeChoice(plan, piece));
        choices_.push_back(std::move(list));
    }
}

void Search::buildTables()
{
    // The largest offset of each stat any shield of the space reaches.
    Offsets most{};
    for (const std::vector<Choice>& list : choices_)
        for (int d = 0; d < kDims; ++d) {
            int best = 0;
            for (const Choice& c : list)
                best = std::max(best, c.add[static_cast<std::size_t>(d)]);
            most[static_cast<std::size_t>(d)] += best;
        }
    int size = 0;
    for (int d = 0; d < kDims; ++d) {
        int set = 0;
        for (const auto& row : setTable_)
            for (const Offsets& o : row)
                set = std::max(set, o[static_cast<std::size_t>(d)]);
        most[static_cast<std::size_t>(d)] += set;
        size = std::max(size, most[static_cast<std::size_t>(d)] + 1);
    }

    // Every figure but 기대공격력 follows one stat, so one sheet per offset, with that offset on every
    // stat at once, gives all of them.
    CharacterState probe = work_;
    const int piece = open_.front();
    for (Table& t : tables_)
        t.values.resize(static_cast<std::size_t>(size));
    for (Table& t : factors_)
        t.values.resize(static_cast<std::size_t>(size));
    for (int x = 0; x < size; ++x) {
        if ((x & 255) == 0 && stopNow())
            return;
        for (Stat stat : kAllStats)
            probe.pieceStats[piece][stat] = x;
        const StatSheet sheet = computeSheet(probe);
        const SheetFigures figures = shownFigures(sheet);
        for (int i = 0; i < kSheetFigureCount; ++i)
            tables_[static_cast<std::size_t>(i)].values[static_cast<std::size_t>(x)] = figures[static_cast<std::size_t>(i)];
        const double cr = sheet.critRate;
        factors_[kPen].values[static_cast<std::size_t>(x)] = sheet.penetrationRate / 100 + 1;
        factors_[kAcc].values[static_cast<std::size_t>(x)] = sheet.accuracyRate / 100;
        factors_[kCrit].values[static_cast<std::size_t>(x)] = ((cr / 100) * sheet.critDamage) / 100 + 1 - cr / 100;
        if (x == 0) {
            constants_ = figures;
            attack_ = sheet.totalAttack + sheet.totalAdditionalDamage;
        }
    }

    // Which tables grow, over the part each stat can reach.
    auto checkGrowth = [&most](Table& t, int dim) {
        const auto& v = t.values;
        for (int x = 1; x <= most[static_cast<std::size_t>(dim)]; ++x)
            if (v[static_cast<std::size_t>(x)] < v[static_cast<std::size_t>(x - 1)])
                t.nondecreasing = false;
    };
    monotone_ = attack_ >= 0;
    for (int i = 0; i < kSheetFigureCount; ++i) {
        const int dim = figureDim(static_cast<SheetFigure>(i));
        if (dim >= 0) {
            checkGrowth(tables_[static_cast<std::size_t>(i)], dim);
            monotone_ = monotone_ && tables_[static_cast<std::size_t>(i)].nondecreasing;
        }
    }
    for (int f = 0; f < 3; ++f) {
        checkGrowth(factors_[static_cast<std::size_t>(f)], f);
        const auto& v = factors_[static_cast<std::size_t>(f)].values;
        const bool positive = std::all_of(v.begin(), v.begin() + most[static_cast<std::size_t>(f)] + 1,
                                          [](double value) { return value >= 0; });
        monotone_ = monotone_ && positive && factors_[static_cast<std::size_t>(f)].nondecreasing;
    }
    // A stat matters when its total changes with it; then it must change at every step for two
    // different offsets to show different figures.
    for (int d = 0; d < kDims; ++d) {
        const auto& v = tables_[static_cast<std::size_t>(kTotalOfDim[static_cast<std::size_t>(d)])].values;
        const int top = most[static_cast<std::size_t>(d)];
        relevant_[static_cast<std::size_t>(d)] = v[static_cast<std::size_t>(top)] != v[0];
        bool allConstant = true;
        for (int i = 0; i < kSheetFigureCount; ++i)
            if (figureDim(static_cast<SheetFigure>(i)) == d) {
                const auto& w = tables_[static_cast<std::size_t>(i)].values;
                allConstant = allConstant && w[static_cast<std::size_t>(top)] == w[0];
            }
        if (d == kPen || d == kAcc || d == kCrit) {
            const auto& w = factors_[static_cast<std::size_t>(d)].values;
            allConstant = allConstant && (w[static_cast<std::size_t>(top)] == w[0] || attack_ == 0);
        }
        if (relevant_[static_cast<std::size_t>(d)]) {
            for (int x = 1; x <= top; ++x)
                if (!(v[static_cast<std::size_t>(x)] > v[static_cast<std::size_t>(x - 1)]))
                    monotone_ = false;
        } else if (!allConstant) {
            monotone_ = false;
        }
    }
}

void Search::pruneChoices()
{
    if (!monotone_)
        return;
    const auto k = static_cast<std::size_t>(settings_.resultCount);
    for (std::vector<Choice>& list : choices_) {
        for (Choice& c : list)
            for (int d = 0; d < kDims; ++d)
                if (!relevant_[static_cast<std::size_t>(d)])
                    c.add[static_cast<std::size_t>(d)] = 0; // changes no figure (막기 under 발도)
        // Same group and same offsets: the same figures in every shield; the first one stands for both.
        std::vector<Choice> distinct;
        for (const Choice& c : list) {
            const bool seen = std::any_of(distinct.begin(), distinct.end(), [&c](const Choice& d) {
                return d.lost == c.lost && d.add == c.add;
            });
            if (!seen)
                distinct.push_back(c);
        }
        // A choice that `k` others of its group reach or pass in every stat can be in no result: each of
        // them makes a different shield that is at least as good in every figure and better in one.
        std::vector<Choice> kept;
        for (const Choice& c : distinct) {
            std::size_t above = 0;
            for (const Choice& d : distinct)
                if (&d != &c && d.lost == c.lost && dominates(d.add, c.add) && ++above >= k)
                    break;
            if (above < k)
                kept.push_back(c);
        }
        list = std::move(kept);
    }
}

void Search::scoreChoices()
{
    const int dim = figureDim(settings_.goal);
    // Within a group, the goal's cheap bound of a child then falls with the child's place in the list.
    closing_ = exact_ && ((dim == kExpectedFigure && tangent_) ||
                          (dim >= 0 && tables_[static_cast<std::size_t>(settings_.goal)].nondecreasing));
    for (std::vector<Choice>& list : choices_) {
        for (Choice& c : list) {
            double sum = 0;
            for (int v : c.add)
                sum += v;
            if (tangent_ && dim == kExpectedFigure)
                c.score = slope_[kPen] * c.add[kPen] + slope_[kAcc] * c.add[kAcc] + slope_[kCrit] * c.add[kCrit];
            else if (dim == kExpectedFigure)
                c.score = c.add[kPen] + c.add[kAcc] + c.add[kCrit];
            else if (dim >= 0)
                c.score = c.add[static_cast<std::size_t>(dim)];
            if (!closing_)
                c.score += sum * 1e-9; // then the one that adds most
        }
        std::stable_sort(list.begin(), list.end(), [](const Choice& a, const Choice& b) { return a.score > b.score; });
    }
}

double Search::estimate(const Offsets& x) const
{
    const int dim = figureDim(settings_.goal);
    if (dim == kConstantFigure)
        return 0;
    if (dim == kExpectedFigure) {
        double product = attack_;
        for (int f = 0; f < 3; ++f)
            product *= factors_[static_cast<std::size_t>(f)].values[static_cast<std::size_t>(x[static_cast<std::size_t>(f)])];
        return product;
    }
    return tables_[static_cast<std::size_t>(settings_.goal)].values[static_cast<std::size_t>(x[static_cast<std::size_t>(dim)])];
}

void Search::chooseTangent()
{
    // A good shield by coordinate ascent on the goal; the tangent is taken at its offsets.
    std::vector<std::size_t> pick(open_.size(), 0);
    auto totalOf = [&](std::size_t changed, std::size_t index) {
        Offsets x{};
        int lost = baseLost_;
        int sea = baseSea_;
        for (std::size_t d = 0; d < open_.size(); ++d) {
            const Choice& c = choices_[d][d == changed ? index : pick[d]];
            for (int s = 0; s < kDims; ++s)
                x[static_cast<std::size_t>(s)] += c.add[static_cast<std::size_t>(s)];
            (c.lost ? lost : sea) += 1;
        }
        const Offsets set = setOffsets(lost, sea);
        for (int s = 0; s < kDims; ++s)
            x[static_cast<std::size_t>(s)] += set[static_cast<std::size_t>(s)];
        return x;
    };
    for (int pass = 0; pass < 3; ++pass)
        for (std::size_t d = 0; d < open_.size(); ++d) {
            double best = kNegInf;
            for (std::size_t i = 0; i < choices_[d].size(); ++i) {
                const double value = estimate(totalOf(d, i));
                if (value > best) {
                    best = value;
                    pick[d] = i;
                }
            }
        }
    const Offsets x0 = totalOf(open_.size(), 0);

    tangent_ = attack_ > 0;
    for (int f = 0; f < 3 && tangent_; ++f) {
        const auto& v = factors_[static_cast<std::size_t>(f)].values;
        tangent_ = std::all_of(v.begin(), v.end(), [](double value) { return value > 0; });
    }
    if (!tangent_)
        return;
    tangentConstant_ = std::log(attack_);
    for (int f = 0; f < 3; ++f) {
        const auto& v = factors_[static_cast<std::size_t>(f)].values;
        std::vector<double> logs(v.size());
        std::transform(v.begin(), v.end(), logs.begin(), [](double value) { return std::log(value); });
        const int at = x0[static_cast<std::size_t>(f)];
        const Tangent t = concaveTangent(logs, at);
        slope_[static_cast<std::size_t>(f)] = t.slope;
        tangentConstant_ += t.value - t.slope * at;
    }
}

void Search::prepareBounds()
{
    const std::size_t n = open_.size();
    remMin_.assign(n + 1, Offsets{});
    remMax_.assign(n + 1, Offsets{});
    for (std::size_t d = n; d-- > 0;) {
        for (int s = 0; s < kDims; ++s) {
            int lo = std::numeric_limits<int>::max();
            int hi = std::numeric_limits<int>::min();
            for (const Choice& c : choices_[d]) {
                lo = std::min(lo, c.add[static_cast<std::size_t>(s)]);
                hi = std::max(hi, c.add[static_cast<std::size_t>(s)]);
            }
            remMin_[d][static_cast<std::size_t>(s)] = remMin_[d + 1][static_cast<std::size_t>(s)] + lo;
            remMax_[d][static_cast<std::size_t>(s)] = remMax_[d + 1][static_cast<std::size_t>(s)] + hi;
        }
    }
    if (!tangent_)
        return;
    // bestByLost_[d][j]: the most the tangent's linear part gains from positions d.. with j of them lost.
    bestByLost_.assign(n + 1, std::vector<double>(n + 1, kNegInf));
    bestByLost_[n][0] = 0;
    for (std::size_t d = n; d-- > 0;) {
        double bestLost = kNegInf;
        double bestSea = kNegInf;
        for (const Choice& c : choices_[d]) {
            double gain = 0;
            for (int f = 0; f < 3; ++f)
                gain += slope_[static_cast<std::size_t>(f)] * c.add[static_cast<std::size_t>(f)];
            (c.lost ? bestLost : bestSea) = std::max(c.lost ? bestLost : bestSea, gain);
        }
        for (std::size_t j = 0; j + d <= n; ++j) {
            double best = bestByLost_[d + 1][j] + bestSea;
            if (j > 0)
                best = std::max(best, bestByLost_[d + 1][j - 1] + bestLost);
            bestByLost_[d][j] = best;
        }
    }
}

Search::Range Search::rangeAt(std::size_t depth, const Offsets& partial, int lost, int sea) const
{
    const int rem = static_cast<int>(open_.size() - depth);
    const int jmin = seaAllowed_ ? 0 : rem;
    const int jmax = lostAllowed_ ? rem : 0;
    Offsets setLo;
    Offsets setHi;
    setLo.fill(std::numeric_limits<int>::max());
    setHi.fill(std::numeric_limits<int>::min());
    for (int j = jmin; j <= jmax; ++j) {
        const Offsets set = setOffsets(lost + j, sea + rem - j);
        for (int s = 0; s < kDims; ++s) {
            setLo[static_cast<std::size_t>(s)] = std::min(setLo[static_cast<std::size_t>(s)], set[static_cast<std::size_t>(s)]);
            setHi[static_cast<std::size_t>(s)] = std::max(setHi[static_cast<std::size_t>(s)], set[static_cast<std::size_t>(s)]);
        }
    }
    Range r;
    for (int s = 0; s < kDims; ++s) {
        const auto i = static_cast<std::size_t>(s);
        r.lo[i] = partial[i] + remMin_[depth][i] + setLo[i];
        r.hi[i] = partial[i] + remMax_[depth][i] + setHi[i];
    }
    return r;
}

double Search::tangentBound(std::size_t depth, const Offsets& partial, int lost, int sea) const
{
    const int rem = static_cast<int>(open_.size() - depth);
    const int jmin = seaAllowed_ ? 0 : rem;
    const int jmax = lostAllowed_ ? rem : 0;
    double linear = kNegInf;
    for (int j = jmin; j <= jmax; ++j) {
        const Offsets set = setOffsets(lost + j, sea + rem - j);
        double gain = bestByLost_[depth][static_cast<std::size_t>(j)];
        for (int f = 0; f < 3; ++f)
            gain += slope_[static_cast<std::size_t>(f)] * set[static_cast<std::size_t>(f)];
        linear = std::max(linear, gain);
    }
    double log = tangentConstant_ + linear;
    for (int f = 0; f < 3; ++f)
        log += slope_[static_cast<std::size_t>(f)] * partial[static_cast<std::size_t>(f)];
    return std::exp(log) * (1 + kSlack);
}

bool Search::closesGroup(std::size_t depth, const Offsets& partial, int lost, int sea) const
{
    const double worst = figureOf(top_.worst(), settings_.goal);
    const int dim = figureDim(settings_.goal);
    if (dim == kExpectedFigure)
        return displayed(roundRate(tangentBound(depth, partial, lost, sea))) < worst;
    const Range range = rangeAt(depth, partial, lost, sea);
    return tables_[static_cast<std::size_t>(settings_.goal)].values[static_cast<std::size_t>(range.hi[static_cast<std::size_t>(dim)])] < worst;
}

double Search::expectedBound(const Range& range, std::size_t depth, const Offsets& partial, int lost, int sea) const
{
    // Every factor lies in its range over the node, so the product lies below the largest product of
    // the ranges' ends (whatever their signs).
    std::array<std::array<double, 2>, 3> ends{};
    for (int f = 0; f < 3; ++f) {
        const Table& t = factors_[static_cast<std::size_t>(f)];
        ends[static_cast<std::size_t>(f)] = {t.minOver(range.lo[static_cast<std::size_t>(f)], range.hi[static_cast<std::size_t>(f)]),
                                             t.maxOver(range.lo[static_cast<std::size_t>(f)], range.hi[static_cast<std::size_t>(f)])};
    }
    double best = kNegInf;
    double largest = 0;
    for (int corner = 0; corner < 8; ++corner) {
        const double value = ((attack_ * ends[0][static_cast<std::size_t>(corner & 1)]) *
                              ends[1][static_cast<std::size_t>((corner >> 1) & 1)]) *
                             ends[2][static_cast<std::size_t>((corner >> 2) & 1)];
        best = std::max(best, value);
        largest = std::max(largest, std::fabs(value));
    }
    best += largest * kSlack;
    if (tangent_)
        best = std::min(best, tangentBound(depth, partial, lost, sea));
    return displayed(roundRate(best));
}

double Search::figureBound(int figure, const Range& range, std::size_t depth, const Offsets& partial, int lost,
                           int sea) const
{
    const int dim = figureDim(static_cast<SheetFigure>(figure));
    if (dim == kConstantFigure)
        return constants_[static_cast<std::size_t>(figure)];
    if (dim == kExpectedFigure)
        return expectedBound(range, depth, partial, lost, sea);
    return tables_[static_cast<std::size_t>(figure)].maxOver(range.lo[static_cast<std::size_t>(dim)],
                                                             range.hi[static_cast<std::size_t>(dim)]);
}


namespace {

// The points of `points` that no other point reaches or passes in all three coordinates.
std::vector<std::array<int, 3>> maximalPoints(std::vector<std::array<int, 3>> points)
{
    std::sort(points.begin(), points.end(), std::greater<>());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    // In this order every point that could pass a point comes before it; the staircase holds the
    // kept points' (second, third) pairs with the second rising and the third falling.
    std::map<int, int> stairs;
    std::vector<std::array<int, 3>> kept;
    for (const auto& p : points) {
        const auto above = stairs.lower_bound(p[1]);
        if (above != stairs.end() && above->second >= p[2])
            continue;
        kept.push_back(p);
        auto it = stairs.upper_bound(p[1]);
        while (it != stairs.begin()) {
            auto before = std::prev(it);
            if (before->second > p[2])
                break;
            it = stairs.erase(before);
        }
        stairs[p[1]] = std::max(stairs[p[1]], p[2]);
    }
    return kept;
}

} // namespace

void Search::prepareSuffixes()
{
    // Project on the stats of the goal and of the minimums, when there are at most three of them.
    std::array<bool, kDims> wanted{};
    auto want = [&wanted](SheetFigure figure) {
        const int dim = figureDim(figure);
        if (dim >= 0)
            wanted[static_cast<std::size_t>(dim)] = true;
        if (dim == kExpectedFigure)
            wanted[kPen] = wanted[kAcc] = wanted[kCrit] = true;
    };
    want(settings_.goal);
    for (const ShieldMinimum& m : settings_.minimums)
        want(m.figure);
    projectedCount_ = 0;
    for (int d = 0; d < kDims; ++d) {
        if (!wanted[static_cast<std::size_t>(d)])
            continue;
        if (projectedCount_ == 3)
            return; // too many stats: the other bounds must do
        projected_[static_cast<std::size_t>(projectedCount_++)] = d;
    }
    for (int i = projectedCount_; i < 3; ++i)
        projected_[static_cast<std::size_t>(i)] = -1;
    for (const ShieldMinimum& m : settings_.minimums) {
        const int dim = figureDim(m.figure);
        if (dim != kConstantFigure)
            projectedMinimums_.push_back(m);
    }

    constexpr std::size_t kMostPoints = 50000; // beyond this the bound costs more than it saves
    const std::size_t n = open_.size();
    suffix_.assign(n + 1, std::vector<std::vector<Point>>(n + 1));
    suffix_[n][0].push_back(Point{});
    for (std::size_t d = n; d-- > kFirstSuffix;) {
        std::array<std::vector<Point>, 2> own; // the position's own projections, sea then lost
        for (const Choice& c : choices_[d]) {
            Point p{};
            for (int i = 0; i < projectedCount_; ++i)
                p[static_cast<std::size_t>(i)] = c.add[static_cast<std::size_t>(projected_[static_cast<std::size_t>(i)])];
            own[c.lost ? 1 : 0].push_back(p);
        }
        for (auto& list : own)
            list = maximalPoints(std::move(list));
        for (std::size_t j = 0; j + d <= n; ++j) {
            std::vector<Point> points;
            for (int group = 0; group < 2; ++group) {
                if (group == 1 && j == 0)
                    continue;
                const std::vector<Point>& below = suffix_[d + 1][j - static_cast<std::size_t>(group)];
                for (const Point& a : own[static_cast<std::size_t>(group)])
                    for (const Point& b : below)
                        points.push_back({a[0] + b[0], a[1] + b[1], a[2] + b[2]});
            }
            if (points.size() > kMostPoints * 8)
                return;
            suffix_[d][j] = maximalPoints(std::move(points));
            if (suffix_[d][j].size() > kMostPoints)
                return;
            std::stable_sort(suffix_[d][j].begin(), suffix_[d][j].end(),
                             [this](const Point& a, const Point& b) { return pointKey(a) > pointKey(b); });
        }
        if (stopNow())
            return;
    }
    suffixes_ = true;
}

double Search::pointGoal(const Offsets& x) const
{
    const int dim = figureDim(settings_.goal);
    if (dim == kConstantFigure)
        return constants_[static_cast<std::size_t>(settings_.goal)];
    if (dim >= 0)
        return tables_[static_cast<std::size_t>(settings_.goal)].values[static_cast<std::size_t>(x[static_cast<std::size_t>(dim)])];
    // The sheet's own order of operations, with room for a last-bit difference.
    double value = ((attack_ * factors_[kCrit].values[static_cast<std::size_t>(x[kCrit])]) *
                    factors_[kAcc].values[static_cast<std::size_t>(x[kAcc])]) *
                   factors_[kPen].values[static_cast<std::size_t>(x[kPen])];
    value += std::fabs(value) * kSlack;
    return displayed(roundRate(value));
}

double Search::pointKey(const Point& p) const
{
    const int dim = figureDim(settings_.goal);
    double key = 0;
    for (int i = 0; i < projectedCount_; ++i) {
        const int d = projected_[static_cast<std::size_t>(i)];
        if (dim == kExpectedFigure && tangent_ && d <= kCrit)
            key += slope_[static_cast<std::size_t>(d)] * p[static_cast<std::size_t>(i)];
        else if (d == dim)
            key += p[static_cast<std::size_t>(i)];
    }
    return key;
}

double Search::pointCeiling(const Offsets& x) const
{
    const int dim = figureDim(settings_.goal);
    if (dim == kExpectedFigure && tangent_) {
        double log = tangentConstant_;
        for (int f = 0; f < 3; ++f)
            log += slope_[static_cast<std::size_t>(f)] * x[static_cast<std::size_t>(f)];
        return displayed(roundRate(std::exp(log) * (1 + kSlack)));
    }
    if (dim >= 0)
        return pointGoal(x);
    return std::numeric_limits<double>::infinity();
}

bool Search::pointFeasible(const Offsets& x) const
{
    for (const ShieldMinimum& m : projectedMinimums_) {
        const int dim = figureDim(m.figure);
        double value = 0;
        if (dim >= 0) {
            value = tables_[static_cast<std::size_t>(m.figure)].values[static_cast<std::size_t>(x[static_cast<std::size_t>(dim)])];
        } else {
            value = ((attack_ * factors_[kCrit].values[static_cast<std::size_t>(x[kCrit])]) *
                     factors_[kAcc].values[static_cast<std::size_t>(x[kAcc])]) *
                    factors_[kPen].values[static_cast<std::size_t>(x[kPen])];
            value = displayed(roundRate(value + std::fabs(value) * kSlack));
        }
        if (value < m.value)
            return false;
    }
    return true;
}

double Search::suffixBound(std::size_t depth, const Offsets& partial, int lost, int sea, double enough) const
{
    // Over the reachable sums the goal and the projected minimums only grow with each projected stat
    // (checked when the tables were built), so the sums that others pass can be left out.
    const int rem = static_cast<int>(open_.size() - depth);
    const int jmin = seaAllowed_ ? 0 : rem;
    const int jmax = lostAllowed_ ? rem : 0;
    double best = kNegInf;
    Offsets x = partial;
    for (int j = jmin; j <= jmax; ++j) {
        const Offsets set = setOffsets(lost + j, sea + rem - j);
        Offsets base = partial;
        for (int s = 0; s < kDims; ++s)
            base[static_cast<std::size_t>(s)] += set[static_cast<std::size_t>(s)];
        for (const Point& p : suffix_[depth][static_cast<std::size_t>(j)]) {
            x = base;
            for (int i = 0; i < projectedCount_; ++i)
                x[static_cast<std::size_t>(projected_[static_cast<std::size_t>(i)])] += p[static_cast<std::size_t>(i)];
            // The list falls in the goal's cheap bound: once that is below what is needed, so is the rest.
            if (pointCeiling(x) < std::max(best, enough))
                break;
            if (!pointFeasible(x))
                continue;
            best = std::max(best, pointGoal(x));
            if (best > enough)
                return best;
        }
    }
    return best;
}

bool Search::hopeless(std::size_t depth, const Offsets& partial, int lost, int sea) const
{
    const Range range = rangeAt(depth, partial, lost, sea);
    for (const ShieldMinimum& m : settings_.minimums)
        if (figureBound(static_cast<int>(m.figure), range, depth, partial, lost, sea) < m.value)
            return true;
    if (!top_.full())
        return suffixes_ && depth >= kFirstSuffix && !projectedMinimums_.empty() && suffixBound(depth, partial, lost, sea, kNegInf) == kNegInf;
    // Every shield below lies at or below the bounds, figure by figure; when the bounds rank after the
    // list's last result, so does every shield below (equal bounds: at best that same result again).
    const SheetFigures& worst = top_.worst();
    const int goal = static_cast<int>(settings_.goal);
    double goalBound = figureBound(goal, range, depth, partial, lost, sea);
    if (goalBound < worst[static_cast<std::size_t>(goal)])
        return true;
    if (suffixes_ && depth >= kFirstSuffix)
        goalBound = std::min(goalBound, suffixBound(depth, partial, lost, sea, worst[static_cast<std::size_t>(goal)]));
    if (goalBound != worst[static_cast<std::size_t>(goal)])
        return goalBound < worst[static_cast<std::size_t>(goal)];
    for (int i = 0; i < kSheetFigureCount; ++i) {
        const double bound = i == goal ? goalBound : figureBound(i, range, depth, partial, lost, sea);
        if (bound != worst[static_cast<std::size_t>(i)])
            return bound < worst[static_cast<std::size_t>(i)];
    }
    return true;
}

bool Search::stopNow()
{
    if (!outcome_.stopped && control_.stop != nullptr && control_.stop->load(std::memory_order_relaxed))
        outcome_.stopped = true;
    return outcome_.stopped;
}

void Search::writeChoice(int piece, const Choice& choice)
{
    work_.pieceStats[piece] = choice.stats;
    for (int stat = 1; stat <= static_cast<int>(kSynthStatCount); ++stat)
        work_.synthesis[stat][piece] =
            static_cast<std::int16_t>(stat == choice.plan.synthesisStat ? choice.synthesisAmount : 0);
}

void Search::evaluateLeaf(int lost, int sea)
{
    work_.setEffect[SetGroup::Lost] = groupRecord(SetGroup::Lost, lost);
    work_.setEffect[SetGroup::SeaSerpent] = groupRecord(SetGroup::SeaSerpent, sea);
    ++outcome_.evaluations;
    ShieldResult result;
    result.figures = shownFigures(computeSheet(work_));
    if (!meetsMinimums(result.figures, settings_.minimums) || !top_.admits(result.figures))
        return;
    for (std::size_t d = 0; d < open_.size(); ++d)
        result.pieces[open_[d]] = path_[d]->plan;
    top_.offer(result);
}

void Search::visit(std::size_t depth, const Offsets& partial, int lost, int sea, double weight)
{
    if ((++outcome_.nodes & 255U) == 0) {
        if (stopNow())
            return;
        if (control_.progress && done_ - lastReported_ >= 0.005) {
            lastReported_ = done_;
            control_.progress(std::min(done_, 1.0));
        }
    }
    if (outcome_.stopped)
        return;
    if (exact_ && hopeless(depth, partial, lost, sea)) {
        done_ += weight;
        return;
    }
    if (depth == open_.size()) {
        evaluateLeaf(lost, sea);
        done_ += weight;
        return;
    }
    const std::vector<Choice>& list = choices_[depth];
    const double share = weight / static_cast<double>(list.size());
    std::array<bool, 2> closed{}; // sea, lost: the rest of the group's children cannot reach the list
    for (const Choice& c : list) {
        bool& groupClosed = closed[c.lost ? 1 : 0];
        if (groupClosed) {
            done_ += share;
            continue;
        }
        Offsets next = partial;
        for (int s = 0; s < kDims; ++s)
            next[static_cast<std::size_t>(s)] += c.add[static_cast<std::size_t>(s)];
        if (closing_ && top_.full() && closesGroup(depth + 1, next, lost + (c.lost ? 1 : 0), sea + (c.lost ? 0 : 1))) {
            groupClosed = true;
            done_ += share;
            continue;
        }
        writeChoice(open_[depth], c);
        path_[depth] = &c;
        visit(depth + 1, next, lost + (c.lost ? 1 : 0), sea + (c.lost ? 0 : 1), share);
        if (outcome_.stopped)
            return;
    }
}

ShieldSearchOutcome Search::run()
{
    if (settings_.resultCount <= 0)
        return outcome_;
    setUp();
    if (open_.empty()) {
        // Nothing to search: the shield as it is.
        ShieldResult same;
        same.figures = shownFigures(computeSheet(settled_));
        outcome_.evaluations = 1;
        if (meetsMinimums(same.figures, settings_.minimums))
            outcome_.results.push_back(same);
        return outcome_;
    }
    prepareChoices();
    if (choices_.front().empty())
        return outcome_;
    exact_ = fixedPartIsExact();
    if (exact_) {
        buildTables();
        if (outcome_.stopped)
            return outcome_;
        pruneChoices();
        chooseTangent();
    }
    scoreChoices();
    prepareBounds();
    if (exact_ && monotone_)
        prepareSuffixes();
    if (outcome_.stopped)
        return outcome_;
    outcome_.pruned = exact_;
    if (control_.progress)
        control_.progress(0);
    path_.assign(open_.size(), nullptr);
    visit(0, Offsets{}, baseLost_, baseSea_, 1.0);
    outcome_.results = top_.take();
    if (control_.progress && !outcome_.stopped)
        control_.progress(1);
    return outcome_;
}

} // namespace

ShieldSearchOutcome findBestShields(const CharacterState& state, const ShieldSearchSettings& settings,
                                    const ShieldSearchControl& control)
{
    Search search(state, settings, control);
    return search.run();
}

} // namespace tessarin
