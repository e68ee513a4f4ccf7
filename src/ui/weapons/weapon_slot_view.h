#pragma once

#include "engine/weapon_rules.h"

#include <QObject>

namespace tessarin {

class MainWindow;

// The weapon slot on the main window: a click on `Image9` takes the equipped weapon off, or opens the
// weapon-kind chooser `Form2` once a class is chosen.
class WeaponSlotView : public QObject {
    Q_OBJECT

public:
    explicit WeaponSlotView(MainWindow& mainWindow);

    void click();

private:
    MainWindow& mainWindow_;
};

// Puts what an editor equipped into `Image9` and `Image18`.
void showEquippedWeapon(MainWindow& mainWindow, const EquippedWeapon& equipped);

} // namespace tessarin
