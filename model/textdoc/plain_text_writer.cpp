#include "plain_text_writer.hpp"

#include <algorithm>

namespace qrv::import::textdoc {
namespace {

class PlainTextWriter final : public TextSink {
public:
    explicit PlainTextWriter(DocumentWriter &out) : out_(out) {}

    void begin_paragraph(const ParagraphStart &) override {}
    void end_paragraph() override { break_due_ = written_; }
    void run(const RunStart &) override {}
    void text(std::string_view utf8) override {
        // The body's first words follow the note's mark: white space before them is not kept.
        if (!written_) utf8.remove_prefix(std::min(utf8.find_first_not_of(" \t"), utf8.size()));
        if (utf8.empty()) return;
        if (break_due_) out_.break_item(CH_BREAK_PARAGRAPH);
        break_due_ = false;
        written_ = true;
        out_.text(utf8);
    }
    void line_break() override {
        if (written_) out_.break_item(CH_BREAK_LINE);
    }
    void page_break() override { line_break(); }
    void begin_table(const TableStart &) override {}
    void begin_row(const RowStart &) override {}
    void begin_cell(const CellStart &) override {}
    void end_cell() override { break_due_ = written_; }
    void end_row() override {}
    void end_table() override {}
    void note(NoteKind, const Recording &) override {}
    void comment(std::string_view, const Recording &) override {}
    void frame(const Recording &) override {}
    void bookmark(std::string_view) override {}
    void begin_link(std::string_view) override {}
    void end_link() override {}
    void object(const ObjectRef &) override {}
    void end_section() override {}

private:
    DocumentWriter &out_;
    bool written_ = false;
    bool break_due_ = false;
};

}  // namespace

void write_plain_text(DocumentWriter &out, const Recording &body) {
    PlainTextWriter writer(out);
    body.replay(writer);
}

}  // namespace qrv::import::textdoc
