#include "ui/main/optimizer_window.h"

#include "data/catalogue.h"
#include "engine/numbers.h"
#include "engine/preview.h"
#include "engine/shield_optimizer.h"
#include "ui/common/keyboard.h"
#include "ui/common/pictures.h"
#include "ui/common/refresh_gate.h"
#include "ui/common/theme.h"
#include "ui/main/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

namespace tessarin {

namespace {

const QString kListSheet = QStringLiteral(
    "QListWidget { background: #12151b; color: #f4e7c3; border: 1px solid #8a6d2f; }"
    "QListWidget::item:selected { background: #8a6d2f; color: white; }"
    "QProgressBar { background: #12151b; border: 1px solid #8a6d2f; color: #f4e7c3; text-align: center; }"
    "QProgressBar::chunk { background: #8a6d2f; }"
    "QRadioButton { spacing: 6px; }");

QString shownFigure(SheetFigure figure, double value)
{
    return formatNumber(value) + (figureInfo(figure).rate ? QStringLiteral("%") : QString());
}

QString pieceLine(int piece, const ShieldPiecePlan& plan)
{
    if (plan.kept)
        return QStringLiteral("%1번: 지금 것 유지").arg(piece);
    const CatalogueEntry* entry = catalogueEntry(plan.row, piece);
    const CatalogueSubOption& sub = entry->subOptions[static_cast<std::size_t>(plan.subOption - 1)];
    QString text = QStringLiteral("%1번: %2 · %3 %4 · %5 %6")
                       .arg(piece)
                       .arg(catalogueRowPrefix(plan.row), QString::fromUtf8(entry->mainLabel))
                       .arg(formatNumber(plan.mainValue(piece)))
                       .arg(QString::fromUtf8(kStatNames[static_cast<std::size_t>(sub.stat)]))
                       .arg(formatNumber(plan.subValue(piece)));
    if (plan.synthesisStat > 0)
        text += QStringLiteral(" · 합성 %1 %2")
                    .arg(QString::fromUtf8(kStatNames[static_cast<std::size_t>(plan.synthesisStat - 1)]))
                    .arg(entry->synthesisMax);
    else
        text += QStringLiteral(" · 합성 없음");
    return text;
}

} // namespace

OptimizerWindow::OptimizerWindow(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("최적 보패 찾기"));
    setStyleSheet(editorStyleSheet() + kListSheet);
    auto* layout = new QGridLayout(this);
    QStringList names;
    for (const FigureInfo& info : kFigures)
        names << QString::fromUtf8(info.name);

    layout->addWidget(new QLabel(QStringLiteral("목표 (가장 크게)"), this), 0, 0);
    goal_ = new QComboBox(this);
    goal_->setObjectName(QStringLiteral("Combo1"));
    goal_->addItems(names);
    goal_->setCurrentIndex(static_cast<int>(Figure::ExpectedAttack));
    layout->addWidget(goal_, 0, 1, 1, 2);

    for (int i = 0; i < 4; ++i) {
        layout->addWidget(new QLabel(i == 0 ? QStringLiteral("최소 조건") : QString(), this), 1 + i, 0);
        auto* figure = new QComboBox(this);
        figure->setObjectName(QStringLiteral("Combo%1").arg(2 + i));
        figure->addItem(QString());
        figure->addItems(names);
        auto* value = new QLineEdit(this);
        value->setObjectName(QStringLiteral("Text%1").arg(1 + i));
        value->setPlaceholderText(QStringLiteral("≥ 값"));
        value->setAccessibleName(QStringLiteral("최소 조건 %1의 값").arg(1 + i));
        figure->setAccessibleName(QStringLiteral("최소 조건 %1").arg(1 + i));
        layout->addWidget(figure, 1 + i, 1);
        layout->addWidget(value, 1 + i, 2);
        minimumFigures_[static_cast<std::size_t>(i)] = figure;
        minimumValues_[static_cast<std::size_t>(i)] = value;
    }

    auto* rowFrame = new QGroupBox(QStringLiteral("쓸 보패"), this);
    auto* rowLayout = new QVBoxLayout(rowFrame);
    rowLayout->setContentsMargins(10, 20, 10, 6); // room for the frame's caption
    const std::array<const char*, 3> rowNames = {"1 잃어버린 영린족", "2 바다뱀 최상급", "3 바다뱀 영웅"};
    for (int i = 0; i < 3; ++i) {
        auto* check = new QCheckBox(QString::fromUtf8(rowNames[static_cast<std::size_t>(i)]), rowFrame);
        check->setObjectName(QStringLiteral("Check%1").arg(1 + i));
        check->setChecked(true);
        rowLayout->addWidget(check);
        rows_[static_cast<std::size_t>(i)] = check;
    }
    layout->addWidget(rowFrame, 5, 0, 1, 3);

