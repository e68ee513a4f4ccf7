#include "imagegen/image_sink.h"

#include "imagegen/gif_writer.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

namespace tessarin::imagegen {

ImageSink::ImageSink(const QString& folder) : folder_(folder) {}

void ImageSink::gif(const QString& name, const QImage& image)
{
    QString error;
    if (!writeGif(image, folder_.filePath(name), &error)) {
        fail(name, error);
        return;
    }
    check(name, image, "gif");
}

void ImageSink::jpeg(const QString& name, const QImage& image, const QColor& background)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(background);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();

    QImageWriter writer(folder_.filePath(name), "jpeg");
    writer.setQuality(92);
    if (!writer.write(flat)) {
        fail(name, writer.errorString());
        return;
    }
    check(name, image, "jpeg");
}

// Read the file back as the program will: same size and format, or the build stops.
void ImageSink::check(const QString& name, const QImage& image, const QByteArray& format)
{
    QImageReader reader(folder_.filePath(name));
    const QByteArray found = reader.format();
    const QImage back = reader.read();
    if (back.isNull()) {
        fail(name, QStringLiteral("cannot be read back: %1").arg(reader.errorString()));
        return;
    }
    if (found != format || back.size() != image.size()) {
        fail(name, QStringLiteral("reads back as %1 %2x%3")
                       .arg(QString::fromLatin1(found))
                       .arg(back.width())
                       .arg(back.height()));
        return;
    }
    ++written_;
}

void ImageSink::fail(const QString& name, const QString& reason)
{
    ++failures_;
    std::fprintf(stderr, "tessarin_imagegen: %s: %s\n", folder_.filePath(name).toUtf8().constData(),
                 reason.toUtf8().constData());
}

} // namespace tessarin::imagegen
