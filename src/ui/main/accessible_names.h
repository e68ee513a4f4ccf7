#pragma once

#include "state/character_state.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QWidget;

namespace tessarin {

class MainWindow;

// What the main window's picture controls and figures are called for a screen reader: the board
// buttons ("1줄 3번, 잃어버린 영린족 보패, 착용"), the octagon, the weapon and accessory slots, the gem,
// the set indicators, the stance buttons and hot spots, and every figure of the sheet with its caption
// ("기대공격력 348.28"). The names follow the record on each tick of the stat cycle; a tick that finds
// nothing new compares and writes nothing.
class AccessibleNames : public QObject {
    Q_OBJECT

public:
    explicit AccessibleNames(MainWindow& mainWindow);

    void refresh();

private:
    // The parts of the record the names of the picture controls say.
    struct Worn {
        OneBased<OneBased<bool, kPieceCount>, kBoardRows> pieceEquipped;
        OneBased<bool, kAccessoryCount> accessoryEquipped;
        bool weaponEquipped = false;
        double weaponAttack = 0;
        std::array<bool, 8> gemFlags{};
        std::int16_t gemStatKind = 0;
        EnumArray<Stance, bool, kStanceCount> stanceOn;
        QString classText;
        IndicatorMarks indicatorShown;
        bool lostSetPresent = false;
        bool seaSerpentSetPresent = false;
        bool operator==(const Worn&) const = default;
    };
    struct Figure {
        QLabel* label = nullptr;
        QString caption;
        bool percent = false;
        QString shown; // the text the name was made from
    };

    void nameControls();
    void nameFigures();

    MainWindow& mainWindow_;
    std::optional<Worn> named_;
    std::vector<Figure> figures_;
};

// The accessible name of a board button: "1줄 3번, 잃어버린 영린족 보패, 착용" or "… 비어 있음".
QString boardButtonName(int row, int piece, bool equipped);

} // namespace tessarin
