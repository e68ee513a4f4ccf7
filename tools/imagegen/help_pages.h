#pragma once

namespace tessarin::imagegen {

class ImageSink;

// The thirteen help pages 도움말1.jpg … 도움말13.jpg of the four help slideshows.
void writeHelpPages(ImageSink& sink);

} // namespace tessarin::imagegen
