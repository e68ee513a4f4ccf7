#pragma once

#include <QObject>

namespace tessarin {

class MainWindow;

// The 32 board buttons of the main window: a click takes an equipped piece off, or opens the editor of
// its row filled for that piece.
class SoulShieldBoard : public QObject {
    Q_OBJECT

public:
    explicit SoulShieldBoard(MainWindow& mainWindow);

    void click(int row, int piece);

private:
    MainWindow& mainWindow_;
};

} // namespace tessarin
