#include "recording.hpp"

namespace qrv::import::textdoc {

void Recording::begin_paragraph(const ParagraphStart &start) { add(Op::BeginParagraph, start); }
void Recording::end_paragraph() { add(Op::EndParagraph); }
void Recording::run(const RunStart &start) { add(Op::Run, start); }
void Recording::line_break() { add(Op::LineBreak); }
void Recording::page_break() { add(Op::PageBreak); }
void Recording::begin_table(const TableStart &table) { add(Op::BeginTable, table); }
void Recording::begin_row(const RowStart &row) { add(Op::BeginRow, row); }
void Recording::begin_cell(const CellStart &cell) { add(Op::BeginCell, cell); }
void Recording::end_cell() { add(Op::EndCell); }
void Recording::end_row() { add(Op::EndRow); }
void Recording::end_table() { add(Op::EndTable); }
void Recording::bookmark(std::string_view name) { add(Op::Bookmark, std::string(name)); }
void Recording::begin_link(std::string_view target) { add(Op::BeginLink, std::string(target)); }
void Recording::end_link() { add(Op::EndLink); }
void Recording::end_section() { add(Op::EndSection); }

void Recording::add(Op op, Payload payload) { events_.push_back({op, std::move(payload)}); }

void Recording::text(std::string_view utf8) {
    // Pieces of one text come in a row: keep them as one event.
    if (!events_.empty() && events_.back().op == Op::Text) {
        std::get<std::string>(events_.back().payload).append(utf8);
        return;
    }
    add(Op::Text, std::string(utf8));
}

bool Recording::has_text() const {
    for (const Event &e : events_) {
        if (e.op == Op::Object) return true;
        if (e.op != Op::Text) continue;
        if (std::get<std::string>(e.payload).find_first_not_of(" \t\r\n") != std::string::npos) return true;
    }
    return false;
}

size_t Recording::text_bytes() const {
    size_t bytes = 0;
    for (const Event &e : events_)
        if (e.op == Op::Text) bytes += std::get<std::string>(e.payload).size();
    return bytes;
}

void Recording::replace_text(std::string_view from, std::string_view to) {
    if (from.empty()) return;
    for (Event &e : events_) {
        if (e.op != Op::Text) continue;
        auto &words = std::get<std::string>(e.payload);
        for (size_t at = words.find(from); at != std::string::npos; at = words.find(from, at + to.size()))
            words.replace(at, from.size(), to);
    }
}

void Recording::note(NoteKind kind, const Recording &body) {
    add(Op::Note, Nested{static_cast<uint32_t>(kind), 0, {}, std::make_shared<Recording>(body)});
}

void Recording::comment(std::string_view author, const Recording &body) {
    add(Op::Comment, Nested{0, 0, std::string(author), std::make_shared<Recording>(body)});
}

void Recording::running(model::RunningKind kind, model::RunningPages pages, const Recording &body) {
    add(Op::Running, Nested{kind, pages, {}, std::make_shared<Recording>(body)});
}

void Recording::frame(const Recording &content) { add(Op::Frame, Nested{0, 0, {}, std::make_shared<Recording>(content)}); }

void Recording::object(const ObjectRef &object) { add(Op::Object, object); }

void Recording::replay(TextSink &sink) const {
    for (const Event &event : events_) replay_one(event, sink);
}

void Recording::replay_one(const Event &e, TextSink &sink) const {
    const auto &words = [&]() -> const std::string & { return std::get<std::string>(e.payload); };
    const auto &nested = [&]() -> const Nested & { return std::get<Nested>(e.payload); };
    switch (e.op) {
    case Op::BeginParagraph: sink.begin_paragraph(std::get<ParagraphStart>(e.payload)); break;
    case Op::EndParagraph: sink.end_paragraph(); break;
    case Op::Run: sink.run(std::get<RunStart>(e.payload)); break;
    case Op::Text: sink.text(words()); break;
    case Op::LineBreak: sink.line_break(); break;
    case Op::PageBreak: sink.page_break(); break;
    case Op::BeginTable: sink.begin_table(std::get<TableStart>(e.payload)); break;
    case Op::BeginRow: sink.begin_row(std::get<RowStart>(e.payload)); break;
    case Op::BeginCell: sink.begin_cell(std::get<CellStart>(e.payload)); break;
    case Op::EndCell: sink.end_cell(); break;
    case Op::EndRow: sink.end_row(); break;
    case Op::EndTable: sink.end_table(); break;
    case Op::Note: sink.note(static_cast<NoteKind>(nested().kind), *nested().body); break;
    case Op::Comment: sink.comment(nested().words, *nested().body); break;
    case Op::Running:
        sink.running(static_cast<model::RunningKind>(nested().kind), static_cast<model::RunningPages>(nested().pages),
                     *nested().body);
        break;
    case Op::Frame: sink.frame(*nested().body); break;
    case Op::Bookmark: sink.bookmark(words()); break;
    case Op::BeginLink: sink.begin_link(words()); break;
    case Op::EndLink: sink.end_link(); break;
    case Op::Object: sink.object(std::get<ObjectRef>(e.payload)); break;
    case Op::EndSection: sink.end_section(); break;
    }
}

}  // namespace qrv::import::textdoc
