#include "bookmarks.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"
#include "comments.hpp"
#include "stories.hpp"

namespace qrv::import::doc {
namespace {

constexpr size_t kStartRecord = 4;
constexpr uint16_t kWideStrings = 0xFFFF;
// Where the cursor was when the document was last saved, not a bookmark of the text.
constexpr std::string_view kLastEdit = "_GoBack";

// A string table of UTF-16 strings without extra data: its mark, the count
// of strings and the bytes of extra data each, then the strings.
std::vector<std::string> string_table(std::span<const uint8_t> bytes) {
    if (bytes.size() < 6 || le16(bytes.data()) != kWideStrings || le16(bytes.data() + 4) != 0) return {};
    std::vector<std::string> names = read_names(bytes.subspan(6));
    names.resize(std::min<size_t>(names.size(), le16(bytes.data() + 2)));
    return names;
}

}  // namespace

Bookmarks::Bookmarks(std::span<const uint8_t> table, const Fib &fib, Diagnostics &diagnostics) {
    const auto plc = table_of(table, fib.table(Table::BookmarkStarts), kStartRecord, "the bookmarks", diagnostics);
    if (!plc) return;
    std::vector<std::string> names = string_table(place_in(table, fib.table(Table::BookmarkNames)));
    for (size_t i = 0; i < plc->size() && i < names.size(); ++i)
        if (!names[i].empty() && names[i] != kLastEdit) starts_.push_back({plc->position(i), std::move(names[i])});
}

size_t Bookmarks::first_from(uint32_t cp) const {
    return std::lower_bound(starts_.begin(), starts_.end(), cp,
                            [](const BookmarkStart &b, uint32_t at) { return b.cp < at; }) -
           starts_.begin();
}

}  // namespace qrv::import::doc
