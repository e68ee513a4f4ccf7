#include "ui/common/pictures.h"

#include "art/artwork.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
#include <QSet>
#include <QWidget>

namespace tessarin {

namespace {

// Reads a picture by its full path (a file or a resource); `name` is what the control records.
QPixmap readPicture(const QString& name, const QString& path, QSize placeholderSize, qreal dpr)
{
    QPixmap pixmap;
    const QString key = QStringLiteral("tessarin:") + name;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        static QSet<QString> warned;
        if (!warned.contains(name)) {
            warned.insert(name);
            qWarning("그림 파일을 읽을 수 없습니다: %s (%s)", qPrintable(name), qPrintable(reader.errorString()));
        }
        return art::missingPicturePixmap(placeholderSize, dpr);
    }
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void showPicture(QWidget* control, const QString& name, const QString& path)
{
    control->setProperty(kPictureProperty, name);
    const QPixmap pixmap = readPicture(name, path, control->size(), control->devicePixelRatioF());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setPixmap(pixmap);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setIcon(QIcon(pixmap));
        button->setIconSize(control->size() - QSize(4, 4));
    }
}

} // namespace

QString pictureFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("image"));
}

void loadPicture(QWidget* control, const QString& relativeName)
{
    if (relativeName.isEmpty()) {
        clearPicture(control);
        return;
    }
    showPicture(control, relativeName, QDir(QCoreApplication::applicationDirPath()).filePath(relativeName));
}

void loadBuiltInPicture(QWidget* control, const QString& resourcePath)
{
    if (resourcePath.isEmpty()) {
        clearPicture(control);
        return;
    }
    showPicture(control, resourcePath, resourcePath);
}

void clearPicture(QWidget* control)
{
    control->setProperty(kPictureProperty, QString());
    if (auto* label = qobject_cast<QLabel*>(control))
        label->clear();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setIcon(QIcon());
}

} // namespace tessarin
