// What an RTF group carries: where its text goes, and the character and
// paragraph properties in force.  A group starts with its parent's state;
// the state is dropped at the group's end.
#pragma once

#include <cstdint>

#include "textdoc/text_formats.hpp"

namespace qrv::import::rtf {

enum class Destination : uint8_t {
    Body,
    Skip,  // read past: ignorable and unknown destinations, headers, objects' data
    Info,
    FontTable,
    ColourTable,
    StyleSheet,
    ListTable,
    ListLevelText,
    ListOverride,
    InfoText,
    InfoTime,
    FieldInstruction,
    Picture,
    Bookmark,
    Author,  // of the comment that follows (\atnauthor, \atnid)
    Label,   // a paragraph's number or bullet as stated (\pntext, \listtext)
    Shape,   // a drawing's properties (\shpinst): not text, but its \shptxt is
};

struct GroupState {
    Destination destination = Destination::Body;
    textdoc::CharFormat chars;
    textdoc::ParaFormat para;
    int32_t font = -1;
    int32_t paragraph_style = -1, character_style = -1, based_on = -1;
    int32_t list_override = -1, list_level = 0;
    int32_t nesting = 0;  // tables the paragraph is in
    int32_t unicode_skip = 1;
    bool table_style = false;   // a style-sheet entry of a kind not kept
    bool entry = false;         // inside one entry of the font table or style sheet
    bool nested_props = false;  // inside \nesttableprops: rows of nested tables
    bool deleted = false;       // text a tracked change removed (\deleted): shown as accepted, left out
    bool upr = false;           // after \upr: the next group is the 8-bit text its \ud group stands for
};

}  // namespace qrv::import::rtf
