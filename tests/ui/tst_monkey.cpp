// A monkey: thousands of random, person-like actions over every window of the program, with the
// program's promises checked after each one. A fixed seed makes a run repeatable; a failure prints
// the seed and the actions that led to it.
//
//   TESSARIN_MONKEY_SEED=n      another seed (the default is printed at the start)
//   TESSARIN_MONKEY_ACTIONS=n   another number of actions (the soak run uses 100000)

#include "ui_helpers.h"

#include "engine/stat_sheet.h"
#include "storage/set_file_codec.h"
#include "ui/common/hot_label.h"
#include "ui/common/messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <deque>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

constexpr quint32 kDefaultSeed = 20261209;
// Each check waits for a 10 ms tick of Timer2, so an action costs about 10 ms, and up to 30 ms under
// ASan + UBSan on a busy 2-core machine: 3,000 actions take well under two minutes in the sanitizer run.
// The soak run takes more.
constexpr int kDefaultActions = 3000;
// Actions printed when a check fails: enough to see how the program got there.
constexpr std::size_t kHistory = 40;
// The program has 17 windows, a combo popup or two and Qt's own helpers; far more means windows leak.
constexpr int kTopLevelLimit = 48;

// Texts a person (or a cat on the keyboard) may type into any box.
const QStringList kTexts = {"",
                            "0",
                            "7",
                            "-3",
                            "12.5",
                            "13.5",
                            "0.005",
                            "150",
                            "32767",
                            "32768",
                            "-32769",
                            "65535",
                            "99999999999999999999",
                            "1e999",
                            "-1e999",
                            "1e308",
                            "-1e-320",
                            "&H",
                            "&HFFFF",
                            "&H7FFF",
                            "&HFFFFFFFFFFFFFFFF",
                            "&O777",
                            "&O",
                            " 42abc",
                            "1.2.3",
                            "--5",
                            "+",
                            ".",
                            "e5",
                            "nan",
                            "inf",
                            "-inf",
                            "한글",
                            "공격력 100",
                            "😀",
                            "😀123",
                            "\t 8 ",
                            "1,000",
                            "0x1F",
                            "１２",
                            "12\n34",
                            "1e-999",
                            "4.5e4",
                            "&H8000",
                            "-0",
                            "0.1e1"};

QString envString(const char* name)
{
    return qEnvironmentVariable(name);
}

quint32 seedFromEnvironment()
{
    bool ok = false;
    const quint32 seed = envString("TESSARIN_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

int actionsFromEnvironment()
{
    bool ok = false;
    const int count = envString("TESSARIN_MONKEY_ACTIONS").toInt(&ok);
    return ok && count > 0 ? count : kDefaultActions;
}

QString setFilePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data.dat"));
}

// Resident memory of this process in kB, from /proc (0 where there is none).
qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

bool isAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// The picture an octagon position shows for the row that holds it (0: none).
QString expectedPiecePicture(int row, int piece)
{
    switch (row) {
    case 1: return QStringLiteral("image/lost-%1.gif").arg(piece);
    case 2:
    case 3: return QStringLiteral("image/pohwaran-%1.gif").arg(piece);
    case 4: return QStringLiteral("image/general-%1.gif").arg(piece);
    default: return {};
    }
}

class Monkey {
public:
    Monkey(MainWindow* window, quint32 seed) : window_(window), random_(seed) {}

    // Does one random action and says what it was.
    QString act();

private:
    int pick(int count) { return static_cast<int>(random_.bounded(static_cast<quint32>(count))); }
    bool chance(int percent) { return pick(100) < percent; }

    QString randomText();
    QString typeInto(QLineEdit* edit);
    QString clickItem(QListWidget* list);
    QString pickItem(QComboBox* box);
    QString actInWindow(QWidget* window);
    QString actOnMainWindow();
    QString moveMouse();
    QString dragStrip();
    QString closeWindow();
    QList<QWidget*> openWindows() const;

    MainWindow* window_;
    QRandomGenerator random_;
};

QList<QWidget*> Monkey::openWindows() const
{
    QList<QWidget*> result;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const QString name = widget->objectName();
        // The tooltip follows the mouse; it has nothing to click.
        if (widget->isVisible() && widget != window_ && name.startsWith(u"Form") && name != u"Form16")
            result << widget;
    }
    return result;
}

