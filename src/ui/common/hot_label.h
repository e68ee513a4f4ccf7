#pragma once

#include <QLabel>

namespace tessarin {

// A label that reports the mouse: the transparent hot spots over the drawn parts of a window, and the
// picture boxes that react to clicks and hovering. Positions are in logical pixels of the label.
class HotLabel : public QLabel {
    Q_OBJECT

public:
    explicit HotLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void pressed(QPointF position, Qt::MouseButton button);
    void moved(QPointF position, Qt::MouseButtons buttons);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressedInside_ = false;
};

} // namespace tessarin
