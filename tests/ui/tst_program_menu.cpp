// The program menu and what it keeps: a build shown, saved, opened in a fresh window, sent as a share
// code and brought back by undo looks the same, label for label and picture for picture.
#include "ui_helpers.h"

#include "common/random_build.h"
#include "engine/sheet_report.h"
#include "storage/build_code.h"
#include "storage/build_file.h"
#include "ui/common/messages.h"
#include "ui/main/program_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

// Everything Form1 shows: each named label's text and visibility, each control's picture, the stance
// buttons' tooltips and the class box. The file name in the title strip is left out.
QStringList screen(MainWindow* window)
{
    QStringList shown;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (name.isEmpty() || name == QLatin1String("BuildName") || child->window() != window)
            continue;
        QString line = name + (child->isVisibleTo(window) ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
        if (auto* label = qobject_cast<QLabel*>(child))
            line += u' ' + label->text();
        line += QStringLiteral(" picture=") + child->property("picture").toString();
        if (qobject_cast<QPushButton*>(child))
            line += QStringLiteral(" tip=") + child->toolTip();
        if (auto* box = qobject_cast<QComboBox*>(child))
            line += QStringLiteral(" text=") + box->currentText();
        shown.append(line);
    }
    shown.sort();
    return shown;
}

ProgramMenu& commands(MainWindowFixture& f)
{
    return *f.window->findChild<ProgramMenu*>();
}

QAction* action(MainWindowFixture& f, const char* name)
{
    return control<QWidget>(f.window, QStringLiteral("Form1"))->findChild<QAction*>(QString::fromLatin1(name));
}

// The ticks after a change: the sheet, the set cycles and the indicators have all run.
void settle(MainWindowFixture& f)
{
    // Woken before each wait: on a busy machine the gate may fall asleep between two slow ticks.
    for (const char* timer : {"Timer5", "Timer5", "Timer2", "Timer2"}) {
        recordWritten(f.window);
        RETURN_IF_FAILED(waitTicks(control<QTimer>(f.window, QString::fromLatin1(timer)), 1));
    }
}

void trigger(MainWindowFixture& f, const char* name)
{
    QAction* found = action(f, name);
    QVERIFY2(found && found->isEnabled(), name);
    found->trigger();
    settle(f);
}

QListWidget* list(QWidget* editor, int number)
{
    return control<QListWidget>(editor, QStringLiteral("List%1").arg(number));
}

void clickItem(QListWidget* list, int index)
{
    QListWidgetItem* item = list->item(index);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QVERIFY(item->isSelected());
}

void click(QWidget* window, const QString& name)
{
    QWidget* target = control(window, name);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

QWidget* opened(MainWindowFixture& f, const char* name)
{
    QWidget* window = nullptr;
    (void)QTest::qWaitFor([&] { return (window = f.window->windows().find(QString::fromLatin1(name))) != nullptr; });
    return window;
}

} // namespace

class TestProgramMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void buildsLookTheSameEverywhere();
    void personsActionsAreUndoSteps();
    void menuOpensAndLists();
    void refusedFileChangesNothing_data();
    void refusedFileChangesNothing();
    void nameUnsavedMarkAndClosing();
    void recentFilesNewestFirst();
    void droppedAndStartFiles();
    void sheetAsText();
    void comparisonFollowsAndApplies();

private:
    QStringList messages_;
    QTemporaryDir dir_;
};

void TestProgramMenu::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(ProgramMenu::settingsPath());
    setMessageHandler([this](const QString& text) { messages_.append(text); });
}

void TestProgramMenu::init()
{
    messages_.clear();
}

void TestProgramMenu::cleanup()
{
    ProgramMenu::setFileChooser({});
    setChoiceHandler({});
}

