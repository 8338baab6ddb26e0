/* Document tree: sections, headings, notes, bookmarks, subdocuments, palettes, properties. */
#ifndef QRVEX_DOCTREE_H
#define QRVEX_DOCTREE_H

#include "lists.h"

QRV_BEGIN_DECLS

typedef struct EXDTState EXDTState;
typedef struct EXDTBody EXDTBody;
typedef struct EXDTNode EXDTNode;
typedef struct EXDTSection EXDTSection;
typedef struct EXDTHeading EXDTHeading;
typedef struct EXDTTree EXDTTree;

QRVAPI uint32_t EXDTInit(EXDTTree *tree);
QRVAPI uint32_t EXDTDeInit(EXDTTree *tree);
QRVAPI uint32_t EXDTCleanup(EXDTTree *tree);
QRVAPI uint32_t EXDTFreeHeadings(LUList *headings);
QRVAPI uint32_t EXDTRestartHeadings(EXDTTree *tree);
QRVAPI uint32_t EXDTPatchup(EXDTTree *tree, CHHandle h);
QRVAPI uint32_t EXDTPatchupHeadingLevel(EXDTBody *body, uint32_t endBound, CHHandle h);
QRVAPI uint32_t EXDTInitState(EXDTState *state);
QRVAPI uint32_t EXDTCopyState(EXDTState *destination, const EXDTState *source);
QRVAPI uint32_t EXDTInitBodyFromState(EXDTNode *node, const uint32_t ids[2], const EXDTState *state);
QRVAPI uint32_t EXDTNumSections(EXDTTree *tree);
QRVAPI uint32_t EXDTLocateCurrentHeading(EXDTTree *tree, EXDTSection *section, EXDTHeading **pHeading);

QRVAPI uint32_t EXDTSetDefaultCharset(EXDTTree *tree, uint32_t charset);
QRVAPI uint32_t EXDTSetSourceFileName(EXDTTree *tree, const char *name);
QRVAPI uint32_t EXDTSetCSSFileName(EXDTTree *tree, const char *name);
QRVAPI uint32_t EXDTSetJSFileName(EXDTTree *tree, const char *name);
QRVAPI uint32_t EXDTAddSection(EXDTTree *tree, uint32_t firstId, uint32_t lastId, uint32_t sectionValue);
QRVAPI uint32_t EXDTSetSectionTitle(EXDTTree *tree, const EXDTState *state, uint32_t startId, uint32_t endId);
QRVAPI uint32_t EXDTSetSectionTitlePropertyString(EXDTTree *tree, uint32_t value);
QRVAPI uint32_t EXDTAddHeadingLevel(EXDTTree *tree, uint32_t startId, const EXDTState *state,
                                    uint32_t filler, uint32_t level);
QRVAPI uint32_t EXDTEndParagraph(EXDTTree *tree, const EXDTState *state, uint32_t unused, uint32_t bodyStartId);
QRVAPI uint32_t EXDTAddNote(EXDTTree *tree, uint32_t kind, const void *note);
QRVAPI uint32_t EXDTAddSubdoc(EXDTTree *tree, uint32_t kind, const void *record);
QRVAPI uint32_t EXDTAddBookmark(EXDTTree *tree, uint32_t value1, uint32_t value2);
QRVAPI uint32_t EXDTAddPalette(EXDTTree *tree, uint32_t palette);
QRVAPI uint32_t EXDTAddProperty(EXDTTree *tree, const void *property);

QRV_END_DECLS

#endif
