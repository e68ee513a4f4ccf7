// The synthesis chooser and dialog: six pieces worn (4 and 7 greyed out), piece 3 chosen, the dialog
// opened for 명중 with a stone typed.
#include "shots.h"

#include "data/catalogue.h"
#include "engine/soulshield_rules.h"
#include "ui/common/hot_label.h"
#include "ui/common/pictures.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace {

// Equips a catalogue piece the way the piece editor's confirm does.
void wear(tessarin::MainWindow* window, int row, int piece)
{
    const tessarin::CatalogueEntry* entry = tessarin::catalogueEntry(row, piece);
    const QString picture =
        tessarin::equipCataloguePiece(window->state(), *entry, entry->mainValues[0], 1, entry->subOptions[0].values[0]);
    tessarin::loadPicture(window->piecePicture(piece), picture);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    using namespace tessarin;
    MainWindow* window = shots::openMainWindow();
    for (const auto& [row, piece] : {std::pair{1, 1}, {2, 2}, {2, 3}, {1, 5}, {3, 6}, {3, 8}})
        wear(window, row, piece);
    window->refreshIndicators();

    emit window->findChild<HotLabel*>(QStringLiteral("Label32"))->clicked();
    QWidget* chooser = window->windows().find(QStringLiteral("Form13"));
    shots::wait(50);
    chooser->findChild<QRadioButton*>(QStringLiteral("Option3"))->click();
    chooser->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    QWidget* dialog = window->windows().find(QStringLiteral("Form14"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("76"));

    const bool ok = shots::save(chooser, QStringLiteral("synthesis-chooser")) &&
                    shots::save(dialog, QStringLiteral("synthesis-dialog"));
    window->windows().closeAll(window);
    return ok ? 0 : 1;
}
