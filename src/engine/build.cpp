#include "engine/build.h"

#include "data/catalogue.h"
#include "data/classes.h"
#include "data/gems.h"
#include "data/weapons.h"
#include "engine/accessory_rules.h"
#include "engine/class_rules.h"
#include "engine/set_effects.h"

#include <algorithm>
#include <cmath>

namespace tessarin {

namespace {

constexpr int kLongestClassText = 4096;

void addOnce(QStringList& list, const QString& name)
{
    if (!name.isEmpty() && !list.contains(name))
        list.append(name);
}

bool finiteBlock(const StatBlock& block)
{
    for (Stat s : kAllStats)
        if (!std::isfinite(block[s]))
            return false;
    return true;
}

bool finiteWeapon(const WeaponSlot& weapon)
{
    return finiteBlock(weapon) && std::isfinite(weapon.attackBonus) && std::isfinite(weapon.defenceBonus) &&
           std::isfinite(weapon.evasionRateBonus) && std::isfinite(weapon.blockRateBonus) &&
           std::isfinite(weapon.additionalDamage);
}

bool finiteAccessory(const AccessorySlot& a)
{
    for (double v : {a.attack, a.critDamageBonus, a.penetration, a.accuracy, a.critical, a.defence, a.block, a.evasion,
                     a.additionalDamage, a.maxLife})
        if (!std::isfinite(v))
            return false;
    return true;
}

bool pictureAllowed(const QString& name, const QStringList& allowed)
{
    return name.isEmpty() || allowed.contains(name);
}

} // namespace

const QStringList& piecePictureNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (int row = 1; row <= kCatalogueRows; ++row)
            for (int piece = 1; piece <= kPieceCount; ++piece)
                addOnce(list, catalogueEntry(row, piece)->picture());
        for (int piece = 1; piece <= kPieceCount; ++piece)
            addOnce(list, QStringLiteral("image/general-%1.gif").arg(piece));
        return list;
    }();
    return names;
}

const QStringList& weaponPictureNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const ClassInfo& info : classTable())
            for (int source = 0; source < kWeaponSourceCount; ++source)
                addOnce(list, weaponPictureName(QString::fromUtf8(info.name), static_cast<WeaponSource>(source)));
        return list;
    }();
    return names;
}

const QStringList& gemPictureNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (int kind = 1; kind <= 2 * kGemSizeCount; ++kind)
            addOnce(list, gemPicture(kind));
        return list;
    }();
    return names;
}

const QStringList& accessoryPictureNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (int slot = 1; slot <= kAccessoryCount; ++slot)
            addOnce(list, accessoryPicture(slot));
        return list;
    }();
    return names;
}

const QStringList& indicatorPictureNames()
{
    static const QStringList names = {QStringLiteral("image/set3.gif"),  QStringLiteral("image/set30.gif"),
                                      QStringLiteral("image/set5.gif"),  QStringLiteral("image/set50.gif"),
                                      QStringLiteral("image/set8.gif"),  QStringLiteral("image/set80.gif")};
    return names;
}

const std::array<QString, kStanceCount>& stanceNames()
{
    static const std::array<QString, kStanceCount> names = {
        QStringLiteral("발도"), QStringLiteral("번개베기"), QStringLiteral("반격"),
        QStringLiteral("이문정주"), QStringLiteral("광풍"), QStringLiteral("은신"),
        QStringLiteral("잠입"), QStringLiteral("척추찌르기"), QStringLiteral("나무토막")};
    return names;
}

std::optional<Stance> stanceByName(const QString& name)
{
    for (int i = 0; i < kStanceCount; ++i)
        if (stanceNames()[static_cast<std::size_t>(i)] == name)
            return static_cast<Stance>(i);
    return std::nullopt;
}

