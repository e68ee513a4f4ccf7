#include "ui_helpers.h"

#include "core/tooltip_test_texts.h"

#include "data/catalogue.h"
#include "engine/soulshield_rules.h"
#include "engine/weapon_rules.h"
#include "ui/common/pictures.h"
#include "ui/common/twips.h"
#include "ui/weapons/weapon_slot_view.h"

#include <QApplication>
#include <QComboBox>
#include <QWindow>

#include <utility>
#include <vector>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

using Pieces = std::vector<std::pair<int, int>>; // board row, piece

// Where every test puts the main window, so that positions can be written down.
const QPoint kMainAt(40, 30);

QWidget* tooltipOf(MainWindowFixture& f)
{
    return f.window->windows().find(QStringLiteral("Form16"));
}

bool tooltipShown(MainWindowFixture& f)
{
    QWidget* tooltip = tooltipOf(f);
    return tooltip && tooltip->isVisible();
}

QLabel* tooltipLabel(MainWindowFixture& f)
{
    return control<QLabel>(tooltipOf(f), "Label1");
}

// Moves the pointer to a point given in main-window pixels, as the window system reports it: to the
// tooltip when the tooltip is up there (it lies above the main window), otherwise to the main window,
// whose own routing then finds the control under the pointer.
void pointTo(MainWindowFixture& f, QPoint inMain)
{
    const QPoint global = f.window->mapToGlobal(inMain);
    QWidget* tooltip = tooltipOf(f);
    if (tooltip && tooltip->isVisible() && tooltip->geometry().contains(global))
        QTest::mouseMove(tooltip->windowHandle(), tooltip->mapFromGlobal(global));
    else
        QTest::mouseMove(f.window->windowHandle(), inMain);
}

// Moves the pointer to a point of a main-window control, in the control's pixels.
void pointTo(MainWindowFixture& f, const char* control, QPoint at)
{
    pointTo(f, tessarin::testing::control(f.window, QString::fromLatin1(control))->mapTo(f.window, at));
}

// Puts catalogue pieces on as the piece editor's confirm does; true once the 10 ms cycle has seen them.
bool wear(MainWindowFixture& f, const Pieces& pieces)
{
    CharacterState& state = f.window->state();
    for (const auto& [row, piece] : pieces) {
        const CatalogueEntry* entry = catalogueEntry(row, piece);
        loadPicture(f.window->piecePicture(piece), equipCataloguePiece(state, *entry, entry->mainValues[0], 0, 0));
    }
    recordWritten(f.window);
    return QTest::qWaitFor([&] {
        return state.lostSetPresent == (state.lostSetCount > 0) &&
               state.seaSerpentSetPresent == (state.seaSerpentSetCount > 0);
    });
}

// Fits a free-entry weapon with a gem as the weapon editor's confirm does.
void fitGem(MainWindowFixture& f, int stat, int size, bool shining)
{
    showEquippedWeapon(*f.window, equipFreeWeapon(f.window->state(), 1, {}, GemChoice{stat, shining, size}));
    recordWritten(f.window);
}

void openFixture(MainWindowFixture& f)
{
    f.window->move(kMainAt);
    QTRY_COMPARE(f.window->pos(), kMainAt);
    // Qt drops a move to where the pointer already is; the previous test may have left it on the spot
    // this one starts with, so park it on the bare window first.
    QTest::mouseMove(f.window->windowHandle(), QPoint(5, 700));
}

// The text lies inside the window: nothing clipped.
void verifyTextFits(QWidget* tooltip, QLabel* label)
{
    const QRect needed = label->fontMetrics().boundingRect(tooltip->rect(), Qt::AlignLeft | Qt::AlignTop,
                                                           label->text().remove(QLatin1Char('\r')));
    QVERIFY2(tooltip->rect().contains(needed), qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                                              .arg(needed.width())
                                                              .arg(needed.height())
                                                              .arg(tooltip->width())
                                                              .arg(tooltip->height())));
}

} // namespace

class TestTooltipWindow : public QObject {
    Q_OBJECT

private slots:
    void setTooltip_data();
    void setTooltip();
    void position_data();
    void position();
    void edgeBands_data();
    void edgeBands();
    void gemKinds_data();
    void gemKinds();
    void noGemLeavesTooltip();
    void gemBandDestroysWindow();
    void hiding_data();
    void hiding();
    void designLookAndFocus();
};

