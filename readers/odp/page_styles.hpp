// What an OpenDocument presentation's automatic and common styles say about
// its pages and lists: which page styles hide their page
// (presentation:visibility="hidden"), and the bullet or number of each
// level of each list style, whether a <text:list-style> of its own or one
// inside a graphic or presentation style (an outline's levels); and the
// character formatting of the text and paragraph styles spans and
// paragraphs name.
#pragma once

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "package/xml_reader.hpp"
#include "slides/bullets.hpp"
#include "page_decorations.hpp"
#include "textdoc/text_formats.hpp"

namespace qrv::import::odp {

using Levels = std::array<std::optional<slides::Bullet>, slides::kSlideLevels>;

struct PageStyles {
    std::set<std::string, std::less<>> hidden_pages;
    // Page styles that hide the shapes of their master page
    // (presentation:background-objects-visible="false").
    std::set<std::string, std::less<>> bare_pages;
    // The decorations of their master that page styles show
    // (presentation:display-footer="true" and the rest).
    std::map<std::string, DecorationSet, std::less<>> decorations;
    std::map<std::string, Levels, std::less<>> lists;    // by list style or graphic style name
    std::map<std::string, std::string, std::less<>> parents;  // graphic style to its parent
    // The character formatting of text and paragraph styles
    // (style:text-properties), by style name.
    std::map<std::string, textdoc::CharFormat, std::less<>> text;

    // The levels of a list style, or of a graphic style along its parents.
    const Levels *levels(std::string_view name) const;
    // The character formatting a style names; none for a name not found.
    textdoc::CharFormat chars(std::string_view name) const;
};

// Reads the style regions (automatic and common styles) into PageStyles.
class PageStylesReader final : public XmlHandler {
public:
    explicit PageStylesReader(PageStyles &styles) : styles_(styles) {}
    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;

private:
    void read_decorations(const XmlAttributes &attributes);

    PageStyles &styles_;
    std::string style_;  // the style:style in hand
    Levels *list_ = nullptr;
    std::optional<unsigned> level_;
};

}  // namespace qrv::import::odp
