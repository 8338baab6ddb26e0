// The definitions of a word-processing document, gathered before its body:
// document defaults, paragraph and character styles with their based-on
// chains, lists, and document properties.  An importer fills one from its
// format's parts in any order, then calls resolve(), which numbers the
// styles and lists for the chunker, cuts based-on cycles, and works out each
// style's formatting along its chain.  ItemWriter then writes the
// definitions and the body into items.
#pragma once

#include <qrvmodel/properties.hpp>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "writer/diagnostics.hpp"
#include "list_definitions.hpp"
#include "text_formats.hpp"

namespace qrv::import::textdoc {

enum class StyleKind : uint8_t { Paragraph, Character, Table, Numbering };

// A paragraph's place in a list: the list's key and the 0-based level.  A
// field left empty comes from the style; a list key of "" takes the
// paragraph out of the list its style gives.
struct ListRef {
    std::optional<std::string> list;
    std::optional<unsigned> level;

    bool operator==(const ListRef &) const = default;
};

struct StyleDefinition {
    std::string key;     // the name the document refers to it by
    std::string name;    // shown name ("heading 1", "Title")
    std::string parent;  // key of the style it is based on, "" for none
    StyleKind kind = StyleKind::Paragraph;
    bool is_default = false;  // the default style of its kind
    ParaFormat para;
    CharFormat chars;
    ListRef list;
};

// A style once resolved: its formatting along the chain (not including the
// document defaults), and its numbers for the chunker.
struct ResolvedStyle {
    uint32_t number = 0;          // style id in the chunker; 0 for a kind not written
    uint32_t parent = kNoParent;  // number of the style it is based on
    StyleKind kind = StyleKind::Paragraph;
    std::string name;
    ParaFormat para;
    CharFormat chars;
    ListRef list;

    static constexpr uint32_t kNoParent = 0xFFFFFFFFu;
};

struct ResolvedList {
    uint32_t number = 0;   // style id of the list style
    uint32_t counter = 0;  // counter id its numbers count on
    ListDefinition definition;
};

// Document properties: the model's ids.
using Property = model::PropertyId;

class TextDocument {
public:
    void set_defaults(const ParaFormat &para, const CharFormat &chars);
    void add_style(StyleDefinition style);
    // Names the default paragraph style when no style said it was one.
    void fall_back_to_default_paragraph_style(std::string_view key);
    void add_list(std::string key, ListDefinition list);
    void add_property(Property id, std::string value);
    void add_custom_property(std::string name, std::string value);
    // The language of the document's text where its properties name none
    // (a word processor's default run language): a language property once
    // resolved.
    void set_default_language(std::string tag) { default_language_ = std::move(tag); }

    // Resolves the definitions; a style based on itself, a cycle, or a
    // parent that does not exist is cut there with a warning.
    void resolve(Diagnostics &diagnostics);

    const ParaFormat &default_para() const { return default_para_; }
    // The document's default character formatting, with the default
    // paragraph style's laid over it once resolved: the page's text.
    const CharFormat &default_chars() const { return default_chars_; }

    // A style by key, of any kind; null when there is none.
    const ResolvedStyle *style(std::string_view key) const;
    // The paragraph style of a paragraph that names key: that style, the
    // default paragraph style, or null.
    const ResolvedStyle *paragraph_style(std::string_view key) const;
    const ResolvedStyle *character_style(std::string_view key) const;
    const ResolvedList *list(std::string_view key) const;

    // The styles written to the chunker, in number order.
    const std::vector<const ResolvedStyle *> &written_styles() const { return written_; }
    const std::map<std::string, ResolvedList, std::less<>> &lists() const { return lists_; }
    const std::vector<std::pair<Property, std::string>> &properties() const { return properties_; }
    const std::vector<std::pair<std::string, std::string>> &custom_properties() const { return custom_; }

private:
    void resolve_style(const std::string &key, Diagnostics &diagnostics);
    std::vector<const StyleDefinition *> chain_of(const std::string &key, Diagnostics &diagnostics) const;

    ParaFormat default_para_;
    CharFormat default_chars_;
    std::map<std::string, StyleDefinition, std::less<>> definitions_;
    std::vector<std::string> order_;  // keys in the order they came
    std::map<std::string, ResolvedStyle, std::less<>> resolved_;
    std::vector<const ResolvedStyle *> written_;
    std::string default_paragraph_, default_character_;
    std::map<std::string, ListDefinition, std::less<>> list_definitions_;
    std::map<std::string, ResolvedList, std::less<>> lists_;
    std::vector<std::pair<Property, std::string>> properties_;
    std::string default_language_;
    void settle_language();
    std::vector<std::pair<std::string, std::string>> custom_;
};

}  // namespace qrv::import::textdoc
