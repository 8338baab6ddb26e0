#include "xml_events.hpp"

#include <cstring>

namespace qrv::import {
namespace {

enum class Kind : uint8_t { Start, End, Text };

struct EventHead {
    uint64_t line;
    uint32_t bytes;       // of the local name, or of the characters
    uint32_t attributes;  // of a start
    Kind kind;
    Ns ns;
};

struct AttributeHead {
    uint32_t local_bytes;
    uint32_t value_bytes;
    Ns ns;
};

// Reads the heads and bytes a writer put, in the order it put them.
class Cursor {
public:
    explicit Cursor(std::span<const char> piece) : at_(piece.data()), end_(piece.data() + piece.size()) {}
    bool done() const { return at_ == end_; }

    template <typename Head>
    Head head() {
        Head head;
        std::memcpy(&head, at_, sizeof head);
        at_ += sizeof head;
        return head;
    }
    std::string_view bytes(size_t n) {
        const std::string_view taken(at_, n);
        at_ += n;
        return taken;
    }

private:
    const char *at_;
    const char *end_;
};

template <typename Head>
std::string_view as_bytes(const Head &head) {
    return {reinterpret_cast<const char *>(&head), sizeof head};
}

uint32_t length_of(std::string_view bytes) { return static_cast<uint32_t>(bytes.size()); }

}  // namespace

// Expat's names, values and pieces of characters are counted in ints: a
// 32-bit length holds any of them.  Each event takes its room at once.
void XmlEventWriter::start(uint64_t line, const XmlName &name, const XmlAttributes &attributes) {
    size_t bytes = sizeof(EventHead) + name.local.size();
    for (const auto &a : attributes) bytes += sizeof(AttributeHead) + a.name.local.size() + a.value.size();
    char *at = room(bytes);
    const auto count = static_cast<uint32_t>(attributes.end() - attributes.begin());
    at = put(at, as_bytes(EventHead{line, length_of(name.local), count, Kind::Start, name.ns}));
    at = put(at, name.local);
    for (const auto &a : attributes) {
        at = put(at, as_bytes(AttributeHead{length_of(a.name.local), length_of(a.value), a.name.ns}));
        at = put(at, a.name.local);
        at = put(at, a.value);
    }
}

void XmlEventWriter::end(uint64_t line, const XmlName &name) {
    char *at = room(sizeof(EventHead) + name.local.size());
    at = put(at, as_bytes(EventHead{line, length_of(name.local), 0, Kind::End, name.ns}));
    put(at, name.local);
}

void XmlEventWriter::text(uint64_t line, std::string_view characters) {
    char *at = room(sizeof(EventHead) + characters.size());
    at = put(at, as_bytes(EventHead{line, length_of(characters), 0, Kind::Text, Ns::None}));
    put(at, characters);
}

char *XmlEventWriter::room(size_t bytes) {
    const size_t used = piece_.size();
    piece_.resize(used + bytes);
    return piece_.data() + used;
}

char *XmlEventWriter::put(char *at, std::string_view bytes) {
    if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
    return at + bytes.size();
}

void XmlEventReplay::replay(std::span<const char> piece, XmlHandler &handler) {
    const XmlLineScope scope(*this);
    Cursor cursor(piece);
    while (!cursor.done()) {
        const auto head = cursor.head<EventHead>();
        line_ = head.line;
        const std::string_view bytes = cursor.bytes(head.bytes);
        switch (head.kind) {
        case Kind::Start:
            attributes_.clear();
            for (uint32_t i = 0; i < head.attributes; ++i) {
                const auto a = cursor.head<AttributeHead>();
                const std::string_view local = cursor.bytes(a.local_bytes);
                attributes_.push_back({{a.ns, local}, cursor.bytes(a.value_bytes)});
            }
            handler.start({head.ns, bytes}, XmlAttributes(attributes_));
            break;
        case Kind::End:
            handler.end({head.ns, bytes});
            break;
        case Kind::Text:
            handler.text(bytes);
            break;
        }
    }
}

}  // namespace qrv::import
