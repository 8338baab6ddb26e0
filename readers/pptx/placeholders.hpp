// The placeholders of a slide layout or master, as a slide's placeholder
// inherits from them: where they sit and the list style of their text;
// and the master's text styles for titles, bodies and other shapes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/package.hpp"
#include "slides/slide.hpp"
#include "list_style.hpp"

namespace qrv::import::pptx {

// A placeholder as a shape names it (<p:ph type="body" idx="1"/>).
struct PlaceholderKey {
    std::string type = "obj";  // the type a <p:ph> without one has
    std::optional<uint32_t> index;
};

// The index an idx attribute gives, or nothing when it is not a number.
std::optional<uint32_t> placeholder_index(std::string_view idx);

struct Placeholder {
    PlaceholderKey key;
    std::optional<slides::Position> at;
    ListStyle list;
};

// A layout or a master.  The text styles are the master's.
struct Layer {
    std::vector<Placeholder> placeholders;
    ListStyle title, body, other;
};

// The layout's and the master's layer a slide stands on (null for none).
struct Inheritance {
    const Layer *layout = nullptr;
    const Layer *master = nullptr;
};

slides::Role role_of(const PlaceholderKey &key);

// The list style a shape's text inherits; key is null for a shape that is
// not a placeholder.
ListStyle inherited_list_style(const Inheritance &from, const PlaceholderKey *key);
// Where a placeholder that does not say sits.
std::optional<slides::Position> inherited_position(const Inheritance &from, const PlaceholderKey &key);

// Reads a layout or a master part; a part that is missing or broken
// gives what was read, with a warning.
Layer read_layer(Package &package, const std::string &part);

}  // namespace qrv::import::pptx
