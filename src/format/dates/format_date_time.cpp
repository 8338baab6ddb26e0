// Dates and times as wide text, laid out in up to five slots.
#include <qrvda.h>
#include <qrvex/datavalue.h>
#include <qrvex/datetime.h>
#include <qrvplatform/platform.h>
#include <qrvut.h>

#include <array>
#include <cstring>

#include "format/dates/date_time_fields.hpp"

namespace qrv::dates {
namespace {

// The five elements in the order of their 3-bit position fields.
enum Element { kWeekday, kMonth, kDay, kYear, kTime, kElementCount };
using Positions = std::array<uint32_t, kElementCount>;

constexpr uint32_t kSlotCount = 5;
constexpr uint32_t kOutputChars = 80;   // the caller's buffer
constexpr uint32_t kMessageChars = 79;  // room given to a message
constexpr uint32_t kNameRoom = 30;      // bytes a name resource may take

// Every element text has its own buffer with room for the longest text it
// can hold (a 30-byte name; a time with a designator; a year of 8 digits),
// so no element can run into another.
constexpr size_t kElementRoom = 40;
using ElementText = std::array<char, kElementRoom>;

enum Flag : uint32_t {
    kSlash = 0x100,
    kDash = 0x200,
    kDot = 0x400,
    kSpace = 0x800,
    kMonthName = 0x1000,
    kMonthName2 = 0x2000,
    kMonthNumber = 0x4000,
    kFourDigitYear = 0x8000,
    kTwoDigitYear = 0x10000,
    kTimeMask = 0x1E0000,
    kHoursMinutes = 0x20000,
    kWithSeconds = 0x40000,
    kTwelveHour = 0x80000,
    kLetters = 0x100000,
    kDayNumber = 0x200000,
    kWeekdayName = 0x400000,
    kWeekdayName2 = 0x800000
};

constexpr uint32_t kMonthNames = 65755, kMonthNames2 = 65775, kWeekdayNames = 65736, kWeekdayNames2 = 65743;
constexpr uint32_t kKeepTwelveHourOption = 0x2;

struct Conventions {
    FUIntlSettings intl{};
    char morning[9]{};
    char afternoon[9]{};
};

Conventions read_conventions(uint32_t h_options) {
    Conventions c;
    uint32_t size = sizeof c.intl;
    DAGetOption(h_options, DA_OPTION_INTL_SETTINGS, &c.intl, &size);
    std::memcpy(c.morning, c.intl.MorningDesignator, 8);
    std::memcpy(c.afternoon, c.intl.AfternoonDesignator, 8);
    return c;
}

uint32_t date_flags_option(uint32_t h_options) {
    uint32_t flags = 0, size = sizeof flags;
    return DAGetOption(h_options, DA_OPTION_DATE_FLAGS, &flags, &size) == 0 ? flags : 0;
}

// Positions in the conventions' order: the weekday first, then the
// requested date elements, then the time.
Positions positions_by_conventions(const Positions &asked, uint16_t date_order) {
    static constexpr Element orders[3][3] = {{kMonth, kDay, kYear}, {kDay, kMonth, kYear}, {kYear, kMonth, kDay}};
    Positions placed{};
    uint32_t next = 1;
    if (asked[kWeekday]) placed[kWeekday] = next++;
    if (date_order < 3)
        for (Element e : orders[date_order])
            if (asked[e]) placed[e] = next++;
    if (asked[kTime]) placed[kTime] = next++;
    return placed;
}

Positions unpack_positions(uint32_t packed) {
    Positions p{};
    for (int e = 0; e < kElementCount; ++e) p[e] = (packed >> (3 * e)) & 7;
    return p;
}

void date_separator(uint32_t flags, const Conventions &c, char (&sep)[2]) {
    sep[0] = (flags & kMonthNumber) ? c.intl.DateSeparator
             : (flags & kSlash)     ? '/'
             : (flags & kDash)      ? '-'
             : (flags & kDot)       ? '.'
             : (flags & kSpace)     ? ' '
                                    : 0;
    sep[1] = 0;
}

void time_text(ElementText &out, uint32_t flags, const DateTimeFields &f, const Conventions &c) {
    const int sep = c.intl.TimeSeparator;
    const int hour = static_cast<int>(f.hour), minute = static_cast<int>(f.minute);
    const int second = static_cast<int>(f.second);
    const int hour12 = static_cast<int>((f.hour + 11) % 12 + 1);
    const char *designator = f.hour < 12 ? c.morning : c.afternoon;
    char *b = out.data();
    switch (flags & kTimeMask) {
    case kTwelveHour | kHoursMinutes: wsprintfA(b, "%i%c%.2i %s", hour12, sep, minute, designator); break;
    case kHoursMinutes: wsprintfA(b, "%i%c%.2i", hour, sep, minute); break;
    case kTwelveHour | kWithSeconds:
        wsprintfA(b, "%i%c%2.2i%c%2.2i %s", hour12, sep, minute, sep, second, designator);
        break;
    case kWithSeconds: wsprintfA(b, "%i%c%2.2i%c%2.2i", hour, sep, minute, sep, second); break;
    case kLetters | kHoursMinutes: wsprintfA(b, "%ih%.2im", hour, minute); break;
    case kLetters | kWithSeconds: wsprintfA(b, "%ih%2.2im%2.2is", hour, minute, second); break;
    default: out[0] = 0; break;
    }
}

void name_text(ElementText &out, uint32_t id) {
    UTGetString(id, out.data(), kNameRoom, 0);
    out[kNameRoom - 1] = 0;
}

void month_text(ElementText &out, uint32_t flags, int32_t month) {
    if (flags & kMonthName)
        name_text(out, kMonthNames + static_cast<uint32_t>(month));
    else if (flags & kMonthName2)
        name_text(out, kMonthNames2 + static_cast<uint32_t>(month));
    else if (flags & kMonthNumber)
        wsprintfA(out.data(), "%i", month);
}

void year_text(ElementText &out, uint32_t flags, int32_t year) {
    if (!(flags & kFourDigitYear) && year >= 1900 && year <= 1999) {
        if (flags & kTwoDigitYear) wsprintfA(out.data(), "%2.2i", year % 100);
    } else {
        wsprintfA(out.data(), "%4.4i", year);
    }
}

void weekday_text(ElementText &out, uint32_t flags, int32_t weekday) {
    if (flags & kWeekdayName)
        name_text(out, kWeekdayNames + static_cast<uint32_t>(weekday));
    else if (flags & kWeekdayName2)
        name_text(out, kWeekdayNames2 + static_cast<uint32_t>(weekday));
}

// Wide output that never passes the caller's 80 characters.
class WideOutput {
public:
    explicit WideOutput(QRVWCHAR *out) : out_(out) { out_[0] = 0; }
    void append(const char *bytes) {
        for (; *bytes && length_ < kOutputChars - 1; ++bytes) out_[length_++] = static_cast<unsigned char>(*bytes);
        out_[length_] = 0;
    }

private:
    QRVWCHAR *out_;
    uint32_t length_ = 0;
};

bool is_date_position(const Positions &p, uint32_t slot) {
    return p[kDay] == slot || p[kMonth] == slot || p[kYear] == slot;
}

void lay_out(QRVWCHAR *output, const std::array<ElementText, kElementCount> &texts, const Positions &p,
             const char *date_sep) {
    std::array<const char *, kSlotCount + 1> slots{};
    for (int e = 0; e < kElementCount; ++e)
        if (p[e] >= 1 && p[e] <= kSlotCount) slots[p[e]] = texts[e].data();
    WideOutput out(output);
    for (uint32_t k = 1; k <= kSlotCount; ++k) {
        if (!slots[k] || !*slots[k]) continue;
        out.append(slots[k]);
        out.append(is_date_position(p, k) && is_date_position(p, k + 1) ? date_sep : " ");
    }
}

void format(QRVWCHAR *output, double value, uint32_t kind, uint32_t flags, uint32_t packed_positions, uint32_t day_base,
            uint32_t date_flags, double scale, uint32_t h_options) {
    const Conventions c = read_conventions(h_options);
    DateTimeFields f;
    if (const uint32_t message = fields_of(value * scale, kind, day_base, date_flags, f)) {
        FUGetLOString(message, output, kMessageChars);
        return;
    }
    char sep[2];
    date_separator(flags, c, sep);
    Positions p = unpack_positions(packed_positions);
    if (flags & kMonthNumber) p = positions_by_conventions(p, c.intl.DateOrder);
    if ((flags & kTwelveHour) && !c.morning[0] && !c.afternoon[0] &&
        !(date_flags_option(h_options) & kKeepTwelveHourOption))
        flags &= ~kTwelveHour;
    std::array<ElementText, kElementCount> texts{};
    time_text(texts[kTime], flags, f, c);
    if (flags & kDayNumber) wsprintfA(texts[kDay].data(), "%i", f.day);
    month_text(texts[kMonth], flags, f.month);
    year_text(texts[kYear], flags, f.year);
    weekday_text(texts[kWeekday], flags, f.weekday);
    lay_out(output, texts, p, sep);
}

}  // namespace
}  // namespace qrv::dates

// Kinds: 5 date and time, 6 date, 7 time (a whole value counts seconds, a
// fraction is a time of day); any other kind shows the date message, as
// does a date that cannot be shown (resource 65796; 65797 for a time).
// Each requested element takes the slot its 3-bit field names (1 to 5; 6 and
// 7 place nothing; of two elements in one slot the later of weekday, month,
// day, year, time wins).  Slots are joined by the date separator where two
// date elements meet, else by a space, which also ends the text.  Element
// texts have separate buffers, and the output is cut at 79 characters, so
// long names never run over anything.
extern "C" QRVAPI void FUFormatDateTime(QRVWCHAR *output, double value, uint32_t kind, uint32_t formatFlags,
                                        uint32_t positions, uint32_t dayBase, uint32_t dateFlags, double scale,
                                        uint32_t hOptions) {
    qrv::dates::format(output, value, kind, formatFlags, positions, dayBase, dateFlags, scale, hOptions);
}
