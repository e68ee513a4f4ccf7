#pragma once

namespace tessarin::imagegen {

class ImageSink;

// The nine skill-stance button pictures (발도.jpg … 나무토막.jpg).
void writeStancePictures(ImageSink& sink);

} // namespace tessarin::imagegen
