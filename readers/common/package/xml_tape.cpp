#include "xml_tape.hpp"

#include "core/error.hpp"
#include "xml_event_line.hpp"
#include "xml_events.hpp"
#include "xml_parser.hpp"

namespace qrv::import {

void XmlTape::play(XmlHandler &handler) const {
    XmlEventReplay events;
    try {
        for (const std::vector<char> &piece : pieces_) events.replay(piece, handler);
    } catch (const StopReading &) {
    } catch (const ImportError &e) {
        throw ImportError(e.code(), where_in(part_, events.line()) + e.what());
    }
}

// A piece is full once it passes kPieceBytes: no piece is copied to grow
// by more than its last event.
std::vector<char> &XmlTape::piece() {
    if (pieces_.empty() || pieces_.back().size() >= kPieceBytes) {
        if (!pieces_.empty()) held_ += pieces_.back().size();
        pieces_.emplace_back().reserve(kPieceBytes + kPieceBytes / 4);
    }
    return pieces_.back();
}

void XmlTape::check_bound() {
    if (held_ + pieces_.back().size() <= bound_) return;
    std::vector<std::vector<char>>().swap(pieces_);
    held_ = 0;
    dropped_ = true;
}

void XmlTape::start(uint64_t line, const XmlName &name, const XmlAttributes &attributes) {
    if (dropped_) return;
    XmlEventWriter(piece()).start(line, name, attributes);
    check_bound();
}

void XmlTape::end(uint64_t line, const XmlName &name) {
    if (dropped_) return;
    XmlEventWriter(piece()).end(line, name);
    check_bound();
}

void XmlTape::text(uint64_t line, std::string_view characters) {
    if (dropped_) return;
    XmlEventWriter(piece()).text(line, characters);
    check_bound();
}

void XmlTapeRecorder::start(const XmlName &name, const XmlAttributes &attributes) {
    tape_.start(xml_event_line(), name, attributes);
    inner_.start(name, attributes);
}

void XmlTapeRecorder::end(const XmlName &name) {
    tape_.end(xml_event_line(), name);
    inner_.end(name);
}

void XmlTapeRecorder::text(std::string_view characters) {
    tape_.text(xml_event_line(), characters);
    inner_.text(characters);
}

}  // namespace qrv::import
