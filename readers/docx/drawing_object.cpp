#include "drawing_object.hpp"

#include "package/package_pictures.hpp"

namespace qrv::import::docx {

using textdoc::ObjectKind;

namespace {

// The graphic data kinds, by the last step of their URI.
struct GraphicKind {
    std::string_view uri_end;
    ObjectKind kind;
};

constexpr GraphicKind kGraphicKinds[] = {
    {"/picture", ObjectKind::Picture},
    {"/chart", ObjectKind::Chart},
    {"/chartex", ObjectKind::Chart},
    {"/diagram", ObjectKind::Other},
};

std::string_view attribute_named(const XmlAttributes &a, std::string_view local) {
    for (const auto &attribute : a)
        if (attribute.name.local == local) return attribute.value;
    return {};
}

}  // namespace

void DrawingObject::take(ObjectKind kind) {
    // A picture wins over a diagram or other object in the same drawing.
    if (!kind_ || *kind_ == ObjectKind::Other) kind_ = kind;
}

void DrawingObject::element(const XmlName &name, const XmlAttributes &a) {
    if (name.is(Ns::WordDrawing, "docPr")) {
        description_ = a.get(Ns::None, "descr");
        if (description_.empty()) description_ = a.get(Ns::None, "title");
        name_ = a.get(Ns::None, "name");
    } else if (name.is(Ns::Drawing, "graphicData")) {
        const std::string_view uri = a.get(Ns::None, "uri");
        for (const auto &g : kGraphicKinds)
            if (uri.ends_with(g.uri_end)) take(g.kind);
    } else if (name.is(Ns::WordDrawing, "extent")) {
        width_pt_ = points_of_emu(a.get(Ns::None, "cx"));
        height_pt_ = points_of_emu(a.get(Ns::None, "cy"));
    } else if (name.is(Ns::Drawing, "blip")) {
        if (picture_.empty()) picture_ = a.get(Ns::Relationships, "embed");
    } else if (name.is(Ns::Chart, "chart")) {
        if (chart_.empty()) chart_ = a.get(Ns::Relationships, "id");
    } else if (name.is(Ns::Picture, "pic")) {
        take(ObjectKind::Picture);
    } else if (name.is(Ns::Vml, "shape")) {
        if (description_.empty()) description_ = a.get(Ns::None, "alt");
    } else if (name.is(Ns::Vml, "imagedata")) {
        take(ObjectKind::Picture);
        if (description_.empty()) description_ = attribute_named(a, "title");
        if (picture_.empty()) picture_ = a.get(Ns::Relationships, "id");
    } else if (name.is(Ns::VmlOffice, "OLEObject")) {
        take(ObjectKind::Other);
    }
}

}  // namespace qrv::import::docx
