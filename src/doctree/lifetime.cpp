// Starting and releasing a tree and its heading lists.
#include "tree.hpp"

#include <cstring>

namespace qrv::doctree {
namespace {

void free_heading_lists(LUList *headings) {
    for (uint32_t i = 0; i < count(headings); ++i) {
        EXDTHeading &heading = heading_at(*headings, i);
        free_heading_lists(heading.Node.Body.SubHeadings);
        lists::destroy(heading.Node.Body.SubHeadings);
        for (LUList *&indexes : heading.NoteIndexes) lists::destroy(indexes);
    }
}

void free_section(EXDTSection &section) {
    free_heading_lists(section.Node.Body.SubHeadings);
    lists::destroy(section.Node.Body.SubHeadings);
    for (LUList *&notes : section.Notes) lists::destroy(notes);
    lists::destroy(section.Bookmarks);
    for (LUList *&subdocs : section.Subdocs) lists::destroy(subdocs);
}

uint32_t cleanup(EXDTTree &tree) {
    for (uint32_t i = 0; i < count(tree.Sections); ++i) free_section(lists::item_at<EXDTSection>(*tree.Sections, i));
    lists::destroy(tree.Sections);
    lists::destroy(tree.Properties);
    return QRV_OK;
}

}  // namespace
}  // namespace qrv::doctree

using namespace qrv::doctree;

// Clears the whole tree and sets DefaultCharset to 0x30100.  18 for a null
// tree, else 0.
extern "C" QRVAPI uint32_t EXDTInit(EXDTTree *tree) {
    if (!tree) return QRV_E_INCONSISTENT;
    std::memset(tree, 0, sizeof *tree);
    tree->DefaultCharset = EXDT_DEFAULT_CHARSET;
    return QRV_OK;
}

// Frees every list of the tree (sections with their headings, notes,
// bookmarks and subdocuments, then the properties) and sets each freed list
// field to 0.  18 for a null tree, else 0.
extern "C" QRVAPI uint32_t EXDTCleanup(EXDTTree *tree) {
    if (!tree) return QRV_E_INCONSISTENT;
    return cleanup(*tree);
}

// The same as EXDTCleanup.
extern "C" QRVAPI uint32_t EXDTDeInit(EXDTTree *tree) {
    if (!tree) return QRV_E_INCONSISTENT;
    return cleanup(*tree);
}

// Frees, for every heading of the list and below it, its sub-heading list
// and its note index lists.  The list itself and its entries stay.  0.
extern "C" QRVAPI uint32_t EXDTFreeHeadings(LUList *headings) {
    free_heading_lists(headings);
    return QRV_OK;
}

// Frees what hangs below the current section's level-1 headings; the
// headings themselves, HeadingPath and HeadingLevel stay.  0 (also without a
// section list); 18 when no section is current.
extern "C" QRVAPI uint32_t EXDTRestartHeadings(EXDTTree *tree) {
    if (!tree || !tree->Sections) return tree ? QRV_OK : QRV_E_INCONSISTENT;
    EXDTSection *section = current_section(*tree);
    if (!section) return QRV_E_INCONSISTENT;
    free_heading_lists(section->Node.Body.SubHeadings);
    return QRV_OK;
}

// The number of sections; 0 without a section list or for a null tree.
extern "C" QRVAPI uint32_t EXDTNumSections(EXDTTree *tree) { return tree ? count(tree->Sections) : 0; }
