#pragma once

#include <QColor>
#include <QPainter>

#include <array>

namespace tessarin::imagegen {

// Where a weapon comes from is told by three marks that stay the same for every class: the colour of
// the inner frame, the glow behind the weapon and the emblem in the bottom-right medallion.
struct WeaponSource {
    const char* suffix;
    QRgb accent;     // frame, glow, the weapon's jewels
    QRgb metal;      // the weapon's steel, tinted towards the source
    QRgb background; // the dark ground the weapon lies on
    void (*emblem)(QPainter& painter, const QColor& accent);
};

// The seven sources in file-name order: 41, 42, 43, 44, P123, P, g.
const std::array<WeaponSource, 7>& weaponSources();

// Ground and glow, painted before the weapon.
void drawSourceBackdrop(QPainter& painter, const WeaponSource& source, int side);

// Frame and emblem medallion, painted over the weapon.
void drawSourceFrame(QPainter& painter, const WeaponSource& source, int side);

} // namespace tessarin::imagegen
