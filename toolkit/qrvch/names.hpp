// Symbolic names of the codes of <qrvex/items.h> as the text format writes
// them: the constant's name without its CH_ and kind prefix (TEXT for
// CH_ITEM_TEXT, STYLE_DEFINITION for CH_TAG_STYLE_DEFINITION).  With the
// kind prefix (ITEM_TEXT, TAG_STYLE_DEFINITION) a name is usable anywhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qrv::ch {

enum class NameKind { None, Item, Tag, Break, Special, Store, Storage, Multiplier };

// The value of a name: a bare name of the given kind first (of any kind,
// when kind is None and the name means one value only), then a name with
// its kind prefix.
std::optional<uint32_t> lookup_name(NameKind kind, std::string_view name);

// What field 1 (value), 2 (data1) or 3 (data2) of an item of a type is
// named after: tags for tag begins and ends, kinds for breaks and special
// characters, multiplier and storage codes for data values.
NameKind field_kind(uint32_t type, size_t field);

// The bare name of a value of a kind, or an empty view.
std::string_view name_of(NameKind kind, uint32_t value);

}  // namespace qrv::ch
