#pragma once

#include <QPoint>
#include <QRect>

#include <cmath>

namespace tessarin {

// Window geometry is designed in twips; the screen works in logical pixels (15 twips each at 100 %),
// and Qt's high-DPI scaling maps those to device pixels.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr int twipsToPixels(int twips)
{
    return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}

inline double pixelsToTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QPoint twipsPoint(int left, int top)
{
    return {twipsToPixels(left), twipsToPixels(top)};
}

} // namespace tessarin
