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

#define EXDT_STATE_WORDS 429          /**< 32-bit words of a state record */
#define EXDT_FILE_NAME_BYTES 4096     /**< bytes of each file name buffer */
#define EXDT_MAX_HEADING_LEVEL 10     /**< deepest heading level */
#define EXDT_DEFAULT_CHARSET 0x30100u /**< the character set a tree and a state start with */
/** TreeFlags bit: a heading has been added and its paragraph has not ended. */
#define EXDT_HEADING_OPEN 0x1u

/** The filter's state record: copied whole, never interpreted here. */
typedef struct EXDTState {
    uint32_t Words[EXDT_STATE_WORDS]; /**< the filter's words */
} EXDTState;

/** A node's body: what follows its head, and the headings one level down
 * (an LUList of EXDTHeading, 0 until the first is added). */
typedef struct EXDTBody {
    uint32_t BodyStartId; /**< first item of the body */
    uint32_t BodyEndId;   /**< last item of the body; set by the patch-up */
    EXDTState BodyState;  /**< the filter's state at the body's start */
    LUList *SubHeadings;  /**< EXDTHeading one level down; 0 until the first */
} EXDTBody;

/** A section or heading: its head (title or heading text) and its body. */
typedef struct EXDTNode {
    uint32_t HeadStartId; /**< -1 when there is no head text */
    uint32_t HeadEndId;   /**< -1 when the patch-up finds no sensible end */
    EXDTState HeadState;  /**< the filter's state at the head's start */
    EXDTBody Body;        /**< the body part */
} EXDTNode;

/** Note kinds 1, 2, 3 and subdocument kinds 8, 16 index these arrays from 0. */
#define EXDT_NOTE_KINDS 3   /**< note kinds (1, 2, 3) */
#define EXDT_SUBDOC_KINDS 2 /**< subdocument kinds (8, 16) */

/** One section of the document (an item of EXDTTree.Sections). */
typedef struct EXDTSection {
    uint32_t SectionValue;              /**< the filter's value given to EXDTAddSection */
    uint32_t TitleProperty;             /**< set by EXDTSetSectionTitlePropertyString */
    uint32_t FirstId;                   /**< the section's first item */
    uint32_t LastId;                    /**< the section's last item */
    EXDTNode Node;                      /**< title (head) and body, with the level-1 headings */
    uint32_t Palette;                   /**< set by EXDTAddPalette */
    LUList *Notes[EXDT_NOTE_KINDS];     /**< 16-byte note records */
    LUList *Subdocs[EXDT_SUBDOC_KINDS]; /**< 8-byte records */
    LUList *Bookmarks;                  /**< pairs of 32-bit values */
} EXDTSection;

/** One heading (an item of a SubHeadings list). */
typedef struct EXDTHeading {
    uint32_t Filler;                      /**< non-zero: a heading without text of its own */
    EXDTNode Node;                        /**< heading text (head) and what follows (body) */
    LUList *NoteIndexes[EXDT_NOTE_KINDS]; /**< 32-bit indexes into the section's Notes */
} EXDTHeading;

