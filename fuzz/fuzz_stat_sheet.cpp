// Any numbers the editors can write into the record: the sheet never shows inf or nan and never
// crashes, whatever the stances.
#include "engine/set_effects.h"
#include "engine/stat_sheet.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;

    double next()
    {
        double value = 0;
        if (size >= sizeof value) {
            std::memcpy(&value, data, sizeof value);
            data += sizeof value;
            size -= sizeof value;
        }
        return value;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessarin;
    Reader in{data, size};
    CharacterState state;
    const auto flags = static_cast<unsigned>(in.next() != 0) | (size > 0 ? data[0] : 0u) << 1;
    for (int i = 0; i < kStanceCount; ++i)
        state.stanceOn[static_cast<Stance>(i)] = (flags >> i) & 1u;
    for (int k = 1; k <= kPieceCount; ++k)
        for (Stat stat : kAllStats)
            state.pieceStats[k][stat] = in.next();
    state.weaponAttack = in.next();
    state.weapon.defence = in.next();
    state.weapon.block = in.next();
    state.weapon.blockRateBonus = in.next();
    state.accessories[1].attack = in.next();
    state.accessories[2].critDamageBonus = in.next();
    state.accessories[3].defence = in.next();
    state.critRateBonus = in.next();
    state.stealthEvasionBonus = in.next();
    state.classBase.defence = in.next();
    state.freeSetCount = static_cast<std::int16_t>(size % 9);
    state.freeSetEffect8[0] = static_cast<std::int16_t>(size);
    runSetEffectCycle(state);
    const StatSheet sheet = computeSheet(state);
    for (int i = 0; i < kSheetLabelCount; ++i) {
        const QString text = sheetText(sheet, static_cast<SheetLabel>(i));
        if (text.contains(u"inf", Qt::CaseInsensitive) || text.contains(u"nan", Qt::CaseInsensitive))
            std::abort();
    }
    return 0;
}
