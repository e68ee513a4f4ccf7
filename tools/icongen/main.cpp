// tessarin_icongen <folder>: writes the program's icon as <folder>/<N>x<N>/apps/<name>.png for every
// size the desktop's hicolor theme looks up, drawn from the same artwork as the window icon.

#include "art/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Pixmaps need a platform; offscreen works without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: tessarin_icongen <output folder> <icon name>\n");
        return 2;
    }
    const QDir root(arguments.at(1));
    const QString fileName = arguments.at(2) + QStringLiteral(".png");
    const QIcon icon = tessarin::art::applicationIcon();
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        // The icon holds a picture drawn for each of these sizes; a scaled neighbour would blur.
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        if (image.size() != QSize(side, side)) {
            std::fprintf(stderr, "tessarin_icongen: no %dx%d picture in the icon\n", side, side);
            return 1;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = root.filePath(folder + QLatin1Char('/') + fileName);
        if (!root.mkpath(folder) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "tessarin_icongen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
