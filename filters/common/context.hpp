// What the parts of one walk share: the document, the library records in
// force and where the output goes.
#pragma once

#include <qrvex/changes.h>
#include <qrvex/styles.h>

#include "chars.hpp"
#include "item_reader.hpp"
#include "list_numbers.hpp"
#include "number_formats.hpp"
#include "outline.hpp"
#include "pictures.hpp"
#include "progress.hpp"
#include "style_names.hpp"
#include "writer.hpp"

namespace qrv::filters {

struct WalkContext {
    CHHandle chunker;
    uint32_t hOptions;
    CUStyleSheet *sheet;
    Writer &writer;
    Progress &progress;
    ListNumbers &lists;
    Outline &outline;
    NumberFormats &numbers;
    ItemReader &items;
    const PictureLinks &pictures;

    // The change records in force; they carry over from item to item.
    CUParaChangeInfo para{};
    CUTextChangeInfo text{};
    CUCellChangeInfo cell{};

    std::string title;  // UTF-8 text of the title paragraph(s)
    // The slides met so far, each with its title as the table of contents
    // lists it; the title of the last is gathered while slide_titling.
    std::vector<OutlineEntry> slides{};
    bool slide_open = false, slide_titling = false;
    StyleNames style_names{};

    // Scratch space for the text in hand, kept from run to run.
    std::u16string chars{};
    Utf8Scratch utf8{};
};

}  // namespace qrv::filters
