#include "styles.hpp"

#include <charconv>
#include <map>

#include "package/xml_boolean.hpp"
#include "cell_frames.hpp"

namespace qrv::import::xlsx {
namespace {

uint32_t number_or(std::string_view text, uint32_t fallback) {
    uint32_t n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    return ec == std::errc() && end == text.data() + text.size() ? n : fallback;
}

CellAlign align_of(std::string_view horizontal) {
    if (horizontal == "left") return CellAlign::Left;
    if (horizontal == "center" || horizontal == "centerContinuous") return CellAlign::Centre;
    if (horizontal == "right") return CellAlign::Right;
    if (horizontal == "justify" || horizontal == "distributed") return CellAlign::Justify;
    return CellAlign::General;
}

uint8_t vertical_of(std::string_view vertical) {
    if (vertical == "top") return model::kAlignTop;
    if (vertical == "center" || vertical == "justify" || vertical == "distributed") return model::kAlignMiddle;
    return model::kAlignBottom;
}

// <numFmts>, <fonts> and <cellXfs>; the lists of <dxfs> and
// <cellStyleXfs> hold the same elements and are passed over.
class StylesReader final : public XmlHandler {
public:
    explicit StylesReader(const Theme &theme) : fills(theme), borders(theme), theme_(theme) {}
    std::map<uint32_t, std::string> codes;
    std::vector<FontSpec> fonts;
    FillReader fills;
    BorderReader borders;
    std::vector<XfSpec> xfs;

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.ns != Ns::Spreadsheet) return;
        const std::string_view l = name.local;
        if (l == "dxfs" || l == "cellStyleXfs" || l == "extLst") ++skipped_;
        if (skipped_) return;
        if (l == "numFmt") {
            codes[number_or(a.get(Ns::None, "numFmtId"), 0)] = a.get(Ns::None, "formatCode");
        } else if (l == "font") {
            fonts.emplace_back(), in_font_ = true;
        } else if (in_font_) {
            // The colours of the workbook's own theme.
            if (apply_font_property(name, a, fonts.back()) && l == "color")
                fonts.back().colour = font_colour_of(a, theme_);
        } else if (fills.start(l, a) || borders.start(l, a)) {
        } else if (l == "cellXfs") {
            in_cell_xfs_ = true;
        } else if (in_cell_xfs_ && l == "xf") {
            xfs.push_back({number_or(a.get(Ns::None, "numFmtId"), 0), number_or(a.get(Ns::None, "fontId"), 0),
                           number_or(a.get(Ns::None, "fillId"), 0), number_or(a.get(Ns::None, "borderId"), 0)});
        } else if (in_cell_xfs_ && l == "alignment" && !xfs.empty()) {
            xfs.back().align = align_of(a.get(Ns::None, "horizontal"));
            xfs.back().vertical = vertical_of(a.get(Ns::None, "vertical"));
            xfs.back().wraps = xml_true(a.get(Ns::None, "wrapText"));
        }
    }
    void end(const XmlName &name) override {
        if (name.ns != Ns::Spreadsheet) return;
        const std::string_view l = name.local;
        if (l == "dxfs" || l == "cellStyleXfs" || l == "extLst") {
            if (skipped_) --skipped_;
        } else if (l == "font") {
            in_font_ = false;
        } else if (l == "cellXfs") {
            in_cell_xfs_ = false;
        } else {
            fills.end(l);
            borders.end(l);
        }
    }

private:
    const Theme &theme_;
    unsigned skipped_ = 0;
    bool in_font_ = false;
    bool in_cell_xfs_ = false;
};

}  // namespace

const CellLook &Styles::look(uint32_t index) {
    if (index < looks_.size()) return looks_[index];
    // Cells of a workbook without cell formats name format 0 all the same.
    if (!warned_ && diagnostics_ && (index > 0 || !looks_.empty())) {
        warned_ = true;
        diagnostics_->warn("a cell names cell format " + std::to_string(index) + " of " +
                           std::to_string(looks_.size()) + "; such cells are shown plain");
    }
    return plain_;
}

Styles Styles::read(Package &package, const std::string &part, const Theme &theme, NumberFormatTable &numbers,
                    Fonts &fonts) {
    if (part.empty() || !package.has(part)) return build({}, numbers, fonts, package.diagnostics());
    StylesReader reader(theme);
    package.read(part, reader);
    StyleTables tables{std::move(reader.codes), std::move(reader.fonts), reader.fills.colours(),
                       reader.borders.all(), std::move(reader.xfs)};
    return build(tables, numbers, fonts, package.diagnostics());
}

Styles Styles::build(const StyleTables &tables, NumberFormatTable &numbers, Fonts &fonts, Diagnostics &diagnostics) {
    Styles styles;
    styles.diagnostics_ = &diagnostics;
    if (!tables.fonts.empty()) fonts.set_base(tables.fonts.front());
    std::map<uint32_t, uint32_t> keys;  // format id -> key
    std::vector<uint32_t> font_formats;
    for (const FontSpec &f : tables.fonts) font_formats.push_back(fonts.format_of(f));
    for (const XfSpec &xf : tables.xfs) {
        auto key = keys.find(xf.format_id);
        if (key == keys.end()) {
            auto code = tables.codes.find(xf.format_id);
            const uint32_t k =
                code != tables.codes.end() ? numbers.key_of_code(code->second) : numbers.key_of_builtin(xf.format_id);
            key = keys.emplace(xf.format_id, k).first;
        }
        CellLook look;
        look.format_key = key->second;
        look.char_format = xf.font < font_formats.size() ? font_formats[xf.font] : 0;
        look.align = xf.align;
        if (xf.border < tables.borders.size()) look.frame.borders = tables.borders[xf.border];
        look.frame.fill = xf.fill < tables.fills.size() ? tables.fills[xf.fill] : model::kNoFill;
        look.frame.vertical = xf.vertical;
        look.frame.wraps = xf.wraps;
        styles.looks_.push_back(look);
    }
    return styles;
}

}  // namespace qrv::import::xlsx
