#include "ui_helpers.h"

#include "app/version.h"
#include "ui/common/pictures.h"
#include "ui/common/twips.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

const QStringList kHelpWindows = {"Form8", "Form9", "Form11", "Form15", "Form17"};

// The menu button that opens each help window.
const QHash<QString, QString> kMenuButtonOf = {{"Form9", "Command1"},
                                               {"Form11", "Command4"},
                                               {"Form15", "Command5"},
                                               {"Form17", "Command6"},
                                               {"Form8", "Command2"}};

// The number of each slideshow's page in `helpPage`.
const QHash<QString, int> kSlideshowNumber = {{"Form9", 1}, {"Form11", 2}, {"Form15", 3}, {"Form17", 4}};

QWidget* openWindow(MainWindowFixture& f, const QString& name)
{
    return f.window->windows().find(name);
}

QStringList openHelpWindows(MainWindowFixture& f)
{
    QStringList open;
    for (const QString& name : kHelpWindows)
        if (openWindow(f, name))
            open << name;
    return open;
}

QWidget* openMenu(MainWindowFixture& f)
{
    QTest::mouseClick(control(f.window, "Label33"), Qt::LeftButton);
    return openWindow(f, "Form7");
}

void click(QWidget* window, const QString& name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

// Label1, Label2 and the picture of Image1 of a slideshow.
QStringList pageShown(QWidget* slideshow)
{
    return {labelText(slideshow, "Label1"), labelText(slideshow, "Label2"), pictureOf(slideshow, "Image1")};
}

QStringList page(int number, const QString& title, const QString& picture)
{
    return {QString::number(number), title, picture};
}

QString file(int n)
{
    return QStringLiteral("image/도움말%1.jpg").arg(n);
}

} // namespace

class TestHelpWindows : public QObject {
    Q_OBJECT

private slots:
    void slideshowPages_data();
    void slideshowPages();
    void menuKeepsOneHelpWindowOpen_data();
    void menuKeepsOneHelpWindowOpen();
    void openSlideshowComesForwardOnPageOne_data();
    void openSlideshowComesForwardOnPageOne();
    void helpButtonResetsItemSlideshow();
    void closingStartsSlideshowAgain();
    void menuCloseClosesEverything();
    void menuLayout();
    void aboutWindow();
    void builtInPictures_data();
    void builtInPictures();
};

void TestHelpWindows::slideshowPages_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");        // twips: position on the screen and client size
    QTest::addColumn<QSize>("picture");         // twips
    QTest::addColumn<QList<QPoint>>("buttons"); // "<", page number, ">", "닫기"
    QTest::addColumn<QString>("openingTitle");
    // Page 1, 2, ... as ">" shows them, then page 1 again: every page an arrow reaches comes from its file.
    QTest::addColumn<QList<QStringList>>("pages");

    QTest::newRow("Form9") << "Form9"
                           << "아이템 착용법" << QRect(9720, 6045, 4035, 4320) << QSize(3810, 3075)
                           << QList<QPoint>{{1320, 3600}, {1800, 3770}, {2280, 3600}, {3000, 3600}} << "내 정보창(1/6)"
                           << QList<QStringList>{page(1, "내 정보창(1/6)", file(1)),
                                                 page(2, "무기 선택창(2/6)", file(2)),
                                                 page(3, "4대 던전 무기 착용창(3/6)", file(3)),
                                                 page(4, "바다뱀 던전 무기 착용창(4/6)", file(4)),
                                                 page(5, "기타 무기 착용창(5/6)", file(5)),
                                                 page(6, "장신구 착용창(6/6)", file(6))};
    QTest::newRow("Form11") << "Form11"
                            << "보패 착용법" << QRect(9645, 5895, 6330, 4440) << QSize(6120, 3075)
                            << QList<QPoint>{{2520, 3720}, {3000, 3885}, {3480, 3720}, {5400, 3720}} << "아이템창(1/3)"
                            << QList<QStringList>{page(1, "아이템창(1/3)", file(7)),
                                                  page(2, "보패 옵션 선택창(2/3)", file(8)),
                                                  page(3, "보패 셋트 효과 확인법(3/3)", file(9))};
    QTest::newRow("Form15") << "Form15"
                            << "보패 합성법" << QRect(9795, 4305, 5430, 8025) << QSize(5235, 6735)
                            << QList<QPoint>{{1800, 7320}, {2350, 7485}, {2920, 7320}, {4440, 7320}} << "보패 합성창"
                            << QList<QStringList>{page(1, "보패 합성창(1/2)", file(10)),
                                                  page(2, "무기 선택창(2/2)", file(11))};
    QTest::newRow("Form17") << "Form17"
                            << "스킬 적용법" << QRect(9855, 5820, 3630, 4815) << QSize(3375, 3375)
                            << QList<QPoint>{{960, 4080}, {1440, 4245}, {1920, 4080}, {2760, 4080}} << "스킬 적용창"
                            << QList<QStringList>{page(1, "스킬 적용창(1/2)", file(12)),
                                                  page(2, "스킬 적용 전후(2/2)", file(13))};
}

