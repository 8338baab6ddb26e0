#include "format_list.hpp"

#include <qrvim.h>

#include <string_view>
#include <vector>

#include "output_formats.hpp"

namespace qrv::tool {
namespace {

std::string padded(std::string text, size_t width) {
    if (text.size() < width) text.resize(width, ' ');
    return text + " ";
}

std::vector<const IMFormatEntry *> input_entries() {
    std::vector<const IMFormatEntry *> out;
    for (uint32_t i = 0; const IMFormatEntry *e = IMFormatEntryAt(i); ++i) out.push_back(e);
    return out;
}

std::string input_lines() {
    std::string out = "Formats read (told from the content; the extension breaks ties):\n";
    for (const IMFormatEntry *e : input_entries()) {
        const char *refused = e->Format == IM_FORMAT_AUTO ? " (recognised, not read)" : "";
        out += "  " + padded(e->Name, 6) + padded(filters::dotted_extensions(e->Extensions), 24) + e->Description +
               refused + "\n";
    }
    return out;
}

std::string output_lines() {
    std::string out = "Formats written (--format, or the extension of -o):\n";
    for (const filters::OutputFormat &f : filters::output_formats())
        out += "  " + padded(std::string(f.name), 6) + padded(filters::dotted_extensions(f.extensions), 24) +
               padded(std::string(f.mime_type), 12) + std::string(f.description) + "\n";
    return out;
}

}  // namespace

std::string format_list() { return input_lines() + "\n" + output_lines(); }

}  // namespace qrv::tool
