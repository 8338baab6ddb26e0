#include <algorithm>
#include <cstring>

#include "model.hpp"
#include "formats.hpp"

namespace qrv::filters {
namespace {

constexpr uint32_t kParaOutlineLevel = 0x80000;  // an outline level item was met
constexpr unsigned kDeepestHeading = 6;

Align paragraph_align_of(uint16_t code) {
    switch (code) {
    case kAlignCentre: return Align::Centre;
    case kAlignRight: return Align::Right;
    case kAlignJustify: return Align::Justify;
    default: return Align::Left;
    }
}

// Heading level of a paragraph style, 0 when the style is no heading.
unsigned style_heading_level(CUStyleSheet *sheet, uint32_t index) {
    int32_t outline = CUStyleGetOutlineLevel(sheet, index);
    if (outline > 0) return static_cast<unsigned>(outline);
    uint32_t numbered = CUStyleCheckHeadingStyle(sheet, sheet->StyleTable[index].NameItemId);
    return numbered > 1 ? numbered - 1 : 0;
}

}  // namespace

void clear_paragraph_record(CUParaChangeInfo &para) {
    std::memset(&para, 0, sizeof para);
    para.ListStyleIndex = -1;
}

void apply_paragraph_layout(const CUParaChangeInfo &para, ParaFormat &format) {
    format.align = paragraph_align_of(para.Item12Value);
    format.left_indent_twips = static_cast<int16_t>(para.Indent0);
    format.right_indent_twips = static_cast<int16_t>(para.Indent1);
    format.first_indent_twips = static_cast<int16_t>(para.Indent2);
}

void classify_paragraph(CUStyleSheet *sheet, const CUParaChangeInfo &para, ParaFormat &format) {
    unsigned level = 0;
    if (para.ChangeFlags & CU_PARA_CHANGED_STYLE) {
        int32_t index = CIStyleNumber(sheet, para.StyleId);
        if (index >= 0 && static_cast<uint32_t>(index) < sheet->StyleCount) {
            if (CUStyleCheckTitleStyle(sheet, static_cast<uint32_t>(index))) {
                format.kind = ParaKind::Title;
                return;
            }
            level = style_heading_level(sheet, static_cast<uint32_t>(index));
        }
    }
    if (para.ChangeFlags & kParaOutlineLevel) level = para.Item137Value + 1u;  // outline levels count from 0
    if (level == 0) return;
    format.kind = ParaKind::Heading;
    format.heading_level = std::min(level, kDeepestHeading);
}

}  // namespace qrv::filters
