#include "engine/tooltip_rules.h"

#include "tooltip_test_texts.h"

#include <QTest>

using namespace tessarin;
using namespace tessarin::testing;

using Action = TooltipView::Action;
Q_DECLARE_METATYPE(TooltipView::Action)
Q_DECLARE_METATYPE(CharacterState)

namespace {

CharacterState withGem(std::initializer_list<int> flags, int statKind)
{
    CharacterState state;
    for (int flag : flags)
        state.gemFlags[static_cast<std::size_t>(flag - 1)] = true;
    state.gemStatKind = static_cast<std::int16_t>(statKind);
    return state;
}

} // namespace

class TestTooltipRules : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void setTooltip_data();
    void setTooltip();
    void gemTooltip_data();
    void gemTooltip();
};

void TestTooltipRules::layout_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");
    QTest::newRow("no lines") << QStringList{} << QString();
    QTest::newRow("one line") << QStringList{"a"} << QStringLiteral("\r\n      a");
    QTest::newRow("gem example") << QStringList{"빛나는 오각금강석", "방어력 280 증가"}
                                 << QStringLiteral("\r\n      빛나는 오각금강석\r\n      방어력 280 증가");
    QTest::newRow("blank line kept") << QStringList{"x", "", "y"} << QStringLiteral("\r\n      x\r\n      \r\n      y");
}

void TestTooltipRules::layout()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    QCOMPARE(tooltipText(lines), text);
}

void TestTooltipRules::setTooltip_data()
{
    QTest::addColumn<bool>("lost");
    QTest::addColumn<bool>("seaSerpent");
    QTest::addColumn<QPointF>("pointer"); // twips relative to the indicator
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size"); // width x height, twips
    QTest::addColumn<QPointF>("offset");

    const QPointF middle(172, 180);
    const QPointF shifted(3872, 5180); // middle + (3700, 5000)
    QTest::newRow("nothing worn hides") << false << false << middle << Action::Hide << QString() << QSize()
                                        << QPointF();
    QTest::newRow("only 바다뱀") << false << true << middle << Action::Show << kSeaSerpentTooltip << QSize(3600, 1200)
                                 << shifted;
    QTest::newRow("only 잃어버린 영린족")
        << true << false << middle << Action::Show << kLostTooltip << QSize(3600, 1200) << shifted;
    QTest::newRow("both: 영린족 first, nine lines")
        << true << true << middle << Action::Show << kLostTooltip + kSeaSerpentTooltip << QSize(3650, 2000) << shifted;

    // The 20-twip edge band leaves the tooltip alone, even where the middle would hide it.
    struct Band {
        const char* name;
        QPointF pointer;
        bool inside;
    };
    const Band bands[] = {{"x 20", {20, 100}, false},      {"x 20.5", {20.5, 100}, true}, {"x 324", {324, 100}, true},
                          {"x 325", {325, 100}, false},    {"y 20", {100, 20}, false},    {"y 21", {100, 21}, true},
                          {"y 324.9", {100, 324.9}, true}, {"y 325", {100, 325}, false},  {"x -3", {-3, 100}, false}};
    for (const Band& band : bands) {
        const QPointF at = band.pointer + QPointF(3700, 5000);
        QTest::addRow("band %s, worn", band.name)
            << false << true << band.pointer << (band.inside ? Action::Show : Action::Keep)
            << (band.inside ? kSeaSerpentTooltip : QString()) << (band.inside ? QSize(3600, 1200) : QSize())
            << (band.inside ? at : QPointF());
        QTest::addRow("band %s, nothing worn", band.name)
            << false << false << band.pointer << (band.inside ? Action::Hide : Action::Keep) << QString() << QSize()
            << QPointF();
    }
}

