// What a w:drawing, w:pict or w:object holds, learnt element by element:
// whether it is a picture, a chart or another object, and its description
// (the alternative text, else its title or name).  Shapes and text boxes
// without a picture are no object; their text is read as a text box.
#pragma once

#include <optional>
#include <string>

#include "package/xml_reader.hpp"
#include "textdoc/text_sink.hpp"

namespace qrv::import::docx {

class DrawingObject {
public:
    void element(const XmlName &name, const XmlAttributes &a);
    // The object to show, if the drawing holds one.
    std::optional<textdoc::ObjectKind> kind() const { return kind_; }
    const std::string &description() const { return description_.empty() ? name_ : description_; }

private:
    void take(textdoc::ObjectKind kind);

    std::optional<textdoc::ObjectKind> kind_;
    std::string description_, name_;
};

}  // namespace qrv::import::docx
