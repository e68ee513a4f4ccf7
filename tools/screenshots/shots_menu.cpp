// The program menu open over the main window, with a build file in use that has unsaved changes (its
// name and mark in the title strip).
#include "shots.h"

#include "ui/main/program_menu.h"

#include <QDir>
#include <QMenu>
#include <QPainter>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tessarin::MainWindow* window = tessarin::shots::openMainWindow();
    auto* commands = window->findChild<tessarin::ProgramMenu*>();
    tessarin::Build build = window->currentBuild();
    build.classText = build.shownClass = QStringLiteral("검사");
    window->showBuild(build);
    window->noteChange();
    tessarin::shots::wait(50);
    const QString file = QDir::temp().filePath(QStringLiteral("검사 발도.tessarin"));
    bool ok = commands->saveTo(file);
    build = window->currentBuild();
    build.stanceOn[tessarin::Stance::Baldo] = true;
    build.critRateBonus = 5;
    build.stanceEvasionBonus = 20;
    build.marks.stanceLabelsOn[0] = true;
    window->showBuild(build);
    window->noteChange();
    tessarin::shots::wait(50);

    QMenu* menu = commands->menu();
    menu->popup(window->findChild<QWidget*>(QStringLiteral("MenuMark"))->mapToGlobal(QPoint(0, 30)));
    tessarin::shots::wait(120);
    QPixmap picture = window->grab();
    {
        QPainter painter(&picture);
        painter.drawPixmap(menu->pos() - window->pos(), menu->grab());
    }
    const QString path = QDir(tessarin::shots::outputFolder())
                             .filePath(QStringLiteral("program-menu") + tessarin::shots::scaleSuffix(window) +
                                       QStringLiteral(".png"));
    ok = picture.save(path) && ok;
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    menu->close();
    QFile::remove(file);
    QFile::remove(file + u'~');
    window->windows().closeAll(window);
    return ok ? 0 : 1;
}
