#include "drawing.hpp"

#include <optional>

#include "core/leading_number.hpp"
#include "package/optional_part.hpp"
#include "package/package_charts.hpp"
#include "package/package_pictures.hpp"

namespace qrv::import::xlsx {
namespace {

// One anchor (<xdr:twoCellAnchor>, <xdr:oneCellAnchor>, <xdr:absoluteAnchor>)
// as its elements come.
struct Anchor {
    uint32_t row = 0, column = 0;
    std::optional<ObjectKind> kind;
    std::string description, name, picture;  // picture: the blip's relationship id
    std::string chart;                       // the chart part's relationship id
    uint32_t width_pt = 0, height_pt = 0;
};

class DrawingReader final : public XmlHandler {
public:
    DrawingReader(Package &package, PictureStore &pictures, std::string part, SheetBuilder &sheet)
        : package_(package), pictures_(pictures), part_(std::move(part)), sheet_(sheet) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.ns == Ns::SheetDrawing) return start_sheet_drawing(name, a);
        if (!anchor_) return;
        if (name.is(Ns::Drawing, "blip") && anchor_->picture.empty()) {
            anchor_->picture = a.get(Ns::Relationships, "embed");
        } else if (name.is(Ns::Drawing, "ext") && !anchor_->width_pt) {
            take_size(a);
        } else if (name.is(Ns::Drawing, "graphicData") && a.get(Ns::None, "uri").ends_with("/chart")) {
            if (!anchor_->kind) anchor_->kind = ObjectKind::Chart;
        } else if (name.is(Ns::Chart, "chart") && anchor_->chart.empty()) {
            anchor_->chart = a.get(Ns::Relationships, "id");
        }
    }
    void end(const XmlName &name) override {
        if (name.ns == Ns::SheetDrawing && is_anchor(name.local) && anchor_) finish_anchor();
        if (name.ns == Ns::SheetDrawing) in_from_ = name.local == "from" ? false : in_from_;
        if (field_) *field_ = number_or_zero<uint32_t>(digits_);
        field_ = nullptr;
        digits_.clear();
    }
    void text(std::string_view piece) override {
        if (field_ && digits_.size() < 16) digits_.append(piece);
    }

private:
    static bool is_anchor(std::string_view e) {
        return e == "twoCellAnchor" || e == "oneCellAnchor" || e == "absoluteAnchor";
    }

    void start_sheet_drawing(const XmlName &name, const XmlAttributes &a) {
        const std::string_view e = name.local;
        if (is_anchor(e)) {
            anchor_.emplace();
        } else if (!anchor_) {
            return;
        } else if (e == "from") {
            in_from_ = true;
        } else if (in_from_ && (e == "row" || e == "col")) {
            field_ = e == "row" ? &anchor_->row : &anchor_->column;
        } else if (e == "ext") {
            take_size(a);
        } else if (e == "pic") {
            anchor_->kind = ObjectKind::Picture;
        } else if (e == "cNvPr" && anchor_->name.empty()) {
            anchor_->name = a.get(Ns::None, "name");
            anchor_->description = a.get(Ns::None, "descr");
        }
    }

    void take_size(const XmlAttributes &a) {
        anchor_->width_pt = points_of_emu(a.get(Ns::None, "cx"));
        anchor_->height_pt = points_of_emu(a.get(Ns::None, "cy"));
    }

    void finish_anchor() {
        Anchor anchor = std::move(*anchor_);
        anchor_.reset();
        if (!anchor.kind) return;
        ObjectRef object{*anchor.kind, anchor.description, anchor.name, {}, anchor.width_pt, anchor.height_pt};
        if (*anchor.kind == ObjectKind::Picture)
            object.resource = keep_picture_part(package_, pictures_, picture_target(package_, part_, anchor.picture));
        if (*anchor.kind == ObjectKind::Chart)
            object.resource = keep_chart_part(package_, pictures_, picture_target(package_, part_, anchor.chart));
        sheet_.object(anchor.row, anchor.column, std::move(object));
    }

    Package &package_;
    PictureStore &pictures_;
    std::string part_;
    SheetBuilder &sheet_;
    std::optional<Anchor> anchor_;
    bool in_from_ = false;
    uint32_t *field_ = nullptr;  // the anchor's row or column whose digits come next
    std::string digits_;
};

}  // namespace

void read_sheet_drawing(Package &package, PictureStore &pictures, const std::string &sheet_part, SheetBuilder &sheet) {
    const Relationship *r = package.first_of_type(sheet_part, "drawing");
    if (!r || r->external || r->target == sheet_part || !package.has(r->target)) return;
    DrawingReader reader(package, pictures, r->target, sheet);
    read_optional_part(package, r->target, reader, "the sheet's pictures and charts are");
}

}  // namespace qrv::import::xlsx
