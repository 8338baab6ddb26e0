#include "cell_properties.hpp"

#include "attribute_values.hpp"
#include "inherited_value.hpp"

namespace qrv::import::odf {
namespace {

// Lines up to a point wide are thin; up to two points, medium.
constexpr uint32_t kThinTwips = 20, kMediumTwips = 40;

uint8_t line_of(std::string_view style, uint32_t width) {
    if (style == "none" || style == "hidden") return model::kBorderNone;
    if (style == "double" || style == "double-thin") return model::kBorderDouble;
    if (style == "dotted") return model::kBorderDotted;
    if (style == "dashed" || style == "dash-dot" || style == "dash-dot-dot" || style == "fine-dashed")
        return width > kThinTwips ? model::kBorderMediumDashed : model::kBorderDashed;
    if (width <= kThinTwips) return model::kBorderThin;
    return width <= kMediumTwips ? model::kBorderMedium : model::kBorderThick;
}

std::optional<uint8_t> vertical_of(std::string_view align) {
    if (align == "top") return model::kAlignTop;
    if (align == "middle") return model::kAlignMiddle;
    if (align == "bottom" || align == "automatic") return model::kAlignBottom;
    return std::nullopt;
}

}  // namespace

std::optional<CellBorder> border_of(std::string_view text) {
    CellBorder border;
    if (text.empty()) return std::nullopt;
    if (text == "none" || text == "hidden") return border;
    std::string_view style = "solid";
    uint32_t width = kThinTwips;
    while (!text.empty()) {
        const size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        if (word.empty()) continue;
        if (auto twips = twips_of_length(word)) {
            width = *twips;
        } else if (word == "thin" || word == "medium" || word == "thick") {
            width = word == "thin" ? kThinTwips : word == "medium" ? kMediumTwips : kMediumTwips + 1;
        } else if (auto colour = colour_of(word)) {
            border.colour = *colour == 0 ? CharFormat::kNoColour : *colour;
        } else {
            style = word;
        }
    }
    border.line = line_of(style, width);
    return border;
}

void CellProperties::fill_from(const CellProperties &parent) {
    inherit_unset(fill, parent.fill);
    inherit_unset(vertical, parent.vertical);
    inherit_unset(wraps, parent.wraps);
    for (size_t side = 0; side < borders.size(); ++side) inherit_unset(borders[side], parent.borders[side]);
    inherit_unset(row_height, parent.row_height);
}

CellFrame CellProperties::frame() const {
    CellFrame frame;
    frame.fill = fill.value_or(model::kNoFill);
    frame.vertical = vertical.value_or(model::kAlignBottom);
    frame.wraps = wraps.value_or(false);
    for (size_t side = 0; side < borders.size(); ++side) frame.borders[side] = borders[side].value_or(CellBorder{});
    return frame;
}

void read_cell_properties(const XmlAttributes &a, CellProperties &cell) {
    const std::string_view background = a.get(Ns::Fo, "background-color");
    if (background == "transparent") cell.fill = model::kNoFill;
    if (auto colour = colour_of(background)) cell.fill = *colour;
    if (auto vertical = vertical_of(a.get(Ns::Style, "vertical-align"))) cell.vertical = vertical;
    const std::string_view wrap = a.get(Ns::Fo, "wrap-option");
    if (!wrap.empty()) cell.wraps = wrap == "wrap";
    if (auto all = border_of(a.get(Ns::Fo, "border"))) cell.borders.fill(all);
    static constexpr std::string_view kSides[model::kSideCount] = {"border-top", "border-right", "border-bottom",
                                                                  "border-left"};
    for (size_t side = 0; side < model::kSideCount; ++side)
        if (auto border = border_of(a.get(Ns::Fo, kSides[side]))) cell.borders[side] = border;
}

void read_row_properties(const XmlAttributes &a, CellProperties &cell) {
    if (a.get(Ns::Style, "use-optimal-row-height") == "true") return;
    if (auto height = twips_of_length(a.get(Ns::Style, "row-height"))) cell.row_height = height;
}

}  // namespace qrv::import::odf
