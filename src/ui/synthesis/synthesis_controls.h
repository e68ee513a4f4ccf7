#pragma once

#include "ui/common/placement.h"

#include <QLabel>
#include <QString>
#include <QWidget>

namespace tessarin::synthesis {

// The 10 ms refreshes touch a control only when what it shows changes, so an idle window repaints nothing.
inline void setTextIfChanged(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

inline void setEnabledIfChanged(QWidget* widget, bool enabled)
{
    if (widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
}

// The editor look, with the stone box, the stone list's scroll bar and the greyed-out piece options.
QString synthesisStyleSheet();

} // namespace tessarin::synthesis