void TestProgramMenu::buildsLookTheSameEverywhere()
{
    RandomBuilds random(20261210);
    QStringList fresh;
    {
        MainWindowFixture start;
        RETURN_IF_FAILED(settle(start));
        fresh = screen(start.window);
    }
    for (int i = 0; i < 24; ++i) {
        const Build build = random.next();
        const QString path = dir_.filePath(QStringLiteral("%1.tessarin").arg(i));
        QStringList expected;
        {
            MainWindowFixture a;
            a.window->showBuild(build);
            RETURN_IF_FAILED(settle(a));
            expected = screen(a.window);
            QVERIFY(commands(a).saveTo(path));
        }
        MainWindowFixture b;
        QVERIFY(commands(b).openFile(path));
        RETURN_IF_FAILED(settle(b));
        QCOMPARE(screen(b.window), expected);

        MainWindowFixture c;
        QVERIFY(commands(c).pasteCode(encodeShareCode(b.window->currentBuild())));
        RETURN_IF_FAILED(settle(c));
        QCOMPARE(screen(c.window), expected);
        // 새 캐릭터 is the start exactly; undo brings the build back.
        RETURN_IF_FAILED(trigger(c, "actionNew"));
        QCOMPARE(screen(c.window), fresh);
        RETURN_IF_FAILED(trigger(c, "actionUndo"));
        QCOMPARE(screen(c.window), expected);
    }
    QVERIFY(messages_.isEmpty());
}

