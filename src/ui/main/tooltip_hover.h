#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <array>

namespace tessarin {

class HotLabel;
class MainWindow;
class TooltipWindow;
struct TooltipView;

// The hover tooltips of the main window: moves over the set indicators `Image10`-`Image12` and the gem
// picture `Image18` show, move, hide or destroy `Form16`; moves over the bare main window hide it, and so
// do moves over the tooltip itself unless the pointer is still over one of those pictures.
class TooltipHover : public QObject {
    Q_OBJECT

public:
    explicit TooltipHover(MainWindow& mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pictureMoved(HotLabel* picture, QPointF position);
    void tooltipMoved(QPointF globalPosition);
    void apply(const TooltipView& view);
    void hide();

    MainWindow& mainWindow_;
    std::array<HotLabel*, 4> pictures_{}; // Image10, Image11, Image12, Image18
    QPointer<TooltipWindow> tooltip_;
};

} // namespace tessarin
