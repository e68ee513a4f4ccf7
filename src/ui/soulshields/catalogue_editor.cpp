#include "ui/soulshields/catalogue_editor.h"

#include "data/catalogue.h"
#include "engine/numbers.h"
#include "engine/soulshield_rules.h"
#include "ui/common/keyboard.h"
#include "ui/common/pictures.h"
#include "ui/common/placement.h"
#include "ui/common/refresh_gate.h"
#include "ui/common/theme.h"
#include "ui/common/twips.h"
#include "ui/common/wrapping_label.h"
#include "ui/main/main_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tessarin {

namespace {

// The number the selected item of a list reads; 0 without a selection.
double listValue(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? textToNumber(item->text()) : 0;
}

} // namespace

CatalogueEditor::CatalogueEditor(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("잃어버린 영린족 보패 1번"));
    setFixedSize(twipsToPixels(3480), twipsToPixels(4125));
    move(twipsPoint(6975, 6105));
    setStyleSheet(editorStyleSheet());

    auto* frame = place(new QGroupBox(this), "Frame4", 0, 0, 3495, 4455);
    auto* mainFrame = place(new QGroupBox(QStringLiteral("주 옵션"), frame), "Frame5", 120, 240, 3135, 975);
    mainLabel_ = place(new WrappingLabel(QStringLiteral("명중"), mainFrame), "Label33", 120, 360, 975, 375);
    // Captions start at the top of their box, level with the option mark beside them.
    mainLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    mainValues_ = place(new QListWidget(mainFrame), "List1", 1320, 240, 1575, 645);

    auto* subFrame = place(new QGroupBox(QStringLiteral("부가 옵션"), frame), "Frame6", 120, 1440, 3135, 1815);
    auto* group = new QButtonGroup(this);
    const std::array<const char*, 3> optionNames = {"Option1", "Option2", "Option3"};
    const std::array<const char*, 3> labelNames = {"Label34", "Label35", "Label36"};
    const std::array<const char*, 3> labelTexts = {"막기", "치명", "회피"};
    const std::array<const char*, 3> listNames = {"List2", "List3", "List4"};
    for (int i = 0; i < 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const int top = 360 + 480 * i;
        subOptions_[index] = place(new QRadioButton(subFrame), optionNames[index], 120, top, 255, i == 0 ? 195 : 255);
        group->addButton(subOptions_[index], i + 1);
        subLabels_[index] = place(new WrappingLabel(QString::fromUtf8(labelTexts[index]), subFrame), labelNames[index],
                                  480, top, 615, 375);
        subLabels_[index]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        subValues_[index] = place(new QListWidget(subFrame), listNames[index], 1320, 240 + 480 * i, 1575, 450);
        connect(subOptions_[index], &QRadioButton::clicked, this, [this, i] { chooseSubOption(i + 1); });
    }

    confirmButton_ = place(new QPushButton(QStringLiteral("확인"), frame), "Command35", 240, 3360, 1335, 495);
    auto* cancel = place(new QPushButton(QStringLiteral("취소"), frame), "Command36", 1800, 3360, 1335, 495);
    connect(confirmButton_, &QPushButton::clicked, this, &CatalogueEditor::confirm);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    prepareKeyboard(this, confirmButton_, cancel);

    mainWindow.refreshGate().addTimer(this, "Timer1", 10, &CatalogueEditor::refreshConfirm);
}

void CatalogueEditor::fill(const CatalogueEntry& entry)
{
    mainValues_->clear();
    for (QListWidget* list : subValues_)
        list->clear();
    setWindowTitle(entry.caption());
    for (int value : entry.mainValues)
        mainValues_->addItem(QString::number(value));
    for (std::size_t i = 0; i < 3; ++i) {
        for (int value : entry.subOptions[i].values)
            subValues_[i]->addItem(QString::number(value));
        subLabels_[i]->setText(QString::fromUtf8(kStatNames[static_cast<std::size_t>(entry.subOptions[i].stat)]));
    }
    mainLabel_->setText(QString::fromUtf8(entry.mainLabel));
    confirmButton_->setEnabled(false);
    for (QListWidget* list : subValues_)
        list->setEnabled(false);
    nameControlsByCaptions(this); // the captions of the options changed with the piece
}

void CatalogueEditor::chooseSubOption(int subOption)
{
    for (int i = 1; i <= 3; ++i)
        subValues_[static_cast<std::size_t>(i - 1)]->setEnabled(i == subOption);
}

void CatalogueEditor::refreshConfirm()
{
    if (!(listValue(mainValues_) > 0)) {
        confirmButton_->setEnabled(false);
        return;
    }
    for (QListWidget* list : subValues_) {
        if (list->isEnabled()) {
            confirmButton_->setEnabled(listValue(list) > 0);
            return;
        }
    }
    // No sub-option list is enabled: the button keeps its state.
}

int CatalogueEditor::chosenSubOption() const
{
    for (int i = 0; i < 3; ++i)
        if (subOptions_[static_cast<std::size_t>(i)]->isChecked())
            return i + 1;
    return 0;
}

CatalogueEditor::Choice CatalogueEditor::choice(const ListHover& hover) const
{
    const int subOption = chosenSubOption();
    const double subValue =
        subOption ? textToNumber(shownItemText(subValues_[static_cast<std::size_t>(subOption - 1)], hover)) : 0;
    return {catalogueEntryByCaption(windowTitle()), textToNumber(shownItemText(mainValues_, hover)), subOption,
            subValue};
}

QString CatalogueEditor::equip(CharacterState& state, const Choice& choice)
{
    return equipCataloguePiece(state, *choice.entry, choice.mainValue, choice.subOption, choice.subValue);
}

std::optional<Candidate> CatalogueEditor::previewCandidate(const ListHover& hover) const
{
    const Choice chosen = choice(hover);
    if (!chosen.entry || !(chosen.mainValue > 0))
        return std::nullopt;
    // "확인" follows the first enabled sub-option list; with none enabled it keeps its state.
    bool enabled = confirmButton_->isEnabled();
    for (QListWidget* list : subValues_) {
        if (list->isEnabled()) {
            enabled = textToNumber(shownItemText(list, hover)) > 0;
            break;
        }
    }
    if (!enabled)
        return std::nullopt;
    return [chosen](CharacterState& state) { equip(state, chosen); };
}

void CatalogueEditor::confirm()
{
    const Choice chosen = choice({});
    if (!chosen.entry)
        return; // the board always sets a catalogue caption
    const QString picture = equip(mainWindow_.state(), chosen);
    loadPicture(mainWindow_.piecePicture(chosen.entry->piece), picture);
    mainWindow_.refreshIndicators();
    mainWindow_.noteChange();
    close();
}

} // namespace tessarin
