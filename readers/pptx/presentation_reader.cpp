#include "presentation_reader.hpp"

#include "package/root_check.hpp"

namespace qrv::import::pptx {
namespace {

class SlideListReader final : public XmlHandler {
public:
    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.is(Ns::Presentation, "sldId")) ids.emplace_back(a.get(Ns::Relationships, "id"));
    }
    void end(const XmlName &) override {}

    std::vector<std::string> ids;
};

}  // namespace

std::vector<std::string> slide_parts(Package &package, const std::string &presentation) {
    SlideListReader list;
    RootCheck root(list, Ns::Presentation, "presentation", "PresentationML");
    package.read(presentation, root);
    std::vector<std::string> parts;
    for (const std::string &id : list.ids) {
        const Relationship *r = package.relationship(presentation, id);
        if (!r || r->external)
            package.diagnostics().warn(presentation + ": slide " + id + " points nowhere; it is left out");
        else
            parts.push_back(r->target);
    }
    return parts;
}

}  // namespace qrv::import::pptx
