// Delimited text (CSV, TSV): one sheet named after the file, plain numbers
// as numbers in the general format, everything else as text.
#include <charconv>
#include <cmath>
#include <string>
#include <unordered_map>

#include "writer/utf16.hpp"
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

CHHandle import_delimited(ImportJob &job, char separator) {
    const auto bytes = job.input.bytes();
    if (looks_binary(bytes)) broken("the file holds binary data, not delimited text");
    const std::string text = utf8_text(bytes, encoding_of(bytes));
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
    std::string field;
    std::u16string chars;
    std::unordered_map<std::string, uint32_t> repeated;  // texts met before
    uint32_t row = 0, column = 0;
    const CellLook plain;
    while (reader.next(field, row, column)) {
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
        auto [found, added] = repeated.try_emplace(field, 0);
        if (added) {
            chars.clear();
            append_utf16(field, chars);
            found->second = texts.add(chars);
        }
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
