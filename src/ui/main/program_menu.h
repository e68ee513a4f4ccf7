#pragma once

#include "engine/build.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;

namespace tessarin {

class MainWindow;

// The program menu (ProgramMenu) of the main window and what its commands do: build files, recent
// files, undo and redo, the sheet as text and share codes. Opened by the emblem (MenuMark), a right
// click on the window, F10 or the menu key; every command also has its shortcut on the main window.
// While a build file is in use, the title strip names it (BuildName) and marks unsaved changes.
class ProgramMenu : public QObject {
    Q_OBJECT

public:
    explicit ProgramMenu(MainWindow& mainWindow);

    // Opens a build file as "캐릭터 열기…" does: refused with a message that names the file and the fault
    // (nothing changes), or shown as one undo step. At start the build is shown without a step.
    bool openFile(const QString& path, bool atStart = false);
    // Saves the current build to `path`, which is then the file in use; a failure says so.
    bool saveTo(const QString& path);
    // Reads a share code as "공유 코드로 불러오기" does with the clipboard.
    bool pasteCode(const QString& code);

    const QString& currentFile() const { return file_; }
    // The build Form20 compares the character with, while one is kept.
    const std::optional<Build>& reference() const { return reference_; }
    bool hasUnsavedChanges() const;
    QMenu* menu() const { return menu_; }

    // Tests choose the file instead of the file dialog: `forSaving` tells which dialog it would be, an
    // empty path is a cancelled dialog.
    using FileChooser = std::function<QString(bool forSaving)>;
    static void setFileChooser(FileChooser chooser);
    // Where the recent files are kept (QSettings, in the user's config folder).
    static QString settingsPath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(const char* name, const QString& text, const QList<QKeySequence>& keys,
                        void (ProgramMenu::*command)());
    void popupAtMark();
    void newBuild();
    void open();
    void save();
    void saveAs();
    void undo();
    void redo();
    void copySheet();
    void copyCode();
    void pasteClipboard();
    void pin();
    void compareFile();
    void unpin();
    void optimize();
    void showComparison(const Build& reference);
    void applyReference();
    void showStep(const std::optional<Build>& build);
    void refreshMarks();
    void fillRecent();
    void addRecent(const QString& path);
    QString chooseFile(bool forSaving);
    bool closeAllowed();

    MainWindow& window_;
    QMenu* menu_ = nullptr;
    QMenu* recent_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* unpin_ = nullptr;
    std::optional<Build> reference_;
    QLabel* name_ = nullptr;
    QString file_;
    Build saved_;
};

} // namespace tessarin
