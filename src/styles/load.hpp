// Loading a style into its slot (CULoadStyle and the change walk's style
// items share this).
#pragma once

#include "styles/load_chain.hpp"
#include "styles/sheet.hpp"

namespace qrv::styles {

// Never leaves the library: the style's load is already under way further
// up, or loads are nested too deep.  Callers treat the style as absent.
inline constexpr uint32_t kStyleRefused = 0xFFFFFFFEu;

struct LoadedStyle {
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0;
};

uint32_t load_style(CUStyleSheet &sheet, uint32_t style_id, uint32_t para_style_id, LoadChain &chain,
                    LoadedStyle &out);

inline const CUStyleEntry &entry_of(CUStyleSheet &sheet, const LoadedStyle &loaded) {
    return entry_at(sheet, loaded.index);
}

}  // namespace qrv::styles