/** The document tree; the filter owns the record (EXDTInit, EXDTDeInit). */
typedef struct EXDTTree {
    uint32_t DefaultCharset;                      /**< EXDT_DEFAULT_CHARSET unless set */
    char SourceFileName[EXDT_FILE_NAME_BYTES];    /**< set by EXDTSetSourceFileName */
    char CSSFileName[EXDT_FILE_NAME_BYTES];       /**< set by EXDTSetCSSFileName */
    char JSFileName[EXDT_FILE_NAME_BYTES];        /**< set by EXDTSetJSFileName */
    LUList *Properties;                           /**< 20-byte property records */
    LUList *Sections;                             /**< EXDTSection */
    uint32_t CurrentSection;                      /**< 1-based; 0 for none */
    uint32_t TreeFlags;                           /**< EXDT_HEADING_OPEN */
    uint32_t HeadingPath[EXDT_MAX_HEADING_LEVEL]; /**< 1-based indexes; 0 ends the path */
    uint32_t HeadingLevel;                        /**< level of the current heading; 0 for none */
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

/**
 * Sets up a document tree: clears the whole record and sets DefaultCharset
 * to EXDT_DEFAULT_CHARSET.
 *
 * @param tree the caller's tree record
 * @return 0; 18 for a null tree.
 *
 * Ownership: the record is the caller's; the lists that later calls make in it
 * are freed by EXDTDeInit or EXDTCleanup.
 */
QRVAPI uint32_t EXDTInit(EXDTTree *tree);
/**
 * Ends the use of a document tree: frees every list in it, as EXDTCleanup.
 *
 * @param tree the tree
 * @return 0; 18 for a null tree.
 */
QRVAPI uint32_t EXDTDeInit(EXDTTree *tree);
/**
 * Frees every list of a tree (sections with their headings, notes, bookmarks
 * and subdocuments, then the properties) and sets each freed list field to 0.
 *
 * @param tree the tree
 * @return 0; 18 for a null tree.
 */
QRVAPI uint32_t EXDTCleanup(EXDTTree *tree);
/**
 * Frees, for every heading of a list and the headings below it, its
 * sub-heading list and its note index lists; the list itself and its entries
 * stay (the caller frees it with LUFreeList).
 *
 * @param headings a list of EXDTHeading; may be 0
 * @return 0.
 */
QRVAPI uint32_t EXDTFreeHeadings(LUList *headings);
/**
 * Frees what hangs below the current section's level-1 headings; the headings
 * themselves, HeadingPath and HeadingLevel stay.
 *
 * @param tree the tree
 * @return 0 (also without a section list); 18 when no section is current.
 */
QRVAPI uint32_t EXDTRestartHeadings(EXDTTree *tree);
/**
 * Works out, for every heading of every section, where its text ends
 * (HeadEndId) and where its body starts and ends, and where each section's own
 * body ends (before its first heading).
 *
 * The item after a heading's text must exist: a heading text that ends at the
 * document's last item gives the chunker's error (that heading keeps its
 * HeadEndId, its body ids stay as they were).
 *
 * @param tree the tree, once the whole document has been read
 * @param h    the chunker handle
 * @return 0; 18 for a null tree, no section list or a heading list without
 *         entries; a chunker error at once (the headings settled so far keep
 *         their new ids).
 */
QRVAPI uint32_t EXDTPatchup(EXDTTree *tree, CHHandle h);
/**
 * Settles the headings below one node's body, and below them in turn; the
 * body's own BodyEndId becomes the item before its first heading.
 *
 * Filler headings get -1 for all four ids; ranges that run backwards become -1.
 *
 * @param body     the node's body
 * @param endBound the last item the body may reach
 * @param h        the chunker handle
 * @return 0; 18 for a null body or headings nested deeper than ten levels; a
 *         chunker error at once.
 */
QRVAPI uint32_t EXDTPatchupHeadingLevel(EXDTBody *body, uint32_t endBound, CHHandle h);
/**
 * Sets a state record to its starting values: all words 0 except words 3 and
 * 201 (-1) and word 202 (EXDT_DEFAULT_CHARSET).
 *
 * @param state the state
 * @return 0; 18 for a null state.
 */
QRVAPI uint32_t EXDTInitState(EXDTState *state);
/**
 * Copies one state record into another, or starts the destination afresh
 * (as EXDTInitState) for a null source.
 *
 * @param destination the record written
 * @param source      the record copied; may be 0
 * @return 0; 18 for a null destination.
 */
QRVAPI uint32_t EXDTCopyState(EXDTState *destination, const EXDTState *source);
/**
 * Clears a node, then makes both its head and its body run between two ids,
 * each with a copy of a state.
 *
 * @param node  the node
 * @param ids   the first and last item ids
 * @param state the state copied (a fresh one for 0)
 * @return 0; 18 for a null node or ids.
 */
QRVAPI uint32_t EXDTInitBodyFromState(EXDTNode *node, const uint32_t ids[2], const EXDTState *state);
/**
 * Gives the number of sections of a tree.
 *
 * @param tree the tree
 * @return the number of sections; 0 without a section list or for a null tree.
 */
QRVAPI uint32_t EXDTNumSections(EXDTTree *tree);
/**
 * Finds the heading that the tree's HeadingPath names inside a section: the
 * deepest one the path reaches.
 *
 * @param tree     the tree
 * @param section  the section entry (an item of tree->Sections)
 * @param[in,out] pHeading the heading, which belongs to the tree; an empty path
 *                 leaves it as the caller set it
 * @return 0; 37 when a path entry lies beyond its list; 18 for a null argument.
 */
QRVAPI uint32_t EXDTLocateCurrentHeading(EXDTTree *tree, EXDTSection *section, EXDTHeading **pHeading);

/**
 * Sets the tree's DefaultCharset.
 *
 * @param tree    the tree
 * @param charset the character set identifier
 * @return 0.
 */
QRVAPI uint32_t EXDTSetDefaultCharset(EXDTTree *tree, uint32_t charset);
/**
 * Sets the tree's SourceFileName: copies all 4096 bytes of the caller's buffer.
 *
 * @param tree the tree (null changes nothing)
 * @param name a buffer of EXDT_FILE_NAME_BYTES bytes, read whole (null changes nothing)
 * @return 0.
 */
QRVAPI uint32_t EXDTSetSourceFileName(EXDTTree *tree, const char *name);
/**
 * Sets the tree's CSSFileName: copies all 4096 bytes of the caller's buffer.
 *
 * @param tree the tree (null changes nothing)
 * @param name a buffer of EXDT_FILE_NAME_BYTES bytes, read whole (null changes nothing)
 * @return 0.
 */
QRVAPI uint32_t EXDTSetCSSFileName(EXDTTree *tree, const char *name);
/**
 * Sets the tree's JSFileName: copies all 4096 bytes of the caller's buffer.
 *
 * @param tree the tree (null changes nothing)
 * @param name a buffer of EXDT_FILE_NAME_BYTES bytes, read whole (null changes nothing)
 * @return 0.
 */
QRVAPI uint32_t EXDTSetJSFileName(EXDTTree *tree, const char *name);
/**
 * Appends a section and makes it current; later headings, notes, bookmarks,
 * subdocuments and palettes go to it.
 *
 * @param tree         the tree
 * @param firstId      the section's first item
 * @param lastId       the section's last item
 * @param sectionValue kept in SectionValue for the filter
 * @return 0; 13 when the section list cannot be made; 18 for a null tree.  A
 *         section the full list cannot take is dropped and the previous one
 *         stays current.
 */
QRVAPI uint32_t EXDTAddSection(EXDTTree *tree, uint32_t firstId, uint32_t lastId, uint32_t sectionValue);
/**
 * Sets the current section's title (its head part) to a range of items.
 *
 * @param tree    the tree
 * @param state   the state copied to the title's start (a fresh one for 0)
 * @param startId the title's first item
 * @param endId   the title's last item
 * @return 0; 18 without a current section.
 */
QRVAPI uint32_t EXDTSetSectionTitle(EXDTTree *tree, const EXDTState *state, uint32_t startId, uint32_t endId);
/**
 * Sets the current section's TitleProperty.
 *
 * @param tree  the tree
 * @param value the value
 * @return 0; 18 without a current section.
 */
QRVAPI uint32_t EXDTSetSectionTitlePropertyString(EXDTTree *tree, uint32_t value);
/**
 * Appends a heading at a level in the current section and makes it current,
 * with its paragraph open.
 *
 * Levels above it that have no heading to hang it under get filler headings
 * first.  The heading's ends are found later by EXDTPatchup.
 *
 * @param tree    the tree
 * @param startId the heading text's first item
 * @param state   the state copied to the heading's start (a fresh one for 0)
 * @param filler  non-zero marks a heading without text of its own
 * @param level   1 to 10
 * @return 0 (also, adding nothing, on a tree without a section list); 15 for
 *         another level; 18 without a current section; 13 when a heading list
 *         cannot be made.
 */
QRVAPI uint32_t EXDTAddHeadingLevel(EXDTTree *tree, uint32_t startId, const EXDTState *state, uint32_t filler,
                                    uint32_t level);
/**
 * Ends the open heading's paragraph: its body starts at an id, with a copy of
 * a state.  Without an open current heading nothing changes.
 *
 * @param tree        the tree
 * @param state       the state copied to the body's start (a fresh one for 0)
 * @param unused      not used
 * @param bodyStartId the body's first item
 * @return 0; 18 without a current section.
 */
QRVAPI uint32_t EXDTEndParagraph(EXDTTree *tree, const EXDTState *state, uint32_t unused, uint32_t bodyStartId);
/**
 * Records a note in the current section and indexes it under the current
 * heading, if there is one.
 *
 * @param tree the tree
 * @param kind 1, 2 or 3; other kinds record nothing
 * @param note the 16-byte note record, copied
 * @return 0; 18 without a current section; 13 when a list cannot be made.
 */
QRVAPI uint32_t EXDTAddNote(EXDTTree *tree, uint32_t kind, const void *note);
/**
 * Records a subdocument in the current section.
 *
 * @param tree   the tree
 * @param kind   8 or 16; other kinds record nothing
 * @param record the 8-byte subdocument record, copied
 * @return 0; 18 without a current section; 13 when the list cannot be made.
 */
QRVAPI uint32_t EXDTAddSubdoc(EXDTTree *tree, uint32_t kind, const void *record);
/**
 * Records a bookmark, a pair of values, in the current section.
 *
 * @param tree   the tree
 * @param value1 first value
 * @param value2 second value
 * @return 0; 18 without a current section; 13 when the list cannot be made.
 */
QRVAPI uint32_t EXDTAddBookmark(EXDTTree *tree, uint32_t value1, uint32_t value2);
/**
 * Sets the current section's Palette.
 *
 * @param tree    the tree
 * @param palette the value
 * @return 0; 18 without a current section.
 */
QRVAPI uint32_t EXDTAddPalette(EXDTTree *tree, uint32_t palette);
/**
 * Records a document property; needs no section.
 *
 * @param tree     the tree
 * @param property the 20-byte property record, copied
 * @return 0; 13 when the list cannot be made; 18 for a null tree.
 */
QRVAPI uint32_t EXDTAddProperty(EXDTTree *tree, const void *property);

QRV_END_DECLS

#endif