Build takeBuild(const CharacterState& state, const BuildMarks& marks)
{
    Build build;
    build.classText = state.classText;
    build.shownClass = state.shownClass;
    build.stanceOn = state.stanceOn;
    build.critRateBonus = state.critRateBonus;
    build.stanceCritDamageBonus = state.stanceCritDamageBonus;
    build.stealthEvasionBonus = state.stealthEvasionBonus;
    build.stanceEvasionBonus = state.stanceEvasionBonus;
    build.weaponEquipped = state.weaponEquipped;
    build.weaponAttack = state.weaponAttack;
    build.weapon = state.weapon;
    build.gemFlags = state.gemFlags;
    build.gemStatKind = state.gemStatKind;
    build.accessories = state.accessories;
    build.accessoryEquipped = state.accessoryEquipped;
    for (int k = 1; k <= kPieceCount; ++k) {
        BuildPiece& piece = build.pieces[k];
        for (int row = 1; row <= kBoardRows; ++row)
            if (state.pieceEquipped[row][k])
                piece.row = row;
        piece.stats = state.pieceStats[k];
        piece.synthesisMax = state.synthesisMax[k];
        for (int s = 1; s <= static_cast<int>(kSynthStatCount); ++s)
            piece.synthesis[static_cast<std::size_t>(s - 1)] = state.synthesis[s][k];
    }
    build.freeSetEffect3 = state.freeSetEffect3;
    build.freeSetEffect5 = state.freeSetEffect5;
    build.freeSetEffect8 = state.freeSetEffect8;
    build.indicatorShown = state.indicatorShown;
    build.marks = marks;
    return build;
}

AppliedBuild applyBuild(CharacterState& state, const Build& build)
{
    CharacterState next;
    next.dragOriginX = state.dragOriginX;
    next.helpPage = state.helpPage;
    next.synthesisStat = state.synthesisStat;
    next.stoneValue = state.stoneValue;

    AppliedBuild applied;
    if (!build.shownClass.isEmpty()) {
        const ClassChange change = changeClass(next, build.shownClass);
        for (std::size_t i = 0; i < applied.stanceButtons.size(); ++i)
            applied.stanceButtons[i] = {change.buttons[i].visible, change.buttons[i].picture, change.buttons[i].tooltip};
    }
    next.classText = build.classText;
    next.stanceOn = build.stanceOn;
    next.critRateBonus = build.critRateBonus;
    next.stanceCritDamageBonus = build.stanceCritDamageBonus;
    next.stealthEvasionBonus = build.stealthEvasionBonus;
    next.stanceEvasionBonus = build.stanceEvasionBonus;

    next.weaponEquipped = build.weaponEquipped;
    next.weaponAttack = build.weaponAttack;
    next.weapon = build.weapon;
    next.gemFlags = build.gemFlags;
    next.gemStatKind = build.gemStatKind;

    next.accessories = build.accessories;
    next.accessoryEquipped = build.accessoryEquipped;

    for (int k = 1; k <= kPieceCount; ++k) {
        const BuildPiece& piece = build.pieces[k];
        if (piece.row >= 1 && piece.row <= kBoardRows) {
            next.pieceEquipped[piece.row][k] = true;
            switch (setGroupOfRow(piece.row)) {
            case SetGroup::Lost: ++next.lostSetCount; break;
            case SetGroup::SeaSerpent: ++next.seaSerpentSetCount; break;
            case SetGroup::Free: ++next.freeSetCount; break;
            }
        }
        next.pieceStats[k] = piece.stats;
        next.synthesisMax[k] = piece.synthesisMax;
        for (int s = 1; s <= static_cast<int>(kSynthStatCount); ++s)
            next.synthesis[s][k] = piece.synthesis[static_cast<std::size_t>(s - 1)];
    }
    next.freeSetEffect3 = build.freeSetEffect3;
    next.freeSetEffect5 = build.freeSetEffect5;
    next.freeSetEffect8 = build.freeSetEffect8;
    next.indicatorShown = build.indicatorShown;
    // What Timer3 and Timer4 would find at their next tick.
    runSetEffectCycle(next);

    state = std::move(next);
    applied.marks = build.marks;
    return applied;
}

