#pragma once

#include "engine/weapon_rules.h"
#include "ui/main/preview_source.h"

#include <QWidget>

#include <optional>
#include <span>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tessarin {

class GemSelector;
class MainWindow;

// What the three weapon editors share: the window in the editor look, the frame "기본 옵션" with its
// caption "공격력", the gem frame, "확인" and "취소", and the 10 ms timer that keeps "확인" current.
class WeaponEditor : public QWidget, public PreviewSource {
    Q_OBJECT

public:
    // The text of the selected item of a list; empty without a selection.
    static QString selectedText(const QListWidget* list);
    // The number the selected item reads; 0 without a selection.
    static double selectedValue(const QListWidget* list);
    // Index of the first checked option; -1 when none is.
    static int checkedIndex(std::span<QRadioButton* const> options);
    // A bare 255 × 255 option button at `at` (twips) with its caption centred in a label to its right.
    static QRadioButton* addOption(QWidget* parent, const QString& name, QPoint at, const QString& caption,
                                   int captionWidth);
    static QLabel* addCaption(QWidget* parent, QAbstractButton* button, const QString& caption, int captionWidth);

protected:
    struct Frame {
        const char* title;
        QRect clientTwips; // screen position of the outer frame, size of the client area
    };

    WeaponEditor(MainWindow& mainWindow, const Frame& frame, const char* noneOption, QPoint shiningAt, int firstSize);

    // One tick of Timer1.
    virtual void refresh() = 0;
    // "확인".
    virtual void confirm() = 0;

    // A closed editor writes nothing more, even before it is deleted.
    void closeEvent(QCloseEvent* event) override;

    // What "확인" equips from a source option (index into `sources`, -1 for none) and the base-attack list,
    // the item under the pointer counting as chosen; nothing while "확인" is disabled.
    struct SourceChoice {
        WeaponSource source;
        double attack;
        GemChoice gem;
    };
    std::optional<SourceChoice> sourceChoice(int option, std::span<const WeaponSource> sources,
                                             const QListWidget* attacks, const ListHover& hover) const;
    // The preview of a choice: `equip` run on the copy of the record.
    template <typename Choice, typename Equip>
    static std::optional<Candidate> candidateOf(const std::optional<Choice>& choice, Equip equip)
    {
        if (!choice)
            return std::nullopt;
        return [c = *choice, equip](CharacterState& state) { equip(state, c); };
    }

    void setConfirmEnabled(bool enabled);
    // Shows the confirmed weapon on the main window and closes the editor.
    void finish(const EquippedWeapon& equipped);

    MainWindow& mainWindow_;
    QGroupBox* baseFrame_ = nullptr;
    GemSelector* gem_ = nullptr;
    QPushButton* confirmButton_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace tessarin
