// tessarin_imagegen <folder>: writes every picture file the program loads from its `image` folder.

#include "imagegen/image_sink.h"
#include "imagegen/item_pictures.h"
#include "imagegen/shield_pictures.h"
#include "imagegen/stance_pictures.h"
#include "imagegen/weapon_pictures.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

// Without a Korean font every caption would come out as empty boxes; better to stop the build.
bool haveKoreanFont()
{
    const QStringList families = QFontDatabase::families();
    return families.contains(QStringLiteral("NanumGothic")) || families.contains(QStringLiteral("Noto Sans CJK KR")) ||
           families.contains(QStringLiteral("Malgun Gothic"));
}

} // namespace

int main(int argc, char* argv[])
{
    // Text needs a font database, which needs a platform; offscreen works without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: tessarin_imagegen <output folder>\n");
        return 2;
    }
    if (!haveKoreanFont()) {
        std::fprintf(stderr, "tessarin_imagegen: no Korean font found (install fonts-nanum or fonts-noto-cjk)\n");
        return 1;
    }
    const QString folder = arguments.at(1);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "tessarin_imagegen: cannot create %s\n", folder.toUtf8().constData());
        return 1;
    }

    tessarin::imagegen::ImageSink sink(folder);
    tessarin::imagegen::writeShieldPictures(sink);
    tessarin::imagegen::writeStancePictures(sink);
    tessarin::imagegen::writeWeaponPictures(sink);
    tessarin::imagegen::writeItemPictures(sink);

    if (sink.failures() > 0) {
        std::fprintf(stderr, "tessarin_imagegen: %d picture(s) could not be written\n", sink.failures());
        return 1;
    }
    std::printf("tessarin_imagegen: %d pictures written to %s\n", sink.written(), folder.toUtf8().constData());
    return 0;
}
