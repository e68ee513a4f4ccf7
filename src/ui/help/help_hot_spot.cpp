#include "ui/help/help_hot_spot.h"

#include "ui/common/hot_label.h"
#include "ui/help/help_menu.h"
#include "ui/help/slideshow_window.h"
#include "ui/main/main_window.h"

namespace tessarin {

HelpHotSpot::HelpHotSpot(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    auto* spot = mainWindow.findChild<HotLabel*>(QStringLiteral("Label33"));
    Q_ASSERT(spot);
    spot->reachByKeyboard();
    connect(spot, &HotLabel::clicked, this, &HelpHotSpot::open);
}

void HelpHotSpot::open()
{
    mainWindow_.windows().show<HelpMenu>(QStringLiteral("Form7"), [this] { return new HelpMenu(mainWindow_); });
    resetSlideshow(mainWindow_, Slideshow::Items);
}

} // namespace tessarin
