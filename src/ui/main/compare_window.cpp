#include "ui/main/compare_window.h"

#include "engine/preview.h"
#include "engine/sheet_report.h"
#include "ui/common/keyboard.h"
#include "ui/common/refresh_gate.h"
#include "ui/common/theme.h"
#include "ui/main/info_panel.h"
#include "ui/main/main_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessarin {

namespace {


const QString kTableSheet = QStringLiteral(
    "QTableWidget, QListWidget { background: #12151b; color: #f4e7c3; gridline-color: #3b3323;"
    " border: 1px solid #8a6d2f; }"
    "QHeaderView::section { background: #1e222b; color: #d9c9a3; border: 0; border-bottom: 1px solid #3b3323;"
    " padding: 2px 6px; }"
    "QTableCornerButton::section { background: #1e222b; border: 0; }");

void setCell(QTableWidget* table, int row, int column, const QString& text, const QColor& colour = {})
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    }
    if (item->text() != text)
        item->setText(text);
    const QBrush brush = colour.isValid() ? QBrush(colour) : QBrush();
    if (item->foreground() != brush)
        item->setForeground(brush);
}

} // namespace

CompareWindow::CompareWindow(MainWindow& mainWindow, std::function<void()> applyReference)
    : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("비교"));
    setStyleSheet(editorStyleSheet() + kTableSheet);
    auto* layout = new QVBoxLayout(this);

    table_ = new QTableWidget(kFigureCount, 3, this);
    table_->setObjectName(QStringLiteral("Table1"));
    table_->setHorizontalHeaderLabels({QStringLiteral("기준"), QStringLiteral("지금"), QStringLiteral("차이")});
    QStringList names;
    for (const FigureInfo& info : kFigures)
        names << QString::fromUtf8(info.name);
    table_->setVerticalHeaderLabels(names);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(20);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() + 20 * kFigureCount + 4);
    table_->setAccessibleName(QStringLiteral("능력치 비교 표"));
    // Full hinting keeps the decimal point a point at this size, as on the sheet.
    QFont font = table_->font();
    font.setHintingPreference(QFont::PreferFullHinting);
    table_->setFont(font);
    layout->addWidget(table_);

    auto* caption = new QLabel(QStringLiteral("장비 차이"), this);
    layout->addWidget(caption);
    differences_ = new QListWidget(this);
    differences_->setObjectName(QStringLiteral("List1"));
    differences_->setAccessibleName(QStringLiteral("장비 차이"));
    differences_->setMinimumHeight(120);
    layout->addWidget(differences_);

    auto* buttons = new QHBoxLayout;
    auto* apply = new QPushButton(QStringLiteral("기준으로 바꾸기"), this);
    apply->setObjectName(QStringLiteral("Command1"));
    auto* close = new QPushButton(QStringLiteral("닫기"), this);
    close->setObjectName(QStringLiteral("Command2"));
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(apply, &QPushButton::clicked, this, [applyReference] { applyReference(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(420, sizeHint().height());

    // Beside the main window, on its right when the screen has room there.
    const QRect main = mainWindow.frameGeometry();
    const QRect screen = mainWindow.screen() ? mainWindow.screen()->availableGeometry() : QRect();
    const bool right = screen.isNull() || main.right() + width() + 8 <= screen.right();
    move(right ? main.right() + 8 : std::max(screen.left(), main.left() - width() - 8), main.top());

    mainWindow.refreshGate().addTimer(this, "Timer1", 10, [this] { refresh(); });
    prepareKeyboard(this, nullptr, close);
}

void CompareWindow::setReference(const Build& reference)
{
    reference_ = reference;
    CharacterState copy = mainWindow_.state();
    applyBuild(copy, reference);
    referenceSheet_ = settledSheet(copy);
    anyShown_ = false;
    refresh();
}

void CompareWindow::refresh()
{
    const StatSheet now = settledSheet(mainWindow_.state());
    for (int row = 0; row < kFigureCount; ++row) {
        const FigureInfo& info = kFigures[static_cast<std::size_t>(row)];
        const ChangeCells cells = changeCells(info.figure, referenceSheet_.figure(info.label), now.figure(info.label));
        setCell(table_, row, 0, cells.before);
        setCell(table_, row, 1, cells.after);
        setCell(table_, row, 2, cells.difference, cells.changed ? (cells.rise ? kRiseColour : kFallColour) : QColor());
    }
    const Build build = mainWindow_.currentBuild();
    if (anyShown_ && build == shownNow_)
        return;
    shownNow_ = build;
    anyShown_ = true;
    const QStringList items = equipmentDifferences(reference_, build);
    differences_->clear();
    differences_->addItems(items.isEmpty() ? QStringList{QStringLiteral("차이 없음")} : items);
}

} // namespace tessarin