void TestHelpWindows::slideshowPages()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QSize, picture);
    QFETCH(QList<QPoint>, buttons);
    QFETCH(QString, openingTitle);
    QFETCH(QList<QStringList>, pages);

    MainWindowFixture f;
    QWidget* menu = openMenu(f);
    QVERIFY(menu);
    click(menu, kMenuButtonOf[window]);
    QWidget* show = openWindow(f, window);
    QVERIFY(show);
    QCOMPARE(show->windowTitle(), caption);
    QCOMPARE(show->pos(), twipsPoint(geometry.x(), geometry.y()));
    QCOMPARE(show->size(), QSize(twipsToPixels(geometry.width()), twipsToPixels(geometry.height())));
    QCOMPARE(control(show, "Command1")->geometry(), twipsRect(buttons[0].x(), buttons[0].y(), 375, 615));
    QCOMPARE(control(show, "Label1")->pos(), twipsPoint(buttons[1].x(), buttons[1].y()));
    QCOMPARE(control(show, "Command2")->geometry(), twipsRect(buttons[2].x(), buttons[2].y(), 375, 615));
    QCOMPARE(control(show, "Command3")->geometry(), twipsRect(buttons[3].x(), buttons[3].y(), 735, 615));
    QCOMPARE(control<QPushButton>(show, "Command1")->text(), QStringLiteral("<"));
    QCOMPARE(control<QPushButton>(show, "Command2")->text(), QStringLiteral(">"));
    QCOMPARE(control<QPushButton>(show, "Command3")->text(), QStringLiteral("닫기"));
    auto* image = control<QLabel>(show, "Image1");
    QCOMPARE(image->geometry(), twipsRect(120, 480, picture.width(), picture.height()));
    QVERIFY(image->hasScaledContents());

    // It opens on its own built-in first page; a missing built-in picture still shows something.
    QStringList opening = pages.first();
    opening[1] = openingTitle;
    opening[2] = QStringLiteral(":/help/first-page-%1.jpg").arg(kSlideshowNumber[window]);
    QCOMPARE(pageShown(show), opening);
    QVERIFY(!image->pixmap().isNull());

    const int count = int(pages.size());
    for (int i = 1; i <= count; ++i) {
        click(show, "Command2");
        const QStringList& expected = pages[i % count];
        QCOMPARE(pageShown(show), expected);
        QCOMPARE(int(f.window->state().helpPage[kSlideshowNumber[window]]), i % count + 1);
        if (expected[2].startsWith(u"image/")) {
            // Page files are drawn at twice the picture's size and shown scaled, sharp at 200 %.
            QCOMPARE(image->pixmap().size(), image->size() * 2);
        }
    }
    // "<" on page 1 goes round to the last page, then back down.
    click(show, "Command1");
    QCOMPARE(pageShown(show), pages.last());
    click(show, "Command1");
    QCOMPARE(pageShown(show), pages[count - 2]);
}

void TestHelpWindows::menuKeepsOneHelpWindowOpen_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    for (const QString& before : kHelpWindows)
        for (const QString& after : kHelpWindows)
            if (before != after)
                QTest::newRow(qPrintable(before + " → " + after)) << before << after;
}

