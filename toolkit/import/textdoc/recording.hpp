// Events of a text sink kept for later: the body of a note read from its
// own part before the reference to it, a text box met inside a paragraph,
// a comment.  replay() hands the events to another sink in the order they
// came.
#pragma once

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "text_sink.hpp"

namespace qrv::import::textdoc {

class Recording final : public TextSink {
public:
    void begin_paragraph(const ParagraphStart &start) override { add(Op::BeginParagraph, start); }
    void end_paragraph() override { add(Op::EndParagraph); }
    void run(const RunStart &start) override { add(Op::Run, start); }
    void text(std::string_view utf8) override;
    void line_break() override { add(Op::LineBreak); }
    void page_break() override { add(Op::PageBreak); }
    void begin_table(const TableStart &table) override { add(Op::BeginTable, table); }
    void begin_row(const RowStart &row) override { add(Op::BeginRow, row); }
    void begin_cell(const CellStart &cell) override { add(Op::BeginCell, cell); }
    void end_cell() override { add(Op::EndCell); }
    void end_row() override { add(Op::EndRow); }
    void end_table() override { add(Op::EndTable); }
    void note(NoteKind kind, const Recording &body) override;
    void comment(std::string_view author, const Recording &body) override;
    void frame(const Recording &content) override;
    void bookmark(std::string_view name) override { add(Op::Bookmark, std::string(name)); }
    void begin_link(std::string_view target) override { add(Op::BeginLink, std::string(target)); }
    void end_link() override { add(Op::EndLink); }
    void object(ObjectKind kind, std::string_view description) override;
    void end_section() override { add(Op::EndSection); }

    void replay(TextSink &sink) const;
    bool empty() const { return events_.empty(); }

private:
    enum class Op : uint8_t {
        BeginParagraph, EndParagraph, Run, Text, LineBreak, PageBreak,
        BeginTable, BeginRow, BeginCell, EndCell, EndRow, EndTable,
        Note, Comment, Frame, Bookmark, BeginLink, EndLink, Object, EndSection
    };
    // A nested recording with the kind or words that go with it.
    struct Nested {
        uint32_t kind = 0;
        std::string words;
        std::shared_ptr<const Recording> body;
    };
    using Payload = std::variant<std::monostate, ParagraphStart, RunStart, TableStart, RowStart, CellStart,
                                 std::string, Nested>;
    struct Event {
        Op op;
        Payload payload;
    };

    void add(Op op, Payload payload = {}) { events_.push_back({op, std::move(payload)}); }
    void replay_one(const Event &event, TextSink &sink) const;

    std::vector<Event> events_;
};

}  // namespace qrv::import::textdoc
