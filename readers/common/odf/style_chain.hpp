// A style's chain of parents, followed one parent at a time: a chain that
// loops, or runs on past kLongestStyleChain styles, is cut there, so a
// document decides neither how deep the readers go nor how long they take.
#pragma once

#include <cstddef>

namespace qrv::import::odf {

inline constexpr size_t kLongestStyleChain = 256;

// Hands style and then each parent (parent_of gives it, nullptr at the top)
// to visit until visit answers true or the chain ends or is cut.
template <typename Style, typename ParentOf, typename Visit>
void walk_style_chain(const Style *style, ParentOf &&parent_of, Visit &&visit) {
    for (size_t step = 0; style && step < kLongestStyleChain; ++step) {
        if (visit(*style)) return;
        style = parent_of(*style);
    }
}

}  // namespace qrv::import::odf
