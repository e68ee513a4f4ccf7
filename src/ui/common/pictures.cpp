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

QPixmap readPicture(const QString& relativeName, QSize placeholderSize, qreal dpr)
{
    QPixmap pixmap;
    const QString key = QStringLiteral("tessarin:") + relativeName;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImageReader reader(QDir(QCoreApplication::applicationDirPath()).filePath(relativeName));
    const QImage image = reader.read();
    if (image.isNull()) {
        static QSet<QString> warned;
        if (!warned.contains(relativeName)) {
            warned.insert(relativeName);
            qWarning("그림 파일을 읽을 수 없습니다: %s (%s)", qPrintable(relativeName),
                     qPrintable(reader.errorString()));
        }
        return art::missingPicturePixmap(placeholderSize, dpr);
    }
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
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
    control->setProperty(kPictureProperty, relativeName);
    const QPixmap pixmap = readPicture(relativeName, control->size(), control->devicePixelRatioF());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setPixmap(pixmap);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setIcon(QIcon(pixmap));
        button->setIconSize(control->size() - QSize(4, 4));
    }
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
