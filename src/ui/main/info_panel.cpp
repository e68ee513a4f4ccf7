#include "ui/main/info_panel.h"

#include <QPainter>
#include <QScreen>

#include <algorithm>

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
    int x = frame.right() + 1 + kGap;
    if (x + width() > available.right() + 1)
        x = frame.left() - kGap - width();
    x = std::max(x, available.left());
    const int y = std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() + 1 - height()));
    move(x, y);
}

void InfoPanel::placeIn(QRect area, const QWidget* window)
{
    if (width() <= area.width() && height() <= area.height())
        move(area.topLeft());
    else
        placeBeside(window);
}

} // namespace tessarin
