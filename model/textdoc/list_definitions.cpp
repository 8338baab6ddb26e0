#include "list_definitions.hpp"

namespace qrv::import::textdoc {

char32_t default_bullet(size_t level) {
    constexpr char32_t kBullets[] = {U'\u2022', U'\u25E6', U'\u25AA'};
    return kBullets[level % 3];
}

}  // namespace qrv::import::textdoc
