#pragma once

#include <QList>

#include <span>

class QAbstractButton;
class QWidget;

namespace tessarin {

// Makes a window usable without a mouse:
// - Tab follows the visual order (orderTabsVisually, run each time the window shows);
// - Enter presses a focused push button, otherwise `confirm` when it is enabled;
// - Esc presses `cancel` (the window's 취소, or its 닫기 where it has none);
// - controls without a text of their own are named after their caption (nameControlsByCaptions, also
//   run each time the window shows).
// Either button may be null: the key then does nothing in that window.
void prepareKeyboard(QWidget* window, QAbstractButton* confirm, QAbstractButton* cancel);

// Chains the Tab focus of a window's controls in the order a person reads them: the controls and frames
// of a container top to bottom, left to right within a row, each frame's own controls where the frame
// stands. Returns the chain.
QList<QWidget*> orderTabsVisually(QWidget* window);

// Arrow keys move the focus among the controls of `group` to the nearest one in the arrow's direction;
// the group lives as long as its first control.
void moveFocusWithArrows(std::span<QWidget* const> group);

// Gives every focusable control of `window` that has no text of its own, and no name given by the
// window, the text of its caption as accessible name: the label whose buddy it is, else the label
// beside it on its left, else the one just above; prefixed with the title of its frame. Runs again
// whenever captions change; names it gave before are replaced.
void nameControlsByCaptions(QWidget* window);

} // namespace tessarin
