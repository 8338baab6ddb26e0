#include "detect.hpp"

#include <qrvim.h>

#include <algorithm>

#include "cfb/compound_file.hpp"
#include "core/text_sniff.hpp"
#include "detect_package.hpp"
#include "formats.hpp"

namespace qrv::import {
namespace {

constexpr size_t kSniffBytes = 64 * 1024;

Detection found(const FormatInfo &f) {
    if (f.import) return {f.id, 0, {}};
    return {IM_FORMAT_AUTO, IM_ERR_UNSUPPORTED, std::string(f.description) + ", which is not read"};
}

// A package format named by the extension, for packages too damaged to
// look into: its reader then says what is wrong with them.
uint32_t zip_format_of_extension(const Input &input) {
    const FormatInfo *f = format_of_extension(input.extension());
    if (!f || !f->import || f->signature.container != Container::Zip) return IM_FORMAT_AUTO;
    return f->id;
}

Detection detect_package(const Input &input, const Limits &limits) {
    if (const FormatInfo *f = format_of_package(input.bytes(), limits)) return found(*f);
    return {zip_format_of_extension(input), 0, {}};
}

// A stream's name as the compound file's directory spells it (UTF-16).
bool holds_stream(std::span<const uint8_t> bytes, std::string_view name) {
    std::basic_string<uint8_t> wide;
    for (char c : name) wide += {static_cast<uint8_t>(c), uint8_t{0}};
    return std::search(bytes.begin(), bytes.end(), wide.begin(), wide.end()) != bytes.end();
}

// Office's own binary container: legacy workbooks, documents and
// presentations, and the wrapper of every password-protected Office Open
// XML file.
Detection detect_compound_file(const Input &input) {
    const auto bytes = input.bytes();
    if (holds_stream(bytes, "EncryptionInfo"))
        return {IM_FORMAT_AUTO, IM_ERR_ENCRYPTED,
                "the file is encrypted (password-protected); save it without a password to export it"};
    const auto holds = [&](std::string_view stream) { return holds_stream(bytes, stream); };
    if (const FormatInfo *f = format_with_member(Container::CompoundFile, holds)) return found(*f);
    // A directory too damaged to find: the reader the name gives says what is wrong.
    if (const FormatInfo *f = format_of_extension(input.extension()))
        if (f->import && f->signature.container == Container::CompoundFile) return found(*f);
    return {IM_FORMAT_AUTO, IM_ERR_UNSUPPORTED,
            "a binary Office file that is neither an Excel nor a Word 97-2003 file, which is not read; save it as "
            ".xlsx, .docx or .pptx"};
}

// Excel 2.x to 4.x wrote a workbook as a bare stream of records, starting
// with a BOF record of 4 to 16 bytes.
bool looks_like_old_workbook(std::span<const uint8_t> bytes) {
    if (bytes.size() < 8 || bytes[0] != 0x09 || (bytes[1] != 0x00 && bytes[1] != 0x02 && bytes[1] != 0x04))
        return false;
    const unsigned length = bytes[2] | unsigned{bytes[3]} << 8;
    return length >= 4 && length <= 16 && bytes[3] == 0;
}

// A flat OpenDocument file: one XML document whose root names its type.
const FormatInfo *flat_odf_format(std::string_view head) {
    const size_t at = head.find("mimetype=\"application/vnd.oasis.opendocument.");
    if (at == std::string_view::npos || head.substr(0, at).find("document") == std::string_view::npos) return nullptr;
    const size_t quote = head.find('"', at);
    const size_t close = head.find('"', quote + 1);
    if (close == std::string_view::npos) return nullptr;
    return format_of_media_type(head.substr(quote + 1, close - quote - 1));
}

const FormatInfo *format_of_prefix(std::string_view head) {
    for (const FormatInfo &f : formats())
        if (f.signature.container == Container::Text && !f.signature.prefix.empty() &&
            head.starts_with(f.signature.prefix))
            return &f;
    return nullptr;
}

// A text format the name gives (delimited text, the text format), if any.
Detection text_format_of_extension(const Input &input) {
    if (const FormatInfo *f = format_of_extension(input.extension()))
        if (f->import && f->signature.container == Container::Text) return found(*f);
    return {};
}

// Delimited text and the text format have no mark of their own: the name
// breaks the tie, else the content is sniffed.
Detection detect_plain_text(const Input &input, std::string_view head) {
    if (Detection named = text_format_of_extension(input); named.format != IM_FORMAT_AUTO) return named;
    if (looks_like_text_format(head)) return {IM_FORMAT_TEXT, 0, {}};
    switch (sniff_separator(head)) {
    case ',':
    case ';': return {IM_FORMAT_CSV, 0, {}};
    case '\t': return {IM_FORMAT_TSV, 0, {}};
    default: return {};
    }
}

Detection detect_text(const Input &input) {
    const auto bytes = input.bytes();
    // A mark of its own tells a format even where the rest looks binary.
    const std::string_view start(reinterpret_cast<const char *>(bytes.data()), std::min<size_t>(bytes.size(), 64));
    if (const FormatInfo *f = format_of_prefix(start)) return found(*f);
    // Binary bytes under a text format's name: its reader says what they are.
    if (looks_binary(bytes)) return text_format_of_extension(input);
    const std::string head =
        utf8_text(bytes, encoding_of(bytes.first(std::min(bytes.size(), kSniffBytes))), kSniffBytes);
    if (const FormatInfo *f = flat_odf_format(head)) return found(*f);
    return detect_plain_text(input, head);
}

// The end record of a ZIP archive closes the file, but the archive does not
// start it: a self-extracting archive, or a package with bytes put before it.
bool ends_in_zip_archive(std::span<const uint8_t> bytes) {
    constexpr size_t kEndRecord = 22, kLongestComment = 0xFFFF;
    if (bytes.size() < kEndRecord) return false;
    const size_t reach = kEndRecord + kLongestComment;
    const size_t earliest = bytes.size() > reach ? bytes.size() - reach : 0;
    for (size_t at = bytes.size() - kEndRecord + 1; at-- > earliest;) {
        if (bytes[at] != 'P' || bytes[at + 1] != 'K' || bytes[at + 2] != 5 || bytes[at + 3] != 6) continue;
        const size_t comment = bytes[at + 20] | size_t{bytes[at + 21]} << 8;
        if (at + kEndRecord + comment == bytes.size()) return true;
    }
    return false;
}

}  // namespace

bool looks_like_zip(std::span<const uint8_t> bytes) {
    if (bytes.size() < 4 || bytes[0] != 'P' || bytes[1] != 'K') return false;
    return (bytes[2] == 3 && bytes[3] == 4) || (bytes[2] == 5 && bytes[3] == 6) || (bytes[2] == 7 && bytes[3] == 8);
}

Detection detect_format(const Input &input, const Limits &limits) {
    const auto bytes = input.bytes();
    if (looks_like_zip(bytes)) return detect_package(input, limits);
    if (looks_like_compound_file(bytes)) return detect_compound_file(input);
    // The reader takes Excel 3 and 4 worksheets and names what it refuses.
    if (looks_like_old_workbook(bytes)) return found(*format_info(IM_FORMAT_XLS));
    if (ends_in_zip_archive(bytes))
        return {IM_FORMAT_AUTO, IM_ERR_UNSUPPORTED,
                "the file ends in a ZIP archive that other bytes come before (a self-extracting archive?); only an "
                "archive from the file's first byte is read"};
    return detect_text(input);
}

}  // namespace qrv::import
