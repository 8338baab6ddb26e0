#include "odt_meta_reader.hpp"

#include "package/xml_space.hpp"

namespace qrv::import::odf {
namespace {

using textdoc::Property;

constexpr size_t kLongestValue = 4096;

struct MetaElement {
    Ns ns;
    std::string_view local;
    Property property;
};

// dc:creator is the last person who changed the document; the first is
// meta:initial-creator.
constexpr MetaElement kElements[] = {
    {Ns::DublinCore, "title", Property::Title},
    {Ns::DublinCore, "subject", Property::Subject},
    {Ns::Meta, "initial-creator", Property::Author},
    {Ns::Meta, "keyword", Property::Keywords},
    {Ns::DublinCore, "description", Property::Description},
    {Ns::DublinCore, "creator", Property::LastAuthor},
    {Ns::Meta, "creation-date", Property::Created},
    {Ns::DublinCore, "date", Property::Modified},
    {Ns::Meta, "generator", Property::Application},
    {Ns::Meta, "editing-cycles", Property::Revision},
};

// Attributes of <meta:document-statistic>.
constexpr std::pair<std::string_view, Property> kStatistics[] = {
    {"page-count", Property::Pages},
    {"word-count", Property::Words},
    {"character-count", Property::Characters},
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
    for (const MetaElement &e : kElements)
        if (name.is(e.ns, e.local)) current_ = e.property;
}

void OdtMetaReader::text(std::string_view chars) {
    if ((current_ || in_custom_) && value_.size() < kLongestValue) value_.append(chars.substr(0, kLongestValue));
}

void OdtMetaReader::end(const XmlName &) {
    if (in_custom_) {
        doc_.add_custom_property(custom_name_, trimmed_xml_space(value_));
        in_custom_ = false;
    } else if (current_ == Property::Keywords) {
        const std::string keyword = trimmed_xml_space(value_);
        if (!keyword.empty()) keywords_ += (keywords_.empty() ? "" : ", ") + keyword;
    } else if (current_) {
        doc_.add_property(*current_, trimmed_xml_space(value_));
    }
    current_.reset();
    value_.clear();
}

void OdtMetaReader::finish() {
    if (!keywords_.empty()) doc_.add_property(Property::Keywords, std::move(keywords_));
    keywords_.clear();
}

}  // namespace qrv::import::odf
