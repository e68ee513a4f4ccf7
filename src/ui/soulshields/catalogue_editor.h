#pragma once

#include "ui/main/preview_source.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tessarin {

struct CatalogueEntry;
class MainWindow;

// Form5: equips one piece of a catalogue set. The board fills it for a row and piece; the editor knows
// its piece only by its caption.
class CatalogueEditor : public QWidget, public PreviewSource {
    Q_OBJECT

public:
    explicit CatalogueEditor(MainWindow& mainWindow);

    // Fills the editor for a catalogue piece: caption, the four lists, the four stat names, and the
    // confirm button and sub-option lists disabled. The option buttons keep their state.
    void fill(const CatalogueEntry& entry);

    std::optional<Candidate> previewCandidate(const ListHover& hover) const override;

private:
    void chooseSubOption(int subOption);
    void refreshConfirm();
    void confirm();
    int chosenSubOption() const;

    // What "확인" equips, read from the lists and options.
    struct Choice {
        const CatalogueEntry* entry;
        double mainValue;
        int subOption;
        double subValue;
    };
    Choice choice(const ListHover& hover) const;
    static QString equip(CharacterState& state, const Choice& choice);

    MainWindow& mainWindow_;
    QListWidget* mainValues_ = nullptr;
    std::array<QListWidget*, 3> subValues_{};
    std::array<QRadioButton*, 3> subOptions_{};
    QLabel* mainLabel_ = nullptr;
    std::array<QLabel*, 3> subLabels_{};
    QPushButton* confirmButton_ = nullptr;
};

} // namespace tessarin
