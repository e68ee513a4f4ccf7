#include "ui/common/theme.h"

namespace tessarin {

QString editorStyleSheet()
{
    return QStringLiteral(
        "QWidget { background: #1e222b; color: #e8e2d0; }"
        "QGroupBox { border: 1px solid #5c4d2e; border-radius: 4px; margin-top: 0px; }"
        "QGroupBox::title { subcontrol-origin: padding; subcontrol-position: top left; left: 6px; top: 1px;"
        " color: #f0d68a; padding: 0 3px; }"
        "QLabel { background: transparent; }"
        "QListWidget { background: #12151b; border: 1px solid #3d4250; color: #f4f1e8; }"
        "QListWidget::item:selected { background: #8a6d2f; color: white; }"
        "QListWidget:disabled { color: #6c6f78; border-color: #2a2e38; }"
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a4030, stop:1 #2c261c);"
        " border: 1px solid #8a6d2f; border-radius: 4px; color: #f4e7c3; }"
        "QPushButton:hover { border-color: #f0d68a; }"
        "QPushButton:pressed { background: #2c261c; }"
        "QPushButton:disabled { color: #6c6f78; border-color: #3d4250; background: #262a33; }"
        "QRadioButton { background: transparent; }");
}

} // namespace tessarin
