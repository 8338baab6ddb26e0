#include "row_ends.hpp"

#include <algorithm>

#include "rtf/body_output.hpp"
#include "text_marks.hpp"

namespace qrv::import::doc {

ParaProps paragraph_at(const DocText &text, const FormatRuns &paragraphs, uint32_t cp) {
    ParaProps props;
    if (const FormatRun *run = paragraphs.find(text.offsets[cp])) {
        apply_paragraph_changes(run->changes, props);
        if (!props.style) props.style = run->style;
    }
    apply_paragraph_changes(text.changes_at(cp), props);
    return props;
}

size_t row_end_level(char16_t mark, const ParaProps &props) {
    const size_t depth = std::min<size_t>(props.table_depth(), rtf::BodyOutput::kMaxNesting);
    if (mark == kCellMark) return depth > 0 && props.row_end ? depth : 0;
    return depth > 1 && props.inner_row_end ? depth : 0;
}

RowEnds::RowEnds(const DocText &text, const FormatRuns &paragraphs, uint32_t from, uint32_t to) {
    to = std::min<uint32_t>(to, static_cast<uint32_t>(text.chars.size()));
    for (uint32_t cp = from; cp < to; ++cp) {
        const char16_t c = text.chars[cp];
        if (c != kCellMark && c != kParagraphMark) continue;
        ParaProps props = paragraph_at(text, paragraphs, cp);
        cut_ |= props.cut;
        const size_t level = row_end_level(c, props);
        if (level == 0) continue;
        if (by_level_.size() < level) by_level_.resize(level);
        by_level_[level - 1].push_back({cp, std::move(props.row)});
    }
}

const rtf::RowDefinition *RowEnds::row(size_t level, uint32_t cp) const {
    if (level == 0 || level > by_level_.size()) return nullptr;
    const std::vector<End> &ends = by_level_[level - 1];
    const auto it = std::lower_bound(ends.begin(), ends.end(), cp, [](const End &e, uint32_t at) { return e.cp < at; });
    return it != ends.end() && it->row ? &*it->row : nullptr;
}

}  // namespace qrv::import::doc
