#include "text_document.hpp"

#include <set>

namespace qrv::import::textdoc {
namespace {

bool written_kind(StyleKind kind) { return kind == StyleKind::Paragraph || kind == StyleKind::Character; }

void overlay(ListRef &base, const ListRef &top) {
    if (top.list) base.list = top.list;
    if (top.level) base.level = top.level;
}

}  // namespace

void TextDocument::set_defaults(const ParaFormat &para, const CharFormat &chars) {
    default_para_ = para;
    default_chars_ = chars;
}

void TextDocument::add_style(StyleDefinition style) {
    if (style.key.empty()) return;
    if (!definitions_.contains(style.key)) order_.push_back(style.key);
    if (style.is_default && style.kind == StyleKind::Paragraph && default_paragraph_.empty())
        default_paragraph_ = style.key;
    if (style.is_default && style.kind == StyleKind::Character && default_character_.empty())
        default_character_ = style.key;
    const std::string key = style.key;
    definitions_[key] = std::move(style);
}

void TextDocument::fall_back_to_default_paragraph_style(std::string_view key) {
    if (default_paragraph_.empty()) default_paragraph_ = key;
}

void TextDocument::add_list(std::string key, ListDefinition list) {
    if (list.levels.size() > kMaxListLevels) list.levels.resize(kMaxListLevels);
    if (list.levels.empty()) list.levels.emplace_back();
    list_definitions_[std::move(key)] = std::move(list);
}

void TextDocument::add_property(Property id, std::string value) {
    if (!value.empty()) properties_.emplace_back(id, std::move(value));
}

void TextDocument::add_custom_property(std::string name, std::string value) {
    if (!name.empty()) custom_.emplace_back(std::move(name), std::move(value));
}

// The styles from key up to the first one already resolved (or the root),
// key first.  Parents that are missing or close a cycle are cut, with a
// warning, so that every chain the chunker sees ends.
std::vector<const StyleDefinition *> TextDocument::chain_of(const std::string &key, Diagnostics &diagnostics) const {
    std::vector<const StyleDefinition *> chain;
    std::set<std::string_view> on_path;
    const StyleDefinition *style = &definitions_.find(key)->second;
    for (;;) {
        chain.push_back(style);
        on_path.insert(style->key);
        if (style->parent.empty() || resolved_.contains(style->parent)) break;
        auto parent = definitions_.find(style->parent);
        if (parent == definitions_.end()) {
            diagnostics.note("style '" + style->key + "' is based on '" + style->parent +
                             "', which is not defined; it is taken as based on no style");
            break;
        }
        if (on_path.contains(parent->first)) {
            diagnostics.note("style '" + style->key + "' is based on '" + style->parent +
                             "', which is based on it in turn; the chain is cut there");
            break;
        }
        style = &parent->second;
    }
    return chain;
}

void TextDocument::resolve_style(const std::string &key, Diagnostics &diagnostics) {
    if (resolved_.contains(key)) return;
    const auto chain = chain_of(key, diagnostics);
    // Root first: each style lays its own formatting over its parent's.
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const StyleDefinition &own = **it;
        ResolvedStyle style;
        // The parent is resolved by now unless the chain was cut above it.
        auto parent = own.parent.empty() ? resolved_.end() : resolved_.find(own.parent);
        if (parent != resolved_.end()) {
            style.para = parent->second.para;
            style.chars = parent->second.chars;
            style.list = parent->second.list;
            if (parent->second.number) style.parent = parent->second.number;
        }
        style.kind = own.kind;
        style.name = own.name.empty() ? own.key : own.name;
        overlay(style.para, own.para);
        overlay(style.chars, own.chars);
        overlay(style.list, own.list);
        if (written_kind(own.kind)) style.number = static_cast<uint32_t>(written_.size() + 1);
        auto &placed = resolved_[own.key] = std::move(style);
        if (placed.number) written_.push_back(&placed);
    }
}

void TextDocument::settle_language() {
    if (default_language_.empty()) return;
    for (const auto &[id, value] : properties_)
        if (id == model::kPropertyLanguage) return;
    properties_.emplace_back(model::kPropertyLanguage, std::move(default_language_));
}

void TextDocument::resolve(Diagnostics &diagnostics) {
    settle_language();
    for (const auto &key : order_) resolve_style(key, diagnostics);
    // The text of the default paragraph style is the page's text: what it
    // shows is no change to write.
    if (const ResolvedStyle *body = style(default_paragraph_)) overlay(default_chars_, body->chars);
    std::map<std::string, uint32_t, std::less<>> counters;
    uint32_t next_number = static_cast<uint32_t>(written_.size() + 1);
    uint32_t next_counter = 1;
    for (auto &[key, definition] : list_definitions_) {
        ResolvedList list;
        list.number = next_number++;
        if (definition.counter.empty()) {
            list.counter = next_counter++;
        } else {
            auto [it, added] = counters.emplace(definition.counter, next_counter);
            if (added) ++next_counter;
            list.counter = it->second;
        }
        list.definition = std::move(definition);
        lists_.emplace(key, std::move(list));
    }
    list_definitions_.clear();
}

const ResolvedStyle *TextDocument::style(std::string_view key) const {
    auto found = resolved_.find(key);
    return found == resolved_.end() ? nullptr : &found->second;
}

const ResolvedStyle *TextDocument::paragraph_style(std::string_view key) const {
    const ResolvedStyle *found = style(key);
    if (found && found->kind == StyleKind::Paragraph) return found;
    return style(default_paragraph_);
}

const ResolvedStyle *TextDocument::character_style(std::string_view key) const {
    const ResolvedStyle *found = style(key);
    return found && found->kind == StyleKind::Character ? found : nullptr;
}

const ResolvedList *TextDocument::list(std::string_view key) const {
    auto found = lists_.find(key);
    return found == lists_.end() ? nullptr : &found->second;
}

}  // namespace qrv::import::textdoc
