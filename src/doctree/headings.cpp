// Recording headings as the filter meets them, and the end of their
// paragraphs.
#include "tree.hpp"

#include <cstring>

namespace qrv::doctree {
namespace {

void init_heading(EXDTHeading &heading, uint32_t start, const EXDTState *state, uint32_t filler) {
    std::memset(&heading, 0, sizeof heading);
    heading.Filler = filler;
    heading.Node.HeadStartId = start;
    copy_state(heading.Node.HeadState, state);
}

void mark_current(EXDTTree &tree, uint32_t level, uint32_t index) {
    tree.TreeFlags |= EXDT_HEADING_OPEN;
    tree.HeadingLevel = level;
    tree.HeadingPath[level - 1] = index;
    for (uint32_t deeper = level; deeper < EXDT_MAX_HEADING_LEVEL; ++deeper) tree.HeadingPath[deeper] = 0;
}

// Walks down the last headings of each level above the new one; a level
// with no heading to hang it under first gets a filler heading (made by the
// same procedure, one level up, so every missing level is filled).
uint32_t add_heading(EXDTTree &tree, EXDTSection &section, uint32_t start, const EXDTState *state, uint32_t filler,
                     uint32_t level) {
    EXDTBody *body = &section.Node.Body;
    for (uint32_t above = 1; above < level; ++above) {
        if (!body->SubHeadings)
            if (uint32_t result = add_heading(tree, section, start, state, 1, level - 1)) return result;
        const uint32_t headings = count(body->SubHeadings);
        if (headings == 0) return QRV_E_INCONSISTENT;
        body = &heading_at(*body->SubHeadings, headings - 1).Node.Body;
    }
    if (!ensure_list(body->SubHeadings, sizeof(EXDTHeading))) return QRV_E_NO_MEMORY;
    if (EXDTHeading *heading = append_entry<EXDTHeading>(*body->SubHeadings))
        init_heading(*heading, start, state, filler);
    mark_current(tree, level, count(body->SubHeadings));
    return QRV_OK;
}

}  // namespace
}  // namespace qrv::doctree

using namespace qrv::doctree;

// Appends a heading at level (1 to 10) in the current section, beginning at
// startId with a copy of the state; a non-zero filler marks a heading
// without text of its own.  Levels above it that have no heading to hang it
// under get filler headings first.  The heading becomes current
// (HeadingPath, HeadingLevel) and its paragraph open.  0 (also, doing
// nothing, without a section list); 15 for another level; 18 without a
// current section; 13 when a heading list cannot be made.
extern "C" QRVAPI uint32_t EXDTAddHeadingLevel(EXDTTree *tree, uint32_t startId, const EXDTState *state,
                                               uint32_t filler, uint32_t level) {
    if (level < 1 || level > EXDT_MAX_HEADING_LEVEL) return QRV_E_BAD_ARG;
    if (!tree) return QRV_E_INCONSISTENT;
    if (!tree->Sections) return QRV_OK;
    EXDTSection *section = current_section(*tree);
    if (!section) return QRV_E_INCONSISTENT;
    return add_heading(*tree, *section, startId, state, filler, level);
}

// Ends the open heading's paragraph: its body starts at bodyStartId with a
// copy of the state.  Without an open current heading nothing changes.  0;
// 18 without a current section.
extern "C" QRVAPI uint32_t EXDTEndParagraph(EXDTTree *tree, const EXDTState *state, uint32_t /*unused*/,
                                            uint32_t bodyStartId) {
    EXDTSection *section = tree ? current_section(*tree) : nullptr;
    if (!section) return QRV_E_INCONSISTENT;
    EXDTHeading *heading = nullptr;
    if (locate_current_heading(*tree, *section, heading) != QRV_OK || !heading) return QRV_OK;
    if (!(tree->TreeFlags & EXDT_HEADING_OPEN)) return QRV_OK;
    heading->Node.Body.BodyStartId = bodyStartId;
    copy_state(heading->Node.Body.BodyState, state);
    tree->TreeFlags &= ~EXDT_HEADING_OPEN;
    return QRV_OK;
}
