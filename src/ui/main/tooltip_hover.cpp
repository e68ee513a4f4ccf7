#include "ui/main/tooltip_hover.h"

#include "engine/tooltip_rules.h"
#include "ui/common/hot_label.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"
#include "ui/main/tooltip_window.h"

#include <QEvent>

namespace tessarin {

TooltipHover::TooltipHover(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    for (const char* name : {"Image10", "Image11", "Image12", "Image18"}) {
        auto* picture = mainWindow.findChild<HotLabel*>(QString::fromLatin1(name));
        connect(picture, &HotLabel::moved, this,
                [this, picture](QPointF position) { pictureMoved(picture, position); });
    }
    gemPicture_ = mainWindow.findChild<QLabel*>(QStringLiteral("Image18"));
    // Moves over the bare window surface reach the main window itself; moves over its controls do not.
    mainWindow.installEventFilter(this);
}

bool TooltipHover::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &mainWindow_ && event->type() == QEvent::MouseMove)
        hide();
    return QObject::eventFilter(watched, event);
}

void TooltipHover::pictureMoved(QLabel* picture, QPointF position)
{
    const QPointF pointer(pixelsToTwips(position.x()), pixelsToTwips(position.y()));
    const CharacterState& state = mainWindow_.state();
    apply(picture == gemPicture_ ? gemTooltip(state, pointer) : setIndicatorTooltip(state, pointer));
}

void TooltipHover::tooltipMoved(QPointF)
{
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
