#pragma once

#include "state/character_state.h"

#include <QString>

#include <array>

namespace tessarin {

// The ten values of the accessory editor, in the order of its boxes Text1 .. Text10 (the order of
// AccessorySlot's fields).
inline constexpr int kAccessoryFieldCount = 10;
using AccessoryValues = std::array<double, kAccessoryFieldCount>;

// Name of accessory slot 1..5 as the editor's caption shows it ("귀걸이1" .. "목걸이").
QString accessoryName(int slot);

// The slot whose name equals `caption`, testing 귀걸이1, 귀걸이2, 반지1, 반지2, 목걸이 in this order; 0 when
// no slot has that name.
int accessorySlotByName(const QString& caption);

// Relative name of the picture of slot 1..5 ("image/earing.jpg", "image/ring.jpg", "image/necklace.jpg").
QString accessoryPicture(int slot);

// A click on a worn accessory: zeroes its ten values and its flag. Returns whether one was worn (the
// caller then clears the slot's picture and opens no editor).
bool removeAccessory(CharacterState& state, int slot);

// The editor's "확인": writes the ten values into the slot, marks it worn and returns the picture to load.
QString equipAccessory(CharacterState& state, int slot, const AccessoryValues& values);

} // namespace tessarin
