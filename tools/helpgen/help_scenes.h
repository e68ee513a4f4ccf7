#pragma once

#include "helpgen/help_page_layout.h"

#include <QList>

namespace tessarin {
class MainWindow;
}

namespace tessarin::helpgen {

// The thirteen help pages 도움말1.jpg … 도움말13.jpg, numbered 1..13 in slideshow order.
inline constexpr int kPageCount = 13;

// Title, size and text of page 1..13.
PageText pageText(int page);

// Drives the real windows, as a player would, from a freshly opened main window into the state page
// 1..13 shows, and grabs them. The windows stay open; the caller closes them.
QList<Panel> stagePage(MainWindow& main, int page);

} // namespace tessarin::helpgen
