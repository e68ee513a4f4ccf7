#pragma once

#include "engine/build.h"
#include "engine/stat_sheet.h"

#include <QString>
#include <QStringList>

namespace tessarin {

// The character as plain text for a chat or a forum post: class, stances, weapon and gem, accessories,
// the eight pieces, then every sheet row and rate as the labels show them. Names stand in one column
// and values in the next, measured in terminal columns (a Hangul syllable is two).
QString sheetReport(const Build& build, const StatSheet& sheet);

// What differs in equipment between two builds, one item each: "직업: 검사 → 권사", "보패 3번: 없음 → 잃어버린
// 영린족 보패 · 막기 108", "합성 3번: 관통 85 → 없음", "자세 발도: 꺼짐 → 켜짐"; in the order class, weapon, gem,
// accessories, positions, synthesis, stances.
QStringList equipmentDifferences(const Build& reference, const Build& now);

// Columns a text takes in a fixed-width font: East Asian wide characters count two.
int displayColumns(const QString& text);

} // namespace tessarin
