// The fonts of a document by name: each distinct name gets one font
// record (ids 1, 2, ...) that FONT items refer to.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "document_writer.hpp"

namespace qrv::import {

class FontTable {
public:
    explicit FontTable(DocumentWriter &writer) : writer_(writer) {}
    // The id of a font name; 0 for "".  A name met for the first time gets
    // its record, with value as the record's value.
    uint32_t id_of(std::string_view utf8_name, uint32_t value = 0);

private:
    DocumentWriter &writer_;
    std::unordered_map<std::string, uint32_t> ids_;
};

}  // namespace qrv::import
