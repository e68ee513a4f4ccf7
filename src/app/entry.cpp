#include "app/entry.h"

#include "ui/main/main_window.h"
#include "ui/main/program_menu.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>

#include <algorithm>

namespace tessarin {

namespace {

// A font with Korean glyphs, sized so the labels' designed heights fit.
void useKoreanFont()
{
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR"),
                                  QStringLiteral("Malgun Gothic"), QStringLiteral("맑은 고딕")}) {
        if (families.contains(family)) {
            QFont font(family);
            font.setPointSizeF(8.25); // the size the designed label heights and widths were made for
            QApplication::setFont(font);
            return;
        }
    }
    qWarning("한글 글꼴을 찾을 수 없습니다 (NanumGothic 또는 Noto Sans CJK KR을 설치하세요).");
}

} // namespace

QWidget* createMainWindow(const QString& buildFile)
{
    useKoreanFont();
    auto* window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        const QPoint topLeft = screen->availableGeometry().topLeft();
        window->move(std::max(frame.left(), topLeft.x()), std::max(frame.top(), topLeft.y()));
    }
    window->show();
    if (!buildFile.isEmpty())
        window->findChild<ProgramMenu*>()->openFile(buildFile, true);
    return window;
}

} // namespace tessarin