void TestTooltipWindow::setTooltip_data()
{
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<QString>("text"); // empty: hidden
    QTest::addColumn<QSize>("size");   // pixels

    QTest::newRow("nothing worn hides") << Pieces{} << QString() << QSize();
    QTest::newRow("only 바다뱀, both grades") << Pieces{{2, 1}, {3, 2}} << kSeaSerpentTooltip << QSize(240, 80);
    QTest::newRow("only 잃어버린 영린족") << Pieces{{1, 3}} << kLostTooltip << QSize(240, 80);
    QTest::newRow("both groups") << Pieces{{1, 1}, {2, 2}, {3, 3}} << kLostTooltip + kSeaSerpentTooltip
                                 << QSize(243, 133);
}

void TestTooltipWindow::setTooltip()
{
    QFETCH(Pieces, pieces);
    QFETCH(QString, text);
    QFETCH(QSize, size);
    MainWindowFixture f;
    openFixture(f);
    // A gem tooltip is up first; the set indicator replaces it or hides it.
    fitGem(f, 1, 3, false);
    pointTo(f, "Image18", {24, 24});
    QVERIFY(tooltipShown(f));
    QVERIFY(wear(f, pieces));

    pointTo(f, "Image11", {12, 10});
    QCOMPARE(tooltipShown(f), !text.isEmpty());
    if (text.isEmpty())
        return;
    QWidget* tooltip = tooltipOf(f);
    QCOMPARE(tooltipLabel(f)->text(), text);
    QCOMPARE(tooltip->size(), size);
    QCOMPARE(tooltipLabel(f)->geometry(), QRect(QPoint(0, 0), size));
    verifyTextFits(tooltip, tooltipLabel(f));
}

void TestTooltipWindow::position_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QPoint>("pointer"); // pixels in the picture
    QTest::addColumn<QPoint>("topLeft"); // screen pixels, the main window at (40, 30)

    // Main window left 600, top 450 twips; the set offsets are 3700, 5000, the gem's 2400, 4400.
    QTest::newRow("Image10") << "Image10" << QPoint(5, 6) << QPoint(292, 369);       // 4375, 5540 twips
    QTest::newRow("Image11") << "Image11" << QPoint(20, 3) << QPoint(307, 366);      // 4600, 5495
    QTest::newRow("Image12") << "Image12" << QPoint(2, 21) << QPoint(289, 384);      // 4330, 5765
    QTest::newRow("Image18 near") << "Image18" << QPoint(4, 46) << QPoint(204, 369); // 3060, 5540
    QTest::newRow("Image18 far") << "Image18" << QPoint(30, 10) << QPoint(230, 333); // 3450, 5000
}

void TestTooltipWindow::position()
{
    QFETCH(QString, picture);
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, topLeft);
    MainWindowFixture f;
    openFixture(f);
    QVERIFY(wear(f, {{2, 4}}));
    fitGem(f, 2, 1, true);
    pointTo(f, qPrintable(picture), pointer);
    QVERIFY(tooltipShown(f));
    QCOMPARE(tooltipOf(f)->pos(), topLeft);
}

void TestTooltipWindow::edgeBands_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QPoint>("pointer");  // pixels in the picture, 15 twips each
    QTest::addColumn<QString>("outcome"); // "kept", "moved" or "closed"

    // Indicator band: 20 twips from each border (1 px in, 22 px in); gem band: 50 twips (3 px, 47 px).
    const struct {
        const char* picture;
        QPoint pointer;
        const char* outcome;
    } rows[] = {{"Image12", {1, 10}, "kept"},    {"Image12", {2, 10}, "moved"},  {"Image12", {21, 10}, "moved"},
                {"Image12", {22, 10}, "kept"},   {"Image12", {10, 1}, "kept"},   {"Image12", {10, 22}, "kept"},
                {"Image18", {3, 20}, "closed"},  {"Image18", {4, 20}, "moved"},  {"Image18", {46, 20}, "moved"},
                {"Image18", {47, 20}, "closed"}, {"Image18", {20, 3}, "closed"}, {"Image18", {20, 47}, "closed"}};
    for (const auto& row : rows)
        QTest::addRow("%s at %d, %d", row.picture, row.pointer.x(), row.pointer.y())
            << row.picture << row.pointer << row.outcome;
}

