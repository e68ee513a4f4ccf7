#pragma once

class QWidget;

namespace tessarin {

// Creates the shared record and the main window, shows it and returns it. The program, its tests and
// any other harness that drives the real program start here. A QApplication must exist.
QWidget* createMainWindow();

} // namespace tessarin
