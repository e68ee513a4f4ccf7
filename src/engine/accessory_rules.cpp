#include "engine/accessory_rules.h"

namespace tessarin {

namespace {

struct AccessoryInfo {
    const char* name;
    const char* picture;
};

constexpr std::array<AccessoryInfo, kAccessoryCount> kAccessories = {{
    {"귀걸이1", "image/earing.jpg"},
    {"귀걸이2", "image/earing.jpg"},
    {"반지1", "image/ring.jpg"},
    {"반지2", "image/ring.jpg"},
    {"목걸이", "image/necklace.jpg"},
}};

// AccessorySlot's fields in the order of the editor's boxes.
constexpr std::array<double AccessorySlot::*, kAccessoryFieldCount> kFields = {
    &AccessorySlot::attack,   &AccessorySlot::critDamageBonus, &AccessorySlot::penetration,
    &AccessorySlot::accuracy, &AccessorySlot::critical,        &AccessorySlot::defence,
    &AccessorySlot::block,    &AccessorySlot::evasion,         &AccessorySlot::additionalDamage,
    &AccessorySlot::maxLife};

bool validSlot(int slot)
{
    return slot >= 1 && slot <= kAccessoryCount;
}

const AccessoryInfo& info(int slot)
{
    return kAccessories[static_cast<std::size_t>(slot - 1)];
}

} // namespace

QString accessoryName(int slot)
{
    return validSlot(slot) ? QString::fromUtf8(info(slot).name) : QString();
}

int accessorySlotByName(const QString& caption)
{
    for (int slot = 1; slot <= kAccessoryCount; ++slot)
        if (caption == QString::fromUtf8(info(slot).name))
            return slot;
    return 0;
}

QString accessoryPicture(int slot)
{
    return validSlot(slot) ? QString::fromLatin1(info(slot).picture) : QString();
}

bool removeAccessory(CharacterState& state, int slot)
{
    if (!validSlot(slot) || !state.accessoryEquipped[slot])
        return false;
    state.accessories[slot] = AccessorySlot{};
    state.accessoryEquipped[slot] = false;
    return true;
}

QString equipAccessory(CharacterState& state, int slot, const AccessoryValues& values)
{
    if (!validSlot(slot))
        return {};
    AccessorySlot& record = state.accessories[slot];
    for (std::size_t i = 0; i < kFields.size(); ++i)
        record.*kFields[i] = values[i];
    state.accessoryEquipped[slot] = true;
    return accessoryPicture(slot);
}

} // namespace tessarin
