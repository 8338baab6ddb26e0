#include "chars.hpp"
#include "conventions.hpp"
#include "formats.hpp"

namespace qrv::filters {
namespace {

// Where each on/off attribute of the change record goes.
struct AttributeField {
    uint16_t CUTextChangeInfo::*field;
    bool TextFormat::*flag;
};

constexpr AttributeField kAttributes[] = {
    {&CUTextChangeInfo::Attr2, &TextFormat::bold},
    {&CUTextChangeInfo::Attr3, &TextFormat::italic},
    {&CUTextChangeInfo::Attr4, &TextFormat::underline},
    {&CUTextChangeInfo::Attr5, &TextFormat::strike},
    {&CUTextChangeInfo::Attr6, &TextFormat::small_caps},
    {&CUTextChangeInfo::Attr7, &TextFormat::superscript},
    {&CUTextChangeInfo::Attr8, &TextFormat::subscript},
    {&CUTextChangeInfo::Attr9, &TextFormat::hidden},
};

}  // namespace

TextFormat text_format_of(const CUTextChangeInfo &text) {
    TextFormat format;
    for (const auto &a : kAttributes) format.*a.flag = (text.*a.field) != 0;
    format.size_half_points = text.FontSize;
    format.font = utf8_of(wide_view(text.FontName[0], CU_FONT_NAME_CHARS));
    return format;
}

}  // namespace qrv::filters
