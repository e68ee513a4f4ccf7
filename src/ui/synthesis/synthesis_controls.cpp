#include "ui/synthesis/synthesis_controls.h"

#include "ui/common/theme.h"

namespace tessarin::synthesis {

QString synthesisStyleSheet()
{
    return editorStyleSheet() +
           QStringLiteral(
               "QLabel:disabled { color: #6c6f78; }"
               "QLineEdit { background: #12151b; border: 1px solid #3d4250; border-radius: 2px; color: #f4f1e8;"
               " padding: 0 3px; selection-background-color: #8a6d2f; }"
               "QLineEdit:focus { border-color: #ffd75e; }"
               "QRadioButton::indicator:disabled { border-color: #4a4f5c; background: #1a1d24; }"
               "QRadioButton::indicator:checked:disabled { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5,"
               " fx:0.5, fy:0.5, stop:0 #8d8a80, stop:0.55 #6c6f78, stop:0.6 #1a1d24); }"
               "QScrollBar:vertical { background: #12151b; width: 9px; margin: 0; border: none; }"
               "QScrollBar::handle:vertical { background: #5c4d2e; border-radius: 3px; min-height: 10px; margin: 1px; }"
               "QScrollBar::handle:vertical:hover { background: #8a6d2f; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");
}

} // namespace tessarin::synthesis
