// The table of output formats: each one's name, the file extensions that
// ask for it, its MIME type and its writer.  A host picks the writer by
// name or by the extension of the file it writes; adding an output is one
// line here and the writer's own folder.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qrv::filters {

// How an output is written: by the export filter registered with QRVFA
// under filter_output (QRV_OUTPUT_*), or, where filter_output is 0, as the
// document's items in the chunker's text format (no filter runs).
struct OutputWriter {
    uint32_t filter_output;
    uint32_t (*register_filter)();  // null for the items
};

struct OutputFormat {
    std::string_view name;         // "html", as --format names it
    std::string_view description;  // "an HTML5 page"
    std::string_view extensions;   // "html htm": the first is the one a batch gives its files
    std::string_view mime_type;    // "text/html"
    OutputWriter writer;

    bool writes_items() const { return writer.filter_output == 0; }
    std::string_view main_extension() const { return extensions.substr(0, extensions.find(' ')); }
};

// Every output format; the first is the default.
std::span<const OutputFormat> output_formats();
const OutputFormat &default_output();

// The format of a name, case ignored, or null.
const OutputFormat *output_named(std::string_view name);

// The format a file's name asks for by its extension: the default for
// standard output ("" or "-") and for a name without an extension, null
// for an extension no format writes.
const OutputFormat *output_for_path(std::string_view path);

// ".html .htm" from "html htm".
std::string dotted_extensions(std::string_view extensions);

// "html, text or items"; ".html .htm (html), .txt (text), .qrvt (items)".
std::string output_name_choices();
std::string output_extension_choices();

}  // namespace qrv::filters
