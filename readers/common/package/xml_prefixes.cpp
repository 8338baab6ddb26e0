#include "xml_prefixes.hpp"

#include <cstring>

#include "core/error.hpp"

namespace qrv::import {
namespace {

constexpr std::string_view kDeclaration = "xmlns";

constexpr size_t kKeyBytes = 8;

size_t slot_of(uint64_t key, size_t length) { return ((key * 0x9E3779B97F4A7C15u) >> 59) ^ (length & 31); }

[[noreturn]] void unbound() { broken("not well-formed XML (unbound prefix)"); }

}  // namespace

XmlPrefixes::XmlPrefixes() {
    bind("xml", "http://www.w3.org/XML/1998/namespace", 0);
    default_ = &scopes_.emplace(std::string(), std::vector<Ns>{}).first->second;
}

void XmlPrefixes::declare(const char **attributes, uint32_t depth) {
    for (const char **a = attributes; a[0]; a += 2) {
        if (!is_declaration(a[0])) continue;
        const std::string_view name(a[0]);
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

const std::vector<Ns> *XmlPrefixes::scope_of(std::string_view prefix, uint64_t key) const {
    const bool keyed = prefix.size() <= kKeyBytes;
    Slot &slot = slots_[slot_of(key, prefix.size())];
    if (keyed && slot.bound && slot.key == key && slot.length == prefix.size()) return slot.bound;
    const auto found = scopes_.find(prefix);
    if (found == scopes_.end()) return nullptr;
    if (keyed) slot = {key, prefix.size(), &found->second};
    return &found->second;
}

// One pass over the prefix, gathering its first bytes as the key.
XmlName XmlPrefixes::resolve(const char *qualified, bool is_element) const {
    uint64_t key = 0;
    size_t n = 0;
    for (; qualified[n] && qualified[n] != ':'; ++n)
        if (n < kKeyBytes) key |= uint64_t{static_cast<unsigned char>(qualified[n])} << (8 * n);
    if (!qualified[n]) {
        const std::string_view local(qualified, n);
        if (!is_element || default_->empty()) return {Ns::None, local};
        return {default_->back(), local};
    }
    const std::vector<Ns> *scope = scope_of({qualified, n}, key);
    if (!scope || scope->empty()) unbound();
    return {scope->back(), std::string_view(qualified + n + 1)};
}

XmlName XmlPrefixes::element(const char *qualified) const { return resolve(qualified, true); }
XmlName XmlPrefixes::attribute(const char *qualified) const { return resolve(qualified, false); }

}  // namespace qrv::import
