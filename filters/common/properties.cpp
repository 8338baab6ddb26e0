#include "properties.hpp"

#include <qrvch.h>
#include <qrvex/properties.h>

#include "chars.hpp"

namespace qrv::filters {
namespace {

// More properties than this are not looked for.
constexpr size_t kMostProperties = 64;

// The text of a property's tag from the item after its begin to its end;
// next receives the id after the end.
std::string property_value(CHHandle h, uint32_t id, uint32_t &next) {
    std::string value;
    std::u16string chars;
    while (id != CH_NO_ITEM) {
        CHItem item{};
        next = CH_NO_ITEM;
        if (CHGetItem(h, CH_STORE_ITEMS, id, &item, &next) != 0) break;
        if (item.type == CH_ITEM_TAG_END) break;
        if (item.type == CH_ITEM_TEXT && read_text_run(h, item.value, item.data1, chars)) value += utf8_of(chars);
        if (next != CH_NO_ITEM && next <= id) next = CH_NO_ITEM;
        id = next;
    }
    return value;
}

}  // namespace

std::vector<Property> read_properties(CHHandle h, Outline &outline) {
    std::vector<Property> properties;
    uint32_t start = 0;
    if (CHGetItemId(h, CH_STORE_ITEMS, 0, &start) != 0) return properties;
    while (properties.size() < kMostProperties) {
        uint32_t found = 0, id = 0;
        if (CUFindDocPropertyId(start, CH_BREAK_PARAGRAPH, &found, &id, h) != 0 || found == CH_NO_ITEM) break;
        uint32_t next = CH_NO_ITEM;
        properties.push_back({id, property_value(h, found, next)});
        outline.add_property(id, found, next);
        if (next == CH_NO_ITEM || next <= start) break;
        start = next;
    }
    return properties;
}

}  // namespace qrv::filters
