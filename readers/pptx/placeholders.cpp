#include "placeholders.hpp"

#include <charconv>

#include "core/leading_number.hpp"
#include "package/optional_part.hpp"
#include "package/xml_subtree.hpp"

namespace qrv::import::pptx {
namespace {

using slides::Role;

bool is_title(std::string_view type) { return type == "title" || type == "ctrTitle"; }

// A master has one placeholder a type: a subtitle or an object takes the
// body's.
std::string_view master_type(std::string_view type) {
    if (is_title(type)) return "title";
    if (type == "dt" || type == "ftr" || type == "sldNum" || type == "hdr") return type;
    return "body";
}

const Placeholder *find_in_layout(const Layer &layer, const PlaceholderKey &key) {
    if (key.index)
        for (const auto &p : layer.placeholders)
            if (p.key.index == key.index) return &p;
    for (const auto &p : layer.placeholders)
        if (p.key.type == key.type) return &p;
    return nullptr;
}

const Placeholder *find_in_master(const Layer &layer, const PlaceholderKey &key) {
    const std::string_view type = master_type(key.type);
    for (const auto &p : layer.placeholders)
        if (master_type(p.key.type) == type) return &p;
    return nullptr;
}

class LayerReader final : public XmlHandler {
public:
    explicit LayerReader(Layer &layer) : layer_(layer) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (subtree_.start(name, a)) return;
        if (name.ns == Ns::Presentation) return start_presentation(name, a);
        if (name.is(Ns::Drawing, "off") && in_shape_properties_ && shape_) {
            shape_->at = slides::Position{coordinate(a.get(Ns::None, "y")), coordinate(a.get(Ns::None, "x"))};
        } else if (name.is(Ns::Drawing, "lstStyle") && shape_) {
            styles_.emplace(shape_->list);
            subtree_.open(*styles_, name, a);
        }
    }
    void end(const XmlName &name) override {
        if (subtree_.end(name)) return;
        if (name.is(Ns::Presentation, "spPr")) in_shape_properties_ = false;
        if (name.is(Ns::Presentation, "sp") && shape_) {
            if (is_placeholder_) layer_.placeholders.push_back(std::move(*shape_));
            shape_.reset();
        }
    }
    void text(std::string_view) override {}

    static int64_t coordinate(std::string_view text) { return number_or_zero<int64_t>(text); }

private:
    void start_presentation(const XmlName &name, const XmlAttributes &a) {
        const std::string_view l = name.local;
        if (l == "sp") {
            shape_.emplace();
            is_placeholder_ = false;
        } else if (l == "ph" && shape_) {
            is_placeholder_ = true;
            shape_->key.type = a.get(Ns::None, "type", "obj");
            shape_->key.index = placeholder_index(a.get(Ns::None, "idx"));
        } else if (l == "spPr") {
            in_shape_properties_ = true;
        } else if (ListStyle *style = text_style(l)) {
            styles_.emplace(*style);
            subtree_.open(*styles_, name, a);
        }
    }
    ListStyle *text_style(std::string_view local) {
        if (local == "titleStyle") return &layer_.title;
        if (local == "bodyStyle") return &layer_.body;
        if (local == "otherStyle") return &layer_.other;
        return nullptr;
    }

    Layer &layer_;
    std::optional<Placeholder> shape_;
    bool is_placeholder_ = false, in_shape_properties_ = false;
    std::optional<ListStyleReader> styles_;
    XmlSubtree subtree_;
};

}  // namespace

std::optional<uint32_t> placeholder_index(std::string_view idx) {
    uint32_t n = 0;
    const auto [end, error] = std::from_chars(idx.data(), idx.data() + idx.size(), n);
    if (error != std::errc() || end == idx.data()) return std::nullopt;
    return n;
}

Role role_of(const PlaceholderKey &key) {
    const std::string_view t = key.type;
    if (is_title(t)) return Role::Title;
    if (t == "subTitle") return Role::Subtitle;
    if (t == "dt" || t == "ftr" || t == "sldNum" || t == "hdr") return Role::Footer;
    return Role::Body;
}

ListStyle inherited_list_style(const Inheritance &from, const PlaceholderKey *key) {
    ListStyle style;
    if (!key) {
        if (from.master) style = from.master->other;
        return style;
    }
    if (from.master) {
        // Footers take no text style of the master's: their own list style alone.
        if (role_of(*key) == Role::Title) style = from.master->title;
        if (role_of(*key) == Role::Body || role_of(*key) == Role::Subtitle) style = from.master->body;
        if (const Placeholder *p = find_in_master(*from.master, *key)) overlay(style, p->list);
    }
    if (from.layout)
        if (const Placeholder *p = find_in_layout(*from.layout, *key)) overlay(style, p->list);
    return style;
}

std::optional<slides::Position> inherited_position(const Inheritance &from, const PlaceholderKey &key) {
    if (from.layout)
        if (const Placeholder *p = find_in_layout(*from.layout, key); p && p->at) return p->at;
    if (from.master)
        if (const Placeholder *p = find_in_master(*from.master, key); p && p->at) return p->at;
    return std::nullopt;
}

Layer read_layer(Package &package, const std::string &part) {
    Layer layer;
    if (!package.has(part)) {
        package.diagnostics().warn(part + ": the part is missing; the slides using it inherit nothing from it");
        return layer;
    }
    LayerReader reader(layer);
    read_optional_part(package, part, reader, "what the slides inherit from it is");
    return layer;
}

}  // namespace qrv::import::pptx
