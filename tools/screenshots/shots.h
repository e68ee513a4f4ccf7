#pragma once

#include "app/entry.h"
#include "ui/common/refresh_gate.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace tessarin::shots {

// The folder the pictures go to: the first argument, or the working folder.
inline QString outputFolder()
{
    const QStringList args = QCoreApplication::arguments();
    return args.size() > 1 ? args.at(1) : QDir::currentPath();
}

// Runs the event loop (timers, painting) for a while. The programs change the record and click through
// code, not input events, so first they wake the refresh timers as a person's input would.
inline void wait(int milliseconds)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<MainWindow*>(window))
            main->refreshGate().wake();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// "-200" when the program runs at 200 % (QT_SCALE_FACTOR=2), "" at 100 %.
inline QString scaleSuffix(const QWidget* widget)
{
    const int percent = qRound(widget->devicePixelRatioF() * 100);
    return percent == 100 ? QString() : QStringLiteral("-%1").arg(percent);
}

// Lets the timers run, then writes the window as it stands to <folder>/<name>[-200].png.
inline bool save(QWidget* window, const QString& name)
{
    wait(120);
    const QString path = QDir(outputFolder()).filePath(name + scaleSuffix(window) + QStringLiteral(".png"));
    const bool ok = window->grab().save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// The main window as the program opens it.
inline MainWindow* openMainWindow()
{
    auto* window = qobject_cast<MainWindow*>(createMainWindow());
    wait(100);
    return window;
}

} // namespace tessarin::shots
