#include "art/artwork.h"
#include "data/catalogue.h"
#include "data/classes.h"
#include "ui/common/pictures.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace tessarin;

// Every picture the program loads must be in the `image` folder the build writes beside it, in the
// format its name says; a missing one must never block anything.
class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void everyPictureIsThere_data();
    void everyPictureIsThere();
    void piecesAreSegmentsOnTransparency();
    void missingPictureShowsPlaceholderAndWarnsOnce();
    void clearingForgetsThePicture();
    void builtInPicturesAreCrisp_data();
    void builtInPicturesAreCrisp();
    void weaponPicturesAreSharpAndDistinct();
    void backgroundWeaveIsTheSameFromOnePeriod_data();
    void backgroundWeaveIsTheSameFromOnePeriod();
};

namespace {

// The 42 weapon pictures: per class the four dungeons, the two supply-base sources and free entry.
QStringList weaponPictureNames()
{
    QStringList names;
    for (const ClassInfo& info : classTable())
        for (const char* suffix : {"41", "42", "43", "44", "P123", "P", "g"})
            names << QStringLiteral("image/%1-%2.jpg")
                         .arg(QString::fromUtf8(info.weaponStem), QString::fromLatin1(suffix));
    return names;
}

} // namespace

void TestPictures::everyPictureIsThere_data()
{
    QTest::addColumn<QString>("name");
    QStringList names;
    for (const ClassInfo& info : classTable())
        for (const auto& button : info.buttons)
            if (button)
                names << QString::fromUtf8(button->picture);
    names << weaponPictureNames();
    for (int row = 1; row <= kCatalogueRows; ++row)
        for (int piece = 1; piece <= kPieceCount; ++piece)
            names << catalogueEntry(row, piece)->picture();
    for (int piece = 1; piece <= kPieceCount; ++piece)
        names << QStringLiteral("image/general-%1.gif").arg(piece);
    for (const char* tier : {"3", "5", "8", "30", "50", "80"})
        names << QStringLiteral("image/set%1.gif").arg(QString::fromLatin1(tier));
    names << QStringLiteral("image/삼금.gif") << QStringLiteral("image/사금.gif") << QStringLiteral("image/오금.gif")
          << QStringLiteral("image/육금.gif") << QStringLiteral("image/earing.jpg") << QStringLiteral("image/ring.jpg")
          << QStringLiteral("image/necklace.jpg");
    for (int page = 1; page <= 13; ++page)
        names << QStringLiteral("image/도움말%1.jpg").arg(page);
    names.removeDuplicates();
    QCOMPARE(names.size(), 9 + 42 + 16 + 8 + 6 + 4 + 3 + 13);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestPictures::everyPictureIsThere()
{
    QFETCH(QString, name);
    QImageReader reader(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    const QByteArray expectedFormat = name.endsWith(u".gif") ? QByteArray("gif") : QByteArray("jpeg");
    QCOMPARE(reader.format(), expectedFormat);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QVERIFY(image.width() >= 16 && image.height() >= 16);
}

void TestPictures::piecesAreSegmentsOnTransparency()
{
    // Stacked over one another, the eight pictures of a set make the whole shield: each covers its own
    // part and leaves the rest see-through.
    const QDir folder(pictureFolder());
    QImage first;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const QImage image =
            QImage(folder.filePath(QStringLiteral("lost-%1.gif").arg(piece))).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        if (first.isNull())
            first = image;
        QCOMPARE(image.size(), first.size());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 0); // the centre is the frame's
        int opaque = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                opaque += qAlpha(image.pixel(x, y)) > 0;
        const int samples = ((image.width() + 1) / 2) * ((image.height() + 1) / 2);
        QVERIFY2(opaque > samples / 40 && opaque < samples / 4, qPrintable(QString::number(opaque)));
    }
}

void TestPictures::missingPictureShowsPlaceholderAndWarnsOnce()
{
    QLabel label;
    label.resize(40, 40);
    const QString name = QStringLiteral("image/없는그림.gif");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("없는그림")));
    loadPicture(&label, name);
    QCOMPARE(label.property(kPictureProperty).toString(), name);
    QVERIFY(!label.pixmap().isNull());
    QTest::failOnWarning(QRegularExpression(QStringLiteral("없는그림")));
    QPushButton button;
    button.resize(50, 50);
    loadPicture(&button, name); // the same file again: no second warning
    QCOMPARE(button.property(kPictureProperty).toString(), name);
    QVERIFY(!button.icon().isNull());
}

