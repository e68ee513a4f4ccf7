#include "ui/help/help_menu.h"

#include "ui/common/keyboard.h"
#include "ui/common/placement.h"
#include "ui/common/theme.h"
#include "ui/common/twips.h"
#include "ui/help/about_window.h"
#include "ui/help/slideshow_window.h"
#include "ui/main/main_window.h"

#include <QPushButton>

#include <array>

namespace tessarin {

namespace {

const QString kAboutName = QStringLiteral("Form8");

struct MenuSlideshowButton {
    const char* name;
    const char* caption;
    int top;
    Slideshow slideshow;
};

constexpr std::array<MenuSlideshowButton, 4> kSlideshowButtons = {{
    {"Command1", "아이템 착용법", 120, Slideshow::Items},
    {"Command4", "보패 착용법", 720, Slideshow::Shields},
    {"Command5", "보패 합성법", 1320, Slideshow::Synthesis},
    {"Command6", "스킬 적용법", 1920, Slideshow::Stances},
}};

QPushButton* menuButton(QWidget* parent, const char* caption, const char* name, int top)
{
    return place(new QPushButton(QString::fromUtf8(caption), parent), name, 120, top, 1335, 495);
}

} // namespace

HelpMenu::HelpMenu(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("도움말"));
    setFixedSize(twipsToPixels(1590), twipsToPixels(3735));
    move(twipsPoint(7845, 6405));
    setStyleSheet(editorStyleSheet());

    for (const MenuSlideshowButton& entry : kSlideshowButtons) {
        const Slideshow slideshow = entry.slideshow;
        connect(menuButton(this, entry.caption, entry.name, entry.top), &QPushButton::clicked, this, [this, slideshow] {
            resetSlideshow(mainWindow_, slideshow);
            SlideshowWindow* window = showSlideshow(mainWindow_, slideshow);
            closeHelpWindows(window->objectName());
        });
    }
    connect(menuButton(this, "만든이", "Command2", 2520), &QPushButton::clicked, this, [this] {
        mainWindow_.windows().show<AboutWindow>(kAboutName, [this] { return new AboutWindow(mainWindow_); });
        closeHelpWindows(kAboutName);
    });
    QPushButton* closeButton = menuButton(this, "닫기", "Command3", 3120);
    connect(closeButton, &QPushButton::clicked, this, [this] {
        closeHelpWindows();
        close();
    });
    prepareKeyboard(this, nullptr, closeButton);
}

void HelpMenu::closeHelpWindows(const QString& keep)
{
    QStringList names = {kAboutName};
    for (Slideshow slideshow : kSlideshows)
        names << QString::fromLatin1(slideshowLayout(slideshow).windowName);
    for (const QString& name : names)
        if (name != keep)
            mainWindow_.windows().close(name);
}

} // namespace tessarin
