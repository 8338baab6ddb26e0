#include "locale_file.hpp"

#include <cstring>
#include <sstream>

namespace qrv::convert {
namespace {

std::string trim(const std::string &s) {
    size_t b = s.find_first_not_of(" \t\r");
    size_t e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool set_char(char &field, const std::string &value) {
    if (value.size() != 1) return false;
    field = value[0];
    return true;
}

bool set_string(char (&field)[8], const std::string &value) {
    if (value.size() >= sizeof field) return false;
    std::memset(field, 0, sizeof field);
    std::memcpy(field, value.data(), value.size());
    return true;
}

bool set_flag(uint8_t &byte, uint8_t bit, const std::string &value) {
    if (value != "0" && value != "1") return false;
    byte = static_cast<uint8_t>(value == "1" ? (byte | bit) : (byte & ~bit));
    return true;
}

bool set_order(uint16_t &order, const std::string &value) {
    if (value == "dmy")
        order = 1;
    else if (value == "ymd")
        order = 2;
    else if (value == "mdy")
        order = 0;
    else
        return false;
    return true;
}

bool apply(const std::string &key, const std::string &value, FUIntlSettings &s) {
    if (key == "decimal") return set_char(s.DecimalSeparator, value);
    if (key == "thousands") return set_char(s.ThousandsSeparator, value);
    if (key == "date") return set_char(s.DateSeparator, value);
    if (key == "time") return set_char(s.TimeSeparator, value);
    if (key == "currency") return set_string(s.CurrencySymbol, value);
    if (key == "am") return set_string(s.MorningDesignator, value);
    if (key == "pm") return set_string(s.AfternoonDesignator, value);
    if (key == "currency-before") return set_flag(s.CurrencyPlacement, 0x1, value);
    if (key == "currency-space") return set_flag(s.CurrencyPlacement, 0x2, value);
    if (key == "order") return set_order(s.DateOrder, value);
    return false;
}

}  // namespace

FUIntlSettings default_settings() {
    FUIntlSettings s{};
    s.DecimalSeparator = '.';
    s.ThousandsSeparator = ',';
    s.DateSeparator = '/';
    s.TimeSeparator = ':';
    set_string(s.CurrencySymbol, "$");
    set_string(s.MorningDesignator, "AM");
    set_string(s.AfternoonDesignator, "PM");
    s.CurrencyPlacement = 0x1;
    s.DateOrder = 0;
    return s;
}

bool apply_locale_text(const std::string &text, FUIntlSettings &settings, std::string &error) {
    std::istringstream lines(text);
    unsigned number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        line = trim(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        size_t eq = line.find('=');
        std::string key = eq == std::string::npos ? line : trim(line.substr(0, eq));
        std::string value = eq == std::string::npos ? "" : trim(line.substr(eq + 1));
        if (eq == std::string::npos || !apply(key, value, settings)) {
            error = "line " + std::to_string(number) + ": cannot use '" + line + "'";
            return false;
        }
    }
    return true;
}

}  // namespace qrv::convert
