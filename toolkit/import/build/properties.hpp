// Document properties as items: one property tag each, around a text run
// with the value, before the document's first section.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "../package/core_properties.hpp"
#include "document_writer.hpp"

namespace qrv::import {

void write_properties(DocumentWriter &writer, const std::vector<std::pair<CoreProperty, std::string>> &properties);

}  // namespace qrv::import
