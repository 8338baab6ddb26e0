#include "char_format.hpp"

#include <qrvex/items.h>

#include <qrvmodel/conventions.hpp>

namespace qrv::import {
namespace {

using model::AttributeCode;

// The switched attributes, by their item 8 code.
struct Switch {
    bool CharFormat::*field;
    AttributeCode code;
};
constexpr Switch kSwitches[] = {
    {&CharFormat::bold, model::kBold},
    {&CharFormat::italic, model::kItalic},
    {&CharFormat::underline, model::kUnderline},
    {&CharFormat::strike, model::kStrike},
    {&CharFormat::superscript, model::kSuperscript},
    {&CharFormat::subscript, model::kSubscript},
};

}  // namespace

uint32_t CharFormatTable::number_of(const CharFormat &format) {
    const auto [found, added] = numbers_.try_emplace(format, static_cast<uint32_t>(formats_.size()));
    if (added) formats_.push_back(format);
    return found->second;
}

void write_format_change(DocumentWriter &writer, const CharFormat &from, const CharFormat &to) {
    for (const auto &s : kSwitches)
        if (from.*s.field != to.*s.field) writer.item(CH_ITEM_CHAR_ATTR, s.code, to.*s.field ? 1 : 0);
    if (from.font != to.font) writer.item(CH_ITEM_FONT, to.font);
    if (from.size != to.size) writer.item(CH_ITEM_FONT_SIZE, to.size);
    if (from.colour != to.colour)
        writer.item(CH_ITEM_ATTR_25, to.colour == CharFormat::kNoColour ? model::kAutomaticColour : to.colour);
}

}  // namespace qrv::import
