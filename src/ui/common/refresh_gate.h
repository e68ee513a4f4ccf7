#pragma once

#include "state/character_state.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <vector>

namespace tessarin {

// Puts the program's refresh timers to sleep while nothing happens, so a program left open beside the
// game does not wake up a hundred times a second for nothing.
//
// Every change of the record starts with a person's action (a click, a key, a window opening or
// closing) or with a timer rule that follows one. So the timers in the gate's care run while input
// arrives or the record keeps changing; once the record has stayed the same for kQuiet with no input,
// they stop, and the next input event or window change starts them again. A change is therefore still
// shown within one tick of its timer.
//
// The text cursor of a focused box is the other thing that would keep waking an idle program. As on
// other desktops, it blinks while the program is in use and stays steady after kSteadyCursorAfter of
// sleep; the next input makes it blink again.
class RefreshGate : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kQuiet{250};
    static constexpr std::chrono::milliseconds kSteadyCursorAfter{10000};

    // Watches `record`, which must outlive the gate, and listens to the application's input.
    explicit RefreshGate(const CharacterState& record, QObject* parent = nullptr);
    ~RefreshGate() override;

    // Creates `owner`'s refresh timer with its object name and interval, runs `slot` on each tick and
    // starts it, in the gate's care.
    template <typename Owner, typename Slot> QTimer* addTimer(Owner* owner, const char* name, int intervalMs, Slot slot)
    {
        auto* timer = new QTimer(owner);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(intervalMs);
        QObject::connect(timer, &QTimer::timeout, owner, slot);
        watch(timer);
        timer->start();
        return timer;
    }

    // What an input event does: starts the quiet period again and wakes every sleeping timer whose
    // window is showing. Also for code that changes the record without an input event.
    void wake();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QTimer* timer);
    // Runs after each tick of a watched timer.
    void afterTick();
    void sleep();
    void steadyCursor();

    const CharacterState& record_;
    CharacterState seen_;
    QElapsedTimer sinceChange_;
    std::vector<QPointer<QTimer>> watched_;
    std::vector<QPointer<QTimer>> sleeping_;
    QTimer cursorTimer_;
    int blinkingFlashTime_ = -1; // the flash time to give back; -1 while the cursor blinks as usual
};

} // namespace tessarin