QString buildFault(const Build& build)
{
    if (build.classText.size() > kLongestClassText)
        return QStringLiteral("직업 칸의 글이 너무 깁니다 (%1자까지).").arg(kLongestClassText);
    if (!build.shownClass.isEmpty() && !findClass(build.shownClass))
        return QStringLiteral("'%1'은(는) 없는 직업입니다.").arg(build.shownClass);
    for (double v : {build.critRateBonus, build.stanceCritDamageBonus, build.stealthEvasionBonus,
                     build.stanceEvasionBonus, build.weaponAttack})
        if (!std::isfinite(v))
            return QStringLiteral("유한하지 않은 수가 있습니다.");
    if (!finiteWeapon(build.weapon))
        return QStringLiteral("무기에 유한하지 않은 수가 있습니다.");
    if (build.gemStatKind < 0 || build.gemStatKind > kGemStatCount)
        return QStringLiteral("금강석 능력치 번호는 0부터 %1까지입니다.").arg(kGemStatCount);
    // A fitted gem is one of the eight kinds with one of the five stats, as the gem frame fits it.
    const auto fitted = std::count(build.gemFlags.begin(), build.gemFlags.end(), true);
    if (fitted > 1)
        return QStringLiteral("금강석이 두 개 이상 끼워져 있습니다.");
    if (fitted == 1 && build.gemStatKind < 1)
        return QStringLiteral("끼운 금강석의 능력치 번호는 1부터 %1까지입니다.").arg(kGemStatCount);
    if (!pictureAllowed(build.marks.weapon, weaponPictureNames()))
        return QStringLiteral("무기 그림 '%1'은(는) 이 프로그램의 그림이 아닙니다.").arg(build.marks.weapon);
    if (!pictureAllowed(build.marks.gem, gemPictureNames()))
        return QStringLiteral("금강석 그림 '%1'은(는) 이 프로그램의 그림이 아닙니다.").arg(build.marks.gem);
    for (int n = 1; n <= kAccessoryCount; ++n) {
        if (!finiteAccessory(build.accessories[n]))
            return QStringLiteral("%1에 유한하지 않은 수가 있습니다.").arg(accessoryName(n));
        if (!pictureAllowed(build.marks.accessories[n], accessoryPictureNames()))
            return QStringLiteral("%1 그림 '%2'은(는) 이 프로그램의 그림이 아닙니다.")
                .arg(accessoryName(n), build.marks.accessories[n]);
    }
    for (int k = 1; k <= kPieceCount; ++k) {
        const BuildPiece& piece = build.pieces[k];
        if (piece.row < 0 || piece.row > kBoardRows)
            return QStringLiteral("보패 %1번의 줄은 1부터 4까지입니다.").arg(k);
        if (!finiteBlock(piece.stats))
            return QStringLiteral("보패 %1번에 유한하지 않은 수가 있습니다.").arg(k);
        int synthesized = 0;
        for (std::int16_t amount : piece.synthesis)
            synthesized += amount != 0 ? 1 : 0;
        if (synthesized > 1)
            return QStringLiteral("보패 %1번에 두 가지 이상이 합성되어 있습니다.").arg(k);
        const QString& picture = build.marks.pieces[k];
        if (!pictureAllowed(picture, piecePictureNames()) ||
            (!picture.isEmpty() && !picture.endsWith(QStringLiteral("-%1.gif").arg(k))))
            return QStringLiteral("보패 %1번 그림 '%2'은(는) 이 프로그램의 그림이 아닙니다.")
                .arg(k)
                .arg(build.marks.pieces[k]);
    }
    const QStringList& indicators = indicatorPictureNames();
    for (int i = 0; i < 3; ++i) {
        const QString& name = build.marks.indicators[static_cast<std::size_t>(i)];
        // Each indicator shows only its own tier: set3/set30, set5/set50, set8/set80.
        if (!name.isEmpty() && name != indicators[2 * i] && name != indicators[2 * i + 1])
            return QStringLiteral("세트 효과 표시 그림 '%1'은(는) 이 자리의 그림이 아닙니다.").arg(name);
    }
    return {};
}

bool BuildHistory::record(const Build& now)
{
    if (now == current_)
        return false;
    undo_.push_back(std::move(current_));
    if (undo_.size() > kMaxSteps)
        undo_.pop_front();
    redo_.clear();
    current_ = now;
    return true;
}

void BuildHistory::reset(const Build& now)
{
    current_ = now;
}

std::optional<Build> BuildHistory::undo()
{
    if (undo_.empty())
        return std::nullopt;
    redo_.push_back(std::move(current_));
    current_ = std::move(undo_.back());
    undo_.pop_back();
    return current_;
}

std::optional<Build> BuildHistory::redo()
{
    if (redo_.empty())
        return std::nullopt;
    undo_.push_back(std::move(current_));
    current_ = std::move(redo_.back());
    redo_.pop_back();
    return current_;
}

} // namespace tessarin
