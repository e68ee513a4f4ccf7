#include "ui/main/accessible_names.h"

#include "data/catalogue.h"
#include "data/gems.h"
#include "data/weapons.h"
#include "engine/accessory_rules.h"
#include "engine/numbers.h"
#include "engine/stat_sheet.h"
#include "engine/tooltip_rules.h"
#include "ui/main/main_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tessarin {

namespace {

const QString kWorn = QStringLiteral("착용");
const QString kEmpty = QStringLiteral("비어 있음");
const QString kOn = QStringLiteral("켜짐");
const QString kOff = QStringLiteral("꺼짐");

// The caption a person reads beside each figure of the sheet, in SheetLabel order (UTF-8); the rates
// end in "%".
struct FigureCaption {
    const char* caption;
    bool percent;
};
constexpr std::array<const char*, 8> kRowNames = {"공격력",     "관통", "명중", "치명",
                                                  "최대생명력", "방어", "막기", "회피"};
constexpr std::array<FigureCaption, 9> kRateCaptions = {{
    {"추가피해", false},
    {"기대공격력", false},
    {"피해감소율", true},
    {"명중률", true},
    {"치명률", true},
    {"치명타피해량", true},
    {"방어율", true},
    {"막기율", true},
    {"회피율", true},
}};

QString groupName(int row)
{
    return row <= 3 ? catalogueRowPrefix(row) : QStringLiteral("기타 보패");
}

// The source of the weapon shown, read from the picture the editor loaded ("image/blade-41.jpg").
QString weaponSourceOfPicture(const QString& picture)
{
    const qsizetype dash = picture.lastIndexOf(u'-');
    const qsizetype dot = picture.lastIndexOf(u'.');
    if (dash < 0 || dot <= dash)
        return {};
    const QString suffix = picture.mid(dash + 1, dot - dash - 1);
    for (int i = 0; i < kWeaponSourceCount; ++i) {
        const WeaponSourceInfo& info = weaponSourceInfo(static_cast<WeaponSource>(i));
        if (suffix == QLatin1String(info.suffix))
            return QString::fromUtf8(info.caption);
    }
    return {};
}

void setName(QWidget* control, const QString& name, const QString& description = {})
{
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

} // namespace

QString boardButtonName(int row, int piece, bool equipped)
{
    return QStringLiteral("%1줄 %2번, %3, %4").arg(row).arg(piece).arg(groupName(row), equipped ? kWorn : kEmpty);
}

AccessibleNames::AccessibleNames(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    const auto named = [&mainWindow](const char* name) {
        return mainWindow.findChild<QWidget*>(QString::fromLatin1(name));
    };
    setName(named("Label9"), QStringLiteral("닫기"), QStringLiteral("프로그램을 끝냅니다"));
    setName(named("Label52"), mainWindow.windowTitle());
    setName(named("Label32"), QStringLiteral("합성"), QStringLiteral("착용한 보패를 합성하는 창을 엽니다"));
    setName(named("Label33"), QStringLiteral("도움말"), QStringLiteral("도움말 메뉴를 엽니다"));
    setName(named("Combo1"), QStringLiteral("직업"));

    for (int i = 0; i < kSheetLabelCount; ++i) {
        Figure figure;
        figure.label =
            mainWindow.findChild<QLabel*>(QString::fromLatin1(kSheetLabelNames[static_cast<std::size_t>(i)]));
        if (i < 24) {
            static const std::array<QString, 3> kParts = {QString(), QStringLiteral(" 기본"), QStringLiteral(" 장비")};
            figure.caption =
                QString::fromUtf8(kRowNames[static_cast<std::size_t>(i / 3)]) + kParts[static_cast<std::size_t>(i % 3)];
        } else {
            const FigureCaption& rate = kRateCaptions[static_cast<std::size_t>(i - 24)];
            figure.caption = QString::fromUtf8(rate.caption);
            figure.percent = rate.percent;
        }
        figures_.push_back(figure);
    }

    connect(mainWindow.findChild<QTimer*>(QStringLiteral("Timer2")), &QTimer::timeout, this, &AccessibleNames::refresh);
    refresh();
}

void AccessibleNames::refresh()
{
    nameFigures();
    const CharacterState& state = mainWindow_.state();
    Worn worn{state.pieceEquipped,
              state.accessoryEquipped,
              state.weaponEquipped,
              state.weaponAttack,
              state.gemFlags,
              state.gemStatKind,
              state.stanceOn,
              state.classText,
              state.indicatorShown,
              state.lostSetPresent,
              state.seaSerpentSetPresent};
    if (named_ && *named_ == worn)
        return;
    named_ = std::move(worn);
    nameControls();
}

void AccessibleNames::nameFigures()
{
    for (Figure& figure : figures_) {
        const QString text = figure.label->text();
        if (figure.shown == text && !figure.label->accessibleName().isEmpty())
            continue;
        figure.shown = text;
        QString name = figure.caption;
        if (!text.isEmpty())
            name += u' ' + text + (figure.percent ? QStringLiteral("%") : QString());
        figure.label->setAccessibleName(name);
    }
}

void AccessibleNames::nameControls()
{
    const CharacterState& state = mainWindow_.state();
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        int wornRow = 0;
        for (int row = 1; row <= kBoardRows; ++row) {
            const bool equipped = state.pieceEquipped[row][piece];
            setName(mainWindow_.boardButton(row, piece), boardButtonName(row, piece, equipped),
                    equipped ? QStringLiteral("누르면 벗습니다") : QStringLiteral("누르면 옵션을 고르는 창을 엽니다"));
            if (equipped)
                wornRow = row;
        }
        setName(mainWindow_.piecePicture(piece),
                QStringLiteral("보패 %1번 자리, %2").arg(piece).arg(wornRow ? groupName(wornRow) : kEmpty));
    }

