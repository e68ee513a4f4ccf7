#include "ui/common/keyboard.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace tessarin {

namespace {

// Marks an accessible name this file gave, so a later run may replace it.
const char* const kCaptionName = "captionName";

bool takesTab(const QWidget* widget)
{
    return !widget->isWindow() && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
}

bool holdsTabStops(const QWidget* container)
{
    const QList<QWidget*> inside = container->findChildren<QWidget*>();
    return std::any_of(inside.begin(), inside.end(), [](const QWidget* w) { return takesTab(w); });
}

// Top to bottom; a control whose top lies within half the height of the first control of a row (the
// smaller of the two, and at least 10 px: small marks sit a little lower than the list beside them)
// stands in that row; left to right within a row.
void sortVisually(QList<QWidget*>& items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const QWidget* a, const QWidget* b) { return a->geometry().top() < b->geometry().top(); });
    QList<QWidget*> sorted;
    for (qsizetype first = 0; first < items.size();) {
        const QRect anchor = items[first]->geometry();
        qsizetype end = first + 1;
        while (end < items.size()) {
            const QRect at = items[end]->geometry();
            if (2 * (at.top() - anchor.top()) >= std::max(std::min(anchor.height(), at.height()), 20))
                break;
            ++end;
        }
        QList<QWidget*> row = items.mid(first, end - first);
        std::stable_sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) {
            return a->geometry().left() < b->geometry().left();
        });
        sorted += row;
        first = end;
    }
    items = sorted;
}

void collectTabStops(QWidget* container, QList<QWidget*>& chain)
{
    QList<QWidget*> items;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (takesTab(child) || holdsTabStops(child))
            items << child;
    }
    sortVisually(items);
    for (QWidget* item : items) {
        if (takesTab(item))
            chain << item; // a control's own parts (a list's scroll bars, a box's editor) are its business
        else
            collectTabStops(item, chain);
    }
}

QPoint centreInWindow(const QWidget* widget)
{
    return widget->mapTo(widget->window(), widget->rect().center());
}

class WindowKeys : public QObject {
public:
    WindowKeys(QWidget* window, QAbstractButton* confirm, QAbstractButton* cancel)
        : QObject(window), confirm_(confirm), cancel_(cancel)
    {
        window->installEventFilter(this);
    }

protected:
    // Keys reach the window when the focused control leaves them: no control here uses Enter or Esc.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            // Each showing sees the window's controls as they stand, whatever was added or captioned since.
            auto* window = static_cast<QWidget*>(watched);
            orderTabsVisually(window);
            nameControlsByCaptions(window);
        }
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* window = static_cast<QWidget*>(watched);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* focused = qobject_cast<QPushButton*>(window->focusWidget()); focused && focused->isEnabled())
                return press(focused);
            return press(confirm_);
        case Qt::Key_Escape: return press(cancel_);
        default: return false;
        }
    }

private:
    static bool press(QAbstractButton* button)
    {
        if (button && button->isEnabled() && button->isVisible())
            button->click();
        return true;
    }

    QPointer<QAbstractButton> confirm_;
    QPointer<QAbstractButton> cancel_;
};

