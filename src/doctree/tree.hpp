// What the document tree's operations share: finding the current section,
// lists made on first use, and heading entries.
#pragma once

#include "../lists/list.hpp"

#include <qrvex/doctree.h>

namespace qrv::doctree {

inline constexpr uint32_t kNoId = 0xFFFFFFFFu;

// The section CurrentSection names, or 0 when there is none.
EXDTSection *current_section(const EXDTTree &tree);

// Makes the list on first use (4 items, growing by 4); false when that fails.
bool ensure_list(LUList *&list, uint32_t item_size);

inline uint32_t count(const LUList *list) { return list ? lists::in_use(*list) : 0; }
inline EXDTHeading &heading_at(const LUList &headings, uint32_t index) {
    return lists::item_at<EXDTHeading>(headings, index);
}

// Appends an entry and hands out its slot to be filled in place (entries
// are a few kilobytes: no copy of them is built elsewhere); 0 when the list
// cannot take one more.
template <typename Entry>
Entry *append_entry(LUList &list) {
    const int32_t index = lists::append(list, nullptr);
    return index == lists::kNoIndex ? nullptr : &lists::item_at<Entry>(list, static_cast<uint32_t>(index));
}

void init_state(EXDTState &state);
void copy_state(EXDTState &destination, const EXDTState *source);

// The heading HeadingPath names inside the section: 0 with the deepest one
// found in heading (left as it was when the path is empty), or 37.
uint32_t locate_current_heading(const EXDTTree &tree, const EXDTSection &section, EXDTHeading *&heading);

}  // namespace qrv::doctree
