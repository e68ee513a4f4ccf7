// The main window as it opens.
#include "shots.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tessarin::MainWindow* window = tessarin::shots::openMainWindow();
    const bool ok = tessarin::shots::save(window, QStringLiteral("main-window"));
    window->windows().closeAll(window);
    return ok ? 0 : 1;
}
