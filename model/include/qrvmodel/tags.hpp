// The tags of the document model that carry more than text: notes,
// bookmarks, links, objects, comments and the hyperlinks of cells.
#pragma once

#include <qrvex/items.h>

#include <cstdint>

namespace qrv::model {

// A note: a skippable tag whose content is the note's text; the filter
// numbers notes in document order and writes them at the end.  The tag's
// data1 is the note's kind (0 and 1 a footnote, 2 an endnote).
inline constexpr uint32_t kNoteTag = 0x20400000u;
inline constexpr uint32_t kFootnoteKind = 1;
inline constexpr uint32_t kEndnoteKind = 2;
// A bookmark: a skippable tag whose text is the bookmark's name.
inline constexpr uint32_t kBookmarkTag = 0x20410000u;

// A link: a plain tag around the link's text (its text is part of the
// flow).  Right after its begin, a string item holds the target (a URL, or
// "#name" for a bookmark of the document) with attribute kLinkTargetWide,
// and an object locator whose part 2 names that string item:
//   begin 0x00440000; @t: string "https://..." attribute=0x14b00000;
//   OBJECT_LOCATOR_PART 2 @t; OBJECT_LOCATOR_END; text ...; end
inline constexpr uint32_t kLinkTag = 0x00440000u;
inline constexpr uint32_t kLinkTargetWide = 0x14b00000u;
inline constexpr uint32_t kLinkTargetPart = 2;

// A picture, chart or other object: a skippable tag whose text is the
// object's description (its alternative text); data1 is the kind.
inline constexpr uint32_t kObjectTag = 0x20450000u;
enum ObjectKind : uint32_t { kPictureObject = 1, kChartObject = 2, kOtherObject = 3 };
// A picture's file: a string item inside its object tag with this
// attribute names the document's resource (CHGetResource) that holds its
// bytes.  The tag's data2 is the size the document gives it, in points:
// width in the high 16 bits, height in the low (0 where unknown).
inline constexpr uint32_t kObjectResourceAttribute = 0x51524553u;  // "QRES"
// An object without a description: a string item with this attribute holds
// the name its program gave it ("Picture 3"), which pages may show instead.
inline constexpr uint32_t kObjectNameAttribute = 0x51524E41u;  // "QRNA"
constexpr uint32_t object_size(uint32_t width_pt, uint32_t height_pt) {
    constexpr uint32_t kMost = 0xFFFF;
    return (width_pt < kMost ? width_pt : kMost) << 16 | (height_pt < kMost ? height_pt : kMost);
}
constexpr uint32_t object_width(uint32_t size) { return size >> 16; }
constexpr uint32_t object_height(uint32_t size) { return size & 0xFFFF; }

// A comment: a skippable tag holding a string item (the author) and the
// comment's text.  It stands after the text it comments on and is not part
// of the flow; filters may list comments at the end.
inline constexpr uint32_t kCommentTag = 0x20460000u;
inline constexpr uint32_t kCommentKind = 3;  // note kind of comments in the document tree

// A hyperlink of a cell: a skippable tag at the start of the cell's items
// holding a string item (attribute kLinkStringAttribute: UTF-16 big-endian
// through the link locator) and an object locator whose part 2 names it.
inline constexpr uint32_t kHyperlinkTag = 0x20430000u;
inline constexpr uint32_t kLinkStringAttribute = 0x14b00000u;
inline constexpr uint32_t kLocatorLinkPart = 2;

// A running header or footer of the pages: a skippable tag around its
// plain text (paragraphs ended by paragraph breaks).  data1 is the kind,
// data2 the pages it stands on.  Readers write it at the end of the
// section whose pages it heads; filters take it from anywhere in the
// document (HTML shows the every-page ones at the top and the bottom).
inline constexpr uint32_t kRunningTag = 0x20490000u;
enum RunningKind : uint32_t { kRunningHeader = 1, kRunningFooter = 2 };
enum RunningPages : uint32_t { kEveryPage = 0, kFirstPage = 1, kEvenPages = 2 };

constexpr bool skippable(uint32_t tag) { return (tag & CH_TAG_SKIPPABLE_BIT) != 0; }

// What stands beside the flow is skipped whole by the library's text and
// break searches; a link's text is read as part of the flow.
static_assert(skippable(kNoteTag) && skippable(kBookmarkTag) && skippable(kObjectTag));
static_assert(skippable(kCommentTag) && skippable(kHyperlinkTag) && skippable(kRunningTag));
static_assert(!skippable(kLinkTag));
static_assert(kLinkTargetWide == kLinkStringAttribute && kLinkTargetPart == kLocatorLinkPart,
              "a text link and a cell's hyperlink name their target alike");

}  // namespace qrv::model