    const auto named = [this](const QString& name) { return mainWindow_.findChild<QWidget*>(name); };
    QWidget* weapon = named(QStringLiteral("Image9"));
    if (state.weaponEquipped) {
        QStringList parts = {QStringLiteral("무기")};
        const QString source = weaponSourceOfPicture(weapon->property("picture").toString());
        if (!source.isEmpty())
            parts << source;
        parts << QStringLiteral("공격력 ") + formatNumber(state.weaponAttack);
        setName(weapon, parts.join(QStringLiteral(", ")), QStringLiteral("누르면 무기를 벗습니다"));
    } else {
        setName(weapon, QStringLiteral("무기, ") + kEmpty, QStringLiteral("누르면 무기 종류를 고르는 창을 엽니다"));
    }

    const int gem = fittedGemKind(state);
    setName(named(QStringLiteral("Image18")),
            gem ? QStringLiteral("금강석, %1, %2").arg(gemTooltipName(gem), gemTooltipText(gem, state.gemStatKind))
                : QStringLiteral("금강석, 없음"));

    for (int slot = 1; slot <= kAccessoryCount; ++slot)
        setName(named(QStringLiteral("Image%1").arg(12 + slot)),
                accessoryName(slot) + QStringLiteral(", ") + (state.accessoryEquipped[slot] ? kWorn : kEmpty),
                state.accessoryEquipped[slot] ? QStringLiteral("누르면 벗습니다")
                                              : QStringLiteral("누르면 장신구 옵션을 넣는 창을 엽니다"));

    // The indicators' description is what their tooltip says: the effects of the catalogue sets worn.
    QStringList effects;
    for (const auto& [present, group] :
         {std::pair{state.lostSetPresent, SetGroup::Lost}, std::pair{state.seaSerpentSetPresent, SetGroup::SeaSerpent}})
        if (present)
            for (const QString& line : catalogueSetTexts(group))
                effects << line;
    const std::array<std::pair<int, bool>, 3> tiers = {
        {{3, state.indicatorShown.threeOn}, {5, state.indicatorShown.fiveOn}, {8, state.indicatorShown.eightOn}}};
    for (std::size_t i = 0; i < tiers.size(); ++i)
        setName(named(QStringLiteral("Image%1").arg(10 + static_cast<int>(i))),
                QStringLiteral("%1세트 효과, %2").arg(tiers[i].first).arg(tiers[i].second ? kOn : kOff),
                effects.join(QStringLiteral(", ")));

    for (int button = 1; button <= 4; ++button) {
        QWidget* stance = named(QStringLiteral("Command%1").arg(32 + button));
        const auto* label = mainWindow_.findChild<QLabel*>(QStringLiteral("Label%1").arg(54 + button));
        const bool on = label->text() == QLatin1String("on");
        setName(stance, stance->toolTip().isEmpty() ? QStringLiteral("스킬 %1").arg(button)
                                                    : stance->toolTip() + QStringLiteral(", ") + (on ? kOn : kOff));
    }
}

} // namespace tessarin
