#include "meta_properties.hpp"

namespace qrv::import::odf {
namespace {

constexpr size_t kLongestValue = 4096;

struct Element {
    Ns ns;
    std::string_view local;
    CoreProperty property;
};

// dc:creator is the last person who changed the document; the first is
// meta:initial-creator.
constexpr Element kElements[] = {
    {Ns::DublinCore, "title", CoreProperty::Title},
    {Ns::DublinCore, "subject", CoreProperty::Subject},
    {Ns::Meta, "initial-creator", CoreProperty::Author},
    {Ns::Meta, "keyword", CoreProperty::Keywords},
    {Ns::DublinCore, "description", CoreProperty::Description},
    {Ns::DublinCore, "creator", CoreProperty::LastAuthor},
    {Ns::Meta, "creation-date", CoreProperty::Created},
    {Ns::DublinCore, "date", CoreProperty::Modified},
};

}  // namespace

void MetaReader::start(const XmlName &name, const XmlAttributes &) {
    current_.reset();
    value_.clear();
    for (const Element &e : kElements)
        if (name.is(e.ns, e.local)) current_ = e.property;
}

void MetaReader::end(const XmlName &) {
    const std::optional<CoreProperty> ended = current_;
    current_.reset();
    if (!ended || value_.empty()) return;
    for (auto &[property, value] : read_) {
        if (property != *ended) continue;
        // Several keywords make one list; any other property is given once.
        if (property == CoreProperty::Keywords) value += ", " + value_;
        return;
    }
    read_.emplace_back(*ended, value_);
}

void MetaReader::text(std::string_view chars) {
    if (current_ && value_.size() < kLongestValue) value_ += chars;
}

std::vector<std::pair<CoreProperty, std::string>> MetaReader::properties() const { return read_; }

}  // namespace qrv::import::odf
