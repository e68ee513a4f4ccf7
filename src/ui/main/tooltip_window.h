#pragma once

#include <QPoint>
#include <QPointF>
#include <QWidget>

namespace tessarin {

class HotLabel;
struct TooltipView;

// Form16: the one small undecorated panel that explains a set indicator or the gem while the pointer
// rests on it. It is hidden and shown again rather than re-created, and never takes the keyboard focus.
class TooltipWindow : public QWidget {
    Q_OBJECT

public:
    explicit TooltipWindow(QWidget* mainWindow);

    // Sizes, places and fills the window as a hover asks (action Show), relative to the main window's
    // top-left corner in logical pixels, and shows it.
    void present(const TooltipView& view, QPoint mainWindowTopLeft);

signals:
    // The pointer moved over the panel's label; global position in logical pixels.
    void pointerMoved(QPointF globalPosition);

private:
    HotLabel* label_ = nullptr;
};

} // namespace tessarin
