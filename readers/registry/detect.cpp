#include "detect.hpp"

#include <qrvim.h>

#include <algorithm>
#include <array>
#include <cctype>

#include "detect_package.hpp"
#include "formats.hpp"
#include "core/text_sniff.hpp"

namespace qrv::import {
namespace {

constexpr std::array<uint8_t, 8> kCompoundFileMagic = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr size_t kSniffBytes = 64 * 1024;

bool contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }


// A zip-based format named by the extension, for packages too damaged to
// look into: the importer then says what is wrong with them.
uint32_t zip_format_of_extension(const Input &input) {
    const FormatInfo *f = format_of_extension(input.extension());
    if (!f) return IM_FORMAT_AUTO;
    const bool zipped = f->id == IM_FORMAT_XLSX || f->id == IM_FORMAT_DOCX || f->id == IM_FORMAT_ODS ||
                        f->id == IM_FORMAT_ODT;
    return zipped ? f->id : uint32_t{IM_FORMAT_AUTO};
}

Detection detect_package(const Input &input, const Limits &limits) {
    if (uint32_t f = format_of_package(input.bytes(), limits)) return {f, 0, {}};
    return {zip_format_of_extension(input), 0, {}};
}

// Office's own binary container: legacy workbooks and documents, and the
// wrapper of every password-protected Office Open XML file.
Detection detect_compound_file(const Input &input) {
    static constexpr char16_t kEncryptionInfo[] = u"EncryptionInfo";
    const auto bytes = input.bytes();
    const auto *begin = reinterpret_cast<const uint8_t *>(kEncryptionInfo);
    const auto *end = begin + (std::size(kEncryptionInfo) - 1) * 2;
    if (std::search(bytes.begin(), bytes.end(), begin, end) != bytes.end())
        return {IM_FORMAT_AUTO, IM_ERR_ENCRYPTED,
                "the file is encrypted (password-protected); save it without a password to export it"};
    return {IM_FORMAT_AUTO, IM_ERR_UNSUPPORTED,
            "a legacy binary Office file (Excel or Word 97-2003), which is not read; save it as .xlsx or .docx"};
}

// A flat OpenDocument file: one XML document whose root names its type.
uint32_t flat_odf_format(std::string_view head) {
    const size_t at = head.find("mimetype=\"application/vnd.oasis.opendocument.");
    if (at == std::string_view::npos || !contains(head.substr(0, at), "document")) return IM_FORMAT_AUTO;
    const size_t quote = head.find('"', at);
    const size_t close = head.find('"', quote + 1);
    if (close == std::string_view::npos) return IM_FORMAT_AUTO;
    return format_of_odf_media_type(head.substr(quote + 1, close - quote - 1));
}

Detection detect_text(const Input &input) {
    const auto bytes = input.bytes();
    if (looks_binary(bytes)) return {};
    const std::string head = utf8_text(bytes, encoding_of(bytes.first(std::min(bytes.size(), kSniffBytes))),
                                       kSniffBytes);
    if (uint32_t f = flat_odf_format(head)) return {f, 0, {}};
    if (const FormatInfo *f = format_of_extension(input.extension()))
        if (f->id == IM_FORMAT_TEXT || f->id == IM_FORMAT_CSV || f->id == IM_FORMAT_TSV) return {f->id, 0, {}};
    if (looks_like_text_format(head)) return {IM_FORMAT_TEXT, 0, {}};
    switch (sniff_separator(head)) {
    case ',':
    case ';':
        return {IM_FORMAT_CSV, 0, {}};
    case '\t':
        return {IM_FORMAT_TSV, 0, {}};
    default:
        return {};
    }
}

}  // namespace

uint32_t format_of_content_type(std::string_view type) {
    if (contains(type, "spreadsheetml") || contains(type, "ms-excel")) return IM_FORMAT_XLSX;
    if (contains(type, "wordprocessingml") || contains(type, "ms-word")) return IM_FORMAT_DOCX;
    return IM_FORMAT_AUTO;
}

uint32_t format_of_odf_media_type(std::string_view type) {
    if (type.starts_with("application/vnd.oasis.opendocument.spreadsheet")) return IM_FORMAT_ODS;
    if (type.starts_with("application/vnd.oasis.opendocument.text")) return IM_FORMAT_ODT;
    return IM_FORMAT_AUTO;
}

bool looks_like_zip(std::span<const uint8_t> bytes) {
    if (bytes.size() < 4 || bytes[0] != 'P' || bytes[1] != 'K') return false;
    return (bytes[2] == 3 && bytes[3] == 4) || (bytes[2] == 5 && bytes[3] == 6) || (bytes[2] == 7 && bytes[3] == 8);
}

Detection detect_format(const Input &input, const Limits &limits) {
    const auto bytes = input.bytes();
    if (looks_like_zip(bytes)) return detect_package(input, limits);
    if (bytes.size() >= kCompoundFileMagic.size() &&
        std::equal(kCompoundFileMagic.begin(), kCompoundFileMagic.end(), bytes.begin()))
        return detect_compound_file(input);
    return detect_text(input);
}

}  // namespace qrv::import
