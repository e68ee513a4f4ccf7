#include "engine/breakdown.h"

#include "engine/accessory_rules.h"
#include "engine/numbers.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace tessarin {

namespace {

// A sheet row: its total, equipment and base label and the stat its sources carry (none for 공격력).
struct RowLabels {
    SheetLabel total;
    SheetLabel equipment;
    std::optional<Stat> stat;
};

constexpr std::array<RowLabels, 8> kRows = {{
    {SheetLabel::AttackTotal, SheetLabel::AttackEquipment, std::nullopt},
    {SheetLabel::PenetrationTotal, SheetLabel::PenetrationEquipment, Stat::Penetration},
    {SheetLabel::AccuracyTotal, SheetLabel::AccuracyEquipment, Stat::Accuracy},
    {SheetLabel::CriticalTotal, SheetLabel::CriticalEquipment, Stat::Critical},
    {SheetLabel::LifeTotal, SheetLabel::LifeEquipment, Stat::MaxLife},
    {SheetLabel::DefenceTotal, SheetLabel::DefenceEquipment, Stat::Defence},
    {SheetLabel::BlockTotal, SheetLabel::BlockEquipment, Stat::Block},
    {SheetLabel::EvasionTotal, SheetLabel::EvasionEquipment, Stat::Evasion},
}};

const QString kSetNames[3] = {QStringLiteral("잃어버린 영린족 보패 세트 효과"), QStringLiteral("바다뱀 보패 세트 효과"),
                              QStringLiteral("기타 보패 세트 효과")};

struct StanceName {
    Stance stance;
    const char* name;
};
constexpr std::array<StanceName, kStanceCount> kStanceNames = {{
    {Stance::Baldo, "발도"},
    {Stance::Beongaebegi, "번개베기"},
    {Stance::Bangyeok, "반격"},
    {Stance::Imunjeongju, "이문정주"},
    {Stance::Gwangpung, "광풍"},
    {Stance::Eunsin, "은신"},
    {Stance::Jamip, "잠입"},
    {Stance::Cheokchujjireugi, "척추찌르기"},
    {Stance::Namutomak, "나무토막"},
}};

QString stanceName(Stance stance)
{
    return QString::fromUtf8(kStanceNames[static_cast<std::size_t>(stance)].name);
}

class Lines {
public:
    void add(const QString& name, double value)
    {
        if (value != 0)
            lines_.push_back({name, value, true});
    }
    void basis(const QString& name, double value) { lines_.push_back({name, value, false}); }
    // The part of `total` the lines so far do not explain, as one line (a stance's share).
    void remainder(const QString& name, double total)
    {
        double sum = 0;
        for (const BreakdownLine& line : lines_)
            if (line.summand)
                sum += line.value;
        // Millionths are far below anything typed, and keep the binary noise of the subtraction out of
        // the line's text.
        add(name, std::round((total - sum) * 1e6) / 1e6);
    }
    Breakdown finish(double total) { return {std::move(lines_), total}; }

private:
    std::vector<BreakdownLine> lines_;
};

// A stance bonus field as the stances that set it: one line each when their own values add up to the
// field, the one whose value it is when it is the largest of several, else one line naming them all.
void addStanceBonus(Lines& lines, const CharacterState& state, double value,
                    std::initializer_list<std::pair<Stance, double>> stances)
{
    if (value == 0)
        return;
    std::vector<std::pair<Stance, double>> on;
    double sum = 0;
    for (const auto& entry : stances) {
        if (state.stanceOn[entry.first]) {
            on.push_back(entry);
            sum += entry.second;
        }
    }
    if (!on.empty() && sum == value) {
        for (const auto& [stance, own] : on)
            lines.add(stanceName(stance), own);
        return;
    }
    for (const auto& [stance, own] : on) {
        if (own == value) {
            lines.add(stanceName(stance), value);
            return;
        }
    }
    QString names;
    for (const auto& entry : on)
        names += (names.isEmpty() ? QString() : QStringLiteral("·")) + stanceName(entry.first);
    lines.add(names.isEmpty() ? QStringLiteral("자세") : names, value);
}

// The sources of a row's equipment figure, in the order the sheet adds them.
void addEquipmentSources(Lines& lines, const CharacterState& state, const std::optional<Stat>& stat)
{
    const WeaponSlot& weapon = state.weapon;
    if (!stat) {
        lines.add(QStringLiteral("무기"), state.weaponAttack);
        for (int n = 1; n <= kAccessoryCount; ++n)
            lines.add(accessoryName(n), state.accessories[n].attack);
        lines.add(QStringLiteral("금강석"), weapon.attackBonus);
        return;
    }
    lines.add(QStringLiteral("무기"), weapon[*stat]);
    constexpr std::array<double AccessorySlot::*, kStatCount> accessoryFields = {
        &AccessorySlot::penetration, &AccessorySlot::accuracy, &AccessorySlot::critical, &AccessorySlot::defence,
        &AccessorySlot::block,       &AccessorySlot::evasion,  &AccessorySlot::maxLife};
    for (int n = 1; n <= kAccessoryCount; ++n)
        lines.add(accessoryName(n), state.accessories[n].*accessoryFields[static_cast<std::size_t>(*stat)]);
    for (int k = 1; k <= kPieceCount; ++k)
        lines.add(QStringLiteral("보패 %1번").arg(k), state.pieceStats[k][*stat]);
    if (*stat == Stat::Defence)
        lines.add(QStringLiteral("금강석"), weapon.defenceBonus);
    for (std::size_t g = 0; g < kSetGroups.size(); ++g)
        lines.add(kSetNames[g], state.setEffect[kSetGroups[g]][*stat]);
    if (*stat != Stat::MaxLife)
        for (int k = 1; k <= kPieceCount; ++k)
            lines.add(QStringLiteral("합성 %1번").arg(k), state.synthesis[static_cast<int>(*stat) + 1][k]);
}

// The stance that reshapes a row, if one does: 광풍 or 반격 for 방어, 발도 for 막기.
std::optional<Stance> rowStance(const CharacterState& state, const std::optional<Stat>& stat)
{
    if (stat == Stat::Defence) {
        if (state.stanceOn[Stance::Gwangpung])
            return Stance::Gwangpung;
        if (state.stanceOn[Stance::Bangyeok])
            return Stance::Bangyeok;
    }
    if (stat == Stat::Block && state.stanceOn[Stance::Baldo])
        return Stance::Baldo;
    return std::nullopt;
}

Breakdown rowBreakdown(const CharacterState& state, const StatSheet& sheet, const RowLabels& row, bool total)
{
    Lines lines;
    const SheetLabel label = total ? row.total : row.equipment;
    if (total)
        lines.add(QStringLiteral("직업 기본"), sheet.figure(static_cast<SheetLabel>(static_cast<int>(row.total) + 1)));
    addEquipmentSources(lines, state, row.stat);
    const std::optional<Stance> stance = rowStance(state, row.stat);
    // 발도 leaves the equipment figure as it is and only fixes the total at 0.
    if (stance && (total || *stance != Stance::Baldo))
        lines.remainder(stanceName(*stance), sheet.figure(label));
    return lines.finish(sheet.figure(label));
}

Breakdown rateBreakdown(const CharacterState& state, const StatSheet& sheet, SheetLabel label)
{
    Lines lines;
    const QString formula = QStringLiteral("계산값");
    auto basis = [&](const char* name, SheetLabel total) {
        lines.basis(QStringLiteral("기준 ") + QString::fromUtf8(name), sheet.figure(total));
    };
    switch (label) {
    case SheetLabel::PenetrationRate:
        basis("관통", SheetLabel::PenetrationTotal);
        lines.add(formula, sheet.penetrationRate);
        break;
    case SheetLabel::AccuracyRate:
        basis("명중", SheetLabel::AccuracyTotal);
        lines.add(formula, sheet.accuracyRate);
        break;
    case SheetLabel::CritRate:
        basis("치명", SheetLabel::CriticalTotal);
        lines.add(formula, sheet.critRateFormula);
        addStanceBonus(lines, state, state.critRateBonus,
                       {{Stance::Baldo, 5}, {Stance::Beongaebegi, 10}, {Stance::Imunjeongju, 30}});
        break;
    case SheetLabel::CritDamage:
        basis("치명", SheetLabel::CriticalTotal);
        lines.add(formula, sheet.critDamageFormula);
        addStanceBonus(lines, state, state.stanceCritDamageBonus, {{Stance::Eunsin, 50}});
        for (int n = 1; n <= kAccessoryCount; ++n)
            lines.add(accessoryName(n), state.accessories[n].critDamageBonus);
        break;
    case SheetLabel::DefenceRate:
        basis("방어", SheetLabel::DefenceTotal);
        lines.add(formula, sheet.defenceRate);
        break;
    case SheetLabel::BlockRate:
        basis("막기", SheetLabel::BlockTotal);
        lines.add(formula, sheet.blockRate);
        lines.add(QStringLiteral("금강석"), state.weapon.blockRateBonus);
        break;
    case SheetLabel::EvasionRate:
        basis("회피", SheetLabel::EvasionTotal);
        lines.add(formula, sheet.evasionRateFormula);
        addStanceBonus(lines, state, state.stealthEvasionBonus, {{Stance::Eunsin, 50}});
        addStanceBonus(lines, state, state.stanceEvasionBonus,
                       {{Stance::Baldo, 20}, {Stance::Jamip, 25}, {Stance::Cheokchujjireugi, 30}, {Stance::Namutomak, 99}});
        lines.add(QStringLiteral("금강석"), state.weapon.evasionRateBonus);
        break;
    default: break;
    }
    return lines.finish(sheet.figure(label));
}

double hundredths(double value)
{
    return std::round(value * 100) / 100;
}

// The expected attack as what each factor adds to attack plus additional damage, in hundredths; the
// last factor takes the rounding, so the lines add up to the figure shown.
Breakdown expectedAttackBreakdown(const StatSheet& sheet)
{
    const ExpectedAttackSteps steps = expectedAttackSteps(sheet);
    Lines lines;
    lines.add(QStringLiteral("공격력"), sheet.totalAttack);
    lines.add(QStringLiteral("추가피해"), sheet.totalAdditionalDamage);
    const double critical = hundredths(steps.afterCritical - steps.base);
    lines.add(QStringLiteral("치명타"), critical);
    lines.add(QStringLiteral("명중률"), hundredths(hundredths(steps.afterAccuracy - steps.base) - critical));
    lines.remainder(QStringLiteral("피해감소율"), steps.result);
    return lines.finish(sheet.expectedAttack);
}

} // namespace

