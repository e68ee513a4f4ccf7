#pragma once

#include <QObject>

class QString;

namespace tessarin {

class MainWindow;

// The five accessory pictures of the main window, Image13 .. Image17: a click on a worn accessory takes
// it off, a click on an empty slot opens the accessory editor Form10 captioned with the slot's name.
class AccessorySlots : public QObject {
    Q_OBJECT

public:
    explicit AccessorySlots(MainWindow& mainWindow);

    void click(int slot);

private:
    MainWindow& mainWindow_;
};

// Loads `picture` into the main-window picture of accessory slot 1..5.
void showAccessory(MainWindow& mainWindow, int slot, const QString& picture);

} // namespace tessarin
