// Passes a title shape's text on as one heading paragraph: the first
// paragraph starts the heading (outline level 0, out of any list), each
// later one continues it after a line break, and tables in a title are
// passed over.
#pragma once

#include "textdoc/text_sink.hpp"

namespace qrv::import::slides {

using textdoc::CellStart, textdoc::NoteKind, textdoc::ObjectKind, textdoc::ObjectRef, textdoc::ParagraphStart,
    textdoc::Recording, textdoc::RowStart, textdoc::RunStart, textdoc::TableStart;

class HeadingSink final : public textdoc::TextSink {
public:
    explicit HeadingSink(textdoc::TextSink &out) : out_(out) {}
    // Ends the heading, if any paragraph began it.
    void finish();

    QRV_TEXT_SINK_EVENTS

private:
    bool passing() const { return tables_ == 0; }

    textdoc::TextSink &out_;
    bool begun_ = false;
    bool has_text_ = false;
    unsigned tables_ = 0;
};

}  // namespace qrv::import::slides