QString Monkey::randomText()
{
    if (chance(70))
        return kTexts[pick(static_cast<int>(kTexts.size()))];
    // Otherwise a jumble of digits, signs, Hangul syllables and an emoji.
    QString text;
    const int length = 1 + pick(12);
    for (int i = 0; i < length; ++i) {
        switch (pick(5)) {
        case 0: text += QChar(char16_t(u'0' + pick(10))); break;
        case 1: text += QStringLiteral("-.eE&H+ ").at(pick(8)); break;
        case 2: text += QChar(char16_t(0xAC00 + pick(11172))); break;
        case 3: text += QStringLiteral("🐒"); break;
        default: text += QChar(char16_t(u'a' + pick(26))); break;
        }
    }
    return text;
}

// Replaces the text of a box by typing; text beyond ASCII arrives through the input method, as it does
// from a Korean keyboard.
QString Monkey::typeInto(QLineEdit* edit)
{
    const QString text = randomText();
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    if (isAscii(text) && !text.contains(u'\n')) {
        QTest::keyClicks(edit, text);
    } else {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    }
    const bool enter = chance(30);
    if (enter)
        QTest::keyClick(edit, Qt::Key_Return);
    return QStringLiteral("type \"%1\"%2 into %3")
        .arg(text, enter ? QStringLiteral(" + Enter") : QString(), edit->objectName());
}

QString Monkey::clickItem(QListWidget* list)
{
    if (list->count() == 0) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton);
        return QStringLiteral("click empty list %1").arg(list->objectName());
    }
    const int index = pick(list->count());
    list->scrollToItem(list->item(index));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
    return QStringLiteral("click item %1 \"%2\" of %3").arg(index).arg(list->item(index)->text(), list->objectName());
}

QString Monkey::pickItem(QComboBox* box)
{
    if (box->count() == 0)
        return QStringLiteral("look at empty list %1").arg(box->objectName());
    const QString text = box->itemText(pick(box->count()));
    pickFromList(box, text);
    return QStringLiteral("pick \"%1\" from %2").arg(text, box->objectName());
}

// One action on a control of an open editor, chooser, menu or slideshow, or a close of it.
QString Monkey::actInWindow(QWidget* window)
{
    QList<QWidget*> targets;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisible())
            continue;
        const bool comboEdit = qobject_cast<QLineEdit*>(child) && qobject_cast<QComboBox*>(child->parentWidget());
        if (qobject_cast<QAbstractButton*>(child) || qobject_cast<HotLabel*>(child) ||
            qobject_cast<QListWidget*>(child) || qobject_cast<QComboBox*>(child) ||
            (qobject_cast<QLineEdit*>(child) && !comboEdit))
            targets << child;
    }
    const QString where = window->objectName() + u' ';
    if (targets.isEmpty() || chance(4)) {
        window->close();
        return where + QStringLiteral("close box");
    }
    QWidget* target = targets[pick(static_cast<int>(targets.size()))];
    if (auto* list = qobject_cast<QListWidget*>(target))
        return where + clickItem(list);
    if (auto* box = qobject_cast<QComboBox*>(target))
        return where + pickItem(box);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        return where + typeInto(edit);
    QTest::mouseClick(target, Qt::LeftButton);
    QString caption;
    if (auto* button = qobject_cast<QAbstractButton*>(target))
        caption = QStringLiteral(" \"%1\"").arg(button->text());
    return where + QStringLiteral("click %1%2").arg(target->objectName(), caption);
}

QString Monkey::moveMouse()
{
    // Mostly over the hot spots and pictures that show tooltips, sometimes anywhere.
    QPoint at(pick(window_->width()), pick(window_->height()));
    if (chance(70)) {
        const QList<HotLabel*> spots = window_->findChildren<HotLabel*>();
        const HotLabel* spot = spots[pick(static_cast<int>(spots.size()))];
        at = spot->mapTo(window_, QPoint(pick(std::max(1, spot->width())), pick(std::max(1, spot->height()))));
    }
    QTest::mouseMove(window_->windowHandle(), at);
    return QStringLiteral("move mouse to (%1, %2)").arg(at.x()).arg(at.y());
}

