// A part's events kept for a second reading.  The first reading's handler
// is wrapped in a recorder; a later handler is played the same events, in
// the same pieces of characters and with the same lines for its faults,
// without the part being inflated and parsed again.  The events stay in
// memory up to a bound: the tape of a part whose events need more is let
// go as soon as it passes the bound (whole() is then false and the caller
// reads the part again), so a tape never holds more than its bound.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "xml_reader.hpp"

namespace qrv::import {

class XmlTape {
public:
    static constexpr size_t kBound = size_t{16} << 20;

    // part names the part in faults ("content.xml: line 3: "); empty for a
    // flat document.
    explicit XmlTape(std::string part, size_t bound = kBound) : part_(std::move(part)), bound_(bound) {}

    // Every event the recorder saw is on the tape.
    bool whole() const { return !dropped_; }
    // Plays every event, in order, to handler.  A fault the handler throws
    // as ImportError comes back with the part and the line in front, as
    // the parse would have said it; StopReading ends the play.
    void play(XmlHandler &handler) const;

    void start(uint64_t line, const XmlName &name, const XmlAttributes &attributes);
    void end(uint64_t line, const XmlName &name);
    void text(uint64_t line, std::string_view characters);

private:
    static constexpr size_t kPieceBytes = size_t{256} << 10;
    std::vector<char> &piece();
    void check_bound();

    std::string part_;
    size_t bound_;
    std::vector<std::vector<char>> pieces_;
    size_t held_ = 0;  // bytes of the full pieces
    bool dropped_ = false;
};

// Hands every event on to inner, and keeps it on the tape.
class XmlTapeRecorder final : public XmlHandler {
public:
    XmlTapeRecorder(XmlTape &tape, XmlHandler &inner) : tape_(tape), inner_(inner) {}
    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view characters) override;

private:
    XmlTape &tape_;
    XmlHandler &inner_;
};

}  // namespace qrv::import
