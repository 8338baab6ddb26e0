// The styles of an OpenDocument file as read: common styles (styles.xml),
// automatic styles (content.xml), the defaults of each family, font faces
// and data styles.  A style's properties are what it sets itself; those of
// its parents and its family's default come in through resolved().
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/sheet_builder.hpp"
#include "cell_properties.hpp"
#include "data_style.hpp"
#include "font_faces.hpp"
#include "style_family.hpp"
#include "text_properties.hpp"

namespace qrv::import::odf {

struct Style {
    std::string parent;
    std::string data_style;  // style:data-style-name
    TextProperties text;
    std::optional<CellAlign> align;        // fo:text-align of the paragraph properties
    std::optional<uint32_t> column_width;  // twips
    std::optional<bool> displayed;         // table:display of a table
    CellProperties cell;                   // a cell's frame, a row's height

    // Every property not set here takes the one of `parent`.
    void fill_from(const Style &parent);
};

class StyleSheet {
public:
    enum class Origin : uint8_t { kCommon, kAutomatic };

    // A new style (an earlier one of the same name and family is replaced).
    Style &add(Origin origin, Family family, std::string_view name);
    Style &default_of(Family family) { return defaults_[family]; }
    FontFaces &font_faces() { return font_faces_; }
    DataStyle &add_data_style(std::string_view name);

    // The style a name gives: automatic styles first, then common ones.
    const Style *find(Family family, std::string_view name) const;
    // The style with its parents' properties and its family's defaults;
    // the family's defaults alone for a name that is not found.
    Style resolved(Family family, std::string_view name) const;
    const DataStyle *data_style(std::string_view name) const;
    // The family name of a text's font ("" for none).
    std::string font_family(const TextProperties &text) const;

    // Every cell style name, common and automatic.
    template <typename Fn>
    void each_cell_style(Fn &&fn) const {
        for (const auto &origin : styles_)
            for (const auto &[key, style] : origin)
                if (key.first == Family::kTableCell) fn(std::string_view(key.second));
    }

private:
    using Key = std::pair<Family, std::string>;
    struct KeyLess {
        using is_transparent = void;
        bool operator()(const Key &a, const Key &b) const { return a < b; }
        bool operator()(const Key &a, const std::pair<Family, std::string_view> &b) const {
            return a.first != b.first ? a.first < b.first : std::string_view(a.second) < b.second;
        }
        bool operator()(const std::pair<Family, std::string_view> &a, const Key &b) const {
            return a.first != b.first ? a.first < b.first : a.second < std::string_view(b.second);
        }
    };
    std::map<Key, Style, KeyLess> styles_[2];  // by Origin
    std::map<Family, Style> defaults_;
    FontFaces font_faces_;
    std::map<std::string, DataStyle, std::less<>> data_styles_;
};

}  // namespace qrv::import::odf
