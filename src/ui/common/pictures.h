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

// Shows a picture built into the program (a Qt resource such as ":/help/first-page-1.jpg") the same
// way: the resource path is recorded on the control, and a missing resource shows the placeholder.
void loadBuiltInPicture(QWidget* control, const QString& resourcePath);

// Removes the picture of a control and clears its recorded name.
void clearPicture(QWidget* control);

} // namespace tessarin
