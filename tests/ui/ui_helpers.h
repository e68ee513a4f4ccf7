#pragma once

#include "app/entry.h"
#include "ui/common/refresh_gate.h"
#include "ui/main/main_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// A helper that failed has already recorded the failure; the test stops there.
#define RETURN_IF_FAILED(call)                                                                                         \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

namespace tessarin::testing {

// Object numbers of the board buttons (CommandN), by row and piece.
constexpr int kBoardNumbers[4][8] = {{9, 1, 2, 3, 4, 5, 6, 7},
                                     {16, 15, 14, 13, 12, 11, 10, 8},
                                     {32, 31, 30, 29, 28, 27, 26, 25},
                                     {24, 23, 22, 21, 20, 19, 18, 17}};

// A control of a window by its object name; fails the test when it is missing.
template <typename T = QWidget> T* control(QWidget* window, const QString& name)
{
    auto* found = window->objectName() == name ? qobject_cast<T*>(window) : window->findChild<T*>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}

inline QString labelText(QWidget* window, const QString& name)
{
    return control<QLabel>(window, name)->text();
}

inline QString pictureOf(QWidget* window, const QString& name)
{
    return control(window, name)->property("picture").toString();
}

// Waits until the named timer of a window has run once more, so a check of what it keeps up to date
// holds however busy the machine is.
inline bool waitForTick(QObject* window, const QString& timer = QStringLiteral("Timer1"))
{
    auto* found = window->findChild<QTimer*>(timer);
    if (!found)
        qFatal("timer %s not found", qPrintable(timer));
    QSignalSpy ticks(found, &QTimer::timeout);
    return ticks.wait(2000);
}

// Lets a timer fire a number of times, so that a check afterwards sees what those ticks did.
inline void waitTicks(QTimer* timer, int ticks = 1)
{
    QSignalSpy spy(timer, &QTimer::timeout);
    while (spy.count() < ticks)
        QVERIFY(spy.wait(1000));
}

// A test that writes the record directly, as no person can, then wakes the refresh timers the way the
// input behind every real change does.
inline void recordWritten(MainWindow* window)
{
    window->refreshGate().wake();
}

// Picks an entry of a combo box's list the way a person does: open the list and click the entry.
inline void pickFromList(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(index, box->modelColumn(), view->rootIndex());
    view->scrollTo(item);
    const QPoint centre = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY(!view->isVisible());
}

// Sends a mouse event with the given buttons held, relative to a control.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPointF position, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The main window as the program creates it.
struct MainWindowFixture {
    QPointer<MainWindow> window;

    MainWindowFixture() : window(qobject_cast<MainWindow*>(createMainWindow()))
    {
        if (!window || !QTest::qWaitForWindowExposed(window))
            qFatal("main window did not open");
    }
    ~MainWindowFixture()
    {
        if (window)
            window->windows().closeAll(window);
        QTest::qWait(1);
    }
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;
};

// Lets the main window's stat cycle run a few times.
inline void waitForSheet(MainWindowFixture& f)
{
    waitTicks(control<QTimer>(f.window, QStringLiteral("Timer2")), 3);
}

} // namespace tessarin::testing
