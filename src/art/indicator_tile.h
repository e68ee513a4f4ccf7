#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace tessarin::art {

// Placeholder: the built-in grey tile shown before the first change; Dim: tier not in force;
// Lit: tier in force.
enum class IndicatorLook { Placeholder, Dim, Lit };

// A square tile reading the tier (3, 5 or 8).
void paintIndicatorTile(QPainter& painter, const QRectF& rect, int tier, IndicatorLook look);

QImage indicatorImage(int tier, IndicatorLook look, int size);

} // namespace tessarin::art
