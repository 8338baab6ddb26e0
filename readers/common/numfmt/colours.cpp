#include "colours.hpp"

#include <charconv>

#include "letters.hpp"

namespace qrv::import::numfmt {
namespace {

struct NamedColour {
    const char *name;
    uint32_t rgb;
};

constexpr NamedColour kNamedColours[] = {
    {"Black", 0x000000},   {"Blue", 0x0000FF}, {"Cyan", 0x00FFFF},  {"Green", 0x00FF00},
    {"Magenta", 0xFF00FF}, {"Red", 0xFF0000},  {"White", 0xFFFFFF}, {"Yellow", 0xFFFF00},
};

// [Color1] to [Color56].
constexpr uint32_t kPalette[] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,  // 1-8
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,  // 9-16
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,  // 17-24
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,  // 25-32
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,  // 33-40
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,  // 41-48
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,  // 49-56
};

constexpr std::string_view kColorPrefix = "color";

std::optional<uint32_t> palette_colour(std::string_view name) {
    if (name.size() <= kColorPrefix.size() || !same_letters(name.substr(0, kColorPrefix.size()), kColorPrefix))
        return std::nullopt;
    const std::string_view digits = name.substr(kColorPrefix.size());
    uint32_t index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    if (index < 1 || index > std::size(kPalette)) return std::nullopt;
    return kPalette[index - 1];
}

}  // namespace

std::optional<uint32_t> colour_of(std::string_view name) {
    for (const NamedColour &colour : kNamedColours)
        if (same_letters(name, colour.name)) return colour.rgb;
    return palette_colour(name);
}

}  // namespace qrv::import::numfmt
