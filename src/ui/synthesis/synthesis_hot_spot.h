#pragma once

#include <QObject>

namespace tessarin {

class MainWindow;

// The synthesis button drawn on the main window (the hot spot Label32): a click opens the synthesis
// chooser Form13, or brings the open one forward with its selection.
class SynthesisHotSpot : public QObject {
    Q_OBJECT

public:
    explicit SynthesisHotSpot(MainWindow& mainWindow);

    void open();

private:
    MainWindow& mainWindow_;
};

} // namespace tessarin
