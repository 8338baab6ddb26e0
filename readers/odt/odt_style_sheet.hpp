// What an OpenDocument text's body needs to know of its styles beyond the
// text document's style definitions: automatic styles, which are the
// direct formatting of the paragraphs and spans that name them over a
// common style; which list style a paragraph style brings; the list styles
// and the outline numbering as list definitions; and the widths of table
// columns and heights of rows.
//
// Common paragraph and text styles go to the text document as styles
// (keys: a paragraph style's name, "text:" and a text style's name).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "textdoc/list_definitions.hpp"
#include "textdoc/text_formats.hpp"
#include "odt_style_properties.hpp"

namespace qrv::import::odf {

// The key of the outline's numbering among the text document's lists.
inline constexpr std::string_view kOutlineList = "outline";

// The key a common text style has in the text document.
std::string text_style_key(std::string_view name);

// Formatting that a paragraph or span states through the style it names:
// the common style underneath, and what an automatic style lays over it.
struct StyleUse {
    std::string style;  // key of the common style, "" for none
    textdoc::ParaFormat para;
    textdoc::CharFormat chars;
};

class OdtStyleSheet {
public:
    FontFaces &fonts() { return fonts_; }
    const FontFaces &fonts() const { return fonts_; }

    // A common paragraph style: its parent, and the list style it brings
    // ("" takes its paragraphs out of a list; nothing leaves it to the parent).
    void add_paragraph_style(std::string name, std::string parent, std::optional<std::string> list_style);
    // An automatic paragraph or text style.
    void add_automatic_paragraph(std::string name, StyleUse use, std::optional<std::string> list_style);
    void add_automatic_text(std::string name, StyleUse use);
    void add_column_width(std::string name, int32_t twips) { column_widths_[std::move(name)] = twips; }
    void add_row_height(std::string name, int32_t twips) { row_heights_[std::move(name)] = twips; }
    void add_list_style(std::string name, textdoc::ListDefinition list) { lists_[std::move(name)] = std::move(list); }
    void set_outline(std::string name, textdoc::ListDefinition outline) {
        outline_name_ = std::move(name);
        outline_ = std::move(outline);
    }

    // What a paragraph naming style_name states: an automatic style's
    // formatting over its parent, or the common style by itself.
    StyleUse paragraph(std::string_view style_name) const;
    StyleUse span(std::string_view style_name) const;
    // The list style a paragraph of this style is numbered with, from an
    // automatic style or along the common style's chain; "" for none.
    std::string list_style_of(std::string_view paragraph_style) const;

    int32_t column_width(std::string_view name) const;
    int32_t row_height(std::string_view name) const;
    const std::map<std::string, textdoc::ListDefinition, std::less<>> &list_styles() const { return lists_; }
    const textdoc::ListDefinition *list_style(std::string_view name) const;
    const std::optional<textdoc::ListDefinition> &outline() const { return outline_; }
    // The outline's name, which a list of headings may give as its style.
    const std::string &outline_name() const { return outline_name_; }

private:
    struct CommonParagraph {
        std::string parent;
        std::optional<std::string> list_style;
    };
    struct AutomaticParagraph {
        StyleUse use;
        std::optional<std::string> list_style;
    };

    // The common paragraph style of a name; nullptr for none.
    const CommonParagraph *common_paragraph(std::string_view name) const;

    FontFaces fonts_;
    std::map<std::string, CommonParagraph, std::less<>> common_paragraphs_;
    std::map<std::string, AutomaticParagraph, std::less<>> automatic_paragraphs_;
    std::map<std::string, StyleUse, std::less<>> automatic_texts_;
    std::map<std::string, int32_t, std::less<>> column_widths_, row_heights_;
    std::map<std::string, textdoc::ListDefinition, std::less<>> lists_;
    std::optional<textdoc::ListDefinition> outline_;
    std::string outline_name_;
};

}  // namespace qrv::import::odf
