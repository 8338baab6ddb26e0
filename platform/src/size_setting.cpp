#include "qrvplatform/size_setting.hpp"

#include <cstdlib>

namespace qrv {

uint64_t size_setting(const char *variable, uint64_t fallback) {
    const char *text = std::getenv(variable);
    if (!text || !*text) return fallback;
    char *end = nullptr;
    const unsigned long long bytes = std::strtoull(text, &end, 10);
    if (*end) return fallback;
    return bytes == 0 ? ~uint64_t{0} : static_cast<uint64_t>(bytes);
}

}  // namespace qrv
