// The free-entry piece editor, opened from the board's row 4 for piece 3, with a set typed in.
#include "shots.h"

#include <QLineEdit>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tessarin::MainWindow* window = tessarin::shots::openMainWindow();
    window->findChild<QPushButton*>(QStringLiteral("Command22"))->click(); // row 4, piece 3
    QWidget* editor = window->windows().find(QStringLiteral("Form12"));
    if (!editor)
        return 1;
    // Piece 3, the 3-, 5- and 8-piece effects (관통 .. 최대생명력) and the eight synthesis maxima.
    const QStringList texts = QStringList{"", "63", "", "", "", "", "1150"}  // piece 3
                              + QStringList{"", "45", "", "", "", "", ""}    // 3세트
                              + QStringList{"", "", "", "", "", "132", ""}   // 5세트
                              + QStringList{"186", "", "", "", "88", "", ""} // 8세트
                              + QStringList{"98", "102", "107", "112", "121", "126", "130", "135"};
    for (int box = 1; box <= 36; ++box)
        editor->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(box))->setText(texts.value(box - 1));
    editor->move(0, 0);
    const bool ok = tessarin::shots::save(editor, QStringLiteral("free-piece-editor"));
    window->windows().closeAll(window);
    return ok ? 0 : 1;
}
