#include "xml_reader.hpp"

#include <atomic>
#include <thread>

#include "xml_parser.hpp"
#include "xml_read_ahead.hpp"

namespace qrv::import {
namespace {

// The threads of this process parsing or handling XML now.  A parse goes
// ahead only on a processor no other parse holds: imports running side by
// side (a batch on every processor) gain nothing from one more thread.
std::atomic<unsigned> threads_parsing{0};

// Holds the threads a parse takes for as long as it runs.
class ParsingThreads {
public:
    explicit ParsingThreads(bool ahead) : count_(ahead ? 2 : 1) {
        if (ahead && threads_parsing.fetch_add(2) + 2 > std::thread::hardware_concurrency()) {
            threads_parsing -= 1;
            count_ = 1;
        } else if (!ahead) {
            threads_parsing += 1;
        }
    }
    ~ParsingThreads() { threads_parsing -= count_; }
    ParsingThreads(const ParsingThreads &) = delete;
    ParsingThreads &operator=(const ParsingThreads &) = delete;
    bool ahead() const { return count_ == 2; }

private:
    unsigned count_;
};

bool worth_a_thread(const ByteSource &source, Parse how) {
    return how == Parse::AheadWhenLarge && source.reads_on_its_own() && source.expected_bytes() >= read_ahead_from();
}

}  // namespace

const std::string_view *XmlAttributes::find(Ns ns, std::string_view local) const {
    for (const auto &a : *this)
        if (a.name.ns == ns && a.name.local == local) return &a.value;
    return nullptr;
}

std::string_view XmlAttributes::get(Ns ns, std::string_view local, std::string_view fallback) const {
    const std::string_view *value = find(ns, local);
    return value ? *value : fallback;
}

void read_xml(ByteSource &source, XmlHandler &handler, const Limits &limits, Parse how) {
    const ParsingThreads threads(worth_a_thread(source, how));
    if (threads.ahead()) return read_xml_ahead(source, handler, limits);
    XmlParser parser(handler, limits);
    parser.parse(source);
}

}  // namespace qrv::import
