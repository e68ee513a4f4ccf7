#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tessarin {

// Every message of the program: one OK button, the application's title as caption, and the handler
// waits until it is answered.
void showMessage(QWidget* parent, const QString& text);

// Tests answer messages instead of blocking: while a handler is set, messages go to it alone.
using MessageHandler = std::function<void(const QString& text)>;
void setMessageHandler(MessageHandler handler);

} // namespace tessarin
