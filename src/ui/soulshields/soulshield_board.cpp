#include "ui/soulshields/soulshield_board.h"

#include "data/catalogue.h"
#include "engine/soulshield_rules.h"
#include "ui/common/keyboard.h"
#include "ui/common/pictures.h"
#include "ui/main/main_window.h"
#include "ui/soulshields/catalogue_editor.h"
#include "ui/soulshields/free_piece_editor.h"

#include <QLabel>
#include <QPushButton>

namespace tessarin {

SoulShieldBoard::SoulShieldBoard(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    QList<QWidget*> buttons;
    for (int row = 1; row <= kBoardRows; ++row) {
        for (int piece = 1; piece <= kPieceCount; ++piece) {
            QPushButton* button = mainWindow.boardButton(row, piece);
            connect(button, &QPushButton::clicked, this, [this, row, piece] { click(row, piece); });
            buttons << button;
        }
    }
    moveFocusWithArrows(buttons);
}

void SoulShieldBoard::click(int row, int piece)
{
    if (removePiece(mainWindow_.state(), row, piece)) {
        clearPicture(mainWindow_.piecePicture(piece));
        mainWindow_.noteChange();
        return;
    }
    if (const CatalogueEntry* entry = catalogueEntry(row, piece)) {
        auto* editor = mainWindow_.windows().show<CatalogueEditor>(QStringLiteral("Form5"),
                                                                   [this] { return new CatalogueEditor(mainWindow_); });
        editor->fill(*entry);
        return;
    }
    // The free-entry editor is only hidden between uses, so its set effects and maxima keep their text.
    auto* editor = qobject_cast<FreePieceEditor*>(mainWindow_.windows().find(QStringLiteral("Form12")));
    if (!editor) {
        editor = new FreePieceEditor(mainWindow_);
        mainWindow_.windows().keep(editor);
    }
    editor->open(piece);
}

} // namespace tessarin
