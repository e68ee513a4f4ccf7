#pragma once

#include "engine/free_piece_rules.h"
#include "storage/set_file_codec.h"
#include "ui/main/preview_source.h"

#include <QWidget>

class QGroupBox;
class QLineEdit;

namespace tessarin {

class MainWindow;

// Form12: equips a typed-in soul-shield piece and holds the free set's effects and all eight synthesis
// maxima. Created once and only hidden afterwards, so those boxes keep their text between openings.
// The editor knows its piece only by its caption.
class FreePieceEditor : public QWidget, public PreviewSource {
    Q_OBJECT

public:
    explicit FreePieceEditor(MainWindow& mainWindow);

    // Shows the editor for piece 1..8: caption, piece frame caption, and the seven piece boxes emptied.
    void open(int piece);

    std::optional<Candidate> previewCandidate(const ListHover& hover) const override;

private:
    void confirm();
    void saveSet();
    void loadSet();
    void deleteSet();
    FreeEntryTexts texts() const;
    SetFileLines setFileLines() const;
    QGroupBox* addStatColumn(QWidget* parent, const char* name, const QString& title, QRect twips, int firstBox,
                             int firstTop);

    MainWindow& mainWindow_;
    QGroupBox* pieceFrame_ = nullptr;
    OneBased<QLineEdit*, kFreeEntryBoxes> boxes_;
};

} // namespace tessarin
