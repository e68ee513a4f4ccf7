#include "ui/weapons/weapon_editor.h"

#include "engine/numbers.h"
#include "ui/common/keyboard.h"
#include "ui/common/refresh_gate.h"
#include "ui/common/theme.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"
#include "ui/weapons/gem_selector.h"
#include "ui/weapons/weapon_slot_view.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace tessarin {

namespace {

// Text boxes and tick boxes in the editor look.
const QString kWeaponEditorStyle = QStringLiteral(
    "QLineEdit { background: #12151b; border: 1px solid #3d4250; color: #f4f1e8; padding: 0 2px;"
    " selection-background-color: #8a6d2f; }"
    "QLineEdit:focus { border-color: #ffd75e; }"
    "QCheckBox { background: transparent; spacing: 0px; }"
    "QCheckBox::indicator { width: 9px; height: 9px; border: 1px solid #b08d45; border-radius: 2px;"
    " background: #12151b; }"
    "QCheckBox::indicator:hover { border-color: #f0d68a; }"
    "QCheckBox::indicator:checked { background: #f0d68a; border-color: #fff3c4; }"
    "QScrollBar:vertical { background: #12151b; width: 9px; margin: 0; border-left: 1px solid #2a2e38; }"
    "QScrollBar::handle:vertical { background: #5c4d2e; min-height: 10px; border-radius: 3px; margin: 1px; }"
    "QScrollBar::handle:vertical:hover { background: #8a6d2f; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");

} // namespace

QString WeaponEditor::selectedText(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

double WeaponEditor::selectedValue(const QListWidget* list)
{
    return textToNumber(selectedText(list));
}

int WeaponEditor::checkedIndex(std::span<QRadioButton* const> options)
{
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

QLabel* WeaponEditor::addCaption(QWidget* parent, QAbstractButton* button, const QString& caption, int captionWidth)
{
    const QRect at = button->geometry();
    auto* label = new QLabel(caption, parent);
    label->setGeometry(at.right() + 1 + twipsToPixels(60), at.top() - twipsToPixels(30), twipsToPixels(captionWidth),
                       at.height() + twipsToPixels(60));
    label->setAlignment(Qt::AlignCenter);
    label->setBuddy(button);
    return label;
}

QRadioButton* WeaponEditor::addOption(QWidget* parent, const QString& name, QPoint at, const QString& caption,
                                      int captionWidth)
{
    auto* option = new QRadioButton(parent);
    option->setObjectName(name);
    option->setGeometry(twipsRect(at.x(), at.y(), 255, 255));
    option->setAccessibleName(caption);
    addCaption(parent, option, caption, captionWidth);
    return option;
}

WeaponEditor::WeaponEditor(MainWindow& mainWindow, const Frame& frame, const char* noneOption, QPoint shiningAt,
                           int firstSize)
    : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setWindowTitle(QString::fromUtf8(frame.title));
    // Like the other editors, the window's outer frame opens at the designed place.
    const QRect client = frame.clientTwips;
    setFixedSize(twipsToPixels(client.width()), twipsToPixels(client.height()));
    move(twipsPoint(client.x(), client.y()));
    setStyleSheet(editorStyleSheet() + kWeaponEditorStyle);

    baseFrame_ = new QGroupBox(QStringLiteral("기본 옵션"), this);
    baseFrame_->setObjectName(QStringLiteral("Frame1"));
    baseFrame_->setGeometry(twipsRect(120, 120, 4335, 975));
    auto* attackLabel = new QLabel(QStringLiteral("공격력"), baseFrame_);
    attackLabel->setObjectName(QStringLiteral("Label1"));
    attackLabel->setGeometry(twipsRect(360, 360, 975, 255));

    gem_ = new GemSelector({noneOption, shiningAt, firstSize}, this);
    gem_->setGeometry(twipsRect(120, 2640, 4335, 1815));

    confirmButton_ = new QPushButton(QStringLiteral("확인"), this);
    confirmButton_->setObjectName(QStringLiteral("Command1"));
    confirmButton_->setGeometry(twipsRect(240, 4560, 1575, 495));
    confirmButton_->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("취소"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setGeometry(twipsRect(2640, 4560, 1695, 495));
    connect(confirmButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    prepareKeyboard(this, confirmButton_, cancel);

    timer_ = mainWindow.refreshGate().addTimer(this, "Timer1", 10, [this] { refresh(); });
}

void WeaponEditor::closeEvent(QCloseEvent* event)
{
    timer_->stop();
    QWidget::closeEvent(event);
}

std::optional<WeaponEditor::SourceChoice> WeaponEditor::sourceChoice(int option, std::span<const WeaponSource> sources,
                                                                    const QListWidget* attacks,
                                                                    const ListHover& hover) const
{
    const double attack = textToNumber(shownItemText(attacks, hover));
    if (!(attack > 0) || option < 0)
        return std::nullopt;
    return SourceChoice{sources[static_cast<std::size_t>(option)], attack, gem_->choice(hover)};
}

void WeaponEditor::setConfirmEnabled(bool enabled)
{
    if (confirmButton_->isEnabled() != enabled)
        confirmButton_->setEnabled(enabled);
}

void WeaponEditor::finish(const EquippedWeapon& equipped)
{
    showEquippedWeapon(mainWindow_, equipped);
    mainWindow_.noteChange();
    close();
}

} // namespace tessarin
