// Settling where each heading's text and body end, once the whole document
// has been seen.
#include "tree.hpp"

#include <qrvch.h>
#include <qrvex/navigate.h>

#include <algorithm>

namespace qrv::doctree {
namespace {

// Sections hold ten levels of headings below them.
constexpr uint32_t kMaxDepth = EXDT_MAX_HEADING_LEVEL;

uint32_t item_before(CHHandle h, uint32_t id, uint32_t &before) { return CHPrevItemId(h, CH_STORE_ITEMS, id, &before); }

uint32_t first_break(uint32_t from, uint32_t bound, uint32_t kind, CHHandle h) {
    return CUFindBreakEndId(from, bound, bound, kind, h);
}

// The heading text ends at the first paragraph or page break, else at the
// first cell break, else where the heading's part of the document ends.  The
// page break is looked for only up to the paragraph break: one beyond it
// would not be the nearer, and a document without page breaks would
// otherwise be read to its bound once a heading.
uint32_t head_end(const EXDTNode &node, uint32_t bound, uint32_t next_bound, CHHandle h) {
    const uint32_t paragraph_end = first_break(node.HeadStartId, bound, CH_BREAK_PARAGRAPH, h);
    const uint32_t page_bound = paragraph_end == kNoId ? bound : std::min(paragraph_end, bound);
    uint32_t end = std::min(paragraph_end, first_break(node.HeadStartId, page_bound, CH_BREAK_PAGE, h));
    if (end == kNoId) end = first_break(node.HeadStartId, bound, CH_BREAK_CELL, h);
    return end == kNoId ? next_bound : end;
}

// The body starts at the item after the heading text; a text that ends the
// document has none, and the chunker's refusal is the result.
uint32_t body_start(CHHandle h, uint32_t head_end, uint32_t &start) {
    return CHNextItemId(h, CH_STORE_ITEMS, head_end, &start);
}

void drop_backward_ranges(EXDTNode &node) {
    if (node.Body.BodyEndId < node.Body.BodyStartId) node.Body.BodyStartId = node.Body.BodyEndId = kNoId;
    if (node.HeadEndId < node.HeadStartId) node.HeadStartId = node.HeadEndId = kNoId;
}

uint32_t settle_heading(EXDTHeading &heading, uint32_t bound, uint32_t next_bound, CHHandle h) {
    EXDTNode &node = heading.Node;
    if (heading.Filler) {
        node.HeadStartId = node.HeadEndId = node.Body.BodyStartId = node.Body.BodyEndId = kNoId;
        return QRV_OK;
    }
    node.HeadEndId = head_end(node, bound, next_bound, h);
    if (node.HeadEndId != kNoId)
        if (uint32_t result = body_start(h, node.HeadEndId, node.Body.BodyStartId)) return result;
    node.Body.BodyEndId = next_bound;
    return QRV_OK;
}

uint32_t patch_level(EXDTBody &body, uint32_t bound, CHHandle h, uint32_t depth) {
    if (depth > kMaxDepth) return QRV_E_INCONSISTENT;
    const uint32_t headings = count(body.SubHeadings);
    for (uint32_t i = 0; i < headings; ++i) {
        EXDTHeading &heading = heading_at(*body.SubHeadings, i);
        uint32_t next_bound = bound;
        const uint32_t start = heading.Node.HeadStartId;
        if (i == 0 && start != kNoId && start != 0)
            if (uint32_t result = item_before(h, start, body.BodyEndId)) return result;
        if (i + 1 < headings) {
            const uint32_t next_start = heading_at(*body.SubHeadings, i + 1).Node.HeadStartId;
            if (next_start != kNoId)
                if (uint32_t result = item_before(h, next_start, next_bound)) return result;
        }
        if (uint32_t result = settle_heading(heading, bound, next_bound, h)) return result;
        if (heading.Node.Body.SubHeadings)
            if (uint32_t result = patch_level(heading.Node.Body, next_bound, h, depth + 1)) return result;
        drop_backward_ranges(heading.Node);
    }
    return QRV_OK;
}

uint32_t patch_section(EXDTSection &section, CHHandle h) {
    EXDTBody &body = section.Node.Body;
    if (!body.SubHeadings) return QRV_OK;
    if (count(body.SubHeadings) == 0) return QRV_E_INCONSISTENT;
    const uint32_t first_start = heading_at(*body.SubHeadings, 0).Node.HeadStartId;
    if (first_start == 0)
        body.BodyEndId = 0;
    else if (uint32_t result = item_before(h, first_start, body.BodyEndId))
        return result;
    return patch_level(body, section.LastId, h, 1);
}

}  // namespace
}  // namespace qrv::doctree

using namespace qrv::doctree;

// Works out, for every heading of every section, where its text ends
// (HeadEndId), where its body starts and ends, and where the section's own
// body ends (before its first heading).  0; 18 for a null tree, no section
// list or a heading list without entries; a chunker error is handed back at
// once, the headings settled so far keeping their new ids.  The item after
// a heading's text must exist: a heading text ending at the document's last
// item gives the chunker's error (that heading keeps its HeadEndId, its body
// ids stay as they were).
extern "C" QRVAPI uint32_t EXDTPatchup(EXDTTree *tree, CHHandle h) {
    if (!tree || !tree->Sections) return QRV_E_INCONSISTENT;
    for (uint32_t i = 0; i < count(tree->Sections); ++i)
        if (uint32_t result = patch_section(qrv::lists::item_at<EXDTSection>(*tree->Sections, i), h)) return result;
    return QRV_OK;
}

// Settles the headings below one node's body, and below them in turn, with
// endBound as the last item the body may reach; the body's own BodyEndId
// becomes the item before its first heading.  Filler headings get -1 for all
// four ids; ranges that run backwards become -1.  0; 18 for a null body or
// headings nested deeper than ten levels; a chunker error at once.
extern "C" QRVAPI uint32_t EXDTPatchupHeadingLevel(EXDTBody *body, uint32_t endBound, CHHandle h) {
    if (!body) return QRV_E_INCONSISTENT;
    return patch_level(*body, endBound, h, 1);
}
