#include "definition_writer.hpp"

#include <qrvex/items.h>
#include <qrvex/numformat.h>

namespace qrv::import::numfmt {
namespace {

constexpr uint32_t kTargetIsCellTag = 0x10000;
constexpr uint32_t kAlways = 8;
constexpr uint32_t kKeepSign = 1;  // condition data1: the section gets the value unchanged

void write_piece(DocumentWriter &writer, const Piece &piece) {
    if (piece.kind == Piece::Kind::kToken) {
        writer.item(CH_ITEM_SPECIAL_CHAR, piece.token);
        return;
    }
    // A text run of a lone "/" would make the definition a fraction format
    // shown in general form: the slash goes as an escaped character.
    if (piece.text == "/") {
        writer.item(CH_ITEM_SPECIAL_CHAR, FU_TOKEN_ESCAPE);
        writer.item(CH_ITEM_SPECIAL_CHAR, '/');
        return;
    }
    writer.text(piece.text);
}

void write_body(DocumentWriter &writer, const Section &section) {
    if (section.colour) writer.item(CH_ITEM_ATTR_25, *section.colour);
    if (section.pieces.empty()) writer.item(CH_ITEM_SPECIAL_CHAR, FU_TOKEN_GROUPING);
    for (const Piece &piece : section.pieces) write_piece(writer, piece);
}

void write_condition(DocumentWriter &writer, uint32_t test, ValueShown shown, uint32_t section_number,
                     double comparand) {
    const uint32_t keep_sign = shown == ValueShown::kSigned ? kKeepSign : 0;
    writer.item(CH_ITEM_FORMAT_CONDITION, test | kTargetIsCellTag, keep_sign, section_number);
    writer.number(comparand);
}

void write_section_tag(DocumentWriter &writer, uint32_t section_number, const Section &section) {
    writer.tag_begin(CH_TAG_SS_CELL, section_number);
    write_body(writer, section);
    writer.tag_end(CH_TAG_SS_CELL);
}

bool is_flat(const NumberFormat &format) {
    const auto &sections = format.sections;
    return sections.size() == 1 && !sections[0].condition && sections[0].value == ValueShown::kSigned;
}

Section general_section() {
    Section general;
    general.add_token(FU_TOKEN_GENERAL);
    return general;
}

// The sections a value can reach: those with a condition in order, then
// the default one (or the general format when every section has a
// condition).
std::vector<const Section *> reachable_sections(const NumberFormat &format, const Section &general) {
    std::vector<const Section *> reachable;
    const Section *fallback = nullptr;
    for (const Section &section : format.sections) {
        if (section.condition) {
            reachable.push_back(&section);
        } else if (!fallback) {
            fallback = &section;
        }
    }
    reachable.push_back(fallback ? fallback : &general);
    return reachable;
}

void write_sections(DocumentWriter &writer, const NumberFormat &format) {
    const Section general = general_section();
    const std::vector<const Section *> sections = reachable_sections(format, general);
    const uint32_t fallback = static_cast<uint32_t>(sections.size());
    for (uint32_t number = 1; number < fallback; ++number) {
        const Condition &condition = *sections[number - 1]->condition;
        write_condition(writer, static_cast<uint32_t>(condition.test), sections[number - 1]->value, number,
                        condition.comparand);
    }
    const Section &last = *sections.back();
    if (last.value == ValueShown::kAbsolute) write_condition(writer, kAlways, ValueShown::kAbsolute, fallback, 0);
    write_section_tag(writer, fallback, last);
    for (uint32_t number = 1; number < fallback; ++number) write_section_tag(writer, number, *sections[number - 1]);
}

}  // namespace

void write_definition(DocumentWriter &writer, uint32_t key, const NumberFormat &format) {
    writer.tag_begin(CH_TAG_NUMBER_FORMAT, 0, 0, key);
    if (format.sections.empty()) {
        write_body(writer, general_section());
    } else if (is_flat(format)) {
        write_body(writer, format.sections[0]);
    } else {
        write_sections(writer, format);
    }
    writer.tag_end(CH_TAG_NUMBER_FORMAT);
}

}  // namespace qrv::import::numfmt
