#pragma once

namespace tessarin::imagegen {

class ImageSink;

// The four diamond gems (삼금.gif, 사금.gif, 오금.gif, 육금.gif) and the accessory pictures
// (earing.jpg, ring.jpg, necklace.jpg).
void writeItemPictures(ImageSink& sink);

} // namespace tessarin::imagegen
