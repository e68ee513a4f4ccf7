// The optimizer window Form21 as it opens, and after a search for 기대공격력 with 최대치 합성 and
// 명중률 ≥ 90.
#include "shots.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tessarin::MainWindow* window = tessarin::shots::openMainWindow();
    tessarin::Build build = window->currentBuild();
    build.classText = build.shownClass = QStringLiteral("검사");
    window->showBuild(build);
    window->findChild<QAction*>(QStringLiteral("actionOptimize"))->trigger();
    QWidget* optimizer = window->windows().find(QStringLiteral("Form21"));
    bool ok = optimizer && tessarin::shots::save(optimizer, QStringLiteral("optimizer"));
    optimizer->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
    auto* figure = optimizer->findChild<QComboBox*>(QStringLiteral("Combo2"));
    figure->setCurrentIndex(figure->findText(QStringLiteral("명중률")));
    optimizer->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("90"));
    auto* find = optimizer->findChild<QPushButton*>(QStringLiteral("Command1"));
    find->click();
    for (int i = 0; i < 600 && !find->isEnabled(); ++i)
        tessarin::shots::wait(50);
    ok = tessarin::shots::save(optimizer, QStringLiteral("optimizer-results")) && ok;
    window->windows().closeAll(window);
    return ok ? 0 : 1;
}
