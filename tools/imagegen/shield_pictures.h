#pragma once

namespace tessarin::imagegen {

class ImageSink;

// The 24 piece pictures (lost-, pohwaran-, general-1..8.gif) and the six set indicators.
void writeShieldPictures(ImageSink& sink);

} // namespace tessarin::imagegen
