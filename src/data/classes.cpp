#include "data/classes.h"

namespace tessarin {

namespace {

using B = StanceButtonDef;
constexpr std::nullopt_t none = std::nullopt;

const std::array<ClassInfo, kClassCount> kClasses = {{
    {"검사",
     "blade",
     16,
     173,
     334,
     289,
     0,
     13336,
     {B{Stance::Baldo, "image/발도.jpg", "[발도 자세] 치명률 5% 증가, 회피율 20% 증가, 막기 0 고정"},
      B{Stance::Beongaebegi, "image/번개베기.jpg", "[번개베기 2심화] 치명률 10% 증가"}, none, none}},
    {"권사",
     "globe",
     16,
     173,
     334,
     0,
     433,
     12520,
     {B{Stance::Bangyeok, "image/반격.jpg", "[반격 1심화] 8초간 방어력 100% 증가(보석,세트효과,장신구 미적용)"},
      B{Stance::Imunjeongju, "image/이문정주.jpg", "[이문정주] 쌍박수, 백보신권 시전 후 1.5초 동안 치명률 30% 증가"},
      none, none}},
    {"역사",
     "axe",
     16,
     0,
     699,
     0,
     0,
     14153,
     {B{Stance::Gwangpung, "image/광풍.jpg", "[광풍 2심화] 광풍 중 방어력 400% 상승"}, none, none, none}},
    {"암살자",
     "knife",
     16,
     519,
     334,
     0,
     173,
     10978,
     {B{Stance::Eunsin, "image/은신.jpg", "[은신 자세] 치명타피해량 50% 증가, 회피율 50% 증가"},
      B{Stance::Jamip, "image/잠입.jpg", "[잠입 2심화] 시전 실패시 6초간 회피율 25% 증가"},
      B{Stance::Cheokchujjireugi, "image/척추찌르기.jpg", "[척추찌르기 2심화] 8초간 회피율 30% 증가"},
      B{Stance::Namutomak, "image/나무토막.jpg", "[나무토막 2심화] 성공시 2초간 회피율 99% 증가"}}},
    {"기공사", "tablet", 16, 519, 334, 0, 346, 9072, {none, none, none, none}},
    {"소환사", "stick", 16, 434, 334, 0, 144, 8165, {none, none, none, none}},
}};

} // namespace

const std::array<ClassInfo, kClassCount>& classTable()
{
    return kClasses;
}

const ClassInfo* findClass(const QString& text)
{
    for (const ClassInfo& info : kClasses)
        if (text == QString::fromUtf8(info.name))
            return &info;
    return nullptr;
}

} // namespace tessarin
