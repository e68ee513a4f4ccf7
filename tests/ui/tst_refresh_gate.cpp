// The refresh timers sleep while nothing happens and wake at a person's next action, without a change
// ever being left unshown.
#include "ui_helpers.h"
#include "weapon_ui_helpers.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStyleHints>
#include <QListWidget>
#include <QRadioButton>

using namespace tessarin;
using namespace tessarin::testing;
using namespace tessarin::testing::weapons;

namespace {

const QStringList kMainTimers = {"Timer2", "Timer3", "Timer4", "Timer5"};

// Every refresh timer of every window showing, the main window's first.
QList<QTimer*> refreshTimers(MainWindowFixture& f)
{
    QList<QTimer*> timers;
    for (const QString& name : kMainTimers)
        timers << control<QTimer>(f.window, name);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != f.window && window->isVisible())
            if (auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1")))
                timers << timer;
    return timers;
}

bool asleep(MainWindowFixture& f)
{
    const QList<QTimer*> timers = refreshTimers(f);
    return std::none_of(timers.begin(), timers.end(), [](QTimer* timer) { return timer->isActive(); });
}

// What a person sees: every label, every picture and which buttons can be pressed, in every window.
QStringList shown()
{
    QStringList seen;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QString name = window->objectName() + u'/' + widget->objectName();
            if (auto* label = qobject_cast<QLabel*>(widget))
                seen << name + u'=' + label->text() + u' ' + label->property("picture").toString();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                seen << name + (button->isEnabled() ? u'+' : u'-') + button->property("picture").toString();
        }
    }
    return seen;
}

// The character sheet's figures: totals, base, equipment and rates.
QStringList sheet(MainWindowFixture& f)
{
    static const int kNumbers[] = {44, 45, 46, 14, 51, 47, 48, 49, 23, 24, 26, 27, 36, 40, 41, 42, 25,
                                   37, 38, 39, 50, 3,  13, 43, 35, 1,  2,  4,  16, 5,  6,  7,  8};
    QStringList figures;
    for (int number : kNumbers)
        figures << labelText(f.window, QStringLiteral("Label%1").arg(number));
    return figures;
}

void clickRow(QWidget* window, const char* list, int row)
{
    auto* box = control<QListWidget>(window, QString::fromLatin1(list));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
}

enum class Action { PickClass, ClickStance, ConfirmPiece, TypeAttack };

} // namespace

Q_DECLARE_METATYPE(Action)

class TestRefreshGate : public QObject {
    Q_OBJECT

private slots:
    void sleepsWhenNothingHappens();
    void actionWakesTheTimers_data();
    void actionWakesTheTimers();
    void cursorStaysSteadyWhileAsleep();
};

void TestRefreshGate::sleepsWhenNothingHappens()
{
    MainWindowFixture f;
    // The first indicator cycle still runs: it replaces the grey 3-tile, as nothing is worn.
    QTRY_COMPARE(pictureOf(f.window, "Image10"), QStringLiteral("image/set3.gif"));
    QTRY_VERIFY(asleep(f));

    std::vector<std::unique_ptr<QSignalSpy>> ticks;
    for (QTimer* timer : refreshTimers(f))
        ticks.push_back(std::make_unique<QSignalSpy>(timer, &QTimer::timeout));
    QTest::qWait(300);
    for (std::size_t i = 0; i < ticks.size(); ++i)
        QVERIFY2(ticks[i]->isEmpty(), qPrintable(kMainTimers.at(static_cast<qsizetype>(i))));
    QVERIFY(asleep(f));
}

void TestRefreshGate::actionWakesTheTimers_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("window"); // whose Timer1 shows the action's first effect; "" for Timer2
    QTest::newRow("class picked from the list") << Action::PickClass << QString();
    QTest::newRow("stance clicked") << Action::ClickStance << QString();
    QTest::newRow("piece confirmed") << Action::ConfirmPiece << QString();
    QTest::newRow("attack typed") << Action::TypeAttack << QStringLiteral("Form6");
}

void TestRefreshGate::actionWakesTheTimers()
{
    QFETCH(Action, action);
    QFETCH(QString, window);
    MainWindowFixture f;
    // Everything the action needs is set up while the timers still run.
    QWidget* editor = nullptr;
    switch (action) {
    case Action::PickClass: break;
    case Action::ClickStance: RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사"))); break;
    case Action::ConfirmPiece:
        QTest::mouseClick(f.window->boardButton(1, 3), Qt::LeftButton);
        editor = f.window->windows().find(QStringLiteral("Form5"));
        QVERIFY(editor);
        RETURN_IF_FAILED(clickRow(editor, "List1", 0));
        QTest::mouseClick(control<QRadioButton>(editor, "Option1"), Qt::LeftButton);
        RETURN_IF_FAILED(clickRow(editor, "List2", 0));
        QTRY_VERIFY(control(editor, "Command35")->isEnabled());
        break;
    case Action::TypeAttack:
        RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사")));
        editor = openEditor(f, "Command3", "Form6");
        QVERIFY(editor);
        QVERIFY(!confirmEnabled(editor));
        break;
    }
    QTRY_VERIFY(asleep(f));
    const QStringList before = shown();
    const QStringList sheetBefore = sheet(f);

    switch (action) {
    case Action::PickClass: RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사"))); break;
    case Action::ClickStance: click(f.window, "Command33"); break;
    case Action::ConfirmPiece: click(editor, "Command35"); break;
    case Action::TypeAttack: QTest::keyClicks(control(editor, "Text1"), QStringLiteral("12")); break;
    }
    // The action woke the timers: the figure or enabled state it changes follows at the next tick.
    if (window.isEmpty()) {
        QVERIFY(waitForTick(f.window, QStringLiteral("Timer2")));
        QVERIFY(sheet(f) != sheetBefore);
    } else {
        QVERIFY(waitForTick(f.window->windows().find(window)));
        QVERIFY(confirmEnabled(editor));
    }

    // Once they sleep again, nothing is left unshown: more ticks change nothing on screen.
    QTRY_VERIFY(asleep(f));
    const QStringList settled = shown();
    QVERIFY(settled != before);
    recordWritten(f.window);
    for (QTimer* timer : refreshTimers(f))
        RETURN_IF_FAILED(waitTicks(timer, 2));
    QCOMPARE(shown(), settled);
}

void TestRefreshGate::cursorStaysSteadyWhileAsleep()
{
    QStyleHints* hints = QGuiApplication::styleHints();
    const int blinking = hints->cursorFlashTime();
    QVERIFY(blinking > 0);
    MainWindowFixture f;
    QLineEdit* classText = control<QComboBox>(f.window, "Combo1")->lineEdit();
    QTest::mouseClick(classText, Qt::LeftButton);
    QTRY_VERIFY(asleep(f));
    QCOMPARE(hints->cursorFlashTime(), blinking); // blinks on for a while after the last input
    QTRY_COMPARE_WITH_TIMEOUT(hints->cursorFlashTime(), 0, 3 * RefreshGate::kSteadyCursorAfter.count());

    QTest::keyClick(classText, Qt::Key_End);
    QCOMPARE(hints->cursorFlashTime(), blinking);
    QVERIFY(!asleep(f));
}

QTEST_MAIN(TestRefreshGate)
#include "tst_refresh_gate.moc"
