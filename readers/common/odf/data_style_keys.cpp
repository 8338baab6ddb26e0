#include "data_style_keys.hpp"

#include <qrvex/numformat.h>

#include "data_style_format.hpp"

namespace qrv::import::odf {
namespace {

DataPart field(std::string element) {
    DataPart part;
    part.element = std::move(element);
    part.long_form = true;
    return part;
}

DataPart text(std::string shown) {
    DataPart part;
    part.element = "text";
    part.text = std::move(shown);
    return part;
}

DataStyle default_style(DataStyleKind kind) {
    DataStyle style;
    style.kind = kind;
    if (kind == DataStyleKind::kDate) {
        DataPart year = field("year");
        year.long_form = false;
        style.parts = {field("month"), text("/"), field("day"), text("/"), year};
    } else {
        style.parts = {field("hours"), text(":"), field("minutes"), text(":"), field("seconds")};
    }
    return style;
}

// A style that is the general format (LibreOffice's "General" is a number
// without decimal places) needs no definition.
bool is_general(const numfmt::NumberFormat &format) {
    if (format.sections.empty()) return true;
    const numfmt::Section &only = format.sections.front();
    const numfmt::Piece general{numfmt::Piece::Kind::kToken, FU_TOKEN_GENERAL, {}};
    return format.sections.size() == 1 && !only.condition && !only.colour && !only.fraction && only.pieces.size() == 1 &&
           only.pieces.front() == general;
}

}  // namespace

DataStyleKeys::Entry DataStyleKeys::entry_of(std::string_view name) {
    if (name.empty()) return {};
    const auto found = entries_.find(name);
    if (found != entries_.end()) return found->second;
    Entry entry;
    // Names without a style (LibreOffice writes "N0" and "N2" for its
    // built-in formats without defining them) show in the general format.
    if (const DataStyle *style = styles_.data_style(name)) entry = {key_of(*style), style->kind};
    return entries_.emplace(std::string(name), entry).first->second;
}

uint32_t DataStyleKeys::default_key(DataStyleKind kind) {
    if (kind != DataStyleKind::kDate && kind != DataStyleKind::kTime) return 0;
    const auto found = defaults_.find(kind);
    if (found != defaults_.end()) return found->second;
    return defaults_[kind] = key_of(default_style(kind));
}

uint32_t DataStyleKeys::key_of(const DataStyle &style) {
    const numfmt::NumberFormat format =
        format_of(style, [this](std::string_view name) { return styles_.data_style(name); });
    return is_general(format) ? 0 : numbers_.key_of_format(format);
}

}  // namespace qrv::import::odf
