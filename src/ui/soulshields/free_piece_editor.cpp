#include "ui/soulshields/free_piece_editor.h"

#include "storage/set_file.h"
#include "ui/common/keyboard.h"
#include "ui/common/messages.h"
#include "ui/common/pictures.h"
#include "ui/common/theme.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessarin {

namespace {

// Text boxes in the editors' dark-and-gold look.
const QString kBoxStyle =
    QStringLiteral("QLineEdit { background: #12151b; border: 1px solid #3d4250; border-radius: 2px; color: #f4f1e8;"
                   " padding: 0 2px; selection-background-color: #8a6d2f; }"
                   "QLineEdit:focus { border-color: #ffd75e; }");

const QString kNothingSaved = QStringLiteral("저장된 보패가 없습니다.");

// Puts a control at its designed place, given in twips relative to its parent.
template <typename W> W* at(W* widget, QRect twips, const QString& name = {})
{
    if (!name.isEmpty())
        widget->setObjectName(name);
    widget->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return widget;
}

QLabel* centredLabel(const QString& text, QWidget* parent, QRect twips)
{
    auto* label = at(new QLabel(text, parent), twips);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QString boxName(int box)
{
    return QStringLiteral("Text%1").arg(box);
}

QString loadFailure(const SetFile::Result& result)
{
    const QString notLoaded = QStringLiteral(" 보패를 불러오지 않았습니다.");
    if (result.outcome == SetFile::Outcome::Unreadable)
        return QStringLiteral("저장된 보패 파일을 읽을 수 없습니다.") + notLoaded;
    switch (result.fault) {
    case SetFileFault::TooShort:
        return QStringLiteral("저장된 보패 파일이 %1줄보다 짧습니다.").arg(kSetFileLineCount) + notLoaded;
    case SetFileFault::LineTooLong:
        return QStringLiteral("저장된 보패 파일의 %1번째 줄이 너무 깁니다.").arg(result.line) + notLoaded;
    default: break;
    }
    return QStringLiteral("저장된 보패 파일의 %1번째 줄이 한국어 Windows 문자(코드 페이지 949)가 아닙니다.")
               .arg(result.line) +
           notLoaded;
}

} // namespace

FreePieceEditor::FreePieceEditor(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(freePieceCaption(1));
    setFixedSize(twipsToPixels(9945), twipsToPixels(4905));
    move(twipsPoint(4380, 5670));
    setStyleSheet(editorStyleSheet() + kBoxStyle);

    pieceFrame_ = addStatColumn(this, "Frame1", freePieceFrameCaption(1), {120, 120, 2295, 3375}, 1, 480);
    auto* effects =
        at(new QGroupBox(QStringLiteral("세트 효과"), this), {2520, 120, 7335, 3375}, QStringLiteral("Frame2"));
    addStatColumn(effects, "Frame4", QStringLiteral("3세트 효과"), {120, 240, 2295, 3015}, 8, 360);
    addStatColumn(effects, "Frame5", QStringLiteral("5세트 효과"), {2520, 240, 2295, 3015}, 15, 360);
    addStatColumn(effects, "Frame6", QStringLiteral("8세트 효과"), {4920, 240, 2295, 3015}, 22, 360);

    auto* maxima =
        at(new QGroupBox(QStringLiteral("합성 최대치"), this), {120, 3600, 5175, 1215}, QStringLiteral("Frame3"));
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const int column = 240 + 1200 * ((piece - 1) / 2);
        const int top = piece % 2 == 1 ? 360 : 720;
        centredLabel(QStringLiteral("%1번").arg(piece), maxima, {column, top, 375, 255});
        const int box = kFirstMaximumBox + piece - 1;
        boxes_[box] = at(new QLineEdit(maxima), {column + 600, top, 495, 285}, boxName(box));
    }

    struct ButtonLayout {
        int number;
        const char* caption;
        QRect twips;
        void (FreePieceEditor::*action)();
    };
    const std::array<ButtonLayout, 5> buttons = {{
        {3, "보패 세트 저장", {5520, 3600, 1455, 495}, &FreePieceEditor::saveSet},
        {4, "불러오기", {7200, 3600, 1455, 495}, &FreePieceEditor::loadSet},
        {5, "data 삭제", {8880, 3600, 975, 1095}, &FreePieceEditor::deleteSet},
        {1, "확인", {5520, 4200, 1455, 495}, &FreePieceEditor::confirm},
        {2, "취소", {7200, 4200, 1455, 495}, &QWidget::hide},
    }};
    for (const ButtonLayout& layout : buttons) {
        auto* button = at(new QPushButton(QString::fromUtf8(layout.caption), this), layout.twips,
                          QStringLiteral("Command%1").arg(layout.number));
        connect(button, &QPushButton::clicked, this, layout.action);
    }
    prepareKeyboard(this, findChild<QPushButton*>(QStringLiteral("Command1")),
                    findChild<QPushButton*>(QStringLiteral("Command2")));
}

