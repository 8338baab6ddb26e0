// Walking the item stream (store 0) one item at a time.
//
// Every search and gathering routine of the chunk reader is a loop over
// CHGetItem.  This header gives them one forward cursor, one backward step
// and the tag rules, so that the rules are written once:
//
//   * is_skippable_tag: a tag whose code has bit 29 set.  Searches jump over
//     such a tag from its begin to its matching end; meeting the end of one
//     without its begin means the search has reached the end of an enclosing
//     tag, and it stops there.
//   * is_skipped_by_text_searches: the skippable tags plus codes 0x170000
//     and 0x180000, which break and text searches also pass over whole.
//
// Malformed documents.  The chunker may hand back anything, so the walks
// defend themselves and never recurse on document depth:
//   * ids must grow along a forward walk and shrink along a backward one.  A
//     next (or previous) id that does not is taken as a looping document and
//     ends the walk as a failure (status kLooping), exactly like a failed read.
//   * tag skipping counts depth in a loop; a tag nested 100000 deep costs one
//     counter, not 100000 stack frames.
//   * a tag that never ends is skipped up to the last item: the walk then
//     fails at the end of the stream (the read of "no item").
//
// The end of the stream is no special case: the last item's next id is -1,
// and a walk that gets there reads it like any other id, so it ends with
// the chunker's own answer for "no item" (kReadFailed).
// Every search documents which of its results such a failure gives.
#pragma once

#include "host/chunker.hpp"

#include <cstdint>

namespace qrv::chunk {

inline constexpr uint32_t kNoItem = CH_NO_ITEM;

// --- Tag rules ---------------------------------------------------------------

inline constexpr uint32_t kTextSkipTag17 = CH_TAG_SKIP_FOR_TEXT_17;
inline constexpr uint32_t kTextSkipTag18 = CH_TAG_SKIP_FOR_TEXT_18;

inline bool is_tag_begin(const CHItem &item) { return item.type == CH_ITEM_TAG_BEGIN; }
inline bool is_tag_end(const CHItem &item) { return item.type == CH_ITEM_TAG_END; }
inline bool is_break_of(const CHItem &item, uint32_t kind) { return item.type == CH_ITEM_BREAK && item.value == kind; }

inline bool is_skippable_tag(uint32_t code) { return (code & CH_TAG_SKIPPABLE_BIT) != 0; }

inline bool is_skipped_by_text_searches(uint32_t code) {
    return is_skippable_tag(code) || code == kTextSkipTag17 || code == kTextSkipTag18;
}

inline bool is_skippable_begin(const CHItem &item) { return is_tag_begin(item) && is_skippable_tag(item.value); }
inline bool is_skippable_end(const CHItem &item) { return is_tag_end(item) && is_skippable_tag(item.value); }

// --- Forward walk ------------------------------------------------------------

enum class WalkStatus : uint8_t {
    kOk,          // still walking
    kReadFailed,  // the chunker refused a read (also of "no item" past the
                  // last item); chunker_result() holds its code
    kLooping,     // a next id did not grow
};

// A cursor over store 0.  Typical use:
//
//     ForwardWalk walk(h, id);
//     while (walk.position() < limit && walk.read()) {
//         const CHItem &item = walk.item();
//         if (wanted(item)) return walk.item_id();
//         if (is_skippable_end(item)) return walk.item_id();
//         if (!walk.pass(is_skippable_begin(item))) break;
//     }
//     return kNoItem;   // ran out, or walk.status() says why
class ForwardWalk {
public:
    ForwardWalk(CHHandle h, uint32_t first) : h_(h), position_(first) {}

    // Id of the item the next read() reads.
    uint32_t position() const { return position_; }

    // Reads the item at position(), "no item" included.  False when the
    // read fails.
    bool read();

    const CHItem &item() const { return item_; }
    uint32_t item_id() const { return item_id_; }
    // The id CHGetItem gave as following the item last read.
    uint32_t next_id() const { return next_; }

    // Moves the position past the item last read.  False (kLooping) when the
    // next id is not greater than the item's own id.
    bool advance();

    // Item last read is a tag begin: moves the position past its matching
    // end, counting nested begins and ends of any code.  False when the walk
    // fails inside the tag.  Afterwards item() is the end met and
    // last_tag_end_id() its id.
    bool skip_tag();
    uint32_t last_tag_end_id() const { return tag_end_id_; }

    // The position is inside a tag (the begin itself already passed): moves
    // past the end that closes it, as skip_tag() does.
    bool skip_rest_of_tag();

    // advance() or skip_tag(), as the caller's rule decides.
    bool pass(bool skip_whole_tag) { return skip_whole_tag ? skip_tag() : advance(); }

    WalkStatus status() const { return status_; }
    bool failed() const { return status_ != WalkStatus::kOk; }
    uint32_t chunker_result() const { return chunker_result_; }

private:
    bool fail(WalkStatus why);

    CHHandle h_;
    uint32_t position_;
    CHItem item_{};
    uint32_t item_id_ = kNoItem;
    uint32_t next_ = kNoItem;
    uint32_t tag_end_id_ = kNoItem;
    uint32_t chunker_result_ = 0;
    WalkStatus status_ = WalkStatus::kOk;
};

// Skips a tag whose begin precedes `first_inside`: the result is the id of
// the item after the matching end, or kNoItem when the walk fails.
struct TagSkip {
    bool ok = false;
    uint32_t end_id = kNoItem;    // the matching tag end
    uint32_t after_id = kNoItem;  // the item after it (kNoItem at the stream's end)
};
TagSkip skip_tag_from(CHHandle h, uint32_t first_inside);

// --- Backward walk -----------------------------------------------------------

// Steps `id` to the item before it.  False when the chunker reports no
// earlier item, or the previous id is not smaller (a looping document).
bool step_back(CHHandle h, uint32_t &id);

// From a tag end, walks back to its matching begin, counting nested ends
// and begins of any code.  False when a step or read fails on the way.
bool find_tag_begin_backward(CHHandle h, uint32_t end_id, uint32_t &begin_id);

}  // namespace qrv::chunk
