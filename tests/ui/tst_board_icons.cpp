#include "art/artwork.h"
#include "art/drawn_icon_engine.h"
#include "ui_helpers.h"

#include <QIcon>
#include <QPushButton>
#include <QTest>

using namespace tessarin;
using namespace tessarin::testing;

// The board buttons show their pictures drawn for the screen's own pixel ratio. CTest runs this
// program at 100 %, 150 % and 200 % (QT_SCALE_FACTOR).
class TestBoardIcons : public QObject {
    Q_OBJECT

private slots:
    void buttonShowsCrispPicture_data();
    void buttonShowsCrispPicture();
    void windowIconFollowsFirstFrame();
    void buttonFaceAndHover_data();
    void buttonFaceAndHover();
    void eachSizeIsDrawnOnce_data();
    void eachSizeIsDrawnOnce();
    void disabledLookComesFromStyle();
};

namespace {

constexpr int kIconSide = 47; // a board button is 770 twips (51 px) with a 2 px margin round its icon

QIcon countingIcon(int& draws)
{
    return QIcon(new art::DrawnIconEngine(
        [&draws](int side, qreal dpr) {
            ++draws;
            return art::boardButtonPixmap(3, 5, side, dpr);
        },
        kIconSide));
}

} // namespace

void TestBoardIcons::buttonShowsCrispPicture_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    // One button of each row, the white-faced pieces 1 and 2 among them.
    QTest::newRow("row 1, piece 1") << 1 << 1;
    QTest::newRow("row 2, piece 2") << 2 << 2;
    QTest::newRow("row 3, piece 5") << 3 << 5;
    QTest::newRow("row 4, piece 8") << 4 << 8;
}

void TestBoardIcons::buttonShowsCrispPicture()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    MainWindowFixture fixture;
    const qreal dpr = fixture.window->devicePixelRatioF();
    auto* button =
        control<QPushButton>(fixture.window, QStringLiteral("Command%1").arg(kBoardNumbers[row - 1][piece - 1]));
    QCOMPARE(button->iconSize(), QSize(kIconSide, kIconSide));

    // The pixmap the button paints is drawn at the window's ratio, not scaled from another one.
    const QPixmap shown = button->icon().pixmap(button->iconSize(), dpr);
    QCOMPARE(shown.devicePixelRatio(), dpr);
    QCOMPARE(shown.size(), QSize(qRound(kIconSide * dpr), qRound(kIconSide * dpr)));

    // At 150 % the 47-pixel icon is 70.5 device pixels wide, so the 71-pixel picture cannot land on
    // whole pixels; at whole-number ratios it must be on screen unchanged.
    if (qRound(kIconSide * dpr) != kIconSide * dpr)
        return;
    // Every opaque pixel of the picture drawn for this ratio is there, centred in the button (1 px
    // border, no padding: the icon starts 2 px in).
    const QImage expected =
        art::boardButtonPixmap(row, piece, kIconSide, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage screen = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(screen.devicePixelRatio(), dpr);
    const int offset = qRound(2 * dpr);
    int opaque = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            if (qAlpha(want) != 255)
                continue;
            ++opaque;
            if (screen.pixel(x + offset, y + offset) != want)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is #%3, the picture has #%4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(screen.pixel(x + offset, y + offset), 8, 16, QLatin1Char('0'))
                                     .arg(want, 8, 16, QLatin1Char('0'))));
        }
    }
    QVERIFY2(opaque > expected.width() * expected.height() / 2, "the picture is mostly opaque");
}

void TestBoardIcons::windowIconFollowsFirstFrame()
{
    // The window icon is drawn after the first frame; it must still come.
    MainWindowFixture fixture;
    QTRY_VERIFY(!fixture.window->windowIcon().isNull());
    QVERIFY(!fixture.window->windowIcon().pixmap(QSize(32, 32)).isNull());
}

