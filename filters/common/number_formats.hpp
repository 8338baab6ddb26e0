// Cell values as text: stored data values shown through the document's
// number format definitions, compiled once and kept in a block cache.
#pragma once

#include <qrvch.h>
#include <qrvex/cache.h>
#include <qrvex/memory.h>

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "chars.hpp"
#include "format_code.hpp"

namespace qrv::filters {

// The storage records of data values (store 17), read a batch at a time.
class ValueRecords {
public:
    using Record = std::array<uint8_t, 16>;
    explicit ValueRecords(CHHandle h);
    // As CHGetItem(h, CH_STORE_DATA_VALUES, number, &record, nullptr) == 0.
    bool read(uint32_t number, Record &record);

private:
    bool load(uint32_t number);

    CHHandle chunker_;
    uint32_t total_ = 0;
    std::vector<Record> batch_;
    uint32_t first_ = 0;
    uint32_t count_ = 0;
};

class NumberFormats {
public:
    static constexpr uint32_t kNoKey = 0xffffffffu;

    NumberFormats(CHHandle h, uint32_t hOptions);
    ~NumberFormats();
    NumberFormats(const NumberFormats &) = delete;
    NumberFormats &operator=(const NumberFormats &) = delete;

    // The value of a data value item, as FUDataVal gives it.
    double value_of(const CHItem &item);

    // UTF-8 text of a data value item under the format definition listed
    // with key format_key (kGeneralFormatKey: general); the view holds until
    // the next call.  A format that gives its text a colour puts it
    // (0x00RRGGBB) in *colour; otherwise *colour is left as it is.
    std::string_view show(const CHItem &item, uint32_t format_key, uint32_t *colour = nullptr);

    // What the format definition listed with format_key shows values as
    // (its kind and code), read once per key; the reference holds as long
    // as this object.
    const FormatDescription &describe(uint32_t format_key);

    // Dates of the cells that follow count from 1904 (else from 1900).
    void set_date1904(bool on);

private:
    uint32_t definition(uint32_t format_key);
    FormatDescription read_description(uint32_t format_key);

    CHHandle chunker_;
    uint32_t options_;
    MUContext memory_{};
    MUCache cache_{};
    ValueRecords values_;
    std::map<uint32_t, uint32_t> definitions_;  // format key -> first item of its definition
    uint32_t last_key_;                         // the key asked last, and its definition
    uint32_t last_definition_;
    std::map<uint32_t, FormatDescription> descriptions_;  // by format key
    uint32_t last_described_ = kNoKey;
    const FormatDescription *last_description_ = nullptr;
    uint32_t day_base_;
    uint32_t date_flags_;
    Utf8Scratch shown_;
};

}  // namespace qrv::filters
