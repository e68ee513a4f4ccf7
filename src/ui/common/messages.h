#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace tessarin {

// Every message of the program: one OK button, the application's title as caption, and the handler
// waits until it is answered.
void showMessage(QWidget* parent, const QString& text);

// Tests answer messages instead of blocking: while a handler is set, messages go to it alone.
using MessageHandler = std::function<void(const QString& text)>;
void setMessageHandler(MessageHandler handler);

// A question with buttons of their own, captioned like every message: the index of the button pressed,
// or -1 when the box was closed without one. While a handler is set, it answers instead.
int askChoice(QWidget* parent, const QString& text, const QStringList& buttons);
using ChoiceHandler = std::function<int(const QString& text, const QStringList& buttons)>;
void setChoiceHandler(ChoiceHandler handler);

} // namespace tessarin