void TestProgramMenu::personsActionsAreUndoSteps()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(settle(f));
    QVERIFY(!action(f, "actionUndo")->isEnabled());
    QList<QStringList> screens{screen(f.window)};
    auto step = [&] {
        RETURN_IF_FAILED(settle(f));
        screens.append(screen(f.window));
        QVERIFY(screens.last() != screens.at(screens.size() - 2));
    };
    // A class pick, a stance, a catalogue piece, an accessory, a synthesis, a removal by click.
    RETURN_IF_FAILED(pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("검사")));
    RETURN_IF_FAILED(step());
    click(f.window, QStringLiteral("Command33"));
    RETURN_IF_FAILED(step());
    click(f.window, QStringLiteral("Command16")); // row 2, piece 1
    QPointer<QWidget> editor = opened(f, "Form5");
    QVERIFY(editor);
    RETURN_IF_FAILED(clickItem(list(editor, 1), 0));
    QTest::mouseClick(control<QRadioButton>(editor, "Option1"), Qt::LeftButton);
    RETURN_IF_FAILED(clickItem(list(editor, 2), 0));
    QTRY_VERIFY(control<QPushButton>(editor, "Command35")->isEnabled());
    QTest::mouseClick(control<QPushButton>(editor, "Command35"), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
    RETURN_IF_FAILED(step());
    click(f.window, QStringLiteral("Image13"));
    editor = opened(f, "Form10");
    QVERIFY(editor);
    QTest::keyClicks(control<QLineEdit>(editor, "Text1"), QStringLiteral("17"));
    // Typing in an open editor is no step.
    QVERIFY(!f.window->history().record(f.window->history().current()));
    QTest::mouseClick(control<QPushButton>(editor, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
    RETURN_IF_FAILED(step());
    click(f.window, QStringLiteral("Image13"));
    RETURN_IF_FAILED(step());
    QCOMPARE(f.window->history().undoSteps(), std::size_t(5));

    // Undo shows each screen before, back to the start, and closes an open editor first.
    click(f.window, QStringLiteral("Image14"));
    QVERIFY(opened(f, "Form10"));
    for (int i = screens.size() - 2; i >= 0; --i) {
        RETURN_IF_FAILED(trigger(f, "actionUndo"));
        QCOMPARE(screen(f.window), screens.at(i));
    }
    QVERIFY(!f.window->windows().find(QStringLiteral("Form10")));
    QVERIFY(!action(f, "actionUndo")->isEnabled());
    for (int i = 1; i < screens.size(); ++i) {
        RETURN_IF_FAILED(trigger(f, "actionRedo"));
        QCOMPARE(screen(f.window), screens.at(i));
    }
    QVERIFY(!action(f, "actionRedo")->isEnabled());
    // A new change after undo drops the redo steps.
    RETURN_IF_FAILED(trigger(f, "actionUndo"));
    click(f.window, QStringLiteral("Command33"));
    RETURN_IF_FAILED(settle(f));
    QVERIFY(!action(f, "actionRedo")->isEnabled());
}

void TestProgramMenu::menuOpensAndLists()
{
    MainWindowFixture f;
    auto* menu = control<QMenu>(f.window, "ProgramMenu");
    QStringList texts;
    for (QAction* item : menu->actions())
        if (!item->isSeparator())
            texts << item->text() + u' ' + item->shortcut().toString(QKeySequence::PortableText);
    QCOMPARE(texts, (QStringList{"새 캐릭터 Ctrl+N", "캐릭터 열기… Ctrl+O", "최근 캐릭터 ", "캐릭터 저장 Ctrl+S",
                                 "다른 이름으로 저장… Ctrl+Shift+S", "되돌리기 Ctrl+Z", "다시 실행 Ctrl+Y",
                                 "시트 복사 Ctrl+C", "공유 코드 복사 Ctrl+Shift+C", "공유 코드로 불러오기 Ctrl+Shift+V",
                                 "비교 기준으로 고정 ", "파일과 비교… ", "비교 해제 ", "최적 보패 찾기… Ctrl+F"}));
    // The emblem, a right click anywhere and F10 open it; the rest of the title strip still drags.
    click(f.window, QStringLiteral("MenuMark"));
    QTRY_VERIFY(menu->isVisible());
    menu->close();
    QTRY_VERIFY(!menu->isVisible());
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(300, 700), f.window->mapToGlobal(QPoint(300, 700)));
    QApplication::sendEvent(f.window, &rightClick);
    QTRY_VERIFY(menu->isVisible());
    menu->close();
    QApplication::setActiveWindow(f.window); // the offscreen platform does not hand it back after a popup
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    QTest::keyClick(f.window, Qt::Key_F10);
    QTRY_VERIFY(menu->isVisible());
    menu->close();
    QTRY_VERIFY(!menu->isVisible());
    const QPoint before = f.window->pos();
    auto* strip = control(f.window, "Label52");
    sendMouse(strip, QEvent::MouseButtonPress, {400, 10}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(strip, QEvent::MouseMove, {430, 25}, Qt::NoButton, Qt::LeftButton);
    QVERIFY(f.window->pos() != before);
    // The shortcuts work with the menu closed.
    QApplication::setActiveWindow(f.window); // the offscreen platform does not hand it back after a popup
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    click(f.window, QStringLiteral("Image13"));
    QPointer<QWidget> editor = opened(f, "Form10");
    QTest::mouseClick(control<QPushButton>(editor, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
    RETURN_IF_FAILED(settle(f));
    f.window->windowHandle()->requestActivate();
    QApplication::setActiveWindow(f.window);
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    QVERIFY(!pictureOf(f.window, "Image13").isEmpty());
    QTest::keyClick(f.window, Qt::Key_Z, Qt::ControlModifier);
    RETURN_IF_FAILED(settle(f));
    QVERIFY(pictureOf(f.window, "Image13").isEmpty());
    QTest::keyClick(f.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    RETURN_IF_FAILED(settle(f));
    QVERIFY(!pictureOf(f.window, "Image13").isEmpty());
}

void TestProgramMenu::refusedFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fault");
    QTest::newRow("not a build") << QByteArray("{\"format\": \"x\"}") << "캐릭터 파일이 아닙니다";
    QTest::newRow("newer") << QByteArray("{\"format\": \"tessarin-build\", \"version\": 9}") << "더 새로운 판(9)";
    QTest::newRow("missing field") << QByteArray("{\"format\": \"tessarin-build\", \"version\": 1}") << "항목이 없습니다";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "UTF-8";
}

void TestProgramMenu::refusedFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fault);
    const QString path = dir_.filePath(QStringLiteral("나쁜 파일.tessarin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    MainWindowFixture f;
    RETURN_IF_FAILED(pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("권사")));
    RETURN_IF_FAILED(settle(f));
    const QStringList before = screen(f.window);
    const std::size_t steps = f.window->history().undoSteps();
    ProgramMenu::setFileChooser([&](bool) { return path; });
    RETURN_IF_FAILED(trigger(f, "actionOpen"));
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].contains(QStringLiteral("'나쁜 파일.tessarin'")) && messages_[0].contains(fault),
             qPrintable(messages_[0]));
    QCOMPARE(screen(f.window), before);
    QCOMPARE(f.window->history().undoSteps(), steps);
    QVERIFY(commands(f).currentFile().isEmpty());
    // A damaged share code on the clipboard is refused the same way.
    QGuiApplication::clipboard()->setText(QStringLiteral("TSR1-abc"));
    RETURN_IF_FAILED(trigger(f, "actionPasteCode"));
    QCOMPARE(messages_.size(), 2);
    QVERIFY(messages_[1].contains(QStringLiteral("손상")));
    QCOMPARE(screen(f.window), before);
}

void TestProgramMenu::nameUnsavedMarkAndClosing()
{
    const QString path = dir_.filePath(QStringLiteral("권사.tessarin"));
    QStringList asked;
    int answer = 2;
    setChoiceHandler([&](const QString& text, const QStringList& buttons) {
        asked << text;
        [&] { QCOMPARE(buttons, (QStringList{"저장", "저장 안 함", "취소"})); }();
        return answer;
    });
    {
        // Without a file: nothing new on screen, and the close mark closes at once.
        MainWindowFixture f;
        auto* name = control<QLabel>(f.window, "BuildName");
        QVERIFY(!name->isVisible());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tessarin 수치 계산기"));
        click(f.window, QStringLiteral("Command33"));
        RETURN_IF_FAILED(pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("권사")));
        RETURN_IF_FAILED(settle(f));
        ProgramMenu::setFileChooser([&](bool saving) { return saving ? dir_.filePath(QStringLiteral("권사")) : QString(); });
        RETURN_IF_FAILED(trigger(f, "actionSave")); // no file yet: saves as, adding the suffix
        QVERIFY(QFile::exists(path));
        QVERIFY(name->isVisible());
        QCOMPARE(name->text(), QStringLiteral("권사.tessarin"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("권사.tessarin - Tessarin 수치 계산기"));
        click(f.window, QStringLiteral("Command33"));
        RETURN_IF_FAILED(settle(f));
        QVERIFY(name->text().endsWith(QStringLiteral("●")));
        QVERIFY(f.window->windowTitle().startsWith(QStringLiteral("권사.tessarin*")));
        // 취소 keeps the window; 저장 saves and closes.
        click(f.window, QStringLiteral("Label9"));
        QCOMPARE(asked.size(), 1);
        QVERIFY(f.window->isVisible());
        answer = 0;
        click(f.window, QStringLiteral("Label9"));
        QTRY_VERIFY(f.window.isNull());
    }
    const BuildReading saved = loadBuildFile(path);
    QVERIFY(saved.build && saved.build->stanceOn[Stance::Bangyeok]);
    QVERIFY(QFile::exists(path + u'~'));
    {
        MainWindowFixture f;
        click(f.window, QStringLiteral("Label9")); // no file in use: no question
        QTRY_VERIFY(f.window.isNull());
        QCOMPARE(asked.size(), 2);
    }
}

void TestProgramMenu::recentFilesNewestFirst()
{
    MainWindowFixture f;
    QStringList paths;
    for (int i = 0; i < 10; ++i) {
        paths << dir_.filePath(QStringLiteral("최근%1.tessarin").arg(i));
        QVERIFY(commands(f).saveTo(paths.last()));
    }
    QVERIFY(commands(f).openFile(paths[3]));
    QFile::remove(paths[8]);
    auto* menu = control<QMenu>(f.window, "ProgramMenu");
    menu->popup(QPoint(0, 0));
    QTRY_VERIFY(menu->isVisible());
    QStringList listed;
    for (QAction* item : control<QMenu>(f.window, "RecentMenu")->actions())
        listed << item->data().toString();
    menu->close();
    const QStringList expected = {paths[3], paths[9], paths[7], paths[6], paths[5], paths[4], paths[2]};
    QCOMPARE(listed, expected);
}

void TestProgramMenu::droppedAndStartFiles()
{
    RandomBuilds random(99);
    const Build build = random.next();
    const QString path = dir_.filePath(QStringLiteral("놓기.tessarin"));
    QCOMPARE(saveBuildFile(path, build), QString());
    {
        MainWindowFixture f;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(f.window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(f.window, &drop);
        QTRY_COMPARE(commands(f).currentFile(), path);
        QVERIFY(f.window->history().current() == build);
    }
    QPointer<MainWindow> started = qobject_cast<MainWindow*>(createMainWindow(path));
    QVERIFY(started);
    QVERIFY(started->history().current() == build);
    QVERIFY(!started->history().canUndo()); // the start is not a step
    started->windows().closeAll(started);
    QTRY_VERIFY(started.isNull());
}

void TestProgramMenu::sheetAsText()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("검사")));
    click(f.window, QStringLiteral("Command33"));
    RETURN_IF_FAILED(settle(f));
    RETURN_IF_FAILED(trigger(f, "actionCopySheet"));
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    auto line = [&](const QString& name) {
        for (const QString& l : lines)
            if (l.startsWith(name + u' '))
                return l.mid(name.size()).trimmed();
        return QString();
    };
    QCOMPARE(line(QStringLiteral("직업")), QStringLiteral("검사"));
    QCOMPARE(line(QStringLiteral("자세")), QStringLiteral("발도"));
    QCOMPARE(line(QStringLiteral("기대공격력")), labelText(f.window, "Label1"));
    QCOMPARE(line(QStringLiteral("치명률")), labelText(f.window, "Label5") + u'%');
    QCOMPARE(line(QStringLiteral("막기")), QStringLiteral("%1 ( %2 + %3")
                                               .arg(labelText(f.window, "Label48"), labelText(f.window, "Label41"),
                                                    labelText(f.window, "Label13")));
    QCOMPARE(line(QStringLiteral("보패 8번")), QStringLiteral("없음"));
    // A focused text box keeps its own copy.
    QApplication::setActiveWindow(f.window);
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    QLineEdit* classText = control<QComboBox>(f.window, "Combo1")->lineEdit();
    classText->setFocus();
    classText->setSelection(0, 1);
    QTest::keyClick(classText, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("검"));
    // Values start in one column, whatever the width of the names before them.
    const int column = lines[0].indexOf(QStringLiteral("검사"));
    QCOMPARE(displayColumns(lines[0].left(column)), displayColumns(lines[2].left(lines[2].indexOf(QStringLiteral("없음")))));
}

