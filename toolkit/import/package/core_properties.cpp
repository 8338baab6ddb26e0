#include "core_properties.hpp"

#include "../core/error.hpp"

namespace qrv::import {
namespace {

struct Element {
    Ns ns;
    std::string_view local;
    CoreProperty property;
};

constexpr Element kElements[] = {
    {Ns::DublinCore, "title", CoreProperty::Title},
    {Ns::DublinCore, "subject", CoreProperty::Subject},
    {Ns::DublinCore, "creator", CoreProperty::Author},
    {Ns::CoreProperties, "keywords", CoreProperty::Keywords},
    {Ns::DublinCore, "description", CoreProperty::Description},
    {Ns::CoreProperties, "lastModifiedBy", CoreProperty::LastAuthor},
    {Ns::DublinCoreTerms, "created", CoreProperty::Created},
    {Ns::DublinCoreTerms, "modified", CoreProperty::Modified},
};

class CoreReader final : public XmlHandler {
public:
    explicit CoreReader(std::vector<std::pair<CoreProperty, std::string>> &out) : out_(out) {}
    void start(const XmlName &name, const XmlAttributes &) override {
        current_ = nullptr;
        for (const auto &e : kElements)
            if (name.is(e.ns, e.local)) current_ = &e, value_.clear();
    }
    void end(const XmlName &) override {
        if (current_ && !value_.empty()) out_.emplace_back(current_->property, value_);
        current_ = nullptr;
    }
    void text(std::string_view chars) override {
        if (current_ && value_.size() < 4096) value_ += chars;
    }

private:
    std::vector<std::pair<CoreProperty, std::string>> &out_;
    const Element *current_ = nullptr;
    std::string value_;
};

}  // namespace

std::vector<std::pair<CoreProperty, std::string>> read_core_properties(Package &package) {
    std::vector<std::pair<CoreProperty, std::string>> out;
    const Relationship *r = package.first_of_type("", "core-properties");
    const std::string part = r && !r->external ? r->target : "docProps/core.xml";
    if (!package.has(part)) return out;
    try {
        CoreReader reader(out);
        package.read(part, reader);
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        package.diagnostics().warn(std::string(e.what()) + "; the document properties are left out");
        out.clear();
    }
    return out;
}

}  // namespace qrv::import
