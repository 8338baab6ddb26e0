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
    QRV_TEXT_SINK_EVENTS
    void running(model::RunningKind kind, model::RunningPages pages, const Recording &body) override;

    void replay(TextSink &sink) const;
    bool empty() const { return events_.empty(); }
    // Whether any text other than white space was recorded (objects count).
    bool has_text() const;
    // The bytes of the recorded text (not of notes or frames).
    size_t text_bytes() const;
    // Every from in the recorded text (not in notes or frames) becomes to.
    void replace_text(std::string_view from, std::string_view to);

private:
    enum class Op : uint8_t {
        BeginParagraph,
        EndParagraph,
        Run,
        Text,
        LineBreak,
        PageBreak,
        BeginTable,
        BeginRow,
        BeginCell,
        EndCell,
        EndRow,
        EndTable,
        Note,
        Comment,
        Running,
        Frame,
        Bookmark,
        BeginLink,
        EndLink,
        Object,
        EndSection
    };
    // A nested recording with the kind (and pages) or words that go with it.
    struct Nested {
        uint32_t kind = 0;
        uint32_t pages = 0;
        std::string words;
        std::shared_ptr<const Recording> body;
    };
    using Payload = std::variant<std::monostate, ParagraphStart, RunStart, TableStart, RowStart, CellStart, std::string,
                                 Nested, ObjectRef>;
    struct Event {
        Op op;
        Payload payload;
    };

    void add(Op op, Payload payload = {});
    void replay_one(const Event &event, TextSink &sink) const;

    std::vector<Event> events_;
};

}  // namespace qrv::import::textdoc
