// The lists of an OpenDocument text's body as the text document's lists.
// Each <text:list> at the top starts numbering afresh unless it continues
// another (text:continue-list names the list by its xml:id,
// text:continue-numbering continues the last list of its style), and a
// list item's text:start-value starts over at that value.  A run of lists
// that count on together is one counter; each list style with each of
// its counters (and start values given at an item) is one list of the
// text document, so a body of a thousand bulleted lists makes one list.
//
// The lists must be defined before the body is written: the body is read
// twice, first to learn its lists, then to write them; each reading hands
// the same events to an instance of its own, which gives the same keys.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "textdoc/text_document.hpp"
#include "odt_style_sheet.hpp"

namespace qrv::import::odf {

class ListInstances {
public:
    explicit ListInstances(const OdtStyleSheet &sheet) : sheet_(sheet) {}

    // A list at the top (not inside another list's item).  A list that names
    // no style takes its first paragraph's list style.
    void begin_list(std::string_view style, std::string_view id, bool continue_numbering,
                    std::string_view continue_list);
    // The key of the list that an item's first paragraph at 0-based level
    // belongs to (the outline's for a list that names the outline); "" for
    // a list style the document does not define.
    // paragraph_list_style is the list style the paragraph's own style brings.
    std::string item(unsigned level, std::optional<int32_t> start_value, std::string_view paragraph_list_style);

    // Defines every list the items were given, with its counter.
    void define_lists(textdoc::TextDocument &doc) const;

private:
    struct Instance {
        std::string style;
        std::string counter;
        std::optional<std::pair<unsigned, int32_t>> start;  // level and value given at an item
    };

    void settle_counter();
    std::string new_counter() { return std::to_string(++counters_); }

    const OdtStyleSheet &sheet_;
    std::map<std::string, Instance, std::less<>> instances_;
    std::map<std::string, std::string, std::less<>> counter_of_id_, last_counter_of_style_;
    uint32_t counters_ = 0;
    // The list being read, and how it continues another once its style is
    // known.
    Instance current_;
    bool counter_settled_ = true;
    std::string id_;
    bool continue_numbering_ = false;
    std::string continue_list_;
};

}  // namespace qrv::import::odf