    auto* keepFrame = new QGroupBox(QStringLiteral("자리"), this);
    auto* keepLayout = new QGridLayout(keepFrame);
    keepLayout->setContentsMargins(10, 20, 10, 6);
    for (int k = 1; k <= kPieceCount; ++k) {
        auto* check = new QCheckBox(QStringLiteral("%1번 지금 것 유지").arg(k), keepFrame);
        check->setObjectName(QStringLiteral("Check%1").arg(3 + k));
        keepLayout->addWidget(check, (k - 1) / 2, (k - 1) % 2);
        keep_[static_cast<std::size_t>(k - 1)] = check;
    }
    layout->addWidget(keepFrame, 6, 0, 1, 3);

    auto* synthesisFrame = new QGroupBox(QStringLiteral("합성"), this);
    auto* synthesisLayout = new QHBoxLayout(synthesisFrame);
    synthesisLayout->setContentsMargins(10, 20, 10, 6);
    noSynthesis_ = new QRadioButton(QStringLiteral("합성 없음"), synthesisFrame);
    noSynthesis_->setObjectName(QStringLiteral("Option1"));
    noSynthesis_->setChecked(true);
    maxSynthesis_ = new QRadioButton(QStringLiteral("최대치 합성"), synthesisFrame);
    maxSynthesis_->setObjectName(QStringLiteral("Option2"));
    synthesisLayout->addWidget(noSynthesis_);
    synthesisLayout->addWidget(maxSynthesis_);
    layout->addWidget(synthesisFrame, 7, 0, 1, 3);

