#include "theme.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "package/default_theme.hpp"
#include "package/optional_part.hpp"

namespace qrv::import::xlsx {
namespace {

// The scheme's elements in the order of the part; cells name the first two
// pairs the other way round (light before dark).
constexpr std::string_view kSchemeOrder[Theme::kColours] = {"dk1",     "lt1",     "dk2",     "lt2",
                                                           "accent1", "accent2", "accent3", "accent4",
                                                           "accent5", "accent6", "hlink",   "folHlink"};
constexpr size_t kIndexOfSchemeEntry[Theme::kColours] = {1, 0, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11};

struct Hls {
    double hue, light, saturation;  // 0 to 1
};

Hls hls_of(uint32_t rgb) {
    const double r = (rgb >> 16 & 0xFF) / 255.0, g = (rgb >> 8 & 0xFF) / 255.0, b = (rgb & 0xFF) / 255.0;
    const double most = std::max({r, g, b}), least = std::min({r, g, b});
    Hls hls{0, (most + least) / 2, 0};
    const double range = most - least;
    if (range == 0) return hls;
    hls.saturation = hls.light <= 0.5 ? range / (most + least) : range / (2 - most - least);
    double hue = most == r ? (g - b) / range : most == g ? 2 + (b - r) / range : 4 + (r - g) / range;
    hls.hue = (hue < 0 ? hue + 6 : hue) / 6;
    return hls;
}

double channel_of(double low, double high, double hue) {
    if (hue < 0) hue += 1;
    if (hue > 1) hue -= 1;
    if (hue < 1.0 / 6) return low + (high - low) * 6 * hue;
    if (hue < 0.5) return high;
    if (hue < 2.0 / 3) return low + (high - low) * (2.0 / 3 - hue) * 6;
    return low;
}

uint32_t rgb_of(const Hls &hls) {
    const auto byte = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    if (hls.saturation == 0) return byte(hls.light) * 0x010101;
    const double high =
        hls.light <= 0.5 ? hls.light * (1 + hls.saturation) : hls.light + hls.saturation - hls.light * hls.saturation;
    const double low = 2 * hls.light - high;
    return byte(channel_of(low, high, hls.hue + 1.0 / 3)) << 16 | byte(channel_of(low, high, hls.hue)) << 8 |
           byte(channel_of(low, high, hls.hue - 1.0 / 3));
}

uint32_t hex_colour(std::string_view text, uint32_t fallback) {
    uint32_t n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n, 16);
    return ec == std::errc() && end == text.data() + text.size() && text.size() == 6 ? n : fallback;
}

}  // namespace

// <a:clrScheme>: each entry holds an <a:srgbClr val="RRGGBB"/> or a system
// colour with its last value (<a:sysClr lastClr="RRGGBB"/>).
class ThemeReader final : public XmlHandler {
public:
    explicit ThemeReader(Theme &theme) : theme_(theme) {}
    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.ns != Ns::Drawing) return;
        if (name.local == "clrScheme") {
            in_scheme_ = !seen_scheme_;
            seen_scheme_ = true;
            return;
        }
        if (!in_scheme_) return;
        for (size_t i = 0; i < Theme::kColours; ++i)
            if (name.local == kSchemeOrder[i]) entry_ = kIndexOfSchemeEntry[i];
        if (entry_ >= Theme::kColours) return;
        uint32_t &colour = theme_.colours_[entry_];
        if (name.local == "srgbClr") colour = hex_colour(a.get(Ns::None, "val"), colour);
        if (name.local == "sysClr") colour = hex_colour(a.get(Ns::None, "lastClr"), colour);
    }
    void end(const XmlName &name) override {
        if (name.ns != Ns::Drawing) return;
        if (name.local == "clrScheme") in_scheme_ = false;
        for (std::string_view entry : kSchemeOrder)
            if (name.local == entry) entry_ = Theme::kColours;
    }

private:
    Theme &theme_;
    bool in_scheme_ = false, seen_scheme_ = false;
    size_t entry_ = Theme::kColours;
};

Theme::Theme() : colours_(kDefaultThemeColours) {}

Theme Theme::read(Package &package, const std::string &part) {
    Theme theme;
    if (part.empty() || !package.has(part)) return theme;
    ThemeReader reader(theme);
    if (!read_optional_part(package, part, reader, "the theme's colours")) return Theme();
    return theme;
}

uint32_t tinted(uint32_t rgb, double tint) {
    if (!(tint != 0) || !std::isfinite(tint)) return rgb;
    tint = std::clamp(tint, -1.0, 1.0);
    Hls hls = hls_of(rgb);
    hls.light = tint < 0 ? hls.light * (1 + tint) : hls.light * (1 - tint) + tint;
    return rgb_of(hls);
}

}  // namespace qrv::import::xlsx