void TestPictures::clearingForgetsThePicture()
{
    QLabel label;
    loadPicture(&label, QStringLiteral("image/set30.gif"));
    QVERIFY(!label.pixmap().isNull());
    clearPicture(&label);
    QCOMPARE(label.property(kPictureProperty).toString(), QString());
    QVERIFY(label.pixmap().isNull());
    loadPicture(&label, QStringLiteral("image/set3.gif"));
    loadPicture(&label, QString()); // an empty name clears too
    QCOMPARE(label.property(kPictureProperty).toString(), QString());
    QVERIFY(label.pixmap().isNull());
}

void TestPictures::builtInPicturesAreCrisp_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

void TestPictures::builtInPicturesAreCrisp()
{
    // Drawn for the screen's pixel ratio, never scaled up from a small bitmap.
    QFETCH(qreal, dpr);
    const QPixmap button = art::boardButtonPixmap(2, 7, 47, dpr);
    QCOMPARE(button.devicePixelRatio(), dpr);
    QCOMPARE(button.size(), QSize(qRound(47 * dpr), qRound(47 * dpr)));
    const QPixmap tile = art::indicatorPlaceholderPixmap(5, 23, dpr);
    QCOMPARE(tile.devicePixelRatio(), dpr);
    QCOMPARE(tile.size(), QSize(qRound(23 * dpr), qRound(23 * dpr)));
    QVERIFY(!art::applicationIcon().pixmap(QSize(32, 32), dpr).isNull());
}

void TestPictures::weaponPicturesAreSharpAndDistinct()
{
    // The slot stretches the picture to 65 logical pixels, 130 at 200 %: drawn at least that large it
    // is never scaled up. Each class-and-source pair must look plainly different from every other one,
    // not merely differ by compression noise, or the player cannot tell the weapons apart.
    const QStringList names = weaponPictureNames();
    QCOMPARE(names.size(), 42);
    QList<QImage> images;
    for (const QString& name : names) {
        const QImage image =
            QImage(QDir(QCoreApplication::applicationDirPath()).filePath(name)).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QVERIFY2(image.width() >= 130 && image.height() == image.width(), qPrintable(name));
        QCOMPARE(image.size(), images.isEmpty() ? image.size() : images.first().size());
        images << image;
    }
    const int pixels = images.first().width() * images.first().height();
    for (int a = 0; a < images.size(); ++a) {
        for (int b = a + 1; b < images.size(); ++b) {
            int different = 0;
            for (int y = 0; y < images[a].height(); ++y) {
                const auto* lineA = reinterpret_cast<const QRgb*>(images[a].constScanLine(y));
                const auto* lineB = reinterpret_cast<const QRgb*>(images[b].constScanLine(y));
                for (int x = 0; x < images[a].width(); ++x) {
                    const int delta = std::max({std::abs(qRed(lineA[x]) - qRed(lineB[x])),
                                                std::abs(qGreen(lineA[x]) - qGreen(lineB[x])),
                                                std::abs(qBlue(lineA[x]) - qBlue(lineB[x]))});
                    different += delta > 40;
                }
            }
            QVERIFY2(different * 20 > pixels,
                     qPrintable(QStringLiteral("%1 ~ %2: %3").arg(names[a], names[b]).arg(different)));
        }
    }
}

void TestPictures::backgroundWeaveIsTheSameFromOnePeriod_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("200 %") << 2.0;
    QTest::newRow("300 %") << 3.0;
}

void TestPictures::backgroundWeaveIsTheSameFromOnePeriod()
{
    // The weave repeats one drawn period where the painter maps straight onto device pixels; shifted by
    // a period, the background is drawn with its window-long lines instead. The strip between the two
    // panels shows only the weave and must be the same pixels either way.
    QFETCH(qreal, dpr);
    constexpr int shift = 6; // one period of the weave
    auto paint = [dpr](int offset) {
        QImage image(QSize(art::mainBackgroundWidth + offset, art::mainBackgroundHeight + offset) * dpr,
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(offset, offset);
        art::paintMainBackground(painter);
        return image;
    };
    const QRect gap = QRect(QPoint(479, 60), QPoint(480, 700)); // between the panels, logical pixels
    const QRect device(gap.topLeft() * dpr, gap.size() * dpr);
    const QImage tiled = paint(0).copy(device);
    const QImage lines = paint(shift).copy(device.translated(QPoint(shift, shift) * dpr));
    QCOMPARE(tiled, lines);
    QSet<QRgb> colours;
    for (int y = 0; y < tiled.height(); ++y)
        for (int x = 0; x < tiled.width(); ++x)
            colours.insert(tiled.pixel(x, y));
    QVERIFY2(colours.size() > 2, "the strip shows the weave over the gradient");
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
