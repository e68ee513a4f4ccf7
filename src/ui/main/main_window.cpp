#include "ui/main/main_window.h"

#include "art/artwork.h"
#include "engine/class_rules.h"
#include "engine/set_effects.h"
#include "engine/stances.h"
#include "engine/stat_sheet.h"
#include "data/classes.h"
#include "app/version.h"
#include "ui/accessories/accessory_slots.h"
#include "ui/common/hot_label.h"
#include "ui/common/keyboard.h"
#include "ui/common/pictures.h"
#include "ui/common/refresh_gate.h"
#include "ui/common/twips.h"
#include "ui/common/wrapping_label.h"
#include "ui/help/help_hot_spot.h"
#include "ui/main/accessible_names.h"
#include "ui/main/program_menu.h"
#include "ui/main/preview_controller.h"
#include "ui/main/tooltip_hover.h"
#include "ui/soulshields/soulshield_board.h"
#include "ui/synthesis/synthesis_hot_spot.h"
#include "ui/weapons/sea_serpent_weapon_editor.h"
#include "ui/weapons/weapon_slot_view.h"

#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPushButton>

namespace tessarin {

namespace {

// One row of the character sheet: total ( base + equipment )
struct SheetRowLayout {
    int top;
    const char* total;
    const char* base;
    const char* equipment;
    const char* closing;
    int equipmentWidth;
};

constexpr std::array<SheetRowLayout, 8> kSheetRows = {{
    {7245, "Label44", "Label23", "Label25", "Label53_7", 495},
    {7635, "Label45", "Label24", "Label37", "Label53_8", 495},
    {8400, "Label46", "Label26", "Label38", "Label53_9", 495},
    {8805, "Label14", "Label27", "Label39", "Label53_10", 495},
    {9285, "Label51", "Label36", "Label50", "Label53_11", 495},
    {10005, "Label47", "Label40", "Label3", "Label53_12", 495},
    {10380, "Label48", "Label41", "Label13", "Label60", 735},
    {10755, "Label49", "Label42", "Label43", "Label53_14", 495},
}};

// The rate column: caption, value label and its "%" label.
struct RateLayout {
    const char* caption;
    QRect captionRect; // twips
    const char* value;
    QPoint valuePos; // twips
    int valueWidth;
    int height;
    QPoint percentPos; // twips; (0, 0): no "%" label
};

const std::array<RateLayout, 9> kRates = {{
    {"추가피해", {4080, 7200, 375, 375}, "Label35", {4560, 7245}, 495, 255, {}},
    {"기대공격력", {5040, 7245, 975, 375}, "Label1", {6120, 7245}, 615, 255, {}},
    {"피해감소율", {5040, 7635, 975, 255}, "Label2", {6120, 7635}, 615, 255, {6720, 7635}},
    {"명중률", {5400, 8400, 615, 255}, "Label4", {6120, 8400}, 615, 255, {6720, 8400}},
    {"치명타피해량", {3960, 8760, 615, 375}, "Label16", {4680, 8800}, 615, 195, {5280, 8800}},
    {"치명률", {5400, 8800, 615, 195}, "Label5", {6120, 8800}, 615, 195, {6720, 8800}},
    {"방어율", {5520, 10000, 615, 255}, "Label6", {6120, 10000}, 615, 255, {6840, 10000}},
    {"막기율", {5520, 10380, 615, 255}, "Label7", {6120, 10380}, 615, 255, {6840, 10380}},
    {"회피율", {5520, 10755, 615, 255}, "Label8", {6120, 10755}, 615, 255, {6840, 10755}},
}};

struct BoardButtonLayout {
    int number; // CommandN
    int left;
};

constexpr std::array<int, kBoardRows> kBoardRowTops = {1800, 2640, 3480, 4320};
constexpr std::array<std::array<BoardButtonLayout, kPieceCount>, kBoardRows> kBoard = {{
    {{{9, 7320}, {1, 8160}, {2, 9000}, {3, 9840}, {4, 10665}, {5, 11475}, {6, 12315}, {7, 13155}}},
    {{{16, 7320}, {15, 8145}, {14, 8985}, {13, 9825}, {12, 10635}, {11, 11475}, {10, 12315}, {8, 13140}}},
    {{{32, 7320}, {31, 8145}, {30, 8985}, {29, 9825}, {28, 10635}, {27, 11475}, {26, 12315}, {25, 13140}}},
    {{{24, 7320}, {23, 8145}, {22, 8985}, {21, 9825}, {20, 10635}, {19, 11475}, {18, 12315}, {17, 13140}}},
}};

constexpr std::array<int, 4> kStanceLefts = {7320, 8145, 9000, 9825};

// The looks of the window's controls in one style sheet, parsed once: a control names its look in the
// `look` property. Only controls that carry it match, so the editor windows (children of this window)
// keep to their own sheets.
const char* const kLook = "look";
const QString kStyleSheet = QStringLiteral(
    "*[look=\"figure\"] { color: white; background: transparent; }"
    "*[look=\"plain\"] { background: transparent; }"
    "*[look=\"version\"] { color: palette(highlighted-text); background: transparent; }"
    "*[look=\"caption\"] { color: #d9c9a3; background: transparent; }"
    "*[look=\"stance-state\"] { color: yellow; background: transparent; }"
    "QComboBox[look=\"class\"] { background: #12151b; color: #f4e7c3; border: 1px solid #8a6d2f; border-radius: 2px;"
    " padding: 0 2px; }"
    "QComboBox[look=\"class\"] QAbstractItemView { background: #1e222b; color: #f4e7c3;"
    " selection-background-color: #8a6d2f; }"
    "QPushButton[look=\"board\"] { background: palette(button); border: 1px solid #3b3323; border-radius: 3px;"
    " padding: 0; }"
    "QPushButton[look=\"board-white\"] { background: white; border: 1px solid #3b3323; border-radius: 3px;"
    " padding: 0; }"
    "QPushButton[look=\"board\"]:hover, QPushButton[look=\"board-white\"]:hover { border: 1px solid #f0d68a; }"
    "QPushButton[look=\"board\"]:pressed, QPushButton[look=\"board-white\"]:pressed"
    " { border: 2px solid #f0d68a; }"
    "QPushButton[look=\"stance\"] { background: #1d1a14; border: 1px solid #6b5a33; border-radius: 4px;"
    " padding: 0; }"
    "QPushButton[look=\"stance\"]:hover { border: 1px solid #f0d68a; }"
    // The keyboard focus (the colour of ui/common/theme.h).
    "QPushButton[look=\"board\"]:focus, QPushButton[look=\"board-white\"]:focus,"
    " QPushButton[look=\"stance\"]:focus { border: 2px solid #ffd75e; }"
    "QComboBox[look=\"class\"]:focus { border: 1px solid #ffd75e; }");

void setLook(QWidget* control, const char* look)
{
    control->setProperty(kLook, QString::fromLatin1(look));
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect twips, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    // Figures are set a little narrower, so five digits fit the designed columns.
    QFont font = label->font();
    font.setStretch(88);
    label->setFont(font);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setLook(label, "figure");
    return label;
}

// The character sheet's figures and brackets are set narrower still: a five-digit figure (10978) then
// keeps clear of the "(" beside it in the designed columns, and of the ")" once that stands at the
// right edge of its label.
constexpr int kSheetFigureStretch = 80;

QLabel* makeSheetLabel(QWidget* parent, const char* name, QRect twips, const QString& text,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    QLabel* label = makeLabel(parent, name, twips, text);
    QFont font = label->font();
    font.setStretch(kSheetFigureStretch);
    // Full hinting keeps the decimal point a point: lighter hinting draws "340.5" as "340,5" at this size.
    font.setHintingPreference(QFont::PreferFullHinting);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

HotLabel* makeHotLabel(QWidget* parent, const char* name, QRect twips)
{
    auto* label = new HotLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setLook(label, "plain");
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessarin 수치 계산기"));
    setFixedSize(twipsToPixels(14175), twipsToPixels(11655));
    setStyleSheet(kStyleSheet);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves over the bare surface hide the hover tooltip.
    setMouseTracking(true);

    auto* strip = makeHotLabel(this, "Label52", {0, 0, 13695, 495});
    connect(strip, &HotLabel::pressed, this, [this](QPointF pos, Qt::MouseButton) { onStripPressed(pos); });
    connect(strip, &HotLabel::moved, this, &MainWindow::onStripMoved);
    auto* closeMark = makeHotLabel(this, "Label9", {13680, 120, 375, 375});
    closeMark->setCursor(Qt::PointingHandCursor);
    connect(closeMark, &HotLabel::clicked, this, &MainWindow::requestClose);

    auto* version = makeLabel(this, "Label59", {1320, 720, 2175, 195},
                              QString::fromLatin1(kProgramName) + u' ' + QString::fromLatin1(kProgramVersion));
    setLook(version, "version");

    classBox_ = new QComboBox(this);
    classBox_->setObjectName(QStringLiteral("Combo1"));
    classBox_->setGeometry(twipsRect(5040, 1350, 1095, 315));
    classBox_->setEditable(true);
    setLook(classBox_, "class");
    classBox_->setInsertPolicy(QComboBox::NoInsert);
    for (const ClassInfo& info : classTable())
        classBox_->addItem(QString::fromUtf8(info.name));
    classBox_->setCurrentIndex(-1);
    classBox_->setEditText(kNoClassText);
    // A turn of the wheel while passing over the closed box is not a choice of class.
    classBox_->installEventFilter(this);
    connect(classBox_, &QComboBox::activated, this, &MainWindow::onClassPicked);
    connect(classBox_, &QComboBox::editTextChanged, this, [this](const QString& text) { state_.classText = text; });

    weaponPicture_ = makeHotLabel(this, "Image9", {360, 1920, 975, 975});
    weaponPicture_->setScaledContents(true);
    gemPicture_ = makeHotLabel(this, "Image18", {2280, 4320, 720, 720});
    gemPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int k = 1; k <= kPieceCount; ++k) {
        auto* picture = makeHotLabel(this, nullptr, {3600, 1920, 3135, 3015});
        picture->setObjectName(QStringLiteral("Image%1").arg(k));
        // A control like the other pictures: a move over the octagon is not a move over the bare window.
        picture->setScaledContents(true);
        piecePictures_[static_cast<std::size_t>(k - 1)] = picture;
    }
    for (int i = 0; i < 3; ++i) {
        auto* indicator = makeHotLabel(this, nullptr, {3600 + 480 * i, 4995, 345, 345});
        indicator->setObjectName(QStringLiteral("Image%1").arg(10 + i));
        indicator->setScaledContents(true);
        indicators_[static_cast<std::size_t>(i)] = indicator;
        showIndicatorPlaceholder(i);
    }
    const std::array<QPoint, kAccessoryCount> accessoryPositions = {
        {{3600, 6240}, {4400, 6240}, {5200, 6240}, {6060, 6240}, {5200, 5400}}};
    for (int n = 0; n < kAccessoryCount; ++n) {
        const QPoint at = accessoryPositions[static_cast<std::size_t>(n)];
        auto* slot = makeHotLabel(this, nullptr, {at.x(), at.y(), 735, 735});
        slot->setObjectName(QStringLiteral("Image%1").arg(13 + n));
        // Accessory pictures are shown at their own size, not stretched to the slot.
        slot->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    buildStatSheet();
    buildBoard();
    buildStances();

    makeHotLabel(this, "Label32", {8520, 10800, 975, 615})->setCursor(Qt::PointingHandCursor);
    makeHotLabel(this, "Label33", {11640, 10680, 735, 735})->setCursor(Qt::PointingHandCursor);
    makeLabel(this, "Label11", {4800, 8760, 855, 375});

    sheetView_ = std::make_unique<StatSheetView>(this);
    new SoulShieldBoard(*this);
    new SynthesisHotSpot(*this);
    new WeaponSlotView(*this);
    new AccessorySlots(*this);
    new TooltipHover(*this);
    new HelpHotSpot(*this);
    buildTimers();
    history_.reset(currentBuild());
    new ProgramMenu(*this);
    new AccessibleNames(*this);
    moveFocusWithArrows(QList<QWidget*>(stanceButtons_.begin(), stanceButtons_.end()));
    prepareKeyboard(this, nullptr, nullptr);
    new PreviewController(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildStatSheet()
{
    for (const SheetRowLayout& row : kSheetRows) {
        const bool attack = row.top == 7245;
        const QString start = attack ? QStringLiteral("60") : QStringLiteral("0");
        makeSheetLabel(this, row.total, {2280, row.top, 495, 255}, start);
        makeSheetLabel(this, nullptr, {2760, row.top, 135, 255}, QStringLiteral("("));
        makeSheetLabel(this, row.base, {2640, row.top, 615, 255}, start, Qt::AlignRight | Qt::AlignVCenter);
        makeSheetLabel(this, nullptr, {3315, row.top, 165, 195}, QStringLiteral("+"));
        makeSheetLabel(this, row.equipment, {3480, row.top, row.equipmentWidth, 285}, QStringLiteral("0"));
        makeSheetLabel(this, row.closing, {3840, row.top, 135, 255}, QStringLiteral(")"),
                       Qt::AlignRight | Qt::AlignVCenter);
    }
    for (const RateLayout& rate : kRates) {
        auto* caption = new WrappingLabel(QString::fromUtf8(rate.caption), this);
        caption->setGeometry(
            twipsRect(rate.captionRect.x(), rate.captionRect.y(), rate.captionRect.width(), rate.captionRect.height()));
        caption->setAlignment(Qt::AlignCenter);
        setLook(caption, "caption");
        if (rate.captionRect.height() > 255) {
            // Two short lines in a square box ("추가/피해", "치명타/피해량").
            QFont font = caption->font();
            font.setPixelSize(10);
            caption->setFont(font);
        }
        const bool additional = QByteArrayView(rate.value) == "Label35";
        makeSheetLabel(this, rate.value, {rate.valuePos.x(), rate.valuePos.y(), rate.valueWidth, rate.height},
                       additional ? QStringLiteral("0") : QString());
        if (!rate.percentPos.isNull())
            makeLabel(this, nullptr, {rate.percentPos.x(), rate.percentPos.y(), 135, rate.height}, QStringLiteral("%"));
    }
}

void MainWindow::buildBoard()
{
    const int size = twipsToPixels(770);
    for (int row = 1; row <= kBoardRows; ++row) {
        for (int piece = 1; piece <= kPieceCount; ++piece) {
            const BoardButtonLayout& at =
                kBoard[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(piece - 1)];
            auto* button = new QPushButton(this);
            button->setObjectName(QStringLiteral("Command%1").arg(at.number));
            button->setGeometry(twipsRect(at.left, kBoardRowTops[static_cast<std::size_t>(row - 1)], 770, 770));
            button->setIcon(art::boardButtonIcon(row, piece, size - 4));
            button->setIconSize(QSize(size - 4, size - 4));
            // Reached by Tab and the arrow keys; a click leaves the focus where it was.
            button->setFocusPolicy(Qt::TabFocus);
            button->setCursor(Qt::PointingHandCursor);
            setLook(button, piece <= 2 ? "board-white" : "board");
            board_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(piece - 1)] = button;
        }
    }
}

void MainWindow::buildStances()
{
    for (int i = 0; i < 4; ++i) {
        const int left = kStanceLefts[static_cast<std::size_t>(i)];
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Command%1").arg(33 + i));
        button->setGeometry(twipsRect(left, 5950, 770, 770));
        button->setFocusPolicy(Qt::TabFocus);
        button->setCursor(Qt::PointingHandCursor);
        setLook(button, "stance");
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { onStanceClicked(i + 1); });
        auto* label = makeLabel(this, nullptr, {left, 6720, 770, 255}, QStringLiteral("off"));
        label->setObjectName(QStringLiteral("Label%1").arg(55 + i));
        label->setAlignment(Qt::AlignCenter);
        setLook(label, "stance-state");
        label->hide();
        stanceButtons_[static_cast<std::size_t>(i)] = button;
        stanceLabels_[static_cast<std::size_t>(i)] = label;
    }
}

void MainWindow::buildTimers()
{
    refreshGate_ = new RefreshGate(state_, this);
    refreshGate_->addTimer(this, "Timer2", 10, [this] { statCycle(); });
    refreshGate_->addTimer(this, "Timer3", 10, [this] { updateSetPresence(state_); });
    refreshGate_->addTimer(this, "Timer4", 10, [this] { updateSetEffects(state_); });
    refreshGate_->addTimer(this, "Timer5", 50, [this] { refreshIndicators(); });
}

void MainWindow::statCycle()
{
    const StatSheet sheet = computeSheet(state_);
    storeEngineFigures(state_, sheet);
    sheetView_->apply(sheet);
}

void MainWindow::refreshIndicators()
{
    for (const IndicatorChange& change : runIndicatorCycle(state_))
        loadPicture(indicators_[static_cast<std::size_t>(change.indicator)], QString::fromUtf8(change.picture));
}

QPushButton* MainWindow::boardButton(int row, int piece) const
{
    return board_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(piece - 1)];
}

QLabel* MainWindow::piecePicture(int piece) const
{
    return piecePictures_[static_cast<std::size_t>(piece - 1)];
}

void MainWindow::onClassPicked(int index)
{
    const ClassChange change = changeClass(state_, classBox_->itemText(index));
    for (QLabel* label : stanceLabels_)
        label->setText(QStringLiteral("off"));
    if (change.knownClass) {
        for (int i = 0; i < 4; ++i) {
            const StanceButtonView& view = change.buttons[static_cast<std::size_t>(i)];
            QPushButton* button = stanceButtons_[static_cast<std::size_t>(i)];
            button->setVisible(view.visible);
            stanceLabels_[static_cast<std::size_t>(i)]->setVisible(view.visible);
            if (view.visible) {
                loadPicture(button, view.picture);
                button->setToolTip(view.tooltip);
            }
        }
    }
    clearPicture(weaponPicture_);
    clearPicture(gemPicture_);
    noteChange();
}

void MainWindow::onStanceClicked(int button)
{
    if (const std::optional<bool> on = clickStanceButton(state_, button))
        stanceLabels_[static_cast<std::size_t>(button - 1)]->setText(*on ? QStringLiteral("on")
                                                                         : QStringLiteral("off"));
    noteChange();
}

void MainWindow::showIndicatorPlaceholder(int indicator)
{
    constexpr std::array<int, 3> tiers = {3, 5, 8};
    QLabel* label = indicators_[static_cast<std::size_t>(indicator)];
    clearPicture(label);
    label->setPixmap(art::indicatorPlaceholderPixmap(tiers[static_cast<std::size_t>(indicator)], label->width(),
                                                     devicePixelRatioF()));
}

QLabel* MainWindow::accessoryPicture(int slot) const
{
    return findChild<QLabel*>(QStringLiteral("Image%1").arg(12 + slot));
}

BuildMarks MainWindow::marks() const
{
    auto pictureOf = [](const QWidget* control) { return control->property(kPictureProperty).toString(); };
    BuildMarks marks;
    for (int k = 1; k <= kPieceCount; ++k)
        marks.pieces[k] = pictureOf(piecePicture(k));
    marks.weapon = pictureOf(weaponPicture_);
    marks.gem = pictureOf(gemPicture_);
    for (int n = 1; n <= kAccessoryCount; ++n)
        marks.accessories[n] = pictureOf(accessoryPicture(n));
    for (std::size_t i = 0; i < indicators_.size(); ++i)
        marks.indicators[i] = pictureOf(indicators_[i]);
    for (std::size_t i = 0; i < stanceLabels_.size(); ++i)
        marks.stanceLabelsOn[i] = stanceLabels_[i]->text() == QLatin1String("on");
    return marks;
}

Build MainWindow::currentBuild() const
{
    Build build = takeBuild(state_, marks());
    if (const auto* editor = findChild<SeaSerpentWeaponEditor*>(QStringLiteral("Form4")))
        if (const std::optional<StatBlock> before = editor->slotBeforePreview())
            static_cast<StatBlock&>(build.weapon) = *before;
    return build;
}

void MainWindow::closeEditors()
{
    for (const char* name : {"Form14", "Form13", "Form3", "Form4", "Form6", "Form2", "Form5", "Form10", "Form12"})
        windows_.close(QString::fromLatin1(name));
}

void MainWindow::showBuild(const Build& build)
{
    closeEditors();
    const AppliedBuild applied = applyBuild(state_, build);
    auto show = [](QWidget* control, const QString& picture) {
        if (picture.isEmpty())
            clearPicture(control);
        else
            loadPicture(control, picture);
    };
    for (int k = 1; k <= kPieceCount; ++k)
        show(piecePicture(k), applied.marks.pieces[k]);
    show(weaponPicture_, applied.marks.weapon);
    show(gemPicture_, applied.marks.gem);
    for (int n = 1; n <= kAccessoryCount; ++n)
        show(accessoryPicture(n), applied.marks.accessories[n]);
    for (int i = 0; i < 3; ++i) {
        const QString& picture = applied.marks.indicators[static_cast<std::size_t>(i)];
        if (picture.isEmpty())
            showIndicatorPlaceholder(i);
        else
            loadPicture(indicators_[static_cast<std::size_t>(i)], picture);
    }
    for (std::size_t i = 0; i < stanceButtons_.size(); ++i) {
        const AppliedBuild::StanceButton& view = applied.stanceButtons[i];
        QPushButton* button = stanceButtons_[i];
        button->setVisible(view.visible);
        stanceLabels_[i]->setVisible(view.visible);
        if (view.visible)
            loadPicture(button, view.picture);
        else
            clearPicture(button);
        button->setToolTip(view.tooltip);
        stanceLabels_[i]->setText(applied.marks.stanceLabelsOn[i] ? QStringLiteral("on") : QStringLiteral("off"));
    }
    classBox_->setCurrentIndex(build.shownClass.isEmpty() ? -1 : classBox_->findText(build.shownClass));
    classBox_->setEditText(build.classText);
    refreshGate_->wake();
}

void MainWindow::noteChange()
{
    if (changePending_)
        return;
    changePending_ = true;
    QMetaObject::invokeMethod(this, &MainWindow::recordChange, Qt::QueuedConnection);
}

void MainWindow::settleChange()
{
    if (changePending_)
        recordChange();
}

void MainWindow::recordChange()
{
    if (!changePending_)
        return;
    changePending_ = false;
    // What Timer3, Timer4 and Timer5 would do at their next ticks, so the step holds the settled window.
    updateSetPresence(state_);
    updateSetEffects(state_);
    refreshIndicators();
    if (history_.record(currentBuild()))
        emit buildChanged();
}

void MainWindow::requestClose()
{
    if (closeGuard_ && !closeGuard_())
        return;
    windows_.closeAll(this);
}

void MainWindow::onStripPressed(QPointF position)
{
    state_.dragOriginX = static_cast<float>(pixelsToTwips(position.x()));
}

void MainWindow::onStripMoved(QPointF position, Qt::MouseButtons buttons)
{
    if (buttons != Qt::LeftButton)
        return;
    // The window keeps the horizontal grab offset and puts the pointer 200 twips below its top edge.
    const double dx = (pixelsToTwips(position.x()) - state_.dragOriginX) / kTwipsPerPixel;
    const double dy = (pixelsToTwips(position.y()) - 200) / kTwipsPerPixel;
    move(pos() + QPoint(qRound(dx), qRound(dy)));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == classBox_ && event->type() == QEvent::Wheel)
        return true;
    return QWidget::eventFilter(watched, event);
}

void MainWindow::paintEvent(QPaintEvent*)
{
    const qreal dpr = devicePixelRatioF();
    if (background_.isNull() || !qFuzzyCompare(background_.devicePixelRatio(), dpr)) {
        background_ = QPixmap(QSize(945, 779) * dpr);
        background_.setDevicePixelRatio(dpr);
        QPainter painter(&background_);
        painter.setRenderHint(QPainter::Antialiasing);
        art::paintMainBackground(painter);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    if (!iconGiven_) {
        // The window icon is drawn in seven sizes; the first frame does not wait for it.
        iconGiven_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(art::applicationIcon()); });
    }
}

} // namespace tessarin
