#include "ui/common/messages.h"

#include <QMessageBox>

namespace tessarin {

namespace {

MessageHandler& handler()
{
    static MessageHandler instance;
    return instance;
}

} // namespace

void setMessageHandler(MessageHandler newHandler)
{
    handler() = std::move(newHandler);
}

void showMessage(QWidget* parent, const QString& text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tessarin 수치 계산기"), text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("확인"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace tessarin
