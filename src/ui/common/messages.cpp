#include "ui/common/messages.h"

#include <QMessageBox>
#include <QPushButton>

namespace tessarin {

namespace {

MessageHandler& handler()
{
    static MessageHandler instance;
    return instance;
}

ChoiceHandler& choiceHandler()
{
    static ChoiceHandler instance;
    return instance;
}

const QString kTitle = QStringLiteral("Tessarin 수치 계산기");

} // namespace

void setChoiceHandler(ChoiceHandler newHandler)
{
    choiceHandler() = std::move(newHandler);
}

int askChoice(QWidget* parent, const QString& text, const QStringList& buttons)
{
    if (choiceHandler())
        return choiceHandler()(text, buttons);
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        added.append(box.addButton(buttons.at(i), i + 1 == buttons.size() ? QMessageBox::RejectRole
                                                                           : QMessageBox::AcceptRole));
    if (!added.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    box.exec();
    return static_cast<int>(added.indexOf(box.clickedButton()));
}

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
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("확인"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace tessarin
