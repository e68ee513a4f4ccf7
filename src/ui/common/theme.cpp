#include "ui/common/theme.h"

#include <QPainter>
#include <QPen>

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
        "QListWidget::item { padding: 0px; height: 13px; }"
        "QListWidget::item:selected { background: #8a6d2f; color: white; }"
        "QListWidget:disabled { color: #6c6f78; border-color: #2a2e38; }"
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a4030, stop:1 #2c261c);"
        " border: 1px solid #8a6d2f; border-radius: 4px; color: #f4e7c3; }"
        "QPushButton:hover { border-color: #f0d68a; }"
        "QPushButton:pressed { background: #2c261c; }"
        "QPushButton:disabled { color: #6c6f78; border-color: #3d4250; background: #262a33; }"
        "QRadioButton { background: transparent; spacing: 0px; }"
        "QRadioButton::indicator { width: 9px; height: 9px; border: 1px solid #b08d45; border-radius: 5px;"
        " background: #12151b; }"
        "QRadioButton::indicator:hover { border-color: #f0d68a; }"
        "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,"
        " stop:0 #fff3c4, stop:0.55 #f0d68a, stop:0.6 #12151b); }"
        // The keyboard focus.
        "QPushButton:focus { border: 2px solid #ffd75e; }"
        "QListWidget:focus { border: 1px solid #ffd75e; }"
        "QRadioButton:focus, QCheckBox:focus { border: 1px solid #ffd75e; border-radius: 3px; }");
}

void paintFocusFrame(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFocusColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(1, 1, -1, -1), 3, 3);
    painter.restore();
}

} // namespace tessarin
