#pragma once

#include "state/stat_block.h"
#include "ui/main/preview_source.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessarin {

class MainWindow;

// Form14: applies a synthesis stone to the piece chosen in the synthesis chooser (Form13), for the stat
// the chooser opened it for. Shows the piece's maximum, how the stone compares and what will be stored.
class SynthesisDialog : public QWidget, public PreviewSource {
    Q_OBJECT

public:
    explicit SynthesisDialog(MainWindow& mainWindow);

    // Captions the dialog for a stat and writes that stat's seven stones over the list's first seven
    // items. The stone box and the message labels keep what they show.
    void openFor(Stat stat);

    // "합성" with the stone box as it stands, or the stone under the pointer.
    std::optional<Candidate> previewCandidate(const ListHover& hover) const override;

private:
    int selectedPiece() const;
    void refresh();
    void synthesize();
    void pickStone();

    // What the labels were last written from; the refresh rebuilds their texts only when this changes.
    struct Shown {
        int piece;
        std::int16_t maximum;
        std::int16_t stone;
        QString stat;
        bool operator==(const Shown&) const = default;
    };

    MainWindow& mainWindow_;
    QLineEdit* stoneBox_ = nullptr;
    QLabel* comparison_ = nullptr;
    QLabel* maximum_ = nullptr;
    QLabel* preview_ = nullptr;
    QPushButton* synthesizeButton_ = nullptr;
    QListWidget* stones_ = nullptr;
    QString readText_;           // the stone box text last converted
    std::int16_t readValue_ = 0; // and its value (an empty box reads 0)
    std::optional<Shown> shown_;
};

} // namespace tessarin
