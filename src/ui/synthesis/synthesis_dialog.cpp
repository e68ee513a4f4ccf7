#include "ui/synthesis/synthesis_dialog.h"

#include "data/synthesis_stones.h"
#include "engine/synthesis_rules.h"
#include "ui/common/keyboard.h"
#include "ui/common/refresh_gate.h"
#include "ui/main/main_window.h"
#include "ui/synthesis/synthesis_chooser.h"
#include "ui/synthesis/synthesis_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tessarin {

SynthesisDialog::SynthesisDialog(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setFixedSize(twipsToPixels(3975), twipsToPixels(2460));
    move(twipsPoint(11805, 7350));
    setStyleSheet(synthesis::synthesisStyleSheet());

    auto* title = place(new QLabel(QStringLiteral("합성패 수치"), this), QStringLiteral("Label1"), 120, 130, 1215, 255);
    title->setAlignment(Qt::AlignCenter);
    stoneBox_ = place(new QLineEdit(this), QStringLiteral("Text1"), 1440, 120, 2415, 285);
    comparison_ = place(new QLabel(this), QStringLiteral("Label2"), 120, 480, 2295, 495);
    comparison_->setWordWrap(true);
    comparison_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    maximum_ = place(new QLabel(this), QStringLiteral("Label4"), 2520, 480, 1335, 255);
    synthesizeButton_ =
        place(new QPushButton(QStringLiteral("합성"), this), QStringLiteral("Command1"), 2520, 840, 615, 735);
    auto* cancel =
        place(new QPushButton(QStringLiteral("취소"), this), QStringLiteral("Command2"), 3240, 840, 615, 735);
    preview_ = place(new QLabel(this), QStringLiteral("Label3"), 120, 1080, 2295, 255);
    preview_->setStyleSheet(QStringLiteral("color: #f0d68a;"));
    place(new QLabel(QStringLiteral("상급 합성패 선택"), this), QStringLiteral("Label5"), 120, 1440, 2295, 255);
    stones_ = place(new QListWidget(this), QStringLiteral("List1"), 120, 1680, 3735, 645);

    connect(synthesizeButton_, &QPushButton::clicked, this, &SynthesisDialog::synthesize);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    prepareKeyboard(this, synthesizeButton_, cancel);
    // A click picks a stone even when it is already selected (the box may have been typed over since);
    // the selection signal covers the keyboard.
    connect(stones_, &QListWidget::itemClicked, this, &SynthesisDialog::pickStone);
    connect(stones_, &QListWidget::itemSelectionChanged, this, &SynthesisDialog::pickStone);

    mainWindow_.refreshGate().addTimer(this, "Timer1", 10, &SynthesisDialog::refresh);
}

void SynthesisDialog::openFor(Stat stat)
{
    setWindowTitle(synthesisCaption(stat));
    const QStringList items = openSynthesisFor(mainWindow_.state(), stat);
    // Written over the first seven positions, so a selected stone stays selected under its new stat.
    for (int i = 0; i < items.size(); ++i) {
        if (QListWidgetItem* item = stones_->item(i))
            item->setText(items.at(i));
        else
            stones_->addItem(items.at(i));
    }
}

int SynthesisDialog::selectedPiece() const
{
    const auto* chooser = qobject_cast<const SynthesisChooser*>(mainWindow_.windows().find(QStringLiteral("Form13")));
    return chooser ? chooser->selectedPiece() : kNoPiece;
}

void SynthesisDialog::refresh()
{
    CharacterState& state = mainWindow_.state();
    const int piece = selectedPiece();
    synthesis::setEnabledIfChanged(synthesizeButton_, piece != kNoPiece);

    const QString text = stoneBox_->text();
    if (text != readText_) {
        readText_ = text;
        readValue_ = stoneValueOf(text);
    }
    state.stoneValue = readValue_;
    if (piece == kNoPiece)
        return; // the labels keep what they show

    const Shown now{piece, state.synthesisMax[piece], state.stoneValue, state.synthesisStat};
    if (shown_ == now)
        return;
    shown_ = now;
    const SynthesisView view = synthesisView(state, piece);
    synthesis::setTextIfChanged(maximum_, view.maximum);
    synthesis::setTextIfChanged(comparison_, view.comparison);
    synthesis::setTextIfChanged(preview_, view.preview);
}

std::optional<Candidate> SynthesisDialog::previewCandidate(const ListHover& hover) const
{
    const int piece = selectedPiece();
    if (piece == kNoPiece)
        return std::nullopt;
    QString stone = stoneBox_->text();
    if (hover.list == stones_)
        if (const QListWidgetItem* item = stones_->item(hover.row))
            stone = stoneValueTextForItem(mainWindow_.state(), item->text()).value_or(stone);
    return [piece, value = stoneValueOf(stone)](CharacterState& state) {
        state.stoneValue = value;
        applySynthesis(state, piece);
    };
}

void SynthesisDialog::synthesize()
{
    // The box counts as it stands at the click, not as the last refresh read it: what is stored is
    // always what the dialog shows.
    refresh();
    if (applySynthesis(mainWindow_.state(), selectedPiece()))
        mainWindow_.noteChange();
}

void SynthesisDialog::pickStone()
{
    const QList<QListWidgetItem*> selected = stones_->selectedItems();
    if (selected.isEmpty())
        return;
    if (const std::optional<QString> value = stoneValueTextForItem(mainWindow_.state(), selected.first()->text()))
        stoneBox_->setText(*value);
}

} // namespace tessarin
