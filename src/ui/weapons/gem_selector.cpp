#include "ui/weapons/gem_selector.h"

#include "data/gems.h"
#include "ui/common/twips.h"
#include "ui/weapons/weapon_editor.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>

namespace tessarin {

namespace {

// Stat options 공격력, 방어력, 회피율 in the left column, 추가 피해, 막기 확률 in the right one.
constexpr std::array<QPoint, kGemStatCount> kStatPositions = {
    {{240, 360}, {240, 720}, {240, 1080}, {1440, 360}, {1440, 720}}};

} // namespace

GemSelector::GemSelector(const Layout& layout, QWidget* parent) : QGroupBox(QStringLiteral("금강석"), parent)
{
    setObjectName(QStringLiteral("Frame3"));
    for (std::size_t i = 0; i < stats_.size(); ++i) {
        const QPoint at = kStatPositions[i];
        stats_[i] = WeaponEditor::addOption(this, QStringLiteral("Option%1").arg(5 + i), at,
                                            QString::fromUtf8(gemStats()[i].caption), 840);
    }
    QRadioButton* none =
        WeaponEditor::addOption(this, QString::fromLatin1(layout.noneName), {240, 1440}, QStringLiteral("없음"), 840);
    none->setChecked(true);

    shining_ = new QCheckBox(this);
    shining_->setObjectName(QStringLiteral("Check1"));
    shining_->setGeometry(twipsRect(layout.shiningAt.x(), layout.shiningAt.y(), 255, 255));
    WeaponEditor::addCaption(this, shining_, QStringLiteral("빛나는"), 840);

    auto* sizeFrame = new QGroupBox(QStringLiteral("N각"), this);
    sizeFrame->setObjectName(QStringLiteral("Frame4"));
    sizeFrame->setGeometry(twipsRect(2640, 240, 1575, 1455));
    sizes_ = new QListWidget(sizeFrame);
    sizes_->setObjectName(QStringLiteral("List1"));
    sizes_->setGeometry(twipsRect(120, 360, 1335, 840));
    for (int size = layout.firstSize; size <= kGemSizeCount; ++size)
        sizes_->addItem(QString::fromUtf8(gemSizes()[static_cast<std::size_t>(size - 1)].listText));
}

GemChoice GemSelector::choice(const ListHover& hover) const
{
    GemChoice gem;
    for (std::size_t i = 0; i < stats_.size(); ++i) {
        if (stats_[i]->isChecked()) {
            gem.statCode = gemStats()[i].code;
            break;
        }
    }
    gem.shining = shining_->isChecked();
    gem.size = gemSizeOfListText(shownItemText(sizes_, hover));
    return gem;
}

} // namespace tessarin
