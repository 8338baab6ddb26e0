#include "end_notes.hpp"

#include <string_view>

namespace qrv::filters::text {
namespace {

void write_note(Output &out, const Note &note) {
    std::string_view rest = note.text;
    out += '[';
    out.number(note.number);
    out += "] ";
    for (bool first = true; !rest.empty() || first; first = false) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!first) {
            if (line.empty()) continue;
            out += "    ";
        }
        out += line;
        out += '\n';
    }
}

}  // namespace

void write_end_notes(Output &out, const std::vector<Note> &notes) {
    bool any = false;
    for (const Note &note : notes) {
        if (note.kind == NoteKind::Comment) continue;
        if (!any && out.size() > 0) out += '\n';
        any = true;
        write_note(out, note);
    }
}

}  // namespace qrv::filters::text
