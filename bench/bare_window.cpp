// The floor for start-up time: a Qt program that shows only an empty frameless window of the main
// window's size. scripts/startup_time.sh measures it the same way as the program.

#include "ui/common/twips.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(tessarin::twipsToPixels(14175), tessarin::twipsToPixels(11655));
    window.show();
    return QApplication::exec();
}
