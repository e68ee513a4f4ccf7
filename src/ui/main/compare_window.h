#pragma once

#include "engine/build.h"
#include "engine/stat_sheet.h"

#include <QWidget>

#include <functional>

class QListWidget;
class QTableWidget;

namespace tessarin {

class MainWindow;

// Form20 "비교": the reference build beside the character as it stands. Table1 lists the seventeen
// figures (기준, 지금, 차이 as the change panel writes them), List1 what differs in equipment. Both follow
// the character at every tick of its Timer1. "기준으로 바꾸기" asks `applyReference`, "닫기" closes the
// window and keeps the reference.
class CompareWindow : public QWidget {
    Q_OBJECT

public:
    CompareWindow(MainWindow& mainWindow, std::function<void()> applyReference);

    // The build compared with; the window follows it from the next tick.
    void setReference(const Build& reference);

private:
    void refresh();

    MainWindow& mainWindow_;
    QTableWidget* table_ = nullptr;
    QListWidget* differences_ = nullptr;
    Build reference_;
    StatSheet referenceSheet_;
    Build shownNow_;
    bool anyShown_ = false;
};

} // namespace tessarin
