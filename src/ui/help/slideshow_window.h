#pragma once

#include "ui/help/slideshow_pages.h"

#include <QWidget>

#include <cstdint>

class QLabel;

namespace tessarin {

class MainWindow;

// Form9, Form11, Form15 and Form17: a help slideshow of picture pages with "<", ">" and "닫기". The page
// number lives in the shared record (`helpPage`), so the menu can reset a slideshow that is open.
class SlideshowWindow : public QWidget {
    Q_OBJECT

public:
    explicit SlideshowWindow(MainWindow& mainWindow, Slideshow slideshow);

    Slideshow slideshow() const { return slideshow_; }

    // Where page 1's picture comes from: the built-in copy (the window opening, a reset from the menu)
    // or its file in the `image` folder (an arrow turned to it).
    enum class FirstPage { BuiltIn, FromFile };

    // Shows the page `helpPage` holds: number, title and picture.
    void showCurrentPage(FirstPage firstPage = FirstPage::BuiltIn);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void turn(int (*rule)(int, int));
    std::int16_t& page();

    MainWindow& mainWindow_;
    Slideshow slideshow_;
    const SlideshowLayout& layout_;
    QLabel* number_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* picture_ = nullptr;
};

// Sets a slideshow back to page 1 and shows that page if its window is open.
void resetSlideshow(MainWindow& mainWindow, Slideshow slideshow);

// Opens a slideshow window (page 1) or brings the open one forward.
SlideshowWindow* showSlideshow(MainWindow& mainWindow, Slideshow slideshow);

} // namespace tessarin
