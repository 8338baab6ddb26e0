// The one mapping of a word-processing document into the chunker's items,
// shared by every format's importer.  A reader fills a TextDocument with the
// definitions, calls begin(), sends the body as TextSink events, and calls
// finish(); the items follow the conventions of filters/README.md.
//
// A paragraph becomes: its page break (when it starts a page), its style
// item, its list membership when it states one, its alignment, indents,
// spacing, keeping and outline level, its tab changes, then its runs, and a
// paragraph break.  Before each run's text the items that change the
// filter's character attributes from what they are to what the run shows
// (a character style item, then each attribute that differs).  Notes,
// bookmarks, links, objects and comments are tags in the paragraph; text
// boxes follow the paragraph they are anchored in.
#pragma once

#include <deque>
#include <optional>

#include "writer/document_writer.hpp"
#include "writer/diagnostics.hpp"
#include "font_table.hpp"
#include "format_items.hpp"
#include "recording.hpp"
#include "table_writer.hpp"
#include "text_document.hpp"
#include "text_sink.hpp"

namespace qrv::import::textdoc {

class ItemWriter final : public TextSink {
public:
    // doc must be resolved; it and out outlive the writer.
    ItemWriter(DocumentWriter &out, const TextDocument &doc, Diagnostics &diagnostics);

    // Writes the definitions and opens the first section.
    void begin();
    // Closes what is still open.
    void finish();
    // The kind of every section (qrvmodel: a slide section each for a
    // presentation); before begin().
    void set_section_kind(uint32_t kind) { section_kind_ = kind; }
    // An empty skippable tag at the start of the section in hand: what the
    // section is (a slide's number).
    void mark(uint32_t tag, uint32_t data1, uint32_t data2);
    // A skippable tag around the plain text of body, after the paragraph
    // in hand: what stands beside the section's text (a slide's notes).
    void aside(uint32_t tag, const Recording &body);

    QRV_TEXT_SINK_EVENTS
    void running(model::RunningKind kind, model::RunningPages pages, const Recording &body) override;

    // Tables nested deeper than this are written as the paragraphs of the
    // cell they are in.
    static constexpr size_t kMaxTableDepth = 64;

private:
    // Writes the paragraph's own items once something of it is written.
    void start_content();
    void write_paragraph_start();
    void write_list_of(const ListRef &own, const ResolvedStyle *style);
    void write_bookmark(std::string_view name);
    void write_run_start();
    void start_section_if_due();
    void drain_frames();
    bool dropping() const { return covered_depth_ > 0; }

    DocumentWriter &out_;
    const TextDocument &doc_;
    Diagnostics &diagnostics_;
    FontTable fonts_;
    TableWriter tables_;

    std::optional<ParagraphStart> paragraph_;  // begun, its items not yet written
    bool in_paragraph_ = false;
    const ResolvedStyle *paragraph_style_ = nullptr;
    RunStart run_;
    bool run_due_ = true;
    const ResolvedStyle *character_style_ = nullptr;
    RunLook shown_;  // what the filter's text record holds
    bool link_open_ = false;
    bool section_due_ = false;
    uint32_t section_kind_ = 0;
    std::vector<std::string> bookmarks_due_;
    std::deque<Recording> frames_;
    bool draining_ = false;

    size_t covered_depth_ = 0;     // inside a covered cell: 1 + tables begun in it
    uint64_t items_at_begin_ = 0;  // the document's items when the body began
    size_t flattened_tables_ = 0;  // tables begun beyond kMaxTableDepth
};

}  // namespace qrv::import::textdoc
