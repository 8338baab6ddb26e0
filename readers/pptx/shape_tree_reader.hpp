// The shapes of a slide or a notes page (<p:spTree>) into placed shapes:
// text shapes with the list style and position they inherit, group shapes
// flattened (their children placed through the group's transform), tables,
// charts and pictures as objects with their alt text, SmartArt by the text
// of its data part.  Of alternative content only the first choice is read.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "package/xml_subtree.hpp"
#include "placeholders.hpp"
#include "table_reader.hpp"
#include "text_body_reader.hpp"

namespace qrv::import::pptx {

// Group coordinates to slide coordinates: x' = scale_x * x + shift_x.
// (Outside the reader, as GroupFrame: a struct with member initialisers
// nested in a class cannot be default-constructed in place, with
// optional::emplace, by every compiler while that class is being defined.)
struct GroupMapping {
    double scale_x = 1, scale_y = 1, shift_x = 0, shift_y = 0;
};
// A group's <a:xfrm>: where it sits and the child coordinates it maps there.
struct GroupFrame {
    int64_t x = 0, y = 0, cx = 0, cy = 0, child_x = 0, child_y = 0, child_cx = 0, child_cy = 0;
};

// A shape of a slide as it is read (outside the reader, as the two above).
struct SlideShape {
    std::optional<PlaceholderKey> placeholder;
    std::optional<slides::Position> at;
    std::string description, name;
    std::string picture;  // the relationship id of its picture
    std::string chart;    // the relationship id of its chart part
    uint32_t width_pt = 0, height_pt = 0;
    textdoc::Recording content;
};

class ShapeTreeReader final : public XmlHandler {
public:
    ShapeTreeReader(PartContext &context, const Inheritance &inheritance, std::vector<slides::PlacedShape> &shapes)
        : context_(context), inheritance_(inheritance), shapes_(shapes) {}

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override { subtree_.text(chars); }

    // Whether the slide is hidden (<p:sld show="0">).
    bool hidden() const { return hidden_; }

private:
    using Shape = SlideShape;

    void start_presentation(const XmlName &name, const XmlAttributes &attributes);
    void start_drawing(const XmlName &name, const XmlAttributes &attributes);
    void start_graphic_part(const XmlName &name, const XmlAttributes &attributes);
    void read_frame(const XmlName &name, const XmlAttributes &attributes);
    void finish_shape(std::optional<textdoc::ObjectKind> object);
    textdoc::ObjectRef object_of(textdoc::ObjectKind kind, const Shape &shape);
    void push_group();
    void read_diagram(std::string_view data_id);

    PartContext &context_;
    const Inheritance inheritance_;  // two pointers, kept by value: a notes page passes a temporary
    std::vector<slides::PlacedShape> &shapes_;
    bool hidden_ = false;

    std::vector<GroupMapping> groups_;
    std::optional<GroupFrame> group_frame_;  // the group's <a:xfrm> being read
    std::optional<Shape> shape_;
    bool in_properties_ = false;  // <p:spPr>, <p:xfrm> and the like of the shape in hand
    bool is_chart_ = false;
    uint32_t skipped_ = 0;  // inside alternative content passed over: 1 + elements open

    std::unique_ptr<XmlHandler> reader_;
    XmlSubtree subtree_;
};

}  // namespace qrv::import::pptx
