#include "ui/help/slideshow_pages.h"

namespace tessarin {

namespace {

constexpr std::array<SlideshowPage, 6> kItemPages = {{
    {"내 정보창(1/6)", 1},
    {"무기 선택창(2/6)", 2},
    {"4대 던전 무기 착용창(3/6)", 3},
    {"바다뱀 던전 무기 착용창(4/6)", 4},
    {"기타 무기 착용창(5/6)", 5},
    {"장신구 착용창(6/6)", 6},
}};

constexpr std::array<SlideshowPage, 3> kShieldPages = {{
    {"아이템창(1/3)", 7},
    {"보패 옵션 선택창(2/3)", 8},
    {"보패 셋트 효과 확인법(3/3)", 9},
}};

// Page 2's title is the game manual's own wording and stays as it is.
constexpr std::array<SlideshowPage, 2> kSynthesisPages = {{
    {"보패 합성창(1/2)", 10},
    {"무기 선택창(2/2)", 11},
}};

constexpr std::array<SlideshowPage, 2> kStancePages = {{
    {"스킬 적용창(1/2)", 12},
    {"스킬 적용 전후(2/2)", 13},
}};

const std::array<SlideshowLayout, 4> kLayouts = {{
    {"Form9",
     "아이템 착용법",
     {4035, 4320},
     {9720, 6045},
     {3810, 3075},
     {1320, 3600},
     {1800, 3770},
     {2280, 3600},
     {3000, 3600},
     "내 정보창(1/6)",
     false,
     kItemPages},
    {"Form11",
     "보패 착용법",
     {6330, 4440},
     {9645, 5895},
     {6120, 3075},
     {2520, 3720},
     {3000, 3885},
     {3480, 3720},
     {5400, 3720},
     "아이템창(1/3)",
     false,
     kShieldPages},
    {"Form15",
     "보패 합성법",
     {5430, 8025},
     {9795, 4305},
     {5235, 6735},
     {1800, 7320},
     {2350, 7485},
     {2920, 7320},
     {4440, 7320},
     "보패 합성창",
     true,
     kSynthesisPages},
    {"Form17",
     "스킬 적용법",
     {3630, 4815},
     {9855, 5820},
     {3375, 3375},
     {960, 4080},
     {1440, 4245},
     {1920, 4080},
     {2760, 4080},
     "스킬 적용창",
     false,
     kStancePages},
}};

} // namespace

const SlideshowLayout& slideshowLayout(Slideshow slideshow)
{
    return kLayouts[static_cast<std::size_t>(slideshow) - 1];
}

int nextPage(int page, int pageCount)
{
    return page >= pageCount ? 1 : page + 1;
}

int previousPage(int page, int pageCount)
{
    return page <= 1 ? pageCount : page - 1;
}

QString firstPageResource(Slideshow slideshow)
{
    return QStringLiteral(":/help/first-page-%1.jpg").arg(static_cast<int>(slideshow));
}

QString pageFile(const SlideshowPage& page)
{
    return QStringLiteral("image/도움말%1.jpg").arg(page.file);
}

} // namespace tessarin
