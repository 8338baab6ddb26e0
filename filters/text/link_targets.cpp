#include "link_targets.hpp"

namespace qrv::filters::text {
namespace {

// The address as a reader would type it: no scheme, no "mailto:", no
// slash at its end, no spaces around it.
std::string_view bare_address(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    for (std::string_view scheme : {"mailto:", "https://", "http://", "ftp://"}) {
        if (s.size() >= scheme.size() && s.substr(0, scheme.size()) == scheme) {
            s.remove_prefix(scheme.size());
            break;
        }
    }
    if (s.substr(0, 4) == "www.") s.remove_prefix(4);
    while (!s.empty() && s.back() == '/') s.remove_suffix(1);
    return s;
}

}  // namespace

std::string target_after_link(std::string_view link_text, std::string_view target) {
    if (target.empty() || target.front() == '#') return {};
    const std::string_view bare = bare_address(target);
    if (bare.empty() || bare_address(link_text) == bare) return {};
    std::string after = " <";
    after += target;
    after += '>';
    return after;
}

}  // namespace qrv::filters::text
