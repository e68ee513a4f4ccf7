#include "art/drawn_icon_engine.h"

#include <QIcon>
#include <QPainter>
#include <QPaintDevice>

#include <algorithm>
#include <utility>

namespace tessarin::art {

DrawnIconEngine::DrawnIconEngine(Draw draw, int logicalSize) : draw_(std::move(draw)), logicalSize_(logicalSize) {}

QIconEngine* DrawnIconEngine::clone() const
{
    return new DrawnIconEngine(*this);
}

QList<QSize> DrawnIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return {QSize(logicalSize_, logicalSize_)};
}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap DrawnIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    const QPixmap normal = drawn(size, scale);
    if (mode == QIcon::Normal || normal.isNull())
        return normal;
    // Disabled and selected looks come from the style, exactly as for an icon made of pixmaps.
    QIcon styled;
    styled.addPixmap(normal);
    return styled.pixmap(normal.deviceIndependentSize().toSize(), normal.devicePixelRatio(), mode, state);
}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size() * dpr, mode, state, dpr));
}

QPixmap DrawnIconEngine::drawn(QSize deviceSize, qreal scale)
{
    if (deviceSize.isEmpty())
        return {};
    const qreal ratio = scale > 0.0 ? scale : 1.0;
    // The logical size the device size stands for: 71 device pixels at 150 % are the 47-pixel picture.
    const int side = std::max(1, qRound(deviceSize.width() / ratio));
    const auto it = std::find_if(drawn_.begin(), drawn_.end(), [&](const Drawn& done) {
        return done.deviceSize == deviceSize && qFuzzyCompare(done.scale, ratio);
    });
    if (it != drawn_.end())
        return it->pixmap;
    drawn_.push_back({deviceSize, ratio, draw_(side, ratio)});
    return drawn_.back().pixmap;
}

} // namespace tessarin::art
