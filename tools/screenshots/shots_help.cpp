// The help menu, each slideshow on its first page and the about window, opened through the help
// button of the main window and the menu's buttons.
#include "shots.h"

#include "ui/common/hot_label.h"

#include <QPushButton>

#include <utility>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    using namespace tessarin;
    MainWindow* window = shots::openMainWindow();
    emit window->findChild<HotLabel*>(QStringLiteral("Label33"))->clicked();
    QWidget* menu = window->windows().find(QStringLiteral("Form7"));
    bool ok = menu && shots::save(menu, QStringLiteral("help-menu"));

    const std::pair<const char*, const char*> shots[] = {{"Command1", "Form9"},
                                                         {"Command4", "Form11"},
                                                         {"Command5", "Form15"},
                                                         {"Command6", "Form17"},
                                                         {"Command2", "Form8"}};
    const char* names[] = {"help-items", "help-shields", "help-synthesis", "help-stances", "about"};
    for (std::size_t i = 0; i < std::size(shots) && ok; ++i) {
        menu->findChild<QPushButton*>(QString::fromLatin1(shots[i].first))->click();
        QWidget* shown = window->windows().find(QString::fromLatin1(shots[i].second));
        ok = shown && shots::save(shown, QString::fromLatin1(names[i]));
    }
    window->windows().closeAll(window);
    return ok ? 0 : 1;
}
