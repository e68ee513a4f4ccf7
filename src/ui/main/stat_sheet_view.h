#pragma once

#include "engine/stat_sheet.h"

#include <array>

class QLabel;
class QWidget;

namespace tessarin {

// Writes a computed sheet into the labels of the main window, touching only labels whose figure
// changed, so an unchanged sheet costs a comparison and repaints nothing.
class StatSheetView {
public:
    // Finds the sheet's labels (and the block row's closing bracket) among the children of `window`.
    explicit StatSheetView(QWidget* window);

    void apply(const StatSheet& sheet);

private:
    std::array<QLabel*, kSheetLabelCount> labels_{};
    QLabel* blockClosingBracket_ = nullptr;
    StatSheet shown_;
    bool anyShown_ = false;
};

} // namespace tessarin
