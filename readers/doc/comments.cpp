#include "comments.hpp"

#include "cfb/little_endian.hpp"
#include "writer/utf16.hpp"

namespace qrv::import::doc {
namespace {

// A reference's record: the initials (a 16-bit length and up to nine
// characters), then the index of the author's name.
constexpr size_t kReferenceRecord = 30, kInitialsChars = 9, kAuthorIndex = 20;

std::string initials_of(std::span<const uint8_t> record) {
    const size_t length = std::min<size_t>(le16(record.data()), kInitialsChars);
    std::u16string initials;
    for (size_t i = 0; i < length; ++i) initials += static_cast<char16_t>(le16(record.data() + 2 + i * 2));
    return utf8_of(initials);
}

std::string author_of(std::span<const uint8_t> record, const std::vector<std::string> &names) {
    const size_t index = le16(record.data() + kAuthorIndex);
    if (index < names.size() && !names[index].empty()) return names[index];
    return initials_of(record);
}

}  // namespace

std::vector<std::string> read_names(std::span<const uint8_t> names) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at + 2 <= names.size()) {
        const size_t length = le16(names.data() + at);
        at += 2;
        if (length > (names.size() - at) / 2) break;
        std::u16string name;
        for (size_t i = 0; i < length; ++i) name += static_cast<char16_t>(le16(names.data() + at + i * 2));
        out.push_back(utf8_of(name));
        at += length * 2;
    }
    return out;
}

Comments::Comments(std::span<const uint8_t> table, const Fib &fib, Diagnostics &diagnostics) {
    const auto refs = table_of(table, fib.table(Table::CommentRefs), kReferenceRecord, "the comments", diagnostics);
    const auto texts = table_of(table, fib.table(Table::CommentTexts), 0, "the comments' texts", diagnostics);
    if (!refs || !texts) return;
    const auto ranges =
        sound_ranges(stories_of(*texts, refs->size(), fib, Story::Comments), "the comments", diagnostics);
    const auto names = read_names(place_in(table, fib.table(Table::CommentAuthors)));
    for (size_t i = 0; i < ranges.size(); ++i)
        if (!ranges[i].empty()) comments_[refs->position(i)] = {author_of(refs->record(i), names), ranges[i]};
}

const Comment *Comments::at(uint32_t cp) const {
    const auto it = comments_.find(cp);
    return it == comments_.end() ? nullptr : &it->second;
}

}  // namespace qrv::import::doc
