#pragma once

#include "state/character_state.h"
#include "state/stat_block.h"

#include <QWidget>

#include <array>

class QLabel;
class QRadioButton;

namespace tessarin {

class MainWindow;

// Form13: chooses the piece to synthesize, opens the synthesis dialog for a stat and releases the
// synthesis of the chosen piece. Only equipped pieces can be chosen.
class SynthesisChooser : public QWidget {
    Q_OBJECT

public:
    explicit SynthesisChooser(MainWindow& mainWindow);

    // The piece whose option is on, 1..8, or kNoPiece. The synthesis dialog reads it.
    int selectedPiece() const;

protected:
    // Closing the chooser, by "닫기" or by its close box, closes the synthesis dialog first: the dialog
    // works on the chooser's piece and has nothing to work on without it.
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();
    void openDialog(Stat stat);
    void release();

    MainWindow& mainWindow_;
    std::array<QRadioButton*, kPieceCount> options_{};
    std::array<QLabel*, kPieceCount> labels_{};
};

} // namespace tessarin
