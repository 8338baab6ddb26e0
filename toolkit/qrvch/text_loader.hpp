// Builds a document from the text format (docs/text-format.md).
#pragma once

#include "document.hpp"
#include "text_lexer.hpp"

#include <memory>
#include <string_view>
#include <variant>

namespace qrv::ch {

// The loaded document, or the first mistake in the text.
std::variant<std::unique_ptr<Document>, TextError> load_text(std::string_view text);

}  // namespace qrv::ch
