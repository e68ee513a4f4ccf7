#pragma once

#include "engine/accessory_rules.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace tessarin {

class MainWindow;

// Form10: the ten values of one accessory. The editor knows its slot only by its caption, which the
// slot that opened it sets; "확인" writes the slot named there, "취소" and the close box write nothing.
class AccessoryEditor : public QWidget {
    Q_OBJECT

public:
    explicit AccessoryEditor(MainWindow& mainWindow);

private:
    void confirm();

    MainWindow& mainWindow_;
    std::array<QLineEdit*, kAccessoryFieldCount> boxes_{};
};

} // namespace tessarin
