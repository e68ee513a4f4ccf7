#include "ui/main/program_menu.h"

#include "engine/sheet_report.h"
#include "engine/stat_sheet.h"
#include "storage/build_code.h"
#include "storage/build_file.h"
#include "ui/common/hot_label.h"
#include "ui/common/messages.h"
#include "ui/common/twips.h"
#include "ui/main/compare_window.h"
#include "ui/main/main_window.h"
#include "ui/main/optimizer_window.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>

namespace tessarin {

namespace {

const QString kProgramTitle = QStringLiteral("Tessarin 수치 계산기");
const QString kFilter = QStringLiteral("Tessarin 캐릭터 (*.tessarin)");
const QString kSuffix = QStringLiteral(".tessarin");
const QString kRecentKey = QStringLiteral("recentBuilds");
constexpr int kRecentCount = 8;

ProgramMenu::FileChooser& fileChooser()
{
    static ProgramMenu::FileChooser chooser;
    return chooser;
}

const QString kMenuSheet = QStringLiteral(
    "QMenu { background: #1b1f27; color: #f4e7c3; border: 1px solid #8a6d2f; padding: 4px 0; }"
    "QMenu::item { padding: 4px 28px 4px 18px; }"
    "QMenu::item:selected { background: #8a6d2f; color: white; }"
    "QMenu::item:disabled { color: #6d6552; }"
    "QMenu::separator { height: 1px; background: #4a3f28; margin: 4px 8px; }");

QString localBuildFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(kSuffix, Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

} // namespace

void ProgramMenu::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

QString ProgramMenu::settingsPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(QStringLiteral("tessarin.conf"));
}

ProgramMenu::ProgramMenu(MainWindow& mainWindow) : QObject(&mainWindow), window_(mainWindow)
{
    setObjectName(QStringLiteral("ProgramMenuCommands"));
    // The emblem drawn at the left end of the title strip opens the menu; the rest of the strip drags.
    auto* mark = new HotLabel(&window_);
    mark->setObjectName(QStringLiteral("MenuMark"));
    mark->setGeometry(twipsRect(120, 60, 390, 390));
    mark->setProperty("look", QStringLiteral("plain"));
    mark->setCursor(Qt::PointingHandCursor);
    mark->setToolTip(QStringLiteral("메뉴 (F10)"));
    mark->setAccessibleName(QStringLiteral("프로그램 메뉴"));
    connect(mark, &HotLabel::clicked, this, &ProgramMenu::popupAtMark);

    name_ = new QLabel(&window_);
    name_->setObjectName(QStringLiteral("BuildName"));
    name_->setGeometry(twipsRect(570, 90, 3300, 300));
    name_->setProperty("look", QStringLiteral("caption"));
    name_->setAttribute(Qt::WA_TransparentForMouseEvents);
    name_->hide();

    menu_ = new QMenu(&window_);
    menu_->setObjectName(QStringLiteral("ProgramMenu"));
    menu_->setStyleSheet(kMenuSheet);

    addCommand("actionNew", QStringLiteral("새 캐릭터"), {QKeySequence(Qt::CTRL | Qt::Key_N)}, &ProgramMenu::newBuild);
    addCommand("actionOpen", QStringLiteral("캐릭터 열기…"), {QKeySequence(Qt::CTRL | Qt::Key_O)}, &ProgramMenu::open);
    recent_ = menu_->addMenu(QStringLiteral("최근 캐릭터"));
    recent_->setObjectName(QStringLiteral("RecentMenu"));
    recent_->setStyleSheet(kMenuSheet);
    connect(menu_, &QMenu::aboutToShow, this, &ProgramMenu::fillRecent);
    addCommand("actionSave", QStringLiteral("캐릭터 저장"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, &ProgramMenu::save);
    addCommand("actionSaveAs", QStringLiteral("다른 이름으로 저장…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
               &ProgramMenu::saveAs);
    menu_->addSeparator();
    undo_ = addCommand("actionUndo", QStringLiteral("되돌리기"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &ProgramMenu::undo);
    redo_ = addCommand("actionRedo", QStringLiteral("다시 실행"),
                       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                       &ProgramMenu::redo);
    menu_->addSeparator();
    addCommand("actionCopySheet", QStringLiteral("시트 복사"), {QKeySequence(Qt::CTRL | Qt::Key_C)},
               &ProgramMenu::copySheet);
    addCommand("actionCopyCode", QStringLiteral("공유 코드 복사"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
               &ProgramMenu::copyCode);
    addCommand("actionPasteCode", QStringLiteral("공유 코드로 불러오기"),
               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, &ProgramMenu::pasteClipboard);
    menu_->addSeparator();
    addCommand("actionPin", QStringLiteral("비교 기준으로 고정"), {}, &ProgramMenu::pin);
    addCommand("actionCompareFile", QStringLiteral("파일과 비교…"), {}, &ProgramMenu::compareFile);
    unpin_ = addCommand("actionUnpin", QStringLiteral("비교 해제"), {}, &ProgramMenu::unpin);
    menu_->addSeparator();
    addCommand("actionOptimize", QStringLiteral("최적 보패 찾기…"), {QKeySequence(Qt::CTRL | Qt::Key_F)},
               &ProgramMenu::optimize);

    // F10 and the menu key open the menu too; they are not items of it.
    auto* opener = new QAction(&window_);
    opener->setObjectName(QStringLiteral("actionMenu"));
    opener->setShortcuts({QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    opener->setShortcutContext(Qt::WindowShortcut);
    connect(opener, &QAction::triggered, this, &ProgramMenu::popupAtMark);
    window_.addAction(opener);

    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
    window_.setCloseGuard([this] { return closeAllowed(); });
    connect(&window_, &MainWindow::buildChanged, this, &ProgramMenu::refreshMarks);
    saved_ = window_.history().current();
    refreshMarks();
}

QAction* ProgramMenu::addCommand(const char* name, const QString& text, const QList<QKeySequence>& keys,
                                 void (ProgramMenu::*command)())
{
    auto* action = new QAction(text, &window_);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command);
    window_.addAction(action);
    menu_->addAction(action);
    return action;
}

void ProgramMenu::popupAtMark()
{
    const QWidget* mark = window_.findChild<QWidget*>(QStringLiteral("MenuMark"));
    menu_->popup(mark->mapToGlobal(QPoint(0, mark->height())));
}

bool ProgramMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::ContextMenu: {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            if (menuEvent->reason() == QContextMenuEvent::Keyboard)
                popupAtMark();
            else
                menu_->popup(menuEvent->globalPos());
            return true;
        }
        case QEvent::DragEnter: {
            auto* drag = static_cast<QDragEnterEvent*>(event);
            if (!localBuildFile(drag->mimeData()).isEmpty())
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = localBuildFile(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                // The drag source waits for the drop to end; the message of a refused file comes after.
                QMetaObject::invokeMethod(this, [this, path] { openFile(path); }, Qt::QueuedConnection);
            }
            return true;
        }
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ProgramMenu::hasUnsavedChanges() const
{
    return !file_.isEmpty() && window_.history().current() != saved_;
}

void ProgramMenu::refreshMarks()
{
    unpin_->setEnabled(reference_.has_value());
    undo_->setEnabled(window_.history().canUndo());
    redo_->setEnabled(window_.history().canRedo());
    if (file_.isEmpty()) {
        name_->hide();
        name_->clear();
        window_.setWindowTitle(kProgramTitle);
        return;
    }
    const bool unsaved = hasUnsavedChanges();
    name_->setText(fileName(file_) + (unsaved ? QStringLiteral("  ●") : QString()));
    name_->setToolTip(unsaved ? QStringLiteral("%1\n저장하지 않은 변경이 있습니다.").arg(file_) : file_);
    name_->setAccessibleName(QStringLiteral("캐릭터 파일 %1%2")
                                 .arg(fileName(file_), unsaved ? QStringLiteral(", 저장하지 않은 변경 있음") : QString()));
    name_->show();
    window_.setWindowTitle(fileName(file_) + (unsaved ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") +
                           kProgramTitle);
}

void ProgramMenu::showStep(const std::optional<Build>& build)
{
    if (!build)
        return;
    window_.showBuild(*build);
    refreshMarks();
}

void ProgramMenu::newBuild()
{
    window_.settleChange();
    window_.showBuild(Build{});
    file_.clear();
    window_.history().record(window_.currentBuild());
    saved_ = window_.history().current();
    refreshMarks();
}

bool ProgramMenu::openFile(const QString& path, bool atStart)
{
    const BuildReading reading = loadBuildFile(path);
    if (!reading.build) {
        showMessage(&window_, QStringLiteral("'%1' 파일을 열지 못했습니다.\n%2").arg(fileName(path), reading.fault));
        return false;
    }
    window_.settleChange();
    window_.showBuild(*reading.build);
    if (atStart)
        window_.history().reset(*reading.build);
    else
        window_.history().record(*reading.build);
    file_ = QFileInfo(path).absoluteFilePath();
    saved_ = *reading.build;
    addRecent(file_);
    refreshMarks();
    return true;
}

bool ProgramMenu::saveTo(const QString& path)
{
    window_.settleChange();
    const Build build = window_.currentBuild();
    if (const QString fault = saveBuildFile(path, build); !fault.isEmpty()) {
        showMessage(&window_, QStringLiteral("'%1' 파일에 저장하지 못했습니다.\n%2").arg(fileName(path), fault));
        return false;
    }
    file_ = QFileInfo(path).absoluteFilePath();
    saved_ = build;
    addRecent(file_);
    refreshMarks();
    return true;
}

bool ProgramMenu::pasteCode(const QString& code)
{
    const BuildReading reading = decodeShareCode(code);
    if (!reading.build) {
        showMessage(&window_, QStringLiteral("공유 코드를 불러오지 못했습니다.\n%1").arg(reading.fault));
        return false;
    }
    window_.settleChange();
    window_.showBuild(*reading.build);
    window_.history().record(*reading.build);
    refreshMarks();
    return true;
}

QString ProgramMenu::chooseFile(bool forSaving)
{
    if (fileChooser())
        return fileChooser()(forSaving);
    const QString folder = file_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                           : QFileInfo(file_).absolutePath();
    if (!forSaving)
        return QFileDialog::getOpenFileName(&window_, QStringLiteral("캐릭터 열기"), folder, kFilter);
    const QString suggested = file_.isEmpty() ? QDir(folder).filePath(QStringLiteral("캐릭터") + kSuffix) : file_;
    return QFileDialog::getSaveFileName(&window_, QStringLiteral("다른 이름으로 저장"), suggested, kFilter);
}

void ProgramMenu::open()
{
    const QString path = chooseFile(false);
    if (!path.isEmpty())
        openFile(path);
}

void ProgramMenu::save()
{
    if (file_.isEmpty())
        saveAs();
    else
        saveTo(file_);
}

void ProgramMenu::saveAs()
{
    QString path = chooseFile(true);
    if (path.isEmpty())
        return;
    if (!path.endsWith(kSuffix, Qt::CaseInsensitive))
        path += kSuffix;
    saveTo(path);
}

void ProgramMenu::undo()
{
    window_.settleChange();
    showStep(window_.history().undo());
}

void ProgramMenu::redo()
{
    window_.settleChange();
    showStep(window_.history().redo());
}

void ProgramMenu::copySheet()
{
    QGuiApplication::clipboard()->setText(sheetReport(window_.currentBuild(), computeSheet(window_.state())));
}

void ProgramMenu::copyCode()
{
    QGuiApplication::clipboard()->setText(encodeShareCode(window_.currentBuild()));
}

void ProgramMenu::pasteClipboard()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        showMessage(&window_, QStringLiteral("클립보드에 공유 코드가 없습니다."));
        return;
    }
    pasteCode(text);
}

void ProgramMenu::pin()
{
    window_.settleChange();
    showComparison(window_.currentBuild());
}

void ProgramMenu::compareFile()
{
    const QString path = chooseFile(false);
    if (path.isEmpty())
        return;
    const BuildReading reading = loadBuildFile(path);
    if (!reading.build) {
        showMessage(&window_, QStringLiteral("'%1' 파일과 비교하지 못했습니다.\n%2").arg(fileName(path), reading.fault));
        return;
    }
    showComparison(*reading.build);
}

void ProgramMenu::showComparison(const Build& reference)
{
    reference_ = reference;
    auto* compare = window_.windows().show<CompareWindow>(
        QStringLiteral("Form20"), [this] { return new CompareWindow(window_, [this] { applyReference(); }); });
    compare->setReference(reference);
    refreshMarks();
}

void ProgramMenu::optimize()
{
    window_.windows().show<OptimizerWindow>(QStringLiteral("Form21"), [this] { return new OptimizerWindow(window_); });
}

void ProgramMenu::unpin()
{
    reference_.reset();
    window_.windows().close(QStringLiteral("Form20"));
    refreshMarks();
}

void ProgramMenu::applyReference()
{
    if (!reference_)
        return;
    window_.settleChange();
    const Build reference = *reference_;
    window_.showBuild(reference);
    if (window_.history().record(window_.currentBuild()))
        emit window_.buildChanged();
    refreshMarks();
}

void ProgramMenu::fillRecent()
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    QStringList files = settings.value(kRecentKey).toStringList();
    files.erase(std::remove_if(files.begin(), files.end(), [](const QString& f) { return !QFileInfo::exists(f); }),
                files.end());
    settings.setValue(kRecentKey, files);
    recent_->clear();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction* item = recent_->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(fileName(path)));
        item->setToolTip(path);
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    if (files.isEmpty())
        recent_->addAction(QStringLiteral("(없음)"))->setEnabled(false);
}

void ProgramMenu::addRecent(const QString& path)
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    QStringList files = settings.value(kRecentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentCount)
        files.removeLast();
    settings.setValue(kRecentKey, files);
}

bool ProgramMenu::closeAllowed()
{
    window_.settleChange();
    if (!hasUnsavedChanges())
        return true;
    const int answer = askChoice(&window_,
                                 QStringLiteral("'%1'에 저장하지 않은 변경이 있습니다. 저장할까요?").arg(fileName(file_)),
                                 {QStringLiteral("저장"), QStringLiteral("저장 안 함"), QStringLiteral("취소")});
    if (answer == 0)
        return saveTo(file_);
    return answer == 1;
}

} // namespace tessarin
