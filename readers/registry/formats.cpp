#include "formats.hpp"

#include <qrvim.h>

#include <cctype>
#include <string>

namespace qrv::import {

// The readers, one a format (each in its format's folder).
CHHandle import_text(ImportJob &job);
CHHandle import_csv(ImportJob &job);
CHHandle import_tsv(ImportJob &job);
CHHandle import_xlsx(ImportJob &job);
CHHandle import_xlsb(ImportJob &job);
CHHandle import_docx(ImportJob &job);
CHHandle import_ods(ImportJob &job);
CHHandle import_odt(ImportJob &job);
CHHandle import_pptx(ImportJob &job);
CHHandle import_odp(ImportJob &job);
CHHandle import_xls(ImportJob &job);
CHHandle import_rtf(ImportJob &job);
CHHandle import_doc(ImportJob &job);

namespace {

// Binary workbooks come before the XML ones: their content type names the
// same family.
constexpr FormatInfo kFormats[] = {
    {IM_FORMAT_XLSB,
     "xlsb",
     "an Excel binary workbook",
     "xlsb",
     {Container::Zip, "ms-excel.sheet.binary", "xl/workbook.bin", ""},
     import_xlsb},
    {IM_FORMAT_XLSX,
     "xlsx",
     "an Office Open XML workbook",
     "xlsx xlsm xltx xltm",
     {Container::Zip, "spreadsheetml|ms-excel", "xl/workbook.xml", ""},
     import_xlsx},
    {IM_FORMAT_DOCX,
     "docx",
     "an Office Open XML document",
     "docx docm dotx dotm",
     {Container::Zip, "wordprocessingml|ms-word", "word/document.xml", ""},
     import_docx},
    {IM_FORMAT_PPTX,
     "pptx",
     "a PowerPoint presentation",
     "pptx pptm potx ppsx",
     {Container::Zip, "presentationml|ms-powerpoint", "ppt/presentation.xml", ""},
     import_pptx},
    {IM_FORMAT_ODS,
     "ods",
     "an OpenDocument spreadsheet",
     "ods fods ots",
     {Container::Zip, "application/vnd.oasis.opendocument.spreadsheet", "", ""},
     import_ods},
    {IM_FORMAT_ODT,
     "odt",
     "an OpenDocument text",
     "odt fodt ott",
     {Container::Zip, "application/vnd.oasis.opendocument.text", "", ""},
     import_odt},
    {IM_FORMAT_ODP,
     "odp",
     "an OpenDocument presentation",
     "odp fodp otp",
     {Container::Zip, "application/vnd.oasis.opendocument.presentation", "", ""},
     import_odp},
    {IM_FORMAT_AUTO,
     "ppt",
     "a PowerPoint 97-2003 presentation",
     "ppt pps pot",
     {Container::CompoundFile, "", "PowerPoint Document", ""},
     nullptr},
    {IM_FORMAT_DOC,
     "doc",
     "a Word 97-2003 document",
     "doc dot",
     {Container::CompoundFile, "", "WordDocument", ""},
     import_doc},
    {IM_FORMAT_XLS,
     "xls",
     "an Excel 97-2003 workbook",
     "xls xlt",
     {Container::CompoundFile, "", "Workbook|Book", ""},
     import_xls},
    {IM_FORMAT_RTF, "rtf", "a Rich Text Format document", "rtf", {Container::Text, "", "", "{\\rtf"}, import_rtf},
    {IM_FORMAT_TEXT,
     "text",
     "a document in the chunker's text format",
     "qrvt",
     {Container::Text, "", "", ""},
     import_text},
    {IM_FORMAT_CSV, "csv", "comma- or semicolon-separated values", "csv", {Container::Text, "", "", ""}, import_csv},
    {IM_FORMAT_TSV, "tsv", "tab-separated values", "tsv tab", {Container::Text, "", "", ""}, import_tsv},
};

std::string lower(std::string_view s) {
    std::string out(s);
    for (char &c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool names_type(std::string_view fragments, std::string_view type) {
    while (!fragments.empty()) {
        const size_t bar = fragments.find('|');
        if (type.find(fragments.substr(0, bar)) != std::string_view::npos) return true;
        if (bar == std::string_view::npos) break;
        fragments.remove_prefix(bar + 1);
    }
    return false;
}

}  // namespace

std::span<const FormatInfo> formats() { return kFormats; }

bool word_in(std::string_view word, std::string_view list, char separator) {
    while (!list.empty()) {
        const size_t at = list.find(separator);
        if (list.substr(0, at) == word) return true;
        if (at == std::string_view::npos) break;
        list.remove_prefix(at + 1);
    }
    return false;
}

const FormatInfo *format_info(uint32_t id) {
    for (const auto &f : kFormats)
        if (f.id == id && f.import) return &f;
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
        if (word_in(folded, f.extensions, ' ')) return &f;
    return nullptr;
}

const FormatInfo *format_of_media_type(std::string_view type) {
    if (type.empty()) return nullptr;
    for (const auto &f : kFormats)
        if (!f.signature.media_types.empty() && names_type(f.signature.media_types, type)) return &f;
    return nullptr;
}

}  // namespace qrv::import
