#include "ui/help/slideshow_window.h"

#include "ui/common/keyboard.h"
#include "ui/common/pictures.h"
#include "ui/common/placement.h"
#include "ui/common/theme.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace tessarin {

namespace {

constexpr int kArrowWidth = 375;
constexpr int kButtonHeight = 615;
constexpr int kCloseWidth = 735;
constexpr int kNumberWidth = 375;
constexpr int kNumberHeight = 255;
constexpr int kTitleHeight = 285;

QString slideshowStyleSheet()
{
    return editorStyleSheet() +
           QStringLiteral("QLabel#Label2 { color: #f0d68a; font-weight: bold; }"
                          "QLabel#Label1 { color: #f4e7c3; }"
                          "QLabel#Image1 { background: #0d1118; border: 1px solid #5c4d2e; }"
                          "QLabel#Label2[framed=\"true\"] { background: #12151b; border: 1px solid #5c4d2e;"
                          " border-radius: 3px; padding-left: 4px; }");
}

} // namespace

SlideshowWindow::SlideshowWindow(MainWindow& mainWindow, Slideshow slideshow)
    : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow), slideshow_(slideshow),
      layout_(slideshowLayout(slideshow))
{
    setWindowTitle(QString::fromUtf8(layout_.caption));
    setFixedSize(twipsToPixels(layout_.client.width()), twipsToPixels(layout_.client.height()));
    move(twipsPoint(layout_.position.x(), layout_.position.y()));
    setStyleSheet(slideshowStyleSheet());

    title_ = place(new QLabel(QString::fromUtf8(layout_.openingTitle), this), "Label2", 120, 120,
                   layout_.picture.width(), kTitleHeight);
    title_->setProperty("framed", layout_.titleBackground);
    picture_ = place(new QLabel(this), "Image1", 120, 480, layout_.picture.width(), layout_.picture.height());
    // The pages are drawn at twice this size, so they stay sharp at 200 %.
    picture_->setScaledContents(true);

    const auto button = [this](const QString& text, const char* name, QPoint at, int width) {
        return place(new QPushButton(text, this), name, at.x(), at.y(), width, kButtonHeight);
    };
    auto* previous = button(QStringLiteral("<"), "Command1", layout_.previous, kArrowWidth);
    number_ = place(new QLabel(QStringLiteral("1"), this), "Label1", layout_.number.x(), layout_.number.y(),
                    kNumberWidth, kNumberHeight);
    number_->setAlignment(Qt::AlignCenter);
    auto* next = button(QStringLiteral(">"), "Command2", layout_.next, kArrowWidth);
    auto* close = button(QStringLiteral("닫기"), "Command3", layout_.close, kCloseWidth);
    connect(previous, &QPushButton::clicked, this, [this] { turn(&previousPage); });
    connect(next, &QPushButton::clicked, this, [this] { turn(&nextPage); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    previous->setAccessibleName(QStringLiteral("이전 쪽"));
    next->setAccessibleName(QStringLiteral("다음 쪽"));
    prepareKeyboard(this, nullptr, close);

    loadBuiltInPicture(picture_, firstPageResource(slideshow_));
    picture_->setAccessibleName(title_->text());
}

std::int16_t& SlideshowWindow::page()
{
    return mainWindow_.state().helpPage[static_cast<int>(slideshow_)];
}

void SlideshowWindow::turn(int (*rule)(int, int))
{
    page() = static_cast<std::int16_t>(rule(page(), static_cast<int>(layout_.pages.size())));
    // An arrow shows every page from its file, page 1 included; only the opening page is built in.
    showCurrentPage(FirstPage::FromFile);
}

void SlideshowWindow::showCurrentPage(FirstPage firstPage)
{
    const int count = static_cast<int>(layout_.pages.size());
    const int shown = std::clamp<int>(page(), 1, count);
    const SlideshowPage& current = layout_.pages[static_cast<std::size_t>(shown - 1)];
    number_->setText(QString::number(shown));
    title_->setText(QString::fromUtf8(current.title));
    picture_->setAccessibleName(title_->text());
    if (shown == 1 && firstPage == FirstPage::BuiltIn)
        loadBuiltInPicture(picture_, firstPageResource(slideshow_));
    else
        loadPicture(picture_, pageFile(current));
}

void SlideshowWindow::closeEvent(QCloseEvent* event)
{
    // However the window is closed, the slideshow starts again at page 1.
    page() = 1;
    QWidget::closeEvent(event);
}

void resetSlideshow(MainWindow& mainWindow, Slideshow slideshow)
{
    mainWindow.state().helpPage[static_cast<int>(slideshow)] = 1;
    const QString name = QString::fromLatin1(slideshowLayout(slideshow).windowName);
    if (auto* window = qobject_cast<SlideshowWindow*>(mainWindow.windows().find(name)))
        window->showCurrentPage();
}

SlideshowWindow* showSlideshow(MainWindow& mainWindow, Slideshow slideshow)
{
    const QString name = QString::fromLatin1(slideshowLayout(slideshow).windowName);
    return mainWindow.windows().show<SlideshowWindow>(
        name, [&mainWindow, slideshow] { return new SlideshowWindow(mainWindow, slideshow); });
}

} // namespace tessarin