QString Monkey::dragStrip()
{
    auto* strip = control(window_, QStringLiteral("Label52"));
    const QPointF grab(5 + pick(std::max(1, strip->width() - 10)), 1 + pick(std::max(1, strip->height() - 2)));
    const QPointF to = grab + QPointF(pick(81) - 40, pick(81) - 40);
    const Qt::MouseButton button = chance(85) ? Qt::LeftButton : Qt::RightButton;
    sendMouse(strip, QEvent::MouseButtonPress, grab, button, button);
    sendMouse(strip, QEvent::MouseMove, to, Qt::NoButton, button);
    sendMouse(strip, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    return QStringLiteral("drag title strip by (%1, %2)").arg(to.x() - grab.x()).arg(to.y() - grab.y());
}

QString Monkey::closeWindow()
{
    const QList<QWidget*> open = openWindows();
    if (open.isEmpty())
        return moveMouse();
    QWidget* window = open[pick(static_cast<int>(open.size()))];
    const QString name = window->objectName();
    if (chance(50)) {
        window->close();
        return name + QStringLiteral(" close box");
    }
    QTest::keyClick(window, Qt::Key_Escape);
    return name + QStringLiteral(" Escape");
}

// The main window's own controls; its close mark is left alone, since it ends the program.
QString Monkey::actOnMainWindow()
{
    switch (pick(7)) {
    case 6: {
        // The program menu's commands: undo and redo over whatever happened, a new character, and the
        // build sent through a share code and back.
        static const QStringList commands = {"actionUndo", "actionUndo", "actionRedo", "actionNew",
                                             "actionCopyCode", "actionCopySheet"};
        const QString name = commands[pick(static_cast<int>(commands.size()))];
        auto* command = window_->findChild<QAction*>(name);
        command->trigger();
        if (name == QLatin1String("actionCopyCode"))
            window_->findChild<QAction*>(QStringLiteral("actionPasteCode"))->trigger();
        return QStringLiteral("program menu: ") + name;
    }
    case 0: {
        const int row = 1 + pick(kBoardRows);
        const int piece = 1 + pick(kPieceCount);
        QTest::mouseClick(window_->boardButton(row, piece), Qt::LeftButton);
        return QStringLiteral("board row %1 piece %2").arg(row).arg(piece);
    }
    case 1: {
        const QString name = QStringLiteral("Command%1").arg(33 + pick(4));
        QTest::mouseClick(control(window_, name), Qt::LeftButton);
        return QStringLiteral("stance ") + name;
    }
    case 2: return QStringLiteral("class box: ") + pickItem(control<QComboBox>(window_, QStringLiteral("Combo1")));
    case 3: {
        auto* box = control<QComboBox>(window_, QStringLiteral("Combo1"));
        if (chance(60)) {
            // The name of a class, typed in full the way a person would.
            const QString text = box->itemText(pick(box->count()));
            QLineEdit* edit = box->lineEdit();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QInputMethodEvent event;
            event.setCommitString(text);
            QApplication::sendEvent(edit, &event);
            QTest::keyClick(edit, Qt::Key_Return);
            return QStringLiteral("class box: type \"%1\" + Enter").arg(text);
        }
        return QStringLiteral("class box: ") + typeInto(box->lineEdit());
    }
    default: {
        static const QStringList spots = {"Image9",  "Image13", "Image14", "Image15", "Image16",
                                          "Image17", "Image18", "Label32", "Label33"};
        const QString name = spots[pick(static_cast<int>(spots.size()))];
        QTest::mouseClick(control(window_, name), Qt::LeftButton);
        return QStringLiteral("click ") + name;
    }
    }
}

QString Monkey::act()
{
    const int roll = pick(100);
    if (roll < 45) {
        const QList<QWidget*> open = openWindows();
        if (!open.isEmpty())
            return actInWindow(open[pick(static_cast<int>(open.size()))]);
        return actOnMainWindow();
    }
    if (roll < 75)
        return actOnMainWindow();
    if (roll < 88)
        return moveMouse();
    if (roll < 92)
        return dragStrip();
    return closeWindow();
}

// A figure of the sheet: a plain decimal number (so never "inf" or "nan"; a huge one such as
// "-1.79769313486232E+308" is still a number on screen), or with the 발도 stance the block row's
// "X - Y)" of two.
bool isFiniteFigure(QString text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?(E[+-][0-9]+)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (text.endsWith(u')'))
        text.chop(1);
    const QStringList parts = text.split(QStringLiteral(" - "));
    if (parts.size() > 2)
        return false;
    for (const QString& part : parts)
        if (!number.match(part).hasMatch())
            return false;
    return true;
}

// What the program promises after every action, once its timers have run; empty when all holds.
QString brokenPromise(MainWindow* window)
{
    for (const char* name : kSheetLabelNames) {
        const QString text = labelText(window, QString::fromLatin1(name));
        if (!isFiniteFigure(text))
            return QStringLiteral("sheet figure %1 shows \"%2\"").arg(QString::fromLatin1(name), text);
    }

    const CharacterState& state = window->state();
    int perRow[kBoardRows + 1] = {};
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        int holder = 0;
        for (int row = 1; row <= kBoardRows; ++row) {
            if (!state.pieceEquipped[row][piece])
                continue;
            if (holder != 0)
                return QStringLiteral("position %1 held by rows %2 and %3").arg(piece).arg(holder).arg(row);
            holder = row;
            ++perRow[row];
        }
        const QString shown = pictureOf(window, QStringLiteral("Image%1").arg(piece));
        if (shown != expectedPiecePicture(holder, piece))
            return QStringLiteral("octagon position %1 shows \"%2\" while row %3 holds it")
                .arg(piece)
                .arg(shown)
                .arg(holder);
    }
    const int counts[3] = {state.lostSetCount, state.seaSerpentSetCount, state.freeSetCount};
    const int pieces[3] = {perRow[1], perRow[2] + perRow[3], perRow[4]};
    for (int group = 0; group < 3; ++group)
        if (counts[group] < 0 || counts[group] > kPieceCount || counts[group] != pieces[group])
            return QStringLiteral("set group %1 counts %2 but the board holds %3 pieces")
                .arg(group + 1)
                .arg(counts[group])
                .arg(pieces[group]);

    const QWidgetList topLevel = QApplication::topLevelWidgets();
    if (topLevel.size() > kTopLevelLimit)
        return QStringLiteral("%1 top-level widgets").arg(topLevel.size());
    QHash<QString, int> visible;
    for (const QWidget* widget : topLevel)
        if (widget->isVisible() && !widget->objectName().isEmpty() && ++visible[widget->objectName()] > 1)
            return QStringLiteral("two visible windows named %1").arg(widget->objectName());

    QFile file(setFilePath());
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("set file unreadable");
        const QByteArray bytes = file.readAll();
        if (bytes.count('\n') != kSetFileLineCount || !bytes.endsWith('\n'))
            return QStringLiteral("set file has %1 line ends").arg(bytes.count('\n'));
    }
    return {};
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void randomActionsKeepThePromises();
};

