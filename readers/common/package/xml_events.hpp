// Element starts, ends and characters as a parse met them, written into
// pieces of memory by the thread that parses and handed to a handler by the
// thread that reads them.  Each event is a small head followed by its names
// and characters, copied once; a piece holds whole events.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "xml_event_line.hpp"
#include "xml_reader.hpp"

namespace qrv::import {

// Appends events to a piece.
class XmlEventWriter {
public:
    explicit XmlEventWriter(std::vector<char> &piece) : piece_(piece) {}

    void start(uint64_t line, const XmlName &name, const XmlAttributes &attributes);
    void end(uint64_t line, const XmlName &name);
    void text(uint64_t line, std::string_view characters);

private:
    char *room(size_t bytes);
    static char *put(char *at, std::string_view bytes);

    std::vector<char> &piece_;
};

// Hands the events of pieces to a handler, in order.
class XmlEventReplay final : public XmlLineSource {
public:
    // Every event of the piece, through the handler; what the handler throws
    // goes on, with line() the line of the event it was handed.
    void replay(std::span<const char> piece, XmlHandler &handler);
    uint64_t line() const override { return line_; }

private:
    std::vector<XmlAttributes::Attribute> attributes_;
    uint64_t line_ = 0;
};

}  // namespace qrv::import
