#include "styles.hpp"

#include <charconv>
#include <map>

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

struct Xf {
    uint32_t format_id = 0;
    uint32_t font = 0;
    CellAlign align = CellAlign::General;
};

// <numFmts>, <fonts> and <cellXfs>; the lists of <dxfs> and
// <cellStyleXfs> hold the same elements and are passed over.
class StylesReader final : public XmlHandler {
public:
    std::map<uint32_t, std::string> codes;
    std::vector<FontSpec> fonts;
    std::vector<Xf> xfs;

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
            apply_font_property(name, a, fonts.back());
        } else if (l == "cellXfs") {
            in_cell_xfs_ = true;
        } else if (in_cell_xfs_ && l == "xf") {
            xfs.push_back({number_or(a.get(Ns::None, "numFmtId"), 0), number_or(a.get(Ns::None, "fontId"), 0)});
        } else if (in_cell_xfs_ && l == "alignment" && !xfs.empty()) {
            xfs.back().align = align_of(a.get(Ns::None, "horizontal"));
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
        }
    }

private:
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

Styles Styles::read(Package &package, const std::string &part, NumberFormatTable &numbers, Fonts &fonts) {
    Styles styles;
    styles.diagnostics_ = &package.diagnostics();
    if (part.empty() || !package.has(part)) return styles;
    StylesReader reader;
    package.read(part, reader);
    if (!reader.fonts.empty()) fonts.set_base(reader.fonts.front());
    std::map<uint32_t, uint32_t> keys;  // format id -> key
    std::vector<uint32_t> font_formats;
    for (const FontSpec &f : reader.fonts) font_formats.push_back(fonts.format_of(f));
    for (const Xf &xf : reader.xfs) {
        auto key = keys.find(xf.format_id);
        if (key == keys.end()) {
            auto code = reader.codes.find(xf.format_id);
            const uint32_t k =
                code != reader.codes.end() ? numbers.key_of_code(code->second) : numbers.key_of_builtin(xf.format_id);
            key = keys.emplace(xf.format_id, k).first;
        }
        CellLook look;
        look.format_key = key->second;
        look.char_format = xf.font < font_formats.size() ? font_formats[xf.font] : 0;
        look.align = xf.align;
        styles.looks_.push_back(look);
    }
    return styles;
}

}  // namespace qrv::import::xlsx
