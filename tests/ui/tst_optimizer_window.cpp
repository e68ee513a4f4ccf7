// Form21 offscreen: a search off the UI thread, its results, 착용 as one undo step, a stop, and the
// message when no shield meets the minimums.
#include "ui_helpers.h"

#include "ui/common/messages.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

QWidget* openOptimizer(MainWindowFixture& f)
{
    f.window->findChild<QAction*>(QStringLiteral("actionOptimize"))->trigger();
    QWidget* window = f.window->windows().find(QStringLiteral("Form21"));
    return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

void clickButton(QWidget* window, const char* name)
{
    auto* button = control<QPushButton>(window, QString::fromLatin1(name));
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Every label and picture of the main window.
QStringList screen(MainWindow* window)
{
    QStringList shown;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (!label->objectName().isEmpty() && label->window() == window)
            shown << label->objectName() + u' ' + label->text() + u' ' + label->property("picture").toString();
    shown.sort();
    return shown;
}

void settle(MainWindowFixture& f)
{
    for (const char* timer : {"Timer5", "Timer5", "Timer2", "Timer2"}) {
        recordWritten(f.window);
        RETURN_IF_FAILED(waitTicks(control<QTimer>(f.window, QString::fromLatin1(timer)), 1));
    }
}

} // namespace

class TestOptimizerWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        setMessageHandler([](const QString&) {});
    }
    void searchWearAndUndo();
    void noShieldMeetsTheMinimums();
    void stopAndClose();
};

void TestOptimizerWindow::searchWearAndUndo()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("검사")));
    RETURN_IF_FAILED(settle(f));
    const QStringList before = screen(f.window);
    QWidget* optimizer = openOptimizer(f);
    QVERIFY(optimizer);
    QCOMPARE(control<QComboBox>(optimizer, "Combo1")->currentText(), QStringLiteral("기대공격력"));
    QVERIFY(control<QRadioButton>(optimizer, "Option1")->isChecked());
    QVERIFY(control<QCheckBox>(optimizer, "Check3")->isChecked());
    QVERIFY(!control<QCheckBox>(optimizer, "Check11")->isChecked());
    QTest::mouseClick(control<QRadioButton>(optimizer, "Option2"), Qt::LeftButton);
    clickButton(optimizer, "Command1");
    auto* results = control<QListWidget>(optimizer, "List1");
    QTRY_VERIFY_WITH_TIMEOUT(control<QPushButton>(optimizer, "Command1")->isEnabled(), 60000);
    QCOMPARE(results->count(), 10);
    QCOMPARE(control<QProgressBar>(optimizer, "ProgressBar1")->value(), 1000);
    // Best first: each item starts with its 기대공격력, and none is below the next.
    double previous = 1e300;
    for (int i = 0; i < results->count(); ++i) {
        const double goal = results->item(i)->text().section(u' ', 0, 0).toDouble();
        QVERIFY(goal <= previous);
        previous = goal;
        QVERIFY(results->item(i)->text().contains(QStringLiteral("기대공격력 ")));
    }
    QCOMPARE(control<QListWidget>(optimizer, "List2")->count(), 8);
    const QString best = results->item(0)->text().section(u' ', 0, 0);
    clickButton(optimizer, "Command3");
    RETURN_IF_FAILED(settle(f));
    QCOMPARE(labelText(f.window, "Label1"), best);
    for (int k = 1; k <= kPieceCount; ++k)
        QVERIFY(!pictureOf(f.window, QStringLiteral("Image%1").arg(k)).isEmpty());
    // One step: 되돌리기 gives the character back as it was.
    f.window->findChild<QAction*>(QStringLiteral("actionUndo"))->trigger();
    RETURN_IF_FAILED(settle(f));
    QCOMPARE(screen(f.window), before);
}

void TestOptimizerWindow::noShieldMeetsTheMinimums()
{
    MainWindowFixture f;
    QWidget* optimizer = openOptimizer(f);
    QVERIFY(optimizer);
    auto* figure = control<QComboBox>(optimizer, "Combo2");
    figure->setCurrentIndex(figure->findText(QStringLiteral("명중률")));
    QTest::keyClicks(control<QLineEdit>(optimizer, "Text1"), QStringLiteral("1000"));
    clickButton(optimizer, "Command1");
    QTRY_VERIFY_WITH_TIMEOUT(control<QPushButton>(optimizer, "Command1")->isEnabled(), 60000);
    QCOMPARE(control<QListWidget>(optimizer, "List1")->count(), 0);
    QCOMPARE(labelText(optimizer, "Label1"), QStringLiteral("최소 조건을 모두 만족하는 보패가 없습니다."));
    QVERIFY(!control<QPushButton>(optimizer, "Command3")->isEnabled());
}

void TestOptimizerWindow::stopAndClose()
{
    MainWindowFixture f;
    QPointer<QWidget> optimizer = openOptimizer(f);
    QVERIFY(optimizer);
    // A goal with many ties under a minimum keeps the search busy for a long time.
    auto* goal = control<QComboBox>(optimizer, "Combo1");
    goal->setCurrentIndex(goal->findText(QStringLiteral("최대생명력")));
    auto* figure = control<QComboBox>(optimizer, "Combo2");
    figure->setCurrentIndex(figure->findText(QStringLiteral("치명률")));
    QTest::keyClicks(control<QLineEdit>(optimizer, "Text1"), QStringLiteral("20"));
    QTest::mouseClick(control<QRadioButton>(optimizer, "Option2"), Qt::LeftButton);
    clickButton(optimizer, "Command1");
    QVERIFY(control<QPushButton>(optimizer, "Command2")->isEnabled());
    // The main window keeps working while it searches.
    QTest::mouseClick(control(f.window, "Image13"), Qt::LeftButton);
    QVERIFY(f.window->windows().find(QStringLiteral("Form10")));
    clickButton(optimizer, "Command2");
    QTRY_VERIFY_WITH_TIMEOUT(control<QPushButton>(optimizer, "Command1")->isEnabled(), 5000);
    QVERIFY(labelText(optimizer, "Label1").startsWith(QStringLiteral("중지했습니다")));
    // Closing during a search stops it too.
    clickButton(optimizer, "Command1");
    optimizer->close();
    QTRY_VERIFY(optimizer.isNull());
}

QTEST_MAIN(TestOptimizerWindow)
#include "tst_optimizer_window.moc"
