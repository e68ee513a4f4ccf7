#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class QLabel;

namespace tessarin {

class MainWindow;
class TooltipWindow;
struct TooltipView;

// The hover tooltips of the main window: moves over the set indicators `Image10`-`Image12` and the gem
// picture `Image18` show, move, hide or destroy `Form16`; moves over the bare main window or over the
// tooltip itself hide it.
class TooltipHover : public QObject {
    Q_OBJECT

public:
    explicit TooltipHover(MainWindow& mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pictureMoved(QLabel* picture, QPointF position);
    void tooltipMoved(QPointF globalPosition);
    void apply(const TooltipView& view);
    void hide();

    MainWindow& mainWindow_;
    QLabel* gemPicture_ = nullptr;
    QPointer<TooltipWindow> tooltip_;
};

} // namespace tessarin
