#pragma once

#include "engine/build.h"
#include "state/character_state.h"
#include "ui/common/window_registry.h"
#include "ui/main/stat_sheet_view.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace tessarin {
class RefreshGate;
}

namespace tessarin {

// Form1: the borderless character window. It owns the shared record for the whole run, drives the
// stat cycle and the set-effect cycles with its timers, and opens every other window.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    CharacterState& state() { return state_; }
    WindowRegistry& windows() { return windows_; }
    // Every refresh timer of the program (Timer2-Timer5 here, the editors' Timer1) is made through the gate.
    RefreshGate& refreshGate() { return *refreshGate_; }

    // Board button of row 1..4, piece 1..8.
    QPushButton* boardButton(int row, int piece) const;
    // Octagon picture of piece position 1..8 (Image1 .. Image8).
    QLabel* piecePicture(int piece) const;
    // Runs the set-effect indicator rule once and loads the pictures it asks for.
    void refreshIndicators();
    // One tick of the stat cycle: recompute the sheet and rewrite the labels whose figure changed.
    void statCycle();

    // The build the window shows. An open sea-serpent editor's preview of sub-options over an empty slot
    // is not part of it (closing the editor puts the slot back).
    Build currentBuild() const;
    // Closes the editors, then shows the build: record, pictures, stance buttons and labels, class box.
    void showBuild(const Build& build);
    // An action changed the build: once it has run to its end, it becomes one undo step.
    void noteChange();
    // Makes the step of a noted change now, when one is waiting.
    void settleChange();
    BuildHistory& history() { return history_; }
    // Closes every editor and chooser (not the help windows).
    void closeEditors();
    // The close mark: asks `closeGuard` first, when one is set, whether the program may end.
    void requestClose();
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

signals:
    // A step was made, or a build shown by undo, redo or a file.
    void buildChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStatSheet();
    void buildBoard();
    void buildStances();
    void buildTimers();
    void onClassPicked(int index);
    void onStanceClicked(int button);
    void onStripPressed(QPointF position);
    void onStripMoved(QPointF position, Qt::MouseButtons buttons);
    void recordChange();
    BuildMarks marks() const;
    void showIndicatorPlaceholder(int indicator);
    QLabel* accessoryPicture(int slot) const;

    CharacterState state_;
    WindowRegistry windows_;
    std::unique_ptr<StatSheetView> sheetView_;
    QComboBox* classBox_ = nullptr;
    std::array<std::array<QPushButton*, kPieceCount>, kBoardRows> board_{};
    std::array<QLabel*, kPieceCount> piecePictures_{};
    std::array<QLabel*, 3> indicators_{};
    std::array<QPushButton*, 4> stanceButtons_{};
    std::array<QLabel*, 4> stanceLabels_{};
    QLabel* weaponPicture_ = nullptr;
    QLabel* gemPicture_ = nullptr;
    QPixmap background_;
    RefreshGate* refreshGate_ = nullptr;
    bool iconGiven_ = false;
    BuildHistory history_;
    bool changePending_ = false;
    std::function<bool()> closeGuard_;
};

} // namespace tessarin
