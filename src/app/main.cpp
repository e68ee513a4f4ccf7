#include "app/entry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    // `tessarin FILE.tessarin` opens that build; without an argument the program starts as always.
    const QStringList arguments = QApplication::arguments();
    tessarin::createMainWindow(arguments.size() > 1 ? arguments.at(1) : QString());
    return QApplication::exec();
}
