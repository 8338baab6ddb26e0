// Archives that other programs would read differently from the importers:
// two entries of one name, an archive with bytes before it.  Each is refused
// with a message that says what is wrong.
#include <gtest/gtest.h>

#include <string>

#include "docx_builder.hpp"
#include "imported_document.hpp"

namespace {

using qrv::test::Imported;

// A sound document with one more entry.
std::string document_bytes(const std::string &extra_entry) {
    qrv::test::Docx docx;
    docx.body = qrv::test::para("hello");
    docx.styles = qrv::test::style("Normal", "Normal", "");
    docx.extra_parts = {{extra_entry, "<w:document/>"}};
    return docx.bytes();
}

// Every copy of from in bytes (the local header and the central directory)
// becomes to, of the same length.
std::string renamed(std::string bytes, const std::string &from, const std::string &to) {
    for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
        bytes.replace(at, from.size(), to);
    return bytes;
}

TEST(ZipEntries, AmbiguousArchivesAreRefused) {
    const struct {
        const char *name;
        std::string bytes;
        uint32_t result;
        const char *message;
    } cases[] = {
        {"an entry name twice", renamed(document_bytes("word/documenX.xml"), "word/documenX.xml", "word/document.xml"),
         IM_ERR_BROKEN, "t.docx: the archive holds two entries named 'word/document.xml' (letter case aside)"},
        {"an entry name twice but for case", document_bytes("Word/Styles.XML"), IM_ERR_BROKEN,
         "t.docx: the archive holds two entries named '"},
        {"bytes before the archive", "MZ" + std::string(300, '\0') + document_bytes("extra.xml"), IM_ERR_UNSUPPORTED,
         "t.docx: the file ends in a ZIP archive that other bytes come before"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes, "t.docx");
        qrv::test::expect_refused(doc, c.result, c.message);
    }
}

}  // namespace
