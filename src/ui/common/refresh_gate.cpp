#include "ui/common/refresh_gate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>

#include <algorithm>

namespace tessarin {

namespace {

// Input and window changes: everything through which a person can change what the program shows.
bool wakesTheTimers(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::ContextMenu:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Close:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::WindowStateChange: return true;
    default: return false;
    }
}

bool ownerShowing(const QTimer& timer)
{
    const auto* widget = qobject_cast<const QWidget*>(timer.parent());
    return !widget || widget->isVisible();
}

} // namespace

RefreshGate::RefreshGate(const CharacterState& record, QObject* parent)
    : QObject(parent), record_(record), seen_(record)
{
    sinceChange_.start();
    cursorTimer_.setSingleShot(true);
    cursorTimer_.setInterval(kSteadyCursorAfter);
    connect(&cursorTimer_, &QTimer::timeout, this, &RefreshGate::steadyCursor);
    QCoreApplication::instance()->installEventFilter(this);
}

RefreshGate::~RefreshGate()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    if (blinkingFlashTime_ >= 0)
        QGuiApplication::styleHints()->setCursorFlashTime(blinkingFlashTime_);
}

void RefreshGate::watch(QTimer* timer)
{
    std::erase_if(watched_, [](const QPointer<QTimer>& t) { return t.isNull(); });
    watched_.emplace_back(timer);
    connect(timer, &QTimer::timeout, this, &RefreshGate::afterTick);
}

void RefreshGate::afterTick()
{
    if (!(record_ == seen_)) {
        seen_ = record_;
        sinceChange_.restart();
    } else if (sinceChange_.elapsed() >= kQuiet.count()) {
        sleep();
    }
}

void RefreshGate::sleep()
{
    for (const QPointer<QTimer>& timer : watched_) {
        if (timer && timer->isActive()) {
            timer->stop();
            sleeping_.push_back(timer);
        }
    }
    if (blinkingFlashTime_ < 0)
        cursorTimer_.start();
}

void RefreshGate::steadyCursor()
{
    QStyleHints* hints = QGuiApplication::styleHints();
    blinkingFlashTime_ = hints->cursorFlashTime();
    hints->setCursorFlashTime(0);
}

void RefreshGate::wake()
{
    sinceChange_.restart();
    if (sleeping_.empty())
        return;
    cursorTimer_.stop();
    if (blinkingFlashTime_ >= 0) {
        QGuiApplication::styleHints()->setCursorFlashTime(blinkingFlashTime_);
        blinkingFlashTime_ = -1;
    }
    // A timer whose window is hidden stays asleep until the window shows again (itself a wake-up);
    // a window that stopped its own timer on closing is not started again.
    std::erase_if(sleeping_, [](const QPointer<QTimer>& timer) {
        if (timer.isNull())
            return true;
        if (!ownerShowing(*timer))
            return false;
        timer->start();
        return true;
    });
}

bool RefreshGate::eventFilter(QObject* watched, QEvent* event)
{
    if (wakesTheTimers(event->type()))
        wake();
    return QObject::eventFilter(watched, event);
}

} // namespace tessarin
