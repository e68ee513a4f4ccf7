#include "helpgen/help_scenes.h"

#include "app/entry.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

using namespace tessarin;
using namespace tessarin::helpgen;

// The help pages the build writes must show the real windows: each part of a page where a window
// stands is compared with a fresh grab of that window, driven into the page's state by the same steps.
// Run at 200 %, like the generator, so both grabs have the same pixels.
class TestHelpPages : public QObject {
    Q_OBJECT

private slots:
    void pageHoldsItsWindows_data();
    void pageHoldsItsWindows();
    void anotherStateDoesNotMatch();
    void firstPagesAreBuiltIn_data();
    void firstPagesAreBuiltIn();
};

namespace {

QString pageFile(int page)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("image/도움말%1.jpg").arg(page));
}

// Compared in blocks of 4 × 4 page pixels: averaging takes out the JPEG noise, while a changed word or
// picture still changes its blocks plainly.
constexpr int kBlock = 4;

struct Difference {
    double mean = 0;   // mean brightness difference over the compared blocks
    int changed = 0;   // blocks that differ by more than JPEG noise
    double spread = 0; // how much the expected picture varies, so a blank panel cannot pass
};

QImage blocks(const QImage& image)
{
    return image.scaled(image.size() / kBlock, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// The callouts drawn over a panel, as a mask of the panel's page pixels (white where they are).
QImage calloutMask(const QRectF& target, const Panel& panel, QSize pixels)
{
    QImage mask(pixels, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    painter.scale(kPageScale, kPageScale);
    painter.translate(-target.topLeft());
    for (const CalloutMark& mark : calloutMarks(target, panel)) {
        painter.setPen(QPen(Qt::white, 3.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(mark.ring);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(mark.centre, mark.radius + 1.5, mark.radius + 1.5);
    }
    return mask;
}

Difference compare(const QImage& actualPixels, const QImage& expectedPixels, const QImage& maskPixels)
{
    const QImage actual = blocks(actualPixels);
    const QImage expected = blocks(expectedPixels);
    const QImage mask = blocks(maskPixels);
    Difference result;
    double sum = 0;
    double sumSquares = 0;
    qint64 pixels = 0;
    for (int y = 0; y < expected.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < expected.width(); ++x) {
            if (qRed(m[x]) != 0)
                continue;
            ++pixels;
            // Brightness only: JPEG keeps it at full resolution but blurs colour at saturated edges.
            const int delta = std::abs(qGray(a[x]) - qGray(e[x]));
            result.mean += delta;
            result.changed += delta > 24;
            const int grey = qGray(e[x]);
            sum += grey;
            sumSquares += double(grey) * grey;
        }
    }
    if (pixels == 0)
        return result;
    result.mean /= double(pixels);
    const double average = sum / double(pixels);
    result.spread = std::sqrt(std::max(0.0, sumSquares / double(pixels) - average * average));
    return result;
}

// Panel `i` as it stands on the written page against the fresh panel.
Difference panelDifference(const QImage& written, const PageText& text, const QList<Panel>& panels, qsizetype i)
{
    const QRectF target = panelTargets(text, panels).at(i);
    const QRect pixels((target.topLeft() * kPageScale).toPoint(), (target.size() * kPageScale).toSize());
    return compare(written.copy(pixels), panelImage(panels[i], pixels.size()),
                   calloutMask(target, panels[i], pixels.size()));
}

QString describe(const Difference& difference)
{
    return QStringLiteral("mean %1, changed blocks %2, spread %3")
        .arg(difference.mean)
        .arg(difference.changed)
        .arg(difference.spread);
}

} // namespace

void TestHelpPages::pageHoldsItsWindows_data()
{
    QTest::addColumn<int>("page");
    for (int page = 1; page <= kPageCount; ++page)
        QTest::newRow(qPrintable(pageText(page).title)) << page;
}

void TestHelpPages::pageHoldsItsWindows()
{
    QFETCH(int, page);
    const QImage written = QImage(pageFile(page)).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!written.isNull(), qPrintable(pageFile(page)));
    const PageText text = pageText(page);
    QCOMPARE(written.size(), text.size * kPageScale);

    auto* main = qobject_cast<MainWindow*>(createMainWindow());
    const QList<Panel> panels = stagePage(*main, page);
    main->windows().closeAll(main);
    QVERIFY(!panels.isEmpty());
    QCOMPARE(panels.first().picture.devicePixelRatio(), 2.0);

    const QList<QRectF> targets = panelTargets(text, panels);
    QCOMPARE(targets.size(), panels.size());
    for (qsizetype i = 0; i < panels.size(); ++i) {
        const QRect pixels((targets[i].topLeft() * kPageScale).toPoint(), (targets[i].size() * kPageScale).toSize());
        QVERIFY(QRect(QPoint(0, 0), written.size()).contains(pixels));
        // Large enough to read on the page.
        QVERIFY2(pixels.width() >= panels[i].source.width() * kPageScale * 0.35,
                 qPrintable(QString::number(pixels.width())));
        const Difference difference = panelDifference(written, text, panels, i);
        const QString report = QStringLiteral("panel %1: ").arg(i) + describe(difference);
        QVERIFY2(difference.spread > 12, qPrintable(report));
        QVERIFY2(difference.mean < 3, qPrintable(report)); // JPEG noise
        QVERIFY2(difference.changed == 0, qPrintable(report));
    }
}

void TestHelpPages::anotherStateDoesNotMatch()
{
    // The comparison tells states apart: the stance page grabbed with the stance switched back off (only
    // "on" turned "off" and the button's face) must not pass for the page.
    constexpr int page = 12;
    const QImage written = QImage(pageFile(page)).convertToFormat(QImage::Format_RGB32);
    auto* main = qobject_cast<MainWindow*>(createMainWindow());
    QList<Panel> panels = stagePage(*main, page);
    QCOMPARE(panels.size(), 1);
    const Difference same = panelDifference(written, pageText(page), panels, 0);
    QVERIFY2(same.changed == 0, qPrintable(describe(same)));
    QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("Command33")), Qt::LeftButton);
    QTRY_COMPARE(main->findChild<QLabel*>(QStringLiteral("Label55"))->text(), QStringLiteral("off"));
    panels[0].picture = main->grab();
    main->windows().closeAll(main);
    const Difference changed = panelDifference(written, pageText(page), panels, 0);
    QVERIFY2(changed.changed >= 4, qPrintable(describe(changed)));
}

void TestHelpPages::firstPagesAreBuiltIn_data()
{
    QTest::addColumn<int>("slideshow");
    QTest::addColumn<int>("page");
    QTest::newRow("Form9") << 1 << 1;
    QTest::newRow("Form11") << 2 << 7;
    QTest::newRow("Form15") << 3 << 10;
    QTest::newRow("Form17") << 4 << 12;
}

void TestHelpPages::firstPagesAreBuiltIn()
{
    // The built-in first page is the slideshow's page 1, at the size of its picture.
    QFETCH(int, slideshow);
    QFETCH(int, page);
    QFile builtIn(QStringLiteral(":/help/first-page-%1.jpg").arg(slideshow));
    QVERIFY2(builtIn.open(QIODevice::ReadOnly), qPrintable(builtIn.fileName()));
    QFile file(pageFile(page));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(builtIn.readAll(), file.readAll());
    QCOMPARE(QImage(builtIn.fileName()).size(), pageText(page).size * kPageScale);
}

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestHelpPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_help_pages.moc"
