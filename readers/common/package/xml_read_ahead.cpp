#include "xml_read_ahead.hpp"

#include <system_error>
#include <thread>

#include "core/error.hpp"
#include "xml_events.hpp"
#include "xml_handoff.hpp"
#include "xml_parser.hpp"

namespace qrv::import {
namespace {

// The handler on the parsing thread: records each event with its line, and
// hands a piece over each time one fills.  A stopped handoff stops the
// parse.
class EventRecorder final : public XmlHandler {
public:
    explicit EventRecorder(XmlHandoff &handoff) : handoff_(handoff), piece_(handoff.blank_piece()) {}
    void watch(const XmlParser &parser) { parser_ = &parser; }

    void start(const XmlName &name, const XmlAttributes &attributes) override {
        XmlEventWriter(piece_).start(parser_->current_line(), name, attributes);
        hand_over_when_full();
    }
    void end(const XmlName &name) override {
        XmlEventWriter(piece_).end(parser_->current_line(), name);
        hand_over_when_full();
    }
    void text(std::string_view characters) override {
        XmlEventWriter(piece_).text(parser_->current_line(), characters);
        hand_over_when_full();
    }

    // The events recorded since the last piece went; false when the
    // handler stopped.
    bool hand_over_rest() { return piece_.empty() || hand_over(); }

private:
    void hand_over_when_full() {
        if (piece_.size() >= XmlHandoff::kPieceBytes && !hand_over()) throw StopReading{};
    }
    bool hand_over() {
        const bool taken = handoff_.hand_over(std::move(piece_));
        piece_ = handoff_.blank_piece();
        return taken;
    }

    XmlHandoff &handoff_;
    const XmlParser *parser_ = nullptr;
    std::vector<char> piece_;
};

// The parsing thread's whole work; nothing it throws leaves it.
void parse_ahead(ByteSource &source, const Limits &limits, XmlHandoff &handoff) {
    std::exception_ptr fault;
    try {
        EventRecorder recorder(handoff);
        XmlParser parser(recorder, limits);
        recorder.watch(parser);
        try {
            parser.parse(source);
        } catch (...) {
            fault = std::current_exception();
        }
        // What came before a fault is handled before it.
        recorder.hand_over_rest();
    } catch (...) {
        if (!fault) fault = std::current_exception();
    }
    handoff.finish(fault);
}

void replay(XmlHandoff &handoff, const ByteSource &source, XmlHandler &handler) {
    XmlEventReplay events;
    std::vector<char> piece;
    while (handoff.next(piece)) {
        try {
            events.replay(piece, handler);
        } catch (const StopReading &) {
            return;
        } catch (const ImportError &e) {
            throw ImportError(e.code(), where_in(source, events.line()) + e.what());
        }
        handoff.give_back(std::move(piece));
    }
    if (std::exception_ptr fault = handoff.fault()) std::rethrow_exception(fault);
}

}  // namespace

void read_xml_ahead(ByteSource &source, XmlHandler &handler, const Limits &limits) {
    XmlHandoff handoff;
    std::thread parsing;
    try {
        parsing = std::thread(parse_ahead, std::ref(source), std::cref(limits), std::ref(handoff));
    } catch (const std::system_error &) {
        // No thread to be had: the parse runs here.
        XmlParser parser(handler, limits);
        return parser.parse(source);
    }
    struct Join {
        XmlHandoff &handoff;
        std::thread &parsing;
        ~Join() {
            handoff.stop();
            parsing.join();
        }
    } join{handoff, parsing};
    replay(handoff, source, handler);
}

}  // namespace qrv::import
