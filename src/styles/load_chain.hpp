// The styles whose loads are under way in one call of the library.
//
// Loading a style loads the style it is based on, and gathering a style's
// own items may apply further styles, so loads nest.  A document can base a
// style on itself or close a cycle, and can chain styles arbitrarily deep;
// the chain refuses a style already being loaded and any load beyond
// kMaxDepth, and the caller then treats that style as absent.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qrv::styles {

class LoadChain {
public:
    static constexpr size_t kMaxDepth = 32;

    bool admits(uint32_t style_id) const {
        if (depth_ >= kMaxDepth) return false;
        for (size_t i = 0; i < depth_; ++i)
            if (ids_[i] == style_id) return false;
        return true;
    }

    // Holds a style in the chain for the lifetime of the link.  Only made
    // after admits() said yes.
    class Link {
    public:
        Link(LoadChain &chain, uint32_t style_id) : chain_(chain) { chain_.ids_[chain_.depth_++] = style_id; }
        ~Link() { --chain_.depth_; }
        Link(const Link &) = delete;
        Link &operator=(const Link &) = delete;

    private:
        LoadChain &chain_;
    };

private:
    uint32_t ids_[kMaxDepth] = {};
    size_t depth_ = 0;
};

}  // namespace qrv::styles
