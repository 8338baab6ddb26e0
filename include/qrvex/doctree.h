/** @file
 * Document tree: sections, headings, notes, bookmarks, subdocuments, palettes, properties.
 *
 * The tree record lives in the filter's own context; the library never
 * allocates it.  Every list in it is an LUList whose entries the filter reads
 * directly.  Sections and headings share EXDTNode: a head part (title or
 * heading text) and a body part (what follows), each a range of item ids with
 * a copy of the filter's state at its start.
 *
 * In the 64-bit build EXDTBody takes the alignment of its SubHeadings
 * pointer, so 4 bytes of padding sit before each EXDTBody and after its
 * BodyState; the 32-bit layout has none.
 */
#ifndef QRVEX_DOCTREE_H
#define QRVEX_DOCTREE_H

#include "lists.h"

QRV_BEGIN_DECLS

#define EXDT_STATE_WORDS 429
#define EXDT_FILE_NAME_BYTES 4096
#define EXDT_MAX_HEADING_LEVEL 10
#define EXDT_DEFAULT_CHARSET 0x30100u
/** TreeFlags bit: a heading has been added and its paragraph has not ended. */
#define EXDT_HEADING_OPEN 0x1u

/** The filter's state record: copied whole, never interpreted here. */
typedef struct EXDTState {
    uint32_t Words[EXDT_STATE_WORDS];
} EXDTState;

/** A node's body: what follows its head, and the headings one level down
 * (an LUList of EXDTHeading, 0 until the first is added). */
typedef struct EXDTBody {
    uint32_t BodyStartId;
    uint32_t BodyEndId;
    EXDTState BodyState;
    LUList *SubHeadings;
} EXDTBody;

typedef struct EXDTNode {
    uint32_t HeadStartId; /**< -1 when there is no head text */
    uint32_t HeadEndId;   /**< -1 when the patch-up finds no sensible end */
    EXDTState HeadState;
    EXDTBody Body;
} EXDTNode;

/** Note kinds 1, 2, 3 and subdocument kinds 8, 16 index these arrays from 0. */
#define EXDT_NOTE_KINDS 3
#define EXDT_SUBDOC_KINDS 2

typedef struct EXDTSection {
    uint32_t SectionValue;
    uint32_t TitleProperty;
    uint32_t FirstId;
    uint32_t LastId;
    EXDTNode Node;
    uint32_t Palette;
    LUList *Notes[EXDT_NOTE_KINDS];     /**< 16-byte note records */
    LUList *Subdocs[EXDT_SUBDOC_KINDS]; /**< 8-byte records */
    LUList *Bookmarks;                  /**< pairs of 32-bit values */
} EXDTSection;

typedef struct EXDTHeading {
    uint32_t Filler; /**< non-zero: a heading without text of its own */
    EXDTNode Node;
    LUList *NoteIndexes[EXDT_NOTE_KINDS]; /**< 32-bit indexes into the section's Notes */
} EXDTHeading;

typedef struct EXDTTree {
    uint32_t DefaultCharset;
    char SourceFileName[EXDT_FILE_NAME_BYTES];
    char CSSFileName[EXDT_FILE_NAME_BYTES];
    char JSFileName[EXDT_FILE_NAME_BYTES];
    LUList *Properties; /**< 20-byte property records */
    LUList *Sections;   /**< EXDTSection */
    uint32_t CurrentSection; /**< 1-based; 0 for none */
    uint32_t TreeFlags;
    uint32_t HeadingPath[EXDT_MAX_HEADING_LEVEL]; /**< 1-based indexes; 0 ends the path */
    uint32_t HeadingLevel;
} EXDTTree;

QRV_LAYOUT_ASSERT(sizeof(EXDTState) == 1716, "state is 429 words");
#if QRV_PTR32
QRV_LAYOUT_ASSERT(sizeof(EXDTBody) == 1728, "body is 1728 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXDTNode, Body) == 1724, "node body at 1724");
QRV_LAYOUT_ASSERT(sizeof(EXDTNode) == 3452, "node is 3452 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Node) == 16, "section node at 16");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Palette) == 3468, "section palette at 3468");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Notes) == 3472, "section notes at 3472");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Subdocs) == 3484, "section subdocs at 3484");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Bookmarks) == 3492, "section bookmarks at 3492");
QRV_LAYOUT_ASSERT(sizeof(EXDTSection) == 3496, "section is 3496 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXDTHeading, Node) == 4, "heading node at 4");
QRV_LAYOUT_ASSERT(offsetof(EXDTHeading, NoteIndexes) == 3456, "heading note indexes at 3456");
QRV_LAYOUT_ASSERT(sizeof(EXDTHeading) == 3468, "heading is 3468 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, Properties) == 12292, "tree properties at 12292");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, Sections) == 12296, "tree sections at 12296");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, CurrentSection) == 12300, "current section at 12300");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, HeadingPath) == 12308, "heading path at 12308");
QRV_LAYOUT_ASSERT(sizeof(EXDTTree) == 12352, "tree is 12352 bytes");
#else
QRV_LAYOUT_ASSERT(sizeof(EXDTBody) == 1736, "body is 1736 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXDTNode, Body) == 1728, "node body at 1728");
QRV_LAYOUT_ASSERT(sizeof(EXDTNode) == 3464, "node is 3464 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Node) == 16, "section node at 16");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Palette) == 3480, "section palette at 3480");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Notes) == 3488, "section notes at 3488");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Subdocs) == 3512, "section subdocs at 3512");
QRV_LAYOUT_ASSERT(offsetof(EXDTSection, Bookmarks) == 3528, "section bookmarks at 3528");
QRV_LAYOUT_ASSERT(sizeof(EXDTSection) == 3536, "section is 3536 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXDTHeading, Node) == 8, "heading node at 8");
QRV_LAYOUT_ASSERT(offsetof(EXDTHeading, NoteIndexes) == 3472, "heading note indexes at 3472");
QRV_LAYOUT_ASSERT(sizeof(EXDTHeading) == 3496, "heading is 3496 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, Properties) == 12296, "tree properties at 12296");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, Sections) == 12304, "tree sections at 12304");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, CurrentSection) == 12312, "current section at 12312");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, HeadingPath) == 12320, "heading path at 12320");
QRV_LAYOUT_ASSERT(sizeof(EXDTTree) == 12368, "tree is 12368 bytes");
#endif
QRV_LAYOUT_ASSERT(offsetof(EXDTBody, BodyState) == 8, "body state at 8");
QRV_LAYOUT_ASSERT(offsetof(EXDTNode, HeadState) == 8, "head state at 8");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, SourceFileName) == 4, "source file name at 4");
QRV_LAYOUT_ASSERT(offsetof(EXDTTree, JSFileName) == 8196, "JS file name at 8196");

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
