#pragma once

#include "state/character_state.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

namespace tessarin {

// One position of the soul shield as a build keeps it.
struct BuildPiece {
    int row = 0; // board row 1..4 of the piece worn there; 0: nothing worn
    StatBlock stats;
    std::int16_t synthesisMax = 0;
    std::array<std::int16_t, kSynthStatCount> synthesis{}; // stat order 관통 .. 회피
    bool operator==(const BuildPiece&) const = default;
};

// What the main window shows beside the record: the pictures its controls were asked to show and the
// texts of the four stance labels. The window reads them from its controls (the `picture` property).
struct BuildMarks {
    OneBased<QString, kPieceCount> pieces; // Image1 .. Image8
    QString weapon;                        // Image9
    QString gem;                           // Image18
    OneBased<QString, kAccessoryCount> accessories;   // Image13 .. Image17
    std::array<QString, 3> indicators;     // Image10 .. Image12
    std::array<bool, 4> stanceLabelsOn{};  // Label55 .. Label58 read "on"
    bool operator==(const BuildMarks&) const = default;
};

// A build: everything a person sets that decides what the main window shows. Taken from the record
// and the window's marks by takeBuild, put back by applyBuild; files, share codes and the undo steps
// all hold this one value.
struct Build {
    // Class: the class box text and the class last picked from the list (its base values and stance
    // buttons are the ones shown; "" before any pick).
    QString classText = kNoClassText;
    QString shownClass;

    // Stances
    EnumArray<Stance, bool, kStanceCount> stanceOn;
    double critRateBonus = 0;
    double stanceCritDamageBonus = 0;
    double stealthEvasionBonus = 0;
    double stanceEvasionBonus = 0;

    // Weapon and gem
    bool weaponEquipped = false;
    double weaponAttack = 0;
    WeaponSlot weapon;
    std::array<bool, 8> gemFlags{};
    std::int16_t gemStatKind = 0;

    // Accessories
    OneBased<AccessorySlot, kAccessoryCount> accessories;
    OneBased<bool, kAccessoryCount> accessoryEquipped;

    // Soul shield
    OneBased<BuildPiece, kPieceCount> pieces;
    std::array<std::int16_t, kStatCount> freeSetEffect3{};
    std::array<std::int16_t, kStatCount> freeSetEffect5{};
    std::array<std::int16_t, kStatCount> freeSetEffect8{};
    IndicatorMarks indicatorShown;

    // Pictures and stance labels of the main window
    BuildMarks marks;

    bool operator==(const Build&) const = default;
};

// The build the record and the window's marks describe.
Build takeBuild(const CharacterState& state, const BuildMarks& marks);

// What the main window must show after a build was applied.
struct AppliedBuild {
    BuildMarks marks;
    // The stance buttons of the shown class (all hidden before any pick), as a class pick shows them.
    struct StanceButton {
        bool visible = false;
        QString picture;
        QString tooltip;
    };
    std::array<StanceButton, 4> stanceButtons;
};

// Puts a build into the record: the class through the class rule, everything else as the build holds
// it, and the set cycle run once, so the next ticks give what the window showed when the build was
// taken. Values windows pass to each other (help pages, drag origin, synthesis dialog) are kept.
// The build must be sound (buildFault gives nothing).
AppliedBuild applyBuild(CharacterState& state, const Build& build);

// Why a build cannot be applied, in Korean ("" when it is sound): a picture that is not one of the
// program's own for its control, a class that does not exist, more than one synthesized stat on a
// piece, a number that is not finite, a gem stat outside 0..5.
QString buildFault(const Build& build);

// The program's own picture names for each kind of control, in a fixed order (share codes index them).
const QStringList& piecePictureNames();
const QStringList& weaponPictureNames();
const QStringList& gemPictureNames();
const QStringList& accessoryPictureNames();
const QStringList& indicatorPictureNames();

// The Korean names of the nine stances, in Stance order ("발도" .. "나무토막").
const std::array<QString, kStanceCount>& stanceNames();
std::optional<Stance> stanceByName(const QString& name);

// Undo and redo over builds. `current` is the build the window shows; record() makes a new step when
// it differs from it.
class BuildHistory {
public:
    static constexpr std::size_t kMaxSteps = 200;

    explicit BuildHistory(Build start = {}) : current_(std::move(start)) {}

    const Build& current() const { return current_; }
    // The window now shows `now`: one undo step when it differs from the current build (the redo steps
    // are then dropped). Returns whether a step was made.
    bool record(const Build& now);
    // Sets the current build without making a step (a start from a file).
    void reset(const Build& now);
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The build to show; nothing when there is no step.
    std::optional<Build> undo();
    std::optional<Build> redo();
    std::size_t undoSteps() const { return undo_.size(); }

private:
    Build current_;
    std::deque<Build> undo_;
    std::deque<Build> redo_;
};

} // namespace tessarin
