#include "core_properties.hpp"

#include "core/error.hpp"

namespace qrv::import {
namespace {

constexpr size_t kLongestValue = 4096;

// The standard properties first, in the model's order; then what Word
// adds in the core and the extended properties.
constexpr PropertyElement kElements[] = {
    {Ns::DublinCore, "title", model::kPropertyTitle},
    {Ns::DublinCore, "subject", model::kPropertySubject},
    {Ns::DublinCore, "creator", model::kPropertyAuthor},
    {Ns::CoreProperties, "keywords", model::kPropertyKeywords},
    {Ns::DublinCore, "description", model::kPropertyDescription},
    {Ns::CoreProperties, "lastModifiedBy", model::kPropertyLastAuthor},
    {Ns::DublinCoreTerms, "created", model::kPropertyCreated},
    {Ns::DublinCoreTerms, "modified", model::kPropertyModified},
    {Ns::CoreProperties, "category", model::kPropertyCategory},
    {Ns::CoreProperties, "revision", model::kPropertyRevision},
    {Ns::ExtendedProperties, "Company", model::kPropertyCompany},
    {Ns::ExtendedProperties, "Manager", model::kPropertyManager},
    {Ns::ExtendedProperties, "Application", model::kPropertyApplication},
    {Ns::ExtendedProperties, "Pages", model::kPropertyPages},
    {Ns::ExtendedProperties, "Words", model::kPropertyWords},
    {Ns::ExtendedProperties, "Characters", model::kPropertyCharacters},
    {Ns::DublinCore, "language", model::kPropertyLanguage},
};

}  // namespace

std::span<const PropertyElement> ooxml_property_elements() { return kElements; }

void PropertiesReader::start(const XmlName &name, const XmlAttributes &) {
    current_.reset();
    value_.clear();
    for (const PropertyElement &e : elements_)
        if (name.is(e.ns, e.local)) current_ = e.property;
}

void PropertiesReader::end(const XmlName &) {
    const std::optional<model::PropertyId> ended = current_;
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

std::vector<std::pair<model::PropertyId, std::string>> read_core_properties(Package &package) {
    std::vector<std::pair<model::PropertyId, std::string>> out;
    const Relationship *r = package.first_of_type("", "core-properties");
    const std::string part = r && !r->external ? r->target : "docProps/core.xml";
    if (!package.has(part)) return out;
    try {
        PropertiesReader reader(ooxml_property_elements().first(model::kStandardPropertyCount));
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
