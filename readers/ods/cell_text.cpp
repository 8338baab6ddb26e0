#include "cell_text.hpp"

#include <algorithm>

#include "writer/utf16.hpp"
#include "odf/attribute_values.hpp"
#include "odf/frame_pictures.hpp"

namespace qrv::import::odf {
namespace {

bool is_white(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool is_paragraph(const XmlName &name) { return name.is(Ns::Text, "p") || name.is(Ns::Text, "h"); }

}  // namespace

void CellTextReader::begin(const TextProperties &cell_text) {
    runs_.assign(1, Run{{}, TextStore::kCellFormat});
    spans_.assign(1, Span{cell_text, TextStore::kCellFormat, 0});
    link_.clear();
    frames_.clear();
    length_ = 0;
    depth_ = paragraph_depth_ = skip_depth_ = paragraphs_ = 0;
    after_space_ = true;
    cut_ = false;
}

// Annotations, drawings and frames inside a cell are not its text.
bool CellTextReader::passes_over(const XmlName &name) const {
    return name.ns == Ns::Office || name.ns == Ns::Draw || name.ns == Ns::Svg || name.is(Ns::Text, "note");
}

// A frame's picture or object; at most a few a cell are kept.
void CellTextReader::frame_element(const XmlName &name, const XmlAttributes &a) {
    constexpr size_t kMostFrames = 16;
    if (name.local == "frame" && frames_.size() < kMostFrames) {
        frames_.push_back({std::string(a.get(Ns::Draw, "name")),
                           {},
                           false,
                           {},
                           points_of_length(a.get(Ns::Svg, "width")),
                           points_of_length(a.get(Ns::Svg, "height"))});
    } else if (frames_.empty()) {
        return;
    } else if (name.local == "image" && frames_.back().href.empty()) {
        frames_.back().href = a.get(Ns::XLink, "href");
    } else if (name.local == "object") {
        frames_.back().chart = a.has(Ns::Draw, "notify-on-update-of-ranges");
        frames_.back().object = a.get(Ns::XLink, "href");
    }
}

void CellTextReader::start(const XmlName &name, const XmlAttributes &a) {
    ++depth_;
    if (name.ns == Ns::Draw) frame_element(name, a);
    if (skip_depth_) return;
    if (passes_over(name)) {
        skip_depth_ = depth_;
    } else if (is_paragraph(name) && !paragraph_depth_) {
        paragraph_depth_ = depth_;
        start_paragraph();
    } else if (!paragraph_depth_ || name.ns != Ns::Text) {
        return;
    } else if (name.local == "span") {
        const TextProperties text = styles_.span_text(a.get(Ns::Text, "style-name"), spans_.back().text);
        spans_.push_back({text, styles_.format_of(text), depth_});
    } else if (name.local == "s") {
        append(std::string(std::min(count_of(a.get(Ns::Text, "c"), 1), kMostSpaces), ' '));
    } else if (name.local == "tab") {
        append("\t");
    } else if (name.local == "line-break") {
        append("\n");
    } else if (name.local == "a" && link_.empty()) {
        link_ = a.get(Ns::XLink, "href");
    }
}

void CellTextReader::end(const XmlName &) {
    if (skip_depth_ == depth_) skip_depth_ = 0;
    if (paragraph_depth_ == depth_) paragraph_depth_ = 0;
    if (spans_.size() > 1 && spans_.back().depth == depth_) spans_.pop_back();
    --depth_;
}

void CellTextReader::text(std::string_view chars) {
    if (!paragraph_depth_ || skip_depth_) return;
    std::string collapsed;
    collapsed.reserve(chars.size());
    for (char c : chars) {
        if (!is_white(c)) {
            collapsed += c;
            after_space_ = false;
        } else if (!after_space_) {
            collapsed += ' ';
            after_space_ = true;
        }
    }
    // The run of spaces went into `collapsed`; append() must not reset it.
    const bool space = after_space_;
    append(collapsed);
    after_space_ = space;
}

void CellTextReader::start_paragraph() {
    if (paragraphs_++ > 0) append("\n");
    after_space_ = true;
}

void CellTextReader::append(std::string_view utf8) {
    if (utf8.empty()) return;
    after_space_ = false;
    if (length_ + utf8.size() > kLongestText) {
        cut_ = true;
        return;
    }
    length_ += utf8.size();
    const uint32_t format = spans_.back().format;
    if (runs_.back().format != format) runs_.push_back({{}, format});
    runs_.back().utf8 += utf8;
}

std::string CellTextReader::plain() const {
    std::string out;
    for (const Run &run : runs_) out += run.utf8;
    return out;
}

uint32_t CellTextReader::finish(TextStore &texts) {
    scratch_.clear();
    std::vector<size_t> ends;
    for (const Run &run : runs_) {
        append_utf16(run.utf8, scratch_);
        ends.push_back(scratch_.size());
    }
    std::vector<TextStore::Run> parts;
    size_t begin = 0;
    for (size_t i = 0; i < runs_.size(); ++i) {
        parts.push_back({std::u16string_view(scratch_).substr(begin, ends[i] - begin), runs_[i].format});
        begin = ends[i];
    }
    return texts.add_runs(parts);
}

}  // namespace qrv::import::odf
