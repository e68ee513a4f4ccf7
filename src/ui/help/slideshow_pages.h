#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <span>

namespace tessarin {

// The four help slideshows, numbered as their page numbers in `helpPage`.
enum class Slideshow : int { Items = 1, Shields = 2, Synthesis = 3, Stances = 4 };
inline constexpr std::array<Slideshow, 4> kSlideshows = {Slideshow::Items, Slideshow::Shields, Slideshow::Synthesis,
                                                         Slideshow::Stances};

struct SlideshowPage {
    const char* title;
    int file; // N of image/도움말N.jpg
};

// A slideshow window: names, texts and geometry in twips.
struct SlideshowLayout {
    const char* windowName;
    const char* caption;
    QSize client;
    QPoint position; // on the screen
    QSize picture;
    QPoint previous;
    QPoint number;
    QPoint next;
    QPoint close;
    const char* openingTitle; // the built-in title of page 1 when the window opens
    bool titleBackground;
    std::span<const SlideshowPage> pages;
};

const SlideshowLayout& slideshowLayout(Slideshow slideshow);

// ">" and "<": the pages wrap around at both ends.
int nextPage(int page, int pageCount);
int previousPage(int page, int pageCount);

// The built-in picture of page 1 (a Qt resource) and the file of page 2 onwards, as the control records it.
QString firstPageResource(Slideshow slideshow);
QString pageFile(const SlideshowPage& page);

} // namespace tessarin
