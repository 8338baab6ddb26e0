// The fills (<fills>) and borders (<borders>) of a styles part, which cell
// formats name by index, read into the frames of cells.  A pattern shows as
// one colour: its foreground mixed into its background as densely as the
// pattern draws it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "package/xml_reader.hpp"
#include "sheet/cell_frame.hpp"
#include "theme.hpp"

namespace qrv::import::xlsx {

// Each start() and end() takes the local name of a SpreadsheetML element
// and answers whether it was the reader's.
class FillReader {
public:
    explicit FillReader(const Theme &theme) : theme_(theme) {}
    bool start(std::string_view local, const XmlAttributes &a);
    void end(std::string_view local);
    // The colour of every fill in order.
    std::vector<uint32_t> colours() const;

private:
    struct Fill {
        double density = 0;  // of the foreground: 1 solid, 0 none
        uint32_t foreground = 0x000000, background = 0xFFFFFF;
        bool gradient_colour = false;  // a gradient's first stop gave its colour
        uint32_t colour() const;
    };
    const Theme &theme_;
    std::vector<Fill> fills_;
    bool in_fills_ = false, in_stop_ = false;
};

class BorderReader {
public:
    explicit BorderReader(const Theme &theme) : theme_(theme) {}
    bool start(std::string_view local, const XmlAttributes &a);
    void end(std::string_view local);
    // The borders of every index in order.
    const std::vector<std::array<CellBorder, model::kSideCount>> &all() const { return borders_; }

private:
    const Theme &theme_;
    std::vector<std::array<CellBorder, model::kSideCount>> borders_;
    bool in_borders_ = false;
    int side_ = -1;  // the side element open, or -1
};

}  // namespace qrv::import::xlsx
