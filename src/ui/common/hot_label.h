#pragma once

#include <QLabel>

namespace tessarin {

// A label that reports the mouse: the transparent hot spots over the drawn parts of a window, and the
// picture boxes that react to clicks and hovering. Positions are in logical pixels of the label.
class HotLabel : public QLabel {
    Q_OBJECT

public:
    explicit HotLabel(QWidget* parent = nullptr);

    // Lets the keyboard reach the label: Tab stops there (a mouse click does not move the focus), Space
    // or Enter clicks it, and a frame shows while it has the focus.
    void reachByKeyboard();

signals:
    void clicked();
    void pressed(QPointF position, Qt::MouseButton button);
    void moved(QPointF position, Qt::MouseButtons buttons);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressedInside_ = false;
};

} // namespace tessarin
