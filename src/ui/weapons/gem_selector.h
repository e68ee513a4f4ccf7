#pragma once

#include "engine/weapon_rules.h"
#include "ui/main/preview_source.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QListWidget;
class QRadioButton;

namespace tessarin {

// The "금강석" frame every weapon editor carries: five stat options and "없음", the "빛나는" tick box and
// the list of sizes. The editors place it with their own names and sizes.
class GemSelector : public QGroupBox {
    Q_OBJECT

public:
    struct Layout {
        const char* noneName; // object name of the "없음" option
        QPoint shiningAt;     // twips, in the frame
        int firstSize;        // 1 삼각 .. 4 육각: the list offers this size and the larger ones
    };

    GemSelector(const Layout& layout, QWidget* parent);

    // What the frame says now: the first stat option that is selected, the tick box and the selected size.
    // `hover` stands for the size under the pointer as if it were selected.
    GemChoice choice(const ListHover& hover = {}) const;

private:
    std::array<QRadioButton*, 5> stats_{};
    QCheckBox* shining_ = nullptr;
    QListWidget* sizes_ = nullptr;
};

} // namespace tessarin
