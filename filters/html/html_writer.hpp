// Writes the walk's events as an HTML5 page.  The page's head comes first
// and holds what only the whole document tells (its title, the style rules
// of what it holds, the table of contents), so the body is held back in a
// spill (memory up to a bound, then a scratch file) and follows the head
// when the walk is done.
#pragma once

#include <memory>
#include <set>
#include <unordered_map>
#include <string>
#include <vector>

#include "cell_look_key.hpp"
#include "output.hpp"
#include "sheet_classes.hpp"
#include "spill.hpp"
#include "pictures.hpp"
#include "running_texts.hpp"
#include "writer.hpp"

namespace qrv::filters::html {

class HtmlWriter final : public Writer {
public:
    explicit HtmlWriter(Output &page) : page_(page) {}
    void begin_paragraph(const ParaFormat &para) override;
    void text(std::string_view utf8, const TextFormat &format) override;
    void line_break() override;
    void end_paragraph() override;
    void note_reference(unsigned number) override;
    void bookmark(std::string_view name) override;
    void begin_link(std::string_view target) override;
    void end_link() override;
    void object(const ObjectInfo &object) override;
    void properties(const std::vector<Property> &properties) override;
    void document_name(std::string_view name) override { document_name_ = name; }
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
    void begin_slide(const SlideInfo &slide) override;
    void slide_notes(std::string_view notes) override;
    void running_text(const RunningText &running) override { running_.take(running); }
    void end_slide() override;
    void finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                const std::vector<Note> &notes) override;
    bool failed() const override { return page_.failed() || body_.failed() || spill_.failed(); }

private:
    void write_object(const ObjectInfo &object, bool in_link);
    void write_chart(const ObjectInfo &object);
    void write_cell_objects(const SheetCell &cell);
    void write_comment_marks(const SheetCell &cell);
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
    void write_spans(unsigned column_span, unsigned row_span);
    void write_attribute(const char *name, std::string_view value);
    const std::string &css_for(const TextFormat &format);
    void place_row(const SheetRow &row);
    const std::string &look_class(const SheetCell &cell);
    void close_header();

    Output &page_;
    Spill spill_;
    Output body_{spill_};
    std::vector<std::vector<ListLevel>> containers_{1};
    std::string paragraph_end_;  // closing tag of the paragraph in hand
    std::string after_paragraph_;  // what follows it: the data tables of its charts
    std::vector<ObjectInfo> sheet_charts_;  // the charts of the sheet in hand, written after its table
    bool sheet_hidden_ = false;
    // The table of contents follows the document's title: a Title paragraph
    // ahead of every heading, else nothing (the contents then lead the body).
    enum class TitleState : uint8_t { Awaited, Open, Done } title_state_ = TitleState::Awaited;
    uint64_t contents_at_ = 0;   // bytes of the body ahead of the contents
    std::string lang_;           // the document's language, if it gives one
    std::string document_name_;  // the title where the document gives none
    bool span_open_ = false;
    TextFormat span_format_{};
    TextFormat css_format_{};  // the formatting css_ was made for
    std::string css_;
    std::set<std::string> bookmarks_;
    bool link_open_ = false;
    std::vector<const char *> cells_;  // closing tags of the open cells
    std::string head_;                 // meta elements of the document's properties
    std::string extra_style_;          // rules of what this page holds beyond the usual
    SheetClasses sheet_classes_;       // the looks of the sheets' cells, rows and spans
    std::unordered_map<CellLookKey, std::string, CellLookHash> look_classes_;  // of the sheet in hand
    uint32_t frozen_rows_ = 0;         // of the sheet in hand: its header
    enum class Header : uint8_t { Awaited, Open, Done } header_ = Header::Done;
    SlideInfo slide_{};                // the slide in hand
    std::string slide_notes_;          // its notes, shown after it
    RunningTexts running_;             // the header and footer the page shows
    void use_style(const char *rule);
    static void write_running(Output &page, const std::string *text, const char *element);
};

}  // namespace qrv::filters::html
