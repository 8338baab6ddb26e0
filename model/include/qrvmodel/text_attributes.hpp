// Character formatting in the document model: the attribute codes of item
// 8, the kinds of underline, colours and the default font.
#pragma once

#include <qrvex/changes.h>

#include <cstddef>
#include <cstdint>

namespace qrv::model {

// Character attribute codes (value of an item 8).
enum AttributeCode : uint32_t {
    kBold = 2,
    kItalic = 3,
    kUnderline = 4,
    kStrike = 5,
    kSmallCaps = 6,
    kSuperscript = 7,
    kSubscript = 8,
    kHidden = 9,
    kDoubleStrike = 10,
    kCapitals = 11
};

// Where the library's change walk reports an attribute: its change bit and
// its field of CUTextChangeInfo.
struct AttributeSlot {
    AttributeCode code;
    uint32_t changed_bit;
    size_t field;
};

#define QRV_MODEL_ATTRIBUTE_SLOT(code, n, bit) \
    AttributeSlot { code, bit, offsetof(CUTextChangeInfo, Attr##n) }
inline constexpr AttributeSlot kAttributeSlots[] = {
    QRV_MODEL_ATTRIBUTE_SLOT(kBold, 2, CU_TEXT_CHANGED_ATTR_2),
    QRV_MODEL_ATTRIBUTE_SLOT(kItalic, 3, CU_TEXT_CHANGED_ATTR_3),
    QRV_MODEL_ATTRIBUTE_SLOT(kUnderline, 4, CU_TEXT_CHANGED_ATTR_4_ITEM_63),
    QRV_MODEL_ATTRIBUTE_SLOT(kStrike, 5, CU_TEXT_CHANGED_ATTR_5),
    QRV_MODEL_ATTRIBUTE_SLOT(kSmallCaps, 6, CU_TEXT_CHANGED_ATTR_6),
    QRV_MODEL_ATTRIBUTE_SLOT(kSuperscript, 7, CU_TEXT_CHANGED_ATTR_7),
    QRV_MODEL_ATTRIBUTE_SLOT(kSubscript, 8, CU_TEXT_CHANGED_ATTR_8),
    QRV_MODEL_ATTRIBUTE_SLOT(kHidden, 9, CU_TEXT_CHANGED_ATTR_9),
    QRV_MODEL_ATTRIBUTE_SLOT(kDoubleStrike, 10, CU_TEXT_CHANGED_ATTR_10),
    QRV_MODEL_ATTRIBUTE_SLOT(kCapitals, 11, CU_TEXT_CHANGED_ATTR_11),
};
#undef QRV_MODEL_ATTRIBUTE_SLOT

// Each code is the number of the walk's field it lands in (Attr2 for code 2).
constexpr bool slots_match_codes() {
    uint32_t expected = kBold;
    for (const AttributeSlot &slot : kAttributeSlots)
        if (slot.code != expected++) return false;
    return true;
}
static_assert(slots_match_codes(), "attribute codes run from bold (2) to capitals (11), one slot each");

// The kind of underline (value of an item 63), beside attribute 4.
enum UnderlineKind : uint32_t {
    kUnderlineSingle = 1,
    kUnderlineWords = 2,
    kUnderlineDouble = 3,
    kUnderlineThick = 4,
    kUnderlineDotted = 5,
    kUnderlineDashed = 6,
    kUnderlineDotDash = 7,
    kUnderlineWave = 8
};
static_assert(sizeof(UnderlineKind) == sizeof(CUTextChangeInfo{}.Item63Value));

// Colours are 0x00RRGGBB.  The text colour is the value of an item 25; 0
// (black, also the state of a cleared record) is the page's colour.  The
// highlight is data1 of an item 60 whose value is 0; 0 is no highlight.
inline constexpr uint32_t kRgbMask = 0x00FFFFFFu;

// Colour of text (item 25, and what a number format hands back through its
// item 25): kAutomaticColour takes back an earlier colour.
inline constexpr uint32_t kAutomaticColour = 0x01000000u;
static_assert((kAutomaticColour & kRgbMask) == 0, "automatic is no colour of the page");

// A font whose record's value (the 32-bit value beside its name) has this
// bit is the document's default font: writers leave it to the page.
inline constexpr uint32_t kDefaultFontBit = 0x1;

}  // namespace qrv::model
