#include "odt_styles_reader.hpp"

#include "writer/utf16.hpp"
#include "textdoc/symbol_fonts.hpp"
#include "odf/attribute_values.hpp"
#include "odt_list_levels.hpp"

namespace qrv::import::odf {
namespace {

using textdoc::StyleKind;

// A style's shown name: its display name, else its name with the
// characters OpenDocument writes as "_20_" (a space) and the like put back.
std::string shown_name(const XmlAttributes &a) {
    if (const auto *display = a.find(Ns::Style, "display-name")) return std::string(*display);
    const std::string_view name = a.get(Ns::Style, "name");
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        const size_t close = name[i] == '_' ? name.find('_', i + 1) : std::string_view::npos;
        uint32_t code = 0;
        if (close != std::string_view::npos && close > i + 1 && close - i <= 7) {
            const std::string_view hex = name.substr(i + 1, close - i - 1);
            if (hex.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos)
                code = static_cast<uint32_t>(std::stoul(std::string(hex), nullptr, 16));
        }
        if (code >= 0x20 && code <= 0x10FFFF) {
            append_utf8(static_cast<char32_t>(code), out);
            i = close;
        } else {
            out += name[i];
        }
    }
    return out;
}

// The levels of an OpenDocument list style.
constexpr size_t kListLevels = 10;

// style:default-outline-level: the 0-based outline level of a heading
// style.
std::optional<unsigned> outline_level_of(const XmlAttributes &a) {
    const uint32_t level = count_of(a.get(Ns::Style, "default-outline-level"), 0);
    if (level == 0) return std::nullopt;
    return std::min(level, textdoc::ParaFormat::kBodyLevel) - 1;
}

}  // namespace

void OdtStylesReader::start(const XmlName &name, const XmlAttributes &a) {
    ++depth_;
    if (depth_ == 1) return start_definition(name, a);
    if (definition_ == Definition::List || definition_ == Definition::Outline) {
        if (depth_ == 2)
            start_list_level(name, a);
        else if (level_ && name.is(Ns::Style, "text-properties"))
            read_text_properties(a, sheet_.fonts(), level_chars_);
        else if (level_)
            read_level_position(name, a, *level_);
        return;
    }
    property(name, a);
}

void OdtStylesReader::end(const XmlName &) {
    if (--depth_ == 0)
        finish_definition();
    else if (depth_ == 1)
        finish_list_level();
}

void OdtStylesReader::start_definition(const XmlName &name, const XmlAttributes &a) {
    definition_ = Definition::None;
    if (name.is(Ns::Style, "font-face")) {
        add_font_face(a, sheet_.fonts());
    } else if (name.is(Ns::Style, "default-style") && a.get(Ns::Style, "family") == "paragraph") {
        definition_ = Definition::Defaults;
        style_ = textdoc::StyleDefinition{};
    } else if (name.is(Ns::Style, "style")) {
        start_style(a);
    } else if (name.is(Ns::Text, "list-style") || name.is(Ns::Text, "outline-style")) {
        definition_ = name.local == "list-style" ? Definition::List : Definition::Outline;
        list_name_ = a.get(Ns::Style, "name");
        list_ = textdoc::ListDefinition{};
        // Levels a list style does not state are decimal; the outline's
        // are not numbered.
        for (size_t level = 0; level < kListLevels; ++level) {
            textdoc::ListLevel &missing = list_.levels.emplace_back();
            if (definition_ == Definition::Outline)
                missing.kind = textdoc::NumberKind::None, missing.text.clear();
            else
                missing.text = level_text("", ".", level, 1);
        }
    }
}

