// Every page starts from a main window as the program opens it and gets to its state only through the
// controls a player uses: the class box, the weapon slot and its chooser, the board buttons and their
// editors, the accessory slots, the synthesis button, the stance buttons, a mouse move for the tooltip.

#include "helpgen/help_scenes.h"

#include "ui/common/refresh_gate.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <array>
#include <initializer_list>
#include <utility>

namespace tessarin::helpgen {

namespace {

constexpr QSize kItemPage(254, 205);      // Form9: 3810 × 3075 twips
constexpr QSize kShieldPage(408, 205);    // Form11: 6120 × 3075 twips
constexpr QSize kSynthesisPage(349, 449); // Form15: 5235 × 6735 twips
constexpr QSize kSkillPage(225, 225);     // Form17: 3375 × 3375 twips

// Lets the windows' timers run (enabled states, figures) and the layouts settle. The scenes click
// through code, not input events, so they wake the refresh timers as a person's input would.
void settle()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<MainWindow*>(window))
            main->refreshGate().wake();
    QEventLoop loop;
    QTimer::singleShot(60, &loop, &QEventLoop::quit);
    loop.exec();
}

template <typename T = QWidget> T* child(QWidget* window, const QString& name)
{
    auto* found = window->findChild<T*>(name);
    if (!found)
        qFatal("helpgen: no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

QWidget* opened(MainWindow& main, const char* form)
{
    settle();
    QWidget* window = main.windows().find(QString::fromLatin1(form));
    if (!window)
        qFatal("helpgen: %s did not open", form);
    return window;
}

// Picture boxes of the main window answer clicks through their `clicked` signal.
void clickPicture(MainWindow& main, const QString& name)
{
    QMetaObject::invokeMethod(child<QObject>(&main, name), "clicked");
}

void click(QWidget* window, const QString& name)
{
    child<QAbstractButton>(window, name)->click();
}

void pick(QWidget* window, const QString& list, int row)
{
    child<QListWidget>(window, list)->setCurrentRow(row);
}

void type(QWidget* window, const QString& box, const QString& text)
{
    child<QLineEdit>(window, box)->setText(text);
}

void chooseClass(MainWindow& main, const QString& name)
{
    auto* box = child<QComboBox>(&main, QStringLiteral("Combo1"));
    const int index = box->findText(name);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QRectF controlRect(QWidget* window, const QString& name)
{
    const QWidget* control = child(window, name);
    return QRectF(control->mapTo(window, QPoint(0, 0)), control->size());
}

// A panel showing `source` of the window (all of it when empty), with callouts numbered from `first` on
// the controls.
Panel panelOf(QWidget* window, std::initializer_list<const char*> callouts, QRectF source = {}, int first = 1)
{
    settle();
    Panel panel{window->grab(), source.isEmpty() ? QRectF(window->rect()) : source, {}, {}};
    int number = first - 1;
    for (const char* name : callouts)
        panel.callouts << Callout{++number, controlRect(window, QString::fromLatin1(name))};
    return panel;
}

QWidget* openWeaponEditor(MainWindow& main, const char* kind, const char* editor)
{
    clickPicture(main, QStringLiteral("Image9"));
    click(opened(main, "Form2"), QString::fromLatin1(kind));
    return opened(main, editor);
}

// 영린족 유적지, attack 185, a shining five-sided defence gem.
QWidget* fillDungeonWeapon(MainWindow& main)
{
    QWidget* editor = openWeaponEditor(main, "Command1", "Form3");
    pick(editor, QStringLiteral("List2"), 0);
    click(editor, QStringLiteral("Option1"));
    click(editor, QStringLiteral("Option8"));
    child<QCheckBox>(editor, QStringLiteral("Check1"))->setChecked(true);
    pick(editor, QStringLiteral("List1"), 1);
    return editor;
}

QWidget* openAccessory(MainWindow& main, int slot, const std::array<const char*, 10>& values)
{
    clickPicture(main, QStringLiteral("Image%1").arg(12 + slot));
    QWidget* editor = opened(main, "Form10");
    for (int i = 0; i < 10; ++i)
        type(editor, QStringLiteral("Text%1").arg(i + 1), QString::fromLatin1(values[static_cast<std::size_t>(i)]));
    return editor;
}

// A catalogue piece through the board and Form5: first main value, sub-option `subOption` at its first
// value.
QWidget* fillCataloguePiece(MainWindow& main, int row, int piece, int subOption = 1)
{
    main.boardButton(row, piece)->click();
    QWidget* editor = opened(main, "Form5");
    pick(editor, QStringLiteral("List1"), 0);
    click(editor, QStringLiteral("Option%1").arg(subOption));
    pick(editor, QStringLiteral("List%1").arg(subOption + 1), 0);
    return editor;
}

void wearCataloguePiece(MainWindow& main, int row, int piece)
{
    QWidget* editor = fillCataloguePiece(main, row, piece);
    settle(); // the editor's timer enables 확인
    click(editor, QStringLiteral("Command35"));
}

// A free-entry piece through row 4 of the board: 명중 63 and 최대생명력 1150.
void wearFreePiece(MainWindow& main, int piece)
{
    main.boardButton(4, piece)->click();
    QWidget* editor = opened(main, "Form12");
    type(editor, QStringLiteral("Text2"), QStringLiteral("63"));
    type(editor, QStringLiteral("Text7"), QStringLiteral("1150"));
    click(editor, QStringLiteral("Command1"));
    settle();
}

void wearPieces(MainWindow& main, std::initializer_list<std::pair<int, int>> pieces)
{
    for (const auto& [row, piece] : pieces)
        wearCataloguePiece(main, row, piece);
    settle();
}

QWidget* openSynthesisChooser(MainWindow& main)
{
    wearPieces(main, {{1, 1}, {2, 2}, {2, 3}, {1, 5}, {3, 6}, {3, 8}});
    clickPicture(main, QStringLiteral("Label32"));
    QWidget* chooser = opened(main, "Form13");
    click(chooser, QStringLiteral("Option3"));
    return chooser;
}

QList<Panel> characterWindow(MainWindow& main)
{
    chooseClass(main, QStringLiteral("검사"));
    QWidget* weapon = fillDungeonWeapon(main);
    settle();
    click(weapon, QStringLiteral("Command1"));
    click(openAccessory(main, 3, {"18", "12.5", "40", "", "55", "", "", "", "3", "1200"}), QStringLiteral("Command1"));
    click(openAccessory(main, 5, {"25", "", "60", "", "", "", "45", "38", "6", "2100"}), QStringLiteral("Command1"));
    wearPieces(main, {{1, 1}, {1, 2}, {2, 5}});
    return {panelOf(&main, {"Combo1", "Image9", "Image18", "Image1"}, QRectF(14, 84, 452, 244))};
}

QList<Panel> weaponKinds(MainWindow& main)
{
    chooseClass(main, QStringLiteral("검사"));
    clickPicture(main, QStringLiteral("Image9"));
    return {panelOf(opened(main, "Form2"), {"Command1", "Command2", "Command3"})};
}

QList<Panel> dungeonWeapon(MainWindow& main)
{
    chooseClass(main, QStringLiteral("검사"));
    return {panelOf(fillDungeonWeapon(main), {"List2", "Option1", "Option8", "List1", "Command1"})};
}

QList<Panel> seaSerpentWeapon(MainWindow& main)
{
    chooseClass(main, QStringLiteral("암살자"));
    QWidget* editor = openWeaponEditor(main, "Command2", "Form4");
    click(editor, QStringLiteral("Option2"));
    pick(editor, QStringLiteral("List2"), 0);
    click(editor, QStringLiteral("Option8"));
    pick(editor, QStringLiteral("List1"), 0);
    return {panelOf(editor, {"Option2", "List2", "List1", "Command1"})};
}

QList<Panel> freeWeapon(MainWindow& main)
{
    chooseClass(main, QStringLiteral("검사"));
    QWidget* editor = openWeaponEditor(main, "Command3", "Form6");
    type(editor, QStringLiteral("Text1"), QStringLiteral("212"));
    type(editor, QStringLiteral("Text3"), QStringLiteral("40"));
    type(editor, QStringLiteral("Text4"), QStringLiteral("57.5"));
    click(editor, QStringLiteral("Option9"));
    pick(editor, QStringLiteral("List1"), 1);
    return {panelOf(editor, {"Text1", "Text4", "List1", "Command1"})};
}

QList<Panel> accessory(MainWindow& main)
{
    QWidget* editor = openAccessory(main, 3, {"18", "12.5", "40", "", "55", "", "", "", "3", "1200"});
    return {panelOf(editor, {"Text1", "Text10", "Command1"})};
}

QList<Panel> inventory(MainWindow& main)
{
    wearPieces(main, {{1, 1}, {2, 2}, {3, 3}});
    wearFreePiece(main, 4);
    return {panelOf(&main, {"Command9", "Command16", "Command32", "Command24"}, QRectF(484, 112, 450, 232))};
}

QList<Panel> pieceOptions(MainWindow& main)
{
    return {panelOf(fillCataloguePiece(main, 2, 3, 2), {"List1", "Option2", "List3", "Command35"})};
}

// The set tooltip is a window of its own, shown beside the indicators it explains.
QList<Panel> setEffects(MainWindow& main)
{
    wearPieces(main, {{1, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}, {3, 6}});
    wearFreePiece(main, 7);
    main.refreshIndicators();
    settle();
    QWidget* indicator = child(&main, QStringLiteral("Image10"));
    const QPoint at(10, 12);
    QMouseEvent move(QEvent::MouseMove, at, indicator->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(indicator, &move);
    QWidget* tooltip = opened(main, "Form16");
    Panel shield = panelOf(&main, {"Image10"}, QRectF(206, 124, 254, 238));
    Panel text = panelOf(tooltip, {});
    text.callouts << Callout{2, QRectF(tooltip->rect())};
    return {shield, text};
}

// The main window's 합성 button above the chooser it opens.
QList<Panel> synthesisChooser(MainWindow& main)
{
    QWidget* chooser = openSynthesisChooser(main);
    return {panelOf(&main, {"Label32"}, QRectF(484, 600, 450, 172)),
            panelOf(chooser, {"Option3", "Command2", "Command8"}, {}, 2)};
}

QList<Panel> synthesisDialog(MainWindow& main)
{
    QWidget* chooser = openSynthesisChooser(main);
    settle();
    click(chooser, QStringLiteral("Command2"));
    QWidget* dialog = opened(main, "Form14");
    type(dialog, QStringLiteral("Text1"), QStringLiteral("76"));
    return {panelOf(dialog, {"Text1", "List1", "Label4", "Command1"})};
}

QList<Panel> stanceButtons(MainWindow& main)
{
    chooseClass(main, QStringLiteral("검사"));
    settle();
    click(&main, QStringLiteral("Command33"));
    return {panelOf(&main, {"Command33", "Label55", "Command34"}, QRectF(484, 392, 168, 80))};
}

// The same part of the sheet before and after 발도 is switched on.
QList<Panel> stanceEffect(MainWindow& main)
{
    chooseClass(main, QStringLiteral("검사"));
    const QRectF sheet(361, 558, 109, 178);
    Panel before = panelOf(&main, {}, sheet);
    before.caption = QStringLiteral("발도 off");
    click(&main, QStringLiteral("Command33"));
    Panel after = panelOf(&main, {}, sheet);
    after.caption = QStringLiteral("발도 on");
    return {before, after};
}

struct Page {
    QSize size;
    const char16_t* title;
    std::array<const char16_t*, 6> lines; // unused ones stay null
    QList<Panel> (*stage)(MainWindow&);
};

const std::array<Page, kPageCount>& pages()
{
    static const std::array<Page, kPageCount> table = {{
        {kItemPage,
         u"내 정보창(1/6)",
         {u"① 직업: 기본 수치와 스킬이 정해집니다.", u"② 무기 칸: 누르면 무기를 고릅니다.",
          u"③ 무기의 금강석  ④ 착용한 보패", u"무기 칸을 다시 누르면 무기를 벗습니다."},
         characterWindow},
        {kItemPage,
         u"무기 선택창(2/6)",
         {u"무기 칸을 누르면 열립니다.", u"① 4대 던전 무기", u"② 바다뱀 보급기지 무기",
          u"③ 목록에 없는 무기 (직접 입력)"},
         weaponKinds},
        {kItemPage,
         u"4대 던전 무기 착용창(3/6)",
         {u"① 공격력", u"② 던전: 부가 옵션이 정해집니다.", u"③ 금강석 능력치", u"④ 금강석 크기",
          u"⑤ 공격력과 던전을 고르면 확인이 켜집니다."},
         dungeonWeapon},
        {kItemPage,
         u"바다뱀 던전 무기 착용창(4/6)",
         {u"① 네임드: 부가 옵션이 정해집니다.", u"② 공격력", u"③ 금강석 크기", u"④ 공격력을 고르면 확인이 켜집니다."},
         seaSerpentWeapon},
        {kItemPage,
         u"기타 무기 착용창(5/6)",
         {u"① 공격력을 직접 넣습니다.", u"② 부가 옵션 수치, 빈 칸은 0", u"③ 금강석 크기",
          u"④ 공격력이 0보다 크면 확인이 켜집니다."},
         freeWeapon},
        {kItemPage,
         u"장신구 착용창(6/6)",
         {u"장신구 칸을 누르면 열립니다.", u"① 공격력부터", u"② 최대생명력까지 열 가지 수치",
          u"③ 확인: 빈 칸은 0으로 들어갑니다."},
         accessory},
        {kShieldPage,
         u"아이템창(1/3)",
         {u"위 네 줄이 보패 버튼, 칸 번호 1~8이 보패 자리입니다.", u"① 잃어버린 영린족 보패", u"② 바다뱀 보패(최상급)",
          u"③ 바다뱀 보패(영웅)", u"④ 기타 보패: 수치를 직접 넣습니다.", u"착용한 보패를 다시 누르면 벗습니다."},
         inventory},
        {kShieldPage,
         u"보패 옵션 선택창(2/3)",
         {u"① 주 옵션 수치", u"② 부가 옵션 셋 중 하나", u"③ 그 부가 옵션의 수치",
          u"④ 확인: 그 자리의 보패가 바뀌고 합성은 0이 됩니다."},
         pieceOptions},
        {kShieldPage,
         u"보패 셋트 효과 확인법(3/3)",
         {u"같은 셋트를 3·5·8개 착용하면 셋트 효과가 붙습니다.", u"① 적용된 단계의 표시가 빛납니다.",
          u"② 표시 위에 마우스를 올리면 효과가 보입니다.", u"바다뱀 보패는 최상급과 영웅을 합쳐 셉니다."},
         setEffects},
        {kSynthesisPage,
         u"보패 합성창(1/2)",
         {u"① 소지품 창 아래의 합성 버튼이 이 창을 엽니다.", u"② 착용한 보패를 고릅니다.",
          u"③ 합성할 능력치를 누르면 합성창이 열립니다.", u"④ 고른 보패의 합성을 모두 없앱니다."},
         synthesisChooser},
        {kSynthesisPage,
         u"무기 선택창(2/2)",
         {u"① 합성패 수치를 넣거나", u"② 상급 합성패를 고릅니다.",
          u"③ 이 보패의 최대합성치: 넘는 수치는 최대치까지만 합성됩니다.",
          u"④ 합성: 그 보패의 다른 합성은 0이 됩니다."},
         synthesisDialog},
        {kSkillPage,
         u"스킬 적용창(1/2)",
         {u"직업을 고르면 스킬 버튼이 나타납니다.", u"① 누를 때마다 켜고 끕니다.", u"② 지금 상태 (on / off)",
          u"③ 직업의 다른 스킬"},
         stanceButtons},
        {kSkillPage,
         u"스킬 적용 전후(2/2)",
         {u"검사의 발도를 켜면 치명률과 회피율이 오르고 막기율은 0이 됩니다.", u"끄면 원래대로 돌아옵니다."},
         stanceEffect},
    }};
    return table;
}

const Page& pageAt(int page)
{
    Q_ASSERT(page >= 1 && page <= kPageCount);
    return pages()[static_cast<std::size_t>(page - 1)];
}

} // namespace

PageText pageText(int page)
{
    const Page& entry = pageAt(page);
    PageText text{QString::fromUtf16(entry.title), entry.size, {}};
    for (const char16_t* line : entry.lines)
        if (line)
            text.lines << QString::fromUtf16(line);
    return text;
}

QList<Panel> stagePage(MainWindow& main, int page)
{
    return pageAt(page).stage(main);
}

} // namespace tessarin::helpgen
