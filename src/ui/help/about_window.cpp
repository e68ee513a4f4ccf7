#include "ui/help/about_window.h"

#include "app/version.h"
#include "art/portrait.h"
#include "ui/common/keyboard.h"
#include "ui/common/placement.h"
#include "ui/common/theme.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tessarin {

namespace {

// Sets a wrapped label's text in the largest font, down to a legible minimum, whose lines fit the
// label: a packager's long contact address must not be cut off.
void fitText(QLabel* label, int largestPixelSize)
{
    QFont font = label->font();
    for (int size = largestPixelSize; size >= 8; --size) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, label->width(), 10000),
                                                             Qt::TextWordWrap | Qt::AlignLeft, label->text());
        if (needed.width() <= label->width() && needed.height() <= label->height())
            break;
    }
    label->setFont(font);
}

QLabel* frameLabel(QGroupBox* frame, const QString& text, const char* name, int top, int width, int height)
{
    auto* label = place(new QLabel(text, frame), name, 240, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutWindow::AboutWindow(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window)
{
    setWindowTitle(QStringLiteral("만든이"));
    setFixedSize(twipsToPixels(6495), twipsToPixels(3585));
    move(twipsPoint(9645, 6405));
    setStyleSheet(editorStyleSheet() + QStringLiteral("QLabel#Label4 { color: #f0d68a; font-weight: bold; }"
                                                      "QLabel#Label3 { color: #b9b2a0; }"));

    // Drawn for the screen's pixel ratio, so the portrait is crisp at 200 %.
    auto* portrait = place(new QLabel(this), "Image1", 120, 120, 3060, 3330);
    portrait->setPixmap(art::portraitPixmap(portrait->size(), devicePixelRatioF()));

    auto* frame = place(new QGroupBox(this), "Frame1", 3360, 30, 3015, 3375);
    const QString version = QString::fromLatin1(kProgramName) + u' ' + QString::fromLatin1(kProgramVersion);
    auto* name = frameLabel(frame, version, "Label4", 360, 2415, 375);
    fitText(name, 16);
    auto* author = frameLabel(frame, QStringLiteral("만든이 : Tessarin 개발팀"), "Label1", 840, 2535, 255);
    fitText(author, 12);
    auto* contact = frameLabel(frame, QStringLiteral("버그 보고 : ") + QString::fromUtf8(kContactAddress), "Label2",
                               1320, 2535, 375);
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fitText(contact, 12);
    auto* notice = frameLabel(frame,
                              QStringLiteral("이 프로그램은 MIT 라이선스로 배포됩니다. 저작권 표시와 허가 문구를 "
                                             "함께 두면 누구나 사용, 수정, 재배포할 수 있습니다."),
                              "Label3", 1920, 2535, 855);
    fitText(notice, 11);

    auto* close = place(new QPushButton(QStringLiteral("닫기"), frame), "Command1", 840, 2880, 1335, 375);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    portrait->setAccessibleName(QStringLiteral("만든이 그림"));
    prepareKeyboard(this, nullptr, close);
}

} // namespace tessarin
