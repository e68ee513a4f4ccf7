#pragma once

#include "engine/preview.h"

#include <QObject>
#include <QPointer>

#include <optional>

class QLabel;
class QListWidget;
class QTimer;

namespace tessarin {

class InfoPanel;
class MainWindow;

// What an action would change, shown before it is taken, and where each figure comes from.
//
// The change panel Form18 lists the figures that pressing an open editor's confirm button would change
// (an item of its lists under the pointer counts as chosen), or that a click would change while the
// pointer rests on a worn piece's board button, the weapon slot, a worn accessory, a stance button or
// the synthesis chooser's 합성 해제. The breakdown Form19 shows the sources of the figure under the
// pointer. Both follow the record on a refresh timer in the RefreshGate's care, so they sleep with the
// other timers.
class PreviewController : public QObject {
    Q_OBJECT

public:
    explicit PreviewController(MainWindow& mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void refreshChanges();
    void refreshBreakdown();
    // The click on a main-window control (or 합성 해제), when the pointer rests on one that changes anything.
    std::optional<Candidate> clickCandidate(const QWidget* control) const;
    // Watches the lists of the editors that are open, so an item under the pointer is previewed.
    void watchEditorLists();
    void watch(QObject* control);
    bool isFigure(const QWidget* control) const;
    // The pointer rests on a watched control, or has left one (nullptr: left all).
    void pointerOn(QWidget* control);
    void pointerOff(const QWidget* control);

    MainWindow& mainWindow_;
    // Closing every window deletes the panels with the others; the controller then shows nothing more.
    QPointer<InfoPanel> changes_;
    QPointer<InfoPanel> breakdown_;
    QTimer* timer_ = nullptr;
    QPointer<QWidget> hoveredControl_; // a main-window control (or 합성 해제) under the pointer
    QPointer<QListWidget> hoveredList_;
    int hoveredRow_ = -1;
    QPointer<QWidget> hoveredFigure_;
};

} // namespace tessarin
