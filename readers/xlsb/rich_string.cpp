#include "rich_string.hpp"

#include <algorithm>

#include "wide_string.hpp"

namespace qrv::import::xlsb {

uint32_t RichStrings::format_of_font(uint16_t index) {
    if (index >= font_specs_.size()) return TextStore::kCellFormat;
    if (formats_.empty()) formats_.assign(font_specs_.size(), TextStore::kCellFormat);
    if (formats_[index] == TextStore::kCellFormat) formats_[index] = fonts_.format_of(font_specs_[index]);
    return formats_[index];
}

uint32_t RichStrings::read(xls::Cursor &in) {
    const bool rich = in.u8() & 0x01;
    const std::u16string chars = wide_string(in);
    if (!rich) return texts_.add(chars);
    const uint32_t count = in.u32();
    if (count > in.left() / 4) throw xls::RecordTooShort{};
    std::vector<TextStore::Run> runs;
    const std::u16string_view all(chars);
    size_t begin = 0;
    uint32_t format = TextStore::kCellFormat;
    for (uint32_t i = 0; i < count; ++i) {
        // A run starting before the last one or past the text is taken as
        // starting where the last one did.
        const size_t start = std::clamp<size_t>(in.u16(), begin, all.size());
        const uint32_t next = format_of_font(in.u16());
        if (start > begin) runs.push_back({all.substr(begin, start - begin), format});
        begin = start;
        format = next;
    }
    runs.push_back({all.substr(begin), format});
    return texts_.add_runs(runs);
}

}  // namespace qrv::import::xlsb
