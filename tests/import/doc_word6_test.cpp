// Word 6 and Word 95 documents built at test time: the main text in the
// code page of the document's language, saved in full or fast-saved
// through a piece table, and the versions before them refused.
#include <string>
#include <vector>

#include "compound_file_builder.hpp"
#include "imported_document.hpp"

namespace qrv::test {
namespace {

constexpr size_t kTextStart = 0x200, kPiecePair = 0x58 + 33 * 8;

struct Word6Piece {
    std::string bytes;
    uint32_t at = 0;  // its offset from the start of the text
};

struct Word6Doc {
    uint16_t version = 104, language = 0x0409, characters = 0;
    std::vector<Word6Piece> pieces;  // in character order; more than one makes a fast-saved file
    uint32_t length = 0;             // the main text's positions, 0 for the pieces' bytes

    std::string stream() const {
        std::string s(kTextStart, '\0');
        put16(s, 0, 0xA5EC), put16(s, 2, version), put16(s, 6, language), put16(s, 20, characters);
        put32(s, 24, kTextStart);
        uint32_t positions = 0;
        for (const Word6Piece &p : pieces) {
            if (s.size() < kTextStart + p.at + p.bytes.size()) s.resize(kTextStart + p.at + p.bytes.size());
            s.replace(kTextStart + p.at, p.bytes.size(), p.bytes);
            positions += static_cast<uint32_t>(p.bytes.size());
        }
        put32(s, 0x34, length ? length : positions);
        if (pieces.size() > 1) add_piece_table(s);
        return s;
    }

    void add_piece_table(std::string &s) const {
        put16(s, 10, 0x0004);  // fast-saved
        std::string plc;
        uint32_t cp = 0;
        for (const Word6Piece &p : pieces) plc += u32(cp), cp += static_cast<uint32_t>(p.bytes.size());
        plc += u32(cp);
        for (const Word6Piece &p : pieces) plc += u16(0) + u32(kTextStart + p.at) + u16(0);
        const std::string clx = u8(2) + u32(static_cast<uint32_t>(plc.size())) + plc;
        put32(s, kPiecePair, static_cast<uint32_t>(s.size())), put32(s, kPiecePair + 4, static_cast<uint32_t>(clx.size()));
        s += clx;
    }

    std::string bytes() const { return file_of(stream()); }

    static std::string file_of(const std::string &stream) {
        CompoundFileBuilder file;
        file.add("WordDocument", stream);
        return file.bytes();
    }
};

Word6Doc plain(const std::string &text, uint16_t language = 0x0409) {
    Word6Doc doc;
    doc.language = language;
    doc.pieces = {{text, 0}};
    return doc;
}

TEST(DocWord6, TheTextInItsCodePage) {
    Word6Doc mac = plain("caf\x8E\r");
    mac.characters = 256;
    Word6Doc fast;
    fast.pieces = {{"first ", 40}, {"second\r", 0}};
    Word6Doc cut = plain("kept\rcut\r");
    cut.length = 5;
    Word6Doc two;
    two.pieces = {{"in\r", 0}, {"out\r", 3}};
    std::string past = two.stream();
    put32(past, past.size() - 6, 0x7FFFFFF0);  // the second piece's offset
    const struct {
        const char *name;
        std::string bytes;
        const char *shown;
    } cases[] = {
        {"Windows-1252", plain("one \x93two\x94\rthree\r").bytes(), "one “two”\nthree\n"},
        {"Russian in Windows-1251", plain("\xCF\xF0\xE8\xE2\xE5\xF2\r", 0x0419).bytes(), "Привет\n"},
        {"Greek in Windows-1253", plain("\xE1\xE2\r", 0x0408).bytes(), "αβ\n"},
        {"Japanese in Shift-JIS", plain("\x82\xA0\x82\xA2\r", 0x0411).bytes(), "あい\n"},
        {"the Macintosh character set", mac.bytes(), "café\n"},
        {"fast-saved pieces in their order", fast.bytes(), "first second\n"},
        {"a field shows its result", plain("p\x13 PAGE \x14" "7\x15.\r").bytes(), "p7.\n"},
        {"only the main text's positions", cut.bytes(), "kept\n"},
        {"a piece beyond the stream is left out", Word6Doc::file_of(past), "in\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes, "old.doc");
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(lines_of(doc.text()), c.shown);
        EXPECT_NE(doc.message().find("Word 6 or Word 95"), std::string::npos) << doc.message();
    }
}

TEST(DocWord6, EarlierVersionsAndBrokenPieceTablesAreRefused) {
    Word6Doc word2 = plain("old\r");
    word2.version = 45;
    expect_refused(Imported(word2.bytes(), "old.doc"), IM_ERR_UNSUPPORTED, "old.doc: a document of Word 2 or earlier");
    Word6Doc fast;
    fast.pieces = {{"a\r", 0}, {"b\r", 2}};
    std::string stream = fast.stream();
    put32(stream, kPiecePair, 0x7FFFFFF0);
    expect_refused(Imported(Word6Doc::file_of(stream), "old.doc"), IM_ERR_BROKEN, "old.doc: the piece table lies beyond");
}

}  // namespace
}  // namespace qrv::test
