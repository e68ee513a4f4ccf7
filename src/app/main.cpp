#include "app/entry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    tessarin::createMainWindow();
    return QApplication::exec();
}
