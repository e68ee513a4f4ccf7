#pragma once

#include <QIconEngine>
#include <QPixmap>

#include <functional>
#include <vector>

namespace tessarin::art {

// An icon drawn by code when a size and pixel ratio are first asked for, and kept for the next time:
// a screen at 100 % draws one picture, a screen at 200 % another, and no picture is drawn that no
// screen needs or twice.
class DrawnIconEngine : public QIconEngine {
public:
    // Draws the square picture `logicalSize` pixels wide at device pixel ratio `dpr`.
    using Draw = std::function<QPixmap(int logicalSize, qreal dpr)>;

    DrawnIconEngine(Draw draw, int logicalSize);

    QIconEngine* clone() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;

private:
    // The picture `deviceSize` device pixels wide at `scale`, drawn on the first request.
    QPixmap drawn(QSize deviceSize, qreal scale);

    struct Drawn {
        QSize deviceSize; // as asked for
        qreal scale;
        QPixmap pixmap;
    };

    Draw draw_;
    int logicalSize_;
    std::vector<Drawn> drawn_;
};

} // namespace tessarin::art
