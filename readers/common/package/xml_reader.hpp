// A streaming XML reader over expat: parses a part piece by piece as it
// inflates and calls a handler for each element start, end and run of
// characters.  Nothing of the document is kept, so memory does not grow
// with the part.  Entity declarations are refused (no entity bombs),
// external entities are never loaded, and nesting is bounded.
#pragma once

#include <span>
#include <string_view>

#include "writer/limits.hpp"
#include "byte_source.hpp"
#include "namespaces.hpp"

namespace qrv::import {

// An element or attribute name: its namespace and local part.
struct XmlName {
    Ns ns = Ns::None;
    std::string_view local;

    bool is(Ns n, std::string_view l) const { return ns == n && local == l; }
};

// The attributes of one element start, split into names and values.
class XmlAttributes {
public:
    struct Attribute {
        XmlName name;
        std::string_view value;
    };

    XmlAttributes() = default;
    explicit XmlAttributes(std::span<const Attribute> items) : items_(items.data()), count_(items.size()) {}

    // The value of an attribute, or nullptr when the element has none.
    const std::string_view *find(Ns ns, std::string_view local) const;
    // The value of an attribute, or fallback.
    std::string_view get(Ns ns, std::string_view local, std::string_view fallback = {}) const;
    bool has(Ns ns, std::string_view local) const { return find(ns, local) != nullptr; }

    const Attribute *begin() const { return items_; }
    const Attribute *end() const { return items_ + count_; }

private:
    const Attribute *items_ = nullptr;
    size_t count_ = 0;
};

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void start(const XmlName &name, const XmlAttributes &attributes) = 0;
    virtual void end(const XmlName &name) = 0;
    // Characters of the element last started, in pieces as they come.
    virtual void text(std::string_view) {}
};

// A handler that has read all it needs throws StopReading; read_xml then
// returns at once.
struct StopReading {};

// Parses the whole source into the handler.  A fault, of the XML or thrown
// by the handler as ImportError, comes back as ImportError with the part's
// name and the line in front: "xl/styles.xml: line 12: ...".
//
// Asked to (Parse::AheadWhenLarge), a source that reads on its own and
// expects to give at least read_ahead_from() bytes is inflated and parsed
// on a thread of its own while this one handles what that one met, as long
// as the process has a processor that no other parse holds; the handler
// sees the same calls either way, on this thread.  That pays where the
// handling costs about as much as the parse (a text document's body, an
// OpenDocument spreadsheet's cells); where it is light beside the parse
// (an XLSX worksheet's cells) the parsing thread is the whole pipeline,
// and on processors that share a core it runs slower than it would here.
enum class Parse { Here, AheadWhenLarge };
void read_xml(ByteSource &source, XmlHandler &handler, const Limits &limits, Parse how = Parse::Here);

}  // namespace qrv::import