    find_ = new QPushButton(QStringLiteral("찾기"), this);
    find_->setObjectName(QStringLiteral("Command1"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setAccessibleName(QStringLiteral("찾기 진행"));
    stop_ = new QPushButton(QStringLiteral("중지"), this);
    stop_->setObjectName(QStringLiteral("Command2"));
    stop_->setEnabled(false);
    layout->addWidget(find_, 8, 0);
    layout->addWidget(progress_, 8, 1);
    layout->addWidget(stop_, 8, 2);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Label1"));
    status_->setWordWrap(true);
    layout->addWidget(status_, 9, 0, 1, 3);
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("List1"));
    results_->setAccessibleName(QStringLiteral("결과"));
    results_->setMinimumSize(560, 180);
    layout->addWidget(results_, 10, 0, 1, 3);
    pieces_ = new QListWidget(this);
    pieces_->setObjectName(QStringLiteral("List2"));
    pieces_->setAccessibleName(QStringLiteral("고른 결과의 보패"));
    pieces_->setMinimumHeight(160);
    layout->addWidget(pieces_, 11, 0, 1, 3);

    wear_ = new QPushButton(QStringLiteral("착용"), this);
    wear_->setObjectName(QStringLiteral("Command3"));
    wear_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("닫기"), this);
    close->setObjectName(QStringLiteral("Command4"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(wear_);
    buttons->addWidget(close);
    layout->addLayout(buttons, 12, 0, 1, 3);

    connect(find_, &QPushButton::clicked, this, &OptimizerWindow::search);
    connect(stop_, &QPushButton::clicked, this, &OptimizerWindow::stop);
    connect(wear_, &QPushButton::clicked, this, &OptimizerWindow::wear);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(results_, &QListWidget::currentRowChanged, this, &OptimizerWindow::showPieces);

    // The progress bar follows the search only while one runs; an idle window has no timer going.
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(50);
    connect(progressTimer_, &QTimer::timeout, this,
            [this] { progress_->setValue(progressPermille_.load(std::memory_order_relaxed)); });
    prepareKeyboard(this, find_, close);
}

OptimizerWindow::~OptimizerWindow()
{
    stop();
    if (thread_)
        thread_->wait();
}

ShieldSearchSettings OptimizerWindow::settings() const
{
    ShieldSearchSettings settings;
    settings.goal = static_cast<SheetFigure>(goal_->currentIndex());
    for (std::size_t i = 0; i < minimumFigures_.size(); ++i)
        if (const int index = minimumFigures_[i]->currentIndex(); index > 0)
            settings.minimums.push_back({static_cast<SheetFigure>(index - 1), textToNumber(minimumValues_[i]->text())});
    for (int row = 1; row <= kCatalogueRows; ++row)
        settings.rows[row] = rows_[static_cast<std::size_t>(row - 1)]->isChecked();
    for (int k = 1; k <= kPieceCount; ++k)
        settings.keep[k] = keep_[static_cast<std::size_t>(k - 1)]->isChecked();
    settings.synthesis = maxSynthesis_->isChecked() ? ShieldSynthesis::AtMaximum : ShieldSynthesis::None;
    return settings;
}

void OptimizerWindow::search()
{
    if (thread_)
        return;
    mainWindow_.settleChange();
    searched_ = settings();
    const CharacterState copy = mainWindow_.state();
    stopRequested_ = false;
    progressPermille_ = 0;
    results_->clear();
    pieces_->clear();
    shown_.clear();
    wear_->setEnabled(false);
    find_->setEnabled(false);
    stop_->setEnabled(true);
    status_->setText(QStringLiteral("찾는 중…"));
    progress_->setValue(0);
    progressTimer_->start();
    thread_ = QThread::create([this, copy, settings = searched_] {
        ShieldSearchControl control;
        control.stop = &stopRequested_;
        control.progress = [this](double share) {
            progressPermille_.store(static_cast<int>(share * 1000), std::memory_order_relaxed);
        };
        outcome_ = findBestShields(copy, settings, control);
    });
    connect(thread_, &QThread::finished, this, &OptimizerWindow::finished);
    thread_->start();
}

void OptimizerWindow::stop()
{
    stopRequested_ = true;
}

void OptimizerWindow::finished()
{
    if (!thread_)
        return; // closing already took the search's end
    thread_->disconnect(this);
    thread_->deleteLater();
    thread_ = nullptr;
    progressTimer_->stop();
    find_->setEnabled(true);
    stop_->setEnabled(false);
    progress_->setValue(outcome_.stopped ? progressPermille_.load() : 1000);
    shown_ = outcome_.results;
    const StatSheet now = settledSheet(mainWindow_.state());
    for (const ShieldResult& result : shown_) {
        const StatSheet after = previewSheet(mainWindow_.state(), [&result](CharacterState& state) {
            applyShieldResult(state, result);
        });
        QStringList lines;
        for (const ChangeLine& line : changeLines(now, after))
            lines << line.text;
        results_->addItem(shownFigure(searched_.goal, figureOf(result.figures, searched_.goal)) + QStringLiteral("   ") +
                          (lines.isEmpty() ? QStringLiteral("변화 없음") : lines.join(QStringLiteral(" · "))));
    }
    if (shown_.empty())
        status_->setText(outcome_.stopped ? QStringLiteral("중지했습니다. 조건을 만족하는 보패를 아직 찾지 못했습니다.")
                                          : QStringLiteral("최소 조건을 모두 만족하는 보패가 없습니다."));
    else
        status_->setText(outcome_.stopped ? QStringLiteral("중지했습니다. 지금까지 찾은 결과입니다.")
                                          : QStringLiteral("가장 좋은 보패 %1개를 찾았습니다.").arg(shown_.size()));
    if (!shown_.empty())
        results_->setCurrentRow(0);
}

void OptimizerWindow::showPieces()
{
    pieces_->clear();
    const int row = results_->currentRow();
    wear_->setEnabled(row >= 0 && row < static_cast<int>(shown_.size()));
    if (!wear_->isEnabled())
        return;
    const ShieldResult& result = shown_[static_cast<std::size_t>(row)];
    for (int k = 1; k <= kPieceCount; ++k)
        pieces_->addItem(pieceLine(k, result.pieces[k]));
}

void OptimizerWindow::wear()
{
    const int row = results_->currentRow();
    if (row < 0 || row >= static_cast<int>(shown_.size()))
        return;
    mainWindow_.settleChange();
    const AppliedShield applied = applyShieldResult(mainWindow_.state(), shown_[static_cast<std::size_t>(row)]);
    for (int k = 1; k <= kPieceCount; ++k)
        if (!applied.piecePictures[k].isEmpty())
            loadPicture(mainWindow_.piecePicture(k), applied.piecePictures[k]);
    for (int i = 0; i < kIndicatorCount; ++i)
        if (const QString& picture = applied.indicatorPictures[static_cast<std::size_t>(i)]; !picture.isEmpty())
            loadPicture(mainWindow_.findChild<QLabel*>(QStringLiteral("Image%1").arg(10 + i)), picture);
    mainWindow_.noteChange();
    mainWindow_.refreshGate().wake();
}

void OptimizerWindow::closeEvent(QCloseEvent* event)
{
    stop();
    if (thread_) {
        thread_->wait(); // a stop ends the search within milliseconds
        finished();
    }
    QWidget::closeEvent(event);
}

} // namespace tessarin
