#pragma once

#include <QString>

namespace tessarin {

// The look of the editor windows: dark panels with gold accents, matching the main window.
QString editorStyleSheet();

} // namespace tessarin
