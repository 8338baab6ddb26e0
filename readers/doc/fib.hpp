// The file information block at the start of a Word document's main
// stream: the version, the flags (encrypted, which table stream), the
// lengths of the document's stories in characters, and where each table of
// the table stream lies.  Word 97 and later (version 0xC1 and up) have the
// header of counted arrays; Word 6 and 95 (101 to 0xC0) a fixed one, whose
// tables lie in the main stream itself, and whose text is 8-bit in the code
// page of the document's language.  Earlier versions are told apart so that
// they can be refused by name.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qrv::import::doc {

// Places in the table stream, by their index among the offset/length pairs.
enum class Table : uint32_t {
    StyleSheet = 1,
    FootnoteRefs = 2,
    FootnoteTexts = 3,
    CommentRefs = 4,
    CommentTexts = 5,
    Headers = 11,
    CharPages = 12,
    ParaPages = 13,
    Fonts = 15,
    BookmarkNames = 21,
    BookmarkStarts = 22,
    Pieces = 33,
    CommentAuthors = 36,
    MainShapes = 40,
    EndnoteRefs = 46,
    EndnoteTexts = 47,
    TextBoxTexts = 56,
    Lists = 73,
    ListOverrides = 74,
};

// The stories of the text, in the order they follow each other.
enum class Story : uint32_t { Main, Footnotes, Headers, Macros, Comments, Endnotes, TextBoxes, HeaderTextBoxes };
inline constexpr size_t kStories = 8;

struct Span {
    uint32_t offset = 0, length = 0;
};

// The bytes of a table a span places, or none when it reaches past the
// table's end.
inline std::span<const uint8_t> place_in(std::span<const uint8_t> table, Span place) {
    if (place.offset > table.size() || place.length > table.size() - place.offset) return {};
    return table.subspan(place.offset, place.length);
}

struct Fib {
    uint16_t version = 0;                  // nFib
    bool encrypted = false;                // encrypted or obfuscated
    bool table_one = false;                // the tables are in "1Table", else "0Table"
    uint32_t story_length[kStories] = {};  // in characters
    std::span<const uint8_t> pairs;        // the offset/length pairs as stored
    uint16_t language = 0;                 // the language the document was written in (a Windows LCID)
    bool mac_characters = false;           // the 8-bit text is in the Macintosh character set
    bool complex = false;                  // fast-saved: the text is where the piece table says
    uint32_t text_start = 0;               // where the text of a file saved in full starts

    static constexpr uint16_t kWord6 = 101, kWord97 = 0xC1;

    bool modern() const { return version >= kWord97; }
    bool word6() const { return version >= kWord6 && version < kWord97; }
    const char *table_stream() const { return table_one ? "1Table" : "0Table"; }
    // The place of a table; an empty span when the block does not reach it.
    Span table(Table which) const;
    // The first character of a story in the document's character positions.
    uint32_t story_start(Story story) const;
};

// Reads the block; throws ImportError (broken) when the stream is too short
// or does not start with a Word document's mark.
Fib read_fib(std::span<const uint8_t> stream);

}  // namespace qrv::import::doc
