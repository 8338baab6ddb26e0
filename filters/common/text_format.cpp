#include "chars.hpp"
#include "model.hpp"
#include "formats.hpp"

namespace qrv::filters {
namespace {

// Where each on/off attribute of the change record goes.
struct AttributeField {
    uint16_t CUTextChangeInfo::*field;
    bool TextFormat::*flag;
};

constexpr AttributeField kAttributes[] = {
    {&CUTextChangeInfo::Attr2, &TextFormat::bold},           {&CUTextChangeInfo::Attr3, &TextFormat::italic},
    {&CUTextChangeInfo::Attr4, &TextFormat::underline},      {&CUTextChangeInfo::Attr5, &TextFormat::strike},
    {&CUTextChangeInfo::Attr6, &TextFormat::small_caps},     {&CUTextChangeInfo::Attr7, &TextFormat::superscript},
    {&CUTextChangeInfo::Attr8, &TextFormat::subscript},      {&CUTextChangeInfo::Attr9, &TextFormat::hidden},
    {&CUTextChangeInfo::Attr10, &TextFormat::double_strike}, {&CUTextChangeInfo::Attr11, &TextFormat::capitals},
};

}  // namespace

TextFormat text_format_of(const CUTextChangeInfo &text) {
    TextFormat format;
    for (const auto &a : kAttributes) format.*a.flag = (text.*a.field) != 0;
    format.size_half_points = text.FontSize;
    // The document's default font is the page's.
    if (!(text.FontInfo[0] & kDefaultFontBit)) format.font = utf8_of(wide_view(text.FontName[0], CU_FONT_NAME_CHARS));
    if (format.underline && text.Item63Value != kUnderlineSingle) format.underline_kind = text.Item63Value;
    format.colour = text.Item25Value & kRgbMask;
    format.highlight = text.Item60Data1 & kRgbMask;
    return format;
}

}  // namespace qrv::filters
