#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QRect;

namespace tessarin {

// The look of the editor windows: dark panels with gold accents, matching the main window.
QString editorStyleSheet();

// The frame of the control that has the keyboard focus, in every window: a bright gold line, brighter than
// the gold of a control under the pointer. Style sheets name it as #ffd75e.
inline const QColor kFocusColour(0xff, 0xd7, 0x5e);
// Draws that frame just inside `rect` (for the controls that paint themselves).
void paintFocusFrame(QPainter& painter, const QRect& rect);

} // namespace tessarin
