// Writes a resolved text document's definitions ahead of its body: the
// document properties, then each paragraph and character style (its name
// as a string item, its record, and a definition holding its formatting),
// then each list as a list style with one level record a level and a
// definition a level (the counter placement, the level text, its tabs).
// Everything written here lies before the first section.
#pragma once

#include "writer/document_writer.hpp"
#include "font_table.hpp"
#include "text_document.hpp"

namespace qrv::import::textdoc {

void write_definitions(DocumentWriter &out, FontTable &fonts, const TextDocument &doc);

// The items that put a paragraph at a level of a list: the list style,
// then a counted list item or a bulleted level.  level is taken into the
// list's levels.
void write_list_membership(DocumentWriter &out, const ResolvedList &list, unsigned level);

}  // namespace qrv::import::textdoc
