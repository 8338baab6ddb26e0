// A compound file's summary information as document properties: title,
// subject, author, keywords, comments (as the description) and last
// author.  Nothing where the file has no such stream.
#pragma once

#include <qrvmodel/properties.hpp>

#include <string>
#include <utility>
#include <vector>

#include "compound_file.hpp"

namespace qrv::import {

std::vector<std::pair<model::PropertyId, std::string>> summary_properties(const CompoundFile &file);

}  // namespace qrv::import
