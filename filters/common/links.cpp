#include "links.hpp"

#include <qrvex/properties.h>

#include <vector>

#include "chars.hpp"
#include "model.hpp"

namespace qrv::filters {
namespace {

// Longest target read, in characters.
constexpr size_t kLongestTarget = 4096;

}  // namespace

std::string link_target(CHHandle h, uint32_t tag_begin_id) {
    CUObjectLocator locator{};
    if (CUGetObjectLocator(&locator, tag_begin_id, h) != 0) return {};
    std::vector<char> bytes(2 * kLongestTarget + 2);
    uint32_t attribute = 0;
    if (CUGetLinkLocatorString(&locator, bytes.data(), static_cast<uint32_t>(bytes.size()), &attribute, h) != 0)
        return {};
    std::u16string target;
    if (attribute == kLinkTargetWide) {
        // Two bytes a character, high byte first, up to a zero character.
        for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto high = static_cast<uint8_t>(bytes[i]), low = static_cast<uint8_t>(bytes[i + 1]);
            const char16_t c = static_cast<char16_t>(high << 8 | low);
            if (c == 0) break;
            target += c;
        }
    } else {
        for (char b : bytes) {
            if (b == 0) break;
            target += static_cast<char16_t>(static_cast<uint8_t>(b));
        }
    }
    return utf8_of(target);
}

}  // namespace qrv::filters
