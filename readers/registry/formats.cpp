#include "formats.hpp"

#include <qrvim.h>

#include <cctype>
#include <string>

namespace qrv::import {
namespace {

constexpr FormatInfo kFormats[] = {
    {IM_FORMAT_TEXT, "text", "the chunker's text format", "qrvt", import_text},
    {IM_FORMAT_CSV, "csv", "comma- or semicolon-separated values", "csv", import_csv},
    {IM_FORMAT_TSV, "tsv", "tab-separated values", "tsv tab", import_tsv},
    {IM_FORMAT_XLSX, "xlsx", "Office Open XML workbook", "xlsx xlsm xltx xltm", import_xlsx},
    {IM_FORMAT_DOCX, "docx", "Office Open XML document", "docx docm dotx dotm", import_docx},
    {IM_FORMAT_ODS, "ods", "OpenDocument spreadsheet", "ods fods ots", import_ods},
    {IM_FORMAT_ODT, "odt", "OpenDocument text", "odt fodt ott", import_odt},
};

std::string lower(std::string_view s) {
    std::string out(s);
    for (char &c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool word_in(std::string_view word, std::string_view list) {
    while (!list.empty()) {
        const size_t space = list.find(' ');
        if (list.substr(0, space) == word) return true;
        if (space == std::string_view::npos) break;
        list.remove_prefix(space + 1);
    }
    return false;
}

}  // namespace

const FormatInfo *format_info(uint32_t id) {
    for (const auto &f : kFormats)
        if (f.id == id) return &f;
    return nullptr;
}

const FormatInfo *format_named(std::string_view name) {
    const std::string folded = lower(name);
    for (const auto &f : kFormats)
        if (f.name == folded) return &f;
    return format_of_extension(folded);
}

const FormatInfo *format_of_extension(std::string_view extension) {
    const std::string folded = lower(extension);
    if (folded.empty()) return nullptr;
    for (const auto &f : kFormats)
        if (word_in(folded, f.extensions)) return &f;
    return nullptr;
}

}  // namespace qrv::import
