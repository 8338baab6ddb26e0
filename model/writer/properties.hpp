// Document properties as items: one property tag each, around a text run
// with the value, before the document's first section.
#pragma once

#include <qrvmodel/properties.hpp>

#include <string>
#include <utility>
#include <vector>

#include "document_writer.hpp"

namespace qrv::import {

void write_properties(DocumentWriter &writer, const std::vector<std::pair<model::PropertyId, std::string>> &properties);

}  // namespace qrv::import
