#include "ui/common/window_registry.h"

namespace tessarin {

QWidget* WindowRegistry::find(const QString& name) const
{
    const auto it = windows_.constFind(name);
    QWidget* window = it == windows_.constEnd() ? nullptr : it.value().data();
    // A closed window is gone for the user even while its deletion is still pending: a click handled
    // in between must open a new window rather than refill the one that is about to disappear. Only
    // the windows kept for the whole run are hidden without being closed.
    if (window && window->isHidden() && !kept_.contains(name))
        return nullptr;
    return window;
}

void WindowRegistry::keep(QWidget* window)
{
    windows_.insert(window->objectName(), window);
    kept_.insert(window->objectName());
}

void WindowRegistry::close(const QString& name)
{
    if (QWidget* window = find(name))
        window->close();
}

void WindowRegistry::closeAll(QWidget* mainWindow)
{
    const auto windows = windows_.values();
    for (const QPointer<QWidget>& window : windows) {
        if (!window)
            continue;
        window->close();
        if (window)
            window->deleteLater(); // hidden-only windows are not deleted by closing
    }
    windows_.clear();
    kept_.clear();
    if (mainWindow)
        mainWindow->close();
}

} // namespace tessarin
