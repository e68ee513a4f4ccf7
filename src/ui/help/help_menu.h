#pragma once

#include <QWidget>

namespace tessarin {

class MainWindow;

// Form7: the help menu. Each of its buttons opens one slideshow or the about window and closes the
// others, so at most one of them is open; "닫기" closes them all and the menu.
class HelpMenu : public QWidget {
    Q_OBJECT

public:
    explicit HelpMenu(MainWindow& mainWindow);

private:
    // Closes the slideshows and the about window except `keep`.
    void closeHelpWindows(const QString& keep = {});

    MainWindow& mainWindow_;
};

} // namespace tessarin
