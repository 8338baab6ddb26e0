// The command line of qrvex-export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "output_formats.hpp"

namespace qrv::tool {

// How a page shows pictures (--images).
enum class Images { files, embed, none };

struct Arguments {
    std::string input;                // empty: the built-in sample
    std::vector<std::string> inputs;  // every INPUT in order; more than one only in a batch
    std::string output;               // empty or "-": standard output
    std::string output_dir;           // --output-dir: a batch, each result written there
    bool mirror = false;              // --mirror: a batch keeps the inputs' folders below output_dir
    unsigned jobs = 1;                // --jobs: documents of a batch converted at once
    unsigned timeout = 0;             // --timeout: seconds each document of a batch may take, 0 for no limit
    const filters::OutputFormat *format = &filters::default_output();  // --format, or the output's extension
    bool format_given = false;
    std::string from;          // --from: the input's format by name, empty to tell it
    std::string locale;        // a locale file, empty for the defaults
    uint32_t option_word = 0;  // QRV_FILTER_* bits
    std::string sheet_name;    // --sheet NAME: the CSV output's sheet by its name
    bool quiet = false;
    uint32_t read_flags = 0;  // IM_READ_*: --hidden-slides
    Images images = Images::files;
    bool verbose = false;  // --verbose: the notes on the file's producer's quirks too
    bool help = false;
    bool version = false;
    bool list_formats = false;
};

// The most threads --jobs may ask for.
constexpr unsigned kMaxJobs = 256;
// The longest --timeout, a day.
constexpr unsigned kMaxTimeout = 86400;

// Parses argv[1..]; on a mistake returns false with a message in error.
bool parse_arguments(const std::vector<std::string> &args, Arguments &out, std::string &error);

const char *usage_text();

}  // namespace qrv::tool
