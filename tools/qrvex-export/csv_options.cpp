#include "csv_options.hpp"

#include <qrvfilters.h>

#include <charconv>
#include <sstream>

namespace qrv::tool {
namespace {

constexpr uint32_t kMaxPart = 0xffff;

bool parse_csv_words(const std::string &list, uint32_t &word, std::string &error) {
    std::istringstream words(list);
    for (std::string w; std::getline(words, w, ',');) {
        if (w == "bom")
            word |= QRV_FILTER_CSV_BOM;
        else if (w == "values")
            word |= QRV_FILTER_CSV_VALUES;
        else if (!w.empty())
            return error = "unknown --csv word '" + w + "' (known: bom, values)", false;
    }
    return true;
}

// A separator byte: one ASCII character but a quote or line end, or "tab".
bool parse_separator(const std::string &text, uint32_t &word, std::string &error) {
    const char c = text == "tab" ? '\t' : text.size() == 1 ? text[0] : '\0';
    if (c == '\0' || c == '"' || c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x80)
        return error = "--separator needs one ASCII character or 'tab', not '" + text + "'", false;
    word = (word & ~(0xffu << QRV_FILTER_CSV_SEPARATOR_SHIFT)) |
           (static_cast<uint32_t>(static_cast<unsigned char>(c)) << QRV_FILTER_CSV_SEPARATOR_SHIFT);
    return true;
}

// A sheet or table by its number, or a sheet by its name.
bool parse_part(const std::string &text, Arguments &out, std::string &error) {
    if (text.empty()) return error = "--sheet needs a sheet's number or name", false;
    if (text.find_first_not_of("0123456789") != std::string::npos) return out.sheet_name = text, true;
    uint32_t &word = out.option_word;
    uint32_t part = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), part);
    if (ec != std::errc() || end != text.data() + text.size() || part < 1 || part > kMaxPart)
        return error = "--sheet needs the number of a sheet or table from 1 to " + std::to_string(kMaxPart) +
                       ", not '" + text + "'",
               false;
    word = (word & ((1u << QRV_FILTER_CSV_PART_SHIFT) - 1)) | (part << QRV_FILTER_CSV_PART_SHIFT);
    return true;
}

}  // namespace

bool is_csv_option(const std::string &option) {
    return option == "--csv" || option == "--separator" || option == "--sheet";
}

bool apply_csv_option(const std::string &option, const std::string &value, Arguments &out, std::string &error) {
    if (option == "--csv") return parse_csv_words(value, out.option_word, error);
    if (option == "--separator") return parse_separator(value, out.option_word, error);
    return parse_part(value, out, error);
}

}  // namespace qrv::tool
