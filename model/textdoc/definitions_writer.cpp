#include "definitions_writer.hpp"

#include <qrvmodel/conventions.hpp>
#include <qrvex/styles.h>

#include <algorithm>
#include <cstring>

#include "writer/utf16.hpp"
#include "format_items.hpp"

namespace qrv::import::textdoc {
namespace {

using namespace qrv::model;

constexpr uint32_t kNumberingDecimal = 1, kNumberingLetter = 2, kNumberingRoman = 3, kNumberingNone = 0;
constexpr uint32_t kLowerCase = 0x20000, kLeadingZero = 0x100000;

uint32_t numbering_word(NumberKind kind) {
    switch (kind) {
    case NumberKind::Decimal: return kNumberingDecimal;
    case NumberKind::DecimalZero: return kNumberingDecimal | kLeadingZero;
    case NumberKind::UpperLetter: return kNumberingLetter;
    case NumberKind::LowerLetter: return kNumberingLetter | kLowerCase;
    case NumberKind::UpperRoman: return kNumberingRoman;
    case NumberKind::LowerRoman: return kNumberingRoman | kLowerCase;
    case NumberKind::Bullet: return CU_LIST_NUMBERING_BULLET;
    case NumberKind::None: return kNumberingNone;
    }
    return kNumberingDecimal;
}

template <typename Record>
uint32_t store_record(DocumentWriter &out, const Record &record) {
    return out.store_data(CH_STORE_STYLE_DATA, {reinterpret_cast<const uint8_t *>(&record), sizeof record});
}

uint32_t style_record(DocumentWriter &out, uint32_t kind, uint32_t name_item, uint32_t parent) {
    CUStyleRecord record{};
    record.Kind = kind;
    record.NameItemId = name_item;
    record.ParentId = parent;
    return store_record(out, record);
}

char16_t bullet_of(const ListLevel &level, size_t index) {
    const std::u16string text = utf16_of(level.text);
    const auto blank = std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u' ' || c == 0xA0; });
    if (text.empty() || blank || (text[0] >= 0xD800 && text[0] < 0xE000))
        return static_cast<char16_t>(default_bullet(index));
    return text[0];
}

class DefinitionsWriter {
public:
    DefinitionsWriter(DocumentWriter &out, FontTable &fonts, const TextDocument &doc)
        : out_(out), fonts_(fonts), doc_(doc) {}

    void properties() {
        for (const auto &[id, value] : doc_.properties()) {
            const uint32_t property_id = static_cast<uint32_t>(id);
            const uint32_t offset = store_record(out_, property_id);
            out_.tag_begin(CH_TAG_DOC_PROPERTY, 0, offset);
            out_.text(value);
            out_.tag_end(CH_TAG_DOC_PROPERTY);
        }
        for (const auto &[name, value] : doc_.custom_properties()) {
            out_.tag_begin(CH_TAG_CUSTOM_DOC_PROPERTY);
            out_.text(name);
            if (!value.empty()) out_.text(value);
            out_.tag_end(CH_TAG_CUSTOM_DOC_PROPERTY);
        }
    }

    void style(const ResolvedStyle &s) {
        const bool paragraph = s.kind == StyleKind::Paragraph;
        const uint32_t name = out_.string(s.name);
        const uint32_t record =
            style_record(out_, paragraph ? CU_STYLE_KIND_PARAGRAPH : CU_STYLE_KIND_CHARACTER, name, s.parent);
        out_.tag_begin(CH_TAG_STYLE_DEFINITION, 0, record, s.number);
        if (paragraph) paragraph_part(s);
        write_run_changes(out_, fonts_, RunLook{}, look_of(s.chars, doc_.default_chars()));
        out_.tag_end(CH_TAG_STYLE_DEFINITION);
    }

    void list(const std::string &key, const ResolvedList &list) {
        const auto &levels = list.definition.levels;
        const uint32_t first_key = next_level_key_;
        std::vector<uint32_t> records;
        for (size_t i = 0; i < levels.size(); ++i) records.push_back(level_record(list, levels[i], i));
        const uint32_t name = out_.string("list " + key);
        const uint32_t record = style_record(out_, CU_STYLE_KIND_LIST, name, CH_NO_ITEM);
        out_.tag_begin(CH_TAG_STYLE_DEFINITION, 0, record, list.number);
        for (size_t i = 0; i < records.size(); ++i)
            out_.item(CH_ITEM_LIST_LEVEL_DATA, 0, static_cast<uint32_t>(i), records[i]);
        out_.tag_end(CH_TAG_STYLE_DEFINITION);
        for (size_t i = 0; i < levels.size(); ++i) level_definition(levels[i], first_key + static_cast<uint32_t>(i));
    }

private:
    void paragraph_part(const ResolvedStyle &s) {
        ParaFormat shown = doc_.default_para();
        overlay(shown, s.para);
        write_paragraph_fields(out_, shown);
        if (!shown.tabs.empty()) write_tab_list(out_, shown.tabs);
        if (!s.list.list || s.list.list->empty()) return;
        if (const ResolvedList *list = doc_.list(*s.list.list))
            write_list_membership(out_, *list, s.list.level.value_or(0));
    }

    uint32_t level_record(const ResolvedList &list, const ListLevel &level, size_t index) {
        CUListLevelRecord record{};
        const bool bullet = level.kind == NumberKind::Bullet;
        record.BulletChar = bullet ? bullet_of(level, index) : 0;
        record.CounterWord = bullet ? 0 : 1;
        record.ChunkerWords12[kLevelStartWord] = static_cast<uint32_t>(level.start);
        record.ChunkerWords12[kLevelCounterWord] = list.counter;
        record.ChunkerWords12[kLevelFlagsWord] = kLevelStartGiven | (level.legal ? kLevelLegalFlag : 0);
        record.DefinitionKey = next_level_key_++;
        record.Numbering = numbering_word(level.kind);
        return store_record(out_, record);
    }

    void level_definition(const ListLevel &level, uint32_t key) {
        out_.tag_begin(CH_TAG_LIST_LEVEL_DEF, 0, 0, key);
        if (level.kind != NumberKind::Bullet) {
            out_.item(CH_ITEM_COUNTER_PLACEMENT);
            out_.string(level.text);
        }
        if (!level.paragraph.tabs.empty()) write_tab_changes(out_, level.paragraph.tabs);
        out_.tag_end(CH_TAG_LIST_LEVEL_DEF);
    }

    DocumentWriter &out_;
    FontTable &fonts_;
    const TextDocument &doc_;
    uint32_t next_level_key_ = 1;
};

}  // namespace

void write_list_membership(DocumentWriter &out, const ResolvedList &list, unsigned level) {
    const auto &levels = list.definition.levels;
    const size_t deepest = levels.empty() ? 0 : levels.size() - 1;
    const uint32_t at = static_cast<uint32_t>(std::min<size_t>(level, deepest));
    out.item(CH_ITEM_STYLE, 0, list.number);
    const bool bullet = !levels.empty() && levels[at].kind == NumberKind::Bullet;
    if (bullet)
        out.item(CH_ITEM_LIST_LEVEL, at + 1);
    else
        out.item(CH_ITEM_LIST_ITEM, 10, at, 1);
}

void write_definitions(DocumentWriter &out, FontTable &fonts, const TextDocument &doc) {
    DefinitionsWriter writer(out, fonts, doc);
    writer.properties();
    for (const ResolvedStyle *style : doc.written_styles()) writer.style(*style);
    for (const auto &[key, list] : doc.lists()) writer.list(key, list);
}

}  // namespace qrv::import::textdoc
