// Number format definitions of a document being imported: spreadsheet
// format codes ("#,##0.00", "[Red]0.0;(0.0)", "m/d/yyyy h:mm") become the
// chunker's number format definitions (special characters for digit
// places, separators and date fields, literal text runs, conditions that
// pick another section), one per distinct code, under keys 1, 2, ...
// that cells name.  Key 0 is the general format and has no definition.
//
// Definitions are items of the document, so every key a document's cells
// will use must be asked for before its first section is appended.
//
// A code that is not understood (an unclosed quote or bracket, a condition
// that cannot be read, a code of more than 1024 bytes) gets key 0 and a
// report that says why, for a warning; the import goes on.  Codes with
// parts that have no counterpart take their closest rendering
// (docs/number-formats.md) and are reported as approximate.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "sheet/number_texts.hpp"
#include "writer/document_writer.hpp"
#include "code_report.hpp"
#include "format_model.hpp"

namespace qrv::import {

// Fraction and elapsed-time formats have no tokens; the table shows their cells' text
// itself (text_of).
class NumberFormatTable final : public NumberTexts {
public:
    explicit NumberFormatTable(DocumentWriter &writer) : writer_(writer) {}

    // The key of a format code; its definition is appended the first time
    // the code is seen.  "General" (any case) and "" give 0.
    uint32_t key_of_code(std::string_view code);
    // The same, and how faithfully the code was translated (the same
    // report each time the code is asked for).
    uint32_t key_of_code(std::string_view code, CodeReport &report);

    // The key of a workbook's built-in format id (0 to 58); 0 for General
    // and for ids without a code.
    uint32_t key_of_builtin(uint32_t id);

    // The key of a format another importer built (an OpenDocument number
    // style); a new definition each time.
    uint32_t key_of_format(const numfmt::NumberFormat &format);

    std::optional<std::string> text_of(uint32_t format_key, double value) const override;

private:
    struct Entry {
        uint32_t key;
        CodeReport report;
    };
    const Entry &entry_of(std::string_view code);

    DocumentWriter &writer_;
    std::unordered_map<std::string, Entry> keys_;
    Entry too_long_{0, {}};
    uint32_t next_key_ = 1;
    std::unordered_map<uint32_t, numfmt::NumberFormat> texts_;  // formats with a fraction or elapsed time, by key
};

// The code of a built-in format id ("0.00" for 2), or "" for none.
std::string_view builtin_format_code(uint32_t id);

}  // namespace qrv::import
