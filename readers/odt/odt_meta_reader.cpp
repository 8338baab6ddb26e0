#include "odt_meta_reader.hpp"

#include "odf/meta_properties.hpp"
#include "package/xml_space.hpp"

namespace qrv::import::odf {
namespace {

using textdoc::Property;

constexpr size_t kLongestValue = 4096;

// Attributes of <meta:document-statistic>.
constexpr std::pair<std::string_view, Property> kStatistics[] = {
    {"page-count", model::kPropertyPages},
    {"word-count", model::kPropertyWords},
    {"character-count", model::kPropertyCharacters},
};

}  // namespace

void OdtMetaReader::start(const XmlName &name, const XmlAttributes &a) {
    current_.reset();
    value_.clear();
    if (name.is(Ns::Meta, "user-defined")) {
        in_custom_ = true;
        custom_name_ = a.get(Ns::Meta, "name");
        return;
    }
    if (name.is(Ns::Meta, "document-statistic")) {
        for (const auto &[attribute, property] : kStatistics)
            if (const auto *count = a.find(Ns::Meta, attribute)) doc_.add_property(property, std::string(*count));
        return;
    }
    for (const PropertyElement &e : meta_elements())
        if (name.is(e.ns, e.local)) current_ = e.property;
}

void OdtMetaReader::text(std::string_view chars) {
    if ((current_ || in_custom_) && value_.size() < kLongestValue) value_.append(chars.substr(0, kLongestValue));
}

void OdtMetaReader::end(const XmlName &) {
    if (in_custom_) {
        doc_.add_custom_property(custom_name_, std::string(trimmed_xml_space(value_)));
        in_custom_ = false;
    } else if (current_ == model::kPropertyKeywords) {
        const std::string keyword(trimmed_xml_space(value_));
        if (!keyword.empty()) keywords_ += (keywords_.empty() ? "" : ", ") + keyword;
    } else if (current_) {
        doc_.add_property(*current_, std::string(trimmed_xml_space(value_)));
    }
    current_.reset();
    value_.clear();
}

void OdtMetaReader::finish() {
    if (!keywords_.empty()) doc_.add_property(model::kPropertyKeywords, std::move(keywords_));
    keywords_.clear();
}

}  // namespace qrv::import::odf
