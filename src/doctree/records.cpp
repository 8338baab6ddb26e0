// Notes, subdocuments, bookmarks and document properties met on the way.
// An entry that a full list cannot take is dropped; the result stays 0.
#include "tree.hpp"

namespace qrv::doctree {
namespace {

constexpr uint32_t kNoteBytes = 16;
constexpr uint32_t kSubdocBytes = 8;
constexpr uint32_t kPropertyBytes = 20;

struct Bookmark {
    uint32_t first;
    uint32_t second;
};

uint32_t add_record(LUList *&list, uint32_t item_size, const void *record) {
    if (!ensure_list(list, item_size)) return QRV_E_NO_MEMORY;
    lists::append(*list, record);
    return QRV_OK;
}

uint32_t add_note(EXDTSection &section, EXDTHeading *heading, uint32_t kind_index, const void *note) {
    LUList *&notes = section.Notes[kind_index];
    if (uint32_t result = add_record(notes, kNoteBytes, note)) return result;
    if (!heading) return QRV_OK;
    const uint32_t position = count(notes) - 1;
    return add_record(heading->NoteIndexes[kind_index], sizeof position, &position);
}

}  // namespace
}  // namespace qrv::doctree

using namespace qrv::doctree;

// Records a note of kind 1, 2 or 3 (16 bytes copied) in the current
// section, and indexes it under the current heading, if there is one.  Other
// kinds record nothing.  0; 18 without a current section; 13 when a list
// cannot be made.
extern "C" QRVAPI uint32_t EXDTAddNote(EXDTTree *tree, uint32_t kind, const void *note) {
    EXDTSection *section = tree ? current_section(*tree) : nullptr;
    if (!section) return QRV_E_INCONSISTENT;
    EXDTHeading *heading = nullptr;
    if (locate_current_heading(*tree, *section, heading) != QRV_OK) heading = nullptr;
    if (kind < 1 || kind > EXDT_NOTE_KINDS) return QRV_OK;
    return add_note(*section, heading, kind - 1, note);
}

// Records a subdocument of kind 8 or 16 (8 bytes copied) in the current
// section; other kinds record nothing.  0; 18 without a current section; 13
// when the list cannot be made.
extern "C" QRVAPI uint32_t EXDTAddSubdoc(EXDTTree *tree, uint32_t kind, const void *record) {
    EXDTSection *section = tree ? current_section(*tree) : nullptr;
    if (!section) return QRV_E_INCONSISTENT;
    if (kind != 8 && kind != 16) return QRV_OK;
    return add_record(section->Subdocs[kind == 8 ? 0 : 1], kSubdocBytes, record);
}

// Records the pair (value1, value2) as a bookmark of the current section.
// 0; 18 without a current section; 13 when the list cannot be made.
extern "C" QRVAPI uint32_t EXDTAddBookmark(EXDTTree *tree, uint32_t value1, uint32_t value2) {
    EXDTSection *section = tree ? current_section(*tree) : nullptr;
    if (!section) return QRV_E_INCONSISTENT;
    const Bookmark bookmark{value1, value2};
    return add_record(section->Bookmarks, sizeof bookmark, &bookmark);
}

// Records a document property (20 bytes copied); needs no section.  0; 13
// when the list cannot be made; 18 for a null tree.
extern "C" QRVAPI uint32_t EXDTAddProperty(EXDTTree *tree, const void *property) {
    if (!tree) return QRV_E_INCONSISTENT;
    return add_record(tree->Properties, kPropertyBytes, property);
}
