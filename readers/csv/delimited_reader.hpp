// Fields of delimited text: separators and line ends split fields and
// records; a field in double quotes may hold separators, line ends and
// doubled quotes.  A quote inside an unquoted field is kept as it stands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qrv::import {

class DelimitedReader {
public:
    DelimitedReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    // The next field; false at the end of the text.  row and column say
    // where it stands (0-based).  An unquoted field is a view of the text,
    // a quoted one is unquoted into storage.
    bool next(std::string_view &field, std::string &storage, uint32_t &row, uint32_t &column);
    // The line (1-based) of a quote never closed, which took the rest of the
    // text into its field; 0 when every quote closed.
    size_t unclosed_quote_line() const { return unclosed_quote_line_; }

private:
    void take_quoted(std::string &field);
    void take_plain(std::string &field);
    std::string_view plain_part();
    void end_field();

    std::string_view text_;
    char separator_;
    size_t at_ = 0;
    uint32_t row_ = 0, column_ = 0;
    bool done_ = false;
    size_t unclosed_quote_line_ = 0;
};

// True for text that is a plain decimal number ("-12", "3.5", "1e-3"),
// which delimited text turns into a number.
bool is_plain_number(std::string_view text);

}  // namespace qrv::import
