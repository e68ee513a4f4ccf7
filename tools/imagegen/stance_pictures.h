#pragma once

#include <QImage>
#include <QString>

namespace tessarin::imagegen {

class ImageSink;

// The picture of the stance of that name (e.g. "발도"), 102 px square; a null image for an unknown name.
QImage stancePicture(const QString& name);

// The nine skill-stance button pictures (발도.jpg … 나무토막.jpg).
void writeStancePictures(ImageSink& sink);

} // namespace tessarin::imagegen
