#include "outline.hpp"

#include <qrvch.h>
#include <qrvex/navigate.h>

#include <algorithm>
#include <cstdio>

#include "chars.hpp"

namespace qrv::filters {
namespace {

constexpr unsigned kDeepestEntry = 10;

// Note kinds of the document tree.
constexpr uint32_t kTreeKinds[] = {1, 2, 3};

uint32_t tree_kind(NoteKind kind) {
    switch (kind) {
    case NoteKind::Endnote: return 2;
    case NoteKind::Comment: return kCommentTreeKind;
    case NoteKind::Footnote: return 1;
    }
    return 1;
}

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

std::string slide_anchor(unsigned number) { return "slide-" + std::to_string(number); }

std::string slide_label(unsigned number) { return "Slide " + std::to_string(number); }

std::string plain_text_between(CHHandle h, uint32_t first_id, uint32_t last_id, size_t limit, char separator) {
    std::string text;
    std::u16string chars;
    uint32_t id = first_id;
    while (id != CH_NO_ITEM && id <= last_id && text.size() < limit) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(h, CH_STORE_ITEMS, id, &item, &next) != 0) break;
        if (item.type == CH_ITEM_TEXT && read_text_run(h, item.value, item.data1, chars)) {
            text += utf8_of(chars);
        } else if (item.type == CH_ITEM_BREAK && !text.empty() && text.back() != separator) {
            text += separator;
        } else if (item.type == CH_ITEM_TAG_BEGIN && (item.value & CH_TAG_SKIPPABLE_BIT)) {
            next = CUSkipTag(next, h);
        }
        if (next != CH_NO_ITEM && next <= id) break;
        id = next;
    }
    while (!text.empty() && text.back() == separator) text.pop_back();
    return text;
}

std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

Outline::Outline(CHHandle h, bool keep_headings)
    : chunker_(h), tree_(new EXDTTree), state_(new EXDTState), headings_left_(keep_headings ? kMostHeadings : 0) {
    EXDTInit(tree_.get());
    EXDTInitState(state_.get());
}

Outline::~Outline() { EXDTCleanup(tree_.get()); }

uint32_t Outline::add_section(uint32_t first_id, uint32_t last_id, uint32_t kind) {
    return EXDTAddSection(tree_.get(), first_id, last_id, kind);
}

uint32_t Outline::add_heading(uint32_t first_id, unsigned level) {
    if (headings_left_ == 0) return 0;
    --headings_left_;
    return EXDTAddHeadingLevel(tree_.get(), first_id, state_.get(), 0, level);
}

uint32_t Outline::end_paragraph(uint32_t body_start_id) {
    return EXDTEndParagraph(tree_.get(), state_.get(), 0, body_start_id);
}

unsigned Outline::add_note(uint32_t begin_id, uint32_t end_id, NoteKind kind) {
    const unsigned number = kind == NoteKind::Comment ? ++comments_ : ++notes_;
    NoteRecord note{begin_id, end_id, number, tree_kind(kind)};
    EXDTAddNote(tree_.get(), tree_kind(kind), &note);
    return number;
}

unsigned Outline::add_cell_comment(uint32_t begin_id, uint32_t end_id, std::string place) {
    const unsigned number = add_note(begin_id, end_id, NoteKind::Comment);
    places_.emplace_back(number, std::move(place));
    return number;
}

uint32_t Outline::add_bookmark(uint32_t begin_id, unsigned number) {
    return EXDTAddBookmark(tree_.get(), begin_id, number);
}

uint32_t Outline::add_property(uint32_t property_id, uint32_t first_id, uint32_t after_id) {
    uint32_t record[5] = {property_id, first_id, after_id, 0, 0};
    return EXDTAddProperty(tree_.get(), record);
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
            out.push_back(
                {level, plain_text_between(chunker_, node.HeadStartId, end), heading_anchor(node.HeadStartId)});
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
        for (uint32_t kind : kTreeKinds) {
            const LUList *notes = section->Notes[kind - 1];
            const NoteRecord *note = items_of<NoteRecord>(notes);
            for (uint32_t n = 0; n < count_of(notes); ++n, ++note) out.push_back(note_of(*note, kind));
        }
    }
    // Comments are numbered as they are met, so their places are in that order.
    for (Note &note : out) {
        if (note.kind != NoteKind::Comment) continue;
        const auto place = std::lower_bound(places_.begin(), places_.end(), note.number,
                                            [](const auto &entry, unsigned number) { return entry.first < number; });
        if (place != places_.end() && place->first == note.number) note.place = place->second;
    }
    // Footnotes and endnotes in the order of their numbers, comments after.
    std::stable_sort(out.begin(), out.end(), [](const Note &a, const Note &b) {
        const bool ca = a.kind == NoteKind::Comment, cb = b.kind == NoteKind::Comment;
        return ca != cb ? cb : a.number < b.number;
    });
    return out;
}

// The note's text lies inside its tag: from the item after the begin up to
// the end; a comment's first item there is its author.
Note Outline::note_of(const NoteRecord &record, uint32_t kind) const {
    Note note;
    note.number = record.Number;
    note.kind = kind == kCommentTreeKind ? NoteKind::Comment : kind == 2 ? NoteKind::Endnote : NoteKind::Footnote;
    CHItem item{};
    uint32_t first = CH_NO_ITEM;
    if (CHGetItem(chunker_, CH_STORE_ITEMS, record.BeginId, &item, &first) != 0) first = CH_NO_ITEM;
    if (note.kind == NoteKind::Comment && first != CH_NO_ITEM &&
        CHGetItem(chunker_, CH_STORE_ITEMS, first, &item, nullptr) == 0 && item.type == CH_ITEM_STRING) {
        note.author = utf8_of(property_text(chunker_, first));
        if (CHNextItemId(chunker_, CH_STORE_ITEMS, first, &first) != 0) first = CH_NO_ITEM;
    }
    note.text = plain_text_between(chunker_, first, record.EndId);
    return note;
}

}  // namespace qrv::filters
