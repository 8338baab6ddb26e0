// The styles whose loads are under way in one call of the library, each in
// a frame that says how far its load has got.
//
// Loading a style loads the style it is based on first, and the style items
// of its definition load further styles; a document can chain both as deep
// as it likes.  The loader keeps those nested loads as frames on this stack
// instead of nesting calls, so the depth costs movable memory, not the
// machine stack.  The first frames live in the stack object itself; deeper
// ones move to a movable block that grows by a fixed step.
#pragma once

#include "chunk/gather/gather.hpp"
#include "styles/definition.hpp"

#include <cstdint>
#include <type_traits>

namespace qrv::styles {

enum class LoadPhase : uint8_t {
    kStart,    // the record is taken; the parent, if any, is still to load
    kInherit,  // the parent's load has been asked for; its answer comes next
    kWalk,     // walking the definition's own items
};

struct LoadFrame {
    uint32_t style_id;
    uint32_t para_style_id;  // the paragraph style in force, given to the load
    uint32_t index;          // in the style table
    uint32_t parent_id;
    CUStyleSlot *slot;
    StyleDefinition definition;
    LoadPhase phase;
    bool in_changes;           // a change walk stands at a style item, waiting for its style
    uint32_t walk_id;          // the next item of the definition to read
    uint32_t changes_from_id;  // the item that change walk started at
    gather::ChangeCursor changes;
};
static_assert(std::is_trivially_copyable_v<LoadFrame>, "frames move with their block");

class LoadStack {
public:
    LoadStack() = default;
    ~LoadStack();
    LoadStack(const LoadStack &) = delete;
    LoadStack &operator=(const LoadStack &) = delete;

    // False when the stack cannot grow (no memory).  References to frames
    // do not survive a push.
    bool push(const LoadFrame &frame);
    void pop() { --depth_; }
    uint32_t depth() const { return depth_; }
    LoadFrame &top() { return frames_[depth_ - 1]; }
    bool holds_style(uint32_t index) const;

private:
    static constexpr uint32_t kInlineFrames = 16;
    static constexpr uint32_t kGrowBy = 256;

    bool grow();

    LoadFrame inline_[kInlineFrames];
    LoadFrame *frames_ = inline_;
    void *block_ = nullptr;  // the movable block once the frames outgrow inline_
    uint32_t capacity_ = kInlineFrames;
    uint32_t depth_ = 0;
    // No frame ever pushed holds a style numbered above this: a style seen
    // for the first time (numbered last) is told apart without a search.
    uint32_t highest_index_ = 0;
};

}  // namespace qrv::styles