void TestTooltipRules::setTooltip()
{
    QFETCH(bool, lost);
    QFETCH(bool, seaSerpent);
    QFETCH(QPointF, pointer);
    QFETCH(Action, action);
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QFETCH(QPointF, offset);
    CharacterState state;
    state.lostSetPresent = lost;
    state.seaSerpentSetPresent = seaSerpent;
    // Counts alone do not show a set: the tooltip reads the presence flags the 10 ms cycle keeps.
    state.lostSetCount = 8;
    state.freeSetPresent = true;
    const TooltipView view = setIndicatorTooltip(state, pointer);
    QCOMPARE(view.action, action);
    QCOMPARE(view.text, text);
    QCOMPARE(QSize(view.width, view.height), size.isValid() ? size : QSize(0, 0));
    QCOMPARE(view.offset, offset);
    QCOMPARE(view.sizeLabel, action == Action::Show);
}

void TestTooltipRules::gemTooltip_data()
{
    QTest::addColumn<CharacterState>("state");
    QTest::addColumn<QPointF>("pointer"); // twips relative to the gem picture
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");

    const QPointF middle(360, 300);
    auto text = [](const char* name, const char* bonus) {
        return QStringLiteral("\r\n      %1\r\n      %2").arg(QString::fromUtf8(name), QString::fromUtf8(bonus));
    };
    QTest::newRow("no gem leaves the tooltip") << CharacterState{} << middle << Action::Keep << QString() << 0;
    QTest::newRow("a stat without a size") << withGem({}, 2) << middle << Action::Keep << QString() << 0;
    QTest::newRow("삼각 추가 피해") << withGem({1}, 4) << middle << Action::Show
                                    << text("삼각금강석", "추가피해 4 증가") << 1600;
    QTest::newRow("빛나는 오각 방어력") << withGem({7}, 2) << middle << Action::Show
                                        << text("빛나는 오각금강석", "방어력 280 증가") << 2000;
    // Several flags (a record no editor writes): plain before shining within a size, smaller size first.
    QTest::newRow("사각 and 빛나는 삼각: the shining 삼각")
        << withGem({2, 5}, 1) << middle << Action::Show << text("빛나는 삼각금강석", "공격력 7 증가") << 2000;
    QTest::newRow("빛나는 오각 and 오각: the plain one")
        << withGem({7, 3}, 1) << middle << Action::Show << text("오각금강석", "공격력 15 증가") << 1600;
    QTest::newRow("flag without a stat shows nothing") << withGem({3}, 0) << middle << Action::Keep << QString() << 0;
    QTest::newRow("flag with an unknown stat shows nothing")
        << withGem({3}, 6) << middle << Action::Keep << QString() << 0;

    // The 50-twip edge band closes the tooltip, with or without a gem.
    const struct {
        const char* name;
        QPointF pointer;
        bool inside;
    } bands[] = {{"x 50", {50, 300}, false},   {"x 51", {51, 300}, true},   {"x 699", {699, 300}, true},
                 {"x 700", {700, 300}, false}, {"y 50", {300, 50}, false},  {"y 50.1", {300, 50.1}, true},
                 {"y 700", {300, 700}, false}, {"y 720", {300, 720}, false}};
    for (const auto& band : bands) {
        QTest::addRow("band %s, gem", band.name)
            << withGem({8}, 1) << band.pointer << (band.inside ? Action::Show : Action::Close)
            << (band.inside ? text("빛나는 육각금강석", "공격력 28 증가") : QString()) << (band.inside ? 2000 : 0);
        QTest::addRow("band %s, no gem", band.name)
            << CharacterState{} << band.pointer << (band.inside ? Action::Keep : Action::Close) << QString() << 0;
    }
}

void TestTooltipRules::gemTooltip()
{
    QFETCH(CharacterState, state);
    QFETCH(QPointF, pointer);
    QFETCH(Action, action);
    QFETCH(QString, text);
    QFETCH(int, width);
    const TooltipView view = tessarin::gemTooltip(state, pointer);
    QCOMPARE(view.action, action);
    QCOMPARE(view.text, text);
    QCOMPARE(view.width, width);
    QCOMPARE(view.height, action == Action::Show ? 820 : 0);
    QCOMPARE(view.offset, action == Action::Show ? pointer + QPointF(2400, 4400) : QPointF());
    QVERIFY(!view.sizeLabel); // the label keeps its size under the gem tooltip
}

QTEST_APPLESS_MAIN(TestTooltipRules)
#include "tst_tooltip_rules.moc"
