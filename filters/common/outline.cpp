#include "outline.hpp"

#include <qrvch.h>
#include <qrvex/navigate.h>

#include <cstdio>

#include "chars.hpp"

namespace qrv::filters {
namespace {

constexpr uint32_t kFootnote = 1;    // note kind of the reference filters' notes
constexpr unsigned kDeepestEntry = 10;

// The 16-byte note record kept in the tree: where its text lies and its number.
struct NoteRecord {
    uint32_t BeginId;
    uint32_t EndId;
    uint32_t Number;
    uint32_t Reserved;
};
static_assert(sizeof(NoteRecord) == 16, "a note record is 16 bytes");

template <typename T>
const T *items_of(const LUList *list) {
    return list ? static_cast<const T *>(list->Items) : nullptr;
}

uint32_t count_of(const LUList *list) { return list ? list->ItemCount : 0; }

}  // namespace

std::string heading_anchor(uint32_t first_item_id) {
    char anchor[16];
    std::snprintf(anchor, sizeof anchor, "h%08x", first_item_id);
    return anchor;
}

std::string plain_text_between(CHHandle h, uint32_t first_id, uint32_t last_id, size_t limit) {
    std::string text;
    std::u16string chars;
    uint32_t id = first_id;
    while (id != CH_NO_ITEM && id <= last_id && text.size() < limit) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(h, CH_STORE_ITEMS, id, &item, &next) != 0) break;
        if (item.type == CH_ITEM_TEXT && read_text_run(h, item.value, item.data1, chars)) {
            text += utf8_of(chars);
        } else if (item.type == CH_ITEM_BREAK && !text.empty() && text.back() != ' ') {
            text += ' ';
        } else if (item.type == CH_ITEM_TAG_BEGIN && (item.value & CH_TAG_SKIPPABLE_BIT)) {
            next = CUSkipTag(next, h);
        }
        if (next != CH_NO_ITEM && next <= id) break;
        id = next;
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

Outline::Outline(CHHandle h) : chunker_(h), tree_(new EXDTTree), state_(new EXDTState) {
    EXDTInit(tree_.get());
    EXDTInitState(state_.get());
}

Outline::~Outline() { EXDTCleanup(tree_.get()); }

uint32_t Outline::add_section(uint32_t first_id, uint32_t last_id, uint32_t kind) {
    return EXDTAddSection(tree_.get(), first_id, last_id, kind);
}

uint32_t Outline::add_heading(uint32_t first_id, unsigned level) {
    return EXDTAddHeadingLevel(tree_.get(), first_id, state_.get(), 0, level);
}

uint32_t Outline::end_paragraph(uint32_t body_start_id) {
    return EXDTEndParagraph(tree_.get(), state_.get(), 0, body_start_id);
}

unsigned Outline::add_note(uint32_t begin_id, uint32_t end_id) {
    NoteRecord note{begin_id, end_id, ++notes_, 0};
    EXDTAddNote(tree_.get(), kFootnote, &note);
    return notes_;
}

uint32_t Outline::add_bookmark(uint32_t begin_id, unsigned number) {
    return EXDTAddBookmark(tree_.get(), begin_id, number);
}

uint32_t Outline::settle() {
    if (EXDTNumSections(tree_.get()) == 0) return 0;
    const uint32_t result = EXDTPatchup(tree_.get(), chunker_);
    // A heading whose text runs to the document's last item has no item
    // after it to start a body, and the patch-up stops there with the
    // chunker's code.  That heading comes last, so everything else is
    // settled, and the contents need only its text: nothing to warn about.
    if (result != 0 && ends_in_heading_text()) return 0;
    return result;
}

bool Outline::ends_in_heading_text() const {
    const LUList *headings = nullptr;
    if (uint32_t sections = count_of(tree_->Sections))
        headings = items_of<EXDTSection>(tree_->Sections)[sections - 1].Node.Body.SubHeadings;
    for (uint32_t n = count_of(headings); n > 0; n = count_of(headings)) {
        const EXDTHeading &last = items_of<EXDTHeading>(headings)[n - 1];
        uint32_t after = CH_NO_ITEM;
        if (!last.Filler && last.Node.HeadEndId != CH_NO_ITEM &&
            CHNextItemId(chunker_, CH_STORE_ITEMS, last.Node.HeadEndId, &after) != 0)
            return true;
        headings = last.Node.Body.SubHeadings;
    }
    return false;
}

void Outline::add_entries(const LUList *headings, unsigned level, std::vector<OutlineEntry> &out) const {
    if (level > kDeepestEntry) return;
    const EXDTHeading *heading = items_of<EXDTHeading>(headings);
    for (uint32_t i = 0; i < count_of(headings); ++i, ++heading) {
        const EXDTNode &node = heading->Node;
        if (!heading->Filler && node.HeadStartId != CH_NO_ITEM) {
            uint32_t end = node.HeadEndId == CH_NO_ITEM ? node.HeadStartId : node.HeadEndId;
            out.push_back({level, plain_text_between(chunker_, node.HeadStartId, end), heading_anchor(node.HeadStartId)});
        }
        add_entries(node.Body.SubHeadings, level + 1, out);
    }
}

std::vector<OutlineEntry> Outline::entries() const {
    std::vector<OutlineEntry> out;
    const EXDTSection *section = items_of<EXDTSection>(tree_->Sections);
    for (uint32_t i = 0; i < count_of(tree_->Sections); ++i, ++section)
        add_entries(section->Node.Body.SubHeadings, 1, out);
    return out;
}

std::vector<Note> Outline::notes() const {
    std::vector<Note> out;
    const EXDTSection *section = items_of<EXDTSection>(tree_->Sections);
    for (uint32_t i = 0; i < count_of(tree_->Sections); ++i, ++section) {
        const LUList *notes = section->Notes[kFootnote - 1];
        const NoteRecord *note = items_of<NoteRecord>(notes);
        for (uint32_t n = 0; n < count_of(notes); ++n, ++note) {
            // The note's text lies inside its tag: from the item after the
            // begin up to the end.
            CHItem item{};
            uint32_t first = CH_NO_ITEM;
            if (CHGetItem(chunker_, CH_STORE_ITEMS, note->BeginId, &item, &first) != 0) first = CH_NO_ITEM;
            out.push_back({note->Number, plain_text_between(chunker_, first, note->EndId)});
        }
    }
    return out;
}

}  // namespace qrv::filters
