// What a w:drawing, w:pict or w:object holds, learnt element by element:
// whether it is a picture, a chart or another object, and its description
// (the alternative text, else its title or name), the relationship of its
// picture and the size it is shown at.  Shapes and text boxes
// without a picture are no object; their text is read as a text box.
#pragma once

#include <cstdint>
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
    const std::string &description() const { return description_; }
    const std::string &name() const { return name_; }
    // The id of the relationship that names the picture's part, "" for none.
    const std::string &picture_relationship() const { return picture_; }
    // The id of the relationship that names the chart's part, "" for none.
    const std::string &chart_relationship() const { return chart_; }
    uint32_t width_pt() const { return width_pt_; }
    uint32_t height_pt() const { return height_pt_; }

private:
    void take(textdoc::ObjectKind kind);

    std::optional<textdoc::ObjectKind> kind_;
    std::string description_, name_, picture_, chart_;
    uint32_t width_pt_ = 0, height_pt_ = 0;
};

}  // namespace qrv::import::docx
