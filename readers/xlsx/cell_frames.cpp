#include "cell_frames.hpp"

#include "core/named_values.hpp"
#include "font_properties.hpp"

namespace qrv::import::xlsx {
namespace {

// How much of the cell each pattern paints in its foreground colour.
constexpr Named<double> kPatterns[] = {
    {"solid", 1},          {"darkGray", 0.75},       {"mediumGray", 0.5},    {"lightGray", 0.25},
    {"gray125", 0.125},    {"gray0625", 0.0625},     {"darkHorizontal", 0.5}, {"darkVertical", 0.5},
    {"darkDown", 0.5},     {"darkUp", 0.5},          {"darkGrid", 0.5},      {"darkTrellis", 0.75},
    {"lightHorizontal", 0.25}, {"lightVertical", 0.25}, {"lightDown", 0.25}, {"lightUp", 0.25},
    {"lightGrid", 0.4375}, {"lightTrellis", 0.25},
};

constexpr Named<uint8_t> kLines[] = {
    {"thin", model::kBorderThin},
    {"hair", model::kBorderDotted},
    {"medium", model::kBorderMedium},
    {"thick", model::kBorderThick},
    {"dashed", model::kBorderDashed},
    {"dashDot", model::kBorderDashed},
    {"dashDotDot", model::kBorderDashed},
    {"dotted", model::kBorderDotted},
    {"double", model::kBorderDouble},
    {"mediumDashed", model::kBorderMediumDashed},
    {"mediumDashDot", model::kBorderMediumDashed},
    {"mediumDashDotDot", model::kBorderMediumDashed},
    {"slantDashDot", model::kBorderMediumDashed},
};

int side_of(std::string_view local) {
    if (local == "top") return model::kSideTop;
    if (local == "right" || local == "end") return model::kSideRight;
    if (local == "bottom") return model::kSideBottom;
    if (local == "left" || local == "start") return model::kSideLeft;
    return -1;
}

}  // namespace

uint32_t FillReader::Fill::colour() const {
    return gradient_colour ? foreground : pattern_colour(foreground, background, density);
}

std::vector<uint32_t> FillReader::colours() const {
    std::vector<uint32_t> out;
    for (const Fill &f : fills_) out.push_back(f.colour());
    return out;
}

bool FillReader::start(std::string_view local, const XmlAttributes &a) {
    if (local == "fills") return in_fills_ = true;
    if (!in_fills_) return false;
    if (local == "fill") {
        fills_.emplace_back();
    } else if (fills_.empty()) {
        return true;
    } else if (local == "patternFill") {
        fills_.back().density = value_named(kPatterns, a.get(Ns::None, "patternType")).value_or(0);
    } else if (local == "fgColor" || local == "bgColor") {
        const uint32_t colour = colour_of(a, theme_);
        if (colour != Theme::kNoColour) (local == "fgColor" ? fills_.back().foreground : fills_.back().background) = colour;
    } else if (local == "stop") {
        in_stop_ = true;
    } else if (local == "color" && in_stop_ && !fills_.back().gradient_colour) {
        const uint32_t colour = colour_of(a, theme_);
        fills_.back().gradient_colour = colour != Theme::kNoColour;
        fills_.back().foreground = colour;
    }
    return true;
}

void FillReader::end(std::string_view local) {
    if (local == "fills") in_fills_ = false;
    if (local == "stop") in_stop_ = false;
}

bool BorderReader::start(std::string_view local, const XmlAttributes &a) {
    if (local == "borders") return in_borders_ = true;
    if (!in_borders_) return false;
    if (local == "border") {
        borders_.emplace_back();
    } else if (borders_.empty()) {
        return true;
    } else if (const int side = side_of(local); side >= 0) {
        side_ = side;
        borders_.back()[side].line = value_named(kLines, a.get(Ns::None, "style")).value_or(model::kBorderNone);
    } else if (local == "color" && side_ >= 0) {
        borders_.back()[side_].colour = colour_of(a, theme_);
    }
    return true;
}

void BorderReader::end(std::string_view local) {
    if (local == "borders") in_borders_ = false;
    if (side_of(local) >= 0) side_ = -1;
}

}  // namespace qrv::import::xlsx
