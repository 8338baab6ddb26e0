// Cell values as text: stored data values shown through the document's
// number format definitions, compiled once and kept in a block cache.
#pragma once

#include <qrvex/cache.h>
#include <qrvex/memory.h>

#include <map>
#include <string>

namespace qrv::filters {

class NumberFormats {
public:
    NumberFormats(CHHandle h, uint32_t hOptions);
    ~NumberFormats();
    NumberFormats(const NumberFormats &) = delete;
    NumberFormats &operator=(const NumberFormats &) = delete;

    // UTF-8 text of the data value item at value_id under the format
    // definition listed with key format_key (kGeneralFormatKey: general).
    // A format that gives its text a colour puts it (0x00RRGGBB) in
    // *colour; otherwise *colour is left as it is.
    std::string show(uint32_t value_id, uint32_t format_key, uint32_t *colour = nullptr);

    // Dates of the cells that follow count from 1904 (else from 1900).
    void set_date1904(bool on);

private:
    uint32_t definition(uint32_t format_key);

    CHHandle chunker_;
    uint32_t options_;
    MUContext memory_{};
    MUCache cache_{};
    std::map<uint32_t, uint32_t> definitions_;
    uint32_t day_base_;
    uint32_t date_flags_;  // format key -> first item of its definition
};

}  // namespace qrv::filters
