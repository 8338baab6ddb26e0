// Adding sections and setting what belongs to the current one.
#include "tree.hpp"

#include <cstring>

namespace qrv::doctree {
namespace {

void init_section(EXDTSection &section, uint32_t first, uint32_t last, uint32_t value) {
    std::memset(&section, 0, sizeof section);
    section.SectionValue = value;
    section.FirstId = first;
    section.LastId = last;
    section.Node.HeadStartId = section.Node.HeadEndId = kNoId;
    init_state(section.Node.HeadState);
    init_state(section.Node.Body.BodyState);
    section.Node.Body.BodyStartId = first;
    section.Node.Body.BodyEndId = last;
}

}  // namespace
}  // namespace qrv::doctree

using namespace qrv::doctree;

// Appends a section running from firstId to lastId and makes it current;
// sectionValue is kept for the filter.  0; 13 when the section list cannot
// be made; 18 for a null tree.  A section the full list cannot take is
// dropped and the previous one stays current.
extern "C" QRVAPI uint32_t EXDTAddSection(EXDTTree *tree, uint32_t firstId, uint32_t lastId, uint32_t sectionValue) {
    if (!tree) return QRV_E_INCONSISTENT;
    if (!ensure_list(tree->Sections, sizeof(EXDTSection))) return QRV_E_NO_MEMORY;
    if (EXDTSection *section = append_entry<EXDTSection>(*tree->Sections))
        init_section(*section, firstId, lastId, sectionValue);
    tree->CurrentSection = count(tree->Sections);
    return QRV_OK;
}

// Sets the current section's title to the items startId to endId, with a
// copy of the state (a fresh one for a null state).  0; 18 without a current
// section.
extern "C" QRVAPI uint32_t EXDTSetSectionTitle(EXDTTree *tree, const EXDTState *state, uint32_t startId,
                                               uint32_t endId) {
    EXDTSection *section = tree ? current_section(*tree) : nullptr;
    if (!section) return QRV_E_INCONSISTENT;
    copy_state(section->Node.HeadState, state);
    section->Node.HeadStartId = startId;
    section->Node.HeadEndId = endId;
    return QRV_OK;
}

// Sets the current section's TitleProperty.  0; 18 without a current section.
extern "C" QRVAPI uint32_t EXDTSetSectionTitlePropertyString(EXDTTree *tree, uint32_t value) {
    EXDTSection *section = tree ? current_section(*tree) : nullptr;
    if (!section) return QRV_E_INCONSISTENT;
    section->TitleProperty = value;
    return QRV_OK;
}

// Sets the current section's Palette.  0; 18 without a current section.
extern "C" QRVAPI uint32_t EXDTAddPalette(EXDTTree *tree, uint32_t palette) {
    EXDTSection *section = tree ? current_section(*tree) : nullptr;
    if (!section) return QRV_E_INCONSISTENT;
    section->Palette = palette;
    return QRV_OK;
}
