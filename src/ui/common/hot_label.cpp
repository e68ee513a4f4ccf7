#include "ui/common/hot_label.h"

#include <QMouseEvent>

namespace tessarin {

HotLabel::HotLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void HotLabel::mousePressEvent(QMouseEvent* event)
{
    pressedInside_ = event->button() == Qt::LeftButton;
    emit pressed(event->position(), event->button());
    event->accept();
}

void HotLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->position(), event->buttons());
    event->accept();
}

void HotLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressedInside_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressedInside_ = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace tessarin
