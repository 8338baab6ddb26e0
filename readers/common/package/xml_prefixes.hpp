// The namespace prefixes in scope while a document is parsed: expat runs
// without its own namespace processing (which hashes every prefixed
// attribute and copies every name into its expanded form) and each name is
// resolved here instead, by its prefix, to the namespace it stands for.
//
// An element's xmlns:p="uri" (and xmlns="uri" for unprefixed elements)
// binds until that element ends; "xml" is bound from the start.  A prefix
// with no binding in scope is a fault of the XML, as namespace-aware
// parsers hold it.  Declarations are no attributes of their element.
//
// Looking up a prefix of up to eight bytes is one compare of those bytes,
// as a number, against the last prefix that fell into the same one of a
// few slots, then the innermost binding of that prefix: documents bind
// their prefixes once, at the root, and use them on every element.  Longer
// prefixes are looked up by name.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "namespaces.hpp"
#include "xml_reader.hpp"

namespace qrv::import {

class XmlPrefixes {
public:
    XmlPrefixes();

    // Binds the declarations among an element's attributes (name, value
    // pairs, ending with a null name), the element nested depth deep.
    void declare(const char **attributes, uint32_t depth);
    // Drops the bindings of the element ending at depth.
    void end_element(uint32_t depth);

    // Whether an attribute's name, as expat gives it (zero-terminated),
    // declares a namespace: "xmlns" or "xmlns:...".  Looks at six bytes at
    // most.
    static bool is_declaration(const char *attribute_name) {
        const char *n = attribute_name;
        return n[0] == 'x' && n[1] == 'm' && n[2] == 'l' && n[3] == 'n' && n[4] == 's' && (n[5] == 0 || n[5] == ':');
    }
    // An element's name: unprefixed, in the default namespace.
    XmlName element(const char *qualified) const;
    // An attribute's name: unprefixed, in no namespace.
    XmlName attribute(const char *qualified) const;

private:
    struct PrefixHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using Scopes = std::unordered_map<std::string, std::vector<Ns>, PrefixHash, std::equal_to<>>;
    struct Slot {
        uint64_t key = 0;  // the prefix's bytes, the first lowest
        size_t length = 0;
        const std::vector<Ns> *bound = nullptr;
    };

    void bind(std::string_view prefix, std::string_view uri, uint32_t depth);
    // The bindings of prefix, innermost last; null for one never bound.
    const std::vector<Ns> *scope_of(std::string_view prefix, uint64_t key) const;
    XmlName resolve(const char *qualified, bool is_element) const;

    Scopes scopes_;
    // Each binding's prefix and the depth of the element that made it, in
    // the order made.
    std::vector<std::pair<std::vector<Ns> *, uint32_t>> made_;
    const std::vector<Ns> *default_ = nullptr;  // the bindings of unprefixed element names
    mutable std::array<Slot, 32> slots_{};
};

}  // namespace qrv::import
