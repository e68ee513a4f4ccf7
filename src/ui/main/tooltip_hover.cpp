#include "ui/main/tooltip_hover.h"

#include "engine/tooltip_rules.h"
#include "ui/common/hot_label.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"
#include "ui/main/tooltip_window.h"

#include <QEvent>

#include <algorithm>

namespace tessarin {

TooltipHover::TooltipHover(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    const std::array<const char*, 4> names = {"Image10", "Image11", "Image12", "Image18"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* picture = mainWindow.findChild<HotLabel*>(QString::fromLatin1(names[i]));
        connect(picture, &HotLabel::moved, this,
                [this, picture](QPointF position) { pictureMoved(picture, position); });
        pictures_[i] = picture;
    }
    // Moves over the bare window surface reach the main window itself; moves over its controls do not.
    mainWindow.installEventFilter(this);
}

bool TooltipHover::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &mainWindow_ && event->type() == QEvent::MouseMove)
        hide();
    return QObject::eventFilter(watched, event);
}

void TooltipHover::pictureMoved(HotLabel* picture, QPointF position)
{
    const QPointF pointer(pixelsToTwips(position.x()), pixelsToTwips(position.y()));
    const CharacterState& state = mainWindow_.state();
    apply(picture == pictures_.back() ? gemTooltip(state, pointer) : setIndicatorTooltip(state, pointer));
}

void TooltipHover::tooltipMoved(QPointF globalPosition)
{
    // Over Image11 and Image12 the tooltip opens under the pointer. Hiding it on the next move would
    // let the picture show it again on the move after, and it would flicker; so a move over the
    // tooltip where a hover picture lies beneath counts as a move over that picture. Anywhere else
    // it hides the tooltip.
    const QPoint inMainWindow = mainWindow_.mapFromGlobal(globalPosition).toPoint();
    auto* picture = qobject_cast<HotLabel*>(mainWindow_.childAt(inMainWindow));
    if (picture && std::find(pictures_.begin(), pictures_.end(), picture) != pictures_.end())
        pictureMoved(picture, picture->mapFromGlobal(globalPosition));
    else
        hide();
}

void TooltipHover::apply(const TooltipView& view)
{
    switch (view.action) {
    case TooltipView::Action::Keep: break;
    case TooltipView::Action::Hide: hide(); break;
    case TooltipView::Action::Close:
        if (tooltip_) {
            tooltip_->hide();
            tooltip_->deleteLater();
            tooltip_ = nullptr;
        }
        break;
    case TooltipView::Action::Show:
        if (!tooltip_) {
            tooltip_ = new TooltipWindow(&mainWindow_);
            mainWindow_.windows().keep(tooltip_);
            connect(tooltip_, &TooltipWindow::pointerMoved, this, &TooltipHover::tooltipMoved);
        }
        tooltip_->present(view, mainWindow_.pos());
        break;
    }
}

void TooltipHover::hide()
{
    if (tooltip_)
        tooltip_->hide();
}

} // namespace tessarin
