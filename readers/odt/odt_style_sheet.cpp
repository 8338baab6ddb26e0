#include "odt_style_sheet.hpp"

#include "odf/style_chain.hpp"

namespace qrv::import::odf {

std::string text_style_key(std::string_view name) { return name.empty() ? std::string() : "text:" + std::string(name); }

void OdtStyleSheet::add_paragraph_style(std::string name, std::string parent, std::optional<std::string> list_style) {
    common_paragraphs_[std::move(name)] = {std::move(parent), std::move(list_style)};
}

void OdtStyleSheet::add_automatic_paragraph(std::string name, StyleUse use, std::optional<std::string> list_style) {
    automatic_paragraphs_[std::move(name)] = {std::move(use), std::move(list_style)};
}

void OdtStyleSheet::add_automatic_text(std::string name, StyleUse use) {
    automatic_texts_[std::move(name)] = std::move(use);
}

StyleUse OdtStyleSheet::paragraph(std::string_view style_name) const {
    if (auto found = automatic_paragraphs_.find(style_name); found != automatic_paragraphs_.end())
        return found->second.use;
    return StyleUse{std::string(style_name), {}, {}};
}

StyleUse OdtStyleSheet::span(std::string_view style_name) const {
    if (auto found = automatic_texts_.find(style_name); found != automatic_texts_.end()) return found->second;
    return StyleUse{text_style_key(style_name), {}, {}};
}

std::string OdtStyleSheet::list_style_of(std::string_view paragraph_style) const {
    std::string_view name = paragraph_style;
    if (auto found = automatic_paragraphs_.find(name); found != automatic_paragraphs_.end()) {
        if (found->second.list_style) return *found->second.list_style;
        name = found->second.use.style;
    }
    std::string list_style;
    const auto parent_of = [this](const CommonParagraph &child) { return common_paragraph(child.parent); };
    walk_style_chain(common_paragraph(name), parent_of, [&list_style](const CommonParagraph &ancestor) {
        if (ancestor.list_style) list_style = *ancestor.list_style;
        return ancestor.list_style.has_value();
    });
    return list_style;
}

const OdtStyleSheet::CommonParagraph *OdtStyleSheet::common_paragraph(std::string_view name) const {
    if (name.empty()) return nullptr;
    auto found = common_paragraphs_.find(name);
    return found == common_paragraphs_.end() ? nullptr : &found->second;
}

int32_t OdtStyleSheet::column_width(std::string_view name) const {
    auto found = column_widths_.find(name);
    return found == column_widths_.end() ? 0 : found->second;
}

int32_t OdtStyleSheet::row_height(std::string_view name) const {
    auto found = row_heights_.find(name);
    return found == row_heights_.end() ? 0 : found->second;
}

const textdoc::ListDefinition *OdtStyleSheet::list_style(std::string_view name) const {
    auto found = lists_.find(name);
    return found == lists_.end() ? nullptr : &found->second;
}

}  // namespace qrv::import::odf
