#pragma once

#include "data/weapons.h"
#include "engine/weapon_rules.h"
#include "state/character_state.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QTest>

// Readable failures for the weapon records.
namespace tessarin {

inline char* toString(const StatBlock& s)
{
    QStringList parts;
    for (std::size_t i = 0; i < kStatCount; ++i)
        parts << QString::fromUtf8(kStatNames[i]) + QLatin1Char(' ') + QString::number(s[kAllStats[i]]);
    return qstrdup(parts.join(QStringLiteral(", ")).toUtf8().constData());
}

} // namespace tessarin

Q_DECLARE_METATYPE(tessarin::StatBlock)
Q_DECLARE_METATYPE(tessarin::WeaponSlot)
Q_DECLARE_METATYPE(tessarin::WeaponSource)
Q_DECLARE_METATYPE(tessarin::GemChoice)
