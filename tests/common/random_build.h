#pragma once

// Random builds that the program can hold: every field within what the readers accept, pictures that
// belong to their control, at most one synthesized stat a piece.

#include "data/classes.h"
#include "engine/build.h"

#include <QRandomGenerator>

namespace tessarin::testing {

class RandomBuilds {
public:
    explicit RandomBuilds(quint32 seed) : random_(seed) {}

    Build next()
    {
        Build b;
        const auto& classes = classTable();
        if (chance(4))
            b.shownClass = QString::fromUtf8(classes[pick(classes.size())].name);
        const QStringList texts = {QStringLiteral("직업"), QStringLiteral("아무 글"), QString(),
                                   QStringLiteral("x\n\"y\"\\z"), QStringLiteral("😀 이모지")};
        b.classText = chance(2) && !b.shownClass.isEmpty() ? b.shownClass : texts.at(pick(texts.size()));
        for (bool& on : b.stanceOn)
            on = chance(3);
        b.critRateBonus = oneOf({0, 5, 10, 15, 30, 35});
        b.stanceCritDamageBonus = oneOf({0, 50});
        b.stealthEvasionBonus = oneOf({0, 50});
        b.stanceEvasionBonus = oneOf({0, 20, 25, 30, 99});
        for (bool& on : b.marks.stanceLabelsOn)
            on = chance(3);

        b.weaponEquipped = chance(2);
        if (b.weaponEquipped || chance(5)) {
            b.weaponAttack = value();
            for (Stat s : kAllStats)
                b.weapon[s] = value();
            b.weapon.attackBonus = value();
            b.weapon.defenceBonus = value();
            b.weapon.evasionRateBonus = value();
            b.weapon.blockRateBonus = value();
            b.weapon.additionalDamage = value();
            b.gemStatKind = static_cast<std::int16_t>(pick(6));
            b.gemFlags[pick(8)] = b.gemStatKind > 0 && chance(2); // a gem is fitted with a stat
            b.marks.weapon = any(weaponPictureNames());
            b.marks.gem = any(gemPictureNames());
        }
        for (int n = 1; n <= kAccessoryCount; ++n) {
            b.accessoryEquipped[n] = chance(2);
            if (!b.accessoryEquipped[n])
                continue;
            AccessorySlot& a = b.accessories[n];
            for (double* v : {&a.attack, &a.critDamageBonus, &a.penetration, &a.accuracy, &a.critical, &a.defence,
                              &a.block, &a.evasion, &a.additionalDamage, &a.maxLife})
                *v = value();
            b.marks.accessories[n] = any(accessoryPictureNames());
        }
        for (int k = 1; k <= kPieceCount; ++k) {
            BuildPiece& piece = b.pieces[k];
            piece.synthesisMax = static_cast<std::int16_t>(random_.bounded(-32768, 32768));
            piece.row = pick(5);
            if (piece.row == 0)
                continue;
            for (Stat s : kAllStats)
                piece.stats[s] = chance(2) ? value() : 0;
            if (chance(2))
                piece.synthesis[pick(kSynthStatCount)] = static_cast<std::int16_t>(random_.bounded(-32768, 32768));
            const char* stem = piece.row == 1 ? "lost" : piece.row == 4 ? "general" : "pohwaran";
            b.marks.pieces[k] = QStringLiteral("image/%1-%2.gif").arg(QLatin1String(stem)).arg(k);
        }
        for (auto* effect : {&b.freeSetEffect3, &b.freeSetEffect5, &b.freeSetEffect8})
            for (std::int16_t& v : *effect)
                v = chance(3) ? static_cast<std::int16_t>(random_.bounded(-32768, 32768)) : 0;
        IndicatorMarks& m = b.indicatorShown;
        for (bool* mark : {&m.threeOff, &m.fiveOff, &m.eightOff, &m.threeOn, &m.fiveOn, &m.eightOn})
            *mark = chance(2);
        const QStringList& indicators = indicatorPictureNames();
        for (int i = 0; i < 3; ++i)
            b.marks.indicators[static_cast<std::size_t>(i)] = chance(3) ? QString() : indicators.at(2 * i + pick(2));
        return b;
    }

private:
    bool chance(int oneIn) { return random_.bounded(oneIn) == 0; }
    int pick(std::size_t count) { return static_cast<int>(random_.bounded(static_cast<quint32>(count))); }
    QString any(const QStringList& names) { return chance(6) ? QString() : names.at(pick(static_cast<std::size_t>(names.size()))); }
    double oneOf(std::initializer_list<double> values) { return values.begin()[pick(values.size())]; }
    // Mostly whole numbers as the catalogue has them; sometimes what a free-entry box can hold.
    double value()
    {
        switch (random_.bounded(6)) {
        case 0: return 0;
        case 1: return random_.bounded(-50, 2000) + 0.5 * random_.bounded(2);
        case 2: return random_.generateDouble() * 1e6 - 5e5;
        case 3: return oneOf({1e300, -1e300, 1.7976931348623157e308, 4.9e-324, 0.1, -0.0});
        default: return random_.bounded(0, 200);
        }
    }

    QRandomGenerator random_;
};

} // namespace tessarin::testing