class ArrowKeys : public QObject {
public:
    explicit ArrowKeys(std::span<QWidget* const> group) : QObject(group.front())
    {
        for (QWidget* member : group) {
            members_.emplace_back(member);
            member->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        QPoint direction;
        switch (key->key()) {
        case Qt::Key_Left: direction = {-1, 0}; break;
        case Qt::Key_Right: direction = {1, 0}; break;
        case Qt::Key_Up: direction = {0, -1}; break;
        case Qt::Key_Down: direction = {0, 1}; break;
        default: return false;
        }
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (QWidget* target = nearest(static_cast<QWidget*>(watched), direction))
            target->setFocus(Qt::TabFocusReason);
        return true; // at the edge of the group the focus stays
    }

private:
    // The closest member ahead in the direction, a step across the direction counting double.
    QWidget* nearest(const QWidget* from, QPoint direction) const
    {
        const QPoint start = centreInWindow(from);
        QWidget* best = nullptr;
        int bestScore = std::numeric_limits<int>::max();
        for (const QPointer<QWidget>& member : members_) {
            if (!member || member == from || !member->isVisible() || !member->isEnabled())
                continue;
            const QPoint delta = centreInWindow(member) - start;
            const int ahead = delta.x() * direction.x() + delta.y() * direction.y();
            const int across = std::abs(delta.x() * direction.y()) + std::abs(delta.y() * direction.x());
            if (ahead <= 0)
                continue;
            const int score = ahead + 2 * across;
            if (score < bestScore) {
                bestScore = score;
                best = member;
            }
        }
        return best;
    }

    std::vector<QPointer<QWidget>> members_;
};

bool hasOwnText(const QWidget* control)
{
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return button && !button->text().isEmpty();
}

QString captionText(const QLabel* label)
{
    return label->text().simplified();
}

// The label beside the control: on its right first for an option mark or tick box (their captions
// stand there), on its left first for everything else.
const QLabel* besideLabel(const QWidget* control, const QList<QLabel*>& labels)
{
    const QRect at = control->geometry();
    const auto onRow = [&at](const QRect& label) {
        return label.center().y() >= at.top() && label.center().y() <= at.bottom();
    };
    const QLabel* left = nullptr;
    const QLabel* right = nullptr;
    for (const QLabel* label : labels) {
        const QRect r = label->geometry();
        if (!onRow(r) && !(at.center().y() >= r.top() && at.center().y() <= r.bottom()))
            continue;
        if (r.right() <= at.left() + 1 && (!left || r.right() > left->geometry().right()))
            left = label;
        if (r.left() >= at.right() - 1 && (!right || r.left() < right->geometry().left()))
            right = label;
    }
    const bool mark = qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control);
    return mark ? (right ? right : left) : (left ? left : right);
}

const QLabel* aboveLabel(const QWidget* control, const QList<QLabel*>& labels)
{
    const QRect at = control->geometry();
    const QLabel* best = nullptr;
    for (const QLabel* label : labels) {
        const QRect r = label->geometry();
        const bool overlaps = r.left() < at.right() && r.right() > at.left();
        if (overlaps && r.bottom() <= at.top() + 1 && at.top() - r.bottom() <= 2 * r.height() &&
            (!best || r.bottom() > best->geometry().bottom()))
            best = label;
    }
    return best;
}

QString captionOf(const QWidget* control, const QWidget* window)
{
    QString caption;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == control && !captionText(label).isEmpty())
            caption = captionText(label);
    if (caption.isEmpty() && control->parentWidget()) {
        QList<QLabel*> labels;
        for (QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (!captionText(label).isEmpty())
                labels << label;
        const QLabel* found = besideLabel(control, labels);
        if (!found)
            found = aboveLabel(control, labels);
        if (found)
            caption = captionText(found);
    }
    for (const QWidget* up = control->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (const auto* frame = qobject_cast<const QGroupBox*>(up); frame && !frame->title().isEmpty()) {
            caption = caption.isEmpty() ? frame->title() : frame->title() + u' ' + caption;
            break;
        }
    }
    return caption;
}

} // namespace

void prepareKeyboard(QWidget* window, QAbstractButton* confirm, QAbstractButton* cancel)
{
    new WindowKeys(window, confirm, cancel);
}

QList<QWidget*> orderTabsVisually(QWidget* window)
{
    QList<QWidget*> chain;
    collectTabStops(window, chain);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    return chain;
}

void moveFocusWithArrows(std::span<QWidget* const> group)
{
    if (!group.empty())
        new ArrowKeys(group);
}

void nameControlsByCaptions(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!takesTab(control) || hasOwnText(control) || control->window() != window)
            continue;
        if (!control->accessibleName().isEmpty() && !control->property(kCaptionName).toBool())
            continue; // the window named it itself
        const QString caption = captionOf(control, window);
        if (caption.isEmpty() || caption == control->accessibleName())
            continue;
        control->setAccessibleName(caption);
        control->setProperty(kCaptionName, true);
    }
}

} // namespace tessarin
