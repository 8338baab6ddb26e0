#include "rich_text.hpp"

#include "escapes.hpp"

namespace qrv::import::xlsx {

void RichTextReader::start(const XmlName &name, const XmlAttributes &attributes) {
    if (name.ns != Ns::Spreadsheet) return;
    if (name.local == "rPh" || name.local == "phoneticPr") {
        ++skipped_;
    } else if (skipped_ > 0) {
        return;
    } else if (name.local == "t") {
        in_text_ = true;
    } else if (name.local == "r") {
        if (!runs_.back().utf8.empty() || runs_.back().has_font) runs_.emplace_back();
    } else if (name.local == "rPr") {
        in_properties_ = true;
        runs_.back().has_font = true;
    } else if (in_properties_) {
        apply_font_property(name, attributes, runs_.back().font);
    }
}

void RichTextReader::end(const XmlName &name) {
    if (name.ns != Ns::Spreadsheet) return;
    if (name.local == "rPh" || name.local == "phoneticPr") {
        if (skipped_ > 0) --skipped_;
    } else if (name.local == "t") {
        in_text_ = false;
    } else if (name.local == "rPr") {
        in_properties_ = false;
    }
}

uint32_t RichTextReader::finish(TextStore &texts, Fonts &fonts) {
    scratch_.clear();
    std::vector<size_t> ends;
    for (const Run &run : runs_) {
        append_unescaped(run.utf8, scratch_);
        ends.push_back(scratch_.size());
    }
    std::vector<TextStore::Run> parts;
    size_t begin = 0;
    for (size_t i = 0; i < runs_.size(); ++i) {
        const uint32_t format = runs_[i].has_font ? fonts.format_of(runs_[i].font) : TextStore::kCellFormat;
        parts.push_back({std::u16string_view(scratch_).substr(begin, ends[i] - begin), format});
        begin = ends[i];
    }
    const uint32_t text = texts.add_runs(parts);
    runs_.assign(1, Run{});
    in_text_ = in_properties_ = false;
    skipped_ = 0;
    return text;
}

}  // namespace qrv::import::xlsx
