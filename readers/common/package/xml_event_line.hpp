// The line of the XML event in hand on this thread.  Whatever hands events
// to handlers (a parse, or a replay of events recorded earlier) says where
// it is while it runs, so a handler that keeps events to hand on later can
// keep their lines, and a fault met then still names the line it would have
// named in the parse.
#pragma once

#include <cstdint>

namespace qrv::import {

class XmlLineSource {
public:
    virtual uint64_t line() const = 0;

protected:
    ~XmlLineSource() = default;
};

// Makes source this thread's line source until the scope ends, then gives
// the one before back (a replay may run inside a parse's handler).
class XmlLineScope {
public:
    explicit XmlLineScope(const XmlLineSource &source);
    ~XmlLineScope();
    XmlLineScope(const XmlLineScope &) = delete;
    XmlLineScope &operator=(const XmlLineScope &) = delete;

private:
    const XmlLineSource *before_;
};

// The line of the event being handled on this thread; 0 outside any parse
// or replay.
uint64_t xml_event_line();

}  // namespace qrv::import