void TestBoardIcons::buttonFaceAndHover_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("face");
    QTest::newRow("row 1, piece 1: white face") << QStringLiteral("Command9") << QColor(Qt::white);
    QTest::newRow("row 3, piece 5: button face") << QStringLiteral("Command28") << QColor();
}

void TestBoardIcons::buttonFaceAndHover()
{
    // The face shows in the corners the icon leaves free, the border lights up under the pointer.
    QFETCH(QString, name);
    QFETCH(QColor, face);
    MainWindowFixture fixture;
    auto* button = control<QPushButton>(fixture.window, name);
    const QColor expectedFace = face.isValid() ? face : button->palette().color(QPalette::Button);
    auto pixelAt = [button](QPoint logical) {
        const QImage image = button->grab().toImage();
        return QColor(image.pixel(logical * image.devicePixelRatio()));
    };
    const QPoint border(0, button->height() / 2);
    const QPoint corner(2, 2); // inside the border, outside the icon's rounded corner
    QCOMPARE(pixelAt(corner), expectedFace);
    QCOMPARE(pixelAt(border), QColor(0x3b, 0x33, 0x23));
    // QTest's pointer does not reach the button under QT_SCALE_FACTOR (the same before the shared
    // style sheet), so the hover is checked at 100 %.
    if (!qFuzzyCompare(button->devicePixelRatioF(), 1.0))
        return;
    QTest::mouseMove(button, button->rect().center());
    QTRY_COMPARE(pixelAt(border), QColor(0xf0, 0xd6, 0x8a));
}

void TestBoardIcons::eachSizeIsDrawnOnce_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("125 %") << 1.25;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
    QTest::newRow("300 %") << 3.0;
}

void TestBoardIcons::eachSizeIsDrawnOnce()
{
    QFETCH(qreal, dpr);
    int draws = 0;
    const QIcon icon = countingIcon(draws);
    QCOMPARE(draws, 0); // nothing is drawn before a screen asks

    const QPixmap first = icon.pixmap(QSize(kIconSide, kIconSide), dpr);
    QCOMPARE(draws, 1);
    QCOMPARE(first.devicePixelRatio(), dpr);
    QCOMPARE(first.size(), QSize(qRound(kIconSide * dpr), qRound(kIconSide * dpr)));
    QCOMPARE(first.toImage(), art::boardButtonPixmap(3, 5, kIconSide, dpr).toImage());

    // Asked again, through a copy of the icon too: the same picture, not drawn again.
    const QIcon copy = icon;
    QCOMPARE(copy.pixmap(QSize(kIconSide, kIconSide), dpr).cacheKey(), first.cacheKey());
    QCOMPARE(draws, 1);

    // Another ratio is another picture.
    const qreal other = dpr == 2.0 ? 1.0 : 2.0;
    QCOMPARE(icon.pixmap(QSize(kIconSide, kIconSide), other).devicePixelRatio(), other);
    QCOMPARE(draws, 2);
}

void TestBoardIcons::disabledLookComesFromStyle()
{
    int draws = 0;
    const QIcon icon = countingIcon(draws);
    const QPixmap normal = icon.pixmap(QSize(kIconSide, kIconSide), 2.0);
    const QPixmap disabled = icon.pixmap(QSize(kIconSide, kIconSide), 2.0, QIcon::Disabled);
    QCOMPARE(draws, 1);
    QCOMPARE(disabled.size(), normal.size());
    QCOMPARE(disabled.devicePixelRatio(), 2.0);
    // Greyed exactly as an icon made of the same pixmap would be.
    QIcon reference;
    reference.addPixmap(normal);
    QCOMPARE(disabled.toImage(), reference.pixmap(QSize(kIconSide, kIconSide), 2.0, QIcon::Disabled).toImage());
    QVERIFY(disabled.toImage() != normal.toImage());
}

QTEST_MAIN(TestBoardIcons)
#include "tst_board_icons.moc"
