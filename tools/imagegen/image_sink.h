#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

namespace tessarin::imagegen {

// Writes the pictures into the output folder, reads each one back to make sure it is usable, and
// remembers whether anything failed. Every failure is reported on stderr with the file's name.
class ImageSink {
public:
    explicit ImageSink(const QString& folder);

    void gif(const QString& name, const QImage& image);
    // JPEG has no transparency: the image is laid onto `background` first.
    void jpeg(const QString& name, const QImage& image, const QColor& background = Qt::black);

    int written() const { return written_; }
    int failures() const { return failures_; }

private:
    void check(const QString& name, const QImage& image, const QByteArray& format);
    void fail(const QString& name, const QString& reason);

    QDir folder_;
    int written_ = 0;
    int failures_ = 0;
};

} // namespace tessarin::imagegen
