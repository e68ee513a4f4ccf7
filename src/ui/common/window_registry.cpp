#include "ui/common/window_registry.h"

namespace tessarin {

QWidget* WindowRegistry::find(const QString& name) const
{
    const auto it = windows_.constFind(name);
    return it == windows_.constEnd() ? nullptr : it.value().data();
}

void WindowRegistry::keep(QWidget* window)
{
    windows_.insert(window->objectName(), window);
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
    if (mainWindow)
        mainWindow->close();
}

} // namespace tessarin
