#include "xml_parser.hpp"

#include <expat.h>

#include <new>
#include <string_view>

#include "core/error.hpp"

namespace qrv::import {
namespace {

constexpr int kPieceBytes = 64 * 1024;

// The parser's reason, without the "not well-formed" the message already
// says: "invalid token", "mismatched tag".
std::string xml_fault(XML_Error code) {
    const XML_LChar *said = XML_ErrorString(code);
    std::string_view reason = said ? said : "an unknown fault";
    constexpr std::string_view kLead = "not well-formed (";
    if (reason.starts_with(kLead) && reason.ends_with(')'))
        reason = reason.substr(kLead.size(), reason.size() - kLead.size() - 1);
    return std::string(reason);
}

}  // namespace

std::string where_in(std::string_view part, uint64_t line) {
    std::string where = part.empty() ? std::string() : std::string(part) + ": ";
    return where + "line " + std::to_string(line) + ": ";
}

std::string where_in(const ByteSource &source, uint64_t line) { return where_in(source.name(), line); }

XmlParser::XmlParser(XmlHandler &handler, const Limits &limits) : handler_(handler), limits_(limits) {
    parser_ = XML_ParserCreate(nullptr);
    if (!parser_) throw std::bad_alloc();
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, on_start, on_end);
    XML_SetCharacterDataHandler(parser_, on_text);
    XML_SetEntityDeclHandler(parser_, on_entity_declaration);
    XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
}

XmlParser::~XmlParser() { XML_ParserFree(parser_); }

void XmlParser::parse(ByteSource &source) {
    const XmlLineScope scope(*this);
    for (;;) {
        void *piece = XML_GetBuffer(parser_, kPieceBytes);
        if (!piece) throw std::bad_alloc();
        const size_t n = source.read({static_cast<uint8_t *>(piece), kPieceBytes});
        if (XML_ParseBuffer(parser_, static_cast<int>(n), n == 0) != XML_STATUS_OK) {
            if (stopped_early()) return;
            fail(source);
        }
        if (n == 0) return;
    }
}

uint64_t XmlParser::current_line() const { return XML_GetCurrentLineNumber(parser_); }

bool XmlParser::stopped_early() const {
    if (!pending_) return false;
    try {
        std::rethrow_exception(pending_);
    } catch (const StopReading &) {
        return true;
    } catch (...) {
        return false;
    }
}

void XmlParser::fail(ByteSource &source) {
    const std::string where = where_in(source, current_line());
    if (pending_) {
        try {
            std::rethrow_exception(pending_);
        } catch (const ImportError &e) {
            throw ImportError(e.code(), where + e.what());
        }
    }
    broken(where + "not well-formed XML (" + xml_fault(XML_GetErrorCode(parser_)) + ")");
}

template <typename Fn>
void XmlParser::guarded(Fn &&fn) {
    if (pending_) return;
    try {
        fn();
    } catch (...) {
        pending_ = std::current_exception();
        XML_StopParser(parser_, XML_FALSE);
    }
}

void XmlParser::on_start(void *self, const char *name, const char **atts) {
    auto &p = *static_cast<XmlParser *>(self);
    p.guarded([&] {
        if (++p.depth_ > p.limits_.max_depth)
            over_limit("elements nested deeper than " + std::to_string(p.limits_.max_depth));
        p.prefixes_.declare(atts, p.depth_);
        p.attributes_.clear();
        for (const char **a = atts; a[0]; a += 2)
            if (!XmlPrefixes::is_declaration(a[0])) p.attributes_.push_back({p.prefixes_.attribute(a[0]), a[1]});
        const XmlName element = p.prefixes_.element(name);
        p.open_.push_back({element.ns, static_cast<uint32_t>(element.local.data() - name)});
        p.handler_.start(element, XmlAttributes(p.attributes_));
    });
}

void XmlParser::on_end(void *self, const char *name) {
    auto &p = *static_cast<XmlParser *>(self);
    p.guarded([&] {
        const OpenElement open = p.open_.back();
        p.open_.pop_back();
        p.handler_.end({open.ns, std::string_view(name + open.local_from)});
        p.prefixes_.end_element(p.depth_--);
    });
}

void XmlParser::on_text(void *self, const char *s, int length) {
    auto &p = *static_cast<XmlParser *>(self);
    p.guarded([&] { p.handler_.text({s, static_cast<size_t>(length)}); });
}

void XmlParser::on_entity_declaration(void *self, const char *, int, const char *, int, const char *, const char *,
                                      const char *, const char *) {
    auto &p = *static_cast<XmlParser *>(self);
    p.guarded([] { broken("an entity declaration (entities are not read)"); });
}

}  // namespace qrv::import
