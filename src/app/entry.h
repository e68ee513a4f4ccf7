#pragma once

#include <QString>

class QWidget;

namespace tessarin {

// Creates the shared record and the main window, shows it and returns it. The program, its tests and
// any other harness that drives the real program start here. A QApplication must exist.
// With `buildFile`, the window then opens that build file (a refused file is reported and the start
// state stays).
QWidget* createMainWindow(const QString& buildFile = {});

} // namespace tessarin
