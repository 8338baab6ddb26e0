// The characters that stand for more than themselves in a Word document's
// text stream: marks of paragraphs, cells and fields, anchors of pictures
// and notes.
#pragma once

namespace qrv::import::doc {

enum : char16_t {
    kPicture = 0x01,
    kNoteReference = 0x02,
    kCommentReference = 0x05,
    kDrawnObject = 0x08,
    kTab = 0x09,
    kLineBreak = 0x0B,
    kPageBreak = 0x0C,
    kParagraphMark = 0x0D,
    kCellMark = 0x07,
    kFieldBegin = 0x13,
    kFieldSeparator = 0x14,
    kFieldEnd = 0x15,
    kSymbol = 0x28,  // with the special flag: a symbol font's character
    kNonBreakingHyphen = 0x1E,
    kOptionalHyphen = 0x1F,
};

}  // namespace qrv::import::doc
