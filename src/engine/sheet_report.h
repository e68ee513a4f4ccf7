#pragma once

#include "engine/build.h"
#include "engine/stat_sheet.h"

#include <QString>

namespace tessarin {

// The character as plain text for a chat or a forum post: class, stances, weapon and gem, accessories,
// the eight pieces, then every sheet row and rate as the labels show them. Names stand in one column
// and values in the next, measured in terminal columns (a Hangul syllable is two).
QString sheetReport(const Build& build, const StatSheet& sheet);

// Columns a text takes in a fixed-width font: East Asian wide characters count two.
int displayColumns(const QString& text);

} // namespace tessarin
