#include "engine/stat_sheet.h"

#include "engine/numbers.h"

#include <cmath>

namespace tessarin {

const std::array<const char*, kSheetLabelCount> kSheetLabelNames = {
    "Label44", "Label23", "Label25", "Label45", "Label24", "Label37", "Label46", "Label26", "Label38",
    "Label14", "Label27", "Label39", "Label51", "Label36", "Label50", "Label47", "Label40", "Label3",
    "Label48", "Label41", "Label13", "Label49", "Label42", "Label43", "Label35", "Label1",  "Label2",
    "Label4",  "Label5",  "Label16", "Label6",  "Label7",  "Label8"};

double rateFormula(double factor, double bracket, double denominator)
{
    if (denominator == 0)
        return 0;
    double value = factor * bracket / denominator;
    if (!std::isfinite(value))
        value = factor * (bracket / denominator); // the product alone overflowed
    return finiteOrClamped(value);
}

namespace {

template <typename Field> double accessorySum(const CharacterState& state, Field field)
{
    double sum = 0;
    for (const AccessorySlot& slot : state.accessories)
        sum += slot.*field;
    return sum;
}

double synthesisSum(const CharacterState& state, Stat stat)
{
    double sum = 0;
    for (std::int16_t amount : state.synthesis[static_cast<int>(stat) + 1])
        sum += amount;
    return sum;
}

double setEffectSum(const CharacterState& state, Stat stat)
{
    return state.setEffect[SetGroup::Lost][stat] + state.setEffect[SetGroup::SeaSerpent][stat] +
           state.setEffect[SetGroup::Free][stat];
}

// weapon + accessories + pieces + set effects + synthesis, in that order.
double equipmentSum(const CharacterState& state, const StatBlock& shield, Stat stat, double weaponValue,
                    double AccessorySlot::*accessoryField)
{
    double sum = weaponValue + accessorySum(state, accessoryField) + shield[stat];
    sum += state.setEffect[SetGroup::Lost][stat];
    sum += state.setEffect[SetGroup::SeaSerpent][stat];
    sum += state.setEffect[SetGroup::Free][stat];
    return sum + synthesisSum(state, stat);
}

} // namespace

ExpectedAttackSteps expectedAttackSteps(const StatSheet& sheet)
{
    ExpectedAttackSteps steps;
    steps.base = sheet.totalAttack + sheet.totalAdditionalDamage;
    const double f = ((sheet.critRate / 100) * sheet.critDamage) / 100 + 1 - sheet.critRate / 100;
    steps.afterCritical = steps.base * f;
    steps.afterAccuracy = steps.afterCritical * (sheet.accuracyRate / 100);
    steps.afterPenetration = finiteOrClamped(steps.afterAccuracy * (sheet.penetrationRate / 100 + 1));
    steps.result = roundRate(steps.afterPenetration);
    return steps;
}

StatSheet computeSheet(const CharacterState& state)
{
    StatSheet sheet;
    // A figure that later figures are computed from: kept as shown, i.e. written and read back.
    auto set = [&sheet](SheetLabel label, double value) {
        const double shown = displayed(value);
        sheet.figures[static_cast<std::size_t>(label)] = shown;
        return shown;
    };
    // A figure that is only shown: its text is the same either way, so the read-back is skipped.
    auto show = [&sheet](SheetLabel label, double value) {
        sheet.figures[static_cast<std::size_t>(label)] = finiteOrClamped(value);
    };
    // A row: equipment label, then total := base label + equipment label, as shown.
    auto row = [&](SheetLabel total, SheetLabel base, SheetLabel equipment, double baseValue, double equipmentValue) {
        const double b = set(base, baseValue);
        const double e = set(equipment, equipmentValue);
        return set(total, b + e);
    };

    StatBlock& shield = sheet.shieldTotals;
    for (int k = 1; k <= kPieceCount; ++k)
        for (Stat stat : kAllStats)
            shield[stat] += state.pieceStats[k][stat];

    const WeaponSlot& weapon = state.weapon;
    const ClassBase& base = state.classBase;

    const double attackEquipment =
        state.weaponAttack + accessorySum(state, &AccessorySlot::attack) + weapon.attackBonus;
    sheet.totalAttack =
        row(SheetLabel::AttackTotal, SheetLabel::AttackBase, SheetLabel::AttackEquipment, base.attack, attackEquipment);

    sheet.totalPenetration = row(
        SheetLabel::PenetrationTotal, SheetLabel::PenetrationBase, SheetLabel::PenetrationEquipment, base.penetration,
        equipmentSum(state, shield, Stat::Penetration, weapon.penetration, &AccessorySlot::penetration));
    sheet.totalAccuracy =
        row(SheetLabel::AccuracyTotal, SheetLabel::AccuracyBase, SheetLabel::AccuracyEquipment, base.accuracy,
            equipmentSum(state, shield, Stat::Accuracy, weapon.accuracy, &AccessorySlot::accuracy));
    sheet.totalCritical =
        row(SheetLabel::CriticalTotal, SheetLabel::CriticalBase, SheetLabel::CriticalEquipment, base.critical,
            equipmentSum(state, shield, Stat::Critical, weapon.critical, &AccessorySlot::critical));

    // Defence: 광풍 makes the whole sum five times; 반격 doubles base, weapon, pieces and synthesis only.
    {
        const double b = displayed(base.defence);
        const double w = weapon.defence;
        const double a = accessorySum(state, &AccessorySlot::defence);
        const double s = shield.defence;
        const double g = weapon.defenceBonus;
        const double f = setEffectSum(state, Stat::Defence);
        const double y = synthesisSum(state, Stat::Defence);
        double equipment = 0;
        if (state.stanceOn[Stance::Gwangpung])
            equipment = (b + w + a + s + g + f + y) * 5 - b;
        else if (state.stanceOn[Stance::Bangyeok])
            equipment = ((b + w + s + y) * 2 - b) + a + g + f;
        else
            equipment = w + a + s + g + f + y;
        sheet.totalDefence = row(SheetLabel::DefenceTotal, SheetLabel::DefenceBase, SheetLabel::DefenceEquipment,
                                 base.defence, equipment);
    }

    // Block: 발도 fixes the total at 0 and folds the closing bracket into the equipment text.
    {
        const double x = equipmentSum(state, shield, Stat::Block, weapon.block, &AccessorySlot::block);
        const double b = set(SheetLabel::BlockBase, base.block);
        if (state.stanceOn[Stance::Baldo]) {
            sheet.blockStanceRow = true;
            set(SheetLabel::BlockEquipment, x);
            sheet.blockBasePlusEquipment = displayed(b + x);
            sheet.totalBlock = set(SheetLabel::BlockTotal, 0);
        } else {
            const double e = set(SheetLabel::BlockEquipment, x);
            sheet.totalBlock = set(SheetLabel::BlockTotal, b + e);
        }
    }

    sheet.totalEvasion =
        row(SheetLabel::EvasionTotal, SheetLabel::EvasionBase, SheetLabel::EvasionEquipment, base.evasion,
            equipmentSum(state, shield, Stat::Evasion, weapon.evasion, &AccessorySlot::evasion));

    sheet.totalAdditionalDamage = set(SheetLabel::AdditionalDamage,
                                      weapon.additionalDamage + accessorySum(state, &AccessorySlot::additionalDamage));

    {
        const double life = weapon.maxLife + accessorySum(state, &AccessorySlot::maxLife) + shield.maxLife +
                            state.setEffect[SetGroup::Lost].maxLife + state.setEffect[SetGroup::SeaSerpent].maxLife +
                            state.setEffect[SetGroup::Free].maxLife;
        row(SheetLabel::LifeTotal, SheetLabel::LifeBase, SheetLabel::LifeEquipment, base.maxLife, life);
    }

    const double p = sheet.totalPenetration;
    const double a = sheet.totalAccuracy;
    const double c = sheet.totalCritical;
    sheet.penetrationRate = roundRate(rateFormula(103.704354, p, p + 3420.063717));
    sheet.accuracyRate = roundRate(rateFormula(179.1190101, a + 1464.784488, a + 3086.908886));
    sheet.critRateFormula = roundRate(rateFormula(97.02217407, c, c + 2367.805229));
    sheet.critRate = finiteOrClamped(sheet.critRateFormula + state.critRateBonus);
    sheet.critDamageFormula = roundRate(rateFormula(222.4125061, c + 4120.05622, c + 7330.570865));
    sheet.critDamage = finiteOrClamped(sheet.critDamageFormula + state.stanceCritDamageBonus);
    sheet.expectedAttack = expectedAttackSteps(sheet).result;

    show(SheetLabel::ExpectedAttack, sheet.expectedAttack);
    show(SheetLabel::PenetrationRate, sheet.penetrationRate);
    show(SheetLabel::AccuracyRate, sheet.accuracyRate);
    show(SheetLabel::CritRate, sheet.critRate);
    show(SheetLabel::CritDamage, sheet.critDamage + accessorySum(state, &AccessorySlot::critDamageBonus));

    const double d = sheet.totalDefence;
    sheet.defenceRate = roundRate(rateFormula(94.90128, d - 0.48391, d + 3113.833));
    show(SheetLabel::DefenceRate, sheet.defenceRate);

    const double k = sheet.totalBlock;
    sheet.blockRate = roundRate(rateFormula(96.73944, k, k + 1556.326));
    show(SheetLabel::BlockRate, sheet.blockRate + weapon.blockRateBonus);

    const double e = sheet.totalEvasion;
    sheet.evasionRateFormula = roundRate(rateFormula(95.03105, e + 0.01363, e + 3121.923));
    sheet.evasionRate =
        finiteOrClamped(sheet.evasionRateFormula + state.stealthEvasionBonus + state.stanceEvasionBonus);
    show(SheetLabel::EvasionRate, sheet.evasionRate + weapon.evasionRateBonus);
    return sheet;
}

QString sheetText(const StatSheet& sheet, SheetLabel label)
{
    const double value = sheet.figure(label);
    if (label == SheetLabel::BlockEquipment && sheet.blockStanceRow)
        return formatNumber(value) + QStringLiteral(" - ") + formatNumber(sheet.blockBasePlusEquipment) + u')';
    return formatNumber(value);
}

void storeEngineFigures(CharacterState& state, const StatSheet& sheet)
{
    static_cast<EngineFigures&>(state) = sheet;
}

} // namespace tessarin
