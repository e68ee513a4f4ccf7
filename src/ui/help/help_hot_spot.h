#pragma once

#include <QObject>

namespace tessarin {

class MainWindow;

// The help button drawn on the main window (the hot spot Label33): a click opens the help menu Form7 and
// sets the item-equipping slideshow back to its first page.
class HelpHotSpot : public QObject {
    Q_OBJECT

public:
    explicit HelpHotSpot(MainWindow& mainWindow);

    void open();

private:
    MainWindow& mainWindow_;
};

} // namespace tessarin
