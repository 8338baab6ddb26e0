// A DrawingML table (<a:tbl>) into table events: the grid's column
// widths, rows, and cells with their column and row spans.  Cells a span
// covers to the right are left out; cells covered from above are marked.
#pragma once

#include <optional>

#include "package/xml_subtree.hpp"
#include "text_body_reader.hpp"

namespace qrv::import::pptx {

class TableReader final : public XmlHandler {
public:
    TableReader(PartContext &context, textdoc::TextSink &out) : context_(context), out_(out) {}

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override { subtree_.text(chars); }

private:
    void start_cell(const XmlAttributes &attributes);

    PartContext &context_;
    textdoc::TextSink &out_;
    textdoc::TableStart table_;
    bool table_begun_ = false, row_open_ = false, cell_open_ = false;
    uint32_t skipped_ = 0;  // inside a cell that is left out: 1 + elements open
    std::optional<TextBodyReader> cell_text_;
    XmlSubtree subtree_;
};

}  // namespace qrv::import::pptx
