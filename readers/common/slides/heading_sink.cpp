#include "heading_sink.hpp"

namespace qrv::import::slides {

using namespace textdoc;

void HeadingSink::finish() {
    if (begun_) out_.end_paragraph();
    begun_ = false;
}

void HeadingSink::begin_paragraph(const ParagraphStart &) {
    if (!passing()) return;
    if (begun_) {
        if (has_text_) out_.line_break();
        has_text_ = false;
        return;
    }
    ParagraphStart heading;
    heading.direct.outline_level = 0;
    heading.list.list = std::string();
    out_.begin_paragraph(heading);
    begun_ = true;
}

void HeadingSink::end_paragraph() {}
void HeadingSink::run(const RunStart &start) {
    if (passing()) out_.run(start);
}
void HeadingSink::text(std::string_view utf8) {
    if (!passing() || utf8.empty()) return;
    has_text_ = true;
    out_.text(utf8);
}
void HeadingSink::line_break() {
    if (passing()) out_.line_break();
}
void HeadingSink::page_break() {}
void HeadingSink::begin_table(const TableStart &) { ++tables_; }
void HeadingSink::begin_row(const RowStart &) {}
void HeadingSink::begin_cell(const CellStart &) {}
void HeadingSink::end_cell() {}
void HeadingSink::end_row() {}
void HeadingSink::end_table() {
    if (tables_) --tables_;
}
void HeadingSink::note(NoteKind kind, const Recording &body) {
    if (passing()) out_.note(kind, body);
}
void HeadingSink::comment(std::string_view, const Recording &) {}
void HeadingSink::frame(const Recording &) {}
void HeadingSink::bookmark(std::string_view name) {
    if (passing()) out_.bookmark(name);
}
void HeadingSink::begin_link(std::string_view target) {
    if (passing()) out_.begin_link(target);
}
void HeadingSink::end_link() {
    if (passing()) out_.end_link();
}
void HeadingSink::object(const ObjectRef &) {}
void HeadingSink::end_section() {}

}  // namespace qrv::import::slides
