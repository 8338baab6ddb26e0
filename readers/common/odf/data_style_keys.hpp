// The number format keys of a document's data styles: a style gets its
// definition the first time a cell style names it, which is before the
// first sheet is written.  Date and time cells without a data style show
// in a default date or time format, as spreadsheet programs show them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "numfmt/number_formats.hpp"
#include "style_sheet.hpp"

namespace qrv::import::odf {

class DataStyleKeys {
public:
    struct Entry {
        uint32_t key = 0;                   // 0: the general format
        std::optional<DataStyleKind> kind;  // none: no such data style
    };

    DataStyleKeys(const StyleSheet &styles, NumberFormatTable &numbers) : styles_(styles), numbers_(numbers) {}

    Entry entry_of(std::string_view data_style);
    // "MM/DD/YY" for dates, "HH:MM:SS" for times; 0 for other kinds.
    uint32_t default_key(DataStyleKind kind);

private:
    uint32_t key_of(const DataStyle &style);

    const StyleSheet &styles_;
    NumberFormatTable &numbers_;
    std::map<std::string, Entry, std::less<>> entries_;
    std::map<DataStyleKind, uint32_t> defaults_;
};

}  // namespace qrv::import::odf
