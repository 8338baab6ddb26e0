// What the searches of one export run read once and share: the table index
// and the tag list of each document they search.
//
// While an export runs, its filter only reads the document.  An open
// RunSnapshots on the thread lets the table and definition searches keep
// what they read of a document's index stores and answer later searches
// from it, as the walks would; a store whose count has changed since is
// read again.  Without an open scope (a search called outside a run)
// nothing is kept and every search reads the chunker afresh.
#pragma once

#include "chunk/navigate/table_snapshot.hpp"
#include "chunk/navigate/tag_list_snapshot.hpp"
#include "memory/global_allocator.hpp"

#include <qrvex/styles.h>

#include <optional>

namespace qrv::styles {
class RunIndex;
}

namespace qrv::chunk {

class RunSnapshots {
public:
    RunSnapshots();
    ~RunSnapshots();
    RunSnapshots(const RunSnapshots &) = delete;
    RunSnapshots &operator=(const RunSnapshots &) = delete;

    // The snapshot of h's store, read now when there is none yet or the
    // store's count has changed; null when no scope is open on this thread,
    // the count cannot be had or memory ran out.  Scopes nest; the
    // innermost one is used.
    static const TableSnapshot *tables(CHHandle h);
    static const TagListSnapshot *tag_list(CHHandle h);
    // The index of a style sheet's table (styles/run_index.hpp), made on
    // first use; forgetting it drops it from every open scope.
    static styles::RunIndex *style_index(const CUStyleSheet &sheet);
    static void forget_style_index(const CUStyleSheet &sheet);

private:
    struct Held {
        CHHandle h;
        std::optional<TableSnapshot> tables;
        std::optional<TagListSnapshot> tag_list;
    };

    template <typename Snapshot>
    static const Snapshot *held(CHHandle h, CHStore store, std::optional<Snapshot> Held::*member);

    RunSnapshots *outer_;
    // Lists: what they hold stays where it is while they grow.
    memory::GlobalList<Held> held_;
    memory::GlobalList<styles::RunIndex> style_indexes_;
};

}  // namespace qrv::chunk
