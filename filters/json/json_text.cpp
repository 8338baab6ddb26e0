#include "json_text.hpp"

namespace qrv::filters::json {

void write_string(Output &out, std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20) {
            out += "\\u00";
            out += kHex[u >> 4];
            out += kHex[u & 0xf];
        } else {
            out += c;
        }
    }
    out += '"';
}

void Nesting::member() {
    if (first_.empty()) return;
    if (!first_.back()) out_ += ',';
    first_.back() = false;
}

void Nesting::open(char bracket) {
    member();
    out_ += bracket;
    first_.push_back(true);
}

void Nesting::key(std::string_view name) {
    member();
    write_string(out_, name);
    out_ += ':';
}

void Nesting::open(std::string_view name, char bracket) {
    key(name);
    out_ += bracket;
    first_.push_back(true);
}

void Nesting::close(char bracket) {
    if (first_.empty()) return;
    out_ += bracket;
    first_.pop_back();
}

}  // namespace qrv::filters::json
