#pragma once

namespace tessarin::imagegen {

class ImageSink;

// The 42 weapon pictures: class stem (blade, globe, axe, knife, tablet, stick) and source suffix
// (41, 42, 43, 44, P123, P, g), e.g. blade-41.jpg.
void writeWeaponPictures(ImageSink& sink);

} // namespace tessarin::imagegen
