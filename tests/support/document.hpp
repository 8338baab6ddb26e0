// A chunker document for a test, written inline in the chunker's text format
// (docs/text-format.md):
//
//     qrv::test::Document doc(R"(
//         chunk-size 4
//         @style: begin STYLE_DEFINITION key=5
//         text "Hello"
//         end
//     )");
//     CUFindTagEndId(doc.id("style"), doc.handle());
//
// A text that does not load fails the test with the loader's "line L,
// column C: message".  Destruction closes the document and expects that no
// range is left locked.
#pragma once

#include <qrvch.h>

#include <string>
#include <string_view>

namespace qrv::test {

class Document {
public:
    explicit Document(std::string_view text);
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    // The chunker handle (0 when the text did not load).
    CHHandle handle() const { return handle_; }
    bool loaded() const { return handle_ != 0; }
    // The loader's message when the text did not load.
    const std::string &error() const { return error_; }

    // The value of a label: an item id, a record id or an offset.  An
    // unknown label fails the test and gives CH_NO_ITEM.
    uint32_t id(std::string_view label) const;

    // The item at an id of store 0 (all zero, and a failed test, if none).
    CHItem item(uint32_t id) const;
    // The id after an item (CH_NO_ITEM after the last or on a failure).
    uint32_t next(uint32_t id) const;
    // Ranges locked now.
    uint32_t locked_ranges() const;
    // Calls of an operation (CH_OP_*) so far.
    uint32_t calls(uint32_t op) const;
    // The document written back in the text format.
    std::string dump() const;

private:
    CHHandle handle_ = 0;
    std::string error_;
};

// Loads a text expecting it to fail; gives the loader's message (empty, and
// a failed test, if it loaded).
std::string load_error(std::string_view text);

}  // namespace qrv::test
