// Loading a style into its slot (CULoadStyle, and the change walk's style
// items, share this).
#pragma once

#include "styles/load_stack.hpp"
#include "styles/sheet.hpp"

namespace qrv::styles {

// Never leave the library.  Refused: the style cannot be handed out (it is
// under way further up, and taking it again would go round for ever); the
// caller treats it as absent.  Deferred: a change walk inside a definition
// has stopped at a style item so that the loader can load the style first.
inline constexpr uint32_t kStyleRefused = 0xFFFFFFFEu;
inline constexpr uint32_t kStyleDeferred = 0xFFFFFFFDu;

struct LoadedStyle {
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0;
};

// Loads a style, with every load it leads to (its parent, the styles its
// definition applies, theirs in turn) kept as frames on a stack, never as
// nested calls.
//
// A style whose load is under way is never loaded again inside it.  Asked
// for once more, it is handed out when the slot cache would hand it out (it
// is marked loaded from the start, and a definition that applies a style
// under way applies it as gathered so far); a list style or one whose slot
// the rotation has taken is applied as gathered so far while it still has
// its slot, and otherwise, and as a parent whenever the cache would load it
// again, it is refused.
class Loader {
public:
    explicit Loader(CUStyleSheet &sheet) : sheet_(sheet) {}

    uint32_t load(uint32_t style_id, uint32_t para_style_id, LoadedStyle &out);

    // For the style items of a definition being walked: the style the
    // resumed walk asked for, or kStyleDeferred to stop the walk while the
    // style is loaded.
    uint32_t hand_out(uint32_t style_id, uint32_t para_style_id, LoadedStyle &out);

private:
    enum class Role { kApplied, kParent };
    struct Answer {
        uint32_t style_id;
        uint32_t result;
        LoadedStyle loaded;
    };

    void begin(uint32_t style_id, uint32_t para_style_id, Role role);
    void answer_with(uint32_t style_id, uint32_t result, LoadedStyle loaded = {});
    void answer_under_way(uint32_t style_id, uint32_t index, uint32_t para_style_id, Role role);
    bool take_answer(uint32_t style_id, Answer &answer);
    void advance();
    void take_parent();
    void walk_definition();
    bool run_changes_of(LoadFrame &frame);
    void finish(uint32_t result);

    CUStyleSheet &sheet_;
    LoadStack frames_;
    bool answered_ = false;
    Answer answer_{};
    uint32_t asked_style_ = CH_NO_ITEM;  // what a stopped change walk asked for
    uint32_t asked_para_style_ = CH_NO_ITEM;
};

// One load from outside a definition walk.
inline uint32_t load_style(CUStyleSheet &sheet, uint32_t style_id, uint32_t para_style_id, LoadedStyle &out) {
    return Loader(sheet).load(style_id, para_style_id, out);
}

inline const CUStyleEntry &entry_of(CUStyleSheet &sheet, const LoadedStyle &loaded) {
    return entry_at(sheet, loaded.index);
}

}  // namespace qrv::styles
