#include "output_formats.hpp"

#include <qrvfilters.h>

#include <cctype>
#include <filesystem>

namespace qrv::filters {
namespace {

constexpr OutputFormat kOutputs[] = {
    {"html", "an HTML5 page", "html htm", "text/html", {QRV_OUTPUT_HTML, QRVRegisterHtmlFilter}},
    {"text", "plain text", "txt", "text/plain", {QRV_OUTPUT_TEXT, QRVRegisterTextFilter}},
    {"markdown",
     "GitHub-flavoured Markdown",
     "md markdown",
     "text/markdown",
     {QRV_OUTPUT_MARKDOWN, QRVRegisterMarkdownFilter}},
    {"csv", "one sheet or table as comma-separated values", "csv", "text/csv", {QRV_OUTPUT_CSV, QRVRegisterCsvFilter}},
    {"json",
     "the document as JSON (docs/qrvex-document.schema.json)",
     "json",
     "application/json",
     {QRV_OUTPUT_JSON, QRVRegisterJsonFilter}},
    {"items", "the document's items in the chunker's text format", "qrvt", "text/x-qrvt", {0, nullptr}},
};

std::string lower(std::string_view s) {
    std::string out(s);
    for (char &c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool has_extension(const OutputFormat &f, std::string_view extension) {
    std::string_view list = f.extensions;
    while (!list.empty()) {
        const size_t space = list.find(' ');
        if (list.substr(0, space) == extension) return true;
        if (space == std::string_view::npos) break;
        list.remove_prefix(space + 1);
    }
    return false;
}

}  // namespace

std::string dotted_extensions(std::string_view extensions) {
    std::string out = ".";
    for (char c : extensions) out += c == ' ' ? std::string(" .") : std::string(1, c);
    return out;
}

std::span<const OutputFormat> output_formats() { return kOutputs; }

const OutputFormat &default_output() { return kOutputs[0]; }

const OutputFormat *output_named(std::string_view name) {
    const std::string folded = lower(name);
    for (const auto &f : kOutputs)
        if (f.name == folded) return &f;
    return nullptr;
}

const OutputFormat *output_for_path(std::string_view path) {
    if (path.empty() || path == "-") return &default_output();
    const std::string extension = lower(std::filesystem::path(path).extension().string());
    if (extension.empty()) return &default_output();
    for (const auto &f : kOutputs)
        if (has_extension(f, std::string_view(extension).substr(1))) return &f;
    return nullptr;
}

std::string output_name_choices() {
    std::string out;
    for (size_t i = 0; i < std::size(kOutputs); ++i) {
        if (i) out += i + 1 == std::size(kOutputs) ? " or " : ", ";
        out += kOutputs[i].name;
    }
    return out;
}

std::string output_extension_choices() {
    std::string out;
    for (const auto &f : kOutputs) {
        if (!out.empty()) out += ", ";
        out += dotted_extensions(f.extensions) + " (" + std::string(f.name) + ")";
    }
    return out;
}

}  // namespace qrv::filters
