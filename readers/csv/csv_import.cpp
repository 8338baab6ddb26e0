// Delimited text (CSV, TSV): one sheet named after the file, plain numbers
// as numbers in the general format, everything else as text.
#include <charconv>
#include <functional>
#include <cmath>
#include <string>
#include <unordered_map>

#include "core/error.hpp"
#include "core/import_job.hpp"
#include "core/text_sniff.hpp"
#include "numfmt/general_keys.hpp"
#include "sheet/sheet_builder.hpp"
#include "delimited_reader.hpp"

namespace qrv::import {
namespace {

std::string sheet_name_of(const std::string &file) {
    const size_t slash = file.find_last_of("/\\");
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name.empty() ? "Sheet1" : name;
}

// Looks texts up by view, without making a string of each field.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// Texts met again share their characters; a text longer than this is
// stored each time it is met, so no copy of it waits as a key.
constexpr size_t kLongestRepeated = 256;

CHHandle import_delimited(ImportJob &job, char separator) {
    const auto bytes = job.input.bytes();
    if (looks_binary(bytes)) broken("the file holds binary data, not delimited text");
    std::string converted;
    const std::string_view text = utf8_text_view(bytes, encoding_of(bytes), converted);
    if (!separator) separator = sniff_separator(text);
    if (!separator) separator = ',';

    DocumentWriter writer(job.limits);
    CharFormatTable formats;
    NumberFormatTable numbers(writer);
    const GeneralNumbers general = general_numbers(numbers);
    TextStore texts(writer);
    SheetBuilder sheet(writer, texts, formats, job.diagnostics);
    sheet.set_name(sheet_name_of(job.input.name()));
    sheet.set_general_numbers(&general);
    DelimitedReader reader(text, separator);
    std::string_view field;
    std::string unquoted;
    std::unordered_map<std::string, uint32_t, TextHash, std::equal_to<>> repeated;  // texts met before
    uint32_t row = 0, column = 0;
    const CellLook plain;
    while (reader.next(field, unquoted, row, column)) {
        if (field.empty()) continue;
        double value = 0;
        if (is_plain_number(field)) {
            const char *begin = field.data() + (field[0] == '+');
            auto [end, ec] = std::from_chars(begin, field.data() + field.size(), value);
            if (ec == std::errc() && std::isfinite(value)) {
                sheet.number(row, column, value, plain);
                continue;
            }
        }
        if (field.size() > kLongestRepeated) {
            sheet.text(row, column, texts.add_utf8(field), plain);
            continue;
        }
        auto found = repeated.find(field);
        if (found == repeated.end()) found = repeated.emplace(std::string(field), texts.add_utf8(field)).first;
        sheet.text(row, column, found->second, plain);
    }
    if (const size_t line = reader.unclosed_quote_line())
        job.diagnostics.warn("the quote opened on line " + std::to_string(line) +
                             " is never closed; its field holds the rest of the file");
    sheet.finish();
    return writer.release();
}

}  // namespace

CHHandle import_csv(ImportJob &job) { return import_delimited(job, 0); }
CHHandle import_tsv(ImportJob &job) { return import_delimited(job, '\t'); }

}  // namespace qrv::import
