#include "chunk/walk.hpp"

namespace qrv::chunk {

bool ForwardWalk::fail(WalkStatus why) {
    status_ = why;
    return false;
}

bool ForwardWalk::read() {
    if (status_ != WalkStatus::kOk) return false;
    const uint32_t result = host::get_item(h_, position_, item_, &next_);
    if (result != 0) {
        chunker_result_ = result;
        return fail(WalkStatus::kReadFailed);
    }
    item_id_ = position_;
    return true;
}

bool ForwardWalk::advance() {
    if (status_ != WalkStatus::kOk) return false;
    if (next_ <= item_id_) return fail(WalkStatus::kLooping);
    position_ = next_;
    return true;
}

bool ForwardWalk::skip_tag() { return advance() && skip_rest_of_tag(); }

bool ForwardWalk::skip_rest_of_tag() {
    uint32_t depth = 1;
    while (read()) {
        if (is_tag_begin(item_)) {
            ++depth;
        } else if (is_tag_end(item_) && --depth == 0) {
            tag_end_id_ = item_id_;
            return advance();
        }
        if (!advance()) return false;
    }
    return false;
}

TagSkip skip_tag_from(CHHandle h, uint32_t first_inside) {
    ForwardWalk walk(h, first_inside);
    TagSkip skip;
    skip.ok = walk.skip_rest_of_tag();
    if (skip.ok) {
        skip.end_id = walk.last_tag_end_id();
        skip.after_id = walk.position();
    }
    return skip;
}

bool step_back(CHHandle h, uint32_t &id) {
    uint32_t previous = kNoItem;
    if (CHPrevItemId(h, CH_STORE_ITEMS, id, &previous) != 0) return false;
    if (previous >= id) return false;
    id = previous;
    return true;
}

bool find_tag_begin_backward(CHHandle h, uint32_t end_id, uint32_t &begin_id) {
    uint32_t id = end_id;
    uint32_t depth = 0;
    CHItem item{};
    while (step_back(h, id)) {
        if (host::get_item(h, id, item, nullptr) != 0) return false;
        if (is_tag_end(item)) {
            ++depth;
        } else if (is_tag_begin(item)) {
            if (depth == 0) {
                begin_id = id;
                return true;
            }
            --depth;
        }
    }
    return false;
}

}  // namespace qrv::chunk
