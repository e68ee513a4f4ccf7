#include "ui/main/preview_controller.h"

#include "engine/breakdown.h"
#include "engine/class_rules.h"
#include "engine/accessory_rules.h"
#include "engine/soulshield_rules.h"
#include "engine/stances.h"
#include "engine/synthesis_rules.h"
#include "ui/common/refresh_gate.h"
#include "ui/common/twips.h"
#include "ui/main/info_panel.h"
#include "ui/main/main_window.h"
#include "ui/main/preview_source.h"
#include "ui/synthesis/synthesis_chooser.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace tessarin {

namespace {

// The editors whose confirmation the change panel previews.
const std::array<const char*, 7> kEditors = {"Form3", "Form4", "Form5", "Form6", "Form10", "Form12", "Form14"};

const char* const kWatched = "previewWatched";


// The part of the main window's inventory panel below the stance buttons and above the synthesis and
// help buttons: drawn only, so a panel there covers no control.
QRect freeArea(const MainWindow& mainWindow)
{
    const QRect twips = twipsRect(7380, 7080, 6600, 3500);
    return {mainWindow.mapToGlobal(twips.topLeft()), twips.size()};
}

} // namespace

PreviewController::PreviewController(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    changes_ = new InfoPanel(&mainWindow, QStringLiteral("Form18"), QStringLiteral("변화"));
    breakdown_ = new InfoPanel(&mainWindow, QStringLiteral("Form19"), QString());
    mainWindow.windows().keep(changes_);
    mainWindow.windows().keep(breakdown_);

    for (int row = 1; row <= kBoardRows; ++row)
        for (int piece = 1; piece <= kPieceCount; ++piece)
            watch(mainWindow.boardButton(row, piece));
    for (int n = 9; n <= 17; n = n == 9 ? 13 : n + 1)
        watch(mainWindow.findChild<QWidget*>(QStringLiteral("Image%1").arg(n)));
    for (int n = 33; n <= 36; ++n)
        watch(mainWindow.findChild<QWidget*>(QStringLiteral("Command%1").arg(n)));
    for (int l = 0; l < kSheetLabelCount; ++l)
        if (hasBreakdown(static_cast<SheetLabel>(l)))
            watch(mainWindow.findChild<QLabel*>(QString::fromLatin1(kSheetLabelNames[static_cast<std::size_t>(l)])));

    mainWindow.installEventFilter(this);
    timer_ = mainWindow.refreshGate().addTimer(this, "PreviewTimer", 10, &PreviewController::refresh);
}

void PreviewController::watch(QObject* control)
{
    if (!control || control->property(kWatched).toBool())
        return;
    control->setProperty(kWatched, true);
    control->installEventFilter(this);

}

void PreviewController::watchEditorLists()
{
    for (const char* name : kEditors) {
        QWidget* editor = mainWindow_.windows().find(QString::fromLatin1(name));
        if (!editor || editor->property(kWatched).toBool())
            continue;
        editor->setProperty(kWatched, true);
        for (QListWidget* list : editor->findChildren<QListWidget*>()) {
            list->viewport()->setMouseTracking(true);
            watch(list->viewport());
        }
    }
    if (QWidget* chooser = mainWindow_.windows().find(QStringLiteral("Form13")))
        watch(chooser->findChild<QPushButton*>(QStringLiteral("Command8")));
}

bool PreviewController::isFigure(const QWidget* control) const
{
    return qobject_cast<const QLabel*>(control) && control->parentWidget() == &mainWindow_ &&
           control->property("look").toString() == QStringLiteral("figure");
}

void PreviewController::pointerOn(QWidget* control)
{
    QPointer<QWidget>& hovered = isFigure(control) ? hoveredFigure_ : hoveredControl_;
    QPointer<QWidget>& other = isFigure(control) ? hoveredControl_ : hoveredFigure_;
    if (hovered == control && !other)
        return;
    hovered = control;
    other = nullptr;
    refreshChanges();
    refreshBreakdown();
}

void PreviewController::pointerOff(const QWidget* control)
{
    if (control && hoveredControl_ != control && hoveredFigure_ != control)
        return;
    if (!hoveredControl_ && !hoveredFigure_)
        return;
    hoveredControl_ = nullptr;
    hoveredFigure_ = nullptr;
    refreshChanges();
    refreshBreakdown();
}

bool PreviewController::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::Leave && type != QEvent::MouseMove)
        return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (widget == &mainWindow_) {
        // Moves over the controls that ignore them, and over the bare surface, end up here.
        if (type == QEvent::MouseMove) {
            QWidget* under = mainWindow_.childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (under && under->property(kWatched).toBool())
                pointerOn(under);
            else
                pointerOff(nullptr);
        }
        return false;
    }
    if (auto* list = qobject_cast<QListWidget*>(widget->parentWidget()); list && list->viewport() == widget) {
        if (type == QEvent::Leave) {
            if (hoveredList_ == list) {
                hoveredList_ = nullptr;
                hoveredRow_ = -1;
                refreshChanges();
            }
            return false;
        }
        const QPoint at = type == QEvent::MouseMove ? static_cast<QMouseEvent*>(event)->position().toPoint()
                                                    : widget->mapFromGlobal(QCursor::pos());
        const int row = list->indexAt(at).row();
        if (hoveredList_ == list && row == hoveredRow_)
            return false;
        hoveredList_ = list;
        hoveredRow_ = row;
        refreshChanges();
        return false;
    }
    if (type == QEvent::Leave)
        pointerOff(widget);
    else
        pointerOn(widget);
    return false;
}

