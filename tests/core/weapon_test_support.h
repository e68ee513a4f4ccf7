#pragma once

#include "data/weapons.h"
#include "engine/weapon_rules.h"
#include "state/character_state.h"

#include <QMetaType>
#include <QString>
#include <QTest>

// Readable failures for the weapon records.
namespace tessarin {

inline char* toString(const StatBlock& s)
{
    return qstrdup(QStringLiteral("관통 %1, 명중 %2, 치명 %3, 방어 %4, 막기 %5, 회피 %6, 최대생명력 %7")
                       .arg(s.penetration)
                       .arg(s.accuracy)
                       .arg(s.critical)
                       .arg(s.defence)
                       .arg(s.block)
                       .arg(s.evasion)
                       .arg(s.maxLife)
                       .toUtf8()
                       .constData());
}

} // namespace tessarin

Q_DECLARE_METATYPE(tessarin::StatBlock)
Q_DECLARE_METATYPE(tessarin::WeaponSlot)
Q_DECLARE_METATYPE(tessarin::WeaponSource)
Q_DECLARE_METATYPE(tessarin::GemChoice)
