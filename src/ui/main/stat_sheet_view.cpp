#include "ui/main/stat_sheet_view.h"

#include <QLabel>
#include <QWidget>

#include <cstring>

namespace tessarin {

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

StatSheetView::StatSheetView(QWidget* window)
{
    for (int i = 0; i < kSheetLabelCount; ++i) {
        labels_[static_cast<std::size_t>(i)] =
            window->findChild<QLabel*>(QString::fromLatin1(kSheetLabelNames[static_cast<std::size_t>(i)]));
        Q_ASSERT(labels_[static_cast<std::size_t>(i)]);
    }
    blockClosingBracket_ = window->findChild<QLabel*>(QStringLiteral("Label60"));
    Q_ASSERT(blockClosingBracket_);
}

void StatSheetView::apply(const StatSheet& sheet)
{
    const bool blockFormChanged = !anyShown_ || sheet.blockStanceRow != shown_.blockStanceRow ||
                                  !sameBits(sheet.blockBasePlusEquipment, shown_.blockBasePlusEquipment);
    for (int i = 0; i < kSheetLabelCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool changed = !anyShown_ || !sameBits(sheet.figures[index], shown_.figures[index]) ||
                             (blockFormChanged && static_cast<SheetLabel>(i) == SheetLabel::BlockEquipment);
        if (changed)
            labels_[index]->setText(sheetText(sheet, static_cast<SheetLabel>(i)));
    }
    if (blockFormChanged)
        blockClosingBracket_->setVisible(!sheet.blockStanceRow);
    shown_ = sheet;
    anyShown_ = true;
}

} // namespace tessarin
