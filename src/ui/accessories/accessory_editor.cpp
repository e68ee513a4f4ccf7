#include "ui/accessories/accessory_editor.h"

#include "engine/numbers.h"
#include "ui/accessories/accessory_slots.h"
#include "ui/common/keyboard.h"
#include "ui/common/placement.h"
#include "ui/common/theme.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessarin {

namespace {

// Text boxes in the editor look.
const QString kTextBoxStyle =
    QStringLiteral("QLineEdit { background: #12151b; border: 1px solid #3d4250; color: #f4f1e8; padding: 0 2px;"
                   " selection-background-color: #8a6d2f; }"
                   "QLineEdit:focus { border-color: #ffd75e; }");

struct Row {
    const char* caption;
    int left; // twips
};

// Text1 .. Text10, top to bottom.
constexpr std::array<Row, kAccessoryFieldCount> kRows = {{
    {"공격력", 120},
    {"치명타피해량", 120},
    {"관통", 120},
    {"명중", 120},
    {"치명", 120},
    {"방어", 120},
    {"막기", 120},
    {"회피", 120},
    {"추가 피해", 240},
    {"최대생명력", 240},
}};

} // namespace

AccessoryEditor::AccessoryEditor(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setFixedSize(twipsToPixels(2595), twipsToPixels(4560));
    move(twipsPoint(7410, 5820));
    setStyleSheet(editorStyleSheet() + kTextBoxStyle);

    auto* frame = place(new QGroupBox(this), "Frame1", 0, 120, 2535, 4455);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const int top = 120 + 360 * static_cast<int>(i);
        auto* box = place(new QLineEdit(frame), nullptr, 1440, top, 615, 285);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        // Typed fractions must read as fractions: lighter hinting draws "12.5" as "12,5" at this size.
        QFont sharp = box->font();
        sharp.setHintingPreference(QFont::PreferFullHinting);
        box->setFont(sharp);
        // The caption runs from its designed left edge up to the box, level with the box's text.
        const int left = kRows[i].left;
        auto* caption =
            place(new QLabel(QString::fromUtf8(kRows[i].caption), frame), nullptr, left, top, 1440 - 60 - left, 285);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        caption->setBuddy(box);
        boxes_[i] = box;
    }
    place(new QLabel(QStringLiteral("%"), frame), nullptr, 2160, 510, 255, 255)
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* confirmButton = place(new QPushButton(QStringLiteral("확인"), frame), "Command1", 240, 3720, 855, 495);
    auto* cancel = place(new QPushButton(QStringLiteral("취소"), frame), "Command2", 1440, 3720, 855, 495);
    connect(confirmButton, &QPushButton::clicked, this, &AccessoryEditor::confirm);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    prepareKeyboard(this, confirmButton, cancel);
}

int AccessoryEditor::slot() const
{
    return accessorySlotByName(windowTitle());
}

AccessoryValues AccessoryEditor::values() const
{
    AccessoryValues values{};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        values[i] = textToNumber(boxes_[i]->text());
    return values;
}

std::optional<Candidate> AccessoryEditor::previewCandidate(const ListHover&) const
{
    if (slot() == 0)
        return std::nullopt;
    return [slot = slot(), values = values()](CharacterState& state) { equipAccessory(state, slot, values); };
}

void AccessoryEditor::confirm()
{
    const int named = slot();
    if (named == 0)
        return; // a slot always captions the editor before it can be confirmed
    showAccessory(mainWindow_, named, equipAccessory(mainWindow_.state(), named, values()));
    mainWindow_.noteChange();
    close();
}

} // namespace tessarin
