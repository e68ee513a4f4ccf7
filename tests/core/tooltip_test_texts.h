#pragma once

#include <QString>

// The set tooltip texts as the player must see them, typed out: CR LF and six blanks before every line.
namespace tessarin::testing {

inline const QString kLostTooltip = QStringLiteral("\r\n      잃어버린 영린족 보패"
                                                   "\r\n      3세트 효과 : 명중 39 증가"
                                                   "\r\n      5세트 효과 : 회피119 증가"
                                                   "\r\n      8세트 효과 : 관통 167 증가, 막기 71 증가");
inline const QString kSeaSerpentTooltip = QStringLiteral("\r\n      바다뱀 보패"
                                                         "\r\n      3세트 효과 : 명중 50 증가"
                                                         "\r\n      5세트 효과 : 회피152 증가"
                                                         "\r\n      8세트 효과 : 관통 213 증가, 막기 91 증가");

} // namespace tessarin::testing
