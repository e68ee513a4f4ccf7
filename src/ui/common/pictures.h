#pragma once

#include <QString>

class QWidget;

namespace tessarin {

// Dynamic property on every picture control: the relative name it was last asked to show ("" when clear).
inline constexpr char kPictureProperty[] = "picture";

// The folder pictures are read from: `image` beside the executable.
QString pictureFolder();

// Loads `relativeName` (e.g. "image/lost-2.gif", relative to the executable's folder) into a picture
// control (a QLabel or a button). The name is recorded on the control whether or not the file could be
// read; a missing or unreadable file shows a neutral placeholder and is reported once on stderr.
void loadPicture(QWidget* control, const QString& relativeName);

// Removes the picture of a control and clears its recorded name.
void clearPicture(QWidget* control);

} // namespace tessarin
