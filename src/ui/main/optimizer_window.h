#pragma once

#include "engine/shield_plan.h"

#include <QWidget>

#include <atomic>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QThread;
class QTimer;

namespace tessarin {

class MainWindow;

// Form21 "최적 보패 찾기": the best soul shields for a goal under up to four minimums. The search runs
// on a thread of its own on a copy of the record; 중지 and closing the window stop it. 착용 puts the
// selected result on as one undo step.
class OptimizerWindow : public QWidget {
    Q_OBJECT

public:
    explicit OptimizerWindow(MainWindow& mainWindow);
    ~OptimizerWindow() override;

    bool searching() const { return thread_ != nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ShieldSearchSettings settings() const;
    void search();
    void stop();
    void finished();
    void showPieces();
    void wear();

    MainWindow& mainWindow_;
    QComboBox* goal_ = nullptr;
    std::array<QComboBox*, 4> minimumFigures_{};
    std::array<QLineEdit*, 4> minimumValues_{};
    std::array<QCheckBox*, 3> rows_{};
    std::array<QCheckBox*, kPieceCount> keep_{};
    QRadioButton* noSynthesis_ = nullptr;
    QRadioButton* maxSynthesis_ = nullptr;
    QPushButton* find_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* wear_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QListWidget* results_ = nullptr;
    QListWidget* pieces_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* progressTimer_ = nullptr;

    QThread* thread_ = nullptr;
    std::atomic<bool> stopRequested_{false};
    std::atomic<int> progressPermille_{0};
    ShieldSearchOutcome outcome_;
    ShieldSearchSettings searched_;
    std::vector<ShieldResult> shown_;
};

} // namespace tessarin
