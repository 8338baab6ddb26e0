#include "chunk/navigate/run_snapshots.hpp"

#include "styles/run_index.hpp"

#include <algorithm>
#include <new>

namespace qrv::chunk {
namespace {

thread_local RunSnapshots *innermost = nullptr;

}  // namespace

RunSnapshots::RunSnapshots() : outer_(innermost) { innermost = this; }

RunSnapshots::~RunSnapshots() { innermost = outer_; }

template <typename Snapshot>
const Snapshot *RunSnapshots::held(CHHandle h, CHStore store, std::optional<Snapshot> Held::*member) {
    RunSnapshots *scope = innermost;
    if (!scope) return nullptr;
    uint32_t count = 0;
    if (CHGetItemCount(h, store, &count) != 0) return nullptr;
    try {
        auto found =
            std::find_if(scope->held_.begin(), scope->held_.end(), [h](const Held &one) { return one.h == h; });
        if (found == scope->held_.end()) found = scope->held_.insert(scope->held_.end(), Held{h, {}, {}});
        std::optional<Snapshot> &snapshot = (*found).*member;
        if (!snapshot || snapshot->counted() != count) {
            snapshot.reset();
            snapshot.emplace(h);
        }
        return &*snapshot;
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

const TableSnapshot *RunSnapshots::tables(CHHandle h) { return held(h, CH_STORE_TABLE_INDEX, &Held::tables); }

const TagListSnapshot *RunSnapshots::tag_list(CHHandle h) { return held(h, CH_STORE_TAG_LIST, &Held::tag_list); }

styles::RunIndex *RunSnapshots::style_index(const CUStyleSheet &sheet) {
    RunSnapshots *scope = innermost;
    if (!scope) return nullptr;
    for (styles::RunIndex &index : scope->style_indexes_)
        if (index.sheet() == &sheet) return &index;
    try {
        return &scope->style_indexes_.emplace_back(sheet);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void RunSnapshots::forget_style_index(const CUStyleSheet &sheet) {
    for (RunSnapshots *scope = innermost; scope; scope = scope->outer_)
        scope->style_indexes_.remove_if([&sheet](const styles::RunIndex &index) { return index.sheet() == &sheet; });
}

}  // namespace qrv::chunk
