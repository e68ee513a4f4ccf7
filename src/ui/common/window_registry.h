#pragma once

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

namespace tessarin {

// Opens the program's windows by their name: a window is created when it is not open (and deleted
// when closed), and brought forward when it is. Windows that are only hidden between uses are
// kept for the whole run.
class WindowRegistry {
public:
    // The open window of that name, or nullptr.
    QWidget* find(const QString& name) const;

    // Shows the window of that name, creating it with `create` when it is not open.
    template <typename Window, typename Create> Window* show(const QString& name, Create create)
    {
        auto* window = qobject_cast<Window*>(find(name));
        if (!window) {
            window = create();
            window->setObjectName(name);
            window->setAttribute(Qt::WA_DeleteOnClose);
            windows_.insert(name, window);
        }
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }

    // Keeps a window that is hidden rather than closed between uses.
    void keep(QWidget* window);

    // Closes the window of that name if it is open.
    void close(const QString& name);

    // Closes every window of the program, the main window last.
    void closeAll(QWidget* mainWindow);

private:
    QHash<QString, QPointer<QWidget>> windows_;
    QSet<QString> kept_;
};

} // namespace tessarin
