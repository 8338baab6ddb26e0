// Following HeadingPath down a section's headings.
#include "tree.hpp"

namespace qrv::doctree {

uint32_t locate_current_heading(const EXDTTree &tree, const EXDTSection &section, EXDTHeading *&heading) {
    const EXDTBody *body = &section.Node.Body;
    for (uint32_t entry : tree.HeadingPath) {
        if (entry == 0) return QRV_OK;
        if (entry > count(body->SubHeadings)) return QRV_E_NOT_FOUND;
        heading = &heading_at(*body->SubHeadings, entry - 1);
        body = &heading->Node.Body;
    }
    return QRV_OK;
}

}  // namespace qrv::doctree

// Stores in *pHeading the heading that the tree's HeadingPath names inside
// section, the deepest one the path reaches; an empty path leaves *pHeading
// as the caller set it.  0; 37 when a path entry lies beyond its list; 18
// for a null argument.
extern "C" QRVAPI uint32_t EXDTLocateCurrentHeading(EXDTTree *tree, EXDTSection *section, EXDTHeading **pHeading) {
    if (!tree || !section || !pHeading) return QRV_E_INCONSISTENT;
    return qrv::doctree::locate_current_heading(*tree, *section, *pHeading);
}