void TestTooltipWindow::edgeBands()
{
    QFETCH(QString, picture);
    QFETCH(QPoint, pointer);
    QFETCH(QString, outcome);
    MainWindowFixture f;
    openFixture(f);
    QVERIFY(wear(f, {{1, 5}}));
    fitGem(f, 4, 2, false);
    pointTo(f, qPrintable(picture), {11, 12});
    QPointer<QWidget> tooltip = tooltipOf(f);
    QVERIFY(tooltip && tooltip->isVisible());
    const QPoint before = tooltip->pos();

    pointTo(f, qPrintable(picture), pointer);
    if (outcome == QStringLiteral("closed")) {
        QVERIFY(!tooltipShown(f));
        QTRY_VERIFY(tooltip.isNull());
        return;
    }
    QVERIFY(tooltip->isVisible());
    QCOMPARE(tooltip->pos() == before, outcome == QStringLiteral("kept"));
}

void TestTooltipWindow::gemKinds_data()
{
    QTest::addColumn<int>("stat"); // 1 공격력 .. 5 막기 확률
    QTest::addColumn<int>("size"); // 1 삼각 .. 4 육각
    QTest::addColumn<bool>("shining");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<int>("width"); // pixels: 1600 or 2000 twips

    QTest::newRow("삼각 추가 피해") << 4 << 1 << false << "삼각금강석"
                                    << "추가피해 4 증가" << 107;
    QTest::newRow("빛나는 삼각 공격력") << 1 << 1 << true << "빛나는 삼각금강석"
                                        << "공격력 7 증가" << 133;
    QTest::newRow("사각 방어력") << 2 << 2 << false << "사각금강석"
                                 << "방어력 90 증가" << 107;
    QTest::newRow("빛나는 사각 회피율") << 3 << 2 << true << "빛나는 사각금강석"
                                        << "회피율 6% 증가" << 133;
    QTest::newRow("오각 막기 확률") << 5 << 3 << false << "오각금강석"
                                    << "막기 확률 9% 증가" << 107;
    QTest::newRow("빛나는 오각 방어력") << 2 << 3 << true << "빛나는 오각금강석"
                                        << "방어력 280 증가" << 133;
    QTest::newRow("육각 추가 피해") << 4 << 4 << false << "육각금강석"
                                    << "추가피해 21 증가" << 107;
    QTest::newRow("빛나는 육각 막기 확률") << 5 << 4 << true << "빛나는 육각금강석"
                                           << "막기 확률 12% 증가" << 133;
}

void TestTooltipWindow::gemKinds()
{
    QFETCH(int, stat);
    QFETCH(int, size);
    QFETCH(bool, shining);
    QFETCH(QString, name);
    QFETCH(QString, bonus);
    QFETCH(int, width);
    MainWindowFixture f;
    openFixture(f);
    fitGem(f, stat, size, shining);
    pointTo(f, "Image18", {30, 30});
    QVERIFY(tooltipShown(f));
    QCOMPARE(tooltipLabel(f)->text(), QStringLiteral("\r\n      %1\r\n      %2").arg(name, bonus));
    QCOMPARE(tooltipOf(f)->size(), QSize(width, 55)); // 820 twips high
    // A new window's label keeps its first size, larger than the window.
    QCOMPARE(tooltipLabel(f)->size(), QSize(201, 281));
    verifyTextFits(tooltipOf(f), tooltipLabel(f));
}

void TestTooltipWindow::noGemLeavesTooltip()
{
    MainWindowFixture f;
    openFixture(f);
    QVERIFY(wear(f, {{3, 8}}));
    pointTo(f, "Image12", {12, 12});
    const QPoint at = tooltipOf(f)->pos();
    // A stat chosen without a size fits no gem.
    fitGem(f, 3, 0, true);
    QCOMPARE(f.window->state().gemStatKind, std::int16_t(3));
    pointTo(f, "Image18", {24, 24});
    QVERIFY(tooltipShown(f));
    QCOMPARE(tooltipLabel(f)->text(), kSeaSerpentTooltip);
    QCOMPARE(tooltipOf(f)->pos(), at);
}

