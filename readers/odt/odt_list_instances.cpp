#include "odt_list_instances.hpp"

namespace qrv::import::odf {

void ListInstances::begin_list(std::string_view style, std::string_view id, bool continue_numbering,
                               std::string_view continue_list) {
    current_ = Instance{std::string(style), {}, std::nullopt};
    id_ = id;
    continue_numbering_ = continue_numbering;
    continue_list_ = continue_list;
    counter_settled_ = false;
    if (!style.empty()) settle_counter();
}

void ListInstances::settle_counter() {
    counter_settled_ = true;
    auto continued = counter_of_id_.find(continue_list_);
    auto last = last_counter_of_style_.find(current_.style);
    if (!continue_list_.empty() && continued != counter_of_id_.end())
        current_.counter = continued->second;
    else if (continue_numbering_ && last != last_counter_of_style_.end())
        current_.counter = last->second;
    else
        current_.counter = new_counter();
    if (!id_.empty()) counter_of_id_[id_] = current_.counter;
}

std::string ListInstances::item(unsigned level, std::optional<int32_t> start_value,
                                std::string_view paragraph_list_style) {
    if (!counter_settled_) {
        current_.style = paragraph_list_style;
        settle_counter();
    }
    if (current_.style.empty()) return {};
    if (!sheet_.list_style(current_.style)) {
        // Headings in a list of the outline's name are numbered by the outline.
        const bool outline = sheet_.outline() && current_.style == sheet_.outline_name();
        return outline ? std::string(kOutlineList) : std::string();
    }
    if (start_value) {
        // Starting over at the top is a new count; deeper, the level starts
        // over under each new item above it anyway.
        if (level == 0) {
            current_.counter = new_counter();
            if (!id_.empty()) counter_of_id_[id_] = current_.counter;
        }
        current_.start = std::make_pair(level, *start_value);
    } else if (current_.start && level < current_.start->first) {
        current_.start.reset();
    }
    last_counter_of_style_[current_.style] = current_.counter;
    std::string key = current_.style + "/" + current_.counter;
    if (current_.start)
        key += "/" + std::to_string(current_.start->first) + ":" + std::to_string(current_.start->second);
    if (!instances_.contains(key)) instances_.emplace(key, current_);
    return key;
}

void ListInstances::define_lists(textdoc::TextDocument &doc) const {
    for (const auto &[key, instance] : instances_) {
        textdoc::ListDefinition list = *sheet_.list_style(instance.style);
        list.counter = "list " + instance.counter;
        if (instance.start) {
            const auto [level, value] = *instance.start;
            if (level < list.levels.size()) list.levels[level].start = value;
        }
        doc.add_list(key, std::move(list));
    }
}

}  // namespace qrv::import::odf
