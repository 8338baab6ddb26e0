// Number format definitions of a document being imported: spreadsheet
// format codes ("#,##0.00", "[Red]0.0;(0.0)", "m/d/yyyy h:mm") become the
// chunker's number format definitions (special characters for digit
// places, separators and date fields, literal text runs, conditions that
// pick another definition), one per distinct code, under keys 1, 2, ...
// that cells name.  Key 0 is the general format and has no definition.
//
// Definitions are items of the document, so every key a document's cells
// will use must be asked for before its first section is appended.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "../build/document_writer.hpp"

namespace qrv::import {

class NumberFormatTable {
public:
    explicit NumberFormatTable(DocumentWriter &writer) : writer_(writer) {}

    // The key of a format code; its definition (and those of its other
    // sections) is appended the first time the code is seen.  "General"
    // and "" give 0.
    uint32_t key_of_code(std::string_view code);

    // The key of a workbook's built-in format id (0 to 49); 0 for General
    // and for ids without a code.
    uint32_t key_of_builtin(uint32_t id);

private:
    [[maybe_unused]] DocumentWriter &writer_;  // used once formats are read
    std::unordered_map<std::string, uint32_t> keys_;
    [[maybe_unused]] uint32_t next_key_ = 1;
};

// The code of a built-in format id ("0.00" for 2), or "" for none.
std::string_view builtin_format_code(uint32_t id);

}  // namespace qrv::import