void PreviewController::refresh()
{
    watchEditorLists();
    refreshChanges();
    refreshBreakdown();
}

std::optional<Candidate> PreviewController::clickCandidate(const QWidget* control) const
{
    const CharacterState& state = mainWindow_.state();
    for (int row = 1; row <= kBoardRows; ++row)
        for (int piece = 1; piece <= kPieceCount; ++piece)
            if (control == mainWindow_.boardButton(row, piece)) {
                if (!state.pieceEquipped[row][piece])
                    return std::nullopt; // the click opens an editor
                return [row, piece](CharacterState& s) { removePiece(s, row, piece); };
            }
    const QString name = control->objectName();
    if (name == QStringLiteral("Image9") && control->window() == &mainWindow_) {
        if (!state.weaponEquipped)
            return std::nullopt;
        return [](CharacterState& s) { removeWeapon(s); };
    }
    for (int slot = 1; slot <= kAccessoryCount; ++slot)
        if (name == QStringLiteral("Image%1").arg(12 + slot) && control->window() == &mainWindow_) {
            if (!state.accessoryEquipped[slot])
                return std::nullopt;
            return [slot](CharacterState& s) { removeAccessory(s, slot); };
        }
    for (int button = 1; button <= 4; ++button)
        if (name == QStringLiteral("Command%1").arg(32 + button) && control->window() == &mainWindow_) {
            if (!control->isVisible() || !stanceOfButton(state.classText, button))
                return std::nullopt;
            return [button](CharacterState& s) { clickStanceButton(s, button); };
        }
    if (const auto* chooser = qobject_cast<const SynthesisChooser*>(control->window())) {
        const int piece = chooser->selectedPiece();
        if (piece == kNoPiece || !pieceIsSynthesized(state, piece))
            return std::nullopt; // the release only answers with a message
        return [piece](CharacterState& s) { releaseSynthesis(s, piece); };
    }
    return std::nullopt;
}

void PreviewController::refreshChanges()
{
    if (!changes_)
        return;
    std::optional<Candidate> candidate;
    const QWidget* served = nullptr;
    if (hoveredControl_ && hoveredControl_->isVisible()) {
        candidate = clickCandidate(hoveredControl_);
        served = hoveredControl_->window();
    }
    if (!candidate) {
        // The editor with the list under the pointer, else the active one, else the first open one.
        std::vector<QWidget*> editors;
        for (const char* name : kEditors) {
            QWidget* editor = mainWindow_.windows().find(QString::fromLatin1(name));
            if (!editor || !editor->isVisible())
                continue;
            const bool first = (hoveredList_ && editor->isAncestorOf(hoveredList_)) || editor->isActiveWindow();
            editors.insert(first ? editors.begin() : editors.end(), editor);
        }
        for (QWidget* editor : editors) {
            const auto* source = dynamic_cast<const PreviewSource*>(editor);
            const bool listHere = hoveredList_ && editor->isAncestorOf(hoveredList_);
            candidate = source ? source->previewCandidate(listHere ? ListHover{hoveredList_, hoveredRow_} : ListHover{})
                               : std::nullopt;
            if (candidate) {
                served = editor;
                break;
            }
        }
    }
    if (!candidate) {
        if (changes_->isVisible())
            changes_->hide();
        return;
    }
    const CharacterState& state = mainWindow_.state();
    const std::vector<ChangeLine> lines = changeLines(settledSheet(state), previewSheet(state, *candidate));
    std::vector<QColor> colours;
    for (const ChangeLine& line : lines)
        colours.push_back(line.rise ? kRiseColour : kFallColour);
    changes_->setLines(changeText(lines), colours);
    if (served == &mainWindow_)
        changes_->placeIn(freeArea(mainWindow_), &mainWindow_);
    else
        changes_->placeBeside(served);
    if (!changes_->isVisible())
        changes_->show();
}

void PreviewController::refreshBreakdown()
{
    if (!breakdown_)
        return;
    if (!hoveredFigure_ || !hoveredFigure_->isVisible()) {
        if (breakdown_->isVisible())
            breakdown_->hide();
        return;
    }
    const QString name = hoveredFigure_->objectName();
    const CharacterState& state = mainWindow_.state();
    for (int l = 0; l < kSheetLabelCount; ++l) {
        if (name != QString::fromLatin1(kSheetLabelNames[static_cast<std::size_t>(l)]))
            continue;
        breakdown_->setLines(breakdownText(breakdownOf(state, computeSheet(state), static_cast<SheetLabel>(l))));
        breakdown_->placeIn(freeArea(mainWindow_), &mainWindow_);
        if (!breakdown_->isVisible())
            breakdown_->show();
        return;
    }
}

} // namespace tessarin
