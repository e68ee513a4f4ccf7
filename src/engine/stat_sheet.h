#pragma once

#include "state/character_state.h"

#include <QString>

#include <array>

namespace tessarin {

// Every figure of the character sheet, by the label that shows it.
// clang-format off
enum class SheetLabel : int {
    // totals, base, equipment of the eight rows
    AttackTotal, AttackBase, AttackEquipment,                // Label44, Label23, Label25
    PenetrationTotal, PenetrationBase, PenetrationEquipment, // Label45, Label24, Label37
    AccuracyTotal, AccuracyBase, AccuracyEquipment,          // Label46, Label26, Label38
    CriticalTotal, CriticalBase, CriticalEquipment,          // Label14, Label27, Label39
    LifeTotal, LifeBase, LifeEquipment,                      // Label51, Label36, Label50
    DefenceTotal, DefenceBase, DefenceEquipment,             // Label47, Label40, Label3
    BlockTotal, BlockBase, BlockEquipment,                   // Label48, Label41, Label13
    EvasionTotal, EvasionBase, EvasionEquipment,             // Label49, Label42, Label43
    AdditionalDamage,                                        // Label35
    ExpectedAttack,                                          // Label1
    PenetrationRate,                                         // Label2
    AccuracyRate,                                            // Label4
    CritRate,                                                // Label5
    CritDamage,                                              // Label16
    DefenceRate,                                             // Label6
    BlockRate,                                               // Label7
    EvasionRate,                                             // Label8
    Count
};
// clang-format on
inline constexpr int kSheetLabelCount = static_cast<int>(SheetLabel::Count);

// Object names of the labels, in SheetLabel order.
extern const std::array<const char*, kSheetLabelCount> kSheetLabelNames;

// Everything one tick of the stat cycle produces: the figure of each label, the block row's stance
// form, and the engine figures that are kept in the record.
struct StatSheet : EngineFigures {
    std::array<double, kSheetLabelCount> figures{};
    // 발도: the block row reads "X - (B + X))" in its equipment label, its total 0, and the
    // separate closing bracket is hidden.
    bool blockStanceRow = false;
    double blockBasePlusEquipment = 0;
    // What the rate formulas give before the stance bonuses that critRate, critDamage and evasionRate
    // include; the breakdown of a rate shows them.
    double critRateFormula = 0;
    double critDamageFormula = 0;
    double evasionRateFormula = 0;

    double figure(SheetLabel label) const { return figures[static_cast<std::size_t>(label)]; }
};

// The expected attack, step by step: attack plus additional damage, then the critical factor, the
// accuracy rate and the damage-reduction rate applied in turn, and the rounded result.
struct ExpectedAttackSteps {
    double base = 0;
    double afterCritical = 0;
    double afterAccuracy = 0;
    double afterPenetration = 0;
    double result = 0;
};
// From a sheet's totals and rates (the engine figures, before the accessories' critical-damage bonus).
ExpectedAttackSteps expectedAttackSteps(const StatSheet& sheet);

// The character sheet as a pure function of the record. Every figure that the sheet derives from a
// shown number uses the number as shown (formatted, then read back).
StatSheet computeSheet(const CharacterState& state);

// The text a label shows for the sheet.
QString sheetText(const StatSheet& sheet, SheetLabel label);

// Keeps the engine figures of a computed sheet in the record.
void storeEngineFigures(CharacterState& state, const StatSheet& sheet);

// A rate formula: factor × bracket / denominator, as written; 0 when the denominator is 0 (only typed-in
// negative totals reach it), and never an infinity.
double rateFormula(double factor, double bracket, double denominator);

} // namespace tessarin
