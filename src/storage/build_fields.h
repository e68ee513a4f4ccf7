#pragma once

// The fields of a build in the one order both stored forms use: the build file (named JSON members) and
// the share code (values one after another). A form is a visitor with these members:
//
//   group(key, f)            a nested object; f() visits its fields
//   list(key, count, f)      an array of `count` objects; f(i) visits the fields of item i (1-based)
//   number(key, double&)     a finite number
//   flag(key, bool&)
//   whole(key, T&, low, high) a whole number in low..high
//   row(key, int&)           a board row 1..4, or 0 for an empty position (null in the file)
//   flags(key, std::array<bool, N>&)
//   wholes(key, std::array<std::int16_t, N>&)
//   stances(key, EnumArray<Stance, bool, 9>&)
//   text(key, QString&)      free text (the class box)
//   className(key, QString&) "" or a class name
//   picture(key, QString&, names) "" or one of `names`
//
// Adding a field here adds it to both forms; a new field in a later version must be read as optional
// by the readers of that version (see docs/build-files.md).

#include "engine/build.h"

namespace tessarin::buildfields {

template <typename V> void visitStats(V& v, StatBlock& stats)
{
    v.number("penetration", stats.penetration);
    v.number("accuracy", stats.accuracy);
    v.number("critical", stats.critical);
    v.number("defence", stats.defence);
    v.number("block", stats.block);
    v.number("evasion", stats.evasion);
    v.number("maxLife", stats.maxLife);
}

template <typename V> void visitBuild(V& v, Build& b)
{
    v.group("class", [&] {
        v.text("text", b.classText);
        v.className("picked", b.shownClass);
    });
    v.group("stances", [&] {
        v.stances("on", b.stanceOn);
        v.flags("labelsOn", b.marks.stanceLabelsOn);
        v.number("critRateBonus", b.critRateBonus);
        v.number("critDamageBonus", b.stanceCritDamageBonus);
        v.number("stealthEvasionBonus", b.stealthEvasionBonus);
        v.number("evasionBonus", b.stanceEvasionBonus);
    });
    v.group("weapon", [&] {
        v.flag("equipped", b.weaponEquipped);
        v.number("attack", b.weaponAttack);
        visitStats(v, b.weapon);
        v.number("attackBonus", b.weapon.attackBonus);
        v.number("defenceBonus", b.weapon.defenceBonus);
        v.number("evasionRateBonus", b.weapon.evasionRateBonus);
        v.number("blockRateBonus", b.weapon.blockRateBonus);
        v.number("additionalDamage", b.weapon.additionalDamage);
        v.flags("gemKinds", b.gemFlags);
        v.whole("gemStat", b.gemStatKind, std::int16_t{0}, std::int16_t{5});
        v.picture("picture", b.marks.weapon, weaponPictureNames());
        v.picture("gemPicture", b.marks.gem, gemPictureNames());
    });
    v.list("accessories", kAccessoryCount, [&](int n) {
        AccessorySlot& a = b.accessories[n];
        v.flag("equipped", b.accessoryEquipped[n]);
        v.number("attack", a.attack);
        v.number("critDamageBonus", a.critDamageBonus);
        v.number("penetration", a.penetration);
        v.number("accuracy", a.accuracy);
        v.number("critical", a.critical);
        v.number("defence", a.defence);
        v.number("block", a.block);
        v.number("evasion", a.evasion);
        v.number("additionalDamage", a.additionalDamage);
        v.number("maxLife", a.maxLife);
        v.picture("picture", b.marks.accessories[n], accessoryPictureNames());
    });
    v.list("pieces", kPieceCount, [&](int k) {
        BuildPiece& piece = b.pieces[k];
        v.row("row", piece.row);
        visitStats(v, piece.stats);
        v.whole("synthesisMax", piece.synthesisMax, std::int16_t{-32768}, std::int16_t{32767});
        v.wholes("synthesis", piece.synthesis);
        v.picture("picture", b.marks.pieces[k], piecePictureNames());
    });
    v.group("freeSet", [&] {
        v.wholes("effect3", b.freeSetEffect3);
        v.wholes("effect5", b.freeSetEffect5);
        v.wholes("effect8", b.freeSetEffect8);
    });
    v.group("indicators", [&] {
        IndicatorMarks& m = b.indicatorShown;
        v.flag("threeOff", m.threeOff);
        v.flag("fiveOff", m.fiveOff);
        v.flag("eightOff", m.eightOff);
        v.flag("threeOn", m.threeOn);
        v.flag("fiveOn", m.fiveOn);
        v.flag("eightOn", m.eightOn);
        v.picture("three", b.marks.indicators[0], indicatorPictureNames());
        v.picture("five", b.marks.indicators[1], indicatorPictureNames());
        v.picture("eight", b.marks.indicators[2], indicatorPictureNames());
    });
}

} // namespace tessarin::buildfields
