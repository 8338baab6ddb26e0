// Reducing change flags to the attributes that really differ.
#include "chunk/gather/char_attributes.hpp"

#include <qrvex/gather.h>

#include <cstring>

namespace qrv::gather {

namespace {

using Text = CUTextChangeInfo;
using Para = CUParaChangeInfo;

// Never reported as differences.
constexpr uint32_t kUnreportedTextFlags = CU_TEXT_CHANGED_ATTR_18 | CU_TEXT_CHANGED_ATTR_22 | CU_TEXT_CHANGED_ITEM_65;

template <typename Record>
struct Comparison {
    uint32_t flag;
    bool (*differs)(const Record &a, const Record &b);
};

constexpr Comparison<Text> kTextComparisons[] = {
    {CU_TEXT_CHANGED_ITEM_94, [](const Text &a, const Text &b) { return a.Item94Value != b.Item94Value; }},
    {CU_TEXT_CHANGED_ATTR_4_ITEM_63, [](const Text &a, const Text &b) { return a.Item63Value != b.Item63Value; }},
    {CU_TEXT_CHANGED_ITEM_25, [](const Text &a, const Text &b) { return a.Item25Value != b.Item25Value; }},
    {CU_TEXT_CHANGED_FONT_SIZE, [](const Text &a, const Text &b) { return a.FontSize != b.FontSize; }},
    {CU_TEXT_CHANGED_ITEM_60, [](const Text &a, const Text &b) { return a.Item60Data1 != b.Item60Data1; }},
    {CU_TEXT_CHANGED_ITEM_62,
     [](const Text &a, const Text &b) { return a.Item62Value != b.Item62Value || a.Item62Data1 != b.Item62Data1; }},
    {CU_TEXT_CHANGED_ITEM_61, [](const Text &a, const Text &b) { return a.Item61Data1 != b.Item61Data1; }},
    {CU_TEXT_CHANGED_STYLE, [](const Text &a, const Text &b) { return a.StyleId != b.StyleId; }},
};

bool font_names_differ(const Text &a, const Text &b) {
    return std::memcmp(a.FontName[0], b.FontName[0], sizeof a.FontName[0]) != 0;
}

constexpr Comparison<Para> kParaComparisons[] = {
    {CU_PARA_CHANGED_FILTER_VALUES,
     [](const Para &a, const Para &b) {
         return std::memcmp(a.FilterValues, b.FilterValues, sizeof a.FilterValues) != 0;
     }},
    {CU_PARA_CHANGED_ITEM_12, [](const Para &a, const Para &b) { return a.Item12Value != b.Item12Value; }},
    {CU_PARA_CHANGED_INDENT0, [](const Para &a, const Para &b) { return a.Indent0 != b.Indent0; }},
    {CU_PARA_CHANGED_INDENT2, [](const Para &a, const Para &b) { return a.Indent2 != b.Indent2; }},
    {CU_PARA_CHANGED_INDENT1, [](const Para &a, const Para &b) { return a.Indent1 != b.Indent1; }},
    {CU_PARA_CHANGED_ITEM_58,
     [](const Para &a, const Para &b) { return std::memcmp(a.Item58Data, b.Item58Data, sizeof a.Item58Data) != 0; }},
    {CU_PARA_CHANGED_ITEM_14,
     [](const Para &a, const Para &b) { return a.Item14Value != b.Item14Value || a.Item14Data1 != b.Item14Data1; }},
    {CU_PARA_CHANGED_ITEM_98,
     [](const Para &a, const Para &b) { return a.Item98Value != b.Item98Value || a.Item98Data1 != b.Item98Data1; }},
    {CU_PARA_CHANGED_ITEM_99,
     [](const Para &a, const Para &b) { return a.Item99Value != b.Item99Value || a.Item99Data1 != b.Item99Data1; }},
    {CU_PARA_CHANGED_STYLE, [](const Para &a, const Para &b) { return a.StyleId != b.StyleId; }},
};

constexpr uint32_t kListFlagsPassedOn = CU_PARA_CHANGED_LIST_LEVEL | CU_PARA_CHANGED_ITEM_30;

}  // namespace

uint32_t differing_text_flags(const Text &a, const Text &b) {
    const uint32_t wanted = (a.ChangeFlags | b.ChangeFlags) & ~kUnreportedTextFlags;
    uint32_t result = 0;
    uint32_t count = 0;
    const CharAttribute *attributes = char_attribute_fields(count);
    for (uint32_t i = 0; i < count; ++i)
        if (a.*(attributes[i].field) != b.*(attributes[i].field)) result |= attributes[i].flag;
    for (const auto &c : kTextComparisons)
        if (c.differs(a, b)) result |= c.flag;
    result &= wanted;
    if ((wanted & CU_TEXT_CHANGED_FONT) && font_names_differ(a, b))
        result |= CU_TEXT_CHANGED_FONT | CU_TEXT_CHANGED_ITEM_25;
    return result;
}

uint32_t differing_para_flags(const Para &a, const Para &b) {
    uint32_t result = 0;
    for (const auto &c : kParaComparisons)
        if (c.differs(a, b)) result |= c.flag;
    return result | (b.ChangeFlags & kListFlagsPassedOn);
}

}  // namespace qrv::gather

// The text flag bits, among those set in either record, whose fields
// differ between the records.  A differing slot 0 font name reports the font
// bit together with bit 18; attributes 18 and 22 and the item-65 value are
// never reported.  0 for a null record.
extern "C" QRVAPI uint32_t CUOptimizeTextChangeFlags(const CUTextChangeInfo *a, const CUTextChangeInfo *b) {
    if (!a || !b) return 0;
    return qrv::gather::differing_text_flags(*a, *b);
}

// The paragraph flag bits of the fields that differ between the records
// (flag words not consulted), plus bits 11 and 12 of b's flags as they
// stand.  0 for a null record.
extern "C" QRVAPI uint32_t CUOptimizeParaChangeFlags(const CUParaChangeInfo *a, const CUParaChangeInfo *b) {
    if (!a || !b) return 0;
    return qrv::gather::differing_para_flags(*a, *b);
}
