#include "csv_fields.hpp"

namespace qrv::filters::csv {

void write_field(Output &out, std::string_view text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void write_row(Output &out, const std::vector<std::string> &fields, char separator) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) out += separator;
        write_field(out, fields[i], separator);
    }
    out += "\r\n";
}

}  // namespace qrv::filters::csv
