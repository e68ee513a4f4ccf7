#include "ui/synthesis/synthesis_chooser.h"

#include "data/synthesis_stones.h"
#include "engine/synthesis_rules.h"
#include "ui/common/keyboard.h"
#include "ui/common/hot_label.h"
#include "ui/common/messages.h"
#include "ui/common/refresh_gate.h"
#include "ui/main/main_window.h"
#include "ui/synthesis/synthesis_controls.h"
#include "ui/synthesis/synthesis_dialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <cstddef>

namespace tessarin {

namespace {

// Odd pieces in the upper row, even pieces in the lower, four columns.
constexpr std::array<int, 4> kColumnLefts = {240, 1440, 2640, 3840};

struct StatButtonLayout {
    int left;
    int top;
    int width;
};

// Command1 .. Command6, in stat order 관통 .. 회피.
constexpr std::array<StatButtonLayout, kSynthStatCount> kStatButtons = {{
    {240, 1200, 1335},
    {1800, 1200, 1455},
    {3480, 1200, 1455},
    {240, 1680, 1335},
    {1800, 1680, 1455},
    {3480, 1680, 1455},
}};

} // namespace

SynthesisChooser::SynthesisChooser(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("착용한 보패 합성"));
    setFixedSize(twipsToPixels(5115), twipsToPixels(2745));
    move(twipsPoint(6465, 7410));
    setStyleSheet(synthesis::synthesisStyleSheet());

    auto* group = new QButtonGroup(this);
    for (int k = 1; k <= kPieceCount; ++k) {
        const auto index = static_cast<std::size_t>(k - 1);
        const int left = kColumnLefts[index / 2];
        const int top = k % 2 == 1 ? 240 : 720;
        auto* option = place(new QRadioButton(this), QStringLiteral("Option%1").arg(k), left, top, 255, 255);
        group->addButton(option, k);
        // Label1 stands ten twips lower than the others in the design.
        auto* label =
            place(new HotLabel(this), QStringLiteral("Label%1").arg(k), left + 240, k == 1 ? 250 : top, 735, 255);
        label->setText(QStringLiteral("%1번 보패").arg(k));
        // The marks are small; the piece's name beside its mark chooses it as well.
        connect(label, &HotLabel::clicked, option, [option] {
            if (option->isEnabled())
                option->click();
        });
        options_[index] = option;
        labels_[index] = label;
    }

    for (std::size_t i = 0; i < kStatButtons.size(); ++i) {
        const StatButtonLayout& at = kStatButtons[i];
        const Stat stat = kSynthesisStats[i];
        auto* button = place(new QPushButton(synthesisCaption(stat), this), QStringLiteral("Command%1").arg(i + 1),
                             at.left, at.top, at.width, 375);
        connect(button, &QPushButton::clicked, this, [this, stat] { openDialog(stat); });
    }
    auto* release =
        place(new QPushButton(QStringLiteral("합성 해제"), this), QStringLiteral("Command8"), 720, 2160, 1455, 375);
    connect(release, &QPushButton::clicked, this, &SynthesisChooser::release);
    auto* closeButton =
        place(new QPushButton(QStringLiteral("닫기"), this), QStringLiteral("Command7"), 2520, 2160, 1455, 375);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    prepareKeyboard(this, nullptr, closeButton);

    mainWindow_.refreshGate().addTimer(this, "Timer1", 10, &SynthesisChooser::refresh);
    refresh(); // the window never shows an unequipped piece as choosable, not even for its first 10 ms
}

int SynthesisChooser::selectedPiece() const
{
    for (int k = 1; k <= kPieceCount; ++k)
        if (options_[static_cast<std::size_t>(k - 1)]->isChecked())
            return k;
    return kNoPiece;
}

void SynthesisChooser::refresh()
{
    // Only the enabled state follows the board; a chosen piece that is taken off stays chosen, greyed.
    const CharacterState& state = mainWindow_.state();
    for (int k = 1; k <= kPieceCount; ++k) {
        const auto index = static_cast<std::size_t>(k - 1);
        const bool equipped = pieceIsEquipped(state, k);
        synthesis::setEnabledIfChanged(options_[index], equipped);
        synthesis::setEnabledIfChanged(labels_[index], equipped);
    }
}

void SynthesisChooser::openDialog(Stat stat)
{
    auto* dialog = mainWindow_.windows().show<SynthesisDialog>(QStringLiteral("Form14"),
                                                               [this] { return new SynthesisDialog(mainWindow_); });
    dialog->openFor(stat);
}

void SynthesisChooser::release()
{
    const QString message = releaseSynthesis(mainWindow_.state(), selectedPiece());
    mainWindow_.noteChange();
    showMessage(this, message);
}

void SynthesisChooser::closeEvent(QCloseEvent* event)
{
    mainWindow_.windows().close(QStringLiteral("Form14"));
    event->accept();
}

} // namespace tessarin
