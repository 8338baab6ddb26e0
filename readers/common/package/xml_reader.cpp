#include "xml_reader.hpp"

#include <expat.h>

#include <exception>
#include <new>
#include <string>
#include <vector>

#include "core/error.hpp"

namespace qrv::import {
namespace {

constexpr char kSeparator = '\x01';

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
constexpr int kPieceBytes = 64 * 1024;

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

// One parse: expat's callbacks land here.  A handler's exception cannot
// travel through expat, so it is kept, the parser stopped, and the
// exception thrown again once expat has returned.
class XmlParser {
public:
    XmlParser(XmlHandler &handler, const Limits &limits) : handler_(handler), limits_(limits) {
        parser_ = XML_ParserCreateNS(nullptr, kSeparator);
        if (!parser_) throw std::bad_alloc();
        XML_SetUserData(parser_, this);
        XML_SetElementHandler(parser_, on_start, on_end);
        XML_SetCharacterDataHandler(parser_, on_text);
        XML_SetEntityDeclHandler(parser_, on_entity_declaration);
        XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
    }
    ~XmlParser() { XML_ParserFree(parser_); }
    XmlParser(const XmlParser &) = delete;
    XmlParser &operator=(const XmlParser &) = delete;

    void parse(ByteSource &source) {
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

private:
    bool stopped_early() const {
        if (!pending_) return false;
        try {
            std::rethrow_exception(pending_);
        } catch (const StopReading &) {
            return true;
        } catch (...) {
            return false;
        }
    }

    [[noreturn]] void fail(ByteSource &source) {
        // A flat document is no part of a package: its source has no name.
        const std::string part = source.name().empty() ? "" : source.name() + ": ";
        const std::string where = part + "line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ": ";
        if (pending_) {
            try {
                std::rethrow_exception(pending_);
            } catch (const ImportError &e) {
                throw ImportError(e.code(), where + e.what());
            }
        }
        broken(where + "not well-formed XML (" + xml_fault(XML_GetErrorCode(parser_)) + ")");
    }

    XmlName split(const XML_Char *expanded) {
        std::string_view name(expanded);
        const size_t cut = name.rfind(kSeparator);
        if (cut == std::string_view::npos) return {Ns::None, name};
        const std::string_view uri = name.substr(0, cut);
        if (uri != last_uri_) {
            last_uri_.assign(uri);
            last_ns_ = namespace_of(uri);
        }
        return {last_ns_, name.substr(cut + 1)};
    }

    template <typename Fn>
    void guarded(Fn &&fn) {
        if (pending_) return;
        try {
            fn();
        } catch (...) {
            pending_ = std::current_exception();
            XML_StopParser(parser_, XML_FALSE);
        }
    }

    static void on_start(void *self, const XML_Char *name, const XML_Char **atts) {
        auto &p = *static_cast<XmlParser *>(self);
        p.guarded([&] {
            if (++p.depth_ > p.limits_.max_depth)
                over_limit("elements nested deeper than " + std::to_string(p.limits_.max_depth));
            p.attributes_.clear();
            for (const XML_Char **a = atts; a[0]; a += 2) p.attributes_.push_back({p.split(a[0]), a[1]});
            XmlAttributes attributes;
            attributes.items_ = p.attributes_.data();
            attributes.count_ = p.attributes_.size();
            p.handler_.start(p.split(name), attributes);
        });
    }

    static void on_end(void *self, const XML_Char *name) {
        auto &p = *static_cast<XmlParser *>(self);
        p.guarded([&] {
            --p.depth_;
            p.handler_.end(p.split(name));
        });
    }

    static void on_text(void *self, const XML_Char *s, int length) {
        auto &p = *static_cast<XmlParser *>(self);
        p.guarded([&] { p.handler_.text({s, static_cast<size_t>(length)}); });
    }

    static void on_entity_declaration(void *self, const XML_Char *, int, const XML_Char *, int, const XML_Char *,
                                      const XML_Char *, const XML_Char *, const XML_Char *) {
        auto &p = *static_cast<XmlParser *>(self);
        p.guarded([] { broken("an entity declaration (entities are not read)"); });
    }

    XML_Parser parser_ = nullptr;
    XmlHandler &handler_;
    const Limits &limits_;
    std::exception_ptr pending_;
    std::vector<XmlAttributes::Attribute> attributes_;
    std::string last_uri_;
    Ns last_ns_ = Ns::None;
    uint32_t depth_ = 0;
};

void read_xml(ByteSource &source, XmlHandler &handler, const Limits &limits) {
    XmlParser parser(handler, limits);
    parser.parse(source);
}

}  // namespace qrv::import