void TestHelpWindows::menuKeepsOneHelpWindowOpen()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    MainWindowFixture f;
    QWidget* menu = openMenu(f);
    click(menu, kMenuButtonOf[before]);
    QCOMPARE(openHelpWindows(f), QStringList{before});
    click(menu, kMenuButtonOf[after]);
    QCOMPARE(openHelpWindows(f), QStringList{after});
    QVERIFY(openWindow(f, "Form7"));
    if (after != "Form8")
        QCOMPARE(labelText(openWindow(f, after), "Label1"), QStringLiteral("1"));
}

void TestHelpWindows::openSlideshowComesForwardOnPageOne_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("forward"); // ">" clicks before the menu is used again
    QTest::addColumn<QString>("title");
    QTest::newRow("Form9 on page 3") << "Form9" << 2 << "내 정보창(1/6)";
    QTest::newRow("Form11 on page 3") << "Form11" << 2 << "아이템창(1/3)";
    QTest::newRow("Form15 on page 2") << "Form15" << 1 << "보패 합성창(1/2)";
    QTest::newRow("Form17 on page 2") << "Form17" << 1 << "스킬 적용창(1/2)";
}

void TestHelpWindows::openSlideshowComesForwardOnPageOne()
{
    QFETCH(QString, window);
    QFETCH(int, forward);
    QFETCH(QString, title);
    MainWindowFixture f;
    QWidget* menu = openMenu(f);
    click(menu, kMenuButtonOf[window]);
    QPointer<QWidget> show = openWindow(f, window);
    for (int i = 0; i < forward; ++i)
        click(show, "Command2");
    QCOMPARE(labelText(show, "Label1"), QString::number(forward + 1));
    click(menu, kMenuButtonOf[window]);
    QCOMPARE(openWindow(f, window), show.data()); // the same window, not a new one
    QCOMPARE(labelText(show, "Label1"), QStringLiteral("1"));
    QCOMPARE(labelText(show, "Label2"), title);
    QVERIFY(pictureOf(show, "Image1").startsWith(u":/help/first-page-"));
    QCOMPARE(int(f.window->state().helpPage[kSlideshowNumber[window]]), 1);
}

void TestHelpWindows::helpButtonResetsItemSlideshow()
{
    MainWindowFixture f;
    QWidget* menu = openMenu(f);
    QVERIFY(menu);
    QCOMPARE(menu->windowTitle(), QStringLiteral("도움말"));
    click(menu, "Command1");
    QWidget* items = openWindow(f, "Form9");
    for (int i = 0; i < 3; ++i)
        click(items, "Command2");
    QCOMPARE(pageShown(items), page(4, "바다뱀 던전 무기 착용창(4/6)", file(4)));
    QCOMPARE(openMenu(f), menu); // the open menu comes forward
    QCOMPARE(pageShown(items), page(1, "내 정보창(1/6)", ":/help/first-page-1.jpg"));
    QCOMPARE(int(f.window->state().helpPage[1]), 1);
}

void TestHelpWindows::closingStartsSlideshowAgain()
{
    MainWindowFixture f;
    QWidget* menu = openMenu(f);
    click(menu, "Command6");
    QWidget* stances = openWindow(f, "Form17");
    click(stances, "Command2");
    QCOMPARE(int(f.window->state().helpPage[4]), 2);
    click(stances, "Command3");
    QVERIFY(!openWindow(f, "Form17"));
    QCOMPARE(int(f.window->state().helpPage[4]), 1);
    QVERIFY(openWindow(f, "Form7")); // the menu stays

    // Closed by its title bar, the same.
    click(menu, "Command4");
    QWidget* shields = openWindow(f, "Form11");
    click(shields, "Command1");
    QCOMPARE(int(f.window->state().helpPage[2]), 3);
    shields->close();
    QCOMPARE(int(f.window->state().helpPage[2]), 1);
    click(menu, "Command4");
    QCOMPARE(pageShown(openWindow(f, "Form11")), page(1, "아이템창(1/3)", ":/help/first-page-2.jpg"));
}

