#include "ui/main/tooltip_window.h"

#include "engine/tooltip_rules.h"
#include "ui/common/hot_label.h"
#include "ui/common/twips.h"

namespace tessarin {

TooltipWindow::TooltipWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QString());
    // Showing the panel must leave the keyboard where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    resize(twipsToPixels(3015), twipsToPixels(4170));

    label_ = new HotLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setGeometry(twipsRect(0, 0, 3015, 4215));
    label_->setTextFormat(Qt::PlainText);
    // Set a little narrower, so the longest bonus ("막기 확률 9% 증가") fits the 1600-twip gem tooltip.
    QFont font = label_->font();
    font.setStretch(94);
    label_->setFont(font);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setStyleSheet(QStringLiteral("QLabel { background: rgb(64, 64, 64); color: white; }"));
    connect(label_, &HotLabel::moved, this,
            [this](QPointF position) { emit pointerMoved(label_->mapToGlobal(position)); });
}

void TooltipWindow::present(const TooltipView& view, QPoint mainWindowTopLeft)
{
    const QSize size(twipsToPixels(view.width), twipsToPixels(view.height));
    resize(size);
    if (view.sizeLabel)
        label_->resize(size);
    const QPointF topLeft =
        QPointF(pixelsToTwips(mainWindowTopLeft.x()), pixelsToTwips(mainWindowTopLeft.y())) + view.offset;
    move(twipsPoint(qRound(topLeft.x()), qRound(topLeft.y())));
    label_->setText(view.text);
    show();
}

} // namespace tessarin
