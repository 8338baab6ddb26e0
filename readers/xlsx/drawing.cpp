#include "drawing.hpp"

#include <optional>

#include "core/leading_number.hpp"
#include "package/optional_part.hpp"
#include "package/package_charts.hpp"
#include "package/package_pictures.hpp"

namespace qrv::import::xlsx {
namespace {

// A corner of an anchor: a cell and the offset into it (EMU).
struct Corner {
    uint32_t row = 0, column = 0, row_offset = 0, column_offset = 0;
};

// One anchor (<xdr:twoCellAnchor>, <xdr:oneCellAnchor>, <xdr:absoluteAnchor>)
// as its elements come.
struct Anchor {
    Corner from, to;
    bool two_cell = false;
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
        if (name.ns == Ns::SheetDrawing && (name.local == "from" || name.local == "to")) corner_ = nullptr;
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
            anchor_->two_cell = e == "twoCellAnchor";
        } else if (!anchor_) {
            return;
        } else if (e == "from" || e == "to") {
            corner_ = e == "from" ? &anchor_->from : &anchor_->to;
        } else if (corner_ && !field_) {
            field_ = corner_field(e);
        } else if (e == "ext") {
            take_size(a);
        } else if (e == "pic") {
            anchor_->kind = ObjectKind::Picture;
        } else if (e == "cNvPr" && anchor_->name.empty()) {
            anchor_->name = a.get(Ns::None, "name");
            anchor_->description = a.get(Ns::None, "descr");
        }
    }

    uint32_t *corner_field(std::string_view e) const {
        if (e == "row") return &corner_->row;
        if (e == "col") return &corner_->column;
        if (e == "rowOff") return &corner_->row_offset;
        if (e == "colOff") return &corner_->column_offset;
        return nullptr;
    }

    void take_size(const XmlAttributes &a) {
        anchor_->width_pt = points_of_emu(a.get(Ns::None, "cx"));
        anchor_->height_pt = points_of_emu(a.get(Ns::None, "cy"));
    }

    void finish_anchor() {
        Anchor anchor = std::move(*anchor_);
        anchor_.reset();
        if (!anchor.kind) return;
        if (anchor.two_cell && (!anchor.width_pt || !anchor.height_pt) && spanned_ < kMostSpanned) {
            ++spanned_;
            take_spanned_size(anchor);
        }
        ObjectRef object{*anchor.kind, anchor.description, anchor.name, {}, anchor.width_pt, anchor.height_pt};
        if (*anchor.kind == ObjectKind::Picture)
            object.resource = keep_picture_part(package_, pictures_, picture_target(package_, part_, anchor.picture));
        if (*anchor.kind == ObjectKind::Chart)
            object.resource = keep_chart_part(package_, pictures_, picture_target(package_, part_, anchor.chart));
        sheet_.object(anchor.from.row, anchor.from.column, std::move(object));
    }

    // The size the cells between a two-cell anchor's corners show it at,
    // where its frame gives none (Excel leaves a chart's at zero).
    void take_spanned_size(Anchor &anchor) const {
        constexpr int64_t kEmuPerTwip = 635;
        const auto emu = [](uint64_t twips, uint32_t from_offset, uint32_t to_offset) {
            return static_cast<int64_t>(twips) * kEmuPerTwip - from_offset + to_offset;
        };
        const Corner &a = anchor.from, &b = anchor.to;
        if (b.column < a.column || b.row < a.row) return;
        anchor.width_pt = points_of_emu(emu(sheet_.columns_span(a.column, b.column), a.column_offset, b.column_offset));
        anchor.height_pt = points_of_emu(emu(sheet_.rows_span(a.row, b.row), a.row_offset, b.row_offset));
    }

    Package &package_;
    PictureStore &pictures_;
    std::string part_;
    SheetBuilder &sheet_;
    std::optional<Anchor> anchor_;
    // Each size from the cells a pass over the sheet's sizes: the first
    // anchors of a drawing get one, later ones the default size.
    static constexpr int kMostSpanned = 64;
    int spanned_ = 0;
    Corner *corner_ = nullptr;   // the corner being read
    uint32_t *field_ = nullptr;  // the corner's number whose digits come next
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
