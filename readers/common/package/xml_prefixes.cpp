#include "xml_prefixes.hpp"

#include <cstring>

#include "core/error.hpp"

namespace qrv::import {
namespace {

constexpr std::string_view kDeclaration = "xmlns";

size_t slot_of(std::string_view prefix) {
    if (prefix.empty()) return 0;
    return (prefix.size() * 7 + static_cast<unsigned char>(prefix.front()) * 3 +
            static_cast<unsigned char>(prefix.back())) %
           32;
}

[[noreturn]] void unbound() { broken("not well-formed XML (unbound prefix)"); }

}  // namespace

XmlPrefixes::XmlPrefixes() { bind("xml", "http://www.w3.org/XML/1998/namespace", 0); }

bool XmlPrefixes::is_declaration(std::string_view name) {
    return name.starts_with(kDeclaration) && (name.size() == kDeclaration.size() || name[kDeclaration.size()] == ':');
}

void XmlPrefixes::declare(const char **attributes, uint32_t depth) {
    for (const char **a = attributes; a[0]; a += 2) {
        const std::string_view name(a[0]);
        if (!is_declaration(name)) continue;
        bind(name.size() == kDeclaration.size() ? std::string_view() : name.substr(kDeclaration.size() + 1), a[1],
             depth);
    }
}

void XmlPrefixes::bind(std::string_view prefix, std::string_view uri, uint32_t depth) {
    auto found = scopes_.find(prefix);
    if (found == scopes_.end()) found = scopes_.emplace(std::string(prefix), std::vector<Ns>{}).first;
    found->second.push_back(namespace_of(uri));
    made_.push_back({&found->second, depth});
}

void XmlPrefixes::end_element(uint32_t depth) {
    while (!made_.empty() && made_.back().second == depth) {
        made_.back().first->pop_back();
        made_.pop_back();
    }
}

const std::vector<Ns> *XmlPrefixes::scope_of(std::string_view prefix) const {
    Slot &slot = slots_[slot_of(prefix)];
    if (slot.bound && slot.prefix == prefix) return slot.bound;
    const auto found = scopes_.find(prefix);
    if (found == scopes_.end()) return nullptr;
    slot = {found->first, &found->second};
    return slot.bound;
}

XmlName XmlPrefixes::resolve(std::string_view qualified, bool is_element) const {
    const size_t colon = qualified.find(':');
    if (colon == std::string_view::npos) {
        if (!is_element) return {Ns::None, qualified};
        const std::vector<Ns> *scope = scope_of({});
        return {scope && !scope->empty() ? scope->back() : Ns::None, qualified};
    }
    const std::vector<Ns> *scope = scope_of(qualified.substr(0, colon));
    if (!scope || scope->empty()) unbound();
    return {scope->back(), qualified.substr(colon + 1)};
}

XmlName XmlPrefixes::element(const char *qualified) const { return resolve(qualified, true); }
XmlName XmlPrefixes::attribute(const char *qualified) const { return resolve(qualified, false); }

}  // namespace qrv::import
