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
const Snapshot *RunSnapshots::held(CHHandle h, CHStore store, std::unique_ptr<Snapshot> Held::*member) {
    RunSnapshots *scope = innermost;
    if (!scope) return nullptr;
    uint32_t count = 0;
    if (CHGetItemCount(h, store, &count) != 0) return nullptr;
    try {
        auto found =
            std::find_if(scope->held_.begin(), scope->held_.end(), [h](const Held &one) { return one.h == h; });
        if (found == scope->held_.end()) found = scope->held_.insert(scope->held_.end(), Held{h, nullptr, nullptr});
        std::unique_ptr<Snapshot> &snapshot = (*found).*member;
        if (!snapshot || snapshot->counted() != count) snapshot = std::make_unique<Snapshot>(h);
        return snapshot.get();
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

const TableSnapshot *RunSnapshots::tables(CHHandle h) { return held(h, CH_STORE_TABLE_INDEX, &Held::tables); }

const TagListSnapshot *RunSnapshots::tag_list(CHHandle h) { return held(h, CH_STORE_TAG_LIST, &Held::tag_list); }

styles::RunIndex *RunSnapshots::style_index(const CUStyleSheet &sheet) {
    RunSnapshots *scope = innermost;
    if (!scope) return nullptr;
    for (const auto &index : scope->style_indexes_)
        if (index->sheet() == &sheet) return index.get();
    try {
        return scope->style_indexes_.emplace_back(std::make_unique<styles::RunIndex>(sheet)).get();
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void RunSnapshots::forget_style_index(const CUStyleSheet &sheet) {
    for (RunSnapshots *scope = innermost; scope; scope = scope->outer_)
        std::erase_if(scope->style_indexes_, [&sheet](const auto &index) { return index->sheet() == &sheet; });
}

}  // namespace qrv::chunk
