#pragma once

#include "ui/common/placement.h"

#include <QLabel>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace tessarin::synthesis {

// Starts the window's Timer1, which runs its refresh every 10 ms for as long as the window exists.
template <typename Window> void startRefreshTimer(Window* window, void (Window::*refresh)())
{
    auto* timer = new QTimer(window);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, window, refresh);
    timer->start();
}

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
