#include "shape_tree_reader.hpp"

#include "core/leading_number.hpp"
#include "package/optional_part.hpp"
#include "package/package_charts.hpp"
#include "package/package_pictures.hpp"
#include "diagram_reader.hpp"

namespace qrv::import::pptx {
namespace {

int64_t coordinate(std::string_view text) { return number_or_zero<int64_t>(text); }

bool is_shape(std::string_view local) {
    return local == "sp" || local == "pic" || local == "graphicFrame" || local == "cxnSp";
}

}  // namespace

void ShapeTreeReader::start(const XmlName &name, const XmlAttributes &a) {
    if (skipped_) {
        ++skipped_;
        return;
    }
    if (subtree_.start(name, a)) return;
    if (name.is(Ns::MarkupCompatibility, "Fallback")) {
        skipped_ = 1;
    } else if (name.ns == Ns::Presentation) {
        start_presentation(name, a);
    } else if (name.ns == Ns::Drawing) {
        start_drawing(name, a);
    } else if (shape_) {
        start_graphic_part(name, a);
    }
}

void ShapeTreeReader::start_presentation(const XmlName &name, const XmlAttributes &a) {
    const std::string_view l = name.local;
    if (l == "sld") {
        hidden_ = a.get(Ns::None, "show", "1") == "0" || a.get(Ns::None, "show") == "false";
    } else if (l == "grpSp") {
        push_group();
    } else if (is_shape(l)) {
        shape_.emplace();
        is_chart_ = false;
    } else if (!shape_) {
        if (l == "grpSpPr") in_properties_ = true;
    } else if (l == "ph") {
        shape_->placeholder =
            PlaceholderKey{std::string(a.get(Ns::None, "type", "obj")), placeholder_index(a.get(Ns::None, "idx"))};
    } else if (l == "cNvPr") {
        if (shape_->description.empty()) shape_->description = a.get(Ns::None, "descr");
        if (shape_->name.empty()) shape_->name = a.get(Ns::None, "name");
    } else if (l == "spPr" || l == "xfrm") {
        in_properties_ = true;
    } else if (l == "txBody") {
        const ListStyle inherited =
            inherited_list_style(inheritance_, shape_->placeholder ? &*shape_->placeholder : nullptr);
        reader_ = std::make_unique<TextBodyReader>(context_, inherited, shape_->content);
        subtree_.open(*reader_, name, a);
    }
}

void ShapeTreeReader::start_drawing(const XmlName &name, const XmlAttributes &a) {
    if (shape_ && name.local == "blip" && shape_->picture.empty()) shape_->picture = a.get(Ns::Relationships, "embed");
    if (!in_properties_) {
        if (shape_ && name.local == "tbl") {
            reader_ = std::make_unique<TableReader>(context_, shape_->content);
            subtree_.open(*reader_, name, a);
        }
        return;
    }
    if (name.local == "xfrm" && !shape_) group_frame_.emplace();
    if (!shape_ && group_frame_) {
        const int64_t x = coordinate(a.get(Ns::None, "x")), y = coordinate(a.get(Ns::None, "y"));
        const int64_t cx = coordinate(a.get(Ns::None, "cx")), cy = coordinate(a.get(Ns::None, "cy"));
        if (name.local == "off") group_frame_->x = x, group_frame_->y = y;
        if (name.local == "ext") group_frame_->cx = cx, group_frame_->cy = cy;
        if (name.local == "chOff") group_frame_->child_x = x, group_frame_->child_y = y;
        if (name.local == "chExt") group_frame_->child_cx = cx, group_frame_->child_cy = cy;
        return;
    }
    if (shape_ && name.local == "ext" && !shape_->width_pt) {
        const GroupMapping &m = groups_.empty() ? GroupMapping{} : groups_.back();
        const auto scaled = [](int64_t length, double scale) {
            return points_of_emu(static_cast<int64_t>(static_cast<double>(length) * scale));
        };
        shape_->width_pt = scaled(coordinate(a.get(Ns::None, "cx")), m.scale_x);
        shape_->height_pt = scaled(coordinate(a.get(Ns::None, "cy")), m.scale_y);
    }
    if (shape_ && name.local == "off" && !shape_->at) {
        const GroupMapping &m = groups_.empty() ? GroupMapping{} : groups_.back();
        const double x = static_cast<double>(coordinate(a.get(Ns::None, "x")));
        const double y = static_cast<double>(coordinate(a.get(Ns::None, "y")));
        shape_->at = slides::Position{static_cast<int64_t>(m.scale_y * y + m.shift_y),
                                      static_cast<int64_t>(m.scale_x * x + m.shift_x)};
    }
}

void ShapeTreeReader::start_graphic_part(const XmlName &name, const XmlAttributes &a) {
    if (name.is(Ns::Chart, "chart")) {
        is_chart_ = true;
        if (shape_->chart.empty()) shape_->chart = a.get(Ns::Relationships, "id");
    }
    if (name.is(Ns::Diagram, "relIds")) read_diagram(a.get(Ns::Relationships, "dm"));
}

void ShapeTreeReader::read_diagram(std::string_view data_id) {
    const Relationship *r = data_id.empty() ? nullptr : context_.package.relationship(context_.part, data_id);
    if (!r || r->external || !context_.package.has(r->target)) return;
    PartContext diagram{context_.package, r->target, context_.lists, context_.bodies, 0, context_.pictures};
    DiagramReader reader(diagram, shape_->content);
    read_optional_part(context_.package, r->target, reader, "the SmartArt text there is");
    context_.bodies = diagram.bodies;
}

// The object a shape shows, with its picture or chart kept when it has one.
textdoc::ObjectRef ShapeTreeReader::object_of(textdoc::ObjectKind kind, const Shape &shape) {
    textdoc::ObjectRef object{kind, shape.description, shape.name, {}, shape.width_pt, shape.height_pt};
    if (context_.pictures && kind == textdoc::ObjectKind::Picture)
        object.resource = keep_picture_part(context_.package, *context_.pictures,
                                            picture_target(context_.package, context_.part, shape.picture));
    if (context_.pictures && kind == textdoc::ObjectKind::Chart)
        object.resource = keep_chart_part(context_.package, *context_.pictures,
                                          picture_target(context_.package, context_.part, shape.chart));
    return object;
}

void ShapeTreeReader::push_group() { groups_.push_back(groups_.empty() ? GroupMapping{} : groups_.back()); }

void ShapeTreeReader::end(const XmlName &name) {
    if (skipped_) {
        --skipped_;
        return;
    }
    if (subtree_.end(name)) {
        if (subtree_.closed()) reader_.reset();
        return;
    }
    if (name.is(Ns::Drawing, "xfrm") && group_frame_ && !shape_) {
        const GroupFrame f = *group_frame_;
        group_frame_.reset();
        if (groups_.empty()) return;
        const GroupMapping parent = groups_.size() > 1 ? groups_[groups_.size() - 2] : GroupMapping{};
        const double sx = f.child_cx > 0 ? static_cast<double>(f.cx) / static_cast<double>(f.child_cx) : 1.0;
        const double sy = f.child_cy > 0 ? static_cast<double>(f.cy) / static_cast<double>(f.child_cy) : 1.0;
        GroupMapping &m = groups_.back();
        m.scale_x = parent.scale_x * sx;
        m.scale_y = parent.scale_y * sy;
        m.shift_x = parent.scale_x * (static_cast<double>(f.x) - sx * static_cast<double>(f.child_x)) + parent.shift_x;
        m.shift_y = parent.scale_y * (static_cast<double>(f.y) - sy * static_cast<double>(f.child_y)) + parent.shift_y;
        return;
    }
    if (name.ns != Ns::Presentation) return;
    const std::string_view l = name.local;
    if (l == "spPr" || l == "xfrm" || l == "grpSpPr") {
        in_properties_ = false;
    } else if (l == "grpSp" && !groups_.empty()) {
        groups_.pop_back();
    } else if (shape_ && is_shape(l)) {
        using textdoc::ObjectKind;
        if (l == "pic") return finish_shape(ObjectKind::Picture);
        if (is_chart_) return finish_shape(ObjectKind::Chart);
        finish_shape(std::nullopt);
    }
}

void ShapeTreeReader::finish_shape(std::optional<textdoc::ObjectKind> object) {
    Shape shape = std::move(*shape_);
    shape_.reset();
    if (object) {
        textdoc::Recording alone;
        alone.begin_paragraph({});
        alone.object(object_of(*object, shape));
        alone.end_paragraph();
        shape.content = std::move(alone);
    }
    if (shape.content.empty()) return;
    slides::PlacedShape placed;
    placed.role = shape.placeholder ? role_of(*shape.placeholder) : slides::Role::Free;
    if (shape.at)
        placed.at = *shape.at;
    else if (shape.placeholder)
        placed.at = inherited_position(inheritance_, *shape.placeholder).value_or(slides::Position{});
    placed.content = std::move(shape.content);
    shapes_.push_back(std::move(placed));
}

}  // namespace qrv::import::pptx
