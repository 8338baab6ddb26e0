// Markup nested far deeper than any real document nests it, for the tests
// that every reader survives hostile depth.
#pragma once

#include <string>

namespace qrv::test {

// open depth times, then inside, then close depth times.
inline std::string nested(const std::string &open, const std::string &close, const std::string &inside, int depth) {
    std::string out;
    out.reserve((open.size() + close.size()) * depth + inside.size());
    for (int i = 0; i < depth; ++i) out += open;
    out += inside;
    for (int i = 0; i < depth; ++i) out += close;
    return out;
}

}  // namespace qrv::test
