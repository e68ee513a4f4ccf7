// The comparison window Form20 beside the main window: a pinned character and the same one with 발도 on
// and a weapon taken off.
#include "shots.h"

#include "ui/main/program_menu.h"

#include <QAction>
#include <QPainter>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tessarin::MainWindow* window = tessarin::shots::openMainWindow();
    tessarin::Build build = window->currentBuild();
    build.classText = build.shownClass = QStringLiteral("검사");
    build.weaponEquipped = true;
    build.weaponAttack = 348;
    build.weapon.critical = 131;
    build.marks.weapon = QStringLiteral("image/blade-42.jpg");
    window->showBuild(build);
    tessarin::shots::wait(60);
    window->findChild<QAction*>(QStringLiteral("actionPin"))->trigger();
    build.weaponEquipped = false;
    build.weaponAttack = 0;
    build.weapon.critical = 0;
    build.marks.weapon.clear();
    build.stanceOn[tessarin::Stance::Baldo] = true;
    build.critRateBonus = 5;
    build.stanceEvasionBonus = 20;
    build.marks.stanceLabelsOn[0] = true;
    window->showBuild(build);
    QWidget* compare = window->windows().find(QStringLiteral("Form20"));
    const bool ok = compare && tessarin::shots::save(compare, QStringLiteral("compare"));
    window->windows().closeAll(window);
    return ok ? 0 : 1;
}
