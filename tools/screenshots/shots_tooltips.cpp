// The main window with a weapon and its gem, pieces of both catalogue sets, and the set tooltip open
// over the 5-piece indicator; the tooltip, a window of its own, is drawn where it stands on the screen.
#include "shots.h"

#include "data/catalogue.h"
#include "engine/soulshield_rules.h"
#include "engine/weapon_rules.h"
#include "ui/common/pictures.h"
#include "ui/weapons/weapon_slot_view.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

using namespace tessarin;

void wear(MainWindow* window, int row, int piece)
{
    const CatalogueEntry* entry = catalogueEntry(row, piece);
    loadPicture(window->piecePicture(piece),
                equipCataloguePiece(window->state(), *entry, entry->mainValues[0], 1, entry->subOptions[0].values[0]));
}

// A mouse move over a picture of the main window, as the window system delivers it.
void hover(QWidget* picture, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
}

// The main window with the tooltip drawn over it where it stands.
bool saveWithTooltip(MainWindow* window, const QString& name)
{
    shots::wait(120);
    QPixmap picture = window->grab();
    if (QWidget* tooltip = window->windows().find(QStringLiteral("Form16")); tooltip && tooltip->isVisible()) {
        QPainter painter(&picture);
        painter.drawPixmap(tooltip->pos() - window->pos(), tooltip->grab());
    }
    const QString path =
        QDir(shots::outputFolder()).filePath(name + shots::scaleSuffix(window) + QStringLiteral(".png"));
    const bool ok = picture.save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MainWindow* window = shots::openMainWindow();
    auto* classBox = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
    classBox->setCurrentIndex(0); // 검사
    emit classBox->activated(0);

    showEquippedWeapon(*window, equipDungeonWeapon(window->state(), WeaponSource::Ruins, 185,
                                                   GemChoice{2, true, 3})); // 빛나는 오각 방어력
    for (const auto& [row, piece] : {std::pair{1, 1}, {1, 3}, {1, 5}, {2, 2}, {2, 4}, {3, 6}, {3, 7}, {3, 8}})
        wear(window, row, piece);
    window->refreshIndicators();
    shots::wait(60);

    hover(window->findChild<QWidget*>(QStringLiteral("Image11")), {10, 12});
    const bool ok = saveWithTooltip(window, QStringLiteral("main-window-tooltip"));
    window->windows().closeAll(window);
    return ok ? 0 : 1;
}
