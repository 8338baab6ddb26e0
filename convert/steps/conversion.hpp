// The records one conversion holds, and the steps that fill them: import
// the input into a chunker document, make the export options, open the
// document's model.  Each step returns its Outcome; the records are
// released in the right order however the conversion ends.
#pragma once

#include <qrvch.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "atomic_output.hpp"
#include "outcome.hpp"

namespace qrv::convert {

struct Conversion {
    CHHandle chunker = 0;
    uint32_t options = 0, document = 0, sink = 0;
    uint32_t read_flags = 0;  // IM_READ_* asked of the importer
    AtomicOutput file;        // the output file, in its place only once complete
    Conversion() = default;
    Conversion(const Conversion &) = delete;
    Conversion &operator=(const Conversion &) = delete;
    ~Conversion();
};

// The importer's format for a name ("docx"); "" tells it from the content.
Outcome input_format_named(const std::string &name, uint32_t &format);

// On success, warnings holds the importer's warning and note lines.
Outcome import_file(const std::string &path, uint32_t format, Conversion &c, std::string &warnings);
Outcome import_memory(std::string_view bytes, const std::string &name, uint32_t format, Conversion &c,
                      std::string &warnings);

struct DocumentSettings {
    std::string title;        // the page's title where the document gives none; "" for none
    std::string locale_file;  // number and date conventions; "" for the defaults
    // The folder the page refers to for its pictures (picture_files.hpp);
    // "" shows them by name, unless the option word embeds them.
    std::string picture_folder;
};

// "report" for "a/b/report.docx".
std::string title_from_path(const std::string &path);

// The export options from the settings, then the document's model.
Outcome open_document(Conversion &c, const DocumentSettings &settings);

}  // namespace qrv::convert
