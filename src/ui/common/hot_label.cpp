#include "ui/common/hot_label.h"

#include "ui/common/theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessarin {

HotLabel::HotLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void HotLabel::reachByKeyboard()
{
    setFocusPolicy(Qt::TabFocus);
}

void HotLabel::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (focusPolicy() != Qt::NoFocus && plain &&
        (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void HotLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        paintFocusFrame(painter, rect());
    }
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