bool hasBreakdown(SheetLabel label)
{
    for (const RowLabels& row : kRows)
        if (label == row.total || label == row.equipment)
            return true;
    return label >= SheetLabel::AdditionalDamage && label < SheetLabel::Count;
}

Breakdown breakdownOf(const CharacterState& state, const StatSheet& sheet, SheetLabel label)
{
    for (const RowLabels& row : kRows)
        if (label == row.total || label == row.equipment)
            return rowBreakdown(state, sheet, row, label == row.total);
    switch (label) {
    case SheetLabel::AdditionalDamage: {
        Lines lines;
        lines.add(QStringLiteral("금강석"), state.weapon.additionalDamage);
        for (int n = 1; n <= kAccessoryCount; ++n)
            lines.add(accessoryName(n), state.accessories[n].additionalDamage);
        return lines.finish(sheet.figure(label));
    }
    case SheetLabel::ExpectedAttack: return expectedAttackBreakdown(sheet);
    case SheetLabel::Count: return {};
    default: break;
    }
    if (label > SheetLabel::ExpectedAttack)
        return rateBreakdown(state, sheet, label);
    return {};
}

QString breakdownText(const Breakdown& breakdown)
{
    QString text;
    for (const BreakdownLine& line : breakdown.lines)
        text += line.name + u' ' + formatNumber(line.value) + u'\n';
    return text + QStringLiteral("합계 ") + formatNumber(breakdown.total);
}

} // namespace tessarin
