// tessarin_helpgen <image folder> <first-page folder> [contact sheet]: writes the help pages 도움말1.jpg …
// 도움말13.jpg from the real windows, the four slideshows' built-in first pages first-page-1.jpg … 4.jpg,
// and, when asked, a PNG with all pages at the size the slideshows show them (docs/help-pages.png).
// Run it at QT_SCALE_FACTOR=2 so the grabs have two pixels per logical pixel, like the pages.

#include "helpgen/help_scenes.h"

#include "art/art_style.h"
#include "app/entry.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says so each time a window is brought forward; that is no news here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support raise()")))
        standardHandler(type, context, message);
}

bool writeJpeg(const QString& path, const QImage& image)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "tessarin_helpgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(95);
    if (!writer.write(image) || !file.commit()) {
        std::fprintf(stderr, "tessarin_helpgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// The pages at the slideshows' size, each slideshow on new lines, each page with its file name.
QImage contactSheet(const QList<QImage>& pages, const std::array<int, 4>& firstPages)
{
    constexpr int kWidth = 1000;
    constexpr int kGap = 12;
    constexpr int kLabel = 18;
    struct Placed {
        QPoint at;
        int page;
    };
    QList<Placed> placed;
    QPoint at(kGap, kGap);
    int lineHeight = 0;
    for (int page = 1; page <= pages.size(); ++page) {
        const QSize size = pages[page - 1].size() / tessarin::helpgen::kPageScale;
        const bool newSlideshow = page > 1 && std::find(firstPages.begin(), firstPages.end(), page) != firstPages.end();
        if (at.x() > kGap && (newSlideshow || at.x() + size.width() > kWidth)) {
            at = QPoint(kGap, at.y() + lineHeight + kLabel + kGap);
            lineHeight = 0;
        }
        placed << Placed{at, page};
        at.rx() += size.width() + kGap;
        lineHeight = std::max(lineHeight, size.height());
    }
    QImage sheet(kWidth, at.y() + lineHeight + kLabel + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(tessarin::art::colours::windowDeep));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setFont(tessarin::art::koreanFont(12));
    painter.setPen(QColor(tessarin::art::colours::goldBright));
    for (const Placed& item : placed) {
        const QImage& page = pages[item.page - 1];
        const QRect rect(item.at, page.size() / tessarin::helpgen::kPageScale);
        painter.drawImage(rect, page);
        painter.drawText(QRect(rect.left(), rect.bottom() + 2, rect.width(), kLabel), Qt::AlignCenter,
                         QStringLiteral("도움말%1.jpg").arg(item.page));
    }
    painter.end();
    return sheet;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    standardHandler = qInstallMessageHandler(quietHandler);
    // Each page closes its windows, the main window included; that must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 && arguments.size() != 4) {
        std::fprintf(stderr, "usage: tessarin_helpgen <image folder> <first-page folder> [contact sheet]\n");
        return 2;
    }
    const QDir images(arguments.at(1));
    const QDir firstPages(arguments.at(2));
    if (!QDir().mkpath(images.path()) || !QDir().mkpath(firstPages.path())) {
        std::fprintf(stderr, "tessarin_helpgen: cannot create the output folders\n");
        return 1;
    }

    // The pages each slideshow opens on, in the order Form9, Form11, Form15, Form17.
    constexpr std::array<int, 4> kFirstPages = {1, 7, 10, 12};
    bool ok = true;
    QList<QImage> pages;
    for (int page = 1; page <= tessarin::helpgen::kPageCount; ++page) {
        auto* main = qobject_cast<tessarin::MainWindow*>(tessarin::createMainWindow());
        const QImage image =
            tessarin::helpgen::paintPage(tessarin::helpgen::pageText(page), tessarin::helpgen::stagePage(*main, page));
        main->windows().closeAll(main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        ok = writeJpeg(images.filePath(QStringLiteral("도움말%1.jpg").arg(page)), image) && ok;
        pages << image;
        for (std::size_t slideshow = 0; slideshow < kFirstPages.size(); ++slideshow)
            if (kFirstPages[slideshow] == page)
                ok =
                    writeJpeg(firstPages.filePath(QStringLiteral("first-page-%1.jpg").arg(slideshow + 1)), image) && ok;
    }
    if (arguments.size() == 4 && !contactSheet(pages, kFirstPages).save(arguments.at(3), "png")) {
        std::fprintf(stderr, "tessarin_helpgen: cannot write %s\n", qPrintable(arguments.at(3)));
        ok = false;
    }
    if (!ok)
        return 1;
    std::printf("tessarin_helpgen: %d help pages written to %s\n", tessarin::helpgen::kPageCount,
                qPrintable(images.path()));
    return 0;
}
