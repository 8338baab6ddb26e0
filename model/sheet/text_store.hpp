// Cell texts of a document: plain or rich (runs each in its own character
// format).  The characters go to the document's text store once, when the
// text is added, and every cell that shows the text refers to them with a
// text run item: a workbook's shared strings take room once, however many
// cells show them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include <qrvplatform/growing_array.hpp>

#include "writer/document_writer.hpp"
#include "char_format.hpp"

namespace qrv::import {

class TextStore {
public:
    // A run's format that takes the cell's own.
    static constexpr uint32_t kCellFormat = 0xffffffffu;

    explicit TextStore(DocumentWriter &writer) : writer_(writer) {}

    // A text of one run in the cell's format; returns its number.
    uint32_t add(std::u16string_view chars) { return add_runs({{chars, kCellFormat}}); }
    // The same from UTF-8, converted a piece at a time: a text of any
    // length costs a piece beside its characters in the store.
    uint32_t add_utf8(std::string_view utf8);

    struct Run {
        std::u16string_view chars;
        uint32_t format;  // a CharFormatTable number, or kCellFormat
    };
    uint32_t add_runs(const std::vector<Run> &runs);

    // The items of a text in a cell whose own format is cell_format.
    void write(uint32_t text, uint32_t cell_format, const CharFormatTable &formats) const;
    bool empty(uint32_t text) const;
    size_t size() const { return texts_.size(); }

private:
    // Stores chars as a run of the text in hand; a piece of a run is joined
    // to the text's last run (from first_run on) where the store holds it
    // right after that run.
    void store_run(std::u16string_view chars, uint32_t format, size_t first_run, bool piece);

    struct StoredRun {
        uint32_t offset;  // in the document's text store
        uint32_t length;
        uint32_t format;
    };
    struct Text {
        uint32_t first_run;
        uint32_t run_count;
    };
    DocumentWriter &writer_;
    // A sheet of millions of texts keeps them in scratch files.
    qrv::GrowingArray<StoredRun> runs_;
    qrv::GrowingArray<Text> texts_;
};

}  // namespace qrv::import
