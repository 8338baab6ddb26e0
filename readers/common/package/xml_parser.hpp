// One parse of one source with expat: its callbacks land here and go on to
// a handler.  A handler's exception cannot travel through expat, so it is
// kept, the parser stopped, and the exception thrown again once expat has
// returned.  The XML reader runs one on the thread that handles the
// elements, or on a thread of its own that records them for that one.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "writer/limits.hpp"
#include "byte_source.hpp"
#include "xml_event_line.hpp"
#include "xml_prefixes.hpp"
#include "xml_reader.hpp"

struct XML_ParserStruct;

namespace qrv::import {

class XmlParser final : public XmlLineSource {
public:
    XmlParser(XmlHandler &handler, const Limits &limits);
    ~XmlParser();
    XmlParser(const XmlParser &) = delete;
    XmlParser &operator=(const XmlParser &) = delete;

    // Parses the whole source into the handler (see read_xml).
    void parse(ByteSource &source);
    // The line of the element or characters being handled.
    uint64_t current_line() const;
    uint64_t line() const override { return current_line(); }

private:
    bool stopped_early() const;
    [[noreturn]] void fail(ByteSource &source);
    template <typename Fn>
    void guarded(Fn &&fn);

    static void on_start(void *self, const char *name, const char **atts);
    static void on_end(void *self, const char *name);
    static void on_text(void *self, const char *s, int length);
    static void on_entity_declaration(void *self, const char *, int, const char *, int, const char *, const char *,
                                      const char *, const char *);

    XML_ParserStruct *parser_ = nullptr;
    XmlHandler &handler_;
    const Limits &limits_;
    std::exception_ptr pending_;
    std::vector<XmlAttributes::Attribute> attributes_;
    XmlPrefixes prefixes_;
    // Of each open element, its namespace and where its local name starts:
    // an end tag names its element as the start did, so it is not resolved
    // again.
    struct OpenElement {
        Ns ns;
        uint32_t local_from;
    };
    std::vector<OpenElement> open_;
    uint32_t depth_ = 0;
};

// "xl/styles.xml: line 12: ", or "line 12: " for a source without a name
// (a flat document is no part of a package).
std::string where_in(const ByteSource &source, uint64_t line);
std::string where_in(std::string_view part, uint64_t line);

}  // namespace qrv::import