QGroupBox* FreePieceEditor::addStatColumn(QWidget* parent, const char* name, const QString& title, QRect twips,
                                          int firstBox, int firstTop)
{
    auto* frame = at(new QGroupBox(title, parent), twips, QString::fromLatin1(name));
    for (int i = 0; i < static_cast<int>(kStatCount); ++i) {
        const int top = firstTop + 360 * i;
        const bool maxLife = i == static_cast<int>(kStatCount) - 1;
        const QRect label = maxLife ? QRect(240, top, 975, 255) : QRect(120, top, 1095, 255);
        centredLabel(QString::fromUtf8(kStatNames[static_cast<std::size_t>(i)]), frame, label);
        boxes_[firstBox + i] = at(new QLineEdit(frame), {1440, top, 615, 285}, boxName(firstBox + i));
    }
    return frame;
}

void FreePieceEditor::open(int piece)
{
    setWindowTitle(freePieceCaption(piece));
    pieceFrame_->setTitle(freePieceFrameCaption(piece));
    for (int box = 1; box < kFirstSetEffectBox; ++box)
        boxes_[box]->clear();
    nameControlsByCaptions(this); // an open editor shows no Show event for the new piece
    show();
    raise();
    activateWindow();
}

FreeEntryTexts FreePieceEditor::texts() const
{
    FreeEntryTexts result;
    for (int box = 1; box <= kFreeEntryBoxes; ++box)
        result[box] = boxes_[box]->text();
    return result;
}

SetFileLines FreePieceEditor::setFileLines() const
{
    SetFileLines lines;
    for (int line = 1; line <= kSetFileLineCount; ++line)
        lines[static_cast<std::size_t>(line - 1)] = boxes_[line + kFirstSetEffectBox - 1]->text();
    return lines;
}

std::optional<Candidate> FreePieceEditor::previewCandidate(const ListHover&) const
{
    const int piece = freePieceOfCaption(windowTitle());
    const FreeEntryReading reading = readFreeEntry(texts());
    // A box that does not fit its field makes "확인" change nothing (it names the box instead).
    if (piece == 0 || reading.badBox != 0)
        return std::nullopt;
    return [piece, entry = reading.entry](CharacterState& state) { equipFreePiece(state, piece, entry); };
}

void FreePieceEditor::confirm()
{
    const int piece = freePieceOfCaption(windowTitle());
    if (piece == 0)
        return; // the board always captions the editor for a piece
    const FreeEntryReading reading = readFreeEntry(texts());
    if (reading.badBox != 0) {
        // A 16-bit field cannot hold the number: nothing changes and the user can correct the box.
        showMessage(this, QStringLiteral("%1 칸에는 -32768부터 32767까지의 값만 넣을 수 있습니다.")
                              .arg(freeEntryBoxName(reading.badBox)));
        boxes_[reading.badBox]->setFocus();
        return;
    }
    const FreePieceOutcome outcome = equipFreePiece(mainWindow_.state(), piece, reading.entry);
    loadPicture(mainWindow_.piecePicture(piece), outcome.piecePicture);
    for (int i = 0; i < 3; ++i)
        loadPicture(mainWindow_.findChild<QLabel*>(QStringLiteral("Image%1").arg(10 + i)),
                    outcome.indicators[static_cast<std::size_t>(i)]);
    mainWindow_.noteChange();
    hide();
}

void FreePieceEditor::saveSet()
{
    const SetFile file(SetFile::defaultPath());
    const SetFile::Result result = file.save(setFileLines());
    switch (result.outcome) {
    case SetFile::Outcome::Done: showMessage(this, QStringLiteral("저장되었습니다.")); return;
    case SetFile::Outcome::Unencodable:
        showMessage(this, QStringLiteral("%1 칸에 파일에 저장할 수 없는 문자가 있습니다. 보패 세트를 저장하지 "
                                         "않았습니다.")
                              .arg(freeEntryBoxName(result.line + kFirstSetEffectBox - 1)));
        return;
    default: break;
    }
    showMessage(this, QStringLiteral("파일을 쓸 수 없어 보패 세트를 저장하지 못했습니다. 전에 저장한 보패는 "
                                     "그대로 남아 있습니다.\n%1")
                          .arg(QDir::toNativeSeparators(file.path())));
}

void FreePieceEditor::loadSet()
{
    const SetFile::Result result = SetFile(SetFile::defaultPath()).load();
    if (result.outcome == SetFile::Outcome::NotFound) {
        showMessage(this, kNothingSaved);
        return;
    }
    if (result.outcome != SetFile::Outcome::Done) {
        showMessage(this, loadFailure(result));
        return;
    }
    for (int line = 1; line <= kSetFileLineCount; ++line)
        boxes_[line + kFirstSetEffectBox - 1]->setText(result.lines[static_cast<std::size_t>(line - 1)]);
    showMessage(this, QStringLiteral("보패를 불러왔습니다."));
}

void FreePieceEditor::deleteSet()
{
    const SetFile::Result result = SetFile(SetFile::defaultPath()).remove();
    switch (result.outcome) {
    case SetFile::Outcome::Done: showMessage(this, QStringLiteral("삭제되었습니다.")); return;
    case SetFile::Outcome::NotFound: showMessage(this, kNothingSaved); return;
    default: break;
    }
    showMessage(this, QStringLiteral("저장된 보패 파일을 삭제하지 못했습니다."));
}

} // namespace tessarin
