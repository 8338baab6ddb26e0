// Writes the walk's events as an HTML5 page.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "writer.hpp"

namespace qrv::filters::html {

class HtmlWriter final : public Writer {
public:
    void begin_paragraph(const ParaFormat &para) override;
    void text(std::string_view utf8, const TextFormat &format) override;
    void line_break() override;
    void end_paragraph() override;
    void note_reference(unsigned number) override;
    void bookmark(std::string_view name) override;
    void begin_link(std::string_view target) override;
    void end_link() override;
    void object(unsigned kind, std::string_view description) override;
    void properties(const std::vector<Property> &properties) override;
    void begin_table(unsigned columns) override;
    void begin_row() override;
    void begin_cell(const CellFormat &cell) override;
    void end_cell() override;
    void end_row() override;
    void end_table() override;
    void begin_sheet(const SheetInfo &sheet) override;
    void sheet_row_begin(const SheetRow &row) override;
    void sheet_cell(const SheetCell &cell) override;
    void sheet_row_end() override;
    void end_sheet() override;
    std::string finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                       const std::vector<Note> &notes) override;

private:
    // Lists open in the current container (the page or a table cell).
    struct ListLevel {
        bool numbered;
        bool item_open;
    };
    std::vector<ListLevel> &lists() { return containers_.back(); }
    void enter_list(const ParaFormat &para);
    void close_lists();
    void close_span();
    void write_cell_open(const char *tag, const CellFormat &cell, const char *css_class);

    std::string body_;
    std::vector<std::vector<ListLevel>> containers_{1};
    std::string paragraph_end_;  // closing tag of the paragraph in hand
    bool span_open_ = false;
    TextFormat span_format_{};
    std::vector<std::string> bookmarks_;
    bool link_open_ = false;
    std::vector<const char *> cells_;  // closing tags of the open cells
    std::string head_;                 // meta elements of the document's properties
    std::string extra_style_;          // rules of what this page holds beyond the usual
    void use_style(const char *rule);
};

}  // namespace qrv::filters::html
