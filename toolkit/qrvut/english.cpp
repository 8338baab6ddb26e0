// Every resource id the export library asks for, with its English text.
#include "english.hpp"

#include <algorithm>
#include <iterator>

namespace qrv::ut {

namespace {

struct Resource {
    uint32_t id;
    const char *text;
};

// Sorted by id.  Weekdays start on Monday (weekday 0).
constexpr Resource kEnglish[] = {
    // Weekday names, long then short.
    {65736, "Monday"},
    {65737, "Tuesday"},
    {65738, "Wednesday"},
    {65739, "Thursday"},
    {65740, "Friday"},
    {65741, "Saturday"},
    {65742, "Sunday"},
    {65743, "Mon"},
    {65744, "Tue"},
    {65745, "Wed"},
    {65746, "Thu"},
    {65747, "Fri"},
    {65748, "Sat"},
    {65749, "Sun"},
    // Month names (65755 + month), long.
    {65756, "January"},
    {65757, "February"},
    {65758, "March"},
    {65759, "April"},
    {65760, "May"},
    {65761, "June"},
    {65762, "July"},
    {65763, "August"},
    {65764, "September"},
    {65765, "October"},
    {65766, "November"},
    {65767, "December"},
    // Month names (65775 + month), short.
    {65776, "Jan"},
    {65777, "Feb"},
    {65778, "Mar"},
    {65779, "Apr"},
    {65780, "May"},
    {65781, "Jun"},
    {65782, "Jul"},
    {65783, "Aug"},
    {65784, "Sep"},
    {65785, "Oct"},
    {65786, "Nov"},
    {65787, "Dec"},
    // Messages for values that cannot be shown, and truth values.
    {65796, "Invalid date"},
    {65797, "Invalid time"},
    {65798, "No value"},
    {65799, "TRUE"},
    {65800, "FALSE"},
    // Words of default section titles, by section kind.
    {77537, "Section"},
    {77538, "Footnote"},
    {77539, "Note"},
    {77540, "Endnote"},
    {77541, "Annotation"},
    {77542, "Comment"},
    {77543, "Header"},
    {77544, "Footer"},
};

static_assert(std::is_sorted(std::begin(kEnglish), std::end(kEnglish),
                             [](const Resource &a, const Resource &b) { return a.id < b.id; }));

}  // namespace

const char *english_text(uint32_t id) {
    const auto it = std::lower_bound(std::begin(kEnglish), std::end(kEnglish), id,
                                     [](const Resource &r, uint32_t key) { return r.id < key; });
    return it != std::end(kEnglish) && it->id == id ? it->text : nullptr;
}

}  // namespace qrv::ut
