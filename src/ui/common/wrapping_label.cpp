#include "ui/common/wrapping_label.h"

#include <QPainter>
#include <QTextOption>

namespace tessarin {

WrappingLabel::WrappingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void WrappingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(QRectF(contentsRect()), text(), option);
}

} // namespace tessarin
