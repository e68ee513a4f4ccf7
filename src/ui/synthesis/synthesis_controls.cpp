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
               "QLineEdit:focus { border-color: #b08d45; }"
               "QRadioButton::indicator:disabled { border-color: #4a4f5c; background: #1a1d24; }"
               "QRadioButton::indicator:checked:disabled { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5,"
               " fx:0.5, fy:0.5, stop:0 #8d8a80, stop:0.55 #6c6f78, stop:0.6 #1a1d24); }");
}

} // namespace tessarin::synthesis
