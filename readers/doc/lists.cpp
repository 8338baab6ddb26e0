#include "lists.hpp"

#include <map>

#include "cfb/little_endian.hpp"
#include "rtf/definitions.hpp"
#include "textdoc/symbol_fonts.hpp"
#include "writer/utf16.hpp"
#include "sprm.hpp"

namespace qrv::import::doc {
namespace {

constexpr size_t kListEntry = 28, kLevelEntry = 28, kOverrideEntry = 16, kLevelOverride = 8;
constexpr size_t kLevels = 9, kPlaces = 9;
constexpr uint8_t kSimpleList = 0x01;
constexpr uint8_t kStartsAt = 0x10, kReformats = 0x20;

// The level text: characters below 9 stand for the number of that level.
std::string level_text(std::u16string_view raw, bool bullet, size_t level) {
    std::string out;
    for (char16_t c : raw) {
        if (c < kPlaces) {
            if (!bullet) out.append(1, '%').append(std::to_string(c + 1));
        } else {
            append_utf8(c, out);
        }
    }
    return bullet ? textdoc::shown_bullet(out, "", level) : out;
}

// One level at at; its size is returned, 0 when it is cut short.
size_t read_level(std::span<const uint8_t> t, size_t at, size_t index, textdoc::ListLevel &level) {
    if (at > t.size() || t.size() - at < kLevelEntry + 2) return 0;
    const uint8_t *l = t.data() + at;
    level.start = static_cast<int32_t>(le32(l));
    level.kind = rtf::number_kind(l[4]);
    level.legal = l[5] & 0x04;
    const size_t char_changes = l[24], para_changes = l[25];
    size_t end = at + kLevelEntry;
    if (t.size() - end < para_changes + char_changes + 2) return 0;
    ParaProps para;
    apply_paragraph_changes(t.subspan(end, para_changes), para);
    level.paragraph = para.format;
    end += para_changes + char_changes;
    const size_t chars = le16(t.data() + end);
    end += 2;
    if ((t.size() - end) / 2 < chars) return 0;
    std::u16string raw;
    for (size_t i = 0; i < chars; ++i) raw += static_cast<char16_t>(le16(t.data() + end + 2 * i));
    level.text = level_text(raw, level.kind == textdoc::NumberKind::Bullet, index);
    return end + 2 * chars - at;
}

// The definitions by id, their levels following the table of definitions.
std::map<uint32_t, textdoc::ListDefinition> read_definitions(std::span<const uint8_t> t, Span place) {
    std::map<uint32_t, textdoc::ListDefinition> lists;
    const auto head = place_in(t, place);
    if (head.size() < 2) return lists;
    const size_t count = std::min<size_t>(le16(head.data()), (head.size() - 2) / kListEntry);
    size_t at = size_t{place.offset} + place.length;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t *entry = head.data() + 2 + i * kListEntry;
        textdoc::ListDefinition list;
        list.counter = "lsid" + std::to_string(le32(entry));
        const size_t levels = entry[26] & kSimpleList ? 1 : kLevels;
        for (size_t k = 0; k < levels; ++k) {
            textdoc::ListLevel level;
            const size_t size = read_level(t, at, k, level);
            if (size == 0) return lists;
            at += size;
            list.levels.push_back(std::move(level));
        }
        lists[le32(entry)] = std::move(list);
    }
    return lists;
}

// Where the level changes of an override (after the overrides, in their
// order: a position, then each change) end, and what they make of list;
// 0 when they are cut short.  A change that restarts or reformats a level
// gives the override numbers of its own.
size_t override_levels(std::span<const uint8_t> t, size_t at, size_t changes, textdoc::ListDefinition &list) {
    if (at > t.size() || t.size() - at < 4) return 0;
    at += 4;
    for (size_t i = 0; i < changes; ++i) {
        if (t.size() - at < kLevelOverride) return 0;
        const uint8_t *change = t.data() + at;
        const size_t index = change[4] & 0x0F;
        at += kLevelOverride;
        textdoc::ListLevel level = index < list.levels.size() ? list.levels[index] : textdoc::ListLevel{};
        if (change[4] & kReformats) {
            const size_t size = read_level(t, at, index, level);
            if (size == 0) return 0;
            at += size;
        } else if (change[4] & kStartsAt) {
            level.start = static_cast<int32_t>(le32(change));
        } else {
            continue;
        }
        if (index < list.levels.size()) list.levels[index] = std::move(level);
        list.counter.clear();
    }
    return at;
}

}  // namespace

std::string list_key(uint32_t override_index) { return "ls" + std::to_string(override_index); }

bool read_lists(std::span<const uint8_t> table, const Fib &fib, textdoc::TextDocument &doc) {
    const auto lists = read_definitions(table, fib.table(Table::Lists));
    const auto overrides = place_in(table, fib.table(Table::ListOverrides));
    if (lists.empty() || overrides.size() < 4) return false;
    const size_t count = std::min<size_t>(le32(overrides.data()), (overrides.size() - 4) / kOverrideEntry);
    bool any = false;
    size_t changes_at = 4 + count * kOverrideEntry;  // the level changes follow the overrides
    for (size_t i = 0; i < count; ++i) {
        const uint8_t *entry = overrides.data() + 4 + i * kOverrideEntry;
        const auto it = lists.find(le32(entry));
        textdoc::ListDefinition list = it != lists.end() ? it->second : textdoc::ListDefinition{};
        if (changes_at) changes_at = override_levels(overrides, changes_at, entry[12], list);
        if (it == lists.end()) continue;
        doc.add_list(list_key(static_cast<uint32_t>(i + 1)), std::move(list));
        any = true;
    }
    return any;
}

}  // namespace qrv::import::doc
