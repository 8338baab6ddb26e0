#include "core_properties.hpp"

#include "../core/error.hpp"

namespace qrv::import {
namespace {

constexpr size_t kLongestValue = 4096;

constexpr PropertyElement kElements[] = {
    {Ns::DublinCore, "title", CoreProperty::Title},
    {Ns::DublinCore, "subject", CoreProperty::Subject},
    {Ns::DublinCore, "creator", CoreProperty::Author},
    {Ns::CoreProperties, "keywords", CoreProperty::Keywords},
    {Ns::DublinCore, "description", CoreProperty::Description},
    {Ns::CoreProperties, "lastModifiedBy", CoreProperty::LastAuthor},
    {Ns::DublinCoreTerms, "created", CoreProperty::Created},
    {Ns::DublinCoreTerms, "modified", CoreProperty::Modified},
};

}  // namespace

void PropertiesReader::start(const XmlName &name, const XmlAttributes &) {
    current_.reset();
    value_.clear();
    for (const PropertyElement &e : elements_)
        if (name.is(e.ns, e.local)) current_ = e.property;
}

void PropertiesReader::end(const XmlName &) {
    const std::optional<CoreProperty> ended = current_;
    current_.reset();
    if (!ended || value_.empty()) return;
    for (auto &[property, value] : read_) {
        if (property != *ended) continue;
        value += ", " + value_;
        return;
    }
    read_.emplace_back(*ended, value_);
}

void PropertiesReader::text(std::string_view chars) {
    if (current_ && value_.size() < kLongestValue) value_ += chars;
}

std::vector<std::pair<CoreProperty, std::string>> read_core_properties(Package &package) {
    std::vector<std::pair<CoreProperty, std::string>> out;
    const Relationship *r = package.first_of_type("", "core-properties");
    const std::string part = r && !r->external ? r->target : "docProps/core.xml";
    if (!package.has(part)) return out;
    try {
        PropertiesReader reader(kElements);
        package.read(part, reader);
        out = reader.properties();
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        package.diagnostics().warn(std::string(e.what()) + "; the document properties are left out");
        out.clear();
    }
    return out;
}

}  // namespace qrv::import
