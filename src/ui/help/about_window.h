#pragma once

#include <QWidget>

namespace tessarin {

class MainWindow;

// Form8: which program and version this is, who made it, where to report errors and the licence it
// is passed on under, beside a drawn portrait.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(MainWindow& mainWindow);
};

} // namespace tessarin
