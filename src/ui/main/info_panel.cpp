#include "ui/main/info_panel.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <array>

namespace tessarin {

namespace {

const QColor kPanelBackground(64, 64, 64); // the tooltip's dark grey
constexpr int kPadding = 6;                // logical pixels around the text
constexpr int kGap = 4;                    // between the panel and the window it serves

} // namespace

PanelLabel::PanelLabel(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("Label1"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelLabel::setLines(const QString& text, const std::vector<QColor>& colours)
{
    if (text == this->text() && colours == colours_)
        return;
    colours_ = colours;
    setText(text);
    update();
}

QSize PanelLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QStringList lines = text().split(u'\n');
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return {width + 2 * kPadding, static_cast<int>(lines.size()) * metrics.lineSpacing() + 2 * kPadding};
}

void PanelLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kPanelBackground);
    const QFontMetrics metrics(font());
    const QStringList lines = text().split(u'\n');
    int y = kPadding + metrics.ascent();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        painter.setPen(index < colours_.size() && colours_[index].isValid() ? colours_[index] : QColor(Qt::white));
        painter.drawText(kPadding, y, lines.at(i));
        y += metrics.lineSpacing();
    }
}

InfoPanel::InfoPanel(QWidget* mainWindow, const QString& name, const QString& title)
    : QWidget(mainWindow, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    label_ = new PanelLabel(this);
}

void InfoPanel::setLines(const QString& text, const std::vector<QColor>& colours)
{
    label_->setLines(text, colours);
    const QSize size = label_->sizeHint();
    if (size != this->size()) {
        resize(size);
        label_->resize(size);
    }
}

void InfoPanel::placeBeside(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QScreen* screen = window->screen();
    const QRect available = screen ? screen->availableGeometry() : frame;
    // Right of the window, else left of it; where both are free, the side that covers none of the
    // program's other open windows (the main window aside, which lies under every one of them).
    const std::array<QPoint, 2> sides = {QPoint(frame.right() + 1 + kGap, frame.top()),
                                         QPoint(frame.left() - kGap - width(), frame.top())};
    auto onScreen = [&](QPoint at) { return available.contains(QRect(at, size())); };
    auto coversAnother = [&](QPoint at) {
        for (const QWidget* other : QApplication::topLevelWidgets())
            if (other != window && other != this && other->isVisible() && other != parentWidget() &&
                !(other->windowFlags() & Qt::ToolTip) && other->frameGeometry().intersects(QRect(at, size())))
                return true;
        return false;
    };
    QPoint at = sides[0].x() + width() <= available.right() + 1 ? sides[0] : sides[1];
    for (QPoint side : sides)
        if (onScreen(side) && !coversAnother(side)) {
            at = side;
            break;
        }
    at.setX(std::max(at.x(), available.left()));
    at.setY(std::clamp(at.y(), available.top(), std::max(available.top(), available.bottom() + 1 - height())));
    move(at);
}

void InfoPanel::placeIn(QRect area, const QWidget* window)
{
    if (width() <= area.width() && height() <= area.height())
        move(area.topLeft());
    else
        placeBeside(window);
}

} // namespace tessarin
