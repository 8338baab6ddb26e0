// The text of a SmartArt graphic from its data part: each point's text
// (<dgm:pt><dgm:t>) in the order the data model gives them.
#pragma once

#include <optional>

#include "package/xml_subtree.hpp"
#include "text_body_reader.hpp"

namespace qrv::import::pptx {

class DiagramReader final : public XmlHandler {
public:
    DiagramReader(PartContext &context, textdoc::TextSink &out) : context_(context), out_(out) {}

    void start(const XmlName &name, const XmlAttributes &attributes) override {
        if (subtree_.start(name, attributes)) return;
        if (!name.is(Ns::Diagram, "t")) return;
        text_.emplace(context_, ListStyle{}, out_);
        subtree_.open(*text_, name, attributes);
    }
    void end(const XmlName &name) override { subtree_.end(name); }
    void text(std::string_view chars) override { subtree_.text(chars); }

private:
    PartContext &context_;
    textdoc::TextSink &out_;
    std::optional<TextBodyReader> text_;
    XmlSubtree subtree_;
};

}  // namespace qrv::import::pptx
