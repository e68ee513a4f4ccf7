#include "engine/sheet_report.h"

#include "data/catalogue.h"
#include "data/gems.h"
#include "engine/accessory_rules.h"
#include "engine/numbers.h"

#include <QStringList>

#include <utility>
#include <vector>

namespace tessarin {

namespace {

using Line = std::pair<QString, QString>;

QString joined(const std::vector<std::pair<const char*, double>>& values, const char* unit = "")
{
    QStringList parts;
    for (const auto& [name, value] : values)
        if (value != 0)
            parts.append(QString::fromUtf8(name) + u' ' + formatNumber(value) + QString::fromUtf8(unit));
    return parts.join(QStringLiteral(" · "));
}

std::vector<std::pair<const char*, double>> statValues(const StatBlock& stats)
{
    std::vector<std::pair<const char*, double>> values;
    for (std::size_t i = 0; i < kStatCount; ++i)
        values.emplace_back(kStatNames[i], stats[kAllStats[i]]);
    return values;
}

QString orNone(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("없음") : text;
}

QString weaponText(const Build& b)
{
    if (!b.weaponEquipped)
        return QStringLiteral("없음");
    auto values = statValues(b.weapon);
    values.insert(values.begin(), {"공격력", b.weaponAttack});
    values.emplace_back("추가피해", b.weapon.additionalDamage);
    return orNone(joined(values));
}

QString gemText(const Build& b)
{
    for (int kind = 1; kind <= kGemKindCount; ++kind)
        if (b.gemFlags[static_cast<std::size_t>(kind - 1)])
            return gemTooltipName(kind) +
                   (b.gemStatKind >= 1 ? QStringLiteral(" · ") + gemTooltipText(kind, b.gemStatKind) : QString());
    return QStringLiteral("없음");
}

QString accessoryText(const Build& b, int n)
{
    if (!b.accessoryEquipped[n])
        return QStringLiteral("없음");
    const AccessorySlot& a = b.accessories[n];
    QString text = joined({{"공격력", a.attack},
                           {"관통", a.penetration},
                           {"명중", a.accuracy},
                           {"치명", a.critical},
                           {"방어", a.defence},
                           {"막기", a.block},
                           {"회피", a.evasion},
                           {"추가피해", a.additionalDamage},
                           {"최대생명력", a.maxLife}});
    if (a.critDamageBonus != 0)
        text += (text.isEmpty() ? QString() : QStringLiteral(" · ")) + QStringLiteral("치명타피해량 ") +
                formatNumber(a.critDamageBonus) + u'%';
    return orNone(text);
}

QString pieceStatsText(const Build& b, int k)
{
    const BuildPiece& piece = b.pieces[k];
    if (piece.row == 0)
        return QStringLiteral("없음");
    QString text = piece.row <= kCatalogueRows ? catalogueRowPrefix(piece.row) : QStringLiteral("기타 보패");
    if (const QString stats = joined(statValues(piece.stats)); !stats.isEmpty())
        text += QStringLiteral(" · ") + stats;
    return text;
}

// "관통 77", or "" without a synthesis.
QString synthesisText(const Build& b, int k)
{
    const BuildPiece& piece = b.pieces[k];
    for (std::size_t s = 0; s < kSynthStatCount; ++s)
        if (piece.synthesis[s] != 0)
            return QString::fromUtf8(kStatNames[s]) + u' ' + QString::number(piece.synthesis[s]);
    return {};
}

QString pieceText(const Build& b, int k)
{
    const QString synthesis = synthesisText(b, k);
    return pieceStatsText(b, k) + (synthesis.isEmpty() ? QString() : QStringLiteral(" · 합성 ") + synthesis);
}

struct SheetRow {
    const char* name;
    SheetLabel total, base, equipment;
};
constexpr std::array<SheetRow, 8> kRows = {{
    {"공격력", SheetLabel::AttackTotal, SheetLabel::AttackBase, SheetLabel::AttackEquipment},
    {"관통", SheetLabel::PenetrationTotal, SheetLabel::PenetrationBase, SheetLabel::PenetrationEquipment},
    {"명중", SheetLabel::AccuracyTotal, SheetLabel::AccuracyBase, SheetLabel::AccuracyEquipment},
    {"치명", SheetLabel::CriticalTotal, SheetLabel::CriticalBase, SheetLabel::CriticalEquipment},
    {"생명력", SheetLabel::LifeTotal, SheetLabel::LifeBase, SheetLabel::LifeEquipment},
    {"방어", SheetLabel::DefenceTotal, SheetLabel::DefenceBase, SheetLabel::DefenceEquipment},
    {"막기", SheetLabel::BlockTotal, SheetLabel::BlockBase, SheetLabel::BlockEquipment},
    {"회피", SheetLabel::EvasionTotal, SheetLabel::EvasionBase, SheetLabel::EvasionEquipment},
}};

struct Figure {
    const char* name;
    SheetLabel label;
    bool percent;
};
constexpr std::array<Figure, 9> kFigures = {{
    {"추가피해", SheetLabel::AdditionalDamage, false},
    {"기대공격력", SheetLabel::ExpectedAttack, false},
    {"피해감소율", SheetLabel::PenetrationRate, true},
    {"명중률", SheetLabel::AccuracyRate, true},
    {"치명률", SheetLabel::CritRate, true},
    {"치명타피해량", SheetLabel::CritDamage, true},
    {"방어율", SheetLabel::DefenceRate, true},
    {"막기율", SheetLabel::BlockRate, true},
    {"회피율", SheetLabel::EvasionRate, true},
}};

void appendBlock(QString& out, const std::vector<Line>& lines)
{
    int width = 0;
    for (const Line& line : lines)
        width = std::max(width, displayColumns(line.first));
    for (const Line& line : lines)
        out += line.first + QString(width - displayColumns(line.first) + 2, u' ') + line.second + u'\n';
}

} // namespace

QStringList equipmentDifferences(const Build& reference, const Build& now)
{
    QStringList items;
    auto compare = [&](const QString& name, const QString& before, const QString& after) {
        if (before != after)
            items.append(name + QStringLiteral(": ") + before + QStringLiteral(" → ") + after);
    };
    compare(QStringLiteral("직업"), reference.classText, now.classText);
    compare(QStringLiteral("무기"), weaponText(reference), weaponText(now));
    compare(QStringLiteral("금강석"), gemText(reference), gemText(now));
    for (int n = 1; n <= kAccessoryCount; ++n)
        compare(accessoryName(n), accessoryText(reference, n), accessoryText(now, n));
    for (int k = 1; k <= kPieceCount; ++k)
        compare(QStringLiteral("보패 %1번").arg(k), pieceStatsText(reference, k), pieceStatsText(now, k));
    for (int k = 1; k <= kPieceCount; ++k)
        compare(QStringLiteral("합성 %1번").arg(k), orNone(synthesisText(reference, k)), orNone(synthesisText(now, k)));
    auto onOff = [](bool on) { return on ? QStringLiteral("켜짐") : QStringLiteral("꺼짐"); };
    for (int i = 0; i < kStanceCount; ++i) {
        const auto stance = static_cast<Stance>(i);
        compare(QStringLiteral("자세 ") + stanceNames()[static_cast<std::size_t>(i)], onOff(reference.stanceOn[stance]),
                onOff(now.stanceOn[stance]));
    }
    return items;
}

int displayColumns(const QString& text)
{
    int columns = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFF00 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

QString sheetReport(const Build& build, const StatSheet& sheet)
{
    std::vector<Line> equipment;
    equipment.emplace_back(QStringLiteral("직업"), build.classText);
    QStringList stances;
    for (int i = 0; i < kStanceCount; ++i)
        if (build.stanceOn[static_cast<Stance>(i)])
            stances.append(stanceNames()[static_cast<std::size_t>(i)]);
    if (!stances.isEmpty())
        equipment.emplace_back(QStringLiteral("자세"), stances.join(QStringLiteral(", ")));
    equipment.emplace_back(QStringLiteral("무기"), weaponText(build));
    equipment.emplace_back(QStringLiteral("금강석"), gemText(build));
    for (int n = 1; n <= kAccessoryCount; ++n)
        equipment.emplace_back(accessoryName(n), accessoryText(build, n));
    for (int k = 1; k <= kPieceCount; ++k)
        equipment.emplace_back(QStringLiteral("보패 %1번").arg(k), pieceText(build, k));

    std::vector<Line> figures;
    for (const SheetRow& row : kRows) {
        const bool stanceForm = row.total == SheetLabel::BlockTotal && sheet.blockStanceRow;
        figures.emplace_back(QString::fromUtf8(row.name),
                             sheetText(sheet, row.total) + QStringLiteral(" ( ") + sheetText(sheet, row.base) +
                                 QStringLiteral(" + ") + sheetText(sheet, row.equipment) +
                                 (stanceForm ? QString() : QStringLiteral(" )")));
    }
    for (const Figure& figure : kFigures)
        figures.emplace_back(QString::fromUtf8(figure.name),
                             sheetText(sheet, figure.label) + (figure.percent ? QStringLiteral("%") : QString()));

    QString out;
    appendBlock(out, equipment);
    out += u'\n';
    appendBlock(out, figures);
    return out;
}

} // namespace tessarin