void TestProgramMenu::comparisonFollowsAndApplies()
{
    MainWindowFixture f;
    QVERIFY(!action(f, "actionUnpin")->isEnabled());
    RETURN_IF_FAILED(pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("검사")));
    RETURN_IF_FAILED(settle(f));
    const QStringList pinned = screen(f.window);
    RETURN_IF_FAILED(trigger(f, "actionPin"));
    QPointer<QWidget> compare = opened(f, "Form20");
    QVERIFY(compare);
    auto* table = control<QTableWidget>(compare, "Table1");
    auto* list = control<QListWidget>(compare, "List1");
    QCOMPARE(table->rowCount(), 17);
    QCOMPARE(table->verticalHeaderItem(9)->text(), QStringLiteral("기대공격력"));
    QCOMPARE(table->item(9, 0)->text(), labelText(f.window, "Label1"));
    QCOMPARE(table->item(12, 2)->text(), QStringLiteral("0%p"));
    QCOMPARE(list->item(0)->text(), QStringLiteral("차이 없음"));

    // 발도 on: the table and the list follow within a tick.
    click(f.window, QStringLiteral("Command33"));
    RETURN_IF_FAILED(settle(f));
    RETURN_IF_FAILED(waitForTick(compare));
    QCOMPARE(table->item(12, 1)->text(), labelText(f.window, "Label5") + u'%');
    QVERIFY2(table->item(12, 2)->text().startsWith(u'+') && table->item(12, 2)->text().endsWith(QStringLiteral("%p")),
             qPrintable(table->item(12, 2)->text()));
    QCOMPARE(table->item(12, 2)->foreground().color(), QColor(120, 220, 120));
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    QCOMPARE(items, QStringList{QStringLiteral("자세 발도: 꺼짐 → 켜짐")});
    const QStringList changed = screen(f.window);

    // 기준으로 바꾸기 is one undo step; 닫기 keeps the reference.
    click(compare, QStringLiteral("Command1"));
    RETURN_IF_FAILED(settle(f));
    QCOMPARE(screen(f.window), pinned);
    RETURN_IF_FAILED(trigger(f, "actionUndo"));
    QCOMPARE(screen(f.window), changed);
    click(compare, QStringLiteral("Command2"));
    QTRY_VERIFY(compare.isNull());
    QVERIFY(commands(f).reference().has_value());
    RETURN_IF_FAILED(trigger(f, "actionUnpin"));
    QVERIFY(!commands(f).reference().has_value());

    // A file as the reference; a refused one is said so and keeps none.
    const QString path = dir_.filePath(QStringLiteral("비교.tessarin"));
    QVERIFY(commands(f).saveTo(path));
    ProgramMenu::setFileChooser([&](bool) { return path; });
    RETURN_IF_FAILED(trigger(f, "actionCompareFile"));
    QVERIFY(opened(f, "Form20"));
    QVERIFY(commands(f).reference() == f.window->currentBuild());
    RETURN_IF_FAILED(trigger(f, "actionUnpin"));
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("{}");
    broken.close();
    messages_.clear();
    action(f, "actionCompareFile")->trigger();
    QCOMPARE(messages_.size(), 1);
    QVERIFY(!commands(f).reference().has_value());
}

QTEST_MAIN(TestProgramMenu)
#include "tst_program_menu.moc"