void TestTooltipWindow::gemBandDestroysWindow()
{
    MainWindowFixture f;
    openFixture(f);
    QVERIFY(wear(f, {{1, 2}, {2, 3}}));
    fitGem(f, 1, 4, true);
    pointTo(f, "Image11", {12, 12});
    QPointer<QWidget> first = tooltipOf(f);
    QCOMPARE(tooltipLabel(f)->size(), QSize(243, 133));

    // The gem tooltip keeps the label as the set tooltip left it.
    pointTo(f, "Image18", {24, 24});
    QCOMPARE(tooltipOf(f), first.data());
    QCOMPARE(tooltipOf(f)->size(), QSize(133, 55));
    QCOMPARE(tooltipLabel(f)->size(), QSize(243, 133));

    pointTo(f, "Image18", {24, 2});
    QTRY_VERIFY(first.isNull());
    QVERIFY(!tooltipShown(f));
    // It comes back new: the label at its first size.
    pointTo(f, "Image18", {25, 24});
    QVERIFY(tooltipShown(f));
    QCOMPARE(tooltipLabel(f)->size(), QSize(201, 281));
    QCOMPARE(tooltipLabel(f)->text(), QStringLiteral("\r\n      빛나는 육각금강석\r\n      공격력 28 증가"));
}

void TestTooltipWindow::hiding_data()
{
    QTest::addColumn<QPoint>("pointer"); // main-window pixels; the tooltip is up at (257, 345) .. (500, 478)
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QPoint>("topLeft"); // main-window pixels

    QTest::newRow("bare window") << QPoint(230, 360) << false << QPoint();
    QTest::newRow("tooltip over the gap between Image11 and Image12") << QPoint(299, 350) << false << QPoint();
    QTest::newRow("tooltip over accessory Image17") << QPoint(360, 380) << false << QPoint();
    QTest::newRow("another control of the main window") << QPoint(160, 490) << true << QPoint(257, 345);
    QTest::newRow("octagon picture Image1-Image8") << QPoint(300, 200) << true << QPoint(257, 345);
    // The tooltip opens under the pointer over Image11: moving on over it must not hide it.
    QTest::newRow("tooltip over Image11 follows") << QPoint(283, 345) << true << QPoint(258, 345);
    QTest::newRow("tooltip over Image11's edge band stays") << QPoint(273, 346) << true << QPoint(257, 345);
    QTest::newRow("tooltip over Image12 moves there") << QPoint(310, 350) << true << QPoint(253, 350);
}

void TestTooltipWindow::hiding()
{
    QFETCH(QPoint, pointer);
    QFETCH(bool, shown);
    QFETCH(QPoint, topLeft);
    MainWindowFixture f;
    openFixture(f);
    QVERIFY(wear(f, {{1, 4}, {3, 6}}));
    pointTo(f, "Image11", {10, 12});
    QPointer<QWidget> tooltip = tooltipOf(f);
    QCOMPARE(tooltip->pos() - kMainAt, QPoint(257, 345));

    pointTo(f, pointer);
    QCOMPARE(tooltip->isVisible(), shown);
    if (shown) {
        QCOMPARE(tooltip->pos() - kMainAt, topLeft);
        return;
    }
    // Hidden, not destroyed: the next move over an indicator shows the same window again.
    pointTo(f, "Image10", {10, 12});
    QVERIFY(tooltipShown(f));
    QCOMPARE(tooltipOf(f), tooltip.data());
}

void TestTooltipWindow::designLookAndFocus()
{
    MainWindowFixture f;
    openFixture(f);
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    auto* classBox = control<QComboBox>(f.window, "Combo1");
    classBox->setFocus();
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);

    fitGem(f, 2, 4, false);
    pointTo(f, "Image18", {30, 30});
    QWidget* tooltip = tooltipOf(f);
    QVERIFY(tooltip && tooltip->isVisible());
    QCOMPARE(tooltip->objectName(), QStringLiteral("Form16"));
    QCOMPARE(tooltip->windowTitle(), QString());
    QVERIFY(tooltip->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(tooltipLabel(f)->geometry(), twipsRect(0, 0, 3015, 4215));
    QCOMPARE(tooltipLabel(f)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(tooltipLabel(f)->palette().color(QPalette::WindowText), QColor(Qt::white));
    const QImage panel = tooltip->grab().toImage();
    QCOMPARE(panel.pixelColor(panel.width() - 2, panel.height() - 2), QColor(64, 64, 64));

    // The keyboard stays where it was.
    QTest::qWait(20);
    QCOMPARE(QApplication::activeWindow(), f.window.data());
    QCOMPARE(QApplication::focusWidget(), focused);
    QVERIFY(!tooltip->isActiveWindow());
}

QTEST_MAIN(TestTooltipWindow)
#include "tst_tooltip_window.moc"