void OdtStylesReader::start_style(const XmlAttributes &a) {
    definition_ = definition_of(family_of(a.get(Ns::Style, "family")));
    const bool text = definition_ == Definition::Text;
    style_ = textdoc::StyleDefinition{};
    name_ = a.get(Ns::Style, "name");
    style_.key = text ? text_style_key(name_) : name_;
    style_.name = shown_name(a);
    style_.parent = text ? text_style_key(a.get(Ns::Style, "parent-style-name"))
                         : std::string(a.get(Ns::Style, "parent-style-name"));
    style_.kind = text ? StyleKind::Character : StyleKind::Paragraph;
    style_.para.outline_level = outline_level_of(a);
    list_style_.reset();
    if (const auto *list = a.find(Ns::Style, "list-style-name")) list_style_ = std::string(*list);
    measure_ = 0;
}

OdtStylesReader::Definition OdtStylesReader::definition_of(Family family) {
    switch (family) {
    case Family::kParagraph: return Definition::Paragraph;
    case Family::kText: return Definition::Text;
    case Family::kTableColumn: return Definition::Column;
    case Family::kTableRow: return Definition::Row;
    default: return Definition::None;
    }
}

// The property elements of a style and the tab stops inside them.
void OdtStylesReader::property(const XmlName &name, const XmlAttributes &a) {
    if (definition_ == Definition::None) return;
    if (name.is(Ns::Style, "text-properties")) {
        read_text_properties(a, sheet_.fonts(), style_.chars);
    } else if (name.is(Ns::Style, "paragraph-properties")) {
        read_paragraph_properties(a, style_.para);
    } else if (name.is(Ns::Style, "tab-stop")) {
        read_tab_stop(a, style_.para);
    } else if (name.is(Ns::Style, "table-column-properties")) {
        measure_ = signed_twips(a.get(Ns::Style, "column-width")).value_or(0);
    } else if (name.is(Ns::Style, "table-row-properties")) {
        const std::string_view height = a.get(Ns::Style, "row-height", a.get(Ns::Style, "min-row-height"));
        measure_ = signed_twips(height).value_or(0);
    }
}

void OdtStylesReader::start_list_level(const XmlName &name, const XmlAttributes &a) {
    const uint32_t number = count_of(a.get(Ns::Text, "level"), 0);
    if (number == 0 || number > list_.levels.size()) return;
    list_.levels[number - 1] = list_level_of(name, a, number - 1);
    level_ = &list_.levels[number - 1];
    level_chars_ = {};
}

// A bullet shows in the font of its level's text properties.
void OdtStylesReader::finish_list_level() {
    if (level_ && level_->kind == textdoc::NumberKind::Bullet)
        level_->text = textdoc::shown_bullet(level_->text, level_chars_.font.value_or(""),
                                             static_cast<size_t>(level_ - list_.levels.data()));
    level_ = nullptr;
}

void OdtStylesReader::finish_definition() {
    switch (definition_) {
    case Definition::None: break;
    case Definition::Defaults: doc_.set_defaults(style_.para, style_.chars); break;
    case Definition::Paragraph:
    case Definition::Text: finish_style(); break;
    case Definition::Column: sheet_.add_column_width(name_, measure_); break;
    case Definition::Row: sheet_.add_row_height(name_, measure_); break;
    case Definition::List:
    case Definition::Outline: finish_list(); break;
    }
    definition_ = Definition::None;
}

void OdtStylesReader::finish_style() {
    const bool paragraph = definition_ == Definition::Paragraph;
    if (origin_ == Origin::Automatic) {
        // An automatic style is the direct formatting of what names it.
        StyleUse use{std::move(style_.parent), std::move(style_.para), std::move(style_.chars)};
        if (paragraph)
            sheet_.add_automatic_paragraph(std::move(name_), std::move(use), std::move(list_style_));
        else
            sheet_.add_automatic_text(std::move(name_), std::move(use));
        return;
    }
    if (paragraph) sheet_.add_paragraph_style(style_.key, style_.parent, std::move(list_style_));
    doc_.add_style(std::move(style_));
}

void OdtStylesReader::finish_list() {
    if (definition_ == Definition::Outline)
        sheet_.set_outline(std::move(list_name_), std::move(list_));
    else if (!list_name_.empty())
        sheet_.add_list_style(std::move(list_name_), std::move(list_));
}

}  // namespace qrv::import::odf
