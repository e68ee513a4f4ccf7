#include "ui/synthesis/synthesis_hot_spot.h"

#include "ui/common/hot_label.h"
#include "ui/main/main_window.h"
#include "ui/synthesis/synthesis_chooser.h"

namespace tessarin {

SynthesisHotSpot::SynthesisHotSpot(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    auto* spot = mainWindow.findChild<HotLabel*>(QStringLiteral("Label32"));
    Q_ASSERT(spot);
    spot->reachByKeyboard();
    connect(spot, &HotLabel::clicked, this, &SynthesisHotSpot::open);
}

void SynthesisHotSpot::open()
{
    mainWindow_.windows().show<SynthesisChooser>(QStringLiteral("Form13"),
                                                 [this] { return new SynthesisChooser(mainWindow_); });
}

} // namespace tessarin
