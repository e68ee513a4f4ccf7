#pragma once

#include "engine/accessory_rules.h"
#include "ui/main/preview_source.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace tessarin {

class MainWindow;

// Form10: the ten values of one accessory. The editor knows its slot only by its caption, which the
// slot that opened it sets; "확인" writes the slot named there, "취소" and the close box write nothing.
class AccessoryEditor : public QWidget, public PreviewSource {
    Q_OBJECT

public:
    explicit AccessoryEditor(MainWindow& mainWindow);

    std::optional<Candidate> previewCandidate(const ListHover& hover) const override;

private:
    void confirm();
    // The slot named by the caption (0: none) and the ten values of the boxes.
    int slot() const;
    AccessoryValues values() const;

    MainWindow& mainWindow_;
    std::array<QLineEdit*, kAccessoryFieldCount> boxes_{};
};

} // namespace tessarin
