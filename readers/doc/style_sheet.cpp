#include "style_sheet.hpp"

#include "cfb/little_endian.hpp"
#include "writer/utf16.hpp"
#include "lists.hpp"
#include "sprm.hpp"

namespace qrv::import::doc {
namespace {

constexpr uint16_t kNoStyle = 0x0FFF;
constexpr size_t kShortestBase = 10;
// In the header: the default Latin font's slot.
constexpr size_t kDefaultFontAt = 12;
constexpr uint16_t kLastHeading = 9;
enum : uint8_t { kParagraphKind = 1, kCharacterKind = 2 };

struct Entry {
    uint16_t builtin = 0, kind = 0, base = kNoStyle;
    std::u16string name;
    std::span<const uint8_t> para_changes, char_changes;
    bool has_para_style = false;
};

// The names Word gives its built-in styles where an entry has none.
std::string builtin_name(uint16_t number) {
    if (number == 0) return "Normal";
    if (number <= kLastHeading) return "heading " + std::to_string(number);
    if (number == 65) return "Default Paragraph Font";
    return {};
}

// The property lists after the name, each after its 16-bit length and
// padded to a whole word: a paragraph style's paragraph list (the style's
// index first), then its character list; a character style's character list.
void read_lists(std::span<const uint8_t> rest, Entry &e) {
    size_t at = 0;
    const auto next = [&]() -> std::span<const uint8_t> {
        if (at + 2 > rest.size()) return {};
        const size_t length = le16(rest.data() + at);
        at += 2;
        if (length > rest.size() - at) return {};
        const auto list = rest.subspan(at, length);
        at += length + (length & 1);
        return list;
    };
    if (e.kind == kParagraphKind) {
        const auto para = next();
        if (para.size() >= 2) e.para_changes = para.subspan(2);
    }
    if (e.kind == kParagraphKind || e.kind == kCharacterKind) e.char_changes = next();
}

bool read_entry(std::span<const uint8_t> std, size_t base_size, Entry &e) {
    if (std.size() < base_size + 2) return false;
    e.builtin = le16(std.data()) & 0x0FFF;
    e.kind = le16(std.data() + 2) & 0x000F;
    e.base = le16(std.data() + 2) >> 4;
    const size_t chars = le16(std.data() + base_size);
    const size_t name_at = base_size + 2;
    if (name_at + chars * 2 > std.size()) return false;
    for (size_t i = 0; i < chars; ++i) e.name += static_cast<char16_t>(le16(std.data() + name_at + i * 2));
    const size_t after = name_at + chars * 2 + 2;
    if (after <= std.size()) read_lists(std.subspan(after), e);
    return true;
}

textdoc::StyleDefinition definition_of(uint16_t index, const Entry &e, const FontTable &fonts, bool &cut) {
    textdoc::StyleDefinition style;
    const bool character = e.kind == kCharacterKind;
    style.kind = character ? textdoc::StyleKind::Character : textdoc::StyleKind::Paragraph;
    style.key = character ? character_style_key(index) : paragraph_style_key(index);
    style.name = e.name.empty() ? builtin_name(e.builtin) : utf8_of(e.name);
    if (style.name.empty()) style.name = style.key;
    if (e.base != kNoStyle && e.base != index)
        style.parent = character ? character_style_key(e.base) : paragraph_style_key(e.base);
    ParaProps para;
    apply_paragraph_changes(e.para_changes, para);
    cut |= para.cut;
    style.para = para.format;
    if (!character && e.builtin >= 1 && e.builtin <= kLastHeading) style.para.outline_level = e.builtin - 1u;
    CharProps chars;
    apply_character_changes(e.char_changes, chars);
    fonts.name_font(chars);
    style.chars = chars.format;
    if (para.list && *para.list) {
        style.list.list = list_key(*para.list);
        style.list.level = para.level.value_or(0);
    }
    style.is_default = index == 0 || (character && e.builtin == 65);
    return style;
}

// The header's default font, where the font table holds it.
void set_default_font(std::span<const uint8_t> sheet, size_t header, const FontTable &fonts,
                      textdoc::TextDocument &doc) {
    if (header < kDefaultFontAt + 2 || 2 + kDefaultFontAt + 2 > sheet.size()) return;
    CharProps chars;
    chars.latin_font = le16(sheet.data() + 2 + kDefaultFontAt);
    fonts.name_font(chars);
    if (chars.format.font) doc.set_defaults({}, chars.format);
}

}  // namespace

std::string paragraph_style_key(uint16_t index) { return "s" + std::to_string(index); }
std::string character_style_key(uint16_t index) { return "cs" + std::to_string(index); }

void read_style_sheet(std::span<const uint8_t> table, Span place, const FontTable &fonts, textdoc::TextDocument &doc,
                      Diagnostics &diagnostics) {
    if (place.length == 0) return;
    if (place.offset > table.size() || place.length > table.size() - place.offset || place.length < 6) {
        diagnostics.warn("the style sheet lies beyond the table stream; styles are left out");
        return;
    }
    const auto sheet = table.subspan(place.offset, place.length);
    const size_t header = le16(sheet.data());
    const size_t count = le16(sheet.data() + 2);
    const size_t base_size = std::max<size_t>(le16(sheet.data() + 4), kShortestBase);
    set_default_font(sheet, header, fonts, doc);
    size_t at = 2 + header;
    bool cut = false;
    for (size_t index = 0; index < count && index < kNoStyle && at + 2 <= sheet.size(); ++index) {
        const size_t length = le16(sheet.data() + at);
        at += 2;
        if (length > sheet.size() - at) break;
        Entry e;
        if (length && read_entry(sheet.subspan(at, length), base_size, e) &&
            (e.kind == kParagraphKind || e.kind == kCharacterKind))
            doc.add_style(definition_of(static_cast<uint16_t>(index), e, fonts, cut));
        at += length;
    }
    if (cut) diagnostics.warn("tab stops of a style are cut short; those read are kept");
    doc.fall_back_to_default_paragraph_style(paragraph_style_key(0));
}

}  // namespace qrv::import::doc