void TestMonkey::init()
{
    // Messages are answered at once, as a person clicking OK.
    setMessageHandler([](const QString&) {});
    QFile::remove(setFilePath());
}

void TestMonkey::cleanup()
{
    setMessageHandler({});
    QFile::remove(setFilePath());
}

void TestMonkey::randomActionsKeepThePromises()
{
    const quint32 seed = seedFromEnvironment();
    const int actions = actionsFromEnvironment();
    qInfo("monkey: seed %u (TESSARIN_MONKEY_SEED), %d actions (TESSARIN_MONKEY_ACTIONS)", seed, actions);

    MainWindowFixture f;
    Monkey monkey(f.window, seed);
    std::deque<QString> history;
    auto replay = [&](int done, const QString& problem) {
        QString text = QStringLiteral("seed %1, after action %2 of %3: %4\nlast actions:")
                           .arg(seed)
                           .arg(done)
                           .arg(actions)
                           .arg(problem);
        int number = done - static_cast<int>(history.size()) + 1;
        for (const QString& line : history)
            text += QStringLiteral("\n  %1. %2").arg(number++).arg(line);
        return text;
    };

    const qint64 memoryAtStart = residentKilobytes();
    QElapsedTimer clock;
    clock.start();
    for (int done = 1; done <= actions; ++done) {
        history.push_back(monkey.act());
        if (history.size() > kHistory)
            history.pop_front();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(replay(done, QStringLiteral("a step of the action failed"))));
        if (!f.window)
            QFAIL(qPrintable(replay(done, QStringLiteral("the main window closed"))));
        if (!waitForTick(f.window, QStringLiteral("Timer2")))
            QFAIL(qPrintable(replay(done, QStringLiteral("Timer2 stopped"))));
        const QString problem = brokenPromise(f.window);
        if (!problem.isEmpty())
            QFAIL(qPrintable(replay(done, problem)));
    }
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    qInfo("monkey: %d actions, %.0f actions/s, VmRSS %lld kB at start, %lld kB at end", actions,
          seconds > 0 ? actions / seconds : 0.0, memoryAtStart, residentKilobytes());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
