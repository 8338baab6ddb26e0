// Writes the walk's events as one JSON document, as they come: the blocks
// of the document in reading order (headings, paragraphs and list items
// with their runs, tables with their rows and cells, sheets with their
// cells), then the notes and the properties.  Nothing is held back but the
// run in hand, so the output costs no memory however long the document.
// docs/qrvex-document.schema.json describes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "json_text.hpp"
#include "output.hpp"
#include "running_texts.hpp"
#include "writer.hpp"

namespace qrv::filters::json {

class JsonWriter final : public Writer {
public:
    explicit JsonWriter(Output &page);

    void begin_paragraph(const ParaFormat &para) override;
    void text(std::string_view utf8, const TextFormat &format) override;
    void line_break() override;
    void end_paragraph() override;
    void note_reference(unsigned number) override;
    void bookmark(std::string_view) override {}
    void begin_link(std::string_view target) override;
    void end_link() override;
    void object(const ObjectInfo &object) override;
    void properties(const std::vector<Property> &properties) override { properties_ = properties; }
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
    void slide_notes(std::string_view notes) override;
    void running_text(const RunningText &running) override { running_.take(running); }
    void finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                const std::vector<Note> &notes) override;
    bool failed() const override { return out_.failed(); }

private:
    void string_field(std::string_view name, std::string_view value);
    void number_field(std::string_view name, uint64_t value);
    void true_field(std::string_view name, bool value);  // written only when true
    void flush_run();
    void open_paragraph_if_needed();
    void write_image(const ObjectInfo &object);
    uint32_t source_column(size_t column) const;
    void hidden_columns(const SheetInfo &sheet);

    Output &out_;
    Nesting nest_{out_};
    bool paragraph_open_ = false;
    // The run in hand: text in one formatting and link.
    std::string run_;
    TextFormat run_format_{};
    std::string link_;
    std::string run_link_;
    // The sheet in hand: where its columns come from, the row in hand and
    // how far its cells reach.
    std::vector<uint32_t> column_sources_;
    bool date1904_ = false;
    bool gap_row_ = false;
    uint32_t row_ = 0;
    size_t column_ = 0;
    uint32_t last_row_ = 0, last_column_ = 0;
    bool sheet_cells_ = false;
    std::vector<Property> properties_;
    std::vector<std::string> slide_notes_;  // each slide's notes, a line each paragraph
    RunningTexts running_;                  // the header and footer of the pages
};

}  // namespace qrv::filters::json
