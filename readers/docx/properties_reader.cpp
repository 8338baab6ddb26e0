#include "properties_reader.hpp"

#include "package/core_properties.hpp"
#include "package/optional_part.hpp"
#include "package/xml_space.hpp"

namespace qrv::import::docx {
namespace {

// Texts of the core and extended property elements and of custom properties.
class PropertiesReader final : public XmlHandler {
public:
    explicit PropertiesReader(textdoc::TextDocument &doc) : doc_(doc) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        text_.clear();
        current_ = nullptr;
        if (name.is(Ns::CustomProperties, "property")) {
            custom_name_ = a.get(Ns::None, "name");
            return;
        }
        for (const auto &e : ooxml_property_elements())
            if (name.is(e.ns, e.local)) current_ = &e;
    }
    void text(std::string_view piece) override {
        if (text_.size() < kLongest) text_.append(piece);
    }
    void end(const XmlName &name) override {
        if (current_)
            doc_.add_property(current_->property, std::string(trimmed_xml_space(text_)));
        else if (name.ns == Ns::DocPropsVTypes && !custom_name_.empty())
            doc_.add_custom_property(custom_name_, std::string(trimmed_xml_space(text_)));
        if (name.is(Ns::CustomProperties, "property")) custom_name_.clear();
        current_ = nullptr;
        text_.clear();
    }

private:
    static constexpr size_t kLongest = 4096;

    textdoc::TextDocument &doc_;
    const PropertyElement *current_ = nullptr;
    std::string custom_name_;
    std::string text_;
};

}  // namespace

void read_document_properties(Package &package, textdoc::TextDocument &doc) {
    for (std::string_view type : {"core-properties", "extended-properties", "custom-properties"}) {
        const Relationship *r = package.first_of_type("", type);
        if (!r || r->external || !package.has(r->target)) continue;
        PropertiesReader reader(doc);
        read_optional_part(package, r->target, reader, "the document properties there are");
    }
}

}  // namespace qrv::import::docx
