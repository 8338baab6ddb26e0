// The running header and footer a page shows once: of each kind the first
// that stands on every page, else the first of any pages (a first-page
// header where the document has no other).
#pragma once

#include <optional>
#include <string>

#include "writer.hpp"

namespace qrv::filters {

class RunningTexts {
public:
    void take(const RunningText &running);
    // The text to show, if the document has one.
    const std::string *header() const { return shown(header_); }
    const std::string *footer() const { return shown(footer_); }

private:
    struct Slot {
        std::string text;
        bool taken = false, every_page = false;
    };
    static const std::string *shown(const Slot &slot) { return slot.taken ? &slot.text : nullptr; }

    Slot header_, footer_;
};

}  // namespace qrv::filters