void TestHelpWindows::menuCloseClosesEverything()
{
    MainWindowFixture f;
    QWidget* menu = openMenu(f);
    click(menu, "Command5");
    click(openWindow(f, "Form15"), "Command2");
    click(menu, "Command3");
    QVERIFY(!openWindow(f, "Form7"));
    QCOMPARE(openHelpWindows(f), QStringList{});
    QCOMPARE(int(f.window->state().helpPage[3]), 1);

    menu = openMenu(f);
    click(menu, "Command2");
    QCOMPARE(openHelpWindows(f), QStringList{"Form8"});
    click(menu, "Command3");
    QVERIFY(!openWindow(f, "Form7"));
    QCOMPARE(openHelpWindows(f), QStringList{});
    QVERIFY(f.window->isVisible()); // the main window stays
}

void TestHelpWindows::menuLayout()
{
    MainWindowFixture f;
    QWidget* menu = openMenu(f);
    QCOMPARE(menu->pos(), twipsPoint(7845, 6405));
    QCOMPARE(menu->size(), QSize(twipsToPixels(1590), twipsToPixels(3735)));
    const QList<std::pair<QString, QString>> buttons = {{"Command1", "아이템 착용법"}, {"Command4", "보패 착용법"},
                                                        {"Command5", "보패 합성법"},   {"Command6", "스킬 적용법"},
                                                        {"Command2", "만든이"},        {"Command3", "닫기"}};
    int top = 120;
    for (const auto& [name, caption] : buttons) {
        auto* button = control<QPushButton>(menu, name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), twipsRect(120, top, 1335, 495));
        top += 600;
    }
}

void TestHelpWindows::aboutWindow()
{
    MainWindowFixture f;
    QCOMPARE(labelText(f.window, "Label59"), QStringLiteral("Tessarin 1.0.0"));
    QWidget* menu = openMenu(f);
    click(menu, "Command2");
    QWidget* about = openWindow(f, "Form8");
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("만든이"));
    QCOMPARE(about->pos(), twipsPoint(9645, 6405));
    QCOMPARE(about->size(), QSize(twipsToPixels(6495), twipsToPixels(3585)));
    QCOMPARE(labelText(about, "Label4"), QStringLiteral("Tessarin 1.0.0"));
    QCOMPARE(labelText(about, "Label1"), QStringLiteral("만든이 : Tessarin 개발팀"));
    QCOMPARE(labelText(about, "Label2"), QStringLiteral("버그 보고 : ") + QString::fromUtf8(kContactAddress));
    QVERIFY(labelText(about, "Label3").contains(u"MIT 라이선스"));
    QVERIFY(!control<QLabel>(about, "Image1")->pixmap().isNull());

    // Every line is whole inside its label, the contact address included.
    for (const char* name : {"Label4", "Label1", "Label2", "Label3"}) {
        auto* label = control<QLabel>(about, name);
        const QRect needed =
            QFontMetrics(label->font()).boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(), name);
    }

    click(about, "Command1");
    QVERIFY(!openWindow(f, "Form8"));
    QVERIFY(openWindow(f, "Form7")); // only the about window closes
}

void TestHelpWindows::builtInPictures_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("pixmapSize"); // invalid: the resource's own size
    // A resource Qt itself carries stands in for a first page that exists.
    QTest::newRow("present") << ":/qt-project.org/styles/commonstyle/images/standardbutton-apply-32.png" << QSize();
    QTest::newRow("missing: placeholder at the control's size") << ":/help/no-such-page.jpg" << QSize(60, 40);
}

void TestHelpWindows::builtInPictures()
{
    QFETCH(QString, resource);
    QFETCH(QSize, pixmapSize);
    if (!pixmapSize.isValid()) {
        pixmapSize = QImageReader(resource).size();
        QVERIFY(pixmapSize.isValid());
    }
    QLabel label;
    label.resize(60, 40);
    loadBuiltInPicture(&label, resource);
    QCOMPARE(label.property(kPictureProperty).toString(), resource);
    QCOMPARE(label.pixmap().deviceIndependentSize().toSize(), pixmapSize);
    loadBuiltInPicture(&label, QString());
    QCOMPARE(label.property(kPictureProperty).toString(), QString());
    QVERIFY(label.pixmap().isNull());
}

QTEST_MAIN(TestHelpWindows)
#include "tst_help_windows.moc"
