#pragma once

#include <QWidget>

namespace tessarin {

class MainWindow;

// Form2: picks the kind of weapon and opens its editor.
class WeaponChooser : public QWidget {
    Q_OBJECT

public:
    explicit WeaponChooser(MainWindow& mainWindow);

private:
    void openEditor(int kind);

    MainWindow& mainWindow_;
};

} // namespace tessarin
