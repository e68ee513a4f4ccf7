#include "engine/preview.h"
#include "engine/soulshield_rules.h"
#include "data/catalogue.h"
#include "ui_helpers.h"
#include "weapon_ui_helpers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <functional>

using namespace tessarin;
using namespace tessarin::testing;
using namespace tessarin::testing::weapons;

namespace {

// Opens an editor and sets it up as a person would; returns the editor and the name of its confirm button.
struct Opened {
    QWidget* editor = nullptr;
    const char* confirm = "Command1";
};
using Scenario = std::function<Opened(MainWindowFixture&)>;

QWidget* panel(MainWindowFixture& f, const char* name)
{
    return control(f.window->windows().find(QString::fromLatin1(name)), QString::fromLatin1(name));
}

QString panelText(MainWindowFixture& f, const char* name = "Form18")
{
    return labelText(panel(f, name), QStringLiteral("Label1"));
}

void waitForPreview(MainWindowFixture& f)
{
    waitTicks(control<QTimer>(f.window, QStringLiteral("PreviewTimer")), 1);
}

// The label of each figure the change panel names.
QString labelOfFigure(const QString& name)
{
    for (const FigureInfo& info : kFigures)
        if (QString::fromUtf8(info.name) == name)
            return QString::fromLatin1(kSheetLabelNames[static_cast<std::size_t>(info.label)]);
    return {};
}

struct PanelLine {
    QString figure;
    QString before;
    QString after;
};

// "기대공격력 348.28 → 351.8 (+3.52)" and "명중률 87.55% → 88.1% (+0.55%p)", or a failure.
QList<PanelLine> parseLines(const QString& text)
{
    static const QRegularExpression line(QStringLiteral("^(\\S+) (\\S+?)(%?) → (\\S+?)(%?) \\(([+-])(\\S+?)(%p)?\\)$"));
    QList<PanelLine> lines;
    for (const QString& row : text.split(u'\n')) {
        const QRegularExpressionMatch m = line.match(row);
        if (!m.hasMatch() || labelOfFigure(m.captured(1)).isEmpty()) {
            qWarning("not a change line: %s", qPrintable(row));
            return {};
        }
        lines.push_back({m.captured(1), m.captured(2), m.captured(4)});
    }
    return lines;
}

QStringList sheetFigures(MainWindowFixture& f)
{
    QStringList texts;
    for (const FigureInfo& info : kFigures)
        texts << labelText(f.window, QString::fromLatin1(kSheetLabelNames[static_cast<std::size_t>(info.label)]));
    return texts;
}

void equipOnRecord(MainWindowFixture& f, int row, int piece)
{
    const CatalogueEntry& entry = *catalogueEntry(row, piece);
    equipCataloguePiece(f.window->state(), entry, entry.mainValues[0], 1, entry.subOptions[0].values[0]);
    recordWritten(f.window);
}

QWidget* boardEditor(MainWindowFixture& f, int row, int piece, const char* name)
{
    click(f.window, qPrintable(QStringLiteral("Command%1").arg(kBoardNumbers[row - 1][piece - 1])));
    return f.window->windows().find(QString::fromLatin1(name));
}

QWidget* openSynthesisDialog(MainWindowFixture& f)
{
    equipOnRecord(f, 2, 5);
    QTest::mouseClick(control(f.window, "Label32"), Qt::LeftButton);
    QWidget* chooser = f.window->windows().find(QStringLiteral("Form13"));
    click(chooser, "Option5");
    click(chooser, "Command2"); // 명중 합성
    return f.window->windows().find(QStringLiteral("Form14"));
}

void hoverItem(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseMove(list->window()->windowHandle(), list->viewport()->mapTo(list->window(), rect.center()));
}

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestPreviewWindows : public QObject {
    Q_OBJECT

private slots:
    void editorShowsWhatConfirmChanges_data()
    {
        QTest::addColumn<Scenario>("scenario");
        QTest::newRow("Form5") << Scenario([](MainWindowFixture& f) {
            QWidget* editor = boardEditor(f, 1, 2, "Form5");
            clickItem(editor, "List1", control<QListWidget>(editor, "List1")->item(0)->text());
            click(editor, "Option2");
            clickItem(editor, "List3", control<QListWidget>(editor, "List3")->item(0)->text());
            return Opened{editor, "Command35"};
        });
        QTest::newRow("Form12") << Scenario([](MainWindowFixture& f) {
            QWidget* editor = boardEditor(f, 4, 3, "Form12");
            typeInto(editor, "Text1", "120");
            typeInto(editor, "Text4", "35.5");
            typeInto(editor, "Text8", "40"); // 3세트 효과 관통, not reached with one piece
            return Opened{editor};
        });
        QTest::newRow("Form3") << Scenario([](MainWindowFixture& f) {
            chooseClass(f, "검사");
            QWidget* editor = openEditor(f, "Command1", "Form3");
            click(editor, "Option4"); // 거미 둥지
            clickItem(editor, "List2", control<QListWidget>(editor, "List2")->item(0)->text());
            click(editor, "Option5"); // 공격력 금강석
            clickItem(editor, "List1", "육각 금강석");
            return Opened{editor};
        });
        QTest::newRow("Form4") << Scenario([](MainWindowFixture& f) {
            chooseClass(f, "소환사");
            QWidget* editor = openEditor(f, "Command2", "Form4");
            click(editor, "Option2"); // 포화란
            clickItem(editor, "List2", "242");
            return Opened{editor};
        });
        QTest::newRow("Form6") << Scenario([](MainWindowFixture& f) {
            chooseClass(f, "역사");
            QWidget* editor = openEditor(f, "Command3", "Form6");
            typeInto(editor, "Text1", "150");
            typeInto(editor, "Text5", "60");
            return Opened{editor};
        });
        QTest::newRow("Form10") << Scenario([](MainWindowFixture& f) {
            click(f.window, "Image15");
            QWidget* editor = f.window->windows().find(QStringLiteral("Form10"));
            typeInto(editor, "Text1", "25");
            typeInto(editor, "Text2", "12.5");
            typeInto(editor, "Text10", "400");
            return Opened{editor};
        });
        QTest::newRow("Form14") << Scenario([](MainWindowFixture& f) {
            QWidget* editor = openSynthesisDialog(f);
            typeInto(editor, "Text1", "46");
            return Opened{editor};
        });
    }
    // Within one tick of a change in the editor, Form18 lists what its confirm would change: the old
    // figures as the sheet shows them now and the new ones as it shows them after the confirm.
    void editorShowsWhatConfirmChanges()
    {
        QFETCH(Scenario, scenario);
        MainWindowFixture f;
        const Opened opened = scenario(f);
        QVERIFY(opened.editor);
        waitForSheet(f);
        waitForPreview(f);
        QWidget* changes = panel(f, "Form18");
        QVERIFY(changes->isVisible());
        QCOMPARE(changes->windowTitle(), QStringLiteral("변화"));
        QVERIFY(!changes->frameGeometry().intersects(opened.editor->frameGeometry()));
        const QList<PanelLine> lines = parseLines(panelText(f));
        QVERIFY2(!lines.isEmpty(), qPrintable(panelText(f)));
        for (const PanelLine& line : lines)
            QCOMPARE(labelText(f.window, labelOfFigure(line.figure)), line.before);
        const QStringList before = sheetFigures(f);

        QPointer<QWidget> editor = opened.editor;
        QTRY_VERIFY(control<QPushButton>(editor, QString::fromLatin1(opened.confirm))->isEnabled());
        click(editor, opened.confirm);
        waitForSheet(f);
        QStringList expected = before;
        for (const PanelLine& line : lines) {
            QCOMPARE(labelText(f.window, labelOfFigure(line.figure)), line.after);
            for (qsizetype i = 0; i < expected.size(); ++i)
                if (QString::fromUtf8(kFigures[static_cast<std::size_t>(i)].name) == line.figure)
                    expected[i] = line.after;
        }
        QCOMPARE(sheetFigures(f), expected); // and nothing else changed
        if (!editor || !editor->isVisible()) {
            waitForPreview(f);
            QVERIFY(!changes->isVisible());
        }
    }

    // A change in the editor shows in the panel within one tick.
    void followsTheEditor()
    {
        MainWindowFixture f;
        click(f.window, "Image13");
        QWidget* editor = f.window->windows().find(QStringLiteral("Form10"));
        waitForPreview(f);
        QCOMPARE(panelText(f), QStringLiteral("변화 없음"));
        typeInto(editor, "Text3", "30");
        waitForPreview(f);
        QCOMPARE(panelText(f), QStringLiteral("관통 0 → 30 (+30)\n기대공격력 51 → 51.47 (+0.47)\n피해감소율 0% → 0.91% (+0.91%p)"));
        typeInto(editor, "Text3", "");
        waitForPreview(f);
        QCOMPARE(panelText(f), QStringLiteral("변화 없음"));
        click(editor, "Command2");
        QTRY_VERIFY(!panel(f, "Form18")->isVisible());
    }

    // Resting on an item previews it as if chosen; leaving the list goes back to the selection.
    void hoveringAnItemPreviewsIt()
    {
        MainWindowFixture f;
        QWidget* editor = boardEditor(f, 1, 3, "Form5");
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        auto* mainValues = control<QListWidget>(editor, "List1");
        click(editor, "Option1");
        clickItem(editor, "List2", control<QListWidget>(editor, "List2")->item(0)->text());
        waitForPreview(f);
        QVERIFY(!panel(f, "Form18")->isVisible()); // no main value: "확인" does nothing
        hoverItem(mainValues, 2);
        waitForPreview(f);
        const QString hovered = panelText(f);
        QVERIFY2(hovered.contains(mainValues->item(2)->text()), qPrintable(hovered));
        hoverItem(mainValues, 0);
        waitForPreview(f);
        QVERIFY2(panelText(f).contains(mainValues->item(0)->text()), qPrintable(panelText(f)));
        QTest::mouseMove(editor->windowHandle(), QPoint(2, 2));
        waitForPreview(f);
        QVERIFY(!panel(f, "Form18")->isVisible());
        clickItem(editor, "List1", mainValues->item(2)->text());
        waitForPreview(f);
        QCOMPARE(panelText(f), hovered);
    }

    void hoveringAClickPreviewsIt_data()
    {
        QTest::addColumn<Scenario>("setup");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("worn piece") << Scenario([](MainWindowFixture& f) {
            equipOnRecord(f, 1, 1);
            return Opened{f.window};
        }) << QStringLiteral("Command9")
                                    << QString();
        QTest::newRow("stance 광풍") << Scenario([](MainWindowFixture& f) {
            chooseClass(f, "역사");
            return Opened{f.window};
        }) << QStringLiteral("Command33")
                                      << QStringLiteral("방어 699 → 3495 (+2796)\n방어율 17.39% → 50.18% (+32.79%p)");
        QTest::newRow("worn accessory") << Scenario([](MainWindowFixture& f) {
            click(f.window, "Image17");
            QWidget* editor = f.window->windows().find(QStringLiteral("Form10"));
            typeInto(editor, "Text1", "40");
            click(editor, "Command1");
            return Opened{f.window};
        }) << QStringLiteral("Image17")
                                         << QStringLiteral("공격력 100 → 60 (-40)\n기대공격력 85 → 51 (-34)");
    }
    // Over a control whose click takes something off or switches a stance, the panel shows that click.
    void hoveringAClickPreviewsIt()
    {
        QFETCH(Scenario, setup);
        QFETCH(QString, control);
        QFETCH(QString, text);
        MainWindowFixture f;
        setup(f);
        waitForSheet(f);
        QWidget* target = testing::control(f.window, control);
        QTest::mouseMove(f.window->windowHandle(), target->mapTo(f.window, target->rect().center()));
        waitForPreview(f);
        QWidget* changes = panel(f, "Form18");
        QVERIFY(changes->isVisible());
        if (text.isEmpty())
            QVERIFY(parseLines(panelText(f)).size() > 0);
        else
            QCOMPARE(panelText(f), text);
        // It covers none of the main window's controls.
        for (QWidget* child : f.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && !child->isWindow() && !child->objectName().isEmpty() &&
                child->objectName() != QStringLiteral("Label11"))
                QVERIFY2(!changes->geometry().intersects(QRect(child->mapToGlobal(QPoint()), child->size())),
                         qPrintable(child->objectName()));
        QTest::mouseMove(f.window->windowHandle(), QPoint(5, 700));
        waitForPreview(f);
        QVERIFY(!changes->isVisible());
    }

    void releasePreview()
    {
        MainWindowFixture f;
        QWidget* dialog = openSynthesisDialog(f);
        typeInto(dialog, "Text1", "33");
        click(dialog, "Command1");
        click(dialog, "Command2");
        QWidget* chooser = f.window->windows().find(QStringLiteral("Form13"));
        QWidget* release = control(chooser, "Command8");
        waitForPreview(f);
        QTest::mouseMove(chooser->windowHandle(), release->mapTo(chooser, release->rect().center()));
        waitForPreview(f);
        QWidget* changes = panel(f, "Form18");
        QVERIFY(changes->isVisible());
        QVERIFY(!changes->frameGeometry().intersects(chooser->frameGeometry()));
        QVERIFY2(panelText(f).startsWith(QStringLiteral("명중 ")) && panelText(f).contains(QStringLiteral("(-33)")),
                 qPrintable(panelText(f)));
        QTest::mouseMove(chooser->windowHandle(), QPoint(2, 2));
        waitForPreview(f);
        QVERIFY(!changes->isVisible());
    }

    // Resting on a figure of the sheet shows where it comes from, adding up to the figure.
    void breakdownOfAFigure()
    {
        MainWindowFixture f;
        chooseClass(f, "역사");
        click(f.window, "Command33"); // 광풍
        waitForSheet(f);
        QWidget* figure = control(f.window, "Label47");
        QTest::mouseMove(f.window->windowHandle(), QPoint(5, 700));
        QTest::mouseMove(f.window->windowHandle(), figure->mapTo(f.window, figure->rect().center()));
        QWidget* breakdown = panel(f, "Form19");
        QTRY_VERIFY(breakdown->isVisible());
        QCOMPARE(panelText(f, "Form19"), QStringLiteral("직업 기본 699\n광풍 2796\n합계 3495"));
        QTest::mouseMove(f.window->windowHandle(), QPoint(5, 700));
        QTRY_VERIFY(!breakdown->isVisible());
    }
};

QTEST_MAIN(TestPreviewWindows)
#include "tst_preview_windows.moc"
