#include "chunk/gather/char_attributes.hpp"

#include <iterator>

namespace qrv::gather {

namespace {

using T = CUTextChangeInfo;

// The first entry of each field comes first (codes 2 to 39), so the front
// of the table lists every field once.
constexpr CharAttribute kAttributes[] = {
    {2, &T::Attr2, CU_TEXT_CHANGED_ATTR_2, true},
    {3, &T::Attr3, CU_TEXT_CHANGED_ATTR_3, true},
    {4, &T::Attr4, CU_TEXT_CHANGED_ATTR_4_ITEM_63, true},
    {5, &T::Attr5, CU_TEXT_CHANGED_ATTR_5, true},
    {6, &T::Attr6, CU_TEXT_CHANGED_ATTR_6, true},
    {7, &T::Attr7, CU_TEXT_CHANGED_ATTR_7, true},
    {8, &T::Attr8, CU_TEXT_CHANGED_ATTR_8, true},
    {9, &T::Attr9, CU_TEXT_CHANGED_ATTR_9, true},
    {10, &T::Attr10, CU_TEXT_CHANGED_ATTR_10, true},
    {11, &T::Attr11, CU_TEXT_CHANGED_ATTR_11, true},
    {12, &T::Attr12, CU_TEXT_CHANGED_ATTR_12, true},
    {13, &T::Attr13, CU_TEXT_CHANGED_ATTR_13, true},
    {14, &T::Attr14, CU_TEXT_CHANGED_ATTR_14, true},
    {15, &T::Attr15, CU_TEXT_CHANGED_ATTR_15, true},
    {16, &T::Attr16, CU_TEXT_CHANGED_ATTR_16, true},
    {17, &T::Attr17, CU_TEXT_CHANGED_ATTR_17, true},
    {18, &T::Attr18, CU_TEXT_CHANGED_ATTR_18, false},
    {19, &T::Attr19, CU_TEXT_CHANGED_ATTR_19, true},
    {20, &T::Attr20, CU_TEXT_CHANGED_ATTR_20, true},
    {21, &T::Attr21, CU_TEXT_CHANGED_ATTR_21, true},
    {22, &T::Attr22, CU_TEXT_CHANGED_ATTR_22, false},
    {38, &T::Attr38, CU_TEXT_CHANGED_ATTR_38, true},
    {39, &T::Attr39, CU_TEXT_CHANGED_ATTR_39, true},
    // Further codes for fields above.
    {40, &T::Attr12, CU_TEXT_CHANGED_ATTR_12, true},
    {42, &T::Attr4, CU_TEXT_CHANGED_ATTR_4_ITEM_63, true},
    {43, &T::Attr14, CU_TEXT_CHANGED_ATTR_14, true},
    {44, &T::Attr14, CU_TEXT_CHANGED_ATTR_14, true},
    {45, &T::Attr14, CU_TEXT_CHANGED_ATTR_14, true},
    {46, &T::Attr4, CU_TEXT_CHANGED_ATTR_4_ITEM_63, true},
};

constexpr uint32_t kDistinctFields = 23;

}  // namespace

const CharAttribute *find_char_attribute(uint32_t code) {
    for (const CharAttribute &a : kAttributes)
        if (a.code == code) return &a;
    return nullptr;
}

const CharAttribute *char_attribute_fields(uint32_t &count) {
    static_assert(kDistinctFields <= std::size(kAttributes));
    count = kDistinctFields;
    return kAttributes;
}

}  // namespace qrv::gather
